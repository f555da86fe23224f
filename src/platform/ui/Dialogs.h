#pragma once
// The dialog manager: dialog windows made from an in-memory template, modal and modeless, with a
// dialog procedure called by DefDlgProcA; the keyboard interface of dialogs (Tab and Shift+Tab
// through the controls with WS_TABSTOP, Return for the default button, Escape for IDCANCEL,
// mnemonics), which controls can take keys from with their WM_GETDLGCODE answers.
//
// A modal dialog disables its owner and runs its own loop until EndDialog; every other window's
// messages (timers, paints) go on meanwhile. When it ends, the owner is enabled and active again.

#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"

namespace win {

// Dialog styles (template style bits) and the room a dialog class needs in its window extra bytes.
inline constexpr DWORD DS_SYSMODAL = 0x0002;
inline constexpr DWORD DS_SETFONT = 0x0040;
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr int DLGWINDOWEXTRA = 30;
// The dialog procedure's answer for a message it handled, at this window long.
inline constexpr int DWL_MSGRESULT = 0;

// Control ids of the standard buttons, and the answers of dialogs and message boxes.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// wParam: with lParam's low word set, the control to focus; else 0 for the next control, 1 for the
// one before.
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;
// The default push button's id: answered as MAKELONG(id, DC_HASDEFID); set with wParam.
inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr UINT DM_SETDEFID = WM_USER + 1;
inline constexpr WORD DC_HASDEFID = 0x534B;

// The template's header. It is followed, at 16-bit alignment, by the menu, the class and the caption
// as UTF-16 strings (the menu and the class may instead be 0xFFFF and an ordinal, or an empty
// string), then, with DS_SETFONT, the point size and the face name. Sizes are in dialog units:
// horizontal ones are quarters and vertical ones eighths of the dialog base units.
#pragma pack(push, 2)
struct DLGTEMPLATE {
    DWORD style = 0;
    DWORD dwExtendedStyle = 0;
    WORD cdit = 0;  // the number of items: templates here carry none
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};
#pragma pack(pop)

// Answers nonzero when it handled the message (the answer is then DWL_MSGRESULT). For WM_INITDIALOG,
// nonzero asks that the focus go to the first control with WS_TABSTOP.
using DLGPROC = LONG_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A modeless dialog: made, given WM_INITDIALOG (lParam: the parameter) and shown when the template
// says WS_VISIBLE. Null when the template cannot be read or its class is unknown.
HWND CreateDialogIndirectParamA(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner,
                                DLGPROC proc, LPARAM parameter);
// A modal dialog; answers the value given to EndDialog, or -1 when the dialog could not be made.
LONG_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner,
                                 DLGPROC proc, LPARAM parameter);
// Ends a modal dialog once the message being handled is done.
BOOL EndDialog(HWND dialog, LONG_PTR result);
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Takes a message meant for the dialog or its controls: keys of the dialog's keyboard interface are
// handled, anything else is translated and dispatched. Answers FALSE for another window's message.
BOOL IsDialogMessageA(HWND dialog, MSG* message);
// The control after (or before) the given one, in the dialog's order, that is visible, enabled and
// has WS_TABSTOP; round to the first after the last. With no control given, the first (or last).
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);

HWND GetDlgItem(HWND dialog, int id);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
// The dialog base units (horizontal in the low word, vertical in the high word), from the font the
// layer's dialogs and controls use.
LONG GetDialogBaseUnits();

}  // namespace win
