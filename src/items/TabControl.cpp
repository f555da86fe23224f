#include "items/TabControl.h"

#include <algorithm>

#include "framework/TWindow.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "items/MouseTraps.h"
#include "platform/gdi/Fonts.h"

namespace {

constexpr int kCorner = 12;
constexpr int kFace = 8;
constexpr int kShadow = 9;
constexpr int kDarkShadow = 10;
constexpr int kLight = 1;
constexpr std::int32_t kLeastTitleOffset = 10;

ShortRect Within(const ShortRect& rect, int left, int right) {
    ShortRect part = rect;
    part.left = static_cast<std::int16_t>(std::max<int>(rect.left, left));
    part.right = static_cast<std::int16_t>(std::min<int>(rect.right, right));
    return part;
}

}  // namespace

TabControl::TabControl(ItemList* list, ITabControlClient* client, const char* title, const ShortRect& rect,
                       std::int32_t index)
    : TItem(list, &rect, 0, RGBColor(0)),
      client_(client),
      homeRect_(rect),
      title_(title ? title : ""),
      index_(index) {
    MakeLogFont(font_, 5, 9, kStyleBold);
}

void TabControl::SetSelected(bool selected) {
    ShortRect place = homeRect_;
    if (selected) place.bottom = static_cast<std::int16_t>(place.bottom + 2);
    SetBounds(place, true);
    selected_ = selected ? 1 : 0;
}

std::int32_t TabControl::TitleOffset(std::int32_t titleWidth) const {
    return std::max(Bounds().Width() / 2 - titleWidth / 2, kLeastTitleOffset);
}

std::int32_t TabControl::HandleMouseDown(const MsgEvent& /*event*/) {
    if (client_) client_->TabSelected(index_);
    if (TWindow* window = GetWindow()) window->Update();
    const ItemMouseTrap trap(*this);
    bool down = true;
    while (StillDown(&down)) {}
    return 1;
}

void TabControl::DrawShape(TGraphEnv& env) {
    const ShortRect& bounds = Bounds();
    // Twice as high as the tab, so that only its rounded top shows.
    ShortRect shape = homeRect_;
    shape.bottom = static_cast<std::int16_t>(shape.top + 2 * homeRect_.Height());
    ShortRect inside = shape;
    inside.left = static_cast<std::int16_t>(inside.left + 1);
    env.SetPenSize(1, 1);
    env.SetForeStandardColor(kFace);
    env.SetPattern(1);
    env.PaintRoundRect(inside, kCorner, kCorner);

    ClipSaver clip(env, bounds);
    auto frame = [&](int left, int right, int color, std::int16_t pen) {
        clip.NarrowTo(Within(bounds, left, right));
        env.SetForeStandardColor(color);
        env.SetPenSize(pen, pen);
        env.FrameRoundRect(shape, kCorner, kCorner);
    };
    frame(bounds.right - 5, bounds.right, kShadow, 2);
    frame(bounds.right - 2, bounds.right, kDarkShadow, 1);
    frame(bounds.left, bounds.right - 5, kLight, 2);
    frame(bounds.left, bounds.right - 4, kLight, 1);
}

void TabControl::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    const ClipSaver clip(*env, Bounds());
    DrawShape(*env);
    win::LOGFONTA font = font_;
    font.lfWeight = selected_ ? win::FW_BOLD : win::FW_NORMAL;
    env->SetFontIndirect(font);
    env->SetForeStandardColor(0);
    env->SetPenSize(1, 1);
    win::TEXTMETRICA metrics;
    env->GetTextMetrics(metrics);
    const ShortRect& bounds = Bounds();
    const int baseline =
        bounds.top + homeRect_.Height() / 2 + GetFontAscent(metrics) / 2 - (selected_ ? 1 : 0);
    env->MoveTo(bounds.left + TitleOffset(env->StringWidth(title_.c_str())), baseline);
    env->DrawText(title_.c_str(), 0, 0);
}
