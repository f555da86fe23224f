// The derived story points of a storyform: the four dynamic appreciations, and what a recount
// that leaves more than one storyform clears.

#include <gtest/gtest.h>

#include <vector>

#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryFormTestSupport.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr int kNature = 25;
constexpr int kEssence = 30;
constexpr int kTendency = 33;
constexpr int kReach = 36;

using StoryFormRebuildTest = StoryFormTest;

struct AppreciationCase {
    std::int16_t firstDynamic;  // id
    std::int16_t firstValue;
    std::int16_t secondDynamic;
    std::int16_t secondValue;
    int appreciation;  // index
    std::int16_t expected;
};

TEST_F(StoryFormRebuildTest, EachDynamicAppreciationFollowsItsPairOfDynamics) {
    StoryFormManager& storyForm = MakeManager();
    const std::vector<AppreciationCase> cases = {
        {1000, 1001, 1060, 1061, kNature, 1101},   {1000, 1001, 1060, 1062, kNature, 1102},
        {1000, 1002, 1060, 1061, kNature, 1103},   {1000, 1002, 1060, 1062, kNature, 1104},
        {1010, 1012, 1070, 1071, kEssence, 1111},  {1010, 1012, 1070, 1072, kEssence, 1112},
        {1010, 1011, 1070, 1071, kEssence, 1112},  {1010, 1011, 1070, 1072, kEssence, 1111},
        {1020, 1021, 1040, 1041, kTendency, 1121}, {1020, 1021, 1040, 1042, kTendency, 1122},
        {1020, 1022, 1040, 1041, kTendency, 1122}, {1020, 1022, 1040, 1042, kTendency, 1121},
        {1030, 1031, 1050, 1052, kReach, 1131},    {1030, 1031, 1050, 1051, kReach, 1132},
        {1030, 1032, 1050, 1052, kReach, 1133},    {1030, 1032, 1050, 1051, kReach, 1134},
    };
    for (const AppreciationCase& c : cases) {
        SCOPED_TRACE(c.expected);
        storyForm.SetValue(c.firstDynamic, c.firstValue);
        storyForm.SetValue(c.secondDynamic, c.secondValue);
        UpdateDynamicAppreciations(storyForm);
        EXPECT_EQ(storyForm.GetValueAt(c.appreciation), c.expected);
    }
}

TEST_F(StoryFormRebuildTest, ADynamicWithoutAValueCountsAsItsSecondValue) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    storyForm.UpdateDynamicAppreciations();
    // Steadfast and Failure; Start and Bad; Be-er and Decision; Intuitive and Optionlock.
    EXPECT_EQ(storyForm.GetValueAt(kNature), 1104);
    EXPECT_EQ(storyForm.GetValueAt(kEssence), 1112);
    EXPECT_EQ(storyForm.GetValueAt(kTendency), 1121);
    EXPECT_EQ(storyForm.GetValueAt(kReach), 1133);
    // Values in force only.
    EXPECT_EQ(storyForm.GetChosenValueAt(kNature), 0);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormRebuildTest, MoreThanOneStoryformClearsWhatBelongsToASingleOne) {
    StoryFormManager& storyForm = MakeManager(2, 1);
    StoryFormWatcher watcher(storyForm);
    std::vector<int> cleared = {kNature, kEssence, kTendency, kReach};
    std::vector<int> kept;
    for (int throughline = 0; throughline < 4; ++throughline) {
        for (int offset = 0; offset < kThroughlinePointCount; ++offset) {
            const int index = ThroughlineStoryPointIndex(throughline, offset);
            const bool derived = (offset >= 10 && offset <= 14) || offset == 17 || offset == 18;
            (derived ? cleared : kept).push_back(index);
        }
    }
    for (int index = 0; index < kStoryPointCount; ++index) storyForm.SetValueAt(index, 7);
    // A home class the writer chose goes back to the choice.
    const int chosenHome = ThroughlineStoryPointIndex(2, 17);
    storyForm.SetChoiceAt(chosenHome, '4');
    storyForm.SetValueAt(chosenHome, '1');
    document_->SetClean();
    watcher.heard = 0;
    ThroughlineStructure* first = storyForm.GetThroughlineStructure(1);
    first->nodes[3].position = 9;
    const ThroughlineStructure before = *first;

    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 0);
    for (const int index : cleared) {
        if (index == chosenHome)
            continue;
        EXPECT_EQ(storyForm.GetValueAt(index), 0) << index;
    }
    EXPECT_EQ(storyForm.GetValueAt(chosenHome), '4');
    for (const int index : kept) EXPECT_EQ(storyForm.GetValueAt(index), 7) << index;
    for (int index = 0; index < kThroughlineFirstIndex[0]; ++index) {
        if (index == kNature || index == kEssence || index == kTendency || index == kReach)
            continue;
        EXPECT_EQ(storyForm.GetValueAt(index), 7) << index;
    }
    // The structures stay as they are; nothing is announced.
    EXPECT_EQ(*storyForm.GetThroughlineStructure(1), before);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

}  // namespace
