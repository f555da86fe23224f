#pragma once
// Basic types shared by every subsystem.

#include <cstdint>

// Status codes: 0 for success, negative for failure. Yes/no answers are plain bool.
using ErrCode = std::int16_t;
inline constexpr ErrCode kNoErr = 0;

// Run-time class id of a TObject-derived class.
using ClassId = std::uint32_t;

// A 32-bit code made of four characters, the first character in the lowest byte.
using FourCC = std::uint32_t;

constexpr FourCC MakeFourCC(char a, char b, char c, char d) {
    return static_cast<FourCC>(static_cast<unsigned char>(a)) |
           static_cast<FourCC>(static_cast<unsigned char>(b)) << 8 |
           static_cast<FourCC>(static_cast<unsigned char>(c)) << 16 |
           static_cast<FourCC>(static_cast<unsigned char>(d)) << 24;
}

// MakeFourCC from a four-character literal: FourCCOf("SDOC").
constexpr FourCC FourCCOf(const char (&text)[5]) { return MakeFourCC(text[0], text[1], text[2], text[3]); }
