// Character files: a character exported from one story and imported into another comes back equal;
// typecasting takes only characteristics and notes; conflicts are asked about; damaged and foreign
// files are refused and change nothing; the file check tells character files from others. Every
// file written is checked as the store reads files, record and picture included.

#include "storymodel/CharacterFiles.h"

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PFMFormat.h"
#include "storymodel/StoryTestSupport.h"
#include "support/StoredText.h"

namespace {

constexpr const char* kTexts[] = {"Role", "Des", "RoleX", "CFunc", "Actv",
                                  "BG",   "Int", "Skil",  "Bel",   "Phys"};

// A raw segment's content in a store file, from its map record.
std::string SegmentBytes(const std::string& file, const SegmentMapRecord& record) {
    constexpr std::size_t kRawHeader = 6;  // u16 0, u32 length
    return file.substr(record.position + kRawHeader, static_cast<std::size_t>(record.size) - kRawHeader);
}

class CharacterFilesTest : public StoryTest {
protected:
    // The file passes the store's check of its layout and holds exactly the character record and,
    // when asked for, the picture, both readable.
    void ExpectSoundCharacterFile(const std::string& name, bool withPicture) {
        const std::string bytes = FileBytes(name);
        ByteStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        PFMHeader header;
        SegmentMap map;
        ASSERT_EQ(PFMReadFileLayout(stream, static_cast<std::uint32_t>(bytes.size()), header, map), kNoErr);
        ASSERT_EQ(map.size(), withPicture ? 2u : 1u);
        for (const SegmentMapRecord& record : map) {
            EXPECT_EQ(record.Kind(), kRawSegment);
            const std::string content = SegmentBytes(bytes, record);
            if (record.type == FourCCOf("FCHI")) {
                EXPECT_EQ(record.id, 0);
                KeyedText text;
                EXPECT_EQ(text.Parse(content.data(), content.size()), kNoErr);
            } else {
                EXPECT_EQ(record.type, kCharacterPictureType);
                EXPECT_EQ(record.id, 1);
                PictRecord picture(1, kCharacterPictureType);
                ASSERT_EQ(picture.Decode(content.data(), static_cast<std::uint32_t>(content.size())), kNoErr);
                EXPECT_EQ(picture.Width(), 32);
                EXPECT_EQ(picture.Height(), 32);
            }
        }
    }

    bool Export(CharID id, const std::string& name) {
        const bool written = ExportCharacterFile(Ref(name), id, Story());
        if (written)
            ExpectSoundCharacterFile(name, IsCustomPicture(Characters().GetCharacter(id)->GetPicture()));
        return written;
    }
    bool Import(const std::string& name, CharID target = kNoCharID) {
        return ImportCharacterFile(Ref(name, kAccessRead), Story(), target);
    }

    // Everything a character file carries of the character, as text; the picture by its pixels.
    std::string Contents(CharID id) {
        CharInfoRec& character = *Characters().GetCharacter(id);
        std::string text = character.Name() + "|" + std::to_string(character.GetSex()) + "|" +
                           std::to_string(character.GetForm()) + "|";
        for (const char* key : kTexts) text += character.GetText(key) + "|";
        for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
            for (const std::int16_t element : Characters().GetCharacteristics(id, dimension)) {
                text += std::to_string(element) + ":" +
                        Characters().GetCharacteristicNote(CharacteristicNoteNumber(element)) + ",";
            }
            text += "|";
        }
        const std::unique_ptr<PictRecord> picture = Characters().LoadPicture(character.GetPicture());
        text += picture ? std::string(picture->Image().begin(), picture->Image().end()) : "(no picture)";
        return text;
    }

