// The query window gives the page and its help their room, over the program's own content: opened
// with no place stored, the home page, a recap and the scene list each show their help below them
// with room for its text; grown wide, the window gives what it gained to the page, not the tree.

#include <gtest/gtest.h>

#include "QueryContentFixture.h"
#include "items/TextWrapView.h"
#include "query/FQSHelpPane.h"
#include "query/FQSTextWrapPage.h"
#include "query/FQSWindowLayout.h"

namespace querytest {
namespace {

constexpr std::int16_t kStoryweavingPlotList = 9;
constexpr std::int16_t kHomeHelpTopic = 0;
constexpr std::int16_t kResolveTopic = 20;
constexpr std::int16_t kStoryformingRecapTopic = 15;
constexpr std::int16_t kSceneListHelpTopic = 141;
// Four lines of help text at the least.
constexpr int kLeastHelpHeight = 60;

class QueryRoom : public QueryContentFixture {
protected:
    // The topic's page shows its help, with room for a few lines of it.
    void ExpectHelpWithRoom(std::int16_t topic) {
        SCOPED_TRACE("topic " + std::to_string(topic));
        ASSERT_NE(ShowTopic(topic), nullptr);
        EXPECT_TRUE(window->HelpFits());
        EXPECT_TRUE(window->IsHelpShown());
        const auto* pane = dynamic_cast<FQSHelpPane*>(window->GetItem(FQSWindow::kHelpPaneItem));
        ASSERT_NE(pane, nullptr);
        EXPECT_GE(pane->Bounds().Height(), kLeastHelpHeight);
        EXPECT_LE(pane->Bounds().bottom, window->GetPageArea().bottom);
        EXPECT_GE(pane->Bounds().top, window->GetPage()->GetLayoutCursor()) << "below the page's content";
    }
};

TEST_F(QueryRoom, TheHomePageARecapAndTheSceneListShowTheirHelpAtTheWindowsFirstSize) {
    Open(kWholeStoryformList);
    ExpectHelpWithRoom(kHomeHelpTopic);
    ExpectHelpWithRoom(kStoryformingRecapTopic);
    ASSERT_TRUE(window->SelectQuestionList(kStoryweavingPlotList, false, 0));
    Run();
    ExpectHelpWithRoom(kSceneListHelpTopic);
}

// A page that grows fills the page area down to the help pane's line, and the help keeps its share,
// whatever the page before left of the splitter (a short radio page holds it just below itself).
TEST_F(QueryRoom, APageThatGrowsAfterAShortPageStillSharesTheRoomWithItsHelp) {
    Open(kWholeStoryformList);
    ShowTopic(kResolveTopic);
    auto* recap = dynamic_cast<FQSTextWrapPage*>(ShowTopic(kStoryformingRecapTopic));
    ASSERT_NE(recap, nullptr);
    ASSERT_TRUE(window->IsHelpShown());
    const ShortRect& pane = dynamic_cast<FQSHelpPane*>(window->GetItem(FQSWindow::kHelpPaneItem))->Bounds();
    const ShortRect& view = recap->GetView()->Bounds();
    EXPECT_LE(pane.top - view.bottom, 45) << "the recap grew down to the help";
    EXPECT_GE(view.Height(), pane.Height()) << "the page keeps the larger part";
    EXPECT_GE(pane.Height(), kLeastHelpHeight);
}

// From its least size to the frame's whole width, as when the writer maximises it.
TEST_F(QueryRoom, AWindowGrownWideGivesItsRoomToThePage) {
    Open(kWholeStoryformList);
    window->MoveTo(ShortRect::MakeLTRB(0, 0, FQSWindow::kDefaultPlace.Width(), FQSWindow::kDefaultPlace.Height()));
    Run();
    const std::int16_t column = window->GetLayout().leftColumn;
    const int page = window->GetPageArea().Width();
    window->MoveTo(ShortRect::MakeLTRB(0, 0, 800, 560));
    Run();
    EXPECT_EQ(window->GetLayout().leftColumn, column) << "the tree keeps its width";
    EXPECT_GE(window->GetPageArea().Width(), page + 800 - FQSWindow::kDefaultPlace.Width() - 10);
}

}  // namespace
}  // namespace querytest
