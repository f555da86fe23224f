// Printables laid out across page breaks on a measuring context: every word of every text printed
// exactly once and in its text's order, nothing beyond the page, and the sequences' own rules.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "PrintingTestSupport.h"
#include "framework/graphics/QRVBitmap.h"
#include "items/printing/PrintProgress.h"
#include "items/printing/PrintableCollections.h"
#include "items/printing/PrintableShapes.h"
#include "items/printing/PrintableTable.h"
#include "items/printing/PrintableText.h"
#include "items/printing/TPrintableReport.h"

namespace {

using namespace printtest;

// "tNwM ..." words: text N's words numbered from 0.
std::string Words(int text, int count) {
    std::string words;
    for (int w = 0; w < count; ++w)
        words += (w ? " t" : "t") + std::to_string(text) + "w" + std::to_string(w);
    return words;
}

class Pagination : public ::testing::Test {
protected:
    PrintingApplication app;
    RecordingGraph graph;
    PrintingEnvironment environment{&graph};
    ShortRect page;

    void SetUp() override {
        ASSERT_EQ(app.record.GetPageRect(page), kNoErr);
        graph.Open(page.Width(), page.Height());
    }

    PrintablePtr Text(int text, int words) {
        return std::make_unique<PrintableText>(&environment, Words(text, words).c_str(), BodyFont());
    }

    // Prepares every page of the report; the runs drawn on each.
    std::vector<std::vector<DrawnText>> PrintAll(TPrintableReport& report) {
        std::vector<std::vector<DrawnText>> pages;
        std::uint16_t last = 0;
        for (std::int16_t p = 0; !last && p < 200; ++p) {
            graph.drawn.clear();
            EXPECT_EQ(report.PreparePage(&graph, p, last), kNoErr);
            pages.push_back(graph.drawn);
        }
        EXPECT_EQ(last, 1) << "the report never ended";
        return pages;
    }
};

TEST_F(Pagination, EveryWordOfTextsTablesFramesInsetsAndColumnsPrintsOnceInOrderWithinThePage) {
    TPrintableReport report(&environment);
    const std::map<int, int> texts{{0, 400}, {1, 900}, {2, 300}, {3, 250},
                                   {4, 700}, {5, 500}, {6, 350}, {7, 200}};
    report.AddPrintable(Text(0, 400));
    auto table = std::make_unique<PrintableTable>(&environment, 0, 3, 2);
    for (int cell = 0; cell < 9; ++cell)
        table->SetCell(static_cast<std::int16_t>(cell % 3), static_cast<std::int16_t>(cell / 3),
                       Text(100 + cell, 60 + 40 * cell));
    report.AddPrintable(std::move(table));
    report.AddPrintable(std::make_unique<HorizontalLine>(&environment, 10));
    report.AddPrintable(std::make_unique<PrintableMultiColumnSequence>(Text(1, 900), 2));
    const LongPoint margin{6, 6};
    report.AddPrintable(std::make_unique<PrintableFrame>(&environment, Text(2, 300), &margin));
    report.AddPrintable(std::make_unique<PrintableInset>(Text(3, 250), 40, 10));
    auto columns = std::make_unique<PrintableHorzList>(2);
    columns->Add(Text(4, 700));
    columns->Add(Text(5, 500));
    report.AddPrintable(std::move(columns));
    auto vertical = std::make_unique<PrintableVertList>();
    vertical->Add(Text(6, 350));
    vertical->Add(Text(7, 200));
    report.AddPrintable(std::move(vertical));

    std::map<std::string, int> seen;
    std::map<int, int> nextWord;
    const auto pages = PrintAll(report);
    EXPECT_GT(pages.size(), 8u);
    for (const auto& runs : pages) {
        for (const DrawnText& run : runs) {
            EXPECT_GT(run.y, page.top);
            EXPECT_LE(run.y, page.bottom);
            std::istringstream words(run.text);
            for (std::string word; words >> word;) {
                ++seen[word];
                const int text = std::stoi(word.substr(1));
                const int number = std::stoi(word.substr(word.find('w') + 1));
                EXPECT_EQ(number, nextWord[text]) << word << " out of order";
                nextWord[text] = number + 1;
            }
        }
    }
    for (const auto& [text, count] : texts) EXPECT_EQ(nextWord[text], count) << "text " << text;
    for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(nextWord[100 + cell], 60 + 40 * cell) << "cell " << cell;
    for (const auto& [word, count] : seen) EXPECT_EQ(count, 1) << word;
}

TEST_F(Pagination, AReportOfAChildThatNeverFitsEnds) {
    TPrintableReport report(&environment);
    report.AddPrintable(std::make_unique<Block>(&environment, 5));
    auto tooWide = std::make_unique<PrintableTable>(&environment, 1, 1, 1);
    tooWide->SetCell(0, 0,
                     std::make_unique<PrintableInset>(std::make_unique<Block>(&environment, 10), 0, 2000));
    report.AddPrintable(std::move(tooWide));
    report.AddPrintable(std::make_unique<Block>(&environment, 7));
    const auto pages = PrintAll(report);
    EXPECT_LE(pages.size(), 2u);
}

TEST_F(Pagination, AnEmptyVerticalListPlacesNothing) {
    PrintableVertList list;
    LongPoint size{5, 5};
    std::int32_t placed = 1;
    EXPECT_EQ(list.Print(LongRect{0, 0, 100, 100}, nullptr, size, placed), nullptr);
    EXPECT_EQ(size, (LongPoint{0, 0}));
    EXPECT_EQ(placed, 0);
}

TEST_F(Pagination, AVerticalSequenceWithNoHeightKeepsItsPlace) {
    PrintableVertList list;
    auto block = std::make_unique<Block>(&environment, 30);
    Block* first = block.get();
    list.Add(std::move(block));
    list.Add(std::make_unique<Block>(&environment, 10));
    LongPoint size;
    std::int32_t placed = 0;
    ProgressPtr rest = list.Print(LongRect{0, 0, 100, 20}, nullptr, size, placed);
    ASSERT_NE(rest, nullptr);
    rest = list.Print(LongRect{0, 50, 100, 50}, std::move(rest), size, placed);
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(placed, 0);
    rest = list.Print(LongRect{0, 0, 100, 100}, std::move(rest), size, placed);
    EXPECT_EQ(rest, nullptr);
    ASSERT_EQ(first->calls.size(), 2u);
    EXPECT_EQ(first->calls[1].from, 20);  // the same child, from where it stopped
    EXPECT_EQ(size.y, 20);
}

TEST_F(Pagination, HorizontalListsShareTheWidthByTheirColumnCount) {
    for (const auto& [count, width] : std::vector<std::pair<std::int16_t, std::int32_t>>{{3, 33}, {0, 1}}) {
        PrintableHorzList list(count);
        std::vector<Block*> blocks;
        for (int i = 0; i < 3; ++i) {
            auto block = std::make_unique<Block>(&environment, 5);
            blocks.push_back(block.get());
            list.Add(std::move(block));
        }
        LongPoint size;
        std::int32_t placed = 0;
        EXPECT_EQ(list.Print(LongRect{10, 0, 110, 50}, nullptr, size, placed), nullptr);
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(blocks[i]->calls.size(), 1u);
            EXPECT_EQ(blocks[i]->calls[0].area.left, 10 + i * width);
            EXPECT_EQ(Width(blocks[i]->calls[0].area), width);
        }
        EXPECT_EQ(size.x, 3 * width);
    }
}

