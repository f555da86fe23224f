#pragma once
// The print dialogs: PrintDlgA asks which printer, which pages and how many copies; with
// PD_PRINTSETUP it asks which printer, paper and orientation instead. Both are modal dialogs of
// the layer's own over the printers of Printers.h ("PDF File" and the print queues). The printer,
// paper and orientation chosen are kept for the rest of the session (the device mode and device
// names handles stay null); the first printer offered is the system profile's default.
//
// A prompt responder (Prompts.h) answers in place of the user when it can: the request's kind is
// "PrintDlg" or "PrintSetupDlg", and its answer is IDOK or IDCANCEL with the choices as lines of
// "name=value": printer=NAME, pages=all or pages=FROM-TO, copies=N, paper=Letter|Legal|A4,
// orientation=portrait|landscape; choices left out stay as they were.

#include "platform/sys/WinTypes.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Messages.h"

namespace win {

inline constexpr DWORD PD_ALLPAGES = 0x00000000;
inline constexpr DWORD PD_SELECTION = 0x00000001;
inline constexpr DWORD PD_PAGENUMS = 0x00000002;
inline constexpr DWORD PD_NOSELECTION = 0x00000004;
inline constexpr DWORD PD_NOPAGENUMS = 0x00000008;
inline constexpr DWORD PD_PRINTSETUP = 0x00000040;
inline constexpr DWORD PD_RETURNDC = 0x00000100;
inline constexpr DWORD PD_ENABLEPRINTHOOK = 0x00001000;
inline constexpr DWORD PD_ENABLESETUPHOOK = 0x00002000;

// Called with the dialog's messages before the dialog handles them, WM_INITDIALOG (lParam: the
// PRINTDLGA) once the dialog is laid out; nonzero for another message means it was handled.
using LPPRINTHOOKPROC = UINT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
using LPSETUPHOOKPROC = LPPRINTHOOKPROC;

struct PRINTDLGA {
    DWORD lStructSize = sizeof(PRINTDLGA);
    HWND hwndOwner = nullptr;
    HGLOBAL hDevMode = nullptr;
    HGLOBAL hDevNames = nullptr;
    HDC hDC = nullptr;  // out, with PD_RETURNDC: the chosen printer's context, the caller's to delete
    DWORD Flags = 0;
    WORD nFromPage = 0;
    WORD nToPage = 0;
    WORD nMinPage = 0;
    WORD nMaxPage = 0;
    WORD nCopies = 0;
    HINSTANCE hInstance = nullptr;
    LPARAM lCustData = 0;
    LPPRINTHOOKPROC lpfnPrintHook = nullptr;  // with PD_ENABLEPRINTHOOK
    LPSETUPHOOKPROC lpfnSetupHook = nullptr;  // with PD_ENABLESETUPHOOK
    LPCSTR lpPrintTemplateName = nullptr;
    LPCSTR lpSetupTemplateName = nullptr;
    HGLOBAL hPrintTemplate = nullptr;
    HGLOBAL hSetupTemplate = nullptr;
};

// TRUE on OK, with the choices in the record (PD_PAGENUMS set for a page range, cleared for all
// pages); FALSE when cancelled or failed, CommDlgExtendedError (CommonDialogs.h) telling which.
BOOL PrintDlgA(PRINTDLGA* print);

}  // namespace win
