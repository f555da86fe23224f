#include "storywindows/EngineControls.h"

#include <algorithm>
#include <string>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/pfm/PText.h"
#include "query/data/QuerySolver.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storymodel/engine/ValueIndexes.h"

namespace {

constexpr ThroughlineOffset kThroughlineOffsets[EngineControls::kThroughlineControls] = {
    kDomainOffset, kConcernOffset, kIssueOffset, kProblemOffset};

int KindOf(std::int16_t id) {
    const StoryPointRecord* row = StoryPointByID(id);
    return row ? row->kind : -1;
}

// The value id of value index i of the solver's record.
std::int16_t ValueOf(const SolverConstraint& record, int i) {
    if (record.kind == kDynamicPoint) return static_cast<std::int16_t>(record.id + 1 + i);
    return static_cast<std::int16_t>(std::max(0, ValueIDForIndex(record.kind, i)));
}

// An element of any class as the element of the same rank in the first class, as the solver names
// element values; other values as they are.
std::int16_t FirstClassValue(int kind, std::int16_t value) {
    if (kind != kElementLevelPoint || value < kFirstElementID) return value;
    return static_cast<std::int16_t>(kFirstElementID + ValueIndexForID(kind, value));
}

// The values of the record that occur among the storyforms the solver last counted.
std::vector<std::int16_t> ValuesAtHand(const SolverConstraint& record) {
    std::vector<std::int16_t> values;
    for (int i = 0; i < record.valueCount; ++i)
        if (record.IsValuePossible(i)) values.push_back(ValueOf(record, i));
    return values;
}

// The value every counted storyform gives the record, 0 when they differ.
std::int16_t SettledValue(const SolverConstraint& record) {
    if (record.possibleCount != 1) return 0;
    return record.kind == kDynamicPoint ? ValueOf(record, record.result)
                                        : static_cast<std::int16_t>(record.result);
}

// Every value of the point, for a story without engine data.
std::vector<std::int16_t> AllValues(std::int16_t id) {
    std::vector<std::int16_t> values;
    const int kind = KindOf(id);
    const int count = StoryPointValueCount(StoryPointIndex(id));
    for (int i = 0; i < count; ++i)
        values.push_back(kind == kDynamicPoint ? static_cast<std::int16_t>(id + 1 + i)
                                               : static_cast<std::int16_t>(ValueIDForIndex(kind, i)));
    return values;
}

}  // namespace

std::int16_t EngineControls::PointID(std::size_t control) {
    if (control < kDynamicControls) return DynamicPointID(static_cast<int>(control));
    const std::size_t rest = control - kDynamicControls;
    const int throughline = static_cast<int>(rest / kThroughlineControls);
    const StoryPointRecord* row = StoryPointAt(
        ThroughlineStoryPointIndex(throughline, kThroughlineOffsets[rest % kThroughlineControls]));
    return row ? row->id : 0;
}

EngineControls::EngineControls(FKDoc& story)
    : story_(story),
      state_(story.GetStoryFormManager()->SaveState()),
      responses_(*story.GetResponseRecord()),
      locks_(*story.GetLockRecord()),
      storyforms_(story.GetStoryformCount()),
      structuresValid_(story.GetStoryFormManager()->GetStructuresValid()),
      wasDirty_(story.IsDirty()) {
    for (std::size_t i = 0; i < kCount; ++i) controls_[i].id = PointID(i);
    ReadLocks();
    Count();
    // Counting writes what the storyforms settle; that is no change of the writer's.
    if (!wasDirty_) story_.SetClean();
}

EngineControls::~EngineControls() = default;

void EngineControls::ReadLocks() {
    PText& locks = *story_.GetLockRecord();
    for (EngineControl& control : controls_) {
        std::int16_t locked = 0;
        if (const char* code = StoryPointCode(control.id)) locks.GetEntry(code, kPTextShort, &locked);
        control.locked = locked != 0;
    }
}

