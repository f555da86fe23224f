// EDIT and RICHEDIT controls: typing, the editing and moving keys, and selecting with the mouse
// (going on a line or a character at a time while the mouse is held outside the text).

#include <algorithm>
#include <string>

#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

// Selects on while the mouse is held outside the text; an id no program uses.
constexpr UINT_PTR kSelectionTimer = 0xED17;
constexpr UINT kSelectionInterval = 100;

bool IsDown(int key) { return GetKeyState(key) < 0; }

// Types a text over the selection; refused with the bell in a read-only field.
void Type(HWND window, TextField& field, std::string_view text) {
    if (IsReadOnly(window)) {
        MessageBeep(0);
        return;
    }
    ReplaceSelection(window, field, text, true, true, true);
}

// Deletes the selection, or the character on one side of the caret.
void Delete(HWND window, TextField& field, bool before) {
    if (IsReadOnly(window)) {
        MessageBeep(0);
        return;
    }
    const EditText& text = field.Plain();
    if (text.Selection().empty()) {
        const int caret = text.Caret();
        field.Select(caret, before ? text.Before(caret) : text.After(caret));
    }
    ReplaceSelection(window, field, "", true, true);
}

// Moves the caret, taking the selection along with Shift.
void MoveTo(HWND window, TextField& field, int position, bool afterWrap, bool keepGoal) {
    if (!keepGoal) field.goalX = -1;
    SelectText(window, field, IsDown(VK_SHIFT) ? field.Plain().Anchor() : position, position, afterWrap);
}

// Up and down: lines away, at the same distance across.
void MoveByLines(HWND window, TextField& field, int lines) {
    MoveCaretToLine(window, field,
                    std::clamp(CaretLine(window, field) + lines, 0, field.LineCount(window) - 1));
}

}  // namespace

void MoveCaretToLine(HWND window, TextField& field, int line) {
    if (field.goalX < 0) field.goalX = field.XOf(window, field.Plain().Caret(), field.afterWrap);
    bool afterWrap = false;
    const int position = field.PositionOnLine(window, line, field.goalX, &afterWrap);
    MoveTo(window, field, position, afterWrap, true);
}

void OnFieldChar(HWND window, TextField& field, char c) {
    switch (c) {
        // Ctrl+A selects the whole text.
        case '\x01':
            field.goalX = -1;
            SelectText(window, field, 0, field.Plain().Length());
            return;
        // The clipboard keys and Undo come back as the messages, which a subclass sees.
        case '\x03': SendMessageA(window, WM_COPY, 0, 0); return;
        case '\x16': SendMessageA(window, WM_PASTE, 0, 0); return;
        case '\x18': SendMessageA(window, WM_CUT, 0, 0); return;
        case '\x1A': SendMessageA(window, WM_UNDO, 0, 0); return;
        case '\b': Delete(window, field, true); return;
        case '\r':
        case '\n':
            if (field.MultiLine(window)) Type(window, field, "\r\n");
            return;
        case '\t':
            if (field.MultiLine(window)) Type(window, field, "\t");
            return;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != '\x7F') Type(window, field, std::string(1, c));
            return;
    }
}

bool OnFieldKeyDown(HWND window, TextField& field, WPARAM key) {
    const bool control = IsDown(VK_CONTROL), shift = IsDown(VK_SHIFT);
    const bool multiLine = field.MultiLine(window);
    const EditText& text = field.Plain();
    const int caret = text.Caret();
    switch (key) {
        case VK_LEFT:
            MoveTo(window, field, control ? text.PreviousWord(caret) : text.Before(caret), false, false);
            return true;
        case VK_RIGHT:
            MoveTo(window, field, control ? text.NextWord(caret) : text.After(caret), false, false);
            return true;
        case VK_UP:
        case VK_DOWN:
            if (!multiLine) return OnFieldKeyDown(window, field, key == VK_UP ? VK_LEFT : VK_RIGHT);
            MoveByLines(window, field, key == VK_UP ? -1 : 1);
            return true;
        case VK_PRIOR:
        case VK_NEXT:
            if (multiLine) field.MoveByPage(window, key == VK_PRIOR ? -1 : 1);
            return true;
        case VK_HOME:
            MoveTo(window, field, control ? 0 : field.Line(window, CaretLine(window, field)).start, false,
                   false);
            return true;
        case VK_END: {
            if (control) {
                MoveTo(window, field, text.Length(), false, false);
                return true;
            }
            const FieldLine line = field.Line(window, CaretLine(window, field));
            MoveTo(window, field, line.start + line.length, line.wrapped, false);
            return true;
        }
        case VK_DELETE:
            if (shift) {
                SendMessageA(window, WM_CUT, 0, 0);
            } else {
                Delete(window, field, false);
            }
            return true;
        case VK_INSERT:
            if (control) SendMessageA(window, WM_COPY, 0, 0);
            if (shift && IsWindow(window)) SendMessageA(window, WM_PASTE, 0, 0);
            return true;
        default: return false;
    }
}

void OnFieldButtonDown(HWND window, TextField& field, POINT point, bool doubleClick) {
    if (!field.focused) SetFocus(window);
    if (!IsWindow(window)) return;
    bool afterWrap = false;
    const int position = field.PositionAt(window, point, &afterWrap);
    if (doubleClick) {
        const auto [start, end] = field.Plain().WordAt(position);
        field.Select(start, end);
        field.afterWrap = false;
    } else {
        field.Select(IsDown(VK_SHIFT) ? field.Plain().Anchor() : position, position);
        field.afterWrap = afterWrap;
    }
    field.goalX = -1;
    field.selecting = true;
    SetCapture(window);
    SetTimer(window, kSelectionTimer, kSelectionInterval, nullptr);
    field.SelectionChanged(window);
}

void OnFieldMouseMove(HWND window, TextField& field, POINT point) {
    if (!field.selecting || GetCapture() != window) return;
    bool afterWrap = false;
    const int position = field.PositionAt(window, point, &afterWrap);
    if (position == field.Plain().Caret() && afterWrap == field.afterWrap) return;
    SelectText(window, field, field.Plain().Anchor(), position, afterWrap);
}

void OnFieldButtonUp(HWND window, TextField& field) {
    if (!field.selecting) return;
    field.selecting = false;
    KillTimer(window, kSelectionTimer);
    if (GetCapture() == window) ReleaseCapture();
}

void OnFieldTimer(HWND window, TextField& field, UINT_PTR id) {
    if (id != kSelectionTimer || !field.selecting) return;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    const RECT& format = field.format;
    const EditText& text = field.Plain();
    const int caret = text.Caret();
    bool afterWrap = false;
    int position = caret;
    if (point.y < format.top || point.y >= format.bottom) {
        // Above or below the text: a line further each time.
        const int line = std::clamp(CaretLine(window, field) + (point.y < format.top ? -1 : 1), 0,
                                    field.LineCount(window) - 1);
        position = field.PositionOnLine(window, line, point.x - format.left + field.ScrollX(), &afterWrap);
    } else if (field.ScrollsSideways(window)) {
        // Beside the text of a field that scrolls sideways: a character further each time.
        if (point.x < format.left) position = text.Before(caret);
        if (point.x >= format.right) position = text.After(caret);
    }
    if (position != caret) SelectText(window, field, text.Anchor(), position, afterWrap);
}

}  // namespace win::detail
