#include "platform/gdi/Palettes.h"

#include <gtest/gtest.h>

#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/Drawing.h"

namespace {

using namespace win;
using gditest::kBlue;
using gditest::kRed;

// A palette of the colours given.
HPALETTE MakePalette(const std::vector<COLORREF>& colors) {
    std::vector<BYTE> block(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colors.size());
    PALETTEENTRY* entries = palette->palPalEntry;
    for (std::size_t k = 0; k < colors.size(); ++k) {
        entries[k] = PALETTEENTRY{GetRValue(colors[k]), GetGValue(colors[k]), GetBValue(colors[k]), 0};
    }
    return CreatePalette(palette);
}

class Palettes : public gditest::SurfaceTest {};

TEST_F(Palettes, EntriesAndNearestIndexes) {
    HPALETTE palette = MakePalette({RGB(0, 0, 0), kRed, RGB(0, 200, 0), kBlue});
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 4u);
    PALETTEENTRY entries[8];
    EXPECT_EQ(GetPaletteEntries(palette, 1, 8, entries), 3u);
    EXPECT_EQ(entries[0].peRed, 255);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(250, 10, 10)), 1u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(0, 150, 20)), 2u);
    const PALETTEENTRY grey{128, 128, 128, 0};
    EXPECT_EQ(SetPaletteEntries(palette, 3, 1, &grey), 1u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(120, 130, 128)), 3u);
    WORD count = 0;
    EXPECT_EQ(GetObjectA(palette, sizeof count, &count), 2);
    EXPECT_EQ(count, 4);
    DeleteObject(palette);
}

TEST_F(Palettes, SelectingAndRealizingChangeNothingOnTheScreen) {
    HPALETTE palette = MakePalette({kRed, kBlue});
    EXPECT_EQ(SelectPalette(dc_, palette, FALSE), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(RealizePalette(dc_), 0u);
    EXPECT_EQ(GetSystemPaletteEntries(dc_, 0, 256, nullptr), 0u);
    EXPECT_EQ(GetDeviceCaps(dc_, SIZEPALETTE), 0);
    EXPECT_EQ(GetDeviceCaps(dc_, NUMCOLORS), -1);
    EXPECT_EQ(GetNearestColor(dc_, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetNearestColor(dc_, PALETTERGB(1, 2, 3)), RGB(1, 2, 3));
    // Palette indexes name entries of the selected palette.
    SetPixel(dc_, 3, 3, PALETTEINDEX(1));
    EXPECT_EQ(Pixel(3, 3), kBlue);
    // So do the colour tables of DIBs given as indexes.
    struct {
        BITMAPINFOHEADER header;
        WORD indexes[2];
    } info{};
    info.header.biWidth = 2;
    info.header.biHeight = 1;
    info.header.biBitCount = 1;
    info.indexes[0] = 1;
    info.indexes[1] = 0;
    const BYTE bits[4] = {0x40, 0, 0, 0};  // pixels 0 1
    SetDIBitsToDevice(dc_, 10, 10, 2, 1, 0, 0, 0, 1, bits, reinterpret_cast<const BITMAPINFO*>(&info),
                      DIB_PAL_COLORS);
    EXPECT_EQ(Pixel(10, 10), kBlue);
    EXPECT_EQ(Pixel(11, 10), kRed);
    SelectPalette(dc_, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    DeleteObject(palette);
}

}  // namespace
