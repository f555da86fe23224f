#include "framework/graphics/PictImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "DibTestSupport.h"
#include "GraphTestSupport.h"
#include "StoreScope.h"
#include "foundation/FileError.h"
#include "framework/graphics/DibPicture.h"
#include "platform/gdi/Objects.h"

namespace {

using dibtest::Block;
using dibtest::Bytes;

constexpr FourCC kBitmapType = FourCCOf("BITM");

// The picture a DIB shows, pixel by pixel from the top left.
std::vector<win::COLORREF> PixelsOf(const void* dib) {
    const auto layout = DibLayout(dib);
    if (!layout) return {};
    graphtest::MemorySurface surface(layout->width, layout->height);
    const win::RECT all{0, 0, layout->width, layout->height};
    DrawDib(surface.Dc(), all, dib, all, nullptr);
    std::vector<win::COLORREF> pixels;
    for (int y = 0; y < layout->height; ++y) {
        for (int x = 0; x < layout->width; ++x) pixels.push_back(surface.Pixel(x, y));
    }
    return pixels;
}

// Rows of pseudo-random bytes, stored bottom first.
Bytes Rows(int width, int height, int depth, unsigned seed) {
    Bytes rows(win::DibRowBytes(width, static_cast<win::WORD>(depth)) * static_cast<std::size_t>(height));
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = static_cast<std::uint8_t>((k * 151 + seed) >> 2);
    return rows;
}

std::vector<std::uint32_t> Colors(std::size_t count) {
    std::vector<std::uint32_t> colors;
    for (std::size_t i = 0; i < count; ++i)
        colors.push_back(static_cast<std::uint32_t>(i * 0x0F2B47 % 0xFFFFFF));
    return colors;
}

const std::vector<std::uint32_t> kFixed16 = {0xFFFFFF, 0xFFFF00, 0x800000, 0xFF0000, 0xFF00FF, 0x000080,
                                             0x0000FF, 0x00FFFF, 0x00FF00, 0x008000, 0x800080, 0x808000,
                                             0xC0C0C0, 0x808080, 0x008080, 0x000000};

TEST(PictImageTest, PicturesStoredInASegmentReadBackWithTheSamePixels) {
    const StoreScope store;
    const PFMFileScope current(store.Store(), false);
    struct Case {
        int depth;
        std::vector<std::uint32_t> colors;
        int storedDepth;
    };
    const std::vector<Case> cases = {
        {1, {0x000000, 0xFFFFFF}, 1}, {4, kFixed16, 4}, {4, Colors(16), 8}, {8, Colors(256), 8},
        {8, Colors(37), 8},           {24, {}, 24},     {32, {}, 24},       {16, {}, 24}};
    std::uint16_t id = 128;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.depth << " bits, " << c.colors.size() << " colours");
        Bytes rows = Rows(9, 5, c.depth, id);
        if (c.depth == 8) {
            for (std::uint8_t& b : rows) b = static_cast<std::uint8_t>(b % c.colors.size());
        }
        const DibBlock dib = Block(dibtest::MakeDib(9, 5, c.depth, c.colors, rows));
        ErrCode err = -1;
        PictImage fromBits(dib.get(), err, id, kBitmapType);
        ASSERT_EQ(err, kNoErr);
        EXPECT_EQ(fromBits.GetRecord().GetDepth(), c.storedDepth);
        ASSERT_EQ(fromBits.GetRecord().Store(), kNoErr);

        PictRecord loaded(id, kBitmapType);
        ASSERT_EQ(loaded.Load(), kNoErr);
        EXPECT_EQ(loaded.GetBounds(), (PictBounds{0, 0, 5, 9}));
        PictImage fromRecord(loaded, err);
        ASSERT_EQ(err, kNoErr);
        EXPECT_EQ(fromRecord.GetPalette() != nullptr, c.storedDepth <= 8);
        const std::vector<win::COLORREF> before = PixelsOf(dib.get()), after = PixelsOf(fromRecord.GetBits());
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t k = 0; k < before.size(); ++k) {
            // 5-bit components are widened a little differently by the two readings.
            const int slack = c.depth == 16 ? 1 : 0;
            for (int shift : {0, 8, 16}) {
                EXPECT_NEAR(static_cast<int>((before[k] >> shift) & 0xFF),
                            static_cast<int>((after[k] >> shift) & 0xFF), slack)
                    << "pixel " << k;
            }
        }
        ++id;
    }
}

// A record of the depth, 4 x 2, with the given rows (top first, padded by the caller).
PictRecord MakePictRecord(int depth, const Bytes& image, std::uint16_t colorCount = 0) {
    PictRecord record(1, kBitmapType);
    record.SetBounds(PictBounds{0, 0, 2, 4});
    record.SetDepth(static_cast<std::uint8_t>(depth));
    record.SetColorCount(colorCount);
    record.Image() = image;
    return record;
}

