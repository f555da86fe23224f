#include "platform/gdi/Dib.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"

namespace {

using namespace win;
using gditest::kBlack;
using gditest::kBlue;
using gditest::kRed;
using gditest::kWhite;

// A packed DIB built by hand: info header, colour table, pixel bytes.
std::vector<BYTE> MakeDib(LONG width, LONG height, WORD bitCount, DWORD compression,
                          const std::vector<COLORREF>& table, const std::vector<BYTE>& pixels,
                          DWORD sizeImage = 0) {
    BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = bitCount;
    header.biCompression = compression;
    header.biSizeImage = sizeImage ? sizeImage : static_cast<DWORD>(pixels.size());
    header.biClrUsed = static_cast<DWORD>(table.size());
    std::vector<BYTE> block(sizeof header);
    std::memcpy(block.data(), &header, sizeof header);
    for (COLORREF c : table) {
        const BYTE quad[4] = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
        block.insert(block.end(), quad, quad + 4);
    }
    block.insert(block.end(), pixels.begin(), pixels.end());
    return block;
}

const BITMAPINFO* Info(const std::vector<BYTE>& dib) {
    return reinterpret_cast<const BITMAPINFO*>(dib.data());
}
const BYTE* Bits(const std::vector<BYTE>& dib) {
    const auto layout = ParsePackedDib(dib.data(), dib.size());
    EXPECT_TRUE(layout.has_value());
    return dib.data() + (layout ? layout->pixelOffset : 0);
}

class Dibs : public gditest::SurfaceTest {
protected:
    // Draws the DIB at (x, y) unscaled.
    void Draw(const std::vector<BYTE>& dib, int x = 0, int y = 0) {
        const auto layout = ParsePackedDib(dib.data(), dib.size());
        ASSERT_TRUE(layout.has_value());
        SetDIBitsToDevice(dc_, x, y, static_cast<DWORD>(layout->width), static_cast<DWORD>(layout->height), 0,
                          0, 0, static_cast<UINT>(layout->height), dib.data() + layout->pixelOffset,
                          Info(dib), DIB_RGB_COLORS);
    }
};

TEST_F(Dibs, RowsArePaddedToWholeWords) {
    EXPECT_EQ(DibRowBytes(33, 1), 8u);  // 33 bits need two words
    EXPECT_EQ(DibRowBytes(9, 4), 8u);   // 36 bits
    EXPECT_EQ(DibRowBytes(32, 1), 4u);
    EXPECT_EQ(DibRowBytes(3, 24), 12u);  // 9 bytes
    EXPECT_EQ(DibRowBytes(1, 32), 4u);
    EXPECT_EQ(DibRowBytes(5, 16), 12u);
}

TEST_F(Dibs, BottomUpRowsWithAColourTable) {
    // 3 x 2 at 4 bits: the first row stored is the bottom one; each row padded to 4 bytes.
    const std::vector<BYTE> rows = {0x01, 0x20, 0, 0,   // bottom: 0 1 2
                                    0x21, 0x00, 0, 0};  // top: 2 1 0
    const auto dib = MakeDib(3, 2, 4, BI_RGB, {kWhite, kRed, kBlue}, rows);
    Draw(dib, 10, 10);
    EXPECT_EQ(Pixel(10, 10), kBlue);
    EXPECT_EQ(Pixel(11, 10), kRed);
    EXPECT_EQ(Pixel(12, 10), kWhite);
    EXPECT_EQ(Pixel(10, 11), kWhite);
    EXPECT_EQ(Pixel(12, 11), kBlue);
    // A negative height stores the top row first.
    const auto topDown = MakeDib(3, -2, 4, BI_RGB, {kWhite, kRed, kBlue}, rows);
    Draw(topDown, 20, 10);
    EXPECT_EQ(Pixel(20, 10), kWhite);
    EXPECT_EQ(Pixel(22, 10), kBlue);
    EXPECT_EQ(Pixel(20, 11), kBlue);
}

// A colour bitmap holding the pixels given (row by row), as a handle.
HBITMAP BitmapOf(HDC screen, int width, int height, const std::vector<COLORREF>& pixels) {
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            SetPixel(memory, x, y, pixels[static_cast<std::size_t>(y * width + x)]);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    return bitmap;
}

std::vector<COLORREF> DrawnPixels(HDC screen, HBITMAP bitmap, int width, int height) {
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    return pixels;
}

TEST_F(Dibs, RoundTripsAtEveryDepthAndHeader) {
    // Odd sizes, so every row needs padding.
    const int width = 13, height = 5;
    for (WORD depth : {1, 4, 8, 16, 24, 32}) {
        for (bool core : {false, true}) {
            if (core && (depth == 16 || depth == 32)) continue;
            for (bool topDown : {false, true}) {
                if (core && topDown) continue;
                // Colours the depth can hold exactly: two for 1 bit, 16 for 4, 5-bit channels for 16.
                std::vector<COLORREF> pixels;
                for (int k = 0; k < width * height; ++k) {
                    const int v = (k * 7) % 16;
                    switch (depth) {
                        case 1: pixels.push_back(k % 3 ? kBlack : kWhite); break;
                        case 16: {
                            auto c = [](int five) { return static_cast<BYTE>(five * 255 / 31); };
                            pixels.push_back(RGB(c(v * 2), c(31 - v), c(k % 32)));
                            break;
                        }
                        default: pixels.push_back(RGB(v * 16, 255 - v * 8, (k * 37) % 256)); break;
                    }
                    if (depth == 4) pixels.back() = RGB(v * 16, v * 3, 255 - v);
                }
                HBITMAP original = BitmapOf(dc_, width, height, pixels);
                std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * 4);
                if (core) {
                    auto* header = reinterpret_cast<BITMAPCOREHEADER*>(info.data());
                    *header = BITMAPCOREHEADER{};
                    header->bcBitCount = depth;
                } else {
                    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
                    *header = BITMAPINFOHEADER{};
                    header->biBitCount = depth;
                    header->biHeight = topDown ? -1 : 1;
                }
                auto* asInfo = reinterpret_cast<BITMAPINFO*>(info.data());
                std::vector<BYTE> bits(DibRowBytes(width, depth) * height, 0xEE);
                ASSERT_EQ(GetDIBits(dc_, original, 0, height, bits.data(), asInfo, DIB_RGB_COLORS), height)
                    << "depth " << depth;
                HBITMAP copy =
                    CreateDIBitmap(dc_, &asInfo->bmiHeader, CBM_INIT, bits.data(), asInfo, DIB_RGB_COLORS);
                ASSERT_NE(copy, nullptr);
                EXPECT_EQ(DrawnPixels(dc_, copy, width, height), pixels)
                    << "depth " << depth << (core ? " core" : "") << (topDown ? " top-down" : "");
                DeleteObject(original);
                DeleteObject(copy);
            }
        }
    }
}

