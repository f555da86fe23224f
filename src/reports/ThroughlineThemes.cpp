// The throughline theme paragraphs: one paragraph of prose for each throughline's thematic story
// points (report ids 22, 24, 28 and 29), template texts between the story points, with a few
// words chosen from the storyform's dynamics.

#include <cstdint>
#include <utility>

#include "reports/ReportComposer.h"
#include "reports/ReportDynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/SuperClassUser.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

// The throughline structure the issue partners are looked up in.
constexpr std::uint16_t kPartnerStructure = 4;


std::int16_t ValueAt(IStoryForm* form, int throughline, int offset) {
    return form ? form->GetValueAt(ThroughlineStoryPointIndex(throughline, offset)) : 0;
}

// The issue's partner in its quad's row (pair kind 1) and column (pair kind 2), as the storyform's
// structure places them; both 0 while the issue is not chosen.
std::pair<std::int16_t, std::int16_t> IssuePartners(IStoryForm* form, int throughline) {
    const std::int16_t issue = ValueAt(form, throughline, kIssueOffset);
    const ElementRecord* row = issue > 0 ? ElementRecordByID(issue) : nullptr;
    if (!row) return {0, 0};
    SuperClassUser user(*form, kPartnerStructure);
    ThroughlineStructure* structure = user.GetStructure();
    if (!structure) return {0, 0};
    const auto partner = [&](int pairKind) -> std::int16_t {
        StructureCode code{};
        if (!QuadPartnerCode(1, pairKind, row->code, code)) return 0;
        const StructureNode* node = ThroughlineNodeForCode(*structure, code.data());
        return node ? static_cast<std::int16_t>(node->elementID) : 0;
    };
    return {partner(1), partner(2)};
}

// How the impact character works on others, by the class of the impact character's problem.
struct ImpactMethod {
    const char* method;
    const char* domain;
};

ImpactMethod MethodOfClass(int classDigit) {
    switch (classDigit) {
        case 0: return {"in a way not chosen yet", "not chosen yet"};
        case 1: return {"by changing the situation", "situation"};
        case 2: return {"by taking action", "activity"};
        case 3: return {"through manipulation", "manner of thinking"};
        default: return {"through adopting an attitude", "state of mind"};
    }
}

}  // namespace

void ReportComposer::BuildStoryThroughlineThemes() {
    const auto [row, column] = IssuePartners(storyForm_, kObjectiveStory);
    Section t(*this, 1000);
    t.Keys({1, 3, 5, 6, 8, 9});
    AppendFormatted("{SNF(%hd)} and {SNF(%hd)}.  ", row, column);
    t.Keys({11, 12});
    AppendStoryPoint("STDom", " ", true);
    t.Key(13);
    AppendStoryPoint("STCon", ".  ", false);
    t.Key(14);
    AppendStoryPoint("STRng", " ", true);
    t.Key(23);
    AppendStoryPoint("STRng2", ".  ", false);
    t.Key(24);
    AppendStoryPoint("STCnft", ".  ", false);
    t.Key(15);
    AppendFormatted("{SNF(%hd)} and {SNF(%hd)}.  ", row, column);
    t.Key(16);
    AppendStoryPoint("STPbm", " ", true);
    t.Key(17);
    AppendStoryPoint("STSol", ", ", true);
    t.Key(18);
    AppendStoryPoint("STFoc", " ", true);
    t.Key(19);
    AppendStoryPoint("STDir", ".  ", false);
    t.Key(20);
    AppendStoryPoint("STUnRng", ", ", true);
    t.Key(21);
    AppendStoryPoint("STCrFl", ", ", true);
    t.Key(22);
    AppendStoryPoint("STStp", ".  ", false);
    AppendClosingNotes({1070, 1071});
}

void ReportComposer::BuildSubjectiveThroughlineThemes() {
    const auto [row, column] = IssuePartners(storyForm_, kSubjectiveStory);
    Section t(*this, 1001);
    t.Keys({1, 2});
    AppendStoryPoint("PLRng", ".  ", false);
    t.Key(10);
    AppendStoryPoint("PLRng2", ".  ", false);
    t.Key(11);
    AppendStoryPoint("PLCnft", ".  ", false);
    t.Key(12);
    AppendFormatted("{SPN(%hd)} and {SPN(%hd)}", row, column);
    t.Keys({3, 4});
    AppendStoryPoint("PLRng", ".  ", false);
    t.Key(5);
    AppendFormatted("{SPN(%hd)} and {SPN(%hd)}", row, column);
    t.Key(6);
    AppendStoryPoint("PLFoc", ".  ", false);
    t.Key(7);
    AppendStoryPoint("PLUnRng", ", ", true);
    t.Key(8);
    AppendStoryPoint("PLCrFl", ", ", true);
    t.Key(9);
    AppendStoryPoint("PLStp", ".  ", false);
    AppendClosingNotes({1072});
}

