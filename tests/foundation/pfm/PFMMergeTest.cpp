#include "foundation/pfm/PFMMerge.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/FileRef.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFMDump.h"
#include "foundation/pfm/StoreFileBuilder.h"
#include "platform/sys/TempFolder.h"

namespace {

// The layout of a store file, read back from its bytes.
struct Layout {
    PFMHeader header;
    SegmentMap map;
    std::string bytes;

    std::string SegmentBytes(std::size_t i) const { return bytes.substr(map[i].position, map[i].size); }
};

Layout ReadMergedLayout(const std::string& path) {
    Layout layout;
    layout.bytes = TempFolder::ReadFile(path);
    ByteStream stream(std::vector<std::uint8_t>(layout.bytes.begin(), layout.bytes.end()));
    EXPECT_EQ(
        PFMReadFileLayout(stream, static_cast<std::uint32_t>(layout.bytes.size()), layout.header, layout.map),
        kNoErr);
    return layout;
}

class PFMMergeTest : public ::testing::Test {
protected:
    // Headers made in the test name the running platform, as they do in the program.
    void SetUp() override { DetectPlatform(); }

    ErrCode Merge(const std::string& first, const std::string& second, const std::string& output) {
        return PFMMergeFiles(FileRef(first.c_str()), FileRef(second.c_str()), FileRef(output.c_str()));
    }

    TempFolder folder_;
};

TEST_F(PFMMergeTest, FirstFileWinsAndSegmentsAreOrderedByCodeValue) {
    // 'BAAA' has the smaller 32-bit value (its first character is the lowest byte), although it
    // comes after 'ABCD' in reading order.
    const std::string first =
        folder_.WriteFile("first", StoreFileBytes({{FourCCOf("TEXT"), 128, "first text", 0x9000},
                                                   {FourCCOf("ABCD"), 2, "abcd", 0x1000}}));
    const std::string second =
        folder_.WriteFile("second", StoreFileBytes({{FourCCOf("TEXT"), 128, "second text", 0xA000},
                                                    {FourCCOf("TEXT"), 7, "seven", 0x0080},
                                                    {FourCCOf("BAAA"), 1, "baaa", 0xB800}}));
    const std::string output = folder_ / "merged";
    ASSERT_EQ(Merge(first, second, output), kNoErr);

    const Layout merged = ReadMergedLayout(output);
    ASSERT_EQ(merged.map.size(), 4u);
    EXPECT_EQ(merged.map[0].type, FourCCOf("BAAA"));
    EXPECT_EQ(merged.map[1].type, FourCCOf("ABCD"));
    EXPECT_EQ(merged.map[2].type, FourCCOf("TEXT"));
    EXPECT_EQ(merged.map[2].id, 7);
    EXPECT_EQ(merged.map[3].id, 128);
    EXPECT_EQ(merged.SegmentBytes(0), "baaa");
    EXPECT_EQ(merged.SegmentBytes(2), "seven");
    EXPECT_EQ(merged.SegmentBytes(3), "first text");
    // Flags words travel as they stand, an unknown kind included.
    EXPECT_EQ(merged.map[0].flags, 0xB800);
    EXPECT_EQ(merged.map[2].flags, 0x0080);
    EXPECT_EQ(merged.map[3].flags, 0x9000);
    // Segments lie back to back after the header block.
    EXPECT_EQ(merged.map[0].position, kPFMDataOffset);
    EXPECT_EQ(merged.map[3].position, kPFMDataOffset + 4 + 4 + 5);
}

TEST_F(PFMMergeTest, HeaderNamesTheMerge) {
    PFMHeader header(FourCCOf("QRV1"), 0x02016003);
    const std::string first =
        folder_.WriteFile("first", StoreFileBytes({{FourCCOf("INFO"), 1, "i", 0x9000}}, header));
    const std::string second = folder_.WriteFile("second", StoreFileBytes({}, header));
    const std::string output = folder_ / "merged.qrv";
    ASSERT_EQ(Merge(first, second, output), kNoErr);

    const Layout merged = ReadMergedLayout(output);
    EXPECT_EQ(merged.header.saveType, kPFMFullSave);
    EXPECT_EQ(merged.header.mapPosition, kPFMDataOffset + 1);
    EXPECT_EQ(merged.header.fullSaveSize, merged.bytes.size());
    EXPECT_EQ(merged.header.lastApp, FourCCOf("PMRG"));
    EXPECT_EQ(merged.header.lastVersion, 0x01008000u);
    EXPECT_EQ(merged.header.lastPlatform, static_cast<std::int32_t>(GetPlatformIndex()));
    EXPECT_EQ(merged.header.creatorApp, 0u);
    EXPECT_EQ(merged.header.creatorVersion, 0u);
    EXPECT_EQ(merged.header.creatorPlatform, static_cast<std::int32_t>(GetPlatformIndex()));

    ByteStream out;
    ASSERT_EQ(PFMDumpFile(FileRef(output.c_str()), out), kNoErr);
    const std::string text(out.Bytes().begin(), out.Bytes().end());
    EXPECT_NE(text.find("last: ???      'PMRG' v1.0        \n"), std::string::npos) << text;
}

TEST_F(PFMMergeTest, BadInputsLeaveNoOutput) {
    const std::string store =
        folder_.WriteFile("store", StoreFileBytes({{FourCCOf("INFO"), 1, "i", 0x9000}}));
    const std::string text = folder_.WriteFile("text", std::string(100, 't'));
    const std::string output = folder_ / "merged";
    EXPECT_EQ(Merge(store, folder_ / "missing", output), kFileErr);
    EXPECT_EQ(Merge(folder_ / "missing", store, output), kFileErr);
    EXPECT_EQ(Merge(store, text, output), kFileErr);
    EXPECT_EQ(Merge(text, store, output), kFileErr);
    EXPECT_FALSE(FileRef(output.c_str()).Exists());

    // A store whose map points past its end.
    std::string damaged = TempFolder::ReadFile(store);
    damaged[30] = 0x7F;
    EXPECT_NE(Merge(store, folder_.WriteFile("damaged", damaged), output), kNoErr);
    EXPECT_FALSE(FileRef(output.c_str()).Exists());
}

TEST_F(PFMMergeTest, OutputThatIsAnInputIsRefused) {
    const std::string bytes = StoreFileBytes({{FourCCOf("INFO"), 1, "info", 0x9000}});
    const std::string first = folder_.WriteFile("first", bytes);
    const std::string second = folder_.WriteFile("second", StoreFileBytes({}));
    EXPECT_EQ(Merge(first, second, first), kFileInUseErr);
    EXPECT_EQ(
        Merge(second, first,
              folder_.Path() + "/../" + folder_.Path().substr(folder_.Path().rfind('/') + 1) + "/first"),
        kFileInUseErr);
    EXPECT_EQ(TempFolder::ReadFile(first), bytes);
}

}  // namespace
