// EDIT controls: the EM_ messages only EDIT answers.

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

LRESULT OnEditMessage(HWND window, EditState& state, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled) {
    const DWORD style = StyleOf(window);
    EditText& text = state.text;
    const int index = static_cast<int>(wParam);
    handled = true;
    switch (message) {
        case EM_SETSEL: {
            int anchor = static_cast<int>(wParam), caret = static_cast<int>(lParam);
            if (anchor == -1) {
                anchor = caret = text.Caret();
            } else {
                if (anchor < 0) anchor = text.Length();
                if (caret < 0) caret = text.Length();
            }
            state.goalX = -1;
            SelectText(window, state, anchor, caret);
            return TRUE;
        }
        case EM_GETRECT:
            if (auto* out = reinterpret_cast<RECT*>(lParam)) *out = state.format;
            return 0;
        case EM_SETRECT:
        case EM_SETRECTNP:
            SetFormat(window, state, reinterpret_cast<const RECT*>(lParam), message == EM_SETRECT);
            return 0;
        case EM_LINELENGTH:
            if (index == -1) return UnselectedOnSelectedLines(state);
            return Line(state, LineOf(state, std::clamp(index, 0, text.Length()), false)).length;
        case EM_GETLINE: return GetLine(state, style, index, reinterpret_cast<char*>(lParam));
        case EM_LIMITTEXT:
            text.SetLimit(wParam == 0 || wParam > static_cast<WPARAM>(INT_MAX - 1) ? INT_MAX - 1 : index);
            return 0;
        case EM_GETLIMITTEXT: return text.Limit();
        case EM_SCROLL: return ScrollByRequest(window, state, wParam);
        case EM_EMPTYUNDOBUFFER: text.EmptyUndo(); return 0;
        case EM_GETFIRSTVISIBLELINE:
            return IsMultiLine(style) ? state.firstLine : FirstVisibleCharacter(state);
        default: handled = false; return 0;
    }
}

}  // namespace win::detail
