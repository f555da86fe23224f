#pragma once
// The damages of one byte that a keyed record's stored text shows while the entries around it still
// read whole: a backslash lost after a value written without its length, and a digit of a text's
// length made larger so that the text takes in the entries after it. Each is found with the byte as
// it was written, so that the record can put it back and read every entry as written.

#include <cstddef>
#include <optional>
#include <string_view>

#include "foundation/pfm/KeyedTextReading.h"
#include "foundation/pfm/PTextTypes.h"

// Two entries a lost backslash joined into one value: the entry as written before it, and the
// entry whose backslash it was.
struct JoinedEntries {
    PTextEntry before;
    PTextEntry joined;
    // Where the backslash was.
    std::size_t at = 0;
};

// Whether a value written without its length holds the entry written after it, its backslash lost:
// the value then reads on over the entry's header up to the next backslash. Found where a header
// inside the value reads as a whole entry that ends where the value does, with a key shaped as the
// program writes them (a capitalised word, and spaces and a number for a numbered one) that comes
// after the value's own key and before the key of the entry that follows (or, at the record's end,
// begins with the same letter), where the byte in the backslash's place is no space or opening mark
// (before which a word is the writer's own), and where what stands before it is a whole value.
std::optional<JoinedEntries> FindJoinedEntry(std::string_view text, const StoredEntry& read);

// Whether a text given with its length took in the entries written after it, one digit of its
// length made larger: the length as written, which differs from the one read in that digit alone,
// and after which entries read whole up to the end of the value read, their keys shaped as the
// program writes them and ascending from the text's own key to before the key of the entry that
// follows. Where several lengths would do, the least.
std::optional<std::size_t> LengthAsWritten(std::string_view text, const StoredEntry& read);
