#include "platform/gdi/TextLines.h"

#include <array>

#include "platform/gdi/Text.h"

namespace win {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The advance of every byte with the context's font: a text's width is the sum of its bytes'.
std::array<int, 256> Advances(HDC dc) {
    std::array<int, 256> advances{};
    for (int c = 0; c < 256; ++c) {
        const char byte = static_cast<char>(c);
        SIZE size;
        if (GetTextExtentPointA(dc, &byte, 1, &size)) advances[static_cast<std::size_t>(c)] = size.cx;
    }
    return advances;
}

}  // namespace

std::vector<TextLine> BreakTextLines(HDC dc, std::string_view text, int width) {
    const std::array<int, 256> advance = Advances(dc);
    auto widthOf = [&advance](char c) { return advance[static_cast<unsigned char>(c)]; };
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (true) {
        // Take characters while they fit; blanks count once a visible character follows them.
        // Remember the last place after blanks where the line may break.
        std::size_t end = start, breakAfterBlanks = start;
        int used = 0, blanks = 0;
        while (end < text.size() && !IsLineEnd(text[end])) {
            const char c = text[end];
            if (IsBlank(c)) {
                blanks += widthOf(c);
                breakAfterBlanks = ++end;
                continue;
            }
            const int needed = used + blanks + widthOf(c);
            if (needed > width && end > start) break;
            used = needed, blanks = 0;
            ++end;
        }
        const bool wrapped = end < text.size() && !IsLineEnd(text[end]);
        if (wrapped && breakAfterBlanks > start) end = breakAfterBlanks;
        lines.push_back(TextLine{start, end - start});
        if (end >= text.size()) break;
        if (!wrapped) {
            // Step over the line end: CR LF counts as one.
            if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
            ++end;
            if (end == text.size()) {
                lines.push_back(TextLine{end, 0});
                break;
            }
        }
        start = end;
    }
    return lines;
}

}  // namespace win
