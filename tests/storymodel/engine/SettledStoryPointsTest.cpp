// What the choices of a storyform chosen in part settle, against what the storyforms they leave give
// once each of them is closed as the only one.

#include "storymodel/engine/SettledStoryPoints.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "reports/StoryformCompletion.h"
#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/EngineTestSupport.h"

namespace {

using SettledStoryPointsTest = EngineFileTest;

struct ChosenInPart {
    const char* name;
    std::uint16_t number;
    std::vector<const char*> codes;
};

// Storyforms chosen in part that leave from 2 to 8 storyforms, between them open in each dynamic.
const ChosenInPart kChosenInPart[] = {
    {"all but the judgment and the impact character (2 left)",
     0,
     {"Resolve", "Direction", "Approach", "Sex", "Work", "Limit", "Outcome", "STDom", "STCon", "STRng",
      "STPbm", "MCDom", "MCCon", "MCRng", "MCPbm", "PLDom", "PLCon", "PLRng", "PLPbm"}},
    {"the outcome settled by the problem (2 left)",
     4096,
     {"Resolve", "Direction", "Approach", "Sex", "Work", "Limit", "STDom", "STCon", "STRng", "STPbm",
      "MCPbm"}},
    {"the overall story to its issue (4 left)",
     5200,
     {"Resolve", "Direction", "Approach", "Sex", "Work", "Limit", "Outcome", "STDom", "STCon", "STRng"}},
    {"the overall story's concern and every dynamic (8 left)",
     10920,
     {"Resolve", "Direction", "Approach", "Sex", "Work", "Limit", "Outcome", "Judgment", "STDom", "STCon"}},
    {"the two problems and a focus, resolve open (2 left)",
     5200,
     {"Direction", "Approach", "Sex", "Work", "Limit", "STPbm", "MCPbm", "STFoc"}},
};

// Every point reads as all the storyforms left give it once closed, and as nothing (or the writer's
// answer) where they differ; nothing of it is written into the story.
TEST_F(SettledStoryPointsTest, APointIsSettledWhereEveryStoryformLeftGivesItOneValue) {
    for (const ChosenInPart& chosen : kChosenInPart) {
        SCOPED_TRACE(chosen.name);
        StoryFormManager& storyForm = MakeManager();
        const std::uint16_t count = ChooseInPart(storyForm, chosen.number, chosen.codes);
        ASSERT_GT(count, 1);
        ASSERT_LE(count, 8);
        const StoryFormState before = *storyForm.SaveState();
        std::array<std::int16_t, kStoryPointCount> settled{}, inForce{};
        for (int index = 0; index < kStoryPointCount; ++index) {
            settled[static_cast<std::size_t>(index)] = storyForm.GetSettledStoryPoints().ValueAt(index);
            inForce[static_cast<std::size_t>(index)] = storyForm.GetValueAt(index);
        }
        EXPECT_EQ(*storyForm.SaveState(), before) << "the story is not written to";
        const std::vector<std::uint16_t> left = StoryformsLeft(storyForm);
        ASSERT_EQ(left.size(), count);
        const auto agreed = AgreedWhenClosed(left, [this]() -> StoryFormManager& { return MakeManager(); });
        int named = 0;
        for (int index = 0; index < kStoryPointCount; ++index) {
            const std::size_t i = static_cast<std::size_t>(index);
            const std::int16_t expected = agreed[i] ? agreed[i] : inForce[i];
            EXPECT_EQ(settled[i], expected) << StoryPointAt(index)->code << " " << index;
            named += settled[i] > 0 && inForce[i] <= 0;
        }
        EXPECT_GT(named, 0) << "what the choices settle goes beyond the answers";
    }
}

// With no storyform left, or with one (whose values in force the story holds), the values in force
// stand as they are.
TEST_F(SettledStoryPointsTest, WithNoneOrOneStoryformLeftTheValuesInForceStand) {
    const int goal = StoryPointIndexForCode("STGoal"), home = StoryPointIndexForCode("STHmCl");
    StoryFormManager& contradicted = MakeManager();
    ASSERT_GT(ChooseInPart(contradicted, 0, {"Resolve", "STDom", "STCon"}), 1);
    EXPECT_EQ(contradicted.GetSettledStoryPoints().ValueAt(goal),
              contradicted.GetValueAt(StoryPointIndexForCode("STCon")));
    // A concern outside the domain chosen leaves none.
    contradicted.SetChoice(StoryPointIDForCode("STCon"), kFirstTypeID + 4);
    ASSERT_EQ(CountAsTheStoryDoes(contradicted), 0);
    EXPECT_EQ(contradicted.GetSettledStoryPoints().ValueAt(goal), 0);
    EXPECT_EQ(contradicted.GetSettledStoryPoints().ValueAt(home), 0);
    StoryFormManager& complete = MakeManager();
    ASSERT_TRUE(CompleteStoryform(complete, 5200));
    complete.SetValueAt(goal, 0);
    EXPECT_EQ(complete.GetSettledStoryPoints().ValueAt(goal), 0);
}

}  // namespace
