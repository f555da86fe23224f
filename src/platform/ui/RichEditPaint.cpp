// Drawing RICHEDIT controls: the lines the view shows, each character in its format's font and
// colour on the line's baseline, at the widths the layout measured; the selection highlighted
// while the control has the focus.

#include <algorithm>

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SystemColors.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Paint.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

struct LinePlace {
    int left;      // client x of the line's start
    int top;       // client y of its top
    int baseline;  // client y
    int height;
};

COLORREF TextColor(const RichCharFormat& format, bool enabled) {
    if (!enabled) return GetSysColor(COLOR_GRAYTEXT);
    return format.autoColor ? GetSysColor(COLOR_WINDOWTEXT) : format.color;
}

// Draws [from, to) of a line in one format, starting `x` past the line's start; answers where it ends.
int DrawSegment(HDC dc, RichEditState& state, const LinePlace& place, int from, int to, int x, bool selected,
                bool enabled) {
    const std::string_view run =
        std::string_view(state.text.Text())
            .substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    const std::uint32_t format = state.text.FormatIndexAt(from);
    const RichFont& font = state.fonts.Of(state.text, format);
    const int end = font.measure.After(run, x);
    if (selected) {
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        const RECT area{place.left + x, place.top, place.left + end, place.top + place.height};
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, "", 0, nullptr);
    }
    SelectObject(dc, font.font);
    SetTextColor(dc,
                 selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColor(state.text.Format(format), enabled));
    DrawMeasuredRun(dc, font.measure, run, place.left, x, place.baseline);
    return end;
}

void PaintRichEdit(HWND window, HDC dc, RichEditState& state) {
    const RichLayout& layout = LaidOut(window, state);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const int saved = SaveDC(dc);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, state.windowBackground ? GetSysColor(COLOR_WINDOW) : state.background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    IntersectClipRect(dc, state.format.left, state.format.top, state.format.right, state.format.bottom);

    const int selectionStart = state.text.SelectionStart(), selectionEnd = state.text.SelectionEnd();
    const bool showSelection = state.focused && selectionStart != selectionEnd;
    const int bottom = state.yOffset + VisibleHeight(state);
    for (int index = RichLineAt(layout, state.yOffset); index < static_cast<int>(layout.lines.size());
         ++index) {
        const RichLine& line = layout.lines[static_cast<std::size_t>(index)];
        if (line.top >= bottom) break;
        const int top = state.format.top + line.top - state.yOffset;
        const LinePlace place{state.format.left + line.left, top, top + line.ascent, line.height};
        const int end = line.start + line.length;
        int x = 0;
        for (int from = line.start; from < end;) {
            // A segment: one format, all inside or all outside the selection.
            const bool selected = showSelection && from >= selectionStart && from < selectionEnd;
            const int limit =
                selected ? std::min(end, selectionEnd)
                         : (showSelection && from < selectionStart ? std::min(end, selectionStart) : end);
            int to = from + 1;
            while (to < limit && state.text.FormatIndexAt(to) == state.text.FormatIndexAt(from)) ++to;
            x = DrawSegment(dc, state, place, from, to, x, selected, enabled);
            from = to;
        }
    }
    RestoreDC(dc, saved);
}

}  // namespace

void RichEditState::Paint(HWND window, HDC dc) { PaintRichEdit(window, dc, *this); }

}  // namespace win::detail
