// The EDIT window procedure.

#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"

namespace win::detail {
namespace {

// A new font or size: the text is laid out again.
void Reformat(HWND window, EditState& state) {
    LayOut(window, state);
    ScrollToCaret(window, state);
    UpdateScrollBars(window, state);
    PlaceCaret(window, state);
}

}  // namespace

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<EditState> held = ControlStateFor<EditState>(window, message);
    if (held == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    EditState& state = *held;
    switch (message) {
        case WM_NCCREATE: MeasureFont(state); break;
        case WM_CREATE:
            GetClientRect(window, &state.format);
            state.SetWholeText(window, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
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
            return FieldDialogCode(style, IsMultiLine(style), true, reinterpret_cast<const MSG*>(lParam));
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (lParam == 0) OnEditScroll(window, state, message == WM_VSCROLL, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            if (!IsMultiLine(StyleOf(window))) break;
            ScrollTo(window, state, state.firstLine - static_cast<SHORT>(HIWORD(wParam)) / 120 * 3,
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
