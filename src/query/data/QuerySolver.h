#pragma once
// What the query system asks of the storyform solver, in the solver's own terms.
//
// - A constraint is free (every value allowed) while its `open` word is 1. Freeing a constraint is
//   also how one is switched off: a free record passes every storyform. The query pages free their
//   own point before a count, so that the count tells which values stay possible without the page's
//   answer.
// - The base value of a constraint is the value id just before its value index 0: a value id v
//   stands for the ordinal (value index) v - base - 1.
// - A constraint fixed to one ordinal allows that value only; one given a list of allowed values
//   allows those (element ids folded onto the first 64 elements, as the solver reads them).
// - The solver's own FindConstraint answers record 0 (the first dynamic's) for an id no record
//   holds; the query system looks records up with FindConstraintOf instead, which answers null then.
// - The recount rebuilds the constraints from the story's choices, then adds every point of
//   kRecountPoints that the set lacks.

#include <array>
#include <cstdint>

#include "storymodel/engine/SolverConstraint.h"
#include "storymodel/engine/StoryformSolver.h"

// The 64 throughline points the engine gives values: for each throughline in turn, its domain,
// concern, issue, problem, benchmark, solution, focus, direction, catalyst (unique ability) and
// inhibitor (critical flaw), its goal and requirements (or their counterparts), then its four
// signposts.
extern const std::array<std::int16_t, 64> kRecountPoints;

// The point set of a recount: the points the story constrains (with the page's own point), then
// each recount point the set lacks. Answers the number of ids.
int CollectRecountPoints(StoryformSolver& solver, std::int16_t pagePoint, StoryPointIDList& ids);

// The record of the point, or null when no record holds it.
SolverConstraint* FindConstraintOf(StoryformSolver& solver, std::int16_t pointId);

// The value id before value index 0: the point's own id for a dynamic; 0, 4, 20 and 84 for the
// domain, concern, issue and element levels; 0 for any other kind.
std::int16_t ConstraintBaseValue(const SolverConstraint& record);

bool IsConstraintFree(const SolverConstraint& record);
// Every value allowed: no single value, no list.
void FreeConstraint(SolverConstraint& record);
// Allows the value of the ordinal only; an ordinal outside the point's values frees the constraint.
void FixConstraint(SolverConstraint& record, int ordinal);
// Allows only the value id (a value below 1 frees the constraint).
void FixConstraintToValue(SolverConstraint& record, std::int16_t valueId);

// Empties the list of allowed values.
void ClearAllowedValues(SolverConstraint& record);
// Adds the value id to the list of allowed values (an element id first folded onto the first 64
// elements) and marks its value possible; the constraint is then no longer free. False, with
// nothing changed, for an id that is none of the point's values, or one the list already holds.
bool AddAllowedValue(SolverConstraint& record, std::int16_t valueId);
