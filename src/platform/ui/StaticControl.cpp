// The STATIC window procedure: drawing the label and answering as a control that takes nothing.

#include "platform/ui/StaticControl.h"

#include <string>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Paint.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

struct StaticState {
    HFONT font = nullptr;  // as WM_SETFONT gave it; not owned
};

UINT FormatOf(DWORD style) {
    UINT format = DT_SINGLELINE;
    if ((style & SS_TYPEMASK) == SS_CENTER) format |= DT_CENTER;
    if ((style & SS_TYPEMASK) == SS_RIGHT) format |= DT_RIGHT;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return format;
}

void Paint(HWND window, const StaticState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc == nullptr) return;
    const int saved = SaveDC(dc);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, ControlBrush(window, dc, WM_CTLCOLORSTATIC));
    SelectObject(dc, ControlFont(state.font));
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(window)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              FormatOf(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE))));
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) ControlStates<StaticState>()[window] = std::make_shared<StaticState>();
    const std::shared_ptr<StaticState> state = HoldControlState<StaticState>(window);
    if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY:
            ControlStates<StaticState>().erase(window);
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: Paint(window, *state); return 0;
        case WM_ENABLE: RedrawControl(window); return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
            RedrawControl(window);
            return result;
        }
        case WM_SETFONT:
            state->font = reinterpret_cast<HFONT>(wParam);
            if (lParam) RedrawControl(window);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
        case WM_GETDLGCODE: return DLGC_STATIC;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
