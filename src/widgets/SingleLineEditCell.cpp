// Edit cells: making the editor over the cell, keeping it in place as the table scrolls, the keys it
// takes, the commit, and the edit commands.

#include "widgets/SingleLineEditCell.h"

#include <algorithm>
#include <climits>
#include <new>

#include "framework/AppEnvironment.h"
#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/graphics/GraphUser.h"
#include "items/ControlSelection.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "items/LineBreaks.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"
#include "widgets/EditCellState.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

namespace {

constexpr win::UINT kRemoveEditorMessage = win::WM_USER + 2;
constexpr int kEditorControlId = 10000;

void RetainSavedText() {
    EditCellState& state = EditorState();
    if (state.instances++ == 0) state.savedText = new String;
}

void ReleaseSavedText() {
    EditCellState& state = EditorState();
    if (--state.instances == 0) {
        delete state.savedText;
        state.savedText = nullptr;
    }
}

// The window of the table's owner, for its cursor regions.
TWindow* OwningWindow(const TCell& cell) {
    const TTable* table = cell.GetTable();
    return table ? table->GetWindow() : nullptr;
}

}  // namespace

SingleLineEditCell::SingleLineEditCell(const char* text, std::int16_t width, std::int16_t height,
                                       std::uint16_t flags, const win::LOGFONTA* font, std::int32_t hAlign,
                                       std::int32_t vAlign)
    : TextCell(text, width, height, static_cast<std::uint16_t>(flags | kCellActivatable), font, hAlign, vAlign) {
    RetainSavedText();
}

SingleLineEditCell::SingleLineEditCell(const SingleLineEditCell& other) : TextCell(other) { RetainSavedText(); }

SingleLineEditCell::~SingleLineEditCell() {
    if (EditorState().current == this) Commit(false);
    ReleaseSavedText();
}

TCell* SingleLineEditCell::Clone() const { return new (std::nothrow) SingleLineEditCell(*this); }

win::HWND SingleLineEditCell::GetEditWindow() const {
    const EditCellState& state = EditorState();
    return state.current == this ? state.editWindow : nullptr;
}

// --- Where the editor lies

bool SingleLineEditCell::EditorRect(ShortRect& rect) {
    if (!GetViewRect(rect)) return false;
    TTable* table = GetTable();
    if (ItemGraphEnv* env = table ? table->GetGraphEnv() : nullptr) {
        GraphFontUser font(*env, GetFont());
        MeasureText(*env);
    }
    rect.top = static_cast<std::int16_t>(TextOrigin(rect).y - GetAscent());
    rect.right = static_cast<std::int16_t>(rect.right - 1);
    if (GetHAlign() == 0) rect.left = static_cast<std::int16_t>(rect.left + 4);
    if (GetHAlign() == -1) rect.right = static_cast<std::int16_t>(rect.right - 2);
    return true;
}

bool SingleLineEditCell::ShowsWhole() {
    ShortRect rect;
    const TTable* table = GetTable();
    if (!table || !GetViewRect(rect)) return false;
    const ShortRect& data = table->DataRect();
    return rect.left >= data.left && rect.top >= data.top && rect.right <= data.right && rect.bottom <= data.bottom;
}

void SingleLineEditCell::CreateEditor() {
    EditCellState& state = EditorState();
    TTable* table = GetTable();
    ShortRect rect;
    if (!table || !EditorRect(rect)) rect = ShortRect{};
    win::DWORD style = win::WS_CHILD | win::WS_VISIBLE | win::ES_AUTOHSCROLL | win::ES_AUTOVSCROLL | win::ES_MULTILINE;
    if (GetHAlign() == -1) style |= win::ES_RIGHT;
    if (GetHAlign() == 1) style |= win::ES_CENTER;
    const bool readOnly = HasFlags(kCellReadOnly);
    if (readOnly) style |= win::ES_READONLY;
    const win::HWND parent = table ? table->GetParentHWnd() : nullptr;
    if (!parent) return;
    const win::HWND editor = win::CreateWindowExA(
        0, "EDIT", "", style, rect.left, rect.top, rect.Width(), rect.Height(), parent,
        reinterpret_cast<win::HMENU>(static_cast<win::LONG_PTR>(kEditorControlId)), nullptr, nullptr);
    if (!editor) return;
    if (readOnly && !(win::GetWindowLongPtrA(editor, win::GWL_STYLE) & win::ES_READONLY)) {
        win::SendMessageA(editor, win::EM_SETREADONLY, win::TRUE, 0);
    }
    state.previousProc = reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtrA(editor, win::GWL_WNDPROC));
    win::SetWindowLongPtrA(editor, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(&EditCellSubclassProc));
    state.editWindow = editor;
}

