// Edit views: making them, their record, and their text through the filter.

#include "items/EditView.h"

#include <algorithm>
#include <new>
#include <vector>

#include "foundation/IFile.h"
#include "foundation/ITextFilter.h"
#include "framework/graphics/CursorManager.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemList.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

namespace {

// The text a multi-line control holds: each CR and each LF a line break of its own.
std::string ToControlBreaks(const char* text) {
    std::string shown;
    for (const char* c = text; *c; ++c) {
        if (*c == '\r' || *c == '\n') {
            shown += "\r\n";
        } else {
            shown += *c;
        }
    }
    return shown;
}

// A multi-line control's text with its CR LF breaks as LF.
std::string FromControlBreaks(const std::string& text) {
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        stored += text[i];
    }
    return stored;
}

}  // namespace

EditView::EditView(ItemList* list, const ShortRect* bounds, const win::LOGFONTA* font, std::int32_t alignment,
                   std::uint16_t editFlags, std::uint16_t viewFlags, std::uint16_t itemFlags,
                   const RGBColor& color, const char* text)
    : TView(list, viewFlags, bounds, itemFlags, color), alignment_(alignment), editFlags_(editFlags) {
    if (font) {
        font_.SetLogFont(*font);
    } else {
        font_.SetSpec(0, 12, 0);
    }
    SetText(text ? text : "", 1);
    textInset_ = HasViewFlags(kNoFrame) ? ShortPoint{0, 0} : ShortPoint{3, 3};
    FitHeightToFont();
    ResetCursorRegion();
}

EditView::EditView(ItemList* list, IReadFile& stream, ErrCode* error)
    : EditView(list, nullptr, nullptr, 0, 0, 0, 0, RGBColor(0), nullptr) {
    if (*error == kNoErr) *error = EditView::ReadFrom(stream);
}

WindowItem* MakeEditView(WindowItemList& list, const ShortRect& bounds, const char* text,
                         const win::LOGFONTA& font) {
    auto* owner = dynamic_cast<ItemList*>(&list);
    if (!owner) return nullptr;
    return new (std::nothrow) EditView(owner, &bounds, &font, 0, 0, 0, 0, RGBColor(0), text);
}

EditView::~EditView() {
    if (fontHandle_) win::DeleteObject(fontHandle_);
}

std::int16_t EditView::FontSize() const {
    std::int16_t number = 0, size = 0;
    std::int32_t style = 0;
    LogFontToFontSpec(font_.LogFont(), number, size, style);
    return size;
}

void EditView::FitHeightToFont() {
    const std::int16_t size = FontSize();
    int least = 0;
    if (size < 10) {
        least = 18;
    } else if (size == 10) {
        least = 20;
    } else if (size <= 12) {
        least = 22;
    }
    ShortRect bounds = Bounds();
    if (bounds.Height() >= least) return;
    bounds.bottom = static_cast<std::int16_t>(bounds.top + least);
    StoreBounds(bounds);
}

void EditView::ResetCursorRegion() {
    RemoveCursorRegions();
    ShortRect content;
    GetContentRect(content);
    AddCursorRegion(content, kIBeamCursor);
}

// --- The record

std::uint32_t EditView::GetDataSize() const { return TView::GetDataSize() + text_.GetDataSize(); }

std::int32_t EditView::GetFlattenedSize() const {
    const String stored(RawText().c_str());
    return TView::GetFlattenedSize() + 8 + stored.GetFlattenedSize();
}

ErrCode EditView::ReadFrom(IReadFile& stream) {
    ErrCode error = TView::ReadFrom(stream);
    storedCursorFlag_ = HasFlags(kHasCursorRegions);
    if (!error) error = stream.ReadUShort(editFlags_);
    if (!error) error = font_.Read(stream);
    std::int8_t alignment = 0;
    if (!error) error = ReadSignedByte(stream, alignment);
    if (!error) {
        alignment_ = alignment;
        error = text_.ReadFrom(stream);
    }
    textInset_ = HasViewFlags(kNoFrame) ? ShortPoint{0, 0} : ShortPoint{3, 3};
    ResetCursorRegion();
    return error;
}

ErrCode EditView::WriteTo(IWriteFile& stream) {
    const bool regions = HasFlags(kHasCursorRegions);
    if (!storedCursorFlag_) ClearFlags(kHasCursorRegions);
    ErrCode error = TView::WriteTo(stream);
    if (regions) SetFlags(kHasCursorRegions);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(editFlags_));
    if (!error) error = font_.Write(stream);
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(alignment_));
    if (!error) error = String(RawText().c_str()).WriteTo(stream);
    return error;
}

// --- The text

bool EditView::HasMultiLineControl() const {
    return HasWindow() && (win::GetWindowLongPtrA(GetHWnd(), win::GWL_STYLE) & win::ES_MULTILINE) != 0;
}

