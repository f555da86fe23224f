// Delete (1289): the character selected in the front character list or Build Characters window goes
// from the story and its scenes after the confirmation; every refusal for want of such a window or a
// selection is a beep, and the Main character stays with the manager's message.

#include <gmock/gmock.h>

#include "CommandFixture.h"
#include "app/DelCharCmd.h"
#include "platform/sys/Bell.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/InclApprList.h"
#include "storymodel/engine/IncludeableAppreciation.h"

namespace apptest {
namespace {

class DeleteCharacter : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        story = NewStory();
        characters = story->GetCharacterManager();
        walker = characters->CreateCharacter("Walker", 0, 0, 0, 0, false);
        scenes = story->GetSceneManager();
        scenes->InsertScene(-1);
        scenes->SceneAt(0)->AddAppreciation(IncludeableAppreciation(12000, 3, walker));
        scenes->SceneAt(0)->AddAppreciation(
            IncludeableAppreciation(12000, 3, characters->GetMainCharacter()));
    }
    // Runs the command; answers whether it beeped.
    bool RunDelete() {
        const unsigned long bells = win::GetBellCount();
        EXPECT_EQ(DelCharCmd(application).Do(), kNoErr);
        return win::GetBellCount() > bells;
    }
    std::int32_t Appreciations() { return scenes->SceneAt(0)->GetAppreciations().GetCount(); }

    FKDoc* story = nullptr;
    CharacterManager* characters = nullptr;
    SceneManager* scenes = nullptr;
    CharID walker = kNoCharID;
};

TEST_F(DeleteCharacter, WithoutACharacterWindowInFrontTheCommandIsGreyedAndBeeps) {
    EXPECT_FALSE(DelCharCmd::IsEnabled(*application)) << "the front end";
    EXPECT_TRUE(RunDelete());
    // Casting shows a cast list, but Delete is not its command.
    Open(story, &FKDoc::SetCastingWindow, kCastingWindowClassId);
    CastView(story, &FKDoc::SetCastingCastView, walker);
    EXPECT_FALSE(DelCharCmd::IsEnabled(*application));
    EXPECT_TRUE(RunDelete());
    EXPECT_TRUE(characters->HasCharacter(walker));
    EXPECT_TRUE(Asked().empty());
}

TEST_F(DeleteCharacter, NothingSelectedIsABeep) {
    Open(story, &FKDoc::SetCLWindow, kCLWindowClassId);
    CastView(story, &FKDoc::SetCharListCastView, kNoCharID);
    EXPECT_FALSE(DelCharCmd::IsEnabled(*application));
    EXPECT_TRUE(RunDelete());
    EXPECT_TRUE(Asked().empty());
}

TEST_F(DeleteCharacter, TheSelectedCharacterGoesFromTheStoryAndItsScenes) {
    Open(story, &FKDoc::SetCLWindow, kCLWindowClassId);
    // The Build Characters window is closed: no quad to drop the character from.
    int drops = 0;
    App().GetStoryTools().SetQuadDropper([&](TWindow&, CharID) { ++drops; });
    CastView(story, &FKDoc::SetCharListCastView, walker);
    // The other window's cast list is not the one asked.
    CastView(story, &FKDoc::SetBuildCastView, characters->GetMainCharacter());
    ASSERT_TRUE(DelCharCmd::IsEnabled(*application));
    const std::uint16_t count = characters->GetCount();
    story->SetClean();

    Answer(IDNO);
    EXPECT_FALSE(RunDelete()) << "the writer's No is no refusal to beep at";
    EXPECT_TRUE(characters->HasCharacter(walker));
    EXPECT_EQ(Appreciations(), 2);

    Answer(IDYES);
    EXPECT_FALSE(RunDelete());
    EXPECT_THAT(Asked().back(), ::testing::HasSubstr("Walker"));
    EXPECT_FALSE(characters->HasCharacter(walker));
    EXPECT_EQ(characters->GetCount(), count - 1);
    EXPECT_EQ(Appreciations(), 1) << "the scene lost the deleted character";
    EXPECT_EQ(drops, 0);
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(DeleteCharacter, BuildCharactersDropsTheCharacterFromItsQuadFirst) {
    ToolWindow* build = Open(story, &FKDoc::SetBCWindow, kBCWindowClassId);
    CastView(story, &FKDoc::SetBuildCastView, walker);
    std::vector<std::pair<TWindow*, CharID>> drops;
    bool existedWhenDropped = false;
    App().GetStoryTools().SetQuadDropper([&](TWindow& window, CharID id) {
        drops.emplace_back(&window, id);
        existedWhenDropped = characters->HasCharacter(id);
    });
    ASSERT_TRUE(DelCharCmd::IsEnabled(*application));
    Answer(IDYES);
    EXPECT_FALSE(RunDelete());
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].first, build);
    EXPECT_EQ(drops[0].second, walker);
    EXPECT_TRUE(existedWhenDropped);
    EXPECT_FALSE(characters->HasCharacter(walker));
}

TEST_F(DeleteCharacter, TheMainCharacterStaysWithTheManagersMessage) {
    const CharID main = characters->GetMainCharacter();
    Open(story, &FKDoc::SetCLWindow, kCLWindowClassId);
    CastView(story, &FKDoc::SetCharListCastView, main);
    const std::uint16_t count = characters->GetCount();
    Mark();
    EXPECT_FALSE(RunDelete());
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_THAT(Asked()[0], ::testing::HasSubstr("You cannot delete your Main/"));
    EXPECT_TRUE(characters->HasCharacter(main));
    EXPECT_EQ(characters->GetCount(), count);
    EXPECT_EQ(Appreciations(), 2);
}

}  // namespace
}  // namespace apptest
