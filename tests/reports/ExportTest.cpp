// File > Export and Export to Scenewright in the running program (headless): the reports the
// Reports window shows, and the story's scenes as an outline, written as plain UTF-8 text files the
// writer names. Cancelling writes nothing, an existing file goes only once the writer agrees, and a
// write that fails is told and leaves the old file as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FablCmds.h"
#include "app/StoryAppFixture.h"
#include "app/StoryCommandIds.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "items/ItemClasses.h"
#include "platform/sys/FileFaults.h"
#include "platform/sys/TempFolder.h"
#include "reports/OutlineView.h"
#include "reports/RepWindow.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportTools.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/IncludeableAppreciation.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "support/StoredText.h"

namespace {

using namespace apptest;
using testsupport::StoredText;

class TextExport : public StoryAppTest {
protected:
    PFMFile* templates = nullptr;

    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        StoryAppTest::SetUp();
        PFMFile* current = PFMGetCurrentFile();
        const FileRef file(REPORT_TEMPLATES, kAccessRead);
        templates = PFMOpenFile(&file);
        ASSERT_NE(templates, nullptr);
        PFMSetCurrentFile(current);
        InstallReportTools(static_cast<FablCmds*>(application)->GetStoryTools());
    }
    void TearDown() override {
        win::ResetFileCalls();
        StoryAppTest::TearDown();
        if (templates) PFMCloseFile(templates);
    }

    FKDoc* TitledStory(const std::string& title) {
        FKDoc* story = NewStory();
        story->GetInfoRecord().SetEntry("Title", kPTextText, title.c_str());
        return story;
    }
    RepWindow* OpenReports(FKDoc* story, const std::vector<std::int16_t>& reports) {
        auto* window = new RepWindow(application, story, std::make_unique<DataFileTemplates>(templates));
        window->BuildContents();
        window->Show();
        window->ChooseReports(reports);
        Run();
        return window;
    }
    Scene& AddScene(FKDoc& story, const std::string& title, const std::string& description) {
        SceneManager& scenes = *story.GetSceneManager();
        Scene& scene = *scenes.SceneAt(scenes.InsertScene(-1));
        scene.SetTitle(StoredText(title).c_str());
        if (!description.empty()) scene.SetDescription(StoredText(description).c_str());
        return scene;
    }
    // Runs the command as the menu does, the chooser answered with the file.
    void RunExport(std::int32_t command, const std::string& name) {
        Choose(name);
        Mark();
        application->HandleCommand(command);
        Run();
    }
    void Cancel() { presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{FALSE, {}}); }

    std::string Read(const std::string& name) const { return TempFolder::ReadFile(Path(name)); }
    // The names in the files folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(files.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

const std::string kRule(30, '_');

TEST_F(TextExport, TheReportsTheWindowShowsAreWrittenAsPlainUtf8Text) {
    // A title with letters beyond ASCII, as the story information keeps it.
    FKDoc* story = TitledStory(StoredText("Caf\xE9 \xC7\xE0 \x96 \x80 {5}"));
    OpenReports(story, {3});
    EXPECT_TRUE(application->CommandEnabled(kCmdExport));
    RunExport(kCmdExport, "report.txt");
    EXPECT_EQ(Asked().at(0), story->GetFileName().substr(0, story->GetFileName().rfind('.')) + " Reports.txt")
        << "the chooser offers a name after the story";
    EXPECT_EQ(Read("report.txt"),
              "Story Comments\n\nComments on Café Çà – € {5}: what the writer noted while the story grew.\n");

    // Two reports, the rule between them; the window's choice changed since it showed them, so the
    // chosen ones are shown and written.
    auto* window = dynamic_cast<RepWindow*>(story->GetRepWindow());
    window->ChooseReports({3, 35});
    ASSERT_TRUE(window->IsStale());
    RunExport(kCmdExport, "two.txt");
    EXPECT_FALSE(window->IsStale());
    const std::string two = Read("two.txt");
    const std::size_t rule = two.find("\n\n" + kRule + "\n\nCoverage Information\n\n");
    ASSERT_NE(rule, std::string::npos) << two;
    EXPECT_LT(two.find("Comments on Café"), rule);
    EXPECT_NE(two.find("Concept: Not Rated\n"), std::string::npos);
    EXPECT_EQ(two.find_first_of("\xC7\xC8\f\r"), std::string::npos) << "no code or page break is left";
}

