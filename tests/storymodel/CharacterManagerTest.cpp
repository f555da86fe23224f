// The character manager: a new story's two characters, creating, naming, deleting and loading
// characters with their records, relationships and events.

#include "storymodel/CharacterManager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterIterator.h"
#include "storymodel/StoryTestSupport.h"

namespace {

constexpr FourCC kCharacterType = FourCCOf("CHAR");

using CharacterManagerTest = StoryTest;

std::string Names(CharacterManager& characters) {
    char names[200];
    characters.GetCharacterNames(names, sizeof names);
    return names;
}

std::string Description(CharInfoRec& character) {
    char text[100];
    character.GetDescription(text, sizeof text);
    return text;
}

TEST_F(CharacterManagerTest, ANewStoryStartsWithItsMainAndImpactCharacters) {
    NewStory();
    ASSERT_EQ(Characters().GetCount(), 2);
    CharInfoRec* main = Characters().GetCharacter(Characters().GetMainCharacter());
    CharInfoRec* impact = Characters().GetCharacter(Characters().GetImpactCharacter());
    ASSERT_TRUE(main && impact);
    EXPECT_EQ(main->Name(), "the Main Character");
    EXPECT_EQ(impact->Name(), "the Impact Character");
    EXPECT_EQ(main->GetID(), 0);
    EXPECT_EQ(impact->GetID(), 1);
    // Without a default gender the Main character is a woman with picture 1, the other a man.
    EXPECT_EQ(main->GetSex(), 1);
    EXPECT_EQ(main->GetPicture(), 1);
    EXPECT_EQ(impact->GetSex(), 0);
    EXPECT_EQ(impact->GetPicture(), 0);
    EXPECT_TRUE(Characters().ValidateSubjectiveRoles(false));

    application_->GetGeneralRecord()->SetNumberByName("DefGender", kPTextShort, 2);
    NewStory();
    EXPECT_EQ(Characters().RecordAt(0)->GetSex(), 2);
    EXPECT_EQ(Characters().RecordAt(1)->GetSex(), 2);
    EXPECT_EQ(Characters().GetDefaultGender(), 2);
}

TEST_F(CharacterManagerTest, ANewMainCharacterDeletesOnlyAnUntouchedPlaceholder) {
    NewStory();
    CharacterWatcher watcher(Characters());
    const CharID hero = Characters().CreateCharacter("Hero", 0, 1, 5, kNoRole, true);
    EXPECT_TRUE(watcher.events.empty());  // quiet: the caller ends the update
    Characters().GetCharacter(hero)->EndUpdate();
    Characters().AssignRoleById(kMainRole, hero);
    // The new character; the placeholder giving up its role, the new holder taking it, the deletion.
    EXPECT_EQ(watcher.events, (std::vector<std::vector<CharID>>{{hero}, {0}, {hero}, {0}}));
    EXPECT_FALSE(Characters().HasCharacter(0));
    EXPECT_EQ(Characters().GetMainCharacter(), hero);
    EXPECT_EQ(Characters().GetCount(), 2);

    // Any edit keeps the placeholder, which just gives up its role.
    for (int edit = 0; edit < 2; ++edit) {
        NewStory();
        if (edit == 0) Characters().GetCharacter(0)->SetDescription("a sailor");
        if (edit == 1) Characters().GetCharacter(0)->EnsureRelationship(1);
        const CharID other = Characters().CreateCharacter("Hero", 0, 1, 5, kNoRole, false);
        Characters().AssignRoleById(kMainRole, other);
        ASSERT_TRUE(Characters().HasCharacter(0)) << edit;
        EXPECT_EQ(Characters().GetCharacter(0)->GetSubjectiveRole(), kNoRole);
        EXPECT_EQ(Characters().GetMainCharacter(), other);
    }
}

TEST_F(CharacterManagerTest, InitialisingACharacterSetsItsFieldsInOneAnnouncement) {
    NewStory();
    const CharID hero = Characters().CreateCharacter("Hero", 0, 1, 5, kNoRole, false);
    CharInfoRec& character = *Characters().GetCharacter(hero);
    std::int16_t role = -1;
    EXPECT_GE(character.Record()->GetEntry("Subj", kPTextShort, &role), 0)
        << "the record says it has no role";
    EXPECT_EQ(role, kNoRole);
    character.SetArchetype(kComplexArchetype);
    CharacterWatcher watcher(Characters());
    character.InitCharacter(kNoRole, "Zed", 2, kPluralForm, 7);
    EXPECT_EQ(watcher.events, (std::vector<std::vector<CharID>>{{hero}}));
    EXPECT_EQ(character.Name(), "Zed");
    EXPECT_EQ(character.GetSex(), 2);
    EXPECT_EQ(character.GetForm(), kPluralForm);
    EXPECT_EQ(character.GetPicture(), 7);
    EXPECT_EQ(character.GetArchetype(), 0);
    // Inside an update of the caller's, the caller's end announces it.
    character.BeginUpdate();
    character.InitCharacter(kNoRole, "Amy", 1, kSingularForm, 3);
    EXPECT_EQ(watcher.events.size(), 1u);
    character.EndUpdate();
    EXPECT_EQ(watcher.events.size(), 2u);
    EXPECT_EQ(Characters().GetCharacter(hero)->Name(), "Amy");
}

TEST_F(CharacterManagerTest, MainAndImpactSwapRolesAndNobodyIsDeleted) {
    NewStory();
    Characters().AssignRoleById(kMainRole, 1);
    EXPECT_EQ(Characters().GetCount(), 2);
    EXPECT_EQ(Characters().GetMainCharacter(), 1);
    EXPECT_EQ(Characters().GetImpactCharacter(), 0);
    EXPECT_TRUE(Characters().ValidateSubjectiveRoles(false));
}

TEST_F(CharacterManagerTest, RenamingSortsWithoutCaseAndTheRolesFollow) {
    NewStory();
    const CharID bob = Characters().CreateCharacter("bob", 0, 1, 0, kNoRole, false);
    Characters().CreateCharacter("Alice", 1, 1, 0, kNoRole, false);
    EXPECT_EQ(Names(Characters()), "Alice\nbob\nthe Impact Character\nthe Main Character");

    Characters().GetCharacter(0)->SetName("Zed");
    Characters().GetCharacter(bob)->SetName("A name of forty characters, far too long");
    EXPECT_EQ(Characters().GetCharacter(bob)->Name(), "A name of forty characters, far");
    // A brace stored as an escape and its code is kept whole or not at all.
    Characters().GetCharacter(bob)->SetName("A name of thirty characters, x\xB0" "0");
    EXPECT_EQ(Characters().GetCharacter(bob)->Name(), "A name of thirty characters, x");
    EXPECT_EQ(Characters().IdAt(0), bob);
    EXPECT_EQ(Characters().IdAt(Characters().GetMainIndex()), 0);
    EXPECT_EQ(Characters().IdAt(Characters().GetImpactIndex()), 1);

    // Only whole names fit.
    char names[12];
    Characters().GetCharacterNames(names, sizeof names);
    EXPECT_STREQ(names, "");
    Characters().GetCharacter(bob)->SetName("Al");
    Characters().GetCharacterNames(names, sizeof names);
    EXPECT_STREQ(names, "Al\nAlice");
}

TEST_F(CharacterManagerTest, ARelationshipIsKeptOnceOnTheLowerId) {
    NewStory();
    while (Characters().GetLastCharacterID() < 10)
        Characters().CreateCharacter(nullptr, 0, 1, 0, kNoRole, false);
    CharInfoRec* three = Characters().GetCharacter(3);
    CharInfoRec* ten = Characters().GetCharacter(10);
    ten->SetRelationship("rivals", 3);
    EXPECT_EQ(three->GetText("Relat   A"), "rivals");
    EXPECT_FALSE(ten->Record()->HasKey("Relat   3"));
    char text[20];
    three->GetRelationship(text, sizeof text, 10);
    EXPECT_STREQ(text, "rivals");
    EXPECT_TRUE(ten->HasRelationship(3));
    // The keys a damaged record's reading may part again from a text before them.
    three->SetSWInterx(4, "meets");
    three->Record()->SetEntry(DimensionKey(3), kPTextText, "");
    PTextEntry entry;
    std::int32_t cursor = 0;
    for (three->Record()->FirstEntry(cursor, entry); three->Record()->NextEntry(cursor, entry) == kNoErr;)
        EXPECT_TRUE(CharacterKey::IsWritten(entry.key)) << entry.key;
    for (const char* other : {"Relat   g", "Relat    ", "Relat  A", "SWInter", "SWInterA", "Mood"})
        EXPECT_FALSE(CharacterKey::IsWritten(other)) << other;

    char unrelated[200];
    Characters().GetUnrelatedNames(10, unrelated, sizeof unrelated);
    // Ids 2-10 were named "Character #3" to "#11": id 3 is related, id 10 asks.
    EXPECT_STREQ(
        unrelated,
        "No one\n-\nCharacter #10\nCharacter #3\nCharacter #5\nCharacter #6\nCharacter #7\nCharacter #8\n"
        "Character #9\nthe Impact Character\nthe Main Character");

    // Deleting a character takes every relationship with it.
    Characters().DeleteCharacter(10, true);
    EXPECT_FALSE(three->HasRelationship(10));
    EXPECT_FALSE(three->Record()->HasKey("Relat   A"));
}

TEST_F(CharacterManagerTest, ChangesInsideOneBracketAreHeardOnceWithEachIdOnce) {
    NewStory();
    CharacterWatcher watcher(Characters());
    {
        BroadcasterBracket bracket(&Characters());
        CharInfoRec* main = Characters().GetCharacter(0);
        main->SetSex(2);
        main->SetForm(2);
        main->SetPicture(7);
        main->SetName("Captain");
        main->SetSex(0);
        Characters().GetCharacter(1)->SetSex(1);
        EXPECT_TRUE(watcher.events.empty());
    }
    ASSERT_EQ(watcher.events.size(), 1u);
    EXPECT_EQ(watcher.events[0], (std::vector<CharID>{0, 1}));

    // An update announces once, at its end; texts are not announced.
    CharInfoRec* impact = Characters().GetCharacter(1);
    impact->BeginUpdate();
    impact->SetForm(2);
    impact->SetPicture(3);
    impact->SetDescription("tall");
    EXPECT_EQ(watcher.events.size(), 1u);
    impact->EndUpdate();
    EXPECT_EQ(watcher.events.size(), 2u);
}

TEST_F(CharacterManagerTest, DeletingAskesFirstAndRefusesTheRoleHolders) {
    NewStory();
    EXPECT_FALSE(Characters().ConfirmDeleteCharacter(1));
    ASSERT_EQ(prompts_.alerts.size(), 1u);
    EXPECT_EQ(prompts_.alerts[0],
              "You cannot delete your Main/Impact Character.  Make another character Main/Impact first.");

    const CharID extra = Characters().CreateCharacter("Extra", 0, 1, 0, kNoRole, false);
    prompts_.buttons = {kAnswerNo, kAnswerYes};
    EXPECT_FALSE(Characters().ConfirmDeleteCharacter(extra));
    EXPECT_TRUE(Characters().ConfirmDeleteCharacter(extra));
    EXPECT_EQ(prompts_.questions.back(), "Delete selected character 'Extra'?");

    CharacterWatcher watcher(Characters());
    Characters().DeleteCharacter(extra, true);
    EXPECT_FALSE(Characters().HasCharacter(extra));
    EXPECT_EQ(watcher.events, (std::vector<std::vector<CharID>>{{extra}}));
    Reopen();
    EXPECT_EQ(StorySegment(kCharacterType, extra), "<null>");
    EXPECT_EQ(Characters().GetCount(), 2);
}

TEST_F(CharacterManagerTest, ARoleChangeAsksBeforeAWorkedOnHolderLosesIt) {
    NewStory();
    const CharID hero = Characters().CreateCharacter("Hero", 0, 1, 0, kNoRole, false);
    // An untouched placeholder goes without a question.
    EXPECT_TRUE(Characters().ConfirmSubjectiveRole(hero, kMainRole, nullptr));
    EXPECT_TRUE(prompts_.questions.empty());

    Characters().GetCharacter(1)->SetName("Rival");
    prompts_.buttons = {kAnswerYes};
    EXPECT_TRUE(Characters().ConfirmSubjectiveRole(hero, kImpactRole, "Hero!"));
    EXPECT_EQ(prompts_.questions.back(),
              "'Rival' is currently the IMPACT CHARACTER.  Make 'Hero!' your new Impact character?");
    EXPECT_FALSE(
        Characters().ConfirmSubjectiveRole(hero, kImpactRole, nullptr));  // No, from the empty script

    EXPECT_FALSE(Characters().ConfirmSubjectiveRole(1, kNoRole, nullptr));
    EXPECT_EQ(prompts_.alerts.back(),
              "You must have a Impact character.  To remove this character's 'Impact' status, make another "
              "character 'Impact' first.");
    EXPECT_FALSE(Characters().ConfirmSubjectiveRole(1, kImpactRole, nullptr));  // it holds it already
}

TEST_F(CharacterManagerTest, RolesThatAreNotOneMainAndOneImpactAreReset) {
    NewStory();
    const CharID second = Characters().CreateCharacter("Aaron", 0, 1, 0, kNoRole, false);
    // As a bug of old versions left them: two Main characters.
    Characters().GetCharacter(second)->Record()->SetNumberByName("Subj", kPTextShort, kMainRole);
    Characters().SaveCharacters();
    Reopen();
    EXPECT_FALSE(Characters().ValidateSubjectiveRoles(false));
    EXPECT_TRUE(Characters().ValidateSubjectiveRoles(true));

    Characters().ResetSubjectiveRoles();
    EXPECT_EQ(Characters().GetCount(), 3);
    EXPECT_EQ(Characters().GetMainIndex(), 0);
    EXPECT_EQ(Characters().GetImpactIndex(), 1);
    EXPECT_EQ(Characters().RecordAt(2)->GetSubjectiveRole(), kNoRole);
    EXPECT_TRUE(Characters().ValidateSubjectiveRoles(false));
}

TEST_F(CharacterManagerTest, ClearingStorytellingEmptiesItsTextsAndRelationshipsOnly) {
    NewStory();
    CharInfoRec* main = Characters().GetCharacter(0);
    main->SetDescription("kept");
    main->SetRole("kept too");
    main->SetBG("cleared");
    main->SetSWDismiss("cleared");
    main->SetRelationship("cleared", 1);
    Characters().ClearStorytellingTexts();
    EXPECT_EQ(main->GetText("Des"), "kept");
    EXPECT_EQ(main->GetText("Role"), "kept too");
    EXPECT_EQ(main->GetText("BG"), "");
    EXPECT_EQ(main->GetText("SWDismiss"), "");
    EXPECT_TRUE(main->HasRelationship(1));
    EXPECT_EQ(main->GetText("Relat   1"), "");
}

TEST_F(CharacterManagerTest, TextsReachTheStoryFileWhicheverWayTheCharacterWasFound) {
    NewStory();
    const CharID third = Characters().CreateCharacter("Third", 0, 1, 0, kNoRole, false);
    Reopen();
    // A character above id 1 is loaded with its record closed.
    CharacterIterator it(Characters());
    for (it.First(); !it.IsDone() && it.CurrentID() != third; it.Next()) {}
    ASSERT_FALSE(it.IsDone());
    CharInfoRec* found = it.CurrentItem();
    EXPECT_FALSE(found->IsRecordOpen());
    EXPECT_EQ(found->Name(), "Third");
    found->SetDescription("written through the iterator");
    found->SetSWInterx(3, "third interaction");
    found->SetSex(2);
    EXPECT_TRUE(Story().dirty);

    Reopen();
    CharInfoRec* reread = Characters().GetCharacter(third);
    EXPECT_EQ(Description(*reread), "written through the iterator");
    EXPECT_EQ(reread->GetText("SWInter3"), "third interaction");
    EXPECT_EQ(reread->GetSex(), 2);
}

TEST_F(CharacterManagerTest, LoadingRepairsMissingRolesAndRemovesOnlyUnreadableRecords) {
    NewStory();
    for (int i = 0; i < 4; ++i) Characters().CreateCharacter(nullptr, 0, 1, 0, kNoRole, false);
    for (CharID id : {0, 1, 4}) Characters().GetCharacter(id)->Record()->Remove("Subj");
    Characters().SaveCharacters();
    Story().SaveAs(Ref("story.fsf"));
    {
        PFMFileScope scope(Story().GetStoryFile(), false);
        void* block = NewBlock("\\NMc:damaged");  // a value that runs past the end
        ASSERT_TRUE(PFMPutSegment(kCharacterType, 3, block, 1, false));
        PFMCheckIn(block);
    }
    Reopen();
    EXPECT_EQ(Story().loadError, kNoErr);
    EXPECT_FALSE(Characters().HasCharacter(3));
    EXPECT_EQ(StorySegment(kCharacterType, 3), "<null>");
    EXPECT_EQ(Characters().GetLostRecords(), (std::vector<PFMSegmentKey>{{kCharacterType, 3}}));
    EXPECT_TRUE(prompts_.alerts.empty()) << "the story's open tells it";
    EXPECT_EQ(Characters().GetCharacter(0)->GetSubjectiveRole(), kMainRole);
    EXPECT_EQ(Characters().GetCharacter(1)->GetSubjectiveRole(), kImpactRole);
    EXPECT_EQ(Characters().GetCharacter(4)->GetSubjectiveRole(), kNoRole);
    // The removed id stays taken.
    EXPECT_EQ(Characters().CreateCharacter(nullptr, 0, 1, 0, kNoRole, false), 6);
}

// A damaged record may hold a key twice, and what is read is the first entry: each left out as
// damaged shows the next, which is judged in its turn, so that nothing shown is lost at the save. A
// role read from the second entry is no role lost: the one character whose role the damage took
// gets the role nobody holds.
TEST_F(CharacterManagerTest, AKeyADamagedRecordHoldsTwiceIsLeftOutWhereEachEntryOfItIsDamaged) {
    NewStory();
    const auto put = [this](const std::vector<std::pair<CharID, std::string>>& records) {
        PFMFileScope scope(Story().GetStoryFile(), false);
        for (const auto& [id, text] : records) {
            void* block = NewBlock(text + '\0');
            ASSERT_TRUE(PFMPutSegment(kCharacterType, id, block, 1, false));
            PFMCheckIn(block);
        }
    };
    put({{5, "\\Motvc:x6,132,\\N#\\Motvc:x6,140,\\NMc:Bob\\Subjs:0\\"},
         {6, "\\Motvc:x6,132,\\N#\\Motvc:6,140,\\NMc:Cid\\Subjs:0\\"}});
    Reopen();
    const std::int32_t bob = Characters().IndexOf(5);
    ASSERT_GE(bob, 0);
    EXPECT_TRUE(Characters().GetCharacteristicsAt(bob, 0).empty());
    EXPECT_FALSE(Characters().GetCharacter(5)->Record()->HasKey("Motv"));
    EXPECT_EQ(Characters().GetCharacteristicsAt(Characters().IndexOf(6), 0),
              (std::vector<std::int16_t>{6, 140}));

    put({{0, "\\NMc:Ann\\Subjc:1\\N#\\Subjs:1\\"}, {1, "\\NMc:Ivy\\Subj#:2\\"}});
    {
        PFMFileScope scope(Story().GetStoryFile(), false);
        const FileRef file = Ref("story.fsf");
        ASSERT_EQ(PFMSaveFile(&file), kNoErr);
    }
    Open("story.fsf");
    EXPECT_EQ(Characters().GetCharacter(0)->GetSubjectiveRole(), kMainRole);
    EXPECT_EQ(Characters().GetCharacter(1)->GetSubjectiveRole(), kImpactRole);
}

TEST_F(CharacterManagerTest, AStoryWhoseEveryCharacterWasDamagedGetsTheTwoCharactersOfANewStory) {
    NewStory();
    for (CharID id : {0, 1}) {
        PFMFileScope scope(Story().GetStoryFile(), false);
        void* block = NewBlock("NMc:no backslash");
        ASSERT_TRUE(PFMPutSegment(kCharacterType, id, block, 1, false));
        PFMCheckIn(block);
    }
    Reopen();
    EXPECT_EQ(Characters().GetLostRecords().size(), 2u);
    ASSERT_EQ(Characters().GetCount(), 2);
    EXPECT_EQ(Characters().GetCharacter(Characters().GetMainCharacter())->Name(), "the Main Character");
    EXPECT_EQ(Characters().GetCharacter(Characters().GetImpactCharacter())->Name(), "the Impact Character");
    EXPECT_TRUE(Characters().ValidateSubjectiveRoles(false));
}

TEST_F(CharacterManagerTest, CharactersThatCannotBeReadNowAreLeftInTheFileAndTheLoadFails) {
    NewStory();
    const CharID kept = Characters().CreateCharacter("Kept", 0, 1, 0, kNoRole, false);
    const std::string bytes = StorySegment(kCharacterType, kept);
    ASSERT_EQ(Story().SaveAs(Ref("story.fsf")), kNoErr);

    // Memory runs out as the load begins: no character is made in place of the stored ones.
    Open("story.fsf", [] { FailNextAllocations(1000); });
    FailNextAllocations(0);
    EXPECT_EQ(Story().loadError, kOutOfMemoryErr);
    EXPECT_EQ(Characters().GetCount(), 0);
    EXPECT_EQ(StorySegment(kCharacterType, 0).find("the Main Character"), 5u);

    // The file loses its segments once the story is open: the records there cannot be read.
    Open("story.fsf", [this] { std::filesystem::resize_file(Path("story.fsf"), kPFMDataOffset); });
    EXPECT_LT(Story().loadError, 0);
    EXPECT_NE(Story().loadError, kOutOfMemoryErr);
    EXPECT_TRUE(prompts_.alerts.empty());
    PFMFileScope scope(Story().GetStoryFile(), false);
    EXPECT_TRUE(PFMSegmentExists(kCharacterType, kept));
}

// Past the highest id a character can have, new characters take the ids the story leaves free from
// 0 on, so that a story whose last id is the highest still gets the characters its roles need.
TEST_F(CharacterManagerTest, PastTheHighestIdNewCharactersTakeTheFreeIdsFromZeroOn) {
    NewStory();
    {
        PText last(Story().GetStoryFile(), kCharacterType, 0xFFFE);
        last.SetEntry("NM", kPTextText, "Last");
        ASSERT_EQ(last.Save(), kNoErr);
    }
    Reopen();
    EXPECT_EQ(Characters().GetLastCharacterID(), 0xFFFE);
    // The new story's two characters hold 0 and 1.
    EXPECT_EQ(Characters().CreateCharacter("Next", 0, 1, 0, kNoRole, false), 2);
    EXPECT_EQ(Characters().CreateCharacter("Then", 0, 1, 0, kNoRole, false), 3);
    EXPECT_EQ(Characters().GetCount(), 5);
}

TEST_F(CharacterManagerTest, DefaultNamesCountOnAcrossReopening) {
    NewStory();
    EXPECT_EQ(
        Characters().GetCharacter(Characters().CreateCharacter(nullptr, 0, 1, 0, kNoRole, false))->Name(),
        "Character #3");
    const CharID fourth = Characters().CreateCharacter(nullptr, 0, 1, 0, kNoRole, false);
    Characters().DeleteCharacter(fourth, false);
    Reopen();
    char name[20];
    Characters().MakeDefaultName(name, sizeof name);
    EXPECT_STREQ(name, "Character #5");

    EditStoredRecord("story.fsf", TestStory::kInfoType, 0,
                     [](PText& info) { info.SetNumberByName("StartCNum", kPTextShort, 40); });
    Open("story.fsf");
    Characters().MakeDefaultName(name, sizeof name);
    EXPECT_STREQ(name, "Character #40");
}

TEST_F(CharacterManagerTest, ADeletedNoteStaysDeleted) {
    NewStory();
    Characters().SetCharacteristicNote(1, "how ability shows");
    Characters().SetCharacteristicNote(64, "how the last one shows");
    Reopen();
    EXPECT_TRUE(Characters().HasCharacteristicNote(64));
    char note[40];
    Characters().GetCharacteristicNote(1, note, sizeof note);
    EXPECT_STREQ(note, "how ability shows");

    Characters().SetCharacteristicNote(1, nullptr);
    EXPECT_TRUE(Story().dirty);
    Reopen();
    EXPECT_FALSE(Characters().HasCharacteristicNote(1));
    EXPECT_TRUE(Characters().HasCharacteristicNote(64));
    EXPECT_FALSE(Characters().HasCharacteristicNote(65));
}

// A note is kept under "Ill" and its number in capital hexadecimal, two wide with a leading space.
TEST_F(CharacterManagerTest, NotesAreKeptUnderTheirNumbersInCapitalHexadecimal) {
    NewStory();
    Characters().SetCharacteristicNote(16, "sixteen");
    Characters().SetCharacteristicNote(63, "sixty-three");
    Reopen();
    const std::string stored = StorySegment(FourCCOf("CILL"), 128);
    EXPECT_NE(stored.find("\\Ill10c:sixteen\\"), std::string::npos) << stored;
    EXPECT_NE(stored.find("\\Ill3Fc:sixty-three\\"), std::string::npos) << stored;

    EditStoredRecord("story.fsf", FourCCOf("CILL"), 128, [](PText& notes) {
        notes.Clear();
        notes.SetEntry("Ill 1", kPTextText, "one");
        notes.SetEntry("Ill A", kPTextText, "ten");
        notes.SetEntry("Ill2B", kPTextText, "forty-three");
        notes.SetEntry("Ill40", kPTextText, "sixty-four");
    });
    Open("story.fsf");
    for (const auto& [n, text] : {std::pair{1, "one"}, {10, "ten"}, {43, "forty-three"}, {64, "sixty-four"}})
        EXPECT_EQ(Characters().GetCharacteristicNote(n), text) << n;
    EXPECT_FALSE(Characters().HasCharacteristicNote(16));
}

}  // namespace
