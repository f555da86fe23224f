// EDIT controls: laying the text out in lines, finding positions and points, scrolling, and
// showing what changed.

#include <algorithm>
#include <limits>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ScrollBars.h"

namespace win::detail {
namespace {

int FormatWidth(const EditState& state) { return state.format.right - state.format.left; }
int LineHeight(const EditState& state) { return state.lineHeight; }

std::string_view LineText(const EditState& state, int line, int end) {
    const WrappedLine& l = state.lines[static_cast<std::size_t>(line)];
    return std::string_view(state.text.Text())
        .substr(static_cast<std::size_t>(l.start), static_cast<std::size_t>(end - l.start));
}

// A line that ends where the text was wrapped, not at a line break.
bool IsWrapped(const EditState& state, int line) {
    const WrappedLine& l = state.lines[static_cast<std::size_t>(line)];
    return line + 1 < static_cast<int>(state.lines.size()) && l.start + l.length == l.next;
}

// Where the caret would be across the line, before any scrolling sideways.
int UnscrolledX(HWND window, const EditState& state, int position, bool afterWrap) {
    const int line = LineOf(state, position, afterWrap);
    return LineOffset(window, state, line) + state.measure.After(LineText(state, line, position), 0);
}

}  // namespace

bool EditState::MultiLine(HWND window) const { return IsMultiLine(StyleOf(window)); }

bool EditState::ScrollsSideways(HWND window) const {
    const DWORD style = StyleOf(window);
    return (style & ES_AUTOHSCROLL) || (IsMultiLine(style) && (style & WS_HSCROLL));
}

FieldLine EditState::Line(HWND, int line) {
    const WrappedLine& l = lines[static_cast<std::size_t>(line)];
    return FieldLine{l.start, l.length, IsWrapped(*this, line)};
}

int EditState::LineOf(HWND, int position, bool afterWrap) {
    return detail::LineOf(*this, position, afterWrap);
}

int EditState::XOf(HWND window, int position, bool afterWrap) {
    return UnscrolledX(window, *this, position, afterWrap);
}

void MeasureFont(EditState& state) {
    HDC dc = CreateMeasuringDC();
    SelectObject(dc, ControlFont(state.font));
    state.measure = TextAdvances(dc);
    TEXTMETRICA metrics;
    state.lineHeight = GetTextMetricsA(dc, &metrics) ? std::max<int>(1, metrics.tmHeight) : 1;
    DeleteDC(dc);
}

void LayOut(HWND window, EditState& state) {
    const DWORD style = StyleOf(window);
    const std::string& text = state.text.Text();
    state.lines.clear();
    if (!IsMultiLine(style)) {
        state.lines.push_back(WrappedLine{0, state.text.Length(), state.text.Length()});
    } else {
        const int width = WrapsWords(style) ? FormatWidth(state) : std::numeric_limits<int>::max();
        const std::vector<TextLine> broken = BreakTextLines(state.measure, text, width);
        for (std::size_t i = 0; i < broken.size(); ++i) {
            const std::size_t next = i + 1 < broken.size() ? broken[i + 1].start : text.size();
            state.lines.push_back(WrappedLine{static_cast<int>(broken[i].start),
                                              static_cast<int>(broken[i].length), static_cast<int>(next)});
        }
    }
    ClampScroll(state);
}

int VisibleLines(const EditState& state) {
    return std::max(1, (state.format.bottom - state.format.top) / LineHeight(state));
}

int LineOf(const EditState& state, int position, bool afterWrap) {
    auto found = std::upper_bound(state.lines.begin(), state.lines.end(), position,
                                  [](int p, const WrappedLine& l) { return p < l.start; });
    int line = std::max(0, static_cast<int>(found - state.lines.begin()) - 1);
    if (afterWrap && line > 0 && position == state.lines[static_cast<std::size_t>(line)].start &&
        IsWrapped(state, line - 1)) {
        --line;
    }
    return line;
}

int CaretLine(const EditState& state) { return LineOf(state, state.text.Caret(), state.afterWrap); }

int LineWidth(const EditState& state, int line) {
    const WrappedLine& l = state.lines[static_cast<std::size_t>(line)];
    std::string_view text = LineText(state, line, l.start + l.length);
    if (IsWrapped(state, line)) {
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    }
    return state.measure.After(text, 0);
}

int WidestLine(const EditState& state) {
    int widest = 0;
    for (int line = 0; line < static_cast<int>(state.lines.size()); ++line)
        widest = std::max(widest, LineWidth(state, line));
    return widest;
}

int LineOffset(HWND window, const EditState& state, int line) {
    const DWORD style = StyleOf(window);
    const int room = FormatWidth(state) - LineWidth(state, line);
    if (style & ES_RIGHT) return std::max(0, room);
    if (style & ES_CENTER) return std::max(0, room / 2);
    return 0;
}

POINT PointOf(HWND window, const EditState& state, int position, bool afterWrap) {
    const int line = LineOf(state, position, afterWrap);
    return POINT{state.format.left + UnscrolledX(window, state, position, afterWrap) - state.xOffset,
                 state.format.top + (line - state.firstLine) * LineHeight(state)};
}

int EditState::PositionAt(HWND window, POINT point, bool* afterWrap) {
    const int rows = point.y - format.top;
    const int down = rows >= 0 ? rows / lineHeight : -((-rows + lineHeight - 1) / lineHeight);
    const int line = std::clamp(firstLine + down, 0, static_cast<int>(lines.size()) - 1);
    const WrappedLine& l = lines[static_cast<std::size_t>(line)];
    const int across = point.x - (format.left + LineOffset(window, *this, line) - xOffset);
    int x = 0;
    for (int at = l.start; at < l.start + l.length; ++at) {
        const int next = measure.After(text.Text()[static_cast<std::size_t>(at)], x);
        if (2 * across < x + next) {  // nearer the character's left edge
            if (afterWrap != nullptr) *afterWrap = false;
            return at;
        }
        x = next;
    }
    if (afterWrap != nullptr) *afterWrap = IsWrapped(*this, line);
    return l.start + l.length;
}

int EditState::PositionOnLine(HWND window, int line, int x, bool* afterWrap) {
    return PositionAt(window, POINT{format.left + x - xOffset, format.top + (line - firstLine) * lineHeight},
                      afterWrap);
}

void ClampScroll(EditState& state) {
    const int lines = static_cast<int>(state.lines.size());
    state.firstLine = std::clamp(state.firstLine, 0, std::max(0, lines - VisibleLines(state)));
    state.xOffset = std::max(0, state.xOffset);
}

void ScrollToCaret(HWND window, EditState& state) {
    if (IsMultiLine(StyleOf(window))) {
        const int line = CaretLine(state);
        const int visible = VisibleLines(state);
        if (line < state.firstLine) state.firstLine = line;
        if (line >= state.firstLine + visible) state.firstLine = line - visible + 1;
    }
    if (state.ScrollsSideways(window)) {
        // The view jumps a quarter of its width past the caret, so typing does not scroll at every key.
        const int x = UnscrolledX(window, state, state.text.Caret(), state.afterWrap);
        const int width = std::max(1, FormatWidth(state));
        if (x < state.xOffset) state.xOffset = x - width / 4;
        if (x >= state.xOffset + width) state.xOffset = x - width + width / 4;
    } else {
        state.xOffset = 0;
    }
    ClampScroll(state);
}

void UpdateScrollBars(HWND window, const EditState& state) {
    const DWORD style = StyleOf(window);
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    if (style & WS_VSCROLL) {
        info.nMax = static_cast<int>(state.lines.size()) - 1;
        info.nPage = static_cast<UINT>(VisibleLines(state));
        info.nPos = state.firstLine;
        SetScrollInfo(window, SB_VERT, &info, TRUE);
    }
    if (style & WS_HSCROLL) {
        info.nMax = std::max(1, WidestLine(state)) - 1;
        info.nPage = static_cast<UINT>(std::max(0, FormatWidth(state)));
        info.nPos = state.xOffset;
        SetScrollInfo(window, SB_HORZ, &info, TRUE);
    }
}

void PlaceCaret(HWND window, const EditState& state) {
    if (!state.focused) return;
    const POINT at = PointOf(window, state, state.text.Caret(), state.afterWrap);
    SetCaretPos(at.x, at.y);
}

void EditState::MakeCaret(HWND window) {
    CreateCaret(window, nullptr, 1, lineHeight);
    PlaceCaret(window, *this);
    ShowCaret(window);
}

void EditState::TextChanged(HWND window) { ShowNewText(window, true); }

void EditState::ShowNewText(HWND window, bool notify) {
    goalX = -1;
    LayOut(window, *this);
    ScrollToCaret(window, *this);
    UpdateScrollBars(window, *this);
    if (notify) NotifyParent(window, EN_UPDATE);
    if (!IsWindow(window)) return;
    RedrawControl(window);
    PlaceCaret(window, *this);
    if (notify) NotifyParent(window, EN_CHANGE);
}

void EditState::SelectionChanged(HWND window) {
    ScrollToCaret(window, *this);
    UpdateScrollBars(window, *this);
    RedrawControl(window);
    PlaceCaret(window, *this);
}

void ScrollTo(HWND window, EditState& state, int firstLine, int xOffset, bool notify) {
    const int oldFirst = state.firstLine, oldOffset = state.xOffset;
    state.firstLine = firstLine;
    state.xOffset = xOffset;
    ClampScroll(state);
    if (state.firstLine == oldFirst && state.xOffset == oldOffset) return;
    UpdateScrollBars(window, state);
    if (notify) {
        if (state.firstLine != oldFirst) NotifyParent(window, EN_VSCROLL);
        if (IsWindow(window) && state.xOffset != oldOffset) NotifyParent(window, EN_HSCROLL);
        if (!IsWindow(window)) return;
    }
    RedrawControl(window);
    PlaceCaret(window, state);
}

}  // namespace win::detail
