#pragma once
// Conversions of keyed-record values between their stored text and their binary form in memory.
// Numbers are always written and read the "C" way (a full stop before the decimals), whatever the
// user's locale.

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/pfm/PTextTypes.h"

// Bytes of a number's binary form: s 2; i, l and f 4; d and x 8. 0 for c and unknown letters.
// Inline, as every value read and every entry parsed asks.
inline std::uint32_t PTextNumberSize(char type) {
    switch (type) {
        case kPTextShort: return 2;
        case kPTextInt:
        case kPTextLong:
        case kPTextFloat: return 4;
        case kPTextDouble:
        case kPTextExtended: return 8;
        default: return 0;
    }
}

// Whether the letter is one of the value types c, s, i, l, f, d, x.
inline bool IsPTextType(char type) { return type == kPTextText || PTextNumberSize(type) != 0; }

// The stored text of a number: s, i and l in decimal; f, d and x with six decimals (f widened to
// double first). The binary value must have the type's size.
std::string FormatPTextNumber(char type, const void* binary);

// Whether the text is a number as a write of the type puts it down: s, i and l an optional minus and
// decimal digits without leading zeros (no minus before 0) within the type's range; f, d and x an
// optional minus, digits without leading zeros, then a full stop and digits (a minus may stand before
// 0 there), or "inf", "nan", "1.#INF00", "1.#IND00", "1.#QNAN0" or "1.#SNAN0" after the optional
// minus. Any other byte, or no digit, is a damaged number.
bool IsPTextNumberText(char type, std::string_view text);

// Reads a number text into its binary form (PTextNumberSize bytes). The text is read as: leading
// white space, an optional sign, digits and, for f, d and x, a fraction and an exponent; reading
// stops at the first other character and a text without digits reads as 0. Integers beyond 32
// bits are held at the 32-bit limits; an s value is then cut to its low 16 bits.
void ParsePTextNumber(char type, std::string_view text, void* binary);
