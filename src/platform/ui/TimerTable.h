#pragma once
// Internal to the window layer: the running timers.

#include <optional>

#include "platform/ui/Messages.h"

namespace win::detail {

void KillTimersOf(HWND window);
// The earliest time at which a timer that passes the filter is due.
std::optional<DWORD> NextTimerDue(HWND filter);
// A WM_TIMER for a due timer that passes the filter. Taking it starts the timer's next period, so
// expiries missed while the program was busy are not made up.
bool TakeDueTimer(MSG* message, HWND filter, bool remove);
std::size_t TimerCount();

}  // namespace win::detail
