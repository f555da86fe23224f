#include "platform/sys/Profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sys/FileFaults.h"
#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

namespace win {
namespace {

using namespace std::string_literals;

class Profile : public ::testing::Test {
protected:
    void SetUp() override { environment.Set("XDG_CONFIG_HOME", folder / "config"); }

    // The value as GetPrivateProfileStringA gives it, with a buffer of the size.
    std::string Get(const char* section, const char* key, const char* fallback = "?", DWORD size = 256) {
        std::string buffer(size, '\x7F');
        const DWORD length =
            GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, ini.c_str());
        EXPECT_EQ(buffer[length], '\0');
        return buffer.substr(0, length);
    }
    // A NUL-separated list as GetPrivateProfileStringA gives it, up to its two final NULs.
    std::string List(const char* section, DWORD size, DWORD expectedLength) {
        std::string buffer(size, '\x7F');
        EXPECT_EQ(GetPrivateProfileStringA(section, nullptr, "?", buffer.data(), size, ini.c_str()),
                  expectedLength);
        if (size >= 2 && expectedLength == size - 2) {
            EXPECT_EQ(buffer.substr(size - 2), "\0\0"s);
        }
        const std::size_t end = buffer.find("\0\0"s);
        return end == std::string::npos ? buffer : buffer.substr(0, end + 2);
    }
    std::string Text() const { return TempFolder::ReadFile(ini); }
    bool Set(const char* section, const char* key, const char* value) {
        return WritePrivateProfileStringA(section, key, value, ini.c_str());
    }