    // A character with every text, characteristics in two dimensions with notes, and a custom
    // picture, in a new story.
    CharID MakeWriter() {
        NewStory();
        const CharID id = Characters().CreateCharacter("Ophelia Marsh", 1, kPluralForm, 0, kNoRole, false);
        CharInfoRec& character = *Characters().GetCharacter(id);
        for (const char* key : kTexts) character.SetText(key, (std::string(key) + " of Ophelia").c_str());
        character.SetDescription(std::string(31000, 'd').c_str());  // longer than a file once kept
        const std::int16_t motivation[] = {96, 132};
        const std::int16_t purpose[] = {85};
        Characters().SetCharacteristics(id, 0, motivation);
        Characters().SetCharacteristics(id, 3, purpose);
        Characters().SetCharacteristicNote(12, "how she considers");
        Characters().SetCharacteristicNote(1, "how able she is");
        Characters().SetCharacteristicNote(64, "a note of a characteristic she lacks");
        character.SetPicture(*Characters().AddCustomPicture(PatternPicture(32, 32, 8, 21)));
        return id;
    }

    void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
};

TEST_F(CharacterFilesTest, ACharacterComesBackEqualInAnotherStory) {
    const CharID writer = MakeWriter();
    const std::string exported = Contents(writer);
    prompts_.busy = 0;
    ASSERT_TRUE(Export(writer, "ophelia.fcf"));
    EXPECT_EQ(prompts_.busy, 0);
    EXPECT_TRUE(prompts_.alerts.empty());

    NewStory();
    const std::uint16_t taken = *Characters().AddCustomPicture(PatternPicture(32, 32, 8, 22));
    Story().SetClean();
    ASSERT_TRUE(Import("ophelia.fcf"));
    EXPECT_TRUE(Story().dirty);
    ASSERT_EQ(Characters().GetCount(), 3);
    const CharID imported = Characters().GetLastCharacterID();
    EXPECT_EQ(Contents(imported), exported);
    EXPECT_EQ(Characters().GetCharacter(imported)->GetPicture(), taken + 1);
    EXPECT_FALSE(Characters().HasCharacteristicNote(64));

    Reopen();
    EXPECT_EQ(Contents(imported), exported);
}

// A role and the other texts at the most their fields take (2,047 and 30,719 bytes as stored, each
// slash taking two) go out to a character file and come back whole.
TEST_F(CharacterFilesTest, TextsAtTheirFieldsLimitsComeBackWhole) {
    std::string role(1947, 'r');
    for (std::size_t i = 0; i < 100; ++i) role[i * 19] = '/';
    std::string description(29919, 'd');
    for (std::size_t i = 0; i < 800; ++i) description[i * 37] = '/';
    ASSERT_EQ(testsupport::StoredText(role).size(), 2047u);
    ASSERT_EQ(testsupport::StoredText(description).size(), 30719u);
    NewStory();
    const CharID id = Characters().CreateCharacter("Limits", 0, kSingularForm, 0, kNoRole, false);
    CharInfoRec& character = *Characters().GetCharacter(id);
    ASSERT_EQ(character.SetText(CharacterKey::kRole, testsupport::StoredText(role).c_str()), kNoErr);
    for (const char* key : kTexts) {
        if (std::string_view(key) == CharacterKey::kRole) continue;
        ASSERT_EQ(character.SetText(key, testsupport::StoredText(description).c_str()), kNoErr) << key;
    }
    ASSERT_TRUE(Export(id, "limits.fcf"));

    NewStory();
    ASSERT_TRUE(Import("limits.fcf"));
    CharInfoRec& imported = *Characters().GetCharacter(Characters().GetLastCharacterID());
    EXPECT_TRUE(imported.GetText(CharacterKey::kRole) == testsupport::StoredText(role)) << "the role";
    for (const char* key : kTexts) {
        if (std::string_view(key) == CharacterKey::kRole) continue;
        EXPECT_TRUE(imported.GetText(key) == testsupport::StoredText(description)) << key;
    }
}

