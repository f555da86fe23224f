#include <gtest/gtest.h>

#include "DibTestSupport.h"
#include "support/FreshProcess.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/DibPicture.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

using dibtest::Bytes;
using dibtest::TempFile;

// A 3 x 2 image of the depth: a table of `depth` distinct colours for indexed images, pixel bytes
// counting up.
struct Sample {
    std::vector<std::uint32_t> colors;
    Bytes dib;
    Bytes file;
};

Sample MakeSample(int depth) {
    Sample s;
    if (depth <= 8) {
        for (int i = 0; i < (1 << depth); ++i)
            s.colors.push_back(0x010203u * static_cast<std::uint32_t>(i) + 0x40);
    }
    Bytes rows(win::DibRowBytes(3, static_cast<win::WORD>(depth)) * 2);
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = static_cast<std::uint8_t>(k * 7 + 1);
    s.dib = dibtest::MakeDib(3, 2, depth, s.colors, rows);
    s.file = dibtest::MakeBmp(s.dib, s.colors.size());
    return s;
}

ErrCode Load(const Bytes& file, DibPicture& picture) {
    const TempFile temp(file);
    return LoadBmpFile(picture, FileRef(temp.Path().c_str()));
}

std::vector<win::PALETTEENTRY> Entries(win::HPALETTE palette) {
    win::WORD count = 0;
    win::GetObjectA(palette, sizeof count, &count);
    std::vector<win::PALETTEENTRY> entries(count);
    win::GetPaletteEntries(palette, 0, count, entries.data());
    return entries;
}

TEST(BmpLoadTest, DeepImagesLoadWithoutTouchingThePalettes) {
    // The application's palette is made by the first indexed picture of the run.
    InFreshProcess([] {
        for (int depth : {24, 32, 16}) {
            const Sample sample = MakeSample(depth);
            DibPicture picture;
            ASSERT_EQ(Load(sample.file, picture), kNoErr) << depth;
            EXPECT_EQ(dibtest::BytesOf(picture.GetBits()), sample.dib);
            EXPECT_EQ(picture.GetPalette(), nullptr);
        }
        EXPECT_EQ(GetAppPalette(), nullptr);
    });
}

TEST(BmpLoadTest, IndexedImagesBringTheirPaletteAndTheFirstDefinesTheApplications) {
    // The application's palette is made by the first indexed picture of the run.
    InFreshProcess([] {
        const Sample first = MakeSample(4);
        DibPicture picture;
        ASSERT_EQ(Load(first.file, picture), kNoErr);
        EXPECT_EQ(dibtest::BytesOf(picture.GetBits()), first.dib);
        const auto entries = Entries(picture.GetPalette());
        ASSERT_EQ(entries.size(), 16u);
        EXPECT_EQ(entries[5].peRed, 0x05);  // 0x050A0F + 0x40
        EXPECT_EQ(entries[5].peGreen, 0x0A);
        EXPECT_EQ(entries[5].peBlue, 0x4F);
        ASSERT_NE(GetAppPalette(), nullptr);
        EXPECT_EQ(Entries(GetAppPalette()).size(), 16u);

        for (int depth : {1, 8}) {
            const Sample sample = MakeSample(depth);
            ASSERT_EQ(Load(sample.file, picture), kNoErr) << depth;
            EXPECT_EQ(dibtest::BytesOf(picture.GetBits()), sample.dib);
            EXPECT_EQ(Entries(picture.GetPalette()).size(), sample.colors.size());
            EXPECT_EQ(Entries(GetAppPalette()).size(), 16u) << "kept for the run";
        }
        DibBlock copy;
        picture.CopyBits(copy);
        EXPECT_EQ(dibtest::BytesOf(copy.get()), MakeSample(8).dib);
        EXPECT_NE(copy.get(), picture.GetBits());
    });
}

TEST(BmpLoadTest, DamagedFilesAreRefusedAndTheLoadedPictureStays) {
    const Sample good = MakeSample(8);
    DibPicture picture;
    ASSERT_EQ(Load(good.file, picture), kNoErr);
    const win::HPALETTE palette = picture.GetPalette();

    auto damaged = [&](Bytes file, ErrCode expected, const char* what) {
        EXPECT_EQ(Load(file, picture), expected) << what;
        EXPECT_EQ(dibtest::BytesOf(picture.GetBits()), good.dib) << what;
        EXPECT_EQ(picture.GetPalette(), palette) << what;
    };
    Bytes file = good.file;
    file[1] = 'X';
    damaged(file, kBmpFormatErr, "not BM");
    file = MakeSample(4).file;
    dibtest::Put32(file, 14 + 16, 2);
    damaged(file, kBmpFormatErr, "run-length encoded");
    // The colour table must end where the pixels begin, even when the data would read.
    const std::size_t pixels = 14 + 40 + 4 * 256;
    file.assign(good.file.begin(), good.file.begin() + pixels);
    file.resize(pixels + 4);
    file.insert(file.end(), good.file.begin() + pixels, good.file.end());
    dibtest::Put32(file, 10, static_cast<std::uint32_t>(pixels + 4));
    dibtest::Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    damaged(file, kBmpFormatErr, "gap before the pixels");
    file = good.file;
    file.resize(file.size() - 3);
    damaged(file, kBmpFormatErr, "short pixels");
    file = good.file;
    dibtest::Put32(file, 14 + 8, static_cast<std::uint32_t>(-2));
    damaged(file, kBmpFormatErr, "rows top first");
    file = good.file;
    dibtest::Put32(file, 14 + 4, 0x40000000);
    damaged(file, kBmpFormatErr, "huge width");
    file = good.file;
    dibtest::Put32(file, 14 + 32, 300);
    damaged(file, kBmpFormatErr, "more colours than the depth holds");
    damaged(Bytes{'B', 'M'}, kBmpFormatErr, "no header");

    EXPECT_EQ(LoadBmpFile(picture, FileRef("/nonexistent/picture.bmp")), kBmpReadErr);
    EXPECT_EQ(DibPicture(FileRef("/nonexistent/picture.bmp")).GetError(), kBmpReadErr);
    EXPECT_EQ(dibtest::BytesOf(picture.GetBits()), good.dib);
}

}  // namespace
