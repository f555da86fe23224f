#pragma once
// An item standing for a control with a value range and a title: the base of buttons, scroll bars,
// the scroller and popups. It keeps a 32-bit value within a minimum and a maximum, a title whose
// first '&' marks its mnemonic, and a notification word and two style bytes for its subclasses,
// and passes value and title on to its native window.
//
// Record, after the item's: u16 notification word, u8 and u8 style bytes, the title (i16 length,
// then the text and a NUL when the length is above 0). The title is written with its mnemonic
// marker back in place, so that a record read and written again is the same.

#include <cstdint>

#include "foundation/String.h"
#include "items/TItem.h"

class TControl : public TItem {
    TOBJECT_CLASS(TControl, TItem, 109)

public:
    // The title's first '&' is taken out and marks the mnemonic.
    TControl(ItemList* list, const char* title, std::uint16_t notification, const ShortRect* bounds,
             std::uint16_t flags, const RGBColor& color, std::uint8_t style1, std::uint8_t style2);
    // Reading constructor: an empty title and the defaults, then the record while *error is 0.
    TControl(ItemList* list, IReadFile& stream, ErrCode* error);

    std::uint32_t GetDataSize() const override;
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    bool TakesFocus() const override { return !HasFlags(kDisabled) && !HasFlags(kHidden); }
    void WriteDialogItem(std::uint8_t** cursor, std::int32_t index) override;
    std::int32_t DialogItemSize() const override;
    // The native control takes the click.
    std::int32_t HandleMouseDown(const MsgEvent& /*event*/) override { return 0; }
    win::HWND CreateHWnd(std::int32_t index) override;
    // The native control paints itself.
    void Draw(win::HDC /*dc*/, const Rgn& /*clip*/) override {}

    virtual std::int32_t GetValue() const { return value_; }
    virtual std::int32_t GetMin() const { return minimum_; }
    virtual std::int32_t GetMax() const { return maximum_; }
    // Nothing when unchanged; otherwise the value limited to GetMin .. GetMax, sent to the window
    // (BM_SETCHECK).
    virtual void SetValue(std::int32_t value, bool redraw);
    // Store the limit; the value is not limited again.
    virtual void SetMin(std::int32_t value, bool redraw);
    virtual void SetMax(std::int32_t value, bool redraw);
    // The text as it is ('&' included; null stands for ""), and the window's text.
    virtual void SetTitle(const char* text);
    virtual win::HWND GetControlHWnd() const { return GetHWnd(); }
    virtual void ControlHook() {}

    const String& GetTitle() const { return title_; }
    // The index in the title of the character the '&' stood before; -1 when there is none.
    std::int32_t GetMnemonic() const { return mnemonic_; }
    std::uint16_t GetNotification() const { return notification_; }
    std::uint8_t GetStyle1() const { return style1_; }
    std::uint8_t GetStyle2() const { return style2_; }

protected:
    // Sets the value without limits or messages (subclasses keeping their own values in step).
    void StoreValue(std::int32_t value) { value_ = value; }

private:
    // Takes the first '&' out of the title into the mnemonic position.
    void ExtractMnemonic();
    // The title with the '&' back before the mnemonic character.
    String MarkedTitle() const;

    String title_;
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 1;
    std::int32_t value_ = 0;
    std::uint8_t style1_;
    std::uint8_t style2_;
    // Wider than a byte, so that an '&' anywhere in a title keeps its place.
    std::int32_t mnemonic_ = -1;
    std::uint16_t notification_;
};
