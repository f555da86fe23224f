#pragma once
// Scroll bars: SCROLLBAR controls (SB_CTL) and the bars a window has when its style holds
// WS_HSCROLL or WS_VSCROLL, drawn in its non-client area. One engine serves both. A bar keeps a
// range, a page (the visible part, which sizes the thumb) and a position; the position runs from
// the minimum to max - page + 1 (to the maximum when there is no page). Pressing an arrow or the
// track beside the thumb sends WM_HSCROLL or WM_VSCROLL at once and again while the button is held;
// dragging the thumb sends SB_THUMBTRACK as it moves, then SB_THUMBPOSITION; every press ends with
// SB_ENDSCROLL. A bar never moves its own position: the receiver does (SetScrollPos). The messages
// go to a control's parent with the control in lParam, and to the window itself for its own bars
// (lParam 0); the high word of wParam carries the 16-bit thumb position.

#include "platform/sys/WinTypes.h"

namespace win {

// Which bar.
inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_CTL = 2;
inline constexpr int SB_BOTH = 3;

// Scroll request codes (low word of WM_HSCROLL and WM_VSCROLL's wParam).
inline constexpr WORD SB_LINEUP = 0;
inline constexpr WORD SB_LINELEFT = 0;
inline constexpr WORD SB_LINEDOWN = 1;
inline constexpr WORD SB_LINERIGHT = 1;
inline constexpr WORD SB_PAGEUP = 2;
inline constexpr WORD SB_PAGELEFT = 2;
inline constexpr WORD SB_PAGEDOWN = 3;
inline constexpr WORD SB_PAGERIGHT = 3;
inline constexpr WORD SB_THUMBPOSITION = 4;
inline constexpr WORD SB_THUMBTRACK = 5;
inline constexpr WORD SB_TOP = 6;
inline constexpr WORD SB_LEFT = 6;
inline constexpr WORD SB_BOTTOM = 7;
inline constexpr WORD SB_RIGHT = 7;
inline constexpr WORD SB_ENDSCROLL = 8;

// SCROLLBAR control styles.
inline constexpr DWORD SBS_HORZ = 0x0000;
inline constexpr DWORD SBS_VERT = 0x0001;

// What a SCROLLINFO carries. SIF_DISABLENOSCROLL: a bar that can no longer scroll is disabled
// rather than hidden.
inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// EnableScrollBar: which arrows to disable.
inline constexpr UINT ESB_ENABLE_BOTH = 0x0000;
inline constexpr UINT ESB_DISABLE_LTUP = 0x0001;
inline constexpr UINT ESB_DISABLE_LEFT = 0x0001;
inline constexpr UINT ESB_DISABLE_UP = 0x0001;
inline constexpr UINT ESB_DISABLE_RTDN = 0x0002;
inline constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
inline constexpr UINT ESB_DISABLE_DOWN = 0x0002;
inline constexpr UINT ESB_DISABLE_BOTH = 0x0003;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;  // the thumb's position while it is dragged, else the position
};

// A range with nMin above nMax is taken as the empty range at nMin; the page is cut to the range's
// size and the position kept within its limits. Answers the position. A window's own bar is hidden
// when it can no longer scroll (disabled instead with SIF_DISABLENOSCROLL) and shown when it can
// again. With SIF_DISABLENOSCROLL a control is disabled when it cannot scroll and enabled when it
// can. A window's own bars start with the range 0 to 100, a control with the empty range 0 to 0.
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
int SetScrollPos(HWND window, int bar, int position, BOOL redraw);  // answers the previous position
int GetScrollPos(HWND window, int bar);
BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum);
// Answers whether anything changed. For a control, disabling both arrows disables the control
// window and enabling both enables it.
BOOL EnableScrollBar(HWND window, int bar, UINT arrows);
// A window's own bars (SB_HORZ, SB_VERT, SB_BOTH) come and go with the frame; a control is shown
// or hidden.
BOOL ShowScrollBar(HWND window, int bar, BOOL show);

}  // namespace win
