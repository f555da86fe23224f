// A small drawing compared with a reference picture. The reference (data/drawing.png) was made
// once by this test with FABLECORE_WRITE_REFERENCE=1 and checked by eye: a hatched panel with a
// blue ellipse, a rounded frame, a dotted focus frame, an inverted band, and three lines of text in
// the sans, serif and mono faces, one with typographic quotes and a euro sign.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "GdiTestSupport.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

namespace {

using namespace win;

std::filesystem::path ReferencePath() { return std::filesystem::path(GDI_TEST_DATA) / "drawing.png"; }

void Out(HDC dc, int x, int y, const char* text) {
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void DrawScene(HDC dc) {
    const RECT all{0, 0, 200, 120};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // A hatched panel in two colours.
    const BYTE diagonal[16] = {0x11, 0, 0x22, 0, 0x44, 0, 0x88, 0, 0x11, 0, 0x22, 0, 0x44, 0, 0x88, 0};
    HBITMAP bits = CreateBitmap(8, 8, 1, 1, diagonal);
    HBRUSH hatch = CreatePatternBrush(bits);
    DeleteObject(bits);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 128, 0));
    const RECT panel{4, 4, 60, 50};
    FillRect(dc, &panel, hatch);
    // A blue ellipse with a thick pen, a rounded frame and a dotted focus frame.
    HPEN thick = CreatePen(PS_SOLID, 3, RGB(0, 0, 200));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 220, 0));
    HGDIOBJ oldPen = SelectObject(dc, thick);
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    Ellipse(dc, 70, 6, 130, 46);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 140, 4, 196, 48, 12, 12);
    const RECT focus{146, 10, 190, 42};
    DrawFocusRect(dc, &focus);
    const RECT band{0, 52, 200, 56};
    InvertRect(dc, &band);
    // Text in the three families.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    HFONT sans = gditest::MakeFont("Arial", -13, FW_BOLD);
    HFONT serif = gditest::MakeFont("Times New Roman", -14, FW_NORMAL, 1);
    HFONT mono = gditest::MakeFont("Courier New", -12);
    HGDIOBJ oldFont = SelectObject(dc, sans);
    Out(dc, 6, 60, "Fablecore drawing");
    SelectObject(dc, serif);
    SetTextColor(dc, RGB(160, 0, 0));
    Out(dc, 6, 78, "\x93Quoted\x94 \x80 12 \x85");
    SelectObject(dc, mono);
    SetTextColor(dc, RGB(0, 0, 128));
    Out(dc, 6, 98, "mono 0123 {}");
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(hatch), static_cast<HGDIOBJ>(thick), static_cast<HGDIOBJ>(yellow),
          static_cast<HGDIOBJ>(sans), static_cast<HGDIOBJ>(serif), static_cast<HGDIOBJ>(mono)}) {
        DeleteObject(object);
    }
}

TEST(Screenshot, DrawingMatchesTheReferencePicture) {
    Surface surface(200, 120);
    HDC dc = CreateDisplayDC(surface, POINT{0, 0}, Region(0, 0, 200, 120));
    DrawScene(dc);
    DestroyDisplayDC(dc);
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(surface.WritePng(ReferencePath().string()));
        GTEST_SKIP() << "reference written to " << ReferencePath();
    }
    const std::unique_ptr<Surface> reference = Surface::ReadPng(ReferencePath().string());
    ASSERT_NE(reference, nullptr) << ReferencePath();
    ASSERT_EQ(reference->Width(), surface.Width());
    ASSERT_EQ(reference->Height(), surface.Height());
    // Shapes must not move.
    EXPECT_LE(gditest::DifferingPixels(surface, *reference), surface.Width() * surface.Height() / 200)
        << "pixels differing from the reference";
    // A picture written out and read back is the same picture.
    const std::string copy = (std::filesystem::temp_directory_path() / "fablecore-screenshot.png").string();
    ASSERT_TRUE(surface.WritePng(copy));
    const std::unique_ptr<Surface> again = Surface::ReadPng(copy);
    ASSERT_NE(again, nullptr);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) ASSERT_EQ(again->GetPixel(x, y), surface.GetPixel(x, y));
    }
    std::filesystem::remove(copy);
}

}  // namespace
