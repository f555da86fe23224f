#pragma once
// A push button. A hit toggles its value, hands its command (when it has one) to the application as
// a menu would, and posts the item hit. Space, Return and keypad Enter press it.
//
// Record, after the control's: i16 command id (1000: no command), then the font and the reserved
// word of every button.

#include <cstdint>

#include "items/TAppControl.h"

class PushBtn : public TAppControl, public IPushButtonItem {
    TOBJECT_CLASS(PushBtn, TAppControl, 507)

public:
    static constexpr std::int32_t kNoCommand = 1000;

    PushBtn(ItemList* list, const char* title, std::uint16_t notification, const ShortRect* bounds,
            std::uint16_t flags, const RGBColor& color, std::uint8_t style1, std::uint8_t style2,
            std::int16_t fontNumber, std::int16_t fontSize, std::uint8_t fontStyle, std::int32_t reserved);
    PushBtn(ItemList* list, IReadFile& stream, ErrCode* error);

    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    bool HandlesReturn() const override { return true; }
    // The native button shows its own focus.
    void DrawFocusRing() override {}
    bool HandleKey(KeyEvent& event) override;
    void PostHit() override;
    win::DWORD WindowStyle() const override;
    win::LRESULT HandleGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam) override;
    win::LRESULT HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;

    // Shows the button pressed for two ticks of 55 milliseconds, then released.
    void FlashPressed() override;
    // The dialog sets it on its default item.
    void SetDefaultButton(bool isDefault) override { isDefault_ = isDefault ? 1 : 0; }

    bool IsDefault() const { return isDefault_ != 0; }
    std::int32_t GetCommand() const { return command_; }
    void SetCommand(std::int32_t command) { command_ = command; }

private:
    std::int16_t isDefault_ = 0;
    std::int32_t command_ = kNoCommand;
};

// A push button made in code with the title and font, appended by the caller (the framework's item
// maker for its dialogs).
WindowItem* MakePushBtn(WindowItemList& list, const ShortRect& bounds, const char* title,
                        const win::LOGFONTA& font);

// A button's mouse release: the native window takes it first; a release inside the button posts
// the hit. Shared by every button kind.
win::LRESULT ButtonMouseUp(TItem& button, win::HWND window, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam);
