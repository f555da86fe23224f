// The EDIT window procedure.

#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

// A new font or size: the text is laid out again.
void Reformat(HWND window, EditState& state) {
    LayOut(window, state);
    ScrollToCaret(window, state);
    UpdateScrollBars(window, state);
    PlaceCaret(window, state);
}

bool TakesReturn(DWORD style) { return (style & ES_WANTRETURN) != 0; }

// A multi-line field wants every key of a dialog, and does the dialog's work with the keys the
// dialog would have taken: Return (unless the field takes it, or Control is held) presses the
// default button, Escape closes the dialog and Tab moves to the next control. Answers whether the
// key was one of them.
bool OnDialogKey(HWND window, WPARAM key) {
    const DWORD style = StyleOf(window);
    const HWND dialog = GetParent(window);
    switch (key) {
        case VK_RETURN: {
            if (TakesReturn(style) || GetKeyState(VK_CONTROL) < 0) return false;
            const auto answer = static_cast<DWORD>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
            if (HIWORD(answer) != DC_HASDEFID) return true;
            if (const HWND button = GetDlgItem(dialog, LOWORD(answer))) {
                SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
                PostMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
            }
            return true;
        }
        case VK_ESCAPE: PostMessageA(dialog, WM_CLOSE, 0, 0); return true;
        case VK_TAB: SendMessageA(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0); return true;
        default: return false;
    }
}

// The characters of the keys the dialog's work was done with are not typed (Control and Return
// still types a line break).
bool IsDialogCharacter(HWND window, WPARAM character) {
    return character == '\t' || (character == '\r' && !TakesReturn(StyleOf(window)));
}

}  // namespace

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<EditState> held = ControlStateFor<EditState>(window, message);
    if (held == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    EditState& state = *held;
    const bool dialogKeys = state.inDialog && IsMultiLine(StyleOf(window));
    switch (message) {
        case WM_NCCREATE: MeasureFont(state); break;
        case WM_CREATE:
            GetClientRect(window, &state.format);
            state.ResetText(window, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName, false);
            return 0;
        case WM_SIZE:
            GetClientRect(window, &state.format);
            state.formatGiven = false;
            Reformat(window, state);
            return 0;
        case WM_SETFONT:
            state.font = reinterpret_cast<HFONT>(wParam);
            MeasureFont(state);
            Reformat(window, state);
            if (state.focused) state.MakeCaret(window);
            if (lParam) RedrawControl(window);
            return 0;
        case WM_GETDLGCODE: {
            const DWORD style = StyleOf(window);
            const auto* asked = reinterpret_cast<const MSG*>(lParam);
            if (asked != nullptr) state.inDialog = true;
            const UINT code = FieldDialogCode(style, IsMultiLine(style), true, asked);
            return IsMultiLine(style) ? code | DLGC_WANTALLKEYS : code;
        }
        case WM_KEYDOWN:
            if (dialogKeys && OnDialogKey(window, wParam)) return 0;
            break;
        case WM_CHAR:
            if (!dialogKeys || !IsDialogCharacter(window, wParam))
                TextFieldProc(window, state, message, wParam, lParam);
            return 1;
        // A single line takes what is pasted up to its first line break.
        case WM_PASTE: PasteText(window, state, !IsMultiLine(StyleOf(window))); return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (lParam == 0) OnEditScroll(window, state, message == WM_VSCROLL, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            if (!IsMultiLine(StyleOf(window))) break;
            ScrollTo(window, state,
                     state.firstLine - static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA * kWheelScrollLines,
                     state.xOffset, true);
            return 0;
        default: {
            bool handled = false;
            const LRESULT result = OnEditMessage(window, state, message, wParam, lParam, handled);
            if (handled) return result;
            break;
        }
    }
    return TextFieldProc(window, state, message, wParam, lParam);
}

}  // namespace win::detail
