#include "platform/sys/Bell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<win::UINT> rung;
void Record(win::UINT type) { rung.push_back(type); }

TEST(Bell, HandlerReceivesEveryRingWithItsTypeAndCanBeReplaced) {
    win::BellHandler previous = win::SetBellHandler(Record);
    EXPECT_NE(previous, nullptr);  // the terminal bell until a presenter installs its own
    const unsigned long before = win::GetBellCount();
    EXPECT_EQ(win::MessageBeep(0), win::TRUE);
    win::MessageBeep(0x10);
    EXPECT_EQ(rung, (std::vector<win::UINT>{0, 0x10}));
    EXPECT_EQ(win::GetBellCount(), before + 2);
    EXPECT_EQ(win::SetBellHandler(nullptr), Record);
    win::MessageBeep(0);
    EXPECT_EQ(rung.size(), 2u);
    EXPECT_EQ(win::GetBellCount(), before + 3);  // counted whoever hears it
}

}  // namespace
