// The report sections whose builders are alike: the keyed texts of one template record, "S1", "S2",
// ... up to the first key it lacks, and after them, for some, story data of one kind. One row of
// the table below is one such section.
//
// What the rows add, and the choices made where the sections' descriptions leave them open:
// - id 1: template 1054, then a count of the story's items: its characters, its scenes, and how
//   many of the storyform's story points have a value in force.
// - ids 8, 37, 38, 46, 56, 57, 60, 63, 65, 66 and 68: the template, then every character's
//   description (the Main character, the impact character, then the others in the characters'
//   order, as the section of all characters has them). No layout is named for these sections, so
//   each row gives one, and every layout appears in some report: 38 ("All Characters") and 63 the
//   profile; 8, 56, 60 and 68 the summary paragraph; 37 and 57 the identity card; 46 and 65 the
//   role card; 66 the characteristics heading. A story without characters gives the template's
//   texts alone, as the other character sections do.
// - id 60: the story's title as a heading and its synopses (the ten synopsis texts of the
//   story's information record, each under its label, written as {SDI(key)} macros), or a
//   sentence saying that none is written yet; 60 then the characters.
// - every other id: the template alone.
// A template record that gives no text at all (a data file without it) is named in a sentence,
// so that the report is never silently empty.
//
// Templates read (every key from "S1" up to the first missing one): 2, 7, 8, 10, 12, 13, 26, 30,
// 33, 37, 38, 41, 44-48, 52-54, 56, 57, 60, 62-71, and 1054, 1013, 1061, 1053, 1056 for ids 1,
// 5, 14, 17 and 19. Story data read: the characters, the scene count, the storyform's values, and
// the information record's "Title", "CharSynGen", "Synopsis", "OSSynopsis", "SSSynopsis",
// "MCSynopsis", "OCSynopsis", "MCActivity", "OCActivity", "PlotSynGen" and "ThemeSynGen".

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "reports/ReportComposer.h"
#include "reports/ReportSectionTable.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The synopses of the information record, in the record's order, with their labels.
struct Synopsis {
    const char* key;
    const char* label;
};
constexpr std::array<Synopsis, 10> kSynopses = {{
    {"CharSynGen", "Character Synopsis"},
    {"Synopsis", "Story Synopsis"},
    {"OSSynopsis", "{NObje} Story Synopsis"},
    {"SSSynopsis", "{NSubj} Story Synopsis"},
    {"MCSynopsis", "Main Character Synopsis"},
    {"OCSynopsis", "{NObst} Character Synopsis"},
    {"MCActivity", "Main Character Activities"},
    {"OCActivity", "{NObst} Character Activities"},
    {"PlotSynGen", "Plot Synopsis"},
    {"ThemeSynGen", "Theme Synopsis"},
}};

const char* Plural(int count) { return count == 1 ? "" : "s"; }

// Whether a value in force is one: neither nothing (0) nor several (-1).
bool IsChosen(std::int16_t value) { return value != 0 && value != -1; }

}  // namespace

template <std::int16_t N>
void ReportComposer::BuildReportSection() {
    static_assert(IsListedSection(N), "not a section of the table");
    BuildListedSection(N);
}

