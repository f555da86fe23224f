// The sections built from the story's own data over templates that answer "[Sn]": plot progression,
// the resolve, the plot act by act, the issue sliders, the scenes (as treatment, with their story
// points and with all they represent), the engine settings, the item count, the title and
// synopses, and the composite report.

#include <algorithm>
#include <string>

#include "ReportTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/InclApprList.h"
#include "storymodel/engine/IncludeableAppreciation.h"
#include "support/TextLimitCases.h"

namespace {

using namespace reporttest;
using D = FakeStoryForm::Dynamic;

std::string Heading(const std::string& text) { return Code("U+") + kB + text + kNB + Code("U-") + "\n\n"; }

class ReportSections : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        log->lastKey = 2;
        composer = std::make_unique<ReportComposer>(&owner, story.get(), &form, &story->Scenes());
        composer->SetReportTemplates(std::make_unique<FakeTemplates>(log));
    }
    std::string Build(std::int16_t id) {
        composer->BuildReportSection(id, "");
        return Take();
    }
    Scene& AddScene(const char* title, const char* description) {
        SceneManager& scenes = story->Scenes();
        const std::int32_t position = scenes.InsertScene(scenes.GetSceneCount());
        Scene& scene = *scenes.SceneAt(position);
        scene.SetTitle(title);
        if (description) scene.SetDescription(description);
        return scene;
    }
    static std::string NameOf(Scene& scene) {
        char name[256];
        scene.GetDisplayName(name, sizeof name);
        return name;
    }
    // The value of the story point, in the story and in the storyform the builders read alike.
    void Choose(const char* code, std::int16_t value) {
        form.SetValueByCode(code, value);
        story->StoryForm().SetValueAt(StoryPointIndexForCode(code), value);
    }
    static const StoryPointRecord& Point(const char* code) {
        return *StoryPointAt(StoryPointIndexForCode(code));
    }
};

TEST_F(ReportSections, PlotProgressionGivesEachThroughlineItsSignpostsAndJourneys) {
    // Nothing chosen: each signpost and journey says so.
    const std::string none = Build(11);
    EXPECT_TRUE(StartsWith(none, Heading("{NObje} Story Throughline") + kB + "Signpost 1:" + kNB +
                                     "  not chosen yet\n" + kB + "Journey 1:" + kNB + "  not chosen yet\n"))
        << none;
    EXPECT_EQ(none.find("{SNF("), std::string::npos) << none;
    for (const char* throughline : {"ST", "MC", "OC", "PL"})
        for (int act = 1; act <= 4; ++act)
            Choose((throughline + std::string("Type") + std::to_string(act)).c_str(),
                   static_cast<std::int16_t>(4 + act));
    // A journey to a signpost not chosen is not chosen either.
    Choose("PLType3", 0);
    EXPECT_NE(Build(11).find(kB + "Journey 2:" + kNB + "  not chosen yet\n" + kB + "Signpost 3:" + kNB +
                             "  not chosen yet\n" + kB + "Journey 3:" + kNB + "  not chosen yet\n"),
              std::string::npos);
    Choose("PLType3", 7);
    const std::string text = Build(11);
    const std::string overall =
        Heading("{NObje} Story Throughline") + kB + "Signpost 1:" + kNB + "  {SNF(STType1)}\n" + kB +
        "Journey 1:" + kNB + "  from {SNF(STType1)} to {SNF(STType2)}\n" + kB + "Signpost 2:" + kNB +
        "  {SNF(STType2)}\n" + kB + "Journey 2:" + kNB + "  from {SNF(STType2)} to {SNF(STType3)}\n" + kB +
        "Signpost 3:" + kNB + "  {SNF(STType3)}\n" + kB + "Journey 3:" + kNB +
        "  from {SNF(STType3)} to {SNF(STType4)}\n" + kB + "Signpost 4:" + kNB + "  {SNF(STType4)}\n\n";
    EXPECT_TRUE(StartsWith(text, overall)) << text;
    const std::size_t main = text.find(Heading("Main Character Throughline"));
    const std::size_t impact = text.find(Heading("{NObst} Character Throughline"));
    const std::size_t subjective = text.find(Heading("{NSubj} Story Throughline"));
    EXPECT_LT(main, impact);
    EXPECT_LT(impact, subjective);
    EXPECT_NE(text.find("  from {SNF(PLType3)} to {SNF(PLType4)}\n"), std::string::npos);
    EXPECT_TRUE(log->opened.empty());

    composer->SetShowStorytelling(1);
    Tell("MCType2", "the turn");
    EXPECT_NE(Build(11).find("  {SNF(MCType2)}:\n\n" + Code("M(40,40,40)") + "{STF(MCType2)}\n\n" +
                             Code("M(0,0,0)") + "\n" + kB + "Journey 2:"),
              std::string::npos);
}

