#pragma once
// The debug-message channel through which file and store errors reach the user, and the warning
// beep for refused input.

#include <cstddef>

// Receives each formatted message; its answer is passed back to the DebugPrintf caller.
using DebugPrintHook = int (*)(const char* text);

// Messages longer than this, NUL included, are cut to fit.
inline constexpr std::size_t kDebugMessageSize = 2048;

// Formats the message and hands it to the current hook. Until the application installs its own,
// the hook writes to the standard error stream.
int DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Installs a hook (null restores the standard-error one) and answers the previous hook.
DebugPrintHook SetDebugPrintHook(DebugPrintHook hook);

// The system's standard warning beep.
void Beep();
