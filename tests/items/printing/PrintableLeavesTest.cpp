// The leaves: text line by line with its page breaks, tables by rows and bands of columns, lines,
// rules, frames and insets.

#include <gtest/gtest.h>

#include "PrintingTestSupport.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintableShapes.h"
#include "items/printing/PrintableTable.h"
#include "items/printing/PrintableText.h"

namespace {

using namespace printtest;

class Leaves : public ::testing::Test {
protected:
    PrintingApplication app;
    RecordingGraph graph;
    PrintingEnvironment environment{&graph};

    void SetUp() override { graph.Open(600, 800); }

    // Lines "Line 0" to "Line n-1", and the height of one.
    std::unique_ptr<PrintableText> Lines(int count, std::int32_t& lineHeight, const char* separator = "\r") {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "Line " + std::to_string(i) + (i + 1 < count ? separator : "");
        auto printable = std::make_unique<PrintableText>(&environment, text.c_str(), BodyFont());
        LongPoint size;
        std::int32_t placed = 0;
        printable->Print(LongRect{0, 0, 400, 0}, nullptr, size, placed);  // lays it out, prints nothing
        lineHeight = printable->GetWrap()->GetLineHeight(0);
        graph.drawn.clear();
        return printable;
    }
};

TEST_F(Leaves, ATextPrintsTheLinesThatFitAndGoesOnFromTheNext) {
    std::int32_t h = 0;
    auto text = Lines(10, h);
    ASSERT_GT(h, 0);
    LongPoint size;
    std::int32_t placed = 0;
    auto rest = TakeProgress<PrintableTextProgress>(
        text->Print(LongRect{0, 100, 400, 100 + 4 * h + h / 2}, nullptr, size, placed));
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest->GetLine(), 4u);
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(size, (LongPoint{400, 4 * h}));
    ASSERT_EQ(graph.drawn.size(), 4u);
    EXPECT_EQ(graph.drawn[3].text.substr(0, 6), "Line 3");

    auto none = TakeProgress<PrintableTextProgress>(
        text->Print(LongRect{0, 0, 400, h - 1}, std::move(rest), size, placed));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->GetLine(), 4u);  // nothing fitted: the same line again
    EXPECT_EQ(placed, 0);
    EXPECT_EQ(text->Print(LongRect{0, 0, 400, 6 * h}, std::move(none), size, placed), nullptr);
    EXPECT_EQ(graph.drawn.size(), 10u);
}

TEST_F(Leaves, AFormFeedEndsThePageAndTakesItsWholeHeight) {
    std::int32_t h = 0;
    auto text = Lines(3, h, "\f");
    LongPoint size;
    std::int32_t placed = 0;
    ProgressPtr rest = text->Print(LongRect{0, 0, 400, 500}, nullptr, size, placed);
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(size.y, 500);
    EXPECT_EQ(graph.drawn.size(), 1u);
}

TEST_F(Leaves, AWordWiderThanItsAreaStopsTheRunWithTheWidthError) {
    PrintableText text(&environment, "Unbreakable", BodyFont(20));
    LongPoint size;
    std::int32_t placed = 0;
    EXPECT_EQ(text.Print(LongRect{0, 0, 3, 500}, nullptr, size, placed), nullptr);
    EXPECT_EQ(environment.GetStatus(), kPrintTooNarrow);
    EXPECT_EQ(placed, 1);
}

TEST_F(Leaves, TableColumnWeightsShareTheWidth) {
    PrintableTable table(&environment, 1, 4, 4);
    const std::int16_t weights[] = {12, 12, 20, 40};
    table.SetColumnWeights(weights);
    EXPECT_EQ(table.ColumnWidth(840, 0), 120);
    EXPECT_EQ(table.ColumnWidth(840, 1), 120);
    EXPECT_EQ(table.ColumnWidth(840, 2), 200);
    EXPECT_EQ(table.ColumnWidth(840, 3), 400);
    PrintableTable plain(&environment, 1, 4, 0);
    EXPECT_EQ(plain.ColumnWidth(840, 2), 840);  // no columns per page counts as one
}

