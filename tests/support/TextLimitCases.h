#pragma once
// The texts that try a field stopping at a limit counted as the text is stored, a slash taking two
// bytes: a text at the limit and one a byte past it, without and with slashes. The text with
// slashes one past ends in a slash, which would fit were it counted once.

#include <cstddef>
#include <string>
#include <vector>

namespace testsupport {

struct TextLimitCase {
    const char* what;
    std::string pasted;  // what the writer pastes, as the writer reads it
    std::string kept;    // what the field keeps of it
    bool cut;            // whether the writer is told that the paste was cut
};

// A text that takes the limit exactly as stored: a slash and a letter (three bytes) in turn over
// about half of it, then letters.
inline std::string SlashedText(std::size_t limit) {
    std::string text;
    for (std::size_t i = 0; i < limit / 6; ++i) text += "/e";
    text.append(limit - 3 * (limit / 6), 'e');
    return text;
}

inline std::vector<TextLimitCase> TextLimitCases(std::size_t limit) {
    const std::string plain(limit, 'x');
    const std::string escaped = SlashedText(limit);
    const std::string allButLast = escaped.substr(0, escaped.size() - 1);
    return {
        {"without slashes, at the limit", plain, plain, false},
        {"without slashes, one past", plain + "x", plain, true},
        {"with slashes, at the limit", escaped, escaped, false},
        {"with slashes, one past", allButLast + "/", allButLast, true},
    };
}

}  // namespace testsupport
