#pragma once
// The one word-wrapping rule of the program: multi-line EDIT controls lay their text out with it,
// and so does everything that shows wrapped text through them. A line ends at a line break (CR LF,
// or a lone CR or LF), or where the next word would pass the width: lines break after a run of
// spaces or tabs, which may hang past the width, and a word longer than the width is cut where it
// reaches it (every line holds at least one character). Widths are the characters' own, measured
// with the font selected in the context, so a layout is the same on every kind of context.

#include <string_view>
#include <vector>

#include "platform/sys/WinTypes.h"

namespace win {

struct WrappedLine {
    int start = 0;   // index of the line's first character
    int length = 0;  // characters shown: the trailing spaces of a wrapped line, but no line break
    int next = 0;    // index where the next line starts
};

// Always at least one line; a text ending in a line break ends with an empty line.
std::vector<WrappedLine> WrapText(HDC dc, std::string_view text, int width);

}  // namespace win
