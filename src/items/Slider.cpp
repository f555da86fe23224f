// The drawn slider.

#include "items/Slider.h"

#include <algorithm>

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/ui/Input.h"

namespace {

constexpr int kBlack = 0;
constexpr int kWhite = 1;
constexpr int kGrey = 9;

std::int16_t Short(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

Slider::Slider(ItemList* list, std::int16_t minimum, std::int16_t maximum, std::int16_t value,
               std::int16_t step, const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color,
               std::int32_t style)
    : TItem(list, bounds, itemFlags, color),
      minimum_(minimum),
      maximum_(maximum),
      value_(std::clamp(value, minimum, std::max(minimum, maximum))),
      step_(step),
      style_(style) {}

void Slider::SetMin(std::int16_t minimum) {
    if (minimum == minimum_) return;
    minimum_ = minimum;
    value_ = std::max(value_, minimum_);
    Invalidate();
}

void Slider::SetMax(std::int16_t maximum) {
    maximum_ = maximum;
    value_ = std::min(value_, maximum_);
    Invalidate();
}

void Slider::SetValue(std::int16_t value) {
    value = std::clamp(value, minimum_, std::max(minimum_, maximum_));
    if (value == value_) return;
    value_ = value;
    Invalidate();
}

void Slider::Enable(bool enable) {
    if (enable != IsEnabled()) Invalidate();
    TItem::Enable(enable);
}

// --- Geometry

ShortRect Slider::InnerBounds() const {
    ShortRect inner = Bounds();
    inner = ShortRect::MakeLTRB(inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1);
    return inner;
}

bool Slider::IsHorizontal() const {
    const ShortRect inner = InnerBounds();
    return inner.Width() > inner.Height();
}

std::int16_t Slider::KnobSize() const {
    const ShortRect inner = InnerBounds();
    return Short(std::max(std::min(inner.Width(), inner.Height()), 0));
}

ShortRect Slider::TrackRect() const {
    ShortRect track = InnerBounds();
    const int half = KnobSize() / 2;
    if (IsHorizontal()) {
        track.left = Short(track.left + half);
        track.right = Short(track.right - half);
    } else {
        track.top = Short(track.top + half);
        track.bottom = Short(track.bottom - half);
    }
    return track;
}

std::int32_t Slider::TickCount() const { return step_ > 0 ? (maximum_ - minimum_ + 1) / step_ : 0; }

std::int16_t Slider::ValueAtPoint(ShortPoint point) const {
    const ShortRect track = TrackRect();
    const bool horizontal = IsHorizontal();
    const int length = horizontal ? track.Width() : track.Height();
    if (length <= 0) return minimum_;
    const int offset = horizontal ? point.x - track.left : point.y - track.top;
    const int value = (length / 2 + offset * (maximum_ - minimum_)) / length + minimum_;
    return Short(std::clamp(value, int{minimum_}, std::max(int{minimum_}, int{maximum_})));
}

ShortRect Slider::KnobRect(std::int16_t x, std::int16_t y) const {
    const int knob = KnobSize();
    const ShortRect track = TrackRect();
    int left = 0, top = 0;
    if (x == kAtValue && y == kAtValue) {
        // A slider of one tick keeps its knob at the track's start.
        const int spaces = std::max(TickCount() - 1, 1);
        if (IsHorizontal()) {
            left = track.left - knob / 2 + (value_ - minimum_) * track.Width() / spaces;
            top = (track.top + track.bottom - knob) / 2;
        } else {
            top = track.top - knob / 2 + (value_ - minimum_) * track.Height() / spaces;
            left = (track.left + track.right - knob) / 2;
        }
    } else {
        left = x - knob / 2;
        top = y - knob / 2;
    }
    return ShortRect::MakeLTRB(left + 1, top + 1, left + knob + 1, top + knob + 1);
}

ShortPoint Slider::OntoTrack(ShortPoint point) const {
    const ShortRect track = TrackRect();
    if (IsHorizontal()) {
        return ShortPoint{Short(std::clamp<int>(point.x, track.left, std::max(track.left, track.right))),
                          Short((track.top + track.bottom) / 2)};
    }
    return ShortPoint{Short((track.left + track.right) / 2),
                      Short(std::clamp<int>(point.y, track.top, std::max(track.top, track.bottom)))};
}

// --- Drawing

void Slider::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    DrawTrack();
    DrawKnob(kAtValue, kAtValue);
}

void Slider::DrawKnob(std::int16_t x, std::int16_t y) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const int size = KnobSize();
    ShortRect knob = KnobRect(x, y);
    for (int colour : {kBlack, kGrey, kWhite}) {
        env->SetForeStandardColor(colour);
        env->FillOval(knob);
        knob = ShortRect::MakeLTRB(knob.left + (size + 7) / 8, knob.top + (size + 7) / 8,
                                   knob.right - (size + 3) / 4, knob.bottom - (size + 3) / 4);
    }
}

