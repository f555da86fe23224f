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
    // The value of the story point, in the story and in the storyform the builders read alike.
    void Choose(const char* code, std::int16_t value) {
        form.SetValueByCode(code, value);
        story->StoryForm().SetValueAt(StoryPointIndexForCode(code), value);
    }
    static std::string Rule() { return "\n" + std::string(30, '_') + "\n"; }
    // The storytelling block of a story point (with "..." when the sentence goes on).
    static std::string Told(const char* key, bool continues) {
        return ":\n\n" + Code("M(40,40,40)") + "{STF(" + key + ")}\n\n" + Code("M(0,0,0)") +
               (continues ? "..." : "");
    }
};

TEST_F(Narratives, MainCharacterSteadfastTimelockActionSuccessGood) {
    form.Set({D::kSteadfast, D::kTimelock, D::kAction, D::kSuccess, D::kGood, D::kStart, D::kDoer});
    Choose("STPbm", 85);
    const std::string driver = "take " + B("Action"), limit = B("Time");
    const std::string expected = "[S1][S2][S4].  [S5], [S6].[S7].  [S8]" + driver + ".  [S9]" + driver +
                                 " [S10]" + limit + ".[S11][S14] [S15].[S16][S36].  [S21]" + limit +
                                 ", [S22]" + driver + ".[S23][S24], [S25]" + B("continues") +
                                 " [S26]{SNN(STPbm)}.[S32]" + B("Succeed") + " [S33].[S34]";
    EXPECT_EQ(Build(&ReportComposer::BuildMainCharacterDynamics), expected);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1006}));
}

TEST_F(Narratives, MainCharacterChangeStopDecisionFailureBadWithTextsAndVocabulary) {
    form.Set({D::kChange, D::kStop, D::kDecision, D::kOptionlock, D::kFailure, D::kBad, D::kBeer});
    owner.vocabulary = 1;
    composer->SetShowStorytelling(1);
    Tell("MCDir", "towards");
    Tell("MCFoc", "at");
    for (const char* code : {"MCFoc", "MCDir", "STSol", "MCCrFl"}) Choose(code, 86);
    const std::string driver = "make a " + B("Decision"), limit = B("Options");
    // With Stop as with Start, the focus is followed by its own text and the direction by its own.
    const std::string expected = "[S1][S2][S3].  [S5], [S6].[S7].  [S8]" + driver + ".  [S9]" + driver +
                                 " [S10]" + limit + ".[S11][S12]{SNF(MCFoc)}" + Told("MCFoc", true) +
                                 "[S13]{SNF(MCDir)}" + Told("MCDir", false) + "[S16][S36].  [S21]" + limit +
                                 ", [S22]" + driver + ".[S23][S27], [S25]" + B("Changes") +
                                 " [S26]{SNN(STSol)}.[S32]" + B("Fail") + " [S33].[S34]" + Rule() + "[S35]";
    EXPECT_EQ(Build(&ReportComposer::BuildMainCharacterDynamics), expected);

    form.Set({D::kChange, D::kStart});
    const std::string started = Build(&ReportComposer::BuildMainCharacterDynamics);
    EXPECT_NE(
        started.find("[S12]{SNF(MCFoc)}" + Told("MCFoc", true) + "[S13]{SNF(MCDir)}" + Told("MCDir", false)),
        std::string::npos)
        << started;
    // Points not chosen yet read as such, the storytelling still after them.
    for (const char* code : {"MCFoc", "MCDir", "STSol"}) Choose(code, 0);
    const std::string unchosen = Build(&ReportComposer::BuildMainCharacterDynamics);
    EXPECT_NE(unchosen.find("[S12]a symptom not chosen yet" + Told("MCFoc", true) + "[S13]a response not chosen yet" +
                            Told("MCDir", false)),
              std::string::npos)
        << unchosen;
    EXPECT_NE(unchosen.find("[S26]a solution not chosen yet."), std::string::npos) << unchosen;
}

