// The preferences file: made at the first start and written at shut-down, its records kept across
// starts, missing keys leaving the caller's defaults, the composite values and the named settings
// with their defaults; a damaged file is replaced and Alt+Shift at start offers to rebuild it; a file
// another copy of the program holds is read beside it, or left alone, never emptied.

#include <gmock/gmock.h>

#include <fstream>

#include "StoryAppFixture.h"
#include "app/PreferencesManager.h"
#include "framework/graphics/FontMapping.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/Vocabulary.h"

namespace apptest {
namespace {

class Preferences : public StoryAppTest {
protected:
    PreferencesManager& Manager() { return *application->GetPreferencesManager(); }
    std::string PreferencesPath() const { return ProgramFile(PreferencesManager::kFileName); }
    void Restart() {
        Stop();
        Start();
    }
};

TEST_F(Preferences, TheFileIsMadeAtTheFirstStartAndKeepsItsRecordsAcrossStarts) {
    ASSERT_TRUE(std::filesystem::exists(PreferencesPath())) << "made beside the program, which may be written";
    EXPECT_TRUE(SegmentsOnDisk(PreferencesPath()).empty()) << "no records until shut-down";
    PText* general = Manager().GetGeneralRecord();
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(Manager().GetRecord(PrefRecord::kGeneral), general);
    PreferencesManager::SetPrefShort(general, "MultiStories", 1);
    PreferencesManager::SetPrefRect(Manager().GetRecord(PrefRecord::kCasting), ShortRect{1, 2, 3, 4}, "CTNG");
    PreferencesManager::SetPrefString(Manager().GetRecord(PrefRecord::kQuerySystem), "SCENECAT", "Beat");
    EXPECT_FALSE(application->IsSingleDocument());
    Restart();

    const StoreSegments stored = SegmentsOnDisk(PreferencesPath());
    EXPECT_EQ(stored.size(), 3u) << "only the records holding keys are written";
    EXPECT_FALSE(application->IsSingleDocument()) << "\"MultiStories\" kept across the restart";
    ShortRect rect;
    EXPECT_TRUE(PreferencesManager::GetPrefRect(Manager().GetRecord(PrefRecord::kCasting), "CTNG", rect));
    EXPECT_EQ(rect, (ShortRect{1, 2, 3, 4}));
    char category[16] = "";
    EXPECT_GE(PreferencesManager::GetPrefString(Manager().GetFQSRecord(), "SCENECAT", category, sizeof category), 0);
    EXPECT_STREQ(category, "Beat");
    for (std::size_t i = 0; i < kPrefRecordCount; ++i) {
        EXPECT_NE(Manager().GetRecord(static_cast<PrefRecord>(i)), nullptr);
        EXPECT_EQ(Manager().GetRecord(static_cast<PrefRecord>(i))->GetRecordType(),
                  PreferencesManager::RecordType(static_cast<PrefRecord>(i)));
    }
}

TEST_F(Preferences, MissingKeysLeaveTheDefaults) {
    PText* general = Manager().GetGeneralRecord();
    std::int16_t value = 77;
    EXPECT_EQ(PreferencesManager::GetPrefShort(general, "Nothing", value), kPTextErrNoKey);
    EXPECT_EQ(value, 77);
    std::int32_t wide = -5;
    EXPECT_EQ(PreferencesManager::GetPrefLong(general, "Nothing", wide), kPTextErrNoKey);
    EXPECT_EQ(wide, -5);
    EXPECT_TRUE(application->IsSingleDocument());
    EXPECT_EQ(Manager().GetAutoSave(), 1);
    EXPECT_EQ(Manager().GetAutoSaveMinutes(), 30);
    EXPECT_EQ(Manager().GetReturnAdvances(), 0);
    PreferencesManager::SetPrefShort(general, "AutoSaveMin", -4);
    EXPECT_EQ(Manager().GetAutoSaveMinutes(), 0) << "never below 0";

    ShortRect rect{9, 9, 9, 9};
    PreferencesManager::SetPrefShort(general, "Wint", 1);
    PreferencesManager::SetPrefShort(general, "Winl", 2);
    PreferencesManager::SetPrefShort(general, "Winr", 4);
    EXPECT_FALSE(PreferencesManager::GetPrefRect(general, "Win", rect)) << "three of the four keys";
    EXPECT_EQ(rect, (ShortRect{9, 9, 9, 9}));

    RGBColor color(1, 2, 3);
    PreferencesManager::SetPrefShort(general, "Tg", static_cast<std::int16_t>(0xABCD));
    PreferencesManager::GetPrefColor(general, "T", color);
    EXPECT_EQ(color.red, 1);
    EXPECT_EQ(color.green, 0xABCD);
    EXPECT_EQ(color.blue, 3);
}

TEST_F(Preferences, ThroughlineColoursHaveTheirDefaultsAndAreWrittenOnlyWhenChanged) {
    RGBColor color;
    Manager().GetThroughlineColor(0, color);
    EXPECT_EQ(color.red, 0xFFFE);
    EXPECT_EQ(color.green, 0xE7DF);
    Manager().GetThroughlineColor(2, color);
    EXPECT_EQ(color.red, 0xD1A9);
    EXPECT_EQ(color.green, 0xDB54);
    EXPECT_EQ(color.blue, 0xFFFE);
    Manager().GetThroughlineColor(3, color);
    EXPECT_EQ(color.blue, 0xDFFF);
    for (const int outside : {5, -1}) {
        Manager().GetThroughlineColor(outside, color);
        EXPECT_EQ(color.red, 0xB000);
        EXPECT_EQ(color.green, 0xB000);
        EXPECT_EQ(color.blue, 0xB000);
    }
    std::array<RGBColor, 5> colors;
    for (int i = 0; i < 5; ++i) Manager().GetThroughlineColor(i, colors[static_cast<std::size_t>(i)]);
    EXPECT_FALSE(Manager().SetThroughlineColors(colors));
    EXPECT_FALSE(Manager().GetGeneralRecord()->HasKey("ar"));
    colors[4] = RGBColor(1, 2, 3);
    EXPECT_TRUE(Manager().SetThroughlineColors(colors));
    EXPECT_TRUE(Manager().GetGeneralRecord()->HasKey("ar")) << "all five are written";
    Restart();
    Manager().GetThroughlineColor(4, color);
    EXPECT_EQ(color.blue, 3);
}

TEST_F(Preferences, NamedSettingsAndPatterns) {
    EXPECT_FALSE(Manager().HasPronounGender());
    EXPECT_EQ(Manager().GetPronounGender(), 1);
    Manager().SetPronounGender(0);
    EXPECT_TRUE(Manager().HasPronounGender());
    EXPECT_EQ(Manager().GetPronounGender(), 0);

    EXPECT_EQ(Manager().GetReportFooter(), "Fablecore ^V^<- ^P -^|^D^>");
    EXPECT_TRUE(Manager().GetReportOptions()->HasKey("FOOTER")) << "the default is stored";
    EXPECT_EQ(Manager().GetReportHeader(), "^T^<^R^>");
    Manager().SetReportHeader("^T");
    EXPECT_EQ(Manager().GetReportHeader(), "^T");
    Manager().SetReturnAdvances(1);
    EXPECT_EQ(Manager().GetReturnAdvances(), 1);

    win::LOGFONTA font;
    MakeLogFontByName(font, "Liberation Serif", 14, 0);
    PreferencesManager::SetPrefFont(Manager().GetRecord(PrefRecord::kComments), "CMNT", font);
    win::LOGFONTA read;
    MakeLogFontByName(read, "Liberation Mono", 9, 1);
    PreferencesManager::GetPrefFont(Manager().GetRecord(PrefRecord::kComments), "CMNT", read);
    EXPECT_STREQ(read.lfFaceName, "Liberation Serif");
    EXPECT_EQ(GetLogFontStyle(read), 0);
    PreferencesManager::SetPrefShort(Manager().GetRecord(PrefRecord::kQuerySystem), "OrigTerms", 1);
    Restart();
    EXPECT_EQ(UseOriginalTerms(), 1) << "the vocabulary choice is put in force at start";
    SetOriginalTerms(0);
}

TEST_F(Preferences, ADamagedFileIsReplacedAndAltShiftOffersARebuild) {
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "MultiStories", 1);
    Stop();
    std::ofstream(PreferencesPath(), std::ios::trunc) << "damaged";
    Start();
    EXPECT_TRUE(application->IsSingleDocument()) << "every key at its default";
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "MultiStories", 1);
    Stop();

