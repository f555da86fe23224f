// Pictures compiled from PNG and BMP files into picture records, at every depth, and decompiled
// back to PNG files that compile to the same bytes.

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"
#include "datafiles/Decompiler.h"
#include "datafiles/PngImage.h"
#include "foundation/pfm/PictRecord.h"

namespace {

CompileResult CompilePicture(const std::string& lines, const std::vector<std::uint8_t>& png) {
    return CompileText("p.picture", "picture 'BITM' 200\nimage p.png\n" + lines, {{"p.png", png}});
}

PictRecord ReadPicture(const CompileResult& result) {
    PictRecord picture(200, FourCCOf("BITM"));
    EXPECT_TRUE(result.segment) << result.FirstError();
    if (result.segment) {
        EXPECT_EQ(picture.Decode(result.segment->bytes.data(),
                                 static_cast<std::uint32_t>(result.segment->bytes.size())),
                  kNoErr);
    }
    return picture;
}

std::string ImageHex(const PictRecord& picture) { return Hex(picture.Image()); }

TEST(PictureSource, EightBitPicturesKeepAPalettesOrder) {
    const auto png = WritePalettePng(3, 2, 8, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF}, {0, 1, 2, 2, 1, 0});
    const PictRecord picture = ReadPicture(CompilePicture("depth 8\n", png));
    EXPECT_EQ(picture.GetBounds(), (PictBounds{0, 0, 2, 3}));
    EXPECT_EQ(picture.GetColorCount(), 3);
    EXPECT_EQ(picture.GetPaletteFlag(), -1);
    EXPECT_EQ(picture.ColorTable()[0], (PictColor{0xFF00, 0, 0}));
    EXPECT_EQ(picture.ColorTable()[2], (PictColor{0, 0, 0xFF00}));
    EXPECT_EQ(ImageHex(picture), "00 01 02 00 02 01 00 00");
}

TEST(PictureSource, ColoursInOrderOfAppearanceWithoutAPalette) {
    // A two-bit picture of an RGB file: its colours as they first appear, rows padded to 4 bytes.
    const auto png = WriteRgbPng(5, 1, {0x102030, 0xFFFFFF, 0x102030, 0x000000, 0xFFFFFF});
    const PictRecord picture = ReadPicture(CompilePicture("depth 2\n", png));
    EXPECT_EQ(picture.GetColorCount(), 3);
    EXPECT_EQ(picture.ColorTable()[0], (PictColor{0x1000, 0x2000, 0x3000}));
    EXPECT_EQ(ImageHex(picture), "12 40 00 00");  // 00 01 00 10, then 01 in the next byte
    // Without a depth, 8 bits while the picture has at most 256 colours.
    EXPECT_EQ(ReadPicture(CompilePicture("", png)).GetDepth(), 8);
}

TEST(PictureSource, OneAndFourBitPicturesUseTheirFixedColours) {
    const auto blackAndWhite = WriteRgbPng(10, 1, {0, 0xFFFFFF, 0, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0xFFFFFF});
    const PictRecord one = ReadPicture(CompilePicture("depth 1\n", blackAndWhite));
    EXPECT_EQ(ImageHex(one), "B3 80 00 00");  // 1 = black
    EXPECT_EQ(one.GetColorCount(), 2);

    const auto fixed = WriteRgbPng(3, 1, {0x008080, 0xFFFFFF, 0x000000});
    const PictRecord four = ReadPicture(CompilePicture("depth 4\n", fixed));
    EXPECT_EQ(ImageHex(four), "E0 F0 00 00");  // teal is 14, white 0, black 15
    EXPECT_EQ(four.GetColorCount(), 16);
    EXPECT_EQ(four.ColorTable()[1], (PictColor{0xFF00, 0xFF00, 0}));

    EXPECT_EQ(CompilePicture("depth 4\n", WriteRgbPng(2, 1, {0xFFFFFF, 0x123456})).FirstError(),
              "p.picture:2: the colour #123456 at 1,0 is not one of the 16 fixed colours of 4-bit pictures");
    EXPECT_EQ(CompilePicture("depth 1\n", WriteRgbPng(1, 1, {0x808080})).FirstError(),
              "p.picture:2: the colour #808080 at 0,0 is not one of black and white");
}

