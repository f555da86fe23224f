#pragma once
// Cells drawn as controls that track the mouse themselves: a push button, a check box (two- or
// three-state, square or round), a row of radio choices, and a colour swatch that opens the colour
// chooser. Each draws a focus frame while it is the table's active cell and takes the Space key;
// none draws a highlight. Their notifications (Pressed, ValueChanged, SelectionChanged,
// ColorChanged) are for subclasses.

#include <cstdint>

#include "foundation/StrList.h"
#include "foundation/String.h"
#include "framework/graphics/RGBColor.h"
#include "items/MouseTraps.h"
#include "platform/gdi/GdiTypes.h"
#include "widgets/TCell.h"

// The mouse captured on the table's window for the life of a click on a cell.
class CellMouseTrap : public WinMouseTrap {
public:
    explicit CellMouseTrap(const TCell& cell) : WinMouseTrap(cell.GetTableWindow()) {}
};

class ButtonCell : public TCell {
public:
    // The bounds give the cell's size; a null font gives font 5 at size 10.
    ButtonCell(const ShortRect& bounds, const char* title, const win::LOGFONTA* font);
    ButtonCell(const ButtonCell& other);

    TCell* Clone() const override;
    // Tracks the press; released over the button, Pressed runs. Answers kMouseGoOn.
    std::int16_t MouseDown(const MsgEvent& event) override;
    void Activate() override;
    void Deactivate() override;
    // Space (not repeated): Pressed, shown pressed a moment.
    bool HandleKey(KeyEvent& event) override;
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    void DrawBackground(TGraphEnv& /*env*/, const ShortRect& /*rect*/, std::int16_t /*state*/) override {}
    void DrawColumnRule(TGraphEnv& /*env*/, const ShortRect& /*rect*/) override {}
    virtual void Pressed() {}

    bool IsPressed() const { return pressed_ != 0; }
    const String& GetTitle() const { return title_; }

private:
    std::int32_t pressed_ = 0;
    String title_;
    win::LOGFONTA font_;
};

class CheckCell : public TCell {
public:
    // Value 0 off, 1 on, 2 mixed; shape 0 square, 1 round. A null font gives font 0 at size 12.
    CheckCell(const ShortRect& bounds, const char* title, const win::LOGFONTA* font, std::int32_t tag,
              std::int32_t value, std::int32_t shape, bool triState);
    CheckCell(const CheckCell& other);

    ClassId GetClassId() const override { return kCheckCellClassId; }
    bool IsKindOf(ClassId id) const override { return id == kCheckCellClassId || TCell::IsKindOf(id); }
    TCell* Clone() const override;
    // Tracks the press on the box; released over it, the value changes. kMouseGoOn for a selectable
    // cell, else kMouseConsumed (at once when disabled).
    std::int16_t MouseDown(const MsgEvent& event) override;
    void Activate() override;
    void Deactivate() override;
    // Space without Ctrl, Alt or Shift changes the value of an enabled cell.
    bool HandleKey(KeyEvent& event) override;
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    void DrawBackground(TGraphEnv& /*env*/, const ShortRect& /*rect*/, std::int16_t /*state*/) override {}
    virtual void ValueChanged(std::int32_t /*value*/) {}

    void SetEnabled(bool enabled, bool redraw);
    bool IsEnabled() const { return disabled_ == 0; }
    std::int32_t GetValue() const { return value_; }
    std::int32_t GetTag() const { return tag_; }
    // The value after a click: a two-state box alternates 0 and 1, a three-state one cycles 0, 1, 2.
    std::int32_t NextValue() const;
    // The box within a rectangle: a square of side h - h/2, h/4 in from the top left.
    static ShortRect BoxIn(const ShortRect& rect);

private:
    void Toggle();

    std::int32_t value_;
    std::int32_t tag_;
    String title_;
    win::LOGFONTA font_;
    ShortRect box_;
    std::int16_t triState_;
    std::int32_t shape_;
    std::int16_t disabled_ = 0;
};

class RadioCell : public TCell {
public:
    // One choice per title (the list is copied), pitch pixels apart. A null font gives font 5 at
    // size 10.
    RadioCell(const ShortRect& bounds, const StrList& titles, std::int16_t pitch, const win::LOGFONTA* font);
    RadioCell(const RadioCell& other);

    TCell* Clone() const override;
    // Tracks the press on the choice first clicked; released over it, that choice is selected.
    std::int16_t MouseDown(const MsgEvent& event) override;
    void Activate() override;
    void Deactivate() override;
    // Space: the next choice.
    bool HandleKey(KeyEvent& event) override;
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    void DrawBackground(TGraphEnv& /*env*/, const ShortRect& /*rect*/, std::int16_t /*state*/) override {}
    virtual void SelectionChanged() {}

    // The choice after the selected one, or 0 after the last.
    std::int16_t NextChoice() const;
    // On selects the choice; turning the selected choice off selects the next.
    void SetChoiceState(std::int16_t index, bool on);
    std::int16_t CountChoices() const { return static_cast<std::int16_t>(titles_.Count()); }
    std::int16_t GetSelected() const { return selected_; }
    // The choice under an x of the view, or -1 (no pitch, or right of the last choice).
    std::int16_t ChoiceAt(std::int32_t x, const ShortRect& rect) const;

private:
    void Repaint();

    std::int16_t selected_ = 0;
    StrList titles_;
    win::LOGFONTA font_;
    std::int16_t pitch_;
};

class ColorPickerCell : public TCell {
public:
    ColorPickerCell(const ShortRect& bounds, const RGBColor& color);
    ColorPickerCell(const ColorPickerCell& other) = default;

    TCell* Clone() const override;
    void Activate() override;
    void Deactivate() override;
    // Space opens the colour chooser; the key is left to the table all the same.
    bool HandleKey(KeyEvent& event) override;
    void DoubleClicked(TGraphEnv* env) override;
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    void DrawBackground(TGraphEnv& /*env*/, const ShortRect& /*rect*/, std::int16_t /*state*/) override {}
    virtual void ColorChanged(const RGBColor& /*color*/) {}

    const RGBColor& GetColor() const { return color_; }
    // The colour chooser on the cell's colour; a new colour is told and drawn.
    void ChooseColor();

private:
    RGBColor color_;
};
