#pragma once
// Desktop services: where the taskbar is, and the help engine.

#include "platform/sys/WinTypes.h"

namespace win {

struct APPBARDATA {
    DWORD cbSize = sizeof(APPBARDATA);
    HWND hWnd = nullptr;
    UINT uCallbackMessage = 0;
    UINT uEdge = 0;
    RECT rc;
    LPARAM lParam = 0;
};

inline constexpr DWORD ABM_GETTASKBARPOS = 0x00000005;

// ABM_GETTASKBARPOS: TRUE and the bar's rectangle in rc (screen coordinates) when the presenter
// shows a desktop bar on the screen; FALSE, with the data untouched, when it shows none. Other
// messages answer FALSE.
UINT_PTR SHAppBarMessage(DWORD message, APPBARDATA* data);

inline constexpr UINT HELP_CONTEXT = 0x0001;
inline constexpr UINT HELP_QUIT = 0x0002;
inline constexpr UINT HELP_FINDER = 0x000B;

// The help engine: there is none yet, so every request answers FALSE and shows nothing.
BOOL WinHelpA(HWND window, LPCSTR helpFile, UINT command, ULONG_PTR data);

}  // namespace win
