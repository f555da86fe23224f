#include "platform/gdi/Drawing.h"

#include <gtest/gtest.h>

#include "GdiTestSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SystemColors.h"

namespace {

using namespace win;
using gditest::kBlack;
using gditest::kBlue;
using gditest::kRed;
using gditest::kWhite;
using gditest::RowPattern;

class Drawing : public gditest::SurfaceTest {
protected:
    // A brush of an 8 x 8 monochrome pattern, one byte per row padded to 16 bits.
    static HBRUSH PatternBrush(const BYTE (&rows)[16]) {
        HBITMAP bits = CreateBitmap(8, 8, 1, 1, rows);
        HBRUSH brush = CreatePatternBrush(bits);
        DeleteObject(bits);
        return brush;
    }
};

TEST_F(Drawing, ThinLinesLeaveOutTheirLastPixel) {
    MoveToEx(dc_, 5, 10, nullptr);
    LineTo(dc_, 10, 10);
    EXPECT_EQ(RowPattern(surface_, 10, 3, 12, kBlack), "..#####..");
    POINT at;
    GetCurrentPositionEx(dc_, &at);
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 10);
    // Vertical, leftwards and diagonal lines follow the same rule.
    MoveToEx(dc_, 20, 5, nullptr);
    LineTo(dc_, 20, 8);
    EXPECT_EQ(Pixel(20, 5), kBlack);
    EXPECT_EQ(Pixel(20, 7), kBlack);
    EXPECT_EQ(Pixel(20, 8), kWhite);
    MoveToEx(dc_, 40, 20, nullptr);
    LineTo(dc_, 36, 20);
    EXPECT_EQ(RowPattern(surface_, 20, 35, 42, kBlack), "..####.");
    MoveToEx(dc_, 30, 30, nullptr);
    LineTo(dc_, 34, 34);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Pixel(30 + k, 30 + k), kBlack);
    EXPECT_EQ(Pixel(34, 34), kWhite);
    // A line to its own start draws nothing.
    const int before = Count(kBlack);
    MoveToEx(dc_, 50, 50, nullptr);
    LineTo(dc_, 50, 50);
    EXPECT_EQ(Count(kBlack), before);
}

TEST_F(Drawing, ClosedPolylineOfThinSegmentsTouchesEachPixelOnce) {
    SetROP2(dc_, R2_XORPEN);
    HPEN white = CreatePen(PS_SOLID, 1, kWhite);
    SelectObject(dc_, white);
    const POINT box[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}};
    Polyline(dc_, box, 5);
    // White XOR white is black: every frame pixel flipped exactly once.
    EXPECT_EQ(Count(kBlack), 40);
    EXPECT_EQ(Pixel(10, 10), kBlack);
    EXPECT_EQ(Pixel(20, 20), kBlack);
    Polyline(dc_, box, 5);
    EXPECT_EQ(Count(kBlack), 0);
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    DeleteObject(white);
}

