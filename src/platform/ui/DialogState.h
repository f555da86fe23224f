#pragma once
// Internal to the window layer: what the dialog manager keeps of each dialog, and the reading of
// dialog templates.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Dialogs.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

// The class of dialogs whose template names none.
inline constexpr const char* kDialogClass = "#32770";

struct DialogState {
    DLGPROC proc = nullptr;
    bool ended = false;
    LONG_PTR result = 0;
    HWND savedFocus = nullptr;  // the control that had the focus when the dialog lost activation
    UINT defaultId = IDOK;
    HWND displacedDefault = nullptr;  // the button that showed as the default before a focused one
};

DialogState* DialogStateOf(HWND dialog);
std::shared_ptr<DialogState> HoldDialogState(HWND dialog);

// A template's contents, sizes turned into pixels.
struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect;  // the client area, in dialog units turned into pixels
    std::string className;
    std::string caption;
};
// Null for a template with items or a menu, which the layer's dialogs do not carry.
std::optional<DialogTemplate> ReadDialogTemplate(const DLGTEMPLATE& dialogTemplate);
// The template of a dialog made in code: the style, the standard class, the caption, no items.
// Its words are to be read as a DLGTEMPLATE.
std::vector<WORD> ItemlessDialogTemplate(DWORD style, const std::string& caption);

// Makes the dialog window and sends it WM_INITDIALOG; shows it when the template asks. Null when it
// cannot be made.
HWND MakeDialog(const DLGTEMPLATE* dialogTemplate, HWND owner, DLGPROC proc, LPARAM parameter, bool show);

// Gives the focus to a control of the dialog; a push button getting the focus shows as the default
// one, and the dialog's default button again once the focus leaves the push buttons.
void FocusDialogControl(HWND dialog, HWND control);

}  // namespace win::detail
