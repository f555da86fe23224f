#pragma once
// The pieces of a scene page's menu of appreciations that need no window: the 32-bit handles by
// which the hierarchical menu names its entries, and the splitting of a node's description into
// the lines the menu shows under it.
//
// A handle's low 24 bits are the node's row in the page's node tree; its high 8 bits are 0 for the
// node itself, or line + 1 for one line of the node's description.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scenemenu {

// A description holds at most this many characters; the menu shows at most kMaxLines lines of
// at most kLineWidth characters.
inline constexpr std::size_t kDescriptionLength = 1050;
inline constexpr int kMaxLines = 14;
inline constexpr int kLineWidth = 70;

// The handle of the row's node (line -1) or of one line of its description (line from 0).
constexpr std::int32_t MakeHandle(std::int32_t row, std::int32_t line = -1) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(line + 1) << 24) |
                                     (static_cast<std::uint32_t>(row) & 0xFFFFFFu));
}
constexpr std::int32_t HandleRow(std::int32_t handle) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(handle) & 0xFFFFFFu);
}
// -1 for the node itself.
constexpr std::int32_t HandleLine(std::int32_t handle) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(handle) >> 24) - 1;
}

// The lines of a description: a line end ('\n' or '\r') ends a line, so "\r\n" gives an empty one;
// a line reaching kLineWidth characters is cut at its last space, tab or hyphen (which is dropped),
// or at the width itself when it has none; a line of "-" alone reads "- "; the text after the
// kMaxLines-th line is dropped.
std::vector<std::string> SplitDescription(std::string_view text);

}  // namespace scenemenu
