#include "storymodel/engine/StoryPointValues.h"

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/ValueIndexes.h"

namespace {

// The offset of the index within its throughline's block, or -1 outside the blocks.
int OffsetInThroughline(int index) {
    const int first = kThroughlineFirstIndex[0];
    const int last = kThroughlineFirstIndex[3] + kThroughlinePointCount - 1;
    if (index < first || index > last) return -1;
    return (index - first) % kThroughlinePointCount;
}

// Whether the value is the id of one of the value rows that follow the row at the index.
bool IsValueRowOf(int index, std::int16_t value) {
    for (int row = index + 1; row < kStoryPointCount && kStoryPointTable[row].kind == kValueRow; ++row) {
        if (kStoryPointTable[row].id == value) return true;
    }
    return false;
}

}  // namespace

bool IsStoryPointValue(int index, std::int16_t value) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row) return false;
    switch (row->kind) {
        case kDynamicAppreciationPoint:
        case kDynamicPoint:
            return IsValueRowOf(row->id == kImpactResolveID ? DynamicIndex(kResolve) : index, value);
        case kDomainLevelPoint:
            if (OffsetInThroughline(index) == kHomeClassOffset) return value >= '1' && value <= '4';
            // A position's slots 1-4 are the class ids' range too.
            [[fallthrough]];
        case kConcernLevelPoint:
        case kIssueLevelPoint:
        case kElementLevelPoint: return ValueIndexForID(row->kind, value) >= 0;
        default: return false;
    }
}

bool IsStoredValueAcceptable(int index, std::int16_t value) {
    if (!StoryPointAt(index)) return false;
    return value == 0 || value == -1 || IsStoryPointValue(index, value);
}

namespace {

constexpr std::int16_t kFirstValueRowID = 1000;

bool HoldsPlace(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    return row && row->kind == kDomainLevelPoint && OffsetInThroughline(index) == kPositionOffset;
}

bool HoldsClassDigit(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    return row && row->kind == kDomainLevelPoint && OffsetInThroughline(index) == kHomeClassOffset;
}

}  // namespace

std::int16_t StoryPointValueItem(int index, std::int16_t value) {
    if (HoldsPlace(index)) return 0;
    if (HoldsClassDigit(index))
        return value >= '1' && value <= '4' ? static_cast<std::int16_t>(value - '0') : 0;
    return value;
}

std::string StoryPointValueText(int index, std::int16_t value) {
    if (HoldsPlace(index)) return value >= 1 && value <= 4 ? "Place " + std::to_string(value) : "";
    const std::int16_t item = StoryPointValueItem(index, value);
    if (item >= kFirstValueRowID) return StoryPointName(item);
    return item > 0 ? ElementName(item) : "";
}
