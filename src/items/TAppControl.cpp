#include "items/TAppControl.h"

#include "foundation/IFile.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"

namespace {

std::int32_t SignOf(std::int32_t value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

}  // namespace

TAppControl::TAppControl(ItemList* list, const char* title, std::uint16_t notification,
                         const ShortRect* bounds, std::uint16_t flags, const RGBColor& color,
                         std::uint8_t style1, std::uint8_t style2, std::int16_t fontNumber,
                         std::int16_t fontSize, std::uint8_t fontStyle, std::int32_t reserved)
    : TControl(list, title, notification, bounds, flags, color, style1, style2),
      font_(fontNumber, fontSize, fontStyle),
      reserved_(SignOf(reserved)) {}

TAppControl::TAppControl(ItemList* list, IReadFile& stream, ErrCode* error)
    : TAppControl(list, "", 0, nullptr, 0, RGBColor(0), 0, 0, 0, 12, 0, 0) {
    if (*error == kNoErr) *error = TAppControl::ReadFrom(stream);
}

TAppControl::~TAppControl() {
    if (fontHandle_) win::DeleteObject(fontHandle_);
}

std::int32_t TAppControl::GetFlattenedSize() const { return TControl::GetFlattenedSize() + 7; }

ErrCode TAppControl::ReadFrom(IReadFile& stream) {
    ErrCode error = TControl::ReadFrom(stream);
    if (!error) error = ReadFontAndReserved(stream);
    return error;
}

ErrCode TAppControl::WriteTo(IWriteFile& stream) {
    ErrCode error = TControl::WriteTo(stream);
    if (!error) error = WriteFontAndReserved(stream);
    return error;
}

ErrCode TAppControl::ReadFontAndReserved(IReadFile& stream) {
    std::int16_t reserved = 0;
    ErrCode error = font_.Read(stream);
    if (!error) error = stream.ReadShort(reserved);
    if (!error) reserved_ = SignOf(reserved);
    return error;
}

ErrCode TAppControl::WriteFontAndReserved(IWriteFile& stream) {
    ErrCode error = font_.Write(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(reserved_));
    return error;
}

template <typename Operation>
void TAppControl::WithFont(Operation operation) const {
    if (ItemGraphEnv* env = GetGraphEnv()) {
        const GraphFontUser use(*env, font_.LogFont());
        operation();
    } else {
        operation();
    }
}

void TAppControl::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    WithFont([&] { TControl::SetBounds(rect, redraw); });
}

void TAppControl::SetActive(bool active) {
    WithFont([&] { TControl::SetActive(active); });
}

std::int32_t TAppControl::HandleMouseDown(const MsgEvent& event) {
    std::int32_t result = 0;
    WithFont([&] { result = TControl::HandleMouseDown(event); });
    return result;
}

void TAppControl::Draw(win::HDC dc, const Rgn& clip) {
    WithFont([&] { TControl::Draw(dc, clip); });
}

void TAppControl::SetValue(std::int32_t value, bool redraw) {
    WithFont([&] { TControl::SetValue(value, redraw); });
}

void TAppControl::SetMin(std::int32_t value, bool redraw) {
    WithFont([&] { TControl::SetMin(value, redraw); });
}

void TAppControl::SetMax(std::int32_t value, bool redraw) {
    WithFont([&] { TControl::SetMax(value, redraw); });
}

void TAppControl::SetTitle(const char* text) {
    WithFont([&] { TControl::SetTitle(text); });
}

win::HWND TAppControl::GetControlHWnd() const {
    win::HWND window = nullptr;
    WithFont([&] { window = TControl::GetControlHWnd(); });
    return window;
}

void TAppControl::Subclass() {
    TControl::Subclass();
    const win::HFONT font = win::CreateFontIndirectA(&font_.LogFont());
    // Without a new font the window keeps the one it has.
    if (!font) return;
    win::SendMessageA(GetHWnd(), win::WM_SETFONT, reinterpret_cast<win::WPARAM>(font), 0);
    if (fontHandle_) win::DeleteObject(fontHandle_);
    fontHandle_ = font;
}

void TAppControl::Unsubclass() {
    if (fontHandle_) {
        const auto current =
            reinterpret_cast<win::HFONT>(win::SendMessageA(GetHWnd(), win::WM_GETFONT, 0, 0));
        if (current == fontHandle_) win::SendMessageA(GetHWnd(), win::WM_SETFONT, 0, 0);
        win::DeleteObject(fontHandle_);
        fontHandle_ = nullptr;
    }
    TControl::Unsubclass();
}
