#include "storymodel/engine/StoryformBuildInput.h"

#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/StoryPointTable.h"

StoryformBuildInput StoryformBuildInput::ForNumber(std::uint16_t number, std::int16_t crucialElement) {
    StoryformBuildInput input;
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        input.dynamics[static_cast<std::size_t>(dynamic)] =
            static_cast<std::uint8_t>(DynamicValueIndex(number, dynamic));
    }
    input.crucialElement = crucialElement;
    return input;
}

bool StoryformBuildInput::FromStoryform(const IStoryForm& storyform, StoryformBuildInput& input) {
    input = StoryformBuildInput{};
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        const int value = storyform.GetValueAt(DynamicIndex(dynamic)) - DynamicValue(dynamic, 0);
        if (value != 0 && value != 1) return false;
        input.dynamics[static_cast<std::size_t>(dynamic)] = static_cast<std::uint8_t>(value);
    }
    const Throughline crucial = input.IsSteadfast() ? kMainCharacter : kObjectiveStory;
    input.crucialElement = storyform.GetValueAt(ThroughlineStoryPointIndex(crucial, kProblemOffset));
    return true;
}