TEST_F(Pagination, AHorizontalListGoesOnWithItsUnfinishedColumnsOnly) {
    PrintableHorzList list(2);
    auto shortBlock = std::make_unique<Block>(&environment, 10);
    auto longBlock = std::make_unique<Block>(&environment, 50);
    Block* a = shortBlock.get();
    Block* b = longBlock.get();
    list.Add(std::move(shortBlock));
    list.Add(std::move(longBlock));
    LongPoint size;
    std::int32_t placed = 0;
    ProgressPtr rest = list.Print(LongRect{0, 0, 100, 30}, nullptr, size, placed);
    ASSERT_NE(rest, nullptr);
    rest = list.Print(LongRect{0, 0, 100, 30}, std::move(rest), size, placed);
    EXPECT_EQ(rest, nullptr);
    EXPECT_EQ(a->calls.size(), 1u);
    ASSERT_EQ(b->calls.size(), 2u);
    EXPECT_EQ(b->calls[1].area.left, 50);  // the finished first column keeps its width
    EXPECT_EQ(b->calls[1].from, 30);
}

TEST_F(Pagination, AMultiColumnSequenceFlowsItsChildThroughTheColumns) {
    auto block = std::make_unique<Block>(&environment, 250);
    Block* child = block.get();
    PrintableMultiColumnSequence columns(std::move(block), 2);
    LongPoint size;
    std::int32_t placed = 0;
    ProgressPtr rest = columns.Print(LongRect{0, 0, 200, 100}, nullptr, size, placed);
    ASSERT_NE(rest, nullptr);
    rest = columns.Print(LongRect{0, 0, 200, 100}, std::move(rest), size, placed);
    EXPECT_EQ(rest, nullptr);
    ASSERT_EQ(child->calls.size(), 3u);  // both columns of page 1, the first of page 2
    EXPECT_EQ(child->calls[0].area.left, 0);
    EXPECT_EQ(child->calls[1].area.left, 100);
    EXPECT_EQ(child->calls[1].from, 100);
    EXPECT_EQ(child->calls[2].area.left, 0);
    EXPECT_EQ(child->calls[2].printed, 50);
    EXPECT_EQ(size.y, 50);
}

TEST_F(Pagination, AMultiColumnSequenceOfNoColumnsHasOne) {
    PrintableMultiColumnSequence columns(std::make_unique<Block>(&environment, 10), 0);
    EXPECT_EQ(columns.GetColumnWidth(300, nullptr), 300);
}

TEST_F(Pagination, ClonedProgressGoesOnWhereTheOriginalWould) {
    PrintableVertList list;
    list.Add(std::make_unique<Block>(&environment, 70));
    LongPoint size;
    std::int32_t placed = 0;
    ProgressPtr rest = list.Print(LongRect{0, 0, 100, 30}, nullptr, size, placed);
    ProgressPtr copy = rest->Clone();
    rest = list.Print(LongRect{0, 0, 100, 30}, std::move(rest), size, placed);
    LongPoint copySize;
    copy = list.Print(LongRect{0, 0, 100, 30}, std::move(copy), copySize, placed);
    EXPECT_EQ(copySize, size);
    EXPECT_NE(copy, nullptr);
}

TEST_F(Pagination, MeasuringInsideMeasuringOpensTheMeasuringGraphOnce) {
    const int bitmaps = QRVBitmap::LiveCount();
    {
        const MeasuringScope outer(environment);
        EXPECT_EQ(environment.GetGraph(), &environment.GetMeasuringGraph());
        EXPECT_EQ(QRVBitmap::LiveCount(), bitmaps + 1);
        {
            const MeasuringScope inner(environment);
            EXPECT_EQ(QRVBitmap::LiveCount(), bitmaps + 1);
        }
        EXPECT_TRUE(environment.GetMeasuringGraph().IsOpen());
    }
    EXPECT_FALSE(environment.GetMeasuringGraph().IsOpen());
    EXPECT_EQ(environment.GetGraph(), &graph);
}

}  // namespace
