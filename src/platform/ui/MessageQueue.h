#pragma once
// The one message queue of the program. Messages are taken in this order: posted messages, input
// (keys and mouse, turned into messages for their target window when taken), the quit request,
// paint requests (WM_PAINT is made only while nothing else waits) and timers. SendMessageA calls the
// window procedure at once and may be nested to any depth; nested loops (modal dialogs, tracking)
// take and dispatch messages for every window, so timers and paints go on inside them.

#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"

namespace win {

inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
inline constexpr UINT PM_NOYIELD = 0x0002;

// Window filter: null takes every message; a window takes its own and its descendants' messages.
// Range filter: 0, 0 takes every message. GetMessageA answers 0 for WM_QUIT, else nonzero.
BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last);
BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT removal);
BOOL WaitMessage();

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Posts WM_CHAR / WM_SYSCHAR after a key-down that produces a character; answers TRUE for every
// key message.
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);

// Message numbers from 0xC000 up, one per name (compared without regard to case).
UINT RegisterWindowMessageA(const char* name);

// Time and mouse position (x low word, y high word, screen) of the message taken last.
LONG GetMessageTime();
DWORD GetMessagePos();

}  // namespace win
