#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "foundation/ByteStream.h"
#include "foundation/FileRef.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMDump.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreFileBuilder.h"
#include "platform/sys/TempFolder.h"

namespace {

struct DumpRun {
    int status = -1;
    std::string output;
};

// Runs the dump command with the arguments and collects what it writes to its standard output.
DumpRun RunDump(const std::string& arguments) {
    DumpRun run;
    const std::string command = std::string(PFMDUMP_PATH) + " " + arguments + " 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
    const int wait = ::pclose(pipe);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    return run;
}

std::string LibraryDump(const std::string& path) {
    ByteStream out;
    PFMDumpFile(FileRef(path.c_str()), out);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

TEST(PFMDumpTool, DumpsEveryFileNamed) {
    DetectPlatform();
    TempFolder folder;
    const std::string first =
        folder.WriteFile("first.qrv", StoreFileBytes({{FourCCOf("INFO"), 1, "info", 0x9000}}));
    const std::string second =
        folder.WriteFile("second.fsf", StoreFileBytes({{FourCCOf("SDOC"), 128, "s", 0x1000}}));
    const DumpRun run = RunDump("'" + first + "' '" + second + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, LibraryDump(first) + LibraryDump(second));
    EXPECT_NE(run.output.find("     0 'S' 'D' 'O' 'C'    128        1      no   TObject"), std::string::npos)
        << run.output;
}

TEST(PFMDumpTool, DumpsAStoreWrittenByTheProgram) {
    DetectPlatform();
    TempFolder folder;
    const std::string path = folder / "story.fsf";
    ASSERT_EQ(PFMInit(FourCCOf("Fabl"), MakeVersion(1, 2, kStageRelease, 0)), kNoErr);
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    {
        PText story(nullptr, FourCCOf("SDOC"), 128);
        story.SetValue("Title", 'c', "A Tale");
        ASSERT_EQ(story.Save(), kNoErr);
        PText prefs(nullptr, FourCCOf("CTNG"), 1);
        prefs.SetNumberByName("Width", 's', 400);
        ASSERT_EQ(prefs.Save(), kNoErr);
    }
    const FileRef ref(path.c_str(), kAccessReadWrite);
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMTerm();

    const DumpRun run = RunDump("'" + path + "'");
    EXPECT_EQ(run.status, 0);
    // Each record is a raw block: a 16-bit 0, a 32-bit length and its text.
    EXPECT_NE(run.output.find("save type      = full\n"
                              "full-save size = 135\n"
                              "seg-map pos    = 99\n"
                              "\n"
                              "      platform app    app version\n"
                              "      -------- ------ -----------\n"
                              "orig: ???      'Fabl' v1.2        \n"
                              "last: ???      'Fabl' v1.2        \n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(
        run.output.find("Segment Map Information    num segs = 2\n\n"
                        " index seg type        seg Id priority preload seg kind  file pos file size\n"
                        "------ --------------- ------ -------- ------- --------- -------- ---------\n"
                        "     0 'C' 'T' 'N' 'G'      1        1      no     hdl_t       58        19\n"
                        "     1 'S' 'D' 'O' 'C'    128        1      no     hdl_t       77        22\n"),
        std::string::npos)
        << run.output;
}

TEST(PFMDumpTool, FailuresSetTheExitStatus) {
    TempFolder folder;
    const std::string text = folder.WriteFile("notes.txt", "plain text, which is not a store file");
    const DumpRun run = RunDump("'" + text + "' '" + folder / "missing" + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("ERROR: the file's Id string is not that of a PFM v3.0 formated file.\n"),
              std::string::npos);
    EXPECT_NE(run.output.find("ERROR: file does not exist.\n"), std::string::npos);

    EXPECT_EQ(RunDump("").status, 2);
}

}  // namespace
