// What a dialog does with a message its dialog procedure leaves alone.

#include "platform/gdi/Drawing.h"
#include "platform/ui/Activation.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/SystemMetrics.h"

namespace win {

using namespace detail;

namespace {

// Messages whose answer is the dialog procedure's own, not DWL_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_CTLCOLOR;
}

bool IsControlOf(HWND dialog, HWND control) {
    return control != nullptr && control != dialog && IsChild(dialog, control);
}

// The focus goes back where it was, else to the first control that takes it, else to the dialog.
void RestoreFocus(HWND dialog, DialogState& state) {
    HWND target = IsControlOf(dialog, state.savedFocus) && IsWindowEnabled(state.savedFocus)
                      ? state.savedFocus
                      : GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target != nullptr) {
        FocusDialogControl(dialog, target);
    } else if (GetFocus() != dialog) {
        SetFocus(dialog);
    }
}

HWND PushButtonWithId(HWND dialog, UINT id) {
    HWND button = GetDlgItem(dialog, static_cast<int>(id));
    if (button == nullptr) return nullptr;
    const auto code = static_cast<UINT>(SendMessageA(button, WM_GETDLGCODE, 0, 0));
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) ? button : nullptr;
}

void SetButtonKind(HWND button, DWORD kind) {
    if (button != nullptr) SendMessageA(button, BM_SETSTYLE, kind, TRUE);
}

}  // namespace

namespace detail {

void FocusDialogControl(HWND dialog, HWND control) {
    DialogState* state = DialogStateOf(dialog);
    const auto code = static_cast<UINT>(SendMessageA(control, WM_GETDLGCODE, 0, 0));
    const bool pushButton = (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
    // The push button that shows as the default: the focused one; once the focus leaves the push
    // buttons, the dialog's default button, or else the one that showed as the default before.
    HWND shown = control;
    if (!pushButton) {
        shown = state != nullptr ? PushButtonWithId(dialog, state->defaultId) : nullptr;
        if (shown == nullptr && state != nullptr) shown = state->displacedDefault;
    }
    if (shown != nullptr && IsWindow(shown)) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const auto childCode = static_cast<UINT>(SendMessageA(child, WM_GETDLGCODE, 0, 0));
            if (child == shown || !(childCode & DLGC_DEFPUSHBUTTON)) continue;
            if (state != nullptr && pushButton && state->displacedDefault == nullptr)
                state->displacedDefault = child;
            SetButtonKind(child, BS_PUSHBUTTON);
        }
        SetButtonKind(shown, BS_DEFPUSHBUTTON);
    }
    if (state != nullptr && !pushButton) state->displacedDefault = nullptr;
    SetFocus(control);
}

}  // namespace detail

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<DialogState> state = HoldDialogState(dialog);
    if (state != nullptr && state->proc != nullptr) {
        const LONG_PTR handled = state->proc(dialog, message, wParam, lParam);
        if (handled) return AnswersDirectly(message) ? handled : GetWindowLongPtrA(dialog, DWL_MSGRESULT);
    }
    if (message == WM_NCDESTROY) ControlStates<DialogState>().erase(dialog);
    if (state == nullptr) return DefWindowProcA(dialog, message, wParam, lParam);
    switch (message) {
        case WM_CLOSE:
            // Closing is cancelling.
            PostMessageA(dialog, WM_COMMAND, IDCANCEL,
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (IsControlOf(dialog, focus)) state->savedFocus = focus;
            } else {
                RestoreFocus(dialog, *state);
            }
            return 0;
        case WM_SETFOCUS: RestoreFocus(dialog, *state); return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(dialog, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_NEXTDLGCTL: {
            HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                         : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
            if (!IsControlOf(dialog, target)) return 0;
            FocusDialogControl(dialog, target);
            // An edit field reached this way has its whole text selected, ready to be typed over.
            if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                SendMessageA(target, EM_SETSEL, 0, -1);
            return 0;
        }
        // The id last set, whatever control (if any) has it.
        case DM_GETDEFID: return MAKELONG(static_cast<WORD>(state->defaultId), DC_HASDEFID);
        case DM_SETDEFID: {
            SetButtonKind(PushButtonWithId(dialog, state->defaultId), BS_PUSHBUTTON);
            state->defaultId = static_cast<UINT>(wParam);
            SetButtonKind(PushButtonWithId(dialog, state->defaultId), BS_DEFPUSHBUTTON);
            return TRUE;
        }
        default: return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

}  // namespace win
