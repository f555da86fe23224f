#pragma once
// Which values a story point can hold. Stored stories are read through this: a value read from a
// file that the point cannot hold is refused rather than taken into the storyform.

#include <cstdint>

// Whether the value is one of the values of the point at the index:
// - a dynamic or dynamic appreciation: the ids of the value rows that follow it in the table (the
//   impact character's resolve takes Resolve's two);
// - a throughline point: an element id of the point's level (a class, type, variation or element);
//   a position holds its class slot 1-4, a home class the class digit as a character ('1'-'4').
// 0 (nothing) and -1 (several) are not values; nothing is a value of an index outside the table.
bool IsStoryPointValue(int index, std::int16_t value);

// Whether a value read for the point at the index may stand as its chosen value or value in force:
// 0, -1, or one of its values.
bool IsStoredValueAcceptable(int index, std::int16_t value);
