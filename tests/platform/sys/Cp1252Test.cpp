#include "platform/sys/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using win::Cp1252ToUnicode;
using win::Cp1252ToUtf8;
using win::UnicodeToCp1252;
using win::Utf8ToCp1252;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(b))), b) << b;
    }
}

TEST(Cp1252, HighBytesMapToTheirTypographicCharacters) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');  // euro sign
    EXPECT_EQ(Cp1252ToUnicode(0x85), U'\u2026');  // ellipsis
    EXPECT_EQ(Cp1252ToUnicode(0x93), U'\u201C');  // left double quotation mark
    EXPECT_EQ(Cp1252ToUnicode(0x9F), U'\u0178');  // Y with diaeresis
    EXPECT_EQ(Cp1252ToUnicode(0xC9), U'\u00C9');  // E acute: Latin-1 range unchanged
    EXPECT_EQ(Cp1252ToUnicode(0x81), U'\u0081');  // undefined byte keeps its value
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(Cp1252ToUtf8("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
}

TEST(Cp1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(UnicodeToCp1252(U'\u4E2D'), -1);
    EXPECT_EQ(UnicodeToCp1252(U'\u0080'), -1);           // a control code the code page does not hold
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD!"), "?!");      // CJK character
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80x"), "?x");  // four-byte sequence
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");              // truncated at the end
    EXPECT_EQ(Utf8ToCp1252("\xC3"
                           "A"),
              "?A");                               // lead byte without continuation
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");     // overlong encoding of '/'
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "?");  // encoded surrogate
    EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
    EXPECT_EQ(Utf8ToCp1252(""), "");
}

TEST(Cp1252, TheConversionSaysWhetherACharacterWasLost) {
    bool unkept = true;
    EXPECT_EQ(Utf8ToCp1252("caf\xC3\xA9?", &unkept), "caf\xE9?");
    EXPECT_FALSE(unkept) << "a question mark of the text is kept";
    EXPECT_EQ(Utf8ToCp1252("\xCE\xA9 ok", &unkept), "? ok");
    EXPECT_TRUE(unkept);
    Utf8ToCp1252("a\xC3", &unkept);
    EXPECT_TRUE(unkept) << "a malformed sequence";
}

TEST(Cp1252, CaseFoldingCoversTheAccentedAndTypographicLetters) {
    using win::Cp1252ToLower;
    EXPECT_EQ(Cp1252ToLower('A'), 'a');
    EXPECT_EQ(Cp1252ToLower('Z'), 'z');
    EXPECT_EQ(Cp1252ToLower('@'), '@');  // just before 'A'
    EXPECT_EQ(Cp1252ToLower('['), '[');  // just after 'Z'
    EXPECT_EQ(Cp1252ToLower('\xC0'), '\xE0');
    EXPECT_EQ(Cp1252ToLower('\xDE'), '\xFE');
    EXPECT_EQ(Cp1252ToLower('\xD7'), '\xD7');  // the multiplication sign is no letter
    EXPECT_EQ(Cp1252ToLower('\xDF'), '\xDF');  // sharp s has no capital here
    EXPECT_EQ(Cp1252ToLower('\x8A'), '\x9A');
    EXPECT_EQ(Cp1252ToLower('\x8C'), '\x9C');
    EXPECT_EQ(Cp1252ToLower('\x8E'), '\x9E');
    EXPECT_EQ(Cp1252ToLower('\x9F'), '\xFF');
    EXPECT_EQ(Cp1252ToLower('\x8B'), '\x8B');

    EXPECT_TRUE(win::Cp1252EqualNoCase("Caf\xC9 Noir", "cAF\xE9 nOIR"));
    EXPECT_FALSE(win::Cp1252EqualNoCase("Cafe", "Caf"));
    EXPECT_FALSE(win::Cp1252EqualNoCase("ab", "ac"));
}

TEST(Cp1252, UpperCaseIsTheReverseOfLowerCase) {
    int letters = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const char lower = win::Cp1252ToLower(c);
        if (lower == c) continue;
        ++letters;
        EXPECT_EQ(win::Cp1252ToUpper(lower), c) << byte;
        EXPECT_EQ(win::Cp1252ToUpper(c), c) << byte << " is a capital already";
    }
    EXPECT_EQ(letters, 26 + 30 + 4);
    EXPECT_EQ(win::Cp1252ToUpper('\xDF'), '\xDF');  // sharp s
    EXPECT_EQ(win::Cp1252ToUpper('\xF7'), '\xF7');  // the division sign
    EXPECT_EQ(win::Cp1252ToUpper('{'), '{');
}

}  // namespace
