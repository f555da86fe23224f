// The EDIT window procedure.

#include <algorithm>
#include <cstring>

#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/Paint.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

// What an EDIT wants of a dialog's keys: characters, the arrows and (multi-line with
// ES_WANTRETURN) Return; Tab and Escape are the dialog's.
UINT DialogCode(DWORD style, const MSG* message) {
    UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (message != nullptr && IsMultiLine(style) && (style & ES_WANTRETURN) && message->wParam == VK_RETURN &&
        (message->message == WM_KEYDOWN || message->message == WM_CHAR)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

LRESULT CopyText(const EditState& state, WPARAM size, LPARAM lParam) {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || size == 0) return 0;
    const std::size_t count = std::min(state.text.Text().size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, state.text.Text().data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

void Paint(HWND window, const EditState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) PaintEdit(window, dc, state);
    EndPaint(window, &paint);
}

// A new font or size: the text is laid out again.
void Reformat(HWND window, EditState& state) {
    LayOut(window, state);
    ScrollToCaret(window, state);
    UpdateScrollBars(window, state);
    PlaceCaret(window, state);
}

void GainFocus(HWND window, EditState& state) {
    state.focused = true;
    CreateCaret(window, nullptr, 1, state.lineHeight);
    PlaceCaret(window, state);
    ShowCaret(window);
    RedrawControl(window);
    NotifyParent(window, EN_SETFOCUS);
}

void LoseFocus(HWND window, EditState& state) {
    state.focused = false;
    OnEditButtonUp(window, state);
    DestroyCaret();
    RedrawControl(window);
    NotifyParent(window, EN_KILLFOCUS);
}

}  // namespace

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto made = std::make_shared<EditState>();
        MeasureFont(*made);
        ControlStates<EditState>()[window] = std::move(made);
    }
    const std::shared_ptr<EditState> held = HoldControlState<EditState>(window);
    if (held == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    EditState& state = *held;
    switch (message) {
        case WM_NCDESTROY: ControlStates<EditState>().erase(window); break;
        case WM_CREATE:
            GetClientRect(window, &state.format);
            SetWholeText(window, state, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
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
            if (state.focused) {
                CreateCaret(window, nullptr, 1, state.lineHeight);
                PlaceCaret(window, state);
                ShowCaret(window);
            }
            if (lParam) RedrawControl(window);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
        case WM_SETTEXT: SetWholeText(window, state, reinterpret_cast<const char*>(lParam)); return TRUE;
        case WM_GETTEXT: return CopyText(state, wParam, lParam);
        case WM_GETTEXTLENGTH: return state.text.Length();
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: Paint(window, state); return 0;
        case WM_ENABLE: RedrawControl(window); return 0;
        case WM_SETFOCUS: GainFocus(window, state); return 0;
        case WM_KILLFOCUS: LoseFocus(window, state); return 0;
        case WM_GETDLGCODE: return DialogCode(StyleOf(window), reinterpret_cast<const MSG*>(lParam));
        case WM_CHAR: OnEditChar(window, state, static_cast<char>(wParam)); return 0;
        case WM_KEYDOWN:
            if (OnEditKeyDown(window, state, wParam)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnEditButtonDown(window, state, PointFromParam(lParam), message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_MOUSEMOVE: OnEditMouseMove(window, state, PointFromParam(lParam)); return 0;
        case WM_LBUTTONUP: OnEditButtonUp(window, state); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) OnEditButtonUp(window, state);
            return 0;
        case WM_TIMER: OnEditTimer(window, state, wParam); return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (lParam == 0) OnEditScroll(window, state, message == WM_VSCROLL, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            if (!IsMultiLine(StyleOf(window))) break;
            ScrollTo(window, state, state.firstLine - static_cast<SHORT>(HIWORD(wParam)) / 120 * 3,
                     state.xOffset, true);
            return 0;
        case WM_CUT: CutSelection(window, state); return 0;
        case WM_COPY: CopySelection(window, state); return 0;
        case WM_PASTE: Paste(window, state); return 0;
        case WM_CLEAR: ClearSelection(window, state); return 0;
        case WM_UNDO: return UndoLast(window, state) ? TRUE : FALSE;
        default:
            if (message >= EM_GETSEL && message <= EM_SETREADONLY)
                return OnEditMessage(window, state, message, wParam, lParam);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
