#pragma once
// The eight dynamics of the storyform as the report builders choose their words by them: which
// value of each pair holds (all false without a storyform), and whether a dynamic is chosen at all.
// A sentence that rests on a dynamic not chosen yet says so instead of taking either value.

#include "storymodel/engine/IStoryForm.h"

struct ReportDynamics {
    bool change = false, steadfast = false, stop = false, start = false, doer = false, beer = false;
    bool action = false, decision = false, timelock = false, optionlock = false;
    bool success = false, failure = false, good = false, bad = false;

    explicit ReportDynamics(const IStoryForm* form) {
        if (!form) return;
        change = form->IsChange();
        steadfast = form->IsSteadfast();
        stop = form->IsStop();
        start = form->IsStart();
        doer = form->IsDoer();
        beer = form->IsBeer();
        action = form->IsAction();
        decision = form->IsDecision();
        timelock = form->IsTimelock();
        optionlock = form->IsOptionlock();
        success = form->IsSuccess();
        failure = form->IsFailure();
        good = form->IsGood();
        bad = form->IsBad();
    }

    bool ResolveChosen() const { return change || steadfast; }
    bool GrowthChosen() const { return stop || start; }
    bool ApproachChosen() const { return doer || beer; }
    bool DriverChosen() const { return action || decision; }
    bool LimitChosen() const { return timelock || optionlock; }
    bool OutcomeChosen() const { return success || failure; }
    bool JudgmentChosen() const { return good || bad; }
    // Whether both the resolve and the judgment are chosen, so that one can be judged by the other.
    bool ResolveAndJudgmentChosen() const { return ResolveChosen() && JudgmentChosen(); }
    // Whether the approach and the driver are both chosen, so that the one can fit the other or not.
    bool FitChosen() const { return ApproachChosen() && DriverChosen(); }
    // The outcome is judged against the character's resolve.
    bool ResolveMatchesJudgment() const { return (change && good) || (steadfast && bad); }
};
