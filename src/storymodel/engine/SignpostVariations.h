#pragma once
// The four variations of a signpost's type, in the order a structure lists them. The arrangement of
// a storyform places a type and its variations at codes of their own, so the variations are found
// where they lie, never beneath the type's place.

#include <array>
#include <cstdint>

#include "storymodel/engine/ThroughlineStructure.h"

using VariationOrder = std::array<std::int16_t, 4>;

// Whether the id is a type's (a signpost's value); 0, -1 and other ids are not.
bool IsTypeID(std::int16_t id);

// The type's four variations as the theory's table orders them. The id must be a type's.
VariationOrder TableVariations(std::int16_t type);

// As a storyform whose structure 1 is `shown` (with the index built for it) lists them: in the order
// of the quad there that holds all four, else, where no quad does, in the table's order.
VariationOrder ShownVariations(ThroughlineStructure& shown, const NodeIndex& index, std::int16_t type);
