// The query window over the program's own content in the running story application (headless),
// drawn and compared with reference pictures in data/ (made with FABLECORE_WRITE_REFERENCE=1 and
// checked by eye): the home page (and its help, kept when it is shown again on a road); a page of each class the Xvfb walk does not show (a character's
// page, a general choice, the scene list and a scene's page); the recap of the {NSubj} Story; and
// the help of an illustration with its theory and usage shown.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "QueryContentFixture.h"
#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "app/StoryCommandIds.h"
#include "items/GraphBtn.h"
#include "items/ItemClasses.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"
#include "query/FQSHelpText.h"
#include "query/FQSHomePage.h"
#include "query/FQSProgressButton.h"
#include "query/FQSRadioPages.h"
#include "query/FQSSceneListPage.h"
#include "query/FQSScenePage.h"
#include "query/FQSTextWrapPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/QueryTools.h"
#include "query/data/TopicTable.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "widgets/HMPClient.h"
#include "widgets/WidgetClasses.h"

namespace querytest {
namespace {

using namespace win;

// The window's part of the screen, its frame included.
std::unique_ptr<Surface> WindowPicture(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    const Surface& screen = GetScreenSurface();
    auto part = std::make_unique<Surface>(area.right - area.left, area.bottom - area.top);
    for (int y = 0; y < part->Height(); ++y) {
        for (int x = 0; x < part->Width(); ++x) part->SetPixel(x, y, screen.GetPixel(area.left + x, area.top + y));
    }
    return part;
}

class QueryPictures : public QueryContentFixture {
protected:
    void SetUp() override {
        QueryContentFixture::SetUp();
        story = NewStory();
        CharacterManager& characters = *story->GetCharacterManager();
        characters.CreateCharacter("Dorothy", 0, 1, 0, 0, false);
        characters.CreateCharacter("The Wizard", 0, 1, 0, 0, false);
        SceneManager& scenes = *story->GetSceneManager();
        Scene* cyclone = scenes.SceneAt(scenes.InsertScene(-1));
        cyclone->SetTitle("The cyclone");
        cyclone->SetDescription("A cyclone lifts the farmhouse off the Kansas prairie with Dorothy and Toto "
                                "inside, and carries it far away.");
        application->SelectWindow(story->GetFrontEndWindow());
        ASSERT_EQ(application->HandleCommand(kCmdQuerySystem), kNoErr);
        Run();
        window = dynamic_cast<FQSWindow*>(story->GetFQSWindow());
        ASSERT_NE(window, nullptr);
        // Room for the home page's roads and the help pane below every page.
        window->MoveTo(ShortRect::MakeLTRB(0, 0, 760, 540));
        Run();
    }

