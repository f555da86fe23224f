// Which files open as stories: the current and the two older generations of story files, never a
// newer one or a file of another kind, each refused with its one message; the texts of the oldest
// generation converted (and only the texts of keyed records), the progress box of that conversion,
// damaged files that are refused without harm (named as damaged, not as of another kind), and
// damaged records that open saying so.

#include <gmock/gmock.h>

#include <fstream>

#include "StoryAppFixture.h"
#include "app/FileConversionDialog.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "storymodel/CharacterManager.h"
#include "platform/sys/FileHandle.h"
#include "platform/ui/Input.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;

std::string Record(const std::string& entries) { return entries + "\\" + std::string(1, '\0'); }

const std::string kOldInfo = Record("\\Titlec:Old Story");

class StoryFileType : public StoryAppTest {
protected:
    // Opens the file; answers the messages it gave.
    std::vector<std::string> OpenSaying(const std::string& name, bool opens) {
        Mark();
        FKDoc* story = OpenStory(name);
        EXPECT_EQ(story != nullptr, opens) << name;
        EXPECT_EQ(application->GetDocumentCount(), opens ? 1 : 0);
        return Asked();
    }
    // The text of a keyed record of the open story's store.
    static std::string StoredText(FKDoc& story, FourCC type, std::uint16_t id, const char* key) {
        PText record(story.GetStoryFile(), type, id);
        char text[256] = "<missing>";
        record.GetEntry(key, 'c', text, sizeof text);
        return text;
    }
};

TEST_F(StoryFileType, TheReadableGenerationsOpenAndANewerOneIsNamed) {
    WriteStore("both.fsf", {{{FourCCOf("SDI4"), 0}, kOldInfo}, {{FourCCOf("SDI5"), 0}, kOldInfo}});
    EXPECT_TRUE(OpenSaying("both.fsf", true).empty()) << "the readable type is looked for first";
    application->CloseAll(true);

    WriteStore("newer.fsf", {{{FourCCOf("SDI7"), 0}, kOldInfo}});
    EXPECT_THAT(OpenSaying("newer.fsf", false),
                ElementsAre(testing::StartsWith("File 'newer.fsf' was saved by a newer version of the Fablecore "
                                                "software.\n\nIn order to open this file, you will need to "
                                                "upgrade to a newer version.")));

    // The program is named as its about box names it, with the version the build gives it.
    const std::string unreadable =
        "File 'other.fsf' is not in a format that can be read by Fablecore " BUILD_PRODUCT_VERSION ".";
    WriteStore("other.fsf", {{{FourCCOf("RESP"), 0}, Record("\\Resolves:1001")}});
    EXPECT_THAT(OpenSaying("other.fsf", false), ElementsAre(unreadable));

    std::ofstream(Path("text.fsf")) << "not a store at all";
    EXPECT_THAT(OpenSaying("text.fsf", false),
                ElementsAre("File 'text.fsf' is not in a format that can be read by Fablecore " BUILD_PRODUCT_VERSION
                            "."));
}

// A sound story that another copy holds open, even only to read it, is in use, not unreadable; it
// opens once let go.
TEST_F(StoryFileType, AStoryAnotherCopyHoldsIsInUseNotUnreadable) {
    WriteStore("held.fsf", {{{FourCCOf("SDI4"), 0}, kOldInfo}});
    const HFILE held = OpenFileHandle(Path("held.fsf").c_str(), FileOpenMode::kRead);
    EXPECT_THAT(OpenSaying("held.fsf", false),
                ElementsAre("File 'held.fsf' is in use by another program or another copy of Fablecore. It "
                            "can be opened once it is closed there."));
    CloseFileHandle(held);
    EXPECT_TRUE(OpenSaying("held.fsf", true).empty());
}

TEST_F(StoryFileType, TheSecondGenerationMovesItsMainRecordWithoutConversion) {
    WriteStore("sdi3.fsf", {{{FourCCOf("SDI3"), 0}, Record("\\Titlec:A {NObst} path/way")}});
    ASSERT_TRUE(OpenSaying("sdi3.fsf", true).empty());
    FKDoc& story = *Last();
    EXPECT_EQ(Title(story), "A {NObst} path/way") << "its texts are in the current form already";
    const PFMFileScope scope(story.GetStoryFile(), false);
    EXPECT_FALSE(PFMSegmentExists(FourCCOf("SDI3"), 0));
    EXPECT_TRUE(PFMSegmentExists(FourCCOf("SDI4"), 0));
}

