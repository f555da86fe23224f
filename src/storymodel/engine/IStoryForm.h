#pragma once
// The storyform of one story as windows, reports, query pages and the engine see it: the dynamics
// in force, the chosen value and the value in force of each story point, the lists of values
// chosen where the writer allows several, and the four throughline structures.
//
// Story points are addressed by id (1000 Resolve, 12000 the overall story's domain, ...) or by
// index, the row 0-116 of the story point table. A value is 0 when nothing is set, -1 when several
// values are allowed (their list is kept apart), an element id for a throughline point, or a value
// id (1001 Change, 1002 Steadfast, ...) for a dynamic.

#include <cstdint>

class SList;
struct ThroughlineStructure;

class IStoryForm {
public:
    virtual ~IStoryForm() = default;

    // Tests of the eight dynamics in force: true when the dynamic holds that value.
    virtual bool IsChange() const = 0;
    virtual bool IsSteadfast() const = 0;
    virtual bool IsStop() const = 0;
    virtual bool IsStart() const = 0;
    virtual bool IsDoer() const = 0;
    virtual bool IsBeer() const = 0;
    virtual bool IsLogical() const = 0;
    virtual bool IsIntuitive() const = 0;
    virtual bool IsAction() const = 0;
    virtual bool IsDecision() const = 0;
    virtual bool IsTimelock() const = 0;
    virtual bool IsOptionlock() const = 0;
    virtual bool IsSuccess() const = 0;
    virtual bool IsFailure() const = 0;
    virtual bool IsGood() const = 0;
    virtual bool IsBad() const = 0;

    // The value in force of the point at the index (0 for an index outside the table), and its
    // setting: it takes effect at once, marks nothing and announces nothing.
    virtual std::int16_t GetValueAt(int index) const = 0;
    virtual void SetValueAt(int index, std::int16_t value) = 0;

    // The writer's chosen value of the point with the id (0 for an id not in the table), and the
    // choice: the value comes into force, and when it differs from the chosen one it is chosen and
    // the change announced.
    virtual std::int16_t GetChoice(std::int16_t id) const = 0;
    virtual void SetChoice(std::int16_t id, std::int16_t value) = 0;

    // The value in force of the point with the id, and its setting (no mark, no announcement). The
    // impact character's resolve (1005) is derived: the opposite of Resolve's value in force.
    virtual std::int16_t GetValue(std::int16_t id) const = 0;
    virtual void SetValue(std::int16_t id, std::int16_t value) = 0;

    // The values the writer allows for the point at the index when its chosen value is -1. Get
    // empties the list first; nothing stored leaves it empty. Set announces a change when the new
    // list holds other values than the stored one (their order does not count); a list of fewer
    // than two values is not kept.
    virtual void GetMultipleChoices(int index, SList& values) const = 0;
    virtual void SetMultipleChoices(int index, const SList& values) = 0;

    // The structure of throughline 1-4, owned by the storyform (null for another number), and its
    // release when the user is done with it.
    virtual ThroughlineStructure* GetThroughlineStructure(std::uint16_t throughline) = 0;
    virtual void ReleaseThroughlineStructure(std::uint16_t throughline) = 0;
};
