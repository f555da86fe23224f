#include "foundation/TextUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The hash computed the long way, with arbitrary-precision intent, for comparison.
std::uint64_t ReferenceHash(const std::string& bytes, std::uint32_t modulus) {
    std::uint64_t h = 0;
    for (char c : bytes) {
        h = ((h << 4) + static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<signed char>(c)))) &
            0xFFFFFFFFu;
        if (h > 0x0FFFFFFF) {
            std::uint64_t g = h & 0xF0000000u;
            h = h ^ (g >> 24) ^ g;
        }
    }
    return h % modulus;
}

TEST(TextUtil, HashStaysInRangeForEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (std::uint32_t modulus : {1u, 7u, 1021u, 0x7FFFFFFFu}) {
        for (std::size_t n = 0; n <= all.size(); n += 17) {
            const std::string bytes = all.substr(0, n) + "\xFF\x80";
            const std::uint32_t h = HashBytes(bytes.data(), bytes.size(), modulus);
            EXPECT_LT(h, modulus);
            EXPECT_EQ(h, ReferenceHash(bytes, modulus));
        }
    }
    EXPECT_EQ(HashBytes("abc", 3, 0), 0u);  // a modulus of 0 counts as 1
    EXPECT_EQ(HashBytes("a", 1, 1000), static_cast<std::uint32_t>('a'));
    EXPECT_EQ(HashBytes("ab", 2, 100000), static_cast<std::uint32_t>('a' * 16 + 'b'));
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
