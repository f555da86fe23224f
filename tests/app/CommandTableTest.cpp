// The story application's command table: which ids are enabled for each front window and
// selection, which command the factory makes for each id, which windows it closes first or brings to
// the front, and what the application's own commands do.

#include <gmock/gmock.h>

#include <algorithm>
#include <map>
#include <set>

#include "CommandFixture.h"
#include "app/CompileCmd.h"
#include "app/DelCharCmd.h"
#include "app/PreferencesManager.h"
#include "app/StoryCommands.h"
#include "app/StoryGenre.h"
#include "framework/AppEnvironment.h"
#include "framework/QRVClipBoard.h"
#include "framework/StandardCommands.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// Every id the story application answers for.
std::vector<std::int32_t> StoryIds() {
    std::vector<std::int32_t> ids;
    for (std::int32_t id = kFirstStoryCommand; id <= kLastStoryCommand; ++id) ids.push_back(id);
    return ids;
}

class CommandTable : public CommandTest {
protected:
    // The ids among the story application's (and Paste) that are enabled now.
    std::set<std::int32_t> Enabled() {
        std::set<std::int32_t> enabled;
        for (std::int32_t id : StoryIds())
            if (application->CommandEnabled(id)) enabled.insert(id);
        if (application->CommandEnabled(kCmdPaste)) enabled.insert(kCmdPaste);
        return enabled;
    }
    // A bitmap (or, with text set, only text) on the system clipboard.
    void PutOnClipboard(bool bitmap) {
        QRVClipBoard text(win::CF_TEXT);
        ASSERT_EQ(text.PutData("words", 6), kNoErr);
        if (bitmap) {
            const ShortPoint size{8, 8};
            QRVClipBoard pictures(win::CF_BITMAP);
            ASSERT_EQ(pictures.PutBitmap(QRVBitmap(&size)), kNoErr);
        }
    }
};

// The ids that need nothing but a story in front.
const std::set<std::int32_t> kStoryIds = {1280, 1281, 1282, 1284, 1285, 1287, 1288, 1292,
                                          1293, 1294, 1295, 1296, 1297, 1298, 1300, 1303,
                                          1307, 1308, 1312, 1313, 1314, 1315, 1316};
// The ids enabled whatever is in front (and while no about box or splash screen shows, About).
const std::set<std::int32_t> kAlwaysIds = {1279, 1286, 1301, 1302, 1304, 1306};

std::set<std::int32_t> Join(const std::set<std::int32_t>& a, const std::set<std::int32_t>& b) {
    std::set<std::int32_t> joined = a;
    joined.insert(b.begin(), b.end());
    return joined;
}

TEST_F(CommandTable, WithoutAStoryOnlyTheProgramsOwnCommandsAreEnabled) {
    EXPECT_EQ(Enabled(), kAlwaysIds);
    // The framework's own commands answer by their own tests.
    EXPECT_TRUE(application->CommandEnabled(kCmdNew));
    EXPECT_TRUE(application->CommandEnabled(kCmdQuit));
    EXPECT_FALSE(application->CommandEnabled(kCmdClose));
    EXPECT_FALSE(application->CommandEnabled(kCmdPrintPreview));
}

TEST_F(CommandTable, WithAStoryInFrontItsCommandsAreEnabledButNotThoseOfASelection) {
    NewStory();
    EXPECT_EQ(Enabled(), Join(kAlwaysIds, kStoryIds));
}

