#pragma once
// Segment addresses (a four-character type and a 16-bit id) and the small code and byte helpers
// that every user of the store shares.

#include <cstdint>

#include "foundation/Types.h"

struct PFMSegmentKey {
    FourCC type = 0;
    std::uint16_t id = 0;

    friend bool operator==(const PFMSegmentKey&, const PFMSegmentKey&) = default;
};

// A type as the number its characters make in reading order (first character most significant),
// which is the order stores keep their segments in.
constexpr std::uint32_t FourCCReadingOrder(FourCC type) {
    return (type & 0xFFu) << 24 | (type & 0xFF00u) << 8 | (type >> 8 & 0xFF00u) | type >> 24;
}

// Keys ordered by type in reading order, then by id.
constexpr bool SegmentKeyLess(PFMSegmentKey a, PFMSegmentKey b) {
    const std::uint32_t ta = FourCCReadingOrder(a.type);
    const std::uint32_t tb = FourCCReadingOrder(b.type);
    return ta != tb ? ta < tb : a.id < b.id;
}

constexpr std::uint16_t MakeWord(std::uint8_t low, std::uint8_t high) {
    return static_cast<std::uint16_t>(high << 8 | low);
}
constexpr std::uint8_t LowByte(std::uint16_t value) { return static_cast<std::uint8_t>(value); }
constexpr std::uint8_t HighByte(std::uint16_t value) { return static_cast<std::uint8_t>(value >> 8); }
constexpr std::uint16_t LowWord(std::uint32_t value) { return static_cast<std::uint16_t>(value); }
constexpr std::uint16_t HighWord(std::uint32_t value) { return static_cast<std::uint16_t>(value >> 16); }
constexpr std::uint16_t MakeWordHighFirst(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
}
constexpr std::uint32_t MakeLong(std::uint16_t high, std::uint16_t low) {
    return static_cast<std::uint32_t>(high) << 16 | low;
}

// A key packed into two numbers: a holds the first two characters (first in the low byte), b the
// third and fourth characters in its high half (third above fourth) and the id in its low half.
constexpr PFMSegmentKey PFMKeyFromLongs(std::uint16_t a, std::uint32_t b) {
    return {MakeFourCC(static_cast<char>(LowByte(a)), static_cast<char>(HighByte(a)),
                       static_cast<char>(b >> 24), static_cast<char>(b >> 16)),
            LowWord(b)};
}
constexpr void PFMKeyToLongs(PFMSegmentKey key, std::uint16_t& a, std::uint32_t& b) {
    a = static_cast<std::uint16_t>(key.type & 0xFFFFu);
    b = ((key.type >> 16 & 0xFFu) << 8 | key.type >> 24) << 16 | key.id;
}