TEST_F(TextExport, WithNoReportChosenExportSaysSoAndAsksForNoFile) {
    FKDoc* story = TitledStory("Harbour Lights");
    OpenReports(story, {});
    Mark();
    application->HandleCommand(kCmdExport);
    Run();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].rfind("There is no report to export.", 0), 0u);
    EXPECT_TRUE(Files().empty());
}

TEST_F(TextExport, TheScenesAreWrittenInOrderWithTheirDescriptionsAndStoryPoints) {
    FKDoc* story = TitledStory("Harbour Lights");
    Scene& opening = AddScene(*story, "Opening", "They meet at the quay.\r\nIt rains.");
    AddScene(*story, "Storm", "");
    Scene& last = AddScene(*story,
                           "\xC7"
                           "a finit \x96 No\xEBl",
                           "Prix: 5 \x80 {cash} / \\ \xB0");
    story->GetStoryFormManager()->SetChoice(1000, 1001);  // Resolve: Change
    opening.AddAppreciation(IncludeableAppreciation(1000, 0));
    opening.AddAppreciation(IncludeableAppreciation(15000, 0));  // the main character's domain
    last.AddAppreciation(IncludeableAppreciation(1000, 0));
    // The storytelling order is the writer's, not the order the scenes were made in.
    story->GetSceneManager()->MoveScene(last.GetID(), 1);

    EXPECT_TRUE(application->CommandEnabled(kCmdExportScenewright)) << "no report window needed";
    RunExport(kCmdExportScenewright, "outline.txt");
    EXPECT_EQ(Read("outline.txt"),
              "Harbour Lights\n\n"
              "Scene #1 - Opening\n"
              "They meet at the quay.\nIt rains.\n"
              "• Resolve:  Change\n"
              "• Main Character Throughline:  not chosen yet\n\n"
              "Scene #2 - Ça finit – Noël\n"
              "Prix: 5 € {cash} / \\ °\n"
              "• Resolve:  Change\n\n"
              "Scene #3 - Storm\n"
              "No description of this scene is written yet.\n"
              "This scene refers to no story point yet.\n");
}

// A scene's position and home class read as what they hold: the place the throughline takes in the
// quad of the classes, and the class.
TEST_F(TextExport, AScenesPositionIsItsPlaceAndItsHomeClassTheClass) {
    FKDoc* story = TitledStory("Tide");
    Scene& scene = AddScene(*story, "Harbour", "");
    StoryFormManager& form = *story->GetStoryFormManager();
    form.SetValueAt(StoryPointIndexForCode("STOrd"), 2);
    form.SetValueAt(StoryPointIndexForCode("STHmCl"), '3');
    scene.AddAppreciation(IncludeableAppreciation(13000, 0));
    scene.AddAppreciation(IncludeableAppreciation(13700, 0));
    RunExport(kCmdExportScenewright, "places.txt");
    const std::string outline = Read("places.txt");
    EXPECT_NE(outline.find("Position:  Place 2\n"), std::string::npos) << outline;
    EXPECT_NE(outline.find("Home Class:  " + std::string(ElementName(3)) + "\n"), std::string::npos)
        << outline;
    EXPECT_EQ(outline.find(ElementName('3')), std::string::npos) << "the digit read as a variation's id";
}