TEST_F(CommandTable, ASelectedCharacterEnablesTheCharacterCommandsByItsWindow) {
    FKDoc* story = NewStory();
    const std::set<std::int32_t> base = Join(kAlwaysIds, kStoryIds);
    // The character list and Build Characters allow all four; casting all but Delete. Build
    // Characters keeps a font of its own (Set Font).
    const struct {
        ToolWindow::Slot window;
        TestCastView::Slot view;
        ClassId classId;
        std::set<std::int32_t> byWindow;
        std::set<std::int32_t> bySelection;
    } rows[] = {
        {&FKDoc::SetCLWindow, &FKDoc::SetCharListCastView, kCLWindowClassId, {}, {1289, 1290, 1291, 1317}},
        {&FKDoc::SetBCWindow, &FKDoc::SetBuildCastView, kBCWindowClassId, {1311}, {1289, 1290, 1291, 1317}},
        {&FKDoc::SetCastingWindow,
         &FKDoc::SetCastingCastView,
         kCastingWindowClassId,
         {},
         {1290, 1291, 1317}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.classId);
        ToolWindow* window = Open(story, row.window, row.classId);
        TestCastView* view = CastView(story, row.view, kNoCharID);
        EXPECT_EQ(Enabled(), Join(base, row.byWindow)) << "nothing selected";
        view->selected = 0;
        EXPECT_EQ(Enabled(), Join(Join(base, row.byWindow), row.bySelection));
        delete window;
        Run();
        EXPECT_EQ(Enabled(), base) << "the window went";
    }
}

TEST_F(CommandTable, ExportNeedsTheReportWindowAndAboutWaitsForTheSplashScreen) {
    FKDoc* story = NewStory();
    ToolWindow* report = Open(story, &FKDoc::SetRepWindow);
    EXPECT_TRUE(application->CommandEnabled(kCmdExport));
    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_TRUE(application->CommandEnabled(kCmdExport)) << "open, though not in front";
    delete report;
    EXPECT_FALSE(application->CommandEnabled(kCmdExport));

    EXPECT_TRUE(application->CommandEnabled(kCmdStoryAbout));
    App().ShowSplashScreen();
    EXPECT_TRUE(SplashAppearance::Exists());
    EXPECT_FALSE(application->CommandEnabled(kCmdStoryAbout));
    Run();  // the splash screen goes
    EXPECT_TRUE(application->CommandEnabled(kCmdStoryAbout));
}

TEST_F(CommandTable, TheExportsRunTheirToolsAndExportOnlyWhileTheReportWindowIsOpen) {
    FKDoc* story = NewStory();
    const Opened& reports = Install(StoryTool::kExport);
    const Opened& scenes = Install(StoryTool::kExportScenewright);
    EXPECT_EQ(App().CreateCommand(kCmdExport), nullptr) << "no report window";
    application->HandleCommand(kCmdExportScenewright);
    EXPECT_EQ(scenes.count, 1);
    EXPECT_EQ(scenes.story, story);

    ToolWindow* report = Open(story, &FKDoc::SetRepWindow);
    std::unique_ptr<TCommand> export_ = App().CreateCommand(kCmdExport);
    ASSERT_NE(export_, nullptr);
    EXPECT_TRUE(export_->IsA(kCmdExport));
    delete report;
    EXPECT_EQ(export_->Do(), kNoErr);
    EXPECT_EQ(reports.count, 0) << "the window went before the command ran";
    Open(story, &FKDoc::SetRepWindow);
    Mark();
    application->HandleCommand(kCmdExport);
    EXPECT_EQ(reports.count, 1);
    EXPECT_EQ(reports.story, story);
    EXPECT_TRUE(Asked().empty()) << "no word of a command not implemented";
}

