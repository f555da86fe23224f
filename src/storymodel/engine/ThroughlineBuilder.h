#pragma once
// The throughline structure builder: when exactly one storyform remains, arranges the quads of the
// story's structures for its dynamics and crucial problem, records quad positions in the nodes,
// and derives the story points that the theory computes from the chosen ones.

#include "storymodel/engine/StoryformBuildInput.h"
#include "storymodel/engine/ThroughlineStructure.h"

// Builds the storyform: P starts as the default arrangement, is arranged for the crucial code,
// the derived points of the two crucial throughlines are written, P is copied into Q and Q is
// arranged again from the other crucial throughline's problem, and then the ten structure passes
// run. Rebuilding the same input gives the same result. False, with `built` cleared, when the
// input's crucial element is not an element id (85-340) or a dynamic's value index is not 0 or 1.
bool CalcStoryformCodes(const StoryformBuildInput& input, BuiltStoryform& built);

// Node callbacks for IterateAllNodes: each gives one position byte of the node the code addresses
// the code's own quad position (CodePositionDigit), so that the byte records where the node's place
// lies in the default arrangement, whatever element the arrangement has moved there. All go on with
// the walk (kWalkContinue); a code that addresses no node changes nothing.
int SetPositionFromCode(ThroughlineStructure& structure, const char* code);
int SetPositionAFromCode(ThroughlineStructure& structure, const char* code);
int SetPositionBFromCode(ThroughlineStructure& structure, const char* code);
