// The dynamics narratives over templates that answer "[Sn]": the exact sequence of the main
// character's (61), the plot's (18) and the characters' synopsis (25) for contrasting dynamics, the
// storytelling texts they weave in, the rule and closing key that the vocabulary option adds; the
// throughline type summary (32); and the act summary sentences of one throughline.

#include <string>

#include "ReportTestSupport.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

using namespace reporttest;
using D = FakeStoryForm::Dynamic;

class Narratives : public ReportTest {
protected:
    std::string Build(void (ReportComposer::*builder)()) {
        (composer.get()->*builder)();
        return Take();
    }
    static std::string B(const char* word) { return Code("B+") + word + Code("B-"); }
    static std::string Rule() { return "\n" + std::string(30, '_') + "\n"; }
    // The storytelling block of a story point (with "..." when the sentence goes on).
    static std::string Told(const char* key, bool continues) {
        return ":\n\n" + Code("M(40,40,40)") + "{STF(" + key + ")}\n\n" + Code("M(0,0,0)") +
               (continues ? "..." : "");
    }
};

TEST_F(Narratives, MainCharacterSteadfastTimelockActionSuccessGood) {
    form.Set({D::kSteadfast, D::kTimelock, D::kAction, D::kSuccess, D::kGood, D::kStart});
    const std::string driver = "take " + B("Action"), limit = B("Time");
    const std::string expected = "[S1][S2][S4].[S5], [S6].[S7].  [S8]" + driver + ".  [S9]" + driver +
                                 " [S10]" + limit + ".[S11][S14] [S15].[S16][S36].[S21]" + limit + ", [S22]" +
                                 driver + ".[S23][S24], [S25]" + B("continues") + " [S26]{SNN(STPbm)}.[S32]" +
                                 B("Succeed") + " [S33].[S34]";
    EXPECT_EQ(Build(&ReportComposer::BuildMainCharacterDynamics), expected);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1006}));
}

TEST_F(Narratives, MainCharacterChangeStopDecisionFailureBadWithTextsAndVocabulary) {
    form.Set({D::kChange, D::kStop, D::kDecision, D::kOptionlock, D::kFailure, D::kBad});
    owner.vocabulary = 1;
    composer->SetShowStorytelling(1);
    Tell("MCDir", "towards");
    Tell("MCFoc", "at");
    const std::string driver = "make a " + B("Decision"), limit = B("Options");
    // With Stop, the focus is followed by the direction's text and the direction by the focus's.
    const std::string expected = "[S1][S2][S3].[S5], [S6].[S7].  [S8]" + driver + ".  [S9]" + driver +
                                 " [S10]" + limit + ".[S11][S12]{SNF(MCFoc)}" + Told("MCDir", true) +
                                 "[S13]{SNF(MCDir)}" + Told("MCFoc", false) + "[S16][S36].[S21]" + limit +
                                 ", [S22]" + driver + ".[S23][S27], [S25]" + B("Changes") +
                                 " [S26]{SNN(STSol)}.[S32]" + B("Fail") + " [S33].[S34]" + Rule() + "[S35]";
    EXPECT_EQ(Build(&ReportComposer::BuildMainCharacterDynamics), expected);

    form.Set({D::kChange, D::kStart});
    const std::string started = Build(&ReportComposer::BuildMainCharacterDynamics);
    EXPECT_NE(
        started.find("[S12]{SNF(MCFoc)}" + Told("MCFoc", true) + "[S13]{SNF(MCDir)}" + Told("MCDir", false)),
        std::string::npos)
        << started;
}

TEST_F(Narratives, PlotDynamicsOfAnActionTimelockSuccessGoodStory) {
    form.Set({D::kAction, D::kTimelock, D::kSuccess, D::kGood});
    const std::string expected =
        "[S1][S3]taken[S4]deliberate and ultimately decide.  [S5]decisions would never be made [S6]taken[S7]"
        "decision[S8][S10]time[S11]a " +
        B("Timelock") +
        "[S12]running out of options but by running out of time[S13]time is[S14]is[S15]been "
        "achieved[S16][S18]"
        "not only does[S19]but this is favorable[S20]decisions to be taken.  [S21]" +
        B("Time") + " has run out.  [S22], [S23].[S24]";
    EXPECT_EQ(Build(&ReportComposer::BuildPlotDynamicsNarrative), expected);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1010}));
}

TEST_F(Narratives, PlotDynamicsOfADecisionOptionlockFailureGoodStoryWithItsTexts) {
    form.Set({D::kDecision, D::kOptionlock, D::kFailure, D::kGood});
    composer->SetShowStorytelling(1);
    Tell("Outcome", "lost");
    const std::string expected =
        "[S1][S3]made[S4]respond and ultimately take action.  [S5]actions would never be taken [S6]made[S7]"
        "action[S8][S10]options[S11]an " +
        B("Optionlock") +
        "[S12]ticking clock but the closing down of options[S13]options are[S14]is NOT[S15]occurred[S16][S18]"
        "although[S19]this is favorable[S20]actions to be made.  [S21]all " +
        B("Options") + " have been exhausted.  [S22]" + Told("Outcome", true) + "[S23].[S24]";
    EXPECT_EQ(Build(&ReportComposer::BuildPlotDynamicsNarrative), expected);

    form.Set({D::kFailure, D::kBad});
    const std::string failed = Build(&ReportComposer::BuildPlotDynamicsNarrative);
    EXPECT_NE(failed.find("[S18]not only does[S19]but this is unfavorable[S20]"), std::string::npos)
        << failed;
}

