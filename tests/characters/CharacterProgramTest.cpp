// The character tools in the running program, headless, driven from the menus with keys as a
// writer drives them: the character list, five new characters with pictures, two of them made Main
// and impact, Build Characters, an archetype cast, the character information; each window and
// dialog against its reference picture; then the story saved, the program quit and started again
// on the file, and everything found as it was.

#include <gmock/gmock.h>

#include "BitmapFile.h"
#include "CharacterToolsFixture.h"
#include "app/ProgramFixture.h"
#include "characters/BCWindow.h"
#include "characters/CLWindow.h"
#include "characters/CastingWindow.h"
#include "characters/MainObstDlog.h"
#include "characters/NewCharDlog.h"
#include "items/EditView.h"
#include "items/ReferencePicture.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/Archetypes.h"

namespace charactertest {
namespace {

using ::testing::ElementsAre;

constexpr const char* kNames[] = {"Mara", "Ned", "Olga", "Piet", "Quin"};

class CharacterProgram : public ProgramTest {
protected:
    static FKDoc* Story() { return static_cast<FKDoc*>(GetAppl()->GetDocument(0)); }
    static CharacterManager& Characters() { return *Story()->GetCharacterManager(); }
    static void Compare(HWND window, const char* name) {
        itemstest::CompareWithReference(*WindowPicture(window), name);
    }
    static CharID Named(CharacterManager& characters, const std::string& name) {
        for (std::int32_t i = 0; i < characters.GetCount(); ++i)
            if (characters.RecordAt(i)->Name() == name) return characters.IdAt(i);
        return kNoCharID;
    }
    std::string File(const std::string& name) const { return folder / name; }

    // Creates a character with Create (Ctrl+K), names it in the dialog and gives it a picture with
    // Character > Picture.
    void CreateWithPicture(int index) {
        Then([this] { Shortcut(presenter, 'K'); });
        Then([this, index] {
            auto* dialog = FrontDialog<NewCharDlog>();
            ASSERT_NE(dialog, nullptr) << "Create opened no dialog";
            if (index == 0) Compare(dialog->GetHWnd(), "new-character.png");
            presenter.TypeText(kNames[index]);
            presenter.PressKey(VK_RETURN);
        });
        Then([this, index] {
            WriteBmp(File(std::string(kNames[index]) + ".bmp"), 32, 32, static_cast<std::uint8_t>(40 * index),
                     90, 160);
            presenter.ScriptPromptAnswer("OpenFile",
                                         PromptAnswer{TRUE, File(std::string(kNames[index]) + ".bmp")});
            presenter.KeyDown(VK_MENU);
            presenter.PressKey('C');
            presenter.KeyUp(VK_MENU);
        });
        Then([this] { presenter.PressKey('P'); });
    }
};

TEST_F(CharacterProgram, EveryCharacterCommandOpensItsWindowAndTheCastIsFoundAfterARestart) {
    InstallBuiltDataFiles();
    const std::string story = File("Cast.fsf");
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([this] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        Shortcut(presenter, 'L');
    });
    Then([] {
        TWindow* list = Story()->GetCLWindow();
        ASSERT_NE(list, nullptr) << "Character List opened no window";
        EXPECT_EQ(GetAppl()->GetFrontWindow(), list);
        Compare(list->GetHWnd(), "character-list.png");
    });
    for (int index = 0; index < 5; ++index) CreateWithPicture(index);
    // Setup Main and Impact: Mara and Ned.
    Then([this] {
        ASSERT_EQ(Characters().GetCount(), 7);
        Compare(Story()->GetCLWindow()->GetHWnd(), "character-list-cast.png");
        Shortcut(presenter, 'M');
    });
    Then([this] {
        auto* dialog = FrontDialog<MainObstDlog>();
        ASSERT_NE(dialog, nullptr) << "Setup Main and Impact opened no dialog";
        dialog->Choose(MainObstDlog::kMainItem, Named(Characters(), "Mara"));
        dialog->Choose(MainObstDlog::kImpactItem, Named(Characters(), "Ned"));
        Compare(dialog->GetHWnd(), "main-and-impact.png");
        presenter.PressKey(VK_RETURN);
    });
    Then([this] {
        EXPECT_EQ(Characters().GetMainCharacter(), Named(Characters(), "Mara"));
        EXPECT_EQ(Characters().GetImpactCharacter(), Named(Characters(), "Ned"));
        Shortcut(presenter, 'B');
    });
    Then([] {
        auto* build = dynamic_cast<BCWindow*>(Story()->GetBCWindow());
        ASSERT_NE(build, nullptr) << "Build Characters opened no window";
        build->ShowQuad(0);
        build->GetCastList()->SelectCharacter(Named(Characters(), "Mara"));
        GetAppl()->DrainQueue(kFirstQueue);
        UpdateWindow(build->GetHWnd());
        Compare(build->GetHWnd(), "build-characters.png");
    });
    // Casting: Olga is the Skeptic.
    Then([this] { Shortcut(presenter, '0'); });
    Then([] {
        auto* casting = dynamic_cast<CastingWindow*>(Story()->GetCastingWindow());
        ASSERT_NE(casting, nullptr) << "Casting opened no window";
        casting->Cast(Named(Characters(), "Olga"), 7);
        casting->GetCastList()->SelectCharacter(Named(Characters(), "Piet"));
        UpdateWindow(casting->GetHWnd());
        Compare(casting->GetHWnd(), "casting.png");
    });
    // Info on Piet: the dialog shows him; a description goes in.
    Then([this] { Shortcut(presenter, 'I'); });
    Then([this] {
        auto* dialog = FrontDialog<NewCharDlog>();
        ASSERT_NE(dialog, nullptr) << "Info opened no dialog";
        EXPECT_EQ(dialog->ReadItems().name, "Piet");
        dynamic_cast<EditView*>(dialog->GetItem(NewCharDlog::kDescriptionItem))
            ->SetText("Keeps the ferry.", 0);
        Compare(dialog->GetHWnd(), "character-information.png");
        presenter.PressKey(VK_RETURN);
    });
    Then([this, story] {
        presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, story});
        Shortcut(presenter, 'S');
    });
    Then([this] { Shortcut(presenter, 'Q'); });
    EXPECT_EQ(RunProgram(), 0);
    for (const PromptRequest& prompt : presenter.PromptsAsked())
        EXPECT_NE(prompt.kind, "MessageBox") << prompt.text;
    EXPECT_EQ(LiveWindowCount(), 0);

    // Started again on the file: everything is as it was.
    bool checked = false;
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        CharacterManager& characters = Characters();
        std::vector<std::string> names;
        for (std::int32_t i = 0; i < characters.GetCount(); ++i)
            names.push_back(characters.RecordAt(i)->Name());
        EXPECT_THAT(names, ::testing::IsSupersetOf({"Mara", "Ned", "Olga", "Piet", "Quin"}));
        for (const char* name : kNames)
            EXPECT_TRUE(IsCustomPicture(characters.GetCharacter(Named(characters, name))->GetPicture()))
                << name;
        EXPECT_EQ(characters.GetMainCharacter(), Named(characters, "Mara"));
        EXPECT_EQ(characters.GetImpactCharacter(), Named(characters, "Ned"));
        EXPECT_EQ(characters.GetCharacter(Named(characters, "Olga"))->GetArchetype(), 7);
        EXPECT_EQ(characters.GetCharacter(Named(characters, "Piet"))->GetText(CharacterKey::kDescription),
                  "Keeps the ferry.");
        checked = true;
        Shortcut(presenter, 'Q');
    });
    EXPECT_EQ(RunProgram({story}), 0);
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace charactertest
