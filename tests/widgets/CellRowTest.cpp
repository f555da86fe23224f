// Cells and rows laid out: sizes, lazy places, measuring, the cell under a point, clones, and wrapped
// text cells.

#include <gtest/gtest.h>

#include <memory>

#include "TableTestSupport.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"

namespace {

using tabletest::MakeTextRow;

class CellRowTest : public ::testing::Test {
protected:
    CellRowTest() : table_(nullptr, 0, 0, nullptr, 0, RGBColor(0)) {}
    TTable table_;
};

TEST_F(CellRowTest, ANewCellHasNoPlaceUntilAddedAndLaidOut) {
    auto* cell = new TCell(30, 12, kCellSelectable);
    EXPECT_EQ(cell->GetColumn(), -1);
    EXPECT_EQ(cell->GetBounds(), (LongRect{0, 0, 30, 12}));
    TRow row(&table_, 2, 0);
    row.AddCell(new TCell(50, 12, 0));
    EXPECT_EQ(row.AddCell(cell), 1);
    EXPECT_EQ(cell->GetColumn(), 1);
    EXPECT_EQ(cell->GetBounds(), (LongRect{50, 0, 80, 12}));
}

TEST_F(CellRowTest, TheRowIsAsTallAsItsTallestCellAndSoIsEveryCell) {
    TRow row(&table_, 3, 0);
    row.AddCell(new TCell(10, 14, 0));
    row.AddCell(new TCell(10, 20, 0));
    EXPECT_EQ(row.GetHeight(), 20);
    // Added after the row was measured at its height, the shorter cell still takes the row's.
    row.AddCell(new TCell(10, 16, 0));
    EXPECT_EQ(row.Measure(), (ShortPoint{30, 20}));
    for (int c = 0; c < 3; ++c) {
        const LongRect& bounds = row.GetCell(c)->GetBounds();
        EXPECT_EQ(bounds.bottom - bounds.top, 20) << c;
    }
}

TEST_F(CellRowTest, SettingTheSameWidthIsNoChange) {
    TRow row(&table_, 2, 0);
    row.AddCell(new TCell(40, 10, 0));
    TCell* second = row.GetCell(row.AddCell(new TCell(20, 10, 0)));
    row.Measure();
    EXPECT_FALSE(row.GetCell(0)->SetWidth(40));
    EXPECT_TRUE(row.IsMeasured()) << "no new measuring asked for";
    EXPECT_TRUE(row.GetCell(0)->SetWidth(55));
    EXPECT_FALSE(row.IsMeasured());
    EXPECT_EQ(second->GetBounds().left, 55) << "the next cell moves over";
}

TEST_F(CellRowTest, DeletingACellMovesOnlyTheCellsAfterIt) {
    TRow row(&table_, 4, 0);
    for (int w : {10, 20, 30, 40}) row.AddCell(new TCell(static_cast<std::int16_t>(w), 10, 0));
    TCell* third = row.GetCell(2);
    TCell* fourth = row.GetCell(3);
    EXPECT_EQ(fourth->GetBounds().left, 60);
    EXPECT_TRUE(row.DeleteCell(3));
    EXPECT_TRUE(third->IsPositioned()) << "deleting the last cell leaves the others in place";
    EXPECT_EQ(third->GetBounds().left, 30);
    EXPECT_TRUE(row.DeleteCell(1));
    EXPECT_EQ(third->GetColumn(), 1);
    EXPECT_EQ(third->GetBounds().left, 10);
    EXPECT_EQ(row.Measure(), (ShortPoint{40, 10}));
    EXPECT_FALSE(row.DeleteCell(5));
}

TEST_F(CellRowTest, FindsTheCellUnderAPoint) {
    TRow row(&table_, 3, 0);
    TCell* cell = nullptr;
    EXPECT_FALSE(row.FindCellAt(LongPoint{0, 0}, cell)) << "a row without cells has none, even at x 0";
    EXPECT_EQ(cell, nullptr);
    for (int w : {0, 30, 40}) row.AddCell(new TCell(static_cast<std::int16_t>(w), 10, 0));
    ASSERT_TRUE(row.FindCellAt(LongPoint{0, 5}, cell));
    EXPECT_EQ(cell->GetColumn(), 0) << "x 0 gives the first cell, though it is zero wide";
    ASSERT_TRUE(row.FindCellAt(LongPoint{29, 5}, cell));
    EXPECT_EQ(cell->GetColumn(), 1);
    ASSERT_TRUE(row.FindCellAt(LongPoint{30, 9}, cell));
    EXPECT_EQ(cell->GetColumn(), 2) << "a cell's left edge is inside it";
    EXPECT_FALSE(row.FindCellAt(LongPoint{70, 5}, cell)) << "its right edge is not";
    EXPECT_FALSE(row.FindCellAt(LongPoint{35, 10}, cell)) << "nor its bottom";
}

TEST_F(CellRowTest, ACloneHoldsClonesOfTheCells) {
    TRow row(&table_, 2, kRowSelectable);
    row.AddCell(new TextCell("first", 40, 12, kCellSelectable, nullptr, 0, 0));
    row.AddCell(new TCell(20, 12, 0));
    row.SetRules(1, 2);
    std::unique_ptr<TRow> copy(row.Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetIndex(), -1);
    EXPECT_EQ(copy->GetRuleAbove(), 1);
    EXPECT_EQ(copy->GetRuleBelow(), 2);
    ASSERT_EQ(copy->GetCellCount(), 2);
    EXPECT_NE(copy->GetCell(0), row.GetCell(0));
    EXPECT_EQ(copy->GetCell(0)->GetRow(), copy.get());
    EXPECT_EQ(tabletest::TextOf(copy->GetCell(0)), "first");
    EXPECT_EQ(copy->GetCell(1)->GetBounds().left, 40);
}

TEST_F(CellRowTest, RowsArePlacedLazilyOneUnderTheOther) {
    for (int r = 0; r < 6; ++r) table_.AppendRowQuietly(MakeTextRow(&table_, r, {10}, 10 + r));
    EXPECT_EQ(table_.GetPositionedRows(), 0) << "appending places nothing";
    EXPECT_EQ(table_.GetRowTop(3), 10 + 11 + 12);
    EXPECT_EQ(table_.GetPositionedRows(), 4);
    EXPECT_EQ(table_.GetRowTop(0), 0);
    EXPECT_EQ(table_.GetRowTop(-1), 0);
    // A taller cell in row 1 moves the rows below it.
    table_.GetRow(1)->GetCell(0)->SetHeight(30);
    EXPECT_EQ(table_.GetRowTop(3), 10 + 30 + 12);
    EXPECT_EQ(table_.GetRow(3)->GetCell(0)->GetBounds().top, 52) << "the cell sits where its row does";
    table_.DeleteRowAt(0, false, false);
    EXPECT_EQ(table_.GetRowTop(2), 30 + 12);
    EXPECT_EQ(table_.GetRow(2)->GetIndex(), 2);
}

TEST_F(CellRowTest, TextLinesUpByItsAlignment) {
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv env;
    env.SetDC(dc);
    win::LOGFONTA font;
    MakeLogFont(font, 3, 12, 0);
    env.SetFontIndirect(font);
    const ShortRect rect = ShortRect::MakeLTRB(100, 50, 160, 70);
    TextCell left("Wide enough to overflow", 60, 20, 0, &font, 0, -1);
    TextCell right("Wide enough to overflow", 60, 20, 0, &font, -1, 1);
    TextCell centred("Wide enough to overflow", 60, 20, 0, &font, 1, 0);
    for (TextCell* cell : {&left, &right, &centred}) cell->MeasureText(env);
    const int width = env.StringWidth("Wide enough to overflow");
    win::TEXTMETRICA metrics;
    env.GetTextMetrics(metrics);
    EXPECT_EQ(left.TextOrigin(rect).x, 104);
    EXPECT_EQ(left.TextOrigin(rect).y, 50 + GetFontLeading(metrics) + GetFontAscent(metrics));
    EXPECT_EQ(right.TextOrigin(rect).x, 160 - width - 4);
    EXPECT_EQ(right.TextOrigin(rect).y, 70 - (GetFontDescent(metrics) + GetFontLeading(metrics)));
    EXPECT_EQ(centred.TextOrigin(rect).x, 100 + 30 - width / 2);
    EXPECT_LT(centred.TextOrigin(rect).x, rect.left) << "wider than the cell, it starts left of it";
    EXPECT_EQ(centred.TextOrigin(rect).y, 50 + 20 / 2 - 1 + GetFontAscent(metrics) / 2);
    left.SetInsets(2, 6, 0, 0);
    EXPECT_EQ(left.TextOrigin(rect).x, 110);
    env.DetachDC();
    win::DeleteDC(dc);
}

// A wrap that counts its own deletion.
class CountedWrap : public TextWrap {
public:
    CountedWrap(TGraphEnv& env, ShortRect& rect, int* deleted)
        : TextWrap(env, rect, "A few words that wrap over more than one line of a narrow cell.", Font()),
          deleted_(deleted) {}
    ~CountedWrap() override { ++*deleted_; }
    static win::LOGFONTA Font() {
        win::LOGFONTA font;
        MakeLogFont(font, 3, 12, 0);
        return font;
    }

private:
    int* deleted_;
};

class TallWrapCell : public WrapCell {
public:
    using WrapCell::WrapCell;
    std::int16_t GetExtraHeight() const override { return 20; }
};

TEST_F(CellRowTest, WrappedTextCellsTakeTheirTextsHeight) {
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv env;
    env.SetDC(dc);
    TallWrapCell empty(nullptr, 100, 5, 0, RGBColor(1), RGBColor(0), 0);
    empty.Resize(&env, 120, 99);
    EXPECT_EQ(empty.GetHeight(), 20) << "without a text only the extra height";
    EXPECT_EQ(empty.GetWidth(), 120);

    int deleted = 0;
    ShortRect margins = ShortRect::MakeLTRB(2, 0, 98, 0);
    auto* first = new CountedWrap(env, margins, &deleted);
    WrapCell cell(first, 100, 5, 0, RGBColor(1), RGBColor(0), 0);
    cell.Resize(&env, 100, 0);
    const std::int16_t wide = cell.GetHeight();
    EXPECT_EQ(wide, first->GetTotalHeight());
    cell.Resize(&env, 50, 0);
    EXPECT_GT(cell.GetHeight(), wide) << "narrower, the text takes more lines";
    ShortRect again = ShortRect::MakeLTRB(2, 0, 48, 0);
    cell.SetWrap(new CountedWrap(env, again, &deleted));
    EXPECT_EQ(deleted, 1) << "the cell owns its wrap: a replaced one is deleted";
    env.DetachDC();
    win::DeleteDC(dc);
}

}  // namespace
