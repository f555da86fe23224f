#pragma once
// The "EDIT" window class: a text field, single-line (scrolling sideways to follow the caret with
// ES_AUTOHSCROLL) or multi-line (wrapped to its width by the program's one line breaker,
// BreakTextLines, unless ES_AUTOHSCROLL; its line breaks held in the text as CR LF). It is edited with the
// keyboard and the mouse, keeps one level of undo, exchanges text with the clipboard, and tells its parent of
// changes through WM_COMMAND with the EN_ codes. Text set with WM_SETTEXT is not held to the limit.

#include "platform/sys/WinTypes.h"

namespace win {

// Edit styles.
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;

// Edit messages.
inline constexpr UINT EM_GETSEL = 0x00B0;     // wParam, lParam: DWORD* start and end (either may be null)
inline constexpr UINT EM_SETSEL = 0x00B1;     // (anchor, caret); 0, -1 selects all; -1, any removes it
inline constexpr UINT EM_GETRECT = 0x00B2;    // lParam: RECT* for the formatting rectangle
inline constexpr UINT EM_SETRECT = 0x00B3;    // lParam: RECT*, null for the client area
inline constexpr UINT EM_SETRECTNP = 0x00B4;  // the same, without drawing again
// wParam: SB_LINEUP, SB_LINEDOWN, SB_PAGEUP or SB_PAGEDOWN. A multi-line field answers
// MAKELONG(lines scrolled, TRUE); a single line, or another request, FALSE.
inline constexpr UINT EM_SCROLL = 0x00B5;
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_LINEINDEX = 0x00BB;   // wParam: line, -1 for the caret's; -1 past the last
inline constexpr UINT EM_LINELENGTH = 0x00C1;  // wParam: a character index, -1 for the selection's lines
inline constexpr UINT EM_REPLACESEL = 0x00C2;  // wParam: can be undone; lParam: the text
inline constexpr UINT EM_GETLINE = 0x00C4;     // wParam: line; lParam: buffer whose first WORD is its size
inline constexpr UINT EM_LIMITTEXT = 0x00C5;   // wParam: the most characters, 0 for no limit
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_LINEFROMCHAR = 0x00C9;  // wParam: a character index, -1 for the selection's start
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;  // the most characters the user may enter

// Notifications in the high word of WM_COMMAND's wParam.
inline constexpr WORD EN_SETFOCUS = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE = 0x0300;  // the text changed and is shown
inline constexpr WORD EN_UPDATE = 0x0400;  // the text changed and is about to be shown
inline constexpr WORD EN_ERRSPACE = 0x0500;
inline constexpr WORD EN_MAXTEXT = 0x0501;  // an insertion was cut to the limit or to the room shown
inline constexpr WORD EN_HSCROLL = 0x0601;
inline constexpr WORD EN_VSCROLL = 0x0602;

}  // namespace win