void Slider::DrawTrack() {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const bool horizontal = IsHorizontal();
    const ShortRect inner = InnerBounds();
    const ShortRect track = TrackRect();
    env->SetForeColor(Color());
    // The inner bounds beyond the track's two ends.
    if (horizontal) {
        env->FillRect(ShortRect::MakeLTRB(inner.left, inner.top, track.left, inner.bottom));
        env->FillRect(ShortRect::MakeLTRB(track.right, inner.top, inner.right, inner.bottom));
    } else {
        env->FillRect(ShortRect::MakeLTRB(inner.left, inner.top, inner.right, track.top));
        env->FillRect(ShortRect::MakeLTRB(inner.left, track.bottom, inner.right, inner.bottom));
    }
    // Which line of each pair is white: the offset one, unless the style says the one in place
    // (the vertical slider takes the offset one for any other style).
    const bool offsetWhite = horizontal ? style_ == kStyleLightOffset : style_ != kStyleLightInPlace;
    const int inPlaceColour = offsetWhite ? kBlack : kWhite;
    const int offsetColour = offsetWhite ? kWhite : kBlack;
    const int middle = horizontal ? (track.top + track.bottom) / 2 : (track.left + track.right) / 2;
    const int start = horizontal ? track.left : track.top;
    const int length = horizontal ? track.Width() : track.Height();
    const int across0 = horizontal ? track.top : track.left;
    const int across1 = horizontal ? track.bottom : track.right;
    // A line along the axis at an offset across it, or across the track at a place along it.
    auto along = [&](int at, int colour) {
        env->SetForeStandardColor(colour);
        if (horizontal) {
            env->FillRect(ShortRect::MakeLTRB(track.left, at, track.right, at + 1));
        } else {
            env->FillRect(ShortRect::MakeLTRB(at, track.top, at + 1, track.bottom));
        }
    };
    auto across = [&](int at, int colour) {
        env->SetForeStandardColor(colour);
        if (horizontal) {
            env->FillRect(ShortRect::MakeLTRB(at, across0, at + 1, across1));
        } else {
            env->FillRect(ShortRect::MakeLTRB(across0, at, across1, at + 1));
        }
    };
    along(middle, inPlaceColour);
    along(middle + 1, offsetColour);
    const int spaces = std::max(TickCount() - 1, 1);
    const int ticks = std::max(TickCount(), 1);
    for (int i = 0; i < ticks; ++i) {
        const int at = start + i * length / spaces;
        across(at, inPlaceColour);
        across(at + 1, offsetColour);
    }
    // Between the ticks, the track either side of the groove in the item's colour again.
    env->SetForeColor(Color());
    for (int i = 0; i + 1 < ticks; ++i) {
        const int from = start + i * length / spaces + 2, to = start + (i + 1) * length / spaces;
        if (horizontal) {
            env->FillRect(ShortRect::MakeLTRB(from, across0, to, middle));
            env->FillRect(ShortRect::MakeLTRB(from, middle + 2, to, across1));
        } else {
            env->FillRect(ShortRect::MakeLTRB(across0, from, middle, to));
            env->FillRect(ShortRect::MakeLTRB(middle + 2, from, across1, to));
        }
    }
}

// --- Input

bool Slider::HandleKey(KeyEvent& event) {
    const std::int32_t key = event.GetKey();
    if (key != kKeyLeft && key != kKeyRight) return TItem::HandleKey(event);
    const std::int16_t before = value_;
    if (key == kKeyLeft && value_ > minimum_) --value_;
    if (key == kKeyRight && value_ < maximum_) ++value_;
    if (value_ != before) Invalidate();
    PostHit();
    return true;
}

std::int32_t Slider::HandleMouseDown(const MsgEvent& event) {
    const win::HWND parent = GetParentHWnd();
    ShortPoint shown = OntoTrack(event.GetMousePoint(parent));
    DrawTrack();
    DrawKnob(shown.x, shown.y);
    win::SetCapture(GetHWnd());
    bool down = true;
    while (StillDown(&down)) {
        ShortPoint mouse;
        GetMousePoint(parent, mouse);
        const ShortPoint point = OntoTrack(mouse);
        if (point == shown) continue;
        DrawTrack();
        DrawKnob(point.x, point.y);
        shown = point;
    }
    if (win::GetCapture() == GetHWnd()) win::ReleaseCapture();
    // Where the button was let go.
    ShortPoint released;
    GetMousePoint(parent, released);
    value_ = ValueAtPoint(OntoTrack(released));
    DrawTrack();
    DrawKnob(kAtValue, kAtValue);
    return 1;
}
