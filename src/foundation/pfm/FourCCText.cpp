#include "foundation/pfm/FourCCText.h"

#include <cstdio>
#include <cstring>

#include "foundation/PlainText.h"

char* FourCCToText(FourCC code, char* buffer) {
    std::memset(buffer, 0, 8);
    for (int i = 0; i < 4; ++i) buffer[i] = static_cast<char>(code >> (8 * i));
    return buffer;
}

bool SameFourCC(FourCC a, FourCC b) {
    char textA[8];
    char textB[8];
    FourCCToText(a, textA);
    FourCCToText(b, textB);
    for (int i = 0; i < 4; ++i) {
        if (LowerChar(textA[i]) != LowerChar(textB[i])) return false;
        if (textA[i] == '\0') return true;
    }
    return true;
}

std::string DescribeFourCC(FourCC code) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const unsigned char c = static_cast<unsigned char>(code >> (8 * i));
        char piece[8];
        if (c >= 0x20 && c <= 0x7E) {
            std::snprintf(piece, sizeof piece, "'%c'", c);
        } else {
            std::snprintf(piece, sizeof piece, "x%02X", c);
        }
        if (i > 0) text += ' ';
        text += piece;
    }
    return text;
}

void SplitU16(std::uint16_t value, std::uint8_t& low, std::uint8_t& high) {
    low = static_cast<std::uint8_t>(value);
    high = static_cast<std::uint8_t>(value >> 8);
}

void SplitU32(FourCC code, std::uint8_t& c1, std::uint8_t& c2, std::uint8_t& c3, std::uint8_t& c4) {
    c1 = static_cast<std::uint8_t>(code);
    c2 = static_cast<std::uint8_t>(code >> 8);
    c3 = static_cast<std::uint8_t>(code >> 16);
    c4 = static_cast<std::uint8_t>(code >> 24);
}
