#include "foundation/StdIOFile.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/DebugMessages.h"
#include "foundation/FileError.h"
#include "platform/sys/TempFolder.h"

namespace {

TEST(StdIOFile, WritesAndReadsBack) {
    TempFolder folder;
    StdIOFile file(FileRef((folder / "out.txt").c_str(), kAccessCreate));
    ASSERT_EQ(file.Open(), kNoErr);
    EXPECT_EQ(file.WriteCString("Dump of "), kNoErr);
    EXPECT_EQ(file.WriteLong(0x41424344), kNoErr);
    std::uint32_t length = 0;
    EXPECT_EQ(file.GetLength(length), kNoErr);
    EXPECT_EQ(length, 12u);
    EXPECT_EQ(file.Rewind(), kNoErr);
    char text[9] = {};
    std::uint32_t count = 8;
    EXPECT_EQ(file.Read(text, count), kNoErr);
    EXPECT_STREQ(text, "Dump of ");
    count = 8;
    EXPECT_EQ(file.Read(text, count), kEndOfFileErr);
    EXPECT_EQ(count, 4u);
    EXPECT_TRUE(file.IsAtEnd());
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(folder / "out.txt"), "Dump of ABCD");
    EXPECT_EQ(file.GetLength(length), kNoErr);
    EXPECT_EQ(length, 12u);
}

TEST(StdIOFile, OpenFailureIsReported) {
    TempFolder folder;
    DebugMessages messages;
    StdIOFile file(FileRef((folder / "missing.txt").c_str(), kAccessRead));
    EXPECT_EQ(file.Open(), kFileErr);
    EXPECT_EQ(messages.Last(), "Unable to open file \"" + folder / "missing.txt" + "\" mode=\"rb\".");
    std::uint8_t byte = 0;
    EXPECT_EQ(file.ReadByte(byte), kFileErr);
}

TEST(StdIOFile, StandardOutputStaysOpen) {
    StdIOFile file(FileRef("/some/file"));
    file.AttachToStandardOutput();
    EXPECT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.GetFileRef().IsEmpty());
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_NE(std::fputs("", stdout), EOF);  // still usable
}

}  // namespace
