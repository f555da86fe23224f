// The vocabulary list that follows a build's reports when the writer asks for it: every theory
// term the reports name, with its definition.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "reports/ReportComposer.h"
#include "reports/ReportText.h"

namespace {

// Items listed under one name twice in the theory's tables: once either is listed, both are done.
constexpr std::array<std::pair<std::int16_t, std::int16_t>, 4> kSameNamePairs = {
    {{58, 85}, {59, 99}, {57, 116}, {60, 144}}};

// The pair the id belongs to, or -1.
int PairOf(std::int16_t id) {
    for (std::size_t i = 0; i < kSameNamePairs.size(); ++i)
        if (kSameNamePairs[i].first == id || kSameNamePairs[i].second == id) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::uint32_t ReportComposer::BuildVocabularyList() {
    SetReportTitle("Vocabulary List");
    const std::string reports = GetText();
    ResetText();
    ReplaceText(ExpandReportMacros(document_, reports.c_str(), &vocabulary_).c_str());
    AppendRule(kRuleLength);

    std::string entries = "\nVOCABULARY:\n\n";
    std::array<bool, kSameNamePairs.size()> pairListed{};
    char entry[64];
    for (std::int32_t i = 0; i < vocabulary_.Count(); ++i) {
        const std::int16_t id = vocabulary_.GetAt(i);
        if (i > 0 && id == vocabulary_.GetAt(i - 1)) continue;
        if (const int pair = PairOf(id); pair >= 0) {
            if (pairListed[static_cast<std::size_t>(pair)]) continue;
            pairListed[static_cast<std::size_t>(pair)] = true;
        }
        std::snprintf(entry, sizeof entry, "{SNF(%hd)}:  {SDF(%hd)}\n\n", id, id);
        entries += entry;
    }
    const std::uint32_t start = GetTextLength();
    AppendText(ExpandReportMacros(document_, entries.c_str(), nullptr).c_str());
    return start;
}
