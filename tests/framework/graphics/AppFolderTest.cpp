#include "framework/graphics/AppFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace {

std::string CurrentDirectory() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

TEST(AppFolderTest, EntersTheProgramsFolderAndGoesBack) {
    FileRef program;
    ASSERT_EQ(GetAppFileRef(program), kNoErr);
    VolumePart volume;
    DirectoryPart directory;
    ASSERT_EQ(GetAppDirectory(volume, directory), kNoErr);
    EXPECT_TRUE(volume.empty());
    EXPECT_EQ(directory, program.GetDirectory());
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');

    const std::string before = CurrentDirectory();
    ASSERT_EQ(chdir("/"), 0);
    SavedDirectory saved;
    ASSERT_EQ(EnterAppDirectory(saved), kNoErr);
    EXPECT_EQ(CurrentDirectory() + "/", directory);
    EXPECT_EQ(saved.path, "/");
    ASSERT_EQ(RestoreDirectory(saved), kNoErr);
    EXPECT_EQ(CurrentDirectory(), "/");
    EXPECT_EQ(RestoreDirectory(SavedDirectory{}), -1);
    ASSERT_EQ(chdir(before.c_str()), 0);
}

}  // namespace
