#include "foundation/TextUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Worked by hand: each byte, taken as a signed number, is added to h * 16; when h then exceeds
// 0x0FFFFFFF its top four bits are folded into bits 4-7 and cleared.
TEST(TextUtil, HashTakesBytesAsSignedAndFoldsTheTopBits) {
    EXPECT_EQ(HashBytes("a", 1, 1000), 0x61u);
    EXPECT_EQ(HashBytes("ab", 2, 100000), 0x672u);
    EXPECT_EQ(HashBytes("ab", 2, 7), 5u);  // 1650 mod 7
    // "g" makes 0x6789ABC7, folded to 0x0789ABA7; "h" makes 0x789ABAD8, folded to 0x089ABAA8.
    EXPECT_EQ(HashBytes("abcdefgh", 8, 0x7FFFFFFF), 0x089ABAA8u);
    EXPECT_EQ(HashBytes("abcdefgh", 8, 1021), 908u);
    EXPECT_EQ(HashBytes("\xFF", 1, 0x7FFFFFFF), 0x0FFFFF0Fu);      // -1 is 0xFFFFFFFF, folded at once
    EXPECT_EQ(HashBytes("\x80\x80", 2, 0x7FFFFFFF), 0x0FFFF670u);  // -128 twice, folding each time
    EXPECT_EQ(HashBytes("abc", 3, 0), 0u);                         // a modulus of 0 counts as 1
}

TEST(TextUtil, ReverseAndCase) {
    char text[] = "Abc dE";
    EXPECT_STREQ(ReverseText(text), "Ed cbA");
    EXPECT_STREQ(LowerText(text), "ed cba");
    EXPECT_STREQ(UpperText(text), "ED CBA");
    char high[] = "\xC9t\xE9";  // bytes above 127 are left alone in the "C" locale
    EXPECT_STREQ(UpperText(high), "\xC9T\xE9");
    unsigned char bytes[] = {1, 2, 3, 4};
    ReverseBytes(bytes, 4);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(bytes[3], 1);
    char empty[] = "";
    EXPECT_STREQ(ReverseText(empty), "");
}

TEST(TextUtil, WhiteSpace) {
    EXPECT_TRUE(HasWhiteSpace("a b"));
    EXPECT_TRUE(HasWhiteSpace("a\tb"));
    EXPECT_FALSE(HasWhiteSpace("ab\xA0"));
    EXPECT_FALSE(HasWhiteSpace(""));
}

TEST(TextUtil, ClosingBracketsNest) {
    const char* text = "(a(b)c)d";
    EXPECT_EQ(FindClosingBracket(text), text + 6);
    const char* braces = "{x{y{z}}}}";
    EXPECT_EQ(FindClosingBracket(braces), braces + 8);
    const char* angles = "<a<b>";
    EXPECT_EQ(FindClosingBracket(angles), nullptr);
    const char* squares = "[]";
    EXPECT_EQ(FindClosingBracket(squares), squares + 1);
    EXPECT_EQ(FindClosingBracket("x(y)"), nullptr);
    EXPECT_EQ(FindClosingBracket(""), nullptr);
    EXPECT_EQ(FindClosingBracket(nullptr), nullptr);
}

TEST(TextUtil, ClosingQuotesSkipEscapedQuotes) {
    const char* text = R"("say \"hi\" now" rest)";
    EXPECT_EQ(FindClosingBracket(text), text + std::strlen(R"("say \"hi\" now)"));
    const char* single = "'it''";
    EXPECT_EQ(FindClosingBracket(single), single + 3);
    EXPECT_EQ(FindClosingBracket("\"open"), nullptr);
    EXPECT_EQ(FindClosingBracket("\""), nullptr);
}

TEST(TextUtil, PascalStrings) {
    const unsigned char abc[] =
        "\x03"
        "abc";
    const unsigned char abd[] =
        "\x03"
        "abd";
    const unsigned char ab[] =
        "\x02"
        "ab";
    EXPECT_EQ(PStrCompare(abc, abc), 0);
    EXPECT_LT(PStrCompare(abc, abd), 0);
    EXPECT_GT(PStrCompare(abd, abc), 0);
    EXPECT_EQ(PStrCompare(abc, ab), 1);
    EXPECT_EQ(PStrCompare(ab, abc), -1);

    unsigned char buffer[256];
    PStrCopy(buffer, abc);
    EXPECT_EQ(PStrCompare(buffer, abc), 0);
    PStrAppend(buffer, ab);
    EXPECT_EQ(buffer[0], 5);
    EXPECT_EQ(std::memcmp(buffer + 1, "abcab", 5), 0);
}

TEST(TextUtil, PascalAppendStopsAt255) {
    unsigned char long_[256];
    long_[0] = 250;
    std::memset(long_ + 1, 'x', 250);
    unsigned char tail[11];
    tail[0] = 10;
    std::memset(tail + 1, 'y', 10);
    PStrAppend(long_, tail);
    EXPECT_EQ(long_[0], 255);
    EXPECT_EQ(long_[255], 'y');
    EXPECT_EQ(long_[250], 'x');
    PStrAppend(long_, tail);  // full: nothing more
    EXPECT_EQ(long_[0], 255);
}

}  // namespace