TEST_F(CommandTable, SetFontFollowsTheWindowsThatKeepAFont) {
    ToolWindow* dictionary = Open(nullptr, nullptr);
    EXPECT_FALSE(application->CommandEnabled(kCmdSetFont));
    App().GetStoryTools().SetDictionaryTest(
        [dictionary](const TWindow& window) { return &window == dictionary; });
    EXPECT_TRUE(application->CommandEnabled(kCmdSetFont)) << "the dictionary, without a story";
    ASSERT_EQ(App().CreateCommand(kCmdSetFont), nullptr);
    EXPECT_EQ(dictionary->fontChoices, 1);
    // The stand-ins go with their windows, as the program's own ask the live windows: a window made
    // later at the same address is no dictionary.
    App().GetStoryTools().SetDictionaryTest({});
    delete dictionary;

    FKDoc* story = NewStory();
    EXPECT_FALSE(application->CommandEnabled(kCmdSetFont)) << "the front end keeps no font";
    App().CreateCommand(kCmdSetFont);
    const ToolWindow::Slot fontWindows[] = {&FKDoc::SetFQSWindow,     &FKDoc::SetRepWindow,
                                            &FKDoc::SetExploreWindow, &FKDoc::SetCommentWindow,
                                            &FKDoc::SetBCWindow,      &FKDoc::SetSPWindow};
    for (ToolWindow::Slot slot : fontWindows) {
        ToolWindow* window = Open(story, slot);
        EXPECT_TRUE(application->CommandEnabled(kCmdSetFont));
        App().CreateCommand(kCmdSetFont);
        EXPECT_EQ(window->fontChoices, 1);
        delete window;
    }
    ToolWindow* plot = Open(story, &FKDoc::SetPlotViewWindow);
    EXPECT_FALSE(application->CommandEnabled(kCmdSetFont)) << "the plot progression keeps none";
    App().CreateCommand(kCmdSetFont);
    EXPECT_EQ(plot->fontChoices, 0);
    ToolWindow* browser = Open(nullptr, nullptr);
    App().GetStoryTools().SetBrowserFinder([browser] { return browser; });
    EXPECT_TRUE(application->CommandEnabled(kCmdSetFont));
    App().GetStoryTools().SetBrowserFinder({});
    delete browser;
    delete plot;
}

TEST_F(CommandTable, PasteInACastListWantsASelectedCharacterAndABitmap) {
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "no story";
    FKDoc* story = NewStory();
    ToolWindow* list = Open(story, &FKDoc::SetCLWindow, kCLWindowClassId);
    TestCastView* view = CastView(story, &FKDoc::SetCharListCastView, kNoCharID);
    PutOnClipboard(true);
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "no character selected";
    view->selected = 0;
    EXPECT_TRUE(application->CommandEnabled(kCmdPaste));
    std::unique_ptr<TCommand> paste = App().CreateCommand(kCmdPaste);
    EXPECT_EQ(view->picturesPasted, 1);
    EXPECT_NE(dynamic_cast<EditPaste*>(paste.get()), nullptr) << "the ordinary paste follows";

    PutOnClipboard(false);
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "text is no picture";
    paste = App().CreateCommand(kCmdPaste);
    EXPECT_EQ(view->picturesPasted, 1);
    EXPECT_NE(dynamic_cast<EditPaste*>(paste.get()), nullptr);
    delete list;

    // In Build Characters the paste is the window's own (its focused item's), whatever is selected.
    ToolWindow* build = Open(story, &FKDoc::SetBCWindow, kBCWindowClassId);
    TestCastView* buildView = CastView(story, &FKDoc::SetBuildCastView, 0);
    PutOnClipboard(true);
    EXPECT_EQ(application->CommandEnabled(kCmdPaste), application->PasteEnabled());
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "a window without items pastes nothing";
    App().CreateCommand(kCmdPaste);
    EXPECT_EQ(buildView->picturesPasted, 0);
    delete build;
}

