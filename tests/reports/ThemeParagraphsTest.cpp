// The four throughline theme paragraphs over templates that answer "[Sn]": the exact sequence of
// each, the issue's partners looked up in structure 4 (named only while the issue is chosen), the
// words each dynamic picks, the impact character's way of working by the class of its problem (and
// in the template's words while it is not chosen),
// and the storytelling texts and closing notes that show-storytelling adds.

#include <string>

#include "ReportTestSupport.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

using namespace reporttest;
using D = FakeStoryForm::Dynamic;

class ThemeParagraphs : public ReportTest {
protected:
    std::string Story() { return Build(&ReportComposer::BuildStoryThroughlineThemes); }
    std::string Subjective() { return Build(&ReportComposer::BuildSubjectiveThroughlineThemes); }
    std::string Main() { return Build(&ReportComposer::BuildMainCharacterThemes); }
    std::string Impact() { return Build(&ReportComposer::BuildImpactCharacterThemes); }
    std::string Build(void (ReportComposer::*builder)()) {
        (composer.get()->*builder)();
        return Take();
    }
    // Places the element in structure 4 at the code.
    void Place(const char* code, std::uint16_t element) {
        StructureNode* node = NodeForCode(form.structures[3], code);
        ASSERT_NE(node, nullptr) << code;
        node->elementID = element;
    }
    static std::string Rule() { return "\n" + std::string(30, '_') + "\n"; }
};

const std::string kStoryUnchosen =
    "[S1][S3][S5][S6][S8][S9][S11][S12], [S13].  [S14] [S23].  [S24].  "
    "[S15][S16] [S17], [S18] [S19].  [S20], [S21], [S22].  ";

// No issue chosen: the issue's neighbours in its quad are not named (no "{SNF(0)}").
TEST_F(ThemeParagraphs, TheOverallStoryParagraphWithNoIssueChosenLeavesOutTheIssuesNeighbours) {
    EXPECT_EQ(Story(), kStoryUnchosen);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1000}));
}

TEST_F(ThemeParagraphs, TheIssuePartnersAreTheRowAndColumnPartnersThatStructureFourHolds) {
    form.SetValueByCode("STRng", IdOfCode("11100"));
    Place("11200", 333);  // the same row of the quad
    Place("11300", 334);  // the same column
    Place("11400", 335);  // the diagonal, never named
    const std::string text = Story();
    // Each named as what it is (S25 and S26), after the issue and its counterpoint (S9 and S15).
    EXPECT_TRUE(StartsWith(text, "[S1][S3][S5][S6][S8][S9][S25]{SNF(333)} and {SNF(334)}.  [S11]")) << text;
    EXPECT_NE(text.find("[S15][S26]{SNF(333)} and {SNF(334)}.  [S16]"), std::string::npos);
    EXPECT_EQ(form.structuresTaken[4], 1);
    EXPECT_EQ(form.structuresGiven[4], 1);

    form.SetValueByCode("PLRng", IdOfCode("11100"));
    const std::string subjective = Subjective();
    EXPECT_NE(subjective.find("[S12]{SPN(333)} and {SPN(334)}[S3][S4]"), std::string::npos) << subjective;
    EXPECT_NE(subjective.find("[S5]{SPN(333)} and {SPN(334)}[S6]"), std::string::npos) << subjective;
}

// No issue chosen: S13 says what keeps the two at odds without naming a neighbour, and the issue,
// said to be not chosen in S2, is not named again (S4).
TEST_F(ThemeParagraphs, TheSubjectiveStoryParagraph) {
    EXPECT_EQ(Subjective(), "[S1][S2].  [S10].  [S11].  [S13][S6].  [S7], [S8], [S9].  ");
}

