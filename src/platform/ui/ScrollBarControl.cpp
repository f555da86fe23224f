// The SCROLLBAR window procedure: a bar filling the control's client area, pressed with the mouse
// or moved with the keys.

#include <optional>

#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/Paint.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

void Paint(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    DrawScrollBar(window, SB_CTL, dc, client);
}

// The request a key makes of the bar, if any.
std::optional<WORD> RequestForKey(WPARAM key) {
    switch (key) {
        case VK_UP:
        case VK_LEFT: return SB_LINEUP;
        case VK_DOWN:
        case VK_RIGHT: return SB_LINEDOWN;
        case VK_PRIOR: return SB_PAGEUP;
        case VK_NEXT: return SB_PAGEDOWN;
        case VK_HOME: return SB_TOP;
        case VK_END: return SB_BOTTOM;
        default: return std::nullopt;
    }
}

}  // namespace

LRESULT ScrollBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: AddScrollBarControl(window); break;
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: PaintControl(window, [&](HDC dc) { Paint(window, dc); }); return 0;
        case WM_ENABLE: RedrawScrollBar(window, SB_CTL); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            if (GetWindowLongPtrA(window, GWL_STYLE) & WS_TABSTOP) SetFocus(window);
            POINT at = PointFromParam(lParam);
            ClientToScreen(window, &at);
            TrackScrollBar(window, SB_CTL, at);
            return 0;
        }
        case WM_KEYDOWN: {
            const std::optional<WORD> request = RequestForKey(wParam);
            if (!request || !IsWindowEnabled(window)) return 0;
            SendScrollRequest(window, SB_CTL, *request, 0);
            if (IsWindow(window)) SendScrollRequest(window, SB_CTL, SB_ENDSCROLL, 0);
            return 0;
        }
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
