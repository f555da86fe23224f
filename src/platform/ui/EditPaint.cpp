// Drawing EDIT controls: the lines in the formatting rectangle, the selection highlighted while the
// control has the focus, grey text when it is disabled. Characters are drawn at the widths the
// layout measured, so the caret and the mouse agree with what is shown.

#include <algorithm>

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

// Draws text[from, to) with its left edge at `left` (line-relative advances start at `lineX`), and
// answers where it ends.
int DrawRun(HDC dc, const EditState& state, int from, int to, int left, int lineX, int y, Colors colors,
            bool fill) {
    const std::string_view run =
        std::string_view(state.text.Text())
            .substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    const int endX = state.measure.After(run, lineX);
    if (fill) {
        const RECT area{left, y, left + endX - lineX, y + state.lineHeight};
        SetBkColor(dc, colors.background);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, "", 0, nullptr);
    }
    SetTextColor(dc, colors.text);
    DrawMeasuredRun(dc, state.measure, run, left - lineX, lineX, y);
    return left + endX - lineX;
}

void PaintEdit(HWND window, HDC dc, const EditState& state) {
    const DWORD style = StyleOf(window);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const int saved = SaveDC(dc);
    PrepareControlDC(window, dc, enabled && !(style & ES_READONLY) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                     state.font);
    const Colors plain{enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT), GetBkColor(dc)};
    const Colors selected{GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};
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

}  // namespace

void EditState::Paint(HWND window, HDC dc) { PaintEdit(window, dc, *this); }

}  // namespace win::detail
