#include "platform/sys/Profile.h"

#include <strings.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/ProfileText.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysError.h"
#include "platform/sys/UserFolders.h"

namespace win {
namespace {

constexpr const char* kSystemProfile = "win.ini";
// No profile grows this large; a larger file is taken for something else and left alone.
constexpr std::int64_t kMaxProfileSize = 16 << 20;

BOOL Fail(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return FALSE;
}

bool ProfilePath(LPCSTR fileName, std::string& path) {
    if (!fileName) fileName = kSystemProfile;
    if (!*fileName) return Fail(ENOENT);
    if (std::strchr(fileName, '/')) {
        path = fileName;
        return true;
    }
    std::string folder;
    if (!GetConfigFolder(folder)) return false;
    path = folder + "/" + fileName;
    return true;
}

// The file's text; a missing file is empty. False when it exists but cannot be read.
bool ReadProfileFile(const std::string& path, std::string& text) {
    text.clear();
    const HFILE file = OpenFileHandle(path.c_str(), FileOpenMode::kRead);
    if (file == HFILE_ERROR) return GetLastError() == ENOENT;
    const std::int64_t size = GetFileHandleSize(file);
    bool read = size >= 0 && size <= kMaxProfileSize;
    if (read) {
        text.resize(static_cast<std::size_t>(size));
        read = ReadFileHandle(file, text.data(), text.size()) == size;
    } else if (size > kMaxProfileSize) {
        SetLastError(EFBIG);
    }
    const DWORD error = GetLastError();
    CloseFileHandle(file);
    SetLastError(error);
    return read;
}

// The profile as the file holds it now: empty when the file is missing or cannot be read.
ProfileText LoadProfile(LPCSTR fileName) {
    std::string path, text;
    if (!ProfilePath(fileName, path) || !ReadProfileFile(path, text)) return ProfileText();
    return ProfileText(text);
}

DWORD CopyText(std::string_view text, LPSTR buffer, DWORD size) {
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    std::string list;
    for (const std::string& name : names) list.append(name).append(1, '\0');
    if (list.size() < size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        if (list.empty() && size > 1) buffer[1] = '\0';
        return static_cast<DWORD>(list.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

std::string_view DefaultText(LPCSTR defaultValue) {
    std::string_view text = defaultValue ? defaultValue : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

UINT ParseNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : UINT_MAX;
    std::uint64_t number = 0;
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        number = std::min(number * base + digit, limit);
    }
    return static_cast<UINT>(negative ? 0 - number : number);
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName) {
    if (!buffer || size == 0) return 0;
    const ProfileText profile = LoadProfile(fileName);
    if (!section) return CopyList(profile.SectionNames(), buffer, size);
    if (!key) return CopyList(profile.KeyNames(section), buffer, size);
    const std::optional<std::string> value = profile.Value(section, key);
    return CopyText(value ? std::string_view(*value) : DefaultText(defaultValue), buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
    if (!section || !key) return static_cast<UINT>(defaultValue);
    const std::optional<std::string> value = LoadProfile(fileName).Value(section, key);
    if (!value || value->empty()) return static_cast<UINT>(defaultValue);
    return ParseNumber(*value);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    if (!section && !key && !value) return TRUE;  // nothing is held back to be written later
    if (!section || !ProfileText::IsValidSectionName(section) || (key && !ProfileText::IsValidKeyName(key)) ||
        (key && value && !ProfileText::IsValidValue(value)))
        return Fail(EINVAL);
    std::string path, text;
    if (!ProfilePath(fileName, path) || !ReadProfileFile(path, text)) return FALSE;
    ProfileText profile(text);
    const bool changed = !key     ? profile.DeleteSection(section)
                         : !value ? profile.DeleteKey(section, key)
                                  : profile.SetValue(section, key, value);
    if (!changed) return TRUE;
    return ReplaceFileContents(path.c_str(), profile.Text());
}

DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) {
    // Until the user names another, the default printer is the one that writes PDF files; an empty
    // entry means no printer.
    if (section && key && strcasecmp(section, "windows") == 0 && strcasecmp(key, "device") == 0)
        defaultValue = "PDF File,pdf,FILE:";
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, nullptr);
}

BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value) {
    return WritePrivateProfileStringA(section, key, value, nullptr);
}

BOOL GetProgramProfilePath(std::string& path) {
    char program[PATH_MAX];
    std::string folder;
    if (!GetModuleFileNameA(nullptr, program, sizeof program) || !GetSettingsFolder(folder)) return FALSE;
    path = folder + "/" + (std::strrchr(program, '/') + 1) + ".INI";
    return TRUE;
}

}  // namespace win
