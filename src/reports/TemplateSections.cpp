// The report sections made mostly of template text: comments, notes and analysis information, the
// four theme paragraphs under one title, the goals and requirements of the throughlines, and the
// coverage ratings.

#include <algorithm>
#include <cstdint>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "reports/ReportComposer.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryDocument.h"

namespace {

// The words of the three rating scales, by value.
constexpr const char* kRatingWords[3][5] = {
    {"Not Rated", "Excellent", "Good", "Fair", "Poor"},
    {"Not Rated", "High", "Medium", "Low", "Unknown"},
    {"None", "Recommend", "Consider", "Maybe", "Pass"},
};

// The coverage ratings in the order they are listed: the storytelling key of each and its scale.
struct Rating {
    const char* key;
    int scale;
};
constexpr Rating kRatings[] = {
    {"ConRate", 0}, {"CharRate", 0}, {"DlogRate", 0}, {"FormRate", 0},  {"TellRate", 0},
    {"SetRate", 0}, {"ProdRate", 0}, {"Budget", 1},   {"Recommend", 2},
};
// The template key of the first rating's line.
constexpr int kFirstRatingKey = 3;

}  // namespace

const char* ReportComposer::RatingWord(int table, std::int16_t value) {
    const int scale = std::clamp(table, 0, 2);
    return kRatingWords[scale][std::clamp<int>(value, 0, 4)];
}

void ReportComposer::BuildCommentsSection() { Section(*this, 3).Keys({1, 2}); }

void ReportComposer::BuildNoteSection() { Section(*this, 1080).Key(1); }

// The author's line (S3) only for a story that names its author: an empty "Author:" says nothing.
void ReportComposer::BuildAnalysisInfoSection() {
    Section t(*this, 1077);
    t.Key(1);
    if (document_ && !RecordText(document_->GetInfoRecord(), "Author").empty()) t.Key(3);
    t.Key(2);
}

void ReportComposer::BuildFourThroughlinesThemes() {
    AppendStyleCode(ReportStyle::kBoldOn);
    AppendText("Four Throughlines Themes Report");
    AppendStyleCode(ReportStyle::kBoldOff);
    AppendStyleCode(ReportStyle::kParagraphEnd);
    BuildStoryThroughlineThemes();
    AppendStyleCode(ReportStyle::kParagraphEnd);
    AppendStyleCode(ReportStyle::kLineEnd);
    BuildSubjectiveThroughlineThemes();
    AppendStyleCode(ReportStyle::kParagraphEnd);
    AppendStyleCode(ReportStyle::kLineEnd);
    BuildMainCharacterThemes();
    AppendStyleCode(ReportStyle::kParagraphEnd);
    AppendStyleCode(ReportStyle::kLineEnd);
    BuildImpactCharacterThemes();
}

void ReportComposer::BuildGoalsAndRequirements() {
    Section t(*this, 1009);
    t.Keys({1, 2, 4});
    AppendStoryPoint("STGoal", ", ", true);
    t.Key(5);
    AppendStoryPoint("STReq", ".  ", false);
    t.Key(6);
    AppendStoryPoint("PLGoal", ".  ", false);
    t.Key(7);
    AppendStoryPoint("MCReq", ", ", true);
    t.Key(8);
    AppendStoryPoint("OCReq", ".  ", false);
    t.Key(9);
    // The prerequisites end a clause of their own: "... must come first, and along the way ...".
    AppendStoryPoint("PLReq", ", ", true);
    t.Key(10);
    AppendStoryPoint("OCGoal", ", ", true);
    t.Key(11);
    AppendStoryPoint("MCGoal", ".", false);
    t.Key(12);
}

void ReportComposer::BuildCoverageRatings() {
    Section t(*this, 1078);
    t.Keys({1, 2});
    std::int16_t values[std::size(kRatings)] = {};
    if (document_) {
        PText& storytelling = document_->GetStorytellingRecord();
        for (std::size_t i = 0; i < std::size(kRatings); ++i)
            storytelling.GetEntry(kRatings[i].key, kPTextShort, &values[i]);
    }
    for (std::size_t i = 0; i < std::size(kRatings); ++i) {
        t.Key(kFirstRatingKey + static_cast<int>(i));
        AppendFormatted("%s", RatingWord(kRatings[i].scale, values[i]));
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
