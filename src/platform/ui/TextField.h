#pragma once
// Internal to the window layer: what the EDIT and RICHEDIT controls share. Both hold a text with a
// selection and one level of undo (an EditText), show it in lines inside a formatting rectangle,
// and answer the keys, the mouse, the clipboard commands and many messages alike. That handling is
// written once, over a TextField: the state both keep, and the hooks through which each control
// stores, lays out, scrolls and draws its text its own way.

#include <string_view>

#include "platform/gdi/TextLines.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/EditText.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

// One line of a field as laid out: where it starts, how many characters it shows (the blanks a
// wrapped line ends with, but no line break), and whether it ends where the text was wrapped.
struct FieldLine {
    int start = 0;
    int length = 0;
    bool wrapped = false;
};

class TextField {
public:
    TextField() = default;
    TextField(const TextField&) = delete;
    TextField& operator=(const TextField&) = delete;
    virtual ~TextField() = default;

    HFONT font = nullptr;    // as WM_SETFONT gave it; not owned
    RECT format{};           // where the text is shown, client coordinates
    bool afterWrap = false;  // the caret shows at the end of a wrapped line, not at the next one's start
    int goalX = -1;          // where moving up and down aims (as XOf measures), -1 for where the caret is
    bool focused = false;
    bool selecting = false;  // the mouse is selecting

    // The text, its selection and its undo. The text changes only through Replace and Undo, which
    // keep whatever the control holds beside the characters in step.
    virtual const EditText& Plain() const = 0;
    virtual void Select(int anchor, int caret) = 0;  // shown by SelectionChanged
    // Replaces the selection as the text's own Replace does, within the limit the control holds the
    // user (or the program) to; may throw std::bad_alloc.
    virtual EditText::Replacement Replace(HWND window, std::string_view text, bool undoable, bool byUser,
                                          bool typing) = 0;
    virtual bool Undo() = 0;
    virtual void SetModified(bool modified) = 0;
    // WM_SETTEXT and creation: the whole text replaced, nothing to undo, the view at the start.
    virtual void SetWholeText(HWND window, const char* text) = 0;

    // Whether Return and Tab are typed and the keys move between lines; whether the view follows the
    // caret sideways.
    virtual bool MultiLine(HWND window) const = 0;
    virtual bool ScrollsSideways(HWND window) const = 0;

    // The lines, and places on them. An x is measured from the format's left as if the view were not
    // scrolled sideways; ScrollX is how far it is.
    virtual int LineCount(HWND window) = 0;
    virtual FieldLine Line(HWND window, int line) = 0;
    virtual int LineOf(HWND window, int position, bool afterWrap) = 0;
    virtual int XOf(HWND window, int position, bool afterWrap) = 0;
    virtual int ScrollX() const = 0;
    // The position on a line nearest an x, and the one nearest a client point; each says whether it
    // is the end of a wrapped line.
    virtual int PositionOnLine(HWND window, int line, int x, bool* afterWrap) = 0;
    virtual int PositionAt(HWND window, POINT point, bool* afterWrap) = 0;

    // Showing what changed: the text (laid out again, drawn, the caret brought into view, the parent
    // told with EN_UPDATE and EN_CHANGE), or only the selection (the caret brought into view).
    virtual void TextChanged(HWND window) = 0;
    virtual void SelectionChanged(HWND window) = 0;
    virtual void MakeCaret(HWND window) = 0;  // the focus's caret, made and shown where the caret is
    virtual void Paint(HWND window, HDC dc) = 0;
    // Page Up (-1) and Page Down (1) in a multi-line field: the view and the caret move a page.
    virtual void MoveByPage(HWND window, int direction) = 0;
};

bool IsReadOnly(HWND window);                  // ES_READONLY: the user cannot change the text
int CaretLine(HWND window, TextField& field);  // the line the caret shows on

// Changing the text (TextFieldEditing.cpp). Each answers whether anything changed; a read-only
// field takes nothing from the user.
bool ReplaceSelection(HWND window, TextField& field, std::string_view text, bool undoable, bool byUser,
                      bool typing = false);
bool CopySelection(HWND window, const TextField& field);
bool CutSelection(HWND window, TextField& field);
// `firstLineOnly`: what is pasted ends at its first line break.
bool PasteText(HWND window, TextField& field, bool firstLineOnly = false);
bool ClearSelection(HWND window, TextField& field);
bool UndoLast(HWND window, TextField& field);
void SelectText(HWND window, TextField& field, int anchor, int caret, bool afterWrap = false);

// Keys and the mouse (TextFieldInput.cpp).
void OnFieldChar(HWND window, TextField& field, char c);
bool OnFieldKeyDown(HWND window, TextField& field, WPARAM key);
void OnFieldButtonDown(HWND window, TextField& field, POINT point, bool doubleClick);
void OnFieldMouseMove(HWND window, TextField& field, POINT point);
void OnFieldButtonUp(HWND window, TextField& field);
void OnFieldTimer(HWND window, TextField& field, UINT_PTR id);
// Moves the caret to a line, as near the goal as the line allows (Shift takes the selection along).
void MoveCaretToLine(HWND window, TextField& field, int line);

// Draws a run of a line's text (no line break) in the context's font and text colour, each character
// at its measured advance and each tab reaching its stop (TextFieldPaint.cpp). `x` is where the run
// starts from the line's start, which stands at client x `lineLeft`; `y` is taken as the context's
// text alignment says.
void DrawMeasuredRun(HDC dc, const TextAdvances& measure, std::string_view run, int lineLeft, int x, int y);

// Messages (TextFieldProc.cpp). What a field wants of a dialog's keys: characters, the arrows and,
// multi-line with ES_WANTRETURN, Return; with `selectsAllOnTab` the dialog selects the whole text
// when the focus tabs in.
UINT FieldDialogCode(DWORD style, bool multiLine, bool selectsAllOnTab, const MSG* message);
// The EM_ messages both controls answer alike (TextFieldMessages.cpp); handled says whether the
// message was one.
LRESULT OnFieldMessage(HWND window, TextField& field, UINT message, WPARAM wParam, LPARAM lParam,
                       bool& handled);
// The messages both controls answer alike, then DefWindowProcA for the rest.
LRESULT TextFieldProc(HWND window, TextField& field, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
