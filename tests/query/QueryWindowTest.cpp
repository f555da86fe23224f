// The query window in the running story application (headless): one window per story with its
// fourteen items, opened on the list the story remembers; Start, Prev and Next across rows and
// lists (closing the branches left) or a beep; the list chooser; the keys of the Return setting,
// the tree's folding and the help toggle; the help pane's sections and dimmed buttons; storyform
// changes heard and recounted; and a topic whose page class is none, which shows no page and
// breaks nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "QueryWindowFixture.h"
#include "app/StoryCommands.h"
#include "items/BarGraph.h"
#include "items/GraphBtn.h"
#include "items/PushBtn.h"
#include "platform/gdi/Surface.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"
#include "query/FQSHSplitter.h"
#include "query/FQSHelpPane.h"
#include "query/FQSHelpSources.h"
#include "query/FQSPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/data/QuestionList.h"
#include "storymodel/engine/StoryFormManager.h"
#include "widgets/Popup.h"

namespace querytest {
namespace {

using namespace win;

std::string ControlText(const TItem* item) {
    char buffer[4096] = {};
    SendMessageA(item->GetHWnd(), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::string ItemTitle(const TItem* item) {
    char title[64] = {};
    GetWindowTextA(item->GetHWnd(), title, sizeof title);
    return title;
}

class QueryWindow : public QueryWindowTest {
protected:
    // Keys typed into the window: its tree holds the focus.
    void Press(UINT key, std::initializer_list<UINT> modifiers = {}) {
        SetFocus(window->GetTopicTree()->GetHWnd());
        for (const UINT modifier : modifiers) presenter.KeyDown(modifier);
        presenter.PressKey(key);
        for (const UINT modifier : modifiers) presenter.KeyUp(modifier);
        Run();
    }
    // A click on the row's node in the tree: the tree's hit shows its page.
    void SelectAtRow(std::int32_t row) {
        window->GetTopicTree()->SelectNode(row, true);
        Run();
    }
    std::pair<std::int16_t, std::int32_t> Place() const { return {window->GetCurrentListId(), window->GetCurrentRow()}; }

    FQSWindow* window = nullptr;
};

TEST_F(QueryWindow, TheCommandOpensOneWindowWithItsItemsOnTheRememberedList) {
    FKDoc* story = NewStory();
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetItemList()->Count(), FQSPage::kFirstPageItem) << "the window's own items, no page items";
    EXPECT_NE(dynamic_cast<FQSTreeSelectorView*>(window->GetItem(FQSWindow::kTreeItem)), nullptr);
    auto* chooser = dynamic_cast<Popup*>(window->GetItem(FQSWindow::kListChooserItem));
    ASSERT_NE(chooser, nullptr);
    // The lists the data file holds (0, 1 and 13), with no row for a missing one.
    ASSERT_EQ(chooser->GetItemCount(), 3);
    char name[64];
    const char* names[] = {"Getting Started", "Storyforming", "Plotpilot"};
    for (std::int32_t row = 0; row < 3; ++row) {
        chooser->GetItemText(name, row);
        EXPECT_STREQ(name, names[row]);
    }
    EXPECT_EQ(window->GetChooserListId(2), 13);
    EXPECT_EQ(window->GetChooserListId(3), -1);
    EXPECT_EQ(chooser->GetValue(), 0);
    const char* titles[] = {"Start", "Prev", "Close", "Next"};
    for (std::int32_t i = 0; i < 4; ++i) {
        auto* button = dynamic_cast<PushBtn*>(window->GetItem(FQSWindow::kStartItem + i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(ItemTitle(button), titles[i]);
    }
    EXPECT_NE(dynamic_cast<FQSHelpPane*>(window->GetItem(FQSWindow::kHelpPaneItem)), nullptr);
    auto* helpButtons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    ASSERT_NE(helpButtons, nullptr);
    EXPECT_EQ(helpButtons->ButtonCount(), kHelpSectionCount);
    EXPECT_NE(dynamic_cast<BarGraph*>(window->GetItem(FQSWindow::kTopicBarItem)), nullptr);
    EXPECT_NE(dynamic_cast<ToggleableVSplitter*>(window->GetItem(FQSWindow::kVerticalSplitterItem)), nullptr);
    EXPECT_NE(dynamic_cast<FQSHSplitter*>(window->GetItem(FQSWindow::kHorizontalSplitterItem)), nullptr);

    EXPECT_EQ(window->GetCurrentListId(), kGettingStartedList);
    EXPECT_EQ(window->GetQuestionList().Count(), 6);
    EXPECT_EQ(window->GetCurrentTopic(), 0);
    ASSERT_NE(window->GetPage(), nullptr) << "a page of the plain kind stands for every class";
    EXPECT_EQ(window->GetTopicTree()->NodeAt(4)->GetText(), std::string("MC Resolve"));
    EXPECT_EQ(window->GetTitle().rfind(FQSWindow::kTitle, 0), 0u) << window->GetTitle();

    // A second command brings the same window to the front.
    application->SelectWindow(story->GetFrontEndWindow());
    application->HandleCommand(kCmdQuerySystem);
    Run();
    EXPECT_EQ(story->GetFQSWindow(), window);
    EXPECT_EQ(application->GetFrontWindow(), window);
}

TEST_F(QueryWindow, TheCommandWithoutAStoryDoesNothing) {
    FQSCmd command(application, kCmdQuerySystem, 0);
    EXPECT_EQ(command.Do(), -1);
}

TEST_F(QueryWindow, PrevAndNextWalkTheRowsAndCrossIntoTheNeighbouringLists) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    for (std::int32_t row = 1; row < 6; ++row) {
        Hit(window, FQSWindow::kNextItem);
        EXPECT_EQ(Place(), std::make_pair(kGettingStartedList, row));
        EXPECT_EQ(window->GetTopicTree()->GetSelection().row, row);
    }
    EXPECT_EQ(window->GetCurrentTopic(), 32);
    Hit(window, FQSWindow::kNextItem);
    EXPECT_EQ(Place(), std::make_pair(kStoryformingList, 0)) << "past the last row into list 1";
    Hit(window, FQSWindow::kNextItem);
    Hit(window, FQSWindow::kPrevItem);
    EXPECT_EQ(Place(), std::make_pair(kStoryformingList, 0));
    Hit(window, FQSWindow::kPrevItem);
    EXPECT_EQ(Place(), std::make_pair(kGettingStartedList, 0)) << "before the first row: the list before, row 0";

    const unsigned long bells = GetBellCount();
    Hit(window, FQSWindow::kPrevItem);
    EXPECT_EQ(GetBellCount(), bells + 1) << "no list before list 0";
    EXPECT_EQ(Place(), std::make_pair(kGettingStartedList, 0));
    SelectAtRow(3);
    Hit(window, FQSWindow::kStartItem);
    EXPECT_EQ(Place(), std::make_pair(kGettingStartedList, 0));

    // The last row of list 1: no list 2, a beep.
    window->SelectQuestionList(kStoryformingList, true, 3);
    Run();
    Hit(window, FQSWindow::kNextItem);
    EXPECT_EQ(GetBellCount(), bells + 2);
    EXPECT_EQ(Place(), std::make_pair(kStoryformingList, 3));
}

TEST_F(QueryWindow, StepsCloseTheBranchesTheyLeaveUnlessAutoCloseIsOff) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    FQSTreeSelectorView* tree = window->GetTopicTree();
    Hit(window, FQSWindow::kNextItem);
    Hit(window, FQSWindow::kNextItem);
    EXPECT_TRUE(tree->NodeAt(0)->IsOpen()) << "entering the home branch opened it";
    Hit(window, FQSWindow::kNextItem);
    EXPECT_EQ(window->GetCurrentTopic(), 9);
    EXPECT_FALSE(tree->NodeAt(0)->IsOpen()) << "leaving the home branch closed it";

    PreferencesManager::SetPrefShort(&QueryPreferences(), FQSWindow::kAutoCloseKey, 0);
    Hit(window, FQSWindow::kStartItem);
    Hit(window, FQSWindow::kNextItem);
    Hit(window, FQSWindow::kNextItem);
    Hit(window, FQSWindow::kNextItem);
    EXPECT_TRUE(tree->NodeAt(0)->IsOpen());
}

TEST_F(QueryWindow, TheListChooserOpensAListAtItsRememberedRow) {
    FKDoc* story = NewStory();
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    StoreListPosition(story->GetResponseRecord(), kStoryformingList, 2);
    auto* chooser = dynamic_cast<Popup*>(window->GetItem(FQSWindow::kListChooserItem));
    SelectAtRow(3);
    chooser->SetValue(kStoryformingList, true);
    Hit(window, FQSWindow::kListChooserItem);
    EXPECT_EQ(Place(), std::make_pair(kStoryformingList, 2));
    EXPECT_EQ(ReadListPosition(story->GetResponseRecord(), kGettingStartedList), 3) << "the row left is kept";
    chooser->SetValue(kGettingStartedList, true);
    Hit(window, FQSWindow::kListChooserItem);
    EXPECT_EQ(Place(), std::make_pair(kGettingStartedList, 3));
    // The third row is the third list there is, Plotpilot's 13.
    chooser->SetValue(2, true);
    Hit(window, FQSWindow::kListChooserItem);
    EXPECT_EQ(window->GetCurrentListId(), 13);
    window->SelectQuestionList(kStoryformingList, true, 0);
    EXPECT_EQ(chooser->GetValue(), 1) << "the chooser shows the list opened";
}

TEST_F(QueryWindow, ReturnAdvancesAsTheSettingSaysAndControlAlways) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    Press(VK_RETURN);
    EXPECT_EQ(window->GetCurrentRow(), 0) << "Return alone does not advance while RetAdv is off";
    Press(VK_RETURN, {VK_SHIFT});
    EXPECT_EQ(window->GetCurrentRow(), 1);
    Press(VK_RETURN, {VK_CONTROL});
    EXPECT_EQ(window->GetCurrentRow(), 2);
    application->GetPreferencesManager()->SetReturnAdvances(1);
    Press(VK_RETURN);
    EXPECT_EQ(window->GetCurrentRow(), 3);
    Press(VK_RETURN, {VK_SHIFT});
    EXPECT_EQ(window->GetCurrentRow(), 3);
}

TEST_F(QueryWindow, ControlArrowsFoldTheTreeAndStepBySelectableRow) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    FQSTreeSelectorView* tree = window->GetTopicTree();
    ASSERT_FALSE(tree->NodeAt(0)->IsOpen()) << "a new story's branches start closed";
    Press(VK_RIGHT, {VK_CONTROL});
    EXPECT_TRUE(tree->NodeAt(0)->IsOpen()) << "a closed container opens";
    EXPECT_EQ(window->GetCurrentRow(), 0);
    Press(VK_RIGHT, {VK_CONTROL});
    EXPECT_EQ(window->GetCurrentRow(), 1) << "then the next row is selected and shown";
    Press(VK_LEFT, {VK_CONTROL});
    EXPECT_EQ(window->GetCurrentRow(), 0) << "a leaf goes up to its parent";
    EXPECT_TRUE(tree->NodeAt(0)->IsOpen());
    Press(VK_LEFT, {VK_CONTROL});
    EXPECT_FALSE(tree->NodeAt(0)->IsOpen()) << "an open container closes";
    Press(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ(window->GetCurrentRow(), 3) << "the next selectable row passes over the closed branch";
    EXPECT_FALSE(tree->NodeAt(0)->IsOpen());
    Press(VK_UP, {VK_CONTROL});
    EXPECT_EQ(window->GetCurrentRow(), 0);
}

TEST_F(QueryWindow, ControlHTogglesTheHelpPaneAndKeepsItsPlace) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    auto* splitter = dynamic_cast<ToggleableVSplitter*>(window->GetItem(FQSWindow::kVerticalSplitterItem));
    const std::int16_t open = splitter->GetPosition();
    ASSERT_GT(open, kCollapsedSplit);
    Press('H', {VK_CONTROL});
    EXPECT_EQ(Preference(FQSWindow::kVerticalSplitKey), kCollapsedSplit);
    EXPECT_EQ(Preference(FQSWindow::kOpenSplitKey), open);
    Press('H', {VK_CONTROL});
    EXPECT_EQ(Preference(FQSWindow::kVerticalSplitKey), open);
}

TEST_F(QueryWindow, TheHelpShowsTheSectionsOfButtonsThatAreOnAndDimsEmptyOnes) {
    FKDoc* story = NewStory();
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    // The storytelling text is read whole, so that the section can tell a longer one goes on.
    const std::string told(kResultsTextLimit + 20, 'x');
    story->GetStorytellingRecord().SetEntry("Resolve", 'c', told.c_str());
    EXPECT_EQ(FQSHelpSources(application, story).StorytellingText("Resolve"), told);
    auto* buttons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    auto* pane = dynamic_cast<FQSHelpPane*>(window->GetItem(FQSWindow::kHelpPaneItem));
    ASSERT_TRUE(window->IsHelpShown());
    EXPECT_TRUE(buttons->IsButtonEnabled(kExplainSection));
    EXPECT_FALSE(buttons->IsButtonEnabled(kTheorySection)) << "topic 0 has no theory text";
    EXPECT_NE(ControlText(pane).find("The home window leads"), std::string::npos) << ControlText(pane);

    window->ShowPage(4, 20);
    Run();
    EXPECT_TRUE(buttons->IsButtonEnabled(kTheorySection));
    EXPECT_EQ(ControlText(pane).find("final state"), std::string::npos) << "Theory is off";
    buttons->SetButtonState(kTheorySection, 1);
    Hit(window, FQSWindow::kHelpButtonsItem);
    EXPECT_NE(ControlText(pane).find("Resolve is the Main Character's final state."), std::string::npos);
    EXPECT_EQ(window->GetHelpButtonStates()[kTheorySection], 1);

    window->ShowPage(2, 5);
    Run();
    EXPECT_FALSE(buttons->IsButtonEnabled(kExplainSection)) << "topic 5 has no texts";
    EXPECT_EQ(ControlText(pane), "");
}

// Each of the eight help buttons shows its label: black on the grey face whether the button is on or
// off, dark grey (dimmed, yet readable) when its section has no text.
TEST_F(QueryWindow, EveryHelpButtonReadsAsALabelOnOffOrDimmed) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    window->ShowPage(4, 20);
    Run();
    auto* buttons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    ASSERT_TRUE(window->IsHelpShown());
    UpdateWindow(window->GetHWnd());
    Run();
    // The darkest grey level among the pixels of the button's label, away from its bevel.
    const auto darkest = [&](std::int32_t index) {
        const ShortRect whole = buttons->GetLabelRect(index);
        const ShortRect label = ShortRect::MakeLTRB(whole.left + 2, whole.top + 2, whole.right - 2, whole.bottom - 2);
        POINT origin{label.left, label.top};
        ClientToScreen(window->GetHWnd(), &origin);
        const Surface& screen = GetScreenSurface();
        int level = 255;
        for (int y = 0; y < label.Height(); ++y) {
            for (int x = 0; x < label.Width(); ++x) {
                const COLORREF pixel = screen.GetPixel(origin.x + x, origin.y + y);
                level = std::min(level, (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3);
            }
        }
        return level;
    };
    std::array<int, 3> seen{};  // on, off, dimmed
    for (std::int32_t i = 0; i < kHelpSectionCount; ++i) {
        SCOPED_TRACE("help button " + std::to_string(i));
        const int level = darkest(i);
        if (!buttons->IsButtonEnabled(i)) {
            ++seen[2];
            EXPECT_LE(level, 0xC0 - 48) << "a dimmed label still stands out from the face";
            EXPECT_GE(level, 0x60) << "and reads as dimmed";
        } else {
            ++seen[buttons->GetButtonState(i) != 0 ? 0 : 1];
            EXPECT_LE(level, 0x40) << "a black label";
        }
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
}

TEST_F(QueryWindow, AResizeLaysTheItemsOutAgainWithinTheSmallestSize) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    const auto expectLaidOut = [this] {
        ShortRect content;
        window->GetContentRect(content);
        const FQSWindowLayout& layout = window->GetLayout();
        EXPECT_EQ(layout.page.right, content.right - 6);
        EXPECT_EQ(layout.status.bottom, content.bottom - 6);
        // The tree's frame lies within its bounds.
        EXPECT_EQ(window->GetTopicTree()->Bounds().bottom + 2, layout.tree.bottom);
        EXPECT_EQ(window->GetTopicTree()->Bounds().right + 2, layout.tree.right);
        EXPECT_EQ(dynamic_cast<TItem*>(window->GetItem(FQSWindow::kNextItem))->Bounds(), layout.next);
        EXPECT_EQ(dynamic_cast<TItem*>(window->GetItem(FQSWindow::kStoryformingBarItem))->Bounds(), layout.bars[0]);
        return layout.page.right;
    };
    window->MoveTo(ShortRect::MakeLTRB(10, 10, 900, 650));
    Run();
    const std::int16_t wide = expectLaidOut();
    window->MoveTo(ShortRect::MakeLTRB(10, 10, 700, 500));
    Run();
    EXPECT_LT(expectLaidOut(), wide);
    EXPECT_EQ(window->GetMinTrackSize(), (ShortPoint{FQSWindow::kMinWidth, FQSWindow::kMinHeight}));
}

TEST_F(QueryWindow, ThePageRecordGivesTheStoryPointTheHelpPageAndTheHelpLine) {
    window = OpenQuery(NewStory());
    ASSERT_NE(window, nullptr);
    auto* buttons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    auto* pane = dynamic_cast<FQSHelpPane*>(window->GetItem(FQSWindow::kHelpPaneItem));
    EXPECT_EQ(window->GetPage()->GetStoryPointId(), 0) << "topic 0 names none";
    EXPECT_FALSE(buttons->IsButtonEnabled(kPageHelpSection));

    window->ShowPage(4, 20);
    Run();
    ASSERT_NE(window->GetPage(), nullptr);
    EXPECT_EQ(window->GetPage()->GetStoryPointId(), 1000);

    window->ShowPage(3, 9);
    Run();
    EXPECT_EQ(window->GetPage()->GetHelpLine(), 0);
    EXPECT_FALSE(window->IsHelpShown()) << "a page without help line hides the pane";

    ASSERT_TRUE(window->SelectQuestionList(kStoryformingList, true, 0));
    Run();
    EXPECT_EQ(window->GetCurrentTopic(), 6);
    EXPECT_EQ(window->GetPage()->GetHelpPage(), 3);
    EXPECT_TRUE(buttons->IsButtonEnabled(kPageHelpSection));
    buttons->SetButtonState(kPageHelpSection, 1);
    Hit(window, FQSWindow::kHelpButtonsItem);
    EXPECT_TRUE(window->IsHelpShown());
    EXPECT_NE(ControlText(pane).find("How the storyforming questions work."), std::string::npos) << ControlText(pane);
}

TEST_F(QueryWindow, AStoryformChangeElsewhereIsRecountedAndShownInTheTree) {
    FKDoc* story = NewStory();
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(story->GetStoryformCount(), StoryFormManager::kAllStoryforms);
    auto* bar = dynamic_cast<BarGraph*>(window->GetItem(FQSWindow::kStoryformingBarItem));
    EXPECT_EQ(bar->GetPercent(), 0);
    EXPECT_EQ(window->GetTopicTree()->NodeAt(4)->GetStatus(), kQuestionOpen);

    story->GetStoryFormManager()->SetChoice(1000, 1001);  // Resolve: Change, from another window
    Run();
    EXPECT_EQ(story->GetStoryformCount(), StoryFormManager::kAllStoryforms / 2);
    EXPECT_EQ(bar->GetPercent(), 6) << "one bit of fifteen";
    EXPECT_EQ(window->GetTopicTree()->NodeAt(4)->GetStatus(), kQuestionAnswered) << "MC Resolve is answered";
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(20, 0), kQuestionAnswered);
    EXPECT_EQ(window->GetTopicTree()->NodeAt(0)->GetStatus(), kQuestionNoStatus) << "an information page";
}

