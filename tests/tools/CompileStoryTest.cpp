// The story compiler run as the build runs it, over the program's data files: a story whose
// storyform does not come down to one, whose storytelling leaves a story point untold, or whose
// character has no stock picture, writes nothing and says why; a whole story is written.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sys/TempFolder.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string output;  // what it writes, both outputs together
};

class CompileStoryTool : public ::testing::Test {
protected:
    TempFolder folder;

    // Compiles the source text into story.fsf of the test's folder.
    ToolRun Compile(const std::string& source, const std::string& options = "") {
        const std::string path = folder.WriteFile("s.story", source);
        return Run(options + " '" + std::getenv("FABLECORE_PROGRAM_DIR") + "' '" + path + "' '" + Output() +
                   "'");
    }
    // Runs the tool with the arguments.
    static ToolRun Run(const std::string& arguments) {
        const std::string command = std::string(COMPILE_STORY_PATH) + " " + arguments + " 2>&1";
        ToolRun run;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return run;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.output.append(buffer, n);
        const int wait = ::pclose(pipe);
        run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
        return run;
    }
    std::string Output() const { return folder / "story.fsf"; }
};

int Occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

const std::string kCast = "character A\n    subjective main\ncharacter B\n    subjective impact\n";
const std::string kDynamics =
    "storyform\n    Resolve Steadfast\n    Direction Stop\n    Approach Do-er\n    Sex Intuitive\n"
    "    Work Action\n    Limit Timelock\n    Outcome Success\n    Judgment Bad\n";

TEST_F(CompileStoryTool, AStoryformLeftOpenIsReportedWithWhatEachPointCanStillBe) {
    // The dynamics and the overall story's class leave the 32 dynamic pairs of elements of a class.
    const ToolRun run = Compile("title T\n" + kDynamics + "    STDom Activity\n" + kCast);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("s.story: the storyform comes to 32 storyforms, not one\n"), std::string::npos)
        << run.output;
    const std::size_t problem = run.output.find("\n    STPbm can be: ");
    ASSERT_NE(problem, std::string::npos) << run.output;
    const std::string line = run.output.substr(problem + 1, run.output.find('\n', problem + 1) - problem - 1);
    EXPECT_EQ(Occurrences(line, ","), 31) << line;
    EXPECT_EQ(run.output.find("STDom can be"), std::string::npos)
        << "a point with one value left is not listed";
    EXPECT_FALSE(std::filesystem::exists(Output()));
}

TEST_F(CompileStoryTool, EveryStoryPointWithAValueMustBeTold) {
    const ToolRun run = Compile("title T\n" + kDynamics +
                                "    STDom Activity\n    STCon Doing\n    STRng Wisdom\n    MCDom Situation\n"
                                "    MCPbm Expectation\n" +
                                kCast + "storytelling\n    Resolve Held to the end.\n");
    EXPECT_EQ(run.status, 1);
    // Every story point with a code has a value in one storyform: the 9 dynamics, 4 dynamic
    // appreciations and 4 x 19 throughline points, less the 4 positions and 4 home classes that
    // need no text and the one told.
    EXPECT_EQ(Occurrences(run.output, ": no storytelling text for "), 89 - 8 - 1) << run.output;
    EXPECT_EQ(run.output.find("no storytelling text for Resolve "), std::string::npos);
    EXPECT_EQ(run.output.find("no storytelling text for STOrd"), std::string::npos);
    EXPECT_NE(run.output.find("no storytelling text for MCPbm (Expectation)"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Output()));
}

TEST_F(CompileStoryTool, ACharacterNeedsAStockPictureThatExists) {
    const ToolRun run = Compile(
        "title T\ncharacter A\n    subjective main\n    picture 32000\n"
        "character B\n    subjective impact\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("s.story:2: the program's character pictures have no picture 32000"),
              std::string::npos)
        << run.output;
}

TEST_F(CompileStoryTool, AWholeStoryIsWrittenAndItsStoryformShown) {
    const ToolRun run =
        Compile(TempFolder::ReadFile(std::string(EXAMPLE_SOURCES) + "/Romeo and Juliet.story"), "--show");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(Output()));
    EXPECT_NE(run.output.find("Resolve\tSteadfast\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("MCPbm\tExpectation\n"), std::string::npos);
    EXPECT_EQ(Occurrences(run.output, "(not told)"), 8) << "only the positions and home classes";
}

// A program folder over the built data files, with the example stories given.
void MakeProgramFolder(const std::string& program, const std::vector<std::string>& examples) {
    const std::string built = std::getenv("FABLECORE_PROGRAM_DIR");
    std::filesystem::create_directories(program);
    std::filesystem::create_symlink(built + "/Fablecor.qrv", program + "/Fablecor.qrv");
    std::filesystem::create_directory_symlink(built + "/Commands", program + "/Commands");
    if (examples.empty()) return;
    std::filesystem::create_directory(program + "/examples");
    for (const std::string& name : examples)
        std::filesystem::copy_file(built + "/examples/" + name, program + "/examples/" + name);
}

TEST_F(CompileStoryTool, TheExamplesFileIsTheProgramsRebuildOfTheExampleStories) {
    const std::string output = folder / "storyexm.qrv";
    MakeProgramFolder(folder / "without", {});
    ToolRun run = Run("--examples '" + folder / "without" + "' '" + output + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("the program said: Fablecore could not locate the 'EXAMPLES' subdirectory"),
              std::string::npos)
        << run.output;
    EXPECT_FALSE(std::filesystem::exists(output));

    MakeProgramFolder(folder / "with", {"Rumpelstiltskin.fsf", "Romeo and Juliet.fsf"});
    run = Run("--examples '" + folder / "with" + "' '" + output + "'");
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string written = TempFolder::ReadFile(output);
    EXPECT_NE(written.find("Romeo and Juliet"), std::string::npos);
    EXPECT_NE(written.find("Rumpelstiltskin"), std::string::npos);

    EXPECT_EQ(Run("--examples --show a b").status, 2);
    EXPECT_EQ(Run("--examples a").status, 2);
}

}  // namespace
