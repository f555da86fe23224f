#pragma once
// The "LISTBOX" window class: a column of text items, one of which may be selected, scrolled with
// its own vertical bar. The user selects with the mouse, the arrow and paging keys, or by typing an
// item's first letter; with LBS_NOTIFY the parent hears of it through WM_COMMAND (LBN_SELCHANGE,
// and LBN_DBLCLK for a double click on an item). A selection made with LB_SETCURSEL is not
// notified. With LBS_OWNERDRAWFIXED the parent draws the items (WM_DRAWITEM) at the height it
// answers to WM_MEASUREITEM when the list is made; the list still keeps each item's text.

#include "platform/sys/WinTypes.h"

namespace win {

// List styles.
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD LBS_HASSTRINGS = 0x0040;

// List messages. Indexes count from 0; LB_ERR answers a bad index or a failed search.
inline constexpr UINT LB_ADDSTRING = 0x0180;  // lParam: the text; answers its index
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETCURSEL = 0x0186;  // wParam: the index, -1 for none; scrolls it into view
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;  // wParam: index; lParam: a buffer of LB_GETTEXTLEN + 1
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
// wParam: the index after which to start (-1 for the whole list), round to the start; lParam: the
// text. The first item beginning with it, letters of either case alike.
inline constexpr UINT LB_FINDSTRING = 0x018F;
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
inline constexpr UINT LB_GETITEMRECT = 0x0198;  // wParam: index; lParam: RECT* in client coordinates
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;  // wParam: index; lParam: the value
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;  // as LB_FINDSTRING, for the whole text
inline constexpr LRESULT LB_ERR = -1;

// Notifications in the high word of WM_COMMAND's wParam.
inline constexpr WORD LBN_SELCHANGE = 1;
inline constexpr WORD LBN_DBLCLK = 2;

}  // namespace win
