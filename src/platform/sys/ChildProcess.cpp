#include "platform/sys/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

extern char** environ;

namespace win {
namespace {

// Closes the descriptors it holds when it goes.
class Pipe {
public:
    Pipe() {
        if (pipe2(ends_, O_CLOEXEC) != 0) ends_[0] = ends_[1] = -1;
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    bool IsOpen() const { return ends_[0] >= 0; }
    int Read() const { return ends_[0]; }
    int Write() const { return ends_[1]; }
    void CloseRead() { Close(ends_[0]); }
    void CloseWrite() { Close(ends_[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    int ends_[2];
};

std::string ReadAll(int fd) {
    std::string text;
    char chunk[4096];
    while (true) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got > 0) {
            text.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            return text;
        }
    }
}

// The arguments in the system's form, and the pointers to them that the spawn takes.
struct SystemArguments {
    explicit SystemArguments(const std::vector<std::string>& argv) {
        for (const std::string& arg : argv) texts.push_back(NameForSystem(arg));
        for (std::string& arg : texts) pointers.push_back(arg.data());
        pointers.push_back(nullptr);
    }
    std::vector<std::string> texts;
    std::vector<char*> pointers;
};

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& argv, bool captureOutput) {
    ProgramRun run;
    if (argv.empty()) {
        SetLastError(EINVAL);
        return run;
    }
    SystemArguments arguments(argv);
    std::vector<char*>& args = arguments.pointers;

    Pipe output;
    if (captureOutput && !output.IsOpen()) {
        SetLastError(static_cast<DWORD>(errno));
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (captureOutput) posix_spawn_file_actions_adddup2(&actions, output.Write(), STDOUT_FILENO);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        SetLastError(static_cast<DWORD>(failed));
        return run;
    }
    run.started = true;
    if (captureOutput) {
        output.CloseWrite();  // so that reading ends when the child closes its end
        run.output = ReadAll(output.Read());
    }
    run.exitCode = WaitFor(child);
    return run;
}

// A go-between starts the program and ends at once, so the program belongs to the system from the
// start; the go-between's exit status says whether the start succeeded (0) or why it failed.
bool StartProgram(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        SetLastError(EINVAL);
        return false;
    }
    SystemArguments arguments(argv);
    const pid_t between = fork();
    if (between < 0) {
        SetLastError(static_cast<DWORD>(errno));
        return false;
    }
    if (between == 0) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        pid_t started = 0;
        const int failed = posix_spawnp(&started, arguments.pointers[0], &actions, nullptr,
                                        arguments.pointers.data(), environ);
        _exit(failed == 0 ? 0 : (failed & 0x7F) | 0x80);
    }
    const int status = WaitFor(between);
    if (status == 0) return true;
    SetLastError(static_cast<DWORD>(status > 0 ? status & 0x7F : EIO));
    return false;
}

}  // namespace win
