#include "foundation/FileRef.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "foundation/DebugMessages.h"
#include "foundation/FileError.h"
#include "foundation/FileIdentity.h"
#include "platform/sys/TempFolder.h"

namespace {

TEST(FileRef, FullPathSplitsIntoDirectoryAndNameAndJoinsBack) {
    FileRef ref("/home/writer/stories/My Story.fsf", kAccessReadWrite);
    EXPECT_EQ(ref.GetVolume(), "");
    EXPECT_EQ(ref.GetDirectory(), "/home/writer/stories/");
    EXPECT_STREQ(ref.NamePtr(), "My Story.fsf");
    EXPECT_EQ(ref.GetPermission(), kAccessReadWrite);
    EXPECT_EQ(ref.GetFullPath(), "/home/writer/stories/My Story.fsf");
    EXPECT_TRUE(ref.IsValid());

    FileRef root("/top.fsf");
    EXPECT_EQ(root.GetDirectory(), "/");
    EXPECT_EQ(root.GetFullPath(), "/top.fsf");
}

TEST(FileRef, PartsJoinWithOneSeparator) {
    FileRef joined("a.fsf", "", "/data/Commands", kAccessRead);
    EXPECT_EQ(joined.GetFullPath(), "/data/Commands/a.fsf");
    FileRef bare("a.fsf", nullptr, nullptr, kAccessRead);
    EXPECT_EQ(bare.GetFullPath(), "a.fsf");
    EXPECT_FALSE(bare.IsValid());
    FileRef relative("docs/a.fsf");
    EXPECT_EQ(relative.GetDirectory(), "docs/");
    EXPECT_FALSE(relative.IsValid());
}

TEST(FileRef, ValidityNeedsAnAbsoluteFolderAndAName) {
    EXPECT_TRUE(FileRef("/a b/c d.fsf").IsValid());  // blanks are ordinary characters here
    EXPECT_FALSE(FileRef("/a/").IsValid());
    EXPECT_FALSE(FileRef("/a/..").IsValid());
    EXPECT_FALSE(FileRef().IsValid());
    EXPECT_FALSE(FileRef(("/a/" + std::string(256, 'n')).c_str()).IsValid());
    EXPECT_TRUE(FileRef(("/a/" + std::string(255, 'n')).c_str()).IsValid());
    FileRef withVolume("x.fsf", "C:", "/a/", kAccessRead);
    EXPECT_FALSE(withVolume.IsValid());
}

TEST(FileRef, FullPathIntoABufferIsNeverCut) {
    FileRef ref("/folder/story.fsf");
    char exact[18];
    EXPECT_STREQ(ref.GetFullPath(exact, sizeof exact), "/folder/story.fsf");
    char small[17] = "xxxxxxxxxxxxxxxx";
    EXPECT_STREQ(ref.GetFullPath(small, sizeof small), "");
    char name[4];
    EXPECT_STREQ(ref.GetName(name, sizeof name), "sto");
}

TEST(FileRef, ClearEmptiesEverything) {
    FileRef ref("/a/b.fsf", kAccessCreate);
    EXPECT_FALSE(ref.IsEmpty());
    ref.Clear();
    EXPECT_TRUE(ref.IsEmpty());
    EXPECT_EQ(ref.GetPermission(), kAccessRead);
}

TEST(FileRef, CopiesAreIndependentObjects) {
    FileRef ref("/a/b.fsf", kAccessCreate);
    ref.Lock();
    FileRef copy(ref);
    EXPECT_EQ(copy.GetFullPath(), "/a/b.fsf");
    EXPECT_EQ(copy.GetPermission(), kAccessCreate);
    EXPECT_FALSE(copy.IsLocked());
    copy.SetName("c.fsf");
    EXPECT_STREQ(ref.NamePtr(), "b.fsf");
    ref.Unlock();
}

TEST(FileRef, ExtensionCodeIgnoresCase) {
    EXPECT_EQ(FileRef("/s/My Story.fsf").GetExtensionCode(), FourCCOf(".fsf"));
    EXPECT_EQ(FileRef("/s/OLD.FSF").GetExtensionCode(), FourCCOf(".fsf"));
    EXPECT_EQ(FileRef("/s/a.b").GetExtensionCode(), MakeFourCC('.', 'b', 0, 0));
    EXPECT_EQ(FileRef("/s/noext").GetExtensionCode(), 0u);
    FourCC creator = 1;
    FourCC type = 0;
    EXPECT_EQ(FileRef("/s/c.fcf").GetTypeAndCreator(creator, type), kNoErr);
    EXPECT_EQ(type, FourCCOf(".fcf"));
    EXPECT_EQ(creator, 0u);
    EXPECT_EQ(SetFileTypeCodes(FileRef("/s/c.fcf"), 0, type), kNoErr);
}

TEST(FileRef, SameFileByIdentityWhenBothExist) {
    TempFolder folder;
    const std::string path = folder.WriteFile("Story.fsf", "x");
    folder.WriteFile("story.fsf", "y");
    ASSERT_EQ(::symlink(path.c_str(), (folder / "link.fsf").c_str()), 0);

    EXPECT_TRUE(FileRef(path.c_str()).IsSameFile(FileRef(path.c_str())));
    EXPECT_TRUE(FileRef(path.c_str()).IsSameFile(FileRef((folder / "link.fsf").c_str())));
    EXPECT_TRUE(FileRef(path.c_str()).IsSameFile(FileRef((folder / "./Story.fsf").c_str())));
    // Names differing in case are different files on this system.
    EXPECT_FALSE(FileRef(path.c_str()).IsSameFile(FileRef((folder / "story.fsf").c_str())));
    // Files that do not exist compare by path.
    EXPECT_FALSE(FileRef((folder / "new.fsf").c_str())
                     .IsSameFile(FileRef("Z", "", folder.Path().c_str(), kAccessRead)));
    FileRef a("new.fsf", "", folder.Path().c_str(), kAccessRead);
    FileRef b("new.fsf", "", (folder.Path() + "/").c_str(), kAccessCreate);
    EXPECT_TRUE(a.IsSameFile(b));
    EXPECT_FALSE(FileRef().IsSameFile(FileRef()));
}

TEST(FileRef, AnIdentityFoundOnceComparesAsTheFileItself) {
    TempFolder folder;
    const std::string path = folder.WriteFile("Story.fsf", "x");
    folder.WriteFile("story.fsf", "y");
    ASSERT_EQ(::symlink(path.c_str(), (folder / "link.fsf").c_str()), 0);
    const FileIdentity story{FileRef(path.c_str())};
    EXPECT_TRUE(story.Exists());

    EXPECT_TRUE(story.IsSameFile(FileRef((folder / "link.fsf").c_str())));
    EXPECT_TRUE(story.IsSameFile(FileRef((folder / "./Story.fsf").c_str())));
    EXPECT_FALSE(story.IsSameFile(FileRef((folder / "story.fsf").c_str())));
    // A file missing on either side compares by path.
    EXPECT_FALSE(story.IsSameFile(FileRef((folder / "new.fsf").c_str())));
    const FileIdentity missing{FileRef("new.fsf", "", folder.Path().c_str(), kAccessRead)};
    EXPECT_FALSE(missing.Exists());
    EXPECT_TRUE(missing.IsSameFile(FileRef("new.fsf", "", (folder.Path() + "/").c_str(), kAccessCreate)));
    EXPECT_FALSE(missing.IsSameFile(FileRef(path.c_str())));
    // An empty FileRef names no file, not even an empty one.
    EXPECT_FALSE(FileIdentity(FileRef()).IsSameFile(FileRef()));
    EXPECT_FALSE(FileIdentity(FileRef()).IsSameFile(FileRef(path.c_str())));
    EXPECT_FALSE(story.IsSameFile(FileRef()));
}

TEST(FileRef, ExistsAndReadOnlyTakeNamesLiterally) {
    TempFolder folder;
    folder.WriteFile("a.fsf", "x");
    EXPECT_TRUE(FileRef((folder / "a.fsf").c_str()).Exists());
    EXPECT_FALSE(FileRef((folder / "*.fsf").c_str()).Exists());
    EXPECT_FALSE(FileRef((folder / "?.fsf").c_str()).Exists());
    EXPECT_FALSE(FileRef().Exists());
    EXPECT_FALSE(FileRef((folder / "a.fsf").c_str()).IsReadOnly());
    EXPECT_FALSE(FileRef((folder / "missing").c_str()).IsReadOnly());

    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    const std::string locked = folder.WriteFile("locked.fsf", "x");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    EXPECT_TRUE(FileRef(locked.c_str()).IsReadOnly());
}

TEST(FileRef, RemoveDeletesFilesAndReportsFailures) {
    TempFolder folder;
    DebugMessages messages;
    FileRef ref(folder.WriteFile("gone.fsf", "x").c_str());
    EXPECT_EQ(ref.Remove(), kNoErr);
    EXPECT_FALSE(ref.Exists());

    messages.Clear();
    EXPECT_EQ(ref.Remove(), kFileNotFoundErr);
    EXPECT_EQ(messages.Last(),
              "Unable to remove \"" + ref.GetFullPath() + "\" : No such file or directory.\n");

    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0777), 0);
    EXPECT_LT(FileRef((folder / "sub").c_str()).Remove(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "sub"));
}

