#include "platform/gdi/PrinterDC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"

namespace {

using namespace win;

std::string TempPdf(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Occurrences(const std::string& text, const std::string& word) {
    int count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
    return count;
}

// One logical unit per point, as the print settings map pages.
void MapPoints(HDC dc) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 72, 72, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
}

HFONT PointFont(const char* face, int points) { return gditest::MakeFont(face, -points); }

TEST(Printer, ReportsPaperResolutionAndPrintablePart) {
    PrinterSetup setup = kLetterPaper;
    setup.borderLeft = setup.borderRight = 18;
    setup.borderTop = 36;
    setup.borderBottom = 0;
    HDC dc = CreatePrinterDC(setup);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 5100);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 6600);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4800);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 6300);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 150);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 300);
    DeleteDC(dc);
    HDC a4 = CreatePrinterDC(kA4Paper);
    EXPECT_EQ(GetDeviceCaps(a4, PHYSICALWIDTH), 4961);
    DeleteDC(a4);
    PrinterSetup silly = kLetterPaper;
    silly.resolution = 10;
    EXPECT_EQ(CreatePrinterDC(silly), nullptr);
    silly = kLetterPaper;
    silly.borderLeft = 400, silly.borderRight = 300;
    EXPECT_EQ(CreatePrinterDC(silly), nullptr);
}

TEST(Printer, PagesGoToAPdfFile) {
    const std::string path = TempPdf("fablecore-gdi-pages.pdf");
    HDC dc = CreatePrinterDC(kLetterPaper);
    ASSERT_TRUE(BeginPrinterDocument(dc, path));
    EXPECT_FALSE(BeginPrinterDocument(dc, path));  // one at a time
    MapPoints(dc);
    HFONT font = PointFont("Times New Roman", 12);
    HGDIOBJ old = SelectObject(dc, font);
    for (int page = 0; page < 2; ++page) {
        ASSERT_TRUE(BeginPrinterPage(dc));
        EXPECT_FALSE(BeginPrinterPage(dc));
        TextOutA(dc, 72, 72, "A printed page", 14);
        Rectangle(dc, 72, 100, 300, 200);
        EXPECT_TRUE(EndPrinterPage(dc));
    }
    EXPECT_EQ(PrinterPageCount(dc), 2);
    EXPECT_TRUE(EndPrinterDocument(dc));
    const std::string pdf = FileText(path);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(Occurrences(pdf, "/Type /Page") - Occurrences(pdf, "/Type /Pages"), 2);
    EXPECT_NE(pdf.find("612 792"), std::string::npos);  // the paper, in points
    EXPECT_NE(pdf.find("LiberationSerif"), std::string::npos);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    std::filesystem::remove(path);
}

TEST(Printer, AbortingDropsTheFileAndDrawingOutsidePagesIsDiscarded) {
    const std::string path = TempPdf("fablecore-gdi-abort.pdf");
    HDC dc = CreatePrinterDC(kLetterPaper);
    EXPECT_TRUE(Rectangle(dc, 0, 0, 10, 10));  // no document: nothing kept, no failure
    ASSERT_TRUE(BeginPrinterDocument(dc, path));
    EXPECT_TRUE(Rectangle(dc, 0, 0, 10, 10));  // no page yet
    ASSERT_TRUE(BeginPrinterPage(dc));
    Rectangle(dc, 0, 0, 10, 10);
    AbortPrinterDocument(dc);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(EndPrinterPage(dc));
    // Deleting the context with a document open drops it too.
    ASSERT_TRUE(BeginPrinterDocument(dc, path));
    DeleteDC(dc);
    EXPECT_FALSE(std::filesystem::exists(path));
    HDC other = CreatePrinterDC(kLetterPaper);
    EXPECT_FALSE(BeginPrinterDocument(other, "/nonexistent-folder/x.pdf"));
    DeleteDC(other);
}

TEST(Printer, MeasuredTextLandsWhereItIsPrinted) {
    // A page laid out in points, measured on a throw-away monochrome bitmap at one pixel per
    // point, as pagination does, and then printed at 600 dots per inch.
    const std::string text = "|a|Wi|m|mmm|.|";
    HDC measuring = CreateCompatibleDC(nullptr);
    HDC printer = CreatePrinterDC(kLetterPaper);
    MapPoints(printer);
    HFONT font = PointFont("Arial", 9);
    HGDIOBJ oldMeasuring = SelectObject(measuring, font);
    HGDIOBJ oldPrinter = SelectObject(printer, font);
    std::vector<LONG> prefixes;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '|') continue;
        SIZE onBitmap, onPaper;
        GetTextExtentPointA(measuring, text.data(), static_cast<int>(k), &onBitmap);
        GetTextExtentPointA(printer, text.data(), static_cast<int>(k), &onPaper);
        EXPECT_EQ(onBitmap.cx, onPaper.cx);
        prefixes.push_back(onPaper.cx);
    }
    TEXTMETRICA a, b;
    GetTextMetricsA(measuring, &a);
    GetTextMetricsA(printer, &b);
    EXPECT_EQ(a.tmHeight, b.tmHeight);
    EXPECT_EQ(a.tmAscent, b.tmAscent);

    const std::string path = TempPdf("fablecore-gdi-text.pdf");
    ASSERT_TRUE(BeginPrinterDocument(printer, path));
    ASSERT_TRUE(BeginPrinterPage(printer));
    SetTextAlign(printer, TA_BASELINE);
    SetBkMode(printer, TRANSPARENT);
    TextOutA(printer, 72, 72, text.data(), static_cast<int>(text.size()));
    // The band under the baseline, where only the bars reach, at 300 pixels per inch.
    const RECT area{600 - 20, 600 + 4, 600 + 1180, 600 + 20};
    Surface band(600, 8);
    ASSERT_TRUE(RenderPrinterPage(printer, area, band));
    std::vector<int> bars;
    bool inside = false;
    for (int x = 0; x < band.Width(); ++x) {
        bool ink = false;
        for (int y = 0; y < band.Height(); ++y) ink = ink || GetRValue(band.GetPixel(x, y)) < 128;
        if (ink && !inside) bars.push_back(x);
        inside = ink;
    }
    ASSERT_EQ(bars.size(), prefixes.size());
    const double pixelsPerPoint = 300.0 / 72.0;
    for (std::size_t b = 0; b < bars.size(); ++b) {
        // A measured extent is rounded to whole points.
        EXPECT_NEAR(bars[b] - bars[0], prefixes[b] * pixelsPerPoint, pixelsPerPoint * 0.5 + 1) << "bar " << b;
    }
    EXPECT_TRUE(EndPrinterDocument(printer));
    std::filesystem::remove(path);
    SelectObject(measuring, oldMeasuring);
    SelectObject(printer, oldPrinter);
    DeleteDC(measuring);
    DeleteDC(printer);
    DeleteObject(font);
}

