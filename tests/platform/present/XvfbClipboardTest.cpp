// The native controls on a real display: text typed into an EDIT field with real keys, selected with
// Shift and the arrows and copied with Ctrl+C is on the X clipboard for other programs; text another
// program puts there is pasted with Ctrl+V.

#include "XvfbSession.h"

namespace {

using namespace endtoend;

using XvfbClipboard = XvfbTest;

TEST_F(XvfbClipboard, TextCopiedInAFieldReachesTheDesktopAndComesBack) {
    ASSERT_EQ(access("/usr/bin/xclip", X_OK), 0) << "xclip is not installed; scripts/setup installs it";
    ASSERT_TRUE(StartProgram({EDIT_PROBE}));
    LineReader& lines = *output;
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(FindShown("EditProbe", window, x, y));
    // Once the frame shows, a click in the field; the window under the pointer is the one the program
    // shows.
    EXPECT_TRUE(Eventually([&] { return ScreenColor(display, x + 3, y + 3) == 0xC0C0C0; }))
        << std::hex << ScreenColor(display, x + 3, y + 3);
    const Window under = MovePointer(display, x + 50, y + 20);
    ASSERT_NE(under, 0u) << "the pointer did not move";
    XSetInputFocus(display, under, RevertToParent, CurrentTime);
    Click(display);

    for (KeySym key : {XK_h, XK_e, XK_l, XK_l, XK_o, XK_space, XK_w, XK_o, XK_r, XK_l, XK_d})
        Press(display, key);
    ASSERT_TRUE(lines.WaitFor("text hello world")) << lines.All();
    Key(display, XK_Shift_L, true);
    for (int i = 0; i < 5; ++i) Press(display, XK_Left);
    Key(display, XK_Shift_L, false);
    Chord(display, XK_Control_L, XK_c);
    const std::string xclip = "timeout 5 xclip -selection clipboard";
    EXPECT_TRUE(Eventually([&] { return RunOnDisplay(xclip + " -o", xvfb.Name()) == "world"; }))
        << RunOnDisplay(xclip + " -o", xvfb.Name());

    // Another program copies text: xclip, kept in the foreground to serve it until the test ends.
    const std::string copied = ::testing::TempDir() + "copied-" + std::to_string(getpid()) + ".txt";
    {
        FILE* file = std::fopen(copied.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("caf\xC3\xA9\nx", file);
        std::fclose(file);
    }
    Process other;
    ASSERT_TRUE(other.Start({"/usr/bin/xclip", "-selection", "clipboard", "-quiet", "-i", copied},
                            {"DISPLAY=" + xvfb.Name()}, -1));
    ASSERT_TRUE(Eventually([&] { return RunOnDisplay(xclip + " -o", xvfb.Name()) == "caf\xC3\xA9\nx"; }));
    Press(display, XK_End);
    Chord(display, XK_Control_L, XK_v);
    // One line takes the pasted text up to its first line break.
    EXPECT_TRUE(lines.WaitFor("text hello worldcaf\xC3\xA9")) << lines.All();
    other.Stop();
    std::remove(copied.c_str());
    xvfb.Close();
}

}  // namespace