TEST_F(Narratives, CharacterSynopsisWithNoDynamicChosenTakesEverySecondWord) {
    const std::string expected =
        "[S1][S2]not [S3] [S4]although [S5]not [S6]{CNN(MC,NM)} fails to resolve[S8]was not[S9], [S10].  "
        "[S11], "
        "[S12].  [S13] [S14], [S15] [S16].  [S17]not [S18], but {CNN(MC,NM)} has failed to resolve[S19].\n\n";
    EXPECT_EQ(Build(&ReportComposer::BuildCharacterDynamicsSynopsis), expected);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1014}));
}

TEST_F(Narratives, CharacterSynopsisOfAChangeStopSuccessGoodStoryEndsWithTheRuleAndS20) {
    form.Set({D::kChange, D::kStop, D::kSuccess, D::kGood});
    owner.vocabulary = 1;
    const std::string expected =
        "[S1][S2][S3] not [S4][S5][S6]and {CNN(MC,NM)} resolves[S8]was[S9], [S10].  [S11], [S12].  [S13] "
        "[S14], "
        "[S15] [S16].  [S17][S18], and {CNN(MC,NM)} has succeeded in resolving[S19].\n\n" +
        Rule() + "[S20]";
    EXPECT_EQ(Build(&ReportComposer::BuildCharacterDynamicsSynopsis), expected);

    // Steadfast and Start fit as Change and Stop do; Failure with Bad as Success with Good.
    form.Set({D::kSteadfast, D::kStart, D::kFailure, D::kBad});
    owner.vocabulary = 0;
    const std::string steadfast = Build(&ReportComposer::BuildCharacterDynamicsSynopsis);
    EXPECT_TRUE(StartsWith(steadfast,
                           "[S1][S2][S3] not [S4][S5]not [S6]and {CNN(MC,NM)} fails to resolve[S8]was[S9]"))
        << steadfast;
    EXPECT_NE(steadfast.find("[S18], and {CNN(MC,NM)} has failed to resolve[S19].\n\n"), std::string::npos);
    EXPECT_EQ(steadfast.find("[S20]"), std::string::npos);
}

TEST_F(Narratives, CharacterSynopsisWeavesInTheTwoCharactersTexts) {
    composer->SetShowStorytelling(1);
    Tell("MCCon", "his worry");
    Tell("OCCrFl", "her flaw");
    const std::string text = Build(&ReportComposer::BuildCharacterDynamicsSynopsis);
    EXPECT_NE(text.find("[S9]" + Told("MCCon", true) + "[S10].  [S11]"), std::string::npos) << text;
    EXPECT_NE(text.find("[S16]" + Told("OCCrFl", false) + "[S17]"), std::string::npos) << text;
}

TEST_F(Narratives, TheTypeSummaryContrastsSixPairsInEachOfTheFourActs) {
    const std::string text = Build(&ReportComposer::BuildThroughlineTypeSummary);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1008}));
    const std::string actTwo =
        Code("M(0,0,0)") + B("In Act 2:") + "\n\n" + Code("M(40,40,40)") +
        "An analytical look at {SNF(STType2)} is contrasted with a passionate exploration of "
        "{SNF(PLType2)}.\n\n"
        "An analytical look at {SNF(STType2)} is contrasted with {CNN(MC,NM)}'s view of {SNF(MCType2)}.\n\n"
        "An analytical look at {SNF(STType2)} is contrasted with {CNN(OC,NM)}'s impact on {SNF(OCType2)}.\n\n"
        "A passionate exploration of {SNF(PLType2)} is contrasted with {CNN(MC,NM)}'s view of "
        "{SNF(MCType2)}.\n\n"
        "A passionate exploration of {SNF(PLType2)} is contrasted with {CNN(OC,NM)}'s impact on "
        "{SNF(OCType2)}.\n\n"
        "{CNN(MC,NM)}'s view of {SNF(MCType2)} is contrasted with {CNN(OC,NM)}'s impact on "
        "{SNF(OCType2)}.\n\n\n";
    EXPECT_TRUE(StartsWith(text, "[S1][S3]" + Code("M(0,0,0)") + B("In Act 1:"))) << text;
    EXPECT_NE(text.find(actTwo + Code("M(0,0,0)") + B("In Act 3:")), std::string::npos) << text;
    for (const char* act : {"1", "3", "4"}) {
        std::string block = actTwo;
        for (std::size_t at; (at = block.find('2')) != std::string::npos;) block[at] = act[0];
        EXPECT_NE(text.find(block), std::string::npos) << act;
    }
    EXPECT_TRUE(text.ends_with("{SNF(OCType4)}.\n\n\n"));
}

