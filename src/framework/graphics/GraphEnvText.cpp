// The drawing environment's text: measuring, lines at the pen position and text in rectangles.

#include <algorithm>
#include <cstring>

#include "framework/graphics/AppPalette.h"
#include "framework/graphics/FillPatterns.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/Rgn.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLines.h"

namespace {

constexpr win::COLORREF kDisabledGrey = 0x808080;
constexpr const char* kEllipsis = "...";
// A text box shows at most this many characters, a multi-line box this many per line.
constexpr std::size_t kTextBoxLength = 127;
constexpr std::size_t kLineLength = 255;

}  // namespace

void TGraphEnv::GetTextMetrics(win::TEXTMETRICA& metrics) const {
    metrics = win::TEXTMETRICA{};
    if (HasDC()) win::GetTextMetricsA(GetHDC(), &metrics);
}

void TGraphEnv::GetTextFace(char* buffer, int size) const {
    if (!buffer || size <= 0) return;
    buffer[0] = '\0';
    if (HasDC()) win::GetTextFaceA(GetHDC(), size, buffer);
}

int TGraphEnv::TextWidth(const char* text, int count) const {
    win::SIZE size;
    if (!HasDC() || !text || count <= 0 || !win::GetTextExtentPointA(GetHDC(), text, count, &size)) return 0;
    return size.cx;
}

int TGraphEnv::StringWidth(const char* text) const {
    return text ? TextWidth(text, static_cast<int>(std::strlen(text))) : 0;
}

std::int16_t TGraphEnv::FitTextToWidth(std::string& text, const ShortRect& rect) const {
    const int width = rect.Width();
    if (text.empty() || StringWidth(text.c_str()) <= width) return 1;
    const int room = width - StringWidth(kEllipsis);
    std::size_t keep = text.size() - 1;
    while (keep > 0 && TextWidth(text.data(), static_cast<int>(keep)) > room) --keep;
    text.resize(keep);
    text += kEllipsis;
    return 0;
}

int TGraphEnv::AlignOffset(const char* text, int alignment, int width) const {
    switch (alignment) {
        case kAlignRight: return width - StringWidth(text);
        case kAlignCenter: return (width - StringWidth(text)) / 2;
        default: return 0;
    }
}

int TGraphEnv::AlignTextInSpan(int left, int right, int alignment, const char* text) const {
    switch (alignment) {
        case kAlignRight: return right - left - StringWidth(text);
        case kAlignLeft: return 1;
        case kAlignCenter: return (right - left - StringWidth(text) + 1) / 2;
        default: return 0;
    }
}

void TGraphEnv::GreyOut(const win::RECT& area) {
    SaveState();
    SetForeStandardColor(0);
    SetBackStandardColor(1);
    SetPattern(kGreyPattern);
    win::SetROP2(GetHDC(), win::R2_MERGENOTPEN);
    SetTransparent(true);
    win::Rectangle(GetHDC(), area.left, area.top, area.right, area.bottom);
    RestoreState();
}

void TGraphEnv::DrawText(const char* text, std::int16_t tabWidth, std::int16_t disabled) {
    if (!HasDC() || !text) return;
    const win::HDC dc = GetHDC();
    const ShortPoint at = GetPenPosition();
    win::TEXTMETRICA metrics;
    GetTextMetrics(metrics);
    const int top = at.y - metrics.tmAscent;
    const win::UINT alignment = win::SetTextAlign(dc, win::TA_LEFT | win::TA_TOP);
    const int tabStop = tabWidth;
    const int length = static_cast<int>(std::strlen(text));
    auto draw = [&] {
        return win::LOWORD(static_cast<win::DWORD>(
            win::TabbedTextOutA(dc, at.x, top, text, length, tabWidth > 0 ? 1 : 0, &tabStop, at.x)));
    };
    int width = 0;
    if (!disabled) {
        width = draw();
    } else if (IsColorDisplay()) {
        const win::COLORREF previous = win::SetTextColor(dc, kDisabledGrey);
        width = draw();
        win::SetTextColor(dc, previous);
    } else {
        width = draw();
        GreyOut(win::RECT{at.x, top, at.x + width, at.y + metrics.tmDescent});
    }
    win::SetTextAlign(dc, alignment);
    MoveTo(at.x + width, at.y);
}

void TGraphEnv::TextOutAligned(const char* text, std::int32_t first, std::int16_t count) {
    if (!HasDC() || !text || count < 1 || first < 0) return;
    const win::UINT alignment = win::SetTextAlign(GetHDC(), win::TA_UPDATECP | win::TA_BASELINE);
    win::TextOutA(GetHDC(), 0, 0, text + first, count);
    win::SetTextAlign(GetHDC(), alignment);
}

bool TGraphEnv::BeginTextBox(const ShortRect& rect, int opaque, int disabled) {
    Rgn clip;
    GetClip(clip);
    if (!clip.IntersectsRect(rect)) return false;
    const win::HDC dc = GetHDC();
    win::SaveDC(dc);
    if (disabled && IsColorDisplay()) win::SetTextColor(dc, kDisabledGrey);
    win::SetBkMode(dc, opaque > 0 ? win::OPAQUE : win::TRANSPARENT);
    win::SetTextAlign(dc, win::TA_LEFT | win::TA_TOP);
    clip.IntersectRect(rect);
    SetClip(clip);
    return true;
}

void TGraphEnv::EndTextBox(const ShortRect& rect, int disabled) {
    win::RestoreDC(GetHDC(), -1);
    if (disabled && !IsColorDisplay()) GreyOut(rect.ToRECT());
}

void TGraphEnv::DrawTextBox(const char* text, const ShortRect& rect, int alignment, int opaque,
                            int disabled) {
    if (!HasDC() || !text) return;
    std::string shown(text, strnlen(text, kTextBoxLength));
    FitTextToWidth(shown, rect);
    if (!BeginTextBox(rect, opaque, disabled)) return;
    const int x = rect.left + AlignOffset(shown.c_str(), alignment, rect.Width());
    win::TextOutA(GetHDC(), x, rect.top, shown.data(), static_cast<int>(shown.size()));
    EndTextBox(rect, disabled);
}

void TGraphEnv::DrawMultilineText(const char* text, const ShortRect& rect, int alignment, int opaque,
                                  int disabled) {
    if (!HasDC() || !text) return;
    const std::string_view whole(text);
    const std::vector<win::TextLine> lines = win::BreakTextLines(GetHDC(), whole, rect.Width());
    win::TEXTMETRICA metrics;
    GetTextMetrics(metrics);
    if (!BeginTextBox(rect, opaque, disabled)) return;
    const win::HDC dc = GetHDC();
    int y = rect.top;
    for (std::size_t i = 0; i < lines.size() && y < rect.bottom; ++i, y += metrics.tmHeight) {
        const std::string line(whole.substr(lines[i].start, std::min(lines[i].length, kLineLength)));
        const int count = static_cast<int>(line.size());
        // A tab reaches the stop the line breaker gave it: one every eight average character
        // widths from the line's start. The line is placed by the width it is drawn at.
        const int spare =
            rect.Width() - win::LOWORD(win::GetTabbedTextExtentA(dc, line.data(), count, 0, nullptr));
        const int x = rect.left + (alignment == kAlignRight    ? spare
                                   : alignment == kAlignCenter ? spare / 2
                                                               : 0);
        win::TabbedTextOutA(dc, x, y, line.data(), count, 0, nullptr, x);
    }
    EndTextBox(rect, disabled);
}
