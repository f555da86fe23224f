// Character pictures: stock pictures from the built picture file, custom pictures in the story
// file with ids that no picture of the story holds, the default picture, deleting and removing
// unused custom pictures, and pictures of any size brought to 32 x 32.

#include <gtest/gtest.h>

#include "foundation/pfm/PFM.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/PictureScaling.h"
#include "storymodel/StoryTestSupport.h"

namespace {

constexpr FourCC kDefaultPictureType = FourCCOf("BITM");

class CharacterPicturesTest : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        const FileRef file(CHARACTER_PICTURE_FILE);
        pictures_ = PFMOpenFile(&file);
        ASSERT_NE(pictures_, nullptr) << CHARACTER_PICTURE_FILE;
        application_->characterPictures = pictures_;
    }
    void TearDown() override {
        PFMCloseFile(pictures_);
        StoryTest::TearDown();
    }

    // Stores a picture in the story file directly, as an earlier session would have.
    void StoreInStory(const PictRecord& picture) {
        PFMFileScope scope(Story().GetStoryFile(), false);
        ASSERT_EQ(PictRecord(picture).Store(), kNoErr);
    }
    // The default picture, put into the application's data file.
    PictRecord StoreDefaultPicture() {
        const PictRecord picture = PatternPicture(32, 32, 4, 99, 19999, kDefaultPictureType);
        PFMFileScope scope(application_->GetDataFile(), false);
        EXPECT_EQ(PictRecord(picture).Store(), kNoErr);
        return picture;
    }

    PFMFile* pictures_ = nullptr;
};

// A picture as a segment stores it.
std::string Stored(const PictRecord& picture) {
    std::string bytes(picture.StoredSize(), '\0');
    picture.Encode(bytes.data());
    return bytes;
}

TEST_F(CharacterPicturesTest, StockPicturesComeFromThePictureFileAndCustomOnesFromTheStory) {
    NewStory();
    ASSERT_GE(Characters().GetPictureIDs().size(), 2u);
    EXPECT_EQ(Characters().GetPictureIDs()[1], 1);

    PictRecord stored(1, kCharacterPictureType);
    {
        PFMFileScope scope(pictures_, false);
        ASSERT_EQ(stored.Load(), kNoErr);
    }
    const std::unique_ptr<PictRecord> woman = Characters().LoadPicture(1);
    const std::unique_ptr<PictRecord> man = Characters().LoadPicture(0);
    ASSERT_TRUE(woman && man);
    EXPECT_EQ(Stored(*woman), Stored(stored));
    EXPECT_EQ(man->Width(), 32);
    EXPECT_NE(man->Image(), woman->Image());

    const PictRecord drawn = PatternPicture(32, 32, 8, 1);
    EXPECT_EQ(Characters().AddCustomPicture(drawn), 32769);
    EXPECT_TRUE(Story().dirty);
    EXPECT_EQ(Characters().GetPictureIDs().back(), 32769);
    EXPECT_EQ(Stored(*Characters().LoadPicture(32769)), Stored(drawn));
    CharacterManager::ReleasePicture(Characters().LoadPicture(32769));
}

TEST_F(CharacterPicturesTest, AMissingOrUnshowablePictureGivesTheDefaultOne) {
    NewStory();
    EXPECT_EQ(Characters().LoadPicture(40000), nullptr);

    const PictRecord fallback = StoreDefaultPicture();
    StoreInStory(PatternPicture(1, 5, 8, 2, 33000));
    for (std::uint16_t id : {40000, 33000, 5000}) {
        const std::unique_ptr<PictRecord> picture = Characters().LoadPicture(id);
        ASSERT_NE(picture, nullptr) << id;
        EXPECT_EQ(picture->GetType(), kDefaultPictureType) << id;
        EXPECT_EQ(Stored(*picture), Stored(fallback));
    }
}

TEST_F(CharacterPicturesTest, NoNewPictureTakesTheIdOfOneTheStoryHolds) {
    NewStory();
    const PictRecord first = PatternPicture(32, 32, 8, 3, 40000);
    const PictRecord second = PatternPicture(32, 32, 24, 4, 32770);
    StoreInStory(first);
    StoreInStory(second);
    Reopen();
    // The largest id counts, not the order in which the ids were found.
    EXPECT_EQ(Characters().GetNextCustomPictureID(), 40001);
    EXPECT_EQ(Characters().AddCustomPicture(PatternPicture(32, 32, 1, 5)), 40001);
    EXPECT_EQ(Stored(*Characters().LoadPicture(40000)), Stored(first));
    EXPECT_EQ(Stored(*Characters().LoadPicture(32770)), Stored(second));

    // A manager that has not looked at the story's pictures yet passes over the ids they hold, and
    // one given a stock id by a damaged story takes custom ids only.
    CharacterManager unscanned(Story(), 32770);
    EXPECT_EQ(unscanned.AddCustomPicture(PatternPicture(32, 32, 1, 6)), 32771);
    CharacterManager damaged(Story(), 5);
    EXPECT_EQ(damaged.AddCustomPicture(PatternPicture(32, 32, 1, 7)), 32769);
    EXPECT_EQ(Stored(*Characters().LoadPicture(32770)), Stored(second));

    // With the last id taken, no id is left.
    StoreInStory(PatternPicture(32, 32, 8, 8, 0xFFFF));
    Characters().ScanCustomPictures();
    EXPECT_EQ(Characters().AddCustomPicture(PatternPicture(32, 32, 1, 9)), std::nullopt);
    EXPECT_EQ(Characters().LoadPicture(0xFFFF)->Image(), PatternPicture(32, 32, 8, 8).Image());
}

