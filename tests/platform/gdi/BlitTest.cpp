#include "platform/gdi/Bitmaps.h"

#include <gtest/gtest.h>

#include "GdiTestSupport.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Regions.h"

namespace {

using namespace win;
using gditest::kBlack;
using gditest::kBlue;
using gditest::kRed;
using gditest::kWhite;

class Blits : public gditest::SurfaceTest {
protected:
    // A memory context holding a new bitmap of the size (monochrome when asked), filled white.
    HDC MemoryWith(int width, int height, bool monochrome, HBITMAP* bitmap) {
        HDC memory = CreateCompatibleDC(dc_);
        *bitmap = monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                             : CreateCompatibleBitmap(dc_, width, height);
        saved_ = SelectObject(memory, *bitmap);
        PatBlt(memory, 0, 0, width, height, WHITENESS);
        return memory;
    }
    void Release(HDC memory, HBITMAP bitmap) {
        SelectObject(memory, saved_);
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
    HGDIOBJ saved_ = nullptr;
};

TEST_F(Blits, MonochromeSourcesTakeTheDestinationColours) {
    HBITMAP bitmap;
    HDC mono = MemoryWith(4, 1, true, &bitmap);
    SetPixel(mono, 1, 0, kBlack);
    SetPixel(mono, 2, 0, kRed);  // drawn in black or white, whichever is nearer
    EXPECT_EQ(GetPixel(mono, 2, 0), kBlack);
    SetTextColor(dc_, kRed);
    SetBkColor(dc_, kBlue);
    BitBlt(dc_, 10, 10, 4, 1, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(RowPatternColors(10, 10, 14), "BRRB");
    Release(mono, bitmap);
}

TEST_F(Blits, ColourSourcesBecomeWhiteWhereTheyMatchTheirBackground) {
    HBITMAP colourBitmap, monoBitmap;
    HDC colour = MemoryWith(3, 1, false, &colourBitmap);
    SetPixel(colour, 0, 0, kRed);
    SetPixel(colour, 1, 0, kBlue);
    SetPixel(colour, 2, 0, kRed);
    SetBkColor(colour, kRed);
    HGDIOBJ colourSaved = saved_;
    HDC mono = MemoryWith(3, 1, true, &monoBitmap);
    SetPixel(mono, 0, 0, kBlack);
    BitBlt(mono, 0, 0, 3, 1, colour, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mono, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mono, 1, 0), kBlack);
    EXPECT_EQ(GetPixel(mono, 2, 0), kWhite);
    Release(mono, monoBitmap);
    saved_ = colourSaved;
    Release(colour, colourBitmap);
}

TEST_F(Blits, RasterCodesCombineSourceDestinationAndPattern) {
    HBITMAP bitmap;
    HDC memory = MemoryWith(2, 1, false, &bitmap);
    SetPixel(memory, 0, 0, RGB(0xF0, 0x0F, 0xFF));
    SetPixel(memory, 1, 0, RGB(0x00, 0x00, 0x00));
    surface_.SetPixel(20, 20, RGB(0xFF, 0xFF, 0x00));
    surface_.SetPixel(21, 20, RGB(0x12, 0x34, 0x56));
    BitBlt(dc_, 20, 20, 2, 1, memory, 0, 0, SRCINVERT);
    EXPECT_EQ(Pixel(20, 20), RGB(0x0F, 0xF0, 0xFF));
    EXPECT_EQ(Pixel(21, 20), RGB(0x12, 0x34, 0x56));
    BitBlt(dc_, 20, 20, 2, 1, memory, 0, 0, SRCINVERT);  // twice gives back the screen
    EXPECT_EQ(Pixel(20, 20), RGB(0xFF, 0xFF, 0x00));
    BitBlt(dc_, 20, 20, 1, 1, memory, 0, 0, SRCAND);
    EXPECT_EQ(Pixel(20, 20), RGB(0xF0, 0x0F, 0x00));
    BitBlt(dc_, 20, 20, 1, 1, memory, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(Pixel(20, 20), RGB(0x0F, 0xF0, 0x00));
    // Without a source: the brush, the inverted screen, black and white.
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(dc_, red);
    PatBlt(dc_, 30, 30, 2, 2, PATCOPY);
    EXPECT_EQ(Pixel(31, 31), kRed);
    PatBlt(dc_, 30, 30, 2, 2, DSTINVERT);
    EXPECT_EQ(Pixel(31, 31), RGB(0, 255, 255));
    PatBlt(dc_, 30, 30, 2, 2, PATINVERT);
    EXPECT_EQ(Pixel(30, 30), kWhite);
    PatBlt(dc_, 30, 30, 1, 1, BLACKNESS);
    EXPECT_EQ(Pixel(30, 30), kBlack);
    EXPECT_FALSE(PatBlt(dc_, 30, 30, 1, 1, SRCCOPY));  // needs a source
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
    Release(memory, bitmap);
}

TEST_F(Blits, ShrinkingKeepsThinBlackLinesUnderBlackOnWhite) {
    HBITMAP bitmap;
    HDC page = MemoryWith(40, 40, true, &bitmap);
    // One-pixel black lines every 4 pixels across a white page.
    for (int x = 1; x < 40; x += 4) {
        MoveToEx(page, x, 0, nullptr);
        LineTo(page, x, 40);
    }
    SetStretchBltMode(dc_, BLACKONWHITE);
    StretchBlt(dc_, 0, 0, 10, 10, page, 0, 0, 40, 40, SRCCOPY);
    EXPECT_EQ(Count(kBlack, RECT{0, 0, 10, 10}), 100);  // every column held a line
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, 20, 0, 10, 10, page, 0, 0, 40, 40, SRCCOPY);
    EXPECT_LT(Count(kBlack, RECT{20, 0, 30, 10}), 100);  // dropped pixels are just gone
    // Growing repeats pixels.
    StretchBlt(dc_, 0, 20, 8, 2, page, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(RowPatternColors(20, 0, 8), "WWKKWWWW");
    Release(page, bitmap);
}

TEST_F(Blits, ShrinkingAColourPictureKeepsOnePixelOfEachBlockInEveryMode) {
    // Colour pictures are not darkened (or lightened) by the monochrome line-keeping modes.
    HBITMAP bitmap;
    HDC picture = MemoryWith(4, 2, false, &bitmap);
    const COLORREF first = RGB(0x0D, 0xD0, 0xFE), second = RGB(0x40, 0x10, 0x44);
    for (int x = 0; x < 4; ++x) {
        SetPixel(picture, x, 0, x % 2 == 0 ? first : second);
        SetPixel(picture, x, 1, second);
    }
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR}) {
        surface_.Fill(kWhite);
        SetStretchBltMode(dc_, mode);
        StretchBlt(dc_, 10, 10, 2, 1, picture, 0, 0, 4, 2, SRCCOPY);
        EXPECT_EQ(Pixel(10, 10), first) << mode;
        EXPECT_EQ(Pixel(11, 10), first) << mode;
        // Mirrored, the first pixel of a block is its rightmost; a width of -2 from x = 12 covers
        // 11 and 12.
        StretchBlt(dc_, 12, 10, -2, 1, picture, 0, 0, 4, 2, SRCCOPY);
        EXPECT_EQ(Pixel(10, 10), first) << mode;
        EXPECT_EQ(Pixel(11, 10), second) << mode;
        EXPECT_EQ(Pixel(12, 10), second) << mode;
    }
    Release(picture, bitmap);
}

TEST_F(Blits, NegativeSizesMirrorFromTheOriginsPixel) {
    // A 3 x 2 picture: row 0 red, white, blue; row 1 all black.
    HBITMAP bitmap;
    HDC picture = MemoryWith(3, 2, false, &bitmap);
    SetPixel(picture, 0, 0, kRed);
    SetPixel(picture, 2, 0, kBlue);
    for (int x = 0; x < 3; ++x) SetPixel(picture, x, 1, kBlack);
    // A negative destination width runs left from x = 12: pixels 10 to 12, mirrored.
    StretchBlt(dc_, 12, 10, -3, 1, picture, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(RowPatternColors(10, 9, 14), "WBWRW");
    // Negative on both sides runs both ways: no mirror, the source's pixels 0 to 2 taken from x = 2.
    StretchBlt(dc_, 12, 20, -3, 1, picture, 2, 0, -3, 1, SRCCOPY);
    EXPECT_EQ(RowPatternColors(20, 9, 14), "WRWBW");
    // A negative source height reads upward from its origin's row: row 1 first, then row 0.
    StretchBlt(dc_, 20, 30, 1, 2, picture, 0, 1, 1, -2, SRCCOPY);
    EXPECT_EQ(Pixel(20, 30), kBlack);
    EXPECT_EQ(Pixel(20, 31), kRed);
    EXPECT_EQ(Pixel(20, 29), kWhite);
    // Growing a mirrored picture: each source pixel twice.
    StretchBlt(dc_, 35, 40, -6, 1, picture, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(RowPatternColors(40, 29, 37), "WBBWWRRW");
    // PatBlt covers the same pixels.
    SelectObject(dc_, GetStockObject(BLACK_BRUSH));
    PatBlt(dc_, 52, 50, -2, 1, PATCOPY);
    EXPECT_EQ(RowPatternColors(50, 50, 54), "WKKW");
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    Release(picture, bitmap);
}

TEST_F(Blits, SourcesOutsideTheirBitmapAreLeftAlone) {
    HBITMAP bitmap;
    HDC memory = MemoryWith(4, 4, false, &bitmap);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{0, 0, 4, 4};
    FillRect(memory, &all, red);
    surface_.Fill(kBlue);
    BitBlt(dc_, 10, 10, 10, 10, memory, -2, -2, SRCCOPY);
    EXPECT_EQ(InkBounds(kBlue).left, 12);
    EXPECT_EQ(InkBounds(kBlue).right, 16);
    EXPECT_EQ(Count(kRed), 16);
    DeleteObject(red);
    Release(memory, bitmap);
}

TEST_F(Blits, SameSizeCopiesPutEachPixelInPlaceWithinTheClip) {
    // A 4 x 2 picture: row 0 red, blue, black, white; row 1 the same from the other end.
    HBITMAP bitmap;
    HDC picture = MemoryWith(4, 2, false, &bitmap);
    const COLORREF colours[] = {kRed, kBlue, kBlack, kWhite};
    for (int x = 0; x < 4; ++x) {
        SetPixel(picture, x, 0, colours[x]);
        SetPixel(picture, x, 1, colours[3 - x]);
    }
    surface_.Fill(RGB(0, 255, 0));  // shown as '?'
    // Part of the picture, from its second column, lands at (20, 30); the clip leaves out column 22.
    HRGN clip = CreateRectRgn(0, 0, 22, 64);
    HRGN right = CreateRectRgn(23, 0, 64, 64);
    CombineRgn(clip, clip, right, RGN_OR);
    SelectClipRgn(dc_, clip);
    BitBlt(dc_, 20, 30, 3, 2, picture, 1, 0, SRCCOPY);
    SelectClipRgn(dc_, nullptr);
    EXPECT_EQ(RowPatternColors(30, 19, 24), "?BK??");
    EXPECT_EQ(RowPatternColors(31, 19, 24), "?KB??");
    EXPECT_EQ(RowPatternColors(29, 19, 24), "?????");
    EXPECT_EQ(RowPatternColors(32, 19, 24), "?????");
    DeleteObject(right);
    DeleteObject(clip);
    Release(picture, bitmap);
}

TEST_F(Blits, CopiesWithinOneContextTakeThePixelsAsTheyWereBeforeTheCopy) {
    surface_.Fill(RGB(0, 255, 0));  // shown as '?'
    const COLORREF colours[] = {kRed, kBlue, kBlack, kWhite};
    for (int x = 0; x < 4; ++x) surface_.SetPixel(10 + x, 40, colours[x]);
    BitBlt(dc_, 11, 40, 4, 1, dc_, 10, 40, SRCCOPY);  // one pixel to the right, over itself
    EXPECT_EQ(RowPatternColors(40, 9, 16), "?RRBKW?");
    BitBlt(dc_, 9, 40, 5, 1, dc_, 10, 40, SRCCOPY);  // and back, one to the left
    EXPECT_EQ(RowPatternColors(40, 8, 16), "?RRBKWW?");
}

TEST_F(Blits, MonochromeToMonochromeCopiesKeepBlackAndWhiteWhateverTheColours) {
    HBITMAP fromBitmap, toBitmap;
    HDC from = MemoryWith(3, 1, true, &fromBitmap);
    SetPixel(from, 1, 0, kBlack);
    HGDIOBJ fromSaved = saved_;
    HDC to = MemoryWith(5, 1, true, &toBitmap);
    SetTextColor(to, kRed);
    SetBkColor(to, kBlue);
    BitBlt(to, 1, 0, 3, 1, from, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(to, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(to, 1, 0), kWhite);
    EXPECT_EQ(GetPixel(to, 2, 0), kBlack);
    EXPECT_EQ(GetPixel(to, 3, 0), kWhite);
    Release(to, toBitmap);
    saved_ = fromSaved;
    Release(from, fromBitmap);
}

TEST_F(Blits, BitmapsFromBits) {
    const BYTE rows[] = {0xA0, 0x00, 0x40, 0x00};  // 3 x 2 monochrome: row 0 = 1 0 1, row 1 = 0 1 0
    HBITMAP mono = CreateBitmap(3, 2, 1, 1, rows);
    HDC memory = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(memory, mono);
    EXPECT_EQ(GetPixel(memory, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(memory, 1, 0), kBlack);
    EXPECT_EQ(GetPixel(memory, 1, 1), kWhite);
    BITMAP info;
    GetObjectA(mono, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidthBytes, 2);
    // A bitmap compatible with a context holding a monochrome bitmap is monochrome too.
    HBITMAP alike = CreateCompatibleBitmap(memory, 5, 5);
    GetObjectA(alike, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(mono);
    DeleteObject(alike);
    // Colour bits run blue, green, red.
    const BYTE pixels[] = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00};
    HBITMAP colour = CreateBitmap(2, 1, 1, 32, pixels);
    memory = CreateCompatibleDC(dc_);
    old = SelectObject(memory, colour);
    EXPECT_EQ(GetPixel(memory, 0, 0), kRed);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(colour);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);  // too big to hold
}

}  // namespace
