// The single-instance hand-over between processes: the test starts copies of a small probe
// program (probe/InstanceProbe.cpp), and in some tests is the first copy itself.

#include "platform/ui/HandOverReceiver.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/sys/Bell.h"
#include "platform/sys/Profile.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/UiFixture.h"
#include "support/ScopedEnv.h"

extern char** environ;

namespace uitest {
namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kProbeClass = "QRV_instanceprobe_CLASS";
const std::vector<std::string> kArguments = {"a b.fsf", "say \"hi\"", "plain.fsf"};

// A child process, killed at the end of the test when it is still running.
class Spawned {
public:
    // Runs the program with descriptor 3 a copy of `three`, standard output into the file `output`
    // (when given) and the working folder `folder` (when given).
    Spawned(std::vector<std::string> arguments, int three, const std::string& output = "",
            const std::string& folder = "") {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!output.empty()) {
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
        }
        posix_spawn_file_actions_adddup2(&actions, three, 3);
        if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Spawned() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Spawned(const Spawned&) = delete;
    Spawned& operator=(const Spawned&) = delete;

    // Waits (at most 30 s) for the end, doing `meanwhile` in between; answers the exit code, or -1.
    int Finish(const std::function<void()>& meanwhile = [] {}) {
        for (const auto until = Clock::now() + std::chrono::seconds(30); pid_ > 0 && Clock::now() < until;) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            meanwhile();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
};

std::vector<std::string> LinesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream text(TempFolder::ReadFile(path));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

// Holds probes at their start (they wait for the end of a pipe) and lets them all go at once.
class Gate {
public:
    Gate() { EXPECT_EQ(::pipe2(ends_, O_CLOEXEC), 0); }
    ~Gate() {
        Open();
        ::close(ends_[0]);
    }
    int ReadEnd() const { return ends_[0]; }
    void Open() {
        if (ends_[1] >= 0) ::close(ends_[1]);
        ends_[1] = -1;
    }

private:
    int ends_[2] = {-1, -1};
};

class HandOverTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        std::filesystem::create_directories(folder / "run");
        std::filesystem::create_directories(folder / "my stories");
        environment.Set("XDG_RUNTIME_DIR", folder / "run");
        environment.Set("XDG_CONFIG_HOME", folder / "config");
        environment.Set("FABLECORE_HEADLESS", "1");
    }
    std::string ExpectedLine() const {
        return "/D \"" + folder / "my stories" + "\" \"a b.fsf\" \"say \"hi\"\" plain.fsf";
    }
    // What a first copy prints when a later start hands the probe's arguments over.
    std::vector<std::string> ExpectedFirstCopy() const {
        return {"first",
                "line " + ExpectedLine(),
                "folder " + folder / "my stories",
                "argument a b.fsf",
                "argument say \"hi\"",
                "argument plain.fsf",
                "done"};
    }
    // A probe in the folder "my stories", held at the gate, printing into the file `output`.
    std::unique_ptr<Spawned> StartProbe(const std::string& output, const Gate& gate) {
        std::vector<std::string> arguments = {INSTANCE_PROBE};
        arguments.insert(arguments.end(), kArguments.begin(), kArguments.end());
        return std::make_unique<Spawned>(arguments, gate.ReadEnd(), folder / output, folder / "my stories");
    }
    std::vector<std::string> Finish(
        Spawned& probe, const std::string& output, const std::function<void()>& meanwhile = [] {}) {
        EXPECT_EQ(probe.Finish(meanwhile), 0) << output;
        return LinesOf(folder / output);
    }

    TempFolder folder;
    // The probes' runtime and configuration folders and the display they use, put back at the end.
    ScopedEnv environment;
};

TEST_F(HandOverTest, TwoStartsAtOnceMakeOneFirstCopyThatGetsTheOthersArgumentsWhole) {
    for (int round = 0; round < 3; ++round) {
        Gate gate;
        std::unique_ptr<Spawned> one = StartProbe("one", gate);
        std::unique_ptr<Spawned> two = StartProbe("two", gate);
        gate.Open();
        std::vector<std::string> first = Finish(*one, "one");
        std::vector<std::string> second = Finish(*two, "two");
        if (first.empty() || first.front() != "first") std::swap(first, second);
        EXPECT_EQ(first, ExpectedFirstCopy()) << "round " << round;
        EXPECT_EQ(second, std::vector<std::string>{"handed-over"}) << "round " << round;
    }
}

