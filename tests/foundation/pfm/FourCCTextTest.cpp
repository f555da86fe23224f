#include "foundation/pfm/FourCCText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(FourCCText, TextInStorageOrder) {
    char buffer[8];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(FourCCToText(FourCCOf("SDOC"), buffer), buffer);
    EXPECT_EQ(std::memcmp(buffer, "SDOC\0\0\0\0", 8), 0);
    FourCCToText(MakeFourCC('A', 'B', '\0', '\0'), buffer);
    EXPECT_STREQ(buffer, "AB");
}

TEST(FourCCText, SameIgnoresCase) {
    EXPECT_TRUE(SameFourCC(FourCCOf("SDOC"), FourCCOf("sdoc")));
    EXPECT_TRUE(SameFourCC(FourCCOf("Rptx"), FourCCOf("rPTX")));
    EXPECT_FALSE(SameFourCC(FourCCOf("SDOC"), FourCCOf("SDI4")));
    // A NUL ends a code's text.
    EXPECT_TRUE(SameFourCC(MakeFourCC('a', 'b', '\0', 'x'), MakeFourCC('A', 'B', '\0', 'y')));
    EXPECT_FALSE(SameFourCC(MakeFourCC('a', 'b', '\0', '\0'), FourCCOf("abcd")));
    // Only the letters A to Z fold.
    EXPECT_FALSE(SameFourCC(MakeFourCC('\xC9', 'a', 'a', 'a'), MakeFourCC('\xE9', 'a', 'a', 'a')));
}

TEST(FourCCText, DescribeQuotesPrintableCharacters) {
    EXPECT_EQ(DescribeFourCC(FourCCOf("SDOC")), "'S' 'D' 'O' 'C'");
    EXPECT_EQ(DescribeFourCC(FourCCOf("FQS ")), "'F' 'Q' 'S' ' '");
    EXPECT_EQ(DescribeFourCC(MakeFourCC('\x01', 'a', '\x7F', '\xFF')), "x01 'a' x7F xFF");
    EXPECT_EQ(DescribeFourCC(0), "x00 x00 x00 x00");
    EXPECT_EQ(DescribeFourCC(FourCCOf("MNU#")), "'M' 'N' 'U' '#'");
}

TEST(FourCCText, SplitBytes) {
    std::uint8_t low = 0, high = 0;
    SplitU16(0x1234, low, high);
    EXPECT_EQ(low, 0x34);
    EXPECT_EQ(high, 0x12);
    std::uint8_t c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    SplitU32(FourCCOf("INFO"), c1, c2, c3, c4);
    EXPECT_EQ(std::string({char(c1), char(c2), char(c3), char(c4)}), "INFO");
}

}  // namespace
