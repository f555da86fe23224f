#include <new>

#include "framework/MsgEvent.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "widgets/CellTracking.h"
#include "widgets/ControlCells.h"
#include "widgets/TTable.h"

CheckCell::CheckCell(const ShortRect& bounds, const char* title, const win::LOGFONTA* font, std::int32_t tag,
                     std::int32_t value, std::int32_t shape, bool triState)
    : TCell(static_cast<std::int16_t>(bounds.Width()), static_cast<std::int16_t>(bounds.Height()), 0x19),
      value_(value),
      tag_(tag),
      title_(title),
      triState_(triState ? 1 : 0),
      shape_(shape) {
    if (font) {
        font_ = *font;
    } else {
        MakeLogFont(font_, 0, 12, 0);
    }
}

CheckCell::CheckCell(const CheckCell& other)
    : TCell(other),
      value_(other.value_),
      tag_(other.tag_),
      title_(other.title_),
      font_(other.font_),
      triState_(other.triState_),
      shape_(other.shape_),
      disabled_(other.disabled_) {}

TCell* CheckCell::Clone() const { return new (std::nothrow) CheckCell(*this); }

ShortRect CheckCell::BoxIn(const ShortRect& rect) {
    const int h = rect.Height();
    const int side = h - h / 2, inset = h / 2 / 2;
    return ShortRect::MakeLTRB(rect.left + inset, rect.top + inset, rect.left + inset + side, rect.top + inset + side);
}

std::int32_t CheckCell::NextValue() const {
    if (triState_) return (value_ + 1) % 3;
    return value_ == 1 ? 0 : 1;
}

void CheckCell::Toggle() {
    value_ = NextValue();
    ValueChanged(value_);
    if (!disabled_) DrawCellNow(*this);
}

std::int16_t CheckCell::MouseDown(const MsgEvent& /*event*/) {
    if (disabled_) return kMouseConsumed;
    ShortRect rect;
    if (GetViewRect(rect)) {
        const ShortRect box = BoxIn(rect);
        // Pressed, the box's frame is drawn a pixel thicker (white on a filled box).
        const bool inside = TrackCellClick(*this, box, [this, box](bool pressed) {
            DrawCellNow(*this);
            TTable* table = GetTable();
            TGraphEnv* env = table ? table->GetGraphEnv() : nullptr;
            if (!pressed || !env || !table->IsDrawable()) return;
            GraphAttribUser use(*env);
            env->SetForeStandardColor(value_ == 1 ? 1 : 0);
            ShortRect inner = box;
            inner.left = static_cast<std::int16_t>(inner.left + 1);
            inner.top = static_cast<std::int16_t>(inner.top + 1);
            inner.right = static_cast<std::int16_t>(inner.right - 1);
            inner.bottom = static_cast<std::int16_t>(inner.bottom - 1);
            if (shape_ == 1) {
                env->FrameOval(inner);
            } else {
                env->FrameRect(inner);
            }
        });
        if (inside) Toggle();
    }
    return HasFlags(kCellSelectable) ? kMouseGoOn : kMouseConsumed;
}

void CheckCell::Activate() {
    TCell::Activate();
    Invalidate(false);
}

void CheckCell::Deactivate() {
    TCell::Deactivate();
    Invalidate(false);
}

bool CheckCell::HandleKey(KeyEvent& event) {
    if (event.GetKey() != kKeySpace || disabled_ || event.IsControlDown() || event.IsAltDown() ||
        event.IsShiftDown()) {
        return false;
    }
    Toggle();
    return true;
}

void CheckCell::SetEnabled(bool enabled, bool redraw) {
    disabled_ = enabled ? 0 : 1;
    if (redraw) DrawCellNow(*this);
}

void CheckCell::DrawContent(TGraphEnv& env, std::int32_t /*column*/, const ShortRect& rect) {
    GraphAttribUser use(env);
    const TTable* table = GetTable();
    ShortRect area = rect;
    if (table) area.Intersect(table->DataRect());
    ClipSaver clip(env, area);
    env.SetForeColor(table ? table->GetBackgroundColor() : GetStandardColor(1));
    env.FillRect(rect);
    box_ = BoxIn(rect);
    const int ink = disabled_ ? 8 : 0;
    env.SetForeStandardColor(ink);
    if (value_ == 1) {
        if (shape_ == 1) {
            env.FillOval(box_);
        } else {
            env.FillRect(box_);
        }
    } else {
        if (value_ == 2) {
            env.SetForeStandardColor(disabled_ ? 8 : 9);
            if (shape_ == 1) {
                env.FillOval(box_);
            } else {
                env.FillRect(box_);
            }
            env.SetForeStandardColor(ink);
        }
        if (shape_ == 1) {
            env.FrameOval(box_);
        } else {
            env.FrameRect(box_);
        }
    }
    const int half = box_.Height() / 2;
    GraphFontUser font(env, font_);
    env.MoveTo(box_.right + half, box_.bottom - (half / 2 - 1));
    env.TextOutAligned(title_.CStr() ? title_.CStr() : "", 0, static_cast<std::int16_t>(title_.Length()));
    if (HasFlags(kCellActive) && !disabled_) {
        ShortRect focus = rect;
        focus.left = static_cast<std::int16_t>(focus.left + 2);
        focus.top = static_cast<std::int16_t>(focus.top + 2);
        focus.right = static_cast<std::int16_t>(focus.right - 2);
        focus.bottom = static_cast<std::int16_t>(focus.bottom - 2);
        env.DrawFocusRect(focus);
    }
}
