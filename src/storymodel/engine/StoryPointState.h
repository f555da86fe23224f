#pragma once
// The state of a storyform's story points: for each row of the story point table the value the
// writer chose and the value in force. A whole state block is also the snapshot that dialogs take
// before letting the writer try choices, and put back when the writer cancels.

#include <array>
#include <cstdint>

#include "storymodel/engine/TheoryTables.h"

struct StoryPointState {
    std::int16_t chosen = 0;     // the writer's choice; 0 none, -1 several (a list is kept)
    std::int16_t effective = 0;  // the value in force: the choice, or one the engine derived
    std::uint8_t flags = 0;      // kept with the state, used by nothing
    std::uint8_t changed = 0;    // 1 once a choice altered `chosen`

    bool operator==(const StoryPointState&) const = default;
};
static_assert(sizeof(StoryPointState) == 6);

using StoryFormState = std::array<StoryPointState, kStoryPointCount>;
static_assert(sizeof(StoryFormState) == 702);
