#pragma once
// How many of a story's scenes include each appreciation, kept in the storytelling record as two
// parallel texts: "APPRLST", the appreciations in the order of an include-appreciation list, and
// "APPRUS2", their counts as a number list.

#include <cstdint>
#include <vector>

#include "foundation/Types.h"
#include "storymodel/engine/IncludeableAppreciation.h"

class PText;

class AppreciationUsage {
public:
    static constexpr const char* kCountsKey = "APPRUS2";

    struct Entry {
        IncludeableAppreciation appreciation;
        std::uint16_t count = 0;

        bool operator==(const Entry&) const = default;
    };

    explicit AppreciationUsage(PText& storytelling) : storytelling_(storytelling) {}

    // Takes the usage that the scenes' own lists make, and compares it with the stored texts (read
    // whole): when they differ in anything - a usage cut short, counts that do not go with their
    // appreciations, another order - the usage is marked changed, so that the next save writes it.
    void Load(const std::vector<Entry>& counted);

    // One more scene includes the appreciation, or one fewer (an entry whose count falls below 1
    // goes).
    void Add(const IncludeableAppreciation& appreciation);
    void Remove(const IncludeableAppreciation& appreciation);
    // Drops every entry that names the character in either field; nothing for an invalid id.
    void RemoveCharacter(CharID id);
    std::uint16_t Count(const IncludeableAppreciation& appreciation) const;

    const std::vector<Entry>& Entries() const { return entries_; }
    bool IsChanged() const { return changed_; }
    void SetChanged() { changed_ = true; }
    // When changed, writes both texts into the storytelling record. 0 or the record's error.
    ErrCode Save();

private:
    // The stored texts as entries, in their stored order; empty when they do not go together.
    std::vector<Entry> Stored() const;
    // The index of the first entry not before the appreciation.
    std::size_t Place(const IncludeableAppreciation& appreciation) const;
    bool HoldsAt(std::size_t index, const IncludeableAppreciation& appreciation) const {
        return index < entries_.size() && entries_[index].appreciation == appreciation;
    }

    PText& storytelling_;
    std::vector<Entry> entries_;
    bool changed_ = false;
};
