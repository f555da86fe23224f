#pragma once
// Lists of 16-bit numbers kept in keyed records as text: each number in decimal followed by a
// comma, the last one too ("3,-1,20,"); an empty list is the empty text. Reading splits the text at
// its commas, skips empty pieces, and reads each other piece as a decimal number with an optional
// sign (a piece that is not a number reads as 0; one beyond the 16-bit range is held to it).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundation/String.h"
#include "foundation/TypedList.h"

// Whether the text holds only what such a list is read from: digits, signs, commas and spaces. Any
// other byte shows that the list was damaged in its file (it took in the entry after it).
bool IsNumberListText(std::string_view text);

// Each answers the number of numbers written or read.
std::int32_t ShortListToText(String& text, const SList& list);
std::int32_t ShortArrayToText(String& text, const std::int16_t* numbers, std::int32_t count);
// Empties the list, then appends each number of the text.
std::int32_t TextToShortList(const char* text, SList& list);
// The most numbers the text can hold: every one but the last takes two bytes at the least (its piece
// and the comma after it). 0 for a null text.
std::size_t MostNumbersIn(const char* text);
// Stores the numbers of the text into the array, at most capacity of them.
std::int32_t TextToShortArray(const char* text, std::uint16_t* numbers, std::int32_t capacity);