void SingleLineEditCell::Activate() {
    TCell::Activate();
    EditCellState& state = EditorState();
    state.current = this;
    if (!state.editWindow) {
        CreateEditor();
        if (const win::HWND editor = state.editWindow) {
            win::BringWindowToTop(editor);
            const win::HFONT previous = state.editFont;
            state.editFont = win::CreateFontIndirectA(&GetFont());
            win::SendMessageA(editor, win::WM_SETFONT, reinterpret_cast<win::WPARAM>(state.editFont), 0);
            if (previous) win::DeleteObject(previous);
            const String& text = GetText();
            win::SendMessageA(editor, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(text.CStr() ? text.CStr() : ""));
            SetControlSelection(editor, 0, -1);
            PositionEditor();
            TTable* table = GetTable();
            if (table && table->IsDrawable()) win::UpdateWindow(table->GetParentHWnd());
            ShortRect rect;
            if (TWindow* owner = OwningWindow(*this); owner && GetViewRect(rect)) owner->AddCursorRect(rect, kIBeamCursor);
        }
    }
    const TTable* table = GetTable();
    if (table && table->IsValidating() && state.savedText) SetText(*state.savedText);
}

void SingleLineEditCell::SetFormattingRect() const {
    const win::HWND editor = EditorState().editWindow;
    if (!editor || (GetHAlign() != -1 && GetHAlign() != 1)) return;
    win::RECT format;
    win::GetClientRect(editor, &format);
    if (GetHAlign() == -1) {
        format.left = -500;
    } else {
        format.left = -250;
        format.right += 250;
    }
    win::HideCaret(editor);
    win::SendMessageA(editor, win::EM_SETRECTNP, 0, reinterpret_cast<win::LPARAM>(&format));
    win::ShowCaret(editor);
}

void SingleLineEditCell::ScrollCaretIntoView() const {
    const win::HWND editor = EditorState().editWindow;
    if (!editor || (GetHAlign() != -1 && GetHAlign() != 1)) return;
    win::POINT caret{};
    win::GetCaretPos(&caret);
    win::RECT client;
    win::GetClientRect(editor, &client);
    int shift = 0;
    if (caret.x < 0) shift = 10 - caret.x;
    if (caret.x > client.right) shift = (client.right - caret.x) - 10;
    if (shift == 0) return;
    win::RECT format;
    win::SendMessageA(editor, win::EM_GETRECT, 0, reinterpret_cast<win::LPARAM>(&format));
    format.left += shift;
    format.right += shift;
    win::HideCaret(editor);
    win::SendMessageA(editor, win::EM_SETRECT, 0, reinterpret_cast<win::LPARAM>(&format));
    win::ShowCaret(editor);
}

void SingleLineEditCell::PositionEditor() {
    const win::HWND editor = EditorState().editWindow;
    if (LacksFlags(kCellActive) || EditorState().current != this || !editor) return;
    ShortRect rect;
    if (ShowsWhole() && EditorRect(rect)) {
        win::MoveWindow(editor, rect.left, rect.top, rect.Width(), rect.Height(), win::FALSE);
        win::ShowWindow(editor, win::SW_SHOW);
        win::SetFocus(editor);
        SetFormattingRect();
        EditorState().justPositioned = 1;
    } else {
        win::ShowWindow(editor, win::SW_HIDE);
    }
    Invalidate(false);
}

