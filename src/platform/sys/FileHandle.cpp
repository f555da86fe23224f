#include "platform/sys/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <algorithm>
#include <string>

#include "platform/sys/FileFaults.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

namespace win {
namespace {

// Longest single system read or write; larger requests loop.
constexpr std::uint64_t kMaxTransfer = 1u << 30;

template <typename T>
T Fail(int errorNumber, T result) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return result;
}

int OpenFlags(FileOpenMode mode) {
    switch (mode) {
        case FileOpenMode::kRead: return O_RDONLY;
        case FileOpenMode::kReadWrite: return O_RDWR;
        case FileOpenMode::kCreate: return O_RDWR | O_CREAT;
        case FileOpenMode::kCreateNew: return O_RDWR | O_CREAT | O_EXCL;
    }
    return O_RDONLY;
}

// Takes the sharing lock of an open descriptor: shared for readers, exclusive for writers. File
// systems without locks are used without them.
bool TakeSharingLock(int fd, FileOpenMode mode) {
    struct flock lock = {};
    lock.l_type = mode == FileOpenMode::kRead ? F_RDLCK : F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
    const int error = errno;
    if (error == EAGAIN || error == EACCES) {
        errno = EWOULDBLOCK;
        return false;
    }
    return true;  // ENOLCK, EINVAL: no locking here
}

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

HFILE OpenFileHandle(const char* path, FileOpenMode mode, OpenedFileFacts* facts) {
    if (const int injected = CountFileCall(FileCall::kOpen)) return Fail(injected, HFILE_ERROR);
    if (!path || !*path) return Fail(ENOENT, HFILE_ERROR);
    const std::string systemPath = NameForSystem(path);
    int fd;
    do {
        fd = ::open(systemPath.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return Fail(errno, HFILE_ERROR);

    struct stat info;
    const int statError = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    if (statError != 0) {
        ::close(fd);
        return Fail(statError, HFILE_ERROR);
    }
    if (!TakeSharingLock(fd, mode)) {
        const int error = errno;
        ::close(fd);
        return Fail(error, HFILE_ERROR);
    }
    // Emptied only once the lock is ours, so a file in use elsewhere is never cut.
    if (mode == FileOpenMode::kCreate && ::ftruncate(fd, 0) != 0) {
        const int error = errno;
        ::close(fd);
        return Fail(error, HFILE_ERROR);
    }
    if (facts) {
        facts->device = static_cast<std::uint64_t>(info.st_dev);
        facts->inode = static_cast<std::uint64_t>(info.st_ino);
        facts->size = mode == FileOpenMode::kCreate ? 0 : static_cast<std::uint64_t>(info.st_size);
        facts->modified = Nanoseconds(info.st_mtim);
        facts->changed = Nanoseconds(info.st_ctim);
    }
    return fd;
}

BOOL CloseFileHandle(HFILE file) {
    if (file < 0) return Fail(EBADF, FALSE);
    // The descriptor is gone whatever close answers; EINTR must not be retried on Linux.
    if (::close(file) != 0 && errno != EINTR) return Fail(errno, FALSE);
    return TRUE;
}

std::int64_t ReadFileHandle(HFILE file, void* buffer, std::uint64_t count) {
    if (const int injected = CountFileCall(FileCall::kRead)) return Fail(injected, std::int64_t{-1});
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::uint64_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(file, bytes + done, std::min(count - done, kMaxTransfer));
        if (got < 0) {
            if (errno == EINTR) continue;
            return Fail(errno, std::int64_t{-1});
        }
        if (got == 0) break;  // end of file
        done += static_cast<std::uint64_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t WriteFileHandle(HFILE file, const void* buffer, std::uint64_t count) {
    if (const int injected = CountFileCall(FileCall::kWrite)) return Fail(injected, std::int64_t{-1});
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::uint64_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(file, bytes + done, std::min(count - done, kMaxTransfer));
        if (put < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            return Fail(error, done > 0 ? static_cast<std::int64_t>(done) : std::int64_t{-1});
        }
        if (put == 0) return Fail(ENOSPC, static_cast<std::int64_t>(done));
        done += static_cast<std::uint64_t>(put);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t SeekFileHandle(HFILE file, std::int64_t offset, FileSeekFrom from) {
    const int whence = from == FileSeekFrom::kStart     ? SEEK_SET
                       : from == FileSeekFrom::kCurrent ? SEEK_CUR
                                                        : SEEK_END;
    const off_t position = ::lseek(file, static_cast<off_t>(offset), whence);
    if (position < 0) return Fail(errno, std::int64_t{-1});
    return static_cast<std::int64_t>(position);
}

BOOL FlushFileHandle(HFILE file) {
    if (const int injected = CountFileCall(FileCall::kFlush)) return Fail(injected, FALSE);
    if (::fcntl(file, F_GETFD) < 0) return Fail(errno, FALSE);
    return TRUE;
}

BOOL SyncFileHandle(HFILE file) {
    if (const int injected = CountFileCall(FileCall::kSync)) return Fail(injected, FALSE);
    if (::fsync(file) != 0) return Fail(errno, FALSE);
    return TRUE;
}

std::int64_t GetFileHandleSize(HFILE file) {
    struct stat info;
    if (::fstat(file, &info) != 0) return Fail(errno, std::int64_t{-1});
    return static_cast<std::int64_t>(info.st_size);
}

BOOL DeleteFileIfUnheld(const char* path, const PathIdentity* identity) {
    if (!path || !*path) return Fail(ENOENT, FALSE);
    const std::string systemPath = NameForSystem(path);
    const int fd = ::open(systemPath.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return Fail(errno, FALSE);
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    struct stat open, named;
    bool removable = ::fcntl(fd, F_OFD_SETLK, &lock) == 0 && ::fstat(fd, &open) == 0 &&
                     S_ISREG(open.st_mode) && ::lstat(systemPath.c_str(), &named) == 0 &&
                     open.st_dev == named.st_dev && open.st_ino == named.st_ino &&
                     (!identity || *identity == PathIdentity{open.st_dev, open.st_ino});
    // Removed while the lock is ours: an opener that comes now finds the name gone.
    if (removable) removable = ::unlink(systemPath.c_str()) == 0;
    const int error = errno;
    ::close(fd);
    return removable ? TRUE : Fail(error == 0 ? EWOULDBLOCK : error, FALSE);
}

}  // namespace win
