// A whole story - characters, scenes, notes and storyform - saved, closed and opened again: it
// comes back equal, and the records that a change did not touch keep every byte.

#include <gtest/gtest.h>

#include <map>

#include "storymodel/StoryTestSupport.h"
#include "storymodel/engine/InclApprList.h"

namespace {

constexpr int kCharacters = 12;
constexpr int kScenes = 40;

using Segments = std::map<std::pair<FourCC, std::uint16_t>, std::string>;

class StoryRoundTripTest : public StoryTest {
protected:
    // What the managers hold, as text.
    std::string Contents() {
        std::string text;
        for (std::int32_t p = 0; p < Characters().GetCount(); ++p) {
            CharInfoRec& character = *Characters().RecordAt(p);
            text += character.Name() + "/" + std::to_string(character.GetSubjectiveRole()) + "/" +
                    std::to_string(character.GetSex()) + "/" + std::to_string(character.GetArchetype()) +
                    "/" + character.GetText("Des") + "/" + character.GetText("SWInter4") + "/";
            for (int d = 0; d < kDimensionCount; ++d)
                text += std::to_string(Characters().GetCharacteristicsAt(p, d).size());
            for (std::int32_t q = 0; q < Characters().GetCount(); ++q) {
                char relationship[40];
                character.GetRelationship(relationship, sizeof relationship, Characters().IdAt(q));
                text += relationship;
            }
            text += "\n";
        }
        for (std::int32_t p = 0; p < Scenes().GetSceneCount(); ++p) {
            Scene& scene = *Scenes().SceneAt(p);
            char name[100];
            scene.GetDisplayName(name, sizeof name);
            text += name + std::string("/") + scene.GetAppreciations().Text() + "/" +
                    std::to_string(Scenes().GetUsageCount(
                        IncludeableAppreciation(12000, static_cast<std::int16_t>(p % 4)))) +
                    "\n";
        }
        for (int n = 1; n <= kNoteCount; ++n) text += Characters().HasCharacteristicNote(n) ? "N" : "-";
        for (int index = 0; index < 117; ++index)
            text += std::to_string(Story().StoryForm().GetChosenValueAt(index)) + ",";
        return text;
    }
};

TEST_F(StoryRoundTripTest, AStoryComesBackEqualAndUntouchedRecordsKeepEveryByte) {
    NewStory();
    for (int i = 0; i < kCharacters - 2; ++i) {
        const CharID id =
            Characters().CreateCharacter(nullptr, static_cast<std::uint16_t>(i % 3), 1, 0, kNoRole, false);
        CharInfoRec& character = *Characters().GetCharacter(id);
        character.SetDescription(("description " + std::to_string(i)).c_str());
        character.SetSWInterx(4, "meets the others");
        character.SetRelationship("knows", static_cast<CharID>(id - 1));
        character.SetArchetype(static_cast<std::int16_t>(4 + i % 8));
    }
    for (int i = 0; i < kScenes; ++i) {
        Scenes().InsertScene(i % 3 == 0 ? 0 : -1);
        Scene& scene = *Scenes().SceneAt(i % 3 == 0 ? 0 : i);
        scene.SetTitle(("title " + std::to_string(i)).c_str());
        scene.SetDescription("what happens");
        scene.AddAppreciation(IncludeableAppreciation(12000, static_cast<std::int16_t>(i % 4),
                                                      static_cast<CharID>(i % kCharacters)));
    }
    Characters().SetCharacteristicNote(5, "a note");
    Story().StoryForm().SetChoice(1000, 1001);
    Story().StoryForm().SetChoice(12000, 3);
    Scenes().SetCategoryName("Beat");

    Reopen();
    ASSERT_EQ(Characters().GetCount(), kCharacters);
    ASSERT_EQ(Scenes().GetSceneCount(), kScenes);
    const std::string contents = Contents();
    const Segments saved = StorySegments();
    Reopen();
    EXPECT_EQ(Contents(), contents);
    EXPECT_EQ(StorySegments(), saved);

    // One character's text and one scene's title change: only their records do.
    const CharID changedCharacter = Characters().IdAt(5);
    Characters().RecordAt(5)->SetDescription("changed");
    Scene& changedScene = *Scenes().SceneAt(17);
    changedScene.SetTitle("changed");
    const std::int16_t changedSceneId = changedScene.GetID();
    Reopen();
    Segments now = StorySegments();
    for (const auto& key : {std::pair{FourCCOf("CHAR"), changedCharacter},
                            std::pair{FourCCOf("SCNL"), static_cast<std::uint16_t>(changedSceneId)}}) {
        EXPECT_NE(now[key], saved.at(key));
        now[key] = saved.at(key);
    }
    EXPECT_EQ(now, saved);
}

}  // namespace
