// The report text as shown and printed: blank lines collapsed in one pass (style codes between
// line breaks do not break a run, a code holding a line break swallows nothing after it, form feeds
// are no line breaks), and macros expanded with the escapes decoded only at the end. As plain text:
// no style code left, form feeds as rules, Unix line ends, and what the writer typed kept whole.

#include "reports/ReportText.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/TypedList.h"
#include "support/StoredText.h"

namespace {

using testsupport::StoredText;

std::string Collapsed(std::string text) {
    CollapseBlankLines(text);
    return text;
}

const std::string kBold =
    "\xC7"
    "B+"
    "\xC8";

TEST(CollapseBlankLines, AtMostTwoLineBreaksInARowSurvive) {
    EXPECT_EQ(Collapsed("a\n\n\n\nb"), "a\n\nb");
    EXPECT_EQ(Collapsed("a\n\nb\n\n\nc"), "a\n\nb\n\nc");
    EXPECT_EQ(Collapsed("a\nb"), "a\nb");
    EXPECT_EQ(Collapsed("\n\n\n"), "\n\n");
    EXPECT_EQ(Collapsed("a\r\n\r\nb"), "a\r\nb");
    EXPECT_EQ(Collapsed(""), "");
}

TEST(CollapseBlankLines, StyleCodesBetweenLineBreaksDoNotBreakTheRun) {
    EXPECT_EQ(Collapsed("a\n" + kBold + "\n\n\nb"), "a\n" + kBold + "\nb");
    const std::string margins =
        "\xC7"
        "M(0,0,0)"
        "\xC8";
    EXPECT_EQ(Collapsed("a\n\n" + margins + "\n" + margins + "\nb"), "a\n\n" + margins + margins + "b");
}

TEST(CollapseBlankLines, ACodeHoldingALineBreakSwallowsNothingAfterIt) {
    EXPECT_EQ(Collapsed("x\xC7"
                        "B\nyz\n\n\nw"),
              "x\xC7"
              "B\nyz\n\nw");
    // A closing byte with no code open ends the run of line breaks.
    EXPECT_EQ(Collapsed("a\n\n\xC8\n\nb"), "a\n\n\xC8\n\nb");
}

TEST(CollapseBlankLines, AFormFeedIsNoLineBreak) { EXPECT_EQ(Collapsed("a\n\n\f\n\nb"), "a\n\n\f\n\nb"); }

TEST(ExpandReportText, MacrosAreExpandedBeforeTheEscapesAreDecoded) {
    // What a writer typed as "{NObst}" stays that text: it is decoded only after the expansion.
    const std::string text = ExpandReportText(nullptr,
                                              "{NObst}: \xB0"
                                              "0NObst\xB0"
                                              "1\n\n\n.",
                                              nullptr, true);
    EXPECT_EQ(text.find("{NObst}"), text.size() - 10) << text;
    EXPECT_NE(text[0], '{');
    EXPECT_NE(ExpandReportText(nullptr, "a\n\n\nb", nullptr, false).find("\n\n\n"), std::string::npos);
}

std::string Plain(const std::string& text, bool collapse = false) {
    return PlainReportText(nullptr, text.c_str(), collapse);
}

const std::string kPageBreakRule(30, '_');

TEST(PlainReportText, NoStyleCodeIsLeftAndALineBreakEndsACodeLeftOpen) {
    EXPECT_EQ(Plain("\xC7U+\xC8" + kBold +
                    "Story Comments\xC7"
                    "B-\xC8\xC7U-\xC8\n\nText."),
              "Story Comments\n\nText.\n");
    EXPECT_EQ(Plain("a\xC7M(40,40,40)\xC8"
                    "b\xC7M(0,0,0)\xC8"
                    "c"),
              "abc\n");
    EXPECT_EQ(Plain("x\xC7"
                    "B\nyz"),
              "x\nyz\n")
        << "the open code swallows only up to the line end";
    EXPECT_EQ(Plain("a\xC8"
                    "b"),
              "ab\n")
        << "a closing byte without a code";
}

TEST(PlainReportText, FormFeedsBecomeRulesAndEveryLineEndIsANewline) {
    EXPECT_EQ(Plain("One.\n\n\fTwo."), "One.\n\n" + kPageBreakRule + "\n\nTwo.\n");
    EXPECT_EQ(Plain("One.\fTwo."), "One.\n" + kPageBreakRule + "\n\nTwo.\n")
        << "the rule on a line of its own";
    EXPECT_EQ(Plain("a\r\nb\rc\n"), "a\nb\nc\n");
}

TEST(PlainReportText, WhatTheWriterTypedSurvivesWholeEvenWhereItLooksLikeACode) {
    // 0xC7 and 0xC8 are letters (C and E with accents) once decoded; braces and slashes too stay.
    const std::string typed =
        "\xC7"
        "a {NObst} \xC8t\xE9 / \\ \x80 \xB0";
    EXPECT_EQ(Plain(kBold + StoredText(typed) +
                    "\xC7"
                    "B-\xC8"),
              typed + "\n");
    EXPECT_EQ(Plain("Before " +
                        StoredText("\xC7"
                                   "\n\n\n\xC8") +
                        " after",
                    true),
              "Before \xC7\n\n\xC8 after\n");
}

TEST(PlainReportText, BlankLinesAreCollapsedWhenAskedAndTheEndsTrimmed) {
    const std::string text = "a\n" + kBold + "\n\n\nb";
    EXPECT_EQ(Plain(text, true), "a\n\nb\n");
    EXPECT_EQ(Plain(text, false), "a\n\n\n\nb\n");
    EXPECT_EQ(Plain("\n\n  indented  \n \n\n"), "  indented\n");
    EXPECT_EQ(Plain(" \n\n" + kBold + "\n"), "");
    EXPECT_EQ(Plain(""), "");
}

}  // namespace
