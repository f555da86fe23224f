#include "items/ControlSelection.h"

#include "platform/ui/EditControl.h"
#include "platform/ui/MessageQueue.h"

void SetControlSelection(win::HWND window, std::int32_t start, std::int32_t end) {
    if (window) {
        win::SendMessageA(window, win::EM_SETSEL, static_cast<win::WPARAM>(start),
                          static_cast<win::LPARAM>(end));
    }
}

void GetControlSelection(win::HWND window, std::int32_t* start, std::int32_t* end) {
    win::DWORD from = 0, to = 0;
    if (window) {
        win::SendMessageA(window, win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&from),
                          reinterpret_cast<win::LPARAM>(&to));
    }
    if (start) *start = static_cast<std::int32_t>(from);
    if (end) *end = static_cast<std::int32_t>(to);
}
