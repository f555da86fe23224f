#pragma once
// Activation, keyboard focus, mouse capture, key state, the mouse position and when input last came.

#include "platform/sys/WinTypes.h"

namespace win {

// The active window is a top-level window; activating one sends WM_NCACTIVATE and WM_ACTIVATE to
// the window losing and the window gaining activation. SetFocus sends WM_KILLFOCUS to the window
// losing the focus and WM_SETFOCUS to the window gaining it, activating its top-level window first.
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
HWND SetFocus(HWND window);
HWND GetFocus();

HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// GetKeyState answers as of the last input message taken from the queue: bit 0x8000 down, bit 1
// toggled. GetAsyncKeyState answers as of now.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
BOOL GetKeyboardState(BYTE* states);  // 256 bytes as of the last input message: 0x80 down, 1 toggled

BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);

struct LASTINPUTINFO {
    UINT cbSize = sizeof(LASTINPUTINFO);
    DWORD dwTime = 0;
};
// When the last key or mouse input came (the clock of GetTickCount).
BOOL GetLastInputInfo(LASTINPUTINFO* info);

}  // namespace win
