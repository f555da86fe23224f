#include "platform/ui/WordWrap.h"

#include "platform/ui/LineBreaking.h"

namespace win {
namespace detail {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int LineBreakLength(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    if (text[at] == '\r') return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return text[at] == '\n' ? 1 : 0;
}

std::vector<WrappedLine> BreakLines(const TextMeasure& measure, std::string_view text,
                                    std::optional<int> width) {
    std::vector<WrappedLine> lines;
    const int size = static_cast<int>(text.size());
    int start = 0;
    for (;;) {
        int x = 0;
        int wordStart = start;  // where the last word after a run of blanks began
        int at = start;
        while (at < size && LineBreakLength(text, static_cast<std::size_t>(at)) == 0) {
            const char c = text[static_cast<std::size_t>(at)];
            if (IsBlank(c)) {
                x = measure.After(c, x);
                ++at;
                continue;
            }
            if (at > start && IsBlank(text[static_cast<std::size_t>(at) - 1])) wordStart = at;
            if (width && at > start && x + measure.Width(c) > *width) {
                // Wrap before the word, or cut a word that fills the line by itself.
                const int end = wordStart > start ? wordStart : at;
                lines.push_back(WrappedLine{start, end - start, end});
                start = wordStart = end;
                x = measure.After(
                    text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)), 0);
                continue;
            }
            x += measure.Width(c);
            ++at;
        }
        const int breakLength = LineBreakLength(text, static_cast<std::size_t>(at));
        lines.push_back(WrappedLine{start, at - start, at + breakLength});
        if (breakLength == 0) return lines;
        start = at + breakLength;
    }
}

}  // namespace detail

std::vector<WrappedLine> WrapText(HDC dc, std::string_view text, int width) {
    return detail::BreakLines(detail::TextMeasure(dc), text, width);
}

}  // namespace win
