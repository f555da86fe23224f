// The scene manager: scenes made, ordered, titled and deleted; the category; the appreciations of
// scenes and the story-wide usage, also as stored.

#include "storymodel/SceneManager.h"

#include <gtest/gtest.h>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryTestSupport.h"
#include "storymodel/engine/InclApprList.h"

namespace {

constexpr FourCC kSceneType = FourCCOf("SCNL");
constexpr FourCC kStorytellingType = FourCCOf("STEL");

class SceneManagerTest : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        NewStory();
    }

    // The ids of the scenes in storytelling order.
    std::vector<std::int16_t> Order() {
        std::vector<std::int16_t> ids;
        for (std::int32_t position = 0; position < Scenes().GetSceneCount(); ++position) {
            const Scene* scene = Scenes().SceneAt(position);
            ids.push_back(scene ? scene->GetID() : -1);
        }
        return ids;
    }

    std::string DisplayName(Scene& scene, std::uint32_t size = 100) {
        std::string name(size, '\0');
        scene.GetDisplayName(name.data(), size);
        return name.c_str();
    }

    struct Watcher : MSceneListener {
        explicit Watcher(SceneManager& scenes) : MSceneListener(&scenes) {}
        void ScenesChanged(const Event* /*event*/) override { ++heard; }
        int heard = 0;
    };
};

using Ids = std::vector<std::int16_t>;

TEST_F(SceneManagerTest, ScenesMoveInsertAndDeleteKeepingTheirPositionsWhole) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Scenes().InsertScene(-1), i);
    EXPECT_EQ(Order(), (Ids{1, 2, 3}));
    Scenes().MoveScene(3, 0);
    EXPECT_EQ(Scenes().FindScene(1)->GetPosition(), 1);
    EXPECT_EQ(Scenes().FindScene(2)->GetPosition(), 2);
    EXPECT_EQ(Scenes().FindScene(3)->GetPosition(), 0);

    EXPECT_EQ(Scenes().InsertScene(1), 1);
    EXPECT_EQ(Order(), (Ids{3, 4, 1, 2}));
    EXPECT_EQ(Scenes().InsertScene(99), 4);
    Scenes().MoveScene(5, 99);  // beyond the last: stays last
    EXPECT_EQ(Order(), (Ids{3, 4, 1, 2, 5}));

    Watcher watcher(Scenes());
    Scenes().DeleteScene(2);
    EXPECT_EQ(Order(), (Ids{3, 4, 2, 5}));
    EXPECT_EQ(watcher.heard, 2);  // the move to the end, then the deletion
    Scenes().DeleteScene(7);
    Scenes().DeleteScene(-1);
    EXPECT_EQ(Scenes().GetSceneCount(), 4);
    EXPECT_EQ(Scenes().FindScene(1), nullptr);

    Reopen();
    EXPECT_EQ(Order(), (Ids{3, 4, 2, 5}));
    EXPECT_EQ(StorySegment(kSceneType, 1), "<null>");
    // A new scene never takes the id of one the story had.
    EXPECT_EQ(Scenes().InsertScene(0), 0);
    EXPECT_EQ(Scenes().SceneAt(0)->GetID(), 6);
}

TEST_F(SceneManagerTest, TheDisplayNameIsTheCategoryNumberAndTitle) {
    Scenes().InsertScene(-1);
    Scene& scene = *Scenes().SceneAt(0);
    EXPECT_EQ(DisplayName(scene), "Scene #1");
    Watcher watcher(Scenes());
    scene.SetTitle("Arrival");
    scene.SetTitle("Arrival");
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_EQ(DisplayName(scene), "Scene #1 - Arrival");
    // The number only with room for ten bytes, the title with room for four.
    EXPECT_EQ(DisplayName(scene, 12), "Scene - Arr");
    EXPECT_EQ(DisplayName(scene, 15), "Scene #1 - Arr");
    EXPECT_EQ(DisplayName(scene, 8), "Scene");

    Scenes().SetCategoryName("Chapter");
    EXPECT_EQ(watcher.heard, 2);
    EXPECT_EQ(DisplayName(scene), "Chapter #1 - Arrival");
    // New stories start with the category last chosen.
    EXPECT_EQ(RecordText(*application_->GetFQSRecord(), "SCENECAT"), "Chapter");
    NewStory();
    EXPECT_EQ(Scenes().CategoryName(), "Chapter");
}

