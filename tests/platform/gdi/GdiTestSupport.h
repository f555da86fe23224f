#pragma once
// A white surface with a display context over all of it, and helpers that read pixels back and
// compare pictures with reference pictures.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"

namespace gditest {

inline constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
inline constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);
inline constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
inline constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);

// How many pixels of two pictures of one size differ by more than a shade: glyph edges may shade a
// little differently with another FreeType, so pictures are compared within that.
inline int DifferingPixels(const win::Surface& a, const win::Surface& b) {
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            const win::COLORREF p = a.GetPixel(x, y), q = b.GetPixel(x, y);
            const int distance = std::abs(win::GetRValue(p) - win::GetRValue(q)) +
                                 std::abs(win::GetGValue(p) - win::GetGValue(q)) +
                                 std::abs(win::GetBValue(p) - win::GetBValue(q));
            if (distance > 48) ++differing;
        }
    }
    return differing;
}

// The picture against the reference picture in the file, allowing one pixel in 500 to differ. Run
// with FABLECORE_WRITE_REFERENCE=1, the picture becomes the reference instead (to be checked by eye).
inline void ExpectMatchesReference(const win::Surface& picture, const std::filesystem::path& reference) {
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(picture.WritePng(reference.string()));
        return;
    }
    const std::unique_ptr<win::Surface> expected = win::Surface::ReadPng(reference.string());
    ASSERT_NE(expected, nullptr) << reference;
    ASSERT_EQ(expected->Width(), picture.Width());
    ASSERT_EQ(expected->Height(), picture.Height());
    EXPECT_LE(DifferingPixels(picture, *expected), picture.Width() * picture.Height() / 500) << reference;
}

class SurfaceTest : public ::testing::Test {
protected:
    explicit SurfaceTest(int width = 64, int height = 64)
        : surface_(width, height, kWhite),
          dc_(win::CreateDisplayDC(surface_, win::POINT{0, 0}, win::Region(0, 0, width, height))) {}
    ~SurfaceTest() override { win::DestroyDisplayDC(dc_); }

    win::COLORREF Pixel(int x, int y) const { return surface_.GetPixel(x, y); }
    // How many pixels of the rectangle have the colour.
    int Count(win::COLORREF color, const win::RECT& area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) n += Pixel(x, y) == color;
        }
        return n;
    }
    int Count(win::COLORREF color) const {
        return Count(color, win::RECT{0, 0, surface_.Width(), surface_.Height()});
    }
    // The smallest rectangle around the pixels that differ from the colour; empty when none do.
    win::RECT InkBounds(win::COLORREF background = kWhite) const {
        win::RECT box{surface_.Width(), surface_.Height(), 0, 0};
        for (int y = 0; y < surface_.Height(); ++y) {
            for (int x = 0; x < surface_.Width(); ++x) {
                if (Pixel(x, y) == background) continue;
                box.left = std::min<win::LONG>(box.left, x),
                box.right = std::max<win::LONG>(box.right, x + 1);
                box.top = std::min<win::LONG>(box.top, y),
                box.bottom = std::max<win::LONG>(box.bottom, y + 1);
            }
        }
        return box.left < box.right ? box : win::RECT{};
    }

    // A row of pixels as letters: W white, K black, R red, B blue, ? anything else.
    std::string RowPatternColors(int y, int from = 0, int to = -1) const {
        std::string row;
        for (int x = from; x < (to < 0 ? from + 6 : to); ++x) {
            const win::COLORREF c = Pixel(x, y);
            row += c == kWhite ? 'W' : c == kBlack ? 'K' : c == kRed ? 'R' : c == kBlue ? 'B' : '?';
        }
        return row;
    }

    win::Surface surface_;
    win::HDC dc_;
};

inline win::HFONT MakeFont(const char* face, win::LONG height, win::LONG weight = win::FW_NORMAL,
                           win::BYTE italic = 0, win::BYTE pitchAndFamily = 0) {
    win::LOGFONTA font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(font.lfFaceName, face, win::LF_FACESIZE - 1);
    return win::CreateFontIndirectA(&font);
}

// Pixels of a row as a string: '#' for the colour, '.' for anything else.
inline std::string RowPattern(const win::Surface& surface, int y, int from, int to, win::COLORREF ink) {
    std::string row;
    for (int x = from; x < to; ++x) row += surface.GetPixel(x, y) == ink ? '#' : '.';
    return row;
}

// A bitmap of the size, every pixel of its own colour (red and green from its place, blue as given).
inline win::HBITMAP ColouredBitmap(int width, int height, win::BYTE blue = 90) {
    const win::HBITMAP bitmap = win::CreateBitmap(width, height, 1, 32, nullptr);
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            win::SetPixel(dc, x, y, win::RGB(static_cast<win::BYTE>(50 * x), static_cast<win::BYTE>(100 * y), blue));
    }
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    return bitmap;
}

// A bitmap's pixels row by row, read through a memory context; none for a handle that is no bitmap.
inline std::vector<win::COLORREF> BitmapPixels(win::HBITMAP bitmap) {
    win::BITMAP facts;
    if (bitmap == nullptr || win::GetObjectA(bitmap, sizeof facts, &facts) == 0) return {};
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    std::vector<win::COLORREF> pixels;
    for (int y = 0; y < facts.bmHeight; ++y) {
        for (int x = 0; x < facts.bmWidth; ++x) pixels.push_back(win::GetPixel(dc, x, y));
    }
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    return pixels;
}

}  // namespace gditest
