// Characteristics and archetypes: the four dimensions, archetypes given and recognised, and the
// questions when a characteristic is taken from another character.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "storymodel/Archetypes.h"
#include "storymodel/StoryTestSupport.h"

namespace {

constexpr std::int16_t kProtagonist = 4;
constexpr std::int16_t kConsider = 96;
constexpr std::int16_t kPursuit = 132;
constexpr std::int16_t kCertainty = 92;
constexpr int kMotivation = 0;
constexpr int kMethodology = 1;

using Elements = std::vector<std::int16_t>;

class CharacteristicsTest : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        NewStory();
        hero_ = Characters().CreateCharacter("Hero", 0, 1, 0, kNoRole, false);
        holder_ = Characters().CreateCharacter("Holder", 0, 1, 0, kNoRole, false);
    }

    // Counts the characteristic notifications.
    struct Watcher : MCharacteristicListener {
        explicit Watcher(CharacterManager& characters)
            : MCharacteristicListener(&characters.GetCharacteristicBroadcaster()) {}
        void CharacteristicsChanged() override { ++heard; }
        int heard = 0;
    };

    CharID hero_ = kNoCharID;
    CharID holder_ = kNoCharID;
};

TEST(Archetypes, TheDimensionsPartitionTheCharacteristicsAndHoldTheirArchetypesPairs) {
    std::array<int, 4> sizes{};
    for (int index = 0; index < 64; ++index) ++sizes[DimensionOfCharacteristic(index)];
    EXPECT_EQ(sizes, (std::array<int, 4>{16, 16, 16, 16}));
    EXPECT_EQ(DimensionOfCharacteristic(-1), 0xFFFF);
    EXPECT_EQ(DimensionOfCharacteristic(64), 0xFFFF);

    std::set<std::int16_t> all;
    for (std::int16_t archetype = kFirstArchetype; archetype <= kLastArchetype; ++archetype) {
        std::array<std::int16_t, kArchetypeElementCount> indexes;
        ASSERT_TRUE(GetArchetypeCharacteristics(archetype, indexes));
        for (int i = 0; i < kArchetypeElementCount; ++i) {
            EXPECT_EQ(DimensionOfCharacteristic(indexes[i]), i / 2) << archetype;
            all.insert(indexes[i]);
        }
    }
    EXPECT_EQ(all.size(), 64u);
    std::array<std::int16_t, kArchetypeElementCount> none;
    EXPECT_FALSE(GetArchetypeCharacteristics(kComplexArchetype, none));
    EXPECT_STREQ(ArchetypeName(kProtagonist), "Protagonist");
    EXPECT_STREQ(ArchetypeName(11), "Contagonist");
    EXPECT_STREQ(DimensionKey(3), "Purp");
}

TEST_F(CharacteristicsTest, AnArchetypeGivesItsElementsAndIsRecognisedInAnyOrder) {
    Watcher watcher(Characters());
    Characters().GetCharacter(hero_)->SetArchetype(kProtagonist);
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_EQ(Characters().GetCharacteristics(hero_, kMotivation), (Elements{kConsider, kPursuit}));
    EXPECT_EQ(Characters().GetCharacter(hero_)->GetArchetype(), kProtagonist);
    EXPECT_EQ(Characters().FindCharacterWithCharacteristic(kPursuit, kMotivation), hero_);
    EXPECT_EQ(Characters().FindCharacterWithCharacteristic(kPursuit, kMethodology), kNoCharID);

    // The same elements, each dimension reversed, on another character.
    std::array<std::int16_t, kArchetypeElementCount> elements;
    ArchetypeElements(kProtagonist, elements);
    Characters().ApplyArchetype(hero_, kUnassignedArchetype);
    EXPECT_EQ(Characters().GetCharacter(hero_)->GetArchetype(), kUnassignedArchetype);
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        EXPECT_TRUE(Characters().GetCharacteristics(hero_, dimension).empty());
        const Elements reversed{elements[2 * dimension + 1], elements[2 * dimension]};
        Characters().SetCharacteristics(holder_, dimension, reversed);
        EXPECT_EQ(Characters().GetCharacter(holder_)->GetArchetype(),
                  dimension < 3 ? kComplexArchetype : kProtagonist);
    }
    // One more element makes it complex again.
    Characters().SetCharacteristics(holder_, kMotivation, Elements{kPursuit, kConsider, 89});
    EXPECT_EQ(Characters().GetCharacter(holder_)->GetArchetype(), kComplexArchetype);
}

