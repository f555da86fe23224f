// Picture records in store segments: the stored layout, row geometry, loading and storing through
// the current store, and the refusal of records whose sizes do not agree with their bytes.

#include "foundation/pfm/PictRecord.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/FileError.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

constexpr FourCC kBitmap = FourCCOf("BITM");

// A 3 x 2 picture of the given depth whose image holds exactly its rows, each byte numbered.
PictRecord SmallPicture(std::uint8_t depth) {
    PictRecord picture(7, kBitmap);
    picture.SetBounds({0, 0, 2, 3});
    picture.SetDepth(depth);
    picture.SetColorCount(depth <= 8 ? 2 : PictRecord::kDeepColorCount);
    picture.ColorTable()[1] = {0xFF00, 0x8000, 0x0100};
    for (std::uint32_t i = 0; i < 2 * picture.RowBytes(); ++i)
        picture.Image().push_back(static_cast<std::uint8_t>(i));
    return picture;
}

std::string Encoded(const PictRecord& picture) {
    std::string bytes(picture.StoredSize(), '\0');
    picture.Encode(bytes.data());
    return bytes;
}

ErrCode DecodeBytes(PictRecord& picture, const std::string& bytes) {
    return picture.Decode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

TEST(PictRecord, RowBytesFollowTheDepth) {
    EXPECT_EQ(PictRecord::PictRowBytes(10, 1), 4u);
    EXPECT_EQ(PictRecord::PictRowBytes(33, 1), 8u);
    EXPECT_EQ(PictRecord::PictRowBytes(10, 8), 12u);
    EXPECT_EQ(PictRecord::PictRowBytes(3, 16), 8u);
    EXPECT_EQ(PictRecord::PictRowBytes(5, 24), 20u);
    EXPECT_EQ(PictRecord::ReadDepth(30), 24);
    EXPECT_EQ(PictRecord::ReadDepth(24), 24);
    EXPECT_EQ(PictRecord::ReadDepth(3), 0);
    EXPECT_EQ(PictRecord::ReadDepth(0), 0);
}

TEST(PictRecord, IndexedRecordCarriesTheWholeColourTable) {
    const PictRecord picture = SmallPicture(8);
    const std::string bytes = Encoded(picture);
    ASSERT_EQ(bytes.size(), 1553u + 8u);
    // Bounds top, left, bottom, right; colour count; depth; palette flag.
    EXPECT_EQ(bytes.substr(0, 13), std::string("\0\0\0\0\0\x02\0\x03\0\x02\x08\xFF\xFF", 13));
    // Entry 1 of the table, big-endian.
    EXPECT_EQ(bytes.substr(13 + 6, 6), std::string("\xFF\x00\x80\x00\x01\x00", 6));
    EXPECT_EQ(bytes.substr(1549, 4), std::string("\0\0\0\x08", 4));
    EXPECT_EQ(bytes.substr(1553), std::string("\0\1\2\3\4\5\6\7", 8));
}

TEST(PictRecord, DeepRecordHasNoColourTable) {
    const std::string bytes = Encoded(SmallPicture(16));
    ASSERT_EQ(bytes.size(), 17u + 16u);
    EXPECT_EQ(bytes.substr(8, 3), std::string("\x06\x40\x10", 3));
    EXPECT_EQ(bytes.substr(13, 4), std::string("\0\0\0\x10", 4));
}

TEST(PictRecord, DecodeReadsWhatEncodeWrote) {
    for (std::uint8_t depth : {1, 2, 4, 8, 16, 24}) {
        const PictRecord original = SmallPicture(depth);
        PictRecord copy(7, kBitmap);
        ASSERT_EQ(DecodeBytes(copy, Encoded(original)), kNoErr) << int{depth};
        EXPECT_EQ(Encoded(copy), Encoded(original)) << int{depth};
        EXPECT_EQ(copy.Width(), 3);
        EXPECT_EQ(copy.Height(), 2);
    }
}

TEST(PictRecord, ReadingClearsTheLowBytesOfTheColoursInUseOnly) {
    PictRecord picture = SmallPicture(8);
    picture.ColorTable()[0] = {0x12FF, 0x3401, 0x5680};
    picture.ColorTable()[2] = {0x12FF, 0x3401, 0x5680};
    PictRecord read(7, kBitmap);
    ASSERT_EQ(DecodeBytes(read, Encoded(picture)), kNoErr);
    EXPECT_EQ(read.ColorTable()[0], (PictColor{0x1200, 0x3400, 0x5600}));
    EXPECT_EQ(read.ColorTable()[2], (PictColor{0x12FF, 0x3401, 0x5680}));
}

TEST(PictRecord, DepthAboveTwentyFourReadsAsTwentyFour) {
    std::string bytes = Encoded(SmallPicture(24));
    bytes[10] = 30;
    PictRecord picture(7, kBitmap);
    ASSERT_EQ(DecodeBytes(picture, bytes), kNoErr);
    EXPECT_EQ(picture.GetDepth(), 24);
    EXPECT_EQ(picture.RowBytes(), 12u);
}

TEST(PictRecord, ExtraBytesAfterEachRowAreSkipped) {
    PictRecord picture = SmallPicture(8);  // rows of 4 bytes
    picture.Image().resize(2 * 6);         // 2 extra bytes per row
    EXPECT_EQ(picture.RowSkip(), 2u);
    EXPECT_EQ(picture.Row(1), picture.Image().data() + 6);
    // No skipping when the extra bytes per row are not below the width.
    picture.Image().resize(2 * 7);
    EXPECT_EQ(picture.RowSkip(), 0u);
}

TEST(PictRecord, RecordsThatDoNotHoldTheirRowsAreRefused) {
    const std::string good = Encoded(SmallPicture(24));  // 17 + 24 bytes
    PictRecord picture(7, kBitmap);

    std::string shortImage = good;
    shortImage[16] = 23;  // one byte less than two rows of 12
    EXPECT_EQ(DecodeBytes(picture, shortImage.substr(0, 17 + 23)), kBadDataErr);

    std::string longImage = good;
    longImage[16] = 25;  // claims more than the segment holds
    EXPECT_EQ(DecodeBytes(picture, longImage), kBadDataErr);

    std::string empty = good;
    empty[7] = 0;  // right = left
    EXPECT_EQ(DecodeBytes(picture, empty), kBadDataErr);

    std::string badDepth = good;
    badDepth[10] = 5;
    EXPECT_EQ(DecodeBytes(picture, badDepth), kBadDataErr);

    EXPECT_EQ(DecodeBytes(picture, good.substr(0, 16)), kBadDataErr);
    // An 8-bit record too short for its colour table.
    EXPECT_EQ(DecodeBytes(picture, Encoded(SmallPicture(8)).substr(0, 1000)), kBadDataErr);
    EXPECT_TRUE(picture.Image().empty());
    EXPECT_EQ(picture.GetDepth(), 0);

    // Bytes after the image are no harm.
    EXPECT_EQ(DecodeBytes(picture, good + "xyz"), kNoErr);
    EXPECT_EQ(picture.Image().size(), 24u);
}

using PictRecordStoreTest = StoreTest;

TEST_F(PictRecordStoreTest, StoredRecordLoadsBackFromTheCurrentStore) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    const PictRecord original = SmallPicture(4);
    PictRecord stored = original;
    ASSERT_EQ(stored.Store(), kNoErr);
    EXPECT_EQ(PFMGetSegmentPriority(kBitmap, 7), 1);
    EXPECT_TRUE(PFMIsRawSegment(kBitmap, 7));
    EXPECT_EQ(PFMGetLockCount(kBitmap, 7), 0u);
    EXPECT_EQ(SegmentText(kBitmap, 7), Encoded(original));

    // Storing again replaces the segment.
    stored.SetPaletteFlag(0);
    ASSERT_EQ(stored.Store(), kNoErr);
    PictRecord loaded(7, kBitmap);
    ASSERT_EQ(loaded.Load(), kNoErr);
    EXPECT_EQ(loaded.GetPaletteFlag(), 0);
    EXPECT_EQ(loaded.Image(), original.Image());
    EXPECT_EQ(PFMGetLockCount(kBitmap, 7), 0u);

    loaded.Release();
    EXPECT_TRUE(loaded.Image().empty());
    EXPECT_EQ(loaded.ColorTable()[1], PictColor{});
}

TEST_F(PictRecordStoreTest, MissingOrForeignSegmentsAreNoPicture) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    PictRecord missing(19999, kBitmap);
    EXPECT_EQ(missing.Load(), kFileErr);

    ASSERT_EQ(AddText(kBitmap, 8, "far too short"), kNoErr);
    PictRecord damaged(8, kBitmap);
    EXPECT_EQ(damaged.Load(), kBadDataErr);
    EXPECT_EQ(PFMGetLockCount(kBitmap, 8), 0u);
}

}  // namespace
