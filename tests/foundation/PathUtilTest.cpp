#include "foundation/PathUtil.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <string>

#include "foundation/FileError.h"
#include "platform/sys/FileFaults.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedCurrentFolder.h"
#include "support/ScopedEnv.h"

namespace {

TEST(PathUtil, ValidityRules) {
    EXPECT_TRUE(IsValidVolume(""));
    EXPECT_FALSE(IsValidVolume("C:"));
    EXPECT_TRUE(IsValidDirectory("/home/writer"));
    EXPECT_TRUE(IsValidDirectory("/with blank;and:colon/"));
    EXPECT_FALSE(IsValidDirectory(""));
    EXPECT_FALSE(IsValidDirectory("relative/"));
    EXPECT_TRUE(IsValidFileName("My Story.fsf"));
    EXPECT_FALSE(IsValidFileName(""));
    EXPECT_FALSE(IsValidFileName("a/b"));
    EXPECT_FALSE(IsValidFileName(".."));
    EXPECT_TRUE(IsValidFullPath("/a/b.fsf"));
    EXPECT_FALSE(IsValidFullPath("/a/"));
    EXPECT_FALSE(IsValidFullPath("a/b.fsf"));
    EXPECT_TRUE(IsValidExtension(".fsf"));
    EXPECT_TRUE(IsValidExtension("."));
    EXPECT_FALSE(IsValidExtension(".fsfx"));
    EXPECT_FALSE(IsValidExtension("fsf"));
    EXPECT_FALSE(IsValidExtension(". f"));
}

TEST(PathUtil, JoinPathChecksTheRoomNeeded) {
    char buffer[16];
    EXPECT_EQ(JoinPath("/abc", "name.fsf", buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "/abc/name.fsf");
    EXPECT_EQ(JoinPath("/abc/", "name.fsf", buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "/abc/name.fsf");
    EXPECT_EQ(JoinPath("", "name.fsf", buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "name.fsf");
    // folder 5 + name 9 + 2 = 16 fits in 16; one more does not.
    EXPECT_EQ(JoinPath("/abcd", "name1.fsf", buffer, sizeof buffer), kNoErr);
    EXPECT_EQ(JoinPath("/abcd", "name12.fsf", buffer, sizeof buffer), kFileErr);
}

TEST(PathUtil, JoinVolumeAndDirectoryNeverCuts) {
    char buffer[8];
    EXPECT_EQ(JoinVolumeAndDirectory("", "/a/b/", buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "/a/b/");
    EXPECT_EQ(JoinVolumeAndDirectory("", "/abcdefgh/", buffer, sizeof buffer), kFileErr);
    EXPECT_STREQ(buffer, "");
}

TEST(PathUtil, ExtensionsAndBackupNames) {
    EXPECT_EQ(GetExtension("story.v2.fsf"), ".fsf");
    EXPECT_EQ(GetExtension("noext"), "");
    std::string name = "story.fsf";
    ReplaceExtension(name, ".fcf");
    EXPECT_EQ(name, "story.fcf");
    name = "noext";
    ReplaceExtension(name, ".bak");
    EXPECT_EQ(name, "noext.bak");
    EXPECT_TRUE(HasBakExtension("x.BAK"));
    EXPECT_FALSE(HasBakExtension("x.bak2"));
    EXPECT_EQ(MakeBackupName("My Story.fsf"), "My Story.bak");
    EXPECT_EQ(MakeBackupName("Notes"), "Notes.bak");
    EXPECT_EQ(MakeBackupName("Old.Bak"), "Old.Bak");
}

TEST(PathUtil, SplitFolderPathKeepsTheWholePathAsDirectory) {
    VolumePart volume = "junk";
    DirectoryPart directory;
    SplitFolderPath("/home/writer", volume, directory);
    EXPECT_EQ(volume, "");
    EXPECT_EQ(directory, "/home/writer");
}

TEST(PathUtil, SyncFolderOfAFile) {
    TempFolder folder;
    const FileRef file((folder / "story.fsf").c_str());
    win::ResetFileCalls();
    EXPECT_EQ(SyncFolderOf(file), kNoErr);
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kSync), 1u);
    win::FailFileCall(win::FileCall::kSync, 2);
    EXPECT_EQ(SyncFolderOf(file), kFlushErr);
    EXPECT_EQ(SyncFolderOf(FileRef((folder / "missing/story.fsf").c_str())), kFlushErr);
}

TEST(PathUtil, CurrentFolder) {
    TempFolder folder;
    const ScopedCurrentFolder startedIn;
    ASSERT_EQ(::chdir(folder.Path().c_str()), 0);
    VolumePart volume;
    DirectoryPart directory;
    EXPECT_EQ(GetCurrentFolder(volume, directory), kNoErr);
    EXPECT_TRUE(IsExistingDirectory(directory.c_str()));
    EXPECT_EQ(std::filesystem::canonical(directory), std::filesystem::canonical(folder.Path()));
    EXPECT_EQ(volume, "");
}

TEST(PathUtil, TempFolderComesFromTheEnvironmentWithoutChangingIt) {
    TempFolder folder;
    ScopedEnv environment;
    environment.Set("TMPDIR", folder.Path());
    environment.Set("TEMP", "/does/not/exist");
    VolumePart volume;
    DirectoryPart directory;
    EXPECT_EQ(GetTempFolder(volume, directory), kNoErr);
    EXPECT_EQ(directory, folder.Path());

    environment.Set("TMPDIR", "/does/not/exist");
    environment.Set("TEMP", "relative/folder");
    environment.Set("TMP", folder.Path());
    EXPECT_EQ(GetTempFolder(volume, directory), kNoErr);
    EXPECT_EQ(directory, folder.Path());
    EXPECT_STREQ(std::getenv("TMPDIR"), "/does/not/exist");

    environment.Remove("TMPDIR");
    environment.Remove("TEMP");
    environment.Remove("TMP");
    EXPECT_EQ(GetTempFolder(volume, directory), kNoErr);
    EXPECT_EQ(directory, "/tmp");
    EXPECT_EQ(std::getenv("TEMP"), nullptr);
}

TEST(PathUtil, FindFileInFolderMatchesFolderNamesWithoutCase) {
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / "COMMANDS").c_str(), 0777), 0);
    folder.WriteFile("examples", "a file, not a folder");
    DirectoryPart found = "unchanged";
    EXPECT_EQ(FindFileInFolder("", folder.Path().c_str(), "Commands", found), kNoErr);
    EXPECT_EQ(found, folder / "COMMANDS");
    EXPECT_EQ(FindFileInFolder("", (folder.Path() + "/").c_str(), "commands", found), kNoErr);
    EXPECT_EQ(found, folder / "COMMANDS");

    found = "unchanged";
    EXPECT_EQ(FindFileInFolder("", folder.Path().c_str(), "examples", found), kFileNotFoundErr);
    EXPECT_EQ(FindFileInFolder("", folder.Path().c_str(), "missing", found), kFileNotFoundErr);
    EXPECT_EQ(found, "unchanged");
}

}  // namespace
