#include "foundation/StringSearcher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>

namespace {

bool IsDelimiter(char c) {
    const std::string delimiters = " \t()+-*/.";
    return c != '\0' && delimiters.find(c) != std::string::npos;
}

char Fold(char c, bool ignoreCase) {
    return ignoreCase ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
}

// The plain definition of a match, tried at every position in turn.
std::int32_t NaiveFind(const std::string& text, const std::string& pattern, std::int32_t start,
                       bool wholeWord, bool ignoreCase, bool wildcard) {
    const std::size_t m = pattern.size();
    if (m == 0) return -1;
    for (std::size_t p = static_cast<std::size_t>(std::max(start, 0)); p + m <= text.size(); ++p) {
        bool match = true;
        for (std::size_t j = 0; j < m && match; ++j) {
            const char want = Fold(pattern[j], ignoreCase);
            match = (wildcard && want == '?') || want == Fold(text[p + j], ignoreCase);
        }
        if (!match) continue;
        if (wholeWord) {
            if (p > 0 && !IsDelimiter(text[p - 1])) continue;
            if (p + m < text.size() && !IsDelimiter(text[p + m])) continue;
        }
        return static_cast<std::int32_t>(p);
    }
    return -1;
}

TEST(StringSearcher, WildcardMatchesAnyOneCharacter) {
    StringSearcher searcher("c?t", false, false, true);
    EXPECT_EQ(searcher.Find("the cat sat", 0), 4);
    EXPECT_EQ(searcher.Find("a c.t", 0), 2);
    EXPECT_EQ(searcher.Find("ct cxxt", 0), -1);
    searcher.SetWildcard(false);
    EXPECT_EQ(searcher.Find("the cat sat", 0), -1);
    EXPECT_EQ(searcher.Find("is c?t here", 0), 3);

    // A match the good-suffix rule would jump over.
    StringSearcher tricky("bb??b", false, false, true);
    EXPECT_EQ(tricky.Find("baabbbbb", 0), 3);
}

TEST(StringSearcher, WholeWordsStandBetweenDelimiters) {
    StringSearcher searcher("c?t", true, false, true);
    EXPECT_EQ(searcher.Find("scat (cut)", 0), 6);  // "cat" follows a letter; "cut" is in parentheses
    EXPECT_EQ(searcher.Find("cot", 0), 0);
    EXPECT_EQ(searcher.Find("cats", 0), -1);
    EXPECT_EQ(searcher.Find("1+cat*2", 0), 2);
    EXPECT_EQ(searcher.Find("a,cat", 0), -1);  // a comma is no delimiter
    searcher.SetWholeWord(false);
    EXPECT_EQ(searcher.Find("scat", 0), 1);
    EXPECT_TRUE(searcher.IsWholeWord("x cat", 2));
    EXPECT_FALSE(searcher.IsWholeWord("x cat", 1));
}

TEST(StringSearcher, IgnoringCaseFoldsBothSides) {
    StringSearcher searcher("Word", false, true, false);
    EXPECT_EQ(searcher.Find("a WORD here", 0), 2);
    EXPECT_EQ(searcher.Find("sword", 0), 1);
    searcher.SetIgnoreCase(false);
    EXPECT_EQ(searcher.Find("a WORD here", 0), -1);
    EXPECT_EQ(searcher.Find("a Word here", 0), 2);
    StringSearcher accented("\xE9t\xE9", false, true, false);  // bytes above 127 have no case
    EXPECT_EQ(accented.Find("L'\xE9t\xE9", 0), 2);
}

TEST(StringSearcher, StartsWhereItIsTold) {
    StringSearcher searcher("ab", false, false, false);
    EXPECT_EQ(searcher.Find("ab ab ab", 1), 3);
    EXPECT_EQ(searcher.Find("ab ab ab", -7), 0);
    EXPECT_EQ(searcher.Find("ab ab ab", 7), -1);
    EXPECT_EQ(searcher.Find("", 0), -1);
    EXPECT_EQ(searcher.Find(nullptr, 0), -1);
    searcher.SetPattern("");
    EXPECT_EQ(searcher.Find("anything", 0), -1);

    const std::string longPattern(100, 'z');
    searcher.SetPattern(longPattern.c_str());
    EXPECT_EQ(searcher.Find(("..." + longPattern + "z").c_str(), 0), 3);
}

TEST(StringSearcher, AgreesWithANaiveSearchOnRandomTexts) {
    std::mt19937 random(20240607);
    const std::string alphabet = "abAB? (";
    auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        return text;
    };
    int matches = 0;
    for (int round = 0; round < 40000; ++round) {
        const bool wholeWord = round & 1;
        const bool ignoreCase = round & 2;
        const bool wildcard = round & 4;
        std::string pattern = randomText(6);
        if (pattern.empty()) pattern = "a";
        const std::string text = randomText(24);
        const auto start = static_cast<std::int32_t>(random() % 4);
        StringSearcher searcher(pattern.c_str(), wholeWord, ignoreCase, wildcard);
        const std::int32_t expected = NaiveFind(text, pattern, start, wholeWord, ignoreCase, wildcard);
        ASSERT_EQ(searcher.Find(text.c_str(), start), expected)
            << "pattern \"" << pattern << "\" text \"" << text << "\" start " << start << " whole "
            << wholeWord << " case " << ignoreCase << " wild " << wildcard;
        if (expected >= 0) ++matches;
    }
    EXPECT_GT(matches, 4000);  // the comparison covered plenty of matches, not only misses
}

}  // namespace
