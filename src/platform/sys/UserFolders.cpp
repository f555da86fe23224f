#include "platform/sys/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"

namespace win {
namespace {

constexpr const char* kProgramFolderName = "fablecore";

BOOL Fail(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return FALSE;
}

// The variable's value when it holds an absolute path.
const char* AbsolutePathVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : nullptr;
}

bool IsFolder(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool HomeFolder(std::string& home) {
    if (const char* value = AbsolutePathVariable("HOME")) {
        home = value;
        return true;
    }
    std::vector<char> buffer(16384);
    passwd entry;
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || found->pw_dir[0] != '/')
        return false;
    home = found->pw_dir;
    return true;
}

// Makes the folder and every missing folder above it, each private to the user.
BOOL MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!IsFolder(part) && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return Fail(errno);
        if (slash == std::string::npos) break;
    }
    return IsFolder(path) ? TRUE : Fail(ENOTDIR);
}

std::string WithoutFinalSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

BOOL GetConfigFolder(std::string& folder) {
    std::string base;
    if (const char* value = AbsolutePathVariable("XDG_CONFIG_HOME")) {
        base = WithoutFinalSlash(value);
    } else if (HomeFolder(base)) {
        base = WithoutFinalSlash(base) + "/.config";
    } else {
        return Fail(ENOENT);
    }
    const std::string path = (base == "/" ? "" : base) + "/" + kProgramFolderName;
    if (!MakeFolders(path)) return FALSE;
    folder = path;
    return TRUE;
}

BOOL GetRuntimeFolder(std::string& folder) {
    const char* runtime = AbsolutePathVariable("XDG_RUNTIME_DIR");
    if (runtime && IsFolder(runtime)) {
        const std::string base = WithoutFinalSlash(runtime);
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
        std::string programFolder = program;
        programFolder.resize(programFolder.rfind('/'));
        if (programFolder.empty()) programFolder = "/";
        PathInfo info;
        if (GetPathInfo(programFolder.c_str(), info) && info.isDirectory && info.isWritable) {
            folder = programFolder;
            return TRUE;
        }
    }
    return GetConfigFolder(folder);
}

}  // namespace win
