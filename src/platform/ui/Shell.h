#pragma once
// Desktop services: where the taskbar is, and the help engine.

#include <string>

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

// The help engine is the program's user guide, an HTML file beside the help file that the desktop
// shows. HELP_FINDER shows the guide of the help file (HelpGuidePath) with the presenter's desktop
// opener: TRUE when it was handed over; FALSE when there is no guide (GetLastError ENOENT) or the
// opener could not be started (its error). HELP_QUIT has nothing to end and answers TRUE; other
// commands answer FALSE.
BOOL WinHelpA(HWND window, LPCSTR helpFile, UINT command, ULONG_PTR data);
// The guide of a help file: its path with the ending ".html" for the help file's own (or added, when
// it has none), the name matched without regard to case; empty when no such file exists.
std::string HelpGuidePath(const char* helpFile);

}  // namespace win
