#pragma once
// Partners inside the quads of the theory's structure. Each quad pairs its four places up in three
// ways, the pair kinds: kind 0 pairs places 1 and 4, 2 and 3 (the dynamic pairs); kind 1 pairs 1
// and 2, 3 and 4; kind 2 pairs 1 and 3, 2 and 4.
//
// Depths count from a code's own level upwards: depth 1 is the code's own quad position digit,
// depth 2 the digit of the quad one level above it, and so on. The solution of a problem (depth 1)
// is then its dynamic partner in the same variation, and the depth-2 partner of a concern is the
// same type in the partner class.

#include <cstdint>

#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/ThroughlineStructure.h"

inline constexpr int kPairKindCount = 3;

// The partner of quad position 1-4 under pair kind 0-2; 0 for arguments outside those ranges.
int QuadPartner(int pairKind, int position);

// The code whose digit at the depth is the partner of the code's digit there under the pair kind.
// False, with out a copy of the code, when the code has no position digit at that depth or the
// pair kind is not 0-2.
bool QuadPartnerCode(int depth, int pairKind, const char* code, StructureCode& out);

// The code of the element of the same name as the element the structure holds at the code, placed
// in the class that partners the code's class under the pair kind: the class digit is replaced and
// the type, variation and element digits are those of that element's node within the class (see
// FindQuadElement). False, with out a copy of the code, when the code addresses no element node of
// the structure, the pair kind is not 0-2, or the element is not found in that class.
bool PartnerClassElementCode(const ThroughlineStructure& structure, int pairKind, const char* code,
                             StructureCode& out);

// Finds the element of the same name as elementId among the 64 element nodes of the code's class
// in the structure and writes the type, variation and element digits of its node into the code.
// False, with the code unchanged, when the class digit is not 1-4, elementId is not an element, or
// no node of the class holds an element of that name.
bool FindQuadElement(const ThroughlineStructure& structure, StructureCode& code, std::int16_t elementId);

// The pair kind 0-2 under which the quad positions of the two codes are partners; -1 when the
// codes differ in their level digit or quad level, have no quad position, or differ in a digit
// above that level; 0 when no kind pairs the two positions (equal positions).
int QuadPairKind(const char* a, const char* b);
