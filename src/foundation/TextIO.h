#pragma once
// Texts in streams, each behind a length prefix: short (1 byte, at most 127 characters), medium
// (16-bit, at most 32767) or long (32-bit, no limit). The characters follow without a NUL; a
// longer text is cut to the form's limit when written. Texts may be stored scrambled, and flags
// are stored as one byte, 0 or 1.
//
// Reading into a buffer of a given size: a stored text that does not fit is cut to size - 1
// characters, the cut flag (when asked for) is set, and the stream is left after the whole stored
// text. Malformed stored data (a negative length, a NUL inside a text, a flag byte other than 0 or
// 1) gives -3; a text running past the end of the file gives -10.

#include <cstdint>

#include "foundation/IFile.h"

class String;

inline constexpr std::int32_t kMaxShortText = 127;
inline constexpr std::int32_t kMaxMediumText = 32767;

// Stored sizes, prefix included.
std::uint32_t SizeOfShortText(const char* text);
std::uint32_t SizeOfMediumText(const char* text);
std::uint32_t SizeOfLongText(const char* text);

// Null writes the empty text.
ErrCode WriteShortText(IWriteFile& stream, const char* text);
ErrCode WriteMediumText(IWriteFile& stream, const char* text);
ErrCode WriteLongText(IWriteFile& stream, const char* text);
ErrCode WriteShortTextScrambled(IWriteFile& stream, const char* text);
ErrCode WriteMediumTextScrambled(IWriteFile& stream, const char* text);

// The buffer always ends with a NUL (when its size is above 0). cut may be null.
ErrCode ReadShortText(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut);
ErrCode ReadMediumText(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut);
ErrCode ReadLongText(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut);
ErrCode ReadShortTextScrambled(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut);
ErrCode ReadMediumTextScrambled(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut);

// Reads a text of the given stored length (the prefix already read).
ErrCode ReadPrefixedText(IReadFile& stream, std::int32_t length, char* buffer, std::uint32_t size,
                         bool unscramble, std::int16_t* cut);

// The same with Strings. Writing cuts a String longer than the form's limit, as above. Reading
// takes the whole stored text, however long, growing the String only as the characters arrive
// (a damaged length cannot make it reserve memory the file does not back); on failure the String
// keeps its text.
std::uint32_t SizeOfShortText(const String& text);
std::uint32_t SizeOfMediumText(const String& text);
std::uint32_t SizeOfLongText(const String& text);
ErrCode WriteShortText(IWriteFile& stream, const String& text);
ErrCode WriteMediumText(IWriteFile& stream, const String& text);
ErrCode WriteLongText(IWriteFile& stream, const String& text);
ErrCode WriteShortTextScrambled(IWriteFile& stream, const String& text);
ErrCode WriteMediumTextScrambled(IWriteFile& stream, const String& text);
ErrCode ReadShortText(IReadFile& stream, String& text);
ErrCode ReadMediumText(IReadFile& stream, String& text);
ErrCode ReadLongText(IReadFile& stream, String& text);
ErrCode ReadShortTextScrambled(IReadFile& stream, String& text);
ErrCode ReadMediumTextScrambled(IReadFile& stream, String& text);

ErrCode ReadFlag(IReadFile& stream, std::int16_t& flag);
ErrCode WriteFlag(IWriteFile& stream, bool flag);

// Scrambling: a rolling XOR keyed by the process's scrambling key byte and the text's length.
// Applying it twice with the same key and length gives back the original bytes.
void ScrambleText(std::uint32_t count, char* bytes);
// The same over the first count bytes of a text of the given stored length: unscrambles the
// beginning of a stored text that was cut to fit a buffer.
void ScrambleTextPrefix(std::uint32_t count, char* bytes, std::uint32_t storedLength);

// The scrambling key byte. It is built while the program runs (by the keyed records that are
// stored scrambled) and never stored; 0 when no scrambled record is being read or written.
std::uint8_t GetScrambleKey();
void SetScrambleKey(std::uint8_t key);
