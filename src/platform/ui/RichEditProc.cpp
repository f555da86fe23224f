// The RICHEDIT window procedure, and the library it comes from.

#include <strings.h>
#include <algorithm>
#include <cstring>

#include "platform/gdi/Objects.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBars.h"

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

}  // namespace

void RichEditState::SetWholeText(HWND window, const char* whole) {
    text.Reset(whole != nullptr ? whole : "");
    yOffset = 0;
    afterWrap = false;
    goalX = -1;
    Refresh(window, *this, true, false);
}

LRESULT RichEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<RichEditState> held = ControlStateFor<RichEditState>(window, message);
    if (held == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    RichEditState& state = *held;
    switch (message) {
        case WM_CREATE:
            GetClientRect(window, &state.format);
            TakeFont(window, state, nullptr, false);
            state.SetWholeText(window, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
            return 0;
        case WM_SIZE:
            GetClientRect(window, &state.format);
            Refresh(window, state, true, false);
            return 0;
        case WM_SETFONT: TakeFont(window, state, reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
        case WM_GETDLGCODE: {
            const DWORD style = StyleOf(window);
            return FieldDialogCode(style, true, !(style & ES_SAVESEL), reinterpret_cast<const MSG*>(lParam));
        }
        case WM_VSCROLL:
            if (lParam == 0) OnRichScroll(window, state, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL: {
            const int notches = static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA;
            for (int k = 0; k < kWheelScrollLines * std::abs(notches); ++k)
                OnRichScroll(window, state, notches > 0 ? SB_LINEUP : SB_LINEDOWN);
            return 0;
        }
        default: {
            bool handled = false;
            const LRESULT result = OnRichEditMessage(window, state, message, wParam, lParam, handled);
            if (handled) return result;
            break;
        }
    }
    return TextFieldProc(window, state, message, wParam, lParam);
}

}  // namespace detail
}  // namespace win
