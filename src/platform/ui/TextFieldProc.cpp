// EDIT and RICHEDIT controls: the window messages both answer alike.

#include <algorithm>
#include <cstring>

#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Paint.h"
#include "platform/ui/TextField.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM lParam) {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || size == 0) return 0;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

void GainFocus(HWND window, TextField& field) {
    field.focused = true;
    field.MakeCaret(window);
    RedrawControl(window);
    NotifyParent(window, EN_SETFOCUS);
}

void LoseFocus(HWND window, TextField& field) {
    field.focused = false;
    OnFieldButtonUp(window, field);
    DestroyCaret();
    RedrawControl(window);
    NotifyParent(window, EN_KILLFOCUS);
}

}  // namespace

UINT FieldDialogCode(DWORD style, bool multiLine, bool selectsAllOnTab, const MSG* message) {
    UINT code = DLGC_WANTCHARS | DLGC_WANTARROWS;
    if (selectsAllOnTab) code |= DLGC_HASSETSEL;
    if (message != nullptr && multiLine && (style & ES_WANTRETURN) && message->wParam == VK_RETURN &&
        (message->message == WM_KEYDOWN || message->message == WM_CHAR)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

LRESULT TextFieldProc(HWND window, TextField& field, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT: return reinterpret_cast<LRESULT>(field.font);
        case WM_SETTEXT: field.SetWholeText(window, reinterpret_cast<const char*>(lParam)); return TRUE;
        case WM_GETTEXT: return CopyText(field.Plain().Text(), wParam, lParam);
        case WM_GETTEXTLENGTH: return field.Plain().Length();
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: PaintControl(window, [&](HDC dc) { field.Paint(window, dc); }); return 0;
        case WM_ENABLE: RedrawControl(window); return 0;
        case WM_SETFOCUS: GainFocus(window, field); return 0;
        case WM_KILLFOCUS: LoseFocus(window, field); return 0;
        case WM_CHAR: OnFieldChar(window, field, static_cast<char>(wParam)); return 0;
        case WM_KEYDOWN:
            if (OnFieldKeyDown(window, field, wParam)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnFieldButtonDown(window, field, PointFromParam(lParam), message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_MOUSEMOVE: OnFieldMouseMove(window, field, PointFromParam(lParam)); return 0;
        case WM_LBUTTONUP: OnFieldButtonUp(window, field); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) OnFieldButtonUp(window, field);
            return 0;
        case WM_TIMER: OnFieldTimer(window, field, wParam); return 0;
        case WM_CUT: CutSelection(window, field); return 0;
        case WM_COPY: CopySelection(window, field); return 0;
        case WM_PASTE: PasteText(window, field); return 0;
        case WM_CLEAR: ClearSelection(window, field); return 0;
        case WM_UNDO: return UndoLast(window, field) ? TRUE : FALSE;
        default: {
            bool handled = false;
            const LRESULT result = OnFieldMessage(window, field, message, wParam, lParam, handled);
            if (handled) return result;
            break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
