// A story file damaged in any one of its records, the damage in the record's block header (its
// length no longer the segment map's), in the map's record of it or its count, or in the text it
// holds: the story opens, says what it read and what it lost, and saves; the saved file then opens
// without a word.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "StoryAppFixture.h"
#include "characters/CharacterPictureImport.h"
#include "foundation/ByteOrder.h"
#include "foundation/pfm/MemoryReadFile.h"
#include "foundation/pfm/PFMFormat.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/Objects.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr FourCC kValuesInForce = FourCCOf("FCAP");
constexpr FourCC kQuestionStatus = FourCCOf("QST3");
constexpr FourCC kScene = FourCCOf("SCNL");
constexpr FourCC kCharacter = FourCCOf("CHAR");
constexpr FourCC kPicture = FourCCOf("CPIX");

class DamagedStory : public StoryAppTest {
protected:
    // A story holding every kind of record a story file has: characters (one with a picture of its
    // own) and a characteristic note, a scene, storytelling, a chosen and locked story point and its
    // values in force, and an answered question.
    void MakeWholeStory(const std::string& name) {
        FKDoc* story = NewStory();
        ASSERT_NE(story, nullptr);
        story->GetInfoRecord().SetEntry("Title", 'c', "Whole");
        CharacterManager& characters = *story->GetCharacterManager();
        const CharID walker = characters.CreateCharacter("Walker", 0, kSingularForm, 0, kNoRole, true);
        characters.SetCharacteristicNote(1, "a note");
        const win::HBITMAP face = win::CreateBitmap(32, 32, 1, 32, nullptr);
        const std::vector<win::BYTE> bmp = win::BmpFileOfBitmap(face);
        win::DeleteObject(face);
        std::ofstream(Path("face.bmp"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
        ASSERT_EQ(ImportCharacterPicture(*story, walker, Path("face.bmp")), kNoErr);
        SceneManager& scenes = *story->GetSceneManager();
        scenes.SceneAt(scenes.InsertScene(-1))->SetTitle("Opening");
        story->GetStorytellingRecord().SetEntry("STDom", 'c', "the storytelling");
        story->GetStoryFormManager()->SetChoice(1000, 1001);
        story->GetLockRecord()->SetNumberByName("Resolve", 's', 1);
        story->GetQuestionStatus().SetStatus(kQuestionAnswered, 13, 0);
        Choose(name);
        ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
        application->CloseAll(true);
    }

    // Opens the damaged copy. When it opens, it must have said something (unless the damaged record
    // is one the open does not read), save the edits made after the open, and the saved file open
    // without a word, holding them; answers whether it opened.
    bool OpensSaysAndSaves(const std::string& name, FourCC type, const std::string& what) {
        SCOPED_TRACE(what);
        Mark();
        FKDoc* story = OpenStory(name);
        const std::vector<std::string> said = Asked();
        if (!story) {
            EXPECT_FALSE(said.empty()) << "refused without a word";
            EXPECT_EQ(application->GetDocumentCount(), 0);
            return false;
        }
        // Custom pictures are read when they are shown.
        if (type != kPicture) {
            EXPECT_FALSE(said.empty()) << "opened without saying what it lost";
            EXPECT_TRUE(story->IsDirty()) << "Save and autosave write the story whole again";
        }
        // The writer goes on: an edit in each kind of record the open read, and saves.
        story->GetInfoRecord().SetEntry("Title", 'c', "Edited after the open");
        story->GetStoryFormManager()->SetChoice(1010, 1012);
        story->GetQuestionStatus().SetStatus(kQuestionAnswered, 14, 0);
        SceneManager& scenes = *story->GetSceneManager();
        scenes.SceneAt(scenes.InsertScene(-1))->SetTitle("Added after the open");
        story->SetDirty();
        std::int16_t cancelled = 0;
        Mark();
        EXPECT_EQ(story->Save(&cancelled), kNoErr);
        EXPECT_EQ(cancelled, 0);
        EXPECT_THAT(Asked(), testing::IsEmpty()) << "the save said something";
        application->CloseAll(true);
        Mark();
        FKDoc* saved = OpenStory(name);
        EXPECT_THAT(Asked(), testing::IsEmpty()) << "the saved file opened with a message";
        if (saved) {
            EXPECT_EQ(Title(*saved), "Edited after the open") << "the edits were saved";
            EXPECT_EQ(saved->GetStoryFormManager()->GetChoice(1010), 1012);
            EXPECT_EQ(saved->GetQuestionStatus().GetStatus(14, 0), kQuestionAnswered);
            const SceneManager& reread = *saved->GetSceneManager();
            bool added = false;
            for (std::int32_t i = 0; i < reread.GetSceneCount(); ++i) {
                char title[64] = "";
                reread.SceneAt(i)->GetTitle(title, sizeof title);
                added = added || std::string(title) == "Added after the open";
            }
            EXPECT_TRUE(added);
        } else {
            ADD_FAILURE() << "the saved file does not open";
        }
        application->CloseAll(true);
        return true;
    }

    // Saves the story and opens the saved file, which must open without a word.
    FKDoc* SavedAndReopened(FKDoc& story, const std::string& name) {
        std::int16_t cancelled = 0;
        EXPECT_EQ(story.Save(&cancelled), kNoErr);
        application->CloseAll(true);
        Mark();
        FKDoc* saved = OpenStory(name);
        EXPECT_THAT(Asked(), testing::IsEmpty()) << "the saved file opened with a message";
        return saved;
    }

    static std::string Name(const SegmentMapRecord& record) {
        return SegmentName({record.type, record.id});
    }
    // Where the file keeps its segments.
    static SegmentMap MapOf(const std::string& bytes) {
        MemoryReadFile stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        PFMHeader header;
        SegmentMap map;
        EXPECT_EQ(PFMReadFileLayout(stream, static_cast<std::uint32_t>(bytes.size()), header, map), kNoErr);
        return map;
    }
};

// Every segment in turn, its block's length one more than the map says: read by the map's size, and
// said so (a picture is read when it is shown).
TEST_F(DamagedStory, AnyRecordWithADamagedBlockHeaderIsReadWholeSaidAndSaved) {
    ASSERT_NO_FATAL_FAILURE(MakeWholeStory("whole.fsf"));
    const std::string whole = TempFolder::ReadFile(Path("whole.fsf"));
    const SegmentMap map = MapOf(whole);
    std::vector<FourCC> types;
    for (const SegmentMapRecord& record : map) types.push_back(record.type);
    for (const FourCC type : {kValuesInForce, kQuestionStatus, kScene, kCharacter, kPicture, FourCCOf("SDI4"),
                              FourCCOf("RESP"), FourCCOf("STEL"), FourCCOf("LOCK")})
        ASSERT_NE(std::find(types.begin(), types.end(), type), types.end()) << SegmentName({type, 0});

    for (const SegmentMapRecord& record : map) {
        std::string damaged = whole;
        ++damaged[record.position + 5];
        std::ofstream(Path("damaged.fsf"), std::ios::binary | std::ios::trunc) << damaged;
        Mark();
        FKDoc* opened = OpenStory("damaged.fsf");
        ASSERT_NE(opened, nullptr) << Name(record);
        const auto told = HasSubstr(": its size was damaged in the file, and it was read as written\n");
        EXPECT_THAT(Asked(), testing::Each(told)) << Name(record);
        EXPECT_EQ(Asked().size(), record.type == kPicture ? 0u : 1u) << Name(record);
        opened->SetClean();
        application->CloseAll(true);
        EXPECT_TRUE(OpensSaysAndSaves("damaged.fsf", record.type, Name(record)))
            << Name(record) << ": the rest of the story can be shown";
    }
}

// Every keyed record in turn holding bytes that are no keyed record, or cut short right after its
// first backslash: nothing of it reads, and it is told as lost whole, never as damaged in part.
TEST_F(DamagedStory, AnyRecordHoldingNoKeyedTextIsLostSaidAndSaved) {
    ASSERT_NO_FATAL_FAILURE(MakeWholeStory("whole.fsf"));
    const StoreSegments whole = SegmentsOnDisk(Path("whole.fsf"));
    ASSERT_FALSE(whole.empty());
    for (const auto& [key, bytes] : whole) {
        if (key.first == kPicture) continue;  // a picture is no keyed record
        for (const std::string& unread : {std::string("garbled bytes, no record"), bytes.substr(0, 1)}) {
            StoreSegments damaged = whole;
            damaged[key] = unread;
            ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", damaged));
            Mark();
            FKDoc* story = OpenStory("damaged.fsf");
            ASSERT_NE(story, nullptr) << SegmentName(key);
            EXPECT_THAT(Asked(), ElementsAre(testing::Not(HasSubstr("part of it")))) << SegmentName(key);
            if (key.first == kCharacter) {
                EXPECT_EQ(story->GetCharacterManager()->GetCharacter(key.second), nullptr)
                    << "a character of which nothing reads is removed";
            }
            Answer(IDNO);
            application->CloseAll(true);
            EXPECT_TRUE(OpensSaysAndSaves("damaged.fsf", key.first, SegmentName(key)))
                << SegmentName(key) << ": the rest of the story can be shown";
        }
    }
}

// Every keyed record in turn beginning with a damaged entry, one whose value no entry follows: the
// open names it (a scene or a character by the name the writer gave it), and saved at once it holds
// every entry it held before the damage.
TEST_F(DamagedStory, AnyRecordWithADamagedEntryIsSaidAndSavedWithTheEntriesAfterIt) {
    ASSERT_NO_FATAL_FAILURE(MakeWholeStory("whole.fsf"));
    const StoreSegments whole = SegmentsOnDisk(Path("whole.fsf"));
    for (const auto& [key, bytes] : whole) {
        if (key.first == kPicture) continue;
        SCOPED_TRACE(SegmentName(key));
        const std::string named = key.first == kScene       ? "the scene \"Scene #1 - Opening\": "
                                  : key.first == kCharacter ? "the character \""
                                                            : "";
        StoreSegments damaged = whole;
        damaged[key] = "\\Aac1:xyxyxyxyxyxy" + bytes;
        ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", damaged));
        Mark();
        FKDoc* story = OpenStory("damaged.fsf");
        ASSERT_NE(story, nullptr);
        EXPECT_THAT(Asked(), ElementsAre(testing::AllOf(HasSubstr("\n- " + named),
                                                        HasSubstr(": part of it, damaged in the file\n"))));
        EXPECT_NE(SavedAndReopened(*story, "damaged.fsf"), nullptr);
        application->CloseAll(true);
        EXPECT_GE(ReadKeyedRecord(SegmentsOnDisk(Path("damaged.fsf")), key.first, key.second).Count(),
                  ReadKeyedRecord(whole, key.first, key.second).Count());
    }
}

// The question status of older files, which the open reads once and takes into the current record,
// damaged in its block header.
TEST_F(DamagedStory, AnOlderQuestionStatusThatCannotBeReadIsLostSaidAndSaved) {
    ASSERT_NO_FATAL_FAILURE(MakeWholeStory("whole.fsf"));
    StoreSegments current = SegmentsOnDisk(Path("whole.fsf"));
    current.erase({kQuestionStatus, 0});
    // One entry each: topic 20 answered.
    const std::pair<FourCC, std::string> older[] = {
        {FourCCOf("QSTs"), std::string("\0\x14\0\0\0\x01\0\0", 8)},
        {FourCCOf("QSTS"), std::string(20, '\xFF') + '\x01'},
    };
    for (const auto& [type, bytes] : older) {
        StoreSegments whole = current;
        whole[{type, 0}] = bytes;
        ASSERT_NO_FATAL_FAILURE(WriteStore("older.fsf", whole));
        std::string damaged = TempFolder::ReadFile(Path("older.fsf"));
        for (const SegmentMapRecord& record : MapOf(damaged)) {
            if (record.type == type) ++damaged[record.position + 5];
        }
        std::ofstream(Path("damaged.fsf"), std::ios::binary | std::ios::trunc) << damaged;
        EXPECT_TRUE(OpensSaysAndSaves("damaged.fsf", type, SegmentName({type, 0})));
    }
}

// What the open says names what was lost; what was lost is gone, the rest is there.
TEST_F(DamagedStory, TheOpenSaysWhatItLeftOut) {
    ASSERT_NO_FATAL_FAILURE(MakeWholeStory("whole.fsf"));
    StoreSegments damaged = SegmentsOnDisk(Path("whole.fsf"));
    for (const FourCC type : {kValuesInForce, kQuestionStatus}) damaged[{type, 0}] = "garbled";
    damaged[{kScene, 1}] = "garbled";
    ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", damaged));
    Mark();
    FKDoc* story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_EQ(Asked().size(), 1u);
    const std::string said = Asked()[0];
    EXPECT_THAT(said, testing::StartsWith(
                          "Some of the story \"damaged.fsf\" was damaged in its file, and what could not be "
                          "read was left out:"));
    EXPECT_THAT(said, HasSubstr("- the Story Points in force that follow from the storyform"));
    EXPECT_THAT(said, HasSubstr("- which questions of the query system were answered"));
    EXPECT_THAT(said, HasSubstr("- the contents of the scene \"Scene #1\" (kept empty)\n"));
    EXPECT_THAT(said, testing::Not(HasSubstr("damaged in the file")));
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(13, 0), kQuestionOpen);
    EXPECT_EQ(story->GetStoryFormManager()->GetChoice(1000), 1001) << "the choices are kept";
    EXPECT_EQ(story->GetSceneManager()->GetSceneCount(), 1);
    EXPECT_EQ(Title(*story), "Whole") << "the story's information is kept";
}

// A copy of an example story with the first length digit of its main record's "OSSynopsis" and
// "SSSynopsis" made '#', its Judgment stored as a text among the choices and the values in force,
// Romeo's record with the lengths of "Des" and "SWIntro" and the type letter of his name damaged,
// Juliet's with that of her name, and a list of numbers in the Nurse's record and in a scene's that
// took in the entry after it: the story opens saying all of it in its one message, the two by their
// roles, the Nurse by her record's number and the scene by its place and title (her name and its
// description ran into a list, which reads as one text and is no list), and saves with what lies
// between and after the damaged entries, Romeo named again and Judgment chosen again.
TEST_F(DamagedStory, AnExampleWithADamagedLengthAndAChoiceOfAnotherTypeIsSaidAndSaved) {
    const std::string example = builtFolder + "/examples/Romeo and Juliet.fsf";
    const std::string whole = TempFolder::ReadFile(example);
    std::string bytes = whole;
    // In the records of the type that hold it, the text becomes the damaged one.
    const auto damage = [&](FourCC type, const std::string& text, const std::string& damaged) {
        for (const auto& [key, record] : SegmentsOnDisk(example))
            if (key.first == type && record.find(text) != std::string::npos)
                bytes.replace(whole.find(record) + record.find(text), text.size(), damaged);
    };
    damage(FourCCOf("SDI4"), "\\OSSynopsisc3", "\\OSSynopsisc#");
    damage(FourCCOf("SDI4"), "\\SSSynopsisc2", "\\SSSynopsisc#");
    damage(FourCCOf("RESP"), "\\Judgments", "\\Judgmentc");
    damage(kValuesInForce, "\\Judgments", "\\Judgmentc");
    damage(kCharacter, "\\Desc119", "\\Desc#19");
    damage(kCharacter, "\\NMc:Romeo", "\\NM#:Romeo");
    damage(kCharacter, "\\SWIntroc106", "\\SWIntroc#06");
    damage(kCharacter, "\\NMc:Juliet", "\\NM#:Juliet");
    // Lists of numbers that took in the entry after them over a backslash made '#'.
    damage(kCharacter, "107,140,\\NMc:The Nurse", "107,140,#NMc:The Nurse");
    damage(kScene, "16100,1,-1,-1,\\SCNDESC2", "16100,1,-1,-1,#SCNDESC2");
    std::ofstream(Path("damaged.fsf"), std::ios::binary) << bytes;
    Mark();
    FKDoc* story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_THAT(Asked(), ElementsAre(testing::AllOf(HasSubstr("synopses): part of it, damaged in the file"),
                                                    HasSubstr("- the Main Character: part of it, damaged"),
                                                    HasSubstr("- the Impact Character: part of it, damaged"),
                                                    HasSubstr("- the character numbered 5: part of it"),
                                                    HasSubstr("- the scene \"Scene #2 - Romeo sick with love\": "
                                                              "part of it, damaged"),
                                                    HasSubstr("for Judgment (the file holds another kind"),
                                                    HasSubstr("- the Story Points in force that follow"))));
    story->GetStoryFormManager()->SetChoice(1070, 1072);
    CharacterManager& cast = *story->GetCharacterManager();
    cast.GetCharacter(cast.GetMainCharacter())->SetName("Romeo");
    FKDoc* saved = SavedAndReopened(*story, "damaged.fsf");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(Title(*saved), "Romeo and Juliet");
    EXPECT_THAT(RecordText(saved->GetInfoRecord(), "Synopsis"), testing::StartsWith("In Verona"));
    EXPECT_EQ(RecordText(saved->GetInfoRecord(), "SSName"), "The {NSubj} Story");
    EXPECT_EQ(saved->GetStoryFormManager()->GetChoice(1070), 1072);
    CharacterManager& savedCast = *saved->GetCharacterManager();
    CharInfoRec& romeo = *savedCast.GetCharacter(savedCast.GetMainCharacter());
    EXPECT_EQ(romeo.Name(), "Romeo");
    EXPECT_THAT(romeo.GetText("Phys"), testing::StartsWith("Young, handsome"));
    EXPECT_THAT(romeo.GetText("SWDismiss"), testing::StartsWith("He drinks poison"));
    application->CloseAll(true);
    std::int16_t judgment = 0;
    KeyedText valuesInForce = ReadKeyedRecord(SegmentsOnDisk(Path("damaged.fsf")), kValuesInForce);
    EXPECT_GE(valuesInForce.GetEntry("Judgment", 's', &judgment), 0);
}

// One changed byte in the map: Juliet's record listed under Romeo's key. The story opens with the
// record listed first under the key and Juliet's under the number Romeo's relationship with her
// names (not the next free one: Mercutio came after her), names her in its one message, and saves
// as the story it showed: Romeo renamed and saved stays Romeo, and the saved file opens with the
// same cast without a word. A record the story holds once listed as a second record of another in
// the same map is told as left out; Juliet's, being kept, is not.
TEST_F(DamagedStory, AKeyTheMapListsTwiceIsSaidAndTheStorySavesAsItShowed) {
    FKDoc* made = NewStory();
    ASSERT_NE(made, nullptr);
    made->GetInfoRecord().SetEntry("Title", 'c', "Verona");
    CharacterManager& cast = *made->GetCharacterManager();
    const CharID romeo = cast.CreateCharacter("Romeo", 0, kSingularForm, 0, kNoRole, false);
    const CharID juliet = cast.CreateCharacter("Juliet", 1, kSingularForm, 0, kNoRole, false);
    const CharID mercutio = cast.CreateCharacter("Mercutio", 0, kSingularForm, 0, kNoRole, false);
    cast.GetCharacter(romeo)->SetRelationship("They fall in love.", juliet);
    cast.GetCharacter(mercutio)->SetRelationship("He mocks her.", juliet);
    cast.GetCharacter(juliet)->SetRelationship("They fall in love.", romeo);
    Choose("verona.fsf");
    ASSERT_EQ(made->SaveAs(nullptr), kNoErr);
    application->CloseAll(true);
    // Juliet's record id made Romeo's in the map, which lists Romeo's record first.
    std::string bytes = TempFolder::ReadFile(Path("verona.fsf"));
    const std::uint32_t mapAt =
        static_cast<std::uint8_t>(bytes[28]) << 24 | static_cast<std::uint8_t>(bytes[29]) << 16 |
        static_cast<std::uint8_t>(bytes[30]) << 8 | static_cast<std::uint8_t>(bytes[31]);
    const SegmentMap map = MapOf(bytes);
    std::size_t romeoAt = map.size(), julietAt = map.size();
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (map[i].type != kCharacter) continue;
        if (map[i].id == romeo) romeoAt = i;
        if (map[i].id == juliet) julietAt = i;
    }
    ASSERT_LT(romeoAt, julietAt);
    ASSERT_LT(julietAt, map.size());
    bytes[mapAt + 4 + 16 * julietAt + 13] = static_cast<char>(romeo & 0xFF);
    ASSERT_EQ(MapOf(bytes)[julietAt].id, romeo);
    // Of the first two records the story holds once besides its information, the later listed under
    // the type of the earlier.
    std::vector<std::size_t> singles;
    for (std::size_t i = 0; i < map.size(); ++i)
        for (const FourCC type :
             {FourCCOf("RESP"), kValuesInForce, FourCCOf("STEL"), FourCCOf("LOCK"), kQuestionStatus})
            if (map[i].type == type) singles.push_back(i);
    ASSERT_GE(singles.size(), 2u);
    for (int i = 0; i < 4; ++i)
        bytes[mapAt + 4 + 16 * singles[1] + 8 + i] = bytes[mapAt + 4 + 16 * singles[0] + 8 + i];
    const std::string doubled = SegmentName({map[singles[0]].type, 0}).substr(0, 4);
    std::ofstream(Path("damaged.fsf"), std::ios::binary | std::ios::trunc) << bytes;