TEST_F(ReportSections, TheResolveNamesTheSolutionOrTheProblemOrSaysItIsNotChosen) {
    EXPECT_EQ(Build(16),
              "[S1][S2]Whether the Main Character will Change or Remain Steadfast is not chosen yet.\n\n");
    form.Set({D::kChange});
    EXPECT_EQ(Build(16), "[S1][S2]The Main Character will " + kB + "Change" + kNB +
                             ", closing in on the solution, {SNF(MCSol)}.\n\n");
    form.Set({D::kSteadfast});
    composer->SetShowStorytelling(1);
    Tell("Resolve", "holds");
    EXPECT_EQ(Build(16), "[S1][S2]The Main Character will " + kB + "Remain Steadfast" + kNB +
                             ", closing in on the problems, {SNF(MCPbm)}:\n\n" + Code("M(40,40,40)") +
                             "{STF(Resolve)}\n\n" + Code("M(0,0,0)") + "\n\n");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1055, 1055, 1055}));
}

TEST_F(ReportSections, ThePlotActByActIntroducesEachThroughlineBeforeItsActs) {
    // No act chosen: the introduction names none, and one sentence says so of all four.
    EXPECT_NE(Build(31).find("The {NObje} Story is the story as everyone in it lives it.\n  What this "
                             "throughline deals with in each act is not chosen yet."),
              std::string::npos);
    for (const char* key : {"STType1", "MCType1", "OCType1", "PLType1"}) Choose(key, IdOfCode("11000"));
    const std::string text = Build(31);
    EXPECT_TRUE(StartsWith(text, "[S1][S2]" + Heading("{NObje} Story Throughline") +
                                     "The {NObje} Story is the story as everyone in it lives it: its act one "
                                     "deals primarily with {SNF(STType1)}.\n  In act one, \"{SDF(" +
                                     std::to_string(IdOfCode("11000")) + ")}\""))
        << text;
    EXPECT_LT(text.find(Heading("{NSubj} Story Throughline")),
              text.find(Heading("Main Character Throughline")));
    EXPECT_LT(text.find(Heading("Main Character Throughline")),
              text.find(Heading("{NObst} Character Throughline")));
    EXPECT_NE(text.find("the challenge to that view: its act one deals primarily with {SNF(OCType1)}.\n"),
              std::string::npos);

    form.Set({D::kLogical});
    Choose("OCType1", IdOfCode("31000"));
    const std::string acts = Build(31);
    EXPECT_NE(
        acts.find("{SNF(OCType1)}.\n  In act one, \"{SDF(" + std::to_string(IdOfCode("31000")) + ")}\""),
        std::string::npos)
        << acts;
}

