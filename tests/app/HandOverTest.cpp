// A second start of the program hands its files to the first copy: two real processes of a probe
// built on the program's entry (probe/AppProbe.cpp), headless.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sys/ScopedEnv.h"
#include "platform/sys/TempFolder.h"

extern char** environ;

namespace {

// A process of the probe whose standard output (and, when asked, its standard error) the test
// reads line by line.
class Probe {
public:
    Probe(std::vector<std::string> arguments, const std::string& folder, bool withErrors = false) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return;
        output_ = ends[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        if (withErrors) posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        arguments.insert(arguments.begin(), APP_PROBE);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, APP_PROBE, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
    }
    ~Probe() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) ::close(output_);
    }

    // The next line written, waiting at most 30 s; empty at the end of the output.
    std::string Line() {
        std::string line;
        char c;
        pollfd ready{output_, POLLIN, 0};
        while (::poll(&ready, 1, 30000) > 0 && ::read(output_, &c, 1) == 1 && c != '\n') line.push_back(c);
        return line;
    }
    // The exit code (-1 when killed or not ended within 30 s).
    int Finish() {
        for (int waited = 0; pid_ > 0 && waited < 30000; waited += 5) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            ::usleep(5000);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
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
        ::setenv("FABLECORE_PROGRAM_DIR", (folder / "program").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        ::setenv("FABLECORE_HEADLESS", "1", 1);
    }
    void TearDown() override { ::setenv("FABLECORE_PROGRAM_DIR", built.c_str(), 1); }

    // A folder of the test's, made.
    std::string Folder(const std::string& name) const {
        std::filesystem::create_directories(folder / name);
        return folder / name;
    }

    TempFolder folder;
    const std::string built = std::getenv("FABLECORE_PROGRAM_DIR");
    TempFolder temporary;
    ScopedEnv ownTemporary{"TMPDIR", temporary.Path()};
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

}  // namespace
