#pragma once
// Test support: the dialog object of an open dialog window, which the application's environment
// keeps beside the window (its lists 3 and 4, side by side).

#include <cstdint>

#include "framework/AppEnvironment.h"
#include "framework/TWindow.h"
#include "platform/sys/WinTypes.h"

namespace testsupport {

// Null when the window is no open dialog.
inline TWindow* DialogObject(win::HWND dialog) {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment) return nullptr;
    PointerList& windows = environment->GetList(3);
    for (std::int32_t i = 0; i < windows.Count(); ++i) {
        if (windows.GetAt(i) == reinterpret_cast<std::uintptr_t>(dialog))
            return reinterpret_cast<TWindow*>(environment->GetList(4).GetAt(i));
    }
    return nullptr;
}

// The dialog object of the window, or null when the window is no open dialog of that class.
template <typename Dialog>
Dialog* DialogOf(win::HWND window) {
    return dynamic_cast<Dialog*>(DialogObject(window));
}

}  // namespace testsupport
