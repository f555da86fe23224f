// The SDL presenter end to end: a small program runs on an Xvfb display, real X events move the
// pointer, click and type, and the test checks what the program received and what reached the X
// screen.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/gdi/Surface.h"

// Last: the X headers define names (None, Bool, Status) that other headers use otherwise.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(15);

// A child process, ended (politely, then not) when it goes out of scope.
class Process {
public:
    Process() = default;
    ~Process() { Stop(); }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Start(std::vector<std::string> arguments, std::vector<std::string> environment, int outputFd,
               int keepFd = -1) {
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the test
            for (const std::string& setting : environment) putenv(const_cast<char*>(setting.c_str()));
            if (outputFd >= 0) dup2(outputFd, STDOUT_FILENO);
            for (int fd = 3; fd < 256; ++fd) {
                if (fd != keepFd) close(fd);
            }
            std::vector<char*> argv;
            for (std::string& argument : arguments) argv.push_back(argument.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        return true;
    }
    // Waits for the process to end; answers its exit status, or -1 when it did not end in time.
    int Wait(std::chrono::milliseconds patience) {
        const auto until = Clock::now() + patience;
        while (pid_ > 0 && Clock::now() < until) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }
    void Stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        if (Wait(std::chrono::milliseconds(2000)) < 0 && pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// Lines read from a pipe, without blocking longer than asked.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) { fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK); }
    ~LineReader() { close(fd_); }
    bool WaitFor(const std::string& line) {
        const auto until = Clock::now() + kPatience;
        for (;;) {
            for (std::size_t i = seen_; i < lines_.size(); ++i) {
                if (lines_[i] == line) {
                    seen_ = i + 1;
                    return true;
                }
            }
            if (Clock::now() >= until) return false;
            pollfd p{fd_, POLLIN, 0};
            poll(&p, 1, 50);
            char buffer[512];
            const ssize_t got = read(fd_, buffer, sizeof buffer);
            if (got > 0) pending_.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
                lines_.push_back(pending_.substr(0, end));
                pending_.erase(0, end + 1);
            }
        }
    }
    std::string All() const {
        std::string all;
        for (const std::string& line : lines_) all += line + " | ";
        return all;
    }

private:
    int fd_;
    std::string pending_;
    std::vector<std::string> lines_;
    std::size_t seen_ = 0;
};

bool Eventually(const std::function<bool()>& condition) {
    const auto until = Clock::now() + kPatience;
    while (Clock::now() < until) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

Window FindNamed(Display* display, Window under, const char* name) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        char* title = nullptr;
        XWindowAttributes attributes;
        const bool viewable =
            XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable;
        if (viewable && XFetchName(display, children[i], &title) && title != nullptr) {
            if (std::string(title) == name) found = children[i];
            XFree(title);
        }
        if (found == 0 && viewable) found = FindNamed(display, children[i], name);
    }
    if (children != nullptr) XFree(children);
    return found;
}

// The X screen's pixel as a colour 0x00BBGGRR.
unsigned long ScreenColor(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return 0xFFFFFFFF;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return win::ColorFromPixel(static_cast<std::uint32_t>(pixel & 0xFFFFFF));
}

// X errors (a window gone while it is looked at) are noted, not fatal.
int g_xErrors = 0;
int NoteError(Display*, XErrorEvent*) {
    ++g_xErrors;
    return 0;
}

// Moves the pointer and waits until the X server has it there. Answers the top-level window under
// it, 0 when the move did not happen in time.
Window MovePointer(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XFlush(display);
    Window under = 0;
    const bool arrived = Eventually([&] {
        Window root = 0;
        int rootX = -1, rootY = -1, windowX, windowY;
        unsigned buttons;
        return XQueryPointer(display, DefaultRootWindow(display), &root, &under, &rootX, &rootY, &windowX,
                             &windowY, &buttons) &&
               rootX == x && rootY == y;
    });
    return arrived ? under : 0;
}

void Click(Display* display) {
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

void Key(Display* display, KeySym symbol, bool down) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down ? True : False, CurrentTime);
    XFlush(display);
}

