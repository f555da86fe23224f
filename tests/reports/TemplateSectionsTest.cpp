// The sections made mostly of template text, the coverage ratings as words, and the vocabulary
// list that follows a build: its heading, its pairs of same-named items, its repeats, and where its
// page begins.

#include <string>

#include "ReportTestSupport.h"

namespace {

using namespace reporttest;

using TemplateSections = ReportTest;

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST_F(TemplateSections, CommentsNotesAndAnalysisAreTheirTemplatesTexts) {
    composer->BuildCommentsSection();
    EXPECT_EQ(Take(), "[S1][S2]");
    composer->BuildNoteSection();
    EXPECT_EQ(Take(), "[S1]");
    composer->BuildAnalysisInfoSection();
    EXPECT_EQ(Take(), "[S1][S2]");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{3, 1080, 1077}));
}

TEST_F(TemplateSections, TheFourThemesFollowTheirTitleInTheirOrder) {
    composer->BuildStoryThroughlineThemes();
    const std::string story = Take();
    composer->BuildSubjectiveThroughlineThemes();
    const std::string subjective = Take();
    composer->BuildMainCharacterThemes();
    const std::string main = Take();
    composer->BuildImpactCharacterThemes();
    const std::string impact = Take();
    composer->BuildFourThroughlinesThemes();
    // A line ends without the blanks a paragraph's last sentence leaves.
    const auto line = [](std::string text) { return text.substr(0, text.find_last_not_of(' ') + 1); };
    EXPECT_EQ(Text(), Code("B+") + "Four Throughlines Themes Report" + Code("B-") + "\n\n" + line(story) +
                          "\n\n\n" + line(subjective) + "\n\n\n" + line(main) + "\n\n\n" + impact);
}

TEST_F(TemplateSections, GoalsAndRequirementsWeaveTheEightStoryPointsIntoTheTemplate) {
    composer->BuildGoalsAndRequirements();
    EXPECT_EQ(Take(), "[S1][S2][S4], [S5].  [S6].  [S7], [S8].  [S9], [S10], [S11].[S12]");
    Tell("PLReq", "Both must give way.");
    composer->SetShowStorytelling(1);
    composer->BuildGoalsAndRequirements();
    EXPECT_NE(
        Take().find("[S9]:\n\n" + Code("M(40,40,40)") + "{STF(PLReq)}\n\n" + Code("M(0,0,0)") + "...[S10]"),
        std::string::npos);
}

TEST_F(TemplateSections, CoverageRatingsAreWordsAfterTheirLines) {
    PText& told = story->GetStorytellingRecord();
    const std::pair<const char*, int> values[] = {{"ConRate", 1},  {"CharRate", 2}, {"DlogRate", 3},
                                                  {"FormRate", 4}, {"SetRate", 0},  {"ProdRate", 1},
                                                  {"Budget", 2},   {"Recommend", 3}};
    for (const auto& [key, value] : values) told.SetNumberByName(key, kPTextShort, value);
    composer->BuildCoverageRatings();
    EXPECT_EQ(
        Text(),
        "[S1][S2][S3]Excellent\n\n[S4]Good\n\n[S5]Fair\n\n[S6]Poor\n\n[S7]Not Rated\n\n[S8]Not Rated\n\n"
        "[S9]Excellent\n\n[S10]Medium\n\n[S11]Maybe\n\n");
}

TEST_F(TemplateSections, MissingRatingsReadAsNotRatedAndOthersAreHeldToTheScale) {
    composer->BuildCoverageRatings();
    EXPECT_EQ(CountOf(Take(), "Not Rated\n\n"), 8u);
    PText& told = story->GetStorytellingRecord();
    told.SetNumberByName("ConRate", kPTextShort, 9);
    told.SetNumberByName("Budget", kPTextShort, -5);
    told.SetNumberByName("Recommend", kPTextShort, 12);
    composer->BuildCoverageRatings();
    const std::string text = Take();
    EXPECT_NE(text.find("[S3]Poor\n\n"), std::string::npos);
    EXPECT_NE(text.find("[S10]Not Rated\n\n"), std::string::npos);
    EXPECT_NE(text.find("[S11]Pass\n\n"), std::string::npos);
    told.Remove("Recommend");
    composer->BuildCoverageRatings();
    EXPECT_NE(Take().find("[S11]None\n\n"), std::string::npos);
}

TEST_F(TemplateSections, AReportThatNamesNoTermsGetsAVocabularyHeadingAlone) {
    composer->AppendText("Plain words.");
    const std::uint32_t start = composer->BuildVocabularyList();
    const std::string rule = "\n" + std::string(30, '_') + "\n";
    EXPECT_EQ(Text(), "Plain words." + rule + "\nVOCABULARY:\n\n");
    EXPECT_EQ(start, std::string("Plain words." + rule).size());
    EXPECT_STREQ(composer->GetReportTitle(), "Vocabulary List");
}

TEST_F(TemplateSections, TheVocabularyListsEachTermOnceAndOneOfEachPairOfSameNamedItems) {
    // 58 and 85 are a pair; 149 is 85's element in the second class, recorded as 85.
    composer->AppendText("{SNF(58)}, {SNF(85)}, {SNF(149)} and {SNF(86)}");
    const std::uint32_t start = composer->BuildVocabularyList();
    const std::string entries = Text().substr(start);
    EXPECT_TRUE(StartsWith(entries, "\nVOCABULARY:\n\n")) << entries;
    EXPECT_EQ(CountOf(entries, ":  "), 2u) << entries;
    // The reports' own text before it is expanded now: no macro is left in it.
    EXPECT_EQ(Text().substr(0, start).find('{'), std::string::npos);
}

TEST_F(TemplateSections, AnIdRecordedSeveralTimesInARowIsListedOnce) {
    for (const std::int16_t id : {86, 86, 86, 87}) composer->GetVocabulary().Append(id);
    const std::uint32_t start = composer->BuildVocabularyList();
    EXPECT_EQ(CountOf(Text().substr(start), ":  "), 2u);
}

}  // namespace