TEST(FileRef, RenameStaysInTheFolderAndTakesTheNewName) {
    TempFolder folder;
    DebugMessages messages;
    FileRef ref(folder.WriteFile("old.fsf", "data").c_str());
    EXPECT_EQ(ref.Rename("new.fsf"), kNoErr);
    EXPECT_STREQ(ref.NamePtr(), "new.fsf");
    EXPECT_EQ(TempFolder::ReadFile(folder / "new.fsf"), "data");
    EXPECT_FALSE(std::filesystem::exists(folder / "old.fsf"));

    messages.Clear();
    FileRef missing((folder / "missing.fsf").c_str());
    EXPECT_EQ(missing.Rename("other.fsf"), kFileNotFoundErr);
    EXPECT_STREQ(missing.NamePtr(), "missing.fsf");
    EXPECT_EQ(messages.Last(), "Unable to rename file \"" + folder / "missing.fsf" + "\" to \"" +
                                   folder / "other.fsf" + "\" : No such file or directory.\n");

    EXPECT_LT(ref.Rename("sub/escape.fsf"), 0);
    EXPECT_STREQ(ref.NamePtr(), "new.fsf");
}

TEST(FileRef, RenameIntoAReadOnlyFolderFailsWithACode) {
    TempFolder folder;
    DebugMessages messages;
    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    ASSERT_EQ(::mkdir((folder / "ro").c_str(), 0777), 0);
    FileRef ref(folder.WriteFile("ro/a.fsf", "x").c_str());
    ASSERT_EQ(::chmod((folder / "ro").c_str(), 0555), 0);
    EXPECT_EQ(ref.Rename("b.fsf"), kNotWritableErr);
    EXPECT_EQ(ref.Remove(), kNotWritableErr);
    EXPECT_TRUE(ref.Exists());
}

