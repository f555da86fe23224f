#include "platform/ui/MessageBoxLook.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLines.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;
constexpr int kButtonsAbove = 14;  // between the text (or icon) and the buttons

int Width(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The text's lines as the line breaker breaks them, without the blanks a wrapped line ends with.
std::vector<std::string> MessageBoxLines(HDC dc, const std::string& text, int width) {
    std::vector<std::string> lines;
    for (const TextLine& line : BreakTextLines(dc, text, width)) {
        std::string shown = text.substr(line.start, line.length);
        while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\t')) shown.pop_back();
        lines.push_back(std::move(shown));
    }
    return lines;
}

HFONT CaptionFont() {
    LOGFONTA font;
    font.lfHeight = -11;
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}

void DrawGlyph(HDC dc, const RECT& where, const char* glyph, COLORREF color) {
    LOGFONTA font;
    font.lfHeight = -24;
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "Times New Roman");
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ previous = SelectObject(dc, handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    RECT r = where;
    DrawTextA(dc, glyph, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(handle);
}

// Draws a shape with a pen and brush of the colours given, and gives both back.
template <typename Shape>
void Filled(HDC dc, COLORREF line, COLORREF fill, Shape shape) {
    HPEN pen = CreatePen(PS_SOLID, 1, line);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    shape();
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

}  // namespace

std::vector<MessageBoxButton> MessageBoxButtons(UINT flags) {
    switch (flags & MB_TYPEMASK) {
        case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
        case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
        case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
        default: return {{IDOK, "OK"}};
    }
}

MessageBoxLayout LayoutMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    MessageBoxLayout layout;
    HDC dc = CreateMeasuringDC();
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    layout.lineHeight = metrics.tmHeight;
    layout.lines = MessageBoxLines(dc, text, GetSystemMetrics(SM_CXSCREEN) * 5 / 8);
    int textWidth = 0;
    for (const std::string& line : layout.lines) textWidth = std::max(textWidth, Width(dc, line));
    HFONT captionFont = CaptionFont();
    SelectObject(dc, captionFont);
    const int captionWidth = Width(dc, caption) + 2 * GetSystemMetrics(SM_CXSIZE) + kMargin;
    DeleteDC(dc);
    DeleteObject(captionFont);

    const bool hasIcon = (flags & MB_ICONMASK) != 0;
    const int textHeight = static_cast<int>(layout.lines.size()) * layout.lineHeight;
    const int bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
    int textLeft = kMargin;
    if (hasIcon) {
        layout.icon = RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
        textLeft += kIconSize + kIconGap;
    }
    // Text shorter than the icon sits level with its middle.
    const int textTop = kMargin + (bodyHeight - textHeight) / 2;
    layout.text = RECT{textLeft, textTop, textLeft + textWidth, textTop + textHeight};

    const auto count = static_cast<int>(MessageBoxButtons(flags).size());
    const int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    layout.client.cx = std::max({textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin, captionWidth});
    const int buttonsTop = kMargin + bodyHeight + kButtonsAbove;
    layout.client.cy = buttonsTop + kButtonHeight + kMargin;
    const int firstButton = (layout.client.cx - buttonsWidth) / 2;
    for (int i = 0; i < count; ++i) {
        const int left = firstButton + i * (kButtonWidth + kButtonGap);
        layout.buttons.push_back(RECT{left, buttonsTop, left + kButtonWidth, buttonsTop + kButtonHeight});
    }
    return layout;
}

void DrawMessageBoxIcon(HDC dc, const RECT& r, UINT flags) {
    switch (flags & MB_ICONMASK) {
        case MB_ICONHAND:
            // A red disc with a white cross.
            Filled(dc, RGB(128, 0, 0), RGB(255, 0, 0),
                   [&] { Ellipse(dc, r.left, r.top, r.right, r.bottom); });
            Filled(dc, RGB(255, 255, 255), RGB(255, 255, 255), [&] {
                for (int thick = -1; thick <= 1; ++thick) {
                    MoveToEx(dc, r.left + 9 + thick, r.top + 9, nullptr);
                    LineTo(dc, r.right - 9 + thick, r.bottom - 9);
                    MoveToEx(dc, r.right - 10 + thick, r.top + 9, nullptr);
                    LineTo(dc, r.left + 8 + thick, r.bottom - 9);
                }
            });
            break;
        case MB_ICONEXCLAMATION: {
            // A yellow triangle with an exclamation mark.
            const POINT corners[] = {
                {(r.left + r.right) / 2, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
            Filled(dc, RGB(0, 0, 0), RGB(255, 255, 0), [&] { Polygon(dc, corners, 3); });
            RECT mark = r;
            mark.top += 6;
            DrawGlyph(dc, mark, "!", RGB(0, 0, 0));
            break;
        }
        case MB_ICONQUESTION:
        case MB_ICONASTERISK:
            // A white balloon with a blue question mark or letter i.
            Filled(dc, RGB(0, 0, 0), RGB(255, 255, 255),
                   [&] { Ellipse(dc, r.left, r.top, r.right, r.bottom); });
            DrawGlyph(dc, r, (flags & MB_ICONMASK) == MB_ICONQUESTION ? "?" : "i", RGB(0, 0, 255));
            break;
        default: break;
    }
}

}  // namespace win::detail
