#pragma once
// The query system's topics: one row per topic id (the row index is the id), with its title, its
// kind, the story point it answers (for story-point questions) and the progress group its answers
// count in. The rows are program data compiled from data/query/topics.table; the build checks them.
//
// Kinds:
// - 0 character topics (creating characters, relationships);
// - 2 story-point questions, whose status the storyform gives;
// - 3 further story-point topics, shown in caption style 2 and counted by the query window's second
//   progress bar;
// - 4 illustration topics, shown in caption style 2;
// - 5 scene topics;
// - 8 information pages, whose status is never stored;
// - 9 story information entries.
//
// Progress groups 3-8 are counted by the home page's bars ({NSE-Process} character, plot and theme
// 3-5; storyweaving character 6, theme 7 and plot 8); groups 0-2 mark the storyforming questions,
// which those bars count from the storyform itself; 9 counts nowhere.

#include <array>
#include <cstdint>

enum TopicKind : std::int16_t {
    kCharacterTopic = 0,
    kStoryPointTopic = 2,
    kFurtherStoryPointTopic = 3,
    kIllustrationTopic = 4,
    kSceneTopic = 5,
    kInformationTopic = 8,
    kStoryInformationTopic = 9,
};

struct TopicRecord {
    const char* title;  // a template with {...} macros and page keywords
    std::int16_t kind;
    std::int16_t storyPointIndex;  // kind 2: the story point table's row; 0 otherwise
    std::int16_t id;
    std::int16_t progressGroup;  // 0-9
};

inline constexpr int kTopicCount = 762;
inline constexpr std::int16_t kUncountedGroup = 9;

extern const std::array<TopicRecord, kTopicCount> kTopicTable;

// Whether the topic's answers are storytelling, which Clear Storytelling takes back: character,
// further story-point, illustration and scene topics.
constexpr bool IsStorytellingTopic(std::int16_t kind) {
    return kind == kCharacterTopic || kind == kFurtherStoryPointTopic || kind == kIllustrationTopic ||
           kind == kSceneTopic;
}

// Topic ids the program itself names.
inline constexpr std::int16_t kHomeTopic = 0;
// The story's title (stored at most 100 bytes; leaving it retitles the story's windows).
inline constexpr std::int16_t kStoryTitleTopic = 2;
// The Main Character's growth, asked as 78 once the Main Character changes and as 79 once he or she
// remains steadfast.
inline constexpr std::int16_t kGrowthTopic = 19;
inline constexpr std::int16_t kGrowthIfChangeTopic = 78;
inline constexpr std::int16_t kGrowthIfSteadfastTopic = 79;
// Pages that count as answered once they were seen.
inline constexpr std::int16_t kCreateCharactersTopic = 136;
inline constexpr std::int16_t kChooseMainAndImpactTopic = 139;
// The names of the overall and subjective story throughlines (stored at most 50 bytes).
inline constexpr std::int16_t kOverallStoryNameTopic = 278;
inline constexpr std::int16_t kSubjectiveStoryNameTopic = 279;
// General radio pages whose first radio means "not answered yet".
inline constexpr std::int16_t kFirstStoryChoiceTopic = 296;
inline constexpr std::int16_t kLastStoryChoiceTopic = 305;
// A second page of the story's title, which retitles the story's windows too.
inline constexpr std::int16_t kPlotpilotTitleTopic = 655;

// The row of the topic, or null for an id outside the table.
const TopicRecord* TopicAt(int topic);
// The kind of the topic; -1 for an id outside the table.
std::int16_t TopicKindOf(int topic);
