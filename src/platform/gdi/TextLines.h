#pragma once
// The one line breaker of the program: how multi-line text (edit controls, message boxes, text
// boxes) is laid out in a width with a context's font. Lines end at CR LF, LF or CR, and otherwise
// after the last run of blanks that lets the line fit; the blanks at a break stay at the end of
// their line and may reach past the width. A word wider than the whole width is broken between
// characters; every line takes at least one character. Widths are the characters' own advances, so
// a layout is the same on every kind of context, and a tab reaches the next tab stop.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace win {

struct TextLine {
    std::size_t start = 0;   // the first byte of the line
    std::size_t length = 0;  // its bytes, without the line end
};

// The advance of every byte with a context's font, measured once. A tab advances to the next stop,
// one every eight average character widths, as tabbed text with no stops given is drawn.
class TextAdvances {
public:
    TextAdvances() = default;
    explicit TextAdvances(HDC dc);

    int Width(char c) const { return advances_[static_cast<unsigned char>(c)]; }
    // Where a character drawn at x ends.
    int After(char c, int x) const { return c == '\t' ? (x / tabStop_ + 1) * tabStop_ : x + Width(c); }
    // Where a text drawn at x ends.
    int After(std::string_view text, int x) const;

private:
    std::array<int, 256> advances_{};
    int tabStop_ = 8;
};

// Empty text is one empty line, and a text ending in a line end ends with an empty line.
std::vector<TextLine> BreakTextLines(HDC dc, std::string_view text, int width);
std::vector<TextLine> BreakTextLines(const TextAdvances& advances, std::string_view text, int width);

}  // namespace win
