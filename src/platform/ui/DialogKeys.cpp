// The keyboard interface of dialogs, and reaching a dialog's controls.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

#include "platform/sys/Bell.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputHold.h"
#include "platform/ui/MenuTable.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace win {

using namespace detail;

namespace {

std::vector<HWND> ControlsOf(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}

UINT DialogCodeOf(HWND control, MSG* message) {
    if (control == nullptr) return 0;
    return static_cast<UINT>(SendMessageA(control, WM_GETDLGCODE, message != nullptr ? message->wParam : 0,
                                          reinterpret_cast<LPARAM>(message)));
}

void Command(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Return: the focused push button, else the dialog's default button (IDOK when it names none).
void PressDefault(HWND dialog, HWND focus, UINT focusCode) {
    int id = IDOK;
    if (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        id = GetDlgCtrlID(focus);
    } else {
        const auto answer = static_cast<DWORD>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
        if (HIWORD(answer) == DC_HASDEFID) id = LOWORD(answer);
    }
    HWND button = GetDlgItem(dialog, id);
    if (button != nullptr && !IsWindowEnabled(button)) {
        MessageBeep(0);
        return;
    }
    Command(dialog, id);
}

// A character is the mnemonic of the control whose text has it after '&' (or, for a label, of the
// control after it): a push button is pressed, any other control takes the focus.
bool ChooseByMnemonic(HWND dialog, char character) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    for (HWND control : ControlsOf(dialog)) {
        if (!IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
        char text[256] = {};
        GetWindowTextA(control, text, sizeof text);
        if (MnemonicOf(text) != wanted) continue;
        UINT code = DialogCodeOf(control, nullptr);
        if (code & DLGC_STATIC) {
            // A label's mnemonic belongs to the control that follows it.
            control = GetNextDlgTabItem(dialog, control, FALSE);
            if (control == nullptr) continue;
            code = DialogCodeOf(control, nullptr);
        }
        FocusDialogControl(dialog, control);
        if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) Command(dialog, GetDlgCtrlID(control));
        return true;
    }
    return false;
}

// A key message its key's auto-repeat sent: the key was down already.
bool IsRepeat(const MSG& message) { return ((static_cast<std::uintptr_t>(message.lParam) >> 30) & 1) != 0; }

}  // namespace

BOOL IsDialogMessageA(HWND dialog, MSG* message) {
    if (message == nullptr || !IsWindow(dialog)) return FALSE;
    if (message->hwnd != dialog && !IsChild(dialog, message->hwnd)) return FALSE;
    const HWND focus = message->hwnd != dialog ? message->hwnd : nullptr;
    switch (message->message) {
        case WM_KEYDOWN: {
            const UINT code = DialogCodeOf(focus, message);
            if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) break;
            switch (message->wParam) {
                case VK_TAB:
                    if (code & DLGC_WANTTAB) break;
                    SendMessageA(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
                    return TRUE;
                // A key held down presses once: its repeats, whether it went down here or in a
                // window before the dialog came up, answer nothing.
                case VK_RETURN:
                    if (IsRepeat(*message)) return TRUE;
                    InputHold::NoteAnswer(*message);
                    PressDefault(dialog, focus, code);
                    return TRUE;
                case VK_ESCAPE:
                    if (IsRepeat(*message)) return TRUE;
                    InputHold::NoteAnswer(*message);
                    Command(dialog, IDCANCEL);
                    return TRUE;
                default: break;
            }
            break;
        }
        case WM_CHAR: {
            const UINT code = DialogCodeOf(focus, message);
            if (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) break;
            const auto character = static_cast<char>(message->wParam);
            // A control that wants Tab takes it as the character it comes again as.
            if (character == '\t' && (code & DLGC_WANTTAB)) break;
            // Tab, Return and Escape did their work as keys.
            if (character == '\t' || character == '\r' || character == 0x1B) return TRUE;
            if (ChooseByMnemonic(dialog, character)) return TRUE;
            break;
        }
        case WM_SYSCHAR:
            if (ChooseByMnemonic(dialog, static_cast<char>(message->wParam))) return TRUE;
            break;
        default: break;
    }
    TranslateMessage(message);
    DispatchMessageA(message);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> controls = ControlsOf(dialog);
    if (previous) std::reverse(controls.begin(), controls.end());
    auto from = std::find(controls.begin(), controls.end(), control);
    const std::size_t start =
        from == controls.end() ? 0 : static_cast<std::size_t>(from - controls.begin()) + 1;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const HWND candidate = controls[(start + i) % controls.size()];
        const auto style = static_cast<DWORD>(GetWindowLongA(candidate, GWL_STYLE));
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return candidate;
    }
    return control;
}

HWND GetDlgItem(HWND dialog, int id) {
    for (HWND control : ControlsOf(dialog)) {
        if (GetDlgCtrlID(control) == id) return control;
    }
    return nullptr;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SetWindowTextA(control, text) : FALSE;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        if (buffer != nullptr && size > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(control, buffer, size));
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SendMessageA(control, message, wParam, lParam) : 0;
}

}  // namespace win
