#pragma once
// The caret: one blinking bar in the client area of the window that owns it, the mark of where
// typing goes. A new caret is hidden; ShowCaret and HideCaret count, so a caret hidden twice shows
// again after two ShowCaret calls. It blinks at GetCaretBlinkTime on the window's timers (the
// virtual clock under the headless presenter), and a move shows it at once. Destroying its window
// destroys it.

#include "platform/sys/WinTypes.h"

namespace win {

// Replaces any caret there is. A width or height of 0 takes the system border's. The bitmap is not
// used: every caret is a solid block that inverts what is under it.
BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL SetCaretPos(int x, int y);  // client coordinates of the owner
BOOL GetCaretPos(POINT* point);
// A null window means the caret, whoever owns it; another window than its owner fails.
BOOL ShowCaret(HWND window);
BOOL HideCaret(HWND window);

}  // namespace win
