// The storyforming and storytelling tools a writer opens by their shortcuts in the program on an
// Xvfb display, with real keys and clicks: the story engine (Resolve set to Change), the story
// information (a title and an author typed), the brainstorming tools' spinner (a spin) and character
// generator (eight archetypes proposed, the first kept as a character). The story is saved and the
// program started again with it: the title, the author, the engine's choice and the kept character
// are all there. The screen is compared with reference pictures at each stage. A click on a popup
// opens its menu, which stays open until an entry is clicked or Escape is pressed.

#include <filesystem>
#include <memory>
#include <string>

// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where things are in the program's window (client pixels of its X window). The story engine fills
// the frame; the brainstorming window opens at its default place on a first start.
constexpr win::POINT kResolvePopup{253, 84};
constexpr win::POINT kChangeEntry{190, 98};  // in Resolve's open menu
constexpr win::POINT kEngineOk{730, 522};
constexpr win::POINT kEngineCancel{639, 522};
constexpr win::POINT kSpinButton{314, 183};
constexpr win::POINT kNumberPopup{270, 112};
constexpr win::POINT kEightEntry{264, 166};  // in the number popup's open menu
constexpr win::POINT kProposeButton{82, 151};
constexpr win::POINT kKeepCharacterButton{205, 151};
constexpr win::POINT kFirstProposal{150, 222};
// The spinner's list of results.
constexpr win::RECT kSpinList{34, 216, 516, 362};
// The number popup's open menu, its part below the box, and the number in the box (inside the focus
// ring drawn once the popup has the focus).
constexpr win::RECT kNumberMenu{243, 68, 277, 170};
constexpr win::RECT kBelowNumberBox{243, 124, 277, 170};
constexpr win::RECT kNumberDigit{245, 107, 253, 118};

// How many pixels of the rectangle differ between two pictures.
int Differing(const win::Surface& a, const win::Surface& b, const win::RECT& area) {
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) differing += a.GetPixel(x, y) != b.GetPixel(x, y);
    return differing;
}

// How many pixels of the rectangle are dark: text drawn there.
int Ink(const win::Surface& picture, const win::RECT& area) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) ink += win::GetGValue(picture.GetPixel(x, y)) < 0x80;
    return ink;
}

using XvfbStoryTools = XvfbSession;

TEST_F(XvfbStoryTools, EngineInformationAndBrainstormingAreUsedAndWhatTheyMadeIsKept) {
    const std::string saved = folder / "tools.fsf";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());

    // Ctrl+E: the story engine over the frame, every list open; Resolve set to Change halves the
    // storyforms.
    Shortcut(XK_e);
    PressAndReleaseAt(kResolvePopup, kChangeEntry);
    Rest();
    ExpectScreen("xvfb-story-engine.png");
    ClickAndSettle(kEngineOk);

    // Ctrl+3: the story information; a title typed over the one offered, and an author.
    Shortcut(XK_3);
    ClickAt(kInfoTitleField);
    Press(display, XK_End);
    for (int i = 0; i < 12; ++i) Press(display, XK_BackSpace);
    Type("The Lighthouse");
    ClickAt(kInfoAuthorField);
    Type("Ada Quill");
    Rest();
    ExpectScreen("xvfb-story-info.png");
    ClickAndSettle(kInfoOk);

    // Ctrl+6: the brainstorming tools on the spinner page, titled with the new title; Spin lists
    // the story points it chose (at random, so the list is only seen to be filled).
    std::unique_ptr<win::Surface> before = Shortcut(XK_6);
    gditest::ExpectMatchesReference(*before,
                                    std::filesystem::path(APP_TEST_DATA) / "xvfb-brainstorming-spinner.png");
    ClickAt(kSpinButton);
    Rest();
    const std::unique_ptr<win::Surface> spun = Settled(before.get());
    EXPECT_GT(Ink(*spun, kSpinList), Ink(*before, kSpinList) + 500) << "the spin's results are listed";

    // Ctrl+7: the same window on the character generator page, its popups showing the kind and
    // number of proposals; eight asked for, all eight archetypes are proposed, and the first kept.
    before = Shortcut(XK_7);
    gditest::ExpectMatchesReference(
        *before, std::filesystem::path(APP_TEST_DATA) / "xvfb-brainstorming-generator.png");
    PressAndReleaseAt(kNumberPopup, kEightEntry);
    Rest();
    before = Settled(before.get());
    ClickAt(kProposeButton);
    Rest();
    ExpectScreen("xvfb-brainstorming-proposals.png", before.get());
    ClickAt(kFirstProposal);
    before = Capture();
    ClickAt(kKeepCharacterButton);
    Rest();
    ExpectScreen("xvfb-brainstorming-kept.png", before.get());

    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));
    EXPECT_TRUE(FileHolds(saved, "The Lighthouse"));
    EXPECT_TRUE(FileHolds(saved, "Ada Quill"));

    // Started again with the story: the information as typed, the engine's choice, and the kept
    // character in the character list.
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd({saved}));
    Shortcut(XK_3);
    ExpectScreen("xvfb-story-info-kept.png");
    ClickAndSettle(kInfoCancel);
    Shortcut(XK_e);
    ExpectScreen("xvfb-story-engine-kept.png");
    ClickAndSettle(kEngineCancel);
    Shortcut(XK_l);
    ExpectScreen("xvfb-character-kept.png");
    // Nothing changed: Quit asks nothing.
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

TEST_F(XvfbStoryTools, AClickOnAPopupOpensItsMenuUntilAnEntryIsClickedOrEscapePressed) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    // Ctrl+7: the character generator page. A click on the number of proposals opens its menu over
    // the box, and the menu stays open; Escape closes it with the number as it was.
    const std::unique_ptr<win::Surface> page = Shortcut(XK_7);
    ClickAt(kNumberPopup);
    std::unique_ptr<win::Surface> open = Settled(page.get());
    EXPECT_GT(Differing(*open, *page, kNumberMenu), 500) << "the menu stays open";
    Press(display, XK_Escape);
    Rest();
    const std::unique_ptr<win::Surface> closed = Settled(open.get());
    EXPECT_EQ(Differing(*closed, *page, kBelowNumberBox), 0) << "the menu closed";
    EXPECT_EQ(Differing(*closed, *page, kNumberDigit), 0) << "the number as it was";

    // Clicked again, then a click on eight: the box shows it.
    ClickAt(kNumberPopup);
    open = Settled(closed.get());
    EXPECT_GT(Differing(*open, *page, kNumberMenu), 500) << "the menu stays open";
    ClickAt(kEightEntry);
    Rest();
    const std::unique_ptr<win::Surface> chosen = Settled(open.get());
    EXPECT_EQ(Differing(*chosen, *page, kBelowNumberBox), 0) << "the menu closed";
    EXPECT_GT(Differing(*chosen, *closed, kNumberDigit), 10) << "the number chosen is shown";
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
