// EDIT controls: changing the text, through the limits the control keeps, and the clipboard.

#include <cstring>
#include <new>
#include <optional>

#include "platform/sys/Cp1252.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Edit.h"

namespace win::detail {
namespace {

bool IsReadOnly(HWND window) { return (StyleOf(window) & ES_READONLY) != 0; }

// A field that does not scroll holds only what it shows: one line within its width, or the lines
// that fit its height.
bool HoldsOnlyWhatItShows(DWORD style) {
    return IsMultiLine(style) ? !(style & ES_AUTOVSCROLL) : !(style & ES_AUTOHSCROLL);
}

bool ShowsAll(const EditState& state, DWORD style) {
    if (IsMultiLine(style)) return static_cast<int>(state.lines.size()) <= VisibleLines(state);
    return state.measure.After(state.text.Text(), 0) <= state.format.right - state.format.left;
}

std::string AsStyled(DWORD style, std::string_view text) {
    std::string result(text);
    if (style & ES_UPPERCASE) {
        for (char& c : result) c = Cp1252ToUpper(c);
    }
    return result;
}

}  // namespace

bool ReplaceSelection(HWND window, EditState& state, std::string_view text, bool undoable, bool typing) {
    const DWORD style = StyleOf(window);
    std::optional<EditText> before;
    if (HoldsOnlyWhatItShows(style)) before = state.text;
    EditText::Replacement result;
    try {
        result = state.text.Replace(AsStyled(style, text), undoable, typing);
    } catch (const std::bad_alloc&) {
        NotifyParent(window, EN_ERRSPACE);
        return false;
    }
    if (before && result.changed) {
        LayOut(window, state);
        if (!ShowsAll(state, style)) {
            state.text = *before;
            LayOut(window, state);
            result = EditText::Replacement{false, true};
        }
    }
    if (result.cut) NotifyParent(window, EN_MAXTEXT);
    if (!result.changed || !IsWindow(window)) return false;
    state.afterWrap = false;
    TextChanged(window, state);
    return true;
}

bool CopySelection(HWND window, const EditState& state) {
    const std::string_view selection = state.text.Selection();
    if (selection.empty() || !OpenClipboard(window)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, selection.size() + 1);
    if (auto* bytes = static_cast<char*>(GlobalLock(memory))) {
        std::memcpy(bytes, selection.data(), selection.size());
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
    return memory != nullptr;
}

bool CutSelection(HWND window, EditState& state) {
    if (IsReadOnly(window) || !CopySelection(window, state)) return false;
    return ReplaceSelection(window, state, "", true, false);
}

bool Paste(HWND window, EditState& state) {
    if (IsReadOnly(window) || !OpenClipboard(window)) return false;
    std::string text;
    const auto memory = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
    if (const auto* bytes = static_cast<const char*>(GlobalLock(memory))) {
        text.assign(bytes, strnlen(bytes, GlobalSize(memory)));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return !text.empty() && ReplaceSelection(window, state, text, true, false);
}

bool ClearSelection(HWND window, EditState& state) {
    if (IsReadOnly(window) || state.text.Selection().empty()) return false;
    return ReplaceSelection(window, state, "", true, false);
}

bool UndoLast(HWND window, EditState& state) {
    if (IsReadOnly(window) || !state.text.Undo()) return false;
    state.afterWrap = false;
    TextChanged(window, state);
    return true;
}

void SetWholeText(HWND window, EditState& state, const char* text) {
    state.text.Reset(AsStyled(StyleOf(window), text != nullptr ? text : ""));
    state.firstLine = 0;
    state.xOffset = 0;
    state.afterWrap = false;
    TextChanged(window, state);
}

}  // namespace win::detail
