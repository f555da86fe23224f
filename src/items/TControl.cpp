#include "items/TControl.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "foundation/IFile.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"

namespace {

// A title byte that stands for an ellipsis in stored titles.
constexpr char kStoredEllipsis = static_cast<char>(201);

}  // namespace

TControl::TControl(ItemList* list, const char* title, std::uint16_t notification, const ShortRect* bounds,
                   std::uint16_t flags, const RGBColor& color, std::uint8_t style1, std::uint8_t style2)
    : TItem(list, bounds, flags, color),
      title_(title),
      style1_(style1),
      style2_(style2),
      notification_(notification) {
    ExtractMnemonic();
}

TControl::TControl(ItemList* list, IReadFile& stream, ErrCode* error)
    : TControl(list, "", 0, nullptr, 0, RGBColor(0), 0, 0) {
    if (*error == kNoErr) *error = TControl::ReadFrom(stream);
}

std::uint32_t TControl::GetDataSize() const { return TItem::GetDataSize() + title_.GetDataSize(); }

std::int32_t TControl::GetFlattenedSize() const {
    return TItem::GetFlattenedSize() + 4 + MarkedTitle().GetFlattenedSize();
}

ErrCode TControl::ReadFrom(IReadFile& stream) {
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = stream.ReadUShort(notification_);
    if (!error) error = stream.ReadByte(style1_);
    if (!error) error = stream.ReadByte(style2_);
    if (!error) error = title_.ReadFrom(stream);
    if (error) return error;
    if (const char* text = title_.CStr(); text && std::strchr(text, kStoredEllipsis)) {
        std::string cut(text, std::strchr(text, kStoredEllipsis));
        cut += "...";
        title_.Assign(cut.c_str());
    }
    ExtractMnemonic();
    return kNoErr;
}

ErrCode TControl::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(notification_));
    if (!error) error = stream.WriteByte(style1_);
    if (!error) error = stream.WriteByte(style2_);
    if (!error) error = MarkedTitle().WriteTo(stream);
    return error;
}

void TControl::ExtractMnemonic() {
    mnemonic_ = -1;
    const char* text = title_.CStr();
    if (!text || !*text) return;
    const char* mark = std::strchr(text, '&');
    if (!mark) return;
    mnemonic_ = static_cast<std::int32_t>(mark - text);
    std::string rest(text);
    rest.erase(static_cast<std::size_t>(mnemonic_), 1);
    title_.Assign(rest.c_str());
}

String TControl::MarkedTitle() const {
    const char* text = title_.CStr() ? title_.CStr() : "";
    std::string marked(text);
    if (mnemonic_ >= 0 && static_cast<std::size_t>(mnemonic_) <= marked.size()) {
        marked.insert(static_cast<std::size_t>(mnemonic_), 1, '&');
    }
    return String(marked.c_str());
}

void TControl::SetValue(std::int32_t value, bool /*redraw*/) {
    if (value == value_) return;
    value_ = std::max(std::min(value, GetMax()), GetMin());
    if (HasWindow()) win::SendMessageA(GetHWnd(), win::BM_SETCHECK, static_cast<win::WPARAM>(value_), 0);
}

void TControl::SetMin(std::int32_t value, bool /*redraw*/) {
    if (value != minimum_) minimum_ = value;
}

void TControl::SetMax(std::int32_t value, bool /*redraw*/) {
    if (value != maximum_) maximum_ = value;
}

void TControl::SetTitle(const char* text) {
    title_.Assign(text ? text : "");
    if (HasWindow()) win::SetWindowTextA(GetHWnd(), title_.CStr());
}

win::HWND TControl::CreateHWnd(std::int32_t index) {
    const win::HWND window = TItem::CreateHWnd(index);
    if (window) win::SetWindowTextA(window, title_.CStr() ? title_.CStr() : "");
    return window;
}

void TControl::WriteDialogItem(std::uint8_t** cursor, std::int32_t index) {
    WriteDialogEntry(cursor, index, MarkedTitle().CStr());
}

std::int32_t TControl::DialogItemSize() const {
    return TItem::DialogItemSize() + static_cast<std::int32_t>(title_.Length()) + (mnemonic_ >= 0 ? 1 : 0);
}
