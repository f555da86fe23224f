// Edit views in their window: the native control's style and font, keys, focus, the edit commands,
// and the notifications the control sends.

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "framework/AppEnvironment.h"
#include "framework/MsgEvent.h"
#include "framework/QRVClipBoard.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "items/ControlSelection.h"
#include "items/EditView.h"
#include "items/LineBreaks.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

constexpr std::int32_t kAllText = 0x7FFFFFFF;

// The height of a line of text in the font.
std::int16_t TextHeightOf(const win::LOGFONTA& font) {
    const win::HDC dc = win::CreateMeasuringDC();
    win::TEXTMETRICA metrics;
    GetFontMetrics(dc, font, metrics);
    win::DeleteDC(dc);
    return static_cast<std::int16_t>(metrics.tmHeight);
}

bool HasFocus(win::HWND window) { return window && win::GetFocus() == window; }

}  // namespace

// --- The control

win::DWORD EditView::WindowStyle() const {
    win::DWORD style = 0;
    if (LacksViewFlags(kNoFrame)) style |= win::WS_BORDER;
    if (!IsEditable()) style |= win::ES_READONLY;
    if (HandlesReturn()) style |= win::ES_WANTRETURN;
    if (alignment_ == -1) style |= win::ES_RIGHT;
    if (alignment_ == 1) style |= win::ES_CENTER;
    if (IsMultiLine()) style |= win::ES_MULTILINE | win::ES_AUTOVSCROLL;
    if (Bounds().Height() > 2 * FontSize()) {
        style |= win::ES_MULTILINE | win::ES_AUTOVSCROLL;
        if (HasHorzScrollBar()) style |= win::WS_HSCROLL;
        if (HasVertScrollBar()) style |= win::WS_VSCROLL;
        if (!(editFlags_ & kNoAutoHScroll)) style |= win::ES_AUTOHSCROLL;
    } else {
        style |= win::ES_AUTOHSCROLL;
    }
    if (editFlags_ & kUpperCase) style |= win::ES_UPPERCASE;
    return style;
}

win::HWND EditView::CreateHWnd(std::int32_t index) {
    const win::HWND window = TView::CreateHWnd(index);
    if (window && !IsEditable() && !(win::GetWindowLongPtrA(window, win::GWL_STYLE) & win::ES_READONLY)) {
        win::SendMessageA(window, win::EM_SETREADONLY, win::TRUE, 0);
    }
    return window;
}

void EditView::DestroyHWnd(win::HWND window) {
    // A control that goes without being closed keeps its text all the same.
    if (attached_) SaveTextFromWindow();
    TView::DestroyHWnd(window);
}

win::HFONT EditView::CreateFontHandle() { return win::CreateFontIndirectA(&font_.LogFont()); }

void EditView::Subclass() {
    TView::Subclass();
    if (!HasWindow()) return;
    fontHandle_ = CreateFontHandle();
    win::SendMessageA(GetHWnd(), win::WM_SETFONT, reinterpret_cast<win::WPARAM>(fontHandle_), 0);
    TView::SetVertUnitHeight(TextHeightOf(font_.LogFont()));
    win::SendMessageA(GetHWnd(), win::EM_LIMITTEXT, kTextLimit, 0);
    if (GetParentHWnd()) {
        SetRawText(text_.CStr() ? text_.CStr() : "");
        TextMovedToWindow();
    }
    attached_ = 1;
}

void EditView::Unsubclass() {
    if (attached_ && HasWindow()) {
        SaveTextFromWindow();
        const auto current =
            reinterpret_cast<win::HFONT>(win::SendMessageA(GetHWnd(), win::WM_GETFONT, 0, 0));
        if (current == fontHandle_) win::SendMessageA(GetHWnd(), win::WM_SETFONT, 0, 0);
    }
    if (fontHandle_) win::DeleteObject(fontHandle_);
    fontHandle_ = nullptr;
    attached_ = 0;
    TView::Unsubclass();
}

