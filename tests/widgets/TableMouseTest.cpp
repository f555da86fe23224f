// The table's mouse: clicks with their modifier rules, swept ranges while the table scrolls toward
// the pointer, double clicks, whole columns, and rows dragged to an insertion marker.

#include <gtest/gtest.h>

#include <utility>

#include "TableTestSupport.h"
#include "framework/MsgEvent.h"

namespace {

using namespace tabletest;

class TableMouseTest : public TableTest {
protected:
    TTable* Grid(std::uint16_t style, int rows = 8, std::vector<int> widths = {60, 60, 60, 60}) {
        TTable* table = AddTable(style);
        Fill(table, rows, widths);
        Show();
        return table;
    }
    // Presses at the point, then moves through the others one tracking pass at a time, and lets go
    // at the last.
    void Sweep(POINT from, std::vector<POINT> through) {
        std::vector<std::function<void()>> steps;
        for (POINT point : through) steps.push_back([this, point] { presenter.MoveMouse(point); });
        steps.push_back([this] { presenter.ButtonUp(); });
        Script(steps);
        presenter.MoveMouse(from);
        presenter.ButtonDown();
        Run();
    }
};

TEST_F(TableMouseTest, AClickBeforeTheFirstPaintHitsNoRow) {
    TTable* table = AddTable(0);
    Fill(table, 5);
    TRow* row = nullptr;
    TCell* cell = nullptr;
    const ShortPoint inside{static_cast<std::int16_t>(table->DataRect().left + 5),
                            static_cast<std::int16_t>(table->DataRect().top + 5)};
    EXPECT_FALSE(table->HitTest(inside, row, cell));
    EXPECT_FALSE(table->ClickInData(MsgEvent(nullptr, WM_LBUTTONDOWN, 0, 0), inside, false));
}

TEST_F(TableMouseTest, ClicksSelectOneCellOrExtendWithShiftAndToggleWithControl) {
    TTable* table = Grid(kTableMultipleCells);
    ClickWith(OnCell(Cell(table, 1, 1)), {});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1"}));
    EXPECT_EQ(table->GetSelectionMode(), kSelectionCells);
    ClickWith(OnCell(Cell(table, 2, 2)), {});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r2c2"})) << "a plain click replaces";
    ClickWith(OnCell(Cell(table, 3, 3)), {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r2c2", "r2c3", "r3c2", "r3c3"}))
        << "Shift: the rectangle from the anchor";
    ClickWith(OnCell(Cell(table, 1, 1)), {VK_SHIFT});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1", "r1c2", "r2c1", "r2c2"}))
        << "the anchor stays; the rest of the earlier range goes";
    ClickWith(OnCell(Cell(table, 1, 2)), {VK_CONTROL});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1", "r2c1", "r2c2"})) << "Control takes one off";
    ClickWith(OnCell(Cell(table, 5, 0)), {VK_CONTROL});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1", "r2c1", "r2c2", "r5c0"})) << "and adds one";
}

// A cell whose clicks count for its whole row.
class RowClickCell : public TextCell {
public:
    RowClickCell() : TextCell("row click", 60, 20, kCellSelectable, nullptr, 0, 0) {}
    std::int16_t MouseDown(const MsgEvent& /*event*/) override { return kMouseRowClick; }
};

TEST_F(TableMouseTest, AControlClickOfTheOtherKindBeeps) {
    TTable* table = AddTable(0);
    for (int r = 0; r < 4; ++r) {
        TRow* row = MakeTextRow(table, r, {60, 60}, 20);
        row->AddCell(new RowClickCell);
        table->AddRow(row, false);
    }
    Show();
    ClickWith(OnCell(Cell(table, 1, 1)), {});
    const unsigned long bells = Bells();
    ClickWith(OnCell(Cell(table, 3, 2)), {VK_CONTROL});
    EXPECT_EQ(Bells(), bells + 1);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c1"}));
    presenter.Advance(2000);  // no double click
    ClickWith(OnCell(Cell(table, 3, 2)), {});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 3"})) << "without Control the kind changes";
    EXPECT_EQ(table->GetSelectionMode(), kSelectionRows);
}

TEST_F(TableMouseTest, UnselectableCellsSelectNothing) {
    TTable* table = AddTable(0);
    Fill(table, 3, {60, 60}, 20, 0);
    Show();
    ClickWith(OnCell(Cell(table, 1, 1)), {});
    EXPECT_TRUE(Selected(*table).empty());
}

TEST_F(TableMouseTest, ShiftControlAndAltTogetherSelectTheColumn) {
    TTable* table = Grid(0, 5);
    ClickWith(OnCell(Cell(table, 2, 1)), {VK_SHIFT, VK_CONTROL, VK_MENU});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c1", "r1c1", "r2c1", "r3c1", "r4c1"}));
    EXPECT_EQ(table->GetSelectList().GetSelectedColumn(), 1);
}

TEST_F(TableMouseTest, ADragSweepsARangeOfRows) {
    TTable* table = Grid(kTableDragSelectRows | kTableRowNavigation);
    Sweep(OnCell(Cell(table, 2, 0)), {OnCell(Cell(table, 3, 0)), OnCell(Cell(table, 5, 2))});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 5"})) << "without several rows, the row under it";
}

TEST_F(TableMouseTest, ADragSweepsARangeOfCellsAndShrinksWithThePointer) {
    TTable* table = Grid(kTableMultipleCells);
    std::vector<std::string> midway;
    Script({[&] { presenter.MoveMouse(OnCell(Cell(table, 3, 2))); },
            [&] {
                midway = Selected(*table);
                presenter.MoveMouse(OnCell(Cell(table, 2, 1)));
            },
            [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(OnCell(Cell(table, 1, 0)));
    presenter.ButtonDown();
    Run();
    EXPECT_EQ(midway, (std::vector<std::string>{"r1c0", "r1c1", "r1c2", "r2c0", "r2c1", "r2c2", "r3c0", "r3c1",
                                                "r3c2"}));
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r1c0", "r1c1", "r2c0", "r2c1"}));
}

// A table that notes where each scroll took it.
class ScrollNotingTable : public TTable {
public:
    using TTable::TTable;
    void Scrolled() override {
        TTable::Scrolled();
        firstRows.push_back(GetFirstVisibleRow());
    }
    std::vector<std::int32_t> firstRows;
};

TEST_F(TableMouseTest, DraggingAboveTheDataAreaScrollsUpByTheDistance) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 370, 250);
    auto* table = window->Add<ScrollNotingTable>(std::uint16_t{kTableMultipleRows | kTableRowNavigation},
                                                 std::uint16_t{TView::kVertScrollBar}, &bounds, std::uint16_t{0},
                                                 RGBColor(0));
    Fill(table, 60, {80});
    Show();
    table->ScrollTo(30, 0, 1);
    Run();
    table->firstRows.clear();
    const POINT above = OnScreen(50, table->DataRect().top - 25);
    std::vector<std::function<void()>> steps{[&] { presenter.MoveMouse(above); }};
    for (int i = 0; i < 4; ++i) steps.push_back([] {});
    steps.push_back([&] { presenter.ButtonUp(); });
    Script(steps);
    presenter.MoveMouse(OnCell(Cell(table, 32, 0)));
    presenter.ButtonDown();
    Run();
    ASSERT_GE(table->firstRows.size(), 2u);
    std::int32_t previous = 30;
    for (std::int32_t first : table->firstRows) {
        EXPECT_EQ(first, previous - 3) << "25 pixels above: 25 / 10 truncated to 2, and 1 more";
        previous = first;
    }
    // The range runs from row 32 up to the row shown first.
    EXPECT_EQ(Selected(*table).front(), "row " + std::to_string(table->GetFirstVisibleRow()));
    EXPECT_EQ(Selected(*table).back(), "row 32");
}

// A table that counts double clicks on its items.
class DoubleClickTable : public TTable {
public:
    using TTable::TTable;
    void ItemDoubleClicked(const MsgEvent& event, TRow* row, TCell* cell) override {
        doubles.emplace_back(row, cell);
        TTable::ItemDoubleClicked(event, row, cell);
    }
    std::vector<std::pair<TRow*, TCell*>> doubles;
};

TEST_F(TableMouseTest, ADoubleClickCountsOnTheItemTheFirstClickSelected) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 370, 250);
    auto* table = window->Add<DoubleClickTable>(std::uint16_t{0}, std::uint16_t{0}, &bounds, std::uint16_t{0}, RGBColor(0));
    Fill(table, 4, {100, 100});
    Show();
    ClickWith(OnCell(Cell(table, 1, 0)), {});
    ClickWith(OnCell(Cell(table, 1, 0)), {});
    ASSERT_EQ(table->doubles.size(), 1u);
    EXPECT_EQ(table->doubles[0].second, Cell(table, 1, 0));
    presenter.Advance(2000);
    ClickWith(OnCell(Cell(table, 2, 1)), {});
    presenter.Advance(2000);
    ClickWith(OnCell(Cell(table, 2, 1)), {});
    EXPECT_EQ(table->doubles.size(), 1u) << "clicks far apart in time are two single clicks";
}

// A table whose clicks on a selected row drag the selected rows, noting the marker as it goes.
class RowDragTable : public TTable {
public:
    using TTable::TTable;
    std::int16_t RowClickHook(TRow* /*row*/, LongPoint point) override {
        ShortPoint view;
        DocPointToView(point, view);
        return DragRows(view) ? 1 : 0;
    }
    void DrawInsertionMarker(std::int32_t rowIndex, bool erase) override {
        markers.emplace_back(rowIndex, erase);
        TTable::DrawInsertionMarker(rowIndex, erase);
    }
    std::vector<std::pair<std::int32_t, bool>> markers;
};

TEST_F(TableMouseTest, SelectedRowsDragToTheMarkerKeepingTheirOrder) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 370, 250);
    auto* table = window->Add<RowDragTable>(std::uint16_t{kTableMultipleRows | kTableRowNavigation},
                                            std::uint16_t{TView::kVertScrollBar}, &bounds, std::uint16_t{0},
                                            RGBColor(0));
    Fill(table, 8, {80});
    Show();
    ClickWith(OnCell(Cell(table, 1, 0)), {});
    ClickWith(OnCell(Cell(table, 2, 0)), {VK_SHIFT});
    ASSERT_EQ(Selected(*table), (std::vector<std::string>{"row 1", "row 2"}));
    std::size_t beforeBlink = 0;
    Script({[&] { presenter.MoveMouse(OnCell(Cell(table, 5, 0))); },
            [&] {
                beforeBlink = table->markers.size();
                presenter.Advance(300);  // 18 ticks: past the blink time
            },
            [] {},
            [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(OnCell(Cell(table, 1, 0)));
    presenter.ButtonDown();
    Run();
    ASSERT_GE(table->markers.size(), 2u);
    EXPECT_EQ(table->markers[beforeBlink - 1], std::make_pair(5, false)) << "the marker at row 5";
    EXPECT_EQ(table->markers[beforeBlink], std::make_pair(5, true)) << "blinked off after 12 ticks";
    std::vector<std::string> order;
    for (int r = 0; r < table->GetRowCount(); ++r) order.push_back(TextOf(Cell(table, r, 0)));
    EXPECT_EQ(order, (std::vector<std::string>{"r0c0", "r3c0", "r4c0", "r1c0", "r2c0", "r5c0", "r6c0", "r7c0"}));
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"row 3", "row 4"})) << "the moved rows stay selected";
    EXPECT_EQ(table->GetRowTop(3), 60);
}

}  // namespace
