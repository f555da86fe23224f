#pragma once
// Question lists: the numbered outlines of topics the query window leads the writer through. Each
// is a keyed record 'QLST' of the application data file, numbered by its list id, with its name
// under "NA" (a template) and its entries under "OR": numbers taken three at a time, expansion code,
// topic id and outline level (1-6, a level-1 entry being a top one). Opening a list expands it
// against the story.
//
// The story remembers, in its storyform responses record, the row last shown in each list ("CTR"
// and the list id) and the list to open when the query window opens ("DPath30"; never the
// Plotpilot list).

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Types.h"
#include "query/data/FQSPageData.h"

class FQSPageDataList;
class IStoryDocument;
class PFMFile;
class PText;

inline constexpr FourCC kQuestionListType = FourCCOf("QLST");
inline constexpr const char* kListNameKey = "NA";
inline constexpr const char* kListOrderKey = "OR";
inline constexpr const char* kListToOpenKey = "DPath30";

// The list every missing list falls back to, and the list the Plotpilot command opens.
inline constexpr std::int16_t kDefaultList = 0;
inline constexpr std::int16_t kPlotpilotList = 13;
// The lists the window's list chooser offers: 0 to this less 1.
inline constexpr std::int16_t kChoosableListCount = 32;

// The entries of an "OR" text: whole triples of code, topic and level, each entry with an empty
// context; an incomplete group at the end is left out.
std::vector<FQSPageData> ParseListOrder(const char* text);

// Whether the data file holds the list; ids below 0 name no list.
bool QuestionListExists(PFMFile* dataFile, std::int32_t listId);

// The list's name expanded for the story (the document may be null); "-" when there is no such list.
std::string GetListName(PFMFile* dataFile, std::int32_t listId, IStoryDocument* document);

struct LoadedQuestionList {
    // 0, or the error of reading "OR" (-9010 when the list has none): the list is then empty.
    ErrCode result = 0;
    // The list read: the one asked for, or the default list in place of a missing one.
    std::int16_t listId = kDefaultList;
    // The row to show, within the list (0 for an empty list).
    std::int32_t row = 0;
    // The topic of that row; -1 for an empty list.
    std::int16_t topic = -1;
};

// Reads the list (the default list when it is missing) into the page-data list, expands it against
// the list's story, and sets each entry's open flag from the story's question status. The position
// -1 stands for the row the story remembers for the list (0 when none); any position is brought
// within the list.
LoadedQuestionList LoadQuestionList(PFMFile* dataFile, std::int16_t listId, std::int32_t position,
                                    FQSPageDataList& list);

// A row brought within a list of the count: below 0 gives 0, at or past the end the last row.
std::int32_t ClampListPosition(std::int32_t position, std::int32_t count);

// "CTR" and the list id.
std::string ListPositionKey(std::int32_t listId);
// The row the story remembers for the list; 0 when none (or without a record).
std::int32_t ReadListPosition(PText* responses, std::int32_t listId);
void StoreListPosition(PText* responses, std::int32_t listId, std::int32_t row);

// The list the query window opens: the Plotpilot list when it is the start list, else the list the
// story remembers (the default list when none).
std::int16_t ListToOpen(std::int16_t startList, PText* responses);
// Remembers the list for the next opening, unless it is the Plotpilot list.
void RememberListToOpen(PText* responses, std::int16_t listId);