TEST_F(Narratives, PlotDynamicsOfAnActionTimelockSuccessGoodStory) {
    form.Set({D::kAction, D::kTimelock, D::kSuccess, D::kGood});
    const std::string expected =
        "[S1][S3]taken[S4]deliberate and ultimately decide.  [S5]decisions would never be made [S6]taken[S7]"
        "decision[S8][S10]time[S11]a " +
        B("Timelock") +
        "[S12]running out of options but as a running out of time[S13]time is[S27][S28]is[S15]been "
        "achieved[S16][S18]"
        "[S19]and the Main Character's personal anguish is resolved as well: both the effort and "
        "{PPN(MC,0,P1)} own struggle end well[S32][S34][S33]decisions to be made.  [S21]" +
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
        "[S12]ticking clock but as a closing down of options[S13]options are[S27][S28]is "
        "NOT[S15]occurred[S16][S18]"
        "[S19]but the Main Character's personal anguish is resolved: the effort fails, yet {PPN(MC,0,P1)} "
        "own struggle ends well[S32][S34][S33]actions to be taken.  [S21]all " +
        B("Options") + " have been exhausted.  [S22]" + Told("Outcome", true) + "[S23].[S24]";
    EXPECT_EQ(Build(&ReportComposer::BuildPlotDynamicsNarrative), expected);

    form.Set({D::kFailure, D::kBad});
    const std::string failed = Build(&ReportComposer::BuildPlotDynamicsNarrative);
    EXPECT_NE(
        failed.find("[S18][S19]and the Main Character's personal anguish is left unresolved as well: both "
                    "the effort and {PPN(MC,0,P1)} own struggle end badly[S32]"),
        std::string::npos)
        << failed;
}

TEST_F(Narratives, CharacterSynopsisWithNoDynamicChosenSaysSoInsteadOfTakingTheSecondWords) {
    const std::string expected =
        "[S1][S21][S22], [S10].  [S11], [S12].  [S13] [S14], [S15] [S16].\n\n";
    EXPECT_EQ(Build(&ReportComposer::BuildCharacterDynamicsSynopsis), expected);
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1014}));
}

TEST_F(Narratives, CharacterSynopsisGivesEachSentenceWhoseDynamicsAreChosen) {
    // Growth and resolve chosen: the growth's sentence; outcome and judgment not: what rests on them
    // is said to be not chosen.
    form.Set({D::kChange, D::kStop});
    EXPECT_EQ(Build(&ReportComposer::BuildCharacterDynamicsSynopsis),
              "[S1][S2][S3] not [S4][S22], [S10].  [S11], [S12].  [S13] [S14], [S15] [S16].  [S23][S29].\n\n");
    // Outcome and judgment chosen, resolve not: what comes of the effort and of the problem, and the
    // closing sentence, but no verdict on who was right.
    form.Set({D::kSuccess, D::kGood, D::kStop});
    const std::string ended = Build(&ReportComposer::BuildCharacterDynamicsSynopsis);
    EXPECT_TRUE(StartsWith(ended, "[S1][S21][S5][S6]and {CNN(MC,NM)} resolves[S25], [S10].")) << ended;
    EXPECT_NE(ended.find("[S17][S18], and {CNN(MC,NM)} has succeeded in resolving[S19].\n\n"), std::string::npos)
        << ended;
    // The judgment without the outcome: only what comes of the effort waits; what comes of the
    // personal problem and who had it right are said.
    form.Set({D::kSteadfast, D::kBad});
    EXPECT_TRUE(StartsWith(Build(&ReportComposer::BuildCharacterDynamicsSynopsis),
                           "[S1][S21][S26]{CNNU(MC,NM)} fails to resolve[S8]was[S9], [S10]."));
    // The outcome without the judgment: what comes of the effort is said, and only the rest waits.
    form.Set({D::kSteadfast, D::kFailure});
    EXPECT_TRUE(StartsWith(Build(&ReportComposer::BuildCharacterDynamicsSynopsis),
                           "[S1][S21][S5]not [S6][S27], [S10]."));
}

