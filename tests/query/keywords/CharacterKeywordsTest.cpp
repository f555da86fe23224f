// The character keywords over a story: the text fields read and write their keys of the
// character's record (the interaction's key by the storytelling digit, the relationship's on the
// lower id under "Relat" and the other id in four hex places), renaming re-sorts, the popups map
// their indexes and go through the role confirmations, the item lists keep their room, relationships
// and characters are added and deleted with the topic tree following, and nothing is written into
// a character that is gone.

#include <gtest/gtest.h>

#include "KeywordTestFixture.h"
#include "foundation/pfm/PFM.h"
#include "items/TControl.h"
#include "platform/ui/MessageBox.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/Scene.h"
#include "storymodel/engine/InclApprList.h"

namespace keywordtest {
namespace {

using namespace win;

class CharacterKeywords : public KeywordTest {};

TEST_F(CharacterKeywords, TextFieldsReadAndWriteTheirKeyOfTheCharactersRecord) {
    const struct {
        const char* keyword;
        const char* key;
    } fields[] = {{"ChRefActv", "Actv"},   {"ChRefBel", "Bel"},       {"ChRefBG", "BG"},
                  {"ChRefCFunc", "CFunc"}, {"ChRefDesc", "Des"},      {"ChRefInt", "Int"},
                  {"ChRefPhys", "Phys"},   {"ChRefRole", "Role"},     {"ChRefRoleX", "RoleX"},
                  {"ChRefSkil", "Skil"},   {"ChRefIntro", "SWIntro"}, {"ChRefDismiss", "SWDismiss"}};
    const FQSPageData ofBob = Entry(bob);
    for (const auto& field : fields) {
        const auto binding = Bind(std::string("{") + field.keyword + "()}", ofBob);
        ASSERT_TRUE(binding->IsKeyword()) << field.keyword;
        const std::string text = std::string(field.keyword) + " of Bob";
        binding->GetKeyword()->SetText(story, *binding, text.c_str());
        EXPECT_EQ(Stored(bob, field.key), text) << field.keyword;
        EXPECT_NE(Stored(ann, field.key), text) << field.keyword << " writes the context's character only";
        characters->GetCharacter(bob)->SetText(field.key, "written elsewhere");
        EXPECT_EQ(FieldText(*binding), "written elsewhere") << field.keyword;
        EXPECT_EQ(FieldText(*binding, 5), "writ") << field.keyword << " fills at most the buffer";
    }
}

TEST_F(CharacterKeywords, TheInteractionIsKeptUnderTheDigitOfTheStorytellingIndex) {
    FQSPageData third = Entry(bob);
    third.SetStorytellingIndex(3);
    const auto binding = Bind("{ChRefInter()}", third);
    binding->GetKeyword()->SetText(story, *binding, "They meet at the harbour.");
    EXPECT_EQ(Stored(bob, "SWInter3"), "They meet at the harbour.");
    characters->GetCharacter(bob)->SetText("SWInter2", "second");
    EXPECT_EQ(FieldText(*binding), "They meet at the harbour.");

    // Clearing it asks first; only Yes clears, and only the third interaction.
    const auto clear = Bind("{DeleteInter()}", third);
    OpenWindow();
    Answer(IDNO);
    Click(*clear);
    EXPECT_EQ(Stored(bob, "SWInter3"), "They meet at the harbour.");
    Answer(IDYES);
    Click(*clear);
    EXPECT_EQ(Stored(bob, "SWInter3"), "");
    EXPECT_EQ(Stored(bob, "SWInter2"), "second");

    // Without an interaction there is no field: nothing is read or stored.
    const auto none = Bind("{ChRefInter()}", Entry(bob));
    none->GetKeyword()->SetText(story, *none, "lost");
    EXPECT_EQ(FieldText(*none), "");
    EXPECT_EQ(Stored(bob, "SWInter/"), "<missing>");
}

TEST_F(CharacterKeywords, IntroductionAndDismissalAreClearedOnlyOnYes) {
    OpenWindow();
    characters->GetCharacter(bob)->SetSWIntro("Bob arrives.");
    characters->GetCharacter(bob)->SetSWDismiss("Bob leaves.");
    const auto intro = Bind("{DeleteIntro()}", Entry(bob));
    const auto dismissal = Bind("{DeleteDis()}", Entry(bob));
    Answer(IDCANCEL);
    Click(*intro);
    EXPECT_EQ(Stored(bob, "SWIntro"), "Bob arrives.");
    Answer(IDYES);
    Click(*intro);
    EXPECT_EQ(Stored(bob, "SWIntro"), "");
    EXPECT_EQ(Stored(bob, "SWDismiss"), "Bob leaves.");
    Answer(IDYES);
    Click(*dismissal);
    EXPECT_EQ(Stored(bob, "SWDismiss"), "");
}

TEST_F(CharacterKeywords, RenamingSortsTheCharactersAgain) {
    const CharID zed = AddCharacter("Zed");
    const auto name = Bind("{ChRefNm()}", Entry(zed));
    ASSERT_TRUE(name->IsKeyword());
    EXPECT_STREQ(name->GetText(), "") << "a bound keyword has no text";
    EXPECT_EQ(FieldText(*name), "Zed");
    EXPECT_EQ(NameAt(2), "Zed");
    name->GetKeyword()->SetText(story, *name, "Aaron");
    EXPECT_EQ(Stored(zed, "NM"), "Aaron");
    EXPECT_EQ(NameAt(0), "Aaron");
    EXPECT_EQ(NameAt(1), "Ann");
    name->GetKeyword()->SetText(story, *name, "");
    EXPECT_EQ(Stored(zed, "NM"), "Aaron") << "an empty name is ignored";
    name->GetKeyword()->SetText(story, *name, " \t ");
    EXPECT_EQ(Stored(zed, "NM"), "Aaron") << "and so are spaces";
    EXPECT_EQ(FieldText(*name, 4), "Aar");
}

TEST_F(CharacterKeywords, RelationshipTextsAreStoredOnlyForAPairThatHasOne) {
    const auto relation = Bind("{ChRefRelat()}", Entry(bob, ann));
    relation->GetKeyword()->SetText(story, *relation, "rivals");
    EXPECT_FALSE(characters->GetCharacter(ann)->HasRelationship(bob)) << "typing makes no relationship";
    EXPECT_EQ(Stored(ann, "Relat   1"), "<missing>");

    characters->GetCharacter(ann)->EnsureRelationship(bob);
    relation->GetKeyword()->SetText(story, *relation, "rivals");
    // Kept on the lower id (Ann, 0) under the other id in four hex places.
    EXPECT_EQ(Stored(ann, "Relat   1"), "rivals");
    EXPECT_EQ(Stored(bob, "Relat   0"), "<missing>");
    const auto reverse = Bind("{ChRefRelat()}", Entry(ann, bob));
    EXPECT_EQ(FieldText(*reverse), "rivals");

    CharID last = bob;
    while (last < 0x1B) last = AddCharacter("Extra");
    characters->GetCharacter(last)->EnsureRelationship(ann);
    const auto far = Bind("{ChRefRelat()}", Entry(last, ann));
    far->GetKeyword()->SetText(story, *far, "cousins");
    EXPECT_EQ(Stored(ann, "Relat  1B"), "cousins") << "the id in hex";
}

TEST_F(CharacterKeywords, ArchetypeSexAndFormPopups) {
    const FQSPageData ofBob = Entry(bob);
    const auto archetype = Bind("{ChRefArch()}", ofBob);
    const auto sex = Bind("{ChRefSex()}", ofBob);
    const auto form = Bind("{ChRefForm()}", ofBob);
    OpenWindow();
    Pick(*archetype, 5);
    EXPECT_EQ(characters->GetCharacter(bob)->GetArchetype(), 5) << "the index is the archetype";
    EXPECT_EQ(archetype->GetKeyword()->GetChoice(story, *archetype), 5);
    Pick(*sex, 2);
    EXPECT_EQ(characters->GetCharacter(bob)->GetSex(), 2);

    EXPECT_EQ(form->GetKeyword()->GetChoice(story, *form), kSingularForm);
    std::int16_t index = static_cast<std::int16_t>(kPluralForm);
    form->GetKeyword()->ChoiceToIndex(index);
    EXPECT_EQ(index, 1) << "the popup shows the form - 1";
    Pick(*form, 1);
    EXPECT_EQ(characters->GetCharacter(bob)->GetForm(), kPluralForm);
    Pick(*form, 0);
    EXPECT_EQ(characters->GetCharacter(bob)->GetForm(), kSingularForm);
}

TEST_F(CharacterKeywords, TheSubjectiveRolePopupGoesThroughTheConfirmation) {
    const CharID zed = AddCharacter("Zed");
    const auto role = Bind("{ChRefSubj()}", Entry(zed));
    TFQSInterpretable* keyword = role->GetKeyword();
    for (const auto& [stored, shown] : {std::pair<std::int16_t, std::int16_t>{0, 0}, {1, 2}, {2, 3}}) {
        std::int16_t value = stored;
        keyword->ChoiceToIndex(value);
        EXPECT_EQ(value, shown) << "role " << stored;
    }
    OpenWindow();
    // Index 3 makes Zed the impact character, after Bob's place is given up on Yes.
    Answer(IDNO);
    Pick(*role, 3);
    EXPECT_EQ(characters->GetImpactCharacter(), bob);
    Answer(IDYES);
    Pick(*role, 3);
    EXPECT_EQ(characters->GetImpactCharacter(), zed);
    EXPECT_EQ(characters->GetCharacter(bob)->GetSubjectiveRole(), kNoRole);
    // Index 1 also means Main.
    Answer(IDYES);
    Pick(*role, 1);
    EXPECT_EQ(characters->GetMainCharacter(), zed);
    // Taking the needed role away is refused with a message; the role stays.
    Pick(*role, 0);
    EXPECT_EQ(characters->GetCharacter(zed)->GetSubjectiveRole(), kMainRole);
}

TEST_F(CharacterKeywords, MainAndImpactPopupsChooseByListPosition) {
    const CharID zed = AddCharacter("Zed");
    const FQSPageData any = Entry(kNoCharID);
    const auto main = Bind("{ChSetMain()}", any);
    const auto impact = Bind("{ChSetObst()}", any);
    EXPECT_EQ(main->GetKeyword()->GetChoice(story, *main), 0) << "Ann, first of Ann, Bob, Zed";
    EXPECT_EQ(impact->GetKeyword()->GetChoice(story, *impact), 1);
    OpenWindow();
    Answer(IDNO);
    Pick(*impact, 2);
    EXPECT_EQ(characters->GetImpactCharacter(), bob);
    Answer(IDYES);
    Pick(*impact, 2);
    EXPECT_EQ(characters->GetImpactCharacter(), zed);
    EXPECT_EQ(impact->GetKeyword()->GetChoice(story, *impact), 2);
    // The current Main again: the confirmation refuses without a question, nothing changes.
    Pick(*main, 0);
    EXPECT_EQ(characters->GetMainCharacter(), ann);
    Pick(*main, 7);
    EXPECT_EQ(characters->GetMainCharacter(), ann) << "no character at the position";
}

TEST_F(CharacterKeywords, ARefusedRoleChangeShowsTheStoredRoleAgain) {
    OpenWindow();
    // Any popup of the window stands in for the page's.
    auto* popup = dynamic_cast<TControl*>(window->GetItem(FQSWindow::kListChooserItem));
    ASSERT_NE(popup, nullptr);
    const auto role = Bind("{ChRefSubj()}", Entry(ann));
    std::int16_t value = 0;
    EXPECT_FALSE(role->GetKeyword()->AcceptChoice(popup, value, story, *role)) << "Ann must stay Main";
    EXPECT_EQ(popup->GetValue(), 2) << "Main is shown at index 2";
    value = 2;
    EXPECT_FALSE(role->GetKeyword()->AcceptChoice(popup, value, story, *role)) << "Main already";
    EXPECT_EQ(value, 1) << "index 2 is the Main role";

    const CharID zed = AddCharacter("Zed");
    const auto impact = Bind("{ChSetObst()}", Entry(zed));
    popup->SetValue(2, false);
    Answer(IDNO);
    value = 2;
    EXPECT_FALSE(impact->GetKeyword()->AcceptChoice(popup, value, story, *impact));
    EXPECT_EQ(popup->GetValue(), 1) << "Bob's place in the list";
    EXPECT_EQ(characters->GetImpactCharacter(), bob);
    EXPECT_EQ(zed, characters->IdAt(2));
    popup->SetValue(kCastList, false);
}

TEST_F(CharacterKeywords, TheItemListsWriteWholeNamesWhileRoomLasts) {
    const CharID zed = AddCharacter("Zed");
    characters->GetCharacter(ann)->EnsureRelationship(bob);
    EXPECT_EQ(Expand("{ChCharListM()}", Entry(ann)), "Ann\nBob\nZed");
    EXPECT_EQ(Expand("{ChCharListM()}", Entry(ann), 8), "Ann\nBob");
    EXPECT_EQ(Expand("{ChRefPossR()}", Entry(ann)), "No one\n-\nZed");
    EXPECT_EQ(Expand("{ChRefPossR()}", Entry(ann), 7), "No one");
    characters->GetCharacter(bob)->EnsureRelationship(zed);
    EXPECT_EQ(Expand("{ChRefPossR()}", Entry(bob)), "No one\n-\n") << "related to everyone";
}

TEST_F(CharacterKeywords, AddingARelationshipPicksTheCandidateAndGoesToThePair) {
    const CharID carl = AddCharacter("Carl");
    const CharID zed = AddCharacter("Zed");
    characters->GetCharacter(ann)->EnsureRelationship(bob);
    OpenWindow();
    const auto add = Bind("{ChRefAddR(126)}", Entry(ann));
    ASSERT_TRUE(add->IsKeyword());
    EXPECT_EQ(add->GetParameter(), 126);
    Pick(*add, 0);
    Pick(*add, 1);
    EXPECT_FALSE(characters->GetCharacter(ann)->HasRelationship(carl));
    EXPECT_FALSE(characters->GetCharacter(ann)->HasRelationship(zed));
    // Candidates: Carl (2) and Zed (3); Bob is related already, Ann is herself.
    Pick(*add, 3);
    EXPECT_TRUE(characters->GetCharacter(ann)->HasRelationship(zed));
    EXPECT_FALSE(characters->GetCharacter(ann)->HasRelationship(carl));
    EXPECT_EQ(Stored(ann, "Relat   3"), "");
    EXPECT_EQ(CurrentRow(), "With Zed") << "the pair's page, under Ann";
    const FQSPageData* entry = window->GetListEntry(window->GetCurrentRow());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetCharacter(), ann);
    EXPECT_EQ(entry->GetSecondCharacter(), zed);
}

TEST_F(CharacterKeywords, CreatingACharacterGoesToItsPage) {
    OpenWindow();
    char name[20] = {};
    characters->MakeDefaultName(name, sizeof name);
    const auto create = Bind("{CreateChar(114)}", Entry(kNoCharID));
    Click(*create);
    ASSERT_EQ(characters->GetCount(), 3);
    const CharID created = characters->GetLastCharacterID();
    EXPECT_EQ(characters->GetCharacter(created)->Name(), name) << "the story's next default name";
    EXPECT_EQ(characters->GetCharacter(created)->GetSubjectiveRole(), kNoRole);
    EXPECT_EQ(CurrentRow(), std::string(name) + ": Description");
    const std::vector<std::string> rows = TreeRows();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), name), 1) << "the tree was built again";
    const FQSPageData* entry = window->GetListEntry(window->GetCurrentRow());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetCharacter(), created);
}

