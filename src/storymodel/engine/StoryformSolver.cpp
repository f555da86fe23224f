#include "storymodel/engine/StoryformSolver.h"

#include <algorithm>
#include <string>

#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "storymodel/engine/BusyPhase.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/ValueIndexes.h"

namespace {

// The live solvers and engine table keepers: the last of them to go releases the engine tables.
int gEngineTableHolders = 0;

void HoldEngineTables() {
    EngineTableReader::Instance();
    ++gEngineTableHolders;
}

void LetGoOfEngineTables() {
    if (--gEngineTableHolders == 0) ReleaseEngineTables();
}

constexpr std::int16_t kFirstCollectedID = 12400;  // the overall story's benchmark
constexpr std::array<std::int16_t, 8> kAlwaysConstrained = {12000, 12100, 12200, 12300,
                                                            15000, 18000, 21000, 15300};
constexpr std::array<std::int16_t, 4> kDomainIDs = {12000, 15000, 18000, 21000};

// The engine field of the domain of the throughline a field 1-40 belongs to.
int DomainFieldOf(int field) { return field - EngineFieldOffset(field); }

void Mark(SolverConstraint& record, int valueIndex) {
    record.valueMark[static_cast<std::size_t>(valueIndex)] = static_cast<std::uint8_t>(valueIndex + 1);
}

// Whether the record in the dynamic's own place (the first eight) holds that dynamic: only there
// is a dynamic counted with.
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

}  // namespace

EngineTablesKeeper::EngineTablesKeeper() { HoldEngineTables(); }

EngineTablesKeeper::~EngineTablesKeeper() { LetGoOfEngineTables(); }

StoryformSolver::StoryformSolver(IStoryForm& storyform) : storyform_(storyform), constraints_(kCapacity) {
    HoldEngineTables();
}

StoryformSolver::~StoryformSolver() { LetGoOfEngineTables(); }

int StoryformSolver::CollectConstrainedPoints(StoryPointIDList& ids, std::int16_t extraId) {
    ids.clear();
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) ids.push_back(DynamicPointID(dynamic));
    const auto add = [&](std::int16_t id) {
        if (std::find(ids.begin() + kDynamicCount, ids.end(), id) == ids.end()) ids.push_back(id);
    };
    for (std::int16_t id : kAlwaysConstrained) add(id);
    for (int index = StoryPointIndex(kFirstCollectedID); index >= 0 && index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = kStoryPointTable[static_cast<std::size_t>(index)];
        if (row.engineField == kNoEngineField) continue;
        if (row.id == extraId || storyform_.GetChoice(row.id) != 0) add(row.id);
    }
    return static_cast<int>(ids.size());
}

void StoryformSolver::SetConstraints(const std::vector<SolverAttachment>* side, const StoryPointIDList& ids) {
    ClearConstraints();
    std::size_t k = 0;
    SList list;
    for (std::int16_t id : ids) {
        if (k == constraints_.size()) break;
        const int index = StoryPointIndex(id);
        const StoryPointRecord* row = StoryPointAt(index);
        if (!row || row->kind < kDynamicPoint || row->kind > kElementLevelPoint) continue;
        SolverConstraint& record = constraints_[k++];
        record.inUse = 1;
        record.id = id;
        record.index = static_cast<std::int16_t>(index);
        record.kind = row->kind;
        record.engineField = row->engineField;
        record.valueCount = static_cast<std::int16_t>(StoryPointValueCount(index));
        if (side) {
            const auto entry = std::find_if(side->begin(), side->end(),
                                            [id](const SolverAttachment& a) { return a.id == id; });
            if (entry != side->end()) record.attachment = entry->attachment;
        }
        record.ClearValues();

        const std::int16_t choice = storyform_.GetChoice(id);
        if (record.kind == kDynamicPoint) {
            // Only the dynamic's own two values fix it.
            if (choice == id + 1 || choice == id + 2) {
                record.single = static_cast<std::uint8_t>(choice - id - 1);
                record.open = 0;
            }
        } else if (choice >= 1) {
            const int value = ValueIndexForID(record, choice);
            if (value >= 0) {
                record.single = static_cast<std::uint8_t>(value);
                record.open = 0;
            }
        } else if (choice == -1) {
            storyform_.GetMultipleChoices(index, list);
            for (std::int32_t i = 0; i < list.Count(); ++i) {
                const int value = ValueIndexForID(record, list.GetAt(i));
                if (value < 0 || record.Allows(value) || record.allowedCount >= record.valueCount) continue;
                record.allowed[record.allowedCount++] = static_cast<std::uint8_t>(value);
            }
            // A list with no usable value fixes nothing.
            record.open = record.allowedCount == 0 ? 1 : 0;
        }
    }
}