    TempFolder folder;
    std::string ini = folder / "app.INI";
    ScopedEnv environment;
};

TEST_F(Profile, AMissingFileGivesTheDefaultsAndAnEmptyList) {
    EXPECT_EQ(Get("APP_FRAME", "XPos", "3  "), "3");  // trailing blanks of a default are dropped
    EXPECT_EQ(Get("APP_FRAME", "XPos", nullptr), "");
    EXPECT_EQ(GetPrivateProfileIntA("APP_FRAME", "XPos", -7, ini.c_str()), static_cast<UINT>(-7));
    EXPECT_EQ(List(nullptr, 8, 0), "\0\0"s);
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(Profile, NamesMatchWithoutCaseAndValuesLoseBlanksAndOneQuotePair) {
    folder.WriteFile("app.INI",
                     "; settings\n[App_Frame]\n  XPos = 12 \nName=\"  padded \"\nTitle='x'y'\n"
                     "[Caf\xC9]\nK=1\r\r\n[APP_FRAME]\nXPos=99\nWidth=5\n");
    EXPECT_EQ(Get("app_frame", "xpos"), "12");
    EXPECT_EQ(Get(" APP_FRAME ", "Name"), "  padded ");
    EXPECT_EQ(Get("APP_FRAME", "Title"), "x'y");
    EXPECT_EQ(Get("caf\xE9", "k"), "1");        // every carriage return before the line end goes
    EXPECT_EQ(Get("APP_FRAME", "Width"), "?");  // only the first section of a name counts
    EXPECT_EQ(Get("APP_FRAME", "; settings"), "?");
}

TEST_F(Profile, ValuesAreCutToTheBuffer) {
    const std::string longValue(300, 'v');
    ASSERT_TRUE(Set("S", "Long", longValue.c_str()));
    EXPECT_EQ(Get("S", "Long"), longValue.substr(0, 255));
    EXPECT_EQ(Get("S", "Long", "?", 301), longValue);  // just fits
    EXPECT_EQ(Get("S", "Long", "?", 300), longValue.substr(0, 299));
    EXPECT_EQ(Get("S", "Long", "?", 1), "");
    EXPECT_EQ(Get("S", "Missing", "default", 4), "def");
    char untouched = 'u';
    EXPECT_EQ(GetPrivateProfileStringA("S", "Long", "", &untouched, 0, ini.c_str()), 0u);
    EXPECT_EQ(untouched, 'u');
}

TEST_F(Profile, SectionsAndKeysAreListedAndCutListsEndInTwoNuls) {
    folder.WriteFile("app.INI", "[One]\na=1\nB=2\nA=3\n[Two]\n[one]\nc=4\n");
    EXPECT_EQ(List(nullptr, 64, 8), "One\0Two\0\0"s);
    EXPECT_EQ(List("ONE", 64, 4), "a\0B\0\0"s);
    EXPECT_EQ(List("ONE", 5, 4), "a\0B\0\0"s);  // exactly fits
    EXPECT_EQ(List("ONE", 4, 2), "a\0\0"s);
    EXPECT_EQ(List(nullptr, 6, 4), "One\0\0"s);
    EXPECT_EQ(List(nullptr, 5, 3), "One\0\0"s);  // the last name cut
    EXPECT_EQ(List("Two", 8, 0), "\0\0"s);
    EXPECT_EQ(List(nullptr, 1, 0), "\0"s);
}

TEST_F(Profile, NamesNoListCanHoldArePassedOverAndKeptInTheFile) {
    // "[]" would end the section list early, and a NUL would split a name in two.
    const std::string damaged = "[One]\na=1\n[]\nlost=1\n[Two]\nb\0c=2\nd=3\n[x\0y]\ne=4\n[Three]\nf=5\n"s;
    folder.WriteFile("app.INI", damaged);
    EXPECT_EQ(List(nullptr, 64, 14), "One\0Two\0Three\0\0"s);
    EXPECT_EQ(List("Two", 64, 2), "d\0\0"s);
    EXPECT_EQ(List("One", 64, 2), "a\0\0"s) << "the entries under a damaged section join no other";
    EXPECT_EQ(Get("One", "lost"), "?");
    EXPECT_EQ(Get("Two", "e"), "?");
    EXPECT_EQ(Get("Three", "f"), "5");
    ASSERT_TRUE(Set("One", "g", "7"));
    ASSERT_TRUE(Set("Two", nullptr, nullptr));
    EXPECT_EQ(Text(), "[One]\na=1\ng=7\n[]\nlost=1\n[x\0y]\ne=4\n[Three]\nf=5\n"s);
}

TEST_F(Profile, NumbersReadTheWayTheyAreWritten) {
    folder.WriteFile("app.INI", "[N]\nd=42\nneg=-5\nhex=0x1F\ntail=7px\nword=px\nempty=\nbig=99999999999\n");
    auto number = [&](const char* key) { return GetPrivateProfileIntA("N", key, 1234, ini.c_str()); };
    EXPECT_EQ(number("d"), 42u);
    EXPECT_EQ(static_cast<int>(number("neg")), -5);
    EXPECT_EQ(number("hex"), 31u);
    EXPECT_EQ(number("tail"), 7u);
    EXPECT_EQ(number("word"), 0u);
    EXPECT_EQ(number("empty"), 1234u);
    EXPECT_EQ(number("missing"), 1234u);
    EXPECT_EQ(number("big"), 0xFFFFFFFFu);
}

TEST_F(Profile, ChangesKeepCommentsUnknownLinesAndOrder) {
    folder.WriteFile("app.INI",
                     "; kept\r\n[APP_FRAME]\r\nMaxed=1\r\n  odd line\r\nXPos=3\r\n\r\n[Old]\r\nK=1\r\n"
                     "[CUSTOM_COLORS]\r\nColorA=FF\r\n[old]\r\nK=2\r\n");
    ASSERT_TRUE(Set("app_frame", "xpos", "40"));
    ASSERT_TRUE(Set("APP_FRAME", "Width", " padded "));
    ASSERT_TRUE(Set("CUSTOM_COLORS", "ColorA", nullptr));
    ASSERT_TRUE(Set("OLD", nullptr, nullptr));
    ASSERT_TRUE(Set("New", "Quoted", "\"q\""));
    EXPECT_EQ(Text(),
              "; kept\r\n[APP_FRAME]\r\nMaxed=1\r\n  odd line\r\nXPos=40\r\nWidth=\" padded \"\r\n\r\n"
              "[CUSTOM_COLORS]\r\n\r\n[New]\r\nQuoted=\"\"q\"\"\r\n");
    EXPECT_EQ(Get("APP_FRAME", "Width"), " padded ");
    EXPECT_EQ(Get("New", "Quoted"), "\"q\"");
}

TEST_F(Profile, UnchangedValuesAndMissingKeysLeaveTheFileAlone) {
    ASSERT_TRUE(Set("S", "K", "v"));
    struct stat before;
    ASSERT_EQ(::stat(ini.c_str(), &before), 0);
    EXPECT_TRUE(Set("s", "k", "v"));
    EXPECT_TRUE(Set("S", "Other", nullptr));
    EXPECT_TRUE(Set("Other", nullptr, nullptr));
    struct stat after;
    ASSERT_EQ(::stat(ini.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);  // a rewrite would give a new file
}

TEST_F(Profile, NamesAndValuesThatWouldNotReadBackAreRefused) {
    ASSERT_TRUE(Set("S", "K", "v"));
    for (auto [section, key, value] : {std::tuple<const char*, const char*, const char*>{"S", "K", "a\nb"},
                                       {"S", "K=", "v"},
                                       {"S", "[K", "v"},
                                       {"S", " ", "v"},
                                       {"S]", "K", "v"},
                                       {"", "K", "v"},
                                       {nullptr, "K", "v"}}) {
        SetLastError(0);
        EXPECT_FALSE(Set(section, key, value)) << (key ? key : "") << value;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(EINVAL));
    }
    EXPECT_EQ(Text(), "[S]\nK=v\n");
}

TEST_F(Profile, AFailingWriteAtAnyStepLeavesTheOldFile) {
    ASSERT_TRUE(Set("S", "K", "old"));
    for (FileCall call : {FileCall::kWrite, FileCall::kFlush, FileCall::kSync, FileCall::kRename}) {
        ResetFileCalls();
        ASSERT_TRUE(Set("S", "K", "count"));
        ASSERT_TRUE(Set("S", "K", "old"));
        const unsigned long calls = GetFileCallCount(call) / 2;
        ASSERT_GT(calls, 0u);
        for (unsigned long nth = 1; nth <= calls; ++nth) {
            ResetFileCalls();
            FailFileCall(call, nth, ENOSPC);
            const bool lastSync = call == FileCall::kSync && nth == calls;
            SetLastError(0);
            EXPECT_FALSE(Set("S", "K", "new"));
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOSPC));
            // Only the folder sync comes after the new file is in place.
            EXPECT_EQ(Get("S", "K"), lastSync ? "new" : "old") << static_cast<int>(call) << " " << nth;
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
            ResetFileCalls();
            ASSERT_TRUE(Set("S", "K", "old"));
        }
    }
}

