#pragma once
// Internal to the window layer: a RICHEDIT text laid out in lines. Each paragraph is wrapped to
// the width less its indents with the program's break rules (after a run of blanks, a word longer
// than the line cut where it reaches the width, a line break always), over characters of many
// formats; a line is as tall as its tallest character and its characters stand on one baseline.
// Widths are in screen pixels (96 to the inch: 15 twips a pixel), measured per character in each
// format's font, so what is drawn is where the layout put it.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/TextLines.h"
#include "platform/ui/RichText.h"

namespace win::detail {

// A format's font and widths, made when first needed.
struct RichFont {
    HFONT font = nullptr;  // owned
    TextAdvances measure;
    int ascent = 0;
    int height = 0;
};

class RichFonts {
public:
    RichFonts() = default;
    ~RichFonts();
    RichFonts(const RichFonts&) = delete;
    RichFonts& operator=(const RichFonts&) = delete;
    const RichFont& Of(const RichText& text, std::uint32_t format);

private:
    std::vector<std::unique_ptr<RichFont>> fonts_;  // by format number
};

int TwipsToPixels(LONG twips);

struct RichLine {
    int start = 0;   // the first character
    int length = 0;  // characters shown: with a wrapped line's trailing blanks, without a line break
    int next = 0;    // where the next line starts
    int top = 0;     // from the top of the text
    int height = 0;
    int ascent = 0;
    int left = 0;   // where the first character stands, from the left of the text
    int width = 0;  // of the characters shown, without a wrapped line's trailing blanks
};

struct RichLayout {
    std::vector<RichLine> lines;  // never empty
    int height = 0;               // of all the lines
};

RichLayout LayOutRichText(const RichText& text, RichFonts& fonts, int width);

// The line a position is on; at the end of a wrapped line when `afterWrap` says so.
int RichLineOf(const RichLayout& layout, int position, bool afterWrap);
// The line at a height from the top of the text (the first or last beyond them).
int RichLineAt(const RichLayout& layout, int y);
// How far across the line a position of it stands, from the left of the text.
int RichXOf(const RichText& text, RichFonts& fonts, const RichLine& line, int position);
// The position on a line nearest an x from the left of the text; whether it is a wrapped line's end.
int RichPositionAt(const RichText& text, RichFonts& fonts, const RichLayout& layout, int line, int x,
                   bool* afterWrap);
// A line that ends where its paragraph was wrapped.
bool IsWrappedLine(const RichLayout& layout, int line);

}  // namespace win::detail
