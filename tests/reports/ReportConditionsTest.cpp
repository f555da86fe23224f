// A report template's conditions settled on what the storyform has chosen: the part for chosen
// story points or the other, each condition on its own, every code of a condition needed, and a
// condition that is not whole left as written with the rest of the text.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "reports/ReportConditions.h"

namespace {

using report_conditions::HoldsReportCondition;
using report_conditions::ResolveReportConditions;

// Settles the text with the codes given as chosen.
std::string Settle(const std::string& text, std::set<std::string> chosen) {
    return ResolveReportConditions(
        text, [&](std::string_view code) { return chosen.count(std::string(code)) != 0; });
}

TEST(ReportConditions, EachConditionKeepsThePartForWhatIsChosen) {
    const std::string text = "Answer: {IFCH(Resolve)}<{SNF(Resolve)}>{ELSE}not chosen yet{ENDIF}.";
    EXPECT_EQ(Settle(text, {"Resolve"}), "Answer: <{SNF(Resolve)}>.");
    EXPECT_EQ(Settle(text, {}), "Answer: not chosen yet.");
    // Two conditions, each settled on its own codes.
    const std::string two = "{IFCH(STDom)}A{ELSE}a{ENDIF} and {IFCH(MCDom)}B{ELSE}b{ENDIF}";
    EXPECT_EQ(Settle(two, {"MCDom"}), "a and B");
    EXPECT_EQ(Settle(two, {"STDom"}), "A and b");
    // Every code of a condition must be chosen.
    const std::string both = "{IFCH(STRng,STRng2)}pair{ELSE}none{ENDIF}";
    EXPECT_EQ(Settle(both, {"STRng"}), "none");
    EXPECT_EQ(Settle(both, {"STRng2"}), "none");
    EXPECT_EQ(Settle(both, {"STRng", "STRng2"}), "pair");
    // Without {ELSE} nothing stands in.
    EXPECT_EQ(Settle("x{IFCH(Limit)}, by the limit{ENDIF}.", {}), "x.");
}

TEST(ReportConditions, TextWithoutConditionsOrWithABrokenOneStaysAsWritten) {
    EXPECT_EQ(Settle("{SNF(STDom)} and {CNN(MC,NM)}", {}), "{SNF(STDom)} and {CNN(MC,NM)}");
    EXPECT_FALSE(HoldsReportCondition("{SNF(STDom)} {ELSEWHERE}"));
    EXPECT_TRUE(HoldsReportCondition("stray {ENDIF}"));
    // A condition that never ends, and what follows it, are left as they are; those before it are
    // settled.
    EXPECT_EQ(Settle("{IFCH(STDom)}A{ENDIF} {IFCH(MCDom)}B", {}), " {IFCH(MCDom)}B");
    EXPECT_EQ(Settle("{IFCH(STDom)}A{IFCH(MCDom)}B{ENDIF}", {"STDom", "MCDom"}),
              "{IFCH(STDom)}A{IFCH(MCDom)}B{ENDIF}");
    EXPECT_EQ(Settle("{IFCH()}A{ENDIF}", {}), "{IFCH()}A{ENDIF}");
}

}  // namespace
