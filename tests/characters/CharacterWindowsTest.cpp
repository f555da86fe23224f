// The character windows of a story as the Character menu opens them: each one once per story, in
// its story's slots (the window and its cast list) while it lives and out of them when it goes;
// the front one's cast list is the one the commands act on; closing the story closes them first;
// and a character deleted while they show it leaves none of them naming it.

#include <gmock/gmock.h>

#include "CharacterToolsFixture.h"
#include "app/DelCharCmd.h"
#include "app/StoryCommands.h"
#include "characters/BCWindow.h"
#include "characters/CLWindow.h"
#include "characters/CastingWindow.h"
#include "framework/TAppl.h"
#include "storymodel/Archetypes.h"

namespace charactertest {
namespace {

using ::testing::ElementsAre;

class CharacterWindows : public CharacterToolsTest {
protected:
    // Runs the command the menu makes for the id; false when the menu would not make one.
    bool RunMenuCommand(std::int32_t id) {
        std::unique_ptr<TCommand> command = application->CreateCommand(id);
        if (!command) return false;
        EXPECT_EQ(command->Do(), kNoErr);
        Run();
        return true;
    }
};

TEST_F(CharacterWindows, EachWindowIsMadeOnceAndKeepsItselfAndItsCastListInItsStorysSlots) {
    FKDoc* story = NewStory();
    Run();
    struct Kind {
        std::int32_t command;
        TWindow* (FKDoc::*window)() const;
        CastListView* (FKDoc::*view)() const;
        ClassId classId;
    };
    const Kind kinds[] = {{kCmdCharacterList, &FKDoc::GetCLWindow, &FKDoc::GetCharListCastView, 153},
                          {kCmdBuildCharacters, &FKDoc::GetBCWindow, &FKDoc::GetBuildCastView, 154},
                          {kCmdCasting, &FKDoc::GetCastingWindow, &FKDoc::GetCastingCastView, 165}};
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.classId);
        ASSERT_EQ((story->*kind.window)(), nullptr);
        ASSERT_TRUE(RunMenuCommand(kind.command));
        TWindow* window = (story->*kind.window)();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetClassId(), kind.classId);
        EXPECT_EQ(application->GetFrontWindow(), window);
        auto* shown = dynamic_cast<CharacterWindow*>(window);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ((story->*kind.view)(), shown->GetCastList());
        EXPECT_EQ(story->GetFrontCastList(), shown->GetCastList());
        // Asked again, the menu brings the same window to the front and makes none.
        application->SelectWindow(story->GetFrontEndWindow());
        Run();
        EXPECT_FALSE(RunMenuCommand(kind.command));
        EXPECT_EQ((story->*kind.window)(), window);
        EXPECT_EQ(application->GetFrontWindow(), window);
    }
    EXPECT_EQ(story->GetCLWindow()->GetTitle(), "Character List for Your Story");
    EXPECT_EQ(story->GetCastingWindow()->GetTitle(), "Casting for Your Story");
    for (const Kind& kind : kinds) {
        delete (story->*kind.window)();
        EXPECT_EQ((story->*kind.window)(), nullptr);
        EXPECT_EQ((story->*kind.view)(), nullptr);
    }
}

TEST_F(CharacterWindows, TheSelectionOfTheFrontCastListIsWhatTheCommandsActOn) {
    FKDoc* story = NewStory();
    const CharID walker = MakeCharacter(story, "Walker");
    OpenCharacterList(story);
    Run();
    StoryCastList* list = CastListOf(story->GetCharListCastView());
    EXPECT_FALSE(list->HasSelection());
    EXPECT_FALSE(DelCharCmd::IsEnabled(*application));
    EXPECT_FALSE(CharInfoCmd::IsEnabled(*application));
    list->SelectCharacter(walker);
    EXPECT_TRUE(list->HasSelection());
    EXPECT_EQ(list->GetSelectedCharacter(), walker);
    EXPECT_TRUE(DelCharCmd::IsEnabled(*application));
    EXPECT_TRUE(CharInfoCmd::IsEnabled(*application));
    EXPECT_TRUE(PictureCmd::IsEnabled(*application));
    EXPECT_TRUE(CharExportCmd::IsEnabled(*application));
    // Casting shows a cast list too, but Delete is not its command.
    OpenCasting(story);
    Run();
    CastListOf(story->GetCastingCastView())->SelectCharacter(walker);
    EXPECT_FALSE(DelCharCmd::IsEnabled(*application));
    EXPECT_TRUE(CharInfoCmd::IsEnabled(*application));
    // A character the story does not have selects nothing.
    CastListOf(story->GetCastingCastView())->SelectCharacter(0x4000);
    EXPECT_FALSE(CastListOf(story->GetCastingCastView())->HasSelection());
    EXPECT_FALSE(CharInfoCmd::IsEnabled(*application));
}

TEST_F(CharacterWindows, TheCastListShowsTheCharactersInNameOrderWithWhatTheyAreInTheStory) {
    FKDoc* story = NewStory();
    const CharID zoe = MakeCharacter(story, "Zoe", 1);
    const CharID abel = MakeCharacter(story, "Abel");
    Characters(story).GetCharacter(abel)->SetRole("the lighthouse keeper");
    Characters(story).ApplyArchetype(zoe, 7);
    OpenCasting(story);
    Run();
    StoryCastList& list = *CastListOf(story->GetCastingCastView());
    const CharID main = Characters(story).GetMainCharacter();
    const CharID impact = Characters(story).GetImpactCharacter();
    EXPECT_THAT(list.GetRows(), ElementsAre(abel, impact, main, zoe))
        << "Abel, the Impact..., the Main..., Zoe";
    EXPECT_EQ(list.DescribeCharacter(abel), "the lighthouse keeper, Unassigned");
    EXPECT_EQ(list.DescribeCharacter(zoe), std::string("Skeptic"));
    EXPECT_EQ(list.DescribeCharacter(main), "Main Character, Unassigned");
    EXPECT_EQ(list.DescribeCharacter(impact), "Impact Character, Unassigned");
    // A rename moves the character's row.
    Characters(story).GetCharacter(zoe)->SetName("Aaron");
    Run();
    EXPECT_EQ(list.GetRows().front(), zoe);
}

