#pragma once
// Readers of the story point table. Story points are addressed by id (1000 Resolve, 1001 and 1002
// its two values, 12000 the overall story's domain, ...) or by row index 0-116. Ids that are not
// in the table are refused (null, -1 or the empty text), never taken for a neighbouring row.

#include <cstdint>

#include "storymodel/engine/TheoryTables.h"

// The row at the index, or null when the index is outside 0-116.
const StoryPointRecord* StoryPointAt(int index);

// The index of the row with the id (a binary search over the ascending ids), or -1 when no row
// has it.
int StoryPointIndex(std::int16_t id);

// StoryPointAt (StoryPointIndex (id)): null when no row has the id.
const StoryPointRecord* StoryPointByID(std::int16_t id);

// The original name when the original vocabulary is in force; else the newer name if the row has
// one, else the original name.
const char* StoryPointDisplayName(const StoryPointRecord& row);

// The display name of the id's row; the empty text for 0 (no value), -1 (several values) and ids
// that no row has.
const char* StoryPointName(std::int16_t id);

// The id's code: the empty text for 0; null for value rows and for ids that no row has.
const char* StoryPointCode(std::int16_t id);

// The first row whose code equals the text exactly. The search starts at the block of the code's
// throughline prefix ("ST", "MC", "OC", "PL"), or at row 0 for any other code. -1 when no row has
// the code or the text is null.
std::int16_t StoryPointIDForCode(const char* code);
int StoryPointIndexForCode(const char* code);

// The number of values the point at the index can take: 2 for a dynamic, 4 for a domain-level
// point, 16 concern-level, 64 issue- and element-level; 0 for other kinds and bad indexes.
int StoryPointValueCount(int index);

// The throughlines, in the order of their blocks of story points.
enum Throughline : int {
    kObjectiveStory = 0,
    kMainCharacter = 1,
    kObstacleCharacter = 2,
    kSubjectiveStory = 3
};

// The offsets of the story points inside a throughline's block.
enum ThroughlineOffset : int {
    kDomainOffset = 0,
    kConcernOffset = 1,
    kIssueOffset = 2,
    kProblemOffset = 3,
    kBenchmarkOffset = 4,
    kSolutionOffset = 5,
    kFocusOffset = 6,
    kDirectionOffset = 7,
    kCatalystOffset = 8,  // unique ability for the two characters
    kFlawOffset = 9,      // critical flaw or inhibitor
    kPositionOffset = 10,
    kSignpostOffset = 11,  // signposts 1-4 at 11-14
    kGoalOffset = 15,
    kRequirementsOffset = 16,
    kHomeClassOffset = 17,
    kCounterpointOffset = 18,
};

// The index of the point at the offset (0-18) of throughline 0-3's block; a throughline outside
// 0-3 counts from index 0.
int ThroughlineStoryPointIndex(int throughline, int offset);

// Whether the point at the index belongs to the story as a whole though its row lies in the block
// of the Main Character, the Impact Character or the Subjective Story: their goal and requirements
// rows hold the story's dividends and forewarnings, cost and preconditions, consequence and
// prerequisites. Such a point is named after the story ("Story Dividends"), never after the
// throughline of its block.
bool IsWholeStoryPoint(int index);
inline constexpr const char* kWholeStoryName = "Story";

// The index of the domain row of the throughline that the point with the id belongs to (the code's
// two-letter prefix followed by "Dom"); -1 when the id has no such row.
int ThroughlineDomainIndex(std::int16_t id);
