#include "platform/sys/VersionInfo.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/sys/Cp1252.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/TempFolder.h"

namespace win {
namespace {

std::string ProgramPath() {
    char path[PATH_MAX];
    return GetModuleFileNameA(nullptr, path, sizeof path) ? path : "";
}

// The program's block, or an empty one when it cannot be read.
std::vector<char> ReadBlock(const std::string& path) {
    DWORD handle = 99;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    EXPECT_EQ(handle, 0u);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), handle, size, block.data())) block.clear();
    return block;
}

std::string Query(const std::vector<char>& block, const char* subBlock) {
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), subBlock, &text, &length)) return "<none>";
    const std::string value = static_cast<const char*>(text);
    EXPECT_EQ(length, value.size() + 1) << subBlock;
    return value;
}

TEST(VersionInfo, TheProgramFileCarriesTheBuildsVersionAndNotice) {
    const std::vector<char> block = ReadBlock(ProgramPath());
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\ProductVersion"), BUILD_PRODUCT_VERSION);
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\LegalCopyright"), Utf8ToCp1252(BUILD_COPYRIGHT));
    EXPECT_EQ(Query(block, "\\stringfileinfo\\040904e4\\legalcopyright"), Utf8ToCp1252(BUILD_COPYRIGHT));
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\ProductName"), "<none>");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\"), "<none>");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\04090000\\ProductVersion"), "<none>");
}

TEST(VersionInfo, OtherFilesHaveNoBlockAndASmallBufferGetsNothing) {
    TempFolder folder;
    const std::string other = folder.WriteFile("other", "x");
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeA(other.c_str(), &handle), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, &handle), 0u);

    const std::string program = ProgramPath();
    const DWORD size = GetFileVersionInfoSizeA(program.c_str(), &handle);
    std::vector<char> block(size, '\x55');
    EXPECT_FALSE(GetFileVersionInfoA(program.c_str(), 0, size - 1, block.data()));
    EXPECT_EQ(block[0], '\x55');
    EXPECT_FALSE(GetFileVersionInfoA(other.c_str(), 0, size, block.data()));
}

}  // namespace
}  // namespace win
