// Taking style codes apart, and stripping them.

#include <gtest/gtest.h>

#include <string>

#include "items/StyledText.h"

namespace {

std::string StyleCode(const std::string& body) { return "\xC7" + body + "\xC8"; }

struct Parsed {
    std::int32_t answer;
    std::uint32_t position;
    StyleCodeResult result;
};

// Parses the code at the start of the text, with a result record that holds leftovers.
Parsed Parse(const std::string& text, std::uint32_t at = 0) {
    Parsed parsed{0, at, StyleCodeResult{1, 0x80, 7, 8, 9}};
    parsed.answer = ParseStyleCode(text.c_str(), parsed.position, parsed.result);
    return parsed;
}

TEST(StyledTextTest, StyleCodesSwitchTheirBitAndMovePastTheCode) {
    struct Case {
        const char* body;
        std::uint32_t bit;
        std::uint16_t on;
    };
    for (const Case& c : {Case{"B+", 1, 1}, Case{"B-", 1, 0}, Case{"I+", 2, 1}, Case{"I-", 2, 0},
                          Case{"U+", 4, 1}, Case{"U-", 4, 0}, Case{"B+x", 1, 1}, Case{"U-junk,)", 4, 0}}) {
        const std::string text = "ab" + StyleCode(c.body) + "cd";
        const Parsed parsed = Parse(text, 2);
        EXPECT_EQ(parsed.answer, kStyleCodeParsed) << c.body;
        EXPECT_EQ(parsed.result.styleBit, c.bit) << c.body;
        EXPECT_EQ(parsed.result.on, c.on) << c.body;
        EXPECT_EQ(text[parsed.position], 'c') << c.body;
        // A style code leaves the margins as they were.
        EXPECT_EQ(parsed.result.first, 7);
    }
}

TEST(StyledTextTest, CodesThatAreNotWellFormedLeaveThePositionWhereItWas) {
    struct Case {
        std::string text;
        std::int32_t answer;
    };
    for (const Case& c : {Case{StyleCode("X+"), kUnrecognisedCode}, Case{StyleCode(""), kUnrecognisedCode},
                          Case{StyleCode("b+"), kUnrecognisedCode}, Case{StyleCode("B*"), kMalformedCode},
                          Case{StyleCode("B"), kMalformedCode},
                          Case{"\xC7"
                               "B+",
                               kMalformedCode},
                          Case{"\xC7"
                               "B+ and on",
                               kMalformedCode},
                          Case{"B+"
                               "\xC8",
                               kMalformedCode},
                          Case{StyleCode("M(1,2,3"), kMalformedCode}}) {
        const Parsed parsed = Parse(c.text);
        EXPECT_EQ(parsed.answer, c.answer) << c.text;
        EXPECT_EQ(parsed.position, 0u) << c.text;
        EXPECT_EQ(parsed.result.on, 0) << "cleared first: " << c.text;
        EXPECT_EQ(parsed.result.first, 7) << c.text;
    }
}

TEST(StyledTextTest, MarginCodesReadThreeNumbers) {
    struct Case {
        const char* body;
        std::int16_t first, left, right;
    };
    for (const Case& c :
         {Case{"M(10,30,0)", 10, 30, 0}, Case{"M(0,0,0)", 0, 0, 0}, Case{"M( -5,\t7 , 12)", -5, 7, 12},
          Case{"M(,,)", 0, 0, 0}, Case{"M(10px,30 wide,2)", 10, 30, 2}, Case{"M(1,2,3,4)", 1, 2, 3},
          Case{"M(70000,0,0)", 4464, 0, 0}}) {
        const std::string text = StyleCode(c.body) + "z";
        const Parsed parsed = Parse(text);
        EXPECT_EQ(parsed.answer, kMarginCodeParsed) << c.body;
        EXPECT_EQ(parsed.result.styleBit, 0u) << c.body;
        EXPECT_EQ(parsed.result.first, c.first) << c.body;
        EXPECT_EQ(parsed.result.left, c.left) << c.body;
        EXPECT_EQ(parsed.result.right, c.right) << c.body;
        EXPECT_EQ(text[parsed.position], 'z') << c.body;
    }
}

TEST(StyledTextTest, MarginBodiesOutsideTheGrammarAreMalformed) {
    for (const char* body : {"M(10,30)", "M(10,30,0", "M(1,2,3)x", "M10,30,0)", "M()", "M", "M(", "M,,)"}) {
        const Parsed parsed = Parse(StyleCode(body));
        EXPECT_EQ(parsed.answer, kMalformedCode) << body;
        EXPECT_EQ(parsed.result.first, 7) << "margins untouched: " << body;
        EXPECT_EQ(parsed.result.left, 8) << body;
    }
    // Asked directly, with the code's two ends.
    std::int16_t first = 1, left = 2, right = 3;
    const std::string text = StyleCode("M(4,5,6)");
    EXPECT_EQ(
        ParseMarginCode(text.c_str(), 0, static_cast<std::uint32_t>(text.size() - 1), first, left, right),
        kMarginCodeParsed);
    EXPECT_EQ(first + left + right, 15);
}

TEST(StyledTextTest, StrippingDropsOnlyWellFormedCodes) {
    const std::string kept = StyleCode("X+") + StyleCode("B*");
    const std::string text =
        "a" + StyleCode("B+") + StyleCode("I+") + "b" + kept + StyleCode("M(1,2,3)") + "c" + StyleCode("B-");
    std::string out(text.size() + 1, '?');
    EXPECT_EQ(StripStyleCodes(text.c_str(), out.data(), 0xFFFFFFFF), 3 + kept.size());
    EXPECT_EQ(std::string(out.c_str()), "ab" + kept + "c");

    // Up to the last index only; a code that starts within the range goes whole.
    EXPECT_EQ(StripStyleCodes(text.c_str(), out.data(), 2), 1u);
    EXPECT_EQ(std::string(out.c_str()), "a");
    EXPECT_EQ(StripStyleCodes(text.c_str(), out.data(), 9), 2u);
    EXPECT_EQ(std::string(out.c_str()), "ab");

    // In place, and an unclosed code at the end stays.
    std::string inPlace = "x" + StyleCode("U+") +
                          "y\xC7"
                          "B+";
    EXPECT_EQ(StripStyleCodes(inPlace.c_str(), inPlace.data(), 100), 5u);
    EXPECT_EQ(std::string(inPlace.c_str()),
              "xy\xC7"
              "B+");
}

}  // namespace
