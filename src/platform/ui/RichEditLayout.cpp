// RICHEDIT controls: the layout made when needed, points and positions, scrolling, the caret, and
// showing what changed.

#include <algorithm>

#include "platform/ui/Caret.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Paint.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBars.h"

namespace win::detail {
namespace {

int MaxOffset(const RichEditState& state) { return std::max(0, state.layout.height - VisibleHeight(state)); }

void UpdateScrollBar(HWND window, const RichEditState& state) {
    if (!(StyleOf(window) & WS_VSCROLL)) return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(1, state.layout.height) - 1;
    info.nPage = static_cast<UINT>(VisibleHeight(state));
    info.nPos = state.yOffset;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void ScrollToCaret(HWND window, RichEditState& state) {
    const RichLine& line = state.layout.lines[static_cast<std::size_t>(CaretLine(window, state))];
    if (line.top + line.height > state.yOffset + VisibleHeight(state))
        state.yOffset = line.top + line.height - VisibleHeight(state);
    if (line.top < state.yOffset) state.yOffset = line.top;
}

}  // namespace

void Notify(HWND window, const RichEditState& state, WORD code) {
    const DWORD needs = code == EN_CHANGE    ? ENM_CHANGE
                        : code == EN_UPDATE  ? ENM_UPDATE
                        : code == EN_VSCROLL ? ENM_SCROLL
                                             : 0;
    if (needs == 0 || (state.eventMask & needs)) NotifyParent(window, code);
}

int VisibleHeight(const RichEditState& state) {
    return std::max(1, static_cast<int>(state.format.bottom - state.format.top));
}

const RichLayout& LaidOut(HWND window, RichEditState& state) {
    if (!state.layoutStale) return state.layout;
    state.layout = LayOutRichText(state.text, state.fonts, state.format.right - state.format.left);
    state.layoutStale = false;
    if (state.caretToBeShown) ScrollToCaret(window, state);
    state.caretToBeShown = false;
    state.yOffset = std::clamp(state.yOffset, 0, MaxOffset(state));
    UpdateScrollBar(window, state);
    return state.layout;
}

int RichEditState::LineCount(HWND window) { return static_cast<int>(LaidOut(window, *this).lines.size()); }

FieldLine RichEditState::Line(HWND window, int line) {
    const RichLayout& laid = LaidOut(window, *this);
    const RichLine& l = laid.lines[static_cast<std::size_t>(line)];
    return FieldLine{l.start, l.length, IsWrappedLine(laid, line)};
}

int RichEditState::LineOf(HWND window, int position, bool afterWrap) {
    return RichLineOf(LaidOut(window, *this), position, afterWrap);
}

int RichEditState::XOf(HWND window, int position, bool afterWrap) {
    return PointOf(window, *this, position, afterWrap).x - format.left;
}

POINT PointOf(HWND window, RichEditState& state, int position, bool afterWrap) {
    const RichLayout& layout = LaidOut(window, state);
    const RichLine& line = layout.lines[static_cast<std::size_t>(RichLineOf(layout, position, afterWrap))];
    return POINT{state.format.left + RichXOf(state.text, state.fonts, line, position),
                 state.format.top + line.top - state.yOffset};
}

int RichEditState::PositionOnLine(HWND window, int line, int x, bool* afterWrap) {
    return RichPositionAt(text, fonts, LaidOut(window, *this), line, x, afterWrap);
}

int RichEditState::PositionAt(HWND window, POINT point, bool* afterWrap) {
    const int line = RichLineAt(LaidOut(window, *this), point.y - format.top + yOffset);
    return PositionOnLine(window, line, point.x - format.left, afterWrap);
}

void PlaceCaret(HWND window, RichEditState& state) {
    if (!state.focused) return;
    const int height =
        LaidOut(window, state).lines[static_cast<std::size_t>(CaretLine(window, state))].height;
    if (height != state.caretHeight) {
        state.caretHeight = height;
        CreateCaret(window, nullptr, 1, height);
        ShowCaret(window);
    }
    const POINT at = PointOf(window, state, state.text.Caret(), state.afterWrap);
    SetCaretPos(at.x, at.y);
}

void RichEditState::MakeCaret(HWND window) {
    caretHeight = 0;  // made anew by PlaceCaret
    PlaceCaret(window, *this);
}

void Refresh(HWND window, RichEditState& state, bool text, bool showCaret) {
    if (text) state.layoutStale = true;
    if (showCaret) state.caretToBeShown = true;
    // A hidden control is laid out when it is next drawn or asked about its lines.
    if (!IsWindowVisible(window)) {
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    if (showCaret && !state.layoutStale) {
        ScrollToCaret(window, state);
        UpdateScrollBar(window, state);
    }
    LaidOut(window, state);
    if (text) Notify(window, state, EN_UPDATE);
    if (!IsWindow(window)) return;
    RedrawControl(window);
    PlaceCaret(window, state);
}

void ScrollTo(HWND window, RichEditState& state, int yOffset) {
    LaidOut(window, state);
    yOffset = std::clamp(yOffset, 0, MaxOffset(state));
    if (yOffset == state.yOffset) return;
    state.yOffset = yOffset;
    UpdateScrollBar(window, state);
    Notify(window, state, EN_VSCROLL);
    if (!IsWindow(window)) return;
    RedrawControl(window);
    PlaceCaret(window, state);
}

void RichEditState::TextChanged(HWND window) {
    goalX = -1;
    Refresh(window, *this, true, true);
    if (IsWindow(window)) Notify(window, *this, EN_CHANGE);
}

void RichEditState::SelectionChanged(HWND window) { Refresh(window, *this, false, true); }

}  // namespace win::detail