// A table of blocks: cell (column, row) is `units` high.
std::vector<std::vector<Block*>> FillTable(PrintableTable& table, PrintingEnvironment* environment,
                                           int columns, int rows, std::int32_t units, bool whole) {
    std::vector<std::vector<Block*>> cells(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto block = std::make_unique<Block>(environment, units, 0, whole);
            cells[static_cast<std::size_t>(row)].push_back(block.get());
            table.SetCell(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row),
                          std::move(block));
        }
    }
    return cells;
}

// The areas a cell was drawn into (not measured).
std::vector<LongRect> Drawn(const Block& block) {
    std::vector<LongRect> areas;
    for (const auto& call : block.calls)
        if (!call.measuring) areas.push_back(call.area);
    return areas;
}

TEST_F(Leaves, ATableWiderThanABandPrintsTheSameRowsWithTheNextColumnsThenGoesOn) {
    PrintableTable table(&environment, 0, 6, 4);
    const auto cells = FillTable(table, &environment, 6, 5, 40, true);
    EXPECT_EQ(table.GetRowCount(), 5);
    LongPoint size;
    std::int32_t placed = 0;
    const LongRect page{0, 0, 400, 130};
    ProgressPtr rest = table.Print(page, nullptr, size, placed);  // rows 0-2, columns 0-3
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(size, (LongPoint{400, 120}));
    EXPECT_EQ(Drawn(*cells[2][3]).size(), 1u);
    EXPECT_TRUE(Drawn(*cells[0][4]).empty());
    EXPECT_TRUE(Drawn(*cells[3][0]).empty());
    rest = table.Print(page, std::move(rest), size, placed);  // rows 0-2, columns 4-5
    ASSERT_NE(rest, nullptr);
    ASSERT_EQ(Drawn(*cells[0][4]).size(), 1u);
    EXPECT_EQ(Drawn(*cells[0][4])[0].left, 0);
    EXPECT_EQ(Drawn(*cells[2][5]).size(), 1u);
    EXPECT_TRUE(Drawn(*cells[3][4]).empty());
    rest = table.Print(page, std::move(rest), size, placed);  // rows 3-4, columns 0-3
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(Drawn(*cells[0][0]).size(), 1u);  // no row is repeated
    ASSERT_EQ(Drawn(*cells[3][0]).size(), 1u);
    EXPECT_EQ(Drawn(*cells[3][0])[0].top, 0);
    rest = table.Print(page, std::move(rest), size, placed);  // rows 3-4, columns 4-5
    EXPECT_EQ(rest, nullptr);
    EXPECT_EQ(Drawn(*cells[4][5]).size(), 1u);
}

TEST_F(Leaves, ATableRowThatDoesNotFinishTakesTheRestOfThePage) {
    PrintableTable table(&environment, 0, 2, 2);
    const auto cells = FillTable(table, &environment, 2, 2, 30, true);
    table.SetCell(1, 1, std::make_unique<Block>(&environment, 200));
    LongPoint size;
    std::int32_t placed = 0;
    ProgressPtr rest = table.Print(LongRect{0, 0, 200, 100}, nullptr, size, placed);
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(size.y, 100);
    rest = table.Print(LongRect{0, 0, 200, 100}, std::move(rest), size, placed);
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(Drawn(*cells[1][0]).size(), 1u);  // the finished cell is not printed again
    rest = table.Print(LongRect{0, 0, 200, 100}, std::move(rest), size, placed);
    EXPECT_EQ(rest, nullptr);
}

TEST_F(Leaves, ATableWhoseFirstRowCannotFitAnEmptyPageGivesUp) {
    PrintableTable table(&environment, 0, 1, 1);
    table.SetCell(0, 0, std::make_unique<PrintableInset>(std::make_unique<Block>(&environment, 10), 0, 500));
    LongPoint size;
    std::int32_t placed = 1;
    ProgressPtr rest = table.Print(LongRect{0, 0, 100, 100}, nullptr, size, placed);
    ASSERT_NE(rest, nullptr);  // a page with something on it: try a fresh one
    EXPECT_EQ(placed, 0);
    placed = 0;
    EXPECT_EQ(table.Print(LongRect{0, 0, 100, 100}, std::move(rest), size, placed), nullptr);
    EXPECT_EQ(placed, 0);
}