TEST_F(CharacterFilesTest, TypecastingTakesOnlyTheCharacteristicsAllowedAndTheirNotes) {
    ASSERT_TRUE(Export(MakeWriter(), "ophelia.fcf"));

    NewStory();
    const CharID bob = Characters().CreateCharacter("Bob", 0, kSingularForm, 1, kNoRole, false);
    const CharID holder = Characters().CreateCharacter("Holder", 0, kSingularForm, 0, kNoRole, false);
    Characters().GetCharacter(bob)->SetDescription("his own");
    const std::int16_t consider[] = {96}, methodology[] = {92}, aware[] = {90};
    Characters().SetCharacteristics(holder, 0, consider);
    Characters().SetCharacteristics(bob, 1, methodology);
    Characters().SetCharacteristics(bob, 3, aware);
    Characters().SetCharacteristicNote(12, "mine");
    Characters().SetCharacteristicNote(1, std::string(29990, 'o').c_str());
    application_->GetGeneralRecord()->SetNumberByName("NotesOpt", kPTextShort, 1);
    prompts_.buttons = {kAnswerNo};

    ASSERT_TRUE(Import("ophelia.fcf", bob));
    EXPECT_EQ(
        prompts_.questions,
        (std::vector<std::string>{"The Motivation of 'Consider' is currently occupied by 'Holder'.\r\n\r\nDo "
                                  "you still wish to give 'Bob' the Consider Motivation?"}));
    CharInfoRec& character = *Characters().GetCharacter(bob);
    EXPECT_EQ(Characters().GetCount(), 4);
    EXPECT_EQ(
        character.Name() + "/" + character.GetText("Des") + "/" + std::to_string(character.GetPicture()),
        "Bob/his own/1");
    EXPECT_EQ(Characters().GetCharacteristics(bob, 0), (std::vector<std::int16_t>{132}));
    EXPECT_EQ(Characters().GetCharacteristics(bob, 1), (std::vector<std::int16_t>{92}));
    EXPECT_EQ(Characters().GetCharacteristics(bob, 3), (std::vector<std::int16_t>{85}));
    EXPECT_EQ(Characters().GetCharacteristics(holder, 0), (std::vector<std::int16_t>{96}));
    // The refused characteristic's note stays the story's; an appended one is cut to 29999 characters.
    EXPECT_EQ(Characters().GetCharacteristicNote(12), "mine");
    EXPECT_EQ(Characters().GetCharacteristicNote(1), std::string(29990, 'o') + "how able ");
}

TEST_F(CharacterFilesTest, ListsFromElsewhereBringOnlyTheirDimensionsCharacteristics) {
    NewStory();
    const FileRef file = Ref("odd.fcf", kAccessCreate);
    {
        PFMFileScope scope(nullptr, false);
        PFMFile* store = PFMOpenFile(nullptr);
        PText record(store, FourCCOf("FCHI"), 0);
        std::string many;
        for (int i = 0; i < 200; ++i) many += "5000,";
        record.SetEntry("Motv", 'c', (many + "96,-3,87,96,0,132,").c_str());
        record.SetEntry("Ill 1", 'c', "a note of a characteristic the file does not list");
        record.SetEntry("Ill C", 'c', "considering");
        ASSERT_EQ(record.Save(), kNoErr);
        ASSERT_EQ(PFMSaveFile(&file), kNoErr);
        PFMCloseFile(store);
    }
    ExpectSoundCharacterFile("odd.fcf", false);
    ASSERT_TRUE(Import("odd.fcf"));
    const CharID imported = Characters().GetLastCharacterID();
    CharInfoRec& character = *Characters().GetCharacter(imported);
    EXPECT_EQ(character.Name(), "Missing");
    EXPECT_EQ(character.GetPicture(), 0);
    EXPECT_EQ(Characters().GetCharacteristics(imported, 0), (std::vector<std::int16_t>{96, 132}));
    EXPECT_EQ(Characters().GetCharacteristicNote(12), "considering");
    EXPECT_FALSE(Characters().HasCharacteristicNote(1));
}

