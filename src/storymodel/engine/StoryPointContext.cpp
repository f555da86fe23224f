#include "storymodel/engine/StoryPointContext.h"

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The elements of the four classes; a page shows the first class's.
constexpr int kLastElement = kFirstGroupID - 1;
constexpr int kFirstDynamicValue = 1000;
constexpr int kLastDynamicValue = 1072;
constexpr int kImpactResolveShift = 5;

std::vector<std::int16_t> Range(int first, int count) {
    std::vector<std::int16_t> values;
    for (int value = first; value < first + count; ++value)
        values.push_back(static_cast<std::int16_t>(value));
    return values;
}

}  // namespace

std::int16_t ContextTextID(std::int16_t storyPointID, std::int16_t value) {
    int place = value;
    if (value >= kFirstElementID && value <= kLastElement) {
        place = (value - kFirstElementID) % kElementsPerClass + 1;
    } else if (value >= kFirstDynamicValue && value <= kLastDynamicValue) {
        place = value - storyPointID;
    }
    const int shift = storyPointID == kImpactResolveID ? kImpactResolveShift : 0;
    return static_cast<std::int16_t>(storyPointID + place + shift);
}

std::vector<std::int16_t> StoryPointPageValues(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row) return {};
    switch (row->kind) {
        case kDynamicAppreciationPoint:
        case kDynamicPoint: {
            if (row->id == kImpactResolveID) return Range(DynamicValue(kResolve, 0), 2);
            std::vector<std::int16_t> values;
            for (int next = index + 1; StoryPointAt(next) && StoryPointAt(next)->kind == kValueRow; ++next)
                values.push_back(StoryPointAt(next)->id);
            return values;
        }
        case kDomainLevelPoint: return Range(kFirstClassID, kFirstTypeID - kFirstClassID);
        case kConcernLevelPoint: return Range(kFirstTypeID, kFirstVariationID - kFirstTypeID);
        case kIssueLevelPoint: return Range(kFirstVariationID, kFirstElementID - kFirstVariationID);
        case kElementLevelPoint: return Range(kFirstElementID, kElementsPerClass);
        default: return {};
    }
}
