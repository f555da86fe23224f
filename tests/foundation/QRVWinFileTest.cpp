#include "foundation/QRVWinFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "foundation/File.h"
#include "foundation/FileError.h"
#include "platform/sys/FileFaults.h"
#include "platform/sys/TempFolder.h"

namespace {

FileRef RefOf(const std::string& path, FileAccess access) { return FileRef(path.c_str(), access); }

TEST(QRVWinFile, OpeningMissingUnreadableAndLockedFiles) {
    TempFolder folder;
    File missing(RefOf(folder / "missing.fsf", kAccessRead));
    EXPECT_EQ(missing.Open(), kFileNotFoundErr);
    EXPECT_FALSE(missing.IsOpen());
    File missingFolder(RefOf(folder / "nofolder/x.fsf", kAccessReadWrite));
    EXPECT_EQ(missingFolder.Open(), kFileNotFoundErr);

    const std::string path = folder.WriteFile("story.fsf", "content");
    File reader(RefOf(path, kAccessRead));
    ASSERT_EQ(reader.Open(), kNoErr);
    File writer(RefOf(path, kAccessReadWrite));
    EXPECT_EQ(writer.Open(), kOpenErr);
    File creator(RefOf(path, kAccessCreate));
    EXPECT_EQ(creator.Open(), kOpenErr);
    EXPECT_EQ(TempFolder::ReadFile(path), "content");
    File secondReader(RefOf(path, kAccessRead));
    EXPECT_EQ(secondReader.Open(), kNoErr);

    File aFolder(RefOf(folder.Path(), kAccessRead));
    EXPECT_EQ(aFolder.Open(), kOpenErr);
}

TEST(QRVWinFile, PermissionsRefuseWithCodes) {
    TempFolder folder;
    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    const std::string secret = folder.WriteFile("secret.fsf", "x");
    ASSERT_EQ(::chmod(secret.c_str(), 0), 0);
    File unreadable(RefOf(secret, kAccessRead));
    EXPECT_EQ(unreadable.Open(), kOpenErr);
    EXPECT_EQ(unreadable.GetSystemError(), static_cast<win::DWORD>(EACCES));

    const std::string locked = folder.WriteFile("readonly.fsf", "x");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    File readOnly(RefOf(locked, kAccessReadWrite));
    EXPECT_EQ(readOnly.Open(), kOpenErr);

    ASSERT_EQ(::mkdir((folder / "ro").c_str(), 0555), 0);
    File inReadOnlyFolder(RefOf(folder / "ro/new.fsf", kAccessCreate));
    EXPECT_EQ(inReadOnlyFolder.Open(), kOpenErr);
    File unique;
    EXPECT_EQ(unique.CreateUnique("", (folder / "ro").c_str()), kOpenErr);
}

TEST(QRVWinFile, ReadingUpToTheEnd) {
    TempFolder folder;
    File file(RefOf(folder.WriteFile("f", "0123456789"), kAccessRead));
    ASSERT_EQ(file.Open(), kNoErr);
    char buffer[16] = {};
    ASSERT_EQ(file.SetPosition(6), kNoErr);
    std::uint32_t count = 10;
    EXPECT_EQ(file.Read(buffer, count), kEndOfFileErr);
    EXPECT_EQ(count, 4u);
    EXPECT_STREQ(buffer, "6789");
    EXPECT_TRUE(file.IsAtEnd());
    // End of file is not sticky, and the next seek clears the flag.
    EXPECT_EQ(file.GetError(), kNoErr);
    EXPECT_EQ(file.SetPosition(0), kNoErr);
    EXPECT_FALSE(file.IsAtEnd());
    count = 3;
    EXPECT_EQ(file.Read(buffer, count), kNoErr);
    EXPECT_EQ(count, 3u);
    std::uint32_t position = 0;
    EXPECT_EQ(file.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 3u);
    EXPECT_EQ(file.SeekToEnd(), kNoErr);
    EXPECT_EQ(file.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 10u);
    count = 1;
    EXPECT_EQ(file.Read(buffer, count), kEndOfFileErr);
    EXPECT_EQ(count, 0u);
}

TEST(QRVWinFile, AFileThatShrinksAfterOpeningReadsShort) {
    TempFolder folder;
    const std::string path = folder.WriteFile("shrinking", std::string(100, 'a'));
    File file(RefOf(path, kAccessRead));
    ASSERT_EQ(file.Open(), kNoErr);
    std::uint32_t length = 0;
    EXPECT_EQ(file.GetLength(length), kNoErr);
    EXPECT_EQ(length, 100u);
    ASSERT_EQ(::truncate(path.c_str(), 10), 0);

    char buffer[100];
    std::uint32_t count = 100;
    EXPECT_EQ(file.Read(buffer, count), kEndOfFileErr);
    EXPECT_EQ(count, 10u);
    ASSERT_EQ(file.SetPosition(50), kNoErr);
    std::int32_t value = 7;
    EXPECT_EQ(file.ReadLong(value), kEndOfFileErr);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(file.GetLength(length), kNoErr);
    EXPECT_EQ(length, 10u);
}

TEST(QRVWinFile, WritingAndTheStickyWriteError) {
    TempFolder folder;
    File file(RefOf(folder / "w", kAccessCreate));
    ASSERT_EQ(file.Open(), kNoErr);
    EXPECT_EQ(file.WriteLong(0x01020304), kNoErr);
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kWrite, 1, EIO);
    std::uint32_t count = 3;
    EXPECT_EQ(file.Write("abc", count), kWriteErr);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(file.GetError(), kWriteErr);
    EXPECT_EQ(file.GetSystemError(), static_cast<win::DWORD>(EIO));
    // Everything answers the write error until it is cleared, and nothing is done.
    EXPECT_EQ(file.SetPosition(0), kWriteErr);
    EXPECT_EQ(file.WriteByte(1), kWriteErr);
    std::uint32_t position = 0;
    EXPECT_EQ(file.GetPosition(position), kWriteErr);
    EXPECT_EQ(file.Flush(), kWriteErr);
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kWrite), 1u);
    file.ClearError();
    EXPECT_EQ(file.GetError(), kNoErr);
    EXPECT_EQ(file.SetPosition(4), kNoErr);
    EXPECT_EQ(file.WriteByte(5), kNoErr);
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(folder / "w"), std::string("\x01\x02\x03\x04\x05", 5));
}

