#pragma once
// Raster operations on 24-bit pixels, evaluated bit by bit from their truth tables. A two-operand
// mode (R2_...) minus one is the truth table over (pen, destination); a three-operand code keeps
// its truth table over (pattern, source, destination) in bits 16..23.

#include <cstdint>

#include "platform/sys/WinTypes.h"

namespace win::gdi {

inline constexpr std::uint32_t kPixelMask = 0xFFFFFF;

constexpr std::uint32_t ApplyRop2(int mode, std::uint32_t pen, std::uint32_t dst) {
    const unsigned table = static_cast<unsigned>(mode - 1) & 0xF;
    std::uint32_t result = 0;
    if (table & 1) result |= ~pen & ~dst;
    if (table & 2) result |= ~pen & dst;
    if (table & 4) result |= pen & ~dst;
    if (table & 8) result |= pen & dst;
    return result & kPixelMask;
}

// The truth table of a three-operand code: bit (pattern * 4 + source * 2 + destination).
constexpr unsigned Rop3Table(DWORD code) { return (code >> 16) & 0xFF; }

constexpr std::uint32_t ApplyRop3(DWORD code, std::uint32_t pat, std::uint32_t src, std::uint32_t dst) {
    const unsigned table = Rop3Table(code);
    std::uint32_t result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (!(table & (1u << index))) continue;
        const std::uint32_t p = (index & 4) ? pat : ~pat;
        const std::uint32_t s = (index & 2) ? src : ~src;
        const std::uint32_t d = (index & 1) ? dst : ~dst;
        result |= p & s & d;
    }
    return result & kPixelMask;
}

// Whether a three-operand code reads the source, the pattern or the destination at all.
constexpr bool Rop3UsesSource(DWORD code) {
    const unsigned t = Rop3Table(code);
    return ((t >> 2) & 0x33) != (t & 0x33);
}
constexpr bool Rop3UsesPattern(DWORD code) {
    const unsigned t = Rop3Table(code);
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}
constexpr bool Rop3UsesDestination(DWORD code) {
    const unsigned t = Rop3Table(code);
    return ((t >> 1) & 0x55) != (t & 0x55);
}

// The two-operand mode (the pattern as the pen) that does what a three-operand code without
// source does.
constexpr int Rop2OfPatternRop(DWORD code) {
    const unsigned t = Rop3Table(code);
    return 1 + static_cast<int>((t & 0x3) | ((t >> 2) & 0xC));
}

}  // namespace win::gdi