// The keys of a story's Character List with three rows: Abel, the Impact and the Main Character.
class CastListKeys : public CharacterWindows {
protected:
    void SetUp() override {
        CharacterWindows::SetUp();
        FKDoc* story = NewStory();
        MakeCharacter(story, "Abel");
        OpenCharacterList(story);
        Run();
        list = CastListOf(story->GetCharListCastView());
        rows = list->GetRows();
        ASSERT_EQ(rows.size(), 3u);
    }
    // Presses the key the times given, then lets the list take them.
    void Press(win::UINT key, int times = 1) {
        for (int i = 0; i < times; ++i) presenter.PressKey(key);
        Run();
    }
    CharID Selected() const { return list->GetSelectedCharacter(); }

    StoryCastList* list = nullptr;
    std::vector<CharID> rows;
};

TEST_F(CastListKeys, UpAndDownMoveTheSelectionWithinTheList) {
    Press(win::VK_DOWN);
    EXPECT_EQ(Selected(), rows[0]);
    Press(win::VK_DOWN, 3);
    EXPECT_EQ(Selected(), rows[2]) << "the last row stays";
    Press(win::VK_UP);
    EXPECT_EQ(Selected(), rows[1]);
}

TEST_F(CastListKeys, UpWithNoneSelectedTakesTheLastAndAtTheFirstStaysThere) {
    Press(win::VK_UP);
    EXPECT_EQ(Selected(), rows[2]);
    Press(win::VK_UP, 2);
    EXPECT_EQ(Selected(), rows[0]);
    Press(win::VK_UP);
    EXPECT_EQ(Selected(), rows[0]) << "the first row stays";
    Press(win::VK_DOWN);
    EXPECT_EQ(Selected(), rows[1]);
}

TEST_F(CharacterWindows, ADeletedCharacterIsNamedByNoWindow) {
    FKDoc* story = NewStory();
    const CharID walker = MakeCharacter(story, "Walker");
    OpenCasting(story);
    OpenCharacterList(story);
    OpenBuildCharacters(story);
    Run();
    auto* build = static_cast<BCWindow*>(story->GetBCWindow());
    ASSERT_TRUE(build->DealCharacteristic(walker, QuadView::QuadElement(0, 0)));
    build->ShowQuad(0);
    EXPECT_EQ(build->GetQuadView()->HolderAt(0), walker);
    for (StoryCastList* list :
         {CastListOf(story->GetCharListCastView()), CastListOf(story->GetCastingCastView()),
          CastListOf(story->GetBuildCastView())})
        list->SelectCharacter(walker);
    ASSERT_EQ(application->GetFrontWindow(), build);
    Answer(IDYES);
    DelCharCmd(application).Do();
    Run();
    EXPECT_FALSE(Characters(story).HasCharacter(walker));
    for (StoryCastList* list :
         {CastListOf(story->GetCharListCastView()), CastListOf(story->GetCastingCastView()),
          CastListOf(story->GetBuildCastView())}) {
        EXPECT_FALSE(list->HasSelection());
        EXPECT_EQ(list->RowOf(walker), -1);
    }
    EXPECT_EQ(build->GetQuadView()->HolderAt(0), kNoCharID);
    EXPECT_EQ(build->DescribeHeld(), "Select a character to see its characteristics.");
    // The next character made may take the freed id: it is not selected for having it.
    EXPECT_FALSE(CastListOf(story->GetCharListCastView())->HasSelection());
}

TEST_F(CharacterWindows, ClosingTheStoryClosesItsCharacterWindowsFirstAndLosesNothing) {
    FKDoc* story = NewStory();
    Choose("Cast.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    OpenCharacterList(story);
    OpenBuildCharacters(story);
    OpenCasting(story);
    Run();
    const CharID walker = MakeCharacter(story, "Walker");
    static_cast<BCWindow*>(story->GetBCWindow())->DealCharacteristic(walker, 96);
    static_cast<CastingWindow*>(story->GetCastingWindow())->Cast(Characters(story).GetMainCharacter(), 7);
    const WindowRef list(story->GetCLWindow());
    const WindowRef build(story->GetBCWindow());
    const WindowRef casting(story->GetCastingWindow());
    Answer(IDYES);  // save the changes
    ASSERT_TRUE(story->Close(false, true));
    Run();
    EXPECT_EQ(list.Get(), nullptr);
    EXPECT_EQ(build.Get(), nullptr);
    EXPECT_EQ(casting.Get(), nullptr);
    FKDoc* again = OpenStory("Cast.fsf");
    ASSERT_NE(again, nullptr);
    CharacterManager& characters = Characters(again);
    CharID found = kNoCharID;
    for (std::int32_t i = 0; i < characters.GetCount(); ++i)
        if (characters.RecordAt(i)->Name() == "Walker") found = characters.IdAt(i);
    ASSERT_NE(found, kNoCharID);
    EXPECT_THAT(characters.GetCharacteristics(found, 0), ElementsAre(96)) << "Motivation";
    EXPECT_EQ(characters.GetCharacter(characters.GetMainCharacter())->GetArchetype(), 7);
}

}  // namespace
}  // namespace charactertest
