#include "query/FQSSceneMenu.h"

namespace scenemenu {

namespace {

bool IsBreak(char c) { return c == ' ' || c == '\t' || c == '-'; }

}  // namespace

std::vector<std::string> SplitDescription(std::string_view text) {
    std::vector<std::string> lines;
    auto finish = [&lines](std::string_view line) {
        lines.emplace_back(line == "-" ? std::string_view("- ") : line);
        return lines.size() < static_cast<std::size_t>(kMaxLines);
    };
    std::size_t start = 0;
    std::size_t breakAt = std::string_view::npos;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            if (!finish(text.substr(start, i - start))) return lines;
            start = i + 1;
            i = start;
            breakAt = std::string_view::npos;
            continue;
        }
        if (i - start == static_cast<std::size_t>(kLineWidth)) {
            const bool atBreak = breakAt != std::string_view::npos;
            const std::size_t end = atBreak ? breakAt : i;
            if (!finish(text.substr(start, end - start))) return lines;
            start = atBreak ? breakAt + 1 : i;
            i = start;
            breakAt = std::string_view::npos;
            continue;
        }
        if (IsBreak(c)) breakAt = i;
        ++i;
    }
    if (start < text.size()) finish(text.substr(start));
    return lines;
}

}  // namespace scenemenu
