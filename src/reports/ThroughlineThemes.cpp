// The throughline theme paragraphs: one paragraph of prose for each throughline's thematic story
// points (report ids 22, 24, 28 and 29), template texts between the story points, with a few
// words chosen from the storyform's dynamics.

#include <cstdint>
#include <string>
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
        case 1: return {"by changing the situation", "situation"};
        case 2: return {"by taking action", "activity"};
        case 3: return {"through manipulation", "manner of thinking"};
        default: return {"through adopting an attitude", "state of mind"};
    }
}

// What the Main Character's resolve comes to, after the words that name it ("Holding on to her
// first way of meeting her excess "): whether the story's problem is resolved (the outcome) and
// whether the character's own trouble is eased (the judgment). An outcome not chosen yet is said to
// be so, and with it the sentence is a question from its start (see BuildMainCharacterThemes); a
// judgment not chosen yet is left out, as the paragraph has said so where the question the story
// puts rests on it (S37).
std::string ResolveConsequence(const ReportDynamics& d) {
    const std::string own = "{PPN(MC,0,P1)} own trouble";
    const std::string problem =
        d.success ? "sees the story's problem resolved" : "does not see the story's problem resolved";
    const std::string trouble = (d.good ? "eases " : "does not ease ") + own;
    if (d.OutcomeChosen() && d.JudgmentChosen()) {
        if (d.failure && d.bad) return "neither sees the story's problem resolved nor eases " + own;
        return problem + (d.success == d.good ? " and " : " but ") + trouble;
    }
    if (d.OutcomeChosen()) return problem;
    if (d.JudgmentChosen())
        return trouble + ", though whether it sees the story's problem resolved is not chosen yet";
    return "sees the story's problem resolved is not chosen yet";
}

}  // namespace

void ReportComposer::BuildStoryThroughlineThemes() {
    const auto [row, column] = IssuePartners(storyForm_, kObjectiveStory);
    // The issue's neighbours are named only while the issue is chosen.
    const bool neighbours = row > 0 && column > 0;
    Section t(*this, 1000);
    t.Keys({1, 3, 5, 6, 8, 9});
    if (neighbours) {
        t.Key(25);
        AppendFormatted("{SNF(%hd)} and {SNF(%hd)}.  ", row, column);
    }
    t.Keys({11, 12});
    AppendStoryPoint("STDom", ", ", true);
    t.Key(13);
    AppendStoryPoint("STCon", ".  ", false);
    t.Key(14);
    AppendStoryPoint("STRng", " ", true);
    t.Key(23);
    AppendStoryPoint("STRng2", ".  ", false);
    t.Key(24);
    AppendStoryPoint("STCnft", ".  ", false);
    t.Key(15);
    if (neighbours) {
        t.Key(26);
        AppendFormatted("{SNF(%hd)} and {SNF(%hd)}.  ", row, column);
    }
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
    const bool neighbours = row > 0 && column > 0;
    Section t(*this, 1001);
    t.Keys({1, 2});
    AppendStoryPoint("PLRng", ".  ", false);
    t.Key(10);
    AppendStoryPoint("PLRng2", ".  ", false);
    t.Key(11);
    AppendStoryPoint("PLCnft", ".  ", false);
    if (neighbours) {
        t.Key(12);
        AppendFormatted("{SPN(%hd)} and {SPN(%hd)}", row, column);
        t.Key(3);
    }
    // The issue named again, seen whole; while it is not chosen, S2 has said so.
    if (ValueAt(storyForm_, kSubjectiveStory, kIssueOffset) > 0) {
        t.Key(4);
        AppendStoryPoint("PLRng", ".  ", false);
    }
    if (neighbours) {
        t.Key(5);
        AppendFormatted("{SPN(%hd)} and {SPN(%hd)}", row, column);
    } else {
        t.Key(13);
    }
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

// What rests on a dynamic not chosen yet says so instead (S36 to S43): the growth (S7 to S9, S24
// and S25, S28), the question the story puts (S10 to S17, resting on growth, resolve, judgment and
// limit), the fit of approach and driver (S18 to S21) and what the resolve comes to (S28 to S30,
// resting on the resolve; the outcome and the judgment it comes to are told in words each, and
// told while the resolve is not chosen yet).
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
    const char* interest = misfit ? "not comfortable working" : "also interested in working";
    const char* role = misfit ? "dragged along" : "indispensable";
    const char* reaction = misfit ? "avoid" : "resist";
    const char* preposition = !d.FitChosen() ? "by" : misfit ? "with" : "in";
    // What the character's resolve comes to: holding on to the first way, or letting go of it.
    const bool endChosen = d.OutcomeChosen() || d.JudgmentChosen();
    const char* resolveWords = d.change ? (endChosen ? "Letting go of" : "Whether letting go of")
                                        : (endChosen ? "Holding on to" : "Whether holding on to");

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
    if (!d.ResolveChosen() && endChosen) {
        // Whichever way the resolve goes, the outcome and the judgment chosen stand.
        t.Key(43);
        word(ResolveConsequence(d).c_str());
        t.Key(30);
    } else if (!d.ResolveChosen()) {
        t.Key(41);
    } else {
        word(resolveWords);
        if (d.GrowthChosen()) {
            t.Key(28);
            word(shortAmount);
            t.Key(29);
        } else {
            t.Key(42);
        }
        word(ResolveConsequence(d).c_str());
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
    // The way of working follows from the class of the impact character's problem, which is the
    // class of its throughline's domain. A problem chosen or settled while the domain is open holds
    // its element in the first class, which says nothing of the class: the domain gives it.
    const std::int16_t placed = ValueAt(storyForm_, kObstacleCharacter, kDomainOffset);
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
    if (placed > 0) {
        const ImpactMethod way = MethodOfClass(ElementClassDigit(placed));
        AppendText(way.method);
        t.Key(5);
        AppendFormatted("\"%s\"", way.domain);
    } else {
        t.Key(16);
    }
    t.Key(6);
    AppendStoryPoint("OCDom", ", ", true);
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
