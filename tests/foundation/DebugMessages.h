#pragma once
// Test support: while it lives, messages sent through DebugPrintf are kept instead of printed.

#include <string>

#include "foundation/Debug.h"

class DebugMessages {
public:
    DebugMessages() { previous_ = SetDebugPrintHook(Record); }
    ~DebugMessages() { SetDebugPrintHook(previous_); }
    DebugMessages(const DebugMessages&) = delete;
    DebugMessages& operator=(const DebugMessages&) = delete;

    // The last message, or "" when none came since the last Clear.
    const std::string& Last() const { return Latest(); }
    void Clear() { Latest().clear(); }

private:
    static std::string& Latest() {
        static std::string latest;
        return latest;
    }
    static int Record(const char* text) {
        Latest() = text;
        return 0;
    }

    DebugPrintHook previous_;
};
