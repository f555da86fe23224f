// The table's keys: moving the selection by cells and rows, Shift extending and shrinking it at its
// growing end, refusals that beep, paging, the key that turns cells into their row, and an active
// cell that will not let go.

#include <gtest/gtest.h>

#include "TableTestSupport.h"

namespace {

using namespace tabletest;

class TableKeysTest : public TableTest {
protected:
    TTable* Grid(std::uint16_t style, int rows = 6, std::vector<int> widths = {60, 60, 60, 60, 60}) {
        TTable* table = AddTable(style);
        Fill(table, rows, widths);
        Show();
        return table;
    }
    void Select(TTable* table, int row, int column) {
        table->SelectCell(table->GetRow(row), Cell(table, row, column), kRevealLeave, kRevealLeave, false);
        Run();
    }
};

TEST_F(TableKeysTest, DownWithNothingSelectedTakesTheFirstSelectableRow) {
    TTable* table = AddTable(0);
    for (int r = 0; r < 4; ++r) {
        table->AddRow(MakeTextRow(table, r, {60}, 20, kCellSelectable, r < 2 ? 0 : kRowSelectable), false);
    }
    Show();
    Press(VK_DOWN);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 2"}));
    EXPECT_EQ(table->GetSelectionMode(), kSelectionRows);
    Press(VK_DOWN);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 3"}));
    const unsigned long bells = Bells();
    Press(VK_DOWN);
    EXPECT_EQ(Bells(), bells + 1) << "no row below";
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 3"}));
    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 2"})) << "rows without the selectable flag are passed";
}

TEST_F(TableKeysTest, ShiftExtendsAtTheGrowingEndAndShrinksFromIt) {
    TTable* table = Grid(kTableMultipleCells);
    Select(table, 0, 0);
    for (int i = 0; i < 3; ++i) Press(VK_RIGHT, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c0", "r0c1", "r0c2", "r0c3"}));
    Press(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c0", "r0c1", "r0c2"})) << "the fourth taken off again";
    Select(table, 1, 2);
    Press(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1", "r1c2"})) << "a single cell extends to the left";
    Press(VK_RIGHT, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c2"})) << "growing left, Shift+Right shrinks";
    Press(VK_RIGHT);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c3"})) << "without Shift the selection moves";
}

TEST_F(TableKeysTest, ShiftDoesNotExtendWithoutTheStyle) {
    TTable* table = Grid(0);
    Select(table, 0, 0);
    Press(VK_RIGHT, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c1"}));
}

TEST_F(TableKeysTest, TabWalksTheCellsAndRefusesAtTheEnd) {
    TTable* table = Grid(0, 2, {60, 60});
    Select(table, 0, 1);
    Press(VK_TAB);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c0"})) << "on to the next row's first cell";
    Press(VK_TAB);
    const unsigned long bells = Bells();
    Press(VK_TAB);
    EXPECT_EQ(Bells(), bells + 1);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1"})) << "the selection stays";
    Press(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c0"}));
    Press(VK_LEFT);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c1"})) << "back to the row above's last cell";
}

TEST_F(TableKeysTest, ArrowsAcrossAWholeRowTakeItsCells) {
    TTable* table = AddTable(0);
    for (int r = 0; r < 3; ++r) {
        auto* row = new TRow(table, 3, kRowSelectable);
        row->AddCell(new TextCell(CellName(r, 0).c_str(), 60, 20, 0, nullptr, 0, 0));  // not selectable
        row->AddCell(new TextCell(CellName(r, 1).c_str(), 60, 20, kCellSelectable, nullptr, 0, 0));
        row->AddCell(new TextCell(CellName(r, 2).c_str(), 60, 20, kCellSelectable, nullptr, 0, 0));
        table->AddRow(row, false);
    }
    Show();
    table->SelectRow(table->GetRow(1), kRevealLeave, false);
    Press(VK_RIGHT);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1"})) << "the row's first selectable cell";
    table->SelectRow(table->GetRow(1), kRevealLeave, false);
    Press(VK_LEFT);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c2"})) << "the last selectable cell of the row above";
}

TEST_F(TableKeysTest, UpAndDownStayInTheColumn) {
    TTable* table = AddTable(0);
    table->AddRow(MakeTextRow(table, 0, {60, 60, 60}, 20), false);
    table->AddRow(MakeTextRow(table, 1, {60}, 20), false);  // no cell in column 2
    table->AddRow(MakeTextRow(table, 2, {60, 60, 60}, 20), false);
    Show();
    Select(table, 0, 2);
    Press(VK_DOWN);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r2c2"}));
    Press(VK_UP);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c2"}));
    const unsigned long bells = Bells();
    Press(VK_UP);
    EXPECT_EQ(Bells(), bells + 1);
}

TEST_F(TableKeysTest, ShiftDownAndUpGrowAndShrinkARowSelection) {
    TTable* table = Grid(kTableMultipleRows | kTableRowNavigation, 8, {60});
    table->SelectRow(table->GetRow(2), kRevealLeave, false);
    Press(VK_DOWN, {VK_SHIFT});
    Press(VK_DOWN, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 2", "row 3", "row 4"}));
    Press(VK_UP, {VK_SHIFT});
    Press(VK_UP, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 2"}));
    Press(VK_UP, {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 1", "row 2"})) << "past the anchor it grows upward";
}

TEST_F(TableKeysTest, PagingKeysScrollByAPage) {
    TTable* table = Grid(0, 60, {60});
    const int page = table->GetVertScrollBar() ? table->ScrollStep(nullptr, kStepVertForward) : 0;
    ASSERT_GT(page, 1);
    Press(VK_NEXT);
    EXPECT_EQ(table->GetFirstVisibleRow(), page);
    Press(VK_PRIOR);
    EXPECT_EQ(table->GetFirstVisibleRow(), 0);
}

TEST_F(TableKeysTest, TheBackquoteKeyTurnsACellSelectionIntoItsRow) {
    TTable* table = Grid(0);
    Select(table, 3, 2);
    // With Ctrl the key types no character and comes as its key code.
    Press(VK_OEM_3, {VK_CONTROL});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 3"}));
    EXPECT_EQ(table->GetSelectionMode(), kSelectionRows);
}

// An active cell that refuses to be left, as an edit cell with invalid text would.
class StubbornCell : public TextCell {
public:
    StubbornCell() : TextCell("stubborn", 60, 20, kCellSelectable | kCellActivatable, nullptr, 0, 0) {}
    std::int16_t CanEndEdit(std::int16_t reason) override {
        reasons.push_back(reason);
        return 0;
    }
    std::vector<std::int16_t> reasons;
};

TEST_F(TableKeysTest, AnActiveCellThatWillNotLetGoSwallowsMovesAndClicks) {
    TTable* table = AddTable(0);
    auto* row = new TRow(table, 2, kRowSelectable);
    auto* stubborn = new StubbornCell;
    row->AddCell(stubborn);
    row->AddCell(new TextCell("other", 60, 20, kCellSelectable, nullptr, 0, 0));
    table->AddRow(row, false);
    table->AddRow(MakeTextRow(table, 1, {60, 60}, 20), false);
    Show();
    Select(table, 0, 0);
    ASSERT_EQ(table->GetActiveCell(), stubborn);
    const unsigned long bells = Bells();
    Press(VK_RIGHT);
    Press(VK_TAB, {VK_SHIFT});
    ClickWith(OnCell(Cell(table, 1, 1)), {});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"stubborn"}));
    EXPECT_EQ(Bells(), bells) << "a refusal by the cell is no refused move";
    EXPECT_EQ(stubborn->reasons, (std::vector<std::int16_t>{kLeaveForward, kLeaveBackward, kLeaveForClick}));
}

}  // namespace