TEST_F(StoryFileType, TheOldestGenerationHasTheTextsOfItsKeyedRecordsConverted) {
    const std::string picture = Record("\\Namec:looks {like} a record");
    const std::string title = "A {brace} and/or\\ \xB0";
    WriteStore("sdoc.fsf", {{{FourCCOf("SDOC"), 0},
                             Record("\\Titlec" + std::to_string(title.size()) + ":" + title + "\\Sizes:3")},
                            {{FourCCOf("STEL"), 0}, Record("\\STDomc:plain words")},
                            {{FourCCOf("CHAR"), 1}, Record("\\NMc:Ann {the} First\\Subjs:1")},
                            {{FourCCOf("CHAR"), 2}, Record("\\NMc:Bob\\Subjs:2")},
                            {{FourCCOf("CPIX"), 0x8001}, picture},
                            {{FourCCOf("JUNK"), 0}, "no keyed record {here}"}});
    ASSERT_THAT(OpenSaying("sdoc.fsf", true), testing::IsEmpty()) << "a quick conversion shows no box";
    FKDoc& story = *Last();
    EXPECT_EQ(Title(story), "A \xB0" "0brace\xB0" "1 and\xB0" "2or\xB0" "3 \xB0\xB0");
    EXPECT_EQ(StoredText(story, FourCCOf("CHAR"), 1, "NM"), "Ann \xB0" "0the\xB0" "1 First");
    EXPECT_EQ(story.GetCharacterManager()->RecordAt(0)->Name(), "Ann \xB0" "0the\xB0" "1 First");
    std::int16_t size = 0;
    story.GetInfoRecord().GetEntry("Size", 's', &size);
    EXPECT_EQ(size, 3) << "numbers stay";
    const PFMFileScope scope(story.GetStoryFile(), false);
    EXPECT_FALSE(PFMSegmentExists(FourCCOf("SDOC"), 0));
    void* stel = PFMCheckOut(FourCCOf("STEL"), 0);
    EXPECT_FALSE(PFMIsSegmentChanged(stel)) << "a record without such bytes is not rewritten";
    PFMCheckIn(stel);
    EXPECT_EQ(SegmentText(FourCCOf("CPIX"), 0x8001), picture) << "pictures are never taken for records";
    EXPECT_EQ(SegmentText(FourCCOf("JUNK"), 0), "no keyed record {here}");
}

// What reads whole of a damaged record is converted as well, each damaged record is told once, and
// a role the damage took goes back to its character.
TEST_F(StoryFileType, TheOldestGenerationsDamagedRecordsHaveWhatReadsConverted) {
    WriteStore("sdoc-damaged.fsf",
               {{{FourCCOf("SDOC"), 0}, Record("\\Authorc:Ann\\Sexs#1032\\Titlec:Plain")},
                {{FourCCOf("CHAR"), 1}, Record("\\NMc:Ann {the} First\\Subjs1")},
                {{FourCCOf("CHAR"), 2}, Record("\\NMc:Bob\\Subjs:2")}});
    const std::vector<std::string> said = OpenSaying("sdoc-damaged.fsf", true);
    ASSERT_EQ(said.size(), 1u) << testing::PrintToString(said);
    const std::string& told = said[0];
    const std::size_t info = told.find("the story's information");
    EXPECT_NE(info, std::string::npos) << told;
    EXPECT_EQ(told.find("the story's information", info + 1), std::string::npos) << told;
    EXPECT_NE(told.find("the character \"Ann {the} First\""), std::string::npos) << told;
    FKDoc& story = *Last();
    EXPECT_EQ(Title(story), "Plain");
    EXPECT_EQ(story.GetCharacterManager()->RecordAt(0)->Name(), "Ann \xB0" "0the\xB0" "1 First");
    EXPECT_EQ(story.GetCharacterManager()->GetMainCharacter(), 1);
}

