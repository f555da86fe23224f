#pragma once
// Reading the entries of a keyed record's stored text one by one, and finding where the text of a
// damaged record reads whole again.
//
// The text is read as its bytes stand; any byte beyond its end reads as a NUL.

#include <cstddef>
#include <string_view>

#include "foundation/Types.h"
#include "foundation/pfm/PTextTypes.h"

// One entry read from a stored text.
struct StoredEntry {
    // 0, or why no entry could be read here (-9003 to -9006).
    ErrCode error = kNoErr;
    // Its offsets, key, type, text size and flags; no value loaded.
    PTextEntry entry;
    // The byte after the value.
    std::size_t next = 0;
};

// The byte at the offset, NUL beyond the text.
inline char StoredByte(std::string_view text, std::size_t at) { return at < text.size() ? text[at] : '\0'; }

// Whether the backslash at the offset ends the record (a NUL or the text's end follows it).
inline bool IsRecordEnd(std::string_view text, std::size_t at) { return StoredByte(text, at + 1) == '\0'; }

// Reads the entry whose backslash is at the offset.
StoredEntry ReadStoredEntry(std::string_view text, std::size_t at);

// Where reading may go on after the damaged entry whose backslash is at `damaged`: the first later
// backslash from which entries read whole up to the record's end, so that none of them can be made
// from the inside of a damaged value. Each of those entries has a key without backslashes, one of
// the value types, and a value followed by the next entry's backslash, and their keys ascend from
// `lastKey` (the key of the last entry read before the damage) as the record's writes put them.
// The offset of the record's end when nothing whole follows the damage, and the text's size when
// the text has no end.
std::size_t FindWholeEntriesAfter(std::string_view text, std::size_t damaged, std::string_view lastKey);