TEST_F(QueryWindow, PlotpilotOpensItsListAndLeavesTheRememberedListAlone) {
    FKDoc* story = NewStory();
    RememberListToOpen(story->GetResponseRecord(), kStoryformingList);
    window = OpenQuery(story, kCmdPlotpilot);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCurrentListId(), kPlotpilotList);
    EXPECT_EQ(window->GetCurrentTopic(), 9);
    delete window;
    EXPECT_EQ(ListToOpen(0, story->GetResponseRecord()), kStoryformingList);
    window = OpenQuery(story);
    EXPECT_EQ(window->GetCurrentListId(), kStoryformingList);
}

// A list whose second topic's page class is none of the page factory's.
class QueryWindowWithoutPage : public QueryWindow {
protected:
    void AddContent(PFMFile* store) override {
        AddList(store, 0, "Odd", "0,0,1,0,5,1,");
        AddPage(store, 0);
        AddPage(store, 5, 7);
        AddText(store, FourCCOf("FQQE"), 5, "Help of a page that is not there.");
    }
};

TEST_F(QueryWindowWithoutPage, ATopicWithoutPageShowsNoneAndBreaksNothing) {
    FKDoc* story = NewStory();
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    Hit(window, FQSWindow::kNextItem);
    EXPECT_EQ(window->GetCurrentTopic(), 5);
    EXPECT_EQ(window->GetPage(), nullptr);
    EXPECT_FALSE(window->IsHelpShown());
    Hit(window, FQSPage::kFirstPageItem);
    Hit(window, FQSWindow::kHelpButtonsItem);
    window->MarkChanged();
    EXPECT_TRUE(story->IsDirty());
    window->UpdateElementHelp();
    window->DiscardPageAnswers();
    Press('X');
    Press(VK_RETURN, {VK_CONTROL});
    window->RefreshPage();
    Run();
    EXPECT_EQ(window->GetItemList()->Count(), FQSPage::kFirstPageItem);
    Hit(window, FQSWindow::kPrevItem);
    EXPECT_NE(window->GetPage(), nullptr);
}

}  // namespace
}  // namespace querytest
