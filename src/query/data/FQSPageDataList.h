#pragma once
// A list of page-data entries in outline order: the query window's expanded question list, or the
// menu a scene page builds from one of the appreciation tables (each entry's topic then being the
// table's row). The list knows the story it was made for, whose characters and scenes its
// expansion read.

#include <cstdint>
#include <string>
#include <vector>

#include "query/data/FQSPageData.h"
#include "query/data/QueryStory.h"

class IncludeableAppreciation;
struct AppreciationRow;

class FQSPageDataList {
public:
    // The longest item name and content read through the keyword interpreter.
    static constexpr std::int32_t kItemTextLimit = 256;

    // An empty list, for the query window's question list.
    explicit FQSPageDataList(const QueryStory& story);
    // One entry per row of the appreciation table of the kind (0-2; another kind gives an empty
    // list), expanded against the story.
    FQSPageDataList(const QueryStory& story, int tableKind);

    const QueryStory& GetStory() const { return story_; }
    // The appreciation table kind, or -1 for a question list.
    int GetTableKind() const { return tableKind_; }

    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    // The entry at the index (0 .. Count() - 1), or null.
    const FQSPageData* At(std::int32_t index) const;
    FQSPageData* At(std::int32_t index);
    const std::vector<FQSPageData>& Entries() const { return entries_; }
    void Assign(std::vector<FQSPageData> entries) { entries_ = std::move(entries); }
    // Replaces the entries by their expansion against the story.
    void Expand();

    // index + 1 when that entry is one level deeper, else -1.
    std::int32_t GetFirstChild(std::int32_t index) const;
    // The nearest earlier entry one level up; -1 when none.
    std::int32_t GetParent(std::int32_t index) const;
    // The next entry of the same level; -1 when a shallower entry or the end comes first.
    std::int32_t GetNextSibling(std::int32_t index) const;

    // Appends the row's name, interpreted with the entry as context and expanded, to the text.
    void GetItemText(std::int32_t index, std::string& text) const;
    // Appends the row's content, interpreted with the entry as context; nothing when the row has
    // none or its content is a literal text (one that begins with a double quote).
    void GetItemContent(std::int32_t index, std::string& text) const;
    // The appreciation id of the entry's row; -1 for none.
    std::int16_t GetAppreciationID(std::int32_t index) const;
    // The row of the appreciation table the entry came from, or null.
    const AppreciationRow* RowOf(std::int32_t index) const;
    // The entry's throughline when it has one, else its scene.
    std::int16_t GetThroughlineOrScene(std::int32_t index) const;
    // The first entry whose appreciation record equals the record; -1 when none.
    std::int32_t FindAppreciation(const IncludeableAppreciation& record) const;
    // The entry's appreciation record: its appreciation id, throughline or scene, character and
    // second character.
    IncludeableAppreciation MakeAppreciation(std::int32_t index) const;

private:
    QueryStory story_;
    int tableKind_ = -1;
    std::vector<FQSPageData> entries_;
};
