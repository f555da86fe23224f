#include "foundation/FolderRef.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "foundation/FileError.h"
#include "platform/sys/TempFolder.h"

namespace {

std::vector<std::string> PathsOf(const ObjList& list) {
    std::vector<std::string> paths;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        paths.push_back(static_cast<const FileRef*>(list.ObjectAt(i))->GetFullPath());
    }
    return paths;
}

TEST(FolderRef, ListsTheFilesOfOneTypeInAnyCase) {
    TempFolder folder;
    folder.WriteFile("b.fsf", "");
    folder.WriteFile("A.FSF", "");
    folder.WriteFile("c.fcf", "");
    folder.WriteFile("fsf", "");
    ASSERT_EQ(::mkdir((folder / "d.fsf").c_str(), 0777), 0);
    ObjList list;
    EXPECT_EQ(FolderRef("", folder.Path().c_str(), false).FindFiles(FourCCOf(".fsf"), list), kNoErr);
    EXPECT_EQ(PathsOf(list), (std::vector<std::string>{folder / "A.FSF", folder / "b.fsf"}));
    const auto* first = static_cast<const FileRef*>(list.ObjectAt(0));
    EXPECT_EQ(first->GetPermission(), kAccessRead);
    EXPECT_TRUE(first->IsValid());
    EXPECT_EQ(first->GetExtensionCode(), FourCCOf(".fsf"));
}

TEST(FolderRef, TypeZeroListsEveryFile) {
    TempFolder folder;
    folder.WriteFile("x", "");
    folder.WriteFile("y.txt", "");
    ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0777), 0);
    ObjList list;
    EXPECT_EQ(FolderRef("", (folder.Path() + "/").c_str(), false).FindFiles(0, list), kNoErr);
    EXPECT_EQ(PathsOf(list), (std::vector<std::string>{folder / "x", folder / "y.txt"}));
}

TEST(FolderRef, AnEmptyFolderIsNoFailure) {
    TempFolder folder;
    ObjList list;
    EXPECT_EQ(FolderRef("", folder.Path().c_str(), true).FindFiles(FourCCOf(".fsf"), list), kNoErr);
    EXPECT_EQ(list.Count(), 0);
}

TEST(FolderRef, RecursiveScansGoDepthFirstAndNeverRoundALink) {
    TempFolder folder;
    folder.WriteFile("top.fsf", "");
    ASSERT_EQ(::mkdir((folder / "a").c_str(), 0777), 0);
    ASSERT_EQ(::mkdir((folder / "a/deep").c_str(), 0777), 0);
    ASSERT_EQ(::mkdir((folder / "b").c_str(), 0777), 0);
    ASSERT_EQ(::mkdir((folder / ".hidden").c_str(), 0777), 0);
    ASSERT_EQ(::mkdir((folder / "empty").c_str(), 0777), 0);
    folder.WriteFile("a/one.fsf", "");
    folder.WriteFile("a/deep/two.fsf", "");
    folder.WriteFile("b/three.fsf", "");
    folder.WriteFile(".hidden/no.fsf", "");
    ASSERT_EQ(::symlink(folder.Path().c_str(), (folder / "b/loop").c_str()), 0);

    ObjList list;
    EXPECT_EQ(FolderRef("", folder.Path().c_str(), true).FindFiles(FourCCOf(".fsf"), list), kNoErr);
    EXPECT_EQ(PathsOf(list), (std::vector<std::string>{folder / "top.fsf", folder / "a/one.fsf",
                                                       folder / "a/deep/two.fsf", folder / "b/three.fsf"}));
    ObjList flat;
    EXPECT_EQ(FolderRef("", folder.Path().c_str(), false).FindFiles(FourCCOf(".fsf"), flat), kNoErr);
    EXPECT_EQ(flat.Count(), 1);
}

TEST(FolderRef, MissingAndUnreadableFoldersFail) {
    TempFolder folder;
    ObjList list;
    EXPECT_EQ(FolderRef("", (folder / "missing").c_str(), false).FindFiles(0, list), kFileErr);

    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    ASSERT_EQ(::mkdir((folder / "a").c_str(), 0777), 0);
    ASSERT_EQ(::mkdir((folder / "z").c_str(), 0777), 0);
    folder.WriteFile("a/found.fsf", "");
    ASSERT_EQ(::chmod((folder / "z").c_str(), 0), 0);
    EXPECT_EQ(FolderRef("", folder.Path().c_str(), true).FindFiles(FourCCOf(".fsf"), list), kFileErr);
    EXPECT_EQ(PathsOf(list), (std::vector<std::string>{folder / "a/found.fsf"}));
}

}  // namespace