    const auto names = [](FKDoc& story) {
        std::vector<std::string> list;
        const CharacterManager& characters = *story.GetCharacterManager();
        for (std::int32_t i = 0; i < characters.GetCount(); ++i)
            list.push_back(characters.RecordAt(i)->Name());
        return list;
    };
    Mark();
    FKDoc* story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_EQ(Asked().size(), 1u) << "one message";
    EXPECT_THAT(Asked()[0], HasSubstr("- the character \"Juliet\": a second record the file lists as 'CHAR' " +
                                      std::to_string(romeo) + ", read as written\n"));
    EXPECT_THAT(Asked()[0], HasSubstr(": a second record the file lists as '" + doubled +
                                      "' 0 (the first one listed is kept)\n"));
    EXPECT_THAT(Asked()[0], testing::Not(HasSubstr("'CHAR' " + std::to_string(romeo) + " (the first")));
    EXPECT_TRUE(story->IsDirty());
    std::vector<std::string> shown = names(*story);
    ASSERT_EQ(std::count(shown.begin(), shown.end(), "Romeo"), 1);
    ASSERT_NE(story->GetCharacterManager()->GetCharacter(juliet), nullptr);
    EXPECT_EQ(std::string(story->GetCharacterManager()->GetCharacter(juliet)->Name()), "Juliet")
        << "back under the number Romeo's relationship with her names";

