// A column resized with a long table scrolled far down: the rows in view are laid out again at the
// new width and painted where they now lie, one below the other from the top of the data area; the
// rows above the view wait to be laid out until they come into it, and then line up too.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "TableTestSupport.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"

namespace {

using namespace tabletest;

constexpr int kDeepRows = 6000;
constexpr int kDeepRow = 5000;

// A wrapped-text cell that notes where each row's cell was last painted.
class NotingCell : public WrapCell {
public:
    NotingCell(TextWrap* wrap, std::int16_t width, std::map<int, ShortRect>* painted)
        : WrapCell(wrap, width, static_cast<std::int16_t>(wrap->GetTotalHeight()), kCellSelectable, RGBColor(1),
                   RGBColor(0), 0),
          painted_(painted) {}
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override {
        (*painted_)[GetRow()->GetIndex()] = rect;
        WrapCell::DrawContent(env, column, rect);
    }

private:
    std::map<int, ShortRect>* painted_;
};

class TableDeepResizeTest : public TableTest {
protected:
    static std::string Text(int row) {
        return "Row " + std::to_string(row) + " has a few words that wrap again in a narrower column";
    }
    // The row's height with its text laid out at the cell width, measured apart from the table: the
    // text's height, or the text cell's 18 pixels beside it when more.
    std::int32_t WrappedHeight(int row, std::int16_t width) const {
        const win::HDC dc = win::CreateMeasuringDC();
        SimpleGraphEnv measuring;
        measuring.SetDC(dc);
        ShortRect margins = ShortRect::MakeLTRB(2, 2, width - 2, 0);
        const std::int32_t height = TextWrap(measuring, margins, Text(row).c_str(), font).GetTotalHeight();
        measuring.DetachDC();
        win::DeleteDC(dc);
        return std::max(height, 18);
    }
    TTable* MakeTable() {
        MakeLogFont(font, 3, 9, 0);
        TTable* table = AddTable(0);
        const win::HDC dc = win::CreateMeasuringDC();
        SimpleGraphEnv measuring;
        measuring.SetDC(dc);
        for (int r = 0; r < kDeepRows; ++r) {
            auto* row = new TRow(table, 2, kRowSelectable);
            row->AddCell(new TextCell(CellName(r, 0).c_str(), 60, 18, kCellSelectable, &font, 0, 0));
            ShortRect margins = ShortRect::MakeLTRB(2, 2, 198, 0);
            row->AddCell(new NotingCell(new TextWrap(measuring, margins, Text(r).c_str(), font), 200, &painted));
            table->AddRow(row, false);
        }
        measuring.DetachDC();
        win::DeleteDC(dc);
        table->GetColumns().SetUp(table->GetRow(0));
        return table;
    }
    bool Pending(TTable* table, int row) { return static_cast<WrapCell*>(Cell(table, row, 1))->IsRewrapPending(); }
    // The rows in view lie one below the other from the data area's top, each as tall as its text
    // at the width, and the text cells of the rows painted (every row in view, or the first ones
    // only: a scroll moves the rest) were painted where the rows lie.
    void ExpectViewLaidOutAndPainted(TTable* table, std::int16_t width, const char* when,
                                     std::int32_t mustPaint = kDeepRows) {
        std::int32_t first = 0, last = 0;
        table->GetVisibleRowRange(first, last);
        ASSERT_LT(first, last) << when;
        std::int32_t top = table->DataRect().top;
        for (std::int32_t r = first; r <= last; ++r) {
            ShortRect view;
            ASSERT_TRUE(table->GetRow(r)->GetViewRect(view)) << when << " row " << r;
            EXPECT_EQ(view.top, top) << when << " row " << r;
            EXPECT_EQ(table->GetRowHeight(r), WrappedHeight(r, width)) << when << " row " << r;
            EXPECT_EQ(Cell(table, r, 1)->GetWidth(), width) << when << " row " << r;
            const auto drawn = painted.find(r);
            if (r - first < mustPaint) {
                ASSERT_NE(drawn, painted.end()) << when << " row " << r << " was not painted";
            }
            if (drawn != painted.end()) {
                EXPECT_EQ(drawn->second.top, view.top) << when << " row " << r;
                EXPECT_EQ(drawn->second.Width(), width) << when << " row " << r;
            }
            top = view.bottom;
        }
    }

    win::LOGFONTA font{};
    std::map<int, ShortRect> painted;
};

TEST_F(TableDeepResizeTest, TheRowsInViewAreLaidOutAndPaintedAndTheRowsAboveWaitForTheirTurn) {
    TTable* table = MakeTable();
    Show();
    table->ScrollTo(kDeepRow, 0, 1);
    Run();
    ASSERT_EQ(table->GetFirstVisibleRow(), kDeepRow);
    ASSERT_EQ(table->GetRowHeight(kDeepRow), WrappedHeight(kDeepRow, 200));

    painted.clear();
    table->SetColumnWidth(1, 90, false);
    Run();
    EXPECT_EQ(table->GetFirstVisibleRow(), kDeepRow);
    EXPECT_EQ(table->GetPaintedFirstRow(), kDeepRow);
    EXPECT_GT(table->GetRowHeight(kDeepRow), WrappedHeight(kDeepRow, 200)) << "narrower, the text is taller";
    ExpectViewLaidOutAndPainted(table, 90, "after the resize");
    for (const auto& [row, rect] : painted) {
        EXPECT_GE(row, table->GetPaintedFirstRow()) << "a row above the view was painted";
        EXPECT_LE(row, table->GetPaintedLastRow()) << "a row below the view was painted";
    }
    // Rows above the view are not laid out for the resize: their text is wrapped when they are seen.
    for (const int row : {0, 10, 2500, kDeepRow - 40}) EXPECT_TRUE(Pending(table, row)) << row;

    // A second resize while the first waits for them; then the rows above come into view.
    painted.clear();
    table->SetColumnWidth(1, 110, false);
    Run();
    ExpectViewLaidOutAndPainted(table, 110, "after the second resize");
    // The row just above comes in first, then thirty more.
    painted.clear();
    table->ScrollBy(-1, 0, 1);
    Run();
    EXPECT_EQ(table->GetFirstVisibleRow(), kDeepRow - 1);
    ExpectViewLaidOutAndPainted(table, 110, "scrolled up a row", 1);
    painted.clear();
    table->ScrollBy(-29, 0, 1);
    Run();
    EXPECT_EQ(table->GetFirstVisibleRow(), kDeepRow - 30);
    ExpectViewLaidOutAndPainted(table, 110, "scrolled up", 29);
    painted.clear();
    table->ScrollTo(0, 0, 1);
    Run();
    EXPECT_EQ(table->GetRowTop(0), 0);
    ExpectViewLaidOutAndPainted(table, 110, "at the top");
}

}  // namespace