// What the factory makes for each id, with and without a story in front: the command's class (by
// its id), or nothing.
TEST_F(CommandTable, TheFactoryMakesEachCommandOnlyWhenItsTestPasses) {
    // Ids with a command without a story: the program's own, and those whose commands test again.
    const std::set<std::int32_t> withoutStory = {1279, 1285, 1302, 1303, 1304, 1314, 1316, 1317};
    // Ids that act at once or make nothing.
    const std::set<std::int32_t> never = {1283, 1299, 1301, 1305, 1306, 1309, 1310, 1311, 1312, 1318, 1319};
    // Commands with no id of their own.
    const std::set<std::int32_t> anonymous = {1288, 1290, 1316};
    const auto check = [&](bool story) {
        for (std::int32_t id : StoryIds()) {
            SCOPED_TRACE(id);
            std::unique_ptr<TCommand> command = App().CreateCommand(id);
            const bool made = story ? !never.contains(id) && id != 1289 && id != 1290 && id != 1291
                                    : withoutStory.contains(id);
            ASSERT_EQ(command != nullptr, made);
            if (!command) continue;
            EXPECT_TRUE(command->IsA(TCommand::kClassId));
            EXPECT_EQ(command->IsA(id), !anonymous.contains(id));
        }
    };
    check(false);
    // Help Topics and the id without a command say so; with the guide missing the first is a box.
    EXPECT_EQ(Asked().size(), 2u);
    NewStory();
    Mark();
    check(true);
    EXPECT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked().back(), "Command not yet Implemented in this version.");
}

TEST_F(CommandTable, TheStartPagesAndPagesGoWithTheirCommands) {
    NewStory();
    const std::map<std::int32_t, std::int32_t> arguments = {{1280, 13}, {1281, 0}, {1303, 1},
                                                            {1314, 2},  {1308, 1}, {1315, 2}};
    for (const auto& [id, argument] : arguments) {
        auto command = App().CreateCommand(id);
        auto* tool = dynamic_cast<StoryToolCmd*>(command.get());
        ASSERT_NE(tool, nullptr) << id;
        EXPECT_EQ(tool->GetArgument(), argument) << id;
    }
}

TEST_F(CommandTable, AStoryWindowCommandClosesItsRivalsAfterwardsOrBringsItsWindowToTheFront) {
    FKDoc* story = NewStory();
    Open(story, &FKDoc::SetCLWindow, TWindow::kClassId, "characters");
    Open(story, &FKDoc::SetFQSWindow, TWindow::kClassId, "query");
    Open(story, &FKDoc::SetRepWindow, TWindow::kClassId, "report");
    Open(story, &FKDoc::SetBrainsWindow, TWindow::kClassId, "brainstorming");
    Open(story, &FKDoc::SetPlotViewWindow, TWindow::kClassId, "plot");
    TWindow* queryWindow = story->GetFQSWindow();
    int refreshed = 0;
    App().GetStoryTools().SetQueryPageRefresher([&](TWindow& window) {
        EXPECT_EQ(&window, queryWindow);
        ++refreshed;
    });
    std::unique_ptr<TCommand> points = App().CreateCommand(kCmdStoryPoints);
    ASSERT_NE(points, nullptr);
    EXPECT_TRUE(closed.empty()) << "the rivals close when the first queue is drained";
    EXPECT_EQ(refreshed, 1) << "the query window keeps its page first";
    application->DrainQueue(kFirstQueue);
    EXPECT_THAT(closed, UnorderedElementsAre("characters", "query", "report", "brainstorming"));
    EXPECT_NE(story->GetPlotViewWindow(), nullptr);

    ToolWindow* pointsWindow = Open(story, &FKDoc::SetSPWindow, TWindow::kClassId, "points");
    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_EQ(App().CreateCommand(kCmdStoryPoints), nullptr);
    Run();
    EXPECT_EQ(application->GetFrontWindow(), pointsWindow) << "brought to the front";

    // Plotpilot and Query System share one query window, whatever page it shows.
    ToolWindow* query = Open(story, &FKDoc::SetFQSWindow, TWindow::kClassId, "query again");
    for (std::int32_t id : {kCmdPlotpilot, kCmdQuerySystem}) {
        application->SelectWindow(story->GetFrontEndWindow());
        Run();
        EXPECT_EQ(App().CreateCommand(id), nullptr);
        Run();
        EXPECT_EQ(application->GetFrontWindow(), query);
    }
    EXPECT_THAT(closed, ::testing::Contains("points")) << "the query commands close the story points";
}

