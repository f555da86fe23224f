#pragma once
// Native files: open, read, write, position, flush, sync and close, over the operating system's
// file descriptors. Each call that fails sets GetLastError to the system's error number.
//
// Sharing: an open file denies writing to every other opener. A file opened for reading shares
// with other readers; one opened for writing (or created) is the only opener. A conflicting open
// fails with EWOULDBLOCK and touches nothing, so creating over a file that is in use never empties
// it. The locks are advisory: they keep this program's own openers apart, in this process and in
// others.

#include <cstdint>

#include "platform/sys/WinTypes.h"

namespace win {

struct PathIdentity;  // FileSystem.h

using HFILE = int;
inline constexpr HFILE HFILE_ERROR = -1;

enum class FileOpenMode {
    kRead,       // an existing file, reading only
    kReadWrite,  // an existing file, reading and writing
    kCreate,     // created, or emptied when it exists; reading and writing
    kCreateNew,  // created; fails with EEXIST when the name is taken (never replaces a file)
};

enum class FileSeekFrom { kStart, kCurrent, kEnd };

// What opening found of the file it opened: the file's identity on its device, its length and when
// its contents and its status last changed (nanoseconds since the epoch). A file that kCreate
// emptied has the length 0.
struct OpenedFileFacts {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;

    friend bool operator==(const OpenedFileFacts&, const OpenedFileFacts&) = default;
};

// The path is program text (SystemNames.h). New files get the permissions 0666 less the process's
// umask. With facts, what the open found of the file is kept there.
HFILE OpenFileHandle(const char* path, FileOpenMode mode, OpenedFileFacts* facts = nullptr);

BOOL CloseFileHandle(HFILE file);

// Reads until count bytes are in or the end of the file is reached; answers the bytes read, or -1.
std::int64_t ReadFileHandle(HFILE file, void* buffer, std::uint64_t count);

// Writes all count bytes, or as many as the disk takes: answers the bytes written (fewer than count
// only with GetLastError set, ENOSPC for a full disk), or -1 when nothing could be written.
std::int64_t WriteFileHandle(HFILE file, const void* buffer, std::uint64_t count);

// Answers the new position from the start, or -1.
std::int64_t SeekFileHandle(HFILE file, std::int64_t offset, FileSeekFrom from);

// Hands what the program wrote to the system. Writes are not buffered in the program, so there is
// nothing to move, but the call can fail like any other (see FileFaults.h).
BOOL FlushFileHandle(HFILE file);

// Waits until the file's data is on the disk (fsync).
BOOL SyncFileHandle(HFILE file);

// The file's length in bytes, or -1.
std::int64_t GetFileHandleSize(HFILE file);

// Removes the file when no opener anywhere holds it open (its sharing lock can be taken): TRUE when
// it was removed. A file in use, one on a file system without locks and anything but a plain file
// are left alone (FALSE). With an identity, only the file of that identity goes, never another one
// that has taken its name.
BOOL DeleteFileIfUnheld(const char* path, const PathIdentity* identity = nullptr);

}  // namespace win
