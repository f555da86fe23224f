#include "reports/ReportText.h"

#include "foundation/StyleCodeBytes.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/TextMacroExpander.h"

namespace {

// The third line break of a run is the first one dropped.
constexpr int kBreaksKept = 2;
// The underscores of the rule a form feed becomes in plain text.
constexpr std::size_t kPageRuleLength = 30;

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// Only what the writer typed is escaped: the text before the first escape stays as it is.
void DecodeEscapes(std::string& text) {
    const std::size_t escape = text.find(static_cast<char>(FablecoreStringConverter::kEscape));
    if (escape == std::string::npos) return;
    SharedStringConverter().DecodeInPlace(text.data() + escape);
    text.resize(escape + std::char_traits<char>::length(text.c_str() + escape));
}

// The text without its style codes (a line break ends a code left open, as on the screen, and a
// closing byte without an open code goes too), each form feed a rule line, "\r\n" and "\r" a "\n".
// The text is still escaped, so every 0xC7 and 0xC8 in it belongs to a code.
std::string WithoutStyleCodes(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kStyleCodeStart) {
            ++depth;
        } else if (c == kStyleCodeEnd) {
            if (depth > 0) --depth;
        } else if (IsLineBreak(c)) {
            depth = 0;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            plain += '\n';
        } else if (depth > 0) {
            continue;
        } else if (c == '\f') {
            if (!plain.empty() && plain.back() != '\n') plain += '\n';
            plain.append(kPageRuleLength, '_');
            plain += "\n\n";
        } else {
            plain += c;
        }
    }
    return plain;
}

bool IsTrailingSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

std::string ExpandReportMacros(IStoryDocument* document, const char* text, SList* vocabulary) {
    return TextMacroExpander(document, text ? text : "", vocabulary, PointValues::kSettled).TakeExpansion();
}

std::string ExpandReportText(IStoryDocument* document, const char* text, SList* vocabulary, bool collapse) {
    std::string result = ExpandReportMacros(document, text, vocabulary);
    DecodeEscapes(result);
    if (collapse) CollapseBlankLines(result);
    return result;
}

// The codes go while the text is still escaped, and the blank lines are counted without them.
std::string PlainReportText(IStoryDocument* document, const char* text, bool collapse) {
    std::string plain = WithoutStyleCodes(ExpandReportMacros(document, text, nullptr));
    if (collapse) CollapseBlankLines(plain);
    DecodeEscapes(plain);
    const std::size_t first = plain.find_first_not_of('\n');
    if (first == std::string::npos) return {};
    std::size_t end = plain.size();
    while (end > first && IsTrailingSpace(plain[end - 1])) --end;
    if (end == first) return {};
    return plain.substr(first, end - first) + '\n';
}

bool IsStoryTitle(std::string_view title) { return title.find_first_not_of(' ') != std::string_view::npos; }

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