// The alike sections, each by its own name.
template void ReportComposer::BuildReportSection<1>();
template void ReportComposer::BuildReportSection<2>();
template void ReportComposer::BuildReportSection<5>();
template void ReportComposer::BuildReportSection<7>();
template void ReportComposer::BuildReportSection<8>();
template void ReportComposer::BuildReportSection<10>();
template void ReportComposer::BuildReportSection<12>();
template void ReportComposer::BuildReportSection<13>();
template void ReportComposer::BuildReportSection<14>();
template void ReportComposer::BuildReportSection<17>();
template void ReportComposer::BuildReportSection<19>();
template void ReportComposer::BuildReportSection<26>();
template void ReportComposer::BuildReportSection<30>();
template void ReportComposer::BuildReportSection<33>();
template void ReportComposer::BuildReportSection<37>();
template void ReportComposer::BuildReportSection<38>();
template void ReportComposer::BuildReportSection<41>();
template void ReportComposer::BuildReportSection<44>();
template void ReportComposer::BuildReportSection<45>();
template void ReportComposer::BuildReportSection<46>();
template void ReportComposer::BuildReportSection<47>();
template void ReportComposer::BuildReportSection<48>();
template void ReportComposer::BuildReportSection<52>();
template void ReportComposer::BuildReportSection<53>();
template void ReportComposer::BuildReportSection<54>();
template void ReportComposer::BuildReportSection<56>();
template void ReportComposer::BuildReportSection<57>();
template void ReportComposer::BuildReportSection<60>();
template void ReportComposer::BuildReportSection<62>();
template void ReportComposer::BuildReportSection<63>();
template void ReportComposer::BuildReportSection<64>();
template void ReportComposer::BuildReportSection<65>();
template void ReportComposer::BuildReportSection<66>();
template void ReportComposer::BuildReportSection<67>();
template void ReportComposer::BuildReportSection<68>();
template void ReportComposer::BuildReportSection<69>();
template void ReportComposer::BuildReportSection<70>();
template void ReportComposer::BuildReportSection<71>();

void ReportComposer::BuildListedSection(std::int16_t id) {
    const ListedSection* row = FindListedSection(id);
    if (!row) return;
    if (AppendTemplateText(row->record) == 0) {
        AppendFormatted("The text of this report (template %hd) is missing from the program's data.",
                        row->record);
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
    switch (row->adds) {
        case ListedSection::Adds::kNothing: break;
        case ListedSection::Adds::kItemCount: {
            CharacterManager* characters = GetCharacterManager();
            const int characterCount = characters ? characters->GetCount() : 0;
            const int sceneCount = scenes_ ? scenes_->GetSceneCount() : 0;
            int points = 0;
            int chosen = 0;
            for (int index = 0; index < kStoryPointCount; ++index) {
                const StoryPointRecord* point = StoryPointAt(index);
                if (!point || !point->code || point->kind == kValueRow) continue;
                ++points;
                if (storyForm_ && IsChosen(storyForm_->GetValueAt(index))) ++chosen;
            }
            AppendFormatted("This story has %d character%s, %d scene%s and %d of its %d story points chosen.",
                            characterCount, Plural(characterCount), sceneCount, Plural(sceneCount), chosen,
                            points);
            AppendStyleCode(ReportStyle::kParagraphEnd);
            break;
        }
        case ListedSection::Adds::kCharacters: AppendAllCharacterDescriptions(row->style); break;
        case ListedSection::Adds::kSynopsesAndCharacters:
            AppendTitleAndSynopses();
            AppendAllCharacterDescriptions(row->style);
            break;
    }
}

void ReportComposer::AppendTitleAndSynopses() {
    if (!document_) return;
    PText& info = document_->GetInfoRecord();
    if (IsStoryTitled()) {
        AppendHeading("{SDI(Title)}");
    } else {
        AppendText("The story has no title yet.");
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
    bool any = false;
    for (const Synopsis& synopsis : kSynopses) {
        if (RecordTextView(info, synopsis.key).empty()) continue;
        any = true;
        AppendStyleCode(ReportStyle::kBoldOn);
        AppendText(synopsis.label);
        AppendStyleCode(ReportStyle::kBoldOff);
        AppendStyleCode(ReportStyle::kLineEnd);
        AppendFormatted("{SDI(%s)}", synopsis.key);
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
    if (!any) {
        AppendText("No synopsis of this story is written yet.");
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}

void ReportComposer::AppendAllCharacterDescriptions(std::int16_t style) {
    CharacterManager* characters = GetCharacterManager();
    if (!characters) return;
    const CharID main = characters->GetMainCharacter();
    const CharID impact = characters->GetImpactCharacter();
    if (IsValidCharID(main)) AppendCharacterDescription(main, style);
    if (IsValidCharID(impact) && impact != main) AppendCharacterDescription(impact, style);
    for (std::int32_t position = 0; position < characters->GetCount(); ++position) {
        const CharID id = characters->IdAt(position);
        if (id != main && id != impact) AppendCharacterDescription(id, style);
    }
}
