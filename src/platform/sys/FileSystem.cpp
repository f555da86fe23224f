#include "platform/sys/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include <algorithm>

#include "platform/sys/Cp1252.h"
#include "platform/sys/FileFaults.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

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

bool IsGiven(const char* path) { return path && *path; }

// An entry as the system names it, before its name becomes program text.
struct SystemEntry {
    std::string name;
    FolderEntry facts;
};

bool ReadFolder(const std::string& systemPath, std::vector<SystemEntry>& found) {
    DIR* folder = ::opendir(systemPath.c_str());
    if (!folder) return Fail(errno);
    const int folderFd = ::dirfd(folder);
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        SystemEntry item{entry->d_name, {}};
        struct stat status;
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            item.facts.isLink = S_ISLNK(status.st_mode);
            if (item.facts.isLink && ::fstatat(folderFd, entry->d_name, &status, 0) != 0) status.st_mode = 0;
            item.facts.isFile = S_ISREG(status.st_mode);
            item.facts.isDirectory = S_ISDIR(status.st_mode);
        }
        found.push_back(std::move(item));
        errno = 0;
    }
    const int error = errno;
    ::closedir(folder);
    return error == 0 ? TRUE : Fail(error);
}

}  // namespace

BOOL GetPathInfo(const char* path, PathInfo& info) {
    if (const int injected = CountFileCall(FileCall::kLookUp)) return Fail(injected);
    if (!IsGiven(path)) return Fail(ENOENT);
    const std::string systemPath = NameForSystem(path);
    struct stat status;
    if (::stat(systemPath.c_str(), &status) != 0) return Fail(errno);
    info.isDirectory = S_ISDIR(status.st_mode);
    info.isWritable = ::faccessat(AT_FDCWD, systemPath.c_str(), W_OK, AT_EACCESS) == 0;
    info.size = static_cast<std::uint64_t>(status.st_size);
    info.device = static_cast<std::uint64_t>(status.st_dev);
    info.inode = static_cast<std::uint64_t>(status.st_ino);
    return TRUE;
}

BOOL GetPathIdentity(const char* path, PathIdentity& identity) {
    if (const int injected = CountFileCall(FileCall::kLookUp)) return Fail(injected);
    if (!IsGiven(path)) return Fail(ENOENT);
    struct stat status;
    if (::stat(NameForSystem(path).c_str(), &status) != 0) return Fail(errno);
    identity.device = static_cast<std::uint64_t>(status.st_dev);
    identity.inode = static_cast<std::uint64_t>(status.st_ino);
    return TRUE;
}

BOOL RemoveFile(const char* path) {
    if (const int injected = CountFileCall(FileCall::kRemove)) return Fail(injected);
    if (!IsGiven(path)) return Fail(ENOENT);
    if (::unlink(NameForSystem(path).c_str()) != 0) return Fail(errno);
    return TRUE;
}

BOOL RenameFile(const char* from, const char* to) {
    if (const int injected = CountFileCall(FileCall::kRename)) return Fail(injected);
    if (!IsGiven(from) || !IsGiven(to)) return Fail(ENOENT);
    if (::rename(NameForSystem(from).c_str(), NameForSystem(to).c_str()) != 0) return Fail(errno);
    return TRUE;
}

BOOL FollowSymbolicLinks(const char* path, std::string& target) {
    if (!IsGiven(path)) return Fail(ENOENT);
    constexpr int kMostLinks = 40;
    std::string current = NameForSystem(path);
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat status;
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            std::optional<std::string> name = NameFromSystem(current);
            if (!name) return Fail(EILSEQ);
            target = std::move(*name);
            return TRUE;
        }
        std::string leadsTo(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1, '\0');
        ssize_t length;
        while ((length = ::readlink(current.c_str(), leadsTo.data(), leadsTo.size())) ==
               static_cast<ssize_t>(leadsTo.size())) {
            leadsTo.resize(leadsTo.size() * 2);  // the link changed since it was looked at
        }
        if (length <= 0) return Fail(length < 0 ? errno : ENOENT);
        leadsTo.resize(static_cast<std::size_t>(length));
        if (leadsTo.front() != '/') {
            const std::size_t slash = current.rfind('/');
            leadsTo.insert(0, slash == std::string::npos ? std::string() : current.substr(0, slash + 1));
        }
        current = std::move(leadsTo);
    }
    return Fail(ELOOP);
}

BOOL CopyFilePermissions(const char* from, const char* to) {
    if (!IsGiven(from) || !IsGiven(to)) return Fail(ENOENT);
    struct stat status;
    if (::stat(NameForSystem(from).c_str(), &status) != 0) return Fail(errno);
    if (::chmod(NameForSystem(to).c_str(), status.st_mode & 07777) != 0) return Fail(errno);
    return TRUE;
}

BOOL SyncFolder(const char* path) {
    if (const int injected = CountFileCall(FileCall::kSync)) return Fail(injected);
    if (!IsGiven(path)) return Fail(ENOENT);
    const int fd = ::open(NameForSystem(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Fail(errno);
    // Some file systems cannot sync a folder; they say so with EINVAL, which is not a failure.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    return synced ? TRUE : Fail(error);
}

BOOL ListFolder(const char* path, std::vector<FolderEntry>& entries, UnheldNames unheld) {
    if (!IsGiven(path)) return Fail(ENOENT);
    std::vector<SystemEntry> found;
    if (!ReadFolder(NameForSystem(path), found)) return FALSE;
    std::sort(found.begin(), found.end(),
              [](const SystemEntry& a, const SystemEntry& b) { return a.name < b.name; });
    for (SystemEntry& entry : found) {
        std::optional<std::string> name = NameFromSystem(entry.name);
        if (!name && unheld == UnheldNames::kLeftOut) continue;
        entry.facts.isHeld = name.has_value();
        entry.facts.name = name ? std::move(*name) : Utf8ToCp1252(entry.name);
        entries.push_back(std::move(entry.facts));
    }
    return TRUE;
}

BOOL FindNameInFolder(const char* folder, const char* name, std::string& found) {
    if (!folder || !IsGiven(name)) return Fail(ENOENT);
    std::string exact = folder;
    if (exact.empty() || exact.back() != '/') exact += '/';
    exact += name;
    struct stat status;
    if (::stat(NameForSystem(exact).c_str(), &status) == 0) {
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

}  // namespace win