// With nothing chosen no word of a pair is given: the sentences that say what is not chosen yet
// stand in, and the character is strengthened "by" what spurs it on.
TEST_F(ThemeParagraphs, TheMainCharacterParagraphWithNothingChosenSaysSoInsteadOfTakingTheSecondWords) {
    log->lastKey = 42;
    EXPECT_EQ(Main(),
              "[S1][S3][S5][S36][S37][S38][S39], [S22].  [S23], [S34].  [S35].  [S40], [S26] [S27].  "
              "[S41]by[S31].  [S32].  [S33].");
    // Each part gives way on its own: resolve and judgment chosen, growth, limit, outcome and fit not.
    form.Set({D::kChange, D::kGood, D::kDoer});
    EXPECT_EQ(Main(),
              "[S1][S3][S5][S36][S37][S38][S39], [S22].  [S23], [S34].  [S35].  [S40], [S26] [S27].  "
              "Letting go of[S42]eases {PPN(MC,0,P1)} own trouble, though whether it sees the story's problem "
              "resolved is not chosen yet[S30]by[S31].  [S32].  [S33].");
    // Growth, resolve and judgment chosen, the limit not: still no question.
    form.Set({D::kSteadfast, D::kGood, D::kStart, D::kAction, D::kBeer});
    EXPECT_EQ(Main(),
              "[S1][S3][S5][S7]pulls[S8]a deficiency[S9][S37][S18]not comfortable working[S19]dragged "
              "along[S20]avoid[S21], [S22].  [S23], [S34].  [S35].  [S24]a deficiency[S25], [S26] [S27].  "
              "Holding on to[S28]lack[S29]eases {PPN(MC,0,P1)} own trouble, though whether it sees the story's "
              "problem resolved is not chosen yet[S30]with[S31].  [S32].  [S33].");
    // Only the resolve and the outcome: the trouble waits; only the resolve: the sentence asks.
    form.Set({D::kSteadfast, D::kFailure});
    // The judgment, said to be not chosen where the question rests on it (S37), is not said so again.
    EXPECT_NE(Main().find("[S37]"), std::string::npos);
    EXPECT_NE(Main().find("Holding on to[S42]does not see the story's problem resolved[S30]"), std::string::npos);
    form.Set({D::kChange, D::kStop});
    EXPECT_NE(Main().find("Whether letting go of[S28]excess[S29]sees the story's problem resolved is not chosen "
                          "yet[S30]"),
              std::string::npos);
}

TEST_F(ThemeParagraphs, AChangeGoodStopTimelockDoerInADecisionStoryTakesTheFirstWords) {
    form.Set({D::kChange, D::kGood, D::kStop, D::kTimelock, D::kDoer, D::kDecision});
    EXPECT_EQ(Main(),
              "[S1][S3][S5][S7]drives[S8]an over abundance[S9][S10]excess[S11]over abundance[S12]in time?"
              "[S13][S18]not comfortable working[S19]dragged along[S20]avoid[S21], [S22].  [S23], "
              "[S34].  [S35].  [S24]an over abundance[S25], [S26] [S27].  Letting go of[S28]excess[S29]eases "
              "{PPN(MC,0,P1)} own trouble, though whether it sees the story's problem resolved is not chosen "
              "yet[S30]with[S31].  [S32].  [S33].");
}

TEST_F(ThemeParagraphs, TheMainCharactersWordsFollowResolveJudgmentLimitAndTheFitOfApproachAndDriver) {
    struct Case {
        std::initializer_list<D> dynamics;
        const char* effect;
        const char* branch;  // the text between S12 and S13, or S16 and S17
    };
    // What the resolve comes to follows resolve, outcome and judgment each.
    const Case cases[] = {
        {{D::kChange, D::kSuccess, D::kBad, D::kStart, D::kOptionlock},
         "Letting go of[S28]lack[S29]sees the story's problem resolved but does not ease {PPN(MC,0,P1)} own "
         "trouble[S30]",
         "[S16]until all the pieces are in place?[S17]"},
        {{D::kSteadfast, D::kFailure, D::kGood, D::kStart, D::kOptionlock},
         "Holding on to[S28]lack[S29]does not see the story's problem resolved but eases {PPN(MC,0,P1)} own "
         "trouble[S30]",
         "[S16]until all the pieces are in place?[S17]"},
        {{D::kSteadfast, D::kFailure, D::kBad, D::kStart, D::kOptionlock},
         "Holding on to[S28]lack[S29]neither sees the story's problem resolved nor eases {PPN(MC,0,P1)} own "
         "trouble[S30]",
         "[S12]before {PPN(MC,0,P1)} options run out?[S13]"},
        {{D::kChange, D::kSuccess, D::kGood, D::kStart, D::kTimelock},
         "Letting go of[S28]lack[S29]sees the story's problem resolved and eases {PPN(MC,0,P1)} own trouble[S30]",
         "[S12]in time?[S13]"},
    };
    for (const Case& c : cases) {
        form.Set(c.dynamics);
        const std::string text = Main();
        EXPECT_NE(text.find(c.effect), std::string::npos) << text;
        EXPECT_NE(text.find(c.branch), std::string::npos) << text;
    }
    form.Set({D::kBeer, D::kAction});
    EXPECT_NE(Main().find("[S18]not comfortable working[S19]dragged along[S20]avoid"),
              std::string::npos);
    form.Set({D::kBeer, D::kDecision});
    EXPECT_NE(Main().find("[S18]also interested in working[S19]indispensable[S20]resist"), std::string::npos);
}

