#pragma once
// What the writer's choices settle: for every story point, the value that every storyform still
// possible gives it. While more than one storyform remains, a point the writer has not answered
// has no value in force, yet the storyforms left may all agree on it (a goal beside its chosen
// concern, a throughline's domain when one class is left for it, its signposts). The reports read
// the story through this, so that they call a point not chosen only where the storyforms left differ
// on it.
//
// It is a view and nothing more: nothing of it is written into the story's choices or values in
// force, which keep what only a single storyform derives for the count of one.
//
// With one storyform left the view is the values in force. Otherwise a value in force (an answer of
// the writer's, or one the engine put in force) stands as it is, and a point without one takes the
// value the storyforms left share, if they share one: the dynamics and the points the engine data
// holds as the solver finds them among the storyforms left; and the points only a single storyform
// derives (the impact character's resolve, the dynamic appreciations, the positions, home classes
// and thematic counterpoints) derived from each storyform left as they are at one storyform. An
// element the storyforms left agree on while its throughline's domain is open is held in its first
// class, as a choice made before the domain is: it names the element, not its class. With no
// storyform left, or without engine data, the view is the values in force.
//
// It holds as well the order in which the storyforms left list a settled signpost's four variations,
// as each lists them at one storyform (in its structure 1): where they differ on it, no order is
// settled. With one storyform left the story's own structure gives the order, and none is held here.

#include <array>
#include <cstdint>

#include "storymodel/engine/SignpostVariations.h"
#include "storymodel/engine/TheoryTables.h"

class IStoryForm;
class StoryformSolver;

class SettledStoryPoints {
public:
    // The view of the storyform, whose count of storyforms left, as last counted, is `count`. Reads
    // the storyform's choices and values in force and the engine data; changes nothing.
    SettledStoryPoints(IStoryForm& storyForm, std::uint16_t count);

    // The settled value of the point at the index 0-116 (0 outside the table), as IStoryForm's
    // GetValueAt gives a value: 0 none, -1 several, an element id or a value id; the impact
    // character's resolve (index 3) the other value of Resolve's.
    std::int16_t ValueAt(int index) const;
    // By the point's id; the impact character's resolve is the other value of Resolve's.
    std::int16_t Value(std::int16_t id) const;
    // Whether dynamic 0-7 holds its value 0 (the first) or 1 (the second).
    bool Holds(int dynamic, int valueIndex) const;
    // The order every storyform left gives the variations of the signpost at act 0-3 of throughline
    // 0-3, where the signpost is settled and they agree on the order; null otherwise.
    const VariationOrder* SignpostVariations(int throughline, int act) const;

private:
    // The values the solver finds one of among the storyforms left, where nothing is in force.
    void TakeSolved(StoryformSolver& solver);
    // The points a single storyform derives, each where every storyform left derives the same.
    void DeriveAsAtOneStoryform(const StoryformSolver& solver);

    std::array<std::int16_t, kStoryPointCount> values_{};
    // The signposts' orders, throughline by throughline and act by act; all 0 where none is settled.
    static constexpr std::size_t kSignposts = 16;
    std::array<VariationOrder, kSignposts> signpostOrders_{};
};
