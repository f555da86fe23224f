#pragma once
// The storyform solver: turns the writer's choices into constraints, counts and enumerates the
// storyforms those choices leave open, records which values of every constrained story point
// still occur, and writes results back (the single remaining storyform's values, or the values all
// remaining storyforms share).
//
// A storyform is fixed by the eight dynamics and one of 128 arrangements; every throughline story
// point then has one value, read from the engine data. A solver is short-lived: made, given its
// constraints, counted, asked, and deleted.
//
// Stored choices are checked before use: a dynamic's choice that is not one of its two values, a
// value that is not one of the point's, and list entries outside the point's values are refused
// (the point counts as open, or the entry is left out); a list keeps each value once. Engine values
// outside a point's values never match and are never marked.

#include <cstdint>
#include <span>
#include <vector>

#include "storymodel/engine/EngineFields.h"
#include "storymodel/engine/ExcludedTable.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/SolverConstraint.h"
#include "storymodel/engine/StoryformNumber.h"

class PText;

// Story point ids, in order (no terminating zero).
using StoryPointIDList = std::vector<std::int16_t>;

// An entry of the caller's side list: a word kept with a story point.
struct SolverAttachment {
    std::int16_t id = 0;
    std::uint32_t attachment = 0;
};

enum LimitMode : std::uint16_t {
    kLimitOpen = 0,
    kLimitTimelock = 1,
    kLimitOptionlock = 2,
};

// Keeps the engine tables loaded while it lives, as a live solver does. A program that counts
// storyforms time and again holds one, so that the tables are read once and not for every count.
class EngineTablesKeeper {
public:
    EngineTablesKeeper();
    ~EngineTablesKeeper();
    EngineTablesKeeper(const EngineTablesKeeper&) = delete;
    EngineTablesKeeper& operator=(const EngineTablesKeeper&) = delete;
};

class StoryformSolver {
public:
    static constexpr int kCapacity = 100;

    // Reads the writer's choices from the storyform and writes results back into it; the storyform
    // must outlive the solver.
    explicit StoryformSolver(IStoryForm& storyform);
    // The last solver to go, when no keeper holds them, releases the engine tables.
    ~StoryformSolver();
    StoryformSolver(const StoryformSolver&) = delete;
    StoryformSolver& operator=(const StoryformSolver&) = delete;

    // The points to constrain: the eight dynamics; the four domains, the overall story's concern,
    // issue and problem and the main character's problem; then, in table order from the overall
    // story's benchmark on, every point with an engine field that has a choice, or whose id is
    // extraId; each point once. Answers the number of ids.
    int CollectConstrainedPoints(StoryPointIDList& ids, std::int16_t extraId = 0);
    // One record per id, in order (ids that name no dynamic or throughline point are left out; at
    // most kCapacity), from the storyform's choices. The eight dynamics come first, in dynamic
    // order, as CollectConstrainedPoints lists them; a dynamic anywhere else is not counted with.
    // With a side list, each record takes the attachment of the entry with its id.
    void SetConstraints(const std::vector<SolverAttachment>* side, const StoryPointIDList& ids);

    // Counts the storyforms that pass every constraint and marks the values that occur among
    // them. A fresh count starts from every storyform; a refining count (after a fresh one on the
    // same solver, with choices added since) tests only the ones the last count left. With the class flag,
    // element-level records also note the classes of their throughline's domain in which each value occurs.
    // Answers the count.
    std::uint16_t CountStoryforms(bool refine = false, bool classFlag = false);

    // For each throughline, sets the value in force of its domain to the domain when only one
    // remains, else to 0.
    void StoreForcedDomains();
    // Writes record i's outcome back into the storyform. A list the writer gave stays the choice
    // whatever the mode (the responses record keeps it); with mode 1 (one storyform remains) its
    // remaining value comes into force.
    void ApplyResult(int i, PText* responses, int mode);

    // Whether the last count excluded the storyform number (0-32767). Before any count nothing is
    // excluded.
    bool IsStoryformExcluded(std::uint16_t number) const;

    // Record i (0 .. kCapacity - 1); an index outside that range answers an empty record.
    SolverConstraint& GetConstraint(int i);
    // The index of the record with the id; 0 when none has it (so callers check the record's id).
    int FindConstraint(std::int16_t id) const;
    void ClearConstraints();

    // The storyforms possible after the last count (32768 before any).
    std::uint16_t Count() const { return count_; }
    // The storyform number when one remains, else -1.
    std::int16_t SingleNumber() const { return singleNumber_; }
    LimitMode GetLimitMode() const { return limitMode_; }

    // The value id of dynamic 0-7 in the storyform number.
    static std::int16_t DynamicValueID(std::uint16_t number, int dynamic);
    // The value id of the point with the engine field and kind in the storyform number: class,
    // type or variation id, or the element id in the class of the domain of the field's own
    // throughline; 0 for other kinds or engine values out of range.
    static std::int16_t EngineValueID(std::uint16_t number, int field, int kind);

private:
    // Marks the values the remaining storyform indexes give the records: the marked dynamics' (a bit
    // each) and every other point's, record by record.
    void MarkValues(const EngineRecordSet& records, std::span<const std::uint16_t> remaining,
                    std::uint8_t markedDynamics, bool classFlag);

    IStoryForm& storyform_;
    ExcludedTable excluded_;
    std::uint16_t count_ = kStoryformCount;
    std::int16_t singleNumber_ = -1;
    LimitMode limitMode_ = kLimitOpen;
    std::vector<SolverConstraint> constraints_;
    SolverConstraint spare_;  // answered for indexes out of range
};

// a, then each id of b that a lacks. Answers the count.
int MergeStoryPointLists(const StoryPointIDList& a, const StoryPointIDList& b, StoryPointIDList& out);
// The position of the id in the list, -1 when absent.
int IndexOfPoint(const StoryPointIDList& list, std::int16_t id);
