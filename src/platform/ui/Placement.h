#pragma once
// Internal to the window layer: moving, sizing, stacking, showing, minimising and maximising.

#include "platform/ui/WindowTree.h"

namespace win::detail {

inline constexpr UINT SWP_NOCLIENTSIZE = 0x0800;  // WM_WINDOWPOSCHANGED: the client kept its size
inline constexpr UINT SWP_NOCLIENTMOVE = 0x1000;  // WM_WINDOWPOSCHANGED: the client did not move
inline constexpr UINT SWP_FROMSCREEN = 0x8000;    // the frame follows the screen; ask no presenter

bool SetWindowPosition(Window& window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
bool ShowWindowWith(Window& window, int command);
// Sends WM_GETMINMAXINFO with the layer's defaults and answers the limits the window settled on.
MINMAXINFO QueryMinMaxInfo(Window& window);
// A size brought within a window's tracking limits.
SIZE ClampToTrackSize(const MINMAXINFO& limits, SIZE size);
// Brings a top-level window to the top with the windows it owns above it.
void RaiseTopLevel(Window& window);
// The frame window follows the screen's size.
void FitFrameToScreen();

}  // namespace win::detail
