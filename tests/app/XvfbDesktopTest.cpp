// The desktop as a writer uses it, in the program on an Xvfb display with real keys, clicks and
// wheel turns: the pronoun question clear of its buttons; a window a shortcut opens over the
// maximised query window comes in front, maximised, and the Window menu checks it; tiled, the front
// end shows a scroll bar for the rows it hides and the wheel brings them in sight; the wheel scrolls
// the Story Points table. The screen is compared with reference pictures at each stage.

#include <filesystem>
#include <memory>
#include <string>

// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where things are in the program's window (client pixels of its X window): the query window's
// caption where it first opens, a place on the tiled front end, and one on the Story Points table.
constexpr win::POINT kQueryCaption{150, 56};
constexpr win::POINT kOnTiledFrontEnd{330, 120};
constexpr win::POINT kOnStoryPoints{300, 250};

class XvfbDesktop : public XvfbSession {
protected:
    // The pointer moved to the point and the wheel turned a notch there: towards the writer (down)
    // or away.
    void TurnWheelAt(win::POINT at, bool down) const {
        ASSERT_NE(MovePointer(display, originX + at.x, originY + at.y), 0u);
        const unsigned button = down ? 5 : 4;
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
        XFlush(display);
    }
};

TEST_F(XvfbDesktop, AWindowAShortcutOpensOverTheMaximisedQueryWindowComesInFront) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    // Ctrl+U: the pronoun question over the query window, its text clear of the buttons.
    std::unique_ptr<win::Surface> before = Capture();
    Chord(display, XK_Control_L, XK_u);
    ExpectScreen("xvfb-pronoun-question.png", before.get());
    before = Capture();
    Press(display, XK_Return);
    before = Settled(before.get());
    // The query window maximised with a double click on its caption.
    ASSERT_NE(MovePointer(display, originX + kQueryCaption.x, originY + kQueryCaption.y), 0u);
    Click(display);
    Click(display);
    Rest();
    before = Settled(before.get());
    // Ctrl+L: the character list takes its place, maximised and in front.
    Chord(display, XK_Control_L, XK_l);
    ExpectScreen("xvfb-character-list-in-front.png", before.get());
    // The Window menu checks it.
    before = Capture();
    Chord(display, XK_Alt_L, XK_w);
    ExpectScreen("xvfb-window-menu-checks-the-list.png", before.get());
    Press(display, XK_Escape);
    Press(display, XK_Escape);
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

TEST_F(XvfbDesktop, TheWheelScrollsTheTiledFrontEndToItsHiddenRowsAndTheStoryPoints) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    // The character list beside the front end, tiled: the front end shows two rows of four and its
    // scroll bar.
    Shortcut(XK_l);
    Shortcut(XK_1);
    std::unique_ptr<win::Surface> before = Capture();
    Chord(display, XK_Alt_L, XK_w);
    before = Settled(before.get());
    Press(display, XK_t);
    ExpectScreen("xvfb-tiled-front-end.png", before.get());
    // A notch towards the writer brings the last rows, Story Points to Brainstorming, in sight;
    // one away goes back.
    before = Capture();
    TurnWheelAt(kOnTiledFrontEnd, true);
    Rest();
    ExpectScreen("xvfb-tiled-front-end-wheeled.png", before.get());
    before = Capture();
    TurnWheelAt(kOnTiledFrontEnd, false);
    Rest();
    ExpectScreen("xvfb-tiled-front-end.png", before.get());

    // Ctrl+Y: the Story Points table, three rows on with a notch.
    before = Shortcut(XK_y);
    TurnWheelAt(kOnStoryPoints, true);
    Rest();
    ExpectScreen("xvfb-story-points-wheeled.png", before.get());
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