TEST_F(CommandTable, TheGroupClosersCloseTheirWindowsOfTheFrontStory) {
    const struct {
        void (FablCmds::*closer)();
        std::vector<std::string> expected;
    } rows[] = {{&FablCmds::CloseStoryViews, {"report", "points", "brainstorming"}},
                {&FablCmds::CloseStoryViewsAndPlot, {"report", "points", "brainstorming", "plot"}},
                {&FablCmds::CloseQueryAndPlot, {"query", "plot"}}};
    FKDoc* story = NewStory();
    for (const auto& row : rows) {
        closed.clear();
        Open(story, &FKDoc::SetFQSWindow, TWindow::kClassId, "query");
        Open(story, &FKDoc::SetRepWindow, TWindow::kClassId, "report");
        Open(story, &FKDoc::SetSPWindow, TWindow::kClassId, "points");
        Open(story, &FKDoc::SetBrainsWindow, TWindow::kClassId, "brainstorming");
        Open(story, &FKDoc::SetPlotViewWindow, TWindow::kClassId, "plot");
        Open(story, &FKDoc::SetCLWindow, TWindow::kClassId, "characters");
        (App().*row.closer)();
        application->DrainQueue(kFirstQueue);
        EXPECT_EQ(closed, row.expected);
        story->CloseOtherWindows(true);
    }
}

TEST_F(CommandTable, AWindowNotInThisVersionSaysSoAndAnInstalledOneOpensForTheFrontStory) {
    FKDoc* story = NewStory();
    Mark();
    ASSERT_EQ(application->HandleCommand(kCmdCharacterList), kNoErr);
    EXPECT_THAT(Asked(), ElementsAre("Command not yet Implemented in this version."));
    const Opened& list = Install(StoryTool::kCharacterList);
    Mark();
    application->HandleCommand(kCmdCharacterList);
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(list.count, 1);
    EXPECT_EQ(list.story, story);

    // The dictionary is the program's own: it opens without a story.
    const Opened& dictionary = Install(StoryTool::kDictionary);
    story->SetClean();
    application->CloseAll(true);
    application->HandleCommand(kCmdDictionary);
    EXPECT_EQ(dictionary.count, 1);
    EXPECT_EQ(dictionary.story, nullptr);
}

TEST_F(CommandTable, TheQueryCommandsAskThePronounQuestionFirstOnlyWhenTheyCanOpen) {
    NewStory();
    PreferencesManager& preferences = *application->GetPreferencesManager();
    ASSERT_FALSE(preferences.HasPronounGender());
    Mark();
    application->HandleCommand(kCmdQuerySystem);
    EXPECT_THAT(Asked(), ElementsAre("Command not yet Implemented in this version."));
    EXPECT_FALSE(preferences.HasPronounGender()) << "no question before a window that is not there";

    const Opened& query = Install(StoryTool::kQuery);
    presenter.SetIdleHandler([&] {
        presenter.PressKey(win::VK_RETURN);
        return true;
    });
    application->HandleCommand(kCmdPlotpilot);
    presenter.SetIdleHandler(nullptr);
    EXPECT_TRUE(preferences.HasPronounGender());
    EXPECT_EQ(preferences.GetPronounGender(), 1) << "Return answers Female";
    EXPECT_EQ(query.argument, 13);
}

