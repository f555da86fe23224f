// The selection list: its order, runs of consecutive rows, its change counter, and the table's
// highlights read back into it.

#include <gtest/gtest.h>

#include <memory>

#include "TableTestSupport.h"
#include "widgets/SelectList.h"

namespace {

using tabletest::MakeTextRow;

class SelectListTest : public ::testing::Test {
protected:
    SelectListTest() : table_(nullptr, 0, 0, nullptr, 0, RGBColor(0)) {
        for (int r = 0; r < 10; ++r) table_.AppendRowQuietly(MakeTextRow(&table_, r, {10, 10, 10}, 10));
    }
    TRow* Row(int i) const { return table_.GetRow(i); }
    TCell* Cell(int r, int c) const { return table_.GetRow(r)->GetCell(c); }

    TTable table_;
};

TEST_F(SelectListTest, EntriesSortByRowThenWholeRowThenColumn) {
    SelectList list;
    list.Add(Row(3), Cell(3, 2));
    list.Add(Row(1), nullptr);
    list.Add(Row(3), nullptr);
    list.Add(Row(3), Cell(3, 0));
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetAt(0).row, Row(1));
    EXPECT_EQ(list.GetAt(0).cell, nullptr);
    EXPECT_EQ(list.GetAt(1).row, Row(3));
    EXPECT_EQ(list.GetAt(1).cell, nullptr);
    EXPECT_EQ(list.GetAt(2).cell, Cell(3, 0));
    EXPECT_EQ(list.GetAt(3).cell, Cell(3, 2));
    EXPECT_EQ(list.IndexOf(Row(3), Cell(3, 0)), 2);
    EXPECT_EQ(list.IndexOf(Row(3), Cell(3, 1)), -1);
    EXPECT_EQ(list.FirstRow(nullptr), Row(1));
    EXPECT_EQ(list.LastRow(nullptr), Row(3));
    SelectEntry examined;
    EXPECT_EQ(list.FirstCell(&examined), Cell(3, 0));
    EXPECT_EQ(examined.cell, Cell(3, 0));
    EXPECT_EQ(list.LastCell(nullptr), Cell(3, 2));
}

TEST_F(SelectListTest, RunsOfConsecutiveRowsOnlyInRowMode) {
    SelectList list;
    for (int r : {2, 3, 4, 7, 8}) list.Add(Row(r), nullptr);
    std::int32_t position = 0, first = -1, last = -1;
    EXPECT_FALSE(list.NextRowRun(position, first, last)) << "mode 3 at construction";
    list.SetMode(kSelectionRows);
    ASSERT_TRUE(list.NextRowRun(position, first, last));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 2);
    ASSERT_TRUE(list.NextRowRun(position, first, last));
    EXPECT_EQ(first, 3);
    EXPECT_EQ(last, 4);
    EXPECT_FALSE(list.NextRowRun(position, first, last));
}

TEST_F(SelectListTest, OnlyRealChangesCount) {
    SelectList list;
    list.Add(Row(2), Cell(2, 1));
    const std::int32_t counted = list.GetChangeCount();
    EXPECT_FALSE(list.Remove(Row(2), Cell(2, 0)));
    EXPECT_EQ(list.GetChangeCount(), counted) << "removing an absent entry changes nothing";
    // An entry added twice is kept once, so one removal leaves nothing behind that names it.
    list.Add(Row(2), Cell(2, 1));
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_TRUE(list.Remove(Row(2), Cell(2, 1)));
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetChangeCount(), counted + 1);
}

TEST_F(SelectListTest, TagsAndRemovalByTag) {
    SelectList list;
    for (int r : {1, 2, 3}) list.Add(Row(r), nullptr);
    list.SetAllTags(5);
    list.SetTag(1, 9);
    list.RemoveTagged(5);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0).row, Row(2));
    EXPECT_EQ(list.GetAt(0).tag, 9);
}

TEST_F(SelectListTest, RebuildReadsTheHighlightsInRowOrder) {
    Row(6)->SetHilite(nullptr, 1, false);
    Cell(2, 1)->SetHilite(nullptr, 1, false);
    Cell(2, 0)->SetHilite(nullptr, 1, false);
    SelectList& list = table_.GetSelectList();
    list.Rebuild(table_);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetAt(0).cell, Cell(2, 0));
    EXPECT_EQ(list.GetAt(1).cell, Cell(2, 1));
    EXPECT_EQ(list.GetAt(2).row, Row(6));
    // A highlighted row or cell that goes takes its entry with it.
    EXPECT_TRUE(table_.DeleteRow(Row(6)));
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_TRUE(Row(2)->DeleteCell(1));
    EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(SelectListTest, ACloneKeepsEntriesAndState) {
    SelectList list;
    list.Add(Row(4), Cell(4, 2));
    list.SetMode(kSelectionCells);
    list.SetSelectedColumn(2);
    std::unique_ptr<SelectList> copy(list.Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->Contains(Row(4), Cell(4, 2)));
    EXPECT_EQ(copy->GetMode(), kSelectionCells);
    EXPECT_EQ(copy->GetSelectedColumn(), 2);
    list.DeleteAll();
    EXPECT_EQ(copy->GetCount(), 1);
}

}  // namespace
