// A second start of the program hands its files to the first copy: two real processes of a probe
// built on the program's entry (probe/AppProbe.cpp), headless.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

extern char** environ;

namespace {

// A process of the probe whose standard output (and, when asked, its standard error) the test
// reads line by line, and whose standard input the test may write to.
class Probe {
public:
    Probe(std::vector<std::string> arguments, const std::string& folder, bool withErrors = false) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return;
        output_ = ends[0];
        int orders[2];
        if (::pipe2(orders, O_CLOEXEC) != 0) return;
        input_ = orders[1];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, orders[0], STDIN_FILENO);
        if (withErrors) posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        arguments.insert(arguments.begin(), APP_PROBE);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        // The signals to end come to the probe as to a program started from the desktop, whatever
        // the test's runner ignores.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&ending, signal);
        posix_spawnattr_setsigdefault(&attributes, &ending);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        if (posix_spawn(&pid_, APP_PROBE, &actions, &attributes, argv.data(), environ) != 0) pid_ = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
        ::close(orders[0]);
    }
    ~Probe() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) ::close(output_);
        if (input_ >= 0) ::close(input_);
    }

    pid_t Pid() const { return pid_; }
    // A line to the probe's standard input.
    void Tell(const std::string& line) {
        const std::string whole = line + "\n";
        EXPECT_EQ(::write(input_, whole.data(), whole.size()), static_cast<ssize_t>(whole.size()));
    }

    // The next line written, waiting at most 30 s; empty at the end of the output.
    std::string Line() {
        std::string line;
        char c;
        pollfd ready{output_, POLLIN, 0};
        while (::poll(&ready, 1, 30000) > 0 && ::read(output_, &c, 1) == 1 && c != '\n') line.push_back(c);
        return line;
    }
    // The exit code (128 and the signal's number when a signal ended it; -1 when not ended within
    // the patience).
    int Finish(int patience = 30000) {
        for (int waited = 0; pid_ > 0 && waited < patience; waited += 5) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            ::usleep(5000);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    int input_ = -1;
};

// The names of the files in the folder.
std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Sets the variable (null: removes it) for the probes started while it lives.
class ProbeSetting {
public:
    ProbeSetting(const char* name, const char* value) : name_(name) {
        if (const char* was = std::getenv(name)) earlier_ = was;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ProbeSetting() {
        if (earlier_) {
            ::setenv(name_.c_str(), earlier_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }

private:
    std::string name_;
    std::optional<std::string> earlier_;
};

// The probes' own program folder (with the data files the build made), settings, runtime and
// temporary folders.
class HandOver : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "run");
        std::filesystem::create_directories(folder / "program");
        std::filesystem::create_symlink(built + "/Fablecor.qrv", folder / "program/Fablecor.qrv");
        std::filesystem::create_directory_symlink(built + "/Commands", folder / "program/Commands");
        ownFolders.Set("FABLECORE_PROGRAM_DIR", folder / "program");
        ownFolders.Set("XDG_RUNTIME_DIR", folder / "run");
        ownFolders.Set("XDG_CONFIG_HOME", folder / "config");
        ownFolders.Set("FABLECORE_HEADLESS", "1");
    }

    // A folder of the test's, made.
    std::string Folder(const std::string& name) const {
        std::filesystem::create_directories(folder / name);
        return folder / name;
    }

    TempFolder folder;
    const std::string built = std::getenv("FABLECORE_PROGRAM_DIR");
    TempFolder temporary;
    ScopedEnv ownTemporary{"TMPDIR", temporary.Path()};
    ScopedEnv ownFolders;
};

TEST_F(HandOver, ASecondStartHandsItsFilesWholeToTheFirstAndEnds) {
    const std::string stories = Folder("my stories");
    Probe first({}, folder.Path());
    ASSERT_EQ(first.Line(), "first");
    Probe second({"a story.fsf", "/elsewhere/b.fsf"}, stories);
    EXPECT_EQ(second.Finish(), 0) << "the later start ends once the first copy took its files";
    EXPECT_EQ(first.Line(), "open " + stories + "/a story.fsf")
        << "a name with a blank, in the start's folder";
    EXPECT_EQ(first.Line(), "open /elsewhere/b.fsf");
    EXPECT_EQ(first.Finish(), 0);
}

