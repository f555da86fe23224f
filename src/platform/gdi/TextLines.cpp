#include "platform/gdi/TextLines.h"

#include <algorithm>

#include "platform/gdi/Text.h"

namespace win {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

TextAdvances::TextAdvances(HDC dc) {
    GetCharWidth32A(dc, 0, 0xFF, advances_.data());
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics)) tabStop_ = std::max<int>(1, 8 * metrics.tmAveCharWidth);
}

int TextAdvances::After(std::string_view text, int x) const {
    for (char c : text) x = After(c, x);
    return x;
}

std::vector<TextLine> BreakTextLines(HDC dc, std::string_view text, int width) {
    return BreakTextLines(TextAdvances(dc), text, width);
}

std::vector<TextLine> BreakTextLines(const TextAdvances& advances, std::string_view text, int width) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    for (;;) {
        // Take characters while they fit; blanks hang past the width until a visible character
        // follows them. Remember where the last word after blanks began: the line may break there.
        int x = 0;
        std::size_t wordStart = start, end = start;
        while (end < text.size() && !IsLineEnd(text[end])) {
            const char c = text[end];
            if (IsBlank(c)) {
                x = advances.After(c, x);
                ++end;
                continue;
            }
            if (end > start && IsBlank(text[end - 1])) wordStart = end;
            if (end > start && x + advances.Width(c) > width) {
                // Break before the word, or cut a word that fills the line by itself; the rest of
                // the word starts the next line.
                const std::size_t at = wordStart > start ? wordStart : end;
                lines.push_back(TextLine{start, at - start});
                start = wordStart = at;
                x = advances.After(text.substr(start, end - start), 0);
                continue;
            }
            x += advances.Width(c);
            ++end;
        }
        lines.push_back(TextLine{start, end - start});
        if (end == text.size()) return lines;
        // Step over the line end: CR LF counts as one.
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

}  // namespace win
