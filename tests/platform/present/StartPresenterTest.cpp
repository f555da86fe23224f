#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/StartPresenter.h"
#include "support/ScopedEnv.h"

namespace {

using namespace win;

TEST(StartPresenter, TheEnvironmentVariableChoosesHeadless) {
    ScopedEnv environment("FABLECORE_HEADLESS", "1");
    std::unique_ptr<Presenter> presenter = StartPresenter("Test", SIZE{640, 480});
    ASSERT_NE(presenter, nullptr);
    EXPECT_NE(dynamic_cast<HeadlessPresenter*>(presenter.get()), nullptr);
    EXPECT_EQ(GetPresenter(), presenter.get());
    EXPECT_EQ(GetScreenSize().cx, 640);
}

TEST(StartPresenter, WithoutADisplayItSaysSoAndGivesNone) {
    ScopedEnv environment;
    environment.Remove("FABLECORE_HEADLESS");
    environment.Remove("DISPLAY");
    environment.Remove("WAYLAND_DISPLAY");
    ::testing::internal::CaptureStderr();
    std::unique_ptr<Presenter> presenter = StartPresenter("Test", SIZE{640, 480});
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(presenter, nullptr);
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
    EXPECT_NE(said.find("FABLECORE_HEADLESS=1"), std::string::npos) << said;
}

}  // namespace