void EditView::SetFont(const win::LOGFONTA& font) {
    font_.SetLogFont(font);
    if (!HasWindow()) return;
    const win::HFONT previous = fontHandle_;
    fontHandle_ = CreateFontHandle();
    win::SendMessageA(GetHWnd(), win::WM_SETFONT, reinterpret_cast<win::WPARAM>(fontHandle_), win::TRUE);
    if (previous) win::DeleteObject(previous);
    TView::SetVertUnitHeight(TextHeightOf(font));
    UpdateVertScrollBar();
}

void EditView::SetAlignment(std::int32_t alignment) {
    alignment_ = alignment;
    if (!HasWindow()) return;
    auto style = static_cast<win::DWORD>(win::GetWindowLongPtrA(GetHWnd(), win::GWL_STYLE));
    style &= ~(win::ES_CENTER | win::ES_RIGHT);
    if (alignment == 1) {
        style |= win::ES_CENTER;
    } else if (alignment != 0) {
        style |= win::ES_RIGHT;
    }
    win::SetWindowLongPtrA(GetHWnd(), win::GWL_STYLE, static_cast<win::LONG_PTR>(style));
    win::InvalidateRect(GetHWnd(), nullptr, win::TRUE);
}

void EditView::UpdateReadOnly() {
    if (HasWindow())
        win::SendMessageA(GetHWnd(), win::EM_SETREADONLY, IsEditable() ? win::FALSE : win::TRUE, 0);
}

std::int32_t EditView::GetVertScrollValue() const {
    return HasWindow() ? win::GetScrollPos(GetHWnd(), win::SB_VERT) : 0;
}

std::int32_t EditView::VertUnitCount() const {
    if (!HasMultiLineControl()) return 1;
    return static_cast<std::int32_t>(win::SendMessageA(GetHWnd(), win::EM_GETLINECOUNT, 0, 0));
}

void EditView::UpdateVertScrollBar() {
    if (!HasWindow() || !HasVertScrollBar()) return;
    ShortRect content;
    GetContentRect(content);
    win::SCROLLINFO info;
    info.fMask = win::SIF_PAGE | win::SIF_DISABLENOSCROLL;
    const std::int32_t unit = std::max<std::int32_t>(GetVertUnitHeight(-1), 1);
    info.nPage = static_cast<win::UINT>(std::max(content.Height() - 3, 0) / unit);
    win::SetScrollInfo(GetHWnd(), win::SB_VERT, &info, win::TRUE);
}

// --- Geometry, activity and focus

void EditView::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    const bool caretShown = IsActive() && HasFocus(GetHWnd());
    if (caretShown) win::HideCaret(GetHWnd());
    TView::SetBounds(rect, redraw);
    if (caretShown) win::ShowCaret(GetHWnd());
    ResetCursorRegion();
}

void EditView::UpdateCursor() {
    ResetCursorRegion();
    TView::UpdateCursor();
}

void EditView::SetActive(bool active) {
    if (active == IsActive()) return;
    TView::SetActive(active);
    if (!HasFocus(GetHWnd())) return;
    if (active) {
        win::ShowCaret(GetHWnd());
    } else {
        win::HideCaret(GetHWnd());
    }
}

void EditView::ShowFocusRing() {
    const bool shown = HasFlags(kFocusRingShown);
    TView::ShowFocusRing();
    if (!shown && (!HasMultiLineControl() || (editFlags_ & kSelectAllOnFocus))) SelectAll();
}

void EditView::HideFocusRing() {
    if (HasFlags(kFocusRingShown)) TView::HideFocusRing();
}

bool EditView::HandlesTab() const { return IsEditable() && IsMultiLine() && (editFlags_ & kTypesTab); }

bool EditView::HandlesReturn() const {
    return IsEditable() && IsMultiLine() && !(editFlags_ & kLeavesReturn);
}

// --- Selection and the edit commands

