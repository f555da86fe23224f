#include "storymodel/engine/StoryformBuildInput.h"

StoryformBuildInput StoryformBuildInput::ForNumber(std::uint16_t number, std::int16_t crucialElement) {
    StoryformBuildInput input;
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        input.dynamics[static_cast<std::size_t>(dynamic)] =
            static_cast<std::uint8_t>(DynamicValueIndex(number, dynamic));
    }
    input.crucialElement = crucialElement;
    return input;
}
