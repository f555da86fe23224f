// EDIT controls: the control's own scroll bars, and paging through a multi-line field.

#include <algorithm>

#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ScrollBars.h"

namespace win::detail {

void EditState::MoveByPage(HWND window, int direction) {
    const int from = CaretLine(*this);
    const int line =
        std::clamp(from + direction * VisibleLines(*this), 0, static_cast<int>(lines.size()) - 1);
    firstLine += line - from;
    ClampScroll(*this);
    MoveCaretToLine(window, *this, line);
}

namespace {

// How far a line or page request moves: lines down, or pixels right; 0 for another request.
int StepOf(const EditState& state, bool vertical, WORD request) {
    const int page = vertical ? VisibleLines(state) : std::max(1, state.format.right - state.format.left);
    const int line = vertical ? 1 : std::max(1, state.measure.Width('x'));
    switch (request) {
        case SB_LINEUP: return -line;
        case SB_LINEDOWN: return line;
        case SB_PAGEUP: return -page;
        case SB_PAGEDOWN: return page;
        default: return 0;
    }
}

}  // namespace

LRESULT ScrollByRequest(HWND window, EditState& state, WPARAM request) {
    if (!IsMultiLine(StyleOf(window)) || request > SB_PAGEDOWN) return FALSE;
    const int before = state.firstLine;
    ScrollTo(window, state, before + StepOf(state, true, static_cast<WORD>(request)), state.xOffset, false);
    return MAKELONG(static_cast<WORD>(state.firstLine - before), TRUE);
}

void OnEditScroll(HWND window, EditState& state, bool vertical, WORD request) {
    const int page = vertical ? VisibleLines(state) : std::max(1, state.format.right - state.format.left);
    const int now = vertical ? state.firstLine : state.xOffset;
    int to = now;
    switch (request) {
        case SB_LINEUP:
        case SB_LINEDOWN:
        case SB_PAGEUP:
        case SB_PAGEDOWN: to = now + StepOf(state, vertical, request); break;
        case SB_TOP: to = 0; break;
        case SB_BOTTOM: to = vertical ? static_cast<int>(state.lines.size()) : WidestLine(state); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(window, vertical ? SB_VERT : SB_HORZ, &info)) to = info.nTrackPos;
            break;
        }
        default: return;
    }
    if (!vertical) to = std::min(to, std::max(0, WidestLine(state) - page));
    ScrollTo(window, state, vertical ? to : state.firstLine, vertical ? state.xOffset : to, true);
}

}  // namespace win::detail
