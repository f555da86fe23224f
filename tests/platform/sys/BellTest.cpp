#include "platform/sys/Bell.h"

#include <gtest/gtest.h>

namespace {

int rings = 0;
void Count(win::UINT) { ++rings; }

TEST(Bell, HandlerReceivesEveryRingAndCanBeReplaced) {
    win::BellHandler previous = win::SetBellHandler(Count);
    EXPECT_NE(previous, nullptr);
    const unsigned long before = win::GetBellCount();
    EXPECT_EQ(win::MessageBeep(0), win::TRUE);
    win::MessageBeep(0x10);
    EXPECT_EQ(rings, 2);
    EXPECT_EQ(win::GetBellCount(), before + 2);
    EXPECT_EQ(win::SetBellHandler(nullptr), Count);
    win::MessageBeep(0);
    EXPECT_EQ(rings, 2);
}

}  // namespace
