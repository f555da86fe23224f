#pragma once
// Internal to the window layer: what the choosers and the print dialogs are built with. Each is a
// modal dialog made in code: its template holds no items, and its dialog procedure makes its
// controls at WM_INITDIALOG, sizes itself and places itself over its owner.

#include <string>

#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialogs.h"

namespace win::detail {

// What CommDlgExtendedError answers next.
void SetCommDlgExtendedError(DWORD error);
// Sets it and answers FALSE, for a chooser that fails.
BOOL ChooserFailed(DWORD error);

// Runs a modal dialog with a caption, a system menu and no controls of its own; answers what
// EndDialog gave it, or -1 when it could not be made.
LONG_PTR RunChooserDialog(HWND owner, const std::string& caption, DLGPROC proc, LPARAM parameter);

// A control of the dialog at r (client coordinates), in the dialog font.
HWND AddControl(HWND dialog, const char* className, const char* text, DWORD style, const RECT& r, int id,
                DWORD exStyle = 0);

// Gives a popup the client size asked for, centred over `over` (the screen when null or hidden)
// and kept on the screen.
void PlaceDialog(HWND dialog, SIZE client, HWND over);

// The text of a window, or of a dialog's control.
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);

// A message box owned by the dialog, with the dialog's caption and an exclamation mark.
void ChooserAlert(HWND dialog, const std::string& text);

}  // namespace win::detail