TEST_F(ThemeParagraphs, TheImpactCharactersProblemClassPicksItsWayOfWorking) {
    EXPECT_EQ(Impact(), "[S1][S15][S16][S6], [S7].  [S8] [S13].  [S14].  [S9] [S10].  [S11], [S12].");
    const struct {
        std::int16_t domain;
        const char* problem;
        const char* way;
    } classes[] = {
        {1, "11110", "[S4]by changing the situation[S5]\"situation\"[S6]"},
        {2, "21110", "[S4]by taking action[S5]\"activity\"[S6]"},
        {3, "31110", "[S4]through manipulation[S5]\"manner of thinking\"[S6]"},
        {4, "41110", "[S4]through adopting an attitude[S5]\"state of mind\"[S6]"},
    };
    form.Set({D::kChange, D::kGood});  // so that the way follows the verdict's S4
    for (const auto& c : classes) {
        form.SetValueByCode("OCDom", c.domain);
        form.SetValueByCode("OCPbm", IdOfCode(c.problem));
        EXPECT_NE(Impact().find(c.way), std::string::npos) << c.problem;
    }
    // A problem chosen while several storyforms leave the domain open says nothing of its class.
    form.SetValueByCode("OCDom", 0);
    EXPECT_NE(Impact().find("[S4][S16][S6]"), std::string::npos);
    // Several values allowed is no value either.
    form.SetValueByCode("OCDom", -1);
    EXPECT_NE(Impact().find("[S4][S16][S6]"), std::string::npos);
}

TEST_F(ThemeParagraphs, TheImpactCharactersVerdictFollowsResolveAndJudgment) {
    form.Set({D::kChange, D::kGood});
    EXPECT_TRUE(StartsWith(Impact(), "[S1][S2]wrong[S3]better[S4]"));
    form.Set({D::kSteadfast, D::kBad});
    EXPECT_TRUE(StartsWith(Impact(), "[S1][S2]wrong[S3]better[S4]"));
    form.Set({D::kChange, D::kBad});
    EXPECT_TRUE(StartsWith(Impact(), "[S1][S2]right[S3]worse[S4]"));
    // With either of the two not chosen there is no verdict, only the words that say so.
    for (const auto dynamics : {std::initializer_list<D>{D::kChange}, {D::kBad}, {D::kSteadfast, D::kSuccess}}) {
        form.Set(dynamics);
        EXPECT_TRUE(StartsWith(Impact(), "[S1][S15][S16][S6]")) << Impact();
    }
}

TEST_F(ThemeParagraphs, ShowingStorytellingWithoutTextsAddsOnlyTheRuleAndTheClosingNotes) {
    // A line ends without the blanks a paragraph's last sentence leaves.
    const auto line = [](std::string text) { return text.substr(0, text.find_last_not_of(' ') + 1); };
    const std::string story = line(Story()), subjective = line(Subjective()), main = line(Main()),
                      impact = line(Impact());
    composer->SetShowStorytelling(1);
    log->opened.clear();
    const std::string notes = "\n\n[S1]\n\n[S2]\n\n";
    EXPECT_EQ(Story(), story + Rule() + "[S1]\n\n[S2]\n\n" + notes);
    EXPECT_EQ(Subjective(), subjective + Rule() + notes);
    EXPECT_EQ(Main(), main + Rule() + notes);
    EXPECT_EQ(Impact(), impact + Rule() + "[S1]\n\n[S2]\n\n");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1000, 1070, 1071, 1001, 1072, 1002, 1073, 1003, 1074}));
}

TEST_F(ThemeParagraphs, AStorytellingTextInterruptsItsSentenceAndItResumesAfterIt) {
    Tell("STDom", "Flood");
    Tell("OCCrFl", "Pride");
    composer->SetShowStorytelling(1);
    const std::string block = ":\n\n" + Code("M(40,40,40)") + "{STF(STDom)}\n\n" + Code("M(0,0,0)");
    EXPECT_NE(Story().find("[S12]" + block + "...[S13]"), std::string::npos);
    // The impact character's critical flaw ends its sentence: no "..." after it.
    const std::string flaw = ":\n\n" + Code("M(40,40,40)") + "{STF(OCCrFl)}\n\n" + Code("M(0,0,0)");
    const std::string impact = Impact();
    EXPECT_NE(impact.find("[S12]" + flaw + "\n" + std::string(30, '_')), std::string::npos) << impact;
}

}  // namespace
