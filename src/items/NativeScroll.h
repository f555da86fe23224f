#pragma once
// What the two scroll controls share over the native SCROLLBAR window: pushing its state (keeping
// an empty range disabled and a real one enabled), reading it, and turning its scroll codes into
// parts of the bar.

#include <cstdint>

#include "items/ScrollMath.h"
#include "platform/ui/ScrollBars.h"

// SetScrollInfo, then, for a control whose range was set: disabled while the range is empty,
// enabled again when it is not.
void SetScrollInfoChecked(win::HWND window, int bar, const win::SCROLLINFO& info, bool redraw);
// The control's range, page and position.
win::SCROLLINFO GetControlScrollInfo(win::HWND window);

class TControl;

// Whether the scroll control can move: shown, enabled, and with a range to move in.
bool CanScroll(const TControl& control);
// Moves the control by whole lines, as that many clicks on its arrows would (back, up or left, for
// a negative count), then ends the scroll.
void ScrollByLines(TControl& control, std::int32_t lines);

// Calls the control's EndScroll for SB_ENDSCROLL, ThumbReleased for SB_THUMBPOSITION and
// TrackPart for the others it knows (line and page moves, the thumb dragged), after putting the
// thumb where it was dragged; other codes do nothing.
template <typename Control>
void DispatchScrollCode(Control& control, std::int32_t code, std::int32_t position) {
    std::int16_t part = 0;
    switch (code) {
        case win::SB_ENDSCROLL: control.EndScroll(); return;
        case win::SB_LINEUP: part = kPartLineUp; break;
        case win::SB_LINEDOWN: part = kPartLineDown; break;
        case win::SB_PAGEUP: part = kPartPageUp; break;
        case win::SB_PAGEDOWN: part = kPartPageDown; break;
        case win::SB_THUMBPOSITION:
        case win::SB_THUMBTRACK:
            part = kPartThumb;
            if (control.HasWindow()) win::SetScrollPos(control.GetHWnd(), win::SB_CTL, position, win::TRUE);
            break;
        default: return;
    }
    if (code == win::SB_THUMBPOSITION) {
        control.ThumbReleased(part);
    } else {
        control.TrackPart(part);
    }
}
