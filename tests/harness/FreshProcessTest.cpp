// A test body run in a process of its own meets the program's state as the program starts, and
// what fails in it fails the test that ran it.

#include "support/FreshProcess.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// Process-wide state a test changes and never puts back.
int g_changes = 0;

TEST(FreshProcess, WhatTheTestDoesBeforeTheBodyIsDoneAgainInTheBodysProcess) {
    ++g_changes;
    InFreshProcess([] {
        EXPECT_EQ(g_changes, 1);
        g_changes += 10;
    });
    EXPECT_GE(g_changes, 1);
    EXPECT_LT(g_changes, 10) << "what the body changes stays in its own process";
}

TEST(FreshProcess, NothingAnEarlierTestChangedComesAlong) {
    // Run in one process, the test above has left its change here.
    InFreshProcess([] { EXPECT_EQ(g_changes, 0); });
}

TEST(FreshProcess, WhatFailsInTheBodyFailsTheTestAndIsShown) {
    EXPECT_NONFATAL_FAILURE(InFreshProcess([] { ADD_FAILURE() << "seen from the fresh process"; }),
                            "seen from the fresh process");
    EXPECT_NONFATAL_FAILURE(InFreshProcess([] {
                                ASSERT_TRUE(false) << "stopped there";
                                ADD_FAILURE() << "never reached";
                            }),
                            "stopped there");
}

}  // namespace
