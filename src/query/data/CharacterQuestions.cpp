#include "query/data/CharacterQuestions.h"

#include <set>
#include <utility>

#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/QuestionList.h"
#include "query/data/QuestionStatus.h"

void ForgetCharacterQuestions(PFMFile* dataFile, const QueryStory& story, CharID id) {
    if (!dataFile || !story.status || !story.characters || !IsValidCharID(id)) return;
    SList listIds;
    {
        const PFMFileScope scope(dataFile, true);
        if (PFMGetSegmentIds(kQuestionListType, listIds) != kNoErr) return;
    }
    // Status entries by topic and context key.
    std::set<std::pair<std::int16_t, std::int16_t>> ofCharacter;
    std::set<std::pair<std::int16_t, std::int16_t>> ofOthers;
    for (std::int32_t i = 0; i < listIds.Count(); ++i) {
        FQSPageDataList list(story);
        LoadQuestionList(dataFile, listIds.GetAt(i), 0, list);
        for (const FQSPageData& entry : list.Entries()) {
            const bool names = entry.GetCharacter() == id || entry.GetSecondCharacter() == id;
            (names ? ofCharacter : ofOthers).emplace(entry.GetTopic(), entry.GetContextKey());
        }
    }
    for (const auto& [topic, context] : ofCharacter) {
        if (ofOthers.count({topic, context}) || !story.status->FindOrInsert(topic, context, false)) continue;
        story.status->SetStatus(kQuestionOpen, topic, context);
        story.status->SetOpenFlag(0, topic, context);
    }
}
