#pragma once
// Where an arranged structure holds a node: found by scanning its slots, without building a node
// index. The builder asks this a few dozen times per storyform.

#include <cstdint>

#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/ThroughlineStructure.h"

// The element id the default arrangement holds at the code; 0 for a code that addresses no node.
std::uint16_t DefaultIDAt(const char* code);

// The table code of the node at which the structure holds the id. False, with the code unchanged,
// when no node holds it.
bool FindHeldCode(const ThroughlineStructure& structure, std::uint16_t id, StructureCode& code);

// The code at which the structure holds the node that the default arrangement holds at the code:
// where earlier moves took that node. The code itself when no node holds it.
StructureCode FindCodeOfElement(const ThroughlineStructure& structure, const StructureCode& code);
