#pragma once
// The storyform check the query window runs after every answer that may change the storyform: it
// recounts the storyforms that stay possible and reacts to the two edge results. No storyform left
// is an inconsistency: the writer is warned and the window stops reacting to changes. Exactly one
// left settles the storyform: its results are put in force (once per single storyform), and the
// writer is congratulated once per opening of the window. Any other count puts the writer's
// answers back in force, so that nothing of a single storyform stays once the count leaves 1.

#include <cstdint>

// "Ouch!": the warning when no storyform remains (stop icon, OK).
extern const char* const kZeroStoryformsMessage;
// The congratulation when one storyform remains, a template (information icon, OK).
extern const char* const kOneStoryformMessage;

// What the check asks of its window.
class IStoryformCheckHost {
public:
    virtual ~IStoryformCheckHost() = default;
    // The story's count as the check begins.
    virtual std::uint16_t GetStoryformCount() = 0;
    // The solver's single storyform number (-1 unless its last count left one).
    virtual std::int16_t GetSingleStoryform() = 0;
    // Counts with the window's solver.
    virtual std::uint16_t CountStoryforms() = 0;
    // Keeps the count in the window and the story and shows it.
    virtual void SetStoryformCount(std::uint16_t count) = 0;
    virtual void WarnOfZeroStoryforms() = 0;
    // Writes the single storyform's results into the story, heard by the listeners as one change.
    virtual void ApplySingleStoryform() = 0;
    // With more storyforms left than one, or none: what only a single storyform gave goes, and the
    // writer's answers are in force again.
    virtual void LeaveSingleStoryform() = 0;
    // The storyforming bar and the tree's status marks follow the count.
    virtual void UpdateProgress() = 0;
    virtual void Congratulate() = 0;
};

class StoryformCheck {
public:
    // Runs the check; answers the count.
    std::uint16_t Run(IStoryformCheckHost& host);

    // Once a count found none: the window's listeners then do nothing, and pages store nothing.
    bool FoundZeroStoryforms() const { return zeroStoryforms_; }
    // The answer that left none was put back: the story is consistent again, so the window follows
    // its changes and pages store their answers as before.
    void ClearZeroStoryforms() { zeroStoryforms_ = false; }
    bool HasCongratulated() const { return congratulated_; }

private:
    bool zeroStoryforms_ = false;
    bool congratulated_ = false;
};
