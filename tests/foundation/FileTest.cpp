#include "foundation/File.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "foundation/DebugMessages.h"
#include "foundation/FileError.h"
#include "foundation/PathUtil.h"
#include "platform/sys/TempFolder.h"

namespace {

// Unique names: the names unique$$.000 to unique$$.998, the first one free taken, whether only
// named (MakeUniqueName) or also created (File::CreateUnique).
TEST(File, UniqueNamesTakeTheFirstFreeNameAndNeverReplaceAFile) {
    TempFolder folder;
    folder.WriteFile("unique$$.000", "someone else's");
    folder.WriteFile("unique$$.001", "another");
    FileRef named("x", "", folder.Path().c_str(), kAccessCreate);
    EXPECT_EQ(MakeUniqueName(named), kNoErr);
    EXPECT_STREQ(named.NamePtr(), "unique$$.002");
    EXPECT_FALSE(named.Exists());
    EXPECT_EQ(UniqueName(998), "unique$$.998");

    File file;
    ASSERT_EQ(file.CreateUnique("", folder.Path().c_str()), kNoErr);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.GetFileRef().GetFullPath(), folder / "unique$$.002");
    EXPECT_EQ(file.WriteCString("mine"), kNoErr);
    EXPECT_EQ(file.Close(), kNoErr);
    EXPECT_EQ(TempFolder::ReadFile(folder / "unique$$.000"), "someone else's");
    EXPECT_EQ(TempFolder::ReadFile(folder / "unique$$.002"), "mine");

    File second;
    ASSERT_EQ(second.CreateUnique("", folder.Path().c_str()), kNoErr);
    EXPECT_STREQ(second.GetFileRef().NamePtr(), "unique$$.003");
    // The spare operation does nothing, even to an open file.
    EXPECT_EQ(second.Reserved(), -1);
    EXPECT_TRUE(second.IsOpen());
}

TEST(File, UniqueNamesRunOutWhenEveryNameIsTaken) {
    TempFolder folder;
    for (int number = 0; number < kUniqueNameCount; ++number) folder.WriteFile(UniqueName(number), "");
    FileRef named("x", "", folder.Path().c_str(), kAccessCreate);
    EXPECT_EQ(MakeUniqueName(named), kNoUniqueNameErr);
    DebugMessages messages;
    File file;
    EXPECT_EQ(file.CreateUnique("", folder.Path().c_str()), kNoUniqueNameErr);
    EXPECT_EQ(messages.Last(), "Could not find a unique filename.");
    EXPECT_FALSE(file.IsOpen());
    messages.Clear();
    EXPECT_EQ(file.CreateUniqueNamed("", folder.Path().c_str(), "unique$$.%03d"), kNoUniqueNameErr);
    EXPECT_EQ(messages.Last(), "");
    EXPECT_EQ(file.CreateUniqueNamed("", folder.Path().c_str(), "PFM_Swap.%03d"), kNoErr);
    EXPECT_STREQ(file.GetFileRef().NamePtr(), "PFM_Swap.000");
}

TEST(File, CreateUniqueInAMissingFolderFailsAtOnce) {
    TempFolder folder;
    File file;
    EXPECT_EQ(file.CreateUnique("", (folder / "missing").c_str()), kOpenErr);
}

}  // namespace