    presenter.KeyDown(VK_MENU);
    presenter.KeyDown(VK_SHIFT);
    Answer(IDNO);
    Mark();
    Start();
    EXPECT_THAT(Asked(), testing::ElementsAre("Delete current Preferences file (it will be rebuilt)"));
    EXPECT_FALSE(application->IsSingleDocument()) << "No keeps the file";
    Stop();
    Answer(IDYES);
    Start();
    presenter.KeyUp(VK_SHIFT);
    presenter.KeyUp(VK_MENU);
    EXPECT_TRUE(application->IsSingleDocument()) << "Yes rebuilds it";
}

// Another copy of the program reading the file (as every copy holds it) does not keep this one from
// reading it too; each writes it whole at the end, with what it read.
TEST_F(Preferences, AFileAnotherCopyReadsIsReadAndKept) {
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "MultiStories", 1);
    Stop();
    const win::HFILE other = win::OpenFileHandle(PreferencesPath().c_str(), win::FileOpenMode::kRead);
    ASSERT_NE(other, win::HFILE_ERROR);
    Start();
    EXPECT_FALSE(application->IsSingleDocument()) << "read beside the other copy";
    EXPECT_FALSE(Manager().HasPronounGender());
    Manager().SetPronounGender(2);
    Stop();
    win::CloseFileHandle(other);
    Start();
    EXPECT_FALSE(application->IsSingleDocument()) << "kept";
    EXPECT_EQ(Manager().GetPronounGender(), 2) << "written";
}

