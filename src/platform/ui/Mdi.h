#pragma once
// The multiple-document interface: a frame window holds an "MDICLIENT" window, which holds the
// document windows (MDI children). The client keeps one child active, lists the children in the
// frame's window menu, arranges them, and shows scroll bars when children lie outside it. A maximised
// child fills the client; its caption joins the frame's ("Frame - [Child]") and its system menu and
// buttons join the frame's menu bar. Activating another child while one is maximised maximises the
// new one, so a new child opens maximised when the active one is.
//
// The frame's procedure passes what it does not handle to DefFrameProcA, and each child's to
// DefMDIChildProcA; the message loop offers keys to TranslateMDISysAccel first.

#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"

namespace win {

// Messages to the client. WM_MDIACTIVATE is also what a child receives when it loses (wParam) or
// gains (lParam) activation; the one gaining it first hears WM_CHILDACTIVATE, which its default
// handling answers by taking activation. WM_MDIDESTROY passes activation on to the next child; a
// child destroyed with DestroyWindow leaves no child active.
inline constexpr UINT WM_MDICREATE = 0x0220;       // lParam: MDICREATESTRUCTA*; answers the child
inline constexpr UINT WM_MDIDESTROY = 0x0221;      // wParam: the child
inline constexpr UINT WM_MDIACTIVATE = 0x0222;     // wParam: the child (anything else: nothing happens)
inline constexpr UINT WM_MDIRESTORE = 0x0223;      // wParam: the child
inline constexpr UINT WM_MDINEXT = 0x0224;         // wParam: the child (null: the active), lParam: backward
inline constexpr UINT WM_MDIMAXIMIZE = 0x0225;     // wParam: the child
inline constexpr UINT WM_MDITILE = 0x0226;         // wParam: MDITILE_...
inline constexpr UINT WM_MDICASCADE = 0x0227;      // wParam: MDITILE_SKIPDISABLED or 0
inline constexpr UINT WM_MDIICONARRANGE = 0x0228;  //
inline constexpr UINT WM_MDIGETACTIVE = 0x0229;    // lParam: BOOL* told whether it is maximised
inline constexpr UINT WM_MDISETMENU = 0x0230;      // wParam: frame menu, lParam: window menu (null: kept)

inline constexpr DWORD MDIS_ALLCHILDSTYLES = 0x0001;  // client style: children keep the styles asked
inline constexpr UINT MDITILE_VERTICAL = 0x0000;      // side by side
inline constexpr UINT MDITILE_HORIZONTAL = 0x0001;    // one above another
inline constexpr UINT MDITILE_SKIPDISABLED = 0x0002;

// The creation parameter of the client: the menu that lists the children, and the id of the first
// child (the children take the ids from it on, in the order they were made).
struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu = nullptr;
    UINT idFirstChild = 0;
};

// WM_MDICREATE's record. The child's WM_CREATE gets it as its CREATESTRUCTA's lpCreateParams.
struct MDICREATESTRUCTA {
    LPCSTR szClass = nullptr;
    LPCSTR szTitle = nullptr;
    HINSTANCE hOwner = nullptr;
    int x = 0;  // CW_USEDEFAULT places the child as the client's default cascade does
    int y = 0;
    int cx = 0;  // CW_USEDEFAULT: a default size
    int cy = 0;
    DWORD style = 0;
    LPARAM lParam = 0;
};

// The frame's default handling: sizes the client with the frame, sends the window menu's choices and
// the maximised child's system commands where they belong, keeps the frame's caption merged.
LRESULT DefFrameProcA(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
// A child's default handling: activation, maximising and restoring within the client, the window
// menu entry, closing through the client.
LRESULT DefMDIChildProcA(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
// Ctrl+F4 closes the active child, Ctrl+F6 and Ctrl+Tab go to the next one (with Shift, the one
// before); answers whether the key was taken.
BOOL TranslateMDISysAccel(HWND client, MSG* message);

}  // namespace win
