// Names crossing between the program (Windows-1252) and the system (UTF-8): files, listings, the
// program's places and folders, each checked on disk by its system name.

#include "platform/sys/SystemNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/InstanceChannel.h"
#include "platform/sys/Profile.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
#include "platform/sys/UserFolders.h"
#include "support/ScopedCurrentFolder.h"
#include "support/ScopedEnv.h"

namespace win {
namespace {

const std::string kCafe = "Caf\xE9";               // program text
const std::string kCafeOnDisk = "Caf\xC3\xA9";     // its system name
const std::string kCyrillic = "\xD0\xA1\xD1\x8E";  // two letters Windows-1252 lacks

bool OnDisk(const std::string& systemPath) {
    struct stat status;
    return ::lstat(systemPath.c_str(), &status) == 0;
}

TEST(SystemNames, ASystemNameHasAProgramFormOnlyWhenEveryCharacterHasOne) {
    EXPECT_EQ(NameFromSystem("My Story.fsf"), "My Story.fsf");
    EXPECT_EQ(NameFromSystem(kCafeOnDisk), kCafe);
    EXPECT_EQ(NameFromSystem("\xE2\x82\xAC"), "\x80") << "the euro sign";
    EXPECT_EQ(NameFromSystem(kCyrillic), std::nullopt);
    EXPECT_EQ(NameFromSystem(kCafe), std::nullopt) << "not UTF-8";
    EXPECT_EQ(NameForSystem(kCafe), kCafeOnDisk);
}

TEST(SystemNames, AFileMadeUnderAnAccentedNameIsOnDiskUnderItsSystemNameAndReopens) {
    TempFolder folder;
    const std::string path = folder / (kCafe + ".fsf");
    HFILE file = OpenFileHandle(path.c_str(), FileOpenMode::kCreateNew);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_EQ(WriteFileHandle(file, "story", 5), 5);
    CloseFileHandle(file);
    EXPECT_TRUE(OnDisk(folder / (kCafeOnDisk + ".fsf")));
    EXPECT_FALSE(OnDisk(path)) << "not under the program's bytes";
    file = OpenFileHandle(path.c_str(), FileOpenMode::kRead);
    ASSERT_NE(file, HFILE_ERROR);
    char read[8] = {};
    EXPECT_EQ(ReadFileHandle(file, read, sizeof read), 5);
    CloseFileHandle(file);

    ASSERT_TRUE(ReplaceFileContents(path.c_str(), "draft 2"));
    EXPECT_EQ(TempFolder::ReadFile(folder / (kCafeOnDisk + ".fsf")), "draft 2");
    const std::string renamed = folder / "R\xE9sum\xE9.fsf";
    ASSERT_TRUE(RenameFile(path.c_str(), renamed.c_str()));
    PathInfo info;
    ASSERT_TRUE(GetPathInfo(renamed.c_str(), info));
    EXPECT_EQ(info.size, 7u);
    ASSERT_TRUE(RemoveFile(renamed.c_str()));
    EXPECT_FALSE(OnDisk(folder / "R\xC3\xA9sum\xC3\xA9.fsf"));
}

TEST(SystemNames, ALinkIsWrittenThroughOnlyToATargetTheProgramCanName) {
    TempFolder folder;
    folder.WriteFile(kCafeOnDisk + ".txt", "old");
    folder.WriteFile(kCyrillic + ".txt", "old");
    ASSERT_EQ(::symlink((folder / (kCafeOnDisk + ".txt")).c_str(), (folder / "named").c_str()), 0);
    ASSERT_EQ(::symlink((folder / (kCyrillic + ".txt")).c_str(), (folder / "unnamed").c_str()), 0);
    ASSERT_TRUE(ReplaceFileContents((folder / "named").c_str(), "new"));
    EXPECT_EQ(TempFolder::ReadFile(folder / (kCafeOnDisk + ".txt")), "new");
    EXPECT_FALSE(ReplaceFileContents((folder / "unnamed").c_str(), "new"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EILSEQ));
    EXPECT_EQ(TempFolder::ReadFile(folder / (kCyrillic + ".txt")), "old");
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(folder.Path().c_str(), entries, UnheldNames::kShown));
    EXPECT_EQ(entries.size(), 4u) << "no file made under another name";
}

TEST(SystemNames, ListingsAnswerProgramTextAndLeaveOutOrMarkWhatTheProgramCannotHold) {
    TempFolder folder;
    ASSERT_EQ(::mkdir((folder / kCafeOnDisk).c_str(), 0777), 0);
    const std::string inside = folder / kCafe;
    for (const std::string& name : {kCafeOnDisk + ".fsf", kCyrillic + ".fsf", std::string("\xE9t\xE9.fsf")})
        folder.WriteFile(kCafeOnDisk + "/" + name, "");
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(inside.c_str(), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, kCafe + ".fsf");
    EXPECT_TRUE(entries[0].isHeld && entries[0].isFile);

    entries.clear();
    ASSERT_TRUE(ListFolder(inside.c_str(), entries, UnheldNames::kShown));
    ASSERT_EQ(entries.size(), 3u);  // in the order of the system's bytes: C, 0xD0, 0xE9
    EXPECT_EQ(entries[1].name, "??.fsf");
    EXPECT_FALSE(entries[1].isHeld);
    EXPECT_EQ(entries[2].name, "?t?.fsf") << "not UTF-8";
    EXPECT_FALSE(entries[2].isHeld);

    std::string found;
    ASSERT_TRUE(FindNameInFolder(inside.c_str(), "CAF\xE9.FSF", found));
    EXPECT_EQ(found, kCafe + ".fsf");
    EXPECT_FALSE(FindNameInFolder(inside.c_str(), "??.fsf", found)) << "a name shown is no name to open";
}

TEST(SystemNames, TheProgramsPlacesAreProgramTextAndThoseItCannotHoldAreFound) {
    TempFolder folder;
    ScopedCurrentFolder restore;
    const std::string cafe = folder / kCafeOnDisk, cyrillic = folder / kCyrillic;
    ASSERT_EQ(::mkdir(cafe.c_str(), 0777), 0);
    ASSERT_EQ(::mkdir(cyrillic.c_str(), 0777), 0);
    char path[PATH_MAX];

    ASSERT_TRUE(SetCurrentDirectoryA((folder / kCafe).c_str()));
    ASSERT_GT(GetCurrentDirectoryA(sizeof path, path), 0u);
    EXPECT_EQ(path, folder / kCafe);
    ScopedEnv program("FABLECORE_PROGRAM_DIR", cafe);
    ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    EXPECT_EQ(path, folder / kCafe + "/platform_sys_tests");
    EXPECT_FALSE(FindUnheldPlace().has_value());

    ASSERT_EQ(::chdir(cyrillic.c_str()), 0);
    EXPECT_EQ(GetCurrentDirectoryA(sizeof path, path), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EILSEQ));
    std::optional<UnheldPlace> unheld = FindUnheldPlace();
    ASSERT_TRUE(unheld.has_value());
    EXPECT_EQ(unheld->place, ProgramPlace::kCurrentFolder);
    EXPECT_EQ(unheld->systemPath, cyrillic);

