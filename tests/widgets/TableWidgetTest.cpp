// The table in its window: construction, rows added, inserted, deleted and sorted, the rows
// painted, scrolling a row into view, and letting go of deleted rows and cells.

#include <gtest/gtest.h>

#include <cstring>

#include "TableTestSupport.h"
#include "items/ScrollBar.h"
#include "widgets/SingleLineEditCell.h"
#include "widgets/TableRuler.h"

namespace {

using namespace tabletest;

TEST(TableConstructionTest, DragSelectionStylesDropTheirExtendingStyles) {
    TTable rows(nullptr, kTableDragSelectRows | kTableMultipleRows | kTableMultipleCells, 0, nullptr, 0, RGBColor(0));
    EXPECT_FALSE(rows.HasStyle(kTableMultipleRows));
    EXPECT_TRUE(rows.HasStyle(kTableMultipleCells));
    TTable cells(nullptr, kTableDragSelectCells | kTableMultipleCells, 0, nullptr, 0, RGBColor(0));
    EXPECT_FALSE(cells.HasStyle(kTableMultipleCells));
    EXPECT_EQ(cells.GetSelectionMode(), kSelectionEmpty);
    EXPECT_EQ(cells.GetClassId(), 514);
    EXPECT_TRUE(cells.IsKindOf(TView::kClassId));
}

TEST(TableConstructionTest, APageIsAThirdOfTheDataArea) {
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 200, 100);
    TTable table(nullptr, 0, TView::kNoFrame, &bounds, 0, RGBColor(0));
    EXPECT_EQ(table.DataRect().Height(), 100);
    EXPECT_EQ(table.PageStep(), 33);
    table.SetVertInset(10);
    EXPECT_EQ(table.DataRect().top, 10) << "the data area lies below the inset strip";
    EXPECT_EQ(table.PageStep(), 30);
}

class TableWidgetTest : public TableTest {};

TEST_F(TableWidgetTest, AShownTablePaintsItsVisibleRowsOnly) {
    TTable* table = AddTable(kTableCursorRegions);
    Fill(table, 50);
    EXPECT_FALSE(table->IsRowLaidOut()) << "nothing painted yet";
    Show();
    ASSERT_TRUE(table->IsRowLaidOut());
    EXPECT_EQ(table->GetPaintedFirstRow(), 0);
    const int shown = table->GetPaintedLastRow() + 1;
    EXPECT_EQ(shown, (table->DataRect().Height() + 19) / 20) << "whole and partly shown rows of 20 pixels";
    EXPECT_LT(table->GetPositionedRows(), 50) << "rows below the view are not placed";
    EXPECT_EQ(table->GetVertScrollBar()->GetMax(), 50 - table->DataRect().Height() / 20);
}

TEST_F(TableWidgetTest, RowsAddedBeforeTheExtentIsKnownGoInAtTheInsertionPoint) {
    TTable* table = AddTable(0);
    // The first scroll extent is taken as soon as a row is added: later rows append.
    table->AddRow(MakeTextRow(table, 0, {50}, 20), false);
    table->AddRow(MakeTextRow(table, 1, {50}, 20), false);
    EXPECT_EQ(TextOf(Cell(table, 1, 0)), "r1c0");
    EXPECT_EQ(table->GetRow(1)->GetIndex(), 1);
    EXPECT_EQ(table->InsertRowAt(MakeTextRow(table, 9, {50}, 30), 1, false), kNoErr);
    EXPECT_EQ(TextOf(Cell(table, 1, 0)), "r9c0");
    EXPECT_EQ(table->GetRow(2)->GetIndex(), 2) << "the rows below are numbered again";
    EXPECT_EQ(table->GetRowTop(2), 50) << "and placed again";
}

TEST_F(TableWidgetTest, DeletingASelectedRunSelectsTheRowThatTakesItsPlace) {
    TTable* table = AddTable(kTableMultipleRows);
    Fill(table, 10);
    Show();
    table->SelectRow(table->GetRow(3), kRevealLeave, false);
    for (int r : {4, 5}) {
        table->GetRow(r)->SetHilite(nullptr, 1, false);
        table->GetSelectList().Add(table->GetRow(r), nullptr);
    }
    EXPECT_EQ(table->DeleteSelectedRows(true), 3);
    EXPECT_EQ(table->GetRowCount(), 7);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 3"}));
    EXPECT_EQ(TextOf(Cell(table, 3, 0)), "r6c0");

    table->SelectRow(table->GetRow(5), kRevealLeave, false);
    table->GetRow(6)->SetHilite(nullptr, 1, false);
    table->GetSelectList().Add(table->GetRow(6), nullptr);
    EXPECT_EQ(table->DeleteSelectedRows(true), 2);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 4"})) << "the run ended the table: the row before it";
}