std::uint16_t EngineControls::Count() {
    StoryFormManager& storyForm = *story_.GetStoryFormManager();
    for (EngineControl& control : controls_)
        control.chosen = FirstClassValue(KindOf(control.id), storyForm.GetChoice(control.id));
    const Fablecore* application = story_.GetFablecore();
    counted_ = application && application->GetEngineFile();
    if (!counted_) {
        for (EngineControl& control : controls_) {
            control.atHand = AllValues(control.id);
            control.settled = 0;
        }
        count_ = story_.GetStoryformCount();
        return count_;
    }
    StoryformSolver solver(storyForm);
    StoryPointIDList collected;
    StoryPointIDList panel;
    StoryPointIDList ids;
    // Every point the engine gives a value is counted with, so that what the storyforms left settle
    // is put in force for each of them, and no value an earlier count settled outlives it.
    CollectRecountPoints(solver, 0, collected);
    for (const EngineControl& control : controls_) panel.push_back(control.id);
    MergeStoryPointLists(collected, panel, ids);
    solver.SetConstraints(nullptr, ids);
    count_ = solver.CountStoryforms();
    // The open controls' values at hand are those of this count; a fixed control's are those of a
    // count with it left open.
    std::vector<SolverConstraint*> fixed;
    for (EngineControl& control : controls_) {
        SolverConstraint& record = solver.GetConstraint(solver.FindConstraint(control.id));
        control.atHand.clear();
        control.settled = 0;
        if (record.id != control.id) continue;
        if (record.open) {
            control.atHand = ValuesAtHand(record);
            control.settled = SettledValue(record);
        } else {
            fixed.push_back(&record);
        }
    }
    for (SolverConstraint* record : fixed) {
        const SolverConstraint kept = *record;
        record->open = 1;
        record->allowedCount = 0;
        solver.CountStoryforms();
        const std::vector<std::int16_t> values = ValuesAtHand(*record);
        *record = kept;
        for (EngineControl& control : controls_)
            if (control.id == record->id) control.atHand = values;
    }
    if (!fixed.empty()) solver.CountStoryforms();
    for (EngineControl& control : controls_) {
        const SolverConstraint& record = solver.GetConstraint(solver.FindConstraint(control.id));
        if (record.id == control.id && !record.open) control.settled = SettledValue(record);
    }
    if (count_ == 0) return 0;
    const BroadcasterBracket bracket(&storyForm);
    const bool single = count_ == StoryFormManager::kOneStoryform;
    story_.SetStoryformCount(count_);
    // Leaving a single storyform puts the writer's answers back in force before what the remaining
    // storyforms settle is written over them.
    if (!single) story_.RebuildThroughlines();
    solver.StoreForcedDomains();
    for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i)
        solver.ApplyResult(i, story_.GetResponseRecord(), single ? 1 : 0);
    if (single) story_.RebuildThroughlines();
    return count_;
}

bool EngineControls::Recount() { return Count() != 0 || !counted_; }

bool EngineControls::Choose(std::size_t i, std::int16_t value) {
    if (i >= kCount) return false;
    EngineControl& control = controls_[i];
    const int kind = KindOf(control.id);
    value = FirstClassValue(kind, value);
    if (control.locked) return false;
    if (value == control.chosen) return true;
    if (value != 0 && std::find(control.atHand.begin(), control.atHand.end(), value) == control.atHand.end())
        return false;
    StoryFormManager& storyForm = *story_.GetStoryFormManager();
    const std::int16_t before = storyForm.GetChoice(control.id);
    std::int16_t stored = value;
    if (kind == kElementLevelPoint && value != 0) {
        // The problem is an element of its throughline's domain when that is known.
        const std::int16_t domain = storyForm.GetValueAt(ThroughlineDomainIndex(control.id));
        if (domain >= 1 && domain <= 4)
            stored = static_cast<std::int16_t>(value + kElementsPerClass * (domain - 1));
    }
    const bool wasDirty = story_.IsDirty();
    bool made = true;
    {
        const BroadcasterBracket bracket(&storyForm);
        storyForm.SetChoice(control.id, stored);
        if (Count() == 0 && counted_) {
            storyForm.SetChoice(control.id, before);
            Count();
            made = false;
        }
    }
    if (!made && !wasDirty) story_.SetClean();
    return made;
}

void EngineControls::SetLocked(std::size_t i, bool locked) {
    if (i >= kCount || controls_[i].locked == locked) return;
    const char* code = StoryPointCode(controls_[i].id);
    if (!code) return;
    PText& record = *story_.GetLockRecord();
    if (locked) {
        WriteRecordNumber(record, code, 1);
    } else {
        record.Remove(code);
    }
    controls_[i].locked = locked;
    story_.SetDirty();
}

void EngineControls::ClearUnlocked() {
    StoryFormManager& storyForm = *story_.GetStoryFormManager();
    const BroadcasterBracket bracket(&storyForm);
    for (const EngineControl& control : controls_)
        if (!control.locked && control.chosen != 0) storyForm.SetChoice(control.id, 0);
    Count();
}

void EngineControls::Revert() {
    StoryFormManager& storyForm = *story_.GetStoryFormManager();
    {
        const BroadcasterBracket bracket(&storyForm);
        responses_.Restore();
        locks_.Restore();
        storyForm.RestoreState(std::make_unique<StoryFormState>(*state_));
        storyForm.SetStructuresValid(structuresValid_);
        story_.SetStoryformCount(storyforms_);
        story_.RebuildThroughlines();
    }
    ReadLocks();
    if (!wasDirty_) story_.SetClean();
}
