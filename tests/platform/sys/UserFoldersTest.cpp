#include "platform/sys/UserFolders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

namespace win {
namespace {

mode_t ModeOf(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(UserFolders, ConfigFolderFollowsTheVariableElseTheHomeFolder) {
    TempFolder folder;
    ScopedEnv environment;
    environment.Set("HOME", folder.Path());
    environment.Set("XDG_CONFIG_HOME", "relative/config");  // only an absolute path counts
    std::string config;
    ASSERT_TRUE(GetConfigFolder(config));
    EXPECT_EQ(config, folder / ".config/fablecore");
    EXPECT_EQ(ModeOf(folder / ".config"), 0700u);
    EXPECT_EQ(ModeOf(config), 0700u);

    environment.Set("XDG_CONFIG_HOME", folder / "xdg/");
    ASSERT_TRUE(GetConfigFolder(config));
    EXPECT_EQ(config, folder / "xdg/fablecore");

    folder.WriteFile("blocked", "");
    environment.Set("XDG_CONFIG_HOME", folder / "blocked");
    EXPECT_FALSE(GetConfigFolder(config));
}

TEST(UserFolders, RuntimeFolderFallsBackToTheConfigFolder) {
    TempFolder folder;
    ScopedEnv environment;
    environment.Set("XDG_CONFIG_HOME", folder / "config");
    std::filesystem::create_directory(folder / "run");
    environment.Set("XDG_RUNTIME_DIR", folder / "run");
    std::string runtime;
    ASSERT_TRUE(GetRuntimeFolder(runtime));
    EXPECT_EQ(runtime, folder / "run/fablecore");
    EXPECT_EQ(ModeOf(runtime), 0700u);

    environment.Set("XDG_RUNTIME_DIR", folder / "gone");
    ASSERT_TRUE(GetRuntimeFolder(runtime));
    EXPECT_EQ(runtime, folder / "config/fablecore");
    environment.Remove("XDG_RUNTIME_DIR");
    ASSERT_TRUE(GetRuntimeFolder(runtime));
    EXPECT_EQ(runtime, folder / "config/fablecore");
}

}  // namespace
}  // namespace win
