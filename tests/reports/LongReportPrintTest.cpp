// A long report of an example story, the Kitchen Sink of A Christmas Carol, previewed and printed as
// a writer does: while the preview still counts its pages it says the count is so far, and the
// total it reaches is the number of pages printed, in the PDF, in the print job and in the last
// page's footer, whether the preview was left before or after counting them all.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/StoryAppFixture.h"
#include "foundation/ObjectFactory.h"
#include "framework/IdleSteps.h"
#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "items/ItemClasses.h"
#include "items/printing/OpenPreview.h"
#include "items/printing/PdfReading.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewDlog.h"
#include "platform/gdi/PrinterDC.h"
#include "platform/gdi/Printers.h"
#include "platform/ui/VirtualKeys.h"
#include "reports/RepWindow.h"
#include "reports/ReportTemplates.h"

namespace {

using namespace apptest;

class LongReportPrint : public StoryAppTest {
protected:
    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        StoryAppTest::SetUp();
        pdf = Path("sink.pdf");
        previousChooser =
            SetPrintFileChooser([this](const std::string&) { return std::optional<std::string>(pdf); });
    }
    void TearDown() override {
        SetPrintFileChooser(previousChooser);
        StoryAppTest::TearDown();
    }
    // The page text the open preview shows.
    std::string ShownPageText() {
        PrintViewDlog* preview = printtest::FindOpenPreview(environment);
        char text[64] = "";
        if (auto* item =
                preview ? dynamic_cast<ITextItem*>(preview->GetItem(PrintViewDlog::kPageTextItem)) : nullptr)
            item->CopyText(text, sizeof text);
        return text;
    }
    // Previews the window's reports for the timer ticks given (counting a page each), then reads the
    // page text, presses End and reads it again; answers the three texts.
    std::vector<std::string> PreviewFor(RepWindow& window, int ticks) {
        std::vector<std::string> texts;
        IdleSteps idle(presenter);
        idle.Then([&] { texts.push_back(ShownPageText()); });
        for (int tick = 0; tick < ticks; ++tick)
            idle.Then([&] { presenter.Advance(PrintViewDlog::kTimerPeriod); });
        idle.Then([&] {
            texts.push_back(ShownPageText());
            presenter.PressKey(VK_END);
        });
        idle.Then([&] {
            texts.push_back(ShownPageText());
            presenter.PressKey(VK_ESCAPE);
        });
        window.PrintPreview();
        return texts;
    }
    void PrintAll(RepWindow& window) {
        presenter.ScriptPromptAnswer("PrintDlg", PromptAnswer{IDOK, "pages=all\ncopies=1"});
        window.Print();
    }

    std::string pdf;
    PrintFileChooser previousChooser;
};

TEST_F(LongReportPrint, TheCountThePreviewReachesIsThePagesPrinted) {
    const std::filesystem::path example =
        std::filesystem::path(builtFolder) / "examples" / "A Christmas Carol.fsf";
    ASSERT_TRUE(std::filesystem::exists(example)) << example;
    std::filesystem::copy_file(example, Path("carol.fsf"), std::filesystem::copy_options::overwrite_existing);
    FKDoc* story = OpenStory("carol.fsf");
    ASSERT_NE(story, nullptr);
    auto* window = new RepWindow(application, story, std::make_unique<DataFileTemplates>());
    window->BuildContents();
    window->Show();
    Run();
    window->ChooseReports({20});
    window->BuildReports();

    // Left after three pages are counted: the count is no total yet, and End waits for it.
    const std::vector<std::string> early = PreviewFor(*window, 3);
    EXPECT_EQ(early[0], "Page 1 of 1 so far");
    EXPECT_EQ(early[1], "Page 1 of 4 so far");
    EXPECT_EQ(early[2], "Page 1 of 4 so far");
    PrintAll(*window);
    const int printed = printtest::PageCount(pdf);
    ASSERT_GT(printed, 10) << "a long report";
    PrintRecord* record = PrintRecord::OfApplication();
    ASSERT_TRUE(record && record->GetPrinterDC());
    EXPECT_EQ(win::PrinterPageCount(record->GetPrinterDC()), printed) << "the job's pages are the PDF's";
    const std::vector<std::string> last = printtest::PageLines(pdf, printed);
    // The footer ("- 27 -", its blanks aside) numbers the last page so.
    const std::string footer = "-" + std::to_string(printed) + "-";
    const auto numbered = [&](std::string line) {
        line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
        return line == footer;
    };
    EXPECT_TRUE(std::any_of(last.begin(), last.end(), numbered)) << footer;

    // Counted to the end: the total is the pages printed, and End goes to the last of them.
    const std::vector<std::string> counted = PreviewFor(*window, printed + 2);
    const std::string total = std::to_string(printed);
    EXPECT_EQ(counted[1], "Page 1 of " + total);
    EXPECT_EQ(counted[2], "Page " + total + " of " + total);
    PrintAll(*window);
    EXPECT_EQ(printtest::PageCount(pdf), printed);
    delete window;
}

}  // namespace