    story->GetCharacterManager()->GetCharacter(romeo)->SetName("Romeo Montague");
    std::replace(shown.begin(), shown.end(), std::string("Romeo"), std::string("Romeo Montague"));
    FKDoc* saved = SavedAndReopened(*story, "damaged.fsf");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(names(*saved), shown);
    EXPECT_EQ(Title(*saved), "Verona");
    application->CloseAll(true);

    // Romeo's record listed under Juliet's key instead, and first: his relationship with her shows it
    // is not hers. Juliet keeps her number, and Romeo, named as the one found, is kept under one of
    // his own (nothing names his).
    std::string swapped = TempFolder::ReadFile(Path("verona.fsf"));
    swapped[mapAt + 4 + 16 * romeoAt + 13] = static_cast<char>(juliet & 0xFF);
    std::ofstream(Path("swapped.fsf"), std::ios::binary | std::ios::trunc) << swapped;
    Mark();
    story = OpenStory("swapped.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_THAT(Asked()[0], HasSubstr("- the character \"Romeo\": a second record the file lists as 'CHAR' " +
                                      std::to_string(juliet) + ", read as written\n"));
    ASSERT_NE(story->GetCharacterManager()->GetCharacter(juliet), nullptr);
    EXPECT_EQ(std::string(story->GetCharacterManager()->GetCharacter(juliet)->Name()), "Juliet");
    const std::vector<std::string> swappedCast = names(*story);
    EXPECT_EQ(std::count(swappedCast.begin(), swappedCast.end(), "Romeo"), 1);
}

