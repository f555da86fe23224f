// The four throughlines set against each other act by act (report id 32): six sentences an act,
// each joining the type of one throughline's signpost with another's. The types and the two
// characters' names are macros the expander fills in ({SNF(STType2)}, {CNN(MC,NM)}); a signpost
// not chosen yet reads as one.
//
// Template 1008, keys S1 and S3 (the introduction). The sentences are this builder's own words.

#include <array>
#include <cstdio>

#include "reports/ReportComposer.h"

namespace {

constexpr const char* kNotChosen = "a signpost not chosen yet";

// How each throughline is looked at, and the prefix of its signpost keys.
struct View {
    const char* opening;  // at the start of a sentence
    const char* later;    // after "is contrasted with"
    const char* prefix;
};
constexpr View kOverall = {"An analytical look at", "an analytical look at", "ST"};
constexpr View kSubjective = {"A passionate exploration of", "a passionate exploration of", "PL"};
constexpr View kMain = {"{CNNU(MC,NM)}'s view of", "{CNN(MC,NM)}'s view of", "MC"};
constexpr View kImpact = {"{CNNU(OC,NM)}'s impact on", "{CNN(OC,NM)}'s impact on", "OC"};

// The pairs of the six sentences, in order.
constexpr std::array<std::array<const View*, 2>, 6> kContrasts = {{
    {&kOverall, &kSubjective},
    {&kOverall, &kMain},
    {&kOverall, &kImpact},
    {&kSubjective, &kMain},
    {&kSubjective, &kImpact},
    {&kMain, &kImpact},
}};

}  // namespace

void ReportComposer::BuildThroughlineTypeSummary() {
    Section t(*this, 1008);
    t.Keys({1, 3});
    for (short act = 1; act <= 4; ++act) {
        AppendStyleCode(ReportStyle::kMarginsNone);
        AppendStyleCode(ReportStyle::kBoldOn);
        AppendFormatted("In Act %hd:", act);
        AppendStyleCode(ReportStyle::kBoldOff);
        AppendStyleCode(ReportStyle::kParagraphEnd);
        AppendMargins(40, 40, 40);
        for (const auto& [first, second] : kContrasts) {
            char firstKey[16], secondKey[16];
            std::snprintf(firstKey, sizeof firstKey, "%sType%hd", first->prefix, act);
            std::snprintf(secondKey, sizeof secondKey, "%sType%hd", second->prefix, act);
            AppendFormatted("%s %s %s %s %s.", first->opening, ValueOr(firstKey, kNotChosen).c_str(),
                            "is contrasted with", second->later, ValueOr(secondKey, kNotChosen).c_str());
            AppendStyleCode(ReportStyle::kParagraphEnd);
        }
        AppendStyleCode(ReportStyle::kLineEnd);
    }
}