TEST_F(SceneManagerTest, ADisplayNameCutShortNeverSplitsAnEscapedCharacter) {
    Scenes().InsertScene(-1);
    Scene& scene = *Scenes().SceneAt(0);
    const FablecoreStringConverter& converter = SharedStringConverter();
    // Each special character as the title's fifth, stored as two bytes at "Scene #1 - abcd".
    for (const char* special : {"/", "\\", "{", "}", "\xB0"}) {
        const std::string typed = std::string("abcd") + special + "ef";
        std::string stored(converter.MaxEncodedSize(static_cast<std::uint32_t>(typed.size())), '\0');
        converter.Encode(typed.c_str(), stored.data(), static_cast<std::uint32_t>(stored.size()));
        scene.SetTitle(stored.c_str());
        SCOPED_TRACE(typed);
        // Room for the escape byte but not its code: the character goes whole.
        std::string name = DisplayName(scene, 17);
        EXPECT_EQ(name, "Scene #1 - abcd");
        converter.DecodeInPlace(name.data());
        EXPECT_EQ(std::string(name.c_str()), "Scene #1 - abcd");
        name = DisplayName(scene, 18);
        converter.DecodeInPlace(name.data());
        EXPECT_EQ(std::string(name.c_str()), "Scene #1 - abcd" + std::string(special));
    }
    // A category cut short keeps its escapes whole too.
    Scenes().SetCategoryName("Act\xB0" "2");
    EXPECT_EQ(DisplayName(scene, 5), "Act");
    EXPECT_EQ(DisplayName(scene, 6), "Act\xB0" "2");
}

TEST_F(SceneManagerTest, TextsModeAndCategoryComeBackFromTheFile) {
    Scenes().InsertScene(-1);
    Scene& scene = *Scenes().SceneAt(0);
    scene.SetTitle("Arrival");
    scene.SetDescription("The ship docks.");
    scene.SetAppreciationText("{NObst} appears");
    Scenes().SetStorytellingMode(3);
    Scenes().SetCategoryName("Sequence");
    EXPECT_TRUE(Story().dirty);
    Reopen();
    char text[40];
    Scenes().FindScene(1)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "The ship docks.");
    Scenes().FindScene(1)->GetAppreciationText(text, sizeof text);
    EXPECT_STREQ(text, "{NObst} appears");
    EXPECT_EQ(Scenes().GetStorytellingMode(), 3);
    EXPECT_EQ(DisplayName(*Scenes().SceneAt(0)), "Sequence #1 - Arrival");
}

TEST_F(SceneManagerTest, TheUsageCountsTheScenesThatIncludeAnAppreciation) {
    Scenes().InsertScene(-1);
    Scenes().InsertScene(-1);
    const IncludeableAppreciation shared(12000, 3, 5, 2);
    const IncludeableAppreciation other(1000, 1001);
    Scenes().SceneAt(0)->AddAppreciation(shared);
    Scenes().SceneAt(1)->AddAppreciation(shared);
    Scenes().SceneAt(1)->AddAppreciation(other);
    EXPECT_EQ(Scenes().GetUsageCount(shared), 2);
    Scenes().SceneAt(0)->RemoveAppreciation(other);  // not in that scene: nothing to uncount
    EXPECT_EQ(Scenes().GetUsageCount(other), 1);
    Scenes().SceneAt(0)->RemoveAppreciation(shared);
    EXPECT_EQ(Scenes().GetUsageCount(shared), 1);

    Reopen();
    EXPECT_EQ(Scenes().GetUsageCount(shared), 1);
    EXPECT_EQ(Scenes().SceneAt(1)->GetAppreciations().GetCount(), 2);
    Scenes().DeleteScene(1);
    EXPECT_EQ(Scenes().GetUsageCount(shared), 0);
    EXPECT_EQ(Scenes().GetUsageCount(other), 0);
}

TEST_F(SceneManagerTest, ADeletedCharacterLeavesNoAppreciationBehind) {
    Scenes().InsertScene(-1);
    Scene& scene = *Scenes().SceneAt(0);
    scene.AddAppreciation(IncludeableAppreciation(12000, 3, 7));
    scene.AddAppreciation(IncludeableAppreciation(12000, 3, 9, 7));
    scene.AddAppreciation(IncludeableAppreciation(12000, 3, 9));
    Scenes().RemoveCharacter(7);
    ASSERT_EQ(scene.GetAppreciations().GetCount(), 1);
    EXPECT_EQ(scene.GetAppreciations().GetAt(0), IncludeableAppreciation(12000, 3, 9));
    EXPECT_EQ(Scenes().GetUsageCount(IncludeableAppreciation(12000, 3, 7)), 0);
    EXPECT_EQ(Scenes().GetUsageCount(IncludeableAppreciation(12000, 3, 9)), 1);
}