// One bit of a character's number changed in an example's map: The Messenger (6) listed as 262, or
// as 14. The other characters' relationships name 6, which no record has; the record listed as 262
// (or 14) alone is named by no relationship and keeps its own as 6 would (the Miller's Daughter's,
// 2, a bit from 6 too, keeps hers with 3 to 7). The open reads it as 6 again and says its entry in
// the map was damaged; the cast, each with its relationships, is the example's, and so is the saved
// copy's.
TEST_F(DamagedStory, ACharacterTheMapNumbersOneBitOffIsReadUnderTheNumberItsRelationshipsName) {
    const auto cast = [](FKDoc& story) {
        std::vector<std::string> shown;
        CharacterManager& characters = *story.GetCharacterManager();
        for (std::int32_t i = 0; i < characters.GetCount(); ++i) {
            shown.push_back(std::to_string(characters.IdAt(i)) + " " + characters.RecordAt(i)->Name());
            for (std::int32_t other = 0; other < characters.GetCount(); ++other) {
                char text[512] = "";
                characters.RecordAt(i)->GetRelationship(text, sizeof text, characters.IdAt(other));
                shown.back() += std::string(" | ") + text;
            }
        }
        return shown;
    };
    std::filesystem::copy_file(builtFolder + "/examples/Rumpelstiltskin.fsf", Path("whole.fsf"));
    FKDoc* sound = OpenStory("whole.fsf");
    ASSERT_NE(sound, nullptr);
    const std::vector<std::string> written = cast(*sound);
    ASSERT_THAT(written, testing::Contains(HasSubstr("| A faithful servant")));
    application->CloseAll(true);
    const std::string whole = TempFolder::ReadFile(Path("whole.fsf"));
    // The Messenger's entry, the map's fifth.
    ASSERT_EQ(Name(MapOf(whole)[4]), SegmentName({kCharacter, 6}));
    const std::size_t entry =
        LoadBigEndian32(reinterpret_cast<const std::uint8_t*>(whole.data()) + 28) + 4 + 16 * 4;
    for (const auto& [at, bit] : {std::pair(12, 0x01), std::pair(13, 0x08)}) {
        SCOPED_TRACE(at);
        std::string bytes = whole;
        bytes[entry + at] ^= static_cast<char>(bit);
        std::ofstream(Path("damaged.fsf"), std::ios::binary | std::ios::trunc) << bytes;
        Mark();
        FKDoc* story = OpenStory("damaged.fsf");
        ASSERT_NE(story, nullptr);
        EXPECT_THAT(Asked(),
                    ElementsAre(HasSubstr("\n- the character \"The Messenger\": its entry in the file's "
                                          "list of its parts was damaged, and it was read as written\n")));
        EXPECT_EQ(cast(*story), written);
        FKDoc* saved = SavedAndReopened(*story, "damaged.fsf");
        ASSERT_NE(saved, nullptr);
        EXPECT_EQ(cast(*saved), written);
        application->CloseAll(true);
    }

    // Belle's record (8) in A Christmas Carol holding nothing that reads: the relationship Scrooge
    // kept with her goes with her, and is told, so that the saved copy names no number that no
    // character has. It reopens without a word, the Charity Gentlemen (10, the one character a bit
    // from 8 that no relationship names) keeping their number.
    StoreSegments unread = SegmentsOnDisk(builtFolder + "/examples/A Christmas Carol.fsf");
    unread[{kCharacter, 8}] = "garbled";
    ASSERT_NO_FATAL_FAILURE(WriteStore("unread.fsf", unread));
    Mark();
    FKDoc* story = OpenStory("unread.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_THAT(Asked(), ElementsAre(testing::AllOf(
                             HasSubstr("\n- the character numbered 8: all of it, damaged in the file\n"),
                             HasSubstr("\n- the relationships the other characters had with the character "
                                       "numbered 8 (they went with it)\n"))));
    EXPECT_FALSE(
        story->GetCharacterManager()->GetCharacter(2)->Record()->HasKey(CharInfoRec::RelationshipKey(8)));
    const std::vector<std::string> shown = cast(*story);
    FKDoc* saved = SavedAndReopened(*story, "unread.fsf");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(cast(*saved), shown);
}

