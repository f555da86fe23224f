#pragma once
// Timers and the clock. The clock is the presenter's: real time under the SDL presenter, a virtual
// clock that tests move under the headless presenter. Timers fire while nothing else waits; expiries
// that pile up while the program is busy arrive as one WM_TIMER.

#include "platform/sys/WinTypes.h"

namespace win {

using TIMERPROC = void (*)(HWND window, UINT message, UINT_PTR id, DWORD time);

inline constexpr UINT USER_TIMER_MINIMUM = 10;

// With a window, the id names the timer (setting it again restarts it) and is answered; without a
// window a new id is made and answered. 0 means failure.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);

DWORD GetTickCount();  // milliseconds of the presenter's clock
void Sleep(DWORD milliseconds);

UINT GetDoubleClickTime();  // 500
UINT GetCaretBlinkTime();   // 530

}  // namespace win
