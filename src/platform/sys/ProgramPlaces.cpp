// The program's places (FileSystem.h): the current folder, the program file, the temporary folder,
// and the places the program cannot hold.

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <algorithm>

#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

namespace win {
namespace {

BOOL Fail(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return FALSE;
}

bool IsExistingFolder(const char* systemPath) {
    struct stat info;
    return systemPath && systemPath[0] == '/' && ::stat(systemPath, &info) == 0 && S_ISDIR(info.st_mode);
}

// The file the system started the program from, as it names it, or why it cannot tell. Asked once:
// the program is taken to stay where it was started from, as its folders are found from there.
struct StartedFile {
    std::string path;
    int error = 0;
};

const StartedFile& ProgramStartedFrom() {
    static const StartedFile started = [] {
        StartedFile file;
        std::string path(PATH_MAX, '\0');
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
        if (length <= 0) {
            file.error = length == 0 ? ENOENT : errno;
        } else {
            path.resize(static_cast<std::size_t>(length));
            file.path = std::move(path);
        }
        return file;
    }();
    return started;
}

// The program file's path as the system names it; false with errno set when it cannot be found.
bool SystemProgramPath(std::string& path) {
    const StartedFile& started = ProgramStartedFrom();
    if (started.error != 0) {
        errno = started.error;
        return false;
    }
    path = started.path;
    const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
    if (folder && *folder) {
        std::string moved = folder;
        if (moved.back() != '/') moved += '/';
        moved += path.substr(path.rfind('/') + 1);
        path = std::move(moved);
    }
    return true;
}

// The current folder as the system names it; false with errno set when it cannot be read.
bool SystemCurrentFolder(std::string& path) {
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder)) return false;
    path = folder;
    return true;
}

}  // namespace

DWORD GetCurrentDirectoryA(DWORD size, char* buffer) {
    std::string systemPath;
    if (!SystemCurrentFolder(systemPath)) return Fail(errno);
    const std::optional<std::string> path = NameFromSystem(systemPath);
    if (!path) return Fail(EILSEQ);
    if (!buffer || path->size() >= size) return static_cast<DWORD>(path->size() + 1);
    std::memcpy(buffer, path->c_str(), path->size() + 1);
    return static_cast<DWORD>(path->size());
}

BOOL SetCurrentDirectoryA(const char* path) {
    if (!path || !*path) return Fail(ENOENT);
    if (::chdir(NameForSystem(path).c_str()) != 0) return Fail(errno);
    return TRUE;
}

DWORD GetModuleFileNameA(HMODULE, char* buffer, DWORD size) {
    std::string systemPath;
    if (!SystemProgramPath(systemPath)) return Fail(errno);
    const std::optional<std::string> path = NameFromSystem(systemPath);
    if (!path) return Fail(EILSEQ);
    // A cut path would name another file.
    if (!buffer || path->size() >= size) return Fail(ENAMETOOLONG);
    std::memcpy(buffer, path->c_str(), path->size() + 1);
    return static_cast<DWORD>(path->size());
}

BOOL GetTempFolderPath(std::string& folder) {
    for (const char* variable : {"TMPDIR", "TEMP", "TMP"}) {
        const char* value = std::getenv(variable);
        if (!IsExistingFolder(value)) continue;
        if (std::optional<std::string> path = NameFromSystem(value)) {
            folder = std::move(*path);
            return TRUE;
        }
    }
    if (IsExistingFolder("/tmp")) {
        folder = "/tmp";
        return TRUE;
    }
    return Fail(ENOENT);
}

std::optional<UnheldPlace> FindUnheldPlace() {
    std::string path;
    if (SystemProgramPath(path) && !NameFromSystem(path)) {
        const std::string folder = path.substr(0, std::max<std::size_t>(path.rfind('/'), 1));
        return UnheldPlace{ProgramPlace::kProgram, NameFromSystem(folder) ? path : folder};
    }
    if (SystemCurrentFolder(path) && !NameFromSystem(path))
        return UnheldPlace{ProgramPlace::kCurrentFolder, path};
    return std::nullopt;
}

}  // namespace win
