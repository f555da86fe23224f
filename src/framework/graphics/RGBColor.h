#pragma once
// Colours of 16 bits per component, and the table of standard colours the program draws with.
// A Windows COLORREF keeps the high byte of each component.

#include <array>
#include <cstdint>

#include "platform/gdi/GdiTypes.h"

struct RGBColor {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;

    constexpr RGBColor() = default;
    constexpr RGBColor(std::uint16_t r, std::uint16_t g, std::uint16_t b) : red(r), green(g), blue(b) {}
    // Entry `index` of StandardColors.
    explicit RGBColor(int standardIndex) { SetStandard(standardIndex); }

    void SetStandard(int index);
    win::COLORREF ToColorRef() const { return win::RGB(red >> 8, green >> 8, blue >> 8); }
    // Each byte of the colour becomes a component's high byte; palette and index flags are dropped.
    void FromColorRef(win::COLORREF color);
    static RGBColor OfColorRef(win::COLORREF color);

    friend bool operator==(const RGBColor&, const RGBColor&) = default;
};

inline constexpr int kStandardColorCount = 19;
// 0 black, 1 white, 2 red, 3 green, 4 blue, 5 cyan, 6 yellow, 7 magenta, then greys (8 0xC000,
// 9 0x8000, 10 0x4000 ...) and 18 a pale blue.
extern const std::array<RGBColor, kStandardColorCount> StandardColors;

// The table entry; black for an index outside the table.
const RGBColor& GetStandardColor(int index);
