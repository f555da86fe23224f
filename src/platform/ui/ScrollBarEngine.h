#pragma once
// Internal to the window layer: the scroll-bar engine shared by SCROLLBAR controls and the bars of
// windows. The arithmetic (limits, thumb geometry, hit parts) is kept apart from where a bar's data
// lives and how it is drawn and tracked.

#include "platform/ui/ScrollBars.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

struct ScrollBarData {
    int minimum = 0;
    int maximum = 100;
    UINT page = 0;
    int position = 0;
    UINT disabledArrows = ESB_ENABLE_BOTH;
};

// The highest position: maximum - page + 1, or the maximum when there is no page; never below the
// minimum.
int MaxScrollPosition(const ScrollBarData& data);
bool CanScroll(const ScrollBarData& data);
// Takes the fields the mask names, then keeps the page and the position within their limits.
void ApplyScrollInfo(ScrollBarData& data, const SCROLLINFO& info);

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// A bar's parts along its length, in pixels from its start.
struct ScrollBarLayout {
    bool vertical = true;
    int length = 0;       // of the whole bar
    int arrow = 0;        // of each arrow button
    int thumbStart = 0;   // from the bar's start
    int thumbLength = 0;  // 0 when the bar shows no thumb
};

// The layout with the thumb at a position (the bar's own, or the one being dragged). A bar that
// cannot scroll, or whose track is too short, shows no thumb.
ScrollBarLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollBarData& data, int position);
// The part under a point given relative to the bar's top-left corner.
ScrollPart ScrollPartAt(const ScrollBarLayout& layout, const RECT& bar, POINT offset);
// The position whose thumb lies nearest to starting at thumbStart.
int PositionForThumb(const ScrollBarLayout& layout, const ScrollBarData& data, int thumbStart);

// Where a bar's data lives: a SCROLLBAR control's own (SB_CTL), or one of a window's two bars,
// made with the default range when `create` is set. Null when the window has no such bar.
ScrollBarData* FindScrollBar(HWND window, int bar, bool create);
void AddScrollBarControl(HWND control);
void ForgetScrollBars(HWND window);  // the window is gone
bool IsScrollBarControl(HWND window);
bool IsVerticalBar(HWND window, int bar);
// The bar's place on the screen: a control's client area, or the strip beside a window's client.
RECT ScrollBarScreenRect(HWND window, int bar);

// A press on a bar being tracked.
struct ScrollTracking {
    HWND window = nullptr;
    int bar = SB_CTL;
    ScrollPart part = ScrollPart::None;
    bool pressed = false;   // the mouse is over the part pressed
    int thumbPosition = 0;  // the dragged thumb's position
};
const ScrollTracking* CurrentScrollTracking(HWND window, int bar);

// Draws the bar (client coordinates of the context) as its data and any tracking say.
void DrawScrollBar(HWND window, int bar, HDC dc, const RECT& r);
// Draws it again now where it is on the screen.
void RedrawScrollBar(HWND window, int bar);
// A window's own bar, drawn with the rest of its non-client area (r relative to the window).
void DrawWindowScrollBar(const Window& window, HDC windowDc, int bar, const RECT& r);

// The modal loop of a press on a bar, at a screen point; answers when the button is released.
void TrackScrollBar(HWND window, int bar, POINT screenPoint);
// Sends WM_HSCROLL or WM_VSCROLL for a bar to whoever it tells; the position (its low 16 bits)
// matters only to SB_THUMBTRACK and SB_THUMBPOSITION.
void SendScrollRequest(HWND window, int bar, WORD code, int position);

LRESULT ScrollBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
