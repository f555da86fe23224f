#include "foundation/Debug.h"

#include <cstdarg>
#include <cstdio>

#include "platform/sys/Bell.h"

namespace {

int WriteToStandardError(const char* text) {
    int result = std::fputs(text, stderr);
    std::fflush(stderr);
    return result;
}

DebugPrintHook& CurrentHook() {
    static DebugPrintHook hook = WriteToStandardError;
    return hook;
}

}  // namespace

int DebugPrintf(const char* format, ...) {
    // One buffer for the process, as messages may be raised while memory is short.
    static char buffer[kDebugMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return CurrentHook()(buffer);
}

DebugPrintHook SetDebugPrintHook(DebugPrintHook hook) {
    DebugPrintHook previous = CurrentHook();
    CurrentHook() = hook ? hook : WriteToStandardError;
    return previous;
}

void Beep() { win::MessageBeep(0); }
