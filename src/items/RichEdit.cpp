// The rich edit item: its control, the formats it sets at the selection, and the edit commands.

#include "items/RichEdit.h"

#include <cstring>

#include "items/ControlSelection.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/RichEditControl.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

// The rich edit library: loaded by the first rich edit item and kept while the program runs. Were
// it missing, the control's class would be unknown and the items would stay without a window.
win::HMODULE richEditLibrary = nullptr;

constexpr win::WPARAM kAtEnd = static_cast<win::WPARAM>(-1);

// Sets the parts of the format its mask names at the selection.
void SetCharFormat(win::HWND window, const win::CHARFORMATA& format) {
    if (window)
        win::SendMessageA(window, win::EM_SETCHARFORMAT, win::SCF_SELECTION,
                          reinterpret_cast<win::LPARAM>(&format));
}

}  // namespace

RichEdit::RichEdit(ItemList* list, const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color)
    : TItem(list, bounds, itemFlags, color) {
    if (!richEditLibrary) richEditLibrary = win::LoadLibraryA("RICHED32.DLL");
}

RichEdit::~RichEdit() = default;

// --- The control

const char* RichEdit::GetClassName() const { return win::kRichEditClass; }

win::DWORD RichEdit::WindowStyle() const {
    const win::DWORD style = win::WS_VSCROLL | win::ES_SAVESEL | win::ES_AUTOVSCROLL | win::ES_MULTILINE;
    return IsEditable() ? style : style | win::ES_READONLY;
}

win::DWORD RichEdit::ExtendedWindowStyle() const { return win::WS_EX_CLIENTEDGE; }

void RichEdit::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    // Hidden while it moves, so that it does not flicker.
    const ItemHideScope hidden(this);
    TItem::SetBounds(rect, redraw);
}

win::LRESULT RichEdit::HandleMouseMove(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam);
}

win::LRESULT RichEdit::HandleSetCursor(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam);
}

// --- Selection and formats

void RichEdit::SetSelection(std::int32_t start, std::int32_t end) {
    SetControlSelection(GetHWnd(), start, end);
}

void RichEdit::GetSelection(std::int32_t* start, std::int32_t* end) const {
    GetControlSelection(GetHWnd(), start, end);
}

bool RichEdit::HasSelection() const {
    std::int32_t start = 0, end = 0;
    GetSelection(&start, &end);
    return start != end;
}

void RichEdit::SetEffect(win::DWORD mask, bool on) {
    win::CHARFORMATA format;
    format.dwMask = mask;
    format.dwEffects = on ? mask : 0;
    SetCharFormat(GetHWnd(), format);
}

void RichEdit::SetBold(bool on) { SetEffect(win::CFM_BOLD, on); }
void RichEdit::SetItalic(bool on) { SetEffect(win::CFM_ITALIC, on); }
void RichEdit::SetUnderline(bool on) { SetEffect(win::CFM_UNDERLINE, on); }

void RichEdit::SetFaceName(const char* name) {
    win::CHARFORMATA format;
    format.dwMask = win::CFM_FACE;
    if (name) std::strncpy(format.szFaceName, name, sizeof format.szFaceName - 1);
    SetCharFormat(GetHWnd(), format);
}

void RichEdit::SetPointSize(std::int32_t points) {
    win::CHARFORMATA format;
    format.dwMask = win::CFM_SIZE;
    format.yHeight = points * kTwipsPerPoint;
    SetCharFormat(GetHWnd(), format);
}

void RichEdit::SetIndents(std::int32_t first, std::int32_t left, std::int32_t right) {
    if (!HasWindow()) return;
    win::PARAFORMAT format;
    format.dwMask = win::PFM_STARTINDENT | win::PFM_RIGHTINDENT | win::PFM_OFFSET;
    format.dxStartIndent = first * kTwipsPerPoint;
    format.dxOffset = (left - first) * kTwipsPerPoint;
    format.dxRightIndent = right * kTwipsPerPoint;
    win::SendMessageA(GetHWnd(), win::EM_SETPARAFORMAT, 0, reinterpret_cast<win::LPARAM>(&format));
}

void RichEdit::AppendText(const char* text) {
    if (!HasWindow()) return;
    win::SendMessageA(GetHWnd(), win::EM_SETSEL, kAtEnd, -1);
    win::SendMessageA(GetHWnd(), win::EM_REPLACESEL, win::FALSE,
                      reinterpret_cast<win::LPARAM>(text ? text : ""));
    win::SendMessageA(GetHWnd(), win::EM_SETSEL, kAtEnd, -1);
}

// --- Edit commands

bool RichEdit::CanPaste() const { return win::IsClipboardFormatAvailable(win::CF_TEXT) != win::FALSE; }

void RichEdit::Change(win::UINT message) {
    if (!HasWindow() || !IsEditable()) return;
    win::SendMessageA(GetHWnd(), message, 0, 0);
    changed_ = 1;
}

void RichEdit::Clear() { Change(win::WM_CLEAR); }
void RichEdit::Undo() { Change(win::WM_UNDO); }
void RichEdit::Cut() { Change(win::WM_CUT); }
void RichEdit::Paste() { Change(win::WM_PASTE); }

void RichEdit::Copy() {
    if (HasWindow()) win::SendMessageA(GetHWnd(), win::WM_COPY, 0, 0);
}

void RichEdit::SelectAll() { SetSelection(0, kAllText); }
