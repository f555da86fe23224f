#pragma once
// The most bytes each of the story's texts keeps as it is stored (an escaped character takes two),
// so that a field stopping there is written whole and read back whole by every window.

#include <cstdint>

#include "foundation/pfm/PTextTypes.h"

// The story's title: its key is read and written with 100 bytes, the NUL included.
inline constexpr std::uint32_t kStoryTitleLimit = 99;
// The names of the overall and the subjective story: 50 bytes, the NUL included.
inline constexpr std::uint32_t kStoryNameLimit = 49;
// Any other text of a keyed record: the most one value holds.
inline constexpr std::uint32_t kRecordTextLimit = kPTextMaxTextValue;