TEST_F(CharacterKeywords, DeletingACharacterTakesItFromTheStoryAndTheTree) {
    const CharID zed = AddCharacter("Zed");
    characters->GetCharacter(ann)->EnsureRelationship(zed);
    OpenWindow();
    GoToRowOf("Zed: Description");
    const auto description = Bind("{ChRefDesc()}", Entry(zed));
    const auto remove = Bind("{DeleteChar()}", Entry(zed));
    Answer(IDNO);
    Click(*remove);
    ASSERT_TRUE(characters->HasCharacter(zed));
    Answer(IDYES);
    Click(*remove);
    EXPECT_FALSE(characters->HasCharacter(zed));
    EXPECT_EQ(Stored(ann, "Relat   2"), "<missing>") << "its relationships went with it";
    for (const std::string& row : TreeRows()) EXPECT_EQ(row.find("Zed"), std::string::npos) << row;
    EXPECT_EQ(CurrentRow().find("Zed"), std::string::npos);
    // A field of the deleted character's page writes nothing, and no new character is the wiser.
    description->GetKeyword()->SetText(story, *description, "too late");
    EXPECT_EQ(FieldText(*description), "");
    EXPECT_EQ(characters->GetCount(), 2);
    const CharID next = AddCharacter("Yves");
    EXPECT_NE(next, zed);
    EXPECT_EQ(Stored(next, "Des"), "<missing>");

    // The Main character is refused with a message.
    const auto main = Bind("{DeleteChar()}", Entry(ann));
    Click(*main);
    EXPECT_TRUE(characters->HasCharacter(ann));
}

