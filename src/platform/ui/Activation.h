#pragma once
// Internal to the window layer: the active window, the keyboard focus and the mouse capture, and
// what happens to them when windows are hidden or destroyed.

#include "platform/ui/WindowTree.h"

namespace win::detail {

struct FocusState {
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND lastActive = nullptr;  // the active window when the application lost activation
    bool applicationActive = true;
};

FocusState& Focus();

Window* ActiveWindow();
Window* FocusWindow();
Window* CaptureWindow();

// Activates a top-level window (the top-level window of the given one), or deactivates the active
// window when given null. Answers false when the window cannot be activated (disabled or gone).
bool ActivateWindow(Window* window, UINT how);
// Moves the focus, activating the focus window's top-level window first. Answers the old focus.
HWND SetFocusTo(Window* window);
HWND SetCaptureTo(Window* window);
// Before a window is hidden or destroyed: capture, focus and activation leave it and its descendants.
void LeaveWindow(Window& window, bool destroying);
// Activates the window that should be active when the given one goes away (its owner, else the
// topmost visible and enabled top-level window).
void ActivateNextAfter(Window& window);

}  // namespace win::detail
