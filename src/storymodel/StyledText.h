#pragma once
// The style codes of styled text: a code between the bytes 0xC7 and 0xC8 switches a style on or
// off where it stands.

#include <string_view>

#include "foundation/StyleCodeBytes.h"

inline constexpr std::string_view kBoldOn =
    "\xC7"
    "B+"
    "\xC8";
inline constexpr std::string_view kBoldOff =
    "\xC7"
    "B-"
    "\xC8";
inline constexpr std::string_view kItalicOn =
    "\xC7"
    "I+"
    "\xC8";
inline constexpr std::string_view kItalicOff =
    "\xC7"
    "I-"
    "\xC8";
