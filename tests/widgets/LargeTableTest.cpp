// A table of 10,000 rows stays responsive: rows are placed only as far as they are looked at, a
// paint draws the rows in view and no others, scrolling a long way places the rows passed once, and
// a column resize lays out the wrapped texts of rows out of view only when they come into it.

#include <gtest/gtest.h>

#include <string>

#include "TableTestSupport.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "platform/gdi/DeviceContexts.h"
#include "items/ScrollBar.h"
#include "items/TextWrap.h"

namespace {

using namespace tabletest;

constexpr int kRows = 10000;

class CountingCell : public TextCell {
public:
    CountingCell(const char* text, int* draws) : TextCell(text, 70, 18, kCellSelectable, nullptr, 0, 0), draws_(draws) {}
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override {
        ++*draws_;
        TextCell::DrawContent(env, column, rect);
    }

private:
    int* draws_;
};

class LargeTableTest : public TableTest {};

TEST_F(LargeTableTest, TenThousandRowsArePlacedAndDrawnOnlyAsFarAsTheyAreSeen) {
    TTable* table = AddTable(0);
    int draws = 0;
    for (int r = 0; r < kRows; ++r) {
        auto* row = new TRow(table, 3, kRowSelectable);
        for (int c = 0; c < 3; ++c) row->AddCell(new CountingCell(CellName(r, c).c_str(), &draws));
        ASSERT_EQ(table->AddRow(row, false), r);
    }
    table->GetColumns().SetUp(table->GetRow(0));
    EXPECT_LT(table->GetPositionedRows(), 50) << "adding rows places none of those out of view";
    Show();
    const int page = table->GetPaintedLastRow() - table->GetPaintedFirstRow() + 1;
    EXPECT_LE(draws, 3 * page * 2) << "a paint draws the cells in view";
    EXPECT_EQ(table->GetVertScrollBar()->GetMax(), kRows - table->DataRect().Height() / 18);

    table->RevealRow(table->GetRow(9000), kRevealStart, kRevealLeave);
    draws = 0;
    Run();
    EXPECT_EQ(table->GetFirstVisibleRow(), 9000);
    EXPECT_EQ(table->GetRowTop(9000), 9000 * 18);
    EXPECT_LE(draws, 3 * (page + 1)) << "only the page at row 9000";
    EXPECT_EQ(table->GetPaintedFirstRow(), 9000);

    draws = 0;
    Press(VK_NEXT);
    EXPECT_GT(table->GetFirstVisibleRow(), 9000);
    EXPECT_LE(draws, 3 * (page + 1));
    Press(VK_DOWN);
    EXPECT_EQ(Selected(*table).size(), 1u);
    table->SelectRow(table->GetRow(kRows - 1), kRevealEnd, false);
    Run();
    EXPECT_EQ(table->GetLastVisibleRow(), kRows - 1);
}

TEST_F(LargeTableTest, AColumnResizeWrapsTextOutOfViewOnlyWhenItComesIntoView) {
    TTable* table = AddTable(0);
    win::LOGFONTA font;
    MakeLogFont(font, 3, 9, 0);
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv measuring;
    measuring.SetDC(dc);
    for (int r = 0; r < kRows; ++r) {
        auto* row = new TRow(table, 2, kRowSelectable);
        row->AddCell(new TextCell(CellName(r, 0).c_str(), 60, 18, kCellSelectable, &font, 0, 0));
        // Text long enough to take more lines as its column narrows.
        const std::string text = "Row " + std::to_string(r) + " has a few words that wrap in a narrow column";
        ShortRect margins = ShortRect::MakeLTRB(2, 2, 158, 0);
        auto* wrap = new TextWrap(measuring, margins, text.c_str(), font);
        row->AddCell(new WrapCell(wrap, 160, static_cast<std::int16_t>(wrap->GetTotalHeight()), kCellSelectable,
                                  RGBColor(1), RGBColor(0), 0));
        table->AddRow(row, false);
    }
    measuring.DetachDC();
    win::DeleteDC(dc);
    table->GetColumns().SetUp(table->GetRow(0));
    Show();
    const std::int32_t before = table->GetRowHeight(5000);
    table->SetColumnWidth(1, 80, false);
    auto* far = static_cast<WrapCell*>(Cell(table, 5000, 1));
    EXPECT_TRUE(far->IsRewrapPending()) << "out of view: laid out later";
    Run();
    EXPECT_FALSE(static_cast<WrapCell*>(Cell(table, 1, 1))->IsRewrapPending()) << "in view: laid out by the paint";
    EXPECT_GT(table->GetRowHeight(1), 18);
    EXPECT_GT(table->GetRowHeight(5000), before) << "narrower, the text is taller, once asked";
    EXPECT_FALSE(far->IsRewrapPending());
    EXPECT_EQ(Cell(table, 5000, 1)->GetWidth(), 80);
}

}  // namespace
