// Column records: edges, the edge under the mouse, how far an edge may be dragged, and the table's
// resizable-columns style; and the show-and-hide table of column positions.

#include <gtest/gtest.h>

#include <vector>

#include "TableTestSupport.h"
#include "widgets/TableColumnInfo.h"
#include "widgets/TableColumns.h"

namespace {

using tabletest::MakeTextRow;

class TableColumnsTest : public ::testing::Test {
protected:
    TableColumnsTest() : table_(nullptr, 0, TView::kNoFrame, &kBounds, 0, RGBColor(0)) {
        table_.AppendRowQuietly(MakeTextRow(&table_, 0, {100, 50, 80}, 20));
        table_.GetColumns().SetUp(table_.GetRow(0));
    }
    static constexpr ShortRect kBounds{0, 0, 200, 400};
    TableColumns& Columns() { return table_.GetColumns(); }
    TTable table_;
};

TEST_F(TableColumnsTest, EdgesAreTheWidthsAddedUp) {
    EXPECT_EQ(Columns().GetCount(), 3);
    EXPECT_EQ(Columns().GetLeft(2), 150);
    EXPECT_EQ(Columns().GetRightEdge(0), 99);
    EXPECT_EQ(Columns().GetRightEdge(2), 229);
    EXPECT_EQ(Columns().GetWidth(3), 0) << "past the last column";
    EXPECT_EQ(table_.HorzUnitsToPixels(2), 150) << "the table scrolls by these columns";
    EXPECT_EQ(table_.GetHorzUnitWidth(1), 50);
}

TEST_F(TableColumnsTest, AnEdgeIsHitWithinTheTolerance) {
    for (int x : {98, 99, 100}) {
        std::int32_t column = -1;
        std::int16_t tolerance = 1;
        ASSERT_TRUE(Columns().HitTestEdge(ShortPoint{static_cast<std::int16_t>(x), 5}, column, tolerance)) << x;
        EXPECT_EQ(column, 0);
        EXPECT_EQ(tolerance, x - 99) << "the distance from the edge comes back";
    }
    std::int32_t column = -1;
    std::int16_t tolerance = 1;
    EXPECT_FALSE(Columns().HitTestEdge(ShortPoint{97, 5}, column, tolerance));
    tolerance = 1;
    ASSERT_TRUE(Columns().HitTestEdge(ShortPoint{148, 5}, column, tolerance));
    EXPECT_EQ(column, 1);
}

TEST_F(TableColumnsTest, DragRoomFollowsTheLimitsAndTheNeighbour) {
    Columns().SetColumnInfo(0, kColumnResizable, 60, 140, kColumnKindCursor);
    Columns().SetColumnInfo(1, kColumnResizable, 40, 200, kColumnKindCursor);
    std::int32_t left = 0, right = 0;
    Columns().GetDragRoom(0, false, left, right);
    EXPECT_EQ(left, 40);
    EXPECT_EQ(right, 40);
    Columns().GetDragRoom(0, true, left, right);
    EXPECT_EQ(left, 40) << "the neighbour may grow by 150";
    EXPECT_EQ(right, 10) << "the neighbour may shrink by 10 only";
    Columns().GetDragRoom(2, true, left, right);
    EXPECT_EQ(left, 0) << "a fixed column without a neighbour";
}

TEST_F(TableColumnsTest, TheResizableStyleFollowsTheColumns) {
    EXPECT_FALSE(table_.HasStyle(kTableResizableColumns));
    Columns().SetColumnInfo(0, kColumnResizable, 10, 200, kColumnKindCursor);
    Columns().SetColumnInfo(2, kColumnTradesWithNext, 10, 200, kColumnKindCursor);
    EXPECT_TRUE(table_.HasStyle(kTableResizableColumns));
    Columns().SetColumnInfo(0, kColumnFixed, 10, 200, kColumnKindCursor);
    EXPECT_TRUE(table_.HasStyle(kTableResizableColumns)) << "one of two made fixed";
    Columns().SetColumnInfo(2, kColumnFixed, 10, 200, kColumnKindCursor);
    EXPECT_FALSE(table_.HasStyle(kTableResizableColumns)) << "the last made fixed";
    Columns().SetColumnInfo(7, kColumnResizable, 10, 200, kColumnKindCursor);
    EXPECT_FALSE(table_.HasStyle(kTableResizableColumns)) << "a column past the last changes nothing";
    ColumnRecord record;
    ASSERT_TRUE(Columns().GetRecord(0, record));
    EXPECT_EQ(record.width, 100) << "the width stays";
}

TEST_F(TableColumnsTest, AColumnWidthChangeMovesTheRecordsAndTheCellsTogether) {
    for (int r = 1; r < 4; ++r) table_.AppendRowQuietly(MakeTextRow(&table_, r, {100, 50, 80}, 20));
    EXPECT_EQ(table_.SetColumnWidth(0, 120, true), 20);
    EXPECT_EQ(Columns().GetWidth(0), 120);
    EXPECT_EQ(Columns().GetWidth(1), 30) << "the next column's record gives the difference, as its cells do";
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(table_.GetRow(r)->GetCell(0)->GetWidth(), 120) << r;
        EXPECT_EQ(table_.GetRow(r)->GetCell(1)->GetWidth(), 30) << r;
        EXPECT_EQ(table_.GetRow(r)->GetCell(2)->GetBounds().left, Columns().GetLeft(2)) << r;
    }
}