TEST_F(ReportSections, TheSlidersWeighTheIssueAgainstItsCounterpoint) {
    log->lastKey = 1;
    // Before an issue is chosen there is nothing to weigh.
    EXPECT_TRUE(StartsWith(Build(42), "[S1]" + kB + "{NObje} Story Throughline" + kNB +
                                          "\nThe issue and its counterpoint are not chosen yet.\n\n"));
    for (const char* prefix : {"ST", "MC", "OC", "PL"}) {
        Choose((prefix + std::string("Rng")).c_str(), IdOfCode("11100"));
        Choose((prefix + std::string("Rng2")).c_str(), IdOfCode("11400"));
    }
    const std::string unset = Build(42);
    EXPECT_TRUE(
        StartsWith(unset, "[S1]" + kB + "{NObje} Story Throughline" + kNB +
                              "\n{SNF(STRng)} and {SNF(STRng2)} are not weighed against each other yet.\n\n"))
        << unset;
    PText& storytelling = story->GetStorytellingRecord();
    storytelling.SetNumberByName("MCRngSlider", kPTextShort, 4);
    storytelling.SetNumberByName("MCRng2Slider", kPTextShort, -9);  // held to -5
    storytelling.SetNumberByName("MCCnftSlider", kPTextShort, 9);
    storytelling.SetNumberByName("OCRngSlider", kPTextShort, 0);
    storytelling.SetNumberByName("OCCnftSlider", kPTextShort, -2);
    storytelling.SetNumberByName("PLCnftSlider", kPTextShort, 0);
    const std::string text = Build(42);
    // The roles carry the verbs, whatever the number of the values' names.
    EXPECT_NE(
        text.find("\nThe issue, {SNF(MCRng)}, weighs very heavily, and its counterpoint, {SNF(MCRng2)}, "
                  "weighs very lightly; the conflict between them leans strongly towards {SNF(MCRng)}.\n\n"),
        std::string::npos)
        << text;
    EXPECT_NE(
        text.find("\nThe issue, {SNF(OCRng)}, weighs moderately, and its counterpoint, {SNF(OCRng2)}, "
                  "weighs moderately; the conflict between them leans slightly towards {SNF(OCRng2)}.\n\n"),
        std::string::npos);
    EXPECT_NE(text.find("the conflict between them holds the two in balance.\n\n"), std::string::npos);
    EXPECT_NE(text.find("{SNF(STRng)} and {SNF(STRng2)} are not weighed"), std::string::npos);
}

TEST_F(ReportSections, TheScenesAsTreatmentWithTheirStoryPointsAndWithAllTheyRepresent) {
    log->lastKey = 1;
    for (const std::int16_t id : {49, 50, 51})
        EXPECT_EQ(Build(id), "[S1]This story has no scenes yet.\n\n") << id;

    Scene& first = AddScene("Opening", "They meet.");
    Scene& second = AddScene("Storm", nullptr);
    const StoryPointRecord& domain = Point("MCDom");
    first.AddAppreciation(IncludeableAppreciation(domain.id, 0));
    CharacterManager& characters = story->Characters();
    const CharID main = characters.GetMainCharacter();
    second.AddAppreciation(IncludeableAppreciation(30000, 1, main));
    second.AddAppreciation(IncludeableAppreciation(30001, 2));
    const std::string one = NameOf(first), two = NameOf(second);
    const std::string pointLabel =
        "\x95 Main Character " + std::string(StoryPointDisplayName(domain)) + ":  ";
    // A point not chosen yet says so; once chosen its value is named.
    EXPECT_NE(Build(49).find(pointLabel + "not chosen yet\n"), std::string::npos);
    Choose("MCDom", 2);
    const std::string pointLine = pointLabel + "{SNF(MCDom)}\n";

    EXPECT_EQ(Build(51), "[S1]" + kB + one + kNB + "\nThey meet.\n\n" + kB + two + kNB +
                             "\nNo description of this scene is written yet.\n\n");
    EXPECT_EQ(Build(49),
              "[S1]" + kB + one + kNB + "\nThey meet.\n" + pointLine + "\n" + kB + two + kNB +
                  "\nNo description of this scene is written yet.\nThis scene refers to no story point "
                  "yet.\n\n");
    const std::string represents = Code("I+") + "This Scene Represents:" + Code("I-") + "\n";
    EXPECT_EQ(Build(50), "[S1]" + kB + one + kNB + "\n" + represents + pointLine + "\n" + kB + two + kNB +
                             "\n" + represents + "\x95 " + characters.GetCharacter(main)->Name() +
                             "\n\x95 {NObst} Character\n\n");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{49, 50, 51, 49, 51, 49, 50}));
}

