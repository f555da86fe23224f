// The plot act by act (report id 31): the template's introduction, then each throughline in the
// order overall story, subjective story, main character, impact character, introduced in its own
// words with the type its act one deals with (or that it is not chosen yet), and followed by its act
// summary sentences.
//
// Template 1011, every key from "S1" up to the first missing one. Story points read: the
// throughlines' signposts and domains (through the act summaries).

#include <array>
#include <cstdint>
#include <cstdio>

#include "reports/ReportComposer.h"
#include "reports/ReportThroughlines.h"

namespace {

struct Introduction {
    std::int16_t throughline;
    const char* words;  // up to what its act one deals with
};

constexpr std::array<Introduction, 4> kIntroductions = {{
    {0, "The {NObje} Story is the story as everyone in it lives it: "},
    {3, "The {NSubj} Story is the relationship between the Main and the {NObst} Character: "},
    {1, "The Main Character's throughline is the story seen from the inside, by {CNN(MC,NM)}: "},
    {2, "The {NObst} Character's throughline is the challenge to that view that comes from {CNN(OC,NM)}: "},
}};

}  // namespace

void ReportComposer::BuildReportSection31() {
    AppendTemplateText(1011);
    for (const Introduction& introduction : kIntroductions) {
        const ReportThroughline& throughline =
            kReportThroughlines[static_cast<std::size_t>(introduction.throughline)];
        AppendHeading(throughline.name);
        char key[16];
        std::snprintf(key, sizeof key, "%sType1", throughline.prefix);
        AppendText(introduction.words);
        if (IsPointChosen(key)) {
            AppendFormatted("its act one deals primarily with {SNF(%s)}.", key);
        } else {
            AppendText("what its act one deals with is not chosen yet.");
        }
        AppendStyleCode(ReportStyle::kLineEnd);
        BuildActSummary(introduction.throughline);
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
