#include "storymodel/engine/ThroughlineStructure.h"

#include <cstring>
#include <optional>

#include "storymodel/engine/ElementTable.h"

namespace {

// The first slot of each depth: the group of the whole level.
constexpr int kLevelStart[5] = {0, 1, 6, 27, 112};
// BlockSize of each level, looked up rather than recursed at each use.
constexpr int kBlockSizes[4] = {BlockSize(0), BlockSize(1), BlockSize(2), BlockSize(3)};

struct CodeDigits {
    int depth;
    int level;
    int digits[4];
};

// The digits of a code that addresses a node; nothing for any other text.
std::optional<CodeDigits> ParseCode(const char* code) {
    if (!code) return std::nullopt;
    CodeDigits parsed{};
    for (int index = 0; index < 5; ++index) {
        if (code[index] < '0' || code[index] > '9') return std::nullopt;
    }
    if (code[5] != '\0') return std::nullopt;
    while (parsed.depth < 4 && code[parsed.depth] != '0') {
        if (code[parsed.depth] > '4') return std::nullopt;
        parsed.digits[parsed.depth] = code[parsed.depth] - '0';
        ++parsed.depth;
    }
    for (int index = parsed.depth; index < 4; ++index) {
        if (code[index] != '0') return std::nullopt;
    }
    parsed.level = code[4] - '0';
    if (parsed.depth == 0 || parsed.level > parsed.depth) return std::nullopt;
    return parsed;
}

// The slot of the node at a depth (1-4) and level whose block the first depth - level digits name.
int SlotFor(int depth, int level, const int* digits) {
    int slot = kLevelStart[depth];
    for (int k = 1; k <= depth - level; ++k) slot += 1 + (digits[k - 1] - 1) * kBlockSizes[depth - k];
    return slot;
}

}  // namespace

StructureNode* NodeForCode(ThroughlineStructure& structure, const char* code) {
    const std::optional<CodeDigits> parsed = ParseCode(code);
    if (!parsed) return nullptr;
    return &structure.nodes[SlotFor(parsed->depth, parsed->level, parsed->digits)];
}

const StructureNode* NodeForCode(const ThroughlineStructure& structure, const char* code) {
    return NodeForCode(const_cast<ThroughlineStructure&>(structure), code);
}

bool NodePathForCode(ThroughlineStructure& structure, const char* code, NodePath& path) {
    const std::optional<CodeDigits> parsed = ParseCode(code);
    if (!parsed) return false;
    path = NodePath{};
    std::memcpy(path.code.data(), code, 5);
    path.structure = &structure;
    path.depth = parsed->depth;
    for (int depthIndex = 0; depthIndex < 4; ++depthIndex) {
        for (int level = 0; level <= depthIndex + 1; ++level) {
            // The node whose block the code's first depthIndex + 1 - level digits name.
            if (depthIndex + 1 - level > parsed->depth) continue;
            path.nodes[depthIndex][level] = &structure.nodes[SlotFor(depthIndex + 1, level, parsed->digits)];
        }
    }
    return true;
}

const ElementSlots& ElementCodeSlots() {
    static const ElementSlots slots = [] {
        ElementSlots found;
        found.fill(-1);
        for (std::int16_t id = 1; id <= kLastElementID; ++id) {
            if (const std::optional<CodeDigits> parsed = ParseCode(kElementTable[id].code))
                found[static_cast<std::size_t>(id)] = SlotFor(parsed->depth, parsed->level, parsed->digits);
        }
        return found;
    }();
    return slots;
}

NodeIndex BuildNodeIndex(const ThroughlineStructure& structure) {
    NodeIndex index{};
    const ElementSlots& slots = ElementCodeSlots();
    for (std::int16_t id = 1; id <= kLastElementID; ++id) {
        const int slot = slots[static_cast<std::size_t>(id)];
        if (slot < 0) continue;
        const StructureNode& node = structure.nodes[static_cast<std::size_t>(slot)];
        if (node.elementID > 0 && node.elementID <= kLastElementID)
            index[node.elementID] = static_cast<std::uint16_t>(id);
    }
    return index;
}

StructureNode* NodeOfElement(ThroughlineStructure& structure, std::int16_t elementId, StructureCode* code,
                             const NodeIndex* index) {
    if (elementId <= 0 || elementId > kLastElementID) return nullptr;
    const std::uint16_t host = index ? (*index)[elementId] : BuildNodeIndex(structure)[elementId];
    if (host == 0) return nullptr;
    const char* hostCode = kElementTable[host].code;
    if (code) std::memcpy(code->data(), hostCode, code->size());
    return NodeForCode(structure, hostCode);
}

void InitThroughlineStructure(ThroughlineStructure& structure) {
    structure = ThroughlineStructure{};
    for (std::int16_t id = 1; id <= kLastElementID; ++id) {
        const char* code = kElementTable[id].code;
        StructureNode* node = NodeForCode(structure, code);
        node->elementID = static_cast<std::uint16_t>(id);
        node->classDigit = static_cast<std::uint8_t>(code[0] - '0');
        node->position = static_cast<std::uint8_t>(CodePositionDigit(code));
    }
}

const ThroughlineStructure& GetDefaultThroughlineStructure() {
    static const ThroughlineStructure structure = [] {
        ThroughlineStructure made;
        InitThroughlineStructure(made);
        return made;
    }();
    return structure;
}
