#pragma once
// Readers of the element table: from an element id (0-452) to its row, the digits of its structure
// code and its display name in the current vocabulary.

#include <cstdint>

#include "storymodel/engine/TheoryTables.h"

// Whether the id is one of the 256 elements (85-340).
constexpr bool IsElementID(int id) { return id >= kFirstElementID && id < kFirstGroupID; }
// An element's rank 0-63 among the elements of its class: the same element has the same rank in
// every class.
constexpr int ElementRank(int elementId) { return (elementId - kFirstElementID) % kElementsPerClass; }

// The row of the id, or null when the id is not in the table. The row's first field is its code.
const ElementRecord* ElementRecordByID(std::int16_t id);

// The numeric value of digit 1, 2, 3, 4 or 5 of the id's code; 0 for an id not in the table.
int ElementClassDigit(std::int16_t id);
int ElementTypeDigit(std::int16_t id);
int ElementVariationDigit(std::int16_t id);
int ElementElementDigit(std::int16_t id);
int ElementLevelDigit(std::int16_t id);

// The row's name in the current vocabulary: the newer name when the newer vocabulary is in force
// and the row has one, else the original name. A group node that spans the variations or elements
// below one type or variation is named after that item: its display name followed by " Variations"
// or " Elements".
const char* ElementDisplayName(const ElementRecord& row);

// ElementDisplayName of the id's row; the empty text for an id not in the table.
const char* ElementName(std::int16_t id);
