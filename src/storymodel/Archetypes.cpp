#include "storymodel/Archetypes.h"

#include <algorithm>

#include "storymodel/engine/TheoryTables.h"

namespace {

struct Dimension {
    const char* key;
    const char* name;
    std::array<std::int16_t, 16> elements;
};

constexpr std::array<Dimension, 4> kDimensions = {{
    {"Motv", "Motivation", {89, 95, 96, 97, 101, 107, 108, 109, 110, 117, 120, 132, 135, 140, 141, 147}},
    {"Meth", "Methodology", {86, 92, 98, 105, 112, 113, 118, 123, 124, 125, 126, 128, 130, 133, 134, 136}},
    {"Eval", "Evaluation", {87, 91, 100, 102, 103, 106, 111, 119, 127, 131, 137, 142, 143, 145, 146, 148}},
    {"Purp", "Purpose", {85, 88, 90, 93, 94, 99, 104, 114, 115, 116, 121, 122, 129, 138, 139, 144}},
}};

struct Archetype {
    std::int16_t id;
    const char* name;
    std::array<std::int16_t, kArchetypeElementCount> elements;
};

constexpr std::array<Archetype, 8> kArchetypes = {{
    {4, "Protagonist", {96, 132, 92, 125, 131, 102, 116, 88}},
    {5, "Antagonist", {135, 89, 124, 134, 148, 91, 144, 122}},
    {6, "Sidekick", {107, 140, 98, 86, 87, 137, 121, 115}},
    {7, "Skeptic", {101, 120, 113, 118, 119, 127, 94, 93}},
    {8, "Emotion", {108, 147, 123, 130, 111, 142, 99, 138}},
    {9, "Reason", {117, 97, 126, 112, 143, 145, 85, 90}},
    {10, "Guardian", {95, 109, 136, 105, 106, 103, 104, 129}},
    {11, "Contagonist", {141, 110, 128, 133, 100, 146, 114, 139}},
}};

const Archetype* FindArchetype(std::int16_t archetype) {
    const auto found = std::find_if(kArchetypes.begin(), kArchetypes.end(),
                                    [archetype](const Archetype& row) { return row.id == archetype; });
    return found != kArchetypes.end() ? &*found : nullptr;
}

bool Holds(const std::array<std::int16_t, kArchetypeElementCount>& elements, std::int16_t element) {
    return std::find(elements.begin(), elements.end(), element) != elements.end();
}

}  // namespace

std::uint16_t DimensionOfCharacteristic(int index) {
    const int element = index + kFirstElementID;
    for (std::size_t dimension = 0; dimension < kDimensions.size(); ++dimension) {
        const auto& elements = kDimensions[dimension].elements;
        if (std::find(elements.begin(), elements.end(), element) != elements.end()) {
            return static_cast<std::uint16_t>(dimension);
        }
    }
    return 0xFFFF;
}

const char* DimensionKey(int dimension) {
    return dimension >= 0 && dimension < 4 ? kDimensions[static_cast<std::size_t>(dimension)].key : nullptr;
}

const char* DimensionName(int dimension) {
    return dimension >= 0 && dimension < 4 ? kDimensions[static_cast<std::size_t>(dimension)].name : nullptr;
}

bool ArchetypeElements(std::int16_t archetype, std::array<std::int16_t, kArchetypeElementCount>& elements) {
    const Archetype* row = FindArchetype(archetype);
    if (row) elements = row->elements;
    return row != nullptr;
}

bool GetArchetypeCharacteristics(std::int16_t archetype,
                                 std::array<std::int16_t, kArchetypeElementCount>& characteristics) {
    if (!ArchetypeElements(archetype, characteristics)) return false;
    for (std::int16_t& element : characteristics)
        element = static_cast<std::int16_t>(element - kFirstElementID);
    return true;
}

const char* ArchetypeName(std::int16_t archetype) {
    if (archetype == kUnassignedArchetype) return "Unassigned";
    if (archetype == kComplexArchetype) return "Complex";
    const Archetype* row = FindArchetype(archetype);
    return row ? row->name : "";
}

bool IsArchetypeValue(std::int16_t archetype) {
    return archetype == kUnassignedArchetype || archetype == kComplexArchetype || FindArchetype(archetype);
}

std::int16_t ArchetypeOfElements(const std::array<std::int16_t, kArchetypeElementCount>& elements) {
    // The first row whose first element is among them decides: no element is in two rows.
    for (const Archetype& row : kArchetypes) {
        if (!Holds(elements, row.elements[0])) continue;
        const bool all = std::all_of(row.elements.begin(), row.elements.end(),
                                     [&elements](std::int16_t element) { return Holds(elements, element); });
        return all ? row.id : kUnassignedArchetype;
    }
    return kUnassignedArchetype;
}
