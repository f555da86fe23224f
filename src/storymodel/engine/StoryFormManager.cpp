#include "storymodel/engine/StoryFormManager.h"

#include <utility>

#include "storymodel/engine/IStoryFormDocument.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// Rows of the eight dynamics, and the ids of their first values; the second value is one more.
constexpr int kResolveIndex = 0;
constexpr int kGrowthIndex = 4;
constexpr int kApproachIndex = 7;
constexpr int kStyleIndex = 10;
constexpr int kDriverIndex = 13;
constexpr int kLimitIndex = 16;
constexpr int kOutcomeIndex = 19;
constexpr int kJudgmentIndex = 22;

constexpr std::int16_t kChange = 1001;
constexpr std::int16_t kSteadfast = 1002;
constexpr std::int16_t kStop = 1011;
constexpr std::int16_t kDoer = 1021;
constexpr std::int16_t kLogical = 1031;
constexpr std::int16_t kAction = 1041;
constexpr std::int16_t kTimelock = 1051;
constexpr std::int16_t kSuccess = 1061;
constexpr std::int16_t kGood = 1071;

constexpr std::int16_t kResolveID = 1000;
constexpr std::int16_t kImpactResolveID = 1005;

// The overall story's points that the crucial elements are read from.
constexpr std::int16_t kStoryProblemID = 12300;
constexpr std::int16_t kStorySolutionID = 12500;
constexpr std::int16_t kStoryFocusID = 12600;
constexpr std::int16_t kStoryDirectionID = 12700;

bool IsIndex(int index) {
    return index >= 0 && index < kStoryPointCount;
}

// The element's row among the first class's element rows (the same element in every class).
std::int16_t FoldedElement(std::int16_t element) {
    return static_cast<std::int16_t>((element - kFirstElementID) % kElementsPerClass + kFirstElementID);
}

bool IsElement(std::int16_t value) {
    return value >= kFirstElementID && value < kFirstGroupID;
}

}  // namespace

StoryFormManager::StoryFormManager(IStoryFormDocument& document, PText& responses,
                                   std::uint16_t storyformCount, std::uint16_t structuresValid)
    : document_(document),
      responses_(responses),
      storyformCount_(storyformCount),
      structuresValid_(structuresValid) {
    LoadChoices();
    for (ThroughlineStructure& structure : throughlines_) InitThroughlineStructure(structure);
}

StoryFormManager::~StoryFormManager() = default;

void StoryFormManager::PostEvent(const TNULLEvent* /*event*/) {
    document_.SetDirty();
    BracketedBroadcasterNULLEvt::PostEvent(nullptr);
}

bool StoryFormManager::HasValueAt(int index, std::int16_t value) const {
    return GetValueAt(index) == value;
}

bool StoryFormManager::IsChange() const {
    return HasValueAt(kResolveIndex, kChange);
}
bool StoryFormManager::IsSteadfast() const {
    return HasValueAt(kResolveIndex, kChange + 1);
}
bool StoryFormManager::IsStop() const {
    return HasValueAt(kGrowthIndex, kStop);
}
bool StoryFormManager::IsStart() const {
    return HasValueAt(kGrowthIndex, kStop + 1);
}
bool StoryFormManager::IsDoer() const {
    return HasValueAt(kApproachIndex, kDoer);
}
bool StoryFormManager::IsBeer() const {
    return HasValueAt(kApproachIndex, kDoer + 1);
}
bool StoryFormManager::IsLogical() const {
    return HasValueAt(kStyleIndex, kLogical);
}
bool StoryFormManager::IsIntuitive() const {
    return HasValueAt(kStyleIndex, kLogical + 1);
}
bool StoryFormManager::IsAction() const {
    return HasValueAt(kDriverIndex, kAction);
}
bool StoryFormManager::IsDecision() const {
    return HasValueAt(kDriverIndex, kAction + 1);
}
bool StoryFormManager::IsTimelock() const {
    return HasValueAt(kLimitIndex, kTimelock);
}
bool StoryFormManager::IsOptionlock() const {
    return HasValueAt(kLimitIndex, kTimelock + 1);
}
bool StoryFormManager::IsSuccess() const {
    return HasValueAt(kOutcomeIndex, kSuccess);
}
bool StoryFormManager::IsFailure() const {
    return HasValueAt(kOutcomeIndex, kSuccess + 1);
}
bool StoryFormManager::IsGood() const {
    return HasValueAt(kJudgmentIndex, kGood);
}
bool StoryFormManager::IsBad() const {
    return HasValueAt(kJudgmentIndex, kGood + 1);
}

std::int16_t StoryFormManager::GetValueAt(int index) const {
    return IsIndex(index) ? state_[static_cast<std::size_t>(index)].effective : std::int16_t{0};
}

void StoryFormManager::SetValueAt(int index, std::int16_t value) {
    if (IsIndex(index))
        state_[static_cast<std::size_t>(index)].effective = value;
}

std::int16_t StoryFormManager::GetChosenValueAt(int index) const {
    return IsIndex(index) ? state_[static_cast<std::size_t>(index)].chosen : std::int16_t{0};
}

void StoryFormManager::SetChoiceAt(int index, std::int16_t value) {
    if (!IsIndex(index))
        return;
    SetValueAt(index, value);
    StoryPointState& point = state_[static_cast<std::size_t>(index)];
    if (point.chosen == value)
        return;
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
    if (id == kImpactResolveID) {
        const std::int16_t resolve = GetValue(kResolveID);
        if (resolve == kChange)
            return kSteadfast;
        if (resolve == kSteadfast)
            return kChange;
        return resolve;
    }
    return GetValueAt(StoryPointIndex(id));
}

void StoryFormManager::SetValue(std::int16_t id, std::int16_t value) {
    SetValueAt(StoryPointIndex(id), value);
}

ThroughlineStructure* StoryFormManager::GetThroughlineStructure(std::uint16_t throughline) {
    if (throughline < 1 || throughline > kThroughlineCount)
        return nullptr;
    return &throughlines_[throughline - 1u];
}

void StoryFormManager::ReleaseThroughlineStructure(std::uint16_t /*throughline*/) {}

std::unique_ptr<StoryFormState> StoryFormManager::SaveState() const {
    return std::make_unique<StoryFormState>(state_);
}

void StoryFormManager::RestoreState(std::unique_ptr<StoryFormState> snapshot) {
    if (!snapshot || *snapshot == state_)
        return;
    state_ = *snapshot;
    PostEvent(nullptr);
}

bool StoryFormManager::GetCrucialElements(std::int16_t& first, std::int16_t& second) const {
    first = 0;
    second = 0;
    if (storyformCount_ != kOneStoryform)
        return false;
    std::int16_t a = 0;
    std::int16_t b = 0;
    if (IsChange()) {
        a = kStoryProblemID;
        b = kStorySolutionID;
        if (!IsSuccess())
            std::swap(a, b);
    } else {
        a = kStoryDirectionID;
        b = kStoryFocusID;
        if (IsStop())
            std::swap(a, b);
    }
    const std::int16_t valueA = GetValue(a);
    const std::int16_t valueB = GetValue(b);
    if (!IsElement(valueA) || !IsElement(valueB))
        return false;
    first = FoldedElement(valueA);
    second = FoldedElement(valueB);
    return true;
}
