#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "foundation/FileError.h"
#include "foundation/FileReader.h"
#include "foundation/FileReaderWriter.h"
#include "foundation/FileWriter.h"
#include "platform/sys/FileFaults.h"
#include "platform/sys/TempFolder.h"

namespace {

TEST(FileReaderAndWriter, RoundTripThroughBuffers) {
    TempFolder folder;
    const FileRef ref((folder / "round.fsf").c_str());
    {
        FileWriter writer(ref, 0, 8192);
        ASSERT_EQ(writer.Open(kAccessCreate), kNoErr);
        EXPECT_EQ(writer.GetFileRef().GetPermission(), kAccessCreate);
        for (std::int32_t i = 0; i < 5000; ++i) ASSERT_EQ(writer.WriteLong(i * 3), kNoErr);
        EXPECT_EQ(writer.WriteFourCC(FourCCOf("SDOC")), kNoErr);
        EXPECT_EQ(writer.Close(), kNoErr);
    }
    const std::string bytes = TempFolder::ReadFile(ref.GetFullPath());
    ASSERT_EQ(bytes.size(), 20004u);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\0\0\0\3", 4));  // most significant byte first
    EXPECT_EQ(bytes.substr(20000), "SDOC");

    FileReader reader(ref, 0, 8192);
    ASSERT_EQ(reader.Open(), kNoErr);
    EXPECT_EQ(reader.GetFileRef().GetPermission(), kAccessRead);
    std::uint32_t length = 0;
    EXPECT_EQ(reader.GetLength(length), kNoErr);
    EXPECT_EQ(length, 20004u);
    for (std::int32_t i = 0; i < 5000; ++i) {
        std::int32_t value = -1;
        ASSERT_EQ(reader.ReadLong(value), kNoErr);
        ASSERT_EQ(value, i * 3);
    }
    FourCC code = 0;
    EXPECT_EQ(reader.ReadFourCC(code), kNoErr);
    EXPECT_EQ(code, FourCCOf("SDOC"));
    std::uint8_t byte = 0;
    EXPECT_EQ(reader.ReadByte(byte), kEndOfFileErr);
    EXPECT_EQ(reader.Close(), kNoErr);
}

TEST(FileReaderAndWriter, UnbufferedWorkTheSame) {
    TempFolder folder;
    const FileRef ref((folder / "plain").c_str());
    FileWriter writer(ref, 1, 0);
    ASSERT_EQ(writer.Open(kAccessCreate), kNoErr);
    EXPECT_EQ(writer.WriteShort(0x1234), kNoErr);
    EXPECT_EQ(writer.Close(), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(ref.GetFullPath()), "\x34\x12");

    FileReader reader(ref, 1, 0);
    ASSERT_EQ(reader.Open(), kNoErr);
    std::int16_t value = 0;
    EXPECT_EQ(reader.ReadShort(value), kNoErr);
    EXPECT_EQ(value, 0x1234);
}

TEST(FileReaderAndWriter, AFileThatShrinksUnderABufferedReaderReadsShort) {
    TempFolder folder;
    const std::string path = folder.WriteFile("shrinking", std::string(20000, 's'));
    FileReader reader(FileRef(path.c_str()), 0, 8192);
    ASSERT_EQ(reader.Open(), kNoErr);
    std::string bytes(10000, '\0');
    std::uint32_t count = 100;
    ASSERT_EQ(reader.Read(bytes.data(), count), kNoErr);
    ASSERT_EQ(::truncate(path.c_str(), 5000), 0);
    count = 10000;
    EXPECT_EQ(reader.Read(bytes.data(), count), kEndOfFileErr);
    EXPECT_LT(count, 10000u);
    std::int32_t value = 1;
    EXPECT_EQ(reader.ReadLong(value), kEndOfFileErr);
    EXPECT_EQ(value, 1);
}

TEST(FileReaderAndWriter, MissingFilesAndClosedReaders) {
    TempFolder folder;
    FileReader reader(FileRef((folder / "none").c_str()), 0, 64);
    EXPECT_EQ(reader.Open(), kFileNotFoundErr);
    EXPECT_FALSE(reader.IsOpen());
    std::uint8_t byte = 0;
    EXPECT_EQ(reader.ReadByte(byte), kReadErr);
    FileWriter writer(FileRef((folder / "none").c_str()), 0, 64);
    EXPECT_EQ(writer.Open(kAccessReadWrite), kFileNotFoundErr);
    EXPECT_EQ(writer.WriteByte(1), kWriteErr);
    EXPECT_EQ(writer.Close(), kNoErr);
}

TEST(FileReaderAndWriter, CloseReportsTheFailedFlush) {
    TempFolder folder;
    FileWriter writer(FileRef((folder / "f").c_str()), 0, 64);
    ASSERT_EQ(writer.Open(kAccessCreate), kNoErr);
    EXPECT_EQ(writer.WriteLong(1), kNoErr);
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kWrite, 1, ENOSPC);
    EXPECT_EQ(writer.Close(), kDiskFullErr);
    EXPECT_FALSE(writer.IsOpen());
}

