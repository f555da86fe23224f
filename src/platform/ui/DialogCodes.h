#pragma once
// WM_GETDLGCODE answers: the keys a control handles itself rather than leaving them to the dialog
// manager's keyboard interface, and what kind of control it is.

#include "platform/sys/WinTypes.h"

namespace win {

inline constexpr UINT DLGC_WANTARROWS = 0x0001;   // the arrow keys
inline constexpr UINT DLGC_WANTTAB = 0x0002;      // Tab
inline constexpr UINT DLGC_WANTALLKEYS = 0x0004;  // every key
inline constexpr UINT DLGC_WANTMESSAGE = 0x0004;  // the key message passed in lParam
inline constexpr UINT DLGC_HASSETSEL = 0x0008;    // an edit control: its text is selected on Tab
inline constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr UINT DLGC_RADIOBUTTON = 0x0040;
inline constexpr UINT DLGC_WANTCHARS = 0x0080;  // WM_CHAR
inline constexpr UINT DLGC_STATIC = 0x0100;     // never takes the focus
inline constexpr UINT DLGC_BUTTON = 0x2000;

}  // namespace win