    // The list opened on the first row of the topic (for the character or scene when one is given).
    // The text the help pane shows.
    std::string HelpShown() {
        char buffer[4096] = {};
        SendMessageA(dynamic_cast<TItem*>(window->GetItem(FQSWindow::kHelpPaneItem))->GetHWnd(), WM_GETTEXT,
                     sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    void ShowTopic(std::int16_t listId, std::int16_t topic, std::int32_t context = -1) {
        ASSERT_TRUE(window->SelectQuestionList(listId, false, 0));
        Run();
        const FQSPageDataList& list = window->GetQuestionList();
        for (std::int32_t row = 0; row < list.Count(); ++row) {
            const FQSPageData* entry = list.At(row);
            if (entry->GetTopic() != topic) continue;
            if (context >= 0 && entry->GetCharacter() != context && entry->GetScene() != context) continue;
            // A click on the row's node: the tree opens the branches above it and shows its page.
            window->GetTopicTree()->SelectNode(row, true);
            Run();
            ASSERT_EQ(window->GetCurrentTopic(), topic);
            return;
        }
        FAIL() << "list " << listId << " has no row of topic " << topic;
    }
    void Compare(const char* name) {
        Run();
        gditest::ExpectMatchesReference(*WindowPicture(window->GetHWnd()),
                                        std::filesystem::path(QUERY_TEST_DATA) / name);
    }
};

TEST_F(QueryPictures, TheHomePage) {
    ShowTopic(0, kHomeTopic);
    auto* home = dynamic_cast<FQSHomePage*>(window->GetPage());
    ASSERT_NE(home, nullptr);
    Compare("query-home.png");
    // Each road's name shows on its button: its label stands out from the button's face.
    FQSProgressButton* roads = home->GetProgressButton();
    ASSERT_EQ(roads->ButtonCount(), 9);
    for (std::int32_t entry = 0; entry < roads->ButtonCount(); ++entry) {
        const ShortRect label = roads->GetLabelRect(entry);
        POINT origin{label.left, label.top};
        ClientToScreen(window->GetHWnd(), &origin);
        // Inside the bevels (two pixels wide) that frame the button.
        constexpr int kInside = 4;
        std::set<COLORREF> colours;
        for (int y = 0; y < label.Height() - kInside; ++y) {
            for (int x = kInside; x < label.Width() - kInside; ++x)
                colours.insert(GetScreenSurface().GetPixel(origin.x + x, origin.y + y));
        }
        EXPECT_GE(colours.size(), 2u) << "road " << entry;
    }
}

TEST_F(QueryPictures, TheHomePageShownAgainOnARoadKeepsItsHelp) {
    ShowTopic(0, kHomeTopic);
    const std::string help = HelpShown();
    ASSERT_NE(help.find("EXPLANATION"), std::string::npos) << help;
    // The road's list starts with the home page again, which builds its items anew.
    ASSERT_TRUE(window->SelectQuestionList(2, false, 0));
    Run();
    ASSERT_NE(dynamic_cast<FQSHomePage*>(window->GetPage()), nullptr);
    EXPECT_EQ(HelpShown(), help);
}

TEST_F(QueryPictures, ACharactersPage) {
    ShowTopic(5, 123, story->GetCharacterManager()->IdAt(0));
    ASSERT_NE(window->GetPage(), nullptr);
    EXPECT_EQ(window->GetPage()->GetPopupCount(), 1);
    Compare("query-character.png");
}

TEST_F(QueryPictures, AGeneralChoice) {
    ShowTopic(0, kFirstStoryChoiceTopic);
    EXPECT_NE(dynamic_cast<FQSGeneralRadioPage*>(window->GetPage()), nullptr);
    Compare("query-general-choice.png");
}

TEST_F(QueryPictures, TheSceneListAndAScenesPage) {
    ShowTopic(9, 141);
    EXPECT_NE(dynamic_cast<FQSSceneListPage*>(window->GetPage()), nullptr);
    Compare("query-scene-list.png");
    ShowTopic(9, 142, story->GetSceneManager()->SceneAt(0)->GetID());
    auto* scene = dynamic_cast<FQSScenePage*>(window->GetPage());
    ASSERT_NE(scene, nullptr);
    // The scene represents the Driver, ticked in its menu.
    const FQSPageDataList* nodes = scene->GetNodeTree();
    ASSERT_NE(nodes, nullptr);
    HMPItemList on;
    HMPItemList off;
    for (std::int32_t row = 0; row < nodes->Count(); ++row) {
        if (nodes->GetAppreciationID(row) == 1040) on.AddHandle(row);
    }
    ASSERT_EQ(on.Count(), 1);
    scene->ApplyChanges(on, off);
    Compare("query-scene.png");
}

TEST_F(QueryPictures, TheRecapOfTheSubjectiveStory) {
    // The {NSubj} Story's {NDoma} chosen: the first class.
    story->GetStoryFormManager()->SetChoice(StoryPointAt(ThroughlineStoryPointIndex(3, kDomainOffset))->id, 1);
    ShowTopic(4, 9);
    EXPECT_NE(dynamic_cast<FQSTextWrapPage*>(window->GetPage()), nullptr);
    Compare("query-subjective-recap.png");
}

TEST_F(QueryPictures, TheHelpOfAnIllustrationWithItsTheoryAndUsage) {
    ShowTopic(9, 110);
    auto* buttons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    ASSERT_NE(buttons, nullptr);
    ASSERT_TRUE(window->IsHelpShown());
    for (const std::int32_t section : {kTheorySection, kUsageSection}) {
        ASSERT_TRUE(buttons->IsButtonEnabled(section)) << "section " << section;
        buttons->SetButtonState(section, 1);
    }
    window->HandleItemHit(FQSWindow::kHelpButtonsItem);
    EXPECT_EQ(window->GetHelpButtonStates()[kUsageSection], 1);
    Compare("query-help.png");
}

}  // namespace
}  // namespace querytest
