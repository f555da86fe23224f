// Print jobs of a 30-page report to the PDF file printer, read back with poppler's tools: the page
// count, each page's text in order, the paper and the margins, page 1's pixels against a reference
// picture (data/printed-report.png, made with FABLECORE_WRITE_REFERENCE=1 and checked by eye);
// the print dialog's page range and copies (collated by the program); cancelling mid-job.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "foundation/ObjectFactory.h"
#include "framework/ApplicationFixture.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TDoc.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemClasses.h"
#include "items/ReferencePicture.h"
#include "items/printing/PdfReading.h"
#include "items/printing/PrintAbortDlog.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintableBanner.h"
#include "items/printing/PrintablePage.h"
#include "items/printing/PrintableText.h"
#include "items/printing/Printing.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/TPrintableReport.h"
#include "platform/gdi/Printers.h"
#include "platform/gdi/Surface.h"
#include "platform/sys/ChildProcess.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Dialogs.h"

namespace {

using namespace win;

using printtest::PageLines;
using printtest::Tool;

// A report of 30 sections, each on a page of its own under a header "Story Notes" and "Page N".
class SectionReport : public TPrintableReport {
public:
    explicit SectionReport(PrintingEnvironment* environment) : TPrintableReport(environment) {
        LOGFONTA font;
        MakeLogFont(font, 2, 12, 0);
        auto body = std::make_unique<PrintableVertList>();
        for (int section = 1; section <= 30; ++section) {
            const std::string text =
                "Section " + std::to_string(section) +
                "\rThe scenes of this part follow the story's throughline as it turns.\f";
            body->Add(std::make_unique<PrintableText>(environment, text.c_str(), font));
        }
        AddPrintable(std::make_unique<PrintablePage>(
            environment, std::make_unique<PrintableBanner>(environment, "Story Notes^<Page ^P^>", font),
            nullptr, std::move(body)));
    }

    ErrCode PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) override {
        if (PrintAbortDlog* dialog = Printing::GetProgressDialog()) {
            char status[200] = "none";
            if (auto* text = dynamic_cast<ITextItem*>(dialog->GetItem(PrintAbortDlog::kStatusItem)))
                text->CopyText(status, sizeof status);
            statuses.push_back(status);
        }
        if (onPage) onPage(page);
        return TPrintableReport::PreparePage(graph, page, last);
    }

    std::vector<std::string> statuses;
    std::function<void(std::int16_t)> onPage;
};

class PrintJob : public apptest::ApplicationTest {
protected:
    PrintRecord record;
    std::string pdf;
    PrintFileChooser previousChooser;

    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        ApplicationTest::SetUp();
        application->SetPrintRecord(&record);
        record.SetDocName("Story Notes");
        pdf = folder / "notes.pdf";
        previousChooser =
            SetPrintFileChooser([this](const std::string&) { return std::optional<std::string>(pdf); });
    }
    void TearDown() override {
        SetPrintFileChooser(previousChooser);
        application->SetPrintRecord(nullptr);
        ApplicationTest::TearDown();
    }

    // Prints with the print dialog answered by the choices.
    ErrCode PrintWith(SectionReport& report, const std::string& choices) {
        presenter.ScriptPromptAnswer("PrintDlg", PromptAnswer{IDOK, choices});
        return report.PrintReport();
    }
    bool AlertShown() const {
        for (const PromptRequest& prompt : presenter.PromptsAsked())
            if (prompt.kind == "MessageBox") return true;
        return false;
    }
};

