// What the print preview shows against what prints: every page of a report whose paragraphs flow
// from page to page has, in the preview, the lines of the printed page (read back from the PDF file
// at one pixel a point), and the same number of pages. The page at its zoom on the screen, the
// dialog against a reference picture (data/print-preview.png, made with FABLECORE_WRITE_REFERENCE=1
// and checked by eye), and a window that offers a report reaching Print Preview and Print through
// the standard commands.

#include <filesystem>
#include <memory>

#include "PreviewTestSupport.h"
#include "framework/TCommand.h"
#include "framework/graphics/OffscreenEnv.h"
#include "items/ReferencePicture.h"
#include "items/printing/PdfReading.h"
#include "items/printing/PreviewPage.h"
#include "items/printing/PrintViewer.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Mapping.h"
#include "platform/sys/ChildProcess.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace {

using namespace previewtest;
using PreviewDialog = PrintViewDlog;

// A run of rows with ink, and how far right the ink of those rows reaches: a line of text.
struct Band {
    int top = 0;
    int bottom = 0;
    int right = 0;
};

// The lines of text in a part of a picture (ink: a pixel darker than mid-grey).
std::vector<Band> InkBands(const Surface& picture, int left, int top, int width, int height) {
    std::vector<Band> bands;
    bool inBand = false;
    for (int y = 0; y < height; ++y) {
        int right = -1;
        for (int x = 0; x < width; ++x)
            if (GetGValue(picture.GetPixel(left + x, top + y)) < 128) right = x;
        if (right < 0) {
            inBand = false;
            continue;
        }
        if (!inBand) bands.push_back(Band{y, y, right});
        inBand = true;
        bands.back().bottom = y;
        bands.back().right = std::max(bands.back().right, right);
    }
    return bands;
}

// A copy of a bitmap's pixels.
std::unique_ptr<Surface> Picture(QRVBitmap& bitmap) {
    auto picture = std::make_unique<Surface>(bitmap.Width(), bitmap.Height(), RGB(255, 255, 255));
    const HDC target = CreateDisplayDC(*picture, POINT{0, 0}, Region(0, 0, bitmap.Width(), bitmap.Height()));
    const HDC source = bitmap.BeginDrawing();
    BitBlt(target, 0, 0, bitmap.Width(), bitmap.Height(), source, 0, 0, SRCCOPY);
    bitmap.EndDrawing();
    DestroyDisplayDC(target);
    return picture;
}

using printtest::Tool;

// A window that offers a report to print and preview, or nothing.
class ReportWindow : public TWindow {
public:
    ReportWindow(TAppl* application, TPrintableReport* report)
        : TWindow(application, &kPlace, nullptr, kChildMode, 0, "report"), report_(report) {
        Show();
    }
    bool CanPrint() override { return report_ != nullptr; }
    void Print() override { report_->PrintReport(); }
    bool CanPrintPreview() override { return report_ != nullptr; }
    void PrintPreview() override { report_->PreviewReport(); }

    static constexpr ShortRect kPlace{10, 10, 160, 210};

private:
    TPrintableReport* report_;
};

class PreviewPages : public PreviewTest {
protected:
    std::string pdf;
    PrintFileChooser previousChooser;

    void SetUp() override {
        PreviewTest::SetUp();
        pdf = folder / "notes.pdf";
        previousChooser =
            SetPrintFileChooser([this](const std::string&) { return std::optional<std::string>(pdf); });
    }
    void TearDown() override {
        SetPrintFileChooser(previousChooser);
        PreviewTest::TearDown();
    }
    void ScriptPrintDialog() {
        presenter.ScriptPromptAnswer("PrintDlg", PromptAnswer{IDOK, "pages=all\ncopies=1"});
    }
    // A point of the dialog's client area on the screen.
    static POINT OnScreen(const PreviewDialog& dialog, int x, int y) {
        POINT point{x, y};
        ClientToScreen(dialog.GetHWnd(), &point);
        return point;
    }
};