// The system's names are UTF-8; the program's are Windows-1252 text.
TEST_F(HandOver, NamesAreHandedOverAsProgramTextAndANameWithoutOneIsLeftOut) {
    const std::string stories = Folder("histoires \xC3\xA0 lire");
    Probe first({}, folder.Path());
    ASSERT_EQ(first.Line(), "first");
    Probe second({"\xD0\xA1\xD1\x8E.fsf", "Caf\xC3\xA9.fsf"}, stories, true);
    const std::string said = second.Line();
    EXPECT_NE(said.find("\"\xD0\xA1\xD1\x8E.fsf\""), std::string::npos) << said;
    EXPECT_NE(said.find("left out"), std::string::npos) << said;
    EXPECT_EQ(second.Finish(), 0);
    EXPECT_EQ(first.Line(), "open " + (folder / "histoires \xE0 lire/Caf\xE9.fsf"));
    EXPECT_EQ(first.Finish(), 0);
}

// Names relative to a folder the program cannot name could not be found: such a start hands
// nothing over.
TEST_F(HandOver, AStartFromAFolderTheProgramCannotKeepSaysSoAndHandsNothingOver) {
    const std::string cyrillic = Folder("\xD0\xA1\xD1\x8E");
    Probe first({}, folder.Path());
    ASSERT_EQ(first.Line(), "first");
    Probe second({"a.fsf"}, cyrillic, true);
    const std::string said = second.Line();
    EXPECT_NE(said.find("current folder \"" + cyrillic + "\""), std::string::npos) << said;
    EXPECT_NE(second.Finish(), 0);
    Probe third({"c.fsf"}, folder.Path());
    EXPECT_EQ(third.Finish(), 0);
    EXPECT_EQ(first.Line(), "open " + (folder / "c.fsf")) << "the first copy heard nothing of the second";
    EXPECT_EQ(first.Finish(), 0);
}

// A later start while the first copy has a dialog open waits for it: its files are opened once the
// dialog ends, and it ends as a start whose files were taken.
TEST_F(HandOver, ALaterStartWaitsForTheFirstCopysDialogAndIsTakenWhenItEnds) {
    std::optional<Probe> first;
    {
        const ProbeSetting dialog("APP_PROBE_DIALOG", "1");
        first.emplace(std::vector<std::string>{}, folder.Path());
    }
    ASSERT_EQ(first->Line(), "first");
    ASSERT_EQ(first->Line(), "dialog");
    Probe second({"b.fsf"}, folder.Path(), true);
    EXPECT_EQ(second.Finish(500), -1) << "the later start waits while the dialog is open";
    first->Tell("close");
    EXPECT_EQ(first->Line(), "dialog closed");
    EXPECT_EQ(first->Line(), "open " + (folder / "b.fsf"));
    EXPECT_EQ(second.Finish(), 0);
    EXPECT_EQ(second.Line(), "") << "the start said nothing";
    EXPECT_EQ(first->Finish(), 0);
}

// A dialog left open longer than the later start will wait: that start says why nothing opened and
// ends with a failure, and the first copy, once its dialog ends, opens nothing behind its back but
// says on the screen which file was not opened, for a writer who started it from the desktop.
TEST_F(HandOver, ALaterStartThatGivesUpOnTheDialogSaysWhyAndNothingOpens) {
    std::optional<Probe> first;
    {
        const ProbeSetting dialog("APP_PROBE_DIALOG", "1");
        first.emplace(std::vector<std::string>{}, folder.Path());
    }
    ASSERT_EQ(first->Line(), "first");
    ASSERT_EQ(first->Line(), "dialog");
    std::optional<Probe> second;
    {
        const ProbeSetting patience("APP_PROBE_DIALOG_PATIENCE", "300");
        second.emplace(std::vector<std::string>{"b.fsf"}, folder.Path(), true);
    }
    const std::string said = second->Line();
    EXPECT_NE(said.find("dialog open"), std::string::npos) << said;
    EXPECT_EQ(second->Finish(), 1);
    first->Tell("close");
    EXPECT_EQ(first->Line(), "dialog closed");
    const std::string box = first->Line();
    EXPECT_TRUE(box.starts_with("box ")) << box;
    EXPECT_NE(box.find("\"b.fsf\" was not opened"), std::string::npos) << box;
    Probe third({"c.fsf"}, folder.Path());
    EXPECT_EQ(third.Finish(), 0);
    EXPECT_EQ(first->Line(), "open " + (folder / "c.fsf")) << "the second start's file was not opened";
    EXPECT_EQ(first->Finish(), 0);
}

