// The rows of a hierarchical popup menu's level as they are painted: highlight, check marks drawn
// twice, the triangle of a row with children, separators and grey rows.

#include <cstring>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SystemColors.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"
#include "widgets/HPMenuWindow.h"

using namespace win;

namespace {

constexpr COLORREF kPreviewBackground = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kSeparatorLight = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kSeparatorDark = RGB(0x50, 0x50, 0x50);
constexpr COLORREF kDimmedText = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kTextLeft = 15;
constexpr int kTextRight = 18;

void Line(HDC dc, COLORREF color, int x1, int y1, int x2, int y2) {
    const HPEN pen = CreatePen(PS_SOLID, 1, color);
    const HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

void TActiveHPMenuWindow::Paint() {
    if (!window_) return;
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const UINT previousAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousText = GetTextColor(dc);
    LOGFONTA font{};
    client_->GetItemFont(font, firstHandle_);
    const HFONT handle = CreateFontIndirectA(&font);
    const HGDIOBJ previousFont = SelectObject(dc, handle);
    const COLORREF background = GetBkColor(dc);
    for (std::int16_t row = 0; row < rowCount_; ++row) PaintRow(dc, row, background);
    SelectObject(dc, previousFont);
    DeleteObject(handle);
    SetTextColor(dc, previousText);
    SetBkMode(dc, previousMode);
    SetTextAlign(dc, previousAlign);
    EndPaint(window_, &paint);
}

void TActiveHPMenuWindow::PaintRow(HDC dc, std::int16_t row, COLORREF background) {
    const HPMenuEntry& entry = Row(row);
    const ShortRect shortRect = GetRowRect(row);
    const RECT rect = shortRect.ToRECT();
    const bool highlighted = row == highlight_;
    const bool separator = entry.IsSeparator();
    COLORREF fill = background;
    if (IsPreview()) {
        fill = kPreviewBackground;
    } else if (highlighted && !separator) {
        fill = GetSysColor(COLOR_HIGHLIGHT);
    }
    const HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    const int middle = (rect.top + rect.bottom) / 2;
    if (separator) {
        Line(dc, kSeparatorLight, rect.left, middle, rect.right, middle);
        Line(dc, kSeparatorDark, rect.left, middle + 1, rect.right, middle + 1);
        return;
    }
    const COLORREF mark = highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kBlack;
    if (entry.ticked) {
        const HPEN pen = CreatePen(PS_SOLID, 1, mark);
        const HGDIOBJ previous = SelectObject(dc, pen);
        for (int offset = 0; offset < 2; ++offset) {
            MoveToEx(dc, rect.left + 4 + offset, middle, nullptr);
            LineTo(dc, rect.left + 7 + offset, middle + 3);
            LineTo(dc, rect.left + 13 + offset, middle - 3);
        }
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
    if (entry.hasChildren) {
        const POINT triangle[3] = {
            {rect.right - 20, middle - 4}, {rect.right - 16, middle}, {rect.right - 20, middle + 4}};
        const HPEN pen = CreatePen(PS_SOLID, 1, mark);
        const HBRUSH markBrush = CreateSolidBrush(mark);
        const HGDIOBJ previousPen = SelectObject(dc, pen);
        const HGDIOBJ previousBrush = SelectObject(dc, markBrush);
        Polygon(dc, triangle, 3);
        SelectObject(dc, previousBrush);
        SelectObject(dc, previousPen);
        DeleteObject(markBrush);
        DeleteObject(pen);
    }
    COLORREF text = kBlack;
    if (entry.dimmed) {
        text = kDimmedText;
    } else if (highlighted && !IsPreview()) {
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    SetTextColor(dc, text);
    RECT area{rect.left + kTextLeft, rect.top, rect.right - kTextRight, rect.bottom};
    const char* label = entry.text ? entry.text.get() : "";
    DrawTextA(dc, label, static_cast<int>(std::strlen(label)), &area, DT_SINGLELINE | DT_VCENTER);
}