TEST_F(Dibs, HeaderOnlyCallDescribesTheImage) {
    HBITMAP bitmap = CreateCompatibleBitmap(dc_, 33, 7);
    struct {
        BITMAPINFO info;
        RGBQUAD more[1];
    } room{};
    BITMAPINFO& info = room.info;  // with room for the two colours of a 1-bit table
    info.bmiHeader.biBitCount = 1;
    EXPECT_EQ(GetDIBits(dc_, bitmap, 0, 7, nullptr, &info, DIB_RGB_COLORS), 7);
    EXPECT_EQ(info.bmiHeader.biWidth, 33);
    EXPECT_EQ(info.bmiHeader.biHeight, 7);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 8u * 7u);
    EXPECT_EQ(info.bmiHeader.biCompression, BI_RGB);
    // Depth 0 asks for the bitmap's own.
    info.bmiHeader.biBitCount = 0;
    GetDIBits(dc_, bitmap, 0, 7, nullptr, &info, DIB_RGB_COLORS);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    DeleteObject(bitmap);
}

TEST_F(Dibs, ImagesWithTooManyColoursAreMatchedToAStandardTable) {
    std::vector<COLORREF> pixels;
    for (int k = 0; k < 40; ++k) pixels.push_back(RGB(k * 6, 0, 255 - k * 6));
    pixels[0] = RGB(255, 0, 0);
    HBITMAP bitmap = BitmapOf(dc_, 40, 1, pixels);
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 16 * 4);
    auto* asInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    asInfo->bmiHeader = BITMAPINFOHEADER{};
    asInfo->bmiHeader.biBitCount = 4;
    std::vector<BYTE> bits(DibRowBytes(40, 4));
    GetDIBits(dc_, bitmap, 0, 1, bits.data(), asInfo, DIB_RGB_COLORS);
    HBITMAP copy = CreateDIBitmap(dc_, &asInfo->bmiHeader, CBM_INIT, bits.data(), asInfo, DIB_RGB_COLORS);
    const auto back = DrawnPixels(dc_, copy, 40, 1);
    EXPECT_EQ(back[0], RGB(255, 0, 0));   // a colour of the standard table stays
    EXPECT_EQ(back[39], RGB(255, 0, 0));  // (234, 0, 21) is nearest to red
    DeleteObject(bitmap);
    DeleteObject(copy);
}