TEST_F(CharacterPicturesTest, DeletingAPictureTwoCharactersShowResetsBothInOneEvent) {
    NewStory();
    const std::uint16_t id = *Characters().AddCustomPicture(PatternPicture(32, 32, 8, 10));
    const std::uint16_t other = *Characters().AddCustomPicture(PatternPicture(32, 32, 8, 11));
    Characters().RecordAt(0)->SetPicture(id);
    Characters().RecordAt(1)->SetPicture(id);
    const CharID third = Characters().CreateCharacter("Third", 0, 1, other, kNoRole, false);
    CharacterWatcher watcher(Characters());

    Characters().DeleteCustomPicture(1);  // a stock picture is never deleted
    Characters().DeleteCustomPicture(45000);
    EXPECT_TRUE(watcher.events.empty());

    Characters().DeleteCustomPicture(id);
    ASSERT_EQ(watcher.events.size(), 1u);
    EXPECT_EQ(watcher.events[0],
              (std::vector<CharID>{Characters().IdAt(0), Characters().IdAt(1), kNoCharID}));
    EXPECT_EQ(Characters().RecordAt(0)->GetPicture(), 0);
    EXPECT_EQ(Characters().RecordAt(1)->GetPicture(), 0);
    EXPECT_EQ(Characters().GetCharacter(third)->GetPicture(), other);
    EXPECT_EQ(StorySegment(kCharacterPictureType, id), "<null>");
    EXPECT_EQ(Characters().GetPictureIDs().back(), other);
}

TEST_F(CharacterPicturesTest, UnusedCustomPicturesGoOnlyWhenTheWriterAgrees) {
    NewStory();
    std::vector<std::uint16_t> ids;
    for (std::uint32_t seed : {12, 13, 14})
        ids.push_back(*Characters().AddCustomPicture(PatternPicture(32, 32, 8, seed)));
    Characters().RecordAt(0)->SetPicture(ids[1]);

    Characters().RemoveUnusedCustomPictures();
    EXPECT_EQ(prompts_.questions.back(),
              "You have 2 unused custom pictures.  Remove them from your document?");
    EXPECT_EQ(Characters().GetPictureIDs().back(), ids[2]);
    prompts_.buttons = {kAnswerYes};
    Characters().RemoveUnusedCustomPictures();
    EXPECT_EQ(StorySegments().count({kCharacterPictureType, ids[0]}) +
                  StorySegments().count({kCharacterPictureType, ids[2]}),
              0u);
    EXPECT_EQ(Characters().GetPictureIDs().back(), ids[1]);

    Characters().RemoveUnusedCustomPictures();
    EXPECT_EQ(prompts_.beeps, 1);
    Characters().RecordAt(0)->SetPicture(0);
    Characters().RemoveUnusedCustomPictures();
    EXPECT_EQ(prompts_.questions.back(), "You have 1 unused custom picture.  Remove it from your document?");
}

// The pixel at (x, y) of a picture, read as its depth stores it.
std::uint32_t Pixel(const PictRecord& picture, int x, int y) {
    const std::uint8_t* row = picture.Row(y);
    const int depth = picture.GetDepth();
    if (depth < 8) {
        const int bit = x * depth;
        return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1 << depth) - 1);
    }
    std::uint32_t value = 0;
    for (int i = 0; i < (depth == 24 ? 4 : depth / 8); ++i)
        value = value << 8 | row[x * (depth == 24 ? 4 : depth / 8) + i];
    return value;
}

TEST(PictureScaling, EachPixelTakesTheSourcePixelThatFallsOnItsPlace) {
    for (int depth : {1, 2, 4, 8, 16, 24}) {
        for (const auto& [from, to] :
             {std::pair{std::pair{70, 9}, std::pair{32, 32}}, {{10, 50}, {32, 32}}, {{32, 32}, {7, 3}}}) {
            const PictRecord source =
                PatternPicture(from.first, from.second, depth, static_cast<std::uint32_t>(depth));
            const std::optional<PictRecord> stretched =
                StretchPicture(source, to.first, to.second, 5, kCharacterPictureType);
            ASSERT_TRUE(stretched) << depth;
            EXPECT_EQ(stretched->Width(), to.first);
            EXPECT_EQ(stretched->Height(), to.second);
            EXPECT_EQ(stretched->ColorTable(), source.ColorTable());
            EXPECT_EQ(stretched->Image().size(), stretched->RowBytes() * static_cast<std::size_t>(to.second));
            for (int y = 0; y < to.second; ++y) {
                for (int x = 0; x < to.first; ++x) {
                    ASSERT_EQ(Pixel(*stretched, x, y),
                              Pixel(source, x * from.first / to.first, y * from.second / to.second))
                        << "depth " << depth << " at " << x << "," << y;
                }
            }
        }
    }
    PictRecord cut = PatternPicture(8, 8, 8, 1);
    cut.Image().resize(40);
    EXPECT_FALSE(StretchPicture(cut, 32, 32, 5, kCharacterPictureType));
    EXPECT_FALSE(StretchPicture(PatternPicture(8, 8, 8, 1), 0, 32, 5, kCharacterPictureType));
}

TEST(CharacterIdText, TheLeadingDecimalDigitsNameTheId) {
    EXPECT_EQ(CharacterManager::ParseCharacterID("12"), 12);
    EXPECT_EQ(CharacterManager::ParseCharacterID("  7,"), 7);
    EXPECT_EQ(CharacterManager::ParseCharacterID("65534"), 65534);
    for (const char* text : {"65535", "70000", "", "x1", "-3"})
        EXPECT_EQ(CharacterManager::ParseCharacterID(text), kNoCharID) << text;
    EXPECT_EQ(CharacterManager::ParseCharacterID(nullptr), kNoCharID);
}

}  // namespace
