// Drawing EDIT controls: the lines in the formatting rectangle, the selection highlighted while the
// control has the focus, grey text when it is disabled. Characters are drawn at the widths the
// layout measured, so the caret and the mouse agree with what is shown.

#include <algorithm>
#include <vector>

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Paint.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

struct Colors {
    COLORREF text;
    COLORREF background;
};

// Draws text[from, to) with its left edge at x (line-relative advances start at `lineX`), and
// answers where it ends. Runs between tabs are drawn at the measured advances.
int DrawRun(HDC dc, const EditState& state, int from, int to, int left, int lineX, int y, Colors colors,
            bool fill) {
    const std::string& text = state.text.Text();
    const int height = state.lineHeight;
    const int endX = state.measure.After(
        std::string_view(text).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)),
        lineX);
    if (fill) {
        const RECT area{left, y, left + endX - lineX, y + height};
        SetBkColor(dc, colors.background);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, "", 0, nullptr);
    }
    SetTextColor(dc, colors.text);
    int x = lineX;
    std::vector<INT> advances;
    for (int at = from; at < to;) {
        if (text[static_cast<std::size_t>(at)] == '\t') {
            x = state.measure.After('\t', x);
            ++at;
            continue;
        }
        int end = at;
        advances.clear();
        while (end < to && text[static_cast<std::size_t>(end)] != '\t') {
            advances.push_back(state.measure.Width(text[static_cast<std::size_t>(end)]));
            ++end;
        }
        ExtTextOutA(dc, left + (x - lineX), y, 0, nullptr, text.data() + at, static_cast<UINT>(end - at),
                    advances.data());
        for (INT advance : advances) x += advance;
        at = end;
    }
    return left + endX - lineX;
}

}  // namespace

void PaintEdit(HWND window, HDC dc, const EditState& state) {
    const DWORD style = StyleOf(window);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const int saved = SaveDC(dc);
    const UINT colorMessage = enabled && !(style & ES_READONLY) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    HBRUSH background = ControlBrush(window, dc, colorMessage);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, background);
    const Colors plain{enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT), GetBkColor(dc)};
    const Colors selected{GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};
    SelectObject(dc, ControlFont(state.font));
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, state.format.left, state.format.top, state.format.right, state.format.bottom);

    const bool showSelection = state.focused && state.text.SelectionStart() != state.text.SelectionEnd();
    const int selectionStart = state.text.SelectionStart(), selectionEnd = state.text.SelectionEnd();
    const int height = state.lineHeight;
    const int lines = static_cast<int>(state.lines.size());
    for (int line = state.firstLine; line < lines; ++line) {
        const int y = state.format.top + (line - state.firstLine) * height;
        if (y >= state.format.bottom) break;
        const WrappedLine& l = state.lines[static_cast<std::size_t>(line)];
        const int end = l.start + l.length;
        int left = state.format.left + LineOffset(window, state, line) - state.xOffset;
        int lineX = 0;
        // Up to three runs: before, inside and after the selection.
        const int cuts[4] = {l.start, std::clamp(selectionStart, l.start, end),
                             std::clamp(selectionEnd, l.start, end), end};
        for (int run = 0; run < 3; ++run) {
            if (cuts[run] >= cuts[run + 1]) continue;
            const bool highlight = showSelection && run == 1;
            const int right = DrawRun(dc, state, cuts[run], cuts[run + 1], left, lineX, y,
                                      highlight ? selected : plain, highlight);
            lineX += right - left;
            left = right;
        }
    }
    RestoreDC(dc, saved);
}

}  // namespace win::detail
