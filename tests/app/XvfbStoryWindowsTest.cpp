// The story windows opened by a writer in the program on an Xvfb display, with real keys: on a new
// story, the menu shortcuts of Comments, Story Points, Plot Progression, the dictionary and the theme
// browser each bring up their window over the others, each compared with its reference picture;
// Quit then closes them all and ends the program without a question.

#include <memory>

// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

using XvfbStoryWindows = XvfbSession;

TEST_F(XvfbStoryWindows, EachShortcutBringsUpItsWindowAndQuitClosesThemAll) {
    ASSERT_TRUE(Start());
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    // The program takes no keys while its splash screen waits.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    std::unique_ptr<win::Surface> before = Settled();
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    const struct {
        KeySym key;
        const char* reference;
    } windows[] = {
        {XK_4, "xvfb-comments.png"},
        {XK_y, "xvfb-story-points.png"},
        {XK_j, "xvfb-plot-progression.png"},
        {XK_d, "xvfb-dictionary.png"},
        {XK_t, "xvfb-theme-browser.png"},
    };
    for (const auto& shown : windows) {
        SCOPED_TRACE(shown.reference);
        Chord(display, XK_Control_L, shown.key);
        std::unique_ptr<win::Surface> now = Settled(before.get());
        gditest::ExpectMatchesReference(*now, std::filesystem::path(APP_TEST_DATA) / shown.reference);
        before = std::move(now);
    }
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
