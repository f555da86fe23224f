#pragma once
// What the end-to-end tests share: child processes, their output read line by line, an Xvfb display
// of the test's own, and real X input through the test extension.

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
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/gdi/Surface.h"

// Last: the X headers define names (None, Bool, Status) that other headers use otherwise.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace endtoend {

using Clock = std::chrono::steady_clock;
inline constexpr auto kPatience = std::chrono::seconds(15);

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
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
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

inline bool Eventually(const std::function<bool()>& condition) {
    const auto until = Clock::now() + kPatience;
    while (Clock::now() < until) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

inline Window FindNamed(Display* display, Window under, const char* name) {
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

// What came on a stream until a line was complete (or, with `untilEnd`, until the stream ended), and
// whether it ended.
struct Heard {
    std::string text;
    bool ended = false;
};

inline Heard ReadFrom(int fd, bool untilEnd) {
    Heard heard;
    const auto until = Clock::now() + kPatience;
    while (Clock::now() < until && (untilEnd || heard.text.find('\n') == std::string::npos)) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 50) <= 0) continue;
        char buffer[64];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            heard.ended = true;
            break;
        }
        heard.text.append(buffer, static_cast<std::size_t>(got));
    }
    return heard;
}

// Runs a shell command on the display; answers its standard output (which may hold any bytes).
inline std::string RunOnDisplay(const std::string& command, const std::string& display) {
    std::string output;
    FILE* pipe = popen(("export DISPLAY=" + display + "; " + command).c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[256];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
    pclose(pipe);
    return output;
}

// The X screen's pixel as a colour 0x00BBGGRR.
inline unsigned long ScreenColor(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return 0xFFFFFFFF;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return win::ColorFromPixel(static_cast<std::uint32_t>(pixel & 0xFFFFFF));
}

// X errors (a window gone while it is looked at) are noted, not fatal.
inline int g_xErrors = 0;
inline int NoteError(Display*, XErrorEvent*) {
    ++g_xErrors;
    return 0;
}

// Moves the pointer and waits until the X server has it there. Answers the top-level window under
// it, 0 when the move did not happen in time.
inline Window MovePointer(Display* display, int x, int y) {
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

inline void Click(Display* display) {
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

inline void Key(Display* display, KeySym symbol, bool down) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down ? True : False, CurrentTime);
    XFlush(display);
}

// A key pressed and released, alone or while another is held.
inline void Press(Display* display, KeySym key) {
    Key(display, key, true);
    Key(display, key, false);
}

inline void Chord(Display* display, KeySym held, KeySym key) {
    Key(display, held, true);
    Press(display, key);
    Key(display, held, false);
}

// An Xvfb server on a display of its own, and a connection to it with the test extension.
class XvfbDisplay {
public:
    // DidNotStart: the server never said which display it took; Unusable: it did, but the display
    // cannot be opened or lacks the test extension.
    enum class Outcome { Started, NotInstalled, DidNotStart, Unusable };

    XvfbDisplay() = default;
    ~XvfbDisplay() { Close(); }
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    Outcome Start() {
        const char* xvfb = "/usr/bin/Xvfb";
        if (access(xvfb, X_OK) != 0) return Outcome::NotInstalled;
        int displayPipe[2];
        if (pipe(displayPipe) != 0) return Outcome::DidNotStart;
        if (!server_.Start({xvfb, "-displayfd", std::to_string(displayPipe[1]), "-screen", "0", "800x600x24",
                            "-nolisten", "tcp", "-noreset"},
                           {}, -1, displayPipe[1])) {
            return Outcome::DidNotStart;
        }
        close(displayPipe[1]);
        serverOutput_ = std::make_unique<LineReader>(displayPipe[0]);
        const auto until = Clock::now() + kPatience;
        std::string digits;
        while (Clock::now() < until && digits.find('\n') == std::string::npos) {
            pollfd p{displayPipe[0], POLLIN, 0};
            poll(&p, 1, 50);
            char c;
            while (read(displayPipe[0], &c, 1) == 1) digits += c;
        }
        if (digits.find('\n') == std::string::npos) return Outcome::DidNotStart;
        name_ = ":" + digits.substr(0, digits.find('\n'));
        if (!Eventually([&] { return (display_ = XOpenDisplay(name_.c_str())) != nullptr; })) {
            return Outcome::Unusable;
        }
        int eventBase, errorBase, major, minor;
        return XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) ? Outcome::Started
                                                                                     : Outcome::Unusable;
    }
    void Close() {
        if (display_ != nullptr) XCloseDisplay(display_);
        display_ = nullptr;
    }
    Display* display() const { return display_; }
    const std::string& Name() const { return name_; }

private:
    Process server_;
    std::unique_ptr<LineReader> serverOutput_;
    std::string name_;
    Display* display_ = nullptr;
};

// Starts a program on the display with its standard output going to the reader.
inline bool StartOnDisplay(Process& process, std::unique_ptr<LineReader>& output,
                           std::vector<std::string> arguments, const std::string& display) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    const bool started = process.Start(
        std::move(arguments), {"DISPLAY=" + display, "FABLECORE_HEADLESS=", "ASAN_OPTIONS=detect_leaks=0"},
        pipeEnds[1]);
    close(pipeEnds[1]);
    output = std::make_unique<LineReader>(pipeEnds[0]);
    return started;
}

// A test on an Xvfb display of its own with one program started on it: skipped when the server does
// not start, failed when it is not installed.
class XvfbTest : public ::testing::Test {
protected:
    void SetUp() override {
        const XvfbDisplay::Outcome outcome = xvfb.Start();
        ASSERT_NE(outcome, XvfbDisplay::Outcome::NotInstalled)
            << "Xvfb is not installed; scripts/setup installs it";
        if (outcome == XvfbDisplay::Outcome::DidNotStart) GTEST_SKIP() << "Xvfb did not start";
        ASSERT_EQ(outcome, XvfbDisplay::Outcome::Started) << "no usable display with the test extension";
        display = xvfb.display();
    }

    // Starts the program and waits until it says it is ready; X errors are noted from then on.
    ::testing::AssertionResult StartProgram(std::vector<std::string> arguments) {
        if (!StartOnDisplay(program, output, std::move(arguments), xvfb.Name()))
            return ::testing::AssertionFailure() << "the program did not start";
        if (!output->WaitFor("ready")) return ::testing::AssertionFailure() << output->All();
        XSetErrorHandler(NoteError);
        return ::testing::AssertionSuccess();
    }

    // Waits until the program's top-level window of that name shows; finds its client origin on the
    // screen.
    ::testing::AssertionResult FindShown(const char* name, Window& window, int& x, int& y) {
        const bool shown = Eventually([&] {
            window = FindNamed(display, DefaultRootWindow(display), name);
            Window ignored;
            return window != 0 &&
                   XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &ignored);
        });
        return shown ? ::testing::AssertionSuccess()
                     : ::testing::AssertionFailure() << name << " never showed";
    }

    XvfbDisplay xvfb;
    Display* display = nullptr;
    Process program;
    std::unique_ptr<LineReader> output;
};

}  // namespace endtoend
