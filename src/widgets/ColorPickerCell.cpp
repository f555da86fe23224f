#include <new>

#include "framework/FontAndColorChoosers.h"
#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "widgets/CellTracking.h"
#include "widgets/ControlCells.h"

namespace {

ShortRect Inset(const ShortRect& rect, int by) {
    return ShortRect::MakeLTRB(rect.left + by, rect.top + by, rect.right - by, rect.bottom - by);
}

}  // namespace

ColorPickerCell::ColorPickerCell(const ShortRect& bounds, const RGBColor& color)
    : TCell(static_cast<std::int16_t>(bounds.Width()), static_cast<std::int16_t>(bounds.Height()), 0x19),
      color_(color) {}

TCell* ColorPickerCell::Clone() const { return new (std::nothrow) ColorPickerCell(*this); }

void ColorPickerCell::Activate() {
    TCell::Activate();
    Invalidate(false);
}

void ColorPickerCell::Deactivate() {
    TCell::Deactivate();
    Invalidate(false);
}

void ColorPickerCell::ChooseColor() {
    RGBColor chosen = color_;
    if (ChooseColorDialog(chosen, true) != 0 || chosen == color_) return;
    color_ = chosen;
    ColorChanged(color_);
    DrawCellNow(*this);
}

bool ColorPickerCell::HandleKey(KeyEvent& event) {
    if (event.GetKey() == kKeySpace) ChooseColor();
    return false;
}

void ColorPickerCell::DoubleClicked(TGraphEnv* /*env*/) { ChooseColor(); }

void ColorPickerCell::DrawContent(TGraphEnv& env, std::int32_t /*column*/, const ShortRect& rect) {
    GraphAttribUser use(env);
    env.SetForeStandardColor(0);
    env.FrameRect(Inset(rect, 4));
    env.SetForeColor(color_);
    env.FillRect(Inset(rect, 5));
    const ShortRect focus = Inset(rect, 2);
    if (HasFlags(kCellActive) && !focus.IsEmpty()) env.DrawFocusRect(focus);
}
