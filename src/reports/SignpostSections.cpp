// The sections that walk the throughlines' signposts act by act: the Overall Plot (report id 40) and
// the third level of the guided road (43). Each throughline's four signposts make one sentence of
// their own: the template's when all four are settled or none is, and otherwise one that names the
// settled ones, act by act, and the acts whose signposts are not chosen yet.
//
// Template 40: S1-S3, S4 (the four signposts, or that none is chosen), S5 (what opens the sentence
// of some of them), S6 and S7. Template 43: S1-S3, then for the overall story, the main character,
// the impact character and the subjective story in turn the pair of keys S4 and S5, S7 and S8, S10
// and S11, S13 and S14, each followed by S6, S9, S12 and S15; then the story's title and synopses.
// Story points read: the four throughlines' signposts ("STType1" to "PLType4").

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "reports/ActWords.h"
#include "reports/ReportComposer.h"
#include "reports/ReportText.h"

void ReportComposer::AppendSignposts(Section& t, const char* prefix, int allOrNone, int some) {
    std::vector<std::string> settled;
    std::vector<std::size_t> open;
    for (std::size_t act = 0; act < kActWords.size(); ++act) {
        char code[16];
        std::snprintf(code, sizeof code, "%sType%zu", prefix, act + 1);
        if (!IsPointChosen(code)) {
            open.push_back(act);
            continue;
        }
        const std::string value = StyleCodeText("B+") + "{SNF(" + code + ")}" + StyleCodeText("B-");
        settled.push_back("act " + std::string(kActWords[act]) +
                          (settled.empty() ? " deals with " : " with ") + value);
    }
    if (settled.empty() || open.empty()) {
        t.Key(allOrNone);
        return;
    }
    t.Key(some);
    AppendText(ListOfWords(settled).c_str());
    AppendFormatted("; %s.", OpenActsWords(open).c_str());
}

void ReportComposer::BuildReportSection40() {
    Section t(*this, 40);
    t.Keys({1, 2, 3});
    AppendSignposts(t, "ST", 4, 5);
    t.Keys({6, 7});
}

void ReportComposer::BuildReportSection43() {
    Section t(*this, 43);
    t.Keys({1, 2, 3});
    constexpr std::array<const char*, 4> kPrefixes = {"ST", "MC", "OC", "PL"};
    for (std::size_t i = 0; i < kPrefixes.size(); ++i) {
        const int first = 4 + 3 * static_cast<int>(i);
        AppendSignposts(t, kPrefixes[i], first, first + 1);
        t.Key(first + 2);
    }
    AppendTitleAndSynopses();
}
