#include "storymodel/engine/ValueIndexes.h"

#include "storymodel/engine/TheoryTables.h"

namespace {

struct KindRange {
    int firstID;
    int idCount;
    int valueCount;
};

bool RangeOfKind(int kind, KindRange& range) {
    switch (kind) {
        case kDomainLevelPoint: range = {kFirstClassID, 4, 4}; return true;
        case kConcernLevelPoint: range = {kFirstTypeID, 16, 16}; return true;
        case kIssueLevelPoint: range = {kFirstVariationID, 64, 64}; return true;
        case kElementLevelPoint:
            range = {kFirstElementID, 4 * kElementsPerClass, kElementsPerClass};
            return true;
        default: return false;
    }
}

}  // namespace

int ValueIndexForID(int kind, int id) {
    KindRange range;
    if (!RangeOfKind(kind, range) || id < range.firstID || id >= range.firstID + range.idCount) return -1;
    return (id - range.firstID) % range.valueCount;
}

int ValueIDForIndex(int kind, int index) {
    KindRange range;
    if (!RangeOfKind(kind, range) || index < 0 || index >= range.valueCount) return -1;
    return range.firstID + index;
}
