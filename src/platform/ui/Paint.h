#pragma once
// Painting: update regions, WM_PAINT and device contexts for windows.
//
// A window's update region collects what must be drawn again: areas invalidated by the program and
// areas uncovered on the screen. WM_PAINT is made only while nothing else waits, parents before
// their children; BeginPaint takes the update region (erasing the background through WM_ERASEBKGND
// when asked) and hands out a context clipped to it. Contexts draw straight into the screen surface,
// clipped to what of the window is visible: children are left out with WS_CLIPCHILDREN, and
// siblings above with WS_CLIPSIBLINGS (top-level windows always). A class with CS_OWNDC gives each
// window one context for life; CS_PARENTDC lets a child draw over its parent.

#include "platform/gdi/SystemColors.h"  // GetSysColorBrush
#include "platform/sys/WinTypes.h"

namespace win {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;  // the background still has to be erased
    RECT rcPaint;         // bounds of the area to paint, in client coordinates
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};

HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// A null rectangle or region means the whole client area. Invalidating a window without
// WS_CLIPCHILDREN invalidates its children where the area covers them.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL ValidateRgn(HWND window, HRGN region);
// Copies the update region (client coordinates) into the region; answers its kind. With erase,
// a pending background erase happens now.
int GetUpdateRgn(HWND window, HRGN region, BOOL erase);
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
// Paints the window and then its children now, when they have anything to paint.
BOOL UpdateWindow(HWND window);

// Moves the client area's pixels (or those of the scroll rectangle) by dx, dy, keeping within the
// clip rectangle, and adds what was uncovered to the update region. Without a scroll rectangle the
// children move too.
BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scrollRect, const RECT* clipRect);

// Contexts outside painting. GetDC(null) covers the whole screen.
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);  // the whole window, non-client area included
int ReleaseDC(HWND window, HDC dc);

}  // namespace win
