#include "platform/sys/FileHandle.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/sys/FileFaults.h"
#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"

namespace win {
namespace {

TEST(FileHandle, OpenModesAndMissingFiles) {
    TempFolder folder;
    const std::string path = folder / "a.bin";
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kRead), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kReadWrite), HFILE_ERROR);

    HFILE file = OpenFileHandle(path.c_str(), FileOpenMode::kCreate);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_EQ(WriteFileHandle(file, "hello", 5), 5);
    EXPECT_EQ(GetFileHandleSize(file), 5);
    EXPECT_EQ(SeekFileHandle(file, 1, FileSeekFrom::kStart), 1);
    char buffer[8] = {};
    EXPECT_EQ(ReadFileHandle(file, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "ello");
    EXPECT_EQ(SeekFileHandle(file, 0, FileSeekFrom::kCurrent), 5);
    EXPECT_EQ(SeekFileHandle(file, -2, FileSeekFrom::kEnd), 3);
    EXPECT_EQ(SeekFileHandle(file, -9, FileSeekFrom::kStart), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EINVAL));
    EXPECT_TRUE(FlushFileHandle(file));
    EXPECT_TRUE(SyncFileHandle(file));
    EXPECT_TRUE(CloseFileHandle(file));

    // Creating again empties the file.
    file = OpenFileHandle(path.c_str(), FileOpenMode::kCreate);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_EQ(GetFileHandleSize(file), 0);
    EXPECT_TRUE(CloseFileHandle(file));
}

TEST(FileHandle, FoldersAreNotFiles) {
    TempFolder folder;
    EXPECT_EQ(OpenFileHandle(folder.Path().c_str(), FileOpenMode::kRead), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EISDIR));
    EXPECT_EQ(OpenFileHandle("", FileOpenMode::kRead), HFILE_ERROR);
    EXPECT_EQ(OpenFileHandle(nullptr, FileOpenMode::kRead), HFILE_ERROR);
}

TEST(FileHandle, CreateNewNeverReplacesAFile) {
    TempFolder folder;
    const std::string path = folder.WriteFile("taken", "keep me");
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kCreateNew), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EEXIST));
    EXPECT_EQ(TempFolder::ReadFile(path), "keep me");

    HFILE file = OpenFileHandle((folder / "fresh").c_str(), FileOpenMode::kCreateNew);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_TRUE(CloseFileHandle(file));
}

TEST(FileHandle, ReadersShareAndWritersAreAlone) {
    TempFolder folder;
    const std::string path = folder.WriteFile("shared", "content");
    HFILE reader = OpenFileHandle(path.c_str(), FileOpenMode::kRead);
    ASSERT_NE(reader, HFILE_ERROR);
    HFILE secondReader = OpenFileHandle(path.c_str(), FileOpenMode::kRead);
    EXPECT_NE(secondReader, HFILE_ERROR);
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kReadWrite), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EWOULDBLOCK));
    // A refused create leaves the file in use as it was.
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kCreate), HFILE_ERROR);
    EXPECT_EQ(TempFolder::ReadFile(path), "content");
    CloseFileHandle(secondReader);
    CloseFileHandle(reader);

    HFILE writer = OpenFileHandle(path.c_str(), FileOpenMode::kReadWrite);
    ASSERT_NE(writer, HFILE_ERROR);
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kRead), HFILE_ERROR);
    EXPECT_EQ(OpenFileHandle(path.c_str(), FileOpenMode::kReadWrite), HFILE_ERROR);
    CloseFileHandle(writer);
    reader = OpenFileHandle(path.c_str(), FileOpenMode::kRead);
    EXPECT_NE(reader, HFILE_ERROR);
    CloseFileHandle(reader);
}

TEST(FileHandle, UnreadableFilesAndReadOnlyFolders) {
    TempFolder folder;
    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    ASSERT_EQ(::mkdir((folder / "ro").c_str(), 0777), 0);
    const std::string secret = folder.WriteFile("ro/secret", "x");
    ASSERT_EQ(::chmod(secret.c_str(), 0200), 0);
    ASSERT_EQ(::chmod((folder / "ro").c_str(), 0555), 0);
    EXPECT_EQ(OpenFileHandle(secret.c_str(), FileOpenMode::kRead), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EACCES));
    EXPECT_EQ(OpenFileHandle((folder / "ro/new").c_str(), FileOpenMode::kCreate), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EACCES));
    EXPECT_EQ(OpenFileHandle((folder / "ro/new").c_str(), FileOpenMode::kCreateNew), HFILE_ERROR);
}

TEST(FileHandle, InjectedFaultsFailTheChosenCallOnly) {
    TempFolder folder;
    HFILE file = OpenFileHandle((folder / "f").c_str(), FileOpenMode::kCreate);
    ASSERT_NE(file, HFILE_ERROR);
    ResetFileCalls();
    FailFileCall(FileCall::kWrite, 2, ENOSPC);
    EXPECT_EQ(WriteFileHandle(file, "ab", 2), 2);
    EXPECT_EQ(WriteFileHandle(file, "cd", 2), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOSPC));
    EXPECT_EQ(WriteFileHandle(file, "ef", 2), 2);
    EXPECT_EQ(GetFileCallCount(FileCall::kWrite), 3u);
    EXPECT_EQ(GetFileHandleSize(file), 4);

    FailFileCall(FileCall::kFlush, 1);
    EXPECT_FALSE(FlushFileHandle(file));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EIO));
    EXPECT_TRUE(FlushFileHandle(file));

    FailFileCall(FileCall::kSync, 1, EIO, true);
    EXPECT_FALSE(SyncFileHandle(file));
    EXPECT_FALSE(SyncFileHandle(file));
    FailFileCall(FileCall::kSync, 0);
    EXPECT_TRUE(SyncFileHandle(file));
    EXPECT_EQ(GetFileCallCount(FileCall::kSync), 3u);

    ResetFileCalls();
    EXPECT_EQ(GetFileCallCount(FileCall::kWrite), 0u);
    EXPECT_EQ(WriteFileHandle(file, "gh", 2), 2);
    CloseFileHandle(file);
}

TEST(FileHandle, ClosedHandlesFail) {
    EXPECT_FALSE(CloseFileHandle(HFILE_ERROR));
    char byte;
    EXPECT_EQ(ReadFileHandle(HFILE_ERROR, &byte, 1), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EBADF));
}

}  // namespace
}  // namespace win
