#include "query/data/QuestionList.h"

#include <algorithm>
#include <memory>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/NumberList.h"
#include "storymodel/TextMacroExpander.h"

namespace {

constexpr std::int32_t kLargestListId = 0x7FFF;

bool IsListId(std::int32_t listId) { return listId >= 0 && listId <= kLargestListId; }

// The list's record, or null when the data file has none.
std::unique_ptr<PText> OpenList(PFMFile* dataFile, std::int32_t listId) {
    if (!dataFile || !QuestionListExists(dataFile, listId)) return nullptr;
    return std::make_unique<PText>(dataFile, kQuestionListType, static_cast<std::uint16_t>(listId));
}

}  // namespace

std::vector<FQSPageData> ParseListOrder(const char* text) {
    SList numbers;
    TextToShortList(text ? text : "", numbers);
    std::vector<FQSPageData> entries;
    for (std::int32_t i = 0; i + 2 < numbers.Count(); i += 3) {
        entries.emplace_back(static_cast<std::uint16_t>(numbers.GetAt(i)), numbers.GetAt(i + 1),
                             numbers.GetAt(i + 2));
    }
    return entries;
}

bool QuestionListExists(PFMFile* dataFile, std::int32_t listId) {
    if (!dataFile || !IsListId(listId)) return false;
    const PFMFileScope scope(dataFile, true);
    return PFMSegmentExists(kQuestionListType, static_cast<std::uint16_t>(listId));
}

std::string GetListName(PFMFile* dataFile, std::int32_t listId, IStoryDocument* document) {
    const std::unique_ptr<PText> record = OpenList(dataFile, listId);
    if (!record) return "-";
    std::string name(record->GetValueSize(kListNameKey) + 1, '\0');
    record->GetEntry(kListNameKey, kPTextText, name.data(), static_cast<std::int32_t>(name.size()));
    TextMacroExpander expander(document, name.c_str());
    return expander.Expand();
}

LoadedQuestionList LoadQuestionList(PFMFile* dataFile, std::int16_t listId, std::int32_t position,
                                    FQSPageDataList& list) {
    LoadedQuestionList loaded;
    loaded.listId = listId;
    std::unique_ptr<PText> record = OpenList(dataFile, listId);
    if (!record && listId != kDefaultList) {
        loaded.listId = kDefaultList;
        record = OpenList(dataFile, kDefaultList);
    }
    list.Assign({});
    if (!record) {
        loaded.result = kPTextErrNoKey;
        return loaded;
    }
    std::string order(record->GetValueSize(kListOrderKey) + 1, '\0');
    loaded.result = static_cast<ErrCode>(std::min<std::int32_t>(
        record->GetEntry(kListOrderKey, kPTextText, order.data(), static_cast<std::int32_t>(order.size())),
        0));
    if (loaded.result != 0) return loaded;
    list.Assign(ParseListOrder(order.c_str()));
    list.Expand();

    const QueryStory& story = list.GetStory();
    if (position == -1) position = ReadListPosition(story.responses, loaded.listId);
    loaded.row = ClampListPosition(position, list.Count());
    if (const FQSPageData* entry = list.At(loaded.row)) loaded.topic = entry->GetTopic();
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        FQSPageData& entry = *list.At(i);
        entry.SetOpen(story.status &&
                      story.status->GetOpenFlag(entry.GetTopic(), entry.GetContextKey()) != 0);
    }
    return loaded;
}

std::int32_t ClampListPosition(std::int32_t position, std::int32_t count) {
    return std::clamp(position, 0, std::max(count - 1, 0));
}

std::string ListPositionKey(std::int32_t listId) { return "CTR" + std::to_string(listId); }

std::int32_t ReadListPosition(PText* responses, std::int32_t listId) {
    std::int16_t row = 0;
    if (responses) responses->GetEntry(ListPositionKey(listId), kPTextShort, &row);
    return row;
}

void StoreListPosition(PText* responses, std::int32_t listId, std::int32_t row) {
    if (responses) responses->SetNumberByName(ListPositionKey(listId), kPTextShort, row);
}

std::int16_t ListToOpen(std::int16_t startList, PText* responses) {
    if (startList == kPlotpilotList) return kPlotpilotList;
    std::int16_t listId = kDefaultList;
    if (responses) responses->GetEntry(kListToOpenKey, kPTextShort, &listId);
    return listId;
}

void RememberListToOpen(PText* responses, std::int16_t listId) {
    if (responses && listId != kPlotpilotList)
        responses->SetNumberByName(kListToOpenKey, kPTextShort, listId);
}
