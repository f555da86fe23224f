#pragma once
// Structure codes: five digits that address a node of the theory's structure. Digits 1-4 are the
// quad positions (1-4) of the class, type, variation and element, '0' where the code stops above
// that level; the fifth, the level digit g, is 0 for an item and 1-4 for the group node that spans
// g levels above the item's level (g = 1: the item's quad).

#include <array>
#include <cstdint>

// A code with its terminating zero.
using StructureCode = std::array<char, 6>;

// The index of the last position digit that is not '0' among the first four, plus 1; the scan stops
// at the first digit, so "00000" gives 1.
int CodeDepth(const char* code);
// The number of position digits that are not '0'.
int CountPositionDigits(const char* code);
// CodeDepth - 1 - g: the index of the digit that is this node's quad position (negative for the
// groups that span a whole level).
int CodeLevelIndex(const char* code);
// The value of that digit; 0 when the node has no quad position.
int CodePositionDigit(const char* code);
// 1 + the index of the first of the four position digits that differ; 0 when all four are equal.
int FirstDifferingDigit(const char* a, const char* b);

// The code of the group of the 16 elements of one type: "11112" with the first digit replaced by
// the class digit of the element's code and the second by '3' for dimension 0, '4' for 1, '2' for 2
// and '1' for any other. The class digit is '0' for an id not in the element table.
StructureCode MakeQuadGroupCode(std::int16_t elementId, int dimension);
