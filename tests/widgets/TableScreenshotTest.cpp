// A table against a reference picture (data/table.png): a ruler of column headings with separators
// and a bottom line that scrolls across with the columns; rows of text cells with column rules,
// right-aligned and centred text, leader lines, a row with a double rule above it (in the rows' gaps) and one narrower
// than the data area (closed by a line, cleared to its right); a selected row and a selected cell;
// both scroll bars; scrolled down two rows.

#include <gtest/gtest.h>

#include "items/ReferencePicture.h"
#include "TableTestSupport.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemGraphEnv.h"
#include "platform/gdi/Surface.h"
#include "widgets/TableRuler.h"

namespace {

using namespace tabletest;

class HeadingRuler : public TableRuler {
public:
    using TableRuler::TableRuler;
    void MakeHeading(std::int32_t column, const LongRect& rect) override {
        static const char* const kTitles[] = {"Name", "Kind", "Notes"};
        win::LOGFONTA font;
        MakeLogFont(font, 3, 9, 1);
        AddViewObject(new TextViewObject(this, kTitles[column % 3], font, 0, 0, rect, column, 0, nullptr, nullptr));
    }
};

class TableScreenshotTest : public TableTest {};

TEST_F(TableScreenshotTest, ATableWithItsRulerRulesAndSelection) {
    TTable* table = AddTable(kTableMultipleRows);
    // Two pixels above each row's cells, where the double rule shows.
    table->SetRowGaps(2, 0);
    win::LOGFONTA font;
    MakeLogFont(font, 3, 10, 0);
    for (int r = 0; r < 14; ++r) {
        auto* row = new TRow(table, 3, kRowSelectable);
        row->AddCell(new TextCell(CellName(r, 0).c_str(), 90, 20, kCellSelectable, &font, 0, 0));
        row->AddCell(new TextCell(CellName(r, 1).c_str(), 70, 20, kCellSelectable, &font, -1, 0));
        row->AddCell(new TextCell(CellName(r, 2).c_str(), r == 7 ? 60 : 160, 20,
                                  kCellSelectable | (r == 5 ? kCellLeaderLines : 0), &font, 1, 0));
        if (r == 9) row->SetRules(2, 0);
        table->AddRow(row, false);
    }
    table->GetColumns().SetUp(table->GetRow(0));
    auto* ruler = new HeadingRuler(table->GetRow(0), 18, 0, kMarginTop | kMarginScrollsHorz,
                                   kRulerBottomLine | kRulerSeparators, RGBColor(8));
    ruler->BuildHeadings(nullptr);
    table->SetMargin(0, ruler);
    table->ComputeDataRect();
    Show();
    table->ScrollTo(2, 0, 1);
    table->SelectRow(table->GetRow(3), kRevealLeave, false);
    Run();
    // A cell selected in another table mode shows its own highlight.
    Cell(table, 6, 1)->SetHilite(table->GetGraphEnv(), 1, true);
    Run();
    itemstest::CompareWithReference(win::GetScreenSurface(), "table.png");
}

}  // namespace
