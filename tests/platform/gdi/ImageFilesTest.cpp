// Pictures other programs hand over: PNG and BMP files made into bitmaps (a PNG's transparency laid
// on white), bitmaps written as both kinds of file and read back, and bytes that are neither, damaged
// or too big refused without a bitmap left behind.

#include "platform/gdi/ImageFiles.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiObject.h"

namespace {

using namespace win;

cairo_status_t Collect(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<BYTE>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// A PNG of 3 x 2 pixels with an alpha channel: opaque red, transparent, half transparent blue, then
// a row of opaque green.
std::vector<BYTE> MakePng() {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 3, 2);
    auto* row0 = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    auto* row1 = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                  cairo_image_surface_get_stride(surface));
    cairo_surface_flush(surface);
    row0[0] = 0xFFFF0000;
    row0[1] = 0x00000000;
    row0[2] = 0x80000080;  // premultiplied: half of full blue
    for (int x = 0; x < 3; ++x) row1[x] = 0xFF00FF00;
    cairo_surface_mark_dirty(surface);
    std::vector<BYTE> png;
    cairo_surface_write_to_png_stream(surface, Collect, &png);
    cairo_surface_destroy(surface);
    return png;
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP facts;
    if (GetObjectA(bitmap, sizeof facts, &facts) == 0) return SIZE{0, 0};
    return SIZE{facts.bmWidth, facts.bmHeight};
}

using gditest::BitmapPixels;

TEST(ImageFiles, APngBecomesABitmapWithItsTransparencyOnWhite) {
    HBITMAP bitmap = BitmapFromImageFile(MakePng());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(SizeOf(bitmap).cx, 3);
    EXPECT_EQ(SizeOf(bitmap).cy, 2);
    const std::vector<COLORREF> pixels = BitmapPixels(bitmap);
    ASSERT_EQ(pixels.size(), 6u);
    EXPECT_EQ(pixels[0], RGB(255, 0, 0));
    EXPECT_EQ(pixels[1], RGB(255, 255, 255));
    EXPECT_NEAR(GetRValue(pixels[2]), 127, 1);
    EXPECT_NEAR(GetGValue(pixels[2]), 127, 1);
    EXPECT_EQ(GetBValue(pixels[2]), 255);
    EXPECT_EQ(pixels[3], RGB(0, 255, 0));
    EXPECT_EQ(pixels[5], RGB(0, 255, 0));
    DeleteObject(bitmap);
}

// Five pixels a row, so that a BMP row is padded; every pixel of its own colour.
TEST(ImageFiles, ABitmapWrittenAsPngOrBmpReadsBackPixelForPixel) {
    HBITMAP bitmap = gditest::ColouredBitmap(5, 3);
    const std::vector<COLORREF> expected = BitmapPixels(bitmap);

    const std::vector<BYTE> png = PngFileOfBitmap(bitmap);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG", 4), 0);
    const std::vector<BYTE> bmp = BmpFileOfBitmap(bitmap);
    ASSERT_EQ(bmp.size(), 14u + 40u + 3u * 16u) << "rows of 15 bytes padded to 16";
    const BmpImage parsed = ParseBmp(bmp);
    ASSERT_EQ(parsed.status, BmpStatus::Ok);
    EXPECT_EQ(parsed.layout.width, 5);
    EXPECT_EQ(parsed.layout.height, 3);
    EXPECT_EQ(parsed.layout.bitCount, 24);
    EXPECT_FALSE(parsed.layout.topDown);
    for (const std::vector<BYTE>* file : {&png, &bmp}) {
        HBITMAP read = BitmapFromImageFile(*file);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(BitmapPixels(read), expected);
        DeleteObject(read);
    }
    DeleteObject(bitmap);
    EXPECT_TRUE(PngFileOfBitmap(nullptr).empty());
    EXPECT_TRUE(BmpFileOfBitmap(reinterpret_cast<HBITMAP>(GetStockObject(WHITE_BRUSH))).empty());
}

TEST(ImageFiles, ForeignDamagedAndHugePicturesGiveNoBitmap) {
    const long before = gdi::LiveObjectCount(OBJ_BITMAP);
    const std::vector<BYTE> png = MakePng();
    EXPECT_EQ(BitmapFromImageFile({}), nullptr);
    const std::string gif = "GIF89a\x01\x00\x01\x00";
    EXPECT_EQ(BitmapFromImageFile(std::span(reinterpret_cast<const BYTE*>(gif.data()), gif.size())), nullptr);
    for (std::size_t cut : {std::size_t{8}, std::size_t{20}, std::size_t{40}, png.size() - 1}) {
        SCOPED_TRACE(cut);
        EXPECT_EQ(BitmapFromImageFile(std::span(png.data(), cut)), nullptr);
    }
    // A header that claims a picture of 40000 x 40000 is refused before anything is decoded.
    std::vector<BYTE> huge = png;
    const BYTE side[4] = {0x00, 0x00, 0x9C, 0x40};
    std::memcpy(huge.data() + 16, side, 4);
    std::memcpy(huge.data() + 20, side, 4);
    EXPECT_EQ(BitmapFromImageFile(huge), nullptr);
    std::vector<BYTE> bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 99, 0, 0, 0};
    EXPECT_EQ(BitmapFromImageFile(bmp), nullptr);
    EXPECT_EQ(gdi::LiveObjectCount(OBJ_BITMAP), before);
}

}  // namespace
