// The printable report classes on a measuring context: the banner's own codes (author, story title,
// report title, in either case) with the story's escaped characters decoded, and what the writer
// typed into the banner printed as typed; and reports of several
// pages each laid out one after the other, every word once, in order and within its page, under
// headers that name each page's report and footers whose page numbers go on from report to report,
// and start again with each run.

#include <map>
#include <sstream>
#include <string>

#include "ReportTestSupport.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/PrintingTestSupport.h"
#include "reports/FablecoreBanner.h"
#include "reports/FablecorePage.h"
#include "reports/FablecoreReport.h"

namespace {

using namespace reporttest;
using printtest::DrawnText;

class PrintableReport : public ReportTest {
protected:
    printtest::PrintingApplication app;
    printtest::RecordingGraph graph;
    PrintingEnvironment environment{&graph};
    ShortRect page;
    const win::LOGFONTA font = printtest::BodyFont();

    void SetUp() override {
        ReportTest::SetUp();
        ASSERT_EQ(app.record.GetPageRect(page), kNoErr);
        graph.Open(page.Width(), page.Height());
    }

    FablecoreBanner::Parts Split(const char* pattern, const char* title = "Plot Dynamics") {
        FablecoreBanner banner(&environment, pattern, font, story.get(), title);
        return banner.SplitBanner();
    }

    // "rNwM" words: report N's words numbered from 0.
    static std::string Words(int report, int count) {
        std::string words;
        for (int w = 0; w < count; ++w)
            words += (w ? " r" : "r") + std::to_string(report) + "w" + std::to_string(w);
        return words;
    }

    // A report of the given reports, each of that many words under its title "Report N".
    std::unique_ptr<FablecoreReport> MakeReport(const std::vector<int>& wordCounts) {
        auto report = std::make_unique<FablecoreReport>(&environment, page);
        for (std::size_t r = 0; r < wordCounts.size(); ++r) {
            const std::string title = "Report " + std::to_string(r);
            report->AddPage(std::make_unique<FablecorePage>(
                &environment,
                std::make_unique<PrintableText>(&environment,
                                                Words(static_cast<int>(r), wordCounts[r]).c_str(), font),
                story.get(), font, title.c_str()));
        }
        return report;
    }

    // Prepares the page; the runs drawn on it.
    std::vector<DrawnText> PreparePage(FablecoreReport& report, std::int16_t number, std::uint16_t& last) {
        graph.drawn.clear();
        EXPECT_EQ(report.PreparePage(&graph, number, last), kNoErr);
        return graph.drawn;
    }
    std::vector<std::vector<DrawnText>> PrintAll(FablecoreReport& report) {
        std::vector<std::vector<DrawnText>> pages;
        std::uint16_t last = 0;
        for (std::int16_t p = 0; !last && p < 100; ++p) pages.push_back(PreparePage(report, p, last));
        EXPECT_EQ(last, 1) << "the report never ended";
        return pages;
    }
    static bool Drew(const std::vector<DrawnText>& runs, const std::string& text) {
        for (const DrawnText& run : runs)
            if (run.text == text) return true;
        return false;
    }
};

TEST_F(PrintableReport, TheBannerPrintsTheStoryTitleTheReportTitleAndTheAuthor) {
    story->GetInfoRecord().SetEntry("Title", kPTextText, StoredText("The {Long} Way").c_str());
    story->GetInfoRecord().SetEntry("Author", kPTextText, "A. Writer");
    const FablecoreBanner::Parts header = Split("^T^<^R^>");
    EXPECT_EQ(header[0], "The {Long} Way");
    EXPECT_EQ(header[1], "");
    EXPECT_EQ(header[2], "Plot Dynamics");
    EXPECT_EQ(Split("by ^a, ^t: ^r")[0], "by A. Writer, The {Long} Way: Plot Dynamics");
    // A letter that is no code of the banner prints as it stands.
    EXPECT_EQ(Split("^Q^R")[0], "^QPlot Dynamics");
}

// The escape byte (a degree sign) and a code after it are only an escape in the story's texts: typed
// into the pattern, or in the report's title, they print as they are.
TEST_F(PrintableReport, WhatTheWriterTypedIntoTheBannerPrintsAsTyped) {
    const std::string degrees = "20\xB0" "1";
    story->GetInfoRecord().SetEntry("Title", kPTextText, StoredText("Oven at " + degrees).c_str());
    EXPECT_EQ(Split(("Draft " + degrees + " ^T").c_str())[0], "Draft " + degrees + " Oven at " + degrees);
    EXPECT_EQ(Split("^R", degrees.c_str())[0], degrees);
}

TEST_F(PrintableReport, AStoryWithoutTitleOrAuthorPrintsNothingForThem) {
    EXPECT_EQ(Split("[^T][^A]")[0], "[][]");
    FablecoreBanner storyless(&environment, "[^T]^R", font, nullptr, "Plot");
    EXPECT_EQ(storyless.SplitBanner()[0], "[]Plot");
}

TEST_F(PrintableReport, EveryWordPrintsOnceInOrderWithinThePageUnderItsReportsHeader) {
    const std::vector<int> counts = {1500, 60, 2500};
    const std::unique_ptr<FablecoreReport> report = MakeReport(counts);
    EXPECT_EQ(report->GetPageCount(), 3u);
    const auto pages = PrintAll(*report);
    ASSERT_GE(pages.size(), 5u);
    std::map<int, int> next;  // the next word expected of each report
    int lastReport = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::set<int> reportsOnPage;
        for (const DrawnText& run : pages[p]) {
            EXPECT_GE(run.x, 0);
            EXPECT_LE(run.y, page.Height()) << run.text;
            std::istringstream words(run.text);
            for (std::string word; words >> word;) {
                int report = 0, number = 0;
                if (std::sscanf(word.c_str(), "r%dw%d", &report, &number) != 2) continue;
                EXPECT_EQ(number, next[report]) << "page " << p << " " << word;
                next[report] = number + 1;
                EXPECT_GE(report, lastReport);
                lastReport = report;
                reportsOnPage.insert(report);
            }
        }
        // Each report begins on a page of its own, under its own title.
        ASSERT_EQ(reportsOnPage.size(), 1u) << "page " << p;
        EXPECT_TRUE(Drew(pages[p], "Report " + std::to_string(*reportsOnPage.begin()))) << "page " << p;
    }
    for (int r = 0; r < 3; ++r) EXPECT_EQ(next[r], counts[static_cast<std::size_t>(r)]) << r;
}

