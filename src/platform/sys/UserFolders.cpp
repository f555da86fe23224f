#include "platform/sys/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

namespace win {
namespace {

constexpr const char* kProgramFolderName = "fablecore";

BOOL Fail(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return FALSE;
}

// The value of a variable that holds an absolute path, as program text. Unset, empty or relative:
// none, and the variable is taken as missing; a path the program cannot hold is a failure (EILSEQ).
bool AbsolutePathVariable(const char* name, std::optional<std::string>& path) {
    path.reset();
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return true;
    path = NameFromSystem(value);
    return path ? true : Fail(EILSEQ);
}

bool IsFolder(const std::string& path) {
    struct stat status;
    return ::stat(NameForSystem(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Makes the folder and every missing folder above it, each private to the user.
BOOL MakeFolders(const std::string& path) {
    if (IsFolder(path)) return TRUE;
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!IsFolder(part) && ::mkdir(NameForSystem(part).c_str(), 0700) != 0 && errno != EEXIST)
            return Fail(errno);
        if (slash == std::string::npos) break;
    }
    return IsFolder(path) ? TRUE : Fail(ENOTDIR);
}

std::string WithoutFinalSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

BOOL GetHomeFolder(std::string& folder) {
    std::optional<std::string> variable;
    if (!AbsolutePathVariable("HOME", variable)) return FALSE;
    if (variable) {
        folder = WithoutFinalSlash(std::move(*variable));
        return TRUE;
    }
    std::vector<char> buffer(16384);
    passwd user;
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &user, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || found->pw_dir[0] != '/')
        return Fail(ENOENT);
    std::optional<std::string> entry = NameFromSystem(found->pw_dir);
    if (!entry) return Fail(EILSEQ);
    folder = WithoutFinalSlash(std::move(*entry));
    return TRUE;
}

BOOL GetConfigFolder(std::string& folder) {
    std::optional<std::string> variable;
    std::string base;
    if (!AbsolutePathVariable("XDG_CONFIG_HOME", variable)) return FALSE;
    if (variable) {
        base = WithoutFinalSlash(std::move(*variable));
    } else if (GetHomeFolder(base)) {
        base += "/.config";
    } else {
        return FALSE;
    }
    const std::string path = (base == "/" ? "" : base) + "/" + kProgramFolderName;
    if (!MakeFolders(path)) return FALSE;
    folder = path;
    return TRUE;
}

BOOL GetRuntimeFolder(std::string& folder) {
    std::optional<std::string> runtime;
    if (AbsolutePathVariable("XDG_RUNTIME_DIR", runtime) && runtime && IsFolder(*runtime)) {
        const std::string base = WithoutFinalSlash(*runtime);
        const std::string path = (base == "/" ? "" : base) + "/" + kProgramFolderName;
        if (MakeFolders(path)) {
            folder = path;
            return TRUE;
        }
    }
    return GetConfigFolder(folder);
}

BOOL GetSettingsFolder(std::string& folder) {
    char program[PATH_MAX];
    if (GetModuleFileNameA(nullptr, program, sizeof program)) {
        // The program's path is absolute: its folder is what comes before the last slash.
        const std::string_view path = program;
        const std::size_t slash = path.rfind('/');
        const std::string programFolder(
            slash == 0 || slash == std::string_view::npos ? "/" : path.substr(0, slash));
        PathInfo info;
        if (GetPathInfo(programFolder.c_str(), info) && info.isDirectory && info.isWritable) {
            folder = programFolder;
            return TRUE;
        }
    }
    return GetConfigFolder(folder);
}

}  // namespace win
