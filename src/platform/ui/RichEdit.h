#pragma once
// Internal to the window layer: a RICHEDIT window's state and the parts of its procedure, kept in
// files by what they do: laying out and scrolling (RichEditLayout.cpp, RichEditScrolling.cpp),
// drawing (RichEditPaint.cpp), and the messages only RICHEDIT answers. The keys, the mouse, the
// clipboard and the messages it shares with EDIT are the text field's (TextField.h). The layout is
// made when it is needed (drawing, a question about lines or points) after the text or the width
// changed, so a control filled while hidden lays its text out once.

#include "platform/ui/RichEditControl.h"
#include "platform/ui/RichLayout.h"
#include "platform/ui/RichText.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

namespace win::detail {

inline constexpr int kRichEditDefaultLimit = 32767;
inline constexpr int kRichEditLimitOfZero = 65536;  // EM_EXLIMITTEXT with 0

struct RichEditState final : TextField {
    RichText text;
    RichFonts fonts;
    RichLayout layout;
    bool layoutStale = true;
    bool caretToBeShown = false;  // scroll the caret into view once laid out
    int yOffset = 0;              // pixels scrolled down
    int caretHeight = 0;
    DWORD eventMask = ENM_NONE;
    bool windowBackground = true;
    COLORREF background = 0;
    int limit = kRichEditDefaultLimit;

    // The text field's hooks.
    const EditText& Plain() const override { return text.Plain(); }
    void Select(int anchor, int caret) override { text.Select(anchor, caret); }
    // What the user types and pastes is held to the limit; what the program inserts is not.
    EditText::Replacement Replace(HWND, std::string_view inserted, bool undoable, bool byUser,
                                  bool typing) override {
        return text.Replace(inserted, undoable, typing, byUser ? limit : INT_MAX);
    }
    bool Undo() override { return text.Undo(); }
    void SetModified(bool modified) override { text.SetModified(modified); }
    void SetWholeText(HWND window, const char* whole) override;
    bool MultiLine(HWND) const override { return true; }
    bool ScrollsSideways(HWND) const override { return false; }
    int LineCount(HWND window) override;
    FieldLine Line(HWND window, int line) override;
    int LineOf(HWND window, int position, bool afterWrap) override;
    int XOf(HWND window, int position, bool afterWrap) override;
    int ScrollX() const override { return 0; }
    int PositionOnLine(HWND window, int line, int x, bool* afterWrap) override;
    int PositionAt(HWND window, POINT point, bool* afterWrap) override;
    void TextChanged(HWND window) override;
    void SelectionChanged(HWND window) override;
    void MakeCaret(HWND window) override;
    void Paint(HWND window, HDC dc) override;
    void MoveByPage(HWND window, int direction) override;
};

void Notify(HWND window, const RichEditState& state, WORD code);  // EN_ codes the event mask lets through

// Layout and scrolling (RichEditLayout.cpp).
const RichLayout& LaidOut(HWND window, RichEditState& state);
POINT PointOf(HWND window, RichEditState& state, int position, bool afterWrap);  // top of the line
int VisibleHeight(const RichEditState& state);
// Shows a change: `text` for the text or its formats (laid out again), the caret scrolled into
// view when asked.
void Refresh(HWND window, RichEditState& state, bool text, bool showCaret);
void ScrollTo(HWND window, RichEditState& state, int yOffset);
void PlaceCaret(HWND window, RichEditState& state);

// The scroll bar (RichEditScrolling.cpp).
void OnRichScroll(HWND window, RichEditState& state, WORD request);

// The EM_ messages only RICHEDIT answers (RichEditMessages.cpp); handled says whether the message
// was one.
LRESULT OnRichEditMessage(HWND window, RichEditState& state, UINT message, WPARAM wParam, LPARAM lParam,
                          bool& handled);

LRESULT RichEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
