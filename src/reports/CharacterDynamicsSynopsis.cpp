// How the main and the impact character stand to each other (report id 25): whether the main
// character changes, whether the story succeeds, whether the problem is resolved, with the two
// characters' concerns, issues, unique abilities and critical flaws filled in from story points.
//
// Template 1014, keys S1-S6, S8-S30 and S32-S35. Storytelling keys: "MCCon", "OCCon", "MCRng",
// "OCRng", "MCUnRng", "MCCrFl", "OCUnRng", "OCCrFl", "Resolve" and "Judgment". A sentence that
// rests on a dynamic not chosen yet (neither test of its pair holds) gives way to one that says so
// (S21, S22, S26, S27) where the dynamic is first named: what comes of the effort follows from the
// outcome, what comes of the personal problem from the judgment, and who had it right from the
// resolve and the judgment; with the judgment chosen and the outcome not, only what comes of the
// effort waits (S26), and with the outcome chosen and the judgment not, all but it waits (S27).
// The closing sentence names only what is chosen (S23, S24, S28, S29, S32, S33, S35); the
// writer's storytelling on a dynamic not chosen yet follows it under the dynamic's name (S30,
// S34). The verbs after the Main Character's name agree with its form: a Main Character of several
// people "resolve" and "have".

#include <vector>

#include "reports/IOutlineWindow.h"
#include "reports/ReportComposer.h"
#include "reports/ReportDynamics.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"

void ReportComposer::BuildCharacterDynamicsSynopsis() {
    const ReportDynamics d(storyForm_);
    const bool change = d.change, steadfast = d.steadfast, stop = d.stop, start = d.start;
    const bool success = d.success, failure = d.failure, good = d.good, bad = d.bad;

    const bool growthFits = (change && stop) || (steadfast && start);
    const char* w1 = growthFits ? "" : "not ";
    const char* w2 = growthFits ? " not" : "";
    const bool outcomeFits = (success && good) || (failure && bad);
    const char* w3 = outcomeFits ? "" : "although ";
    const char* w4 = outcomeFits ? "and " : "";
    const char* w5 = outcomeFits ? "and" : "but";
    const char* w6 = success ? "" : "not ";
    const CharacterManager* characters = GetCharacterManager();
    const CharInfoRec* main = characters ? characters->RecordAt(characters->GetMainIndex()) : nullptr;
    const bool several = main && main->GetForm() == kPluralForm;
    const char* w7 = good ? (several ? "resolve" : "resolves")
                          : (several ? "fail to resolve" : "fails to resolve");
    const char* w8 = good ? "succeeded in resolving" : "failed to resolve";
    const char* w9 = (change && good) || (steadfast && bad) ? "was" : "was not";

    const bool resolveChosen = d.ResolveChosen(), growthChosen = d.GrowthChosen();
    const bool endChosen = d.OutcomeChosen() && d.JudgmentChosen();

    Section t(*this, 1014);
    t.Key(1);
    if (resolveChosen && growthChosen) {
        t.Key(2);
        AppendText(w1);
        t.Key(3);
        AppendFormatted("%s ", w2);
        t.Key(4);
    } else {
        t.Key(21);
    }
    // What comes of the effort follows from the outcome.
    const auto appendEffort = [&] {
        t.Key(5);
        AppendText(w6);
        t.Key(6);
    };
    // What comes of the personal problem follows from the judgment, and who had it right from the
    // resolve besides.
    const auto appendVerdict = [&] {
        if (resolveChosen) {
            t.Key(8);
            AppendText(w9);
            t.Key(9);
        } else {
            t.Key(25);
        }
    };
    if (endChosen) {
        AppendText(w3);
        appendEffort();
        AppendFormatted("%s{CNN(MC,NM)} %s", w4, w7);
        appendVerdict();
    } else if (d.JudgmentChosen()) {
        t.Key(26);
        AppendFormatted("{CNNU(MC,NM)} %s", w7);
        appendVerdict();
    } else if (d.OutcomeChosen()) {
        appendEffort();
        t.Key(27);
    } else {
        t.Key(22);
    }
    AppendStoryPoint("MCCon", ", ", true);
    t.Key(10);
    AppendStoryPoint("OCCon", ".  ", false);
    t.Key(11);
    AppendStoryPoint("MCRng", ", ", true);
    t.Key(12);
    AppendStoryPoint("OCRng", ".  ", false);
    t.Key(13);
    AppendStoryPoint("MCUnRng", " ", true);
    t.Key(14);
    AppendStoryPoint("MCCrFl", ", ", true);
    t.Key(15);
    AppendStoryPoint("OCUnRng", " ", true);
    t.Key(16);
    AppendStoryPoint("OCCrFl", ".  ", false);
    // A dynamic not chosen yet was said to be so where it was first named: the closing sentence
    // names only what is chosen, and the writer's storytelling on one not chosen follows it, under
    // the dynamic's name (the blanks the closing sentence leaves go at the paragraph's end).
    const bool judgmentChosen = d.JudgmentChosen();
    if (endChosen) {
        t.Key(17);
        AppendText(w6);
        t.Key(18);
        if (resolveChosen) {
            t.Key(35);
            AppendStoryPoint("Resolve", ", ", true);
        } else {
            AppendText(", ");
        }
        AppendFormatted("%s ", w5);
        AppendFormatted("{CNN(MC,NM)} %s %s", several ? "have" : "has", w8);
        t.Key(19);
        AppendStoryPoint("Judgment", ".  ", false);
    } else {
        // What is chosen so far of the outcome and the Main Character's resolve and judgment, in one
        // sentence; the judgment after another part is the character's own ("her judgment").
        struct Part {
            int key;
            const char* point;
        };
        std::vector<Part> parts;
        if (d.OutcomeChosen()) parts.push_back({28, nullptr});
        if (resolveChosen) parts.push_back({29, "Resolve"});
        if (judgmentChosen) parts.push_back({parts.empty() ? 33 : 24, "Judgment"});
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const bool last = i + 1 == parts.size();
            if (i == 0)
                t.Key(23);
            else if (last)
                t.Key(32);
            t.Key(parts[i].key);
            const char* end = last ? ".  " : parts.size() > 2 ? ", " : " ";
            if (parts[i].point)
                AppendStoryPoint(parts[i].point, end, !last);
            else
                AppendText(end);
        }
    }
    if (!resolveChosen && HasStoryPoint("Resolve")) {
        t.Key(30);
        AppendStoryPoint("Resolve", ".", false);
    }
    if (!judgmentChosen && HasStoryPoint("Judgment")) {
        t.Key(34);
        AppendStoryPoint("Judgment", ".", false);
    }
    AppendStyleCode(ReportStyle::kParagraphEnd);
    if (owner_ && owner_->GetVocabularyOption()) {
        AppendRule(kRuleLength);
        t.Key(20);
    }
}
