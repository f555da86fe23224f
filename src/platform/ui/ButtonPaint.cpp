// Drawing BUTTON windows: bevelled push buttons with the default frame and the focus rectangle,
// check boxes and radio buttons with their marks, and group boxes; disabled buttons in grey.

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Bevels.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

RECT Inset(RECT r, int by) {
    InflateRect(&r, -by, -by);
    return r;
}

// The caption, in the text colour, or embossed grey when the button is disabled.
void DrawCaption(HWND window, HDC dc, const std::string& text, RECT area, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(window)) {
        RECT shadow = area;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

void PaintPushButton(HWND window, HDC dc, const ButtonState& state, bool isDefault, const std::string& text) {
    RECT client;
    GetClientRect(window, &client);
    RECT face = client;
    if (isDefault) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_3DDKSHADOW));
        face = Inset(face, 1);
    }
    if (state.pushed) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNSHADOW));
        FillSysColor(dc, Inset(face, 1), COLOR_BTNFACE);
    } else {
        DrawEdgeLines(dc, face, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
        DrawEdgeLines(dc, Inset(face, 1), COLOR_3DLIGHT, COLOR_BTNSHADOW);
        FillSysColor(dc, Inset(face, 2), COLOR_BTNFACE);
    }
    RECT area = Inset(face, 2);
    if (state.pushed) OffsetRect(&area, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawCaption(window, dc, text, area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (state.focused) {
        const RECT focus = Inset(face, 3);
        DrawFocusRect(dc, &focus);
    }
}

void DrawCheckMark(HDC dc, const RECT& box, int colorIndex) {
    // A tick three pixels thick: down over three columns, then up over four.
    static constexpr int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column) {
        const int x = box.left + 3 + column;
        const int y = box.top + 3 + kRise[column];
        FillSysColor(dc, RECT{x, y, x + 1, y + 3}, colorIndex);
    }
}

void DrawMark(HDC dc, const RECT& box, bool radio, const ButtonState& state, bool enabled) {
    const int inside = state.pushed || !enabled ? COLOR_BTNFACE : COLOR_WINDOW;
    const int markColor = enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT;
    if (!radio) {
        DrawSunkenEdge(dc, box);
        FillSysColor(dc, Inset(box, 2), inside);
        if (state.check != BST_UNCHECKED) DrawCheckMark(dc, box, markColor);
        return;
    }
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    Ellipse(dc, box.left + 1, box.top + 1, box.right, box.bottom);
    SelectObject(dc, GetSysColorBrush(inside));
    Ellipse(dc, box.left + 1, box.top + 1, box.right - 1, box.bottom - 1);
    if (state.check != BST_UNCHECKED) {
        SelectObject(dc, GetSysColorBrush(markColor));
        const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
        Ellipse(dc, cx - 2, cy - 2, cx + 3, cy + 3);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

void PaintMarkedButton(HWND window, HDC dc, const ButtonState& state, bool radio, const std::string& text) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, ControlBrush(window, dc, WM_CTLCOLORSTATIC));
    const int top = (client.bottom - kButtonMarkSize) / 2;
    DrawMark(dc, RECT{0, top, kButtonMarkSize, top + kButtonMarkSize}, radio, state,
             IsWindowEnabled(window) != FALSE);
    RECT area{kButtonMarkSize + kButtonMarkGap, 0, client.right, client.bottom};
    DrawCaption(window, dc, text, area, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (state.focused && !text.empty()) {
        RECT focus = area;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &focus, DT_CALCRECT | DT_SINGLELINE);
        const int height = focus.bottom - focus.top;
        focus.top = (client.bottom - height) / 2;
        focus.bottom = focus.top + height;
        InflateRect(&focus, 1, 1);
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HWND window, HDC dc, const std::string& text) {
    RECT client;
    GetClientRect(window, &client);
    HBRUSH background = ControlBrush(window, dc, WM_CTLCOLORSTATIC);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT frame{client.left, client.top + metrics.tmHeight / 2, client.right, client.bottom};
    // An etched frame: a shadow line with a highlight line one pixel down and right.
    RECT light = frame;
    OffsetRect(&light, 1, 1);
    FrameRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    RECT dark{frame.left, frame.top, frame.right - 1, frame.bottom - 1};
    FrameRect(dc, &dark, GetSysColorBrush(COLOR_BTNSHADOW));
    if (text.empty()) return;
    RECT label{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_CALCRECT | DT_SINGLELINE);
    label.left -= 2;
    label.right = std::min(label.right + 2, client.right - 6);
    FillRect(dc, &label, background);
    label.left += 2;
    DrawCaption(window, dc, text, label, DT_LEFT | DT_SINGLELINE);
}

}  // namespace

void PaintButton(HWND window, HDC dc, const ButtonState& state) {
    const int saved = SaveDC(dc);
    SelectObject(dc, ControlFont(state.font));
    const DWORD kind = StyleOf(window) & BS_TYPEMASK;
    const std::string text = ControlText(window);
    switch (kind) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: PaintPushButton(window, dc, state, kind == BS_DEFPUSHBUTTON, text); break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX: PaintMarkedButton(window, dc, state, false, text); break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: PaintMarkedButton(window, dc, state, true, text); break;
        case BS_GROUPBOX: PaintGroupBox(window, dc, text); break;
        default: break;
    }
    RestoreDC(dc, saved);
}

}  // namespace win::detail
