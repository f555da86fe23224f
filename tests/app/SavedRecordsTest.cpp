// What a save writes, seen by saving, quitting, starting again and opening the story: the notes of
// characteristics an imported character file brought, and each kind of record the writer changes
// (a character's texts, characteristics and notes, a scene, the storytelling, the story's
// information, locks and a point given several values), both at the first Save As and at a later
// Save of the same file.

#include <gtest/gtest.h>

#include "StoryAppFixture.h"
#include "foundation/TypedList.h"
#include "storymodel/CharacterFiles.h"
#include "storymodel/RecordText.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace apptest {
namespace {

// An element of the first class, and the note its characteristic shares with three others.
constexpr std::int16_t kElement = 96;

class SavedRecords : public StoryAppTest {
protected:
    // Saved to its file, the program quit and started again, the file opened.
    FKDoc* SavedAndReopened(FKDoc* story, const std::string& name, bool saveAs) {
        if (saveAs) {
            Choose(name);
            EXPECT_EQ(story->SaveAs(nullptr), kNoErr);
        } else {
            std::int16_t cancelled = 0;
            EXPECT_EQ(story->Save(&cancelled), kNoErr);
        }
        EXPECT_FALSE(story->IsDirty());
        Stop();
        Start();
        FKDoc* reopened = OpenStory(name);
        EXPECT_NE(reopened, nullptr);
        return reopened;
    }
    static CharacterManager& Characters(FKDoc* story) { return *story->GetCharacterManager(); }
    static CharID Named(FKDoc* story, const std::string& name) {
        for (std::int32_t i = 0; i < Characters(story).GetCount(); ++i)
            if (Characters(story).RecordAt(i)->Name() == name) return Characters(story).IdAt(i);
        return kNoCharID;
    }
};

TEST_F(SavedRecords, TheNotesAnImportedCharacterFileBroughtAreSavedWithTheStory) {
    // A character file whose character has a characteristic with a note.
    FKDoc* other = NewStory();
    const CharID walker = Characters(other).CreateCharacter("Walker", 0, 0, 0, kNoRole, false);
    const std::int16_t elements[] = {kElement};
    Characters(other).SetCharacteristics(walker, 0, elements);
    const int note = CharacteristicNoteNumber(kElement);
    Characters(other).SetCharacteristicNote(note, "walks before he thinks");
    ASSERT_TRUE(ExportCharacterFile(FileRef(Path("walker.fcf").c_str(), kAccessCreate), walker, *other));
    other->SetClean();
    application->CloseAll(true);
    Run();

    FKDoc* story = NewStory();
    ASSERT_EQ(application->OpenDocument(FileRef(Path("walker.fcf").c_str(), kAccessReadWrite), false), kNoErr);
    ASSERT_NE(Named(story, "Walker"), kNoCharID) << "the file's character went into the story";
    ASSERT_EQ(Characters(story).GetCharacteristicNote(note), "walks before he thinks");

    story = SavedAndReopened(story, "imported.fsf", true);
    ASSERT_NE(story, nullptr);
    const CharID imported = Named(story, "Walker");
    ASSERT_NE(imported, kNoCharID);
    EXPECT_EQ(Characters(story).GetCharacteristics(imported, 0), std::vector<std::int16_t>{kElement});
    EXPECT_EQ(Characters(story).GetCharacteristicNote(note), "walks before he thinks");
}

TEST_F(SavedRecords, EachKindOfRecordTheWriterChangedComesBackAtSaveAsAndAtSave) {
    const int overallDomain = ThroughlineStoryPointIndex(kObjectiveStory, kDomainOffset);
    const std::int16_t mainConcern = StoryPointAt(ThroughlineStoryPointIndex(kMainCharacter, kConcernOffset))->id;
    const std::int16_t elements[] = {kElement, static_cast<std::int16_t>(kElement + 1)};
    // Each round writes its own words, so that a record the save left out shows the round before.
    for (const std::string round : {"first", "second"}) {
        SCOPED_TRACE(round + " save");
        FKDoc* story = round == "first" ? NewStory() : OpenStory("kinds.fsf");
        ASSERT_NE(story, nullptr);
        if (round == "first") {
            Characters(story).CreateCharacter("Mara", 1, 0, 0, kNoRole, false);
            story->GetSceneManager()->InsertScene(-1);
        }
        const CharID mara = Named(story, "Mara");
        ASSERT_NE(mara, kNoCharID);
        CharInfoRec& character = *Characters(story).GetCharacter(mara);
        character.SetText(CharacterKey::kRole, (round + " role").c_str());
        character.SetText(CharacterKey::kDescription, (round + " description").c_str());
        Characters(story).SetCharacteristics(mara, round == "first" ? 1 : 2, elements);
        Characters(story).SetCharacteristicNote(CharacteristicNoteNumber(kElement), (round + " note").c_str());
        story->GetSceneManager()->SceneAt(0)->SetDescription((round + " scene").c_str());
        WriteRecordText(story->GetStorytellingRecord(), "STDom", (round + " telling").c_str());
        WriteRecordText(story->GetInfoRecord(), "Author", (round + " author").c_str());
        story->GetLockRecord()->SetNumberByName(round == "first" ? "Resolve" : "Limit", 's', 1);
        SList several;
        several.Append(round == "first" ? 1 : 3);
        several.Append(round == "first" ? 2 : 4);
        story->GetStoryFormManager()->SetChoiceAt(overallDomain, -1);
        story->GetStoryFormManager()->SetMultipleChoices(overallDomain, several);
        story->GetStoryFormManager()->SetChoice(mainConcern, round == "first" ? 13 : 5);
        story->SetDirty();

        story = SavedAndReopened(story, "kinds.fsf", round == "first");
        ASSERT_NE(story, nullptr);
        const CharID again = Named(story, "Mara");
        ASSERT_NE(again, kNoCharID);
        CharInfoRec& reopened = *Characters(story).GetCharacter(again);
        EXPECT_EQ(reopened.GetText(CharacterKey::kRole), round + " role");
        EXPECT_EQ(reopened.GetText(CharacterKey::kDescription), round + " description");
        EXPECT_EQ(Characters(story).GetCharacteristics(again, round == "first" ? 1 : 2).size(), 2u);
        EXPECT_EQ(Characters(story).GetCharacteristicNote(CharacteristicNoteNumber(kElement)), round + " note");
        char scene[64] = "";
        ASSERT_EQ(story->GetSceneManager()->GetSceneCount(), 1);
        story->GetSceneManager()->SceneAt(0)->GetDescription(scene, sizeof scene);
        EXPECT_STREQ(scene, (round + " scene").c_str());
        EXPECT_EQ(RecordText(story->GetStorytellingRecord(), "STDom"), round + " telling");
        EXPECT_EQ(RecordText(story->GetInfoRecord(), "Author"), round + " author");
        EXPECT_TRUE(story->GetLockRecord()->HasKey(round == "first" ? "Resolve" : "Limit"));
        SList kept;
        story->GetStoryFormManager()->GetMultipleChoices(overallDomain, kept);
        ASSERT_EQ(kept.Count(), 2);
        EXPECT_EQ(kept.GetAt(0) + kept.GetAt(1), round == "first" ? 3 : 7);
        EXPECT_EQ(story->GetStoryFormManager()->GetChoice(mainConcern), round == "first" ? 13 : 5);
        EXPECT_FALSE(story->IsDirty());
        story->SetClean();
        application->CloseAll(true);
        Run();
    }
}

}  // namespace
}  // namespace apptest
