// The report text as shown and printed: blank lines collapsed in one pass (style codes between
// line breaks do not break a run, a code holding a line break swallows nothing after it, form feeds
// are no line breaks), and macros expanded with the escapes decoded only at the end.

#include "reports/ReportText.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/TypedList.h"

namespace {

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

}  // namespace
