#include "platform/sys/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <algorithm>

#include "platform/sys/FileFaults.h"
#include "platform/sys/SysError.h"

namespace win {
namespace {

BOOL Fail(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return FALSE;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(const std::string& a, const char* b) {
    const std::size_t length = std::strlen(b);
    if (a.size() != length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool IsExistingFolder(const char* path) {
    struct stat info;
    return path && path[0] == '/' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// Copies text and a NUL when they fit; answers the length, or 0.
DWORD CopyOut(const std::string& text, char* buffer, DWORD size) {
    if (!buffer || text.size() >= size) return Fail(ENAMETOOLONG);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

}  // namespace

BOOL GetPathInfo(const char* path, PathInfo& info) {
    if (!path || !*path) return Fail(ENOENT);
    struct stat status;
    if (::stat(path, &status) != 0) return Fail(errno);
    info.isDirectory = S_ISDIR(status.st_mode);
    info.isWritable = ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) == 0;
    info.size = static_cast<std::uint64_t>(status.st_size);
    info.device = static_cast<std::uint64_t>(status.st_dev);
    info.inode = static_cast<std::uint64_t>(status.st_ino);
    return TRUE;
}

BOOL RemoveFile(const char* path) {
    if (const int injected = CountFileCall(FileCall::kRemove)) return Fail(injected);
    if (!path || !*path) return Fail(ENOENT);
    if (::unlink(path) != 0) return Fail(errno);
    return TRUE;
}

BOOL RenameFile(const char* from, const char* to) {
    if (const int injected = CountFileCall(FileCall::kRename)) return Fail(injected);
    if (!from || !*from || !to || !*to) return Fail(ENOENT);
    if (::rename(from, to) != 0) return Fail(errno);
    return TRUE;
}

BOOL CopyFilePermissions(const char* from, const char* to) {
    if (!from || !*from || !to || !*to) return Fail(ENOENT);
    struct stat status;
    if (::stat(from, &status) != 0) return Fail(errno);
    if (::chmod(to, status.st_mode & 07777) != 0) return Fail(errno);
    return TRUE;
}

BOOL SyncFolder(const char* path) {
    if (const int injected = CountFileCall(FileCall::kSync)) return Fail(injected);
    if (!path || !*path) return Fail(ENOENT);
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    // Some file systems cannot sync a folder; they say so with EINVAL, which is not a failure.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    return synced ? TRUE : Fail(error);
}

BOOL ListFolder(const char* path, std::vector<FolderEntry>& entries) {
    if (!path || !*path) return Fail(ENOENT);
    DIR* folder = ::opendir(path);
    if (!folder) return Fail(errno);
    const int folderFd = ::dirfd(folder);
    std::vector<FolderEntry> found;
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        FolderEntry item;
        item.name = entry->d_name;
        struct stat status;
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            item.isLink = S_ISLNK(status.st_mode);
            if (item.isLink && ::fstatat(folderFd, entry->d_name, &status, 0) != 0) status.st_mode = 0;
            item.isFile = S_ISREG(status.st_mode);
            item.isDirectory = S_ISDIR(status.st_mode);
        }
        found.push_back(std::move(item));
        errno = 0;
    }
    const int error = errno;
    ::closedir(folder);
    if (error != 0) return Fail(error);
    std::sort(found.begin(), found.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    entries.insert(entries.end(), std::make_move_iterator(found.begin()),
                   std::make_move_iterator(found.end()));
    return TRUE;
}

BOOL FindNameInFolder(const char* folder, const char* name, std::string& found) {
    if (!folder || !name || !*name) return Fail(ENOENT);
    std::string exact = folder;
    if (exact.empty() || exact.back() != '/') exact += '/';
    exact += name;
    struct stat status;
    if (::stat(exact.c_str(), &status) == 0) {
        found = name;
        return TRUE;
    }
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries)) return FALSE;
    for (const FolderEntry& entry : entries) {
        if (EqualNoCase(entry.name, name)) {
            found = entry.name;
            return TRUE;
        }
    }
    return Fail(ENOENT);
}

DWORD GetCurrentDirectoryA(DWORD size, char* buffer) {
    std::string path(PATH_MAX, '\0');
    if (!::getcwd(path.data(), path.size())) return Fail(errno);
    path.resize(std::strlen(path.c_str()));
    if (!buffer || path.size() >= size) return static_cast<DWORD>(path.size() + 1);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

BOOL SetCurrentDirectoryA(const char* path) {
    if (!path || !*path) return Fail(ENOENT);
    if (::chdir(path) != 0) return Fail(errno);
    return TRUE;
}

DWORD GetModuleFileNameA(HMODULE, char* buffer, DWORD size) {
    std::string path(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return Fail(length < 0 ? errno : ENOENT);
    path.resize(static_cast<std::size_t>(length));
    const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
    if (folder && *folder) {
        std::string moved = folder;
        if (moved.back() != '/') moved += '/';
        moved += path.substr(path.rfind('/') + 1);
        path = std::move(moved);
    }
    return CopyOut(path, buffer, size);
}

BOOL GetTempFolderPath(std::string& folder) {
    for (const char* variable : {"TMPDIR", "TEMP", "TMP"}) {
        const char* value = std::getenv(variable);
        if (IsExistingFolder(value)) {
            folder = value;
            return TRUE;
        }
    }
    if (IsExistingFolder("/tmp")) {
        folder = "/tmp";
        return TRUE;
    }
    return Fail(ENOENT);
}

}  // namespace win