// A file another copy holds for writing cannot be read: it is left exactly as it is, at the start
// and at the end, and the program runs with the defaults meanwhile.
TEST_F(Preferences, AFileAnotherCopyWritesIsLeftAlone) {
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "MultiStories", 1);
    Manager().SetPronounGender(0);
    Stop();
    const std::string before = TempFolder::ReadFile(PreferencesPath());
    const win::HFILE other = win::OpenFileHandle(PreferencesPath().c_str(), win::FileOpenMode::kReadWrite);
    ASSERT_NE(other, win::HFILE_ERROR);
    Start();
    EXPECT_TRUE(application->IsSingleDocument()) << "the defaults";
    EXPECT_EQ(TempFolder::ReadFile(PreferencesPath()), before) << "neither removed nor emptied";
    Manager().SetPronounGender(1);
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "AutoSave", 0);
    Stop();
    win::CloseFileHandle(other);
    EXPECT_EQ(TempFolder::ReadFile(PreferencesPath()), before) << "nothing written at the end";
    Start();
    EXPECT_FALSE(application->IsSingleDocument());
    EXPECT_EQ(Manager().GetPronounGender(), 0);
}

// A copy that changed nothing writes nothing, so it never puts back what another changed meanwhile.
TEST_F(Preferences, ACopyThatChangedNothingWritesNothing) {
    Manager().SetPronounGender(0);
    Stop();
    Start();
    const std::string before = TempFolder::ReadFile(PreferencesPath());
    std::filesystem::remove(PreferencesPath());
    Stop();
    EXPECT_FALSE(std::filesystem::exists(PreferencesPath()));
    std::ofstream(PreferencesPath(), std::ios::binary) << before;
    Start();
    EXPECT_EQ(Manager().GetPronounGender(), 0);
}

// A damaged file may hold any number where one of three choices is kept: the pronouns the writer
// reads are still whole words, those of the nearest choice (as the preferences window shows it).
TEST_F(Preferences, PronounAndGenderChoicesOutsideTheirRangesStillGiveWholePronouns) {
    const auto sentence = [this](const char* text) {
        FKDoc* story = NewStory();
        EXPECT_NE(story, nullptr);
        if (!story) return std::string();
        const std::string expanded = ExpandText(story, text);
        story->SetClean();
        application->CloseAll(true);
        return expanded;
    };
    constexpr const char* kExample = "{PPN(X,1,S1)} keeps {PPN(X,0,P1)} word.";
    constexpr const char* kCharacters = "{PPN(MC,1,S1)} meets {PPN(OC,0,O1)}.";

    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "PNounGen", 7);
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "DefGender", 9);
    Restart();
    EXPECT_EQ(Manager().GetPronounGender(), 2);
    EXPECT_EQ(sentence(kExample), "It keeps its word.");
    EXPECT_EQ(sentence(kCharacters), "It meets it.") << "both characters of a new story are neutral";

    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "PNounGen", -2);
    PreferencesManager::SetPrefShort(Manager().GetGeneralRecord(), "DefGender", -4);
    Restart();
    EXPECT_EQ(sentence(kExample), "He keeps his word.");
    EXPECT_EQ(sentence(kCharacters), "She meets him.") << "no gender kept: the usual genders";
    FKDoc* story = NewStory();
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->GetCharacterManager()->GetDefaultGender(), 0) << "for the characters made later";
    story->SetClean();
}

}  // namespace
}  // namespace apptest
