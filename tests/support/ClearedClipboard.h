#pragma once
// Test support: the clipboard is the program's for the whole run. A test that may put something on
// it holds one of these, which empties it when the test ends, so the next test finds it empty, as
// the program does when it starts.

#include "platform/ui/Clipboard.h"

class ClearedClipboard {
public:
    ClearedClipboard() = default;
    ~ClearedClipboard() {
        if (!win::OpenClipboard(nullptr)) return;
        win::EmptyClipboard();
        win::CloseClipboard();
    }
    ClearedClipboard(const ClearedClipboard&) = delete;
    ClearedClipboard& operator=(const ClearedClipboard&) = delete;
};
