#include "reports/ReportText.h"

#include "foundation/StyleCodeBytes.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/TextMacroExpander.h"

namespace {

// The third line break of a run is the first one dropped.
constexpr int kBreaksKept = 2;

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

}  // namespace

std::string ExpandReportMacros(IStoryDocument* document, const char* text, SList* vocabulary) {
    TextMacroExpander expander(document, text ? text : "", vocabulary);
    std::uint32_t length = 0;
    const char* expanded = expander.Expand(&length);
    return std::string(expanded, length > 0 ? length - 1 : 0);
}

std::string ExpandReportText(IStoryDocument* document, const char* text, SList* vocabulary, bool collapse) {
    std::string result = ExpandReportMacros(document, text, vocabulary);
    // Only what the writer typed is escaped: the text before the first escape stays as it is.
    if (const std::size_t escape = result.find(static_cast<char>(FablecoreStringConverter::kEscape));
        escape != std::string::npos) {
        SharedStringConverter().DecodeInPlace(result.data() + escape);
        result.resize(escape + std::char_traits<char>::length(result.c_str() + escape));
    }
    if (collapse) CollapseBlankLines(result);
    return result;
}

std::string StyleCodeText(const char* command) {
    return kStyleCodeStart + std::string(command) + kStyleCodeEnd;
}

void CollapseBlankLines(std::string& text) {
    int depth = 0;
    int breaks = 0;
    std::size_t kept = 0;
    for (const char c : text) {
        if (c == kStyleCodeStart) {
            ++depth;
        } else if (c == kStyleCodeEnd) {
            if (depth > 0) {
                --depth;
            } else {
                breaks = 0;
            }
        } else if (IsLineBreak(c)) {
            depth = 0;
            if (++breaks > kBreaksKept) continue;
        } else if (depth == 0) {
            breaks = 0;
        }
        text[kept++] = c;
    }
    text.resize(kept);
}
