#include "storymodel/engine/StoryPointTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/Vocabulary.h"
#include "support/ScopedVocabulary.h"

namespace {

TEST(StoryPointReaders, EveryIdFindsItsOwnRow) {
    for (int index = 0; index < kStoryPointCount; ++index) {
        const std::int16_t id = kStoryPointTable[index].id;
        EXPECT_EQ(StoryPointIndex(id), index) << id;
        EXPECT_EQ(StoryPointByID(id), &kStoryPointTable[index]) << id;
    }
}

TEST(StoryPointReaders, IdsNotInTheTableAreRefused) {
    for (std::int16_t id : {0, -1, 999, 1003, 1006, 1135, 12050, 13900, 22900, 32767, -32768}) {
        EXPECT_EQ(StoryPointIndex(id), -1) << id;
        EXPECT_EQ(StoryPointByID(id), nullptr) << id;
        EXPECT_STREQ(StoryPointName(id), "") << id;
    }
    EXPECT_EQ(StoryPointCode(1003), nullptr);
    EXPECT_EQ(StoryPointAt(-1), nullptr);
    EXPECT_EQ(StoryPointAt(kStoryPointCount), nullptr);
    EXPECT_EQ(StoryPointAt(116)->id, 22800);
}

TEST(StoryPointReaders, NamesFollowTheVocabulary) {
    const ScopedVocabulary vocabulary;
    for (std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        for (const StoryPointRecord& row : kStoryPointTable) {
            EXPECT_STREQ(StoryPointName(row.id), !original && row.altName ? row.altName : row.name) << row.id;
        }
    }
    EXPECT_STREQ(StoryPointName(0), "");
    EXPECT_STREQ(StoryPointName(-1), "");
    // Id 0 has the empty code; a value row has none.
    EXPECT_STREQ(StoryPointCode(0), "");
    EXPECT_EQ(StoryPointCode(1001), nullptr);
}

TEST(StoryPointReaders, CodeSearchStartsAtTheThroughlineBlock) {
    EXPECT_EQ(StoryPointIndexForCode("STDom"), 41);
    EXPECT_EQ(StoryPointIndexForCode("PLRng2"), 98 + 18);
    EXPECT_EQ(StoryPointIDForCode("PLRng2"), 22800);
    EXPECT_EQ(StoryPointIndexForCode("Resolve"), 0);
    EXPECT_EQ(StoryPointIDForCode("Judgment"), 1070);
    EXPECT_EQ(StoryPointIndexForCode("ResOC"), 3);
    // Exact, case-sensitive matches only.
    EXPECT_EQ(StoryPointIndexForCode("stdom"), -1);
    EXPECT_EQ(StoryPointIndexForCode("STDo"), -1);
    EXPECT_EQ(StoryPointIDForCode("Nowhere"), -1);
    EXPECT_EQ(StoryPointIndexForCode(""), -1);
    EXPECT_EQ(StoryPointIndexForCode(nullptr), -1);
    EXPECT_EQ(StoryPointIDForCode(nullptr), -1);
}

TEST(StoryPointReaders, ValueCountsByKind) {
    EXPECT_EQ(StoryPointValueCount(0), 2);    // Resolve
    EXPECT_EQ(StoryPointValueCount(1), 0);    // a value row
    EXPECT_EQ(StoryPointValueCount(25), 0);   // Nature, a dynamic appreciation
    EXPECT_EQ(StoryPointValueCount(41), 4);   // domain
    EXPECT_EQ(StoryPointValueCount(42), 16);  // concern
    EXPECT_EQ(StoryPointValueCount(43), 64);  // issue
    EXPECT_EQ(StoryPointValueCount(44), 64);  // problem
    EXPECT_EQ(StoryPointValueCount(-1), 0);
    EXPECT_EQ(StoryPointValueCount(kStoryPointCount), 0);
}

TEST(StoryPointReaders, ThroughlineIndexes) {
    EXPECT_EQ(ThroughlineStoryPointIndex(2, 3), 82);
    EXPECT_STREQ(StoryPointAt(82)->code, "OCPbm");
    EXPECT_EQ(ThroughlineStoryPointIndex(0, 0), 41);
    EXPECT_EQ(ThroughlineStoryPointIndex(3, 18), 116);
    EXPECT_EQ(ThroughlineStoryPointIndex(7, 3), 3);
    EXPECT_EQ(ThroughlineStoryPointIndex(-1, 3), 3);
}

TEST(StoryPointReaders, NamedRowsAddressTheirPoints) {
    const struct {
        int offset;
        const char* suffix;
    } named[] = {{kDomainOffset, "Dom"},         {kConcernOffset, "Con"},      {kIssueOffset, "Rng"},
                 {kProblemOffset, "Pbm"},        {kBenchmarkOffset, "Stp"},    {kSolutionOffset, "Sol"},
                 {kFocusOffset, "Foc"},          {kDirectionOffset, "Dir"},    {kCatalystOffset, "UnRng"},
                 {kFlawOffset, "CrFl"},          {kPositionOffset, "Ord"},     {kSignpostOffset, "Type1"},
                 {kSignpostOffset + 3, "Type4"}, {kGoalOffset, "Goal"},        {kRequirementsOffset, "Req"},
                 {kHomeClassOffset, "HmCl"},     {kCounterpointOffset, "Rng2"}};
    const std::pair<Throughline, std::string> prefixes[] = {{kObjectiveStory, "ST"},
                                                            {kMainCharacter, "MC"},
                                                            {kObstacleCharacter, "OC"},
                                                            {kSubjectiveStory, "PL"}};
    for (const auto& [throughline, prefix] : prefixes) {
        for (const auto& row : named) {
            EXPECT_EQ(StoryPointAt(ThroughlineStoryPointIndex(throughline, row.offset))->code,
                      prefix + row.suffix);
        }
    }
    EXPECT_STREQ(StoryPointAt(kNatureIndex)->code, "Nature");
    EXPECT_STREQ(StoryPointAt(kEssenceIndex)->code, "Essence");
    EXPECT_STREQ(StoryPointAt(kTendencyIndex)->code, "Tendency");
    EXPECT_STREQ(StoryPointAt(kReachIndex)->code, "Reach");
}

TEST(StoryPointReaders, DomainOfAThroughlinePoint) {
    EXPECT_EQ(ThroughlineDomainIndex(15500), 60);  // MCSol -> MCDom
    EXPECT_EQ(ThroughlineDomainIndex(12000), 41);
    EXPECT_EQ(ThroughlineDomainIndex(22800), 98);
    EXPECT_EQ(ThroughlineDomainIndex(19000), 79);
    // Points outside the throughlines, value rows and unknown ids have no domain row.
    EXPECT_EQ(ThroughlineDomainIndex(1000), -1);
    EXPECT_EQ(ThroughlineDomainIndex(1001), -1);
    EXPECT_EQ(ThroughlineDomainIndex(0), -1);
    EXPECT_EQ(ThroughlineDomainIndex(12050), -1);
}

}  // namespace
