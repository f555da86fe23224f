#include "items/StatText.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "foundation/IFile.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemFontMetrics.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

StatText::StatText(ItemList* list, const ShortRect* bounds, const char* text, std::uint16_t flags,
                   const RGBColor& color, const win::LOGFONTA* font, std::int32_t justification)
    : TItem(list, bounds, flags, color), text_(text), font_(0, 12, 0), justification_(justification) {
    if (font) font_.SetLogFont(*font);
}

StatText::StatText(ItemList* list, IReadFile& stream, ErrCode* error)
    : StatText(list, nullptr, "", 0, RGBColor(0), nullptr, 0) {
    if (*error == kNoErr) *error = StatText::ReadFrom(stream);
}

std::int32_t StatText::GetFlattenedSize() const {
    return TItem::GetFlattenedSize() + 6 + text_.GetFlattenedSize();
}

ErrCode StatText::ReadFrom(IReadFile& stream) {
    std::int8_t justification = 0;
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = font_.Read(stream);
    if (!error) error = ReadSignedByte(stream, justification);
    if (!error) justification_ = justification;
    if (!error) error = text_.ReadFrom(stream);
    return error;
}

ErrCode StatText::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = font_.Write(stream);
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(justification_));
    if (!error) error = text_.WriteTo(stream);
    return error;
}

void StatText::Enable(bool enable) {
    const bool was = IsEnabled();
    TItem::Enable(enable);
    if (was != IsEnabled()) Invalidate();
}

std::int32_t StatText::HandleMouseUp(const MsgEvent& /*event*/) {
    PostHit();
    return 1;
}

void StatText::SetFont(const win::LOGFONTA& font) {
    font_.SetLogFont(font);
    Invalidate();
}

void StatText::SetText(const char* text) {
    text_.Assign(text ? text : "");
    Invalidate();
}

void StatText::Draw(win::HDC /*dc*/, const Rgn& clip) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || text_.Length() == 0) return;
    const ObjectLocker lock(&text_);
    const GraphAttribUser use(*env);
    const ClipSaver clipped = ClipSaver::FromRegion(*env, clip);
    env->SetFontIndirect(font_.LogFont());
    win::TEXTMETRICA metrics;
    env->GetTextMetrics(metrics);
    const int lineHeight = GetFontAscent(metrics) + GetFontDescent(metrics);
    const int dimmed = IsEnabled() ? 0 : 1;
    if (Bounds().Height() > 2 * lineHeight) {
        env->DrawMultilineText(text_.CStr(), Bounds(), justification_, 1, dimmed);
    } else {
        env->DrawTextBox(text_.CStr(), Bounds(), justification_, 1, dimmed);
    }
}

void StatText::CopyText(char* buffer, std::size_t size) const {
    if (!buffer || size == 0) return;
    const char* text = text_.CStr() ? text_.CStr() : "";
    const std::size_t length = std::min(std::strlen(text), size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

std::string StatText::LongestWrappedLine(std::int32_t& lineCount) const {
    lineCount = 1;
    const win::HFONT font = win::CreateFontIndirectA(&font_.LogFont());
    const win::DWORD alignment = justification_ < 0   ? win::ES_RIGHT
                                 : justification_ > 0 ? win::ES_CENTER
                                                      : win::ES_LEFT;
    const win::HWND parent = GetParentHWnd();
    const ShortRect& bounds = Bounds();
    const win::HWND field = win::CreateWindowExA(
        0, "EDIT", "", (parent ? win::WS_CHILD : win::WS_POPUP) | win::ES_MULTILINE | alignment, bounds.left,
        bounds.top, bounds.Width(), bounds.Height(), parent, nullptr, nullptr, nullptr);
    std::string longest;
    if (field) {
        if (font) win::SendMessageA(field, win::WM_SETFONT, reinterpret_cast<win::WPARAM>(font), 0);
        win::SetWindowTextA(field, text_.CStr() ? text_.CStr() : "");
        lineCount = static_cast<std::int32_t>(win::SendMessageA(field, win::EM_GETLINECOUNT, 0, 0));
        std::int32_t longestLine = 0;
        win::LRESULT longestLength = -1;
        for (std::int32_t line = 0; line < lineCount; ++line) {
            const win::LRESULT start =
                win::SendMessageA(field, win::EM_LINEINDEX, static_cast<win::WPARAM>(line), 0);
            const win::LRESULT length =
                win::SendMessageA(field, win::EM_LINELENGTH, static_cast<win::WPARAM>(start), 0);
            if (length > longestLength) {
                longestLength = length;
                longestLine = line;
            }
        }
        char buffer[256] = {};
        buffer[0] = static_cast<char>(255);
        const auto copied = win::SendMessageA(field, win::EM_GETLINE, static_cast<win::WPARAM>(longestLine),
                                              reinterpret_cast<win::LPARAM>(buffer));
        longest.assign(buffer, static_cast<std::size_t>(std::clamp<win::LRESULT>(copied, 0, 255)));
        win::DestroyWindow(field);
    }
    if (font) win::DeleteObject(font);
    return longest;
}

void StatText::MeasureText(ShortRect& rect, std::int16_t& width, std::int16_t& lineHeight) {
    std::int32_t lines = 1;
    const std::string longest = LongestWrappedLine(lines);
    win::TEXTMETRICA metrics;
    win::SIZE extent;
    MeasureItemFont(GetGraphEnv(), font_.LogFont(), metrics, longest.c_str(),
                    static_cast<int>(longest.size()), &extent);
    lineHeight =
        static_cast<std::int16_t>(GetFontAscent(metrics) + GetFontDescent(metrics) + GetFontLeading(metrics));
    width = static_cast<std::int16_t>(std::min<int>(extent.cx, 0x7FFF));
    const ShortRect& bounds = Bounds();
    rect = ShortRect::MakeLTRB(bounds.left, bounds.top, bounds.left + width,
                               std::min<int>(bounds.top + lines * lineHeight, 0x7FFF));
}

ShortPoint StatText::SizeToText() {
    ShortRect rect;
    std::int16_t width = 0;
    std::int16_t lineHeight = 0;
    MeasureText(rect, width, lineHeight);
    return ShortPoint{static_cast<std::int16_t>(rect.Width()), static_cast<std::int16_t>(rect.Height())};
}

WindowItem* MakeStatText(WindowItemList& list, const ShortRect& bounds, const char* text,
                         const win::LOGFONTA& font) {
    auto* owner = dynamic_cast<ItemList*>(&list);
    if (!owner) return nullptr;
    return new (std::nothrow) StatText(owner, &bounds, text, 0, RGBColor(0), &font, 0);
}
