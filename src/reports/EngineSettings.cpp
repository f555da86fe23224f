// The story engine's settings (report id 58): the template's texts, then the eight dynamics and
// the four throughlines' domains with the values the storyform holds (a value not chosen yet says
// so), and how many storyforms the choices still allow (a story that has kept no count yet says
// so).
//
// Template 58, every key from "S1" up to the first missing one. Story points read: the dynamics
// "Resolve", "Direction", "Approach", "Sex", "Work", "Limit", "Outcome" and "Judgment", and
// "STDom", "MCDom", "OCDom" and "PLDom"; the storyform count of the story's storyform.

#include <cstdint>
#include <string>

#include "reports/ReportComposer.h"
#include "reports/ReportThroughlines.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr const char* kBullet = "\x95 ";
constexpr const char* kNotChosen = "not chosen yet";

}  // namespace

void ReportComposer::BuildReportSection58() {
    AppendTemplateText(58);
    AppendStyleCode(ReportStyle::kBoldOn);
    AppendText("Dynamics");
    AppendStyleCode(ReportStyle::kBoldOff);
    AppendStyleCode(ReportStyle::kLineEnd);
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
        const StoryPointRecord* point = StoryPointAt(DynamicIndex(dynamic));
        if (!point || !point->code) continue;
        AppendFormatted("%s%s:  %s", kBullet, StoryPointDisplayName(*point),
                        ValueOr(point->code, kNotChosen).c_str());
        AppendStyleCode(ReportStyle::kLineEnd);
    }
    AppendStyleCode(ReportStyle::kLineEnd);
    AppendStyleCode(ReportStyle::kBoldOn);
    AppendText("Throughlines");
    AppendStyleCode(ReportStyle::kBoldOff);
    AppendStyleCode(ReportStyle::kLineEnd);
    for (const ReportThroughline& throughline : kReportThroughlines) {
        const std::string domain = std::string(throughline.prefix) + "Dom";
        AppendFormatted("%s%s:  %s", kBullet, throughline.name, ValueOr(domain.c_str(), kNotChosen).c_str());
        AppendStyleCode(ReportStyle::kLineEnd);
    }
    AppendStyleCode(ReportStyle::kLineEnd);
    if (const StoryFormManager* manager = GetStoryFormManager()) {
        const std::uint16_t count = manager->GetStoryformCount();
        AppendStyleCode(ReportStyle::kBoldOn);
        AppendText("Storyforms still possible:");
        AppendStyleCode(ReportStyle::kBoldOff);
        if (count == 1) {
            AppendText("  1 (the storyform is complete)");
        } else if (count == 0) {
            // Every opening counts the storyforms, so none is a count: choices kept in a file that
            // leave no storyform (the opening gives up only Act Order choices to find one).
            AppendText("  none: the choices made leave no storyform");
        } else {
            AppendFormatted("  %u", static_cast<unsigned>(count));
        }
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