TEST_F(Drawing, RectangleStaysLeftOfRightAndAboveBottom) {
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(dc_, red);
    Rectangle(dc_, 10, 10, 20, 16);
    EXPECT_EQ(InkBounds().right, 20);
    EXPECT_EQ(InkBounds().bottom, 16);
    EXPECT_EQ(Pixel(10, 10), kBlack);  // outline by the pen
    EXPECT_EQ(Pixel(19, 15), kBlack);
    EXPECT_EQ(Pixel(11, 11), kRed);  // inside by the brush
    EXPECT_EQ(Pixel(18, 14), kRed);
    EXPECT_EQ(Count(kRed), 8 * 4);
    // With the null pen the fill alone also leaves out the last column and row.
    SelectObject(dc_, GetStockObject(NULL_PEN));
    Rectangle(dc_, 30, 30, 40, 36);
    EXPECT_EQ(Pixel(30, 30), kRed);
    EXPECT_EQ(Pixel(38, 34), kRed);
    EXPECT_EQ(Pixel(39, 34), kWhite);
    EXPECT_EQ(Pixel(38, 35), kWhite);
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST_F(Drawing, WidePensAreCentredOnTheEdge) {
    HPEN thick = CreatePen(PS_SOLID, 3, kBlue);
    SelectObject(dc_, thick);
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    Rectangle(dc_, 10, 10, 30, 30);
    // One pixel outside, the edge pixel, one inside.
    EXPECT_EQ(RowPattern(surface_, 20, 8, 13, kBlue), ".###.");
    EXPECT_EQ(RowPattern(surface_, 20, 27, 32, kBlue), ".###.");
    EXPECT_EQ(Pixel(20, 20), kWhite);
    // An inside-frame pen stays within the rectangle.
    HPEN inside = CreatePen(PS_INSIDEFRAME, 3, kRed);
    SelectObject(dc_, inside);
    Rectangle(dc_, 40, 10, 60, 30);
    EXPECT_EQ(RowPattern(surface_, 20, 39, 44, kRed), ".###.");
    EXPECT_EQ(RowPattern(surface_, 20, 56, 61, kRed), ".###.");
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    DeleteObject(thick);
    DeleteObject(inside);
}

TEST_F(Drawing, EllipseAndRoundRectKeepInsideTheirBox) {
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(dc_, red);
    Ellipse(dc_, 10, 10, 30, 20);
    const RECT ink = InkBounds();
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 10);
    EXPECT_EQ(ink.right, 30);
    EXPECT_EQ(ink.bottom, 20);
    EXPECT_EQ(Pixel(10, 10), kWhite);  // corners stay clear
    EXPECT_EQ(Pixel(20, 15), kRed);
    EXPECT_EQ(Pixel(10, 15), kBlack);  // left end of the outline
    // Symmetric about both axes.
    for (int y = 10; y < 20; ++y) {
        for (int x = 10; x < 30; ++x) {
            EXPECT_EQ(Pixel(x, y), Pixel(39 - x, y)) << x << "," << y;
            EXPECT_EQ(Pixel(x, y), Pixel(x, 29 - y)) << x << "," << y;
        }
    }
    surface_.Fill(kWhite);
    RoundRect(dc_, 10, 30, 40, 50, 10, 10);
    EXPECT_EQ(Pixel(10, 30), kWhite);
    EXPECT_EQ(Pixel(20, 30), kBlack);  // straight top edge
    EXPECT_EQ(Pixel(10, 40), kBlack);  // straight left edge
    EXPECT_EQ(InkBounds().right, 40);
    EXPECT_EQ(InkBounds().bottom, 50);
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST_F(Drawing, FillFrameAndInvertRectangles) {
    HBRUSH blue = CreateSolidBrush(kBlue);
    const RECT r{4, 4, 12, 10};
    SetROP2(dc_, R2_XORPEN);  // fills copy whatever the mode
    FillRect(dc_, &r, blue);
    EXPECT_EQ(Count(kBlue), 8 * 6);
    EXPECT_EQ(Pixel(11, 9), kBlue);
    EXPECT_EQ(Pixel(12, 9), kWhite);
    InvertRect(dc_, &r);
    EXPECT_EQ(Pixel(4, 4), RGB(255, 255, 0));
    InvertRect(dc_, &r);
    EXPECT_EQ(Pixel(4, 4), kBlue);
    const RECT frame{20, 20, 30, 28};
    FrameRect(dc_, &frame, blue);
    EXPECT_EQ(Count(kBlue, frame), 2 * 10 + 2 * 6);
    EXPECT_EQ(Pixel(25, 24), kWhite);
    DeleteObject(blue);
}

TEST_F(Drawing, ASystemColourIndexGivenAsABrushPaintsThatColour) {
    // The first, a middle and the last colour; one past the last is no brush at all.
    auto index = [](int color) { return reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(color + 1)); };
    const RECT r{0, 0, 10, 10};
    for (int color : {COLOR_SCROLLBAR, COLOR_HIGHLIGHT, COLOR_INFOBK}) {
        surface_.Fill(kWhite);
        EXPECT_TRUE(FillRect(dc_, &r, index(color)));
        EXPECT_EQ(Pixel(9, 9), GetSysColor(color)) << color;
    }
    EXPECT_FALSE(FillRect(dc_, &r, index(COLOR_INFOBK + 1)));
    surface_.Fill(kWhite);
    const RECT frame{20, 20, 30, 30};
    EXPECT_TRUE(FrameRect(dc_, &frame, index(COLOR_HIGHLIGHT)));
    EXPECT_EQ(Count(GetSysColor(COLOR_HIGHLIGHT)), 4 * 9);
    HRGN region = CreateRectRgn(40, 40, 50, 50);
    EXPECT_TRUE(FillRgn(dc_, region, index(COLOR_APPWORKSPACE)));
    EXPECT_EQ(Count(GetSysColor(COLOR_APPWORKSPACE)), 100);
    EXPECT_TRUE(FrameRgn(dc_, region, index(COLOR_BACKGROUND), 1, 1));
    EXPECT_EQ(Count(GetSysColor(COLOR_BACKGROUND)), 4 * 9);
    DeleteObject(region);
}

TEST_F(Drawing, FocusRectIsDottedAndErasesItself) {
    const RECT r{10, 10, 30, 20};
    DrawFocusRect(dc_, &r);
    EXPECT_EQ(RowPattern(surface_, 10, 10, 16, kBlack), "#.#.#.");
    EXPECT_EQ(Pixel(15, 15), kWhite);
    EXPECT_GT(Count(kBlack), 20);
    DrawFocusRect(dc_, &r);
    EXPECT_EQ(Count(kBlack), 0);
}

