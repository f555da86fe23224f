#include "widgets/HPMenu.h"

#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "platform/ui/Window.h"
#include "widgets/WidgetGeometry.h"

using namespace win;

THPMenu::THPMenu(IHMPClient* client, ItemList* list, const ShortRect* bounds, std::uint16_t flags,
                 const RGBColor& color, std::int16_t fontNumber, std::int16_t fontSize,
                 std::uint8_t fontStyle)
    : TItem(list, bounds, flags, color),
      PopupAppearance(nullptr),
      client_(client),
      font_(fontNumber, fontSize, fontStyle) {}

TGraphEnv* THPMenu::GetDrawingEnv() const { return GetGraphEnv(); }

ShortRect THPMenu::GetBoxRect() const {
    const ShortRect& bounds = Bounds();
    return ShortRect::MakeLTRB(bounds.left, bounds.top, bounds.right - 1, bounds.bottom - 1);
}

ShortRect THPMenu::GetTextRect() const {
    const ShortRect inner = InsetShortRect(GetBoxRect(), 1, 1);
    const int top = inner.top + (inner.Height() - kTextHeight) / 2;
    return ClampInto(ShortRect::MakeLTRB(inner.left + 18, top, inner.right - 22, top + kTextHeight), inner);
}

void THPMenu::Draw(HDC /*dc*/, const Rgn& /*clip*/) {
    PopupAppearance::Draw();
    // Pressed while the cascade is open.
    if (open_ && GetDrawingEnv()) {
        GraphUser use(*GetDrawingEnv());
        GetDrawingEnv()->InvertRect(InsetShortRect(GetBoxRect(), 1, 1));
    }
}

bool THPMenu::HandleKey(KeyEvent& event) {
    const std::int32_t key = event.GetKey();
    if (key != kKeyUp && key != kKeyDown && key != kKeySpace) return false;
    OpenMenu();
    return true;
}

std::int32_t THPMenu::HandleMouseDown(const MsgEvent& /*event*/) {
    OpenMenu();
    return 1;
}

void THPMenu::OpenMenu() {
    if (!client_ || open_) return;
    std::int32_t root = -1;
    client_->GetRoot(root);
    if (!client_->IsValid(root)) {
        MessageBeep(0);
        return;
    }
    open_ = 1;
    Invalidate();
    Update();
    POINT corner{Bounds().left, Bounds().top};
    ClientToScreen(GetParentHWnd(), &corner);
    ShortRect anchor = Bounds();
    anchor.Offset(corner.x - anchor.left, corner.y - anchor.top);
    if (std::unique_ptr<TActiveHPMenu> menu = MakeActiveMenu(anchor)) {
        menu->Run();
        menu->Commit();
        UpdateTitle();
    }
    open_ = 0;
    Invalidate();
}

std::unique_ptr<TActiveHPMenu> HMPMenu::MakeActiveMenu(const ShortRect& anchor) {
    return std::make_unique<ActiveHMPMenu>(GetClient(), anchor, GetParentHWnd());
}

HSPMenu::HSPMenu(IHMPClient* client, std::int32_t current, ItemList* list, const ShortRect* bounds,
                 std::uint16_t flags, const RGBColor& color, std::int16_t fontNumber, std::int16_t fontSize,
                 std::uint8_t fontStyle)
    : THPMenu(client, list, bounds, flags, color, fontNumber, fontSize, fontStyle), current_(current) {}

std::unique_ptr<TActiveHPMenu> HSPMenu::MakeActiveMenu(const ShortRect& anchor) {
    return std::make_unique<ActiveHSPMenu>(GetClient(), anchor, GetParentHWnd(), &current_);
}

void HSPMenu::SetCurrentItem(std::int32_t handle) {
    current_ = handle;
    UpdateTitle();
}

void HSPMenu::UpdateTitle() {
    char text[IHMPClient::kItemTextSize] = {};
    if (GetClient() && GetClient()->IsValid(current_)) {
        GetClient()->GetItemText(current_, text, IHMPClient::kItemTextSize);
        text[sizeof text - 1] = '\0';
    }
    SetTitle(text);
    Invalidate();
}
