// scripts/build, scripts/run and scripts/test over stand-ins for the commands they run: how many
// compilers a build runs, which trees treat warnings as errors, and what the program's start and the
// test run each set up.

#include <gtest/gtest.h>

#include <string>

#include "ScriptStandIns.h"

namespace {

// The configuring call of scripts/build of one kind of tree.
std::string ConfigureCall(ScriptStandIns& standIns, const std::string& kind) {
    standIns.ForgetCalls();
    EXPECT_EQ(standIns.Run(SCRIPTS_DIR "/build", kind), 0) << standIns.Said();
    const std::string calls = standIns.Calls();
    return calls.substr(0, calls.find('\n'));
}

TEST(BuildScript, FablecoreJobsSetsTheCompilersAtOnceElseOnePerProcessor) {
    ScriptStandIns standIns;
    standIns.Command("cmake");
    standIns.Command("nproc", "echo 2");

    EXPECT_EQ(standIns.Run(SCRIPTS_DIR "/build", "test", "FABLECORE_JOBS=5"), 0) << standIns.Said();
    EXPECT_TRUE(Has(standIns.Calls(), "cmake --build build/test --parallel 5\n")) << standIns.Calls();

    // The build system's own variable is no way round it: the script names the number itself.
    standIns.ForgetCalls();
    EXPECT_EQ(standIns.Run(SCRIPTS_DIR "/build", "release", "-u FABLECORE_JOBS CMAKE_BUILD_PARALLEL_LEVEL=7"),
              0);
    EXPECT_TRUE(Has(standIns.Calls(), "cmake --build build/release --parallel 2\n")) << standIns.Calls();
}

TEST(BuildScript, TheTestAndBenchTreesTreatWarningsAsErrorsAndTheWritersBuildDoesNot) {
    ScriptStandIns standIns;
    standIns.Command("cmake");
    EXPECT_TRUE(Has(ConfigureCall(standIns, "test"), "-DFABLECORE_WERROR=ON"));
    // Optimising finds warnings the test tree's flags do not; the bench tree is optimised.
    const std::string bench = ConfigureCall(standIns, "bench");
    EXPECT_TRUE(Has(bench, "-DFABLECORE_WERROR=ON")) << bench;
    EXPECT_TRUE(Has(bench, "-DCMAKE_BUILD_TYPE=RelWithDebInfo")) << bench;
    // A writer's newer compiler may warn where ours does not; that must not stop the program building.
    EXPECT_FALSE(Has(ConfigureCall(standIns, "release"), "WERROR"));

    standIns.ForgetCalls();
    EXPECT_EQ(standIns.Run(SCRIPTS_DIR "/build", "debug"), 2);
    EXPECT_EQ(standIns.Calls(), "") << "an unknown tree is not configured";
}

// A clone of the scripts whose set-up, build and program are stand-ins.
class StartScripts : public ::testing::Test {
protected:
    void SetUp() override {
        standIns.CopyScript("run", "clone/scripts/run");
        standIns.CopyScript("test", "clone/scripts/test");
        standIns.Write("clone/scripts/setup", "setup", "");
        standIns.Write("clone/scripts/build", "build", "");
        standIns.Write("clone/build/release/bin/fablecore", "fablecore", "");
        standIns.Command("ctest");
        standIns.Command("nproc", "echo 2");
    }
    int Run(const std::string& script, const std::string& words = "") {
        return standIns.Run(standIns.folder / ("clone/scripts/" + script), words);
    }

    ScriptStandIns standIns;
};

TEST_F(StartScripts, TheProgramStartsWithoutWhatOnlyTheTestsNeed) {
    EXPECT_EQ(Run("run", "story.fsf"), 0) << standIns.Said();
    EXPECT_EQ(standIns.Calls(), "setup \nbuild release\nfablecore story.fsf\n");
}

TEST_F(StartScripts, TheTestsAreSetUpForAndRunOverTheTestTree) {
    EXPECT_EQ(Run("test"), 0) << standIns.Said();
    const std::string calls = standIns.Calls();
    EXPECT_EQ(calls.rfind("setup test\nbuild test\n", 0), 0u) << calls;
    EXPECT_TRUE(Has(calls, "ctest --test-dir build/test ")) << calls;
    EXPECT_TRUE(Has(calls, " --parallel 2\n")) << calls;
}

}  // namespace
