#pragma once
// What the query window's status area and topic tree show of the story's progress: the storyform
// count, the storyforming bar (how far the choices narrowed the 32,768 storyforms), the topic bar
// (how many of the further story-point topics are answered) and the status mark of each tree row.

#include <cstdint>
#include <span>
#include <string>

#include "query/data/TopicTable.h"

class QuestionStatus;

// "Storyforms:  " and the count, with a bullet (0x95) after it when the storyform is complete.
std::string StoryformCountText(std::uint16_t count, bool complete);

// (15 - log2(count)) / 15 of the bar, in whole percent: 0 for all 32,768 storyforms, 100 for one.
// No storyform left (the count 0) shows an empty bar.
std::int32_t StoryformingPercent(std::uint16_t count);

struct TopicProgress {
    std::int32_t answered = 0;
    std::int32_t counted = 0;
};
// Over every topic of kind 3 among the rows: the answered and counted question states of the topic;
// a topic whose states count nothing counts once by its state under the context key 0 (open, not
// applicable or missing: counted; answered by the writer or the storyform: answered too).
TopicProgress CountTopicProgress(const QuestionStatus& status, std::span<const TopicRecord> topics);
// The same over every topic of the progress group, whatever its kind (the home page's bars).
TopicProgress CountGroupProgress(const QuestionStatus& status, std::span<const TopicRecord> topics,
                                 std::int16_t group);
// Answered of counted, in whole percent; 100 when nothing is counted.
std::int32_t TopicProgressPercent(const TopicProgress& progress);

// The status mark of a tree row. A story-point question (kind 2) takes it from the storyform: the
// writer's choice (1 or more: answered; -1: not applicable), else whether the value in force is
// set (answered by the storyform) or not (open). An information page (kind 8) has no status of its
// own (3). Any other topic shows its stored status.
std::int16_t RowStatusOf(std::int16_t topicKind, std::int16_t chosenValue, std::int16_t valueInForce,
                         std::int16_t storedStatus);
// Whether the row status is stored in the question status (only a story-point question's is).
inline bool IsRowStatusStored(std::int16_t topicKind) { return topicKind == kStoryPointTopic; }
