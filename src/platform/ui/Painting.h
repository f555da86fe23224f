#pragma once
// Internal to the window layer: update regions and the screen areas windows must paint again.

#include "platform/gdi/Region.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

// Every window that shows part of the area (screen coordinates) must paint that part again; the
// client parts erase their background first.
void ExposeScreenArea(const RECT& area);
// The next window that needs painting, parents before their children; null when none does.
Window* NextWindowToPaint(HWND filter);
bool NeedsPaint(const Window& window);
// A window whose only pending paint is its non-client area gets it now (WM_NCPAINT).
bool PaintNonClientOnly(Window& window);
// Called when a window's place on the screen changed, and when it is destroyed.
void WindowMoved(Window& window);
void ForgetPaint(Window& window);
// The screen surface was replaced: every context is pointed at the new one and everything is
// painted again.
void ScreenReplaced();

// What of a window is visible on the screen (screen coordinates): its client area, or the whole
// window, less its children when it clips them.
Region VisibleRegion(const Window& window, bool wholeWindow);

}  // namespace win::detail