TEST_F(HandOverTest, AFirstCopyShowingItsWindowOnADisplayIsReachedToo) {
    ASSERT_EQ(::access("/usr/bin/Xvfb", X_OK), 0) << "Xvfb is not installed; scripts/setup installs it";
    int displayPipe[2];
    ASSERT_EQ(::pipe2(displayPipe, O_CLOEXEC), 0);
    Spawned server({"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "640x480x24", "-nolisten", "tcp"},
                   displayPipe[1]);
    ::close(displayPipe[1]);
    std::string display = ":";
    pollfd entry{displayPipe[0], POLLIN, 0};
    for (char c = 0; c != '\n' && ::poll(&entry, 1, 15000) > 0 && ::read(displayPipe[0], &c, 1) == 1;) {
        if (c != '\n') display += c;
    }
    ::close(displayPipe[0]);
    ASSERT_GT(display.size(), 1u) << "Xvfb did not start";

    Gate gate;
    gate.Open();  // the first copy starts alone
    environment.Set("DISPLAY", display);
    environment.Remove("FABLECORE_HEADLESS");
    environment.Set("ASAN_OPTIONS", "detect_leaks=0");  // the display libraries keep memory to the end
    std::unique_ptr<Spawned> first = StartProbe("first", gate);
    environment.Set("FABLECORE_HEADLESS", "1");
    for (const auto until = Clock::now() + std::chrono::seconds(30);
         LinesOf(folder / "first").empty() && Clock::now() < until;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // until it waits with nothing to do
    std::unique_ptr<Spawned> later = StartProbe("later", gate);
    EXPECT_EQ(Finish(*later, "later"), std::vector<std::string>{"handed-over"});
    EXPECT_EQ(Finish(*first, "first"), ExpectedFirstCopy());
}

class FirstCopyTest : public HandOverTest {
protected:
    void SetUp() override {
        HandOverTest::SetUp();
        WNDCLASSA frameClass;
        frameClass.lpfnWndProc = RecordingProc;
        frameClass.lpszClassName = kProbeClass;
        ASSERT_NE(RegisterClassA(&frameClass), 0);
        frame = CreateWindowExA(0, kProbeClass, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                nullptr, nullptr, nullptr, nullptr);
        g_hook = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (window != frame || message != WM_USER) return std::nullopt;
            if (wParam == kHandOverGivenUp) {
                givenUp.push_back(*reinterpret_cast<const HandOver*>(lParam));
                return 0;
            }
            EXPECT_EQ(wParam, kHandOverToOpen);
            received.push_back(*reinterpret_cast<const HandOver*>(lParam));
            char line[512];
            GetProfileStringA("QRV_APP", "LastCommandLine", "", line, sizeof line);
            lines.push_back(line);
            return 0;
        };
    }
    void TearDown() override {
        DestroyWindow(frame);
        UnregisterClassA(kProbeClass, nullptr);
        HandOverTest::TearDown();
    }
    // A later start, run while this process serves it from its message queue.
    std::vector<std::string> HandOverFromProbe() {
        Gate gate;
        std::unique_ptr<Spawned> probe = StartProbe("later", gate);
        gate.Open();
        return Finish(*probe, "later", [] {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        });
    }

    HWND frame = nullptr;
    std::vector<HandOver> received;
    std::vector<HandOver> givenUp;  // the hand-overs of starts that gave up waiting
    std::vector<std::string> lines;
};

TEST_F(FirstCopyTest, AStaleSocketIsReplacedByTheNextFirstCopy) {
    const std::string socketPath = folder / "run/fablecore/QRV_instanceprobe_CLASS.socket";
    std::filesystem::create_directories(folder / "run/fablecore");
    {  // a socket file whose copy is gone
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    InstanceStart start = InstanceStart::Claim(kProbeClass, HandOver{}, 2000);
    ASSERT_EQ(start.role, InstanceRole::kFirst);
    ASSERT_NE(start.listener, nullptr);
    struct stat status;
    ASSERT_EQ(::stat(socketPath.c_str(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    HandOverReceiver receiver(std::move(start.listener), kProbeClass);
    EXPECT_EQ(HandOverFromProbe(), std::vector<std::string>{"handed-over"});
    EXPECT_EQ(received.size(), 1u);
}

// The first copy tells the start to wait (the program's own starts wait for the dialog to end); the
// probe will not wait, and ends refused. Once the frame is free, it hears of each start that gave
// up, in its turn, before the next hand-over it takes.
TEST_F(FirstCopyTest, AStartThatWillNotWaitIsRefusedWithTheBellWhileAModalDialogIsUpOrTheFrameIsDisabled) {
    InstanceStart start = InstanceStart::Claim(kProbeClass, HandOver{}, 2000);
    HandOverReceiver receiver(std::move(start.listener), kProbeClass);
    const unsigned long bells = GetBellCount();
    BeginModalDialog();
    EXPECT_EQ(HandOverFromProbe(), std::vector<std::string>{"refused"});
    EXPECT_EQ(GetBellCount(), bells + 1);
    EndModalDialog();
    EnableWindow(frame, FALSE);
    EXPECT_EQ(HandOverFromProbe(), std::vector<std::string>{"refused"});
    EXPECT_EQ(GetBellCount(), bells + 2);
    EXPECT_TRUE(received.empty());
    EXPECT_TRUE(givenUp.empty()) << "told while the frame was not free";
    char line[64];
    EXPECT_EQ(GetProfileStringA("QRV_APP", "LastCommandLine", "unset", line, sizeof line), 5u);

    EnableWindow(frame, TRUE);
    EXPECT_EQ(HandOverFromProbe(), std::vector<std::string>{"handed-over"});
    EXPECT_EQ(GetBellCount(), bells + 2);
    ASSERT_EQ(givenUp.size(), 2u);
    for (const HandOver& handOver : givenUp) EXPECT_EQ(handOver.arguments, kArguments);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].folder, folder / "my stories");
    EXPECT_EQ(received[0].arguments, kArguments);
    EXPECT_EQ(lines, std::vector<std::string>{ExpectedLine()});
    EXPECT_EQ(presenter.RaiseCount(), 1);
}

}  // namespace
}  // namespace uitest