TEST_F(TableColumnsTest, RowsOutOfViewFollowColumnResizesWhenLookedAt) {
    for (int r = 1; r < 40; ++r) table_.AppendRowQuietly(MakeTextRow(&table_, r, {100, 50, 80}, 20));
    std::int32_t first = 0, last = 0;
    table_.GetVisibleRowRange(first, last);
    ASSERT_LT(last, 30);
    table_.SetColumnWidth(1, 70, false);
    table_.SetColumnWidth(0, 90, false);
    TRow* far = table_.GetRow(20);  // neither in view nor on the last page, which the scroll range reads
    EXPECT_TRUE(far->IsBehind()) << "out of view: not yet touched";
    EXPECT_EQ(far->GetCell(1)->GetWidth(), 70) << "looked at, it follows both resizes in order";
    EXPECT_EQ(far->GetCell(0)->GetWidth(), 90);
    EXPECT_EQ(far->GetCell(2)->GetBounds().left, 160);
    EXPECT_FALSE(far->IsBehind());
    EXPECT_FALSE(table_.GetRow(3)->IsBehind()) << "rows in view follow at once";
    // A row added afterwards comes with the columns as they are and is not resized again.
    table_.AddRow(MakeTextRow(&table_, 40, {90, 70, 80}, 20), false);
    EXPECT_EQ(table_.GetRow(40)->GetCell(0)->GetWidth(), 90);
    EXPECT_EQ(table_.GetRow(40)->GetCell(1)->GetWidth(), 70);
}

// Resize modes: which cell of a row a column's new width reaches.
TEST_F(TableColumnsTest, ResizeModesPickTheirCells) {
    // Row 1 has one wide cell where row 0 has its first two.
    table_.AppendRowQuietly(MakeTextRow(&table_, 1, {150, 80}, 20));
    table_.SetResizeMode(2);
    table_.SetColumnWidth(1, 60, false);
    EXPECT_EQ(table_.GetRow(0)->GetCell(1)->GetWidth(), 60);
    EXPECT_EQ(table_.GetRow(1)->GetCell(0)->GetWidth(), 160) << "mode 2: any cell ending at the old edge";
    table_.SetResizeMode(1);
    table_.SetColumnWidth(1, 70, false);
    EXPECT_EQ(table_.GetRow(0)->GetCell(1)->GetWidth(), 70);
    EXPECT_EQ(table_.GetRow(1)->GetCell(1)->GetWidth(), 80) << "mode 1: the cell at the index must end at the edge";
    EXPECT_EQ(table_.GetRow(1)->GetCell(0)->GetWidth(), 160);
    table_.SetResizeMode(0);
    table_.SetColumnWidth(0, 90, false);
    EXPECT_EQ(table_.GetRow(0)->GetCell(0)->GetWidth(), 90);
    EXPECT_EQ(table_.GetRow(1)->GetCell(0)->GetWidth(), 90) << "mode 0: the cell at the index, to the new edge";
    table_.SetResizeMode(3);
    table_.SetResizeScope(3);
    table_.GetRow(0)->GetCell(2)->SetHilite(nullptr, 1, false);
    table_.SetColumnWidth(2, 100, false);
    EXPECT_EQ(table_.GetRow(0)->GetCell(2)->GetWidth(), 100)
        << "mode 3, scope 3: the first highlighted cell of the row, to the new edge";
    EXPECT_EQ(table_.GetRow(0)->GetCell(0)->GetWidth(), 90) << "not highlighted";
    EXPECT_EQ(table_.GetRow(1)->GetCell(1)->GetWidth(), 80) << "a row without highlighted cells";
}

class ColumnInfo : public TTableColumnInfo {
public:
    using TTableColumnInfo::TTableColumnInfo;
    class Recorder : public Handler {
    public:
        void HandleColumn(std::int32_t id, std::int32_t a, std::int32_t b) override { calls.push_back({id, a, b}); }
        std::vector<std::vector<std::int32_t>> calls;
    };
    Handler* GetHandler() override { return &recorder; }
    Recorder recorder;
};

TEST(TableColumnInfoTest, ShowingAndHidingRenumbersTheShownColumns) {
    ColumnInfo info(7, 5);
    EXPECT_FALSE(info.IsShown(0));
    EXPECT_EQ(info.Show(3), 0);
    EXPECT_EQ(info.Show(1), 0);
    EXPECT_EQ(info.GetPosition(3), 1) << "moved after the column shown before it";
    info.Hide(1);
    EXPECT_EQ(info.GetPosition(3), 0);
    EXPECT_EQ(info.GetPosition(1), -1);
    EXPECT_EQ(info.Show(4), 1);
    EXPECT_TRUE(info.PositionsValid());
    EXPECT_EQ(info.IndexOfPosition(1), 4);
    EXPECT_EQ(info.IndexOfPosition(3), 5) << "no such position: the count";
    EXPECT_EQ(info.GetPosition(9), -1);
}

TEST(TableColumnInfoTest, WidthsIdsAndDispatch) {
    ColumnInfo info(7, 3);
    EXPECT_FALSE(info.AllWidthsSet());
    info.SetColumn(0, true, 30, 100);
    info.SetColumn(1, false, 40, 101);
    info.SetColumn(2, true, 50, 102);
    EXPECT_TRUE(info.AllWidthsSet());
    EXPECT_TRUE(info.AllIdsSet());
    EXPECT_EQ(info.TotalShownWidth(), 80) << "the hidden column's width does not count";
    info.Dispatch(1, 8, 9);
    ASSERT_EQ(info.recorder.calls.size(), 1u);
    EXPECT_EQ(info.recorder.calls[0], (std::vector<std::int32_t>{102, 8, 9}));
    info.ClearIds();
    EXPECT_FALSE(info.AllIdsSet());
    info.ShowAllInOrder();
    EXPECT_EQ(info.GetPosition(1), 1);
    info.HideAll();
    EXPECT_FALSE(info.IsShown(2));
}

}  // namespace
