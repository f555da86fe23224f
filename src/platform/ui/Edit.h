#pragma once
// Internal to the window layer: an EDIT window's state and the parts of its procedure, which are
// kept in files by what they do: laying out and scrolling, drawing, changing the text, keys and
// the mouse, and the EM_ messages.

#include <vector>

#include "platform/gdi/TextLines.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/EditText.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

// One line of the laid-out text: where it starts, how many characters it shows (the blanks a
// wrapped line ends with, but no line break), and where the next line starts.
struct WrappedLine {
    int start = 0;
    int length = 0;
    int next = 0;
};

struct EditState {
    EditText text;
    HFONT font = nullptr;  // as WM_SETFONT gave it; not owned
    TextAdvances measure;
    int lineHeight = 1;
    std::vector<WrappedLine> lines;
    RECT format{};             // the formatting rectangle, client coordinates
    bool formatGiven = false;  // EM_SETRECT gave it; the next change of size takes the client again
    int firstLine = 0;         // the top line shown
    int xOffset = 0;           // pixels scrolled sideways
    bool afterWrap = false;    // the caret shows at the end of a wrapped line, not at the next one's start
    int goalX = -1;            // where moving up and down aims, -1 for where the caret is
    bool focused = false;
    bool selecting = false;  // the mouse is selecting
};

DWORD StyleOf(HWND window);
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
// The position nearest a client point; says whether it is the end of a wrapped line.
int PositionAt(HWND window, const EditState& state, POINT point, bool* afterWrap);
void ScrollToCaret(HWND window, EditState& state);
void ClampScroll(EditState& state);
void UpdateScrollBars(HWND window, const EditState& state);
void PlaceCaret(HWND window, const EditState& state);

// Showing changes (EditLayout.cpp): after the text changed, or only the selection or the view.
void TextChanged(HWND window, EditState& state);
void SelectionChanged(HWND window, EditState& state);
// Scrolls to a first line and offset; the parent hears of a move from the scroll bars.
void ScrollTo(HWND window, EditState& state, int firstLine, int xOffset, bool notify);

// Drawing (EditPaint.cpp).
void PaintEdit(HWND window, HDC dc, const EditState& state);

// Changing the text (EditEditing.cpp). Each answers whether anything changed.
bool ReplaceSelection(HWND window, EditState& state, std::string_view text, bool undoable, bool typing);
bool CopySelection(HWND window, const EditState& state);
bool CutSelection(HWND window, EditState& state);
bool Paste(HWND window, EditState& state);
bool ClearSelection(HWND window, EditState& state);
bool UndoLast(HWND window, EditState& state);
void SetWholeText(HWND window, EditState& state, const char* text);

// Keys and the mouse (EditInput.cpp).
void OnEditChar(HWND window, EditState& state, char c);
bool OnEditKeyDown(HWND window, EditState& state, WPARAM key);
void OnEditButtonDown(HWND window, EditState& state, POINT point, bool doubleClick);
void OnEditMouseMove(HWND window, EditState& state, POINT point);
void OnEditButtonUp(HWND window, EditState& state);
void OnEditTimer(HWND window, EditState& state, UINT_PTR id);
void OnEditScroll(HWND window, EditState& state, bool vertical, WORD request);

// The EM_ messages (EditMessages.cpp).
LRESULT OnEditMessage(HWND window, EditState& state, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