void StoryformSolver::MarkValues(const EngineRecordSet& records, std::span<const std::uint16_t> remaining,
                                 std::uint8_t markedDynamics, bool classFlag) {
    // Record 0 holds an index's dynamics a bit each: a dynamic's value occurs when its bit is set
    // (or clear) in any remaining index's byte.
    std::uint8_t set = 0, clear = 0;
    EngineFieldColumn(records, 0).WithReader([&](auto read) {
        for (std::uint16_t n : remaining) {
            set |= read(n);
            clear |= static_cast<std::uint8_t>(~read(n));
        }
    });
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        if (!(markedDynamics >> dynamic & 1)) continue;
        SolverConstraint& record = constraints_[static_cast<std::size_t>(dynamic)];
        if (clear >> dynamic & 1) Mark(record, 0);
        if (set >> dynamic & 1) Mark(record, 1);
    }

    // Every other point, over the remaining indexes until each of its values has occurred (with the
    // class flag, element-level points go on to note the classes of every one).
    for (std::size_t i = 0; i < constraints_.size() && constraints_[i].inUse; ++i) {
        SolverConstraint& record = constraints_[i];
        if (record.kind == kDynamicPoint) continue;
        const bool classes = classFlag && record.kind == kElementLevelPoint;
        const EngineColumn domains =
            classes ? EngineFieldColumn(records, DomainFieldOf(record.engineField)) : EngineColumn{};
        EngineFieldColumn(records, record.engineField).WithReader([&](auto read) {
            for (std::uint16_t n : remaining) {
                const int value = read(n);
                if (value >= record.valueCount) continue;
                if (!record.valueMark[static_cast<std::size_t>(value)]) {
                    Mark(record, value);
                    ++record.possibleCount;
                }
                if (classes) {
                    record.MarkClass(value, domains.At(n));
                } else if (record.possibleCount == record.valueCount) {
                    record.saturated = 1;
                    break;
                }
            }
        });
    }
}

std::uint16_t StoryformSolver::CountStoryforms(bool refine, bool classFlag) {
    BusyPhase busy;
    const EngineRecordSet& records = EngineTableReader::Instance().Records();

    // The storyform indexes in the ranges of the fixed dynamics (Limit is never enumerated; its
    // effect is applied at the end). A refining count starts from what the last count left, so
    // everything it does not reach ends excluded.
    std::uint16_t dynamicMask = 0, dynamicBits = 0;
    std::uint8_t markedDynamics = 0;  // the dynamics whose values the count marks
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        if (dynamic == kLimit || !InDynamicPlace(constraints_, dynamic)) continue;
        markedDynamics |= static_cast<std::uint8_t>(1 << dynamic);
        const SolverConstraint& record = constraints_[static_cast<std::size_t>(dynamic)];
        if (record.open) continue;
        dynamicMask |= kDynamicBit[static_cast<std::size_t>(dynamic)];
        if (record.single) dynamicBits |= kDynamicBit[static_cast<std::size_t>(dynamic)];
    }
    excluded_.Start(dynamicMask, dynamicBits, refine);

    // Each fixed point excludes, over its whole engine column, the indexes whose value it does not
    // allow.
    for (std::size_t i = 0; i < constraints_.size() && constraints_[i].inUse; ++i) {
        const SolverConstraint& record = constraints_[i];
        if (record.kind == kDynamicPoint || record.open) continue;
        const EngineColumn column = EngineFieldColumn(records, record.engineField);
        if (record.allowedCount > 0) {
            std::array<bool, 256> allowed{};
            for (int k = 0; k < record.allowedCount; ++k)
                allowed[record.allowed[static_cast<std::size_t>(k)]] = true;
            excluded_.KeepAllowed(column, allowed);
        } else {
            excluded_.KeepValue(column, record.single);
        }
    }
    const std::span<const std::uint16_t> remaining = excluded_.ListRemaining();

    for (SolverConstraint& record : constraints_) {
        if (!record.inUse) continue;
        record.ClearValues();
        record.possibleCount = 0;
        record.saturated = 0;
        record.result = 0;
    }
    MarkValues(records, remaining, markedDynamics, classFlag);
    int found = static_cast<int>(remaining.size());
    int first = remaining.empty() ? -1 : remaining.front();

    // Limit changes nothing else: an open Limit doubles the count.
    SolverConstraint& limit = constraints_[kLimit];
    const bool limitFixed = InDynamicPlace(constraints_, kLimit) && !limit.open;
    if (!limitFixed) {
        limitMode_ = kLimitOpen;
        found *= 2;
        if (found > 0 && limit.inUse) {
            Mark(limit, 0);
            Mark(limit, 1);
        }
    } else {
        limitMode_ = limit.single == 1 ? kLimitOptionlock : kLimitTimelock;
        if (limit.single == 1 && first >= 0) first += kDynamicBit[kLimit];
        if (found > 0) Mark(limit, limit.single);
    }

    for (std::size_t i = 0; i < constraints_.size() && constraints_[i].inUse; ++i) {
        SolverConstraint& record = constraints_[i];
        if (record.kind == kDynamicPoint) {
            record.possibleCount =
                static_cast<std::uint16_t>(record.IsValuePossible(0) + record.IsValuePossible(1));
            if (record.possibleCount == 1) record.result = record.IsValuePossible(0) ? 0 : 1;
        } else if (record.possibleCount == 1) {
            record.result = static_cast<std::uint8_t>(ConstraintValueID(record, FirstMarkedValue(record)));
        }
    }
    count_ = static_cast<std::uint16_t>(found);
    singleNumber_ = found == 1 ? static_cast<std::int16_t>(first) : std::int16_t{-1};
    return count_;
}