// A byte of a record's type or number changed in the map, each record read where it was written,
// said in the one message and saved there: the story's information listed as 'TDI4' (the story
// opens), a character as 'DHAR', the storytelling as 'SCEL' 0 (a byte from the scenes' 'SCNL' too,
// which are numbered from 1), the answers as the older binary 'QSTs' (never read as such), the locks
// under number 5, and a scene under another number than its texts' keys name. A type further from
// every type a story holds is left as it is.
TEST_F(DamagedStory, ARecordTheMapListsUnderADamagedKeyIsReadAsWrittenSaidAndSaved) {
    MakeWholeStory("whole.fsf");
    const std::string whole = TempFolder::ReadFile(Path("whole.fsf"));
    const std::uint32_t mapAt =
        static_cast<std::uint8_t>(whole[28]) << 24 | static_cast<std::uint8_t>(whole[29]) << 16 |
        static_cast<std::uint8_t>(whole[30]) << 8 | static_cast<std::uint8_t>(whole[31]);
    const SegmentMap map = MapOf(whole);
    std::uint16_t walker = 0;  // the character made last
    for (const SegmentMapRecord& record : map)
        if (record.type == kCharacter) walker = std::max(walker, record.id);
    const auto at = [&](FourCC type, std::uint16_t id) {
        for (std::size_t i = 0; i < map.size(); ++i)
            if (map[i].type == type && map[i].id == id) return mapAt + 4 + 16 * i;
        ADD_FAILURE() << SegmentName({type, id}) << " not in the file";
        return std::size_t{0};
    };
    std::string bytes = whole;
    bytes[at(kMainRecordType, 0) + 8] = 'T';
    bytes[at(kCharacter, walker) + 8] = 'D';
    bytes[at(FourCCOf("STEL"), 0) + 9] = 'C';
    bytes[at(kQuestionStatus, 0) + 11] = 's';
    bytes[at(FourCCOf("LOCK"), 0) + 13] = 5;
    bytes[at(kScene, 1) + 13] = 9;
    std::ofstream(Path("damaged.fsf"), std::ios::binary | std::ios::trunc) << bytes;

    Mark();
    FKDoc* story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_EQ(Asked().size(), 1u) << "one message";
    EXPECT_THAT(Asked()[0],
                testing::StartsWith("Some of the story \"damaged.fsf\" was listed under a damaged "
                                    "name in its file, and was read as it was written:\n\n"));
    for (const std::string& line : std::vector<std::string>{
             "the story's information (its title, author and synopses): listed as 'TDI4' 0",
             "the character \"Walker\": listed as 'DHAR' " + std::to_string(walker),
             "the storytelling: listed as 'SCEL' 0",
             "which questions of the query system were answered: listed as 'QSTs' 0",
             "the storyform locks: listed as 'LOCK' 5",
             "the scene \"Scene #1 - Opening\": listed as 'SCNL' 9"})
        EXPECT_THAT(Asked()[0], HasSubstr("\n- " + line + ", and read as written\n"));
    EXPECT_TRUE(story->IsDirty());
    const auto holdsAll = [&](FKDoc& read) {
        EXPECT_EQ(Title(read), "Whole");
        EXPECT_EQ(RecordText(read.GetStorytellingRecord(), "STDom"), "the storytelling");
        EXPECT_EQ(read.GetQuestionStatus().GetStatus(13, 0), kQuestionAnswered);
        std::int16_t locked = 0;
        EXPECT_GE(read.GetLockRecord()->GetEntry("Resolve", 's', &locked), 0);
        ASSERT_NE(read.GetSceneManager()->FindScene(1), nullptr);
        char title[32] = "";
        read.GetSceneManager()->FindScene(1)->GetTitle(title, sizeof title);
        EXPECT_STREQ(title, "Opening");
        ASSERT_NE(read.GetCharacterManager()->GetCharacter(walker), nullptr);
        EXPECT_EQ(std::string(read.GetCharacterManager()->GetCharacter(walker)->Name()), "Walker");
    };
    holdsAll(*story);
    FKDoc* saved = SavedAndReopened(*story, "damaged.fsf");
    ASSERT_NE(saved, nullptr);
    holdsAll(*saved);
    application->CloseAll(true);

    // 'XXAR' is two bytes from every type a story holds: what it holds is no story's record.
    std::string unsure = whole;
    unsure[at(kCharacter, walker) + 8] = 'X';
    unsure[at(kCharacter, walker) + 9] = 'X';
    std::ofstream(Path("unsure.fsf"), std::ios::binary | std::ios::trunc) << unsure;
    Mark();
    story = OpenStory("unsure.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->GetCharacterManager()->GetCharacter(walker), nullptr);
    EXPECT_THAT(Asked(), testing::Each(testing::Not(HasSubstr("read as written"))));
}

// Romeo and Juliet's map damaged where it lists the storytelling, its last record: its count one
// lower (the record after its end sound, or not), the record's size two bytes short, its kind made
// another than a raw block's, or a bit of its place or size changed; and a bit of Romeo's stored
// length, or of his place, changed; and the answers' record zeroed with its block's header, so that
// its size disagrees with the map and nothing of it reads. The open names what it read as written
// and what it could not read, each record in one line; Save As and a reopen, without a word, keep
// the records whole where their bytes bore them out.
TEST_F(DamagedStory, AnExampleWhoseMapCountOrSizesWereDamagedKeepsWhatTheBytesHold) {
    const std::string example = builtFolder + "/examples/Romeo and Juliet.fsf";
    const std::string whole = TempFolder::ReadFile(example);
    const SegmentMap map = MapOf(whole);
    ASSERT_EQ(map.back().type, FourCCOf("STEL"));
    ASSERT_EQ(map.front().type, kCharacter);  // Romeo
    const std::uint32_t mapAt = LoadBigEndian32(reinterpret_cast<const std::uint8_t*>(whole.data()) + 28);
    const std::size_t count = map.size(), last = mapAt + 4 + 16 * (count - 1), romeo = map.front().position;
    const auto changed = [&](std::vector<std::pair<std::size_t, std::uint32_t>> changes) {
        std::string damaged = whole;
        for (const auto& [at, value] : changes)
            StoreBigEndian32(value, reinterpret_cast<std::uint8_t*>(damaged.data()) + at);
        return damaged;
    };
    const std::string read = ", and read as written\n",
                      sized = ": its size was damaged in the file, and it was read as written\n";
    const std::string listed =
        "- the storytelling: its entry in the file's list of its parts was damaged, and it was read as "
        "written\n";
    std::string unraw = whole;
    unraw[last + 14] = static_cast<char>(unraw[last + 14] ^ 0x80);
    std::string unread = whole;
    for (const SegmentMapRecord& record : map)
        if (record.type == kQuestionStatus) unread.replace(record.position, record.size, record.size, '\0');
    ASSERT_NE(unread, whole);
    const struct {
        std::string bytes, told;
        FourCC type;
        bool kept;
    } damages[] = {
        {changed({{mapAt, static_cast<std::uint32_t>(count - 1)}}),
         "- the storytelling: missing from the file's list of its parts" + read, FourCCOf("STEL"), true},
        {changed({{last + 4, map.back().size - 2u}}), "- the storytelling" + sized, FourCCOf("STEL"), true},
        {changed({{mapAt, static_cast<std::uint32_t>(count - 1)}, {last + 4, 0}}),
         "- what the file holds past the end of its list of parts, which could not be read\n",
         FourCCOf("STEL"), false},
        {changed({{romeo + 2, (map.front().size - 6u) ^ 0x40}}), "- the character \"Romeo\"" + sized,
         kCharacter, true},
        // The record's raw-block flag cleared, so that it would read as an object; a bit of its
        // position or size changed, so that it would lie past the file's end, or its size's top bit,
        // so that it would read as below none; a bit of Romeo's position changed, so that it would lie
        // over the header or another record.
        {unraw, listed, FourCCOf("STEL"), true},
        {changed({{last, map.back().position ^ (1u << 22)}}), listed, FourCCOf("STEL"), true},
        {changed({{last + 4, static_cast<std::uint32_t>(map.back().size) ^ (1u << 20)}}), listed,
         FourCCOf("STEL"), true},
        {changed({{last + 4, static_cast<std::uint32_t>(map.back().size) ^ (1u << 31)}}), listed,
         FourCCOf("STEL"), true},
        {changed({{mapAt + 4, romeo ^ 0x10}}), "- the character \"Romeo\"" + listed.substr(18), kCharacter,
         true},
        // An answers' record that reads as nothing holds no answer either way: its one entry is the
        // empty status, written again.
        {unread, "- which questions of the query system were answered (they show as not answered)\n",
         kQuestionStatus, true},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.told);
        std::ofstream(Path("damaged.fsf"), std::ios::binary | std::ios::trunc) << damage.bytes;
        Mark();
        FKDoc* story = OpenStory("damaged.fsf");
        ASSERT_NE(story, nullptr);
        EXPECT_THAT(Asked(), ElementsAre(HasSubstr(damage.told)));
        // The record the damage lies in is named in that one line alone.
        std::string named = damage.told.substr(0, damage.told.find_first_of(":("));
        if (named.ends_with(' ')) named.pop_back();
        const std::string said = Asked().empty() ? "" : Asked()[0];
        EXPECT_EQ(said.find(named), said.rfind(named)) << said;
        std::filesystem::remove(Path("kept.fsf"));
        Choose("kept.fsf");
        ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
        application->CloseAll(true);
        Mark();
        ASSERT_NE(OpenStory("kept.fsf"), nullptr);
        EXPECT_THAT(Asked(), testing::IsEmpty());
        application->CloseAll(true);
        const std::uint16_t id = damage.type == kCharacter ? map.front().id : 0;
        const std::int32_t written = ReadKeyedRecord(SegmentsOnDisk(example), damage.type, id).Count();
        const std::int32_t kept = ReadKeyedRecord(SegmentsOnDisk(Path("kept.fsf")), damage.type, id).Count();
        EXPECT_EQ(kept == written, damage.kept) << kept << " of " << written;
    }
}

