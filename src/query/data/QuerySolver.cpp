#include "query/data/QuerySolver.h"

#include <algorithm>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The offsets of the engine-backed points inside a throughline's block, in the order of the list.
constexpr std::array<int, 16> kRecountOffsets = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 11, 12, 13, 14};
constexpr std::array<std::int16_t, 4> kThroughlineFirstPoints = {12000, 15000, 18000, 21000};

constexpr std::array<std::int16_t, 64> MakeRecountPoints() {
    std::array<std::int16_t, 64> ids{};
    std::size_t k = 0;
    for (std::int16_t first : kThroughlineFirstPoints) {
        for (int offset : kRecountOffsets) ids[k++] = static_cast<std::int16_t>(first + 100 * offset);
    }
    return ids;
}

}  // namespace

const std::array<std::int16_t, 64> kRecountPoints = MakeRecountPoints();

int CollectRecountPoints(StoryformSolver& solver, std::int16_t pagePoint, StoryPointIDList& ids) {
    StoryPointIDList collected;
    solver.CollectConstrainedPoints(collected, pagePoint);
    const StoryPointIDList fixed(kRecountPoints.begin(), kRecountPoints.end());
    return MergeStoryPointLists(collected, fixed, ids);
}

SolverConstraint* FindConstraintOf(StoryformSolver& solver, std::int16_t pointId) {
    SolverConstraint& record = solver.GetConstraint(solver.FindConstraint(pointId));
    return record.inUse && record.id == pointId ? &record : nullptr;
}

std::int16_t ConstraintBaseValue(const SolverConstraint& record) {
    if (record.kind == kDynamicPoint) return record.id;
    const std::int16_t first = ConstraintValueID(record, 0);
    return first > 0 ? static_cast<std::int16_t>(first - 1) : 0;
}

bool IsConstraintFree(const SolverConstraint& record) { return record.open != 0; }

void FreeConstraint(SolverConstraint& record) {
    record.open = 1;
    record.allowedCount = 0;
}

void FixConstraint(SolverConstraint& record, int ordinal) {
    if (ordinal < 0 || ordinal >= record.valueCount) {
        FreeConstraint(record);
        return;
    }
    record.single = static_cast<std::uint8_t>(ordinal);
    record.allowedCount = 0;
    record.open = 0;
}

void FixConstraintToValue(SolverConstraint& record, std::int16_t valueId) {
    if (valueId < 1) {
        FreeConstraint(record);
        return;
    }
    FixConstraint(record, valueId - ConstraintBaseValue(record) - 1);
}

void ClearAllowedValues(SolverConstraint& record) { record.allowedCount = 0; }

bool AddAllowedValue(SolverConstraint& record, std::int16_t valueId) {
    if (record.kind == kElementLevelPoint && valueId >= kFirstElementID)
        valueId = static_cast<std::int16_t>(ElementRank(valueId) + kFirstElementID);
    const int index = record.kind == kDynamicPoint ? valueId - ConstraintBaseValue(record) - 1
                                                   : ValueIndexForID(record, valueId);
    if (index < 0 || index >= record.valueCount || record.Allows(index) ||
        record.allowedCount >= record.allowed.size())
        return false;
    record.allowed[record.allowedCount++] = static_cast<std::uint8_t>(index);
    record.valueMark[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(index + 1);
    record.open = 0;
    return true;
}
