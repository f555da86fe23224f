#include "framework/graphics/RGBColor.h"

namespace {

constexpr RGBColor Grey(std::uint16_t level) { return RGBColor(level, level, level); }

}  // namespace

constexpr std::array<RGBColor, kStandardColorCount> StandardColors = {
    RGBColor(0, 0, 0),
    RGBColor(0xFFFF, 0xFFFF, 0xFFFF),
    RGBColor(0xFFFF, 0, 0),
    RGBColor(0, 0xFFFF, 0),
    RGBColor(0, 0, 0xFFFF),
    RGBColor(0, 0xFFFF, 0xFFFF),
    RGBColor(0xFFFF, 0xFFFF, 0),
    RGBColor(0xFFFF, 0, 0xFFFF),
    Grey(0xC000),
    Grey(0x8000),
    Grey(0x4000),
    Grey(0xDFFF),
    Grey(0xD998),
    Grey(0xCFCF),
    Grey(0xAAAA),
    Grey(0x2222),
    Grey(0x6000),
    Grey(0x4444),
    RGBColor(0xCCCC, 0xCCCC, 0xFFFF),
};

const RGBColor& GetStandardColor(int index) {
    if (index < 0 || index >= kStandardColorCount) return StandardColors[0];
    return StandardColors[static_cast<std::size_t>(index)];
}

void RGBColor::SetStandard(int index) { *this = GetStandardColor(index); }

void RGBColor::FromColorRef(win::COLORREF color) {
    red = static_cast<std::uint16_t>(win::GetRValue(color) << 8);
    green = static_cast<std::uint16_t>(win::GetGValue(color) << 8);
    blue = static_cast<std::uint16_t>(win::GetBValue(color) << 8);
}

RGBColor RGBColor::OfColorRef(win::COLORREF color) {
    RGBColor c;
    c.FromColorRef(color);
    return c;
}
