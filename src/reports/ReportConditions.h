#pragma once
// Choices a report template's text may wait on. A part of a text that names story points can hold
// words for the storyform that has chosen them and words for the one that has not:
//
//     Answer: {IFCH(Resolve)}<B+>{SNF(Resolve)}<B->{ELSE}not chosen yet{ENDIF}.
//
// The report keeps the part before {ELSE} when every story point the condition names has a value
// chosen, or one that the storyforms still possible settle, and the part after it otherwise ({ELSE}
// may be left out: nothing then stands in). The
// condition is settled as the report is composed, before its macros are expanded, so a writer never
// reads "an unchosen item". Besides story point codes a condition may name what the writer gives
// the story itself: "MCName" and "OCName", the Main or the Impact Character has a name the writer
// gave it, not the one a new story starts with ("the Main Character"), so that a sentence never
// names a character by its own role; "Title", the story has a title:
//
//     {IFCH(MCName)}Today your Main Character is {CNN(MC,NM)}.{ELSE}...{ENDIF}
//
// Conditions do not nest. The data compiler holds the templates to these rules, and to naming in
// the first part only story points its condition names.
//
// Header only: the reports and the data compiler read conditions alike.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace report_conditions {

inline constexpr std::string_view kIf = "{IFCH(";
inline constexpr std::string_view kIfEnd = ")}";
inline constexpr std::string_view kElse = "{ELSE}";
inline constexpr std::string_view kEndIf = "{ENDIF}";
// The codes of what the writer gives the story itself: the two characters' names and its title.
inline constexpr std::string_view kMainCharacterNamed = "MCName";
inline constexpr std::string_view kImpactCharacterNamed = "OCName";
inline constexpr std::string_view kStoryTitled = "Title";

inline bool IsStoryCode(std::string_view code) {
    return code == kMainCharacterNamed || code == kImpactCharacterNamed || code == kStoryTitled;
}

// One condition of a text: where it stands, the codes it names and its two parts.
struct Condition {
    std::size_t start = 0;  // at "{IFCH("
    std::size_t end = 0;    // after "{ENDIF}"
    std::vector<std::string_view> codes;
    std::string_view chosen;    // the words while every code is chosen
    std::string_view unchosen;  // the words otherwise
};

// Reads the condition that starts at `start` (at "{IFCH("); false, with why set, when it is not
// whole: no ")}" or no "{ENDIF}", no code, an empty code, an {IFCH( or a second {ELSE} inside.
inline bool ReadCondition(std::string_view text, std::size_t start, Condition& condition, std::string& why) {
    condition = Condition{};
    condition.start = start;
    const std::size_t open = start + kIf.size();
    const std::size_t close = text.find(kIfEnd, open);
    const std::size_t endIf = text.find(kEndIf, open);
    if (close == std::string_view::npos || endIf == std::string_view::npos || close > endIf) {
        why = "a condition is written {IFCH(code,...)} ... {ELSE} ... {ENDIF}";
        return false;
    }
    std::string_view codes = text.substr(open, close - open);
    for (std::size_t comma = codes.find(',');; comma = codes.find(',')) {
        condition.codes.push_back(codes.substr(0, comma));
        if (condition.codes.back().empty()) {
            why = "a condition names a story point code between each pair of commas";
            return false;
        }
        if (comma == std::string_view::npos) break;
        codes.remove_prefix(comma + 1);
    }
    const std::size_t body = close + kIfEnd.size();
    const std::string_view inside = text.substr(body, endIf - body);
    if (inside.find(kIf) != std::string_view::npos) {
        why = "conditions do not nest: each {IFCH( ends with its {ENDIF} before the next";
        return false;
    }
    const std::size_t otherwise = inside.find(kElse);
    if (otherwise != std::string_view::npos && inside.find(kElse, otherwise + 1) != std::string_view::npos) {
        why = "a condition has one {ELSE} at most";
        return false;
    }
    condition.chosen = inside.substr(0, otherwise);
    condition.unchosen =
        otherwise == std::string_view::npos ? std::string_view() : inside.substr(otherwise + kElse.size());
    condition.end = endIf + kEndIf.size();
    return true;
}

// The text with each condition settled by `chosen` (whether the story point of a code has a value
// chosen). A condition that is not whole, and all after it, stays as written.
inline std::string ResolveReportConditions(std::string_view text,
                                           const std::function<bool(std::string_view code)>& chosen) {
    std::string out;
    std::size_t position = 0;
    for (std::size_t start = text.find(kIf); start != std::string_view::npos;
         start = text.find(kIf, position)) {
        Condition condition;
        std::string why;
        if (!ReadCondition(text, start, condition, why)) break;
        out.append(text.substr(position, start - position));
        bool all = true;
        for (std::string_view code : condition.codes) all = all && chosen(code);
        out.append(all ? condition.chosen : condition.unchosen);
        position = condition.end;
    }
    out.append(text.substr(position));
    return out;
}

// Whether the text holds a condition (or a stray part of one).
inline bool HoldsReportCondition(std::string_view text) {
    return text.find(kIf) != std::string_view::npos || text.find(kElse) != std::string_view::npos ||
           text.find(kEndIf) != std::string_view::npos;
}

}  // namespace report_conditions
