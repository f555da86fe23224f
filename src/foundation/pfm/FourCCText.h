#pragma once
// Four-character codes as text: for names in messages, for dumps, and for comparing codes typed in
// any case. A code's first character is its lowest byte (MakeFourCC).

#include <cstdint>
#include <string>

#include "foundation/Types.h"

// Writes the four characters in storage order followed by NUL bytes into an 8-byte buffer and
// answers the buffer.
char* FourCCToText(FourCC code, char* buffer);

// Whether the two codes read as the same text when case is ignored (a NUL ends a code's text).
bool SameFourCC(FourCC a, FourCC b);

// A readable form for dumps: each character as 'c' when printable (letters, digits, punctuation,
// the blank), else as x followed by two hex digits, separated by one blank: "'S' 'D' 'O' 'C'".
std::string DescribeFourCC(FourCC code);

// The low byte first, then the high byte.
void SplitU16(std::uint16_t value, std::uint8_t& low, std::uint8_t& high);
// The code's four characters in storage order.
void SplitU32(FourCC code, std::uint8_t& c1, std::uint8_t& c2, std::uint8_t& c3, std::uint8_t& c4);