void SingleLineEditCell::FocusEditor() {
    const win::HWND editor = GetEditWindow();
    if (!editor) return;
    EditCellState& state = EditorState();
    const std::int16_t saved = state.closing;
    state.closing = 1;
    win::SetFocus(nullptr);
    win::SetFocus(editor);
    state.closing = saved;
}

void SingleLineEditCell::RestoreEditor() {
    PositionEditor();
    FocusEditor();
}

// --- The commit

void SingleLineEditCell::Deactivate() { Commit(true); }

void SingleLineEditCell::Commit(bool repaint) {
    EditCellState& state = EditorState();
    const EditorClosing closing;
    if (state.current == this) {
        if (state.savedText) state.savedText->Assign(GetText());
        if (const win::HWND editor = state.editWindow) {
            // The whole text, however long: nothing the writer typed is cut.
            const std::string text = EditorText();
            TextCell::SetText(text.c_str());
            if (state.editFont) {
                const auto shown = reinterpret_cast<win::HFONT>(win::SendMessageA(editor, win::WM_GETFONT, 0, 0));
                if (shown == state.editFont) win::SendMessageA(editor, win::WM_SETFONT, 0, 0);
            }
        }
        if (state.editFont) win::DeleteObject(state.editFont);
        state.editFont = nullptr;
        ShortRect rect;
        if (TWindow* owner = OwningWindow(*this); owner && GetViewRect(rect)) owner->SubtractCursorRect(rect, kIBeamCursor);
        if (repaint) Invalidate(true);
        if (const win::HWND editor = state.editWindow) {
            win::ShowWindow(editor, win::SW_HIDE);
            state.editWindow = nullptr;
            const TTable* table = GetTable();
            const win::HWND parent = table ? table->GetParentHWnd() : nullptr;
            const TAppl* application = GetAppl();
            const win::HWND frame = application ? application->GetFrameWindow() : nullptr;
            // The frame destroys the EDIT once its messages have run out; without a frame it goes now.
            if (!frame || !win::PostMessageA(frame, kRemoveEditorMessage, reinterpret_cast<win::WPARAM>(editor),
                                             reinterpret_cast<win::LPARAM>(parent))) {
                win::DestroyWindow(editor);
            }
        }
        state.current = nullptr;
    }
    TCell::Deactivate();
    TTable* table = GetTable();
    if (repaint && table && table->IsDrawable()) win::UpdateWindow(table->GetParentHWnd());
}

void SingleLineEditCell::CancelEdit() {
    const win::HWND editor = GetEditWindow();
    if (!editor) return;
    const String& text = GetText();
    win::SendMessageA(editor, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(text.CStr() ? text.CStr() : ""));
}

void SingleLineEditCell::SetText(const String& text) {
    TextCell::SetText(text);
    if (const win::HWND editor = GetEditWindow()) {
        win::SendMessageA(editor, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(text.CStr() ? text.CStr() : ""));
    }
}

void SingleLineEditCell::SetText(const char* text) {
    TextCell::SetText(text);
    if (const win::HWND editor = GetEditWindow()) {
        win::SendMessageA(editor, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(text ? text : ""));
    }
}

// --- Keys

bool SingleLineEditCell::HandleKey(KeyEvent& event) {
    const win::HWND editor = GetEditWindow();
    if (!editor) return false;
    bool taken = FilterKey(event) != 0;
    if (!taken) {
        const std::int32_t key = event.GetKey();
        std::int32_t start = 0, end = 0;
        GetEditorSelection(start, end);
        const auto length = static_cast<std::int32_t>(win::SendMessageA(editor, win::EM_LINELENGTH, 0, 0));
        switch (key) {
            case kKeyReturn:
            case kKeyTab:
            case kKeyEscape:
            case kKeyEnter:
            case kKeyPageUp:
            case kKeyPageDown:
            case kKeyUp:
            case kKeyDown: return false;
            case kKeyLeft:
                if (start == 0 && end == 0) return false;
                if (start == 0 && end == length) SetControlSelection(editor, 0, 0);
                break;
            case kKeyRight:
                if (start == length && end == length) return false;
                break;
            default: break;
        }
        CallEditorProc(editor, event.Message(), event.WParam(), event.LParam());
        taken = true;
    }
    if (!ShowsWhole()) {
        if (TTable* table = GetTable()) {
            table->RevealCell(this);
            if (table->HasWindow()) win::SetFocus(table->GetHWnd());
        }
    }
    ScrollCaretIntoView();
    return taken;
}

