#pragma once
// The master controls of the story engine panel: the eight dynamics and the domain, concern, issue
// and problem of each of the four throughlines. For each control the values at hand are those that
// leave storyforms when the other choices stay as they are; a choice is refused when it would leave
// none. After every choice the storyforms are counted again and what the remaining storyforms
// settle is put in force for every point the engine gives a value (the single storyform's values
// when only one is left; leaving it puts the writer's answers back in force first). A control
// may be locked: a locked choice is not changed by the panel, and Clear Unlocked keeps it. Locks are
// kept in the story's 'LOCK' record under the story point's code (1 when locked).
//
// The controls remember the story as it was when they were made, so that a cancelled panel puts it
// back: the storyform, its count and whether its single storyform's values were in force, the
// responses and locks records, and whether it was changed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "storymodel/engine/StoryPointState.h"
#include "storywindows/RecordSnapshot.h"

class FKDoc;

// One control as the last count left it.
struct EngineControl {
    std::int16_t id = 0;               // the story point
    std::int16_t chosen = 0;           // the writer's choice: 0 none
    std::int16_t settled = 0;          // the value every remaining storyform gives it; 0 when they differ
    std::vector<std::int16_t> atHand;  // the value ids that leave storyforms, in value order
    bool locked = false;
};

class EngineControls {
public:
    static constexpr std::size_t kDynamicControls = 8;
    static constexpr std::size_t kThroughlineControls = 4;  // domain, concern, issue, problem
    static constexpr std::size_t kCount = kDynamicControls + 4 * kThroughlineControls;

    // The story point id of each control: the dynamics in their order, then the domain, concern,
    // issue and problem of the overall story, the main character, the impact character and the
    // subjective story.
    static std::int16_t PointID(std::size_t control);

    // Counts at once; the story must have its records and managers.
    explicit EngineControls(FKDoc& story);
    ~EngineControls();
    EngineControls(const EngineControls&) = delete;
    EngineControls& operator=(const EngineControls&) = delete;

    const EngineControl& Control(std::size_t i) const { return controls_[i]; }
    // The storyforms left after the last count.
    std::uint16_t GetCount() const { return count_; }
    // Whether storyforms were counted (the engine data is open).
    bool IsCounted() const { return counted_; }

    // The writer's choice of the value (0 takes the choice away). False, with nothing changed, for
    // a locked control, a value not at hand, or a choice that would leave no storyform.
    bool Choose(std::size_t i, std::int16_t value);
    // Locks or unlocks the control; the story is changed when the lock is.
    void SetLocked(std::size_t i, bool locked);
    // Takes away every unlocked choice of the controls.
    void ClearUnlocked();
    // Counts again and writes what the remaining storyforms settle into the story. False when the
    // choices leave no storyform: nothing is written then.
    bool Recount();
    // Puts the story back as it was when the controls were made.
    void Revert();

private:
    // Counts with the panel's points constrained, gathers every control's values at hand, and
    // writes the settled values back; the count (0 writes nothing).
    std::uint16_t Count();
    void ReadLocks();

    FKDoc& story_;
    std::array<EngineControl, kCount> controls_;
    std::uint16_t count_ = 0;
    bool counted_ = false;
    // The story as it was.
    std::unique_ptr<StoryFormState> state_;
    RecordSnapshot responses_;
    RecordSnapshot locks_;
    std::uint16_t storyforms_;
    std::uint16_t structuresValid_;
    bool wasDirty_;
};
