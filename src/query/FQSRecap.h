#pragma once
// The recap texts: what the story has decided so far, composed from fixed templates and the
// storyform's values in force, for the recap type ("TP") of a recap page. The templates hold the
// story model's {...} macros, which are expanded when the text is laid out; the page's own free
// text ("TX1") is appended by the page.

#include <cstdint>
#include <functional>
#include <string>

// The value in force of the story point row.
using StoryPointValueReader = std::function<std::int16_t(int index)>;

inline constexpr std::int16_t kFreeTextRecap = 1;
inline constexpr std::int16_t kStoryformingRecap = 7;

// The recap of the type, without the free text; empty for a type outside 1 to 7.
std::string ComposeRecap(std::int16_t type, const StoryPointValueReader& valueAt);
// Whether the recap type ends in the page's free text.
inline bool RecapTakesFreeText(std::int16_t type) { return type >= kFreeTextRecap && type <= kStoryformingRecap; }
