#include "storymodel/engine/QuadBlocks.h"

#include <algorithm>
#include <array>

#include "storymodel/engine/StructureCode.h"

namespace {

constexpr int kLargestBlock = BlockSize(4);

// The (depth index, level) steps of a block move that starts at the code's own node.
template <typename MoveBlocks>
void ForEachStep(int depthIndex, int level, int mode, MoveBlocks moveBlocks) {
    for (;;) {
        moveBlocks(depthIndex, level);
        if (mode == 1 && depthIndex < 3) {
            ++depthIndex;
            ++level;
        } else if (mode == 2 && level > 0 && depthIndex > 0) {
            --depthIndex;
            --level;
        } else {
            return;
        }
    }
}

void CopyFields(StructureNode& dest, const StructureNode& source, std::uint16_t mask) {
    if (mask & kCopyElementID) dest.elementID = source.elementID;
    if (mask & kCopyClassDigit) dest.classDigit = source.classDigit;
    if (mask & kCopyPosition) dest.position = source.position;
    if (mask & kCopyPositionA) dest.positionA = source.positionA;
    if (mask & kCopyPositionB) dest.positionB = source.positionB;
}

}  // namespace

// A row's code addresses the same node in every structure, so each row's node is found once; the
// rest are look-ups: the node of each element in the destination as it stood, and from there the
// node its fields go to.
void CopyNodeFields(ThroughlineStructure& dest, const ThroughlineStructure& source, std::uint16_t mask) {
    const ElementSlots& slots = ElementCodeSlots();
    const NodeIndex index = BuildNodeIndex(dest);
    for (std::int16_t id = 1; id <= kLastElementID; ++id) {
        const int slot = slots[static_cast<std::size_t>(id)];
        if (slot < 0) continue;
        const StructureNode& from = source.nodes[static_cast<std::size_t>(slot)];
        if (from.elementID == 0 || from.elementID > kLastElementID) continue;
        const std::uint16_t host = index[from.elementID];
        if (host != 0) CopyFields(dest.nodes[static_cast<std::size_t>(slots[host])], from, mask);
    }
    if (mask & kCopyHeader) dest.nodes[0] = source.nodes[0];
}

bool SwapQuadBlocks(ThroughlineStructure& structure, const char* codeA, const char* codeB, int mode) {
    NodePath a, b;
    if (!NodePathForCode(structure, codeA, a) || !NodePathForCode(structure, codeB, b)) return false;
    if (a.depth != b.depth || codeA[4] != codeB[4]) return false;
    ForEachStep(a.depth - 1, codeA[4] - '0', mode, [&](int depthIndex, int level) {
        StructureNode* first = a.nodes[depthIndex][level];
        std::swap_ranges(first, first + BlockSize(level), b.nodes[depthIndex][level]);
    });
    return true;
}

bool RotateQuadBlocks(ThroughlineStructure& structure, const char* code, const std::array<int, 4>& positions,
                      int mode) {
    const int digitIndex = CodeLevelIndex(code);
    if (!NodeForCode(structure, code) || digitIndex < 0) return false;
    std::array<bool, 5> used{};
    for (int position : positions) {
        if (position < 1 || position > 4 || used[position]) return false;
        used[position] = true;
    }
    std::array<NodePath, 4> paths;
    for (int k = 0; k < 4; ++k) {
        StructureCode placed{};
        std::copy_n(code, 5, placed.begin());
        placed[digitIndex] = static_cast<char>('0' + positions[k]);
        NodePathForCode(structure, placed.data(), paths[k]);
    }
    ForEachStep(paths[0].depth - 1, code[4] - '0', mode, [&](int depthIndex, int level) {
        const int size = BlockSize(level);
        std::array<StructureNode, kLargestBlock> last;
        StructureNode* blocks[4];
        for (int k = 0; k < 4; ++k) blocks[k] = paths[k].nodes[depthIndex][level];
        std::copy_n(blocks[3], size, last.begin());
        for (int k = 3; k > 0; --k) std::copy_n(blocks[k - 1], size, blocks[k]);
        std::copy_n(last.begin(), size, blocks[0]);
    });
    return true;
}