TEST(PictImageTest, RecordPixelsBecomeBitmapPixels) {
    ErrCode err = -1;
    // 16 bits: 0x7FFF is white, 0 black, 0x7C00 red; a big-endian pixel after another.
    const PictImage deep(
        MakePictRecord(16, {0x7F, 0xFF, 0x00, 0x00, 0x7C, 0x00, 0x00, 0x1F, 0, 0, 0, 0, 0, 0, 0, 0}), err);
    ASSERT_EQ(err, kNoErr);
    const auto pixels = PixelsOf(deep.GetBits());
    EXPECT_EQ(pixels[0], graphtest::kWhite);
    EXPECT_EQ(pixels[1], graphtest::kBlack);
    EXPECT_EQ(pixels[2], graphtest::kRed);
    EXPECT_EQ(pixels[3], graphtest::kBlue);

    // 1 bit: a set bit is black.
    const auto mono = PixelsOf(PictImage(MakePictRecord(1, {0xA0, 0, 0, 0, 0x50, 0, 0, 0}), err).GetBits());
    EXPECT_EQ(mono[0], graphtest::kBlack);
    EXPECT_EQ(mono[1], graphtest::kWhite);
    EXPECT_EQ(mono[5], graphtest::kBlack);

    // 4 bits: the fixed table, whatever the record's says.
    PictRecord four = MakePictRecord(4, {0x0F, 0x3D, 0, 0, 0, 0, 0, 0}, 16);
    four.ColorTable()[0] = {0x1200, 0x3400, 0x5600};
    const auto fixed = PixelsOf(PictImage(four, err).GetBits());
    EXPECT_EQ(fixed[0], graphtest::kWhite);
    EXPECT_EQ(fixed[1], graphtest::kBlack);
    EXPECT_EQ(fixed[2], graphtest::kRed);
    EXPECT_EQ(fixed[3], win::RGB(0x80, 0x80, 0x80));

    // 2 bits: an 8-bit bitmap of the record's four colours.
    PictRecord two = MakePictRecord(2, {0x1B, 0, 0, 0, 0, 0, 0, 0}, 4);
    two.ColorTable()[1] = {0xFF00, 0, 0};
    two.ColorTable()[2] = {0, 0xFF00, 0};
    two.ColorTable()[3] = {0, 0, 0xFF00};
    const PictImage twoBits(two, err);
    ASSERT_EQ(err, kNoErr);
    EXPECT_EQ(DibLayout(twoBits.GetBits())->bitCount, 8);
    const auto shown = PixelsOf(twoBits.GetBits());
    EXPECT_EQ(shown[0], graphtest::kBlack);
    EXPECT_EQ(shown[1], graphtest::kRed);
    EXPECT_EQ(shown[2], win::RGB(0, 255, 0));
    EXPECT_EQ(shown[3], graphtest::kBlue);
}

TEST(PictImageTest, WhatIsNoPictureIsRefused) {
    ErrCode err = 0;
    PictImage(MakePictRecord(3, Bytes(8)), err);
    EXPECT_EQ(err, kBadDataErr) << "no such depth";
    PictImage(MakePictRecord(8, Bytes(7)), err);
    EXPECT_EQ(err, kBadDataErr) << "rows missing";
    PictRecord empty = MakePictRecord(8, Bytes(8));
    empty.SetBounds(PictBounds{0, 4, 2, 4});
    EXPECT_EQ((PictImage(empty, err), err), kBadDataErr);

    const Bytes rle = dibtest::MakeDib(4, 1, 8, {0, 0xFFFFFF}, {4, 1, 0, 1}, win::BI_RLE8);
    PictImage compressed(Block(rle).get(), err);
    EXPECT_EQ(err, kBadDataErr);
    EXPECT_EQ(compressed.GetBits(), nullptr);
    Bytes cut = dibtest::MakeDib(4, 2, 24, {}, Bytes(24));
    cut.pop_back();
    EXPECT_EQ((PictImage(Block(cut).get(), err), err), kBadDataErr);
}

TEST(PictImageTest, AnImportedBmpBecomesAPictureRecord) {
    const Bytes dib = dibtest::MakeDib(3, 2, 8, Colors(3), {0, 1, 2, 0, 2, 1, 0, 0});
    const dibtest::TempFile file(dibtest::MakeBmp(dib, 3));
    const DibPicture picture{FileRef(file.Path().c_str())};
    ASSERT_EQ(picture.GetError(), kNoErr);
    DibBlock bits;
    picture.CopyBits(bits);
    ErrCode err = -1;
    const PictImage image(bits.get(), err, 7, kBitmapType);
    ASSERT_EQ(err, kNoErr);
    const PictRecord& record = image.GetRecord();
    EXPECT_EQ(record.GetColorCount(), 3);
    EXPECT_EQ(record.GetPaletteFlag(), -1);
    EXPECT_EQ(record.ColorTable()[1].green, 0x2B00);
    EXPECT_EQ(record.Image()[0], 2) << "rows run top first";
    EXPECT_EQ(dibtest::BytesOf(image.CopyBits().get()), dib);
}

}  // namespace
