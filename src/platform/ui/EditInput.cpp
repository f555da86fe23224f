// EDIT controls: typing, the editing and moving keys, selecting with the mouse (scrolling while the
// mouse is outside), and the control's own scroll bars.

#include <algorithm>
#include <string>

#include "platform/sys/Bell.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

// Scrolls on while the mouse selects outside the text; an id no program uses.
constexpr UINT_PTR kSelectionTimer = 0xED17;
constexpr UINT kSelectionInterval = 100;

bool IsReadOnly(HWND window) { return (StyleOf(window) & ES_READONLY) != 0; }
bool IsDown(int key) { return GetKeyState(key) < 0; }

// Types a text over the selection; refused with the bell in a read-only field.
void Type(HWND window, EditState& state, std::string_view text) {
    if (IsReadOnly(window)) {
        MessageBeep(0);
        return;
    }
    ReplaceSelection(window, state, text, true, true);
}

// Deletes the selection, or the character on one side of the caret.
void Delete(HWND window, EditState& state, bool before) {
    if (IsReadOnly(window)) {
        MessageBeep(0);
        return;
    }
    EditText& text = state.text;
    if (text.Selection().empty()) {
        const int caret = text.Caret();
        text.Select(caret, before ? text.Before(caret) : text.After(caret));
    }
    ReplaceSelection(window, state, "", true, false);
}

int CaretX(HWND window, const EditState& state) {
    return PointOf(window, state, state.text.Caret(), state.afterWrap).x - state.format.left + state.xOffset;
}

// The position on a line nearest to an unscrolled x.
int PositionOnLine(HWND window, const EditState& state, int line, int x, bool* afterWrap) {
    const int height = state.lineHeight;
    const POINT point{state.format.left + x - state.xOffset,
                      state.format.top + (line - state.firstLine) * height};
    return PositionAt(window, state, point, afterWrap);
}

// Moves the caret, taking the selection along with Shift.
void MoveTo(HWND window, EditState& state, int position, bool afterWrap, bool keepGoal) {
    state.text.Select(IsDown(VK_SHIFT) ? state.text.Anchor() : position, position);
    state.afterWrap = afterWrap;
    if (!keepGoal) state.goalX = -1;
    SelectionChanged(window, state);
}

// Up, down, page up and page down in a multi-line field: lines away, at the same distance across.
void MoveByLines(HWND window, EditState& state, int lines, bool scrollToo) {
    const int last = static_cast<int>(state.lines.size()) - 1;
    const int from = CaretLine(state);
    const int line = std::clamp(from + lines, 0, last);
    if (state.goalX < 0) state.goalX = CaretX(window, state);
    if (scrollToo) {
        state.firstLine += line - from;
        ClampScroll(state);
    }
    bool afterWrap = false;
    const int position = PositionOnLine(window, state, line, state.goalX, &afterWrap);
    MoveTo(window, state, position, afterWrap, true);
}

}  // namespace

void OnEditChar(HWND window, EditState& state, char c) {
    const bool multiLine = IsMultiLine(StyleOf(window));
    switch (c) {
        case '\x03': CopySelection(window, state); return;
        case '\x16': Paste(window, state); return;
        case '\x18': CutSelection(window, state); return;
        case '\x1A': UndoLast(window, state); return;
        case '\b': Delete(window, state, true); return;
        case '\r':
        case '\n':
            if (multiLine) Type(window, state, "\r\n");
            return;
        case '\t':
            if (multiLine) Type(window, state, "\t");
            return;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != '\x7F') Type(window, state, std::string(1, c));
            return;
    }
}

