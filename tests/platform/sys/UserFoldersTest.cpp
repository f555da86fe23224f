#include "platform/sys/UserFolders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sys/TempFolder.h"

namespace win {
namespace {

mode_t ModeOf(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(UserFolders, ConfigFolderFollowsTheVariableElseTheHomeFolder) {
    TempFolder folder;
    ::setenv("HOME", folder.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);  // only an absolute path counts
    std::string config;
    ASSERT_TRUE(GetConfigFolder(config));
    EXPECT_EQ(config, folder / ".config/fablecore");
    EXPECT_EQ(ModeOf(folder / ".config"), 0700u);
    EXPECT_EQ(ModeOf(config), 0700u);

    ::setenv("XDG_CONFIG_HOME", (folder / "xdg/").c_str(), 1);
    ASSERT_TRUE(GetConfigFolder(config));
    EXPECT_EQ(config, folder / "xdg/fablecore");

    folder.WriteFile("blocked", "");
    ::setenv("XDG_CONFIG_HOME", (folder / "blocked").c_str(), 1);
    EXPECT_FALSE(GetConfigFolder(config));
}

TEST(UserFolders, RuntimeFolderFallsBackToTheConfigFolder) {
    TempFolder folder;
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    std::filesystem::create_directory(folder / "run");
    ::setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
    std::string runtime;
    ASSERT_TRUE(GetRuntimeFolder(runtime));
    EXPECT_EQ(runtime, folder / "run/fablecore");
    EXPECT_EQ(ModeOf(runtime), 0700u);

    ::setenv("XDG_RUNTIME_DIR", (folder / "gone").c_str(), 1);
    ASSERT_TRUE(GetRuntimeFolder(runtime));
    EXPECT_EQ(runtime, folder / "config/fablecore");
    ::unsetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(GetRuntimeFolder(runtime));
    EXPECT_EQ(runtime, folder / "config/fablecore");
}

}  // namespace
}  // namespace win