TEST_F(CommandTable, ClearStoryformAnsweredNoChangesNothingAndYesStartsOver) {
    FKDoc* story = NewStory();
    StoryFormManager& storyForm = *story->GetStoryFormManager();
    storyForm.SetChoice(1000, 1001);
    SList values;
    values.Append(100);
    values.Append(120);
    const int problem = StoryPointIndexForCode("MCPbm");
    storyForm.SetMultipleChoices(problem, values);
    SList kept;
    storyForm.GetMultipleChoices(problem, kept);
    ASSERT_EQ(kept.Count(), 2);
    story->SetStoryformCount(12);
    Open(story, &FKDoc::SetRepWindow, TWindow::kClassId, "report");
    Open(story, &FKDoc::SetPlotViewWindow, TWindow::kClassId, "plot");
    story->SetClean();

    Answer(IDNO);
    application->HandleCommand(kCmdClearStoryform);
    EXPECT_EQ(storyForm.GetChoice(1000), 1001);
    EXPECT_EQ(story->GetStoryformCount(), 12);
    EXPECT_TRUE(closed.empty());
    EXPECT_FALSE(story->IsDirty());

    Answer(IDYES);
    application->HandleCommand(kCmdClearStoryform);
    EXPECT_EQ(storyForm.GetChoice(1000), 0);
    SList left;
    storyForm.GetMultipleChoices(problem, left);
    EXPECT_EQ(left.Count(), 0);
    EXPECT_EQ(story->GetStoryformCount(), 32768);
    EXPECT_THAT(closed, ElementsAre("report")) << "closed before the change; the plot stays";
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(CommandTable, ClearStorytellingAsksWithTheStorysTermsAndClearsOnYes) {
    FKDoc* story = NewStory();
    story->GetStorytellingRecord().SetEntry("STDom", 'c', "Trouble at the ford");
    story->GetInfoRecord().SetEntry("Comments", 'c', "Ask Ann about the ford.");
    story->GetInfoRecord().SetNumberByName(kGenreChoiceKey, kPTextShort, 3);
    story->GetInfoRecord().SetEntry("Synopsis", 'c', "A miner finds gold.");
    CharInfoRec* first = story->GetCharacterManager()->RecordAt(0);
    first->SetRole("the ferryman");
    Answer(IDNO);
    application->HandleCommand(kCmdClearStorytelling);
    char text[64] = "";
    EXPECT_GE(story->GetStorytellingRecord().GetEntry("STDom", 'c', text, sizeof text), 0);
    const std::string question = Asked().back();
    EXPECT_EQ(question.find('{'), std::string::npos) << "the terms are expanded: " << question;
    EXPECT_EQ(question.rfind("PROCEED WITH CAUTION.", 0), 0u);
    EXPECT_NE(question.find("Story Info dialog but its synopses"), std::string::npos)
        << "the synopses go, so the question does not promise them kept: " << question;
    EXPECT_NE(question.find("names, roles and descriptions"), std::string::npos)
        << "what the characters keep: " << question;
    EXPECT_NE(question.find("your Comments"), std::string::npos) << question;
    EXPECT_NE(question.find("other answers about the story's information in the query system (the "
                            "synopses go from there too)"),
              std::string::npos)
        << question;
    Answer(IDYES);
    application->HandleCommand(kCmdClearStorytelling);
    EXPECT_LT(story->GetStorytellingRecord().GetEntry("STDom", 'c', text, sizeof text), 0);
    // What the question names as kept is kept.
    EXPECT_GE(story->GetInfoRecord().GetEntry("Comments", 'c', text, sizeof text), 0);
    EXPECT_TRUE(story->GetInfoRecord().HasKey(kGenreChoiceKey));
    EXPECT_FALSE(story->GetInfoRecord().HasKey("Synopsis")) << "the query's synopsis answer goes, as said";
    first->GetRole(text, sizeof text);
    EXPECT_STREQ(text, "the ferryman");
}

TEST_F(CommandTable, DesktopBringsTheFrontStorysFrontEndBack) {
    FKDoc* story = NewStory();
    Open(story, &FKDoc::SetCommentWindow);
    EXPECT_NE(application->GetFrontWindow(), story->GetFrontEndWindow());
    EXPECT_EQ(App().CreateCommand(kCmdDesktop), nullptr);
    Run();
    EXPECT_EQ(application->GetFrontWindow(), story->GetFrontEndWindow());
}

}  // namespace
}  // namespace apptest
