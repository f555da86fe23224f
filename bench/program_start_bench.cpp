// Speed of the program's start as the writer waits for it: from starting the program file to its
// first painted frame (the frame window with its menus shown on a display), on an Xvfb display of
// the benchmark's own, against a bare SDL program opening and painting a window of the same size
// with one line of text in the program's menu font, through the same fontconfig, FreeType and cairo.
// Both say when their frame is on the display by a line on a socket named in
// FABLECORE_FIRST_FRAME_FD. The start should take at most one and a half times as long as the
// floor, and under 150 ms.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/Floor.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(20);
constexpr int kFirstFrameSocket = 3;  // where the started program finds the socket

// A new folder in the base folder, removed with its contents when it goes.
class OwnFolder {
public:
    explicit OwnFolder(const std::filesystem::path& base) {
        std::string pattern = (base / "fablecore-start-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~OwnFolder() {
        std::error_code error;
        if (!path_.empty()) std::filesystem::remove_all(path_, error);
    }
    OwnFolder(const OwnFolder&) = delete;
    OwnFolder& operator=(const OwnFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// A started program, ended (politely, then not) when it goes.
class Child {
public:
    Child() = default;
    ~Child() { End(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Starts the program with the environment; `keep` becomes its descriptor `as`. Its standard
    // output goes nowhere, and so does its standard error when it is to be quiet.
    bool Start(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
               int keep, int as, bool quiet = false) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (quiet) posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (keep >= 0) posix_spawn_file_actions_adddup2(&actions, keep, as);
        std::vector<char*> argv, envp;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        for (const std::string& setting : environment) envp.push_back(const_cast<char*>(setting.c_str()));
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        const int failed = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failed) pid_ = -1;
        return !failed;
    }
    pid_t Pid() const { return pid_; }
    void End() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        if (!Reap(std::chrono::seconds(3))) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

private:
    bool Reap(std::chrono::milliseconds patience) {
        const auto until = Clock::now() + patience;
        while (Clock::now() < until) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }
    pid_t pid_ = -1;
};

// The environment of this process without the named settings, with the given ones added.
std::vector<std::string> Environment(const std::vector<std::string>& dropped,
                                     const std::vector<std::string>& added) {
    std::vector<std::string> settings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string setting = *entry;
        const std::string name = setting.substr(0, setting.find('='));
        bool drop = false;
        for (const std::string& other : dropped) drop = drop || name == other;
        if (!drop) settings.push_back(setting);
    }
    settings.insert(settings.end(), added.begin(), added.end());
    return settings;
}

// An Xvfb server on a display of its own for the life of the benchmark program.
class Display {
public:
    static Display& Shared() {
        static Display display;
        return display;
    }
    // ":<number>", or empty when the server did not start (Problem says why).
    const std::string& Name() const { return name_; }
    const std::string& Problem() const { return problem_; }

private:
    Display() {
        const char* xvfb = "/usr/bin/Xvfb";
        if (access(xvfb, X_OK) != 0) {
            problem_ = "Xvfb is not installed; scripts/setup installs it";
            return;
        }
        int ends[2];
        if (pipe(ends) != 0 || !server_.Start({xvfb, "-displayfd", std::to_string(ends[1]), "-screen", "0",
                                               "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                                              Environment({}, {}), ends[1], ends[1], true)) {
            problem_ = "Xvfb did not start";
            return;
        }
        close(ends[1]);
        // The server writes its display's number once it takes connections.
        std::string digits;
        const auto until = Clock::now() + kPatience;
        while (digits.find('\n') == std::string::npos && Clock::now() < until) {
            pollfd ready{ends[0], POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0) continue;
            char c;
            if (read(ends[0], &c, 1) != 1) break;
            digits += c;
        }
        close(ends[0]);
        if (digits.find('\n') == std::string::npos) {
            problem_ = "Xvfb did not say which display it took";
            return;
        }
        name_ = ":" + digits.substr(0, digits.find('\n'));
    }

    Child server_;
    std::string name_;
    std::string problem_;
};

// A program's start up to its first painted frame.
struct Start {
    double seconds = 0;
    int width = 0;
    int height = 0;
    std::string problem;  // empty when the frame was painted
};

// Starts the program on the display with its own settings, runtime and temporary folders and
// waits for its first frame's line; ends it after.
Start TimeFirstFrame(const std::vector<std::string>& arguments) {
    Start start;
    const Display& display = Display::Shared();
    if (display.Name().empty()) {
        start.problem = display.Problem();
        return start;
    }
    static const OwnFolder runtime(
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path());
    static const OwnFolder temporary(std::filesystem::temp_directory_path());
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        start.problem = "no socket for the first frame's line";
        return start;
    }
    const std::vector<std::string> environment =
        Environment({"DISPLAY", "WAYLAND_DISPLAY", "FABLECORE_HEADLESS"},
                    {"DISPLAY=" + display.Name(), "XDG_RUNTIME_DIR=" + runtime.Path(),
                     "XDG_CONFIG_HOME=" + runtime.Path(), "TMPDIR=" + temporary.Path(),
                     "FABLECORE_FIRST_FRAME_FD=" + std::to_string(kFirstFrameSocket)});
    Child child;
    const Clock::time_point begin = Clock::now();
    const bool started = child.Start(arguments, environment, ends[1], kFirstFrameSocket);
    close(ends[1]);
    std::string line;
    const auto until = begin + kPatience;
    while (started && line.find('\n') == std::string::npos && Clock::now() < until) {
        pollfd ready{ends[0], POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) continue;
        char buffer[64];
        const ssize_t got = read(ends[0], buffer, sizeof buffer);
        if (got <= 0) break;
        line.append(buffer, static_cast<std::size_t>(got));
    }
    start.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    close(ends[0]);
    if (std::sscanf(line.c_str(), "painted %d %d", &start.width, &start.height) != 2)
        start.problem = arguments[0] + (started ? " showed no painted frame" : " did not start");
    return start;
}

// The program's first frame, with the size of its window.
Start ProgramStart() { return TimeFirstFrame({FABLECORE_PROGRAM}); }

void BM_ProgramStartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        const Start start = ProgramStart();
        if (!start.problem.empty()) {
            state.SkipWithError(start.problem.c_str());
            break;
        }
        state.SetIterationTime(start.seconds);
    }
}
// Starts swing with the machine's load: more of them give steadier medians.
constexpr int kStartRepetitions = 20;

BENCHMARK(BM_ProgramStartToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kStartRepetitions);

void BM_BareSdlWindowToFirstFrame(benchmark::State& state) {
    // The program's window size, from a start of its own.
    static const Start program = ProgramStart();
    if (!program.problem.empty()) {
        state.SkipWithError(program.problem.c_str());
        return;
    }
    for (auto _ : state) {
        const Start start =
            TimeFirstFrame({BARE_SDL_WINDOW, std::to_string(program.width), std::to_string(program.height)});
        if (!start.problem.empty()) {
            state.SkipWithError(start.problem.c_str());
            break;
        }
        state.SetIterationTime(start.seconds);
    }
}
BENCHMARK(BM_BareSdlWindowToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kStartRepetitions);

BENCH_FLOOR("BM_ProgramStartToFirstFrame/repeats:20/manual_time", "BM_BareSdlWindowToFirstFrame/repeats:20/manual_time",
            1.5);

}  // namespace