TEST_F(SceneManagerTest, ALongUsageIsWrittenWhole) {
    // 2,900 appreciations in each of ten scenes: the counts' text is longer than 8 KB.
    const auto appreciation = [](int i) {
        return IncludeableAppreciation(static_cast<std::int16_t>(1 + i / 400),
                                       static_cast<std::int16_t>(i % 400), 0, 0);
    };
    for (int scene = 0; scene < 10; ++scene) {
        Scenes().InsertScene(-1);
        for (int i = 0; i < 2900; ++i) Scenes().SceneAt(scene)->AddAppreciation(appreciation(i));
    }
    Reopen();
    std::string counts;
    for (int i = 0; i < 2900; ++i) counts += "10,";
    EXPECT_EQ(RecordText(Story().GetStorytellingRecord(), "APPRUS2"), counts);
    EXPECT_EQ(Scenes().GetUsageCount(appreciation(2899)), 10);
    Scenes().SceneAt(3)->RemoveAppreciation(appreciation(2899));
    Reopen();
    EXPECT_EQ(Scenes().GetUsageCount(appreciation(2899)), 9);
    EXPECT_EQ(Scenes().GetUsageCount(appreciation(0)), 10);
}

TEST_F(SceneManagerTest, TheUsageIsWhatTheScenesInclude) {
    Scenes().InsertScene(-1);
    Scenes().InsertScene(-1);
    for (std::int32_t position : {0, 1})
        Scenes().SceneAt(position)->AddAppreciation(IncludeableAppreciation(5, 6));
    Scenes().SceneAt(1)->AddAppreciation(IncludeableAppreciation(7, 8));
    ASSERT_EQ(Story().SaveAs(Ref("story.fsf")), kNoErr);
    EXPECT_EQ(RecordText(Story().GetStorytellingRecord(), "APPRLST"), "5,6,-1,-1,7,8,-1,-1,");
    EXPECT_EQ(RecordText(Story().GetStorytellingRecord(), "APPRUS2"), "2,1,");

    // As the old 8 KB limit cut it (fewer counts than appreciations), and as it could be lost.
    for (const char* counts : {"2,", ""}) {
        EditStoredRecord("story.fsf", kStorytellingType, 0,
                         [counts](PText& record) { record.SetEntry("APPRUS2", kPTextText, counts); });
        Open("story.fsf");
        EXPECT_EQ(Scenes().GetUsageCount(IncludeableAppreciation(5, 6)), 2);
        EXPECT_EQ(Scenes().GetUsageCount(IncludeableAppreciation(7, 8)), 1);
        Reopen();
        EXPECT_EQ(RecordText(Story().GetStorytellingRecord(), "APPRUS2"), "2,1,");
    }
}

TEST_F(SceneManagerTest, DamagedPositionsAreNumberedAgainInTheirStoredOrder) {
    for (int i = 0; i < 3; ++i) Scenes().InsertScene(-1);
    ASSERT_EQ(Story().SaveAs(Ref("story.fsf")), kNoErr);
    EditStoredRecord("story.fsf", kSceneType, 2,
                     [](PText& record) { record.SetNumberByName("SCORDER", kPTextShort, 40); });
    EditStoredRecord("story.fsf", kSceneType, 3,
                     [](PText& record) { record.SetNumberByName("SCORDER", kPTextShort, 0); });
    Open("story.fsf");
    EXPECT_EQ(Order(), (Ids{1, 3, 2}));

    // A place below the first is no place a write puts down: the scene goes last, and it is told.
    ASSERT_EQ(Story().SaveAs(Ref("story.fsf")), kNoErr);
    EditStoredRecord("story.fsf", kSceneType, 2,
                     [](PText& record) { record.SetNumberByName("SCORDER", kPTextShort, -2); });
    Open("story.fsf");
    EXPECT_EQ(Order(), (Ids{1, 3, 2}));
    EXPECT_EQ(PFMTakeDamagedRecords(Story().GetStoryFile()),
              (std::vector<PFMSegmentKey>{{kSceneType, 2}}));

    // A scene whose record cannot be read goes last, the same each time the story opens.
    {
        PFMFileScope scope(Story().GetStoryFile(), false);
        void* block = NewBlock("SCORDERs:0 without its backslash");
        ASSERT_TRUE(PFMPutSegment(kSceneType, 9, block, 1, false));
        PFMCheckIn(block);
    }
    Reopen();
    EXPECT_EQ(Order(), (Ids{1, 3, 2, 9}));
    EXPECT_EQ(Scenes().GetLostScenes(), std::vector<std::int16_t>{9}) << "its record could not be read";
    Reopen();
    EXPECT_EQ(Order(), (Ids{1, 3, 2, 9}));
    EXPECT_TRUE(Scenes().GetLostScenes().empty()) << "written anew, empty, by the save";
}

}  // namespace
