#include "storymodel/engine/SignpostVariations.h"

#include <cstring>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StructurePlaces.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

// The code of the type's variation at position 1-4 of the theory's table: the third digit.
StructureCode TableVariationCode(std::int16_t type, int position) {
    StructureCode code{};
    std::memcpy(code.data(), ElementRecordByID(type)->code, code.size());
    code[2] = static_cast<char>('0' + position);
    return code;
}

// The element id the theory's table has at the code.
std::int16_t DefaultIDAtCode(const StructureCode& code) {
    return static_cast<std::int16_t>(DefaultIDAt(code.data()));
}

// The type's four variations in the order of the quad of the structure that holds them. False, with
// the order untouched, when no quad holds all four.
bool VariationsInStructure(ThroughlineStructure& structure, const NodeIndex& index, std::int16_t type,
                           VariationOrder& order) {
    StructureCode code{};
    if (!NodeOfElement(structure, DefaultIDAtCode(TableVariationCode(type, 1)), &code, &index)) return false;
    const char* typeCode = ElementRecordByID(type)->code;
    VariationOrder found{};
    for (int position = 1; position <= 4; ++position) {
        StructureCode at = code;
        at[2] = static_cast<char>('0' + position);
        const StructureNode* node = NodeForCode(structure, at.data());
        const std::int16_t id = node ? static_cast<std::int16_t>(node->elementID) : std::int16_t{0};
        const ElementRecord* held = node ? ElementRecordByID(id) : nullptr;
        if (!held || std::strncmp(held->code, typeCode, 2) != 0 || held->code[2] == '0' ||
            held->code[3] != '0')
            return false;
        found[static_cast<std::size_t>(position - 1)] = id;
    }
    order = found;
    return true;
}

}  // namespace

bool IsTypeID(std::int16_t id) { return id >= kFirstTypeID && id < kFirstVariationID; }

VariationOrder TableVariations(std::int16_t type) {
    VariationOrder order{};
    for (int position = 1; position <= 4; ++position)
        order[static_cast<std::size_t>(position - 1)] = DefaultIDAtCode(TableVariationCode(type, position));
    return order;
}

VariationOrder ShownVariations(ThroughlineStructure& shown, const NodeIndex& index, std::int16_t type) {
    VariationOrder order = TableVariations(type);
    VariationsInStructure(shown, index, type, order);
    return order;
}
