// Pages, banners and the report's page-start cache.

#include <gtest/gtest.h>

#include "PrintingTestSupport.h"
#include "items/printing/PrintableBanner.h"
#include "items/printing/PrintablePage.h"
#include "items/printing/TPrintableReport.h"

namespace {

using namespace printtest;

class Pages : public ::testing::Test {
protected:
    PrintingApplication app;
    RecordingGraph graph;
    PrintingEnvironment environment{&graph};

    void SetUp() override { graph.Open(600, 800); }
};

TEST_F(Pages, HeaderAndFooterGiveWayInProportionToKeepHalfThePageForTheBody) {
    PrintablePage page(&environment, std::make_unique<Block>(&environment, 600),
                       std::make_unique<Block>(&environment, 300), nullptr);
    const PrintablePage::Bands bands = page.LayoutBands(500, 1000, nullptr, nullptr);
    EXPECT_EQ(bands.header, 334);
    EXPECT_EQ(bands.footer, 166);
    EXPECT_EQ(bands.body, 500);
    const PrintablePage::Bands small = page.LayoutBands(500, 2000, nullptr, nullptr);
    EXPECT_EQ(small.header, 600);
    EXPECT_EQ(small.body, 1100);
}

TEST_F(Pages, NumberedPagesCountFromOneAndTheBannersShowTheirNumber) {
    TPrintableReport report(&environment);
    report.AddPrintable(std::make_unique<PrintablePage>(
        &environment, std::make_unique<PrintableBanner>(&environment, "Page ^P^>", BodyFont()), nullptr,
        std::make_unique<Block>(&environment, 1500)));
    std::vector<std::string> headers;
    std::uint16_t last = 0;
    for (std::int16_t p = 0; !last; ++p) {
        graph.drawn.clear();
        ASSERT_EQ(report.PreparePage(&graph, p, last), kNoErr);
        ASSERT_FALSE(graph.drawn.empty());
        headers.push_back(graph.drawn[0].text);
    }
    ASSERT_GE(headers.size(), 3u);
    for (std::size_t i = 0; i < headers.size(); ++i) EXPECT_EQ(headers[i], "Page " + std::to_string(i + 1));
}

TEST_F(Pages, APageOfAnEmptyBodyPrintsItsBannersAndEndsTheReport) {
    TPrintableReport report(&environment);
    report.AddPrintable(std::make_unique<PrintablePage>(
        &environment, std::make_unique<PrintableBanner>(&environment, "Top", BodyFont()),
        std::make_unique<PrintableBanner>(&environment, "Bottom", BodyFont()),
        std::make_unique<PrintableVertList>()));
    std::uint16_t last = 0;
    ASSERT_EQ(report.PreparePage(&graph, 0, last), kNoErr);
    EXPECT_EQ(last, 1);
    ASSERT_EQ(graph.drawn.size(), 2u);
    EXPECT_EQ(graph.drawn[0].text, "Top");
    EXPECT_EQ(graph.drawn[1].text, "Bottom");
}

TEST_F(Pages, PagesAreMeasuredOnlyWhenTheReportJumpsAhead) {
    TPrintableReport report(&environment);
    auto block = std::make_unique<Block>(&environment, 6000);
    Block* body = block.get();
    report.AddPrintable(std::move(block));
    auto measured = [&] {
        return std::count_if(body->calls.begin(), body->calls.end(),
                             [](const auto& call) { return call.measuring; });
    };
    std::uint16_t last = 0;
    for (std::int16_t p = 0; p < 3; ++p) ASSERT_EQ(report.PreparePage(&graph, p, last), kNoErr);
    EXPECT_EQ(measured(), 0);
    EXPECT_EQ(report.GetPageStartCount(), 4u);
    ASSERT_EQ(report.PreparePage(&graph, 0, last), kNoErr);
    ASSERT_EQ(report.PreparePage(&graph, 3, last), kNoErr);
    EXPECT_EQ(measured(), 2);  // pages 1 and 2
    const std::int32_t pageTwoFrom = body->calls.back().from;
    ASSERT_EQ(report.PreparePage(&graph, 1, last), kNoErr);
    EXPECT_EQ(measured(), 2);
    EXPECT_EQ(report.GetPageStartCount(), 5u);  // going back does not extend the cache
    EXPECT_LT(body->calls.back().from, pageTwoFrom);
}

class Banners : public Pages {
protected:
    PrintableBanner::Parts Split(const char* text) {
        PrintableBanner banner(&environment, text, BodyFont());
        return banner.SplitBanner();
    }
};

TEST_F(Banners, CodesSplitTheLineAndFillIt) {
    environment.SetPageNumber(3);
    EXPECT_EQ(Split("Page ^P^>"), (PrintableBanner::Parts{"", "", "Page 3"}));
    const auto parts = Split("^D^<^P^|tail");
    EXPECT_EQ(parts[1], "3");
    EXPECT_EQ(parts[2], "");
    EXPECT_NE(parts[0].find("tail"), std::string::npos);  // text left at the end goes left
    EXPECT_NE(parts[0].find(", 20"), std::string::npos) << parts[0];
    EXPECT_EQ(Split("a ^Q b ^^ c")[0], "a ^Q b ^ c");
    EXPECT_EQ(Split("trailing ^")[0], "trailing ^");
}

TEST_F(Banners, ThePageCodeNeedsRoomForItsNumber) {
    environment.SetPageNumber(12);
    const std::string fill(89, 'x');  // 10 characters of room left
    EXPECT_EQ(Split((fill + "^P").c_str())[0], fill);
    EXPECT_EQ(Split((fill.substr(1) + "^P").c_str())[0], fill.substr(1) + "12");
}

class CodeBanner : public PrintableBanner {
public:
    using PrintableBanner::PrintableBanner;
    std::size_t ExpandCode(const char* code, std::string& output, std::size_t room) override {
        if (*code != 'T') return 0;
        output = std::string("A Title").substr(0, room - 1);
        return 1;
    }
    void FinishParts(Parts& parts) override { parts[1] += "!"; }
};

TEST_F(Banners, SubclassesExpandCodesOfTheirOwn) {
    CodeBanner banner(&environment, "^T^<^X", BodyFont());
    EXPECT_EQ(banner.SplitBanner(), (PrintableBanner::Parts{"A Title^X", "!", ""}));
}

}  // namespace
