#pragma once
// Shared pieces of keyed text records: their result codes, limits and the index entry that
// describes one key.
//
// A keyed text record is stored as text: entries of the form backslash, key, type letter, an
// optional decimal length, a colon and the value, ended by a backslash and a NUL byte:
//   \NMc:Bob\Ratiod:2.500000\Sexs:1\<NUL>

#include <cstdint>

#include "foundation/FileError.h"
#include "foundation/Types.h"

// Result codes. Operations that succeed answer 0 or a non-negative value item.
inline constexpr ErrCode kPTextErrNoBackslash = -9002;   // the text does not begin with a backslash
inline constexpr ErrCode kPTextErrNoColon = -9003;       // an entry has no colon before the end
inline constexpr ErrCode kPTextErrLongHeader = -9004;    // key, type and length exceed 24 characters
inline constexpr ErrCode kPTextErrNoType = -9005;        // an entry's header holds no type letter
inline constexpr ErrCode kPTextErrUnterminated = -9006;  // a value runs past the end of the text
inline constexpr ErrCode kPTextErrBadType = -9008;       // not one of c, s, i, l, f, d, x
inline constexpr ErrCode kPTextErrTypeMismatch = -9009;  // the key exists with another type
inline constexpr ErrCode kPTextErrNoKey = -9010;         // no such key (callers keep their default)
inline constexpr ErrCode kPTextErrEndOfEntries = -9011;  // an entry walk is past the last entry
inline constexpr ErrCode kPTextErrNoRecord = -9012;      // the record's segment does not exist yet
// A text value longer than kPTextMaxTextValue is refused as the value store's items cannot hold it.
inline constexpr ErrCode kPTextErrValueTooLong = kOutOfMemoryErr;

// Value type letters.
inline constexpr char kPTextText = 'c';      // text, NUL-terminated in memory
inline constexpr char kPTextShort = 's';     // signed 16-bit
inline constexpr char kPTextInt = 'i';       // signed 32-bit
inline constexpr char kPTextLong = 'l';      // signed 32-bit
inline constexpr char kPTextFloat = 'f';     // 32-bit float
inline constexpr char kPTextDouble = 'd';    // 64-bit double
inline constexpr char kPTextExtended = 'x';  // 64-bit double

// The key field holds 24 characters and a NUL; key, type letter and length digits together take at
// most 24 characters.
inline constexpr int kPTextKeySize = 25;
inline constexpr int kPTextMaxHeader = 24;
// A text value longer than this is always written with its length.
inline constexpr std::uint32_t kPTextInlineLimit = 99;
inline constexpr std::uint32_t kPTextMaxTextValue = 32766;

// Entry flags.
inline constexpr std::uint8_t kPTextEntryNew = 1;         // not yet saved
inline constexpr std::uint8_t kPTextEntryValueNewer = 2;  // the loaded value is newer than the text
inline constexpr std::uint8_t kPTextEntryKeepLength = 4;  // always written with its length

// One key of a record, as its sorted index holds it. Offsets refer to the record text as last
// parsed or saved.
struct PTextEntry {
    std::uint32_t entryOffset = 0;  // the entry's backslash
    std::uint32_t endOffset = 0;    // the last byte of the value (the colon for an empty value)
    char key[kPTextKeySize] = {};
    std::uint16_t type = 0;         // the type letter
    std::uint32_t textSize = 0;     // the value text's length, plus 1 for type c
    std::uint32_t valueSize = 0;    // size of the binary value last set
    std::uint32_t valueOffset = 0;  // the value's first byte
    std::int32_t poolItem = -1;     // the loaded value, -1 while not loaded
    std::uint8_t flags = 0;
};
