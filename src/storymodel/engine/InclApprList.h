#pragma once
// The include-appreciation list that scenes and query pages keep in their keyed record under
// "APPRLST": a text of four "%hd," numbers per entry (first id, second id, the two characters, -1
// for none). The entries are kept sorted by ascending first id, then ascending second id, then
// descending first and second character (as signed 16-bit numbers, so "none" comes last).

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Types.h"
#include "storymodel/engine/IncludeableAppreciation.h"

class KeyedText;

class InclApprList {
public:
    static constexpr const char* kKey = "APPRLST";

    // An empty list over the record. With load set, the list is read from the record's text, whole,
    // and starts unchanged; without, it starts changed, so that its first save writes it.
    InclApprList(KeyedText* record, bool load);

    // Inserts the entries of a stored text: its numbers are taken four by four, a group cut short
    // ends the reading, and each complete group is inserted at its sorted place. Empty pieces between
    // commas are skipped; pieces that are not numbers read as 0.
    void ReadText(const char* text);
    // The stored text of the whole list; the empty text for an empty list.
    std::string Text() const;

    // Inserts at the entry's sorted place (before equal entries) and marks the list changed.
    void Insert(const IncludeableAppreciation& entry);
    // Removes one entry equal to the given one; marks the list changed when it found one.
    bool Remove(const IncludeableAppreciation& entry);
    // Removes every entry that names the character in either field (nothing for an invalid id) and
    // marks the list changed when any went; answers how many.
    int RemoveCharacter(CharID id);

    std::int32_t GetCount() const { return static_cast<std::int32_t>(entries_.size()); }
    const IncludeableAppreciation& GetAt(std::int32_t index) const {
        return entries_[static_cast<std::size_t>(index)];
    }

    bool IsChanged() const { return changed_; }
    // When the list changed: clears the mark and writes the whole text into the record. 0, or the
    // record's error (the mark then stays). Nothing to do without a record.
    ErrCode Save();

private:
    // The stored text; -4 when memory ran out before every number was written.
    ErrCode ComposeText(std::string& out) const;

    KeyedText* record_;
    std::vector<IncludeableAppreciation> entries_;
    bool changed_;
};

// The order of the list: negative, 0 or positive as a comes before, with or after b.
int CompareInclAppr(const IncludeableAppreciation& a, const IncludeableAppreciation& b);