TEST_F(Leaves, AHorizontalRuleCrossesTheWholeWidthCentredInItsBand) {
    HorizontalLine rule(&environment, 10);
    LongPoint size;
    std::int32_t placed = 0;
    EXPECT_EQ(rule.Print(LongRect{20, 30, 520, 300}, nullptr, size, placed), nullptr);
    EXPECT_EQ(size, (LongPoint{500, 10}));
    EXPECT_EQ(graph.GetPenPosition(), (ShortPoint{520, 35}));
    EXPECT_EQ(placed, 1);
}

TEST_F(Leaves, ALineTallerThanThePageGoesOnWhereItWasCut) {
    PrintableLine line(&environment, 0, 0, 100, 300);
    LongPoint size;
    std::int32_t placed = 0;
    auto rest = TakeProgress<LocationProgress>(line.Print(LongRect{0, 0, 200, 120}, nullptr, size, placed));
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest->GetOffset(), (LongPoint{0, 120}));
    EXPECT_EQ(graph.GetPenPosition(), (ShortPoint{40, 120}));
    EXPECT_EQ(line.Print(LongRect{0, 500, 200, 800}, std::move(rest), size, placed), nullptr);
    EXPECT_EQ(size.y, 180);
    EXPECT_EQ(graph.GetPenPosition(), (ShortPoint{100, 680}));
}

TEST(ClipLine, KeepsThePartInsideTheWindowInEitherDirection) {
    LongPoint a{-50, 50}, b{150, 50};
    ASSERT_TRUE(ClipLine(a, b, LongRect{0, 0, 100, 100}));
    EXPECT_EQ(a, (LongPoint{0, 50}));
    EXPECT_EQ(b, (LongPoint{100, 50}));
    LongPoint c{0, 150}, d{150, 0};  // rising to the right
    ASSERT_TRUE(ClipLine(c, d, LongRect{0, 0, 100, 100}));
    EXPECT_EQ(c, (LongPoint{50, 100}));
    EXPECT_EQ(d, (LongPoint{100, 50}));
    LongPoint e{200, 0}, f{300, 50};
    EXPECT_FALSE(ClipLine(e, f, LongRect{0, 0, 100, 100}));
}

TEST_F(Leaves, AFrameWithoutAChildOutlinesItsAreaAndTakesNoRoom) {
    PrintableFrame frame(&environment, nullptr, nullptr);
    LongPoint size{9, 9};
    std::int32_t placed = 0;
    EXPECT_EQ(frame.Print(LongRect{0, 0, 100, 50}, nullptr, size, placed), nullptr);
    EXPECT_EQ(size, (LongPoint{0, 0}));
    EXPECT_EQ(placed, 1);
}

TEST_F(Leaves, AFrameAndAnInsetGrowTheirChildBySizeOfTheirMargins) {
    const LongPoint margin{5, 7};
    auto block = std::make_unique<Block>(&environment, 30, 40);
    Block* child = block.get();
    PrintableFrame frame(&environment, std::move(block), &margin);
    LongPoint size;
    std::int32_t placed = 0;
    EXPECT_EQ(frame.Print(LongRect{0, 0, 100, 100}, nullptr, size, placed), nullptr);
    EXPECT_EQ(size, (LongPoint{50, 44}));
    EXPECT_EQ(child->calls[0].area, (LongRect{5, 7, 95, 93}));

    PrintableInset inset(std::make_unique<Block>(&environment, 30, 40), 10, 3);
    EXPECT_EQ(inset.Print(LongRect{0, 0, 100, 100}, nullptr, size, placed), nullptr);
    EXPECT_EQ(size, (LongPoint{60, 36}));
}

TEST_F(Leaves, AnInsetWiderThanHalfItsAreaPrintsNothingAndEnds) {
    auto block = std::make_unique<Block>(&environment, 30);
    Block* child = block.get();
    PrintableInset inset(std::move(block), 60, 0);
    LongPoint size;
    std::int32_t placed = 1;
    EXPECT_EQ(inset.Print(LongRect{0, 0, 100, 100}, nullptr, size, placed), nullptr);
    EXPECT_TRUE(child->calls.empty());
    EXPECT_EQ(size, (LongPoint{0, 0}));
}

}  // namespace