// A new story's untouched Main and impact characters go when others take their roles; what a scene
// included of them goes with them, and the scene no longer claims to represent them.
TEST_F(ReportSections, AScenesItemsOfAPlaceholderThatWentWhenItsRoleWasTakenGoWithIt) {
    log->lastKey = 1;
    CharacterManager& characters = story->Characters();
    const CharID mainPlaceholder = characters.GetMainCharacter();
    const CharID impactPlaceholder = characters.GetImpactCharacter();
    const std::string impactName = characters.GetCharacter(impactPlaceholder)->Name();
    Scene& scene = AddScene("Opening", nullptr);
    const IncludeableAppreciation mainItem(30000, 1, mainPlaceholder);
    const IncludeableAppreciation impactItem(30000, 2, impactPlaceholder);
    scene.AddAppreciation(mainItem);
    scene.AddAppreciation(impactItem);
    scene.AddAppreciation(IncludeableAppreciation(30001, 2));
    const CharID ophelia = characters.CreateCharacter("Ophelia", 1, kSingularForm, 1, kNoRole, false);
    const CharID hal = characters.CreateCharacter("Hal", 0, kSingularForm, 0, kNoRole, false);

    characters.AssignRoleById(kMainRole, ophelia);
    ASSERT_FALSE(characters.HasCharacter(mainPlaceholder)) << "the untouched placeholder went";
    const std::string represents =
        "[S1]" + kB + NameOf(scene) + kNB + "\n" + Code("I+") + "This Scene Represents:" + Code("I-") + "\n";
    EXPECT_EQ(Build(50), represents + "\x95 " + impactName + "\n\x95 {NObst} Character\n\n");
    EXPECT_EQ(story->Scenes().GetUsageCount(mainItem), 0);

    characters.AssignRoleById(kImpactRole, hal);
    ASSERT_FALSE(characters.HasCharacter(impactPlaceholder));
    EXPECT_EQ(Build(50), represents + "\x95 {NObst} Character\n\n");
    EXPECT_EQ(story->Scenes().GetUsageCount(impactItem), 0);
    EXPECT_EQ(scene.GetAppreciations().GetCount(), 1);
}

// A scene's description at the most its field takes, 30,719 bytes as stored with slashes among them,
// is written whole.
TEST_F(ReportSections, AScenesDescriptionAtItsFieldsLimitIsWrittenWhole) {
    log->lastKey = 1;
    const std::string description = StoredText(testsupport::SlashedText(30719).c_str());
    ASSERT_EQ(description.size(), 30719u);
    Scene& scene = AddScene("Long", description.c_str());
    EXPECT_TRUE(Build(51) == "[S1]" + kB + NameOf(scene) + kNB + "\n" + description + "\n\n");
}

