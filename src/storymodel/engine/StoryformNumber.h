#pragma once
// Storyform numbers. A storyform is one number 0-32767: one bit for each of the eight dynamics (a
// set bit is the dynamic's second value) and seven low bits that select one of the 128 structural
// arrangements. The low 14 bits are the storyform index of the engine data; Limit (bit 14) changes
// no story point but itself.

#include <array>
#include <cstdint>

#include "storymodel/engine/Dynamics.h"

inline constexpr int kStoryformCount = 32768;
inline constexpr int kStoryformIndexCount = 16384;
inline constexpr std::uint16_t kStoryformIndexMask = 0x3FFF;
inline constexpr int kArrangementCount = 128;
inline constexpr std::uint16_t kArrangementMask = 0x7F;

// The storyform number bit of each dynamic, by dynamic.
inline constexpr std::array<std::uint16_t, kDynamicCount> kDynamicBit = {0x2000, 0x0400, 0x0100, 0x0080,
                                                                         0x0200, 0x4000, 0x1000, 0x0800};

// The value index (0 first value, 1 second) of a dynamic in a storyform number.
constexpr int DynamicValueIndex(std::uint16_t number, int dynamic) {
    return (number & kDynamicBit[dynamic]) != 0 ? 1 : 0;
}

// The dynamics as record 0 of the engine data holds them for a storyform number: bit d the value
// index of dynamic d, with Limit's bit left clear.
constexpr std::uint8_t EngineDynamicsByte(std::uint16_t number) {
    std::uint8_t byte = 0;
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        if (dynamic != kLimit)
            byte |= static_cast<std::uint8_t>(DynamicValueIndex(number, dynamic) << dynamic);
    }
    return byte;
}