// An imported note appended to a story's note near the most an appended note keeps (29,999 bytes)
// is cut between whole characters only, never between an escape and its code, and the writer is
// told which notes did not take all of it.
TEST_F(CharacterFilesTest, AnAppendedNoteIsCutBetweenWholeCharactersAndTheWriterIsTold) {
    NewStory();
    {
        PFMFileScope scope(nullptr, false);
        PFMFile* store = PFMOpenFile(nullptr);
        PText record(store, FourCCOf("FCHI"), 0);
        record.SetEntry("Motv", 'c', "96,");
        record.SetEntry("Ill C", 'c', testsupport::StoredText("12345/x/y").c_str());
        ASSERT_EQ(record.Save(), kNoErr);
        ASSERT_EQ(PFMSaveFile(&static_cast<const FileRef&>(Ref("slash.fcf", kAccessCreate))), kNoErr);
        PFMCloseFile(store);
    }
    application_->GetGeneralRecord()->SetNumberByName("NotesOpt", kPTextShort, 1);
    const std::string own(29990, 'a');
    Characters().SetCharacteristicNote(12, own.c_str());
    ASSERT_TRUE(Import("slash.fcf"));
    const CharID imported = Characters().GetLastCharacterID();
    // 29,990 + "12345" + "/" (two bytes) + "x" is 29,998; the next "/" would end at 30,000.
    EXPECT_EQ(Characters().GetCharacteristicNote(12), own + testsupport::StoredText("12345/x"));
    ASSERT_EQ(prompts_.alerts.size(), 1u);
    EXPECT_NE(prompts_.alerts[0].find("left out: Consider."), std::string::npos) << prompts_.alerts[0];

    // A story's note already longer than that keeps all of its own text.
    const std::string full(30200, 'b');
    Characters().SetCharacteristicNote(12, full.c_str());
    ASSERT_TRUE(Import("slash.fcf", imported));
    EXPECT_EQ(Characters().GetCharacteristicNote(12), full);
    EXPECT_EQ(prompts_.alerts.size(), 2u);

    // A note with room for all of the imported one says nothing.
    Characters().SetCharacteristicNote(12, "short ");
    ASSERT_TRUE(Import("slash.fcf", imported));
    EXPECT_EQ(Characters().GetCharacteristicNote(12), "short " + testsupport::StoredText("12345/x/y"));
    EXPECT_EQ(prompts_.alerts.size(), 2u);
}

TEST_F(CharacterFilesTest, DamagedOrForeignFilesAreRefusedAndChangeNothing) {
    ASSERT_TRUE(Export(MakeWriter(), "good.fcf"));
    const std::string good = FileBytes("good.fcf");
    Story().SaveAs(Ref("story.fsf", kAccessCreate));
    WriteFile("plain.txt", "Ophelia Marsh, a character\n");
    // A map said to lie past the file's end.
    std::string pastEnd = good;
    pastEnd.replace(28, 4, "\x7F\x00\x00\x00", 4);
    WriteFile("past-end.fcf", pastEnd);
    // The record's text and the picture spoilt in place.
    ByteStream stream(std::vector<std::uint8_t>(good.begin(), good.end()));
    PFMHeader header;
    SegmentMap map;
    ASSERT_EQ(PFMReadFileLayout(stream, static_cast<std::uint32_t>(good.size()), header, map), kNoErr);
    for (const SegmentMapRecord& record : map) {
        std::string spoilt = good;
        spoilt[record.position + 6] =
            record.type == FourCCOf("FCHI") ? 'X' : '\x7F';  // no backslash; top 0x7F00
        WriteFile(record.type == FourCCOf("FCHI") ? "bad-record.fcf" : "bad-picture.fcf", spoilt);
    }

    Open("story.fsf");
    CharacterWatcher watcher(Characters());
    const auto segments = StorySegments();
    const std::string invalid = "\n is not a valid Fablecore Character file.";
    const std::pair<const char*, std::string> cases[] = {
        {"plain.txt", invalid},
        {"story.fsf", invalid},
        {"missing.fcf", invalid},
        {"bad-record.fcf", invalid},
        {"bad-picture.fcf", invalid},
        {"past-end.fcf", std::string("ERROR: -10 opening Fablecore Character file\n\"") +
                             Path("past-end.fcf") + "\"\n" + FileErrorMessage(kEndOfFileErr)},
    };
    for (const auto& [name, message] : cases) {
        prompts_.alerts.clear();
        EXPECT_FALSE(Import(name)) << name;
        ASSERT_EQ(prompts_.alerts.size(), 1u) << name;
        const std::string expected = message == invalid ? "File \"" + Path(name) + "\"" + invalid : message;
        EXPECT_EQ(prompts_.alerts[0], expected);
        EXPECT_EQ(StorySegments(), segments) << name;
    }
    EXPECT_EQ(Characters().GetCount(), 3);
    EXPECT_FALSE(Story().dirty);
    EXPECT_TRUE(watcher.events.empty());
    EXPECT_FALSE(Import("good.fcf", 40));  // no such character
    EXPECT_TRUE(Import("good.fcf"));
}

