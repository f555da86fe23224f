#include "framework/graphics/DibBlocks.h"

#include <gtest/gtest.h>

#include "DibTestSupport.h"
#include "GraphTestSupport.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

using dibtest::Block;
using dibtest::Bytes;
using graphtest::MemorySurface;

constexpr std::uint32_t kRgbRed = 0xFF0000, kRgbGreen = 0x00FF00, kRgbBlue = 0x0000FF, kRgbWhite = 0xFFFFFF;

// A palette of 0x00RRGGBB colours; the caller deletes it.
win::HPALETTE MakeBlockPalette(const std::vector<std::uint32_t>& colors) {
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + colors.size() * sizeof(win::PALETTEENTRY));
    auto* palette = reinterpret_cast<win::LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<win::WORD>(colors.size());
    win::PALETTEENTRY* entries = palette->palPalEntry;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        entries[i] = {static_cast<win::BYTE>(colors[i] >> 16), static_cast<win::BYTE>(colors[i] >> 8),
                      static_cast<win::BYTE>(colors[i]), 0};
    }
    return win::CreatePalette(palette);
}

const std::uint8_t* Table(const void* dib) { return static_cast<const std::uint8_t*>(dib) + 40; }

TEST(DibBlocksTest, BlankDibsHoldWholeRowsAndTheStandardTable) {
    for (auto [depth, width] : {std::pair{1, 33}, {4, 9}, {8, 5}, {24, 7}}) {
        const DibBlock dib = CreateBlankDib(depth, width, 3);
        const auto layout = DibLayout(dib.get());
        ASSERT_TRUE(layout.has_value()) << depth << " bits, " << width << " wide";
        EXPECT_EQ(layout->pixelBytes, win::DibRowBytes(width, static_cast<win::WORD>(depth)) * 3) << depth;
    }
    const DibBlock four = CreateBlankDib(4, 9, 1);
    EXPECT_EQ(MemSize(four.get()), 40u + 64 + 8) << "a 9-pixel 4-bit row needs 8 bytes";
    const std::uint8_t* table = Table(four.get());
    EXPECT_EQ(table[4 * 1 + 2], 0x80) << "entry 1 is dark red";
    EXPECT_EQ(table[4 * 11 + 1], 0xFF) << "entry 11 is yellow";
    EXPECT_EQ(table[4 * 11 + 0], 0x00);
    EXPECT_EQ(Table(CreateBlankDib(8, 1, 1).get())[4 * 17 + 2], 0x80) << "the 16 colours repeat";
    EXPECT_EQ(CreateBlankDib(16, 4, 4), nullptr);
    EXPECT_EQ(CreateBlankDib(8, 0, 4), nullptr);
}

TEST(DibBlocksTest, DibsBecomeBitmapsAndBitmapsDibsAtTheirDepth) {
    // 2 x 2, bottom row red/green, top row blue/white.
    const Bytes rows = {0, 1, 0, 0, 2, 3, 0, 0};
    const DibBlock dib = Block(dibtest::MakeDib(2, 2, 8, {kRgbRed, kRgbGreen, kRgbBlue, kRgbWhite}, rows));
    const win::HBITMAP bitmap = DibToBitmap(dib.get(), nullptr, nullptr);
    ASSERT_NE(bitmap, nullptr);
    const DibBlock back = BitmapToDib(bitmap, nullptr);
    const auto layout = DibLayout(back.get());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->bitCount, 24);
    const auto* pixels = static_cast<const std::uint8_t*>(back.get()) + layout->pixelOffset;
    EXPECT_EQ(pixels[2], 0xFF) << "bottom-left red (blue, green, red bytes)";
    EXPECT_EQ(pixels[8 + 0], 0xFF) << "top-left blue";
    win::DeleteObject(bitmap);

    const win::HBITMAP mono = win::CreateBitmap(9, 2, 1, 1, nullptr);
    EXPECT_EQ(DibLayout(BitmapToDib(mono, nullptr).get())->bitCount, 1);
    win::DeleteObject(mono);

    Bytes broken = dibtest::MakeDib(2, 2, 8, {kRgbRed}, rows);
    broken.pop_back();
    EXPECT_EQ(DibToBitmap(Block(broken).get(), nullptr, nullptr), nullptr);
}

