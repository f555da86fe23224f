#include "storymodel/engine/DynamicAppreciations.h"

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

const DynamicAppreciationSource* DynamicAppreciationSourceOf(int index) {
    for (const DynamicAppreciationSource& source : kDynamicAppreciationSources)
        if (source.index == index) return &source;
    return nullptr;
}

std::int16_t DynamicAppreciationValue(int index, bool firstHoldsFirst, bool secondHoldsFirst) {
    switch (index) {
        case kNatureIndex: {
            const bool change = firstHoldsFirst, success = secondHoldsFirst;
            return change ? (success ? kActualDilemma : kApparentDilemma)
                          : (success ? kActualWork : kApparentWork);
        }
        case kEssenceIndex: {
            const bool stop = firstHoldsFirst, good = secondHoldsFirst;
            return stop == good ? kNegativeFeel : kPositiveFeel;
        }
        case kTendencyIndex: {
            const bool doer = firstHoldsFirst, action = secondHoldsFirst;
            return doer == action ? kWilling : kUnwilling;
        }
        case kReachIndex: {
            const bool logical = firstHoldsFirst, timelock = secondHoldsFirst;
            return logical ? (timelock ? kMale : kBoth) : (timelock ? kNeither : kFemale);
        }
        default: return 0;
    }
}

void UpdateDynamicAppreciations(IStoryForm& storyForm) {
    storyForm.SetValueAt(kNatureIndex,
                         DynamicAppreciationValue(kNatureIndex, storyForm.IsChange(), storyForm.IsSuccess()));
    storyForm.SetValueAt(kEssenceIndex,
                         DynamicAppreciationValue(kEssenceIndex, storyForm.IsStop(), storyForm.IsGood()));
    storyForm.SetValueAt(kTendencyIndex,
                         DynamicAppreciationValue(kTendencyIndex, storyForm.IsDoer(), storyForm.IsAction()));
    storyForm.SetValueAt(
        kReachIndex, DynamicAppreciationValue(kReachIndex, storyForm.IsLogical(), storyForm.IsTimelock()));
}
