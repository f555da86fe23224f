// The SDL presenter end to end: a small program runs on an Xvfb display, real X events move the
// pointer, click and type, and the test checks what the program received and what reached the X
// screen.

#include <sys/socket.h>

#include "XvfbSession.h"

namespace {

using namespace endtoend;

using XvfbEndToEnd = XvfbTest;

TEST_F(XvfbEndToEnd, RealEventsReachTheProgramAndItsDrawingReachesTheScreen) {
    // A name of this run's own: test trees built side by side may run this test at the same time.
    const std::string screenshot = ::testing::TempDir() + "probe-screen-" + std::to_string(getpid()) + ".png";
    // Shift and Alt held as the program starts are down from the start (let go of in that order,
    // they open no menu).
    Key(display, XK_Shift_L, true);
    Key(display, XK_Alt_L, true);
    ASSERT_TRUE(StartProgram({PRESENTER_PROBE, screenshot}));
    LineReader& lines = *output;
    EXPECT_TRUE(lines.WaitFor("held 1 1")) << lines.All();
    Key(display, XK_Shift_L, false);
    Key(display, XK_Alt_L, false);
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(FindShown("Probe", window, x, y));

    // The frame fills the OS window under its 20-pixel menu bar; the child sits at (100, 50) in its
    // client area.
    EXPECT_TRUE(Eventually([&] { return ScreenColor(display, x + 10, y + 30) == 0x00C08040; }))
        << std::hex << ScreenColor(display, x + 10, y + 30);
    EXPECT_TRUE(Eventually([&] { return ScreenColor(display, x + 110, y + 80) == 0x004080F0; }));

    // The pointer is in the window before the button goes down. The window under it is the one the
    // program shows (a window of the same name may have come and gone while it started).
    const Window under = MovePointer(display, x + 112, y + 83);
    ASSERT_NE(under, 0u) << "the pointer did not move";
    window = under;
    Click(display);
    EXPECT_TRUE(lines.WaitFor("down child 12 13")) << lines.All();
    EXPECT_TRUE(lines.WaitFor("up child 12 13")) << lines.All();
    ASSERT_NE(MovePointer(display, x + 20, y + 270), 0u) << "the pointer did not move";
    Click(display);
    Click(display);
    EXPECT_TRUE(lines.WaitFor("down frame 20 250")) << lines.All();
    EXPECT_TRUE(lines.WaitFor("dblclk frame 20 250")) << lines.All();

    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    Press(display, XK_a);
    EXPECT_TRUE(lines.WaitFor("keydown 65")) << lines.All();
    EXPECT_TRUE(lines.WaitFor("char 97")) << lines.All();
    Chord(display, XK_Shift_L, XK_b);
    EXPECT_TRUE(lines.WaitFor("char 66")) << lines.All();
    Press(display, XK_F5);
    EXPECT_TRUE(lines.WaitFor("keydown 116")) << lines.All();
    // A real click on the menu bar opens its menu; a click on the item chooses it. The popup opens
    // under "File", its first item 3 pixels into it.
    ASSERT_NE(MovePointer(display, x + 10, y + 10), 0u) << "the pointer did not move";
    Click(display);
    EXPECT_TRUE(lines.WaitFor("menuloop")) << lines.All();
    EXPECT_TRUE(lines.WaitFor("initmenupopup")) << lines.All();
    ASSERT_NE(MovePointer(display, x + 30, y + 20 + 3 + 9), 0u) << "the pointer did not move";
    Click(display);
    EXPECT_TRUE(lines.WaitFor("command 101")) << lines.All();
    // Alt pressed and released alone starts menu mode; Down opens the menu and Return chooses.
    Press(display, XK_Alt_L);
    EXPECT_TRUE(lines.WaitFor("menuloop")) << lines.All();
    Press(display, XK_Down);
    EXPECT_TRUE(lines.WaitFor("initmenupopup")) << lines.All();
    Press(display, XK_Return);
    EXPECT_TRUE(lines.WaitFor("command 101")) << lines.All();
    // The OS window's size is the frame's, and the new area is painted.
    XResizeWindow(display, window, 500, 360);
    XFlush(display);
    EXPECT_TRUE(lines.WaitFor("size 500 340")) << lines.All();
    EXPECT_TRUE(Eventually([&] { return ScreenColor(display, x + 480, y + 340) == 0x00C08040; }));
    // Focus leaving and coming back is the application's activation. The click that brings the focus
    // back (as a window manager focuses on click) reaches the program too.
    XSetInputFocus(display, DefaultRootWindow(display), RevertToNone, CurrentTime);
    XFlush(display);
    EXPECT_TRUE(lines.WaitFor("activateapp 0")) << lines.All();
    ASSERT_NE(MovePointer(display, x + 112, y + 83), 0u) << "the pointer did not move";
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    Click(display);
    EXPECT_TRUE(lines.WaitFor("activateapp 1")) << lines.All();
    EXPECT_TRUE(lines.WaitFor("down child 12 13")) << lines.All();

    // The program moving its frame moves the OS window; the OS window moved is the frame moved.
    Press(display, XK_m);
    EXPECT_TRUE(lines.WaitFor("place 60 70")) << lines.All();
    auto placed = [&](int left, int top) {
        int at_x = 0, at_y = 0;
        Window ignored;
        return XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &at_x, &at_y,
                                     &ignored) &&
               at_x == left && at_y == top;
    };
    EXPECT_TRUE(Eventually([&] { return placed(60, 70); }));
    XMoveWindow(display, window, 150, 160);
    XFlush(display);
    EXPECT_TRUE(lines.WaitFor("place 150 160")) << lines.All();

    Press(display, XK_q);
    EXPECT_TRUE(lines.WaitFor("bye 1")) << lines.All();
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(10000)), 0) << lines.All();
    xvfb.Close();

    std::unique_ptr<win::Surface> saved = win::Surface::ReadPng(screenshot);
    std::remove(screenshot.c_str());
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->Width(), 500);
    EXPECT_EQ(saved->GetPixel(110, 80), 0x004080F0u);
    EXPECT_EQ(saved->GetPixel(10, 30), 0x00C08040u);
}

// What a launcher that named a socket in FABLECORE_FIRST_FRAME_FD hears: one line once the painted
// frame is on the screen, and then the end of the stream.
TEST_F(XvfbEndToEnd, ALauncherHearsOfTheFirstFrameOnceItIsOnTheScreen) {
    int told[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, told), 0);
    const int nowhere = open("/dev/null", O_WRONLY);
    ASSERT_TRUE(program.Start({PRESENTER_PROBE},
                              {"DISPLAY=" + xvfb.Name(), "FABLECORE_HEADLESS=", "ASAN_OPTIONS=detect_leaks=0",
                               "FABLECORE_FIRST_FRAME_FD=" + std::to_string(told[1])},
                              nowhere, told[1]));
    close(nowhere);
    close(told[1]);
    ASSERT_EQ(ReadFrom(told[0], false).text, "painted 400 300\n");
    // The frame, its menu bar and its child are on the screen the moment the line comes.
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(FindShown("Probe", window, x, y));
    EXPECT_EQ(ScreenColor(display, x + 10, y + 30), 0x00C08040u);
    EXPECT_EQ(ScreenColor(display, x + 110, y + 80), 0x004080F0u);
    // Told once: the program keeps running, and its end of the socket is closed.
    const Heard rest = ReadFrom(told[0], true);
    EXPECT_TRUE(rest.ended);
    EXPECT_EQ(rest.text, "");
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(0)), -1);
    close(told[0]);
}

}  // namespace