TEST_F(TableWidgetTest, TheLinkedControlFollowsRowsDeletedAboveTheView) {
    TTable* table = AddTable(0);
    Fill(table, 40);
    Show();
    table->ScrollTo(10, 0, 1);
    ScrollBar* bar = table->GetVertScrollBar();
    ASSERT_EQ(bar->GetValue(), 10);
    EXPECT_TRUE(table->DeleteRowAt(12, false, false));
    EXPECT_EQ(bar->GetValue(), 10) << "below the first visible row";
    EXPECT_TRUE(table->DeleteRowAt(10, false, false));
    EXPECT_EQ(bar->GetValue(), 10) << "the first visible row itself";
    EXPECT_TRUE(table->DeleteRowAt(3, false, false));
    EXPECT_EQ(bar->GetValue(), 9) << "above it: the same rows stay in view";
    EXPECT_EQ(TextOf(Cell(table, 9, 0)), "r11c0");
}

TEST_F(TableWidgetTest, UndeletableRowsStayUnlessForced) {
    TTable* table = AddTable(0);
    Fill(table, 3, {50}, 20, kCellSelectable, kRowSelectable | kRowUndeletable);
    EXPECT_FALSE(table->DeleteRowAt(1, false, false));
    EXPECT_TRUE(table->DeleteRowAt(1, false, true));
    EXPECT_EQ(table->GetRowCount(), 2);
}

int ByTextDescending(const void* a, const void* b) {
    const TRow* first = *static_cast<TRow* const*>(a);
    const TRow* second = *static_cast<TRow* const*>(b);
    return -std::strcmp(TextOf(first->GetCell(0)).c_str(), TextOf(second->GetCell(0)).c_str());
}

TEST_F(TableWidgetTest, SortingRenumbersClearsTheSelectionAndPlacesTheRowsAgain) {
    TTable* table = AddTable(0);
    table->AddRow(MakeTextRow(table, 1, {50}, 20), false);
    table->AddRow(MakeTextRow(table, 2, {50}, 30), false);
    table->AddRow(MakeTextRow(table, 3, {50}, 40), false);
    Show();
    table->SelectRow(table->GetRow(0), kRevealLeave, false);
    EXPECT_TRUE(table->SortRows(ByTextDescending));
    EXPECT_EQ(TextOf(Cell(table, 0, 0)), "r3c0");
    EXPECT_EQ(table->GetRow(0)->GetIndex(), 0);
    EXPECT_EQ(table->GetRowTop(1), 40);
    EXPECT_EQ(table->GetRowTop(2), 70);
    EXPECT_EQ(table->GetSelectionCount(), 0);
}

TEST_F(TableWidgetTest, ScrollingARowIntoViewByAlignment) {
    TTable* table = AddTable(0);
    Fill(table, 100);
    Show();
    const int page = table->DataRect().Height() / 20;
    table->ScrollIntoView(40, kRevealStart, kRevealLeave);
    EXPECT_EQ(table->GetFirstVisibleRow(), 40);
    table->ScrollIntoView(60, kRevealEnd, kRevealLeave);
    // The row's bottom at the data bottom less the 5-pixel margin.
    const int room = table->DataRect().Height() - 5;
    EXPECT_EQ(table->GetFirstVisibleRow(), 60 - (room / 20 - 1));
    table->ScrollIntoView(30, kRevealCentre, kRevealLeave);
    EXPECT_EQ(table->GetFirstVisibleRow(), 30 - (table->DataRect().Height() - 20) / 2 / 20);
    table->ScrollIntoView(70, kRevealLeave, kRevealLeave);
    EXPECT_EQ(table->GetFirstVisibleRow(), 30 - (table->DataRect().Height() - 20) / 2 / 20) << "left alone";
    table->RevealLastRow(kRevealEnd, kRevealLeave);
    EXPECT_EQ(table->GetLastVisibleRow(), 99);
    EXPECT_TRUE(table->IsRowVisible(table->GetRow(99)));
    EXPECT_FALSE(table->IsRowVisible(table->GetRow(99 - page - 1)));
    table->RevealRowIfHidden(table->GetRow(2));
    EXPECT_EQ(table->GetFirstVisibleRow(), 2);
    EXPECT_EQ(table->CompareRowToView(table->GetRow(1)), -1);
    EXPECT_EQ(table->CompareRowToView(table->GetRow(2)), 0);
    EXPECT_EQ(table->CompareRowToView(table->GetRow(90)), 1);
}

