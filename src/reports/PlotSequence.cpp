// The plot act by act (report id 31): the template's introduction, then each throughline in the
// order overall story, subjective story, main character, impact character, introduced in its own
// words with the type its act one deals with, and followed by its act summary sentences, which say
// of each act whose type is not chosen yet that it is not (the introduction then names no type).
//
// Template 1011, every key from "S1" up to the first missing one. Story points read: the
// throughlines' signposts and domains (through the act summaries).

#include <array>
#include <cstdint>
#include <cstdio>

#include "reports/ReportComposer.h"
#include "reports/ReportThroughlines.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

struct Introduction {
    std::int16_t throughline;
    const char* words;  // up to what its act one deals with
    // The character whose throughline it is, by name: left out while the character has none of its
    // own, which would name it by its role.
    const char* byName;
};

constexpr std::array<Introduction, 4> kIntroductions = {{
    {0, "The {NObje} Story is the story as everyone in it lives it", nullptr},
    {3, "The {NSubj} Story is the relationship between the Main Character and the {NObst} Character",
     nullptr},
    {1, "The Main Character's throughline is the story seen from the inside", ", by {CNN(MC,NM)}"},
    {2, "The {NObst} Character's throughline is the challenge to that view", " that comes from {CNN(OC,NM)}"},
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
        if (introduction.byName && IsCharacterNamed(introduction.throughline == kMainCharacter))
            AppendText(introduction.byName);
        if (IsPointChosen(key)) {
            AppendFormatted(": its act one deals primarily with {SNF(%s)}.", key);
        } else {
            AppendText(".");
        }
        AppendStyleCode(ReportStyle::kLineEnd);
        BuildActSummary(introduction.throughline);
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