TEST_F(Dibs, RunLengthEncodedImagesDecode) {
    // 8-bit, 6 x 3: a run, stored pixels, an end of line, a move, and the end mark.
    const std::vector<BYTE> rle8 = {
        3, 1,              // three of colour 1
        0, 3, 2, 0, 2, 0,  // three stored: 2 0 2, padded
        0, 0,              // next row
        0, 2, 2, 1,        // move right 2, down 1
        2, 2,              // two of colour 2
        0, 1,              // end
    };
    const auto dib = MakeDib(6, 3, 8, BI_RLE8, {kWhite, kRed, kBlue}, rle8);
    Draw(dib, 0, 0);
    // Bottom row (y = 2): R R R B W B; middle row untouched (W); top row: two blue from x = 2
    EXPECT_EQ(RowPatternColors(2), "RRRBWB");
    EXPECT_EQ(RowPatternColors(1), "WWWWWW");
    EXPECT_EQ(RowPatternColors(0), "WWBBWW");
    // 4-bit: runs alternate their two indexes.
    const std::vector<BYTE> rle4 = {5, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1};
    const auto dib4 = MakeDib(6, 2, 4, BI_RLE4, {kWhite, kRed, kBlue}, rle4);
    Draw(dib4, 0, 10);
    EXPECT_EQ(RowPatternColors(11), "RBRBRW");
    EXPECT_EQ(RowPatternColors(10), "BRBWWW");
}

TEST_F(Dibs, DamagedRunLengthDataStaysInsideTheImage) {
    const std::vector<std::vector<BYTE>> streams = {
        {255, 1, 255, 1, 0, 1},          // runs far past the row end
        {0, 200, 1, 2},                  // stored pixels cut off by the end of the data
        {0, 2, 255, 255, 5, 1, 0, 1},    // a move far outside, then pixels
        {4, 1},                          // no end mark
        {0, 2, 1},                       // a move cut off
        {0, 0, 0, 0, 0, 0, 0, 0, 7, 1},  // more rows than the image has
    };
    for (const auto& stream : streams) {
        surface_.Fill(kBlack);
        const auto dib = MakeDib(4, 2, 8, BI_RLE8, {kWhite, kRed}, stream);
        Draw(dib, 5, 5);
        // Nothing drawn outside the 4 x 2 image.
        const RECT ink = InkBounds(kBlack);
        EXPECT_GE(ink.left, 5);
        EXPECT_LE(ink.right, 9);
        EXPECT_LE(ink.bottom, 7);
    }
    // Encoded data must say how long it is, and comes bottom-up only.
    EXPECT_FALSE(ParsePackedDib(MakeDib(4, 2, 8, BI_RLE8, {kWhite}, {0, 1}, 0xFFFF).data(), 50).has_value());
    EXPECT_FALSE(ParsePackedDib(MakeDib(4, -2, 8, BI_RLE8, {kWhite}, {0, 1}).data(), 50).has_value());
}