void EditView::SetSelection(std::int32_t start, std::int32_t end) {
    SetControlSelection(GetHWnd(), start, end);
}

void EditView::GetSelection(std::int32_t* start, std::int32_t* end) const {
    GetControlSelection(GetHWnd(), start, end);
}

bool EditView::HasSelection() const {
    std::int32_t start = 0, end = 0;
    GetSelection(&start, &end);
    return start != end;
}

bool EditView::CanPaste() const { return IsEditable() && win::IsClipboardFormatAvailable(win::CF_TEXT); }

void EditView::SelectAll() { SetSelection(0, kAllText); }

void EditView::Clear() {
    if (HasWindow()) win::SendMessageA(GetHWnd(), win::WM_CLEAR, 0, 0);
    MarkChanged();
}

void EditView::Undo() {
    if (!HasWindow()) return;
    win::SendMessageA(GetHWnd(), win::WM_UNDO, 0, 0);
    MarkChanged();
}

void EditView::Cut() {
    if (!HasWindow()) return;
    win::SendMessageA(GetHWnd(), win::WM_CUT, 0, 0);
    MarkChanged();
}

void EditView::Copy() {
    if (HasWindow()) win::SendMessageA(GetHWnd(), win::WM_COPY, 0, 0);
}

void EditView::Paste() {
    if (!HasWindow()) return;
    win::SendMessageA(GetHWnd(), win::WM_PASTE, 0, 0);
    MarkChanged();
}

// --- Keys and messages

namespace {

bool IsLineFeed(win::UINT message, win::WPARAM wParam) { return message == win::WM_CHAR && wParam == '\n'; }

}  // namespace

bool EditView::HandleKey(KeyEvent& event) {
    if (const std::int16_t filtered = FilterKey(event)) return filtered != 0;
    const std::int32_t key = event.GetKey();
    if ((key == kKeyReturn || key == kKeyEnter) && !HandlesReturn()) return false;
    if (IsLineFeed(event.Message(), event.WParam()) && !HandlesReturn()) return false;
    if (key == kKeyTab && !HandlesTab()) return false;
    if (!HasWindow()) return false;
    CallPreviousProc(GetHWnd(), event.Message(), event.WParam(), event.LParam());
    return true;
}

win::LRESULT EditView::HandleChar(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam) {
    // Ctrl+Return and Shift+Return type a line feed, which a field that leaves Return does not take:
    // it goes the window's key road (where Ctrl+Return may mean "next"), never into the field.
    if (IsLineFeed(message, wParam) && !HandlesReturn()) {
        KeyEvent event(window, message, wParam, lParam);
        if (TWindow* owner = GetWindow()) owner->DispatchKey(event);
        return 0;
    }
    return TView::HandleChar(window, message, wParam, lParam);
}

win::LRESULT EditView::HandleLButtonDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam) {
    if (AppEnvironment* environment = GetAppEnvironment()) environment->SetKeepFrameActive(false);
    return TView::HandleLButtonDown(window, message, wParam, lParam);
}

void EditView::FoldLines() {
    const std::string text = RawText();
    if (text.find_first_of("\r\n") == std::string::npos) return;
    const std::string folded = FoldLineBreaks(text);
    std::int32_t start = 0, end = 0;
    GetSelection(&start, &end);
    // The change being folded is the user's, and tells of itself.
    settingText_ = true;
    win::SendMessageA(GetHWnd(), win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(folded.c_str()));
    settingText_ = false;
    const auto caret =
        static_cast<std::int32_t>(std::min<std::size_t>(static_cast<std::size_t>(end), folded.size()));
    SetSelection(caret, caret);
}

void EditView::PasteFolded() {
    QRVClipBoard clipboard(win::CF_TEXT);
    String text;
    clipboard.GetString(text, win::CF_TEXT);
    const std::string folded = FoldLineBreaks(text.CStr() ? text.CStr() : "");
    if (folded.empty()) return;
    win::SendMessageA(GetHWnd(), win::EM_REPLACESEL, win::TRUE,
                      reinterpret_cast<win::LPARAM>(folded.c_str()));
}