TEST(PictureSource, DeepPicturesStoreTheirComponents) {
    const auto png = WriteRgbPng(1, 1, {0xFF8008});
    const PictRecord sixteen = ReadPicture(CompilePicture("depth 16\n", png));
    EXPECT_EQ(ImageHex(sixteen), "7E 01 00 00");  // red 31, green 16, blue 1
    EXPECT_EQ(sixteen.GetColorCount(), 1600);
    const PictRecord wide =
        ReadPicture(CompilePicture("depth 24\ncolour-count 7\norigin -3,5\npalette-flag 0\n", png));
    EXPECT_EQ(ImageHex(wide), "00 FF 80 08");
    EXPECT_EQ(wide.GetColorCount(), 7);
    EXPECT_EQ(wide.GetPaletteFlag(), 0);
    EXPECT_EQ(wide.GetBounds(), (PictBounds{5, -3, 6, -2}));
}

TEST(PictureSource, BmpFilesAreReadToo) {
    // A 2 x 1 24-bit BMP (rows bottom to top, blue green red, padded to 4 bytes): red, then white.
    std::vector<std::uint8_t> bmp = {'B', 'M', 62, 0, 0, 0, 0, 0, 0,    0,    54,   0,    0,  0, 40, 0,
                                     0,   0,   2,  0, 0, 0, 1, 0, 0,    0,    1,    0,    24, 0, 0,  0,
                                     0,   0,   8,  0, 0, 0, 0, 0, 0,    0,    0,    0,    0,  0, 0,  0,
                                     0,   0,   0,  0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0,  0};
    const auto fromBmp =
        CompileText("p.picture", "picture 'BITM' 200\nimage p.bmp\ndepth 24\n", {{"p.bmp", bmp}});
    const auto fromPng = CompilePicture("depth 24\n", WriteRgbPng(2, 1, {0xFF0000, 0xFFFFFF}));
    ASSERT_TRUE(fromBmp.segment) << fromBmp.FirstError();
    EXPECT_EQ(Hex(fromBmp.segment->bytes), Hex(fromPng.segment->bytes));
}

TEST(PictureSource, BadPicturesAreRefused) {
    const auto opaque = WriteRgbPng(1, 1, {0});
    EXPECT_EQ(CompilePicture("depth 3\n", opaque).FirstError(),
              "p.picture:3: a picture's depth is 1, 2, 4, 8, 16 or 24, not 3");
    EXPECT_EQ(CompilePicture("depth 2\n", WriteRgbPng(5, 1, {1, 2, 3, 4, 5})).FirstError(),
              "p.picture:2: the picture has more than 4 colours; a 2-bit picture holds at most 4");
    EXPECT_EQ(CompilePicture("", WritePalettePng(1, 1, 8, {0x80FFFFFF}, {0})).FirstError(),
              "p.picture:2: pictures are opaque; the pixel at 0,0 is not");
    EXPECT_EQ(CompilePicture("", {'n', 'o'}).FirstError(), "p.picture:2: p.png: not a PNG file");
    EXPECT_EQ(CompileText("p.picture", "picture 'BITM' 1\nimage gone.png\n").FirstError(),
              "p.picture:2: cannot read gone.png");
    EXPECT_EQ(CompilePicture("size 3\n", opaque).FirstError(),
              "p.picture:3: unknown picture line size (a picture knows: image, depth, origin, palette-flag, "
              "colour-count)");
    EXPECT_EQ(CompileText("p.picture", "picture 'BITM' 1\n").FirstError(),
              "p.picture:1: a picture needs its image line");
}

TEST(PictureSource, EveryDepthDecompilesToTheSameBytes) {
    const auto blackAndWhite =
        WriteRgbPng(3, 2, {0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF});
    const auto colors = WriteRgbPng(3, 2, {0xFFFFFF, 0x000000, 0x008080, 0x000000, 0xFFFFFF, 0xFFFFFF});
    const auto palette = WritePalettePng(3, 2, 4, {0xFF112233, 0xFF445566, 0xFF112233}, {2, 1, 0, 0, 1, 2});
    const struct {
        std::string lines;
        const std::vector<std::uint8_t>& png;
    } cases[] = {{"depth 1\n", blackAndWhite},
                 {"depth 2\n", colors},
                 {"depth 4\n", colors},
                 {"depth 8\n", palette},
                 {"depth 16\norigin 4,-1\n", colors},
                 {"depth 24\npalette-flag 3\ncolour-count 0\n", colors}};
    for (const auto& c : cases) {
        const auto result = CompilePicture(c.lines, c.png);
        ASSERT_TRUE(result.segment) << c.lines << result.FirstError();
        const DecompiledSource source = DecompileSegment(*result.segment, "BITM-200");
        ASSERT_EQ(source.name, "BITM-200.picture") << c.lines << source.text;
        EXPECT_EQ(source.companions.count("BITM-200.png"), 1u);
        const auto again = CompileText(source.name, source.text, source.companions);
        ASSERT_TRUE(again.segment) << again.FirstError();
        EXPECT_EQ(again.segment->bytes, result.segment->bytes) << c.lines;
    }
}

}  // namespace
