// EDIT controls: the control's own scroll bars, and paging through a multi-line field.

#include <algorithm>

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

void OnEditScroll(HWND window, EditState& state, bool vertical, WORD request) {
    const int page = vertical ? VisibleLines(state) : std::max(1, state.format.right - state.format.left);
    const int line = vertical ? 1 : std::max(1, state.measure.Width('x'));
    const int now = vertical ? state.firstLine : state.xOffset;
    int to = now;
    switch (request) {
        case SB_LINEUP: to = now - line; break;
        case SB_LINEDOWN: to = now + line; break;
        case SB_PAGEUP: to = now - page; break;
        case SB_PAGEDOWN: to = now + page; break;
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
