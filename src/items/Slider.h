#pragma once
// A small drawn slider: a groove with tick marks and a circular knob, moved by the mouse (the
// value is taken where the knob is let go, without a hit) or by the left and right arrow keys
// (a step at a time, each posting a hit). It lies horizontally when it is wider than tall.
//
// Geometry, in the window's coordinates: the inner bounds are the bounds inset by 1; the knob is a
// square of the inner bounds' smaller side; the track is the inner bounds inset along the slider's
// axis by half a knob at each end.

#include <cstdint>

#include "items/TItem.h"

class Slider : public TItem {
    TOBJECT_CLASS(Slider, TItem, 504)

public:
    // Which of the groove's two lines is drawn light.
    static constexpr std::int32_t kStyleLightOffset = -2;
    static constexpr std::int32_t kStyleLightInPlace = -3;
    // Given to DrawKnob for "at the value".
    static constexpr std::int16_t kAtValue = 0x4000;

    Slider(ItemList* list, std::int16_t minimum, std::int16_t maximum, std::int16_t value, std::int16_t step,
           const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color, std::int32_t style);

    // Each redraws the slider when the value or the limits change; the value follows the limits.
    void SetMin(std::int16_t minimum);
    void SetMax(std::int16_t maximum);
    void SetValue(std::int16_t value);
    std::int16_t GetMin() const { return minimum_; }
    std::int16_t GetMax() const { return maximum_; }
    std::int16_t GetValue() const { return value_; }
    std::int16_t GetStep() const { return step_; }
    std::int32_t GetStyle() const { return style_; }

    // --- TItem
    bool TakesFocus() const override { return IsEnabled(); }
    void Enable(bool enable) override;
    // Left and right arrows move by one (within the limits), redraw and post a hit.
    bool HandleKey(KeyEvent& event) override;
    // Follows the mouse while the button is held; the value is taken where it is let go.
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    virtual void DrawTrack();
    // The knob at the value (kAtValue, kAtValue) or centred on a point.
    virtual void DrawKnob(std::int16_t x, std::int16_t y);
    virtual std::int16_t GetKnobWidth() const { return KnobSize(); }
    virtual std::int16_t GetKnobHeight() const { return KnobSize(); }

    // --- Geometry
    bool IsHorizontal() const;
    std::int16_t KnobSize() const;
    ShortRect InnerBounds() const;
    ShortRect TrackRect() const;
    std::int32_t TickCount() const;
    // The value a point of the track stands for, rounded to the nearest; the minimum on a track of
    // no length.
    std::int16_t ValueAtPoint(ShortPoint point) const;
    // The knob's square at the value or centred on the point, as drawn.
    ShortRect KnobRect(std::int16_t x, std::int16_t y) const;
    // The point on the track's centre line nearest the mouse point.
    ShortPoint OntoTrack(ShortPoint point) const;

private:
    std::int16_t minimum_;
    std::int16_t maximum_;
    std::int16_t value_;
    std::int16_t step_;
    std::int32_t style_;
};