TEST_F(Drawing, XorRubberBandErasesItself) {
    // Draw over a coloured background so that the band crosses several colours.
    HBRUSH blue = CreateSolidBrush(kBlue);
    const RECT half{0, 0, 32, 64};
    FillRect(dc_, &half, blue);
    Surface before(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) before.SetPixel(x, y, Pixel(x, y));
    }
    SetROP2(dc_, R2_NOTXORPEN);
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    for (int pass = 0; pass < 2; ++pass) {
        Rectangle(dc_, 10, 10, 50, 40);
        MoveToEx(dc_, 5, 60, nullptr);
        LineTo(dc_, 60, 3);
    }
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) ASSERT_EQ(Pixel(x, y), before.GetPixel(x, y)) << x << "," << y;
    }
    DeleteObject(blue);
}

TEST_F(Drawing, Rop2ModesCombinePenAndScreen) {
    struct Case {
        int mode;
        COLORREF screen;
        COLORREF pen;
        COLORREF expected;
    };
    const Case cases[] = {
        {R2_COPYPEN, kWhite, kRed, kRed},
        {R2_XORPEN, RGB(0xF0, 0x0F, 0x55), RGB(0xFF, 0xFF, 0x00), RGB(0x0F, 0xF0, 0x55)},
        {R2_NOT, RGB(0x12, 0x34, 0x56), kRed, RGB(0xED, 0xCB, 0xA9)},
        {R2_NOTCOPYPEN, kWhite, RGB(0x12, 0x34, 0x56), RGB(0xED, 0xCB, 0xA9)},
        {R2_MASKPEN, RGB(0xF0, 0xF0, 0xF0), RGB(0x3C, 0x3C, 0x3C), RGB(0x30, 0x30, 0x30)},
        {R2_MERGEPEN, RGB(0xF0, 0x00, 0x00), RGB(0x0F, 0x01, 0x00), RGB(0xFF, 0x01, 0x00)},
        {R2_MASKNOTPEN, RGB(0xFF, 0xFF, 0xFF), RGB(0x0F, 0xF0, 0x00), RGB(0xF0, 0x0F, 0xFF)},
        {R2_MERGENOTPEN, RGB(0x00, 0x00, 0x00), RGB(0x0F, 0xF0, 0xFF), RGB(0xF0, 0x0F, 0x00)},
        {R2_NOTXORPEN, RGB(0xF0, 0x0F, 0x55), RGB(0xFF, 0xFF, 0x00), RGB(0xF0, 0x0F, 0xAA)},
    };
    int x = 2;
    for (const Case& c : cases) {
        surface_.SetPixel(x, 5, c.screen);
        HPEN pen = CreatePen(PS_SOLID, 1, c.pen);
        SelectObject(dc_, pen);
        SetROP2(dc_, c.mode);
        MoveToEx(dc_, x, 5, nullptr);
        LineTo(dc_, x + 1, 5);
        EXPECT_EQ(Pixel(x, 5), c.expected) << "mode " << c.mode;
        SelectObject(dc_, GetStockObject(BLACK_PEN));
        DeleteObject(pen);
        x += 3;
    }
}

TEST_F(Drawing, PatternBrushesTakeTheColoursOfTheirContextWhenDrawn) {
    // A checkerboard, one byte per row padded to 16 bits.
    const BYTE rows[16] = {0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0};
    HBRUSH checker = PatternBrush(rows);
    SetTextColor(dc_, kRed);
    SetBkColor(dc_, kBlue);
    const RECT r{0, 0, 16, 16};
    FillRect(dc_, &r, checker);
    // Bit 0 (0x55 has bit 7 clear, so pixel 0 is 0) takes the text colour, bit 1 the background.
    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_EQ(Pixel(1, 0), kBlue);
    EXPECT_EQ(Pixel(0, 1), kBlue);
    EXPECT_EQ(Pixel(8, 0), kRed);  // repeats every 8 pixels
    EXPECT_EQ(Count(kRed, r), 128);
    // The same brush later draws in the colours then current.
    SetTextColor(dc_, kBlack);
    SetBkColor(dc_, kWhite);
    FillRect(dc_, &r, checker);
    EXPECT_EQ(Pixel(0, 0), kBlack);
    EXPECT_EQ(Pixel(1, 0), kWhite);
    // Patterns are aligned to the device origin, not to the shape.
    const RECT shifted{21, 0, 29, 8};
    FillRect(dc_, &shifted, checker);
    EXPECT_EQ(Pixel(21, 0), kWhite);  // odd column: background
    EXPECT_EQ(Pixel(22, 0), kBlack);
    DeleteObject(checker);
}