TEST_F(TableWidgetTest, RevealingACellScrollsAcrossToo) {
    TTable* table = AddTable(0);
    Fill(table, 30, {150, 150, 150, 150});
    Show();
    table->RevealCell(Cell(table, 20, 3));
    EXPECT_GT(table->GetFirstVisibleColumn(), 0);
    LongRect bounds = Cell(table, 20, 3)->GetBounds();
    const LongRect visible = table->VisibleDocRect();
    EXPECT_LE(bounds.bottom, visible.bottom);
    EXPECT_LE(bounds.right, visible.right);
    table->ScrollToLeftEdge();
    EXPECT_EQ(table->GetFirstVisibleColumn(), 0);
}

// A row's cells, row and ruler pointers held by the table go with the row.
TEST_F(TableWidgetTest, DeletingTheRowOfTheActiveCellAnchorAndRulerLetsGoOfThem) {
    TTable* table = AddTable(0);
    for (int r = 0; r < 5; ++r) {
        auto* row = new TRow(table, 2, kRowSelectable);
        row->AddCell(new SingleLineEditCell(CellName(r, 0).c_str(), 80, 20, kCellSelectable, nullptr, 0, 0));
        row->AddCell(new TextCell(CellName(r, 1).c_str(), 80, 20, kCellSelectable, nullptr, 0, 0));
        table->AddRow(row, false);
    }
    table->GetColumns().SetUp(table->GetRow(0));
    auto* ruler =
        new TableRuler(table->GetRow(0), 16, 0, kMarginTop | kMarginScrollsHorz, kRulerBottomLine, RGBColor(8));
    table->SetMargin(0, ruler);
    Show();
    table->SelectCell(table->GetRow(2), Cell(table, 2, 0), kRevealLeave, kRevealLeave, false);
    ASSERT_EQ(table->GetActiveCell(), Cell(table, 2, 0));
    ASSERT_NE(SingleLineEditCell::GetCurrent(), nullptr);
    EXPECT_TRUE(table->DeleteRowAt(2, true, false));
    EXPECT_EQ(table->GetActiveCell(), nullptr);
    EXPECT_EQ(table->GetAnchorRow(), nullptr);
    EXPECT_EQ(table->GetSelectList().Anchor().row, nullptr);
    EXPECT_EQ(SingleLineEditCell::GetCurrent(), nullptr) << "the editor let go of the deleted cell";
    Run();
    // A cell deleted on its own goes the same way.
    table->SelectCell(table->GetRow(1), Cell(table, 1, 0), kRevealLeave, kRevealLeave, false);
    ASSERT_EQ(table->GetActiveCell(), Cell(table, 1, 0));
    EXPECT_TRUE(table->DeleteCell(Cell(table, 1, 0), true, false));
    EXPECT_EQ(table->GetActiveCell(), nullptr);
    EXPECT_EQ(table->GetAnchorCell(), nullptr);
    Run();
    // The ruler built on a row that went builds on the table's first row instead.
    ruler->BuildHeadings(table->GetRow(3));
    EXPECT_TRUE(table->DeleteRowAt(3, false, false));
    EXPECT_EQ(ruler->GetDefaultRow(), table->GetRow(0));
    EXPECT_TRUE(table->DeleteAllRows(true) > 0);
    EXPECT_EQ(ruler->GetDefaultRow(), nullptr);
    ruler->BuildHeadings(nullptr);
    EXPECT_EQ(ruler->HeadingCount(), 0);
    Run();
}

TEST_F(TableWidgetTest, TheFirstPaintRebuildsTheCursorRegions) {
    // A cell that registers a cross over itself.
    class CrossCell : public TextCell {
    public:
        CrossCell(TTable* table) : TextCell("x", 60, 20, kCellSelectable | kCellCursorArea, nullptr, 0, 0), table_(table) {}
        void SetCursorRegion() override {
            ShortRect rect;
            if (GetViewRect(rect)) table_->AddCursorRegion(rect, kCrossCursor);
            ++registered;
        }
        int registered = 0;

    private:
        TTable* table_;
    };
    TTable* table = AddTable(kTableCursorRegions);
    auto* row = new TRow(table, 1, kRowSelectable);
    auto* cell = new CrossCell(table);
    row->AddCell(cell);
    table->AddRow(row, false);
    EXPECT_EQ(cell->registered, 0);
    Show();
    EXPECT_EQ(cell->registered, 1) << "the first paint";
    EXPECT_TRUE(row->HasFlags(kRowCellCursorAreas)) << "set as the row measured itself";
    table->TItem::Invalidate();
    Run();
    EXPECT_EQ(cell->registered, 1) << "a later paint without a structural change";
    table->AddRow(MakeTextRow(table, 1, {60}, 20), false);
    Run();
    EXPECT_EQ(cell->registered, 2) << "after a row was added";
}

}  // namespace

