#pragma once
// Menus: menu bars shown under a top-level window's caption, popup menus, their items, the system
// menu of a window, and popup menus opened at a point.
//
// A menu is a list of items; an item is a command (a string, or drawn by its owner), a separator, or
// a popup that opens a submenu. Items are addressed by command id (searching submenus too) or by
// position. Before any popup opens, its owner window gets WM_INITMENUPOPUP (and, when menu mode
// starts, WM_INITMENU), so the states it sets there are the ones shown. Choosing an item posts
// WM_COMMAND with its id to the owner, or WM_SYSCOMMAND for a window's system menu. Each item that
// becomes chosen is told with WM_MENUSELECT; when menu mode ends, WM_MENUSELECT comes with 0xFFFF in
// both words of wParam and no menu. An open popup is a window of its own, the topmost of the screen;
// its owner-drawn items are drawn into it (WM_DRAWITEM) in its client coordinates.
//
// With the mouse, a release on an item picks it, and a press outside every menu closes them with no
// choice. A menu opened by a press may lie under the pointer; the release of that press, when it comes
// within the double-click time on the item it was pressed over (or within the drag distance of the
// press), leaves the menu open, so a click opens a menu and a second click picks. A press dragged to
// an item and released there, or held longer, picks it.
//
// The keyboard reaches a window's menu bar with Alt or F10 (Alt and a mnemonic letter, the character
// after '&' in an item's text, opens that popup at once; Alt+Space opens the system menu); arrows,
// Return, Escape and mnemonics move within the menus.

#include "platform/sys/WinTypes.h"

namespace win {

// Item flags. One of MF_BYCOMMAND / MF_BYPOSITION says how an item is addressed; the kind is a string
// (the default), MF_SEPARATOR, MF_OWNERDRAW or MF_POPUP (the id is then the submenu's handle).
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_OWNERDRAW = 0x0100;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_UNHILITE = 0x0000;
inline constexpr UINT MF_HILITE = 0x0080;
// In WM_MENUSELECT's flags only.
inline constexpr UINT MF_SYSMENU = 0x2000;
inline constexpr UINT MF_MOUSESELECT = 0x8000;

// TrackPopupMenu flags: where the menu lies against the point, which buttons pick, and whether the
// pick comes back as the result instead of a WM_COMMAND.
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

HMENU CreateMenu();       // a menu bar
HMENU CreatePopupMenu();  // a popup menu
// Destroys the menu and its submenus. A menu shown as a window's menu bar, or a window's system menu,
// goes when the window is destroyed.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// The content is the item's text for a string, the item data for an owner-drawn item, unused for a
// separator. A position of -1 (as UINT) with MF_BYPOSITION appends.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content);
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content);
// Replaces an item; a submenu it opened and no longer opens is destroyed.
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);  // keeps the item's submenu
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);  // destroys it

// The previous state (MF_CHECKED or MF_UNCHECKED; MF_ENABLED, MF_GRAYED, MF_DISABLED), or -1 when
// there is no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
// The item's flags (its kind and state; for a popup, the submenu's item count in the high byte), or
// -1 when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);              // -1 for a handle that is no menu
UINT GetMenuItemID(HMENU menu, int position);  // -1 for a popup item or no item
// Copies the item's text (at most max - 1 characters and a 0); answers the characters copied, or the
// text's length when there is no buffer.
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags);
HMENU GetSubMenu(HMENU menu, int position);
// Shows an item of a window's menu bar as chosen (MF_HILITE) or not (MF_UNHILITE).
BOOL HiliteMenuItem(HWND window, HMENU menu, UINT item, UINT flags);

// The menu bar of a top-level window. SetMenu changes the window's non-client area; DrawMenuBar
// draws the bar again after its items changed.
HMENU GetMenu(HWND window);
BOOL SetMenu(HWND window, HMENU menu);
BOOL DrawMenuBar(HWND window);

// The window's own copy of the system menu (Restore, Move, Size, Minimize, Maximize, Close; an MDI
// child also has Next), made on first use. Revert throws the copy away and answers null.
HMENU GetSystemMenu(HWND window, BOOL revert);

// Opens a popup menu at a point (screen coordinates) and runs its own modal loop until it closes,
// dispatching other messages meanwhile. The owner gets the menu's messages. Answers the chosen id
// with TPM_RETURNCMD (0 when nothing was chosen), otherwise whether the menu was shown; a choice
// then arrives as WM_COMMAND posted to the owner.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* unused);

}  // namespace win
