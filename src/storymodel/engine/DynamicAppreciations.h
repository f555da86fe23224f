#pragma once
// The four dynamic appreciations (Nature, Essence, Tendency, Reach) follow from pairs of dynamics;
// their values in force are set from the dynamics in force.

#include <array>

class IStoryForm;

// The appreciations' rows in the story point table.
inline constexpr int kNatureIndex = 25;
inline constexpr int kEssenceIndex = 30;
inline constexpr int kTendencyIndex = 33;
inline constexpr int kReachIndex = 36;
inline constexpr std::array<int, 4> kDynamicAppreciationIndexes = {kNatureIndex, kEssenceIndex,
                                                                   kTendencyIndex, kReachIndex};

// Sets the values in force of the four appreciations. Each pair is read through the tests of the
// dynamics' first values, so a dynamic without a value counts as its second value:
// - Nature: Change and Success "Actual Dilemma", Change and Failure "Apparent Dilemma", Steadfast
//   and Success "Actual Work", Steadfast and Failure "Apparent Work";
// - Essence: Start and Good, or Stop and Bad, "Positive Feel"; otherwise "Negative Feel";
// - Tendency: Do-er and Action, or Be-er and Decision, "Willing"; otherwise "Unwilling";
// - Reach: Logical and Optionlock "Both", Logical and Timelock "Male", Intuitive and Optionlock
//   "Female", Intuitive and Timelock "Neither".
void UpdateDynamicAppreciations(IStoryForm& storyForm);
