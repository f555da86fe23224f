#include "foundation/pfm/PFMKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(PFMKey, KeysSortByTypeInReadingOrderThenId) {
    // In memory the first character is the lowest byte, so comparing the raw codes would put
    // "BAAA" before "ABBB"; stores order types as they read.
    std::vector<PFMSegmentKey> keys = {
        {FourCCOf("BAAA"), 1}, {FourCCOf("ABBB"), 2}, {FourCCOf("ABBB"), 1}, {FourCCOf("AAAZ"), 0xFFFF}};
    std::sort(keys.begin(), keys.end(), SegmentKeyLess);
    const std::vector<PFMSegmentKey> expected = {
        {FourCCOf("AAAZ"), 0xFFFF}, {FourCCOf("ABBB"), 1}, {FourCCOf("ABBB"), 2}, {FourCCOf("BAAA"), 1}};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(FourCCReadingOrder(FourCCOf("ABCD")), 0x41424344u);
}

TEST(PFMKey, WordAndLongHelpers) {
    EXPECT_EQ(MakeWord(0x34, 0x12), 0x1234);
    EXPECT_EQ(LowByte(0x1234), 0x34);
    EXPECT_EQ(HighByte(0x1234), 0x12);
    EXPECT_EQ(LowWord(0x12345678), 0x5678);
    EXPECT_EQ(HighWord(0x12345678), 0x1234);
    EXPECT_EQ(MakeWordHighFirst(0x12, 0x34), 0x1234);
    EXPECT_EQ(MakeLong(0x1234, 0x5678), 0x12345678u);
}

TEST(PFMKey, KeysPackIntoTwoNumbersAndBack) {
    std::uint16_t a = 0;
    std::uint32_t b = 0;
    PFMKeyToLongs({FourCCOf("SDOC"), 0x0102}, a, b);
    EXPECT_EQ(a, 'S' + ('D' << 8));
    EXPECT_EQ(b, static_cast<std::uint32_t>(('O' << 8) + 'C') << 16 | 0x0102);
    EXPECT_EQ(PFMKeyFromLongs(a, b), (PFMSegmentKey{FourCCOf("SDOC"), 0x0102}));
}

}  // namespace