TEST_F(PrintableReport, PageNumbersGoOnFromReportToReportAndStartAgainWithEachRun) {
    const std::unique_ptr<FablecoreReport> report = MakeReport({1500, 60, 2500});
    const auto pages = PrintAll(*report);
    for (std::size_t p = 0; p < pages.size(); ++p)
        EXPECT_TRUE(Drew(pages[p], "- " + std::to_string(p + 1) + " -")) << "page " << p;
    // A second run, and going back to a page laid out before, give the same numbers.
    std::uint16_t last = 0;
    EXPECT_TRUE(Drew(PreparePage(*report, 0, last), "- 1 -"));
    const std::int16_t end = static_cast<std::int16_t>(pages.size() - 1);
    EXPECT_TRUE(Drew(PreparePage(*report, end, last), "- " + std::to_string(end + 1) + " -"));
    EXPECT_EQ(last, 1);
    EXPECT_TRUE(Drew(PreparePage(*report, 2, last), "- 3 -"));
    EXPECT_TRUE(Drew(PreparePage(*report, 1, last), "- 2 -"));
}

TEST_F(PrintableReport, ABodySetOffFromTheBannersByTenPoints) {
    const std::unique_ptr<FablecoreReport> report = MakeReport({20});
    std::uint16_t last = 0;
    const std::vector<DrawnText> runs = PreparePage(*report, 0, last);
    ASSERT_GE(runs.size(), 3u);
    int headerBottom = 0, bodyTop = page.Height();
    for (const DrawnText& run : runs) {
        if (run.text == "Report 0") headerBottom = std::max(headerBottom, run.y);
        if (StartsWith(run.text, "r0w0")) bodyTop = std::min(bodyTop, run.y);
    }
    // One line of the header, then the inset: the body's first baseline lies at least ten points
    // below the header's.
    EXPECT_GE(bodyTop - headerBottom, 10) << headerBottom << " " << bodyTop;
}

TEST_F(PrintableReport, TheAbortFlagIsTheEnvironments) {
    const std::unique_ptr<FablecoreReport> report = MakeReport({10});
    EXPECT_EQ(report->IsAborted(), 0);
    environment.SetStatus(-12);
    EXPECT_EQ(report->IsAborted(), -12);
}

}  // namespace
