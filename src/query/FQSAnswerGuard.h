#pragma once
// What an answer that changes the storyform may touch before the storyform check has seen it: the
// storyform's choices and values, the query window's solver constraints, the story's storyform
// count and its changed mark. A radio page or the structural finder makes a guard before it applies
// its answer (to the solver first), then runs the check through it. When no storyform is left, the
// writer is warned as the check does, everything the guard kept goes back as it was and the page is
// shown again from the story once the item hit is done, so that the answer is never stored. A story
// that was consistent before the answer is consistent again: the window then stores and follows
// changes as before the warning. One that had no storyform left already stays flagged.

#include <cstdint>
#include <memory>
#include <vector>

#include "storymodel/engine/SolverConstraint.h"
#include "storymodel/engine/StoryPointState.h"

class FQSWindow;

class FQSAnswerGuard {
public:
    explicit FQSAnswerGuard(FQSWindow& window);
    ~FQSAnswerGuard();
    FQSAnswerGuard(const FQSAnswerGuard&) = delete;
    FQSAnswerGuard& operator=(const FQSAnswerGuard&) = delete;

    // The window's storyform check. True when some storyform remains and the answer may be stored;
    // false when none does, everything kept then put back.
    bool CheckStoryforms();

private:
    void PutBack();

    FQSWindow& window_;
    std::unique_ptr<StoryFormState> storyform_;
    std::vector<SolverConstraint> constraints_;
    std::uint16_t count_ = 0;
    std::uint16_t structuresValid_ = 0;
    bool dirty_ = false;
    bool foundZero_ = false;
};
