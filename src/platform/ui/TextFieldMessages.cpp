// EDIT and RICHEDIT controls: the EM_ messages both answer alike.

#include "platform/ui/ControlSupport.h"
#include "platform/ui/TextField.h"

namespace win::detail {
namespace {

// EM_LINEFROMCHAR: -1 is the caret's line, or the selection's first; a position past the end (as
// any other negative one is, taken unsigned) is the end.
int LineFromCharacter(HWND window, TextField& field, int position) {
    const EditText& text = field.Plain();
    if (position == -1) {
        return text.Selection().empty() ? CaretLine(window, field)
                                        : field.LineOf(window, text.SelectionStart(), false);
    }
    if (position < 0 || position > text.Length()) position = text.Length();
    return field.LineOf(window, position, false);
}

// EM_LINEINDEX: -1 is the caret's line; -1 answers a line past the last.
LRESULT LineIndex(HWND window, TextField& field, int line) {
    if (line == -1) line = CaretLine(window, field);
    if (line < 0 || line >= field.LineCount(window)) return -1;
    return field.Line(window, line).start;
}

}  // namespace

LRESULT OnFieldMessage(HWND window, TextField& field, UINT message, WPARAM wParam, LPARAM lParam,
                       bool& handled) {
    const EditText& text = field.Plain();
    handled = true;
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
        case EM_REPLACESEL: {
            const char* replacement = reinterpret_cast<const char*>(lParam);
            ReplaceSelection(window, field, replacement != nullptr ? replacement : "", wParam != 0, false);
            return 0;
        }
        case EM_SCROLLCARET: field.SelectionChanged(window); return TRUE;
        case EM_GETMODIFY: return text.Modified() ? TRUE : FALSE;
        case EM_SETMODIFY: field.SetModified(wParam != 0); return 0;
        // What EM_UNDO would do: a read-only field undoes nothing.
        case EM_CANUNDO: return text.CanUndo() && !IsReadOnly(window) ? TRUE : FALSE;
        case EM_UNDO: return UndoLast(window, field) ? TRUE : FALSE;
        case EM_SETREADONLY: {
            const DWORD style = StyleOf(window);
            SetWindowLongPtrA(window, GWL_STYLE, wParam ? style | ES_READONLY : style & ~ES_READONLY);
            RedrawControl(window);
            return TRUE;
        }
        case EM_GETLINECOUNT: return field.LineCount(window);
        case EM_LINEINDEX: return LineIndex(window, field, static_cast<int>(wParam));
        case EM_LINEFROMCHAR: return LineFromCharacter(window, field, static_cast<int>(wParam));
        default: handled = false; return 0;
    }
}

}  // namespace win::detail
