#pragma once
// Texts of the story as the character windows show them: stored texts keep their escapes, shown
// ones are plain characters.

#include <string>

#include "storymodel/FablecoreStringConverter.h"

inline std::string ShownText(std::string stored) {
    SharedStringConverter().DecodeInPlace(stored.data());
    stored.resize(std::char_traits<char>::length(stored.c_str()));
    return stored;
}
