#include "foundation/Startup.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/Platform.h"
#include "support/FreshProcess.h"

namespace {

std::string calls;

void InitA() { calls += "iA"; }
void InitB() { calls += "iB"; }
void InitC() { calls += "iC"; }
void TermA() { calls += "tA"; }
void TermB() { calls += "tB"; }

TEST(Startup, CallbacksRunInEntryOrderAtTheOutermostLevelOnly) {
    InFreshProcess([] {
        // The temporary-buffer heap and the item pool's factory take two init entries when the program
        // loads, the heap one term entry: one init and two term entries are left.
        calls.clear();
        ASSERT_TRUE(RegisterInitCallback(InitA));
        ASSERT_TRUE(RegisterTermCallback(TermA));
        ASSERT_TRUE(RegisterTermCallback(TermB));

        EXPECT_EQ(GetPlatformIndex(), 0u);
        StartUp();
        EXPECT_EQ(calls, "iA");
        EXPECT_EQ(GetPlatformIndex(), 7u);  // detected by the outermost start-up
        StartUp();                          // nested: nothing runs
        EXPECT_EQ(calls, "iA");
        ShutDown();  // matching the nested one: nothing runs
        EXPECT_EQ(calls, "iA");
        ShutDown();  // the outermost runs the term callbacks, in entry order
        EXPECT_EQ(calls, "iAtAtB");
        StartUp();  // a new outermost pair runs them again
        EXPECT_EQ(calls, "iAtAtBiA");
        ShutDown();
    });
}

TEST(Startup, AtMostThreeCallbacksAndNoDuplicates) {
    InFreshProcess([] {
        // Two init entries are taken when the program loads (see above): one is left.
        calls.clear();
        EXPECT_TRUE(RegisterInitCallback(InitA));
        EXPECT_TRUE(RegisterInitCallback(InitA));  // already present: still one entry
        EXPECT_FALSE(RegisterInitCallback(InitB));
        EXPECT_FALSE(RegisterInitCallback(InitC));
        EXPECT_FALSE(RegisterInitCallback(nullptr));
        StartUp();
        EXPECT_EQ(calls, "iA");
        ShutDown();
    });
}

}  // namespace
