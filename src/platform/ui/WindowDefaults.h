#pragma once
// Internal to the window layer: default handling that draws or shows cursors.

#include "platform/ui/WindowTree.h"

namespace win::detail {

// WM_SETCURSOR's default: the class cursor in the client area, sizing cursors on sizing borders,
// the arrow elsewhere; a beep for a click on a disabled window.
LRESULT SetDefaultCursor(Window& window, int hitCode, UINT mouseMessage);
// WM_ERASEBKGND's default: fills the update region with the class background, when it has one.
LRESULT EraseWithClassBackground(Window& window, HDC dc);
// WM_PAINT's default: validates the update region.
void PaintNothing(Window& window);

}  // namespace win::detail
