// The preview's page: a white bitmap of the page area at one pixel a point, drawn into through a
// printer graph (fonts at their printed sizes), and a measuring graph while it is open.

#include <gtest/gtest.h>

#include "PrintingTestSupport.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/OffscreenEnv.h"
#include "items/printing/PreviewPage.h"
#include "items/printing/PrintErrors.h"
#include "platform/gdi/Drawing.h"

namespace {

using namespace printtest;

class PreviewPageTest : public ::testing::Test {
protected:
    PrintingApplication application;
    PreviewPage page;
};

win::COLORREF PixelOf(OffscreenEnv& bitmap, int x, int y) {
    const win::HDC dc = bitmap.GetBitmap().BeginDrawing();
    const win::COLORREF pixel = win::GetPixel(dc, x, y);
    bitmap.GetBitmap().EndDrawing();
    return pixel;
}

TEST_F(PreviewPageTest, WithoutARecordNoPageCanBeMade) {
    PrintGraph other;
    TGraphEnv* graph = &other;
    EXPECT_EQ(page.MakePageBitmap(graph), kPrintNoMemory);
    EXPECT_EQ(graph, nullptr);
    EXPECT_EQ(page.GetPageBitmap(), nullptr);
}

TEST_F(PreviewPageTest, APageIsTheWhitePageAreaAtOnePixelAPoint) {
    GarbageGraph* measuring = nullptr;
    ASSERT_EQ(page.Open(&application.record, measuring), kNoErr);
    ASSERT_NE(measuring, nullptr);
    EXPECT_TRUE(measuring->IsOpen());
    EXPECT_TRUE(page.IsOpen());

    TGraphEnv* graph = nullptr;
    ASSERT_EQ(page.MakePageBitmap(graph), kNoErr);
    ASSERT_NE(graph, nullptr);
    OffscreenEnv* bitmap = page.GetPageBitmap();
    ASSERT_NE(bitmap, nullptr);
    // Letter less one-inch margins.
    EXPECT_EQ(bitmap->GetBitmap().Width(), 612 - 144);
    EXPECT_EQ(bitmap->GetBitmap().Height(), 792 - 144);
    {
        const GraphUser use(*graph);
        graph->FillRect(ShortRect::MakeLTRB(10, 20, 30, 40));
        // A font measures in the page's pixels what it measures in the printer's points.
        graph->SetFont(2, 12, 0);
        win::TEXTMETRICA metrics;
        graph->GetTextMetrics(metrics);
        PrintGraph printer;
        const PrintGraphAttacher attached(printer, application.record.GetPrinterDC());
        const GraphUser usePrinter(printer);
        printer.SetFont(2, 12, 0);
        win::TEXTMETRICA printed;
        printer.GetTextMetrics(printed);
        EXPECT_NEAR(metrics.tmHeight, printed.tmHeight, 1);
        EXPECT_NEAR(graph->StringWidth("The story turns."), printer.StringWidth("The story turns."), 1);
        EXPECT_LT(metrics.tmHeight, 15) << "a 12-point font, not 16 screen pixels";
    }
    page.ReleasePageBitmap();
    EXPECT_EQ(PixelOf(*bitmap, 15, 25), win::RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(*bitmap, 5, 25), win::RGB(255, 255, 255));

    // The next page starts white again.
    ASSERT_EQ(page.MakePageBitmap(graph), kNoErr);
    page.ReleasePageBitmap();
    EXPECT_EQ(PixelOf(*page.GetPageBitmap(), 15, 25), win::RGB(255, 255, 255));

    page.Close();
    EXPECT_FALSE(measuring->IsOpen());
    EXPECT_FALSE(page.IsOpen());
    EXPECT_EQ(page.MakePageBitmap(graph), kPrintNoMemory);
}

TEST_F(PreviewPageTest, AtAZoomThePagesPointsAreThatShareOfAPixel) {
    GarbageGraph* measuring = nullptr;
    ASSERT_EQ(page.Open(&application.record, measuring), kNoErr);
    page.SetZoom(50);
    TGraphEnv* graph = nullptr;
    ASSERT_EQ(page.MakePageBitmap(graph), kNoErr);
    OffscreenEnv* bitmap = page.GetPageBitmap();
    EXPECT_EQ(bitmap->GetBitmap().Width(), (612 - 144) / 2);
    EXPECT_EQ(bitmap->GetBitmap().Height(), (792 - 144) / 2);
    EXPECT_TRUE(page.FitsPageArea());
    {
        const GraphUser use(*graph);
        graph->FillRect(ShortRect::MakeLTRB(10, 20, 30, 40));
        // Text measures in points whatever the zoom: the lines break where they print.
        graph->SetFont(2, 12, 0);
        PrintGraph printer;
        const PrintGraphAttacher attached(printer, application.record.GetPrinterDC());
        const GraphUser usePrinter(printer);
        printer.SetFont(2, 12, 0);
        EXPECT_NEAR(graph->StringWidth("The story turns."), printer.StringWidth("The story turns."), 1);
    }
    page.ReleasePageBitmap();
    EXPECT_EQ(PixelOf(*bitmap, 7, 12), win::RGB(0, 0, 0)) << "point (15, 25)";
    EXPECT_EQ(PixelOf(*bitmap, 14, 19), win::RGB(0, 0, 0)) << "point (29, 39)";
    EXPECT_EQ(PixelOf(*bitmap, 16, 12), win::RGB(255, 255, 255)) << "point (32, 25)";
    // Made at one zoom, the page no longer fits the area at another.
    page.SetZoom(100);
    EXPECT_FALSE(page.FitsPageArea());
}

TEST_F(PreviewPageTest, MarginsWiderThanThePaperLeaveNoPageToMake) {
    GarbageGraph* measuring = nullptr;
    page.Open(&application.record, measuring);
    application.record.SetMargins(400, 72, 400, 72);
    TGraphEnv* graph = nullptr;
    EXPECT_EQ(page.MakePageBitmap(graph), kPrintNoMemory);
    EXPECT_EQ(graph, nullptr);
    EXPECT_EQ(page.GetPageBitmap(), nullptr);
}

}  // namespace
