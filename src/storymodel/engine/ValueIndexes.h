#pragma once
// Value indexes of throughline story points: a domain-level point's value is one of the 4 classes,
// a concern-level point's one of the 16 types, an issue-level point's one of the 64 variations and
// an element-level point's one of the 64 element names (the rank of the element in its class, the
// same in every class).

#include <cstdint>

// The value index of an id for a point of the kind (2 domain .. 5 element level): class id - 1,
// type id - 5, variation id - 21, element rank (id - 85) mod 64. -1 for another kind, or an id
// outside the kind's range (classes 1-4, types 5-20, variations 21-84, elements 85-340).
int ValueIndexForID(int kind, int id);

// The id of a value index: for kinds 2-4 the class, type or variation id; for kind 5 the element
// of that rank in class 1 (85 + index). -1 for another kind or an index outside 0 .. count - 1.
int ValueIDForIndex(int kind, int index);
