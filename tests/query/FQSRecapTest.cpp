// The recap texts: each recap type's sections in their order, dynamics by name or "unchosen", the
// throughline points by element name, "unchosen" or "multiply defined", and the labels of the
// characters' and the stories' points, the impact character named in the vocabulary in force.

#include <gtest/gtest.h>

#include <map>

#include "query/FQSRecap.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/StoryPointTable.h"
#include "support/ScopedVocabulary.h"

namespace {

class Recap : public ::testing::Test {
protected:
    std::string Compose(std::int16_t type) {
        return ComposeRecap(type, [this](int row) {
            const auto found = values.find(row);
            return found == values.end() ? std::int16_t{0} : found->second;
        });
    }
    static bool InOrder(const std::string& text, std::initializer_list<const char*> parts) {
        std::size_t at = 0;
        for (const char* part : parts) {
            const std::size_t found = text.find(part, at);
            if (found == std::string::npos) return false;
            at = found + 1;
        }
        return true;
    }
    std::map<int, std::int16_t> values;
};

TEST_F(Recap, DynamicsShowTheirNamesOrUnchosen) {
    values[0] = 1001;
    values[4] = 0;
    const std::string text = Compose(2);
    EXPECT_NE(text.find(std::string("Resolve: ") + StoryPointName(1001) + "\n"), std::string::npos);
    EXPECT_NE(text.find("Growth: unchosen\n"), std::string::npos);
    EXPECT_TRUE(InOrder(text, {"QUICK STORY RECAP:\n\n", "Main Character: {CNN(MC,NM)}\n",
                               "{NObst} Character: {CNN(OC,NM)}\n", "Resolve: ", "{NMSex}: ", "Driver: ",
                               "Judgment: ", "{NObje} {NDoma}:  ", "{NObje} Problem:  "}));
    EXPECT_EQ(text.find("Solution"), std::string::npos) << "the quick recap has block A only";
}

TEST_F(Recap, ThroughlinePointsShowElementsUnchosenOrMultiplyDefined) {
    values[ThroughlineStoryPointIndex(kObjectiveStory, kDomainOffset)] = 1;
    values[ThroughlineStoryPointIndex(kObjectiveStory, kConcernOffset)] = -1;
    values[ThroughlineStoryPointIndex(kObjectiveStory, kIssueOffset)] = -3;
    const std::string text = Compose(3);
    EXPECT_NE(text.find(std::string("{NObje} {NDoma}:  ") + ElementName(1) + "\n"), std::string::npos);
    EXPECT_NE(text.find("{NObje} Concern:  multiply defined\n"), std::string::npos);
    EXPECT_NE(text.find("{NObje} Issue:  unchosen\n"), std::string::npos);
    EXPECT_TRUE(InOrder(text, {"{CObje} STORY RECAP:\n\n", "Driver: ", "{NObje} Problem:  ", "{NObje} Solution:  ",
                               "{NObje} Catalyst:  ", "{NObje} Inhibitor:  ", "{NObje} Benchmark:  ", "Story Goal:  ",
                               "Story Forewarnings:  "}));
    EXPECT_EQ(text.find("Resolve"), std::string::npos) << "the overall recap has no character dynamics";
}

TEST_F(Recap, CharactersHaveUniqueAbilitiesAndFlawsStoriesCatalystsAndInhibitors) {
    const std::string main = Compose(5);
    EXPECT_TRUE(InOrder(main, {"MAIN CHARACTER RECAP:\n\n", "Main Character: {CNN(MC,NM)}\n\n", "Resolve: ",
                               "Main Character {NDoma}:  ", "Main Character Unique Ability:  ",
                               "Main Character Critical Flaw:  "}));
    EXPECT_EQ(main.find("Catalyst"), std::string::npos);
    const std::string obstacle = Compose(6);
    EXPECT_TRUE(InOrder(obstacle, {"{CObst} CHARACTER RECAP:\n\n", "{NObst} Character Concern:  ",
                                   "{NObst} Character Unique Ability:  "}));
    EXPECT_EQ(obstacle.find("Resolve"), std::string::npos);
    const std::string subjective = Compose(4);
    EXPECT_TRUE(InOrder(subjective, {"{CSubj} STORY RECAP:\n\n", "{NSubj} Issue:  ", "{NSubj} Catalyst:  ",
                                     "{NSubj} Inhibitor:  "}));
}

TEST_F(Recap, StoryPointsComeFromTheirThroughlines) {
    values[ThroughlineStoryPointIndex(kSubjectiveStory, kGoalOffset)] = 90;
    values[ThroughlineStoryPointIndex(kMainCharacter, kRequirementsOffset)] = 91;
    const std::string text = Compose(7);
    EXPECT_NE(text.find(std::string("Story Consequence:  ") + ElementName(90)), std::string::npos);
    EXPECT_NE(text.find(std::string("Story Forewarnings:  ") + ElementName(91)), std::string::npos);
    EXPECT_NE(text.find("Story Goal:  unchosen"), std::string::npos);
    EXPECT_TRUE(InOrder(text, {"STORYFORMING RECAP:\n\n", "DYNAMICS RECAP:\n\n", "Resolve: ", "Judgment: ",
                               "{CObje} STORY RECAP:\n", "{CSubj} STORY RECAP:\n", "MAIN CHARACTER RECAP:\n",
                               "{CObst} CHARACTER RECAP:\n", "ADDITIONAL {CAppr} RECAP:\n", "Story Goal:  "}));
}

TEST_F(Recap, TheImpactCharacterIsNamedInTheVocabularyInForce) {
    for (const std::uint16_t original : {0, 1}) {
        const ScopedVocabulary vocabulary(original);
        const char* named = original ? "Obstacle Character" : "Impact Character";
        const char* other = original ? "Impact" : "Obstacle";
        for (const std::int16_t type : {2, 6, 7}) {
            const std::string text = ExpandText(nullptr, Compose(type).c_str());
            EXPECT_EQ(text.find(other), std::string::npos) << original << ", recap " << type << ":\n" << text;
            EXPECT_NE(text.find(std::string(named) + ": "), std::string::npos) << original << ", recap " << type;
        }
        EXPECT_EQ(ExpandText(nullptr, Compose(6).c_str()).rfind(original ? "OBSTACLE CHARACTER RECAP:\n\n"
                                                                          : "IMPACT CHARACTER RECAP:\n\n",
                                                                 0),
                  0u);
    }
}

TEST_F(Recap, OtherTypesHaveNoTemplate) {
    EXPECT_EQ(Compose(1), "") << "the free text only";
    EXPECT_EQ(Compose(0), "");
    EXPECT_EQ(Compose(8), "");
    EXPECT_TRUE(RecapTakesFreeText(1));
    EXPECT_TRUE(RecapTakesFreeText(7));
    EXPECT_FALSE(RecapTakesFreeText(0));
    EXPECT_FALSE(RecapTakesFreeText(8));
}

}  // namespace
