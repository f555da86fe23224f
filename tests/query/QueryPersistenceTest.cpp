// What the query window keeps: in the story (saved with it), the list it opens on, the row of each
// list and the branches left open; in the query system's preferences (kept across a restart), the
// window's place, the splitters and the help buttons. Walking alone does not mark the story
// changed.

#include <gtest/gtest.h>

#include "QueryPagesFixture.h"
#include "QueryWindowFixture.h"
#include "items/GraphBtn.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"
#include "query/FQSHSplitter.h"
#include "query/FQSHelpPane.h"
#include "query/FQSTreeSelectorView.h"
#include "query/data/QuestionList.h"
#include "widgets/Popup.h"

namespace querytest {
namespace {

class QueryPersistence : public QueryWindowTest {
protected:
    void Choose(FQSWindow* window, std::int16_t listId) {
        dynamic_cast<Popup*>(window->GetItem(FQSWindow::kListChooserItem))->SetValue(listId, true);
        Hit(window, FQSWindow::kListChooserItem);
    }
    void SelectAtRow(FQSWindow* window, std::int32_t row) {
        window->GetTopicTree()->SelectNode(row, true);
        Run();
    }
};

TEST_F(QueryPersistence, TheStoryKeepsTheListsRowsAndOpenBranchesItIsSavedWith) {
    FKDoc* story = NewStory();
    apptest::StoryAppTest::Choose("story.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    FQSWindow* window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    SelectAtRow(window, 4);
    window->GetTopicTree()->SetNodeOpen(window->GetTopicTree()->NodeAt(0), false);
    Choose(window, kStoryformingList);
    SelectAtRow(window, 2);
    EXPECT_FALSE(story->IsDirty()) << "walking changes nothing the writer must save";
    // The places are saved with the story, with the window still open.
    story->SetDirty();
    ASSERT_EQ(story->Save(nullptr), kNoErr);
    EXPECT_EQ(ListToOpen(0, story->GetResponseRecord()), kStoryformingList);
    ASSERT_TRUE(application->CloseAll(true));

    story = OpenStory("story.fsf");
    ASSERT_NE(story, nullptr);
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetCurrentListId(), kStoryformingList);
    EXPECT_EQ(window->GetCurrentRow(), 2);
    Choose(window, kGettingStartedList);
    EXPECT_EQ(window->GetCurrentRow(), 4);
    EXPECT_FALSE(window->GetTopicTree()->NodeAt(0)->IsOpen()) << "the branch left closed stays closed";
}

TEST_F(QueryPersistence, ThePreferencesKeepThePlaceSplittersAndHelpButtonsAcrossARestart) {
    FKDoc* story = NewStory();
    FQSWindow* window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    const ShortRect place = ShortRect::MakeLTRB(40, 30, 700, 520);
    window->MoveTo(place);
    Run();
    auto* horizontal = dynamic_cast<FQSHSplitter*>(window->GetItem(FQSWindow::kHorizontalSplitterItem));
    horizontal->SetBounds(ShortRect::MakeLTRB(197, 0, 203, 100), true);
    window->SplitterMoved(horizontal);
    const std::int16_t column = window->GetLayout().leftColumn;
    EXPECT_EQ(column, 200 - 15);
    auto* buttons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    buttons->SetButtonState(kTheorySection, 1);
    Hit(window, FQSWindow::kHelpButtonsItem);
    const ShortRect kept = window->GetRestoredRect();
    story->SetClean();
    Restart();

    story = NewStory();
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetRestoredRect(), kept);
    EXPECT_EQ(window->GetLayout().leftColumn, column);
    EXPECT_EQ(window->GetHelpButtonStates()[kExplainSection], 1);
    EXPECT_EQ(window->GetHelpButtonStates()[kTheorySection], 1);
    EXPECT_EQ(dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem))->GetButtonState(kTheorySection), 1);
}


// The help pane of a page that grows stands where the pages before it left the splitter; the window
// closed there (the program quit with it open) opens again with the pane in the same place, not
// squeezed to the splitter's first position.
class QueryPanePersistence : public QueryPagesTest {
protected:
    static constexpr std::int16_t kPaneList = 15;
    static constexpr std::uint16_t kNotesTopic = 15;
    // A list of the radio page (its content short) and a page of one tall field, which grows.
    void AddContent(PFMFile* store) override {
        AddPagesContent(store);
        AddList(store, kPaneList, "Pane", "0,10,1,0,15,1,");
        WritePage(store, kNotesTopic, 2, {{"QT", "notes"}, {"EV1", "PaneNotes"}}, {{"EN", 1}, {"ES1", 1}, {"EM1", 3}});
    }
    struct Look {
        std::int16_t split = 0;
        ShortRect pane;
        bool shown = false;
    };
    Look LookOf(FQSWindow* shown) {
        Look look;
        look.split = dynamic_cast<TSplitter*>(shown->GetItem(FQSWindow::kVerticalSplitterItem))->GetPosition();
        look.pane = dynamic_cast<FQSHelpPane*>(shown->GetItem(FQSWindow::kHelpPaneItem))->Bounds();
        look.shown = shown->IsHelpShown();
        return look;
    }
    // Control+H, as the writer toggles the help pane.
    void ToggleHelp() {
        win::SetFocus(window->GetTopicTree()->GetHWnd());
        presenter.KeyDown(win::VK_CONTROL);
        presenter.PressKey('H');
        presenter.KeyUp(win::VK_CONTROL);
        Run();
    }
};

TEST_F(QueryPanePersistence, AGrowingPageReopensWithItsHelpPaneWhereItWasLeft) {
    constexpr std::int32_t kRadioRow = 0;
    constexpr std::int32_t kGrowingRow = 1;
    FKDoc* document = NewStory();
    apptest::StoryAppTest::Choose("pane.fsf");
    ASSERT_EQ(document->SaveAs(nullptr), kNoErr);
    story = document;
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->SelectQuestionList(kPaneList, false, 0));
    Run();
    ASSERT_FALSE(ShowRow(kRadioRow)->CanGrow());
    FQSPage* page = ShowRow(kGrowingRow);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->CanGrow());
    const Look left = LookOf(window);
    ASSERT_TRUE(left.shown);
    ASSERT_GT(left.pane.Height(), 60) << "the radio page's short content leaves the pane room";
    document->SetDirty();
    ASSERT_EQ(document->Save(nullptr), kNoErr);
    Restart();

    document = OpenStory("pane.fsf");
    ASSERT_NE(document, nullptr);
    window = OpenQuery(document);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->GetCurrentListId(), kPaneList);
    ASSERT_EQ(window->GetCurrentRow(), kGrowingRow) << "the first page shown is the one left";
    const Look reopened = LookOf(window);
    EXPECT_EQ(reopened.split, left.split);
    EXPECT_EQ(reopened.pane, left.pane);
    EXPECT_TRUE(reopened.shown);

    // A pane the writer collapsed stays collapsed.
    ToggleHelp();
    ASSERT_EQ(Preference(FQSWindow::kVerticalSplitKey), kCollapsedSplit);
    document->SetClean();
    Restart();
    document = OpenStory("pane.fsf");
    ASSERT_NE(document, nullptr);
    window = OpenQuery(document);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Preference(FQSWindow::kVerticalSplitKey), kCollapsedSplit);
    ToggleHelp();
    EXPECT_EQ(LookOf(window).split, left.split) << "and opens again where it was";
}

}  // namespace
}  // namespace querytest
