// The plot dynamics in prose (report id 18): the driver (action or decision), the limit (timelock
// or optionlock), the outcome (success or failure) and the judgment (good or bad), with words
// chosen by the dynamics between the template's texts, and the story points that fill them in.
//
// Template 1010, keys S1, S3-S8, S10-S13, S15, S16, S18, S19 and S21-S39. Storytelling keys:
// "Work", "Limit", "Outcome" and "Judgment". A sentence that rests on a dynamic not chosen yet
// (neither of its two values) gives way to one that says so (S25, S26, S29-S31), and the summary
// that closes the report names only the dynamics chosen.
//
// Three word choices differ from the plain pairing so that the sentences read as English: the
// judgment tells of the Main Character's own anguish, resolved or left unresolved, not of what the
// outcome does to the character, and beside the outcome it says what the two together make of the
// end ("the plot ends in Success, but the Main Character's personal anguish is left unresolved: the
// effort succeeds at the price of her peace"); what the driving steps call for is "decisions to be
// made" or "actions to be taken"; and the limit is felt "not as a ticking clock but as a closing
// down of options" (or the other way round), the two halves alike.

#include <string>

#include "reports/ReportComposer.h"
#include "reports/ReportDynamics.h"
#include "reports/ReportText.h"

void ReportComposer::BuildPlotDynamicsNarrative() {
    const ReportDynamics d(storyForm_);
    const bool action = d.action, optionlock = d.optionlock, success = d.success, good = d.good;
    const std::string bold = StyleCodeText("B+"), plain = StyleCodeText("B-");

    const char* d1 = action ? "taken" : "made";
    const char* d2 = action ? "deliberate" : "respond";
    const char* d3 = action ? "decide" : "take action";
    const char* d4 = action ? "decision" : "action";
    const char* d5 = action ? "made" : "taken";
    const char* l1 = optionlock ? "options are" : "time is";
    const char* l2 = optionlock ? "options" : "time";
    const std::string l3 =
        optionlock ? "an " + bold + "Optionlock" + plain : "a " + bold + "Timelock" + plain;
    const char* l4 = optionlock ? "ticking clock" : "running out of options";
    const char* l5 = optionlock ? "a closing down of options" : "a running out of time";
    const std::string l6 = optionlock ? "all " + bold + "Options" + plain + " have been exhausted"
                                      : bold + "Time" + plain + " has run out";
    const char* o1 = success ? "is" : "is NOT";
    const char* o2 = success ? "been achieved" : "occurred";
    const char* j1 = good ? "is resolved" : "is left unresolved";
    const bool alike = success == good;
    const char* o3 = alike ? "and" : "but";
    const char* o4 = alike ? " as well" : "";
    const char* together = success ? (good ? "both the effort and {PPN(MC,0,P1)} own struggle end well"
                                           : "the effort succeeds at the price of {PPN(MC,0,P1)} peace")
                                   : (good ? "the effort fails, yet {PPN(MC,0,P1)} own struggle ends well"
                                           : "both the effort and {PPN(MC,0,P1)} own struggle end badly");

    const bool driverChosen = d.DriverChosen(), limitChosen = d.LimitChosen();
    const bool outcomeChosen = d.OutcomeChosen(), judgmentChosen = d.JudgmentChosen();

    Section t(*this, 1010);
    t.Key(1);
    if (driverChosen) {
        t.Key(3);
        AppendText(d1);
        t.Key(4);
        AppendFormatted("%s and ultimately %s.  ", d2, d3);
        t.Key(5);
        AppendFormatted("%ss would never be %s ", d4, d5);
        t.Key(6);
        AppendText(d1);
        t.Key(7);
        AppendText(d4);
        t.Key(8);
    } else {
        t.Key(25);
    }

    if (limitChosen) {
        t.Key(10);
        AppendText(l2);
        t.Key(11);
        AppendText(l3.c_str());
        t.Key(12);
        AppendFormatted("%s but as %s", l4, l5);
        t.Key(13);
        AppendText(l1);
        t.Key(27);
    } else {
        t.Key(26);
    }

    if (outcomeChosen) {
        t.Key(28);
        AppendText(o1);
        t.Key(15);
        AppendText(o2);
    } else {
        t.Key(29);
    }
    t.Key(16);
    if (!judgmentChosen) {
        t.Key(30);
    } else if (outcomeChosen) {
        t.Key(18);
        t.Key(19);
        AppendFormatted("%s the Main Character's personal anguish %s%s: %s", o3, j1, o4, together);
        t.Key(32);
    } else {
        t.Key(31);
        AppendText(j1);
        t.Key(32);
    }

    // In short: the dynamics chosen, each followed by the writer's storytelling. One not chosen yet
    // was said to be so in its own paragraph; here it only heads the writer's storytelling, if any.
    const auto appendOpen = [&](std::int16_t key, const char* point) {
        if (!HasStoryPoint(point)) return;
        t.Key(key);
        AppendStoryPoint(point, ".  ", false);
    };
    const bool chosen = driverChosen || limitChosen || outcomeChosen || judgmentChosen;
    if (chosen || HasStoryPoint("Work") || HasStoryPoint("Limit") || HasStoryPoint("Outcome") ||
        HasStoryPoint("Judgment"))
        t.Key(34);
    if (driverChosen) {
        t.Key(33);
        AppendFormatted("%ss to be %s", d4, d5);
        AppendStoryPoint("Work", ".  ", false);
    } else {
        appendOpen(35, "Work");
    }
    if (limitChosen) {
        t.Key(21);
        AppendText(l6.c_str());
        AppendStoryPoint("Limit", ".  ", false);
    } else {
        appendOpen(36, "Limit");
    }
    if (outcomeChosen) {
        t.Key(22);
        AppendStoryPoint("Outcome", judgmentChosen ? ", " : ".  ", judgmentChosen);
    } else {
        appendOpen(37, "Outcome");
    }
    if (judgmentChosen) {
        t.Key(outcomeChosen ? 23 : 39);
        AppendStoryPoint("Judgment", ".", false);
    } else {
        appendOpen(38, "Judgment");
    }
    t.Key(24);
}
