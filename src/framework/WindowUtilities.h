#pragma once
// Window helpers shared by the application object, the windows and the standard boxes: the window
// object behind a window handle, hiding and showing the floating palettes together, the modal
// state, and the cascade of default window positions.

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

class TWindow;

// The framework window object in window long 0 of the window; null for null, the frame window, the
// MDI client, a window of another application and a dialog window.
TWindow* ObjectFromHWnd(win::HWND window);
// The topmost child of the MDI client that is a framework window ("QRV_TWindow_CLASS"), or null.
win::HWND FirstTWindowChild();
// True for null, the frame window and the MDI client.
bool IsFrameOrClient(win::HWND window);
// A popup with a dialog frame, or a window with a dialog style bit.
bool IsDialogWindow(win::HWND window);
// A descendant of the frame window, or a window of this process.
bool BelongsToApplication(win::HWND window);

// Hides every visible palette, remembering which were visible; shows them again without activation.
void HideAllPalettes();
void ShowHiddenPalettes();

// A modal phase: the first Begin deactivates the palettes and stops files being dropped on the
// frame; the End that closes the outermost phase undoes both.
void BeginModalState();
void EndModalState();
bool IsModalState();

// The offset of the next default window position: a staircase of 12 places in columns of four.
// reset starts it again; keep answers the same place next time.
ShortPoint NextCascadePoint(bool reset, bool keep);
