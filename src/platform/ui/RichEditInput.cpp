// RICHEDIT controls: typing, the editing and moving keys, selecting with the mouse (scrolling
// while the mouse is outside), and the vertical scroll bar.

#include <algorithm>
#include <string>

#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace win::detail {
namespace {

// Scrolls on while the mouse selects outside the text; an id no program uses.
constexpr UINT_PTR kSelectionTimer = 0xED18;
constexpr UINT kSelectionInterval = 100;

bool IsDown(int key) { return GetKeyState(key) < 0; }

void Type(HWND window, RichEditState& state, std::string_view text) {
    if (IsReadOnly(window)) {
        MessageBeep(0);
        return;
    }
    ReplaceRichSelection(window, state, text, true, true, true);
}

void Delete(HWND window, RichEditState& state, bool before) {
    if (IsReadOnly(window)) {
        MessageBeep(0);
        return;
    }
    if (state.text.SelectionStart() == state.text.SelectionEnd()) {
        const EditText& plain = state.text.Plain();
        const int caret = plain.Caret();
        state.text.Select(caret, before ? plain.Before(caret) : plain.After(caret));
    }
    ReplaceRichSelection(window, state, "", true, true);
}

// Moves the caret, taking the selection along with Shift.
void MoveTo(HWND window, RichEditState& state, int position, bool afterWrap, bool keepGoal) {
    if (!keepGoal) state.goalX = -1;
    SelectRich(window, state, IsDown(VK_SHIFT) ? state.text.Anchor() : position, position, afterWrap);
}

int PositionOnLine(HWND window, RichEditState& state, int line, int x, bool* afterWrap) {
    return RichPositionAt(state.text, state.fonts, LaidOut(window, state), line, x, afterWrap);
}

// Up and down: lines away, at the same distance across.
void MoveByLines(HWND window, RichEditState& state, int lines) {
    const RichLayout& layout = LaidOut(window, state);
    const int from = CaretLine(window, state);
    const int line = std::clamp(from + lines, 0, static_cast<int>(layout.lines.size()) - 1);
    if (state.goalX < 0)
        state.goalX = PointOf(window, state, state.text.Caret(), state.afterWrap).x - state.format.left;
    bool afterWrap = false;
    const int position = PositionOnLine(window, state, line, state.goalX, &afterWrap);
    MoveTo(window, state, position, afterWrap, true);
}

// Page up and down: the view moves a page, and the caret with it.
void MoveByPage(HWND window, RichEditState& state, int direction) {
    const RichLayout& layout = LaidOut(window, state);
    const RichLine& caret = layout.lines[static_cast<std::size_t>(CaretLine(window, state))];
    const int page = VisibleHeight(state);
    ScrollTo(window, state, state.yOffset + direction * page);
    if (state.goalX < 0)
        state.goalX = PointOf(window, state, state.text.Caret(), state.afterWrap).x - state.format.left;
    const int line = RichLineAt(layout, caret.top + direction * page);
    bool afterWrap = false;
    const int position = PositionOnLine(window, state, line, state.goalX, &afterWrap);
    MoveTo(window, state, position, afterWrap, true);
}

}  // namespace

void OnRichChar(HWND window, RichEditState& state, char c) {
    switch (c) {
        case '\x03': CopyRichSelection(window, state); return;
        case '\x16': PasteRich(window, state); return;
        case '\x18': CutRichSelection(window, state); return;
        case '\x1A': UndoRich(window, state); return;
        case '\b': Delete(window, state, true); return;
        case '\r':
        case '\n': Type(window, state, "\r\n"); return;
        case '\t': Type(window, state, "\t"); return;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != '\x7F') Type(window, state, std::string(1, c));
            return;
    }
}

bool OnRichKeyDown(HWND window, RichEditState& state, WPARAM key) {
    const bool control = IsDown(VK_CONTROL), shift = IsDown(VK_SHIFT);
    const EditText& plain = state.text.Plain();
    const int caret = plain.Caret();
    switch (key) {
        case VK_LEFT:
            MoveTo(window, state, control ? plain.PreviousWord(caret) : plain.Before(caret), false, false);
            return true;
        case VK_RIGHT:
            MoveTo(window, state, control ? plain.NextWord(caret) : plain.After(caret), false, false);
            return true;
        case VK_UP:
        case VK_DOWN: MoveByLines(window, state, key == VK_UP ? -1 : 1); return true;
        case VK_PRIOR:
        case VK_NEXT: MoveByPage(window, state, key == VK_PRIOR ? -1 : 1); return true;
        case VK_HOME: {
            const int line = CaretLine(window, state);
            MoveTo(window, state, control ? 0 : state.layout.lines[static_cast<std::size_t>(line)].start,
                   false, false);
            return true;
        }
        case VK_END: {
            if (control) {
                MoveTo(window, state, plain.Length(), false, false);
                return true;
            }
            const int line = CaretLine(window, state);
            const RichLine& l = state.layout.lines[static_cast<std::size_t>(line)];
            MoveTo(window, state, l.start + l.length, IsWrappedLine(state.layout, line), false);
            return true;
        }
        case VK_DELETE:
            if (shift) {
                CutRichSelection(window, state);
            } else {
                Delete(window, state, false);
            }
            return true;
        case VK_INSERT:
            if (control) CopyRichSelection(window, state);
            if (shift) PasteRich(window, state);
            return true;
        default: return false;
    }
}

void OnRichButtonDown(HWND window, RichEditState& state, POINT point, bool doubleClick) {
    if (!state.focused) SetFocus(window);
    if (!IsWindow(window)) return;
    bool afterWrap = false;
    const int position = PositionAt(window, state, point, &afterWrap);
    state.goalX = -1;
    state.selecting = true;
    SetCapture(window);
    SetTimer(window, kSelectionTimer, kSelectionInterval, nullptr);
    if (doubleClick) {
        const auto [start, end] = state.text.Plain().WordAt(position);
        SelectRich(window, state, start, end);
    } else {
        SelectRich(window, state, IsDown(VK_SHIFT) ? state.text.Anchor() : position, position, afterWrap);
    }
}

void OnRichMouseMove(HWND window, RichEditState& state, POINT point) {
    if (!state.selecting || GetCapture() != window) return;
    bool afterWrap = false;
    const int position = PositionAt(window, state, point, &afterWrap);
    if (position == state.text.Caret() && afterWrap == state.afterWrap) return;
    SelectRich(window, state, state.text.Anchor(), position, afterWrap);
}

void OnRichButtonUp(HWND window, RichEditState& state) {
    if (!state.selecting) return;
    state.selecting = false;
    KillTimer(window, kSelectionTimer);
    if (GetCapture() == window) ReleaseCapture();
}

void OnRichTimer(HWND window, RichEditState& state, UINT_PTR id) {
    if (id != kSelectionTimer || !state.selecting) return;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    if (point.y >= state.format.top && point.y < state.format.bottom) return;
    // Above or below the text: a line further each time.
    const RichLayout& layout = LaidOut(window, state);
    const int line = std::clamp(CaretLine(window, state) + (point.y < state.format.top ? -1 : 1), 0,
                                static_cast<int>(layout.lines.size()) - 1);
    bool afterWrap = false;
    const int position = PositionOnLine(window, state, line, point.x - state.format.left, &afterWrap);
    if (position != state.text.Caret()) SelectRich(window, state, state.text.Anchor(), position, afterWrap);
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