namespace {

using namespace tabletest;

class TableCellsAndSelectionTest : public TableTest {};

TEST_F(TableCellsAndSelectionTest, AColumnAddedGoesIntoEveryRowThatTakesIt) {
    TTable* table = AddTable(0);
    table->AddRow(MakeTextRow(table, 0, {50, 50, 50}, 20), false);
    table->AddRow(MakeTextRow(table, 1, {50}, 20), false);
    Show();
    table->AddColumn(2, new TextCell("added", 30, 24, kCellSelectable, nullptr, 0, 0), true, 0);
    EXPECT_EQ(TextOf(Cell(table, 0, 2)), "added");
    EXPECT_EQ(TextOf(Cell(table, 0, 3)), "r0c2") << "the cells after it move on";
    EXPECT_EQ(Cell(table, 0, 3)->GetBounds().left, 130);
    EXPECT_EQ(TextOf(Cell(table, 1, 1)), "added") << "a shorter row gets it at its end";
    EXPECT_EQ(table->GetRowHeight(1), 24) << "and grows to it";
    EXPECT_EQ(table->GetRowTop(1), 24);
}

TEST_F(TableCellsAndSelectionTest, SelectedCellsAreDeletedAndALastCellTakesItsRow) {
    TTable* table = AddTable(kTableMultipleCells);
    table->AddRow(MakeTextRow(table, 0, {50, 50, 50}, 20), false);
    table->AddRow(MakeTextRow(table, 1, {50}, 20), false);
    table->AddRow(MakeTextRow(table, 2, {50, 50}, 20, kCellSelectable, kRowSelectable | kRowKeepsCells), false);
    Show();
    for (auto [r, c] : {std::pair{0, 0}, {0, 2}, {1, 0}, {2, 1}}) {
        Cell(table, r, c)->SetHilite(nullptr, 1, false);
        table->GetSelectList().Add(table->GetRow(r), Cell(table, r, c));
    }
    EXPECT_EQ(table->DeleteSelectedCells(true, false), 3);
    EXPECT_EQ(table->GetRowCount(), 2) << "the one-cell row went as a row";
    EXPECT_EQ(table->GetRow(0)->GetCellCount(), 1);
    EXPECT_EQ(TextOf(Cell(table, 0, 0)), "r0c1");
    EXPECT_EQ(table->GetRow(1)->GetCellCount(), 2) << "a row that keeps its cells";
    EXPECT_TRUE(table->DeleteCell(Cell(table, 1, 1), true, true)) << "unless forced";
}

TEST_F(TableCellsAndSelectionTest, SelectAllTakesEveryRowOrEveryCell) {
    TTable* table = AddTable(0);
    Fill(table, 3, {50, 50});
    Show();
    table->SelectAll(true);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 0", "row 1", "row 2"}));
    EXPECT_EQ(table->GetSelectionMode(), kSelectionRows);
    table->SelectAll(false);
    EXPECT_EQ(Selected(*table).size(), 6u);
    EXPECT_EQ(table->GetSelectionMode(), kSelectionCells);
    EXPECT_EQ(table->GetRow(0)->GetHilite(), 0) << "the rows' highlights went with the row selection";
    table->ClearSelection();
    EXPECT_EQ(table->GetSelectionMode(), kSelectionEmpty);
}

TEST_F(TableCellsAndSelectionTest, ASavedSelectionComesBackByItsPlaces) {
    TTable* table = AddTable(kTableMultipleCells);
    Fill(table, 40, {50, 50});
    Show();
    table->ScrollTo(7, 0, 1);
    table->SelectCell(table->GetRow(9), Cell(table, 9, 1), kRevealLeave, kRevealLeave, false);
    table->SelectCell(table->GetRow(10), Cell(table, 10, 0), kRevealLeave, kRevealLeave, true);
    std::unique_ptr<SelectList> saved = table->SaveSelection();
    ASSERT_NE(saved, nullptr);
    // The rows are built again: the old rows and cells are gone.
    table->DeleteAllRows(false);
    table->ScrollTo(0, 0, 1);
    Fill(table, 40, {50, 50});
    table->RestoreSelection(*saved);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r9c1", "r10c0"}));
    EXPECT_EQ(table->GetFirstVisibleRow(), 7);
    EXPECT_NE(Cell(table, 9, 1)->GetHilite(), 0);
}

}  // namespace