void StoryformSolver::StoreForcedDomains() {
    for (std::int16_t id : kDomainIDs) {
        const SolverConstraint& record = constraints_[static_cast<std::size_t>(FindConstraint(id))];
        const bool forced = record.inUse && record.id == id && record.possibleCount == 1;
        storyform_.SetValueAt(StoryPointIndex(id), forced ? record.result : 0);
    }
}

void StoryformSolver::ApplyResult(int i, PText* /*responses*/, int mode) {
    if (i < 0 || i >= kCapacity || !constraints_[static_cast<std::size_t>(i)].inUse) return;
    const SolverConstraint& record = constraints_[static_cast<std::size_t>(i)];
    const std::int16_t id = record.id;
    if (record.kind == kDynamicPoint) {
        // A fixed dynamic keeps its own value (the only one that can remain).
        if (!record.open) {
            storyform_.SetChoice(id, static_cast<std::int16_t>(id + 1 + record.single));
        } else {
            storyform_.SetChoice(id, 0);
            if (record.possibleCount == 1)
                storyform_.SetValue(id, static_cast<std::int16_t>(id + 1 + record.result));
        }
        return;
    }
    if (record.allowedCount > 0 && mode != 1) {
        storyform_.SetChoice(id, -1);
        return;
    }
    int value = record.result;
    if (record.kind == kElementLevelPoint && value != 0) {
        const std::int16_t domain = storyform_.GetValueAt(ThroughlineDomainIndex(id));
        if (domain >= 1 && domain <= 4) value += kElementsPerClass * (domain - 1);
    }
    // With nothing left, a fixed point keeps the writer's choice as it stands.
    if (!record.open && value == 0) return;
    // The writer's list stays the choice: the single storyform's value of it is only in force.
    if (record.allowedCount > 0) {
        storyform_.SetValue(id, static_cast<std::int16_t>(value));
        return;
    }
    if (!record.open) {
        storyform_.SetChoice(id, static_cast<std::int16_t>(value));
    } else {
        storyform_.SetChoice(id, 0);
        if (record.possibleCount == 1) storyform_.SetValue(id, static_cast<std::int16_t>(value));
    }
}

bool StoryformSolver::IsStoryformExcluded(std::uint16_t number) const {
    if (number >= kStoryformCount) return true;
    const bool optionlock = (number & kDynamicBit[kLimit]) != 0;
    if (limitMode_ == kLimitTimelock && optionlock) return true;
    if (limitMode_ == kLimitOptionlock && !optionlock) return true;
    return excluded_.IsExcluded(number);
}

SolverConstraint& StoryformSolver::GetConstraint(int i) {
    if (i < 0 || i >= kCapacity) {
        spare_ = SolverConstraint{};
        return spare_;
    }
    return constraints_[static_cast<std::size_t>(i)];
}

int StoryformSolver::FindConstraint(std::int16_t id) const {
    for (std::size_t i = 0; i < constraints_.size(); ++i) {
        if (constraints_[i].inUse && constraints_[i].id == id) return static_cast<int>(i);
    }
    return 0;
}

void StoryformSolver::ClearConstraints() {
    std::fill(constraints_.begin(), constraints_.end(), SolverConstraint{});
}

std::int16_t StoryformSolver::DynamicValueID(std::uint16_t number, int dynamic) {
    if (dynamic < 0 || dynamic >= kDynamicCount) return 0;
    const int bit =
        dynamic == kLimit ? DynamicValueIndex(number, kLimit) : GetEngineField(0, number) >> dynamic & 1;
    return DynamicValue(dynamic, bit);
}

std::int16_t StoryformSolver::EngineValueID(std::uint16_t number, int field, int kind) {
    const int value = GetEngineField(field, number);
    if (kind == kElementLevelPoint) {
        if (field < 1 || field > 40 || value >= kElementsPerClass) return 0;
        const int classIndex = GetEngineField(DomainFieldOf(field), number);
        if (classIndex > 3) return 0;
        return static_cast<std::int16_t>(kFirstElementID + value + kElementsPerClass * classIndex);
    }
    const int id = ValueIDForIndex(kind, value);
    return static_cast<std::int16_t>(id < 0 ? 0 : id);
}

int MergeStoryPointLists(const StoryPointIDList& a, const StoryPointIDList& b, StoryPointIDList& out) {
    StoryPointIDList merged = a;
    for (std::int16_t id : b) {
        if (IndexOfPoint(a, id) < 0) merged.push_back(id);
    }
    out = std::move(merged);
    return static_cast<int>(out.size());
}

int IndexOfPoint(const StoryPointIDList& list, std::int16_t id) {
    const auto found = std::find(list.begin(), list.end(), id);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}