TEST_F(Drawing, UpwardLinesLeaveOutTheirLastPixelToo) {
    MoveToEx(dc_, 20, 8, nullptr);
    LineTo(dc_, 20, 5);
    EXPECT_EQ(Pixel(20, 8), kBlack);
    EXPECT_EQ(Pixel(20, 6), kBlack);
    EXPECT_EQ(Pixel(20, 5), kWhite);
    EXPECT_EQ(Count(kBlack), 3);
}

TEST_F(Drawing, PatternFillsRepeatEveryEightPixelsFromTheDeviceOrigin) {
    // One set bit per row, in the first column: every eighth pixel takes the background colour.
    const BYTE rows[16] = {0x80, 0, 0x80, 0, 0x80, 0, 0x80, 0, 0x80, 0, 0x80, 0, 0x80, 0, 0x80, 0};
    HBRUSH stripes = PatternBrush(rows);
    SetTextColor(dc_, kRed);
    SetBkColor(dc_, kBlue);
    const RECT r{3, 2, 30, 4};
    FillRect(dc_, &r, stripes);
    EXPECT_EQ(RowPatternColors(2, 2, 31), "WRRRRRBRRRRRRRBRRRRRRRBRRRRRW");
    EXPECT_EQ(RowPatternColors(3, 2, 31), RowPatternColors(2, 2, 31));
    DeleteObject(stripes);
}

TEST_F(Drawing, RegionsPaintFrameAndInvert) {
    HRGN region = CreateRectRgn(10, 10, 30, 20);
    HRGN second = CreateRectRgn(25, 15, 40, 30);
    CombineRgn(region, region, second, RGN_OR);
    HBRUSH blue = CreateSolidBrush(kBlue);
    FrameRgn(dc_, region, blue, 2, 1);
    EXPECT_EQ(Pixel(10, 15), kBlue);
    EXPECT_EQ(Pixel(11, 15), kBlue);
    EXPECT_EQ(Pixel(12, 15), kWhite);
    EXPECT_EQ(Pixel(20, 10), kBlue);
    EXPECT_EQ(Pixel(20, 11), kWhite);
    EXPECT_EQ(Pixel(39, 25), kBlue);
    EXPECT_EQ(Pixel(32, 25), kWhite);
    surface_.Fill(kWhite);
    SelectObject(dc_, blue);
    PaintRgn(dc_, region);
    EXPECT_EQ(Count(kBlue), 20 * 10 + 15 * 15 - 5 * 5);
    InvertRgn(dc_, region);
    EXPECT_EQ(Pixel(35, 25), RGB(255, 255, 0));
    EXPECT_EQ(Pixel(5, 5), kWhite);
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(blue);
    DeleteObject(region);
    DeleteObject(second);
}

TEST_F(Drawing, HugeShapesCostOnlyWhatShows) {
    // Far larger than any screen: only the visible part is worked out, so these return at once.
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(dc_, red);
    Ellipse(dc_, -1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(Count(kRed), 64 * 64);
    MoveToEx(dc_, -2000000000, 10, nullptr);
    LineTo(dc_, 2000000000, 10);
    EXPECT_EQ(Count(kBlack, RECT{0, 10, 64, 11}), 64);
    MoveToEx(dc_, 5, -2000000000, nullptr);
    LineTo(dc_, 5, 2000000000);
    EXPECT_EQ(Count(kBlack, RECT{5, 0, 6, 64}), 64);
    MoveToEx(dc_, -2000000000, -2000000000, nullptr);
    LineTo(dc_, 2000000000, 2000000000);
    EXPECT_EQ(Pixel(40, 40), kBlack);
    const POINT far[] = {{-2000000000, -2000000000}, {2000000000, 0}, {0, 2000000000}};
    EXPECT_TRUE(Polygon(dc_, far, 3));
    HPEN wide = CreatePen(PS_SOLID, 9, kBlue);
    SelectObject(dc_, wide);
    MoveToEx(dc_, -2000000000, -2000000000, nullptr);
    LineTo(dc_, 2000000000, 2000000000);
    EXPECT_EQ(Pixel(30, 30), kBlue);
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(wide);
    DeleteObject(red);
}

TEST_F(Drawing, ClipRegionsLimitEveryDrawingCall) {
    HRGN clip = CreateRectRgn(10, 10, 20, 20);
    SelectClipRgn(dc_, clip);
    DeleteObject(clip);  // the context keeps its own copy
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{0, 0, 64, 64};
    FillRect(dc_, &all, red);
    EXPECT_EQ(InkBounds().left, 10);
    EXPECT_EQ(InkBounds().right, 20);
    EXPECT_EQ(Count(kRed), 100);
    EXPECT_EQ(GetPixel(dc_, 5, 5), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc_, 15, 15), kRed);
    SelectClipRgn(dc_, nullptr);
    EXPECT_EQ(GetPixel(dc_, 5, 5), kWhite);
    DeleteObject(red);
}

}  // namespace
