#include "storymodel/engine/StructureWalk.h"

#include <array>
#include <vector>

#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

constexpr int kDepthIndexes = 4;
constexpr int kLevels = 5;

// The element ids of each depth index and level digit, in id order: what a walk goes through.
const std::vector<std::int16_t>& IdsAt(int depthIndex, int level) {
    using Table = std::array<std::array<std::vector<std::int16_t>, kLevels>, kDepthIndexes>;
    static const Table table = [] {
        Table ids;
        for (std::int16_t id = 1; id <= kLastElementID; ++id) {
            const char* code = kElementTable[static_cast<std::size_t>(id)].code;
            const int d = CodeDepth(code) - 1;
            const int g = code[4] - '0';
            if (d >= 0 && d < kDepthIndexes && g >= 0 && g < kLevels)
                ids[static_cast<std::size_t>(d)][static_cast<std::size_t>(g)].push_back(id);
        }
        return ids;
    }();
    return table[static_cast<std::size_t>(depthIndex)][static_cast<std::size_t>(level)];
}

}  // namespace

int IterateNodes(const NodeCallback& callback, int classDigit, int depthIndex, int level) {
    if (depthIndex < 0 || depthIndex >= kDepthIndexes || level < 0 || level >= kLevels) return kWalkEnded;
    for (const std::int16_t id : IdsAt(depthIndex, level)) {
        const char* code = kElementTable[static_cast<std::size_t>(id)].code;
        if (classDigit != 0 && code[0] - '0' != classDigit) continue;
        const int result = callback(code);
        if (result == kWalkContinue) continue;
        return result == kWalkStop ? id : result;
    }
    return kWalkEnded;
}

int IterateAllNodes(const NodeCallback& callback, int classDigit, int level) {
    for (int depthIndex = 0; depthIndex < kDepthIndexes; ++depthIndex) {
        const int first = level < 0 ? 0 : level;
        const int last = level < 0 ? depthIndex : level;
        for (int g = first; g <= last; ++g) {
            const int result = IterateNodes(callback, classDigit, depthIndex, g);
            if (result != kWalkEnded) return result;
        }
    }
    return kWalkEnded;
}
