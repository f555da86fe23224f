#pragma once
// The most bytes each of the story's texts keeps as it is stored (an escaped character takes two),
// so that a field stopping there is written whole and read back whole by every window, report and
// file that reads the text.

#include <cstdint>
#include <string_view>

#include "foundation/pfm/PTextTypes.h"

// The story's title: its key is read and written with 100 bytes, the NUL included.
inline constexpr std::uint32_t kStoryTitleLimit = 99;
// The names of the overall and the subjective story: 50 bytes, the NUL included.
inline constexpr std::uint32_t kStoryNameLimit = 49;
// The story's other one-line texts (its author and genre).
inline constexpr std::uint32_t kStoryLineLimit = 250;
// A long text the writer types: a character's description and its other texts, a synopsis, a
// storytelling text, a scene's text. The query pages and the reports read each with 30,720 bytes,
// the NUL included.
inline constexpr std::uint32_t kLongTextLimit = 30719;
// A character's role: the reports read it with 2,048 bytes, the NUL included, as a character file
// keeps it.
inline constexpr std::uint32_t kRoleTextLimit = 2047;
// Any other text of a keyed record (the story's comments): the most one value holds.
inline constexpr std::uint32_t kRecordTextLimit = kPTextMaxTextValue;

// The limit of a text of the story's information record, by its key.
constexpr std::uint32_t InfoTextLimit(std::string_view key) {
    if (key == "Title") return kStoryTitleLimit;
    if (key == "OSName" || key == "SSName") return kStoryNameLimit;
    if (key == "Author" || key == "Genre") return kStoryLineLimit;
    return kLongTextLimit;
}

// The limit of a character's text, by its key.
constexpr std::uint32_t CharacterTextLimit(std::string_view key) {
    return key == "Role" ? kRoleTextLimit : kLongTextLimit;
}
