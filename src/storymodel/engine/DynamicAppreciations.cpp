#include "storymodel/engine/DynamicAppreciations.h"

#include <cstdint>

#include "storymodel/engine/IStoryForm.h"

namespace {

constexpr std::int16_t kActualDilemma = 1101;
constexpr std::int16_t kApparentDilemma = 1102;
constexpr std::int16_t kActualWork = 1103;
constexpr std::int16_t kApparentWork = 1104;
constexpr std::int16_t kPositiveFeel = 1111;
constexpr std::int16_t kNegativeFeel = 1112;
constexpr std::int16_t kWilling = 1121;
constexpr std::int16_t kUnwilling = 1122;
constexpr std::int16_t kBoth = 1131;
constexpr std::int16_t kMale = 1132;
constexpr std::int16_t kFemale = 1133;
constexpr std::int16_t kNeither = 1134;

}  // namespace

void UpdateDynamicAppreciations(IStoryForm& storyForm) {
    const bool change = storyForm.IsChange();
    const bool success = storyForm.IsSuccess();
    storyForm.SetValueAt(kNatureIndex, change ? (success ? kActualDilemma : kApparentDilemma)
                                              : (success ? kActualWork : kApparentWork));

    const bool stop = storyForm.IsStop();
    const bool good = storyForm.IsGood();
    storyForm.SetValueAt(kEssenceIndex, stop == good ? kNegativeFeel : kPositiveFeel);

    const bool doer = storyForm.IsDoer();
    const bool action = storyForm.IsAction();
    storyForm.SetValueAt(kTendencyIndex, doer == action ? kWilling : kUnwilling);

    const bool logical = storyForm.IsLogical();
    const bool timelock = storyForm.IsTimelock();
    storyForm.SetValueAt(kReachIndex, logical ? (timelock ? kMale : kBoth) : (timelock ? kNeither : kFemale));
}