// Numbers the story keeps under keys that its damaged main record holds with another type (the
// type letter of "NmStories" turned into ")", "IsJust" a text): the story opens, saves with the
// numbers in their own type, and reopens as it showed.
TEST_F(DamagedStory, NumberKeysHeldWithAnotherTypeAreWrittenOverAtSave) {
    StoreSegments segments;
    segments[{FourCCOf("SDI4"), 0}] = "\\Titlec:The Long Road\\NmStories):16384\\IsJustc:yes\\";
    ASSERT_NO_FATAL_FAILURE(WriteStore("typed.fsf", segments));
    FKDoc* story = OpenStory("typed.fsf");
    ASSERT_NE(story, nullptr);
    story->SetDirty();
    std::int16_t cancelled = 0;
    EXPECT_EQ(story->Save(&cancelled), kNoErr);
    application->CloseAll(true);
    FKDoc* saved = OpenStory("typed.fsf");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(Title(*saved), "The Long Road");
    std::int16_t number = 7;
    EXPECT_GE(saved->GetInfoRecord().GetEntry("IsJust", 's', &number), 0);
    EXPECT_EQ(number, 0);
    EXPECT_GE(saved->GetInfoRecord().GetEntry("NmStories", 's', &number), 0);
}

// One byte of a role entry damaged in a copy of an example (the key "Subj" made "#ubj" or a byte
// shorter, the value a role no character is given): the open tells the record as damaged, its
// character alone takes back the role the story lacks, and the saved story reopens as it showed.
// With both roles' entries damaged, or a lone character's record holding none, new characters hold
// the roles, and keep them.
TEST_F(DamagedStory, ADamagedRoleIsToldAndTakenBackByItsOwnCharacterAlone) {
    const auto holders = [](FKDoc* story) {
        std::vector<std::string> held;
        const CharacterManager& cast = *story->GetCharacterManager();
        for (std::int32_t i = 0; i < cast.GetCount(); ++i)
            if (const std::int16_t role = cast.RecordAt(i)->GetSubjectiveRole(); role != kNoRole)
                held.push_back(cast.RecordAt(i)->Name() + " " + std::to_string(role));
        std::sort(held.begin(), held.end());
        return held;
    };
    const std::vector<std::string> kept = {"Ebenezer Scrooge 1", "The Spirits 2"};
    const std::vector<std::string> made = {"the Impact Character 2", "the Main Character 1"};
    const StoreSegments whole = SegmentsOnDisk(builtFolder + "/examples/A Christmas Carol.fsf");
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {"\\#ubjs:1\\", "\\Subjs:2\\", kept},
        {"\\Sbjs:1\\", "\\Subjs:2\\", kept},
        {"\\Subjs:3\\", "\\Subjs:2\\", kept},
        {"\\#ubjs:1\\", "\\#ubjs:2\\", made},
        {"", "", made}};
    for (const auto& [main, impact, roles] : cases) {
        SCOPED_TRACE(main + impact);
        StoreSegments segments = whole;
        for (auto& [key, record] : segments)
            for (const auto& [role, damaged] :
                 {std::pair("\\Subjs:1\\", main), std::pair("\\Subjs:2\\", impact)})
                if (key.first == kCharacter && record.find(role) != std::string::npos)
                    record.replace(record.find(role), std::strlen(role), damaged);
        // The lone character: a key no character is written with, the record's closing NUL gone.
        if (main.empty())
            segments = {{{kMainRecordType, 0}, whole.at({kMainRecordType, 0})},
                        {{kCharacter, 0}, "\\\xE3s:2\\"}};
        ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", segments));
        Mark();
        FKDoc* story = OpenStory("damaged.fsf");
        ASSERT_NE(story, nullptr);
        // New characters standing in for the roles are told as well.
        const testing::Matcher<std::string> standsIn = HasSubstr(
            "- the Main Character's role, which no character read from the file holds "
            "(a new Main Character stands in for it)\n- the Impact Character's role");
        EXPECT_THAT(Asked(), ElementsAre(testing::AllOf(
                                 HasSubstr(main.empty() ? "- the character numbered 0: part of it, damaged"
                                                        : "- the character \"Ebenezer Scrooge\": part of it"),
                                 roles == made
                                     ? standsIn
                                     : testing::Matcher<std::string>(testing::Not(HasSubstr("stands in"))))));
        EXPECT_EQ(holders(story), roles);
        FKDoc* saved = SavedAndReopened(*story, "damaged.fsf");
        ASSERT_NE(saved, nullptr);
        EXPECT_EQ(holders(saved), roles);
        application->CloseAll(true);
    }
}

