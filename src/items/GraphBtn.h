#pragma once
// One drawn item holding a row or group of graphic buttons, each with its own rectangle, face
// colour, optional bitmaps, optional label in a font of its own, bevels for its two states, and an
// on/off state. The buttons act as independent toggles, as momentary buttons (kind 2), or as an
// exclusive group (one on at a time), optionally with Shift-clicks that add to the group's choice.
// A click that changes a button posts the item's hit; the owner reads the states then.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/graphics/Rgn.h"
#include "items/TItem.h"

class QRVBitmap;

class GraphBtn : public TItem {
    TOBJECT_CLASS(GraphBtn, TItem, 515)

public:
    // The click keeps a copy of every state: a GraphBtn holds at most this many buttons.
    static constexpr std::int32_t kMaxButtons = 20;
    // A button of this kind is on only while it is held down.
    static constexpr std::int16_t kMomentary = 2;
    // Bevel styles: raised, sunken (inverted on a two-colour display), etched; others draw none.
    static constexpr std::int16_t kRaisedBevel = 1;
    static constexpr std::int16_t kSunkenBevel = 2;
    static constexpr std::int16_t kEtchedBevel = 3;

    GraphBtn(ItemList* list, const ShortRect* bounds, const RGBColor& onColor, const RGBColor& offColor,
             bool exclusive, bool multipleWithShift);

    // Adds a button (state off, enabled, no bitmaps) and answers its index; -1 once the item holds
    // kMaxButtons. A null font is font 0 at size 12, plain. The item's bounds grow to hold it.
    std::int32_t AddButton(std::int16_t kind, const ShortRect& bounds, const char* label,
                           const win::LOGFONTA* font, std::int16_t bevelOn, std::int16_t bevelOff,
                           std::int16_t bevelWidth, const RGBColor& labelColor, const RGBColor& faceColor);
    // A button without a label showing the bitmaps (not owned; the on bitmap may be null: the off
    // one is then shown one pixel down and right while the button is on).
    std::int32_t AddBitmapButton(std::int16_t kind, const ShortRect& bounds, QRVBitmap* offBitmap,
                                 QRVBitmap* onBitmap, std::int16_t bevelOn, std::int16_t bevelOff,
                                 std::int16_t bevelWidth, const RGBColor& faceColor);
    // Replaces the label (none for null); a label is centred vertically in the button by its font's
    // height.
    void SetButtonLabel(std::int32_t index, const char* text);
    // The colour of the labels of disabled buttons.
    void SetColor(const RGBColor& color) { dimmedColor_ = color; }
    void SetButtonEnabled(std::int32_t index, bool enabled);
    // Bold, italic and underline bits of the button's font; not redrawn.
    void SetButtonFontStyle(std::int32_t index, std::int32_t style);
    // 0 off, 1 on; 0 for an index the item does not have.
    std::int16_t GetButtonState(std::int32_t index) const;
    // Not redrawn: the owner invalidates the item when it changes states in code.
    void SetButtonState(std::int32_t index, std::int16_t state);
    // The first button that is on; -1 when none is.
    std::int32_t FindFirstOn() const;
    // Every state, in the order of the buttons, into an array of ButtonCount() entries.
    void GetButtonStates(std::int16_t* states) const;
    // Moves the button (its label keeps its place within it) and redraws the item.
    void SetButtonBounds(std::int32_t index, const ShortRect& bounds);
    // Moves every button.
    void MoveBy(std::int16_t dh, std::int16_t dv);
    // With multiple-with-Shift, whether a click without Shift turns the others off (set at first).
    void SetPlainClickClears(bool clears) { plainClickClears_ = clears ? 1 : 0; }

    std::int32_t ButtonCount() const { return static_cast<std::int32_t>(buttons_.size()); }
    bool IsButtonEnabled(std::int32_t index) const;
    // The rectangle its label is drawn in (empty for a button without one).
    ShortRect GetLabelRect(std::int32_t index) const;

    // Invalidates the item when that changes whether it is enabled.
    void Enable(bool enable) override;
    // A click on a button toggles it (or, in an exclusive group, selects it) while the mouse stays
    // on it, and posts the item's hit when the button changed.
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    // Every button that meets the region.
    void Draw(win::HDC dc, const Rgn& clip) override;

private:
    struct Button {
        std::int32_t id = 0;
        QRVBitmap* offBitmap = nullptr;
        QRVBitmap* onBitmap = nullptr;
        std::int16_t kind = 0;
        std::optional<std::string> label;
        ShortRect labelRect;
        RGBColor labelColor;
        win::LOGFONTA font{};
        std::int16_t labelHeight = 0;
        ShortRect bounds;
        RGBColor faceColor;
        std::int16_t bevelOn = 0;
        std::int16_t bevelOff = 0;
        std::int16_t bevelWidth = 0;
        std::int16_t state = 0;
        std::int16_t dimmed = 0;
    };

    Button* ButtonAt(std::int32_t index);
    const Button* ButtonAt(std::int32_t index) const;
    // The region becomes the union of the buttons, and the item's bounds its bounding rectangle.
    void RebuildRegion(bool redraw);
    void DrawButton(const Button& button);
    void DrawButtonNow(const Button& button);
    void DrawBevel(const Button& button);

    std::vector<Button> buttons_;
    Rgn region_;
    RGBColor onColor_;
    RGBColor offColor_;
    RGBColor dimmedColor_;
    std::int16_t nextId_ = 0;
    std::int16_t exclusive_;
    std::int16_t multipleWithShift_;
    std::int16_t plainClickClears_ = 1;
};
