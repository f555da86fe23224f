#include "platform/sys/FileSystem.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/sys/FileFaults.h"
#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedCurrentFolder.h"
#include "support/ScopedEnv.h"

namespace win {
namespace {

TEST(FileSystem, PathInfoTellsFilesFoldersAndIdentity) {
    TempFolder folder;
    const std::string path = folder.WriteFile("a", "12345");
    ASSERT_EQ(::link(path.c_str(), (folder / "b").c_str()), 0);
    PathInfo info;
    PathInfo linked;
    ASSERT_TRUE(GetPathInfo(path.c_str(), info));
    EXPECT_FALSE(info.isDirectory);
    EXPECT_TRUE(info.isWritable);
    EXPECT_EQ(info.size, 5u);
    ASSERT_TRUE(GetPathInfo((folder / "b").c_str(), linked));
    EXPECT_EQ(info.inode, linked.inode);
    EXPECT_EQ(info.device, linked.device);
    ASSERT_TRUE(GetPathInfo(folder.Path().c_str(), info));
    EXPECT_TRUE(info.isDirectory);
    EXPECT_FALSE(GetPathInfo((folder / "*").c_str(), info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
}

TEST(FileSystem, PathIdentityIsTheFileWhateverThePath) {
    TempFolder folder;
    const std::string path = folder.WriteFile("a", "12345");
    const std::string other = folder.WriteFile("c", "12345");
    ASSERT_EQ(::link(path.c_str(), (folder / "b").c_str()), 0);
    ASSERT_EQ(::symlink(path.c_str(), (folder / "s").c_str()), 0);
    PathIdentity identity, linked, symbolic, different;
    ASSERT_TRUE(GetPathIdentity(path.c_str(), identity));
    ASSERT_TRUE(GetPathIdentity((folder / "b").c_str(), linked));
    ASSERT_TRUE(GetPathIdentity((folder / "s").c_str(), symbolic));
    ASSERT_TRUE(GetPathIdentity(other.c_str(), different));
    PathInfo info;
    ASSERT_TRUE(GetPathInfo(path.c_str(), info));
    EXPECT_EQ(identity.device, info.device);
    EXPECT_EQ(identity.inode, info.inode);
    EXPECT_EQ(linked.inode, identity.inode);
    EXPECT_EQ(symbolic.inode, identity.inode);
    EXPECT_EQ(symbolic.device, identity.device);
    EXPECT_NE(different.inode, identity.inode);
    EXPECT_FALSE(GetPathIdentity((folder / "missing").c_str(), identity));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
    EXPECT_FALSE(GetPathIdentity("", identity));
}

TEST(FileSystem, RemoveAndRename) {
    TempFolder folder;
    const std::string a = folder.WriteFile("a", "A");
    const std::string b = folder.WriteFile("b", "B");
    EXPECT_TRUE(RenameFile(a.c_str(), b.c_str()));
    EXPECT_EQ(TempFolder::ReadFile(b), "A");
    EXPECT_FALSE(RenameFile(a.c_str(), b.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
    EXPECT_TRUE(RemoveFile(b.c_str()));
    EXPECT_FALSE(RemoveFile(b.c_str()));
    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0777), 0);
    EXPECT_FALSE(RemoveFile((folder / "sub").c_str()));
    EXPECT_TRUE(SyncFolder(folder.Path().c_str()));
}

// The file a write replaces: links in other folders, relative ones (taken from their own folder, not
// the current one), chains, a link to nothing, and a loop.
TEST(FileSystem, FollowingLinksFindsTheFileAWriteReplaces) {
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / "real").c_str(), 0777), 0);
    ASSERT_EQ(::mkdir((folder / "links").c_str(), 0777), 0);
    const std::string file = folder.WriteFile("real/story", "S");
    ASSERT_EQ(::symlink(file.c_str(), (folder / "links/absolute").c_str()), 0);
    ASSERT_EQ(::symlink("../real/story", (folder / "links/relative").c_str()), 0);
    ASSERT_EQ(::symlink("relative", (folder / "links/chain").c_str()), 0);
    ASSERT_EQ(::symlink("../real/none", (folder / "links/dangling").c_str()), 0);
    ASSERT_EQ(::symlink("loop", (folder / "links/loop").c_str()), 0);
    std::string target;
    ASSERT_TRUE(FollowSymbolicLinks(file.c_str(), target));
    EXPECT_EQ(target, file) << "a file is no link";
    ASSERT_TRUE(FollowSymbolicLinks((folder / "links/absolute").c_str(), target));
    EXPECT_EQ(target, file);
    ASSERT_TRUE(FollowSymbolicLinks((folder / "links/relative").c_str(), target));
    EXPECT_EQ(target, folder / "links/../real/story");
    ASSERT_TRUE(FollowSymbolicLinks((folder / "links/chain").c_str(), target));
    EXPECT_EQ(target, folder / "links/../real/story");
    ASSERT_TRUE(FollowSymbolicLinks((folder / "links/dangling").c_str(), target));
    EXPECT_EQ(target, folder / "links/../real/none") << "what a write would make";
    ASSERT_TRUE(FollowSymbolicLinks((folder / "links/new").c_str(), target));
    EXPECT_EQ(target, folder / "links/new");
    EXPECT_FALSE(FollowSymbolicLinks((folder / "links/loop").c_str(), target));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ELOOP));
}