TEST_F(CharacteristicsTest, WritingTheSameListAgainIsNoChange) {
    Characters().SetCharacteristics(hero_, kMethodology, Elements{kCertainty});
    Story().SetClean();
    Watcher watcher(Characters());
    Characters().SetCharacteristics(hero_, kMethodology, Elements{kCertainty});
    Characters().SetCharacteristics(hero_, 2, Elements{});
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(Story().dirty);
    Characters().RemoveCharacteristic(Characters().IndexOf(hero_), kMethodology, kCertainty);
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_FALSE(Characters().GetCharacter(hero_)->Record()->HasKey("Meth"));
}

TEST_F(CharacteristicsTest, ARefusedElementStaysWithItsHolderAndLeavesTheCharacterComplex) {
    Characters().SetCharacteristics(holder_, kMotivation, Elements{kPursuit});
    prompts_.buttons = {kAnswerNo};
    Characters().ApplyArchetype(hero_, kProtagonist);
    ASSERT_EQ(prompts_.questions.size(), 1u);
    EXPECT_EQ(prompts_.questions[0],
              "The Motivation of 'Pursuit' is currently occupied by 'Holder'.\r\n\r\nDo you still wish to "
              "give 'Hero' "
              "the Pursuit Motivation?");
    EXPECT_EQ(Characters().GetCharacteristics(hero_, kMotivation), (Elements{kConsider}));
    EXPECT_EQ(Characters().GetCharacteristics(holder_, kMotivation), (Elements{kPursuit}));
    EXPECT_EQ(Characters().GetCharacter(hero_)->GetArchetype(), kComplexArchetype);
}

TEST_F(CharacteristicsTest, YesAllTakesTheElementAskedAboutAndEveryLaterOne) {
    Characters().SetCharacteristics(holder_, kMotivation, Elements{kPursuit, 89});
    Characters().SetCharacteristics(holder_, kMethodology, Elements{kCertainty});
    prompts_.buttons = {kAnswerYesAll};
    Characters().ApplyArchetype(hero_, kProtagonist);
    EXPECT_EQ(prompts_.questions.size(), 1u);
    EXPECT_EQ(Characters().GetCharacter(hero_)->GetArchetype(), kProtagonist);
    EXPECT_EQ(Characters().GetCharacteristics(holder_, kMotivation), (Elements{89}));
    EXPECT_TRUE(Characters().GetCharacteristics(holder_, kMethodology).empty());

    // No All refuses this one and the rest without asking again.
    std::int32_t answer = kAskAgain;
    std::vector<std::int16_t> accepted;
    prompts_.buttons = {RecordingPrompts::kNoAll};
    const Elements wanted{kConsider, kPursuit};
    EXPECT_TRUE(Characters().ConfirmCharacteristicConflicts(Characters().IndexOf(holder_), kMotivation,
                                                            wanted, accepted, answer));
    EXPECT_TRUE(accepted.empty());
    EXPECT_EQ(prompts_.questions.size(), 2u);
    EXPECT_EQ(answer, kAnswerNo);
}

TEST_F(CharacteristicsTest, CharacteristicsAndArchetypesSurviveReopening) {
    Characters().GetCharacter(hero_)->SetArchetype(kProtagonist);
    Characters().SetCharacteristics(holder_, 3, Elements{85, 90});
    Reopen();
    EXPECT_EQ(Characters().GetCharacter(hero_)->GetArchetype(), kProtagonist);
    EXPECT_EQ(Characters().GetCharacteristics(holder_, 3), (Elements{85, 90}));
    EXPECT_EQ(Characters().RecordAt(Characters().IndexOf(holder_))->GetArchetype(), kComplexArchetype);
}

}  // namespace
