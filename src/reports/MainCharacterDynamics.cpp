// The main character's dynamics in plain words (report id 61): growth, problem, approach, driver,
// limit, resolve, outcome and judgment, with key words chosen by the dynamics and set in bold, and
// the story's storytelling texts woven in after each story point.
//
// Template 1006, keys S1-S16, S21-S27 and S32-S54. Storytelling keys: "Direction", "Approach",
// "Work", "Limit", "Resolve", "Outcome", "Judgment", "MCCrFl", "MCPbm", "MCSol", "MCFoc", "MCDir",
// "MCUnRng", "STPbm" and "STSol". A sentence that rests on a dynamic not chosen yet (neither of its
// two values) gives way to one that says so (S37 to S53), and a story point not chosen yet reads as
// one ("a symptom not chosen yet"), each once, where it is first named: named again, what is not
// chosen is left out or spoken of without a value ("her problem"). The symptom and the response are
// each followed by their own storytelling, whatever the growth. The growth and the story's problem
// end their sentences with the two blanks of a sentence that goes on (S5 and S21 follow them), so
// that the texts after a storytelling block start their lines without one.

#include <string>

#include "reports/IOutlineWindow.h"
#include "reports/ReportComposer.h"
#include "reports/ReportDynamics.h"
#include "reports/ReportText.h"

namespace {

std::string Bold(const char* plain, const char* word) {
    return std::string(plain) + StyleCodeText("B+") + word + StyleCodeText("B-");
}

}  // namespace

void ReportComposer::BuildMainCharacterDynamics() {
    const ReportDynamics d(storyForm_);
    const bool change = d.change, good = d.good;
    const bool resolveChosen = d.ResolveChosen(), judgmentChosen = d.JudgmentChosen();
    const bool driverChosen = d.DriverChosen(), limitChosen = d.LimitChosen();
    const bool outcomeChosen = d.OutcomeChosen(), growthChosen = d.GrowthChosen();
    const bool approachChosen = d.ApproachChosen();
    const std::string driver = d.action ? Bold("take ", "Action") : Bold("make a ", "Decision");
    const std::string limit = d.timelock ? Bold("", "Time") : Bold("", "Options");
    const std::string resolve = change ? Bold("", "Changes") : Bold("", "continues");
    const std::string outcome = d.success ? Bold("", "Succeed") : Bold("", "Fail");

    Section t(*this, 1006);
    t.Keys({1, 2});
    if (growthChosen)
        t.Key(!resolveChosen ? 37 : change ? 3 : 4);
    else
        t.Key(!resolveChosen ? 52 : change ? 50 : 51);
    AppendStoryPoint("Direction", ".  ", false);
    t.Key(5);
    AppendStoryPoint("MCCrFl", ", ", true);
    t.Key(6);
    AppendStoryPoint("MCPbm", ".", false);
    t.Key(approachChosen ? 7 : 53);
    AppendStoryPoint("Approach", ".  ", false);
    if (driverChosen) {
        t.Key(8);
        AppendText(driver.c_str());
        AppendStoryPoint("Work", ".  ", false);
        t.Key(9);
        AppendFormatted("%s ", driver.c_str());
    } else {
        t.Key(40);
        AppendStoryPoint("Work", ".  ", false);
        t.Key(41);
    }
    if (limitChosen) {
        t.Key(10);
        AppendText(limit.c_str());
    } else {
        t.Key(42);
    }
    AppendStoryPoint("Limit", ".", false);
    t.Key(11);
    if (change || !resolveChosen) {
        t.Key(change ? 12 : 38);
        AppendText(ValueOr("MCFoc", "a symptom not chosen yet").c_str());
        AppendStoryPoint("MCFoc", ", ", true);
        t.Key(13);
        AppendText(ValueOr("MCDir", "a response not chosen yet").c_str());
        AppendStoryPoint("MCDir", ".  ", false);
    }
    if (!change) {
        t.Key(resolveChosen ? 14 : 39);
        AppendStoryPoint("MCPbm", " ", true);
        t.Key(15);
        AppendStoryPoint("MCSol", ".", false);
    }
    t.Keys({16, 36});
    AppendStoryPoint("STPbm", ".  ", false);
    // How the story ends, of the limit and the driver those that are chosen: the approach has said
    // which are not.
    if (limitChosen) {
        t.Key(21);
        AppendText(limit.c_str());
        AppendStoryPoint("Limit", driverChosen ? ", " : ".", driverChosen);
        if (driverChosen) {
            t.Key(22);
            AppendText(driver.c_str());
            AppendStoryPoint("Work", ".", false);
        }
    } else if (driverChosen) {
        t.Key(43);
        AppendText(driver.c_str());
        AppendStoryPoint("Work", ".", false);
    }
    t.Key(23);
    // What spurs the character on (a good judgment) or holds it back (a bad one): both while the
    // judgment is not chosen, which the outcome says. A critical flaw not chosen yet has been said
    // to be so (S5).
    const bool flawChosen = IsPointChosen("MCCrFl");
    bool opened = true;
    if (!judgmentChosen || good) {
        t.Key(24);
        AppendStoryPoint("MCUnRng", ", ", true);
        if (!judgmentChosen && flawChosen) {
            t.Key(45);
            AppendStoryPoint("MCCrFl", ", ", true);
        }
    } else if (flawChosen) {
        t.Key(27);
        AppendStoryPoint("MCCrFl", ", ", true);
    } else {
        opened = false;
    }
    if (resolveChosen) {
        t.Key(opened ? 25 : 46);
        AppendText(resolve.c_str());
        AppendStoryPoint("Resolve", " ", true);
        t.Key(26);
        const char* turn = change ? "STSol" : "STPbm";
        if (IsPointChosen(turn)) {
            AppendFormatted("{SNN(%s)}", turn);
        } else {
            // The story's problem not chosen yet has been said to be so (S36).
            AppendText(change ? "a solution not chosen yet" : "its problem");
        }
        AppendStoryPoint(change ? "STSol" : "STPbm", ".", false);
    } else {
        // The growth has said that the resolve is not chosen (S37): what turns on it is told either
        // way, and the writer's storytelling on the resolve follows under its name (S54).
        t.Key(opened ? 47 : 48);
        AppendText(", ");
        t.Key(44);
        AppendStoryPoint("STSol", ".  ", false);
        if (HasStoryPoint("Resolve")) {
            t.Key(54);
            AppendStoryPoint("Resolve", ".", false);
        }
    }
    if (outcomeChosen) {
        t.Key(32);
        AppendText(outcome.c_str());
    } else {
        t.Key(49);
    }
    AppendStoryPoint("Outcome", " ", true);
    t.Key(33);
    AppendStoryPoint("Judgment", ".", false);
    t.Key(34);
    if (owner_ && owner_->GetVocabularyOption()) {
        AppendRule(kRuleLength);
        t.Key(35);
    }
}
