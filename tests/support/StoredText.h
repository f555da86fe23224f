#pragma once
// Test support: a text as the story stores what the writer typed, through the program's own text
// converter (braces, slashes and the other special bytes escaped, each taking two bytes).

#include <cstdint>
#include <string>

#include "storymodel/FablecoreStringConverter.h"

namespace testsupport {

inline std::string StoredText(const std::string& typed) {
    const FablecoreStringConverter& converter = SharedStringConverter();
    std::string stored(converter.MaxEncodedSize(static_cast<std::uint32_t>(typed.size())), '\0');
    converter.Encode(typed.c_str(), stored.data(), static_cast<std::uint32_t>(stored.size()));
    return stored.c_str();
}

}  // namespace testsupport
