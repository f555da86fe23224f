#pragma once
// The four dynamic appreciations (Nature, Essence, Tendency, Reach) follow from pairs of dynamics;
// their values in force are set from the dynamics in force.

#include <array>
#include <cstdint>

#include "storymodel/engine/Dynamics.h"

class IStoryForm;

// The appreciations' rows in the story point table.
inline constexpr int kNatureIndex = 25;
inline constexpr int kEssenceIndex = 30;
inline constexpr int kTendencyIndex = 33;
inline constexpr int kReachIndex = 36;
inline constexpr std::array<int, 4> kDynamicAppreciationIndexes = {kNatureIndex, kEssenceIndex,
                                                                   kTendencyIndex, kReachIndex};

// An appreciation's row and the two dynamics it follows from.
struct DynamicAppreciationSource {
    int index;
    Dynamic first;
    Dynamic second;
};
inline constexpr std::array<DynamicAppreciationSource, 4> kDynamicAppreciationSources = {{
    {kNatureIndex, kResolve, kOutcome},
    {kEssenceIndex, kGrowth, kJudgment},
    {kTendencyIndex, kApproach, kDriver},
    {kReachIndex, kProblemSolvingStyle, kLimit},
}};

// The dynamics the appreciation at the index follows from; null for a row that is no appreciation.
const DynamicAppreciationSource* DynamicAppreciationSourceOf(int index);

// The value the appreciation at the index takes by whether each of its two dynamics holds its first
// value (0 for a row that is no appreciation):
// - Nature: Change and Success "Actual Dilemma", Change and Failure "Apparent Dilemma", Steadfast
//   and Success "Actual Work", Steadfast and Failure "Apparent Work";
// - Essence: Start and Good, or Stop and Bad, "Positive Feel"; otherwise "Negative Feel";
// - Tendency: Do-er and Action, or Be-er and Decision, "Willing"; otherwise "Unwilling";
// - Reach: Logical and Optionlock "Both", Logical and Timelock "Male", Intuitive and Optionlock
//   "Female", Intuitive and Timelock "Neither".
std::int16_t DynamicAppreciationValue(int index, bool firstHoldsFirst, bool secondHoldsFirst);

// Sets the values in force of the four appreciations. Each pair is read through the tests of the
// dynamics' first values, so a dynamic without a value counts as its second value.
void UpdateDynamicAppreciations(IStoryForm& storyForm);
