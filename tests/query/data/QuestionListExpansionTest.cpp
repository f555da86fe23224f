// Question lists expanded against a story of four characters (in name order Alice, Bob, and the
// impact and Main characters a new story starts with), two relationships and three scenes: every
// expansion code, nested codes, and codes whose set is empty.

#include "query/data/QuestionListExpansion.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "QueryStoryFixture.h"
#include "query/data/QuestionList.h"

namespace {

class QuestionListExpansionTest : public QueryStoryTest {
protected:
    void SetUp() override {
        QueryStoryTest::SetUp();
        alice = AddCharacter("Alice");
        bob = AddCharacter("Bob");
        main = Characters().GetMainCharacter();
        impact = Characters().GetImpactCharacter();
        Relate(alice, bob);
        Relate(main, alice);
    }

    std::vector<FQSPageData> Expand(const char* order) {
        return ExpandQuestionList(ParseListOrder(order), Story());
    }

    // (topic, character, second character, throughline, act, scene) of each entry.
    using Row = std::tuple<int, int, int, int, int, int>;
    static std::vector<Row> Rows(const std::vector<FQSPageData>& entries) {
        std::vector<Row> rows;
        for (const FQSPageData& e : entries) {
            rows.emplace_back(e.GetTopic(), e.GetCharacter() == kNoCharID ? -1 : e.GetCharacter(),
                              e.GetSecondCharacter() == kNoCharID ? -1 : e.GetSecondCharacter(),
                              e.GetThroughline(), e.GetActIndex(), e.GetScene());
        }
        return rows;
    }

    CharID alice = kNoCharID;
    CharID bob = kNoCharID;
    CharID main = kNoCharID;
    CharID impact = kNoCharID;
};

TEST_F(QuestionListExpansionTest, EveryCharacterCopiesTheEntryAndItsSubtreeInTheCharactersOrder) {
    ASSERT_EQ(Characters().GetCount(), 4);
    ASSERT_EQ(Characters().IdAt(2), impact);
    const auto entries = Expand("1,100,1,0,101,2,0,102,3,0,103,1,");
    std::vector<Row> expected;
    for (CharID id : {alice, bob, impact, main}) {
        for (int topic : {100, 101, 102}) expected.emplace_back(topic, id, -1, -1, -1, -1);
    }
    expected.emplace_back(103, -1, -1, -1, -1, -1);
    EXPECT_EQ(Rows(entries), expected);
    EXPECT_EQ(entries[4].GetLevel(), 2) << "copies keep their levels";
}

TEST_F(QuestionListExpansionTest, SupportingCharactersLeaveOutTheMainAndImpactCharacters) {
    EXPECT_EQ(Rows(Expand("11,100,1,0,101,2,")), (std::vector<Row>{{100, alice, -1, -1, -1, -1},
                                                                   {101, alice, -1, -1, -1, -1},
                                                                   {100, bob, -1, -1, -1, -1},
                                                                   {101, bob, -1, -1, -1, -1}}));
}

TEST_F(QuestionListExpansionTest, TheMainAndImpactCodesSetTheCharacterTheirSubtreeTakes) {
    EXPECT_EQ(Rows(Expand("2,100,1,0,101,2,3,102,1,0,103,2,")),
              (std::vector<Row>{{100, main, -1, -1, -1, -1},
                                {101, main, -1, -1, -1, -1},
                                {102, impact, -1, -1, -1, -1},
                                {103, impact, -1, -1, -1, -1}}));
    // A deeper entry that has its character keeps it.
    const auto entries = Expand("1,100,1,3,101,2,0,102,3,");
    EXPECT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[1].GetCharacter(), impact);
    EXPECT_EQ(entries[2].GetCharacter(), alice) << "it had its character from the outer copy";
}

TEST_F(QuestionListExpansionTest, RelationshipsOfTheEntrysCharacterGiveTheSecondCharacter) {
    EXPECT_EQ(Rows(Expand("1,100,1,4,101,2,0,102,3,")), (std::vector<Row>{{100, alice, -1, -1, -1, -1},
                                                                          {101, alice, bob, -1, -1, -1},
                                                                          {102, alice, bob, -1, -1, -1},
                                                                          {101, alice, main, -1, -1, -1},
                                                                          {102, alice, main, -1, -1, -1},
                                                                          {100, bob, -1, -1, -1, -1},
                                                                          {101, bob, alice, -1, -1, -1},
                                                                          {102, bob, alice, -1, -1, -1},
                                                                          {100, impact, -1, -1, -1, -1},
                                                                          {100, main, -1, -1, -1, -1},
                                                                          {101, main, alice, -1, -1, -1},
                                                                          {102, main, alice, -1, -1, -1}}))
        << "the impact character has no relationship: its block keeps no relationship entry";
    EXPECT_TRUE(Expand("4,100,1,0,101,2,").empty()) << "an entry without a character has no relationships";
}