    ScopedEnv unheldProgram("FABLECORE_PROGRAM_DIR", cyrillic);
    EXPECT_EQ(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EILSEQ));
    unheld = FindUnheldPlace();
    ASSERT_TRUE(unheld.has_value());
    EXPECT_EQ(unheld->place, ProgramPlace::kProgram) << "the program's folder is named first";
    EXPECT_EQ(unheld->systemPath, cyrillic);

    ScopedEnv temporary("TMPDIR", cyrillic), other("TEMP", cafe);
    std::string temp;
    ASSERT_TRUE(GetTempFolderPath(temp));
    EXPECT_EQ(temp, folder / kCafe) << "a folder the program cannot hold is passed over";
}

TEST(SystemNames, UserFoldersProfilesAndTheInstanceChannelLiveUnderTheirSystemNames) {
    TempFolder folder;
    std::string found;
    {
        ScopedEnv home("HOME", folder / kCafeOnDisk + "/");
        ASSERT_TRUE(GetHomeFolder(found));
        EXPECT_EQ(found, folder / kCafe);
        ScopedEnv unheld("HOME", folder / kCyrillic);
        EXPECT_FALSE(GetHomeFolder(found));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(EILSEQ));
    }
    ScopedEnv config("XDG_CONFIG_HOME", folder / kCafeOnDisk);
    ASSERT_TRUE(GetConfigFolder(found));
    EXPECT_EQ(found, folder / kCafe + "/fablecore");
    ASSERT_TRUE(WritePrivateProfileStringA("Story", "Last", kCafe.c_str(), "notes.ini"));
    EXPECT_NE(TempFolder::ReadFile(folder / kCafeOnDisk + "/fablecore/notes.ini").find("Last=" + kCafe),
              std::string::npos)
        << "values stay program text";

    ScopedEnv runtime("XDG_RUNTIME_DIR", folder / kCafeOnDisk);
    const InstanceStart first = InstanceStart::Claim("names_test", HandOver{}, 100);
    ASSERT_NE(first.listener, nullptr);
    EXPECT_TRUE(OnDisk(folder / kCafeOnDisk + "/fablecore/names_test.socket"));

    ScopedEnv unheld("XDG_CONFIG_HOME", folder / kCyrillic);
    EXPECT_FALSE(GetConfigFolder(found));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(EILSEQ));
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(folder.Path().c_str(), entries, UnheldNames::kShown));
    EXPECT_EQ(entries.size(), 1u) << "no folder made under another name";
}

}  // namespace
}  // namespace win
