#pragma once
// Which values a story point can hold. Stored stories are read through this: a value read from a
// file that the point cannot hold is refused rather than taken into the storyform.

#include <cstdint>
#include <string>

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

// What a value of a point names. Most values are items: an element of the theory (a class, type,
// variation or element) or a value row (from 1000 on). A throughline's position holds the place 1-4
// its domain takes in the quad of the classes, and its home class the digit of a class ('1'-'4').
// Windows, exports and reports name values through these two, so that each reads as what it is.
//
// The item the value of the point at the index names: the class of a home class's digit (0 for
// another value), nothing (0) for a position's place, and the value itself for any other point.
std::int16_t StoryPointValueItem(int index, std::int16_t value);
// The words for a value that is set (neither 0 nor -1): "Place 2" for a position, the name of the
// item otherwise; empty when the value names nothing.
std::string StoryPointValueText(int index, std::int16_t value);
