#pragma once
// The contextual examples of the query window's help: for a value that a question page about a
// story point stands for, the id of the text that the context file ("context.qrv") keeps for it.

#include <cstdint>
#include <vector>

// The id of the context text for the value shown on a page about the story point with the id:
// the point's id plus the value's place, which is its place among the first 64 elements for an
// element (85-340 give 1-64), its distance from the point for a dynamic's value (1000-1072), and
// the value itself otherwise; the impact character's resolve, whose values are Resolve's, adds 5.
std::int16_t ContextTextID(std::int16_t storyPointID, std::int16_t value);

// The values a question page about the point at the index can stand for: a dynamic's two values
// (Resolve's for the impact character's resolve), an appreciation's values, and the structural
// items of the point's level (classes 1-4, types 5-20, variations 21-84, or elements 85-148, the
// first class's elements standing for all four). Empty for value rows and bad indexes.
std::vector<std::int16_t> StoryPointPageValues(int index);
