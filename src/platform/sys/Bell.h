#pragma once
// The warning bell. The presenter installs a handler that makes the bell heard or seen; until then
// it rings the terminal bell when standard error is a terminal. Every ring is counted, so tests can
// see that refused input was signalled.

#include "platform/sys/WinTypes.h"

namespace win {

using BellHandler = void (*)(UINT type);

BOOL MessageBeep(UINT type);

// Installs a handler (null restores the terminal bell) and answers the previous one.
BellHandler SetBellHandler(BellHandler handler);

// Number of bells rung since the program started.
unsigned long GetBellCount();

}  // namespace win
