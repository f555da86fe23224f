#include "platform/ui/SystemClasses.h"

#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

WNDCLASSA Class(const char* name, WNDPROC proc, UINT style, int extraBytes, int background) {
    WNDCLASSA windowClass;
    windowClass.lpszClassName = name;
    windowClass.lpfnWndProc = proc;
    windowClass.style = style;
    windowClass.cbWndExtra = extraBytes;
    windowClass.hbrBackground =
        background >= 0 ? reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(background + 1)) : nullptr;
    return windowClass;
}

}  // namespace

std::vector<WNDCLASSA> SystemClasses() {
    return {
        Class(kPopupMenuClass, PopupMenuProc, CS_SAVEBITS | CS_DBLCLKS, sizeof(void*), COLOR_MENU),
    };
}

}  // namespace win::detail