TEST(QRVWinFile, AFullDiskGivesOutOfDiskSpace) {
    TempFolder folder;
    File file(RefOf(folder / "w", kAccessCreate));
    ASSERT_EQ(file.Open(), kNoErr);
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kWrite, 1, ENOSPC);
    EXPECT_EQ(file.WriteShort(1), kDiskFullErr);
    EXPECT_EQ(file.GetError(), kDiskFullErr);
}

TEST(QRVWinFile, FlushAndSyncFailuresAreSticky) {
    TempFolder folder;
    File file(RefOf(folder / "w", kAccessCreate));
    ASSERT_EQ(file.Open(), kNoErr);
    win::ResetFileCalls();
    EXPECT_EQ(file.Flush(), kNoErr);
    EXPECT_EQ(file.Sync(), kNoErr);
    win::FailFileCall(win::FileCall::kSync, 2);
    EXPECT_EQ(file.Sync(), kFlushErr);
    EXPECT_EQ(file.WriteByte(1), kFlushErr);
    file.ClearError();
    win::FailFileCall(win::FileCall::kFlush, 2);
    EXPECT_EQ(file.Flush(), kFlushErr);
}

TEST(QRVWinFile, LengthOfAClosedFileNeedsNoOpening) {
    TempFolder folder;
    const std::string path = folder.WriteFile("f", "12345");
    File reader(RefOf(path, kAccessReadWrite));
    ASSERT_EQ(reader.Open(), kNoErr);  // the only opener: nobody else may open it now
    File closed(RefOf(path, kAccessRead));
    std::uint32_t length = 0;
    EXPECT_EQ(closed.GetLength(length), kNoErr);
    EXPECT_EQ(length, 5u);
    File missing(RefOf(folder / "none", kAccessRead));
    EXPECT_EQ(missing.GetLength(length), kFileNotFoundErr);
}

TEST(QRVWinFile, ClosedFilesRefuseToReadAndWrite) {
    File file(FileRef("/nowhere/x", kAccessRead));
    char byte;
    std::uint32_t count = 1;
    EXPECT_EQ(file.Read(&byte, count), kReadErr);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(file.Write(&byte, count = 1), kWriteErr);
    EXPECT_EQ(file.SetPosition(0), kSeekErr);
    EXPECT_EQ(file.Close(), kNoErr);
}

TEST(QRVWinFile, CreateEmptiesAndTheFileCanBeRenamedAndDeleted) {
    TempFolder folder;
    const std::string path = folder.WriteFile("old.fsf", "old content");
    File file(RefOf(path, kAccessCreate));
    ASSERT_EQ(file.Open(), kNoErr);
    std::uint32_t length = 99;
    EXPECT_EQ(file.GetLength(length), kNoErr);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(file.WriteCString("new"), kNoErr);
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_EQ(file.Rename("renamed.fsf"), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(folder / "renamed.fsf"), "new");
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.Delete(), kNoErr);
    EXPECT_FALSE(file.Exists());
}

TEST(QRVWinFile, SameFileByItsReference) {
    TempFolder folder;
    const std::string path = folder.WriteFile("a", "");
    File a(RefOf(path, kAccessRead));
    File b(RefOf(folder.Path() + "/./a", kAccessRead));
    File c(RefOf(folder / "c", kAccessRead));
    EXPECT_TRUE(a.IsSameFile(b));
    EXPECT_FALSE(a.IsSameFile(c));
    EXPECT_EQ(a.GetTag(), 0);
}

}  // namespace