TEST_F(PrintJob, AThirtyPageReportPrintsEveryPageInOrderOnLetterPaperWithinItsMargins) {
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    ASSERT_EQ(PrintWith(report, "pages=all\ncopies=1"), kNoErr);
    const std::string info = Tool({"pdfinfo", pdf});
    EXPECT_NE(info.find("Pages:           30"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;
    for (int page = 1; page <= 30; ++page) {
        const std::vector<std::string> lines = PageLines(pdf, page);
        // The header's left part, the section, and the header's right part drawn after it.
        const std::vector<std::string> expected{
            "Story Notes", "Section " + std::to_string(page),
            "The scenes of this part follow the story's throughline as it turns.",
            "Page " + std::to_string(page)};
        EXPECT_EQ(lines, expected);
    }
    EXPECT_EQ(report.statuses.front(), "Now Printing Story Notes : Page 1");
    EXPECT_EQ(report.statuses.back(), "Now Printing Story Notes : Page 30");

    // Page 1 at one pixel a point: the ink starts an inch in from the paper's corner.
    const std::string prefix = folder / "page";
    Tool({"pdftoppm", "-r", "72", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, prefix});
    const std::unique_ptr<Surface> page = Surface::ReadPng(prefix + ".png");
    ASSERT_NE(page, nullptr);
    int left = page->Width(), top = page->Height();
    for (int y = 0; y < page->Height(); ++y)
        for (int x = 0; x < page->Width(); ++x)
            if ((page->GetPixel(x, y) & 0xFF) < 128) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_NEAR(left, 72, 2);
    EXPECT_NEAR(top, 72, 4);
    itemstest::CompareWithReference(*page, "printed-report.png");
}

TEST_F(PrintJob, APageRangeAndCopiesPrintTheRangeCopyAfterCopy) {
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    ASSERT_EQ(PrintWith(report, "pages=3-4\ncopies=2"), kNoErr);
    EXPECT_NE(Tool({"pdfinfo", pdf}).find("Pages:           4"), std::string::npos);
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(PageLines(pdf, page)[1], "Section " + std::to_string(3 + (page - 1) % 2));
    // Every page laid out is counted, from the first; the second copy says so.
    const std::vector<std::string> expected{
        "Now Printing Story Notes : Page 1",         "Now Printing Story Notes : Page 2",
        "Now Printing Story Notes : Page 3",         "Now Printing Story Notes : Page 4",
        "Now Printing Story Notes : Page 1, Copy 2", "Now Printing Story Notes : Page 2, Copy 2",
        "Now Printing Story Notes : Page 3, Copy 2", "Now Printing Story Notes : Page 4, Copy 2"};
    EXPECT_EQ(report.statuses, expected);
}

TEST_F(PrintJob, ARangePastTheLastPagePrintsNothingAndSaysSo) {
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    std::ofstream(pdf) << "the earlier printout";
    // The report has 30 pages: the 31st is past its end, the 30th its last.
    EXPECT_EQ(PrintWith(report, "pages=31-33\ncopies=1"), kPrintNoPageInRange);
    std::ifstream kept(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the earlier printout")
        << "no blank sheet in its place";
    const std::string message = PrintErrorMessage(kPrintNoPageInRange, "Print");
    EXPECT_NE(message.find("nothing was printed"), std::string::npos) << message;

    ASSERT_EQ(PrintWith(report, "pages=30-33\ncopies=1"), kNoErr);
    EXPECT_NE(Tool({"pdfinfo", pdf}).find("Pages:           1"), std::string::npos);
    EXPECT_EQ(PageLines(pdf, 1)[1], "Section 30");
}

TEST_F(PrintJob, CancellingMidJobLeavesNoFileAndSaysNothing) {
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    report.onPage = [&](std::int16_t page) {
        if (page != 1) return;
        HWND cancel = Printing::GetProgressDialog()->GetItem(PrintAbortDlog::kCancelItem)->GetHWnd();
        RECT bounds;
        GetWindowRect(cancel, &bounds);
        presenter.Click(POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
    };
    EXPECT_EQ(PrintWith(report, "pages=all\ncopies=1"), kPrintCancelled);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_FALSE(AlertShown());
    EXPECT_LE(report.statuses.size(), 3u);
    EXPECT_TRUE(IsWindowEnabled(application->GetFrameWindow()));
}

TEST_F(PrintJob, CancellingThePrintFileChooserCancelsQuietly) {
    SetPrintFileChooser([](const std::string&) { return std::optional<std::string>(); });
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    EXPECT_EQ(PrintWith(report, "pages=all"), kPrintCancelled);
    EXPECT_FALSE(AlertShown());
}

TEST_F(PrintJob, PrintedToAFileTheDocumentInFrontIsOfferedBesideItsStoryAndNamedAfterIt) {
    std::vector<std::string> offered;
    SetPrintFileChooser([&](const std::string& suggested) {
        offered.push_back(suggested);
        return std::optional<std::string>(pdf);
    });
    const std::filesystem::path stories = std::filesystem::path(folder / "stories");
    std::filesystem::create_directory(stories);
    auto* story = new TDoc(application);
    story->GetFileRef().SetFullPath((stories / "The Lighthouse.fsf").c_str());
    const ShortRect place = ShortRect::MakeLTRB(10, 10, 200, 150);
    auto* window = new TWindow(application, &place, story, kChildMode, 0, "The Lighthouse");
    window->Show();
    ASSERT_EQ(application->GetFrontWindow(), window);
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    ASSERT_EQ(PrintWith(report, "pages=1-1"), kNoErr);
    // A file of that name there already: the next free name.
    std::filesystem::copy_file(pdf, stories / "The Lighthouse.pdf");
    ASSERT_EQ(PrintWith(report, "pages=1-1"), kNoErr);
    EXPECT_EQ(offered, (std::vector<std::string>{(stories / "The Lighthouse.pdf").string(),
                                                 (stories / "The Lighthouse (2).pdf").string()}));
    EXPECT_EQ(record.GetDocName(), "Story Notes") << "the job keeps its own title";

    // A story never saved: the current folder, as Save As offers, and its untitled name.
    story->GetFileRef().SetFullPath("untitled.3");
    offered.clear();
    ASSERT_EQ(PrintWith(report, "pages=1-1"), kNoErr);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], (std::filesystem::current_path() / "untitled.3.pdf").string());
    delete window;
    delete story;

    // No document in front: the job's title in the home folder, as before.
    offered.clear();
    ASSERT_EQ(PrintWith(report, "pages=1-1"), kNoErr);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(std::filesystem::path(offered[0]).filename(), "Story Notes.pdf");
}

TEST_F(PrintJob, WithoutAPrinterAReportLeavesTheErrorForItsWindow) {
    ASSERT_TRUE(WriteProfileStringA("windows", "device", ""));
    PrintingEnvironment environment(nullptr);
    SectionReport report(&environment);
    EXPECT_EQ(report.PrintReport(), kPrintNoMemory);
    EXPECT_EQ(environment.GetStatus(), kPrintNoMemory);
    EXPECT_FALSE(AlertShown());
    EXPECT_FALSE(std::filesystem::exists(pdf));
    WriteProfileStringA("windows", "device", nullptr);
}

}  // namespace