TEST(FileRef, BackupReplacesAnOlderBackup) {
    TempFolder folder;
    folder.WriteFile("story.fsf", "new");
    folder.WriteFile("story.bak", "old");
    FileRef ref((folder / "story.fsf").c_str());
    FileRef backup;
    ref.MakeBackupRef(backup);
    EXPECT_EQ(backup.GetFullPath(), folder / "story.bak");
    EXPECT_EQ(ref.MakeBackup(), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(folder / "story.bak"), "new");
    EXPECT_FALSE(ref.Exists());

    // A backup file is its own backup: nothing happens.
    EXPECT_EQ(backup.MakeBackup(), kNoErr);
    EXPECT_TRUE(backup.Exists());
}

TEST(FileRef, FindNoCaseTakesTheNameOnDisk) {
    TempFolder folder;
    folder.WriteFile("Engine.QRV", "x");
    FileRef ref("engine.qrv", "", folder.Path().c_str(), kAccessRead);
    EXPECT_TRUE(ref.FindNoCase());
    EXPECT_STREQ(ref.NamePtr(), "Engine.QRV");
    FileRef missing("context.qrv", "", folder.Path().c_str(), kAccessRead);
    EXPECT_FALSE(missing.FindNoCase());
    EXPECT_STREQ(missing.NamePtr(), "context.qrv");
}

}  // namespace
