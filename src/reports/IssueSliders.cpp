// The weighing of each throughline's issue against its counterpoint (report id 42): the
// template's texts, then for each throughline the words of its three sliders, which the writer
// sets from -5 to 5 on the query pages: how heavily the issue weighs ("STRngSlider"), how heavily
// the counterpoint weighs ("STRng2Slider"), and the balance of the conflict between them
// ("STCnftSlider", the first less the second). A throughline whose sliders were never set says
// so; values outside their range are held to it. The story's storytelling text of the conflict
// ("STCnft") follows. An issue or counterpoint not chosen yet is said to be so.
//
// Template 42, every key from "S1" up to the first missing one. Read from the story's storytelling
// record: the sliders "STRngSlider", "STRng2Slider" and "STCnftSlider" and the same of "MC", "OC"
// and "PL" (16-bit each), and the texts "STCnft", "MCCnft", "OCCnft" and "PLCnft".

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "reports/ReportComposer.h"
#include "reports/ReportThroughlines.h"
#include "storymodel/StoryDocument.h"

namespace {

constexpr int kSliderLimit = 5;

// How heavily a slider of -5 to 5 weighs.
const char* WeightWord(int value) {
    if (value <= -4) return "very lightly";
    if (value <= -2) return "lightly";
    if (value <= 1) return "moderately";
    if (value <= 3) return "heavily";
    return "very heavily";
}

// How far the conflict leans, by the difference of the two weights (at most 10 either way).
const char* LeanWord(int difference) {
    const int size = std::abs(difference);
    if (size <= 2) return "slightly";
    if (size <= 5) return "clearly";
    return "strongly";
}

}  // namespace

void ReportComposer::BuildReportSection42() {
    AppendTemplateText(42);
    PText* storytelling = document_ ? &document_->GetStorytellingRecord() : nullptr;
    for (const ReportThroughline& throughline : kReportThroughlines) {
        const std::string prefix = throughline.prefix;
        const std::string issue = "{SNF(" + prefix + "Rng)}", counterpoint = "{SNF(" + prefix + "Rng2)}";
        bool set = false;
        const auto slider = [&](const char* name, int limit) {
            std::int16_t value = 0;
            if (storytelling && storytelling->GetEntry(prefix + name, kPTextShort, &value) >= 0) set = true;
            return std::clamp<int>(value, -limit, limit);
        };
        const int weight = slider("RngSlider", kSliderLimit);
        const int counterweight = slider("Rng2Slider", kSliderLimit);
        const int conflict = slider("CnftSlider", 2 * kSliderLimit);

        AppendStyleCode(ReportStyle::kBoldOn);
        AppendText(throughline.name);
        AppendStyleCode(ReportStyle::kBoldOff);
        AppendStyleCode(ReportStyle::kLineEnd);
        const bool issueChosen = IsPointChosen(prefix + "Rng");
        const bool counterpointChosen = IsPointChosen(prefix + "Rng2");
        if (!issueChosen && !counterpointChosen) {
            AppendText("The issue and its counterpoint are not chosen yet");
        } else if (!issueChosen || !counterpointChosen) {
            // The one chosen is named.
            AppendFormatted("The issue is %s; its counterpoint is %s",
                            ValueOr((prefix + "Rng").c_str(), "not chosen yet").c_str(),
                            ValueOr((prefix + "Rng2").c_str(), "not chosen yet").c_str());
        } else if (!set) {
            AppendFormatted("%s and %s are not weighed against each other yet", issue.c_str(),
                            counterpoint.c_str());
        } else {
            // The roles are the subjects: a value's name may be plural ("Senses").
            AppendFormatted(
                "The issue, %s, weighs %s, and its counterpoint, %s, weighs %s; the conflict "
                "between them ",
                issue.c_str(), WeightWord(weight), counterpoint.c_str(), WeightWord(counterweight));
            if (conflict == 0) {
                AppendText("holds the two in balance");
            } else {
                AppendFormatted("leans %s towards %s", LeanWord(conflict),
                                (conflict > 0 ? issue : counterpoint).c_str());
            }
        }
        AppendStoryPoint((prefix + "Cnft").c_str(), ".", false);
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