TEST_F(StoryFileType, ATextThatGrowsPastWhatARecordHoldsStaysWhole) {
    const std::string braces(20000, '{');
    WriteStore("long.fsf", {{{FourCCOf("SDOC"), 0}, Record("\\Titlec20000:" + braces)}});
    ASSERT_TRUE(OpenSaying("long.fsf", true).empty());
    EXPECT_EQ(Title(*Last()).size(), 255u) << "read back in the caption's 256 bytes, but whole in the record";
    EXPECT_EQ(Last()->GetInfoRecord().GetValueSize("Title"), 20000u);
}

TEST_F(StoryFileType, DamagedStoryFilesAreRefusedOrOpenWithAMessage) {
    FKDoc* story = NewStory();
    Choose("whole.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    application->CloseAll(true);
    const std::string whole = TempFolder::ReadFile(Path("whole.fsf"));
    // A store cut short (its map is written last) or with its map changed is named as damaged, not as
    // a file of another kind. Cut inside its map, it holds fewer records than the map counts, as it
    // would with the count damaged: the map is told as damaged, not the file as ending early.
    const std::string mapDamaged = "The file's segment map data is invalid or corrupt.";
    for (const auto& [cut, told] : {std::pair{whole.size() / 2, std::string("Unexpected end of file reached.")},
                                    std::pair{whole.size() - 3, mapDamaged},
                                    std::pair{std::size_t{40}, std::string("Unexpected end of file reached.")}}) {
        SCOPED_TRACE(cut);
        std::ofstream(Path("cut.fsf"), std::ios::binary | std::ios::trunc) << whole.substr(0, cut);
        EXPECT_THAT(OpenSaying("cut.fsf", false),
                    ElementsAre("File 'cut.fsf' is damaged and cannot be opened.\n\n" + told));
    }
    std::string badMap = whole;
    std::size_t map = 0;  // the header's map position, big-endian at 28
    for (std::size_t i = 28; i < 32; ++i) map = map << 8 | static_cast<unsigned char>(whole[i]);
    badMap[map + 4 + 14] = '\x0F';  // the first record's flags: priority 0 with preload
    std::ofstream(Path("bad-map.fsf"), std::ios::binary | std::ios::trunc) << badMap;
    EXPECT_THAT(
        OpenSaying("bad-map.fsf", false),
        ElementsAre("File 'bad-map.fsf' is damaged and cannot be opened.\n\nThe file's segment map data "
                    "is invalid or corrupt."));
    // A byte inserted into a record, or the map's position made one less: the map is read from the
    // byte before it (the record's closing NUL), and lists nothing. A byte inserted before or into
    // the format version. Each is a story file damaged, not one of another kind.
    std::string shifted = whole;
    shifted.insert(map - 10, 1, 'x');
    std::string mapMoved = whole, mapMovedOn = whole;
    for (std::size_t i = 0; i < 4; ++i) {
        mapMoved[28 + i] = static_cast<char>((map - 1) >> (24 - 8 * i));
        mapMovedOn[28 + i] = static_cast<char>((map + 1) >> (24 - 8 * i));
    }
    // A byte deleted, or the map's position made one more: the count is read across two of the map's
    // numbers, and counts more records than the file holds, not a file ending early.
    std::string deleted = whole;
    deleted.erase(map - 10, 1);
    std::string versionMoved = whole;
    versionMoved.insert(26, 1, '\x7F');
    // The identification at the file's start with a byte inserted at its first or last place, one
    // of it lost, or one made another byte.
    std::string idStart = whole, idEnd = whole, idLost = whole, idChanged = whole;
    idStart.insert(0, 1, '\n');
    idEnd.insert(22, 1, '\x1A');
    idLost.erase(3, 1);
    idChanged[21] = '\x1B';
    constexpr const char* kCorrupt = "The file contains invalid or corrupt data.";
    for (const auto& [damaged, told] :
         {std::pair{shifted, "The file's segment map data is invalid or corrupt."},
          std::pair{mapMoved, "The file's segment map data is invalid or corrupt."},
          std::pair{mapMovedOn, "The file's segment map data is invalid or corrupt."},
          std::pair{deleted, "The file's segment map data is invalid or corrupt."},
          std::pair{versionMoved, kCorrupt}, std::pair{idStart, kCorrupt}, std::pair{idEnd, kCorrupt},
          std::pair{idLost, kCorrupt}, std::pair{idChanged, kCorrupt}}) {
        std::ofstream(Path("moved.fsf"), std::ios::binary | std::ios::trunc) << damaged;
        EXPECT_THAT(OpenSaying("moved.fsf", false),
                    ElementsAre(std::string("File 'moved.fsf' is damaged and cannot be opened.\n\n") + told));
    }

    // A main record or choices of which nothing reads: the rest of the story opens, the loss told.
    WriteStore("garbled.fsf", {{{FourCCOf("SDI4"), 0}, "garbled bytes, no record"}});
    EXPECT_THAT(
        OpenSaying("garbled.fsf", true),
        ElementsAre(testing::HasSubstr("\n- the story's information (its title, author and synopses): all "
                                       "of it, damaged in the file\n")));
    EXPECT_EQ(Title(*Last()), "Your Story");
    Last()->SetClean();
    application->CloseAll(true);
    WriteStore("garbled-responses.fsf", {{{FourCCOf("SDI4"), 0}, kOldInfo}, {{FourCCOf("RESP"), 0}, "\\broken"}});
    EXPECT_THAT(
        OpenSaying("garbled-responses.fsf", true),
        ElementsAre(testing::HasSubstr("\n- the storyform choices: all of it, damaged in the file\n")));
    EXPECT_EQ(Title(*Last()), "Old Story");
}

TEST_F(StoryFileType, TheConversionBoxAppearsOnlyForASlowConversionAndItsKeysAnswer) {
    {
        FileConversionDialog dialog;
        EXPECT_FALSE(IsWindowEnabled(application->GetFrameWindow())) << "only the box acts while it is there";
        EXPECT_EQ(dialog.Update(10), kNoErr);
        EXPECT_FALSE(dialog.IsShown()) << "not before a quarter of a second";
        win::Sleep(300);
        EXPECT_EQ(dialog.Update(60), kNoErr);
        EXPECT_FALSE(dialog.IsShown()) << "not once half done";
        EXPECT_EQ(dialog.Update(20), kNoErr);
        ASSERT_TRUE(dialog.IsShown());
        EXPECT_EQ(dialog.GetClassId(), 179);
        presenter.PressKey(VK_ESCAPE);
        EXPECT_EQ(dialog.Update(-1), kConversionCancelled);
    }
    EXPECT_TRUE(IsWindowEnabled(application->GetFrameWindow()));
    FileConversionDialog later;
    win::Sleep(300);
    ASSERT_EQ(later.Update(5), kNoErr);
    presenter.PressKey(VK_RETURN);
    EXPECT_EQ(later.Update(30), kConversionLater);
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

// One status byte per topic, from a version before the question status had contexts: read once,
// only for topics and statuses that exist, and removed.
TEST_F(StoryFileType, OldQuestionStatesAreTakenOnceAndOnlyWhereTheyFit) {
    std::string states(800, '\0');
    states[3] = 1;
    states[5] = 9;                      // no such status
    states[6] = static_cast<char>(-1);  // nor this
    states[761] = 2;
    states[770] = 1;                    // beyond the topics
    WriteStore("states.fsf", {{{FourCCOf("SDI4"), 0}, kOldInfo}, {{FourCCOf("QSTS"), 0}, states}});
    ASSERT_THAT(OpenSaying("states.fsf", true), testing::IsEmpty());
    QuestionStatus& status = Last()->GetQuestionStatus();
    EXPECT_EQ(status.GetStatus(3, 0), 1);
    EXPECT_EQ(status.GetStatus(761, 0), 2);
    EXPECT_EQ(status.FindOrInsert(5, 0, false), nullptr) << "a status that does not exist is left out";
    EXPECT_EQ(status.FindOrInsert(6, 0, false), nullptr);
    EXPECT_EQ(status.FindOrInsert(770, 0, false), nullptr);
    const PFMFileScope scope(Last()->GetStoryFile(), false);
    EXPECT_FALSE(PFMSegmentExists(FourCCOf("QSTS"), 0));
}

}  // namespace
}  // namespace apptest
