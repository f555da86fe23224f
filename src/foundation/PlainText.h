#pragma once
// Routines on plain NUL-terminated 8-bit texts, used by every subsystem. Comparisons answer -1, 0
// or 1. A null text reads as the empty text wherever a text is only read. Case and white space
// follow the "C" locale.

#include <cstdint>

#include "foundation/Types.h"

// Byte comparison of the whole texts, or of at most their first n characters.
int StrCompare(const char* a, const char* b);
int StrNCompare(const char* a, const char* b, std::uint32_t n);
// Compares the upper-case forms; where they differ, the sign is that of the difference of the two
// characters taken as signed 8-bit values.
int StrCompareNoCase(const char* a, const char* b);

char* StrCopy(char* dest, const char* src);
// Copies at most size - 1 characters and a NUL (nothing when size is 0); true when the source was
// cut.
bool StrCopyMax(char* dest, const char* src, std::uint32_t size);
// Writes exactly n bytes: the source's characters up to its NUL, then NULs.
void StrNCopy(char* dest, const char* src, std::uint32_t n);
std::uint32_t StrLength(const char* text);
// The first position of the character, null when absent or for null text.
const char* StrFindChar(const char* text, char c);
char* StrFindChar(char* text, char c);

// The first position that is not (is) white space, or the end.
const char* SkipSpace(const char* text);
const char* SkipNonSpace(const char* text);
// Copies from `from` up to `to` (or up to a NUL) and ends the copy with a NUL.
void CopyRange(char* dest, const char* from, const char* to);

// Skips white space and copies the following run of other characters into dest. The error is 0;
// -2 for an empty run (dest empty); -3 when the run was cut to size - 1 characters. Answers the
// position after the run.
const char* NextWord(const char* text, char* dest, std::uint32_t size, ErrCode* error);

// The first position where the pattern occurs, compared in upper case; null when absent.
const char* StrFindNoCase(const char* text, const char* pattern);

char* AppendChar(char* text, char c);

// In place between a length-prefixed text (first byte the length) and a NUL-terminated one. A text
// longer than 255 characters is cut to 255.
char* PStrToCStr(char* text);
char* CStrToPStr(char* text);

// Skips leading spaces, tabs, line feeds and carriage returns; an optional '-'; decimal digits up
// to the first other character. The result wraps modulo 2^32 when the digits overflow it.
std::int32_t StrToLong(const char* text);

// The upper-case and lower-case forms of one character, as the "C" locale folds them whatever
// locale is set: only 'a' to 'z' and 'A' to 'Z' change.
char UpperChar(char c);
char LowerChar(char c);

// A decimal digit, and white space (space, tab, line feed, vertical tab, form feed, carriage
// return), as the "C" locale knows them whatever locale is set.
inline bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