TEST_F(Narratives, CharacterSynopsisOfAChangeStopSuccessGoodStoryEndsWithTheRuleAndS20) {
    form.Set({D::kChange, D::kStop, D::kSuccess, D::kGood});
    owner.vocabulary = 1;
    const std::string expected =
        "[S1][S2][S3] not [S4][S5][S6]and {CNN(MC,NM)} resolves[S8]was[S9], [S10].  [S11], [S12].  [S13] "
        "[S14], "
        "[S15] [S16].  [S17][S18][S35], and {CNN(MC,NM)} has succeeded in resolving[S19].\n\n" +
        Rule() + "[S20]";
    EXPECT_EQ(Build(&ReportComposer::BuildCharacterDynamicsSynopsis), expected);

    // Steadfast and Start fit as Change and Stop do; Failure with Bad as Success with Good.
    form.Set({D::kSteadfast, D::kStart, D::kFailure, D::kBad});
    owner.vocabulary = 0;
    const std::string steadfast = Build(&ReportComposer::BuildCharacterDynamicsSynopsis);
    EXPECT_TRUE(StartsWith(steadfast,
                           "[S1][S2][S3] not [S4][S5]not [S6]and {CNN(MC,NM)} fails to resolve[S8]was[S9]"))
        << steadfast;
    EXPECT_NE(steadfast.find("[S18][S35], and {CNN(MC,NM)} has failed to resolve[S19].\n\n"), std::string::npos);
    EXPECT_EQ(steadfast.find("[S20]"), std::string::npos);
}

TEST_F(Narratives, CharacterSynopsisWeavesInTheTwoCharactersTexts) {
    composer->SetShowStorytelling(1);
    Tell("MCCon", "his worry");
    Tell("OCCrFl", "her flaw");
    form.Set({D::kChange, D::kStop, D::kSuccess, D::kGood});
    const std::string text = Build(&ReportComposer::BuildCharacterDynamicsSynopsis);
    EXPECT_NE(text.find("[S9]" + Told("MCCon", true) + "[S10].  [S11]"), std::string::npos) << text;
    EXPECT_NE(text.find("[S16]" + Told("OCCrFl", false) + "[S17]"), std::string::npos) << text;
    // The sentence that says the ending is not chosen ends on the Main Character's concern too; with
    // nothing of the end chosen there is no closing sentence, and the writer's storytelling on the
    // resolve not chosen yet follows under the resolve's name.
    form.Set({});
    Tell("Resolve", "her resolve");
    const std::string unchosen = Build(&ReportComposer::BuildCharacterDynamicsSynopsis);
    EXPECT_NE(unchosen.find("[S22]" + Told("MCCon", true) + "[S10].  [S11]"), std::string::npos) << unchosen;
    EXPECT_NE(unchosen.find("[S16]" + Told("OCCrFl", false) + "[S30]" + Told("Resolve", false) + "\n\n"),
              std::string::npos)
        << unchosen;
}

