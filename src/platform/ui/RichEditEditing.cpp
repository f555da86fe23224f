// RICHEDIT controls: changing the text and the selection, and the clipboard. What the user types
// and pastes is held to the limit; what the program inserts is not.

#include <new>

#include "platform/ui/ClipboardText.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/RichEdit.h"

namespace win::detail {

bool ReplaceRichSelection(HWND window, RichEditState& state, std::string_view text, bool undoable,
                          bool byUser, bool typing) {
    EditText::Replacement result;
    try {
        result = state.text.Replace(text, undoable, typing, byUser ? state.limit : INT_MAX);
    } catch (const std::bad_alloc&) {
        NotifyParent(window, EN_ERRSPACE);
        return false;
    }
    if (result.cut) NotifyParent(window, EN_MAXTEXT);
    if (!result.changed || !IsWindow(window)) return false;
    state.afterWrap = false;
    state.goalX = -1;
    Refresh(window, state, true, true);
    if (IsWindow(window)) Notify(window, state, EN_CHANGE);
    return true;
}

bool CopyRichSelection(HWND window, const RichEditState& state) {
    const std::string_view selection = state.text.Plain().Selection();
    return !selection.empty() && PutClipboardText(window, selection);
}

bool CutRichSelection(HWND window, RichEditState& state) {
    if (IsReadOnly(window) || !CopyRichSelection(window, state)) return false;
    return ReplaceRichSelection(window, state, "", true, true);
}

bool PasteRich(HWND window, RichEditState& state) {
    if (IsReadOnly(window)) return false;
    const std::string text = GetClipboardText(window);
    return !text.empty() && ReplaceRichSelection(window, state, text, true, true);
}

bool ClearRichSelection(HWND window, RichEditState& state) {
    if (IsReadOnly(window) || state.text.SelectionStart() == state.text.SelectionEnd()) return false;
    return ReplaceRichSelection(window, state, "", true, true);
}

bool UndoRich(HWND window, RichEditState& state) {
    if (IsReadOnly(window) || !state.text.Undo()) return false;
    state.afterWrap = false;
    Refresh(window, state, true, true);
    if (IsWindow(window)) Notify(window, state, EN_CHANGE);
    return true;
}

void SelectRich(HWND window, RichEditState& state, int anchor, int caret, bool afterWrap) {
    state.text.Select(anchor, caret);
    state.afterWrap = afterWrap;
    Refresh(window, state, false, true);
}

}  // namespace win::detail
