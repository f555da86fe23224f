#pragma once
// The story points that the throughline structure builder derives from the dynamics and the
// crucial problem: the setters that write a code's points into one throughline, the problem-derived
// points, and the ten structure passes.
//
// Throughlines are numbered 0 overall story, 1 main character, 2 impact character, 3 subjective
// story. "The id at a code" is the element the default arrangement holds at that code; "the code of
// a row" is the code of the element in force at that row. Home classes hold the class digit as a
// character ('1'-'4').

#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformBuildInput.h"
#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/ThroughlineStructure.h"

// The code of the element table row of an id; "00000" for an id not in the table.
StructureCode CodeOfElement(std::int16_t id);
// The code of class 1-4.
StructureCode ClassCode(int classDigit);

// The code of an issue's thematic counterpoint: its partner across the issue's quad (pair kind 0).
StructureCode CounterpointCode(const StructureCode& issue);

// The code with its element digit replaced by its partner under pair kind 1 with Stop, 2 with
// Start.
StructureCode DynamicPartnerCode(const StoryformBuildInput& input, const StructureCode& code);

// Problem, issue, concern, domain, focus, solution and direction of a throughline from the code of
// its problem: each is the id at a code. (The problem is thus always the element whose own code
// was given, the one the writer chose, even where an arrangement has moved another element onto
// that code: a problem taken from the arranged structure would replace the writer's choice with
// an element that no count had allowed.)
void SetProblemPoints(const StoryformBuildInput& input, BuiltStoryPoints& points,
                      const StructureCode& problem, int throughline);

// The ten passes, in order: concerns, domains, benchmarks, issues, catalysts, the main character's,
// impact character's and subjective story's problems, critical flaws, positions and signposts. The
// last reads the arrangement of the built storyform that becomes its structure 1: Q for Intuitive,
// P for Logical (copied into `shown`).
void RunStructurePasses(const StoryformBuildInput& input, BuiltStoryform& built);
