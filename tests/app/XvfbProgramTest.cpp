// The program itself on an Xvfb display of 800 by 600 pixels, as a writer starts it: its window is
// named after the program and its version, fits the screen, and a signal to end it ends it at once,
// leaving no swap file behind; idle, it sleeps; and the Query System command, chosen with its key,
// opens the query window, which keeps its settings when the program closes.

#include <X11/Xatom.h>
#include <sys/socket.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "framework/AboutAppLib.h"
#include "platform/present/XvfbSession.h"
#include "platform/sys/TempFolder.h"

namespace {

using namespace endtoend;

// The program's runtime folder, where it keeps its single-instance lock, its program folder, where
// it writes its preferences beside the data files the build made, and its temporary folder, where its
// stores keep their swap files, are the test's own.
class XvfbProgram : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        const std::filesystem::path built = std::filesystem::path(FABLECORE_PROGRAM).parent_path();
        std::filesystem::create_symlink(built / "Fablecor.qrv", programFolder / "Fablecor.qrv");
        std::filesystem::create_directory_symlink(built / "Commands", programFolder / "Commands");
        String version;
        ASSERT_TRUE(GetVersionText(version));
        title = std::string("Fablecore ") + version.CStr();
    }
    // Starts the program as a writer does, with a window, in the test's own folders and with the
    // settings given; the descriptor given stays open in it.
    bool Launch(std::vector<std::string> settings = {}, int keepFd = -1) {
        std::vector<std::string> environment{"DISPLAY=" + xvfb.Name(),
                                             "FABLECORE_HEADLESS=",
                                             "ASAN_OPTIONS=detect_leaks=0",
                                             "XDG_RUNTIME_DIR=" + runtime.Path(),
                                             "FABLECORE_PROGRAM_DIR=" + programFolder.Path(),
                                             "TMPDIR=" + temporary.Path()};
        environment.insert(environment.end(), settings.begin(), settings.end());
        return program.Start({FABLECORE_PROGRAM}, std::move(environment), -1, keepFd);
    }

    // The middle of the program's window once the splash screen has gone, and its colour then: the
    // program takes no keys while its splash screen waits, so the middle must first hold still for
    // longer than the splash screen shows. False when it never holds still.
    struct Middle {
        int x = 0, y = 0;
        unsigned long color = 0;
    };
    bool WaitPastSplash(Window window, int x, int y, Middle& middle) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, window, &attributes)) return false;
        middle.x = x + attributes.width / 2;
        middle.y = y + attributes.height / 2;
        middle.color = ScreenColor(display, middle.x, middle.y);
        return Eventually([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(2500));
            const unsigned long now = ScreenColor(display, middle.x, middle.y);
            return std::exchange(middle.color, now) == now;
        });
    }

    TempFolder runtime;
    TempFolder programFolder;
    TempFolder temporary;
    // The program's window's title: its name and version.
    std::string title;
};

// The process that shows the window (the window manager's _NET_WM_PID, which SDL sets).
pid_t WindowProcess(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (property == 0 || XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type,
                                            &format, &count, &after, &data) != Success)
        return 0;
    pid_t pid = 0;
    if (data != nullptr && count == 1 && format == 32)
        pid = static_cast<pid_t>(*reinterpret_cast<long*>(data));
    if (data != nullptr) XFree(data);
    return pid;
}

int CountFiles(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST_F(XvfbProgram, TheWindowIsNamedAfterTheProgramFitsTheScreenAndASignalEndsItCleanly) {
    ASSERT_TRUE(Launch());
    // A window of the same name may come and go while the program starts: X errors are noted, and
    // the window looked at is one that stays.
    XSetErrorHandler(NoteError);
    Window window = 0;
    int x = 0, y = 0;
    XWindowAttributes attributes;
    pid_t pid = 0;
    ASSERT_TRUE(Eventually([&] {
        const int errors = g_xErrors;
        if (!FindShown(title.c_str(), window, x, y)) return false;
        XSync(display, False);
        pid = WindowProcess(display, window);
        const bool described = XGetWindowAttributes(display, window, &attributes);
        XSync(display, False);
        return pid > 0 && described && errors == g_xErrors;
    })) << "the window's title is the program's name and version";

    // The window (1024 by 768 when there is room) fits the screen, wholly on it.
    EXPECT_GE(x, 0);
    EXPECT_GE(y, 0);
    EXPECT_LE(x + attributes.width, 800);
    EXPECT_LE(y + attributes.height, 600);
    EXPECT_GT(attributes.width, 400);
    EXPECT_GT(attributes.height, 300);

    // Its stores' swap files (the data file's, the character pictures', the engine file's, the
    // preferences file's and, once the splash screen went, the new story's) are in its temporary folder
    // while it runs, and go with it.
    EXPECT_TRUE(Eventually([&] { return CountFiles(temporary.Path()) == 5; }));
    const auto sent = Clock::now();
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(5000)), 128 + SIGTERM);
    EXPECT_LT(Clock::now() - sent, std::chrono::milliseconds(1500)) << "it ends promptly";
    EXPECT_EQ(CountFiles(temporary.Path()), 0) << "no swap file is left behind";
}