// What rests on a dynamic not chosen yet says so instead (S36 to S42): the growth (S7 to S9, S24
// and S25, S28), the question the story puts (S10 to S17, resting on growth, resolve, judgment and
// limit), the fit of approach and driver (S18 to S21) and what holding on does to the story's
// problem (S28 to S30, resting on resolve and judgment).
void ReportComposer::BuildMainCharacterThemes() {
    const ReportDynamics d(storyForm_);
    // Growth: too much of something, or too little.
    const char* amount = d.stop ? "an over abundance" : "a deficiency";
    const char* shortAmount = d.stop ? "excess" : "lack";
    const char* noun = d.stop ? "over abundance" : "deficiency";
    const char* pull = d.stop ? "drives" : "pulls";
    // Limit: how the story is brought to its end.
    const char* deadline = d.timelock ? "in time" : "before {PPN(MC,0,P1)} options run out";
    const char* wait = d.timelock ? "long enough" : "until all the pieces are in place";
    // Whether the character's approach fits the story's driver.
    const bool misfit = (d.doer && d.decision) || (d.beer && d.action);
    const char* interest = misfit ? "not comfortable with the approach" : "also interested in working";
    const char* role = misfit ? "dragged along" : "indispensable";
    const char* reaction = misfit ? "avoid" : "resist";
    const char* preposition = !d.FitChosen() ? "by" : misfit ? "with" : "in";
    // What the character's resolve does to the story's problem.
    const bool prevents = d.change ? d.good : !d.good;
    const char* effect = prevents ? "prevents" : "allows";
    const char* being = prevents ? "from being" : "to be";

    Section t(*this, 1002);
    const auto word = [this](const char* text) { AppendText(text); };
    t.Keys({1, 3, 5});
    if (d.GrowthChosen()) {
        t.Key(7);
        word(pull);
        t.Key(8);
        word(amount);
        t.Key(9);
    } else {
        t.Key(36);
    }
    if (!d.GrowthChosen() || !d.ResolveAndJudgmentChosen() || !d.LimitChosen()) {
        t.Key(37);
    } else if (d.ResolveMatchesJudgment()) {
        t.Key(10);
        word(shortAmount);
        t.Key(11);
        word(noun);
        t.Key(12);
        AppendFormatted("%s?", deadline);
        t.Key(13);
    } else {
        t.Key(14);
        word(shortAmount);
        t.Key(15);
        word(noun);
        t.Key(16);
        AppendFormatted("%s?", wait);
        t.Key(17);
    }
    if (d.FitChosen()) {
        t.Key(18);
        word(interest);
        t.Key(19);
        word(role);
        t.Key(20);
        word(reaction);
        t.Key(21);
    } else {
        t.Keys({38, 39});
    }
    AppendStoryPoint("MCDom", ", ", true);
    t.Key(22);
    AppendStoryPoint("MCCon", ".  ", false);
    t.Key(23);
    AppendStoryPoint("MCRng", ", ", true);
    t.Key(34);
    AppendStoryPoint("MCRng2", ".  ", false);
    t.Key(35);
    AppendStoryPoint("MCCnft", ".  ", false);
    if (d.GrowthChosen()) {
        t.Key(24);
        word(amount);
        t.Key(25);
    } else {
        t.Key(40);
    }
    AppendStoryPoint("MCPbm", ", ", true);
    t.Key(26);
    AppendStoryPoint("MCFoc", " ", true);
    t.Key(27);
    AppendStoryPoint("MCDir", ".  ", false);
    if (!d.ResolveAndJudgmentChosen()) {
        t.Key(41);
    } else {
        if (d.GrowthChosen()) {
            t.Key(28);
            word(shortAmount);
            t.Key(29);
        } else {
            t.Key(42);
        }
        AppendFormatted("%s the story's problem %s", effect, being);
        t.Key(30);
    }
    word(preposition);
    t.Key(31);
    AppendStoryPoint("MCUnRng", ".  ", false);
    t.Key(32);
    AppendStoryPoint("MCCrFl", ".  ", false);
    t.Key(33);
    AppendStoryPoint("MCStp", ".", false);
    AppendClosingNotes({1073});
}

void ReportComposer::BuildImpactCharacterThemes() {
    const ReportDynamics d(storyForm_);
    const std::int16_t problem = ValueAt(storyForm_, kObstacleCharacter, kProblemOffset);
    const ImpactMethod way = MethodOfClass(problem > 0 ? ElementClassDigit(problem) : 0);
    const bool wrong = d.ResolveMatchesJudgment();

    Section t(*this, 1003);
    t.Key(1);
    if (d.ResolveAndJudgmentChosen()) {
        t.Key(2);
        AppendText(wrong ? "wrong" : "right");
        t.Key(3);
        AppendText(wrong ? "better" : "worse");
        t.Key(4);
    } else {
        t.Key(15);
    }
    AppendText(way.method);
    t.Key(5);
    AppendFormatted("\"%s\"", way.domain);
    t.Key(6);
    AppendStoryPoint("OCDom", " ", true);
    t.Key(7);
    AppendStoryPoint("OCCon", ".  ", false);
    t.Key(8);
    AppendStoryPoint("OCRng", " ", true);
    t.Key(13);
    AppendStoryPoint("OCRng2", ".  ", false);
    t.Key(14);
    AppendStoryPoint("OCCnft", ".  ", false);
    t.Key(9);
    AppendStoryPoint("OCPbm", " ", true);
    t.Key(10);
    AppendStoryPoint("OCSol", ".  ", false);
    t.Key(11);
    AppendStoryPoint("OCUnRng", ", ", true);
    t.Key(12);
    AppendStoryPoint("OCCrFl", ".", false);
    AppendClosingNotes({1074});
}
