#include "platform/ui/SystemClasses.h"

#include "platform/gdi/Cursor.h"
#include "platform/ui/ColorSwatches.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/MdiClient.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

WNDCLASSA Class(const char* name, WNDPROC proc, UINT style, int extraBytes, int background) {
    WNDCLASSA windowClass;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
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
        Class(kMdiClientClass, MdiClientProc, 0, 0, COLOR_APPWORKSPACE),
        Class(kDialogClass, DefDlgProcA, CS_SAVEBITS | CS_DBLCLKS, DLGWINDOWEXTRA, -1),
        Class(kColorSwatchesClass, ColorSwatchesProc, 0, 0, COLOR_BTNFACE),
    };
}

}  // namespace win::detail
