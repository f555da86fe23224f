#pragma once
// Internal to the window layer: calling a window's procedure. The window is held for the length of
// the call, so it may be destroyed from inside its own procedure.

#include "platform/ui/WindowTree.h"

namespace win::detail {

LRESULT Send(Window& window, UINT message, WPARAM wParam, LPARAM lParam);

template <typename T>
LRESULT Send(Window& window, UINT message, WPARAM wParam, T* record) {
    return Send(window, message, wParam, reinterpret_cast<LPARAM>(record));
}

}  // namespace win::detail
