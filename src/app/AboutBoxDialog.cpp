#include "app/AboutBoxDialog.h"

#include <string>

#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace {

constexpr std::uint32_t kCreditsCharacters = 1280;
// A read-only view with a vertical scroll bar that tracks live.
constexpr std::uint16_t kCreditsViewFlags = 0xC2;

}  // namespace

std::string ReadCredits() {
    std::string credits = ReadInfoText("CreditA") + ReadInfoText("CreditB");
    if (credits.size() > AboutBoxDialog::kCreditsLimit) credits.resize(AboutBoxDialog::kCreditsLimit);
    return credits;
}

AboutBoxDialog::AboutBoxDialog() : TDialog(kItems, -1, -1), appearance_(*this) {}

AboutBoxDialog::~AboutBoxDialog() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    const std::int32_t index = list && credits_ ? list->IndexOf(credits_) : -1;
    if (index >= 0) {
        credits_->Close();
        list->DeleteAt(index);
    }
    credits_ = nullptr;
}

ErrCode AboutBoxDialog::SetUpItems() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    if (list && !credits_) {
        win::LOGFONTA font;
        MakeLogFont(font, 5, 10, 0);
        const ShortRect bounds = ShortRect::MakeLTRB(270, 70, 495, 175);
        credits_ = new MaxCharEditView(list, kCreditsCharacters, &bounds, &font, 0,
                                       EditView::kMultiLine | EditView::kNoAutoHScroll, kCreditsViewFlags, 0,
                                       GetStandardColor(0), nullptr);
        list->Append(credits_);
    }
    const ErrCode result = TDialog::SetUpItems();
    if (result == kNoErr) {
        appearance_.Prepare();
        if (credits_) credits_->SetText(ReadCredits().c_str(), 0);
        CenterInFrame();
    }
    return result;
}

// In the middle of the frame's client area.
void AboutBoxDialog::CenterInFrame() {
    const TAppl* application = GetApplication();
    const win::HWND client = application ? application->GetMDIClient() : nullptr;
    if (!client || !GetHWnd()) return;
    win::RECT area{};
    win::GetClientRect(client, &area);
    win::MapWindowPoints(client, nullptr, reinterpret_cast<win::POINT*>(&area), 2);
    const ShortRect onScreen = ShortRect::FromRECT(area);
    CenterOnScreen(&onScreen);
}

// Return and Escape with a modifier key held are taken and do nothing, so that they close nothing
// further down the key road either.
bool AboutBoxDialog::DispatchKey(KeyEvent& event) {
    if (event.GetKey() != kKeyReturn && event.GetKey() != kKeyEscape) return TWindow::DispatchKey(event);
    if (!AnyModifierDown()) PostItemHit(kOkItem);
    return true;
}

// The dialog manager's OK and Cancel (Return and Escape) close the box the same way.
win::LRESULT AboutBoxDialog::OnCommand(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    const int id = win::LOWORD(static_cast<win::DWORD>(wParam));
    if (id != win::IDOK && id != win::IDCANCEL) return TDialog::OnCommand(window, message, wParam, lParam);
    if (!AnyModifierDown()) PostItemHit(kOkItem);
    return 1;
}

bool AboutBoxDialog::IsAccepted() { return GetResultItem() == kOkItem; }

bool AboutBoxDialog::AnyModifierDown() {
    return win::GetKeyState(win::VK_SHIFT) < 0 || win::GetKeyState(win::VK_CONTROL) < 0 ||
           win::GetKeyState(win::VK_MENU) < 0;
}

void AboutBoxDialog::Draw(win::HDC dc) {
    TDialog::Draw(dc);
    appearance_.Draw();
}
