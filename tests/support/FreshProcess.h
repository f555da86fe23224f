#pragma once
// Test support for tests of what a program keeps for its whole run: registries that nothing leaves
// once in them, the memory manager's cushion, the platform found at the first start-up. Such a
// test's body runs in a new process of the test program started for this test alone (which runs the
// test again from its start up to the body), so it meets that state as the program starts, whatever
// tests ran before it in the process that runs it. What fails in the body fails the test, and is
// shown with the failure.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

// Runs the body, writing what fails in it to standard error; answers 0 when nothing failed, else 1.
inline int RunReportingFailures(const std::function<void()>& body) {
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        body();
    }
    for (int i = 0; i < failures.size(); ++i) {
        const ::testing::TestPartResult& failure = failures.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n", failure.file_name() ? failure.file_name() : "?",
                     failure.line_number(), failure.message());
    }
    return failures.size() == 0 ? 0 : 1;
}

inline void InFreshProcess(const std::function<void()>& body) {
    // Started anew rather than forked, so nothing earlier tests left behind comes along.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(RunReportingFailures(body)), ::testing::ExitedWithCode(0), "")
        << "the test's body failed in a process of its own";
}
