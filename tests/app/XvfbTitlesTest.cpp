// The name the desktop shows for the program's window (its caption and task list) follows the
// frame's title whatever the story's title holds, in the program on an Xvfb display with real keys
// and clicks: a title with an em dash pasted into Story Info names the maximised Story Points
// window, and the story renamed, the new title replaces it.

#include <string>

// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// The Story Points window's caption where it first opens (client pixels of the program's window).
constexpr win::POINT kStoryPointsCaption{300, 52};
constexpr const char* kEmDash = "\xE2\x80\x94";

class XvfbTitles : public XvfbSession {
protected:
    // The window's name as UTF-8, as the desktop shows it; empty when it has none.
    std::string DesktopName() const {
        const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* bytes = nullptr;
        std::string text;
        if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count, &left,
                               &bytes) == Success &&
            bytes != nullptr) {
            text.assign(reinterpret_cast<const char*>(bytes), count);
        }
        if (bytes != nullptr) XFree(bytes);
        return text;
    }
    // The desktop's name for the window becomes the text.
    void ExpectDesktopName(const std::string& expected) const {
        EXPECT_TRUE(Eventually([&] { return DesktopName() == expected; }))
            << "shown: \"" << DesktopName() << "\", expected \"" << expected << "\"";
    }
};

TEST_F(XvfbTitles, TheDesktopNamesTheWindowWithAStoryTitleThatHoldsAnEmDash) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    ASSERT_NO_FATAL_FAILURE(CopyOnDesktop(std::string("Oven ") + kEmDash + " Time"));
    // Ctrl+3: the title offered is replaced by the one pasted.
    Shortcut(XK_3);
    ClickAt(kInfoTitleField);
    Press(display, XK_End);
    for (int i = 0; i < 12; ++i) Press(display, XK_BackSpace);
    Chord(display, XK_Control_L, XK_v);
    ClickAndSettle(kInfoOk);
    // Ctrl+Y, and the Story Points window maximised with a double click on its caption.
    Shortcut(XK_y);
    ASSERT_NE(MovePointer(display, originX + kStoryPointsCaption.x, originY + kStoryPointsCaption.y), 0u);
    Click(display);
    Click(display);
    Rest();
    ExpectDesktopName(title + " - [Story Points for Oven " + kEmDash + " Time]");
    // Ctrl+3 again: "Oven" becomes "Stove".
    Shortcut(XK_3);
    ClickAt(kInfoTitleField);
    Press(display, XK_Home);
    for (int i = 0; i < 4; ++i) Press(display, XK_Delete);
    Type("Stove");
    ClickAndSettle(kInfoOk);
    ExpectDesktopName(title + " - [Story Points for Stove " + kEmDash + " Time]");
    Chord(display, XK_Control_L, XK_q);
    Press(display, XK_n);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