bool OnEditKeyDown(HWND window, EditState& state, WPARAM key) {
    const bool control = IsDown(VK_CONTROL), shift = IsDown(VK_SHIFT);
    const bool multiLine = IsMultiLine(StyleOf(window));
    const EditText& text = state.text;
    const int caret = text.Caret();
    switch (key) {
        case VK_LEFT:
            MoveTo(window, state, control ? text.PreviousWord(caret) : text.Before(caret), false, false);
            return true;
        case VK_RIGHT:
            MoveTo(window, state, control ? text.NextWord(caret) : text.After(caret), false, false);
            return true;
        case VK_UP:
        case VK_DOWN:
            if (!multiLine) return OnEditKeyDown(window, state, key == VK_UP ? VK_LEFT : VK_RIGHT);
            MoveByLines(window, state, key == VK_UP ? -1 : 1, false);
            return true;
        case VK_PRIOR:
        case VK_NEXT:
            if (multiLine) MoveByLines(window, state, (key == VK_PRIOR ? -1 : 1) * VisibleLines(state), true);
            return true;
        case VK_HOME: {
            const int line = CaretLine(state);
            MoveTo(window, state, control ? 0 : state.lines[static_cast<std::size_t>(line)].start, false,
                   false);
            return true;
        }
        case VK_END: {
            if (control) {
                MoveTo(window, state, text.Length(), false, false);
                return true;
            }
            const int line = CaretLine(state);
            const WrappedLine& l = state.lines[static_cast<std::size_t>(line)];
            const bool wrapped =
                line + 1 < static_cast<int>(state.lines.size()) && l.start + l.length == l.next;
            MoveTo(window, state, l.start + l.length, wrapped, false);
            return true;
        }
        case VK_DELETE:
            if (shift) {
                CutSelection(window, state);
            } else {
                Delete(window, state, false);
            }
            return true;
        case VK_INSERT:
            if (control) CopySelection(window, state);
            if (shift) Paste(window, state);
            return true;
        default: return false;
    }
}

void OnEditButtonDown(HWND window, EditState& state, POINT point, bool doubleClick) {
    if (!state.focused) SetFocus(window);
    if (!IsWindow(window)) return;
    bool afterWrap = false;
    const int position = PositionAt(window, state, point, &afterWrap);
    if (doubleClick) {
        const auto [start, end] = state.text.WordAt(position);
        state.text.Select(start, end);
        state.afterWrap = false;
    } else {
        state.text.Select(IsDown(VK_SHIFT) ? state.text.Anchor() : position, position);
        state.afterWrap = afterWrap;
    }
    state.goalX = -1;
    state.selecting = true;
    SetCapture(window);
    SetTimer(window, kSelectionTimer, kSelectionInterval, nullptr);
    SelectionChanged(window, state);
}

void OnEditMouseMove(HWND window, EditState& state, POINT point) {
    if (!state.selecting || GetCapture() != window) return;
    bool afterWrap = false;
    const int position = PositionAt(window, state, point, &afterWrap);
    if (position == state.text.Caret() && afterWrap == state.afterWrap) return;
    state.text.Select(state.text.Anchor(), position);
    state.afterWrap = afterWrap;
    SelectionChanged(window, state);
}

void OnEditButtonUp(HWND window, EditState& state) {
    if (!state.selecting) return;
    state.selecting = false;
    KillTimer(window, kSelectionTimer);
    if (GetCapture() == window) ReleaseCapture();
}

void OnEditTimer(HWND window, EditState& state, UINT_PTR id) {
    if (id != kSelectionTimer || !state.selecting) return;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    const RECT& format = state.format;
    const int caret = state.text.Caret();
    bool afterWrap = false;
    int position = caret;
    if (point.y < format.top || point.y >= format.bottom) {
        // Above or below the text: a line further each time.
        const int line = std::clamp(CaretLine(state) + (point.y < format.top ? -1 : 1), 0,
                                    static_cast<int>(state.lines.size()) - 1);
        position = PositionOnLine(window, state, line, point.x - format.left + state.xOffset, &afterWrap);
        if (position == caret) return;
        state.text.Select(state.text.Anchor(), position);
        state.afterWrap = afterWrap;
        SelectionChanged(window, state);
        return;
    }
    // Beside the text: a character further each time.
    if (point.x < format.left) position = state.text.Before(caret);
    if (point.x >= format.right) position = state.text.After(caret);
    if (position == caret) return;
    state.text.Select(state.text.Anchor(), position);
    state.afterWrap = false;
    SelectionChanged(window, state);
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
