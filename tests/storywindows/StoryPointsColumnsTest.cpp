// The story points window's columns resized as the writer resizes them, by dragging a column's edge
// in the ruler: a storytelling text wraps again within its narrower column, its row grows, and the
// rows below move down with it, none lying over another; the width is kept for the next time.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "framework/IdleSteps.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/SPWindow.h"
#include "storywindows/StoryPointList.h"
#include "storywindows/StoryPointsTable.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TableColumns.h"

namespace storywindowstest {
namespace {

constexpr int kStorytellingColumn = 2;

class StoryPointsColumns : public StoryWindowsStoryTest {
protected:
    // The first story point of the table, near the window's top.
    int point = 0;
    SPWindow* window = nullptr;

    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        std::string told;
        for (int i = 0; i < 12; ++i) told += "She keeps the lighthouse though no ship comes. ";
        ASSERT_TRUE(WriteStorytelling(*story, point, told));
        window = dynamic_cast<SPWindow*>(Command(kCmdStoryPoints, &FKDoc::GetSPWindow));
        ASSERT_NE(window, nullptr);
        window->MoveTo(ShortRect::MakeLTRB(0, 0, 780, 560));
        Run();
    }
    StoryPointsTable& Table() const { return *window->GetTable(); }
    // The row's place in the window: its first cell's top and bottom.
    std::pair<int, int> RowPlace(std::int32_t row) const {
        ShortRect rect;
        if (!Table().GetRow(row)->GetCell(0)->GetFullViewRect(rect)) return {-1, -1};
        return {rect.top, rect.bottom};
    }
    // The column's right edge dragged in the ruler by dx.
    void DragEdge(int column, int dx) {
        ShortPoint edge;
        ASSERT_TRUE(Table().DocPointToView(LongPoint{Table().GetColumns().GetRightEdge(column), 0}, edge));
        POINT from{edge.x, Table().DataRect().top - StoryPointsTable::kRulerHeight / 2};
        ClientToScreen(Table().GetParentHWnd(), &from);
        IdleSteps idle(presenter);
        idle.Then([&] { presenter.MoveMouse(POINT{from.x + dx / 2, from.y}); });
        idle.Then([&] {
            presenter.MoveMouse(POINT{from.x + dx, from.y});
            presenter.ButtonUp();
        });
        presenter.Advance(800);
        presenter.MoveMouse(from);
        presenter.ButtonDown();
        Run();
    }
};

TEST_F(StoryPointsColumns, ANarrowerStorytellingColumnWrapsItsTextTallerAndTheRowsBelowFollow) {
    const std::int32_t row = Table().RowOfIndex(point);
    ASSERT_GE(row, 0);
    ASSERT_LT(row + 3, Table().GetRowCount());
    ASSERT_GE(RowPlace(row + 3).first, 0) << "in view";
    const std::int16_t width = window->GetWidths()[kStorytellingColumn];
    const auto [top, bottom] = RowPlace(row);
    DragEdge(kStorytellingColumn, -width / 2);
    Run();
    EXPECT_LT(window->GetWidths()[kStorytellingColumn], width - width / 4) << "the drag narrowed the column";
    const auto [newTop, newBottom] = RowPlace(row);
    EXPECT_EQ(newTop, top);
    EXPECT_GT(newBottom - newTop, bottom - top) << "the text wrapped in more lines";
    for (std::int32_t below = row; below < row + 3; ++below)
        EXPECT_EQ(RowPlace(below + 1).first, RowPlace(below).second) << "row " << below + 1 << " follows";

    const std::int16_t kept = window->GetWidths()[kStorytellingColumn];
    RestartWithNewStory();
    window = dynamic_cast<SPWindow*>(Command(kCmdStoryPoints, &FKDoc::GetSPWindow));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWidths()[kStorytellingColumn], kept);
}

// The story point column, once the writer has sized it narrower than its longest name, keeps the
// writer's width when the program starts again rather than fitting that name anew.
TEST_F(StoryPointsColumns, TheStoryPointColumnTheWriterNarrowedKeepsItsWidthAfterARestart) {
    const auto edge = [this] { return Table().GetColumns().GetRightEdge(0); };
    const auto fitted = edge();
    DragEdge(0, -40);
    Run();
    const auto sized = edge();
    EXPECT_LT(sized, fitted - 20) << "the drag narrowed the column";
    RestartWithNewStory();
    window = dynamic_cast<SPWindow*>(Command(kCmdStoryPoints, &FKDoc::GetSPWindow));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(edge(), sized) << "the writer's width, not the longest name's";
}

}  // namespace
}  // namespace storywindowstest