TEST(XvfbEndToEnd, RealEventsReachTheProgramAndItsDrawingReachesTheScreen) {
    const char* xvfb = "/usr/bin/Xvfb";
    ASSERT_EQ(access(xvfb, X_OK), 0) << "Xvfb is not installed; scripts/setup installs it";

    int displayPipe[2];
    ASSERT_EQ(pipe(displayPipe), 0);
    Process server;
    ASSERT_TRUE(server.Start({xvfb, "-displayfd", std::to_string(displayPipe[1]), "-screen", "0",
                              "800x600x24", "-nolisten", "tcp", "-noreset"},
                             {}, -1, displayPipe[1]));
    close(displayPipe[1]);
    LineReader serverOutput(displayPipe[0]);
    std::string displayName;
    {
        const auto until = Clock::now() + kPatience;
        std::string digits;
        while (Clock::now() < until && digits.find('\n') == std::string::npos) {
            pollfd p{displayPipe[0], POLLIN, 0};
            poll(&p, 1, 50);
            char c;
            while (read(displayPipe[0], &c, 1) == 1) digits += c;
        }
        if (digits.find('\n') == std::string::npos) GTEST_SKIP() << "Xvfb did not start";
        displayName = ":" + digits.substr(0, digits.find('\n'));
    }
    Display* display = nullptr;
    ASSERT_TRUE(Eventually([&] { return (display = XOpenDisplay(displayName.c_str())) != nullptr; }));
    int eventBase, errorBase, major, minor;
    ASSERT_TRUE(XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor));

    // A name of this run's own: test trees built side by side may run this test at the same time.
    const std::string screenshot = ::testing::TempDir() + "probe-screen-" + std::to_string(getpid()) + ".png";
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    Process probe;
    ASSERT_TRUE(probe.Start({PRESENTER_PROBE, screenshot},
                            {"DISPLAY=" + displayName, "FABLECORE_HEADLESS=", "ASAN_OPTIONS=detect_leaks=0"},
                            output[1]));
    close(output[1]);
    LineReader lines(output[0]);
    ASSERT_TRUE(lines.WaitFor("ready")) << lines.All();

    XSetErrorHandler(NoteError);
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(Eventually([&] {
        window = FindNamed(display, DefaultRootWindow(display), "Probe");
        Window ignored;
        return window != 0 &&
               XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &ignored);
    }));

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
    Key(display, XK_a, true);
    Key(display, XK_a, false);
    EXPECT_TRUE(lines.WaitFor("keydown 65")) << lines.All();
    EXPECT_TRUE(lines.WaitFor("char 97")) << lines.All();
    Key(display, XK_Shift_L, true);
    Key(display, XK_b, true);
    Key(display, XK_b, false);
    Key(display, XK_Shift_L, false);
    EXPECT_TRUE(lines.WaitFor("char 66")) << lines.All();
    Key(display, XK_F5, true);
    Key(display, XK_F5, false);
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
    Key(display, XK_Alt_L, true);
    Key(display, XK_Alt_L, false);
    EXPECT_TRUE(lines.WaitFor("menuloop")) << lines.All();
    Key(display, XK_Down, true);
    Key(display, XK_Down, false);
    EXPECT_TRUE(lines.WaitFor("initmenupopup")) << lines.All();
    Key(display, XK_Return, true);
    Key(display, XK_Return, false);
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

    Key(display, XK_q, true);
    Key(display, XK_q, false);
    EXPECT_TRUE(lines.WaitFor("bye 1")) << lines.All();
    EXPECT_EQ(probe.Wait(std::chrono::milliseconds(10000)), 0) << lines.All();
    XCloseDisplay(display);

    std::unique_ptr<win::Surface> saved = win::Surface::ReadPng(screenshot);
    std::remove(screenshot.c_str());
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->Width(), 500);
    EXPECT_EQ(saved->GetPixel(110, 80), 0x004080F0u);
    EXPECT_EQ(saved->GetPixel(10, 30), 0x00C08040u);
}

}  // namespace
