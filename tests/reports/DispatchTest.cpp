// From report ids to sections: ids outside 1-71 and the ids without a section only record the
// title; each id reaches its own builder; the template sections append their template, and name
// it when the data file lacks it; and every id 1-71 builds, on a new story, an empty story, a
// complete storyform and four contrasting ones, with and without storytelling, into text whose
// every macro the expander knows.

#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportText.h"
#include "storymodel/engine/ElementTable.h"

namespace {

using namespace reporttest;

using Dispatch = ReportTest;

TEST_F(Dispatch, IdsOutsideOneToSeventyOneOnlyRecordTheTitle) {
    for (const std::int16_t id : {0, -1, 72, 32767, -32768}) {
        composer->BuildReportSection(id, "Odd");
        EXPECT_EQ(Text(), "") << id;
        EXPECT_STREQ(composer->GetReportTitle(), "Odd");
    }
    EXPECT_TRUE(log->opened.empty());
}

TEST_F(Dispatch, IdsWithoutASectionAppendNothing) {
    for (const std::int16_t id : {9, 21, 39, 55}) {
        composer->BuildReportSection(id, "Nothing");
        EXPECT_EQ(Text(), "") << id;
    }
    EXPECT_TRUE(log->opened.empty());
}

TEST_F(Dispatch, EachIdReachesTheBuilderOfItsSection) {
    const std::pair<std::int16_t, std::vector<std::int16_t>> expected[] = {
        {3, {3}},     {4, {1080}},  {15, {1000, 1001, 1002, 1003}},
        {22, {1000}}, {23, {1009}}, {24, {1001}},
        {28, {1002}}, {29, {1003}}, {34, {1077}},
        {35, {1078}}, {6, {1079}},  {16, {1055}},
        {18, {1010}}, {25, {1014}}, {27, {1007}},
        {31, {1011}}, {32, {1008}}, {36, {1016, 1007, 51}},
        {42, {42}},   {49, {49}},   {50, {50}},
        {51, {51}},   {58, {58}},   {59, {1098}},
        {61, {1006}},
    };
    for (const auto& [id, records] : expected) {
        log->opened.clear();
        composer->BuildReportSection(id, "");
        EXPECT_EQ(log->opened, records) << id;
        EXPECT_NE(Take(), "") << id;
    }
}

TEST_F(Dispatch, TheTemplateSectionsAppendTheirTemplateAndAMissingOneIsNamed) {
    log->lastKey = 3;
    const std::pair<std::int16_t, std::int16_t> expected[] = {
        {2, 2}, {44, 44}, {71, 71}, {5, 1013}, {14, 1061}, {17, 1053}, {19, 1056},
    };
    for (const auto& [id, record] : expected) {
        log->opened.clear();
        composer->BuildReportSection(id, "");
        EXPECT_EQ(log->opened, std::vector<std::int16_t>{record}) << id;
        EXPECT_EQ(Take(), "[S1][S2][S3]") << id;
    }
    log->lastKey = 0;
    composer->BuildReportSection(44, "");
    EXPECT_EQ(Take(), "The text of this report (template 44) is missing from the program's data.\n\n");
}

TEST_F(Dispatch, BuildingAnIdTwiceAppendsItsSectionTwice) {
    composer->BuildReportSection(3, "Story Comments");
    composer->BuildReportSection(3, "Story Comments");
    EXPECT_EQ(Text(), "[S1][S2][S1][S2]");
}

// Builds every id with the catalogue's titles and expands the whole text for the story: no macro is
// left that the expander did not know (what the writer typed stays escaped until it is shown).
// Each id's text, by id, when asked.
std::string BuildEveryId(ReportComposer& composer, IStoryDocument& story,
                         std::vector<std::string>* each = nullptr) {
    std::string all;
    if (each) each->assign(72, "");
    for (std::int16_t id = 1; id <= 71; ++id) {
        composer.ResetText();
        composer.BuildReportSection(id, ReportTitle(id, &story).c_str());
        SList vocabulary;
        const std::string text = ExpandReportMacros(&story, composer.GetText(), &vocabulary);
        EXPECT_EQ(text.find('{'), std::string::npos) << "id " << id << ": " << text;
        const std::string shown = ExpandReportText(&story, composer.GetText(), &vocabulary, true);
        const bool empty = id == 9 || id == 21 || id == 39 || id == 55;
        EXPECT_EQ(shown.empty(), empty) << "id " << id;
        if (each) (*each)[static_cast<std::size_t>(id)] = shown;
        all += shown;
    }
    return all;
}

class AllIds : public EngineReportTest {
protected:
    void BuildOverRealStoryform() {
        composer = std::make_unique<ReportComposer>(&owner, story.get(), &story->StoryForm());
        composer->SetReportTemplates(std::make_unique<FakeTemplates>(log));
    }
    void TellEverything() { TellEverything(*story); }
    static void TellEverything(StandInStory& story) {
        for (const char* key :
             {"STDom", "STCon", "STRng", "STRng2", "STCnft", "STPbm", "STSol", "STFoc", "STDir", "STUnRng",
              "STCrFl", "STStp", "PLRng", "MCDom", "OCPbm", "STGoal", "MCGoal"})
            ASSERT_GE(story.GetStorytellingRecord().SetEntry(
                          key, kPTextText, StoredText("A told {text}, as the writer typed it").c_str()),
                      0);
        story.GetStorytellingRecord().SetNumberByName("ConRate", kPTextShort, 9);
        story.GetStorytellingRecord().SetNumberByName("Recommend", kPTextShort, -2);
    }
};

TEST_F(AllIds, EveryIdBuildsOnANewStory) {
    BuildOverRealStoryform();
    const std::string plain = BuildEveryId(*composer, *story);
    // What the builders write themselves names no value that is not chosen: they say so instead.
    EXPECT_EQ(plain.find("an unchosen item"), std::string::npos) << plain;
    EXPECT_NE(plain.find("[S16]"), std::string::npos) << "the impact character's way, not chosen yet";
    composer->SetShowStorytelling(1);
    TellEverything();
    const std::string told = BuildEveryId(*composer, *story);
    EXPECT_GT(told.size(), plain.size());
}

TEST_F(AllIds, EveryIdBuildsWithoutAMainOrAnImpactCharacter) {
    CharacterManager& characters = story->Characters();
    for (const CharID id : {characters.GetMainCharacter(), characters.GetImpactCharacter()})
        characters.GetCharacter(id)->SetSubjectiveRole(0);
    characters.RecomputeRoleIndexes();
    ASSERT_EQ(characters.GetMainCharacter(), kNoCharID);
    ASSERT_EQ(characters.GetImpactCharacter(), kNoCharID);
    BuildOverRealStoryform();
    composer->SetShowStorytelling(1);
    BuildEveryId(*composer, *story);
}

TEST_F(AllIds, EveryIdBuildsOnACompleteStoryform) {
    ASSERT_TRUE(CompleteStoryform(story->StoryForm(), 12345));
    BuildOverRealStoryform();
    const std::string plain = BuildEveryId(*composer, *story);
    EXPECT_EQ(plain.find("unchosen"), std::string::npos) << plain;
    EXPECT_EQ(plain.find("not chosen yet"), std::string::npos);
    composer->SetShowStorytelling(1);
    TellEverything();
    BuildEveryId(*composer, *story);
}

// Four storyforms that between them take both values of Resolve, Growth, Outcome and Driver and put
// each domain in the overall story once (the storyform numbers were chosen for that; the test checks
// it), each in a story of its own with every story point described for the story points output.
TEST_F(AllIds, EveryIdBuildsOnFourContrastingStoryforms) {
    int index = 0;
    for (std::int16_t number = 3; number <= 118; ++number) {
        const StoryPointRecord* point = nullptr;
        while (!point || !point->code) point = StoryPointAt(index++ % kStoryPointCount);
        log->descriptions[number] = {point->code, "Point", "explained",
                                     static_cast<std::int16_t>(number % 10)};
    }
    for (const ContrastingStoryform& c : kContrastingStoryforms) {
        SCOPED_TRACE(c.number);
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        {
            StandInStory contrast(store);
            ASSERT_EQ(contrast.LoadCharacters(), kNoErr);
            PFMSetCurrentFile(store);
            StoryFormManager& storyForm = contrast.StoryForm();
            ASSERT_TRUE(CompleteStoryform(storyForm, c.number));
            ASSERT_EQ(storyForm.IsChange(), c.change);
            ASSERT_EQ(storyForm.IsStart(), c.start);
            ASSERT_EQ(storyForm.IsSuccess(), c.success);
            ASSERT_EQ(storyForm.IsAction(), c.action);
            ASSERT_EQ(ElementClassDigit(storyForm.GetValueAt(StoryPointIndexForCode("STDom"))),
                      c.domainClass);
            ReportComposer built(&owner, &contrast, &storyForm, &contrast.Scenes());
            built.SetReportTemplates(std::make_unique<FakeTemplates>(log));
            std::vector<std::string> each;
            const std::string plain = BuildEveryId(built, contrast, &each);
            EXPECT_EQ(plain.find("not chosen yet"), std::string::npos);
            EXPECT_NE(each[16].find("will " + Code("B+") + (c.change ? "Change" : "Remain Steadfast")),
                      std::string::npos);
            EXPECT_NE(
                each[18].find(c.action ? "decisions would never be made" : "actions would never be taken"),
                std::string::npos);
            EXPECT_NE(each[25].find(c.change == c.start ? "[S2]not [S3] [S4]" : "[S2][S3] not [S4]"),
                      std::string::npos)
                << each[25];
            EXPECT_NE(each[6].find("\x95 "), std::string::npos);
            built.SetShowStorytelling(1);
            TellEverything(contrast);
            const std::string told = BuildEveryId(built, contrast);
            EXPECT_NE(told.find("A told {text}, as the writer typed it"), std::string::npos);
        }
        PFMSetCurrentFile(story->GetStoryFile());
        PFMCloseFile(store);
    }
}

TEST_F(AllIds, EveryIdBuildsOnAnEmptyStory) {
    CharacterManager& characters = story->Characters();
    while (characters.GetCount() > 0) characters.DeleteCharacter(characters.IdAt(0), false);
    composer = std::make_unique<ReportComposer>(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    composer->SetReportTemplates(std::make_unique<FakeTemplates>(log));
    for (const std::int16_t storytelling : {0, 1}) {
        composer->SetShowStorytelling(storytelling);
        std::vector<std::string> each;
        BuildEveryId(*composer, *story, &each);
        EXPECT_NE(each[49].find("This story has no scenes yet."), std::string::npos);
        EXPECT_NE(each[16].find("is not chosen yet"), std::string::npos);
        EXPECT_NE(each[1].find("This story has 0 characters, 0 scenes and 0 of its"), std::string::npos)
            << each[1];
    }
}

// The reports name the two characters "MC" and "OC"; the expander knows them by their first letter.
TEST_F(AllIds, TheReportsWhoValuesNameTheMainAndImpactCharacters) {
    CharacterManager& characters = story->Characters();
    characters.GetCharacter(characters.GetMainCharacter())->SetName("Mara");
    characters.GetCharacter(characters.GetImpactCharacter())->SetName("Otto");
    composer->BuildThroughlineTypeSummary();
    SList vocabulary;
    const std::string text = ExpandReportMacros(story.get(), composer->GetText(), &vocabulary);
    EXPECT_NE(text.find("Mara's view of"), std::string::npos) << text;
    EXPECT_NE(text.find("Otto's impact on"), std::string::npos);
    EXPECT_EQ(text.find("{CNN"), std::string::npos);
}

}  // namespace
