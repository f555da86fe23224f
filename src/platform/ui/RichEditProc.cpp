// The RICHEDIT window procedure, and the library it comes from.

#include <strings.h>
#include <algorithm>
#include <cstring>

#include "platform/gdi/Objects.h"
#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"

namespace win {
namespace {

// The handle of the built-in rich edit library: any address that is not null.
const HMODULE kRichEditModule = reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x52450000));

}  // namespace

HMODULE LoadLibraryA(LPCSTR name) {
    return name != nullptr && strcasecmp(name, "RICHED32.DLL") == 0 ? kRichEditModule : nullptr;
}

BOOL FreeLibrary(HMODULE module) { return module == kRichEditModule ? TRUE : FALSE; }

namespace detail {
namespace {

UINT DialogCode(HWND window, const MSG* message) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    UINT code = DLGC_WANTCHARS | DLGC_WANTARROWS;
    if (!(style & ES_SAVESEL)) code |= DLGC_HASSETSEL;
    if (message != nullptr && (style & ES_WANTRETURN) && message->wParam == VK_RETURN &&
        (message->message == WM_KEYDOWN || message->message == WM_CHAR))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT CopyText(const RichEditState& state, WPARAM size, LPARAM lParam) {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || size == 0) return 0;
    const std::string& text = state.text.Text();
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

// WM_SETFONT: the font becomes every character's format, and the default.
void TakeFont(HWND window, RichEditState& state, HFONT font, bool redraw) {
    state.font = font;
    LOGFONTA logFont;
    if (GetObjectA(ControlFont(font), sizeof logFont, &logFont) != sizeof logFont) return;
    CHARFORMATA format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_SIZE;
    format.dwEffects = (logFont.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (logFont.lfItalic ? CFE_ITALIC : 0) |
                       (logFont.lfUnderline ? CFE_UNDERLINE : 0);
    // Heights are screen pixels: 15 twips each.
    format.yHeight = std::max<LONG>(1, logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight) * 15;
    std::memcpy(format.szFaceName, logFont.lfFaceName, sizeof format.szFaceName);
    SendMessageA(window, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    if (redraw) RedrawControl(window);
}

void Paint(HWND window, RichEditState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) PaintRichEdit(window, dc, state);
    EndPaint(window, &paint);
}

void GainFocus(HWND window, RichEditState& state) {
    state.focused = true;
    state.caretHeight = 0;  // made anew by PlaceCaret
    PlaceCaret(window, state);
    RedrawControl(window);
    NotifyParent(window, EN_SETFOCUS);
}

void LoseFocus(HWND window, RichEditState& state) {
    state.focused = false;
    OnRichButtonUp(window, state);
    DestroyCaret();
    RedrawControl(window);
    NotifyParent(window, EN_KILLFOCUS);
}

void SetWholeText(HWND window, RichEditState& state, const char* text) {
    state.text.Reset(text != nullptr ? text : "");
    state.yOffset = 0;
    state.afterWrap = false;
    state.goalX = -1;
    Refresh(window, state, true, false);
}

}  // namespace

LRESULT RichEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) ControlStates<RichEditState>()[window] = std::make_shared<RichEditState>();
    const std::shared_ptr<RichEditState> held = HoldControlState<RichEditState>(window);
    if (held == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    RichEditState& state = *held;
    switch (message) {
        case WM_NCDESTROY: ControlStates<RichEditState>().erase(window); break;
        case WM_CREATE:
            GetClientRect(window, &state.format);
            TakeFont(window, state, nullptr, false);
            SetWholeText(window, state, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
            return 0;
        case WM_SIZE:
            GetClientRect(window, &state.format);
            Refresh(window, state, true, false);
            return 0;
        case WM_SETFONT: TakeFont(window, state, reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
        case WM_SETTEXT: SetWholeText(window, state, reinterpret_cast<const char*>(lParam)); return TRUE;
        case WM_GETTEXT: return CopyText(state, wParam, lParam);
        case WM_GETTEXTLENGTH: return state.text.Length();
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: Paint(window, state); return 0;
        case WM_ENABLE: RedrawControl(window); return 0;
        case WM_SETFOCUS: GainFocus(window, state); return 0;
        case WM_KILLFOCUS: LoseFocus(window, state); return 0;
        case WM_GETDLGCODE: return DialogCode(window, reinterpret_cast<const MSG*>(lParam));
        case WM_CHAR: OnRichChar(window, state, static_cast<char>(wParam)); return 0;
        case WM_KEYDOWN:
            if (OnRichKeyDown(window, state, wParam)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnRichButtonDown(window, state, PointFromParam(lParam), message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_MOUSEMOVE: OnRichMouseMove(window, state, PointFromParam(lParam)); return 0;
        case WM_LBUTTONUP: OnRichButtonUp(window, state); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) OnRichButtonUp(window, state);
            return 0;
        case WM_TIMER: OnRichTimer(window, state, wParam); return 0;
        case WM_VSCROLL:
            if (lParam == 0) OnRichScroll(window, state, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL: {
            const int notches = static_cast<SHORT>(HIWORD(wParam)) / 120;
            for (int k = 0; k < 3 * std::abs(notches); ++k)
                OnRichScroll(window, state, notches > 0 ? SB_LINEUP : SB_LINEDOWN);
            return 0;
        }
        case WM_CUT: CutRichSelection(window, state); return 0;
        case WM_COPY: CopyRichSelection(window, state); return 0;
        case WM_PASTE: PasteRich(window, state); return 0;
        case WM_CLEAR: ClearRichSelection(window, state); return 0;
        case WM_UNDO: return UndoRich(window, state) ? TRUE : FALSE;
        default: {
            bool handled = false;
            const LRESULT result = OnRichEditMessage(window, state, message, wParam, lParam, handled);
            if (handled) return result;
            break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace detail
}  // namespace win
