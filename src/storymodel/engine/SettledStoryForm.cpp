#include "storymodel/engine/SettledStoryForm.h"

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"

bool SettledStoryForm::Holds(int dynamic, int valueIndex) const {
    return storyForm_.GetSettledStoryPoints().Holds(dynamic, valueIndex);
}

bool SettledStoryForm::IsChange() const { return Holds(kResolve, 0); }
bool SettledStoryForm::IsSteadfast() const { return Holds(kResolve, 1); }
bool SettledStoryForm::IsStop() const { return Holds(kGrowth, 0); }
bool SettledStoryForm::IsStart() const { return Holds(kGrowth, 1); }
bool SettledStoryForm::IsDoer() const { return Holds(kApproach, 0); }
bool SettledStoryForm::IsBeer() const { return Holds(kApproach, 1); }
bool SettledStoryForm::IsLogical() const { return Holds(kProblemSolvingStyle, 0); }
bool SettledStoryForm::IsIntuitive() const { return Holds(kProblemSolvingStyle, 1); }
bool SettledStoryForm::IsAction() const { return Holds(kDriver, 0); }
bool SettledStoryForm::IsDecision() const { return Holds(kDriver, 1); }
bool SettledStoryForm::IsTimelock() const { return Holds(kLimit, 0); }
bool SettledStoryForm::IsOptionlock() const { return Holds(kLimit, 1); }
bool SettledStoryForm::IsSuccess() const { return Holds(kOutcome, 0); }
bool SettledStoryForm::IsFailure() const { return Holds(kOutcome, 1); }
bool SettledStoryForm::IsGood() const { return Holds(kJudgment, 0); }
bool SettledStoryForm::IsBad() const { return Holds(kJudgment, 1); }

std::int16_t SettledStoryForm::GetValueAt(int index) const {
    return storyForm_.GetSettledStoryPoints().ValueAt(index);
}

std::int16_t SettledStoryForm::GetChoice(std::int16_t id) const { return storyForm_.GetChoice(id); }

std::int16_t SettledStoryForm::GetValue(std::int16_t id) const {
    return storyForm_.GetSettledStoryPoints().Value(id);
}

void SettledStoryForm::GetMultipleChoices(int index, SList& values) const {
    storyForm_.GetMultipleChoices(index, values);
}

ThroughlineStructure* SettledStoryForm::GetThroughlineStructure(std::uint16_t throughline) {
    return storyForm_.GetThroughlineStructure(throughline);
}

void SettledStoryForm::ReleaseThroughlineStructure(std::uint16_t throughline) {
    storyForm_.ReleaseThroughlineStructure(throughline);
}