bool EditView::DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                              win::LRESULT* result) {
    switch (message) {
        case win::WM_PASTE:
            // A one-line control would keep only the first of the pasted lines; they are folded into
            // one instead, as a multi-line control's are once pasted.
            if (HasMultiLineControl() || !IsEditable()) break;
            PasteFolded();
            *result = 0;
            return true;
        case win::WM_VSCROLL: {
            const win::WORD code = win::LOWORD(static_cast<win::DWORD>(wParam));
            win::SCROLLINFO info;
            info.fMask = win::SIF_ALL;
            win::GetScrollInfo(window, win::SB_VERT, &info);
            if (info.nPage != 0 && (code == win::SB_LINEDOWN || code == win::SB_PAGEDOWN)) {
                const std::int64_t end = std::int64_t{info.nMin} + info.nPos + info.nPage;
                // Already at the end: nothing moves.
                if (info.nMax < end) {
                    *result = 0;
                    return true;
                }
                // Within a page of the end: the thumb goes to the end.
                if (code == win::SB_PAGEDOWN && info.nMax < end + info.nPage) {
                    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
                    wParam = win::MAKEWPARAM(win::SB_THUMBPOSITION, static_cast<win::WORD>(last));
                }
            }
            *result = CallPreviousProc(window, message, wParam, lParam);
            return true;
        }
        case win::WM_HSCROLL: *result = CallPreviousProc(window, message, wParam, lParam); return true;
        case win::WM_COMMAND: {
            const win::WORD code = win::HIWORD(static_cast<win::DWORD>(wParam));
            // What the user typed or pasted into a field that takes no Return is folded onto one
            // line; a read-only field shows its text's lines as they are.
            if (code == win::EN_UPDATE && IsEditable() && !HandlesReturn()) FoldLines();
            if (code == win::EN_CHANGE && !settingText_) MarkChanged();
            if (code == win::EN_UPDATE || code == win::EN_VSCROLL) UpdateVertScrollBar();
            *result = 0;
            return true;
        }
        case win::WM_WINDOWPOSCHANGED:
            // The scroll bar follows a resize once the control has laid its text out again.
            win::PostMessageA(
                window, win::WM_COMMAND,
                win::MAKEWPARAM(static_cast<win::WORD>(win::GetDlgCtrlID(window)), win::EN_UPDATE),
                reinterpret_cast<win::LPARAM>(window));
            break;
        default: break;
    }
    return TView::DefaultMessage(window, message, wParam, lParam, result);
}

// --- MaxCharEditView

MaxCharEditView::MaxCharEditView(ItemList* list, std::uint32_t limit, const ShortRect* bounds,
                                 const win::LOGFONTA* font, std::int32_t alignment, std::uint16_t editFlags,
                                 std::uint16_t viewFlags, std::uint16_t itemFlags, const RGBColor& color,
                                 const char* text)
    : EditView(list, bounds, font, alignment, editFlags, viewFlags, itemFlags, color, text), limit_(limit) {}

std::int16_t MaxCharEditView::FilterKey(KeyEvent& event) {
    const char character = event.GetChar();
    if (character == 0 || !std::isprint(static_cast<unsigned char>(character))) return 0;
    std::int32_t start = 0, end = 0;
    GetSelection(&start, &end);
    const std::int64_t length = std::int64_t{GetTextLength()} - std::abs(end - start) + 1;
    if (length <= limit_) return 0;
    win::MessageBeep(0);
    return 1;
}

void MaxCharEditView::MarkChanged() {
    EditView::MarkChanged();
    const std::string text = RawText();
    if (text.size() <= limit_) return;
    ShowText(text.substr(0, limit_), 1);
    win::MessageBeep(0);
}
