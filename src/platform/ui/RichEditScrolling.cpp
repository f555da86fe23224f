// RICHEDIT controls: the vertical scroll bar, and paging through the text.

#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBars.h"

namespace win::detail {

// The view moves a page, and the caret with it.
void RichEditState::MoveByPage(HWND window, int direction) {
    const RichLayout& laid = LaidOut(window, *this);
    const int caretTop = laid.lines[static_cast<std::size_t>(CaretLine(window, *this))].top;
    const int page = VisibleHeight(*this);
    ScrollTo(window, *this, yOffset + direction * page);
    if (!IsWindow(window)) return;
    MoveCaretToLine(window, *this, RichLineAt(LaidOut(window, *this), caretTop + direction * page));
}

void OnRichScroll(HWND window, RichEditState& state, WORD request) {
    const RichLayout& layout = LaidOut(window, state);
    const int top = RichLineAt(layout, state.yOffset);
    const RichLine& first = layout.lines[static_cast<std::size_t>(top)];
    int to = state.yOffset;
    switch (request) {
        case SB_LINEUP:
            to = first.top < state.yOffset || top == 0 ? first.top
                                                       : layout.lines[static_cast<std::size_t>(top) - 1].top;
            break;
        case SB_LINEDOWN: to = first.top + first.height; break;
        case SB_PAGEUP: to = state.yOffset - VisibleHeight(state); break;
        case SB_PAGEDOWN: to = state.yOffset + VisibleHeight(state); break;
        case SB_TOP: to = 0; break;
        case SB_BOTTOM: to = layout.height; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(window, SB_VERT, &info)) to = info.nTrackPos;
            break;
        }
        default: return;
    }
    ScrollTo(window, state, to);
}

}  // namespace win::detail