TEST_F(PreviewPages, EveryPreviewPageHasThePrintedPagesLines) {
    ChapterReport report(&printing, 40, false);
    // Page after page in the preview, then printed.
    std::vector<std::unique_ptr<Surface>> previewed;
    int zoom = 0;
    {
        apptest::IdleSteps steps(presenter);
        std::function<void()> walk = [&] {
            PreviewDialog* dialog = OpenPreview();
            ASSERT_NE(dialog, nullptr);
            zoom = dialog->GetZoom();
            ASSERT_EQ(dialog->GetCurrentPage(), static_cast<std::int16_t>(previewed.size()));
            previewed.push_back(Picture(dialog->GetPreviewPage()->GetPageBitmap()->GetBitmap()));
            if (dialog->GetCurrentPage() == dialog->GetLastPage() || previewed.size() > 20) {
                presenter.PressKey(VK_ESCAPE);
                return;
            }
            presenter.PressKey(VK_NEXT);
            steps.Then(walk);
        };
        steps.Then(walk);
        ASSERT_EQ(report.Preview(), kNoErr);
    }
    ScriptPrintDialog();
    ASSERT_EQ(report.PrintReport(), kNoErr);

    ASSERT_GE(previewed.size(), 3u) << "the paragraphs fill several pages";
    const std::string info = Tool({"pdfinfo", pdf});
    EXPECT_NE(info.find("Pages:           " + std::to_string(previewed.size()) + "\n"), std::string::npos)
        << info;
    std::size_t lines = 0;
    for (std::size_t page = 0; page < previewed.size(); ++page) {
        const std::string number = std::to_string(page + 1);
        const std::string prefix = folder / ("page" + number);
        // The printed page at the preview's zoom: a point is zoom / 100 pixels.
        Tool({"pdftoppm", "-r", std::to_string(72.0 * zoom / 100), "-f", number, "-l", number, "-singlefile",
              "-png", pdf, prefix});
        const std::unique_ptr<Surface> printed = Surface::ReadPng(prefix + ".png");
        ASSERT_NE(printed, nullptr);
        const Surface& shown = *previewed[page];
        ASSERT_EQ(shown.Width(), MulDiv(612 - 144, zoom, 100));
        ASSERT_EQ(shown.Height(), MulDiv(792 - 144, zoom, 100));
        // The preview's page is the paper inside the one-inch margins.
        const int margin = MulDiv(72, zoom, 100);
        const std::vector<Band> expected = InkBands(*printed, margin, margin, shown.Width(), shown.Height());
        const std::vector<Band> bands = InkBands(shown, 0, 0, shown.Width(), shown.Height());
        ASSERT_EQ(bands.size(), expected.size()) << "page " << number;
        lines += bands.size();
        for (std::size_t line = 0; line < bands.size(); ++line) {
            EXPECT_NEAR(bands[line].top, expected[line].top, 2) << "page " << number << " line " << line;
            EXPECT_NEAR(bands[line].bottom, expected[line].bottom, 2)
                << "page " << number << " line " << line;
            // At one pixel a point each glyph's advance rounds to a pixel, so a long line may end a few
            // pixels away; a line broken at another word would end a word's width (15 or more) away.
            EXPECT_NEAR(bands[line].right, expected[line].right, 6) << "page " << number << " line " << line;
        }
    }
    EXPECT_GT(lines, 100u) << "each line of ink stands apart";
}

