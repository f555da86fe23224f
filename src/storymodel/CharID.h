#pragma once
// Character ids and the lists of them that character events carry.

#include <cstdint>

#include "foundation/TList.h"

// A 16-bit character id; 0xFFFF means none.
using CharID = std::uint16_t;
inline constexpr CharID kNoCharID = 0xFFFF;

constexpr bool IsValidCharID(CharID id) { return id < kNoCharID; }

// Character ids in the order they were added.
class CharIDList : public ArbList {
public:
    CharIDList() : ArbList(sizeof(CharID), 8 * sizeof(CharID)) {}

    // Appends a copy; a list may hold the same id more than once. The new index, or -1 when the
    // list cannot grow.
    std::int32_t Add(CharID id) { return Append(&id); }

    CharID GetAt(std::int32_t index) const;
    bool Contains(CharID id) const;
};
