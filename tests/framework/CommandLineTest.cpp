// File names from the command line: how a line is cut into pieces, and what opens.

#include "framework/CommandLine.h"

#include <unistd.h>

#include <fstream>

#include "ApplicationFixture.h"

namespace apptest {
namespace {

using CommandWords = std::vector<std::string>;

TEST(SplitCommandLine, KeepsQuotedNamesWholeAndLetAnOpenQuoteRunToTheEnd) {
    EXPECT_EQ(SplitCommandLine("a.fsf  \"My Docs/b c.fsf\" /p"),
              (CommandWords{"a.fsf", "My Docs/b c.fsf", "/p"}));
    EXPECT_EQ(SplitCommandLine("\"two  blanks\"x \"open to the end"),
              (CommandWords{"two  blanks", "x", "open to the end"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
    EXPECT_TRUE(SplitCommandLine(nullptr).empty());
}

TEST_F(ApplicationTest, ACommandLineOpensItsNamesInTheFolderItNames) {
    char line[] = "/D /work b.fsf /P \"/abs/c d.fsf\" e.fsf /d";
    EXPECT_TRUE(application->HandleCommandLine(line, kCommandLineHandOver)) << "it asked for printing";
    EXPECT_EQ(application->openedFiles, (CommandWords{"/work/b.fsf", "/abs/c d.fsf", "/work/e.fsf"}))
        << "the last /D names no folder and is passed over";
    char plain[] = "f.fsf";
    EXPECT_FALSE(application->HandleCommandLine(plain, kCommandLineDropped));
    char folder[4096];
    ASSERT_NE(::getcwd(folder, sizeof folder), nullptr);
    EXPECT_EQ(application->openedFiles.back(), std::string(folder) + "/f.fsf")
        << "the current folder by default";

    EnableWindow(Frame(), FALSE);
    char ignored[] = "g.fsf";
    application->HandleCommandLine(ignored, kCommandLineHandOver);
    EXPECT_EQ(application->openedFiles.size(), 4u) << "nothing opens while a modal dialog runs";
}

TEST_F(ApplicationTest, OpenFileQueuesTheOpeningOfAFileThatExists) {
    std::ofstream(folder / "Story One.fsf") << "story";
    const std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    EXPECT_EQ(application->OpenFile("Story One.fsf"), kNoErr) << "a name in the current folder, case kept";
    std::filesystem::current_path(previous);
    EXPECT_EQ(application->OpenFile((folder / "missing.fsf").c_str()), -1);
    EXPECT_EQ(application->OpenFile(""), -2);
    EXPECT_EQ(application->GetDocumentCount(), 0) << "opening waits for the queue";
    application->DrainQueue(kSecondQueue);
    ASSERT_EQ(application->GetDocumentCount(), 1);
    EXPECT_EQ(application->GetDocument(0)->GetFileRef().GetFullPath(), folder / "Story One.fsf");
}

TEST_F(ApplicationTest, StartUpOpensTheArgumentsUpToTheFirstThatFails) {
    std::ofstream(folder / "a.fsf") << "story";
    std::string a = folder / "a.fsf";
    std::string missing = folder / "missing.fsf";
    std::string b = folder / "b.fsf";
    char program[] = "fablecore";
    char* arguments[] = {program, a.data(), missing.data(), b.data(), nullptr};
    environment.SetStart(4, arguments, nullptr, nullptr, "", 0);
    EXPECT_EQ(application->OpenStartupFiles(), -1);
    EXPECT_EQ(application->openedFiles, (CommandWords{a, missing}));

    environment.SetStart(1, arguments, nullptr, nullptr, "", 0);
    EXPECT_EQ(application->OpenStartupFiles(), kNoErr);
    application->DrainQueue(kSecondQueue);
    EXPECT_EQ(application->GetDocumentCount(), 2) << "the file, and a new document when none is named";
}

}  // namespace
}  // namespace apptest
