// The relationships section (report 27) of a story whose relationship texts include ones that name
// no two characters: each character's block names the others it has a relationship with, in list
// order, and nothing else.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "ReportTestSupport.h"
#include "storymodel/CharacterManager.h"

namespace {

using namespace reporttest;

class RelationshipsSection : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        CharacterManager& characters = story->Characters();
        while (characters.GetCount() > 0) characters.DeleteCharacter(characters.IdAt(0), false);
        log->lastKey = 5;
    }
    CharInfoRec& Add(const char* name) {
        CharacterManager& characters = story->Characters();
        return *characters.GetCharacter(characters.CreateCharacter(name, 0, 1, 0, 0, false));
    }
    // The key a relationship with the character is kept under.
    static std::string Key(CharID id) {
        char key[16];
        std::snprintf(key, sizeof key, "Relat%4X", static_cast<unsigned>(id));
        return key;
    }
    // A character's block without introduction or dismissal: its name, then each relationship (the
    // other's name and the text, if any), a paragraph apart, and a paragraph end after the last.
    static std::string Block(const std::string& name,
                             const std::vector<std::pair<std::string, std::string>>& relationships) {
        std::string text = kNone + "[S2]" + kB + name + kNB + "\n\n";
        for (std::size_t i = 0; i < relationships.size(); ++i) {
            const auto& [other, words] = relationships[i];
            if (i > 0) text += "\n\n";
            text += kHanging + name + "[S5]" + other + "\n";
            if (!words.empty()) text += kIndented + "\n" + words + "\n";
        }
        return relationships.empty() ? text : text + "\n\n";
    }
};

TEST_F(RelationshipsSection, EachCharacterNamesTheOthersItIsRelatedToInListOrder) {
    // Ids rise in the opposite order of the names; Gone is deleted.
    CharInfoRec& di = Add("Di");
    CharInfoRec& cy = Add("Cy");
    CharInfoRec& bo = Add("Bo");
    CharInfoRec& ann = Add("Ann");
    const CharID gone = Add("Gone").GetID();
    ann.SetRelationship("friends", bo.GetID());
    ann.SetRelationship("", cy.GetID());
    di.SetRelationship("cousins", bo.GetID());
    di.SetRelationship("alone", di.GetID());
    ann.SetRelationship("lost", gone);
    story->Characters().DeleteCharacter(gone, false);
    // Left behind by a deletion another program made, and kept by the character of the higher id.
    cy.SetText(Key(gone), "with a deleted character");
    ann.SetText(Key(bo.GetID()), "on the wrong side");

    composer->BuildRelationshipsSection();
    EXPECT_EQ(Take(), "[S1]\n\n" + Block("Ann", {{"Bo", "friends"}, {"Cy", ""}}) +
                          Block("Bo", {{"Ann", "friends"}, {"Di", "cousins"}}) + Block("Cy", {{"Ann", ""}}) +
                          Block("Di", {{"Bo", "cousins"}}));

    // A rename reorders the list, and every block follows.
    ann.SetName("Zoe");
    composer->BuildRelationshipsSection();
    EXPECT_EQ(Take(), "[S1]\n\n" + Block("Bo", {{"Di", "cousins"}, {"Zoe", "friends"}}) +
                          Block("Cy", {{"Zoe", ""}}) + Block("Di", {{"Bo", "cousins"}}) +
                          Block("Zoe", {{"Bo", "friends"}, {"Cy", ""}}));
}

// A character without an introduction, a dismissal or a relationship has no empty paragraph in its
// place: what it has follows its name one paragraph apart, and a name alone is followed at once by
// the next character.
TEST_F(RelationshipsSection, AMissingIntroductionOrDismissalLeavesNoBlankLines) {
    const std::string kItalic = Code("I+"), kNoItalic = Code("I-");
    CharInfoRec& ann = Add("Ann");
    CharInfoRec& bo = Add("Bo");
    CharInfoRec& cy = Add("Cy");
    Add("Di");
    ann.SetSWIntro("arrives");
    ann.SetRelationship("friends", bo.GetID());
    cy.SetSWDismiss("leaves");

    composer->BuildRelationshipsSection();
    const std::string text = Take();
    EXPECT_EQ(text, "[S1]\n\n" + kNone + "[S2]" + kB + "Ann" + kNB + "\n\n" + kHanging + "Ann[S3]\n" +
                        kItalic + kIndented + "arrives" + kNoItalic + kNone + "\n\n" + kHanging +
                        "Ann[S5]Bo\n" + kIndented + "\nfriends\n\n\n" + Block("Bo", {{"Ann", "friends"}}) +
                        kNone + "[S2]" + kB + "Cy" + kNB + "\n\n" + kHanging + "Cy[S4]\n" + kIndented +
                        kItalic + "leaves" + kNoItalic + kNone + "\n\n" + Block("Di", {}));
    EXPECT_EQ(text.find("\n\n\n\n"), std::string::npos);
}

}  // namespace
