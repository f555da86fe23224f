// The watch of every test program: a test that leaves an environment variable, the working folder
// or a file in a watched folder changed fails, naming what it left, and the variables and the
// working folder are put back for the next test.

#include "support/EnvironmentWatch.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/sys/TempFolder.h"
#include "support/ScopedCurrentFolder.h"

namespace {

class EnvironmentWatchTest : public ::testing::Test {
protected:
    const testing::TestInfo& Info() const { return *testing::UnitTest::GetInstance()->current_test_info(); }

    TempFolder watched;
    EnvironmentWatch watch{{watched.Path()}};
};

TEST_F(EnvironmentWatchTest, AVariableSetChangedOrRemovedFailsTheTestAndIsPutBack) {
    ::setenv("WATCHED_CHANGED", "before", 1);
    ::setenv("WATCHED_REMOVED", "kept", 1);
    watch.OnTestStart(Info());
    ::setenv("WATCHED_NEW", "1", 1);
    EXPECT_NONFATAL_FAILURE(watch.OnTestEnd(Info()), "WATCHED_NEW was not set and is \"1\"");
    EXPECT_EQ(std::getenv("WATCHED_NEW"), nullptr);

    watch.OnTestStart(Info());
    ::setenv("WATCHED_CHANGED", "after", 1);
    ::unsetenv("WATCHED_REMOVED");
    testing::TestPartResultArray failures;
    {
        const testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        watch.OnTestEnd(Info());
    }
    ASSERT_EQ(failures.size(), 2);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message())
                  .find("WATCHED_CHANGED was \"before\" and is \"after\""),
              std::string::npos);
    EXPECT_NE(
        std::string(failures.GetTestPartResult(1).message()).find("WATCHED_REMOVED was \"kept\" and is gone"),
        std::string::npos);
    EXPECT_STREQ(std::getenv("WATCHED_CHANGED"), "before");
    EXPECT_STREQ(std::getenv("WATCHED_REMOVED"), "kept");
    ::unsetenv("WATCHED_CHANGED");
    ::unsetenv("WATCHED_REMOVED");
}

TEST_F(EnvironmentWatchTest, AnUnchangedTestPasses) {
    watch.OnTestStart(Info());
    ::setenv("WATCHED_PUT_BACK", "1", 1);
    ::unsetenv("WATCHED_PUT_BACK");
    watched.WriteFile("gone again", "");
    std::filesystem::remove(watched / "gone again");
    watch.OnTestEnd(Info());
}

TEST_F(EnvironmentWatchTest, AFileLeftInAWatchedFolderFailsTheTest) {
    std::filesystem::create_directory(watched / "there before");
    watch.OnTestStart(Info());
    watched.WriteFile("there before/left", "");
    EXPECT_NONFATAL_FAILURE(watch.OnTestEnd(Info()),
                            "the test left " + watched / "there before/left" + " behind");
}

TEST_F(EnvironmentWatchTest, AFileWrittenAgainInAWatchedFolderFailsTheTest) {
    const std::string file = watched.WriteFile("read by the tests", "as built");
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) - std::chrono::hours(1));
    watch.OnTestStart(Info());
    watched.WriteFile("read by the tests", "as a test left it");
    EXPECT_NONFATAL_FAILURE(watch.OnTestEnd(Info()), "the test wrote " + file);
}

TEST_F(EnvironmentWatchTest, TheWorkingFolderLeftElsewhereFailsTheTestAndIsPutBack) {
    const ScopedCurrentFolder startedIn;
    const std::filesystem::path here = std::filesystem::current_path();
    watch.OnTestStart(Info());
    std::filesystem::current_path(watched.Path());
    EXPECT_NONFATAL_FAILURE(watch.OnTestEnd(Info()), "the test left the working folder at");
    EXPECT_EQ(std::filesystem::current_path(), here);
}

}  // namespace
