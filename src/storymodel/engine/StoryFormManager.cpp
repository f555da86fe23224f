#include "storymodel/engine/StoryFormManager.h"

#include <utility>

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/IStoryFormDocument.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The overall story's points that the crucial elements are read from.
constexpr std::int16_t kStoryProblemID = 12300;
constexpr std::int16_t kStorySolutionID = 12500;
constexpr std::int16_t kStoryFocusID = 12600;
constexpr std::int16_t kStoryDirectionID = 12700;

bool IsIndex(int index) { return index >= 0 && index < kStoryPointCount; }

// The element's row among the first class's element rows (the same element in every class).
std::int16_t FoldedElement(std::int16_t element) {
    return static_cast<std::int16_t>(kFirstElementID + ElementRank(element));
}

}  // namespace

StoryFormManager::StoryFormManager(IStoryFormDocument& document, PText& responses,
                                   std::uint16_t storyformCount, std::uint16_t structuresValid)
    : document_(document),
      responses_(responses),
      storyformCount_(storyformCount),
      structuresValid_(structuresValid) {
    LoadChoices();
    throughlines_.fill(GetDefaultThroughlineStructure());
}

StoryFormManager::~StoryFormManager() = default;

void StoryFormManager::PostEvent(const TNULLEvent* /*event*/) {
    document_.SetDirty();
    BracketedBroadcasterNULLEvt::PostEvent(nullptr);
}

bool StoryFormManager::HasDynamicValue(int dynamic, int valueIndex) const {
    return GetValueAt(DynamicIndex(dynamic)) == DynamicValue(dynamic, valueIndex);
}

bool StoryFormManager::IsChange() const { return HasDynamicValue(kResolve, 0); }
bool StoryFormManager::IsSteadfast() const { return HasDynamicValue(kResolve, 1); }
bool StoryFormManager::IsStop() const { return HasDynamicValue(kGrowth, 0); }
bool StoryFormManager::IsStart() const { return HasDynamicValue(kGrowth, 1); }
bool StoryFormManager::IsDoer() const { return HasDynamicValue(kApproach, 0); }
bool StoryFormManager::IsBeer() const { return HasDynamicValue(kApproach, 1); }
bool StoryFormManager::IsLogical() const { return HasDynamicValue(kProblemSolvingStyle, 0); }
bool StoryFormManager::IsIntuitive() const { return HasDynamicValue(kProblemSolvingStyle, 1); }
bool StoryFormManager::IsAction() const { return HasDynamicValue(kDriver, 0); }
bool StoryFormManager::IsDecision() const { return HasDynamicValue(kDriver, 1); }
bool StoryFormManager::IsTimelock() const { return HasDynamicValue(kLimit, 0); }
bool StoryFormManager::IsOptionlock() const { return HasDynamicValue(kLimit, 1); }
bool StoryFormManager::IsSuccess() const { return HasDynamicValue(kOutcome, 0); }
bool StoryFormManager::IsFailure() const { return HasDynamicValue(kOutcome, 1); }
bool StoryFormManager::IsGood() const { return HasDynamicValue(kJudgment, 0); }
bool StoryFormManager::IsBad() const { return HasDynamicValue(kJudgment, 1); }

std::int16_t StoryFormManager::GetValueAt(int index) const {
    return IsIndex(index) ? state_[static_cast<std::size_t>(index)].effective : std::int16_t{0};
}

void StoryFormManager::SetValueAt(int index, std::int16_t value) {
    if (!IsIndex(index)) return;
    state_[static_cast<std::size_t>(index)].effective = value;
    Touch();
}

std::int16_t StoryFormManager::GetChosenValueAt(int index) const {
    return IsIndex(index) ? state_[static_cast<std::size_t>(index)].chosen : std::int16_t{0};
}

void StoryFormManager::SetChoiceAt(int index, std::int16_t value) {
    if (!IsIndex(index)) return;
    SetValueAt(index, value);
    StoryPointState& point = state_[static_cast<std::size_t>(index)];
    if (point.chosen == value) return;
    point.changed = 1;
    point.chosen = value;
    PostEvent(nullptr);
}

std::int16_t StoryFormManager::GetChoice(std::int16_t id) const {
    return GetChosenValueAt(StoryPointIndex(id));
}

void StoryFormManager::SetChoice(std::int16_t id, std::int16_t value) {
    SetChoiceAt(StoryPointIndex(id), value);
}

std::int16_t StoryFormManager::GetValue(std::int16_t id) const {
    if (id == kImpactResolveID) return ImpactResolveOf(GetValueAt(DynamicIndex(kResolve)));
    return GetValueAt(StoryPointIndex(id));
}

void StoryFormManager::SetValue(std::int16_t id, std::int16_t value) {
    SetValueAt(StoryPointIndex(id), value);
}

ThroughlineStructure* StoryFormManager::GetThroughlineStructure(std::uint16_t throughline) {
    if (throughline < 1 || throughline > kThroughlineCount) return nullptr;
    return &throughlines_[throughline - 1u];
}

void StoryFormManager::ReleaseThroughlineStructure(std::uint16_t /*throughline*/) {}

std::unique_ptr<StoryFormState> StoryFormManager::SaveState() const {
    return std::make_unique<StoryFormState>(state_);
}

void StoryFormManager::RestoreState(std::unique_ptr<StoryFormState> snapshot) {
    if (!snapshot || *snapshot == state_) return;
    state_ = *snapshot;
    Touch();
    PostEvent(nullptr);
}

const SettledStoryPoints& StoryFormManager::GetSettledStoryPoints() {
    if (!settled_ || settledRevision_ != revision_) {
        settled_ = std::make_unique<SettledStoryPoints>(*this, storyformCount_);
        settledRevision_ = revision_;
    }
    return *settled_;
}

bool StoryFormManager::GetCrucialElements(std::int16_t& first, std::int16_t& second) const {
    first = 0;
    second = 0;
    if (storyformCount_ != kOneStoryform) return false;
    std::int16_t a = 0;
    std::int16_t b = 0;
    if (IsChange()) {
        a = kStoryProblemID;
        b = kStorySolutionID;
        if (!IsSuccess()) std::swap(a, b);
    } else {
        a = kStoryDirectionID;
        b = kStoryFocusID;
        if (IsStop()) std::swap(a, b);
    }
    const std::int16_t valueA = GetValue(a);
    const std::int16_t valueB = GetValue(b);
    if (!IsElementID(valueA) || !IsElementID(valueB)) return false;
    first = FoldedElement(valueA);
    second = FoldedElement(valueB);
    return true;
}
