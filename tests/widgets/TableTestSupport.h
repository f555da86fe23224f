#pragma once
// Tables in a window of a running application (headless): rows of text cells made to measure, and
// the clicks and keys a user gives them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/AppItemsFixture.h"
#include "platform/sys/Bell.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"
#include "widgets/TableColumns.h"
#include "widgets/TextCell.h"

namespace tabletest {

using namespace win;

// The text of the cell at a row and column, as MakeTextRow names them.
inline std::string CellName(int row, int column) { return "r" + std::to_string(row) + "c" + std::to_string(column); }

// A row of text cells of the widths, all of the height, each named by its place.
inline TRow* MakeTextRow(TTable* table, int index, const std::vector<int>& widths, int height,
                         std::uint16_t cellFlags = kCellSelectable, std::uint16_t rowFlags = kRowSelectable) {
    auto* row = new TRow(table, static_cast<std::int32_t>(widths.size()), rowFlags);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        row->AddCell(new TextCell(CellName(index, static_cast<int>(c)).c_str(), static_cast<std::int16_t>(widths[c]),
                                  static_cast<std::int16_t>(height), cellFlags, nullptr, 0, 0));
    }
    return row;
}

inline std::string TextOf(TCell* cell) {
    auto* text = dynamic_cast<TextCell*>(cell);
    return text && text->GetText().CStr() ? text->GetText().CStr() : "";
}

// The selection as the names of its entries: a cell's text, or "row N" for a whole row.
inline std::vector<std::string> Selected(const TTable& table) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < table.GetSelectionCount(); ++i) {
        const SelectEntry entry = table.GetSelectionAt(i);
        names.push_back(entry.cell ? TextOf(entry.cell) : "row " + std::to_string(entry.row->GetIndex()));
    }
    return names;
}

class TableTest : public itemstest::AppItemsTest {
protected:
    // A table filling most of the test window, with both bars.
    TTable* AddTable(std::uint16_t style, std::uint16_t viewFlags = TView::kHorzScrollBar | TView::kVertScrollBar,
                     ShortRect bounds = ShortRect::MakeLTRB(10, 10, 370, 250)) {
        return window->Add<TTable>(style, viewFlags, &bounds, std::uint16_t{0}, RGBColor(0));
    }
    // Rows of text cells (each row's cells 80, 60 and 100 wide unless given), then the table
    // measured by its first row and shown.
    void Fill(TTable* table, int rows, const std::vector<int>& widths = {80, 60, 100}, int height = 20,
              std::uint16_t cellFlags = kCellSelectable, std::uint16_t rowFlags = kRowSelectable) {
        for (int r = 0; r < rows; ++r) table->AddRow(MakeTextRow(table, r, widths, height, cellFlags, rowFlags), false);
        table->GetColumns().SetUp(table->GetRow(0));
        table->UpdateScrollExtent();
    }
    void Show() {
        window->Open();
        Run();
    }
    TCell* Cell(TTable* table, int row, int column) const { return table->GetRow(row)->GetCell(column); }
    // A point inside the cell on the screen, dx and dy in from its top left.
    POINT OnCell(TCell* cell, int dx = 5, int dy = 5) const {
        ShortRect rect;
        cell->GetViewRect(rect);
        return OnScreen(rect.left + dx, rect.top + dy);
    }
    void ClickWith(POINT point, std::vector<UINT> modifiers) {
        for (UINT key : modifiers) presenter.KeyDown(key);
        presenter.Click(point);
        Run();
        for (UINT key : modifiers) presenter.KeyUp(key);
        Run();
    }
    void Press(UINT key, std::vector<UINT> modifiers = {}) {
        for (UINT modifier : modifiers) presenter.KeyDown(modifier);
        presenter.PressKey(key);
        Run();
        for (UINT modifier : modifiers) presenter.KeyUp(modifier);
        Run();
    }
    unsigned long Bells() const { return GetBellCount(); }
};

}  // namespace tabletest
