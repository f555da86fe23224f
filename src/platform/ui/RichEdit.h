#pragma once
// Internal to the window layer: a RICHEDIT window's state and the parts of its procedure, kept in
// files by what they do: laying out and scrolling, drawing, keys and the mouse, and the messages.
// The layout is made when it is needed (drawing, a question about lines or points) after the
// text or the width changed, so a control filled while hidden lays its text out once.

#include "platform/ui/RichEditControl.h"
#include "platform/ui/RichLayout.h"
#include "platform/ui/RichText.h"
#include "platform/ui/Window.h"

namespace win::detail {

inline constexpr int kRichEditDefaultLimit = 32767;
inline constexpr int kRichEditLimitOfZero = 65536;  // EM_EXLIMITTEXT with 0

struct RichEditState {
    RichText text;
    RichFonts fonts;
    RichLayout layout;
    bool layoutStale = true;
    bool caretToBeShown = false;  // scroll the caret into view once laid out
    RECT format{};                // the text's rectangle, client coordinates
    int yOffset = 0;              // pixels scrolled down
    bool afterWrap = false;       // the caret shows at the end of a wrapped line, not at the next one's start
    int goalX = -1;               // where moving up and down aims, -1 for where the caret is
    bool focused = false;
    bool selecting = false;  // the mouse is selecting
    int caretHeight = 0;
    DWORD eventMask = ENM_NONE;
    bool windowBackground = true;
    COLORREF background = 0;
    int limit = kRichEditDefaultLimit;
    HFONT font = nullptr;  // as WM_SETFONT gave it; not owned
};

bool IsReadOnly(HWND window);
void Notify(HWND window, const RichEditState& state, WORD code);  // EN_ codes the event mask lets through

// Layout and scrolling (RichEditLayout.cpp).
const RichLayout& LaidOut(HWND window, RichEditState& state);
int CaretLine(HWND window, RichEditState& state);
POINT PointOf(HWND window, RichEditState& state, int position, bool afterWrap);  // top of the line
int PositionAt(HWND window, RichEditState& state, POINT point, bool* afterWrap);
int VisibleHeight(const RichEditState& state);
// Shows a change: `text` for the text or its formats (laid out again), the caret scrolled into
// view when asked.
void Refresh(HWND window, RichEditState& state, bool text, bool showCaret);
void ScrollTo(HWND window, RichEditState& state, int yOffset);
void PlaceCaret(HWND window, RichEditState& state);

// Drawing (RichEditPaint.cpp).
void PaintRichEdit(HWND window, HDC dc, RichEditState& state);

// Changing the text (RichEditEditing.cpp). Each answers whether anything changed.
bool ReplaceRichSelection(HWND window, RichEditState& state, std::string_view text, bool undoable,
                          bool byUser, bool typing = false);
bool CopyRichSelection(HWND window, const RichEditState& state);
bool CutRichSelection(HWND window, RichEditState& state);
bool PasteRich(HWND window, RichEditState& state);
bool ClearRichSelection(HWND window, RichEditState& state);
bool UndoRich(HWND window, RichEditState& state);
void SelectRich(HWND window, RichEditState& state, int anchor, int caret, bool afterWrap = false);

// Keys and the mouse (RichEditInput.cpp).
void OnRichChar(HWND window, RichEditState& state, char c);
bool OnRichKeyDown(HWND window, RichEditState& state, WPARAM key);
void OnRichButtonDown(HWND window, RichEditState& state, POINT point, bool doubleClick);
void OnRichMouseMove(HWND window, RichEditState& state, POINT point);
void OnRichButtonUp(HWND window, RichEditState& state);
void OnRichTimer(HWND window, RichEditState& state, UINT_PTR id);
void OnRichScroll(HWND window, RichEditState& state, WORD request);

// The EM_ messages (RichEditMessages.cpp); handled says whether the message was one.
LRESULT OnRichEditMessage(HWND window, RichEditState& state, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled);

LRESULT RichEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