TEST_F(Narratives, TheTypeSummaryContrastsSixPairsInEachOfTheFourActs) {
    // A signpost not chosen yet reads as one, in its place in each sentence.
    EXPECT_NE(Build(&ReportComposer::BuildThroughlineTypeSummary)
                  .find("An analytical look at a signpost not chosen yet is contrasted with a passionate "
                        "exploration of a signpost not chosen yet.\n\n"),
              std::string::npos);
    for (const char* throughline : {"ST", "MC", "OC", "PL"})
        for (const char* act : {"1", "2", "3", "4"}) Choose((throughline + std::string("Type") + act).c_str(), 5);
    log->opened.clear();
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
        "{CNNU(MC,NM)}'s view of {SNF(MCType2)} is contrasted with {CNN(OC,NM)}'s impact on "
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

// The act summaries over a storyform whose shown structure (structure 1) holds the variation quads
// of the types 21000 and 23000 at each other's codes, the quad of 23000 turned by one place; the two
// other structures are numbered by code, so that a variation listed from them would show.
class ActSummary : public Narratives {
protected:
    void SetUp() override {
        Narratives::SetUp();
        for (int type = 1; type <= 4; ++type) {
            for (int variation = 1; variation <= 4; ++variation) {
                const std::string code = "2" + std::to_string(type) + std::to_string(variation) + "00";
                NodeForCode(form.structures[1], code.c_str())->elementID =
                    static_cast<std::uint16_t>(800 + 10 * type + variation);
                NodeForCode(form.structures[2], code.c_str())->elementID =
                    static_cast<std::uint16_t>(600 + 10 * type + variation);
            }
        }
        ThroughlineStructure& shown = form.structures[0];
        for (int position = 1; position <= 4; ++position) {
            const std::string first = "21" + std::to_string(position) + "00";
            const std::string third = "23" + std::to_string(position) + "00";
            const std::string turned = "23" + std::to_string(position % 4 + 1) + "00";
            NodeForCode(shown, first.c_str())->elementID =
                static_cast<std::uint16_t>(IdOfCode(turned.c_str()));
            NodeForCode(shown, third.c_str())->elementID =
                static_cast<std::uint16_t>(IdOfCode(first.c_str()));
        }
        signposts = {IdOfCode("23000"), IdOfCode("21000"), IdOfCode("24000"), IdOfCode("22000")};
    }
    void Signposts(const char* prefix) {
        for (int act = 0; act < 4; ++act)
            form.SetValueByCode((std::string(prefix) + "Type" + std::to_string(act + 1)).c_str(),
                                signposts[static_cast<std::size_t>(act)]);
    }
    // The variations of the codes given, as a sentence lists them.
    static std::string Listed(const std::array<const char*, 4>& variations) {
        std::string listed;
        for (std::size_t v = 0; v < 4; ++v)
            listed += std::string(v == 3 ? "and " : "") + "{SNF(" + std::to_string(IdOfCode(variations[v])) +
                      ")}" + (v < 3 ? ", " : "");
        return listed;
    }
    // The act's sentence, listing the variations of the codes given.
    std::string Act(const char* phrase, std::int16_t signpost, const char* and_,
                    const std::array<const char*, 4>& variations) {
        const std::string id = std::to_string(signpost);
        return std::string("  ") + phrase + " \"{SDF(" + id + ")}\" ({SNF(" + id + ")}) " + and_ +
               "is explored in terms of " + Listed(variations) + ".";
    }
    // The variations of each signpost above, in the order of their quad in the shown structure.
    static constexpr std::array<const char*, 4> kOfFirst = {"23200", "23300", "23400", "23100"};
    static constexpr std::array<const char*, 4> kOfSecond = {"21100", "21200", "21300", "21400"};
    static constexpr std::array<const char*, 4> kOfThird = {"24100", "24200", "24300", "24400"};
    static constexpr std::array<const char*, 4> kOfFourth = {"22100", "22200", "22300", "22400"};
    std::string AllActs() {
        return Act("In act one,", signposts[0], "", kOfFirst) +
               Act("Act two concentrates on", signposts[1], "and ", kOfSecond) +
               Act("Act three focuses on", signposts[2], "and ", kOfThird) +
               Act("And act four illustrates", signposts[3], "and ", kOfFourth);
    }
    std::array<std::int16_t, 4> signposts{};
};

TEST_F(ActSummary, TheVariationsOfATypeAreListedAsFourInTheOrderGiven) {
    composer->AppendTypeVariations({632, 634, 631, 633});
    EXPECT_EQ(Take(), "{SNF(632)}, {SNF(634)}, {SNF(631)}, and {SNF(633)}");
}

// Each act lists its own signpost's variations, found where the storyform's arrangement has put
// them and in that order, not the variations at the act's position of the signpost's class.
TEST_F(ActSummary, EachActNamesItsSignpostAndItsOwnVariationsInTheShownStructuresOrder) {
    form.Set({D::kLogical});
    Signposts("ST");
    composer->BuildActSummary(0);
    EXPECT_EQ(Take(), AllActs());
    EXPECT_TRUE(log->opened.empty());
}

// The structure shown is the one arranged for the storyform's problem-solving style already:
// either style lists from it, for every throughline.
TEST_F(ActSummary, EitherProblemSolvingStyleListsFromTheStructureShownForEveryThroughline) {
    for (const D style : {D::kLogical, D::kIntuitive}) {
        form.Set({style});
        Signposts("OC");
        composer->BuildActSummary(2);
        const std::string text = Take();
        EXPECT_EQ(text, AllActs());
        EXPECT_EQ(text.find("{SNF(6"), std::string::npos);
        EXPECT_EQ(text.find("{SNF(8"), std::string::npos);
    }
}

// Where the shown structure holds a type's variations in no quad of their own, the theory's table
// lists them.
TEST_F(ActSummary, VariationsTheShownStructureScattersAreListedInTheTablesOrder) {
    form.Set({D::kLogical});
    Signposts("ST");
    std::swap(NodeForCode(form.structures[0], "21200")->elementID,
              NodeForCode(form.structures[0], "24200")->elementID);
    composer->BuildActSummary(0);
    const std::string text = Take();
    EXPECT_NE(text.find(Act("Act three focuses on", signposts[2], "and ", kOfThird)), std::string::npos)
        << text;
    EXPECT_NE(text.find("is explored in terms of " + Listed({"23100", "23200", "23300", "23400"}) + "."),
              std::string::npos)
        << text;
}

// The acts whose signposts have no value are said not to be chosen yet, in one sentence after the
// others, which keep their phrases.
TEST_F(ActSummary, ASignpostWithoutAValueIsSaidNotChosenAfterTheOthersThatKeepTheirPhrases) {
    form.Set({D::kLogical});
    Signposts("PL");
    form.SetValueByCode("PLType2", -1);
    form.SetValueByCode("PLType4", 0);
    composer->BuildActSummary(3);
    EXPECT_EQ(Take(), Act("In act one,", signposts[0], "", kOfFirst) +
                          Act("Act three focuses on", signposts[2], "and ", kOfThird) +
                          "  What acts two and four deal with is not chosen yet.");
    // Act four after an open act three opens a sentence of its own.
    Signposts("PL");
    form.SetValueByCode("PLType3", 0);
    composer->BuildActSummary(3);
    EXPECT_EQ(Take(), Act("In act one,", signposts[0], "", kOfFirst) +
                          Act("Act two concentrates on", signposts[1], "and ", kOfSecond) +
                          Act("Act four illustrates", signposts[3], "and ", kOfFourth) +
                          "  What act three deals with is not chosen yet.");
}

// A first signpost without a value takes nothing from the others: the next act lists its own
// type's variations; with no signpost at all one sentence says that no act's is chosen yet.
TEST_F(ActSummary, WithoutAFirstSignpostTheNextActsListTheirOwnAndWithoutAnyTheSentenceSaysSo) {
    form.Set({D::kLogical});
    Signposts("MC");
    form.SetValueByCode("MCType1", 0);
    form.SetValueByCode("MCDom", IdOfCode("20000"));
    composer->BuildActSummary(1);
    const std::string withoutFirst = Take();
    EXPECT_TRUE(StartsWith(withoutFirst, Act("Act two concentrates on", signposts[1], "and ", kOfSecond)))
        << withoutFirst;
    EXPECT_TRUE(withoutFirst.ends_with(".  What act one deals with is not chosen yet.")) << withoutFirst;

    form.SetValueByCode("MCDom", -1);
    composer->BuildActSummary(1);
    EXPECT_EQ(Take(), withoutFirst);

    for (const char* key : {"MCType2", "MCType3", "MCType4"}) form.SetValueByCode(key, -1);
    composer->BuildActSummary(1);
    EXPECT_EQ(Take(), "  What this throughline deals with in each act is not chosen yet.");
    // A domain alone is no signpost.
    form.SetValueByCode("MCDom", IdOfCode("20000"));
    composer->BuildActSummary(1);
    EXPECT_EQ(Take(), "  What this throughline deals with in each act is not chosen yet.");
}

}  // namespace
