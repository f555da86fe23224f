// What the query window keeps: in the story (saved with it), the list it opens on, the row of each
// list and the branches left open; in the query system's preferences (kept across a restart), the
// window's place, the splitters and the help buttons. Walking alone does not mark the story
// changed.

#include <gtest/gtest.h>

#include "QueryWindowFixture.h"
#include "items/GraphBtn.h"
#include "query/FQSHSplitter.h"
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

}  // namespace
}  // namespace querytest
