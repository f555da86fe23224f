// EDIT controls: the EM_ messages.

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"

namespace win::detail {
namespace {

const WrappedLine& Line(const EditState& state, int line) {
    return state.lines[static_cast<std::size_t>(line)];
}

// The characters on the selection's lines that are not selected.
int UnselectedOnSelectedLines(const EditState& state) {
    const EditText& text = state.text;
    const WrappedLine& first = Line(state, LineOf(state, text.SelectionStart(), false));
    const WrappedLine& last = Line(state, LineOf(state, text.SelectionEnd(), false));
    return (text.SelectionStart() - first.start) +
           std::max(0, last.start + last.length - text.SelectionEnd());
}

int GetLine(const EditState& state, DWORD style, int line, char* buffer) {
    if (buffer == nullptr) return 0;
    WORD size = 0;
    std::memcpy(&size, buffer, sizeof size);
    if (!IsMultiLine(style)) line = 0;
    if (line < 0 || line >= static_cast<int>(state.lines.size())) return 0;
    const WrappedLine& l = Line(state, line);
    const int count = std::min<int>(l.length, size);
    std::memcpy(buffer, state.text.Text().data() + l.start, static_cast<std::size_t>(count));
    return count;
}

void SetFormat(HWND window, EditState& state, const RECT* rect, bool redraw) {
    if (rect != nullptr) {
        state.format = *rect;
    } else {
        GetClientRect(window, &state.format);
    }
    state.formatGiven = rect != nullptr;
    LayOut(window, state);
    ScrollToCaret(window, state);
    UpdateScrollBars(window, state);
    if (redraw) RedrawControl(window);
    PlaceCaret(window, state);
}

// The first character a single-line field shows.
int FirstVisibleCharacter(const EditState& state) {
    int x = 0;
    for (int at = 0; at < state.text.Length(); ++at) {
        if (x >= state.xOffset) return at;
        x = state.measure.After(state.text.Text()[static_cast<std::size_t>(at)], x);
    }
    return state.text.Length();
}

}  // namespace

LRESULT OnEditMessage(HWND window, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD style = StyleOf(window);
    EditText& text = state.text;
    const int index = static_cast<int>(wParam);
    switch (message) {
        case EM_GETSEL: {
            const auto start = static_cast<DWORD>(text.SelectionStart()),
                       end = static_cast<DWORD>(text.SelectionEnd());
            if (auto* out = reinterpret_cast<DWORD*>(wParam)) *out = start;
            if (auto* out = reinterpret_cast<DWORD*>(lParam)) *out = end;
            return start > 0xFFFF || end > 0xFFFF
                       ? -1
                       : MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end));
        }
        case EM_SETSEL: {
            int anchor = static_cast<int>(wParam), caret = static_cast<int>(lParam);
            if (anchor == -1) {
                anchor = caret = text.Caret();
            } else {
                if (anchor < 0) anchor = text.Length();
                if (caret < 0) caret = text.Length();
            }
            text.Select(anchor, caret);
            state.afterWrap = false;
            state.goalX = -1;
            SelectionChanged(window, state);
            return TRUE;
        }
        case EM_GETRECT:
            if (auto* out = reinterpret_cast<RECT*>(lParam)) *out = state.format;
            return 0;
        case EM_SETRECT:
        case EM_SETRECTNP:
            SetFormat(window, state, reinterpret_cast<const RECT*>(lParam), message == EM_SETRECT);
            return 0;
        case EM_SCROLLCARET: SelectionChanged(window, state); return TRUE;
        case EM_GETMODIFY: return text.Modified() ? TRUE : FALSE;
        case EM_SETMODIFY: text.SetModified(wParam != 0); return 0;
        case EM_GETLINECOUNT: return static_cast<LRESULT>(state.lines.size());
        case EM_LINEINDEX: {
            const int line = index == -1 ? CaretLine(state) : index;
            if (line < 0 || line >= static_cast<int>(state.lines.size())) return -1;
            return Line(state, line).start;
        }
        case EM_LINELENGTH:
            if (index == -1) return UnselectedOnSelectedLines(state);
            return Line(state, LineOf(state, std::clamp(index, 0, text.Length()), false)).length;
        case EM_LINEFROMCHAR:
            if (index == -1) {
                return text.Selection().empty() ? CaretLine(state)
                                                : LineOf(state, text.SelectionStart(), false);
            }
            return LineOf(state, std::clamp(index, 0, text.Length()), false);
        case EM_REPLACESEL: {
            const char* replacement = reinterpret_cast<const char*>(lParam);
            ReplaceSelection(window, state, replacement != nullptr ? replacement : "", wParam != 0, false);
            return 0;
        }
        case EM_GETLINE: return GetLine(state, style, index, reinterpret_cast<char*>(lParam));
        case EM_LIMITTEXT:
            text.SetLimit(wParam == 0 || wParam > static_cast<WPARAM>(INT_MAX - 1) ? INT_MAX - 1 : index);
            return 0;
        case EM_CANUNDO: return text.CanUndo() ? TRUE : FALSE;
        case EM_UNDO: return UndoLast(window, state) ? TRUE : FALSE;
        case EM_EMPTYUNDOBUFFER: text.EmptyUndo(); return 0;
        case EM_GETFIRSTVISIBLELINE:
            return IsMultiLine(style) ? state.firstLine : FirstVisibleCharacter(state);
        case EM_SETREADONLY:
            SetWindowLongPtrA(window, GWL_STYLE, wParam ? style | ES_READONLY : style & ~ES_READONLY);
            RedrawControl(window);
            return TRUE;
        default: return 0;
    }
}

}  // namespace win::detail