TEST(Printer, ShapesAndClipsScaleToTheDevice) {
    HDC printer = CreatePrinterDC(kLetterPaper);
    MapPoints(printer);
    const std::string path = TempPdf("fablecore-gdi-shapes.pdf");
    ASSERT_TRUE(BeginPrinterDocument(printer, path));
    ASSERT_TRUE(BeginPrinterPage(printer));
    // Clip to one inch square at (1, 1) inch, then fill two inches.
    POINT corners[2] = {{72, 72}, {144, 144}};
    LPtoDP(printer, corners, 2);
    EXPECT_EQ(corners[0].x, 600);
    EXPECT_EQ(corners[1].y, 1200);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    IntersectClipRect(printer, 72, 72, 144, 144);
    const RECT big{0, 0, 288, 288};
    FillRect(printer, &big, black);
    Surface page(85, 110);  // the page at 10 pixels per inch
    ASSERT_TRUE(RenderPrinterPage(printer, RECT{0, 0, 5100, 6600}, page));
    EXPECT_EQ(page.GetPixel(15, 15), RGB(0, 0, 0));
    EXPECT_EQ(page.GetPixel(5, 5), RGB(255, 255, 255));
    EXPECT_EQ(page.GetPixel(25, 15), RGB(255, 255, 255));
    // XOR on paper draws where it would not leave the paper white.
    SelectClipRgn(printer, nullptr);
    SetROP2(printer, R2_XORPEN);
    HPEN red = CreatePen(PS_SOLID, 4, RGB(255, 0, 0));
    SelectObject(printer, red);
    MoveToEx(printer, 300, 300, nullptr);
    LineTo(printer, 500, 300);
    Surface line(190, 10);  // around the line, at 60 pixels per inch
    ASSERT_TRUE(RenderPrinterPage(printer, RECT{2400, 2450, 4300, 2550}, line));
    EXPECT_EQ(line.GetPixel(95, 5), RGB(0, 255, 255));
    EXPECT_EQ(line.GetPixel(95, 0), RGB(255, 255, 255));
    SelectObject(printer, GetStockObject(BLACK_PEN));
    DeleteObject(red);
    EXPECT_TRUE(EndPrinterDocument(printer));
    std::filesystem::remove(path);
    DeleteDC(printer);
}

TEST(Printer, TextLetsWhatIsUnderItShowUnlessOpaqueTextIsAskedFor) {
    HDC printer = CreatePrinterDC(kLetterPaper);
    EXPECT_EQ(GetBkMode(printer), TRANSPARENT);
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetBkMode(memory), OPAQUE);  // other contexts start as they always did
    DeleteDC(memory);
    MapPoints(printer);
    const std::string path = TempPdf("fablecore-gdi-text-background.pdf");
    ASSERT_TRUE(BeginPrinterDocument(printer, path));
    ASSERT_TRUE(BeginPrinterPage(printer));
    // Black text on a black band: printed as it comes the band stays whole; asked to be opaque, the
    // text's cell takes the (white) background colour.
    const RECT band{0, 0, 400, 40};
    FillRect(printer, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HFONT font = PointFont("Arial", 20);
    HGDIOBJ old = SelectObject(printer, font);
    TextOutA(printer, 10, 10, "MMM", 3);
    SetBkMode(printer, OPAQUE);
    TextOutA(printer, 210, 10, "MMM", 3);
    Surface page(400, 40);  // the band at one pixel per point
    ASSERT_TRUE(RenderPrinterPage(printer, RECT{0, 0, 400 * 600 / 72, 40 * 600 / 72}, page));
    auto lightPixels = [&page](int left) {
        int light = 0;
        for (int y = 12; y < 28; ++y)
            for (int x = left; x < left + 40; ++x) light += GetRValue(page.GetPixel(x, y)) > 128 ? 1 : 0;
        return light;
    };
    EXPECT_EQ(lightPixels(12), 0);
    EXPECT_GT(lightPixels(212), 100);
    SelectObject(printer, old);
    DeleteObject(font);
    EXPECT_TRUE(EndPrinterDocument(printer));
    std::filesystem::remove(path);
    DeleteDC(printer);
}

}  // namespace
