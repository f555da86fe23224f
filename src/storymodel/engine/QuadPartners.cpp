#include "storymodel/engine/QuadPartners.h"

#include <algorithm>

#include "storymodel/engine/ElementTable.h"

namespace {

constexpr int kPartners[kPairKindCount][4] = {{4, 3, 2, 1}, {2, 1, 4, 3}, {3, 4, 1, 2}};

StructureCode CopyCode(const char* code) {
    StructureCode copy{};
    std::copy_n(code, 5, copy.begin());
    return copy;
}

}  // namespace

int QuadPartner(int pairKind, int position) {
    if (pairKind < 0 || pairKind >= kPairKindCount || position < 1 || position > 4) return 0;
    return kPartners[pairKind][position - 1];
}

bool QuadPartnerCode(int depth, int pairKind, const char* code, StructureCode& out) {
    out = CopyCode(code);
    const int index = CodeLevelIndex(code) - (depth - 1);
    if (depth < 1 || index < 0 || index > 3) return false;
    const int partner = QuadPartner(pairKind, code[index] - '0');
    if (partner == 0) return false;
    out[index] = static_cast<char>('0' + partner);
    return true;
}

bool FindQuadElement(const ThroughlineStructure& structure, StructureCode& code, std::int16_t elementId) {
    if (code[0] < '1' || code[0] > '4' || !IsElementID(elementId)) return false;
    const int rank = ElementRank(elementId);
    // The class's element block: its group node and the 84 nodes after it, in code order. The
    // default arrangement tells which of its slots are element slots, and their codes.
    const StructureCode group = {code[0], '1', '1', '1', '3', '\0'};
    const std::size_t first =
        static_cast<std::size_t>(NodeForCode(structure, group.data()) - structure.nodes.data());
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (std::size_t slot = first; slot < first + static_cast<std::size_t>(BlockSize(3)); ++slot) {
        const int host = initial.nodes[slot].elementID;
        const int held = structure.nodes[slot].elementID;
        if (!IsElementID(host) || !IsElementID(held) || ElementRank(held) != rank) continue;
        std::copy_n(kElementTable[static_cast<std::size_t>(host)].code + 1, 3, code.begin() + 1);
        return true;
    }
    return false;
}

bool PartnerClassElementCode(const ThroughlineStructure& structure, int pairKind, const char* code,
                             StructureCode& out) {
    out = CopyCode(code);
    const StructureNode* node = NodeForCode(structure, code);
    if (!node || CountPositionDigits(code) != 4 || code[4] != '0') return false;
    const int partnerClass = QuadPartner(pairKind, code[0] - '0');
    if (partnerClass == 0) return false;
    StructureCode placed = out;
    placed[0] = static_cast<char>('0' + partnerClass);
    if (!FindQuadElement(structure, placed, static_cast<std::int16_t>(node->elementID))) return false;
    out = placed;
    return true;
}

int QuadPairKind(const char* a, const char* b) {
    const int level = CodeLevelIndex(a);
    if (a[4] != b[4] || level != CodeLevelIndex(b) || level < 0 || level > 3) return -1;
    if (!std::equal(a, a + level, b)) return -1;
    const int positionA = a[level] - '0';
    const int positionB = b[level] - '0';
    for (int kind = 0; kind < kPairKindCount; ++kind) {
        if (QuadPartner(kind, positionA) == positionB) return kind;
    }
    return 0;
}
