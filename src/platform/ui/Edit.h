#pragma once
// Internal to the window layer: an EDIT window's state and the parts of its procedure, kept in files
// by what they do: laying out and scrolling (EditLayout.cpp, EditScrolling.cpp), drawing
// (EditPaint.cpp), storing the text (EditEditing.cpp), and the messages only EDIT answers. The
// keys, the mouse, the clipboard and the messages it shares with RICHEDIT are the text field's
// (TextField.h).

#include <vector>

#include "platform/gdi/TextLines.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/EditText.h"
#include "platform/ui/TextField.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

// One line of the laid-out text: where it starts, how many characters it shows (the blanks a
// wrapped line ends with, but no line break), and where the next line starts.
struct WrappedLine {
    int start = 0;
    int length = 0;
    int next = 0;
};

struct EditState final : TextField {
    EditText text;
    TextAdvances measure;
    int lineHeight = 1;
    std::vector<WrappedLine> lines;
    bool formatGiven = false;  // EM_SETRECT gave the format; the next change of size takes the client again
    int firstLine = 0;         // the top line shown
    int xOffset = 0;           // pixels scrolled sideways
    bool inDialog = false;     // a dialog asked which keys it wants with the key in hand

    // The text field's hooks.
    const EditText& Plain() const override { return text; }
    void Select(int anchor, int caret) override { text.Select(anchor, caret); }
    // A field that does not scroll takes only what it can show; ES_UPPERCASE makes letters capitals.
    EditText::Replacement Replace(HWND window, std::string_view inserted, bool undoable, bool byUser,
                                  bool typing) override;
    bool Undo() override { return text.Undo(); }
    void SetModified(bool modified) override { text.SetModified(modified); }
    // WM_SETTEXT tells the parent of a single line's new text, not of a multi-line field's.
    void SetWholeText(HWND window, const char* whole) override;
    // The text given at creation, of which the parent hears nothing.
    void ResetText(HWND window, const char* whole, bool notify);
    bool MultiLine(HWND window) const override;
    bool ScrollsSideways(HWND window) const override;
    int LineCount(HWND) override { return static_cast<int>(lines.size()); }
    FieldLine Line(HWND window, int line) override;
    int LineOf(HWND window, int position, bool afterWrap) override;
    int XOf(HWND window, int position, bool afterWrap) override;
    int ScrollX() const override { return xOffset; }
    int PositionOnLine(HWND window, int line, int x, bool* afterWrap) override;
    int PositionAt(HWND window, POINT point, bool* afterWrap) override;
    void TextChanged(HWND window) override;
    // Lays out, shows and places the caret after a change, telling the parent when `notify` is set.
    void ShowNewText(HWND window, bool notify);
    void SelectionChanged(HWND window) override;
    void MakeCaret(HWND window) override;
    void Paint(HWND window, HDC dc) override;
    void MoveByPage(HWND window, int direction) override;
};

inline bool IsMultiLine(DWORD style) { return (style & ES_MULTILINE) != 0; }
inline bool WrapsWords(DWORD style) { return IsMultiLine(style) && !(style & (ES_AUTOHSCROLL | WS_HSCROLL)); }

// Layout and scrolling (EditLayout.cpp).
void MeasureFont(EditState& state);
void LayOut(HWND window, EditState& state);
int VisibleLines(const EditState& state);
int LineOf(const EditState& state, int position, bool afterWrap);
int CaretLine(const EditState& state);
int LineOffset(HWND window, const EditState& state, int line);  // alignment, from the format's left
int LineWidth(const EditState& state, int line);
int WidestLine(const EditState& state);
POINT PointOf(HWND window, const EditState& state, int position, bool afterWrap);  // client coordinates
void ScrollToCaret(HWND window, EditState& state);
void ClampScroll(EditState& state);
void UpdateScrollBars(HWND window, const EditState& state);
void PlaceCaret(HWND window, const EditState& state);
// Scrolls to a first line and offset; the parent hears of a move from the scroll bars.
void ScrollTo(HWND window, EditState& state, int firstLine, int xOffset, bool notify);

// The scroll bars (EditScrolling.cpp).
void OnEditScroll(HWND window, EditState& state, bool vertical, WORD request);
// EM_SCROLL: a line or a page up or down, as the scroll bar's arrows and track move the view.
LRESULT ScrollByRequest(HWND window, EditState& state, WPARAM request);

// The EM_ messages only EDIT answers (EditMessages.cpp); handled says whether the message was one.
LRESULT OnEditMessage(HWND window, EditState& state, UINT message, WPARAM wParam, LPARAM lParam,
                      bool& handled);

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
