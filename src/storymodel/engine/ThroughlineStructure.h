#pragma once
// One arrangement of the theory's structure for a throughline: 453 six-byte nodes, one for every
// structure code of the element table, each holding the element that the arrangement places there.
//
// Slot order (blocks of a level are contiguous, which the block moves rely on):
//   0        a header node, addressed by no code;
//   1        the group of all classes, then the classes 1-4;
//   6        the group of all types, then per class a block of 5: its type quad's group, types 1-4;
//   27       the group of all variations, then per class a block of 21: its group of variations,
//            then per type a block of 5: the type's variation quad's group, variations 1-4;
//   112      the group of all elements, then per class a block of 85, per type a block of 21 and per
//            variation a block of 5, each beginning with its group node.
// A node of level g is the first node of a block of 1, 5, 21, 85 or 341 nodes (g = 0 .. 4).

#include <array>
#include <cstdint>

#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/TheoryTables.h"

struct StructureNode {
    std::uint16_t elementID = 0;  // the element table id placed at this node
    std::uint8_t classDigit = 0;  // the class digit of that element's code
    // The node's quad position in the default arrangement (an item's own last position digit, a
    // group's digit g levels up; 0 when there is none), and the positions of two further
    // arrangements.
    std::uint8_t position = 0;
    std::uint8_t positionA = 0;
    std::uint8_t positionB = 0;

    bool operator==(const StructureNode&) const = default;
};
static_assert(sizeof(StructureNode) == 6);

inline constexpr int kStructureNodeCount = kElementCount;

struct ThroughlineStructure {
    std::array<StructureNode, kStructureNodeCount> nodes{};

    bool operator==(const ThroughlineStructure&) const = default;
};

// The number of nodes in a block of level g (0-4): 1, 5, 21, 85, 341.
constexpr int BlockSize(int level) { return level <= 0 ? 1 : 4 * BlockSize(level - 1) + 1; }

// The node the code addresses, or null for a code that addresses none: not five digits, a '0'
// position digit before a nonzero one, no position digit at all, or a level digit above the depth.
// Only the digits that name the node's block count: 44441 addresses the group of the quad of 4444.
StructureNode* NodeForCode(ThroughlineStructure& structure, const char* code);
const StructureNode* NodeForCode(const ThroughlineStructure& structure, const char* code);
inline StructureNode* ThroughlineNodeForCode(ThroughlineStructure& structure, const char* code) {
    return NodeForCode(structure, code);
}

// For each element id, the slot (index into the nodes) that NodeForCode finds for the id's own code
// in the element table, worked out once; -1 for id 0 and for a code that addresses no node.
using ElementSlots = std::array<int, kStructureNodeCount>;
const ElementSlots& ElementCodeSlots();

// The nodes that a code's leading digits address at every depth and level: nodes[L][g] is the node
// at depth index L (0-3) and level g (0 to L + 1) whose block the code's first L + 1 - g digits
// name; null where the code has fewer digits. The block moves walk it.
struct NodePath {
    StructureCode code{};
    ThroughlineStructure* structure = nullptr;
    int depth = 0;
    std::array<std::array<StructureNode*, 5>, 4> nodes{};
};
// False, with the path untouched, for a code that addresses no node.
bool NodePathForCode(ThroughlineStructure& structure, const char* code, NodePath& path);

// For each element id k, the id whose own code addresses the node that holds element k in a
// structure; 0 where no node holds it.
using NodeIndex = std::array<std::uint16_t, kStructureNodeCount>;
NodeIndex BuildNodeIndex(const ThroughlineStructure& structure);

// The node that holds the element in this structure, or null when none does (or the id is not an
// element table id). The index is built for the call when none is given; the code that addresses
// the node is copied out when asked for.
StructureNode* NodeOfElement(ThroughlineStructure& structure, std::int16_t elementId,
                             StructureCode* code = nullptr, const NodeIndex* index = nullptr);

// The default arrangement: every element id 1-452 at its own code, with its class digit and its
// quad position; everything else zero.
void InitThroughlineStructure(ThroughlineStructure& structure);
// The default arrangement, made once.
const ThroughlineStructure& GetDefaultThroughlineStructure();