TEST_F(TextExport, AStoryWithoutScenesOrTitleWritesAnOutlineSayingSo) {
    FKDoc* story = TitledStory("");
    RunExport(kCmdExportScenewright, "empty.txt");
    const std::string name = story->GetFileName();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(Asked().at(0), name.substr(0, name.rfind('.')) + " Scenes.txt");
    EXPECT_EQ(Read("empty.txt"), name + "\n\nThis story has no scenes yet.\n");
    // A title of spaces only is none.
    story->GetInfoRecord().SetEntry("Title", kPTextText, "   ");
    RunExport(kCmdExportScenewright, "spaces.txt");
    EXPECT_EQ(Read("spaces.txt"), Read("empty.txt"));
}

TEST_F(TextExport, CancellingWritesNothingAndAFileIsReplacedOnlyOnceTheWriterAgrees) {
    FKDoc* story = TitledStory("Harbour Lights");
    OpenReports(story, {3});
    for (const std::int32_t command : {kCmdExport, kCmdExportScenewright}) {
        Cancel();
        application->HandleCommand(command);
        Run();
    }
    EXPECT_TRUE(Files().empty());

    files.WriteFile("outline.txt", "the old outline\n");
    Choose("outline.txt");
    Answer(IDNO);  // to "Replace existing file"; the chooser comes again
    Cancel();
    Mark();
    application->HandleCommand(kCmdExportScenewright);
    Run();
    ASSERT_EQ(Asked().size(), 3u);
    EXPECT_EQ(Asked()[1], "Replace existing file \"" + Path("outline.txt") + "\" ?");
    EXPECT_EQ(Read("outline.txt"), "the old outline\n");

    Choose("outline.txt");
    Answer(IDYES);
    application->HandleCommand(kCmdExportScenewright);
    Run();
    EXPECT_EQ(Read("outline.txt"), "Harbour Lights\n\nThis story has no scenes yet.\n");
    EXPECT_EQ(Files(), std::vector<std::string>{"outline.txt"});
}

TEST_F(TextExport, AFailedWriteIsToldAndLeavesTheOldFileAsItWas) {
    FKDoc* story = TitledStory("Harbour Lights");
    // Shown before, so that the export only writes.
    OpenReports(story, {3})->BuildReports();
    files.WriteFile("report.txt", "the old report\n");
    // A full disk, and a rename the system refuses.
    const struct {
        win::FileCall call;
        int error;
        const char* message;
    } faults[] = {{win::FileCall::kWrite, ENOSPC, "Out of disk space."},
                  {win::FileCall::kRename, EIO, "Error attempting to write data to the file."}};
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.message);
        Choose("report.txt");
        Answer(IDYES);
        Mark();
        win::ResetFileCalls();
        win::FailFileCall(fault.call, 1, fault.error, true);
        application->HandleCommand(kCmdExport);
        win::ResetFileCalls();
        Run();
        ASSERT_EQ(Asked().size(), 3u);
        const std::string told = Asked()[2];
        EXPECT_EQ(told.rfind("ERROR: ", 0), 0u) << told;
        EXPECT_NE(told.find("\"" + Path("report.txt") + "\""), std::string::npos) << told;
        EXPECT_TRUE(told.ends_with(fault.message)) << told;
        EXPECT_EQ(Read("report.txt"), "the old report\n");
        EXPECT_EQ(Files(), std::vector<std::string>{"report.txt"}) << "no half-written file is left";
    }
}

TEST_F(TextExport, AFolderThatCannotBeWrittenIsToldAndGetsNoFile) {
    TitledStory("Harbour Lights");
    const std::string locked = Path("locked");
    ASSERT_EQ(::mkdir(locked.c_str(), 0555), 0);
    {
        ScopedUnprivileged unprivileged;
        ASSERT_TRUE(unprivileged.Active());
        RunExport(kCmdExportScenewright, "locked/outline.txt");
    }
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].rfind("ERROR: ", 0), 0u) << Asked()[1];
    EXPECT_TRUE(std::filesystem::is_empty(locked));
}

}  // namespace
