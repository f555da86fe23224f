// The main character's resolve (report id 16): the template's texts, then whether the main
// character will Change, closing in on the solution, or Remain Steadfast, closing in on the
// problems, with the solution or the problem named and the story's storytelling text of "Resolve"
// after it. While the resolve is not chosen, a sentence says so.
//
// Template 1055, every key from "S1" up to the first missing one. Story points read: "Resolve",
// "MCSol" and "MCPbm".

#include "reports/ReportComposer.h"
#include "storymodel/engine/IStoryForm.h"

void ReportComposer::BuildReportSection16() {
    AppendTemplateText(1055);
    const bool change = storyForm_ && storyForm_->IsChange();
    const bool steadfast = storyForm_ && storyForm_->IsSteadfast();
    if (!change && !steadfast) {
        AppendText("Whether the Main Character will Change or Remain Steadfast is not chosen yet.");
        AppendStyleCode(ReportStyle::kParagraphEnd);
        return;
    }
    AppendText("The Main Character will ");
    AppendStyleCode(ReportStyle::kBoldOn);
    AppendText(change ? "Change" : "Remain Steadfast");
    AppendStyleCode(ReportStyle::kBoldOff);
    AppendText(change ? ", closing in on the solution, {SNF(MCSol)}"
                      : ", closing in on the problems, {SNF(MCPbm)}");
    AppendStoryPoint("Resolve", ".", false);
    AppendStyleCode(ReportStyle::kParagraphEnd);
}
