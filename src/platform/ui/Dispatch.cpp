#include "platform/ui/Dispatch.h"

namespace win::detail {

LRESULT Send(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto hold = Tree().Hold(window);
    if (hold == nullptr || !window.alive || window.proc == nullptr) return 0;
    return window.proc(window.handle, message, wParam, lParam);
}

}  // namespace win::detail
