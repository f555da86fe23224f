#pragma once
// The damages of one byte that a keyed record's stored text shows while the entries around it still
// read whole: a backslash lost after a value, written with its length or without it. Each is found
// with the byte as it was written, so that the record can put it back and read every entry as
// written.

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
    // Whether `before` is as written. A number's backslash found only in a byte a number is written
    // with (a digit, a sign, a point) may as well have been lost beside a digit of the number: the
    // number's value is not known, and only the joined entry is kept.
    bool beforeKnown = true;
};

// Whether a number written without its length holds the entry written after it, its backslash
// lost: the number then reads on over the entry's header up to the next backslash. Looked for only
// in a number with bytes no number is written with (a text without its length is read as written,
// whatever words it holds). Found where a header inside the value reads as a whole entry that ends
// where the value does, with a key shaped as the program writes them (a capitalised word, and
// spaces and a number for a numbered one) that comes after the value's own key and before the key
// of the entry that follows, and where what stands before it is a whole number. A backslash in the
// place of a byte no number is written with is looked for first.
std::optional<JoinedEntries> FindJoinedEntry(std::string_view text, const StoredEntry& read);

// Whether a text holds what could read as such a header inside it, after a byte that is no word
// break nor a word's first letter: such a text is written with its length where its header has room
// for it, so that it reads as one text by any reader.
bool HoldsHeaderInside(std::string_view value);

// Whether the key, the type letter and the digits of the length fit an entry's header.
bool LengthFits(std::string_view key, std::size_t length);

// A digit of the length of a value given with it, and the digit written there.
struct LengthDigit {
    std::size_t at = 0;
    char written = '0';
};

// Where one digit of the length of a value given with it was damaged: the value then ends where no
// backslash stands, inside the entry written after it or past the record's end. Found where that
// one digit written otherwise (no length beginning with a 0) makes the value end whole at a
// backslash from which the record ends or an entry reads whole, its key shaped as written and after
// the value's own, and where no other digit does.
std::optional<LengthDigit> DamagedLengthDigit(std::string_view text, const StoredEntry& read);

// Whether a value given with its length runs one byte over, its last byte the backslash of the entry
// written after it (or of the record's end), from which that entry reads whole: a byte of the value
// was lost, and it reads whole one byte short.
bool RunsOneByteOver(std::string_view text, const StoredEntry& read);

// Where the backslash after a value was damaged: after a value given with its length, the byte
// where its length ends; after one without, a NUL it runs into before the record's end. Found where
// the value reads whole up to it and an entry reads whole from it as from a backslash, its key
// shaped as written and after the value's own (and, after a NUL, before the key of the entry
// written after it).
std::optional<std::size_t> LostBackslashAfter(std::string_view text, const StoredEntry& read);

// The bytes [from, to) of a text that hold a NUL no write puts in one, where the text reads whole
// but for them: a text given with its length, or one without it that runs on over them up to the
// next backslash before the record's end. Each such NUL stands for a byte of the text that can no
// longer be read.
struct ByteRange {
    std::size_t from = 0;
    std::size_t to = 0;
};
std::optional<ByteRange> UnreadableTextBytes(std::string_view text, const StoredEntry& read);

// How the backslash that closes every record before its NUL was lost, where the text ends without
// it: made another byte, which stands in its place, or lost beside the last value's own last byte,
// which is kept. A byte that no entry reads, or a number's byte no number is written with, took its
// place; a last byte that ends the value whole (any byte of a text) is the value's own.
// The NUL after that backslash made another byte (kEndMadeAnotherByte) is put back where the byte is
// none a key written begins with: a capital may as well begin an entry the record was cut inside.
enum class LostClosing { kNone, kMadeAnotherByte, kLostAfterValue, kEndMadeAnotherByte };
LostClosing FindLostClosing(std::string_view text);
