#include "storymodel/engine/StructurePlaces.h"

#include <algorithm>

#include "storymodel/engine/TheoryTables.h"

std::uint16_t DefaultIDAt(const char* code) {
    const StructureNode* node = NodeForCode(GetDefaultThroughlineStructure(), code);
    return node ? node->elementID : 0;
}

bool FindHeldCode(const ThroughlineStructure& structure, std::uint16_t id, StructureCode& code) {
    if (id == 0) return false;
    // The default arrangement holds at every slot the id whose own code addresses that slot.
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (std::size_t slot = 1; slot < structure.nodes.size(); ++slot) {
        if (structure.nodes[slot].elementID != id) continue;
        std::copy_n(kElementTable[initial.nodes[slot].elementID].code, 5, code.begin());
        code[5] = '\0';
        return true;
    }
    return false;
}

StructureCode FindCodeOfElement(const ThroughlineStructure& structure, const StructureCode& code) {
    StructureCode found = code;
    FindHeldCode(structure, DefaultIDAt(code.data()), found);
    return found;
}