// The act summaries over a structure whose nodes are numbered by their code, so that the variations
// listed show which type and which structure they came from.
class ActSummary : public Narratives {
protected:
    void SetUp() override {
        Narratives::SetUp();
        for (int type = 1; type <= 4; ++type) {
            for (int variation = 1; variation <= 4; ++variation) {
                const std::string code = "2" + std::to_string(type) + std::to_string(variation) + "00";
                NodeForCode(form.structures[2], code.c_str())->elementID =
                    static_cast<std::uint16_t>(600 + 10 * type + variation);
                NodeForCode(form.structures[1], code.c_str())->elementID =
                    static_cast<std::uint16_t>(800 + 10 * type + variation);
            }
        }
        signposts = {IdOfCode("23000"), IdOfCode("21000"), IdOfCode("24000"), IdOfCode("22000")};
    }
    void Signposts(const char* prefix) {
        for (int act = 0; act < 4; ++act)
            form.SetValueByCode((std::string(prefix) + "Type" + std::to_string(act + 1)).c_str(),
                                signposts[static_cast<std::size_t>(act)]);
    }
    std::string Act(const char* phrase, std::int16_t signpost, const char* and_, int base, int type) {
        const std::string id = std::to_string(signpost);
        std::string variations;
        for (int v = 1; v <= 4; ++v)
            variations += std::string(v == 4 ? "and " : "") + "{SNF(" + std::to_string(base + 10 * type + v) +
                          ")}" + (v < 4 ? ", " : "");
        return std::string("  ") + phrase + " \"{SDF(" + id + ")}\" ({SNF(" + id + ")}) " + and_ +
               "is explored in terms of " + variations + ".";
    }
    std::array<std::int16_t, 4> signposts{};
};

TEST_F(ActSummary, TheVariationsOfATypeAreListedAsFourAndTheCodeKeepsTheLastOne) {
    char code[] = "23000";
    composer->AppendTypeVariations(form.structures[2], code);
    EXPECT_EQ(Take(), "{SNF(631)}, {SNF(632)}, {SNF(633)}, and {SNF(634)}");
    EXPECT_STREQ(code, "23400");
}

TEST_F(ActSummary, EachActNamesItsSignpostAndTheVariationsOfTheClassTypeAtItsPosition) {
    form.Set({D::kLogical});
    Signposts("ST");
    composer->BuildActSummary(0);
    const std::string expected = Act("In act one,", signposts[0], "", 600, 1) +
                                 Act("Act two concentrates on", signposts[1], "and ", 600, 2) +
                                 Act("Act three focuses on", signposts[2], "and ", 600, 3) +
                                 Act("And act four illustrates", signposts[3], "and ", 600, 4);
    EXPECT_EQ(Take(), expected);
    EXPECT_TRUE(log->opened.empty());
}

TEST_F(ActSummary, AnIntuitiveStoryListsTheOtherStructuresVariationsForEveryThroughline) {
    form.Set({D::kIntuitive});
    Signposts("OC");
    composer->BuildActSummary(2);
    const std::string text = Take();
    EXPECT_TRUE(StartsWith(text, Act("In act one,", signposts[0], "", 800, 1))) << text;
    EXPECT_NE(text.find(Act("And act four illustrates", signposts[3], "and ", 800, 4)), std::string::npos);
    EXPECT_EQ(text.find("{SNF(61"), std::string::npos);
}

TEST_F(ActSummary, ASignpostWithoutAValueLeavesItsActOutAndTheOthersKeepTheirPhrases) {
    form.Set({D::kLogical});
    Signposts("PL");
    form.SetValueByCode("PLType2", -1);
    form.SetValueByCode("PLType4", 0);
    composer->BuildActSummary(3);
    EXPECT_EQ(Take(), Act("In act one,", signposts[0], "", 600, 1) +
                          Act("Act three focuses on", signposts[2], "and ", 600, 3));
}

TEST_F(ActSummary, WithoutAFirstSignpostTheClassComesFromTheDomainOrTheNextSignpost) {
    form.Set({D::kLogical});
    Signposts("MC");
    form.SetValueByCode("MCType1", 0);
    form.SetValueByCode("MCDom", IdOfCode("20000"));
    composer->BuildActSummary(1);
    const std::string fromDomain = Take();
    EXPECT_TRUE(StartsWith(fromDomain, Act("Act two concentrates on", signposts[1], "and ", 600, 2)))
        << fromDomain;

    form.SetValueByCode("MCDom", -1);
    composer->BuildActSummary(1);
    EXPECT_EQ(Take(), fromDomain);

    for (const char* key : {"MCType2", "MCType3", "MCType4"}) form.SetValueByCode(key, -1);
    composer->BuildActSummary(1);
    EXPECT_EQ(Take(), "  The signposts of this throughline are not chosen yet.");
}

}  // namespace