TEST(FileSystem, PermissionsAreCopiedFromFileToFile) {
    TempFolder folder;
    const std::string kept = folder.WriteFile("kept", "K");
    const std::string made = folder.WriteFile("made", "M");
    ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
    ASSERT_EQ(::chmod(made.c_str(), 0666), 0);
    EXPECT_TRUE(CopyFilePermissions(kept.c_str(), made.c_str()));
    struct stat status;
    ASSERT_EQ(::stat(made.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_FALSE(CopyFilePermissions((folder / "missing").c_str(), made.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
}

TEST(FileSystem, InjectedRenameRemoveAndSyncFaults) {
    TempFolder folder;
    const std::string a = folder.WriteFile("a", "A");
    ResetFileCalls();
    FailFileCall(FileCall::kRename, 1, EXDEV);
    EXPECT_FALSE(RenameFile(a.c_str(), (folder / "b").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EXDEV));
    EXPECT_EQ(TempFolder::ReadFile(a), "A");
    FailFileCall(FileCall::kRemove, 1);
    EXPECT_FALSE(RemoveFile(a.c_str()));
    EXPECT_EQ(TempFolder::ReadFile(a), "A");
    FailFileCall(FileCall::kSync, 1);
    EXPECT_FALSE(SyncFolder(folder.Path().c_str()));
    EXPECT_EQ(GetFileCallCount(FileCall::kRename), 1u);
    EXPECT_EQ(GetFileCallCount(FileCall::kRemove), 1u);
    EXPECT_EQ(GetFileCallCount(FileCall::kSync), 1u);
}

TEST(FileSystem, ListFolderSortsAndMarksFoldersAndLinks) {
    TempFolder folder;
    folder.WriteFile("b.fsf", "");
    folder.WriteFile("A.fsf", "");
    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0777), 0);
    ASSERT_EQ(::symlink((folder / "sub").c_str(), (folder / "link").c_str()), 0);
    ASSERT_EQ(::symlink((folder / "nowhere").c_str(), (folder / "dangling").c_str()), 0);
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(folder.Path().c_str(), entries));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, "A.fsf");
    EXPECT_TRUE(entries[0].isFile);
    EXPECT_EQ(entries[1].name, "b.fsf");
    EXPECT_EQ(entries[2].name, "dangling");
    EXPECT_TRUE(entries[2].isLink);
    EXPECT_FALSE(entries[2].isDirectory);
    EXPECT_FALSE(entries[2].isFile);
    EXPECT_EQ(entries[3].name, "link");
    EXPECT_TRUE(entries[3].isLink);
    EXPECT_TRUE(entries[3].isDirectory);
    EXPECT_EQ(entries[4].name, "sub");
    EXPECT_TRUE(entries[4].isDirectory);
    EXPECT_FALSE(entries[4].isFile);
    EXPECT_FALSE(entries[4].isLink);

    std::vector<FolderEntry> none;
    EXPECT_FALSE(ListFolder((folder / "missing").c_str(), none));
    EXPECT_TRUE(none.empty());
}

TEST(FileSystem, FindNameInFolderPrefersTheExactName) {
    TempFolder folder;
    folder.WriteFile("Data.qrv", "");
    folder.WriteFile("data.QRV", "");
    std::string found;
    EXPECT_TRUE(FindNameInFolder(folder.Path().c_str(), "data.QRV", found));
    EXPECT_EQ(found, "data.QRV");
    EXPECT_TRUE(FindNameInFolder(folder.Path().c_str(), "DATA.qrv", found));
    EXPECT_EQ(found, "Data.qrv");
    EXPECT_FALSE(FindNameInFolder(folder.Path().c_str(), "data.qr", found));
}

TEST(FileSystem, CurrentDirectoryAnswersTheSizeItNeeds) {
    TempFolder folder;
    const ScopedCurrentFolder startedIn;
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    ASSERT_GT(needed, 1u);
    std::string buffer(needed, 'x');
    EXPECT_EQ(GetCurrentDirectoryA(needed, buffer.data()), needed - 1);
    EXPECT_EQ(GetCurrentDirectoryA(needed - 1, buffer.data()), needed);
    EXPECT_FALSE(SetCurrentDirectoryA((folder / "missing").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));
}

TEST(FileSystem, ProgramFileSitsInTheProgramFolder) {
    char path[4096];
    ScopedEnv environment;
    environment.Remove("FABLECORE_PROGRAM_DIR");
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(length, 0u);
    const std::string own(path, length);
    EXPECT_EQ(own.substr(own.rfind('/') + 1), "platform_sys_tests");
    EXPECT_EQ(GetModuleFileNameA(nullptr, path, length), 0u);

    environment.Set("FABLECORE_PROGRAM_DIR", "/opt/fablecore/bin/");
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    EXPECT_STREQ(path, "/opt/fablecore/bin/platform_sys_tests");
}

TEST(FileSystem, TempFolderFallsBackToTmp) {
    TempFolder folder;
    std::string found;
    ScopedEnv environment;
    environment.Set("TMPDIR", folder.Path());
    ASSERT_TRUE(GetTempFolderPath(found));
    EXPECT_EQ(found, folder.Path());
    environment.Set("TMPDIR", "");
    environment.Set("TEMP", folder / "missing");
    environment.Remove("TMP");
    ASSERT_TRUE(GetTempFolderPath(found));
    EXPECT_EQ(found, "/tmp");
}

}  // namespace
}  // namespace win
