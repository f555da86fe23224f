#include "storymodel/engine/ReferenceStoryformCount.h"

#include <array>
#include <memory>

#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/ValueIndexes.h"

namespace {

void Mark(SolverConstraint& record, int valueIndex) {
    record.valueMark[static_cast<std::size_t>(valueIndex)] = static_cast<std::uint8_t>(valueIndex + 1);
}

bool InDynamicPlace(const std::vector<SolverConstraint>& records, int dynamic) {
    const SolverConstraint& record = records[static_cast<std::size_t>(dynamic)];
    return record.inUse && record.id == DynamicPointID(dynamic);
}

int FirstMarkedValue(const SolverConstraint& record) {
    for (int v = 0; v < record.valueCount; ++v) {
        if (record.IsValuePossible(v)) return v;
    }
    return -1;
}

struct EngineColumns {
    EngineColumn dynamics;
    std::array<EngineColumn, StoryformSolver::kCapacity> points;
    std::array<EngineColumn, StoryformSolver::kCapacity> domains;
};

void MarkValues(std::vector<SolverConstraint>& records, std::uint16_t n, const EngineColumns& columns,
                std::uint8_t markedDynamics, bool classFlag) {
    const int dynamics = columns.dynamics.At(n);
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        if (markedDynamics >> dynamic & 1) {
            Mark(records[static_cast<std::size_t>(dynamic)], dynamics >> dynamic & 1);
        }
    }
    for (std::size_t i = 0; i < records.size() && records[i].inUse; ++i) {
        SolverConstraint& record = records[i];
        if (record.kind == kDynamicPoint || record.saturated) continue;
        const int value = columns.points[i].At(n);
        if (value >= record.valueCount) continue;
        if (!record.valueMark[static_cast<std::size_t>(value)]) {
            Mark(record, value);
            ++record.possibleCount;
        }
        if (classFlag && record.kind == kElementLevelPoint) {
            record.MarkClass(value, columns.domains[i].At(n));
        } else if (record.possibleCount == record.valueCount) {
            record.saturated = 1;
        }
    }
}

}  // namespace

std::uint16_t ReferenceCountStoryforms(ReferenceCountState& state, bool refine, bool classFlag) {
    std::vector<SolverConstraint>& constraints = state.records;
    const EngineRecordSet& records = EngineTableReader::Instance().Records();

    std::uint16_t dynamicMask = 0, dynamicBits = 0;
    std::uint8_t markedDynamics = 0;
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        if (dynamic == kLimit || !InDynamicPlace(constraints, dynamic)) continue;
        markedDynamics |= static_cast<std::uint8_t>(1 << dynamic);
        const SolverConstraint& record = constraints[static_cast<std::size_t>(dynamic)];
        if (record.open) continue;
        dynamicMask |= kDynamicBit[static_cast<std::size_t>(dynamic)];
        if (record.single) dynamicBits |= kDynamicBit[static_cast<std::size_t>(dynamic)];
    }
    std::vector<std::uint8_t> selected(kStoryformIndexCount);
    for (std::size_t n = 0; n < selected.size(); ++n) {
        selected[n] = (n & dynamicMask) == dynamicBits && !(refine && state.excluded[n]);
    }

    auto columns = std::make_unique<EngineColumns>();
    columns->dynamics = EngineFieldColumn(records, 0);
    for (std::size_t i = 0; i < constraints.size() && constraints[i].inUse; ++i) {
        const SolverConstraint& record = constraints[i];
        if (record.kind == kDynamicPoint) continue;
        EngineColumn& column = columns->points[i];
        column = EngineFieldColumn(records, record.engineField);
        if (record.kind == kElementLevelPoint) {
            columns->domains[i] =
                EngineFieldColumn(records, record.engineField - EngineFieldOffset(record.engineField));
        }
        if (record.open) continue;
        for (std::size_t n = 0; n < selected.size(); ++n) {
            const std::uint8_t value = column.At(n);
            bool passes = value == record.single;
            if (record.allowedCount > 0) {
                passes = false;
                for (int k = 0; k < record.allowedCount; ++k)
                    passes = passes || record.allowed[static_cast<std::size_t>(k)] == value;
            }
            if (!passes) selected[n] = 0;
        }
    }

    for (SolverConstraint& record : constraints) {
        if (!record.inUse) continue;
        record.ClearValues();
        record.possibleCount = 0;
        record.saturated = 0;
        record.result = 0;
    }
    int found = 0;
    int first = -1;
    for (std::size_t n = 0; n < selected.size(); ++n) {
        state.excluded[n] = selected[n] ? 0 : 1;
        if (!selected[n]) continue;
        MarkValues(constraints, static_cast<std::uint16_t>(n), *columns, markedDynamics, classFlag);
        if (found++ == 0) first = static_cast<int>(n);
    }

    SolverConstraint& limit = constraints[kLimit];
    const bool limitFixed = InDynamicPlace(constraints, kLimit) && !limit.open;
    if (!limitFixed) {
        state.limitMode = kLimitOpen;
        found *= 2;
        if (found > 0 && limit.inUse) {
            Mark(limit, 0);
            Mark(limit, 1);
        }
    } else {
        state.limitMode = limit.single == 1 ? kLimitOptionlock : kLimitTimelock;
        if (limit.single == 1 && first >= 0) first += kDynamicBit[kLimit];
        if (found > 0) Mark(limit, limit.single);
    }

    for (std::size_t i = 0; i < constraints.size() && constraints[i].inUse; ++i) {
        SolverConstraint& record = constraints[i];
        if (record.kind == kDynamicPoint) {
            record.possibleCount =
                static_cast<std::uint16_t>(record.IsValuePossible(0) + record.IsValuePossible(1));
            if (record.possibleCount == 1) record.result = record.IsValuePossible(0) ? 0 : 1;
        } else if (record.possibleCount == 1) {
            record.result = static_cast<std::uint8_t>(ConstraintValueID(record, FirstMarkedValue(record)));
        }
    }
    state.count = static_cast<std::uint16_t>(found);
    state.singleNumber = found == 1 ? static_cast<std::int16_t>(first) : std::int16_t{-1};
    return state.count;
}
