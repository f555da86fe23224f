// The free-standing scroll control.

#include "items/Scroller.h"

#include <algorithm>

#include "items/NativeScroll.h"
#include "items/ScrollMath.h"

std::int16_t Scroller::tracking_ = 0;

namespace {

std::int16_t ScaleFor(std::int32_t maximum) { return maximum < 100 ? 100 : 1; }

}  // namespace

Scroller::Scroller(ItemList* list, TScrollerClient* client, std::uint32_t flags, const char* title,
                   std::uint16_t notification, const ShortRect* bounds, std::uint16_t itemFlags,
                   const RGBColor& color, std::uint8_t style1, std::uint8_t style2)
    : TControl(list, title, notification, bounds, itemFlags, color, style1, style2),
      flags_(flags),
      client_(client) {
    TControl::SetMin(0, false);
    TControl::SetMax(kInitialMax, false);
    scale_ = ScaleFor(GetMax());
}

Scroller::~Scroller() = default;

win::DWORD Scroller::WindowStyle() const { return (flags_ & kHorizontal) ? win::SBS_HORZ : win::SBS_VERT; }

std::string Scroller::DescribeFlags() const {
    if (flags_ == 0) return "kNoFlags,";
    std::string described;
    if (flags_ & kHorizontal) described += "kHorizontal,";
    if (flags_ & kLiveTracking) described += "kLiveTracking,";
    if (flags_ & kNoFocus) described += "kNoFocus,";
    return described;
}

// --- The native bar

std::uint32_t Scroller::NativePage() const {
    return ScrollerThumbPage(pageStep_, total_, 0, GetMax(), scale_);
}

void Scroller::PushNativeState(bool range, bool position, bool redraw) {
    if (!HasWindow()) return;
    win::SCROLLINFO info;
    info.fMask = win::SIF_PAGE;
    info.nMin = 0;
    info.nMax = GetMax() * scale_;
    info.nPage = NativePage();
    if (range) info.fMask |= win::SIF_RANGE;
    if (position) {
        info.fMask |= win::SIF_POS;
        // Values fit 16 bits: the maximum is at most 32767 in use.
        const std::int32_t value = static_cast<std::int16_t>(GetValue());
        info.nPos = NativePositionOf(value, 0, GetMax(), ThumbPositions(info.nMin, info.nMax, info.nPage), 0);
    }
    SetScrollInfoChecked(GetHWnd(), win::SB_CTL, info, redraw);
}

std::int32_t Scroller::ValueAtThumb() const {
    const win::SCROLLINFO info = GetControlScrollInfo(GetHWnd());
    return ValueAtNativePosition(info.nPos, 0, GetMax(), ThumbPositions(info.nMin, info.nMax, info.nPage),
                                 info.nMin);
}

void Scroller::Attach(win::HWND window) {
    TControl::Attach(window);
    PushNativeState(true, true, false);
}

void Scroller::SetValue(std::int32_t value, bool redraw) {
    if (value == GetValue()) return;
    StoreValue(std::clamp(value, 0, std::max(GetMax(), 0)));
    if (!tracking_) PushNativeState(false, true, redraw);
}

void Scroller::SetMax(std::int32_t value, bool redraw) {
    if (value == GetMax()) return;
    TControl::SetMax(value, redraw);
    if (GetValue() > value) StoreValue(value);
    scale_ = ScaleFor(value);
    // A new scale moves the position as well as the range.
    PushNativeState(true, true, redraw);
}

void Scroller::SetPageStep(std::int16_t step) {
    pageStep_ = step;
    PushNativeState(false, false, false);
    if (HasWindow()) Invalidate();
}

void Scroller::SetTotal(std::int16_t total) {
    total_ = total;
    PushNativeState(false, true, false);
    if (HasWindow()) Invalidate();
}

// --- Scrolling

void Scroller::HandleScroll(std::int32_t code, std::int32_t position) {
    DispatchScrollCode(*this, code, position);
}

void Scroller::Moved(std::int32_t delta, bool tracking) {
    if (delta == 0) return;
    SetValue(GetValue() + delta, true);
    if (!client_) return;
    if (tracking) {
        client_->Tracking(this, delta);
    } else {
        client_->Scrolled(this, delta);
    }
}

std::int32_t Scroller::DraggedDelta() {
    if (!(flags_ & kLiveTracking) || !HasWindow()) return 0;
    tracking_ = 1;
    return ValueAtThumb() - GetValue();
}

void Scroller::TrackPart(std::int16_t part) {
    const std::int32_t delta =
        part == kPartThumb ? DraggedDelta()
                           : PartDelta(part, GetValue(), 0, GetMax(), lineStep_, pageStep_, -pageStep_);
    Moved(delta, true);
    tracking_ = 0;
}

bool Scroller::ThumbReleased(std::int16_t part) {
    if (HasWindow()) {
        const std::int32_t target = ValueAtThumb();
        const win::SCROLLINFO info = GetControlScrollInfo(GetHWnd());
        win::SetScrollPos(
            GetHWnd(), win::SB_CTL,
            NativePositionOf(target, 0, GetMax(), ThumbPositions(info.nMin, info.nMax, info.nPage), 0),
            win::TRUE);
        Moved(target - GetValue(), false);
    }
    return part != 0;
}

void Scroller::EndScroll() {
    if (client_) client_->Scrolled(this, 0);
}
