#include "platform/sys/VersionInfo.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/sys/Cp1252.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"

namespace win {
namespace {

// The values come from the build as UTF-8 and are kept as the program's text, Windows-1252.
// The block: its size (4 bytes, this machine's order), a mark, then "path\0value\0" pairs and a
// final NUL.
constexpr std::string_view kMark = "FVB1";
constexpr std::size_t kHeaderSize = 4 + kMark.size();
constexpr std::string_view kStringTable = "\\StringFileInfo\\040904E4\\";

struct StringValue {
    const char* name;
    const char* text;
};
constexpr StringValue kStrings[] = {
    {"ProductVersion", FABLECORE_PRODUCT_VERSION},
    {"LegalCopyright", FABLECORE_COPYRIGHT},
};

const std::string& Block() {
    static const std::string block = [] {
        std::string bytes(kHeaderSize, '\0');
        for (const StringValue& value : kStrings) {
            bytes.append(kStringTable).append(value.name).append(1, '\0');
            bytes.append(Utf8ToCp1252(value.text)).append(1, '\0');
        }
        bytes.append(1, '\0');
        const auto size = static_cast<std::uint32_t>(bytes.size());
        std::memcpy(bytes.data(), &size, sizeof size);
        std::memcpy(bytes.data() + 4, kMark.data(), kMark.size());
        return bytes;
    }();
    return block;
}

bool IsProgramFile(const char* path) {
    char program[PATH_MAX];
    if (!path || !*path || !GetModuleFileNameA(nullptr, program, sizeof program)) return false;
    if (std::strcmp(path, program) == 0) return true;
    PathInfo asked, own;
    return GetPathInfo(path, asked) && GetPathInfo(program, own) && asked.device == own.device &&
           asked.inode == own.inode;
}

BOOL NoBlock() {
    SetLastError(ENOENT);
    return FALSE;
}

}  // namespace

DWORD GetFileVersionInfoSizeA(const char* path, DWORD* handle) {
    if (handle) *handle = 0;
    if (!IsProgramFile(path)) return NoBlock();
    return static_cast<DWORD>(Block().size());
}

BOOL GetFileVersionInfoA(const char* path, DWORD, DWORD size, void* data) {
    if (!IsProgramFile(path)) return NoBlock();
    const std::string& block = Block();
    if (!data || size < block.size()) {
        SetLastError(ENOSPC);
        return FALSE;
    }
    std::memcpy(data, block.data(), block.size());
    return TRUE;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length) {
    if (!block || !subBlock || !buffer || !length) return FALSE;
    const char* bytes = static_cast<const char*>(block);
    std::uint32_t size = 0;
    std::memcpy(&size, bytes, sizeof size);
    if (size < kHeaderSize + 1 || std::string_view(bytes + 4, kMark.size()) != kMark) return FALSE;
    const char* end = bytes + size - 1;  // the final NUL
    for (const char* at = bytes + kHeaderSize; at < end;) {
        const std::string_view path(at);
        const char* text = at + path.size() + 1;
        const std::size_t textLength = std::strlen(text);
        if (Cp1252EqualNoCase(path, subBlock)) {
            *buffer = const_cast<char*>(text);
            *length = static_cast<UINT>(textLength + 1);
            return TRUE;
        }
        at = text + textLength + 1;
    }
    return FALSE;
}

}  // namespace win
