#pragma once
// Text inside the program is 8-bit Windows-1252. These convert it to and from UTF-8 at the edges
// (glyph lookup, the system clipboard, typed text; names and paths go through SystemNames.h).

#include <string>
#include <string_view>

namespace win {

// The Unicode code point of one Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control code points of the same value, so that every
// byte survives a round trip.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int UnicodeToCp1252(char32_t codePoint);

// Every byte converts; the result is valid UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// Code points without a Windows-1252 byte become '?', and so does each malformed UTF-8 sequence;
// when asked, *unkept says whether any did (a '?' of the text itself is kept, not lost).
std::string Utf8ToCp1252(std::string_view text, bool* unkept = nullptr);

// The lower-case form of a Windows-1252 letter (A-Z, the accented capitals, S, Z and OE with caron
// or ligature, Y with diaeresis); every other byte is its own.
char Cp1252ToLower(char c);
// The upper-case form: the reverse of Cp1252ToLower (sharp s and micro sign stay as they are).
char Cp1252ToUpper(char c);

// Whether two texts are equal when letters of either case count as the same.
bool Cp1252EqualNoCase(std::string_view a, std::string_view b);

}  // namespace win
