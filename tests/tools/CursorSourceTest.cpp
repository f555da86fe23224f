// Cursors compiled from text pictures and PNG files: 32 bytes of image, 32 of mask, the hot spot
// vertical first.

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"
#include "datafiles/Decompiler.h"
#include "datafiles/PngImage.h"

namespace {

// A picture whose first row is "#o.x" followed by dots and whose other rows are all dots.
std::string Art(const std::string& firstRow = "#o.x............") {
    std::string art = "image\n" + firstRow + "\n";
    for (int row = 1; row < 16; ++row) art += std::string(16, '.') + "\n";
    return art;
}

TEST(CursorSource, PictureHotSpotAndPlanes) {
    const auto result =
        CompileText("c.cursor", "cursor 'CURS' 130\nhotspot 3,12\n" + Art("#o.x...........#"));
    ASSERT_TRUE(result.segment) << result.FirstError();
    std::vector<std::uint8_t> expected(68, 0);
    expected[0] = 0x90;   // image: black at 0 and 3 (x is black without mask)
    expected[1] = 0x01;   // ... and at 15
    expected[32] = 0xC0;  // mask: black and white at 0 and 1
    expected[33] = 0x01;
    expected[65] = 12;  // y first
    expected[67] = 3;
    EXPECT_EQ(Hex(result.segment->bytes), Hex(expected));
}

TEST(CursorSource, PngPictureGivesTheSamePlanes) {
    // White, black and a transparent entry.
    std::vector<std::uint32_t> palette = {0xFFFFFFFF, 0xFF000000, 0x00808080};
    std::vector<std::uint8_t> indexes(256, 2);
    indexes[0] = 1;
    indexes[1] = 0;
    const auto png = WritePalettePng(16, 16, 2, palette, indexes);

    const auto fromPng =
        CompileText("c.cursor", "cursor 'CURS' 1\nhotspot 0,0\nimage c.png\n", {{"c.png", png}});
    const auto fromArt = CompileText("c.cursor", "cursor 'CURS' 1\nhotspot 0,0\n" + Art("#o.............."));
    ASSERT_TRUE(fromPng.segment) << fromPng.FirstError();
    ASSERT_TRUE(fromArt.segment) << fromArt.FirstError();
    EXPECT_EQ(Hex(fromPng.segment->bytes), Hex(fromArt.segment->bytes));

    palette[2] = 0xFF808080;
    const auto grey = WritePalettePng(16, 16, 2, palette, indexes);
    EXPECT_EQ(CompileText("c.cursor", "cursor 'CURS' 1\nhotspot 0,0\nimage g.png\n", {{"g.png", grey}})
                  .FirstError(),
              "c.cursor:3: g.png: the pixel at 2,0 is neither black, white nor transparent");
}

TEST(CursorSource, BadPicturesAreRefused) {
    const std::string header = "cursor 'CURS' 1\n";
    EXPECT_EQ(CompileText("c.cursor", header + "hotspot 16,0\n" + Art()).FirstError(),
              "c.cursor:2: the hotspot is x,y within the 16 x 16 picture, as in: hotspot 7,8");
    EXPECT_EQ(CompileText("c.cursor", header + "hotspot 0,0\n" + Art("#o.x...........")).FirstError(),
              "c.cursor:4: a cursor picture line has 16 characters, not 15");
    EXPECT_EQ(CompileText("c.cursor", header + "hotspot 0,0\n" + Art("#o.x...........?")).FirstError(),
              "c.cursor:4: '?' is not one of . # o x");
    EXPECT_EQ(CompileText("c.cursor", header + "hotspot 0,0\nimage\n#\n").FirstError(),
              "c.cursor:4: a cursor picture line has 16 characters, not 1");
    EXPECT_EQ(CompileText("c.cursor", header + Art()).FirstError(),
              "c.cursor:1: a cursor needs its hotspot and its image");
}

TEST(CursorSource, DecompilesToTheSameBytes) {
    const auto result =
        CompileText("c.cursor", "cursor 'CURS' 191\nhotspot 15,1\n" + Art("x#o.#o.x#o.x#o.x"));
    ASSERT_TRUE(result.segment) << result.FirstError();
    const DecompiledSource source = DecompileSegment(*result.segment, "CURS-191");
    EXPECT_EQ(source.text.substr(0, 53), "cursor 'CURS' 191\nhotspot 15,1\nimage\nx#o.#o.x#o.x#o.x");
    // A hot spot no picture can have is kept as raw bytes.
    CompiledSegment odd = *result.segment;
    odd.bytes[65] = 40;
    EXPECT_EQ(DecompileSegment(odd, "CURS-191").name, "CURS-191.raw");
}

}  // namespace