// A copy without a window is no copy the writer can see: a start with a window does not hand its
// files to it, but runs itself (here, without a display, it says so and ends).
TEST_F(HandOver, AStartWithAWindowDoesNotHandOverToACopyWithout) {
    Probe first({}, folder.Path());
    ASSERT_EQ(first.Line(), "first");
    std::optional<Probe> shown;
    {
        const ProbeSetting windowed("FABLECORE_HEADLESS", nullptr);
        const ProbeSetting noDisplay("DISPLAY", nullptr);
        const ProbeSetting noWayland("WAYLAND_DISPLAY", nullptr);
        shown.emplace(std::vector<std::string>{"a.fsf"}, folder.Path(), true);
    }
    const std::string said = shown->Line();
    EXPECT_NE(said.find("no display"), std::string::npos) << said;
    EXPECT_EQ(shown->Finish(), 1);
    Probe later({"c.fsf"}, folder.Path());
    EXPECT_EQ(later.Finish(), 0);
    EXPECT_EQ(first.Line(), "open " + (folder / "c.fsf"))
        << "the copy without a window heard nothing of a.fsf";
    EXPECT_EQ(first.Finish(), 0);
}

// SIGTERM, SIGINT and SIGHUP end the program at once, its stores closed: their swap files go, and so
// does the single-instance socket.
TEST_F(HandOver, ASignalToEndEndsTheProgramPromptlyAndCleanly) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        Probe first({}, folder.Path());
        ASSERT_EQ(first.Line(), "first");
        int swapFiles = 0;
        for (const std::string& name : FileNames(temporary.Path()))
            swapFiles += name.rfind("PFM_Swap.", 0) == 0;
        EXPECT_EQ(swapFiles, 5) << "the data file's, the character pictures', the engine file's, the context "
                                   "file's and the preferences file's stores";
        const auto sent = std::chrono::steady_clock::now();
        ASSERT_EQ(::kill(first.Pid(), signal), 0);
        EXPECT_EQ(first.Finish(), 128 + signal) << "it ends as by the signal";
        const auto took = std::chrono::steady_clock::now() - sent;
        EXPECT_LT(took, std::chrono::milliseconds(1000)) << signal;
        EXPECT_EQ(FileNames(temporary.Path()), std::vector<std::string>{}) << signal;
        for (const std::string& name : FileNames(folder / "run/fablecore"))
            EXPECT_EQ(name.find(".socket"), std::string::npos) << name;
    }
    // Swap files that went from under it (their folder emptied by someone else) cannot be removed as
    // the stores close: that is no reason to wait on anyone before ending.
    Probe first({}, folder.Path());
    ASSERT_EQ(first.Line(), "first");
    for (const std::string& name : FileNames(temporary.Path())) std::filesystem::remove(temporary / name);
    ASSERT_EQ(::kill(first.Pid(), SIGTERM), 0);
    EXPECT_EQ(first.Finish(5000), 128 + SIGTERM);
}

// Swap files that a copy ended without closing its stores left behind go at the next start; one that
// a running copy holds stays.
TEST_F(HandOver, AStartRemovesSwapFilesThatNoRunningCopyHolds) {
    Probe holder({}, folder.Path());
    ASSERT_EQ(holder.Line(), "first");
    ASSERT_EQ(FileNames(temporary.Path()).size(), 5u);
    for (const char* stale : {"PFM_Swap.005", "PFM_Swap.050", "PFM_Swap.117"})
        std::ofstream(temporary / stale) << "left behind";
    // Another copy's start (on a channel of its own) sweeps.
    {
        const ProbeSetting elsewhere("XDG_RUNTIME_DIR", Folder("run2").c_str());
        Probe second({}, folder.Path());
        ASSERT_EQ(second.Line(), "first");
        std::vector<std::string> now = FileNames(temporary.Path());
        std::sort(now.begin(), now.end());
        EXPECT_EQ(now, (std::vector<std::string>{"PFM_Swap.000", "PFM_Swap.001", "PFM_Swap.002", "PFM_Swap.003",
                                                 "PFM_Swap.004", "PFM_Swap.005", "PFM_Swap.006", "PFM_Swap.007",
                                                 "PFM_Swap.008", "PFM_Swap.009"}))
            << "the first copy's five, and the second's five in the first free names";
        ::kill(second.Pid(), SIGKILL);
        second.Finish();
    }
    ::kill(holder.Pid(), SIGTERM);
    EXPECT_EQ(holder.Finish(), 128 + SIGTERM);
}

}  // namespace
