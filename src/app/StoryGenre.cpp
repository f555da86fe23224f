#include "app/StoryGenre.h"

#include <cstdint>

#include "foundation/pfm/PText.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"

namespace {

// The question's topic: the first of the query's general choices about the story.
constexpr std::int16_t kGenreChoiceTopic = kFirstStoryChoiceTopic;

}  // namespace

bool MoveOldGenreChoice(PText& info) {
    std::int16_t choice = 0;
    if (info.GetEntry(kGenreTextKey, kPTextShort, &choice) < 0) return false;
    if (!info.HasKey(kGenreChoiceKey)) info.SetNumberByName(kGenreChoiceKey, kPTextShort, choice);
    info.Remove(kGenreTextKey);
    return true;
}

void ClearGenreMarkWithoutChoice(const PText& info, QuestionStatus& status) {
    if (!info.HasKey(kGenreChoiceKey) && status.GetStatus(kGenreChoiceTopic, 0) == kQuestionAnswered)
        status.SetTopicStatus(kQuestionOpen, kGenreChoiceTopic);
}
