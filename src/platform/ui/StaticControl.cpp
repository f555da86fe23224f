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

void Paint(HWND window, HDC dc, const StaticState& state) {
    const int saved = SaveDC(dc);
    RECT client = PrepareControlDC(window, dc, WM_CTLCOLORSTATIC, state.font);
    if (!IsWindowEnabled(window)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const std::string text = ControlText(window);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, FormatOf(StyleOf(window)));
    RestoreDC(dc, saved);
}

}  // namespace

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<StaticState> state = ControlStateFor<StaticState>(window, message);
    if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (const auto answer = OnCaptionMessage(window, state->font, message, wParam, lParam)) return *answer;
    switch (message) {
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_PAINT: PaintControl(window, [&](HDC dc) { Paint(window, dc, *state); }); return 0;
        case WM_GETDLGCODE: return DLGC_STATIC;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