TEST_F(Profile, AFileThatCannotBeReadOrWrittenIsNeverReplaced) {
    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    folder.WriteFile("app.INI", "[S]\nK=v\n");
    ::chmod(ini.c_str(), 0444);
    EXPECT_FALSE(Set("S", "K", "w"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EACCES));
    ::chmod(ini.c_str(), 0200);
    EXPECT_EQ(Get("S", "K"), "?");
    EXPECT_FALSE(Set("S", "K2", "w"));
    ::chmod(ini.c_str(), 0644);
    EXPECT_EQ(Text(), "[S]\nK=v\n");
}

TEST_F(Profile, ALinkedProfileIsUpdatedWhereItLives) {
    const std::string real = folder.WriteFile("real.ini", "[S]\nK=v\n");
    std::filesystem::create_symlink(real, ini);
    ASSERT_TRUE(Set("S", "K", "w"));
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(TempFolder::ReadFile(real), "[S]\nK=w\n");
}

TEST_F(Profile, TheSystemProfileAndBareNamesLiveInThePrivateConfigFolder) {
    ASSERT_TRUE(WriteProfileStringA("QRV_APP", "LastCommandLine", "/D /home a.fsf"));
    const std::string config = folder / "config/fablecore";
    EXPECT_EQ(TempFolder::ReadFile(config + "/win.ini"), "[QRV_APP]\nLastCommandLine=/D /home a.fsf\n");
    struct stat status;
    ASSERT_EQ(::stat(config.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    char buffer[64];
    EXPECT_EQ(GetProfileStringA("qrv_app", "lastcommandline", "", buffer, sizeof buffer), 14u);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "v", "bare.ini"));
    EXPECT_EQ(TempFolder::ReadFile(config + "/bare.ini"), "[S]\nK=v\n");
}

TEST_F(Profile, TheDefaultPrinterIsThePdfFilePrinterUntilTheEntrySaysOtherwise) {
    char buffer[64];
    EXPECT_EQ(GetProfileStringA("windows", "device", "", buffer, sizeof buffer), 18u);
    EXPECT_STREQ(buffer, "PDF File,pdf,FILE:");
    ASSERT_TRUE(WriteProfileStringA("windows", "device", ""));  // no printer
    EXPECT_EQ(GetProfileStringA("WINDOWS", "DEVICE", "", buffer, sizeof buffer), 0u);
    ASSERT_TRUE(WriteProfileStringA("windows", "device", "Office,pdf,LP:"));
    GetProfileStringA("windows", "device", "", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "Office,pdf,LP:");
    EXPECT_EQ(GetProfileStringA("windows", "spooler", "", buffer, sizeof buffer), 0u);  // only that key
}

TEST_F(Profile, TheProgramsProfileSitsBesideItUnlessThatFolderIsReadOnly) {
    const std::string programFolder = folder / "bin";
    std::filesystem::create_directory(programFolder);
    environment.Set("FABLECORE_PROGRAM_DIR", programFolder);
    std::string path;
    ASSERT_TRUE(GetProgramProfilePath(path));
    EXPECT_EQ(path, programFolder + "/platform_sys_tests.INI");

    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    ::chmod(programFolder.c_str(), 0555);
    ASSERT_TRUE(GetProgramProfilePath(path));
    EXPECT_EQ(path, folder / "config/fablecore/platform_sys_tests.INI");
}

}  // namespace
}  // namespace win
