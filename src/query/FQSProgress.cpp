#include "query/FQSProgress.h"

#include <cmath>
#include <cstdio>

#include "query/data/QuestionStatus.h"

namespace {

constexpr double kStoryformBits = 15.0;
constexpr char kCompleteMark = '\x95';

}  // namespace

std::string StoryformCountText(std::uint16_t count, bool complete) {
    char text[32];
    std::snprintf(text, sizeof text, "Storyforms:  %hu", count);
    std::string shown = text;
    if (complete) shown += kCompleteMark;
    return shown;
}

std::int32_t StoryformingPercent(std::uint16_t count) {
    if (count == 0) return 0;
    const double share = (kStoryformBits - std::log2(static_cast<double>(count))) / kStoryformBits;
    return static_cast<std::int32_t>(share * 100.0);
}

namespace {

// The topic's answered and counted question states; a topic whose states count nothing counts once
// by its state under the context key 0.
void CountTopicInto(const QuestionStatus& status, std::int16_t topic, TopicProgress& progress) {
    const std::int32_t countedBefore = progress.counted;
    status.CountTopic(topic, progress.answered, progress.counted);
    if (progress.counted != countedBefore) return;
    const std::int16_t state = status.GetStatus(topic, 0);
    if (state == kQuestionAnswered || state == kQuestionAnsweredByStoryform) {
        ++progress.answered;
        ++progress.counted;
    } else if (state == kQuestionOpen || state == kQuestionNotApplicable) {
        ++progress.counted;
    }
}

}  // namespace

TopicProgress CountTopicProgress(const QuestionStatus& status, std::span<const TopicRecord> topics) {
    TopicProgress progress;
    for (const TopicRecord& row : topics) {
        if (row.kind == kFurtherStoryPointTopic) CountTopicInto(status, row.id, progress);
    }
    return progress;
}

TopicProgress CountGroupProgress(const QuestionStatus& status, std::span<const TopicRecord> topics,
                                 std::int16_t group) {
    TopicProgress progress;
    for (const TopicRecord& row : topics) {
        if (row.progressGroup == group) CountTopicInto(status, row.id, progress);
    }
    return progress;
}

std::int32_t TopicProgressPercent(const TopicProgress& progress) {
    if (progress.counted <= 0) return 100;
    return progress.answered * 100 / progress.counted;
}

std::int16_t RowStatusOf(std::int16_t topicKind, std::int16_t chosenValue, std::int16_t valueInForce,
                         std::int16_t storedStatus) {
    switch (topicKind) {
        case kStoryPointTopic:
            if (chosenValue >= 1) return kQuestionAnswered;
            if (chosenValue == -1) return kQuestionNotApplicable;
            return valueInForce > 0 ? kQuestionAnsweredByStoryform : kQuestionOpen;
        case kInformationTopic: return kQuestionNoStatus;
        default: return storedStatus;
    }
}
