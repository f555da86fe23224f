// The story application's start-up over data files of the test's making: the version keys of the
// data file, the optional context file, and the name it goes by.

#include <filesystem>
#include <fstream>

#include "StoryAppFixture.h"
#include "foundation/Version.h"
#include "framework/AboutAppLib.h"
#include "framework/QRVClipBoard.h"
#include "framework/graphics/Cursors.h"

namespace apptest {
namespace {

class StartUp : public StoryAppTest {
protected:
    // The built data file, copied, with the 'INFO' record's key removed.
    void UseDataFileWithout(const char* key) {
        const std::string copy = ProgramFile("Fablecor.qrv");
        std::filesystem::remove(copy);
        std::filesystem::copy_file(builtFolder + "/Fablecor.qrv", copy);
        PFMPushCurrentFile(nullptr);
        const FileRef file(copy.c_str(), kAccessReadWrite);
        PFMFile* store = PFMOpenFile(&file);
        ASSERT_NE(store, nullptr);
        {
            PText info(store, FourCCOf("INFO"), 0);
            ASSERT_GE(info.Remove(key), 0);
            ASSERT_EQ(info.Save(), kNoErr);
        }
        PFMSetCurrentFile(store);
        ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
        PFMCloseFile(store);
        PFMPopCurrentFile();
    }
    void Restart() {
        Stop();
        Start();
    }
};

TEST_F(StartUp, TheVersionComesFromTheDataFileAndStaysAsItWasWithoutItsKey) {
    // The data file's version is the build's, as the program file's is.
    String built;
    ASSERT_TRUE(GetVersionText(built));
    EXPECT_EQ(application->GetVersionText(), built.CStr());
    EXPECT_EQ(application->GetMajorVersion(), 1);
    EXPECT_EQ(application->GetFileFormat(), 4);
    EXPECT_EQ(application->GetVersion(), ParseVersion(built.CStr()));
    UseDataFileWithout("Vers");
    Restart();
    EXPECT_EQ(application->GetVersionText(), "0.0");
    EXPECT_EQ(application->GetVersion(), ParseVersion("0.0"));
    EXPECT_EQ(application->GetMajorVersion(), 1) << "the other keys are read as ever";
}

TEST_F(StartUp, TheProgramGoesByItsNameAndVersion) {
    String version;
    ASSERT_TRUE(GetVersionText(version));
    EXPECT_EQ(application->GetAppName(), std::string("Fablecore ") + version.CStr());
    char title[64] = "";
    application->GetFrameTitle(title, sizeof title);
    EXPECT_EQ(application->GetAppName(), title);
    EXPECT_EQ(application->GetSignature(), FourCCOf("Fabl"));
    EXPECT_EQ(application->GetMaxDocuments(), 4);
    EXPECT_FALSE(IsBusyCursorShowing()) << "the start-up's busy cursor went with it";
    const ShortRect place = application->GetDefaultWindowRect();
    EXPECT_EQ(place.left, 20);
    EXPECT_EQ(place.top, 20);
    EXPECT_EQ(place.right, 512);
    EXPECT_EQ(place.bottom, 341);
}

TEST_F(StartUp, TheContextFileIsOpenedWhenItIsAStoreAndOtherwiseLeftAlone) {
    EXPECT_NE(application->GetContextFile(), nullptr) << "the built one";
    std::filesystem::remove(ProgramFile("Commands/context.qrv"));
    Restart();
    EXPECT_EQ(application->GetContextFile(), nullptr) << "none there";
    EXPECT_TRUE(Asked().empty()) << "nothing is said";
    const std::string context = ProgramFile("Commands/CONTEXT.QRV");
    std::ofstream(context) << "no store";
    Restart();
    EXPECT_EQ(application->GetContextFile(), nullptr);
    EXPECT_TRUE(std::filesystem::exists(context)) << "nothing is deleted";
    EXPECT_TRUE(Asked().empty()) << "nothing is said";
    std::filesystem::remove(context);
    std::filesystem::copy_file(builtFolder + "/Commands/charpix.qrv", context);
    Restart();
    EXPECT_NE(application->GetContextFile(), nullptr);
    application->CloseContextFile();
    EXPECT_EQ(application->GetContextFile(), nullptr);
    EXPECT_NE(application->OpenContextFile(), nullptr);
}

TEST_F(StartUp, ThePictureAndEngineFilesAreOpenAndTheClipboardTakesPictures) {
    EXPECT_NE(application->GetPictureFile(), nullptr);
    EXPECT_NE(application->GetEngineFile(), nullptr);
    ASSERT_NE(application->GetPictureClipboard(), nullptr);
    EXPECT_EQ(application->GetPictureClipboard()->GetFormat(), 2u);
    EXPECT_EQ(application->GetProgramDirectory() + "Commands", application->GetDataDirectory());
}

}  // namespace
}  // namespace apptest
