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

std::string Query(const std::vector<char>& block, const char* subBlock) {
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), subBlock, &text, &length)) return "<none>";
    const std::string value = static_cast<const char*>(text);
    EXPECT_EQ(length, value.size() + 1) << subBlock;
    return value;
}

TEST(VersionInfo, OnlyTheProgramFileCarriesTheBuildsVersionAndNotice) {
    char program[PATH_MAX];
    ASSERT_NE(GetModuleFileNameA(nullptr, program, sizeof program), 0u);
    DWORD handle = 99;
    const DWORD size = GetFileVersionInfoSizeA(program, &handle);
    EXPECT_EQ(handle, 0u);
    std::vector<char> block(size, '\x55');
    ASSERT_GT(size, 0u);
    EXPECT_FALSE(GetFileVersionInfoA(program, 0, size - 1, block.data()));
    EXPECT_EQ(block[0], '\x55');
    ASSERT_TRUE(GetFileVersionInfoA(program, 0, size, block.data()));

    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\ProductVersion"), BUILD_PRODUCT_VERSION);
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\LegalCopyright"), Utf8ToCp1252(BUILD_COPYRIGHT));
    EXPECT_EQ(Query(block, "\\stringfileinfo\\040904e4\\legalcopyright"), Utf8ToCp1252(BUILD_COPYRIGHT));
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\ProductName"), "<none>");
    EXPECT_EQ(Query(block, "\\StringFileInfo\\04090000\\ProductVersion"), "<none>");

    TempFolder folder;
    const std::string other = folder.WriteFile("other", "x");
    EXPECT_EQ(GetFileVersionInfoSizeA(other.c_str(), &handle), 0u);
    EXPECT_FALSE(GetFileVersionInfoA(other.c_str(), 0, size, block.data()));
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, &handle), 0u);
}

}  // namespace
}  // namespace win
