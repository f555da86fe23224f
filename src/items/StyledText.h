#pragma once
// The style codes of styled text, as every reader of the format takes them apart. A code is the
// byte 0xC7, a body and the byte 0xC8. "B+", "B-", "I+", "I-", "U+" and "U-" switch bold, italic and
// underline on and off (bytes after the sign are ignored); "M(first,left,right)" sets the paragraph
// margins in device pixels: the first line's left indent, the later lines' left indent and the
// indent from the right edge. A 0xC7 that does not start a well-formed code is an ordinary
// character, and so is every byte after it.

#include <cstdint>

#include "foundation/StyleCodeBytes.h"

// What ParseStyleCode found.
struct StyleCodeResult {
    std::uint16_t on = 0;        // 1 when a style code switches its style on
    std::uint32_t styleBit = 0;  // 1 bold, 2 italic, 4 underline; 0 for a margin code
    std::int16_t first = 0;      // the margins of a margin code
    std::int16_t left = 0;
    std::int16_t right = 0;
};

// ParseStyleCode's answers.
inline constexpr std::int32_t kStyleCodeParsed = 0;
inline constexpr std::int32_t kMarginCodeParsed = 1;
inline constexpr std::int32_t kUnrecognisedCode = 2;  // closed, but not B, I, M or U
inline constexpr std::int32_t kMalformedCode = 3;     // unclosed, a bad sign or a bad margin body

// True for the answers of well-formed codes, which take no room and are never drawn.
inline bool IsWellFormedCode(std::int32_t parsed) {
    return parsed == kStyleCodeParsed || parsed == kMarginCodeParsed;
}

// Takes apart the code whose 0xC7 is at the position. For a well-formed code the position moves to
// the byte after its 0xC8; otherwise it stays. The result's on flag and style bit are cleared
// first; its margins are written only for a margin code.
std::int32_t ParseStyleCode(const char* text, std::uint32_t& position, StyleCodeResult& result);

// The margins of the body between the 0xC7 at codeStart and the 0xC8 at codeEnd: the body is "M(",
// numbers separated by two commas, and ")" last. Each number is read as StrToLong reads it and kept
// as 16 bits. kMarginCodeParsed with the margins written, or kMalformedCode with nothing written.
std::int32_t ParseMarginCode(const char* text, std::uint32_t codeStart, std::uint32_t codeEnd,
                             std::int16_t& first, std::int16_t& left, std::int16_t& right);

// Copies the bytes at indexes 0 .. lastIndex (stopping at a NUL) without their well-formed codes,
// then a NUL; answers the number of bytes written before the NUL. A code that starts within the
// range is dropped whole. Source and destination may be the same buffer.
std::uint32_t StripStyleCodes(const char* source, char* destination, std::uint32_t lastIndex);