TEST_F(CharacterKeywords, DeletingACharacterKeepsTheOtherRowsStatusAndTheScenesConsistent) {
    const CharID abe = AddCharacter("Abe");
    const std::int16_t scene = scenes->SceneAt(scenes->InsertScene(-1))->GetID();
    scenes->FindScene(scene)->AddAppreciation(IncludeableAppreciation(1, -1, abe));
    scenes->FindScene(scene)->AddAppreciation(IncludeableAppreciation(1, -1, bob));
    const FQSPageData bobsDescription = Entry(bob, kNoCharID, -1, 114);
    story->GetQuestionStatus().SetStatus(kQuestionAnswered, 114, bobsDescription.GetContextKey());
    OpenWindow();
    const auto statusOf = [this](const std::string& caption) {
        const std::vector<std::string> rows = TreeRows();
        const auto found = std::find(rows.begin(), rows.end(), caption);
        EXPECT_NE(found, rows.end()) << caption;
        return found == rows.end() ? -1
                                   : window->GetTopicTree()
                                         ->NodeAt(static_cast<std::int32_t>(found - rows.begin()))
                                         ->GetStatus();
    };
    ASSERT_EQ(statusOf("Bob: Description"), kQuestionAnswered);
    const std::int32_t before = window->GetQuestionList().Count();
    const auto remove = Bind("{DeleteChar()}", Entry(abe));
    Answer(IDYES);
    Click(*remove);
    ASSERT_FALSE(characters->HasCharacter(abe));
    EXPECT_EQ(window->GetQuestionList().Count(), before - 3) << "Abe's page, description and relationships";
    EXPECT_EQ(statusOf("Bob: Description"), kQuestionAnswered) << "the status follows the row, not its place";
    EXPECT_NE(statusOf("Ann: Description"), kQuestionAnswered);
    const InclApprList& kept = scenes->FindScene(scene)->GetAppreciations();
    ASSERT_EQ(kept.GetCount(), 1) << "the scene lost Abe only";
    EXPECT_EQ(kept.GetAt(0).GetCharacter1(), bob);
}

