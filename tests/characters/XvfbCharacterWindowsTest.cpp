// The character windows and the windows over the storyform that a writer opens from the menus of
// the program on an Xvfb display, with real keys and clicks, each compared with its reference
// picture: two characters made with Character > Create (a name typed, a sex picked from its popup, a
// role typed) show in the character list; Setup Main and Impact gives them the two roles (the new
// story's placeholder characters go); Build Characters and Casting show them with those roles; the
// story engine panel sets Resolve, and the Explore window opened from the story points window shows
// the value and what the theory says of it. The story is saved and started again: the roles are kept.

#include <filesystem>
#include <memory>
#include <string>

// Last: the X headers define names that other headers use otherwise.
#include "app/XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where things are in the program's window (client pixels of its X window). The dialogs open
// centred in the frame; the character windows open at their default place on a first start.
constexpr win::POINT kSexPopup{315, 139};
constexpr win::POINT kFemaleEntry{275, 153};  // in the sex popup's open menu
constexpr win::POINT kRoleField{435, 202};
constexpr win::POINT kNewCharacterOk{455, 400};
constexpr win::POINT kMainPopup{437, 182};
constexpr win::POINT kMaraEntry{360, 157};  // in the Main Character popup's open menu
constexpr win::POINT kImpactPopup{441, 214};
constexpr win::POINT kTobinEntry{372, 241};  // in the impact character popup's open menu
constexpr win::POINT kMainAndImpactOk{439, 255};
constexpr win::POINT kFirstBuiltCharacter{120, 84};  // in the Build Characters window's list
constexpr win::POINT kResolvePopup{253, 84};
constexpr win::POINT kChangeEntry{190, 98};  // in Resolve's open menu
constexpr win::POINT kEngineOk{730, 522};
constexpr win::POINT kResolveRow{62, 148};  // in the story points window
constexpr win::POINT kExploreButton{219, 79};

class XvfbCharacterWindows : public XvfbSession {
protected:
    // The menu opened by Alt and its letter, then its entry chosen by its letter; the screen once it
    // shows what the entry opened.
    std::unique_ptr<win::Surface> FromMenu(KeySym menu, KeySym entry) const {
        return SettledAfter([&] {
            Chord(display, XK_Alt_L, menu);
            Press(display, entry);
        });
    }
};

TEST_F(XvfbCharacterWindows, CharactersMadeFromTheMenusShowInEachCharacterWindowWithTheirRolesKept) {
    const std::string saved = folder / "cast.fsf";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    // Character > Create: the name typed over the one offered, Female picked, a role typed.
    FromMenu(XK_c, XK_c);
    Type("Mara Vell");
    std::unique_ptr<win::Surface> before = Capture();
    ClickAt(kSexPopup);
    before = Settled(before.get());
    ClickAt(kFemaleEntry);
    Settled(before.get());
    ClickAt(kRoleField);
    Type("Lighthouse keeper");
    Rest();
    ExpectScreen("xvfb-new-character.png");
    ClickAndSettle(kNewCharacterOk);
    // A second character, made with Return.
    FromMenu(XK_c, XK_c);
    Type("Tobin Hale");
    ClickAt(kRoleField);
    Type("Smuggler");
    PressAndSettle(XK_Return);
    // Ctrl+L: both in the list beside the story's placeholder Main and impact characters.
    Shortcut(XK_l);
    ExpectScreen("xvfb-character-list-filled.png");
    // Character > Setup Main and Impact: Mara as Main, Tobin as impact; the list follows.
    FromMenu(XK_c, XK_s);
    before = Capture();
    ClickAt(kMainPopup);
    before = Settled(before.get());
    ClickAt(kMaraEntry);
    Settled(before.get());
    before = Capture();
    ClickAt(kImpactPopup);
    before = Settled(before.get());
    ClickAt(kTobinEntry);
    Rest();
    ExpectScreen("xvfb-main-and-impact.png", before.get());
    before = Capture();
    ClickAt(kMainAndImpactOk);
    Rest();
    ExpectScreen("xvfb-character-list-main-impact.png", before.get());
    // Ctrl+B with Mara chosen: her characteristics; Ctrl+0: both not yet cast.
    Shortcut(XK_b);
    ClickAt(kFirstBuiltCharacter);
    Rest();
    ExpectScreen("xvfb-build-characters.png");
    Shortcut(XK_0);
    ExpectScreen("xvfb-casting.png");
    // Storyforming > Story Engine: Resolve set to Change halves the storyforms.
    FromMenu(XK_s, XK_e);
    PressAndReleaseAt(kResolvePopup, kChangeEntry);
    Rest();
    ExpectScreen("xvfb-control-panel.png");
    ClickAndSettle(kEngineOk);
    // Ctrl+Y, Resolve chosen, Explore: the value and what it means.
    Shortcut(XK_y);
    before = Capture();
    ClickAt(kResolveRow);
    before = Settled(before.get());
    ClickAt(kExploreButton);
    Rest();
    ExpectScreen("xvfb-explore.png", before.get());
    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));
    for (const char* text : {"Mara Vell", "Lighthouse keeper", "Tobin Hale", "Smuggler"})
        EXPECT_TRUE(FileHolds(saved, text)) << text;
    EXPECT_FALSE(FileHolds(saved, "the Main Character")) << "the placeholder gave up its role and went";

    // Started again with the story: Mara is the Main character and Tobin the impact character.
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd({saved}));
    FromMenu(XK_c, XK_s);
    ExpectScreen("xvfb-main-and-impact-kept.png");
    Press(display, XK_Escape);
    Rest();
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
