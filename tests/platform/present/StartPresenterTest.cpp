#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/StartPresenter.h"
#include "platform/sys/ScopedEnv.h"
#include "platform/sys/TempFolder.h"

namespace {

using namespace win;

TEST(StartPresenter, TheEnvironmentVariableChoosesHeadless) {
    setenv("FABLECORE_HEADLESS", "1", 1);
    std::unique_ptr<Presenter> presenter = StartPresenter("Test", SIZE{640, 480});
    ASSERT_NE(presenter, nullptr);
    EXPECT_NE(dynamic_cast<HeadlessPresenter*>(presenter.get()), nullptr);
    EXPECT_EQ(GetPresenter(), presenter.get());
    EXPECT_EQ(GetScreenSize().cx, 640);
}

TEST(StartPresenter, WithoutADisplayItSaysSoAndGivesNone) {
    unsetenv("FABLECORE_HEADLESS");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    ::testing::internal::CaptureStderr();
    std::unique_ptr<Presenter> presenter = StartPresenter("Test", SIZE{640, 480});
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(presenter, nullptr);
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
    EXPECT_NE(said.find("FABLECORE_HEADLESS=1"), std::string::npos) << said;
}

TEST(StartPresenter, AFolderTheProgramCannotHoldIsNamedAndNothingStarts) {
    TempFolder folder;
    const std::string cyrillic = folder / "\xD0\xA1\xD1\x8E";
    ASSERT_EQ(::mkdir(cyrillic.c_str(), 0777), 0);
    ScopedEnv headless("FABLECORE_HEADLESS", "1");
    const auto startsSaying = [](const std::string& words) {
        ::testing::internal::CaptureStderr();
        const bool started = StartPresenter("Test", SIZE{640, 480}) != nullptr;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(words), std::string::npos) << said;
        return started;
    };
    {
        ScopedEnv program("FABLECORE_PROGRAM_DIR", cyrillic);
        EXPECT_FALSE(startsSaying("cannot run from \"" + cyrillic + "\""));
    }
    char here[PATH_MAX];
    ASSERT_NE(::getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(::chdir(cyrillic.c_str()), 0);
    EXPECT_FALSE(startsSaying("current folder \"" + cyrillic + "\""));
    ASSERT_EQ(::chdir(here), 0);
    EXPECT_TRUE(startsSaying(""));
}

}  // namespace