TEST_F(CharacterKeywords, EveryBindingOfACharacterDeletedElsewhereWritesNothing) {
    const CharID zed = AddCharacter("Zed");
    characters->GetCharacter(ann)->EnsureRelationship(zed);
    const FQSPageData ofZed = Entry(zed, ann);
    std::vector<std::unique_ptr<FQSInterpretation>> bindings;
    for (const char* text : {"{ChRefActv()}", "{ChRefIntro()}", "{ChRefNm()}", "{ChRefRelat()}",
                             "{ChRefArch()}", "{ChRefSex()}", "{ChRefForm()}", "{ChRefSubj()}"})
        bindings.push_back(Bind(text, ofZed));
    // The cast list deletes Zed while the page still shows him.
    characters->DeleteCharacter(zed, true);
    for (const auto& binding : bindings) {
        TFQSInterpretable* keyword = binding->GetKeyword();
        keyword->SetText(story, *binding, "too late");
        std::int16_t value = 2;
        if (keyword->AcceptChoice(nullptr, value, story, *binding))
            keyword->SetChoice(story, *binding, value);
        EXPECT_EQ(FieldText(*binding), "") << keyword->GetName();
        EXPECT_EQ(keyword->GetChoice(story, *binding), 0) << keyword->GetName();
    }
    EXPECT_EQ(characters->GetCount(), 2);
    const PFMFileScope scope(story->GetStoryFile(), false);
    EXPECT_FALSE(PFMSegmentExists(FourCCOf("CHAR"), zed)) << "no record of Zed is made again";
    EXPECT_EQ(Stored(ann, "Relat   2"), "<missing>");
    EXPECT_EQ(characters->GetMainCharacter(), ann);
    EXPECT_EQ(characters->GetImpactCharacter(), bob);
}

