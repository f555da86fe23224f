#include "foundation/Startup.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/Platform.h"

namespace {

std::string calls;

void InitA() { calls += "iA"; }
void InitB() { calls += "iB"; }
void InitC() { calls += "iC"; }
void TermA() { calls += "tA"; }
void TermB() { calls += "tB"; }

TEST(Startup, CallbacksRunInEntryOrderAtTheOutermostLevelOnly) {
    calls.clear();
    ASSERT_TRUE(RegisterInitCallback(InitA));
    ASSERT_TRUE(RegisterInitCallback(InitB));
    ASSERT_TRUE(RegisterTermCallback(TermA));
    ASSERT_TRUE(RegisterTermCallback(TermB));

    StartUp();
    EXPECT_EQ(calls, "iAiB");
    StartUp();  // nested: nothing runs
    EXPECT_EQ(calls, "iAiB");
    ShutDown();  // matching the nested one: nothing runs
    EXPECT_EQ(calls, "iAiB");
    ShutDown();  // the outermost runs the term callbacks
    EXPECT_EQ(calls, "iAiBtAtB");
    StartUp();  // a new outermost pair runs them again
    EXPECT_EQ(calls, "iAiBtAtBiAiB");
    ShutDown();
}

TEST(Startup, AtMostThreeCallbacksAndNoDuplicates) {
    // The temporary-buffer heap registers its callbacks when the program loads: two entries are left.
    calls.clear();
    EXPECT_TRUE(RegisterInitCallback(InitA));
    EXPECT_TRUE(RegisterInitCallback(InitA));  // already present: still one entry
    EXPECT_TRUE(RegisterInitCallback(InitB));
    EXPECT_FALSE(RegisterInitCallback(InitC));
    EXPECT_FALSE(RegisterInitCallback(nullptr));
    StartUp();
    EXPECT_EQ(calls, "iAiB");
    ShutDown();
}

TEST(Startup, StartUpDetectsThePlatform) {
    StartUp();
    EXPECT_EQ(GetPlatformIndex(), 7u);
    ShutDown();
}

}  // namespace
