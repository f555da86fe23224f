#include "foundation/Platform.h"

#include <gtest/gtest.h>

#include "support/FreshProcess.h"

namespace {

TEST(Platform, RunningSystemIsRecordSeven) {
    InFreshProcess([] {
        const PlatformInfo running{1, {1, 1, 1, 1, 1, 1, 1, 1}, 2, 4, 4, 4, 8, 8};
        EXPECT_EQ(RunningPlatformInfo(), running);
        EXPECT_EQ(GetPlatformIndex(), 0u);  // until detected
        DetectPlatform();
        EXPECT_EQ(GetPlatformIndex(), 7u);
    });
}

TEST(Platform, TableRecordsDifferWhereTheSystemsDiffer) {
    EXPECT_EQ(GetPlatformInfo(0).littleEndian, 0u);
    EXPECT_EQ(GetPlatformInfo(1).intSize, 2u);
    EXPECT_EQ(GetPlatformInfo(2).doubleSize, 10u);
    EXPECT_EQ(GetPlatformInfo(5).alignments[5], 8u);
    EXPECT_EQ(GetPlatformInfo(6).longDoubleSize, 10u);
    // Every record is distinct, so detection is unambiguous.
    for (std::uint32_t a = 0; a < kPlatformCount; ++a)
        for (std::uint32_t b = a + 1; b < kPlatformCount; ++b)
            EXPECT_FALSE(GetPlatformInfo(a) == GetPlatformInfo(b)) << a << " " << b;
}

TEST(Platform, Names) {
    EXPECT_STREQ(PlatformName(0), "mac");
    EXPECT_STREQ(PlatformName(1), "dos");
    EXPECT_STREQ(PlatformName(2), "cwm");
    EXPECT_STREQ(PlatformName(3), "???");
    EXPECT_STREQ(PlatformName(7), "???");
    EXPECT_STREQ(PlatformName(0xFFFFFFFF), "???");
}

}  // namespace