TEST_F(CharacterKeywords, DeletingARelationshipRemovesItsKey) {
    characters->GetCharacter(ann)->SetRelationship("old friends", bob);
    OpenWindow();
    GoToRowOf("With Bob");
    const auto remove = Bind("{DelChRelat()}", Entry(ann, bob));
    Answer(IDNO);
    Click(*remove);
    EXPECT_EQ(Stored(ann, "Relat   1"), "old friends");
    Answer(IDYES);
    Click(*remove);
    EXPECT_EQ(Stored(ann, "Relat   1"), "<missing>");
    EXPECT_FALSE(characters->GetCharacter(bob)->HasRelationship(ann));
    const std::vector<std::string> rows = TreeRows();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "With Bob"), 0);
    EXPECT_NE(CurrentRow(), "With Bob");
}

TEST_F(CharacterKeywords, GoingToACharactersPage) {
    OpenWindow();
    const auto ofBob = Bind("{GotoChar(114)}", Entry(bob, ann));
    Click(*ofBob);
    EXPECT_EQ(CurrentRow(), "Bob: Description");
    const auto other = Bind("{GotoRelatOth(113)}", Entry(bob, ann));
    Click(*other);
    EXPECT_EQ(CurrentRow(), "Ann");
    const auto unknown = Bind("{GotoChar(999)}", Entry(bob));
    Click(*unknown);
    EXPECT_EQ(CurrentRow(), "Ann") << "no such page: nothing happens";
}

}  // namespace
}  // namespace keywordtest