TEST_F(CharacterFilesTest, TheFileCheckTellsCharacterFilesFromOthersAndAFailedExportIsTold) {
    const CharID writer = MakeWriter();
    ASSERT_TRUE(Export(writer, "ophelia.fcf"));
    Story().SaveAs(Ref("story.fsf", kAccessCreate));
    WriteFile("plain.fcf", "not a store");
    {
        // A character file cut short: its store's mark is whole, its map is gone.
        std::ifstream whole(Path("ophelia.fcf"), std::ios::binary);
        std::string bytes(64, '\0');
        whole.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        WriteFile("cut.fcf", bytes);
    }
    PFMFile* current = PFMGetCurrentFile();

    EXPECT_TRUE(IsCharacterFile(Ref("ophelia.fcf", kAccessRead)));
    EXPECT_TRUE(PFMIsPFMFile(Ref("cut.fcf")));
    for (const char* name : {"story.fsf", "plain.fcf", "missing.fcf", "cut.fcf"})
        EXPECT_FALSE(IsCharacterFile(Ref(name))) << name;
    EXPECT_FALSE(IsCharacterFile(FileRef()));
    EXPECT_FALSE(PFMIsFileOpen(Ref("ophelia.fcf")));

    EXPECT_FALSE(ExportCharacterFile(Ref("nobody.fcf"), 77, Story()));
    EXPECT_FALSE(ExportCharacterFile(Ref("no-such-folder/ophelia.fcf"), writer, Story()));
    ASSERT_EQ(prompts_.alerts.size(), 1u);
    EXPECT_EQ(prompts_.alerts[0].find("ERROR: -"), 0u);
    EXPECT_NE(
        prompts_.alerts[0].find(" saving character file\n\"" + Path("no-such-folder/ophelia.fcf") + "\"\n"),
        std::string::npos);
    EXPECT_EQ(PFMGetCurrentFile(), current);
}

TEST_F(CharacterFilesTest, TheChoosersAskWithTheirTitles) {
    FileRef chosen;
    prompts_.files = {Ref("one.fcf")};
    EXPECT_TRUE(AskCharacterFileName(chosen));
    EXPECT_TRUE(chosen.IsSameFile(Ref("one.fcf")));
    EXPECT_FALSE(AskCharacterFileToImport(chosen, false));
    EXPECT_FALSE(AskCharacterFileToImport(chosen, true));
    EXPECT_EQ(prompts_.choosers,
              (std::vector<std::string>{"Select Name for Character File", "Import Fablecore Character",
                                        "Typecast Fablecore Character"}));
}

}  // namespace
