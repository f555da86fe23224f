#pragma once
// The expansion of a question list against a story: an entry with an expansion code stands, with
// its subtree (the entries after it of deeper level), for one copy per character, throughline,
// scene, act and so on. The codes also stand in the appreciation tables of the scene pages.
//
// | code  | copies of the entry and its subtree                                              |
// |-------|----------------------------------------------------------------------------------|
// | 0, 13+| none: the entry stays as it is                                                    |
// | 1     | one per character, in the characters' order, as the context character           |
// | 2, 3  | one, its context character the Main (2) or the impact (3) character              |
// | 4     | one per other character with a relationship to the context character, as the     |
// |       | second character                                                                  |
// | 5     | four, throughlines 0 to 3                                                         |
// | 6-9   | one, throughline code - 6                                                         |
// | 10    | one per scene, in storytelling order, as the context scene                        |
// | 11    | as 1, without the Main and the impact character                                   |
// | 12    | three, act indexes 0 to 2                                                         |
//
// A code whose set is empty (no characters, no scenes, no relationships) leaves nothing of the entry
// and its subtree.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "query/data/FQSPageData.h"

struct QueryStory;

enum ExpansionCode : std::uint16_t {
    kNoExpansion = 0,
    kEveryCharacter = 1,
    kMainCharacterOnly = 2,
    kImpactCharacterOnly = 3,
    kEveryRelationship = 4,
    kEveryThroughline = 5,
    kFirstThroughlineCode = 6,  // 6-9: one throughline each
    kLastThroughlineCode = 9,
    kEveryScene = 10,
    kSupportingCharacters = 11,
    kEveryAct = 12,
};

// Outline levels run from 1 (a top entry) to this.
inline constexpr std::int16_t kMaxOutlineLevel = 6;
// Rows are numbered in 16 bits: an expansion stops adding entries at this many.
inline constexpr std::size_t kMaxListEntries = 32767;

// Expands the entries level by level, 1 to 6, stopping once no entry lies deeper than the level
// just expanded. Copies of a per-character code's subtree get only their character (or second
// character) set; copies of the other codes are first filled from the expanded entry (its context
// where theirs has none, its topic and level where theirs are -1, its flags where theirs are 0),
// then given their throughline, scene or act. Codes 2 and 3 set the expanded entry's own character
// first, so the copies take it where they have none. However the codes nest, the list holds at most
// kMaxListEntries entries: what would go beyond is left out.
std::vector<FQSPageData> ExpandQuestionList(const std::vector<FQSPageData>& entries, const QueryStory& story);
