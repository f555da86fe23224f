#include "platform/ui/Shell.h"

#include "platform/ui/Screen.h"

namespace win {

UINT_PTR SHAppBarMessage(DWORD message, APPBARDATA* data) {
    if (message != ABM_GETTASKBARPOS || !data) return FALSE;
    const std::optional<RECT> taskbar = detail::CurrentPresenter().Taskbar();
    if (!taskbar) return FALSE;
    data->rc = *taskbar;
    return TRUE;
}

BOOL WinHelpA(HWND, LPCSTR, UINT, ULONG_PTR) { return FALSE; }

}  // namespace win
