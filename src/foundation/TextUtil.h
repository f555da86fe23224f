#pragma once
// Small text routines shared by every subsystem. Texts are 8-bit; case mapping and white space
// follow the "C" locale.

#include <cstddef>
#include <cstdint>

// A hash of the bytes in 0 .. modulus - 1 (a modulus below 1 counts as 1).
std::uint32_t HashBytes(const void* bytes, std::size_t count, std::uint32_t modulus);

// In place; each answers its argument.
char* ReverseText(char* text);
void* ReverseBytes(void* bytes, std::size_t count);
char* LowerText(char* text);
char* UpperText(char* text);

bool HasWhiteSpace(const char* text);

// The text must begin with an opener: '"', '\'', '(', '{', '[' or '<'. For a quote, answers the next
// equal quote that is not preceded by a backslash; for a bracket, its closer at nesting depth 0.
// Null when there is none, or when the text is empty or does not begin with an opener.
const char* FindClosingBracket(const char* text);

// Length-prefixed texts: the first byte is the length, at most 255.
// Compares the common length bytewise; when equal, answers the difference of the lengths.
int PStrCompare(const unsigned char* a, const unsigned char* b);
unsigned char* PStrCopy(unsigned char* dest, const unsigned char* src);
// Appends as much of src as keeps dest at most 255 characters.
unsigned char* PStrAppend(unsigned char* dest, const unsigned char* src);
