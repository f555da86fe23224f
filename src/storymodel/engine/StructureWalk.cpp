#include "storymodel/engine/StructureWalk.h"

#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/TheoryTables.h"

int IterateNodes(const NodeCallback& callback, int classDigit, int depthIndex, int level) {
    for (int id = 1; id <= kLastElementID; ++id) {
        const char* code = kElementTable[id].code;
        if (classDigit != 0 && code[0] - '0' != classDigit) continue;
        if (code[4] - '0' != level || CodeDepth(code) - 1 != depthIndex) continue;
        const int result = callback(code);
        if (result == kWalkContinue) continue;
        return result == kWalkStop ? id : result;
    }
    return kWalkEnded;
}

int IterateAllNodes(const NodeCallback& callback, int classDigit, int level) {
    for (int depthIndex = 0; depthIndex < 4; ++depthIndex) {
        const int first = level < 0 ? 0 : level;
        const int last = level < 0 ? depthIndex : level;
        for (int g = first; g <= last; ++g) {
            const int result = IterateNodes(callback, classDigit, depthIndex, g);
            if (result != kWalkEnded) return result;
        }
    }
    return kWalkEnded;
}
