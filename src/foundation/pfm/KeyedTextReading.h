#pragma once
// Reading the entries of a keyed record's stored text one by one, and finding the entries of a
// damaged record that read whole after its damage.
//
// The text is read as its bytes stand; any byte beyond its end reads as a NUL.

#include <cstddef>
#include <string_view>
#include <vector>

#include "foundation/PlainText.h"
#include "foundation/Types.h"
#include "foundation/pfm/PTextTypes.h"

// One entry read from a stored text.
struct StoredEntry {
    // 0, or why no entry could be read here (-9003 to -9006).
    ErrCode error = kNoErr;
    // Its offsets, key, type, text size and flags; no value loaded. A value without its length that
    // runs into a NUL (unterminated) is measured up to it.
    PTextEntry entry;
    // The byte after the value.
    std::size_t next = 0;
};

// The byte at the offset, NUL beyond the text.
inline char StoredByte(std::string_view text, std::size_t at) { return at < text.size() ? text[at] : '\0'; }

// Whether the entry read has its value given with its length: a digit stands before its colon.
inline bool IsGivenWithLength(std::string_view text, const PTextEntry& entry) {
    return IsDecimalDigit(StoredByte(text, entry.valueOffset - 2));
}

// Whether the backslash at the offset ends the record: the NUL that every write puts after it
// follows it in the text. A text that ends without it was cut short.
inline bool IsRecordEnd(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && text[at + 1] == '\0';
}

// Whether the text ends at the offset, just after a value, without the NUL that every write puts at
// the record's end: it was cut short there, and a value given with its length reads whole up to it.
inline bool IsCutAfter(std::string_view text, std::size_t at) {
    return at == text.size() && at > 0 && text[at - 1] != '\0';
}

// Whether the entry at the offset has a header that a write of the record could have made: a colon
// within the header's length, before any other backslash. A quick look before the entry is read, so
// that no search for a colon runs on through a long damaged value.
bool HasPlainHeader(std::string_view text, std::size_t at);

// Reads the entry whose backslash is at the offset.
StoredEntry ReadStoredEntry(std::string_view text, std::size_t at);

// Whether the entry read is whole: read without an error, its key neither empty nor holding a
// backslash (a header read across two entries), of one of the value types, a text without a NUL, a
// number's value a number as written, and its value followed by a backslash (the next entry's, or
// the record's end) or by the end of a text cut short just after it.
bool IsWholeEntry(std::string_view text, const StoredEntry& read);

// Whether the value of an entry read is one a write could have put down: its key neither empty nor
// holding a backslash, of one of the value types, a text without a NUL, a number's value a number as
// written.
bool IsWholeValue(std::string_view text, const PTextEntry& entry);

// The entries kept after the damaged entry whose backslash is at `damaged`, in the order they stand.
// Reading goes on at the first later backslash from which entries read whole up to the record's end
// or up to the next damaged entry, which is passed over in the same way. So that no entry is made
// from the inside of a damaged value, each entry kept has a key without backslashes and is whole,
// and the keys ascend from `lastKey` (the key of the last entry read before the damage) as the
// record's writes put them. Nothing after the record's end is read.
std::vector<PTextEntry> WholeEntriesAfter(std::string_view text, std::size_t damaged,
                                          std::string_view lastKey);