TEST_F(Dibs, PackedBlocksAreCheckedAgainstTheirLength) {
    const std::vector<BYTE> rows(8, 0);
    const auto good = MakeDib(3, 2, 8, BI_RGB, {kWhite, kRed}, rows);
    const auto layout = ParsePackedDib(good.data(), good.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->pixelOffset, 40u + 2u * 4u);
    EXPECT_EQ(layout->pixelBytes, 8u);
    EXPECT_EQ(layout->colorCount, 2u);
    EXPECT_FALSE(ParsePackedDib(good.data(), good.size() - 1).has_value());  // a pixel byte missing
    EXPECT_FALSE(ParsePackedDib(good.data(), 45).has_value());               // table cut
    EXPECT_FALSE(ParsePackedDib(good.data(), 3).has_value());
    auto change = [&](auto edit) {
        std::vector<BYTE> copy = good;
        edit(*reinterpret_cast<BITMAPINFOHEADER*>(copy.data()));
        return ParsePackedDib(copy.data(), copy.size()).has_value();
    };
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biClrUsed = 257; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biWidth = 0; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biWidth = -3; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biHeight = 0; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biHeight = static_cast<LONG>(0x80000000u); }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biWidth = 100000, h.biHeight = 100000; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biBitCount = 7; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biPlanes = 2; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biCompression = BI_RLE4; }));  // wrong depth
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biCompression = 9; }));
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biSizeImage = 4; }));  // smaller than the rows
    EXPECT_FALSE(change([](BITMAPINFOHEADER& h) { h.biSize = 20; }));
    EXPECT_TRUE(change([](BITMAPINFOHEADER& h) { h.biSizeImage = 0; }));  // 0 means "the rows"
    EXPECT_TRUE(change([](BITMAPINFOHEADER& h) { h.biHeight = -2; }));
    // A core header: 3-byte colour entries.
    std::vector<BYTE> core(12);
    const BITMAPCOREHEADER header{12, 2, 1, 1, 1};
    std::memcpy(core.data(), &header, 12);
    core.insert(core.end(), {0, 0, 0, 255, 255, 255, 0x40, 0, 0, 0});
    const auto coreLayout = ParsePackedDib(core.data(), core.size());
    ASSERT_TRUE(coreLayout.has_value());
    EXPECT_EQ(coreLayout->colorEntrySize, 3u);
    EXPECT_EQ(coreLayout->pixelOffset, 18u);
}

TEST_F(Dibs, StretchedDrawingScalesAndMirrors) {
    const std::vector<BYTE> rows = {0x01, 0, 0, 0, 0x10, 0, 0, 0};  // 2 x 2 at 4 bits
    const auto dib = MakeDib(2, 2, 4, BI_RGB, {kRed, kBlue}, rows);
    // Bottom row: red blue; top row: blue red.
    StretchDIBits(dc_, 10, 10, 4, 4, 0, 0, 2, 2, Bits(dib), Info(dib), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(Pixel(10, 10), kBlue);
    EXPECT_EQ(Pixel(11, 11), kBlue);
    EXPECT_EQ(Pixel(12, 10), kRed);
    EXPECT_EQ(Pixel(10, 13), kRed);
    EXPECT_EQ(Pixel(14, 10), kWhite);
    // A negative width mirrors, running left from x = 30: pixels 29 and 30.
    StretchDIBits(dc_, 30, 10, -2, 2, 0, 0, 2, 2, Bits(dib), Info(dib), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(Pixel(28, 10), kWhite);
    EXPECT_EQ(Pixel(29, 10), kRed);
    EXPECT_EQ(Pixel(30, 10), kBlue);
}

}  // namespace