TEST_F(ReportSections, TheEngineSettingsListTheDynamicsAndDomains) {
    log->lastKey = 1;
    const std::string none = Build(58);
    EXPECT_NE(none.find("\x95 {NObje} Story Throughline:  not chosen yet\n"), std::string::npos) << none;
    EXPECT_EQ(none.find("{SNF("), std::string::npos) << none;
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic)
        Choose(StoryPointAt(DynamicIndex(dynamic))->code, DynamicValue(dynamic, 0));
    for (const char* domain : {"STDom", "MCDom", "OCDom", "PLDom"}) Choose(domain, 1);
    const std::string text = Build(58);
    const StoryPointRecord& resolve = *StoryPointAt(DynamicIndex(kResolve));
    const StoryPointRecord& judgment = *StoryPointAt(DynamicIndex(kJudgment));
    EXPECT_TRUE(StartsWith(text, "[S1]" + kB + "Dynamics" + kNB + "\n\x95 " + StoryPointDisplayName(resolve) +
                                     ":  {SNF(" + resolve.code + ")}\n"))
        << text;
    EXPECT_NE(
        text.find(std::string("\x95 ") + StoryPointDisplayName(judgment) + ":  {SNF(" + judgment.code +
                  ")}\n\n" + kB + "Throughlines" + kNB + "\n\x95 {NObje} Story Throughline:  {SNF(STDom)}\n"),
        std::string::npos);
    EXPECT_TRUE(text.ends_with("\x95 {NSubj} Story Throughline:  {SNF(PLDom)}\n\n")) << text;

    composer = std::make_unique<ReportComposer>(&owner, story.get(), &story->StoryForm());
    composer->SetReportTemplates(std::make_unique<FakeTemplates>(log));
    EXPECT_TRUE(Build(58).ends_with(kB + "Storyforms still possible:" + kNB +
                                    "  none: the choices made leave no storyform\n\n"));
    story->StoryForm().SetStoryformCount(1);
    EXPECT_TRUE(Build(58).ends_with(kNB + "  1 (the storyform is complete)\n\n"));
    story->StoryForm().SetStoryformCount(StoryFormManager::kAllStoryforms);
    EXPECT_TRUE(Build(58).ends_with(kNB + "  32768\n\n"));
}

TEST_F(ReportSections, TheItemCountAndTheTitleAndSynopses) {
    log->lastKey = 1;
    form.SetValueByCode("STDom", 1);
    form.SetValueByCode("MCDom", -1);
    AddScene("One", nullptr);
    const std::string count = Build(1);
    EXPECT_TRUE(StartsWith(count, "[S1]This story has 2 characters, 1 scene and 1 of its ")) << count;
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1054}));

    EXPECT_EQ(Build(43), "[S1]The story has no title yet.\n\nNo synopsis of this story is written yet.\n\n");
    PText& info = story->GetInfoRecord();
    info.SetEntry("Title", kPTextText, "Tale");
    info.SetEntry("OSSynopsis", kPTextText, "all of it");
    info.SetEntry("ThemeSynGen", kPTextText, "why");
    EXPECT_EQ(Build(43), "[S1]" + Heading("{SDI(Title)}") + kB + "{NObje} Story Synopsis" + kNB +
                             "\n{SDI(OSSynopsis)}\n\n" + kB + "Theme Synopsis" + kNB +
                             "\n{SDI(ThemeSynGen)}\n\n");
    const std::string withCharacters = Build(60);
    EXPECT_TRUE(StartsWith(withCharacters, "[S1]" + Heading("{SDI(Title)}"))) << withCharacters;
    EXPECT_NE(withCharacters.find("{SDI(ThemeSynGen)}\n\n" + Code("M(20,20,0)") + kB), std::string::npos);
}

TEST_F(ReportSections, TheCompositeHoldsTheCatalogueReportsUnderTheirNames) {
    log->lastKey = 1;
    const std::string text = Build(20);
    const std::int16_t order[] = {2,  19, 3,  34, 35, 58, 11, 31, 18, 40, 23,
                                  70, 71, 43, 36, 59, 61, 25, 15, 42, 10, 50};
    std::size_t at = 0;
    for (const std::int16_t id : order) {
        // The themes open with a bold title of their own that begins with their name.
        const std::string title =
            id == 15 ? kB + CatalogueTitle(id) + " Report" + kNB : Heading(CatalogueTitle(id));
        const std::size_t next = text.find(title, at);
        ASSERT_NE(next, std::string::npos) << id;
        at = next + 1;
    }
    EXPECT_EQ(text.find(Heading(CatalogueTitle(6))), std::string::npos);
    EXPECT_EQ(text.find(Heading(CatalogueTitle(15))), std::string::npos) << "no second title";
    EXPECT_EQ(std::count(log->opened.begin(), log->opened.end(), 1079), 0);
    EXPECT_EQ(std::count(log->opened.begin(), log->opened.end(), 1010), 1);
}

}  // namespace