TEST(FileReaderAndWriter, SyncWritesOutAndSyncs) {
    TempFolder folder;
    FileWriter writer(FileRef((folder / "f").c_str()), 0, 64);
    ASSERT_EQ(writer.Open(kAccessCreate), kNoErr);
    EXPECT_EQ(writer.WriteLong(1), kNoErr);
    win::ResetFileCalls();
    EXPECT_EQ(writer.Sync(), kNoErr);
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kWrite), 1u);
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kSync), 1u);
    EXPECT_EQ(TempFolder::ReadFile(folder / "f").size(), 4u);
    win::FailFileCall(win::FileCall::kSync, 2);
    EXPECT_EQ(writer.Sync(), kFlushErr);
}

TEST(TFileReaderWriter, SwitchingKeepsThePosition) {
    TempFolder folder;
    const std::string path = folder.WriteFile("store", std::string(100, '.'));
    TFileReaderWriter file(64, 64);
    ASSERT_EQ(file.Open(FileRef(path.c_str()), kAccessReadWrite), kNoErr);
    EXPECT_EQ(file.GetMode(), TFileReaderWriter::Mode::kReading);
    std::uint8_t byte = 0;
    ASSERT_EQ(file.ReadByte(byte), kNoErr);  // the buffer read 64 bytes ahead
    ASSERT_EQ(file.ReadByte(byte), kNoErr);
    ASSERT_EQ(file.SwitchToWriting(), kNoErr);
    EXPECT_EQ(file.GetMode(), TFileReaderWriter::Mode::kWriting);
    std::uint32_t position = 0;
    EXPECT_EQ(file.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 2u);
    EXPECT_EQ(file.WriteCString("AB"), kNoErr);
    ASSERT_EQ(file.SwitchToReading(), kNoErr);
    EXPECT_EQ(file.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 4u);
    ASSERT_EQ(file.SetPosition(0), kNoErr);
    char text[6] = {};
    std::uint32_t count = 5;
    EXPECT_EQ(file.Read(text, count), kNoErr);
    EXPECT_STREQ(text, "..AB.");
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(path).substr(0, 5), "..AB.");
}

TEST(TFileReaderWriter, ReadsOnlyWhileReadingAndWritesOnlyWhileWriting) {
    TempFolder folder;
    TFileReaderWriter file(FileRef((folder / "f").c_str()), 0, 0);
    std::uint8_t byte = 0;
    EXPECT_EQ(file.ReadByte(byte), kReadErr);
    ASSERT_EQ(file.Open(FileRef((folder / "f").c_str()), kAccessCreate), kNoErr);
    EXPECT_EQ(file.WriteByte(1), kWriteErr);
    ASSERT_EQ(file.BeginWriting(), kNoErr);
    EXPECT_EQ(file.WriteByte(1), kNoErr);
    EXPECT_EQ(file.ReadByte(byte), kReadErr);
    std::uint32_t length = 0;
    EXPECT_EQ(file.GetLength(length), kNoErr);
    EXPECT_EQ(length, 1u);
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_FALSE(file.IsOpen());
}

TEST(TFileReaderWriter, SwitchToReadingClearsTheFilesError) {
    TempFolder folder;
    TFileReaderWriter file(32, 32);
    ASSERT_EQ(file.Open(FileRef((folder / "f").c_str()), kAccessCreate), kNoErr);
    ASSERT_EQ(file.SwitchToWriting(), kNoErr);
    EXPECT_EQ(file.WriteLong(7), kNoErr);
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kWrite, 1);
    EXPECT_EQ(file.SwitchToReading(), kWriteErr);
    EXPECT_EQ(file.GetError(), kNoErr);
    EXPECT_EQ(file.GetMode(), TFileReaderWriter::Mode::kReading);
}

TEST(TFileReaderWriter, UniqueScratchFilesInAFolder) {
    TempFolder folder;
    folder.WriteFile("PFM_Swap.000", "");
    folder.WriteFile("PFM_Swap.001", "");
    TFileReaderWriter first(64, 64);
    TFileReaderWriter second(64, 64);
    ASSERT_EQ(first.CreateUnique("", folder.Path().c_str(), "PFM_Swap.%03d"), kNoErr);
    ASSERT_EQ(second.CreateUnique("", folder.Path().c_str(), "PFM_Swap.%03d"), kNoErr);
    EXPECT_STREQ(first.GetFileRef().NamePtr(), "PFM_Swap.002");
    EXPECT_STREQ(second.GetFileRef().NamePtr(), "PFM_Swap.003");
    EXPECT_EQ(first.Close(), kNoErr);
    EXPECT_EQ(first.Delete(), kNoErr);
    EXPECT_FALSE(first.GetFileRef().Exists());
}

}  // namespace