// The page drawn at the size it is shown, its text set in fonts of that size: at the zoom of a small
// desktop, and at half the printed size.
TEST_F(PreviewPages, APageIsDrawnAtItsZoomWithItsFontsAtThatSize) {
    ChapterReport report(&printing, 40, false);
    ASSERT_EQ(record.CreatePrinterDC(), kNoErr);
    for (const int zoom : {87, 50}) {
        PreviewPage page;
        GarbageGraph* measuring = nullptr;
        ASSERT_EQ(page.Open(&record, measuring), kNoErr);
        ASSERT_EQ(report.BeginRun(measuring, 1), kNoErr);
        page.SetZoom(static_cast<std::int16_t>(zoom));
        TGraphEnv* graph = nullptr;
        ASSERT_EQ(page.MakePageBitmap(graph), kNoErr);
        std::uint16_t last = 0;
        EXPECT_EQ(report.PreparePage(graph, 0, last), kNoErr);
        page.ReleasePageBitmap();
        const std::unique_ptr<Surface> shown = Picture(page.GetPageBitmap()->GetBitmap());
        EXPECT_EQ(shown->Width(), MulDiv(612 - 144, zoom, 100));
        const std::string name = "preview-page-" + std::to_string(zoom) + ".png";
        itemstest::CompareWithReference(*shown, name.c_str());
        report.EndRun();
        page.Close();
    }
}

TEST_F(PreviewPages, ThePageShowsAtTheZoomInsideItsMargins) {
    ChapterReport report(&printing, 3);
    const ErrCode result =
        Preview(report, {[&](PreviewDialog& dialog) {
                    EXPECT_EQ(dialog.GetClassId(), 206);
                    EXPECT_EQ(dialog.GetPageView()->GetClassId(), 128);
                    EXPECT_TRUE(dialog.GetPageView()->IsKindOf(TView::kClassId));
                    const int zoom = dialog.GetZoom();
                    EXPECT_EQ(ItemText(dialog, PreviewDialog::kZoomTextItem),
                              "Scaled To " + std::to_string(zoom) + "% of Printed Page.");
                    // Letter paper on an 800 x 600 desktop: the height limits, the width follows.
                    ShortRect content;
                    dialog.GetPageView()->GetContentRect(content);
                    EXPECT_LE(612 * zoom / 100, content.Width());
                    EXPECT_LT(content.Width(), 612 * (zoom + 1) / 100);
                    EXPECT_LE(792 * zoom / 100, content.Height());
                    EXPECT_LT(content.Height(), 792 * (zoom + 1) / 100);
                    RECT frame;
                    GetWindowRect(dialog.GetHWnd(), &frame);
                    EXPECT_GE(frame.top, 0);
                    EXPECT_LE(frame.bottom, 600);
                    EXPECT_GT(frame.bottom - frame.top, 600 - 12) << "the page takes the desktop's height";

                    // The page lies inside the one-inch margins at the zoom; the PDF printer prints to the
                    // edge.
                    const int inset = 72 * zoom / 100;
                    const ShortRect margins = dialog.GetPageView()->MarginRect();
                    EXPECT_EQ(margins, ShortRect::MakeLTRB(content.left + inset, content.top + inset,
                                                           content.right - inset, content.bottom - inset));
                    EXPECT_EQ(dialog.GetPageView()->PrintableRect(), content);
                    const Surface& screen = GetScreenSurface();
                    const auto pixel = [&](int x, int y) {
                        const POINT point = OnScreen(dialog, x, y);
                        return screen.GetPixel(point.x, point.y);
                    };
                    const int middle = (margins.top + margins.bottom) / 2;
                    EXPECT_EQ(pixel(margins.left, middle), RGB(0, 0, 0)) << "the margins are outlined";
                    EXPECT_EQ(pixel(margins.left - 2, middle), RGB(255, 255, 255));
                    // The view's shadow: below its right edge, not beside its top.
                    const ShortRect view = dialog.GetPageView()->Bounds();
                    EXPECT_EQ(pixel(view.right + 1, view.top + 10), RGB(0, 0, 0));
                    EXPECT_NE(pixel(view.right + 1, view.top + 1), RGB(0, 0, 0));
                    EXPECT_EQ(pixel(view.left + 10, view.bottom + 2), RGB(0, 0, 0));
                    presenter.PressKey(VK_ESCAPE);
                }});
    EXPECT_EQ(result, kNoErr);
}

