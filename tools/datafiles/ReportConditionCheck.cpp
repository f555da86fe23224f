#include "datafiles/ReportConditionCheck.h"

#include <algorithm>
#include <string>
#include <vector>

#include "reports/ReportConditions.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

namespace rc = report_conditions;

bool IsStoryPointCode(std::string_view code) {
    return code == "OCResolve" || StoryPointIndexForCode(std::string(code).c_str()) >= 0;
}

bool IsConditionCode(std::string_view code) {
    return IsStoryPointCode(code) || rc::IsStoryCode(code);
}

// The story point codes the macros of the text name: arguments that are codes, not ids.
std::vector<std::string_view> NamedCodes(std::string_view text) {
    std::vector<std::string_view> codes;
    for (std::size_t brace = text.find('{'); brace != std::string_view::npos;
         brace = text.find('{', brace + 1)) {
        const std::size_t close = text.find('}', brace);
        if (close == std::string_view::npos) break;
        const std::string_view macro = text.substr(brace, close - brace);
        const std::size_t open = macro.rfind('(');
        if (open == std::string_view::npos) continue;
        std::string_view arguments = macro.substr(open + 1, macro.size() - open - 2);
        for (std::size_t comma = arguments.find(',');; comma = arguments.find(',')) {
            const std::string_view argument = arguments.substr(0, comma);
            // Character keys (CNN's "NM") and the like are no story point codes.
            if (IsStoryPointCode(argument)) codes.push_back(argument);
            if (comma == std::string_view::npos) break;
            arguments.remove_prefix(comma + 1);
        }
    }
    return codes;
}

}  // namespace

void CheckReportTemplate(std::string_view text, const SourcePlace& place, const MacroError& error,
                         CompiledSegment& segment) {
    // The text as the macro check reads it: both parts of each condition, without its markers.
    std::string plain;
    std::size_t position = 0;
    for (std::size_t start = text.find(rc::kIf); start != std::string_view::npos;
         start = text.find(rc::kIf, position)) {
        rc::Condition condition;
        std::string why;
        // The condition's opening names it in the messages.
        const std::size_t opened = text.find(rc::kIfEnd, start);
        const std::string opening(text.substr(
            start, opened == std::string_view::npos ? rc::kIf.size() : opened + rc::kIfEnd.size() - start));
        if (!rc::ReadCondition(text, start, condition, why)) {
            error(opening + ": " + why);
            return;
        }
        for (std::string_view code : condition.codes) {
            if (!IsConditionCode(code)) error(opening + ": no story point has the code " + std::string(code));
        }
        for (std::string_view named : NamedCodes(condition.chosen)) {
            if (std::find(condition.codes.begin(), condition.codes.end(), named) == condition.codes.end())
                error(opening + ": names " + std::string(named) + ", which it does not wait on");
        }
        plain.append(text.substr(position, start - position));
        plain.append(condition.chosen);
        plain.append(condition.unchosen);
        position = condition.end;
    }
    plain.append(text.substr(position));
    // An {ELSE} or {ENDIF} outside a condition would be shown as written.
    if (rc::HoldsReportCondition(plain)) {
        error("an {ELSE} or {ENDIF} that no {IFCH(...)} opens");
        return;
    }
    CheckMacros(plain, place, error, segment);
}
