// EDIT and RICHEDIT controls: changing the text and the selection, and the clipboard.

#include <algorithm>
#include <new>

#include "platform/ui/ClipboardText.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/TextField.h"

namespace win::detail {

bool IsReadOnly(HWND window) { return (StyleOf(window) & ES_READONLY) != 0; }

int CaretLine(HWND window, TextField& field) {
    return field.LineOf(window, field.Plain().Caret(), field.afterWrap);
}

bool ReplaceSelection(HWND window, TextField& field, std::string_view text, bool undoable, bool byUser,
                      bool typing) {
    EditText::Replacement result;
    try {
        result = field.Replace(window, text, undoable, byUser, typing);
    } catch (const std::bad_alloc&) {
        NotifyParent(window, EN_ERRSPACE);
        return false;
    }
    if (result.cut) NotifyParent(window, EN_MAXTEXT);
    if (!result.changed || !IsWindow(window)) return false;
    field.afterWrap = false;
    field.TextChanged(window);
    return true;
}

bool CopySelection(HWND window, const TextField& field) {
    const std::string_view selection = field.Plain().Selection();
    return !selection.empty() && PutClipboardText(window, selection);
}

bool CutSelection(HWND window, TextField& field) {
    if (IsReadOnly(window) || !CopySelection(window, field)) return false;
    return ReplaceSelection(window, field, "", true, true);
}

bool PasteText(HWND window, TextField& field, bool firstLineOnly) {
    if (IsReadOnly(window)) return false;
    std::string text = GetClipboardText(window);
    if (text.empty()) return false;
    // A first line that is empty still replaces the selection.
    if (firstLineOnly) text.erase(std::min(text.find_first_of("\r\n"), text.size()));
    return ReplaceSelection(window, field, text, true, true);
}

bool ClearSelection(HWND window, TextField& field) {
    if (IsReadOnly(window) || field.Plain().Selection().empty()) return false;
    return ReplaceSelection(window, field, "", true, true);
}

bool UndoLast(HWND window, TextField& field) {
    if (IsReadOnly(window) || !field.Undo()) return false;
    field.afterWrap = false;
    field.TextChanged(window);
    return true;
}

void SelectText(HWND window, TextField& field, int anchor, int caret, bool afterWrap) {
    field.Select(anchor, caret);
    field.afterWrap = afterWrap;
    field.SelectionChanged(window);
}

}  // namespace win::detail
