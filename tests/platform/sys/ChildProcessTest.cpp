// Programs started to run on their own: the start reports whether the program could be run, and the
// caller does not wait for it.

#include "platform/sys/ChildProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"

namespace {

using namespace std::chrono_literals;

bool AppearsWithin(const std::string& path, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (std::filesystem::exists(path)) return true;
        std::this_thread::sleep_for(10ms);
    }
    return std::filesystem::exists(path);
}

TEST(StartProgram, AProgramStartsAndRunsOnWithoutTheCaller) {
    TempFolder folder;
    const std::string mark = folder / "done";
    const auto before = std::chrono::steady_clock::now();
    // The program takes a while before it leaves its mark: the start does not wait for it.
    ASSERT_TRUE(win::StartProgram({"sh", "-c", "sleep 0.5; echo ran > '" + mark + "'"}));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 400ms);
    EXPECT_FALSE(std::filesystem::exists(mark));
    EXPECT_TRUE(AppearsWithin(mark, 10s));
}

TEST(StartProgram, AProgramThatCannotBeRunIsReported) {
    win::SetLastError(0);
    EXPECT_FALSE(win::StartProgram({"fablecore-no-such-program"}));
    EXPECT_EQ(win::GetLastError(), static_cast<win::DWORD>(ENOENT));
    EXPECT_FALSE(win::StartProgram({}));
    EXPECT_EQ(win::GetLastError(), static_cast<win::DWORD>(EINVAL));
}

}  // namespace