std::string EditView::RawText() const {
    if (!HasWindow()) return text_.CStr() ? text_.CStr() : "";
    const auto length = static_cast<std::size_t>(win::SendMessageA(GetHWnd(), win::WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> buffer(length + 1, '\0');
    win::SendMessageA(GetHWnd(), win::WM_GETTEXT, buffer.size(),
                      reinterpret_cast<win::LPARAM>(buffer.data()));
    const std::string text(buffer.data());
    return HasMultiLineControl() ? FromControlBreaks(text) : text;
}

void EditView::GetRawText(char* buffer, std::uint32_t size) {
    if (!buffer || size == 0) return;
    const std::string text = RawText();
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::copy_n(text.data(), count, buffer);
    buffer[count] = '\0';
}

void EditView::SetRawText(const char* text) {
    if (!text) text = "";
    if (!HasWindow()) {
        text_.Assign(text);
        return;
    }
    const std::string shown = HasMultiLineControl() ? ToControlBreaks(text) : std::string(text);
    settingText_ = true;
    win::SendMessageA(GetHWnd(), win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(shown.c_str()));
    settingText_ = false;
    UpdateVertScrollBar();
}

std::uint32_t EditView::GetTextLength() { return static_cast<std::uint32_t>(RawText().size()); }

void EditView::GetText(char* buffer, std::uint32_t* size) {
    if (!buffer || !size || *size == 0) return;
    CopyText(buffer, *size);
    *size = static_cast<std::uint32_t>(std::char_traits<char>::length(buffer));
}

void EditView::CopyText(char* buffer, std::size_t size) const {
    if (!buffer || size == 0) return;
    const std::string raw = RawText();
    const auto capacity = static_cast<std::uint32_t>(std::min<std::size_t>(size, UINT32_MAX));
    if (const ITextFilter* filter = GetTextFilter()) {
        filter->Encode(raw.c_str(), buffer, capacity);
        return;
    }
    const std::size_t count = std::min<std::size_t>(raw.size(), capacity - 1);
    std::copy_n(raw.data(), count, buffer);
    buffer[count] = '\0';
}

ShortPoint EditView::SizeToText() {
    const ShortRect& bounds = Bounds();
    return ShortPoint{static_cast<std::int16_t>(bounds.Width()), static_cast<std::int16_t>(bounds.Height())};
}

std::string EditView::GetText() {
    const std::string raw = RawText();
    const ITextFilter* filter = GetTextFilter();
    if (!filter) return raw;
    std::vector<char> encoded(filter->MaxEncodedSize(static_cast<std::uint32_t>(raw.size())), '\0');
    filter->Encode(raw.c_str(), encoded.data(), static_cast<std::uint32_t>(encoded.size()));
    return encoded.data();
}

std::string EditView::Decoded(const char* text) const {
    if (!text) return "";
    const ITextFilter* filter = GetTextFilter();
    if (!filter) return text;
    std::vector<char> decoded(filter->MaxDecodedSize(text), '\0');
    filter->Decode(text, decoded.data(), static_cast<std::uint32_t>(decoded.size()));
    return decoded.data();
}

void EditView::ShowText(const std::string& raw, std::int16_t flag) {
    lastSetTextFlag_ = flag;
    SetRawText(raw.c_str());
}

void EditView::SetText(const char* text, std::int16_t flag) { ShowText(Decoded(text), flag); }

void EditView::AppendText(const char* text, std::int16_t flag) { ShowText(RawText() + Decoded(text), flag); }

std::int32_t EditView::GetLineCount() {
    if (!HasWindow()) {
        const std::string text = RawText();
        return 1 + static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n'));
    }
    return static_cast<std::int32_t>(win::SendMessageA(GetHWnd(), win::EM_GETLINECOUNT, 0, 0));
}

std::int32_t EditView::GetLineLength(std::int32_t line) {
    if (!HasWindow()) return 0;
    const auto start = win::SendMessageA(GetHWnd(), win::EM_LINEINDEX, static_cast<win::WPARAM>(line), 0);
    if (start < 0) return 0;
    return static_cast<std::int32_t>(
        win::SendMessageA(GetHWnd(), win::EM_LINELENGTH, static_cast<win::WPARAM>(start), 0));
}

std::int32_t EditView::GetLine(std::int32_t line, char* buffer, std::uint32_t size) {
    if (!buffer || size == 0) return 0;
    buffer[0] = '\0';
    if (!HasWindow() || size < sizeof(win::WORD) + 1) return 0;
    const auto room = static_cast<win::WORD>(std::min<std::uint32_t>(size - 1, 0xFFFF));
    std::copy_n(reinterpret_cast<const char*>(&room), sizeof room, buffer);
    const auto copied = static_cast<std::uint32_t>(win::SendMessageA(
        GetHWnd(), win::EM_GETLINE, static_cast<win::WPARAM>(line), reinterpret_cast<win::LPARAM>(buffer)));
    buffer[std::min(copied, size - 1)] = '\0';
    return static_cast<std::int32_t>(copied);
}

void EditView::TextMovedToWindow() {
    if (HasWindow()) text_.Clear();
}

void EditView::SaveTextFromWindow() {
    if (HasWindow()) text_.Assign(RawText().c_str());
}