TEST_F(PreviewPages, LandscapePaperPutsTheButtonsAboveThePage) {
    SetPrinterPaper(kPdfFilePrinter, PaperChoice{DMPAPER_LETTER, DMORIENT_LANDSCAPE});
    ChapterReport report(&printing, 2);
    const ErrCode result = Preview(
        report, {[&](PreviewDialog& dialog) {
            EXPECT_TRUE(dialog.IsLandscape());
            const ShortRect view = dialog.GetPageView()->Bounds();
            EXPECT_GT(view.Width(), view.Height());
            for (std::int32_t button = PreviewDialog::kPrevPageItem; button <= PreviewDialog::kCloseItem;
                 ++button) {
                ShortRect bounds;
                dialog.GetItem(button)->GetBounds(bounds);
                EXPECT_LT(bounds.bottom, view.top) << button;
            }
            EXPECT_EQ(dialog.GetPreviewPage()->GetPageBitmap()->GetBitmap().Width(),
                      MulDiv(792 - 144, dialog.GetZoom(), 100));
            presenter.PressKey(VK_ESCAPE);
        }});
    SetPrinterPaper(kPdfFilePrinter, PaperChoice{});
    EXPECT_EQ(result, kNoErr);
}

TEST_F(PreviewPages, ThePreviewShowsPageOneOfAReportOfSeveralPages) {
    ChapterReport report(&printing, 40, false);
    std::string pageText;
    {
        apptest::IdleSteps steps(presenter);
        std::function<void()> shoot = [&] {
            PreviewDialog* dialog = OpenPreview();
            ASSERT_NE(dialog, nullptr);
            pageText = ItemText(*dialog, PreviewDialog::kPageTextItem);
            itemstest::CompareWithReference(GetScreenSurface(), "print-preview.png");
            presenter.PressKey(VK_ESCAPE);
        };
        // Counted to the end first, so the picture does not depend on the timer.
        std::function<void()> count = [&] {
            PreviewDialog* dialog = OpenPreview();
            ASSERT_NE(dialog, nullptr);
            if (dialog->GetLastPage() < 0) Tick();
            steps.Then(dialog->GetLastPage() < 0 ? count : shoot);
        };
        steps.Then(count);
        ASSERT_EQ(report.Preview(), kNoErr);
    }
    EXPECT_EQ(pageText, "Page 1 of 3");
}

TEST_F(PreviewPages, AWindowThatOffersAReportReachesPreviewAndPrintThroughTheCommands) {
    auto* plain = new ReportWindow(application, nullptr);
    EXPECT_FALSE(application->CommandEnabled(kCmdPrintPreview));
    EXPECT_FALSE(application->CommandEnabled(kCmdPrint));
    application->HandleCommand(kCmdPrintPreview);
    application->HandleCommand(kCmdPrint);
    EXPECT_TRUE(presenter.PromptsAsked().empty()) << "a window that offers nothing prints nothing";

    ChapterReport report(&printing, 3);
    auto* window = new ReportWindow(application, &report);
    ASSERT_EQ(application->GetFrontWindow(), window);
    EXPECT_TRUE(application->CommandEnabled(kCmdPrintPreview));
    EXPECT_TRUE(application->CommandEnabled(kCmdPrint));
    std::string title;
    {
        apptest::IdleSteps steps(presenter);
        steps.Then([&] {
            PreviewDialog* dialog = OpenPreview();
            ASSERT_NE(dialog, nullptr);
            char text[64] = "";
            GetWindowTextA(dialog->GetHWnd(), text, sizeof text);
            title = text;
            presenter.PressKey(VK_ESCAPE);
        });
        application->HandleCommand(kCmdPrintPreview);
    }
    EXPECT_EQ(title, "Print Preview");
    EXPECT_EQ(report.previewRun, 1);
    EXPECT_EQ(report.runsEnded, 1);

    ScriptPrintDialog();
    application->HandleCommand(kCmdPrint);
    EXPECT_NE(Tool({"pdfinfo", pdf}).find("Pages:           3\n"), std::string::npos);
    EXPECT_EQ(printing.GetStatus(), kNoErr);
    delete window;
    delete plain;
}

}  // namespace