TEST_F(QuestionListExpansionTest, ThroughlineCodesFillTheCopiesFromTheExpandedEntry) {
    std::vector<FQSPageData> list = ParseListOrder("5,100,1,0,101,2,0,102,2,0,103,1,");
    list[0].SetOpen(true);
    list[0].SetActIndex(2);
    const auto entries = ExpandQuestionList(list, Story());
    ASSERT_EQ(entries.size(), 13u);
    for (int t = 0; t < 4; ++t) {
        for (int k = 0; k < 3; ++k) {
            const FQSPageData& entry = entries[static_cast<std::size_t>(3 * t + k)];
            EXPECT_EQ(entry.GetTopic(), 100 + k);
            EXPECT_EQ(entry.GetThroughline(), t);
            EXPECT_EQ(entry.GetActIndex(), 2) << "filled from the expanded entry";
            EXPECT_TRUE(entry.IsOpen()) << "flags taken where the copy has none";
        }
    }
    EXPECT_EQ(entries[12].GetThroughline(), -1);
    for (std::uint16_t code = 6; code <= 9; ++code) {
        const auto one = ExpandQuestionList({FQSPageData(code, 50, 1)}, Story());
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].GetThroughline(), code - 6);
    }
}

TEST_F(QuestionListExpansionTest, ScenesInStorytellingOrderAndActs) {
    const std::int16_t first = AddScene();
    const std::int16_t second = AddScene();
    const std::int16_t third = AddScene();
    Scenes().MoveScene(third, 0);
    EXPECT_EQ(Rows(Expand("10,100,1,0,101,2,")), (std::vector<Row>{{100, -1, -1, -1, -1, third},
                                                                   {101, -1, -1, -1, -1, third},
                                                                   {100, -1, -1, -1, -1, first},
                                                                   {101, -1, -1, -1, -1, first},
                                                                   {100, -1, -1, -1, -1, second},
                                                                   {101, -1, -1, -1, -1, second}}));
    EXPECT_EQ(
        Rows(Expand("12,100,1,")),
        (std::vector<Row>{{100, -1, -1, -1, 0, -1}, {100, -1, -1, -1, 1, -1}, {100, -1, -1, -1, 2, -1}}));
}

TEST_F(QuestionListExpansionTest, AnEmptySetLeavesNothingOfTheEntryAndItsSubtree) {
    EXPECT_EQ(Rows(Expand("0,99,1,10,100,1,0,101,2,0,102,1,")),
              (std::vector<Row>{{99, -1, -1, -1, -1, -1}, {102, -1, -1, -1, -1, -1}}));
    EXPECT_EQ(Expand("1,100,1,").size(), 4u);
    const QueryStory noCharacters{nullptr, nullptr, nullptr, nullptr, nullptr};
    EXPECT_TRUE(ExpandQuestionList(ParseListOrder("1,100,1,0,101,2,"), noCharacters).empty());
}

TEST_F(QuestionListExpansionTest, CodesWithoutAnExpansionLeaveTheirEntries) {
    EXPECT_EQ(
        Rows(Expand("0,100,1,13,101,2,400,102,3,")),
        (std::vector<Row>{{100, -1, -1, -1, -1, -1}, {101, -1, -1, -1, -1, -1}, {102, -1, -1, -1, -1, -1}}));
}

TEST_F(QuestionListExpansionTest, NestedCodesMultiply) {
    const auto entries = Expand("1,100,1,5,101,2,0,102,3,");
    ASSERT_EQ(entries.size(), 4u * (1 + 4 * 2));
    // Bob's block: his entry, then four throughline copies of the two deeper entries.
    const std::size_t bobs = 9;
    EXPECT_EQ(entries[bobs].GetCharacter(), bob);
    for (int t = 0; t < 4; ++t) {
        for (int k = 0; k < 2; ++k) {
            const FQSPageData& entry = entries[bobs + 1 + 2 * static_cast<std::size_t>(t) + k];
            EXPECT_EQ(entry.GetTopic(), 101 + k);
            EXPECT_EQ(entry.GetCharacter(), bob);
            EXPECT_EQ(entry.GetThroughline(), t);
        }
    }
}

TEST_F(QuestionListExpansionTest, ExpansionStopsAtTheLargestListRowsCanNumber) {
    // Nine chains of six nested throughline codes would make 9 x 5,460 = 49,140 entries.
    std::string order;
    for (int chain = 0; chain < 9; ++chain) {
        for (int level = 1; level <= kMaxOutlineLevel; ++level)
            order += "5," + std::to_string(100 + chain) + "," + std::to_string(level) + ",";
    }
    const auto entries = Expand(order.c_str());
    ASSERT_EQ(entries.size(), kMaxListEntries);
    EXPECT_EQ(entries.front().GetTopic(), 100);
    EXPECT_EQ(entries[5459].GetTopic(), 100);
    EXPECT_EQ(entries[5460].GetTopic(), 101) << "the chains before the limit are whole";
    EXPECT_EQ(entries.back().GetTopic(), 106);
}

}  // namespace
