#pragma once
// The base of the framework's buttons over the native "BUTTON" window: a control with a font of its
// own, which its window shows while it exists. Value 1 is on, 0 off.
//
// Record, after the control's: the font specification (i16 number, i16 size, u8 style bits) and a
// reserved i16 kept as its sign (-1, 0 or 1). A push button puts its command id before the font.

#include <cstdint>

#include "items/ItemStream.h"
#include "items/TControl.h"

class TAppControl : public TControl {
    TOBJECT_CLASS(TAppControl, TControl, 139)

public:
    TAppControl(ItemList* list, const char* title, std::uint16_t notification, const ShortRect* bounds,
                std::uint16_t flags, const RGBColor& color, std::uint8_t style1, std::uint8_t style2,
                std::int16_t fontNumber, std::int16_t fontSize, std::uint8_t fontStyle,
                std::int32_t reserved);
    // Reading constructor: an empty title, font 0 at size 12, plain; then the record while *error is 0.
    TAppControl(ItemList* list, IReadFile& stream, ErrCode* error);
    ~TAppControl() override;

    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;

    // These run the control's operation with the button's font selected in its drawing environment.
    void SetBounds(const ShortRect& rect, bool redraw) override;
    void SetActive(bool active) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;
    void SetValue(std::int32_t value, bool redraw) override;
    void SetMin(std::int32_t value, bool redraw) override;
    void SetMax(std::int32_t value, bool redraw) override;
    void SetTitle(const char* text) override;
    win::HWND GetControlHWnd() const override;

    bool UsesItemClass() const override { return false; }
    const char* GetClassName() const override { return "BUTTON"; }
    // The item's subclassing, then the button's font made and given to the window; undone the other
    // way round.
    void Subclass() override;
    void Unsubclass() override;

    const win::LOGFONTA& GetLogFont() const { return font_.LogFont(); }
    // The font for the next time the window is made.
    void SetLogFont(const win::LOGFONTA& font) { font_.SetLogFont(font); }
    std::int32_t GetReserved() const { return reserved_; }
    win::HFONT GetFontHandle() const { return fontHandle_; }

protected:
    // The fields after the control's (and a push button's command id).
    ErrCode ReadFontAndReserved(IReadFile& stream);
    ErrCode WriteFontAndReserved(IWriteFile& stream);
    // Runs the operation inside a font scope when the item has a drawing environment.
    template <typename Operation>
    void WithFont(Operation operation) const;

private:
    ItemFont font_;
    std::int32_t reserved_;
    win::HFONT fontHandle_ = nullptr;
};
