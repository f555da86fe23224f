#pragma once
// Character ids and the lists of them that character events carry.

#include <cstdint>
#include <vector>

// A 16-bit character id; 0xFFFF means none.
using CharID = std::uint16_t;
inline constexpr CharID kNoCharID = 0xFFFF;

constexpr bool IsValidCharID(CharID id) { return id < kNoCharID; }

// Character ids in the order they were added.
class CharIDList {
public:
    // Appends a copy; a list may hold the same id more than once.
    void Add(CharID id) { ids_.push_back(id); }

    std::int32_t GetCount() const { return static_cast<std::int32_t>(ids_.size()); }
    CharID GetAt(std::int32_t index) const { return ids_[static_cast<std::size_t>(index)]; }
    bool Contains(CharID id) const;

    std::vector<CharID>::const_iterator begin() const { return ids_.begin(); }
    std::vector<CharID>::const_iterator end() const { return ids_.end(); }

private:
    std::vector<CharID> ids_;
};
