#include "query/data/FQSPageDataList.h"

#include <span>

#include "query/data/AppreciationTables.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/QuestionListExpansion.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/IncludeableAppreciation.h"

FQSPageDataList::FQSPageDataList(const QueryStory& story) : story_(story) {}

FQSPageDataList::FQSPageDataList(const QueryStory& story, int tableKind)
    : story_(story), tableKind_(tableKind) {
    const std::span<const AppreciationRow> table = AppreciationTable(tableKind);
    for (std::size_t row = 0; row < table.size(); ++row)
        entries_.emplace_back(table[row].code, static_cast<std::int16_t>(row), table[row].level);
    Expand();
}

const FQSPageData* FQSPageDataList::At(std::int32_t index) const {
    return index >= 0 && index < Count() ? &entries_[static_cast<std::size_t>(index)] : nullptr;
}

FQSPageData* FQSPageDataList::At(std::int32_t index) {
    return index >= 0 && index < Count() ? &entries_[static_cast<std::size_t>(index)] : nullptr;
}

void FQSPageDataList::Expand() { entries_ = ExpandQuestionList(entries_, story_); }

std::int32_t FQSPageDataList::GetFirstChild(std::int32_t index) const {
    const FQSPageData* entry = At(index);
    const FQSPageData* next = At(index + 1);
    return entry && next && next->GetLevel() == entry->GetLevel() + 1 ? index + 1 : -1;
}

std::int32_t FQSPageDataList::GetParent(std::int32_t index) const {
    const FQSPageData* entry = At(index);
    if (!entry) return -1;
    for (std::int32_t i = index - 1; i >= 0; --i) {
        if (At(i)->GetLevel() == entry->GetLevel() - 1) return i;
    }
    return -1;
}

std::int32_t FQSPageDataList::GetNextSibling(std::int32_t index) const {
    const FQSPageData* entry = At(index);
    if (!entry) return -1;
    for (std::int32_t i = index + 1; i < Count(); ++i) {
        const std::int16_t level = At(i)->GetLevel();
        if (level == entry->GetLevel()) return i;
        if (level < entry->GetLevel()) return -1;
    }
    return -1;
}

const AppreciationRow* FQSPageDataList::RowOf(std::int32_t index) const {
    const FQSPageData* entry = At(index);
    const std::span<const AppreciationRow> table = AppreciationTable(tableKind_);
    if (!entry || entry->GetTopic() < 0 || static_cast<std::size_t>(entry->GetTopic()) >= table.size())
        return nullptr;
    return &table[static_cast<std::size_t>(entry->GetTopic())];
}

void FQSPageDataList::GetItemText(std::int32_t index, std::string& text) const {
    const AppreciationRow* row = RowOf(index);
    if (!row || !row->name) return;
    const FQSInterpretation name(story_.document, kItemTextLimit, row->name, At(index), nullptr);
    TextMacroExpander expander(story_.document, name.GetText());
    text += expander.Expand();
}

void FQSPageDataList::GetItemContent(std::int32_t index, std::string& text) const {
    const AppreciationRow* row = RowOf(index);
    if (!row || !row->content || row->content[0] == '"') return;
    const FQSInterpretation content(story_.document, kItemTextLimit, row->content, At(index), nullptr);
    text += content.GetText();
}

std::int16_t FQSPageDataList::GetAppreciationID(std::int32_t index) const {
    const AppreciationRow* row = RowOf(index);
    return row ? row->appreciation : -1;
}

std::int16_t FQSPageDataList::GetThroughlineOrScene(std::int32_t index) const {
    const FQSPageData* entry = At(index);
    if (!entry) return -1;
    return entry->GetThroughline() != QuestionContext::kNone ? entry->GetThroughline() : entry->GetScene();
}

IncludeableAppreciation FQSPageDataList::MakeAppreciation(std::int32_t index) const {
    const FQSPageData* entry = At(index);
    if (!entry) return {};
    return IncludeableAppreciation(GetAppreciationID(index), GetThroughlineOrScene(index),
                                   entry->GetCharacter(), entry->GetSecondCharacter());
}

std::int32_t FQSPageDataList::FindAppreciation(const IncludeableAppreciation& record) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (MakeAppreciation(i) == record) return i;
    }
    return -1;
}