TEST(DibBlocksTest, DrawDibTakesItsSourceFromTheImagesTopLeft) {
    // 2 x 3 image, rows from the top: red, green, blue.
    const Bytes rows = {2, 2, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0};
    const DibBlock dib = Block(dibtest::MakeDib(2, 3, 8, {kRgbRed, kRgbGreen, kRgbBlue}, rows));
    MemorySurface surface(10, 10);
    EXPECT_TRUE(DrawDib(surface.Dc(), win::RECT{0, 0, 2, 1}, dib.get(), win::RECT{0, 1, 2, 2}, nullptr));
    EXPECT_EQ(surface.Pixel(1, 0), win::RGB(0, 255, 0));
    EXPECT_EQ(surface.Pixel(0, 1), graphtest::kWhite);
    // Stretched: the top two rows over six.
    EXPECT_TRUE(DrawDib(surface.Dc(), win::RECT{4, 0, 6, 6}, dib.get(), win::RECT{0, 0, 2, 2}, nullptr));
    EXPECT_EQ(surface.Column(4, 0, 7, win::RGB(255, 0, 0)), "###....");
    EXPECT_EQ(surface.Column(4, 0, 7, win::RGB(0, 255, 0)), "...###.");
}

TEST(DibBlocksTest, RemappingIndexesThePaletteAndShrinksTheTable) {
    // 8-bit, 4 x 1: red, light grey, blue, white; the palette orders them otherwise and lacks grey.
    DibBlock dib = Block(dibtest::MakeDib(4, 1, 8, {kRgbRed, 0xF0F0F0, kRgbBlue, kRgbWhite}, {0, 1, 2, 3}));
    const win::HPALETTE palette = MakeBlockPalette({kRgbWhite, kRgbBlue, kRgbRed});
    RemapDibToPalette(dib, palette);
    const auto layout = DibLayout(dib.get());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->colorCount, 3u);
    EXPECT_EQ(MemSize(dib.get()), 40u + 12 + 4);
    const auto* bytes = static_cast<const std::uint8_t*>(dib.get());
    EXPECT_EQ(Bytes(bytes + 52, bytes + 56), (Bytes{2, 0, 1, 0})) << "grey went to the nearest, white";
    EXPECT_EQ(Bytes(Table(dib.get()), Table(dib.get()) + 12),
              (Bytes{0xFF, 0xFF, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0}));

    // 4-bit: both nibbles of a byte.
    DibBlock four = Block(dibtest::MakeDib(2, 1, 4, {kRgbRed, kRgbBlue}, {0x01, 0, 0, 0}));
    RemapDibToPalette(four, palette);
    EXPECT_EQ(static_cast<const std::uint8_t*>(four.get())[40 + 8], 0x21);
    win::DeleteObject(palette);
}

TEST(DibBlocksTest, RunLengthRemappingMapsColoursOnlyAndStaysInsideTheData) {
    const win::HPALETTE palette = MakeBlockPalette({kRgbBlue, kRgbRed});
    // A run of 2 red, an absolute run of 3 (blue, red, blue) padded to 4, a delta, end of line, end
    // of bitmap, then bytes that must stay as they are.
    const Bytes stream = {2, 0, 0, 3, 1, 0, 1, 0, 0, 2, 5, 1, 0, 0, 0, 1, 7, 7};
    DibBlock dib = Block(dibtest::MakeDib(8, 2, 8, {kRgbRed, kRgbBlue}, stream, win::BI_RLE8));
    RemapDibToPalette(dib, palette);
    const auto* data = static_cast<const std::uint8_t*>(dib.get()) + 48;
    EXPECT_EQ(Bytes(data, data + stream.size()),
              (Bytes{2, 1, 0, 3, 0, 1, 0, 0, 0, 2, 5, 1, 0, 0, 0, 1, 7, 7}));

    // An absolute run longer than the data: every byte it reaches is mapped, none past the end.
    const Bytes cut = {0, 9, 1, 0, 1};
    DibBlock damaged = Block(dibtest::MakeDib(8, 2, 8, {kRgbRed, kRgbBlue}, cut, win::BI_RLE8));
    RemapDibToPalette(damaged, palette);
    const auto* remapped = static_cast<const std::uint8_t*>(damaged.get()) + 48;
    EXPECT_EQ(Bytes(remapped, remapped + cut.size()), (Bytes{0, 9, 0, 1, 0}));
    win::DeleteObject(palette);
}

TEST(DibBlocksTest, ColourTablesTakeThePaletteOrItsIndexes) {
    DibBlock dib = Block(dibtest::MakeDib(2, 1, 8, {0, 0, 0}, {0, 0, 0, 0}));
    const win::HPALETTE palette = MakeBlockPalette({kRgbGreen, kRgbRed});
    SetDibColorTable(dib.get(), palette, 0);
    EXPECT_EQ(Bytes(Table(dib.get()), Table(dib.get()) + 8), (Bytes{0, 0xFF, 0, 0, 0, 0, 0xFF, 0}));
    SetDibColorTable(dib.get(), nullptr, kDibPaletteIndexes);
    EXPECT_EQ(Bytes(Table(dib.get()), Table(dib.get()) + 6), (Bytes{0, 0, 1, 0, 2, 0}));
    win::DeleteObject(palette);
}

}  // namespace
