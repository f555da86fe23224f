#include "foundation/PlainText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(PlainText, ComparisonsAnswerMinusOneZeroOrOne) {
    EXPECT_EQ(StrCompare("abc", "abd"), -1);
    EXPECT_EQ(StrCompare("abc", "abc"), 0);
    EXPECT_EQ(StrCompare("b", "abc"), 1);
    EXPECT_EQ(StrCompare(nullptr, ""), 0);
    EXPECT_EQ(StrNCompare("abcX", "abcY", 3), 0);
    EXPECT_EQ(StrNCompare("abcX", "abcY", 4), -1);

    EXPECT_EQ(StrCompareNoCase("Hello", "hELLO"), 0);
    EXPECT_EQ(StrCompareNoCase("apple", "BANANA"), -1);
    EXPECT_EQ(StrCompareNoCase("abc", "ab"), 1);
    // Characters above 127 count as negative: they sort before plain letters.
    EXPECT_EQ(StrCompareNoCase("\xE9", "a"), -1);
    EXPECT_EQ(StrCompareNoCase("a", "\xE9"), 1);
}

// Only the letters a to z have capitals, and only A to Z small letters: the characters either side
// of them, and the accented letters, stay as they are.
TEST(PlainText, UpperCaseChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(UpperChar('a'), 'A');
    EXPECT_EQ(UpperChar('z'), 'Z');
    EXPECT_EQ(UpperChar('`'), '`');
    EXPECT_EQ(UpperChar('{'), '{');
    EXPECT_EQ(UpperChar('Q'), 'Q');
    EXPECT_EQ(UpperChar('\xE9'), '\xE9');
    EXPECT_EQ(UpperChar('\xFF'), '\xFF');
    EXPECT_EQ(StrCompareNoCase("zebra", "ZEBRA"), 0);
    EXPECT_EQ(StrCompareNoCase("[", "{"), -1);
    EXPECT_EQ(StrCompareNoCase("\xE9t\xE9", "\xC9T\xC9"), 1);
    const char* letters = "Abc Zyx";
    EXPECT_EQ(StrFindNoCase(letters, "zY"), letters + 4);
}

TEST(PlainText, LowerCaseChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(LowerChar('A'), 'a');
    EXPECT_EQ(LowerChar('Z'), 'z');
    EXPECT_EQ(LowerChar('@'), '@');
    EXPECT_EQ(LowerChar('['), '[');
    EXPECT_EQ(LowerChar('\xC9'), '\xC9');
}

TEST(PlainText, BoundedCopies) {
    char dest[6];
    EXPECT_FALSE(StrCopyMax(dest, "hello", sizeof dest));
    EXPECT_STREQ(dest, "hello");
    EXPECT_TRUE(StrCopyMax(dest, "hello world", sizeof dest));
    EXPECT_STREQ(dest, "hello");
    EXPECT_TRUE(StrCopyMax(dest, "x", 0));  // nothing fits, not even the NUL

    char padded[6];
    std::memset(padded, 'z', sizeof padded);
    StrNCopy(padded, "ab", sizeof padded);
    EXPECT_EQ(std::string(padded, 6), std::string("ab\0\0\0\0", 6));
    StrNCopy(padded, nullptr, 3);
    EXPECT_EQ(std::string(padded, 3), std::string(3, '\0'));

    char range[8];
    const char text[16] = "abcdef";
    CopyRange(range, text + 1, text + 4);
    EXPECT_STREQ(range, "bcd");
    CopyRange(range, text + 4, text + sizeof text);  // stops at the NUL
    EXPECT_STREQ(range, "ef");

    char grown[8] = "ab";
    EXPECT_STREQ(AppendChar(grown, 'c'), "abc");
    EXPECT_STREQ(StrCopy(grown, "new"), "new");
    EXPECT_EQ(StrLength("four"), 4u);
    EXPECT_EQ(StrLength(nullptr), 0u);
}

TEST(PlainText, FindingAndSkipping) {
    const char* text = "  two words\there";
    EXPECT_EQ(StrFindChar(text, 'w'), text + 3);
    EXPECT_EQ(StrFindChar(text, 'q'), nullptr);
    EXPECT_EQ(StrFindChar(static_cast<const char*>(nullptr), 'q'), nullptr);
    EXPECT_EQ(SkipSpace(text), text + 2);
    EXPECT_EQ(SkipNonSpace(text + 2), text + 5);
    const char* blanks = "   ";
    EXPECT_EQ(SkipSpace(blanks), blanks + 3);  // the end
    const char* hay = "Hello World";
    EXPECT_EQ(StrFindNoCase(hay, "WORLD"), hay + 6);
    EXPECT_EQ(StrFindNoCase(hay, "o w"), hay + 4);
    EXPECT_EQ(StrFindNoCase(hay, "worlds"), nullptr);
    EXPECT_EQ(StrFindNoCase("ab", "abc"), nullptr);
}

TEST(PlainText, NextWordCutsLongWordsAndReportsIt) {
    char word[4];
    ErrCode err = 0;
    const char* text = "   hello there";
    const char* after = NextWord(text, word, sizeof word, &err);
    EXPECT_STREQ(word, "hel");
    EXPECT_EQ(err, -3);
    EXPECT_EQ(after, text + 8);

    after = NextWord(after, word, sizeof word, &err);
    EXPECT_STREQ(word, "the");
    EXPECT_EQ(err, -3);
    char roomy[16];
    EXPECT_EQ(*NextWord(" one two", roomy, sizeof roomy, &err), ' ');
    EXPECT_STREQ(roomy, "one");
    EXPECT_EQ(err, kNoErr);
    NextWord("   ", roomy, sizeof roomy, &err);
    EXPECT_STREQ(roomy, "");
    EXPECT_EQ(err, -2);
}

TEST(PlainText, LengthPrefixedTextsConvertInPlace) {
    char text[300] =
        "\x03"
        "abc";
    EXPECT_STREQ(PStrToCStr(text), "abc");
    EXPECT_EQ(CStrToPStr(text)[0], 3);
    EXPECT_EQ(std::string(text + 1, 3), "abc");

    std::string longText(299, 'x');
    std::strcpy(text, longText.c_str());
    CStrToPStr(text);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 255);  // cut to what the length byte can hold
    EXPECT_EQ(std::strlen(PStrToCStr(text)), 255u);
}

TEST(PlainText, StrToLongParsesSignedDecimals) {
    EXPECT_EQ(StrToLong(" -42x"), -42);
    EXPECT_EQ(StrToLong("\t\r\n17"), 17);
    EXPECT_EQ(StrToLong("abc"), 0);
    EXPECT_EQ(StrToLong("-"), 0);
    EXPECT_EQ(StrToLong("+5"), 0);  // only a minus sign is taken
    EXPECT_EQ(StrToLong(nullptr), 0);
    EXPECT_EQ(StrToLong("2147483647"), 2147483647);
    EXPECT_EQ(StrToLong("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToLong("4294967297"), 1);  // wraps modulo 2^32 instead of overflowing
}

}  // namespace
