#pragma once
// Internal to the window layer: calling a window's procedure, and the points messages carry. The
// window is held for the length of a call, so it may be destroyed from inside its own procedure.

#include "platform/ui/WindowTree.h"

namespace win::detail {

LRESULT Send(Window& window, UINT message, WPARAM wParam, LPARAM lParam);

template <typename T>
LRESULT Send(Window& window, UINT message, WPARAM wParam, T* record) {
    return Send(window, message, wParam, reinterpret_cast<LPARAM>(record));
}

// A point (or size) as a message's lParam: x in the low word, y in the high word, each 16 bits with
// sign.
inline LPARAM PointParam(LONG x, LONG y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}
inline POINT PointFromParam(LPARAM lParam) {
    const auto bits = static_cast<std::uintptr_t>(lParam);
    return POINT{static_cast<SHORT>(LOWORD(bits)), static_cast<SHORT>(HIWORD(bits))};
}

}  // namespace win::detail