// The first frame a launcher hears of is on the screen at once, and it shows the splash screen (its
// picture dark in the left half of the window's middle) for as long as the splash waits; then the
// story's front end takes its place.
TEST_F(XvfbProgram, TheSplashScreenIsOnTheScreenDuringItsWait) {
    int told[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, told), 0);
    ASSERT_TRUE(Launch({"FABLECORE_FIRST_FRAME_FD=" + std::to_string(told[1])}, told[1]));
    close(told[1]);
    const Heard heard = ReadFrom(told[0], false);
    close(told[0]);
    ASSERT_EQ(heard.text.rfind("painted ", 0), 0u) << heard.text;
    XSetErrorHandler(NoteError);
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(FindShown(title.c_str(), window, x, y));
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
    const int pictureX = x + attributes.width / 2 - 150;
    const int middleY = y + attributes.height / 2;
    const unsigned long splash = ScreenColor(display, pictureX, middleY);
    for (const int shift : {0, 8, 16}) EXPECT_LT((splash >> shift) & 0xFF, 0x80u) << std::hex << splash;
    EXPECT_TRUE(Eventually([&] { return ScreenColor(display, pictureX, middleY) != splash; }))
        << "the splash screen went";
    ASSERT_EQ(kill(WindowProcess(display, window), SIGTERM), 0);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(5000)), 128 + SIGTERM);
}

// How often the process's main thread has gone to sleep waiting for something (its voluntary
// context switches); -1 when the system does not say.
long MainThreadSleeps(pid_t pid) {
    const std::string id = std::to_string(pid);
    std::ifstream status("/proc/" + id + "/task/" + id + "/status");
    for (std::string line; std::getline(status, line);) {
        constexpr std::string_view key = "voluntary_ctxt_switches:";
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
    }
    return -1;
}

// With a story open and nothing happening, the program sleeps until something is due: its front
// end has no caret, and the autosave check is nearly a minute away, so in two idle seconds it wakes
// hardly at all (a wait that looked at its descriptors every 50 ms woke 40 times).
TEST_F(XvfbProgram, TheIdleProgramSleepsUntilSomethingIsDue) {
    ASSERT_TRUE(Launch());
    XSetErrorHandler(NoteError);
    Window window = 0;
    int x = 0, y = 0;
    pid_t pid = 0;
    ASSERT_TRUE(Eventually([&] {
        return FindShown(title.c_str(), window, x, y) && CountFiles(temporary.Path()) == 5 &&
               (pid = WindowProcess(display, window)) > 0;
    }));
    Middle middle;
    ASSERT_TRUE(WaitPastSplash(window, x, y, middle));
    const long asleep = MainThreadSleeps(pid);
    ASSERT_GE(asleep, 0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long woke = MainThreadSleeps(pid) - asleep;
    EXPECT_LE(woke, 4) << "it woke " << woke << " times in two idle seconds";
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(5000)), 128 + SIGTERM) << "the signal's descriptor woke it";
}

// Asks the window to close as the window manager's close button does.
void AskToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Whether the file holds every one of the texts.
bool FileHoldsAll(const std::filesystem::path& path, std::initializer_list<std::string_view> texts) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (const std::string_view text : texts) {
        if (bytes.find(text) == std::string::npos) return false;
    }
    return true;
}

// The writer chooses the Query System command (Ctrl+U) in the running program and answers the
// pronoun question that follows the query window (Return); closing the program then closes the
// query window, which keeps its place, splitter and help buttons in the preferences the program
// writes beside itself (here in a program folder of the test's own).
TEST_F(XvfbProgram, TheQuerySystemCommandOpensTheQueryWindowWhichKeepsItsSettings) {
    const std::filesystem::path preferences = std::filesystem::path(programFolder.Path()) / "fablecor.prf";
    ASSERT_TRUE(Launch());
    XSetErrorHandler(NoteError);
    Window window = 0;
    int x = 0, y = 0;
    // The new story's window is up once its store's swap file is.
    ASSERT_TRUE(Eventually(
        [&] { return FindShown(title.c_str(), window, x, y) && CountFiles(temporary.Path()) == 5; }));
    ASSERT_FALSE(FileHoldsAll(preferences, {"HlpBtns"}));
    // The query window and the pronoun question come up over the story's window, its middle too.
    Middle middle;
    ASSERT_TRUE(WaitPastSplash(window, x, y, middle));
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    Chord(display, XK_Control_L, XK_u);
    ASSERT_TRUE(Eventually([&] { return ScreenColor(display, middle.x, middle.y) != middle.color; }))
        << "nothing came up for the Query System command";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Press(display, XK_Return);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    AskToClose(display, window);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(10000)), 0);
    EXPECT_TRUE(FileHoldsAll(preferences, {"HlpBtns", "FQSHSplt", "PNounGen"}))
        << "the query window's settings and the pronoun answer were not kept";
}

}  // namespace
