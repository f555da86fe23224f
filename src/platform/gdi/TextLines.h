#pragma once
// The one line breaker of the program: how multi-line text (edit controls, text boxes) is laid out
// in a width with a context's font. Lines end at CR LF, LF or CR, and otherwise after the last
// blank that lets the line fit; the blanks at a break stay at the end of their line and do not
// count towards its width. A word wider than the whole width is broken between characters.

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace win {

struct TextLine {
    std::size_t start = 0;   // the first byte of the line
    std::size_t length = 0;  // its bytes, without the line end
};

// Empty text is one empty line.
std::vector<TextLine> BreakTextLines(HDC dc, std::string_view text, int width);

}  // namespace win