// --- Drawing

void SingleLineEditCell::DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) {
    if (GetEditWindow() && HasFlags(kCellActive) && ShowsWhole()) return;
    TextCell::DrawContent(env, column, rect);
}

void SingleLineEditCell::DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) {
    if (const win::HWND editor = GetEditWindow(); editor && HasFlags(kCellActive) && ShowsWhole()) {
        win::InvalidateRect(editor, nullptr, win::TRUE);
        return;
    }
    const TTable* table = GetTable();
    if (table && table->HasStyle(kTableEditCellsUnhighlighted)) return;
    TextCell::DrawBackground(env, rect, state);
}

// --- The edit commands

void SingleLineEditCell::Undo() {
    if (const win::HWND editor = GetEditWindow(); editor && IsEditable()) win::SendMessageA(editor, win::WM_UNDO, 0, 0);
}

void SingleLineEditCell::Cut() {
    if (const win::HWND editor = GetEditWindow(); editor && IsEditable()) win::SendMessageA(editor, win::WM_CUT, 0, 0);
}

void SingleLineEditCell::Copy() {
    if (const win::HWND editor = GetEditWindow()) win::SendMessageA(editor, win::WM_COPY, 0, 0);
}

void SingleLineEditCell::Paste() {
    if (const win::HWND editor = GetEditWindow(); editor && IsEditable()) win::SendMessageA(editor, win::WM_PASTE, 0, 0);
}

void SingleLineEditCell::Clear() {
    if (const win::HWND editor = GetEditWindow(); editor && IsEditable()) win::SendMessageA(editor, win::WM_CLEAR, 0, 0);
}

void SingleLineEditCell::SelectAll() {
    if (const win::HWND editor = GetEditWindow()) SetControlSelection(editor, 0, INT_MAX);
}

void SingleLineEditCell::FinishPaste(const std::string& before, std::int32_t start, std::int32_t end) {
    const win::HWND editor = GetEditWindow();
    if (!editor) return;
    const std::string after = EditorText();
    const auto from = static_cast<std::size_t>(std::clamp<std::int32_t>(std::min(start, end), 0,
                                                                         static_cast<std::int32_t>(before.size())));
    const auto to = static_cast<std::size_t>(std::clamp<std::int32_t>(std::max(start, end), 0,
                                                                       static_cast<std::int32_t>(before.size())));
    const std::string prefix = before.substr(0, from), suffix = before.substr(to);
    if (after.size() < prefix.size() + suffix.size() || after.compare(0, prefix.size(), prefix) != 0) return;
    const std::string inserted = after.substr(prefix.size(), after.size() - prefix.size() - suffix.size());
    const std::string kept = FilterPastedText(FoldLineBreaks(inserted), prefix.size() + suffix.size());
    if (kept == inserted) return;
    const std::string whole = prefix + kept + suffix;
    win::SendMessageA(editor, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(whole.c_str()));
    const auto caret = static_cast<std::int32_t>(prefix.size() + kept.size());
    SetControlSelection(editor, caret, caret);
}

bool SingleLineEditCell::HasSelection() const {
    if (!GetEditWindow() || LacksFlags(kCellActive)) return false;
    std::int32_t start = 0, end = 0;
    GetEditorSelection(start, end);
    return start != end;
}

bool SingleLineEditCell::CanCut() const { return IsEditable() && HasSelection(); }
bool SingleLineEditCell::CanCopy() const { return HasSelection(); }
bool SingleLineEditCell::CanPaste() const { return IsEditable() && win::IsClipboardFormatAvailable(win::CF_TEXT); }
bool SingleLineEditCell::CanClear() const { return IsEditable() && HasSelection(); }
bool SingleLineEditCell::CanUndo() const { return IsEditable(); }
