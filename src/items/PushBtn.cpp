#include "items/PushBtn.h"

#include <new>

#include "foundation/IFile.h"
#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemList.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Rects.h"

PushBtn::PushBtn(ItemList* list, const char* title, std::uint16_t notification, const ShortRect* bounds,
                 std::uint16_t flags, const RGBColor& color, std::uint8_t style1, std::uint8_t style2,
                 std::int16_t fontNumber, std::int16_t fontSize, std::uint8_t fontStyle,
                 std::int32_t reserved)
    : TAppControl(list, title, notification, bounds, flags, color, style1, style2, fontNumber, fontSize,
                  fontStyle, reserved) {}

PushBtn::PushBtn(ItemList* list, IReadFile& stream, ErrCode* error)
    : PushBtn(list, "", 0, nullptr, 0, RGBColor(0), 0, 0, 0, 12, 0, 0) {
    if (*error == kNoErr) *error = PushBtn::ReadFrom(stream);
}

std::int32_t PushBtn::GetFlattenedSize() const { return TControl::GetFlattenedSize() + 9; }

ErrCode PushBtn::ReadFrom(IReadFile& stream) {
    std::int16_t command = 0;
    ErrCode error = TControl::ReadFrom(stream);
    if (!error) error = stream.ReadShort(command);
    if (!error) command_ = command;
    if (!error) error = ReadFontAndReserved(stream);
    return error;
}

ErrCode PushBtn::WriteTo(IWriteFile& stream) {
    ErrCode error = TControl::WriteTo(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(command_));
    if (!error) error = WriteFontAndReserved(stream);
    return error;
}

win::DWORD PushBtn::WindowStyle() const { return isDefault_ ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON; }

bool PushBtn::HandleKey(KeyEvent& event) {
    const std::int32_t key = event.GetKey();
    const bool taken = key == kKeySpace || ((key == kKeyReturn || key == kKeyEnter) && HandlesReturn());
    if (!taken) return false;
    if (!event.IsAutoRepeat()) {
        FlashPressed();
        PostHit();
    }
    return true;
}

void PushBtn::FlashPressed() {
    if (!HasWindow()) return;
    win::SendMessageA(GetHWnd(), win::BM_SETSTATE, 1, 0);
    DelayTicks(2);
    win::SendMessageA(GetHWnd(), win::BM_SETSTATE, 0, 0);
}

void PushBtn::PostHit() {
    SetValue(GetValue() == 0 ? 1 : 0, true);
    if (command_ != kNoCommand) {
        if (TAppl* application = GetAppl()) application->HandleCommand(command_);
    }
    TItem::PostHit();
}

win::LRESULT PushBtn::HandleGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    win::LRESULT code = TAppControl::HandleGetDlgCode(window, message, wParam, lParam);
    if (const auto* asked = reinterpret_cast<const win::MSG*>(lParam)) {
        const bool keyMessage = asked->message == win::WM_KEYDOWN || asked->message == win::WM_CHAR;
        if (keyMessage && (asked->wParam == 13 || asked->wParam == 32)) code |= win::DLGC_WANTALLKEYS;
    }
    return code;
}

win::LRESULT PushBtn::HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    return ButtonMouseUp(*this, window, message, wParam, lParam);
}

WindowItem* MakePushBtn(WindowItemList& list, const ShortRect& bounds, const char* title,
                        const win::LOGFONTA& font) {
    auto* owner = dynamic_cast<ItemList*>(&list);
    if (!owner) return nullptr;
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::int32_t style = 0;
    LogFontToFontSpec(font, number, size, style);
    auto* button = new (std::nothrow) PushBtn(owner, title, 0, &bounds, 0, RGBColor(0), 0, 0, number, size,
                                              static_cast<std::uint8_t>(style), 0);
    if (button) button->SetLogFont(font);
    return button;
}

win::LRESULT ButtonMouseUp(TItem& button, win::HWND window, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) {
    const win::LRESULT result = button.CallPreviousProc(window, message, wParam, lParam);
    win::RECT client;
    win::GetClientRect(window, &client);
    const win::POINT release{static_cast<std::int16_t>(win::LOWORD(lParam)),
                             static_cast<std::int16_t>(win::HIWORD(lParam))};
    if (win::PtInRect(&client, release)) button.PostHit();
    return result;
}