// A copy of an example with the second scene's place lost (its type letter damaged) and the first
// scene's record listed under another number, holding another scene's title after its end: the
// open names each by the place the writer knew and shows it there, the first scene with its title,
// and the saved story reopens so.
TEST_F(DamagedStory, AScenesLostPlaceIsTheOneTheWriterKnewAndItsRecordIsReadWhereItsKeysSay) {
    const auto names = [](FKDoc* story) {
        std::vector<std::string> shown;
        for (std::int32_t position : {0, 1}) {
            char name[128] = "";
            story->GetSceneManager()->SceneAt(position)->GetDisplayName(name, sizeof name);
            shown.emplace_back(name);
        }
        return shown;
    };
    const StoreSegments whole = SegmentsOnDisk(builtFolder + "/examples/A Christmas Carol.fsf");
    std::uint16_t scene[2] = {};  // the records of the first two scenes
    for (const auto& [key, record] : whole)
        for (const int place : {0, 1})
            if (key.first == kScene &&
                record.find("\\SCORDERs:" + std::to_string(place) + "\\") != std::string::npos)
                scene[place] = key.second;
    ASSERT_TRUE(scene[0] && scene[1]);
    StoreSegments damaged = whole;
    std::string& second = damaged[{kScene, scene[1]}];
    second.replace(second.find("\\SCORDERs:1\\"), 10, "\\SCORDER#:");
    damaged[{kScene, 40}] =
        whole.at({kScene, scene[0]}) + "\\SCNTITLE" + std::to_string(scene[1]) + "c:Marley\\";
    damaged.erase({kScene, scene[0]});
    ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", damaged));
    Mark();
    FKDoc* story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    const std::vector<std::string> shown = {"Scene #1 - Christmas Eve at the counting-house",
                                            "Scene #2 - Marley's ghost"};
    EXPECT_THAT(Asked(),
                ElementsAre(testing::AllOf(HasSubstr("- the scene \"" + shown[0] + "\": listed as 'SCNL' 40"),
                                           HasSubstr("- the scene \"" + shown[1] + "\": part of it"))));
    EXPECT_EQ(names(story), shown);
    FKDoc* saved = SavedAndReopened(*story, "damaged.fsf");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(names(saved), shown);
    application->CloseAll(true);

    // Two scenes of which nothing reads leave no telling which place was whose.
    StoreSegments unread = whole;
    for (const std::uint16_t id : scene) unread[{kScene, id}] = "garbled";
    ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", unread));
    Mark();
    story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_THAT(Asked(), ElementsAre(HasSubstr("\"Scene #11\" (kept empty, after the others)\n")));
    story->SetClean();
    application->CloseAll(true);

    // Two scenes' places lost, so that they go after the others, and the fourth scene damaged where
    // it keeps its place: the fourth is named by the number the writer knew, the two are said to
    // come after the others now.
    StoreSegments unplaced = whole;
    for (const int place : {0, 1}) {
        std::string& record = unplaced[{kScene, scene[place]}];
        record.replace(record.find("\\SCORDERs:"), 9, "\\SCORDER#");
    }
    for (auto& [key, record] : unplaced)
        if (key.first == kScene && record.find("\\SCORDERs:3\\") != std::string::npos)
            record.insert(record.size() - 1, "Zz#:x\\");
    ASSERT_NO_FATAL_FAILURE(WriteStore("damaged.fsf", unplaced));
    Mark();
    story = OpenStory("damaged.fsf");
    ASSERT_NE(story, nullptr);
    const std::vector<std::string> told = Asked();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("- the scene \"Scene #4 - "), std::string::npos) << told[0];
    std::size_t moved = 0;
    for (std::size_t at = 0;
         (at = told[0].find("whose place was lost (it comes after the others now): part of it", at + 1)) !=
         std::string::npos;)
        ++moved;
    EXPECT_EQ(moved, 2u) << told[0];
    story->SetClean();
}

}  // namespace
}  // namespace apptest
