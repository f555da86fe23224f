#include "platform/sys/SafeWrite.h"

#include <unistd.h>
#include <cerrno>
#include <string>

#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"

namespace win {
namespace {

BOOL Fail(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return FALSE;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes, flushes, syncs and closes; the file is closed whatever happens.
BOOL WriteAll(HFILE file, std::string_view bytes) {
    const bool written = WriteFileHandle(file, bytes.data(), bytes.size()) == std::int64_t(bytes.size()) &&
                         FlushFileHandle(file) && SyncFileHandle(file);
    const DWORD error = GetLastError();
    const bool closed = CloseFileHandle(file);
    if (!written) return Fail(static_cast<int>(error));
    return closed;
}

}  // namespace

BOOL ReplaceFileContents(const char* path, std::string_view bytes) {
    if (!path || !*path) return Fail(ENOENT);
    std::string target;
    if (!FollowSymbolicLinks(path, target)) return FALSE;
    PathInfo existing;
    const bool exists = GetPathInfo(target.c_str(), existing);
    if (exists && existing.isDirectory) return Fail(EISDIR);
    if (exists && !existing.isWritable) return Fail(EACCES);

    const std::string temporary = target + "." + std::to_string(::getpid()) + ".new";
    HFILE file = OpenFileHandle(temporary.c_str(), FileOpenMode::kCreateNew);
    if (file == HFILE_ERROR && GetLastError() == EEXIST) {
        // Left by an earlier run that ended before renaming it: not anyone's file any more.
        RemoveFile(temporary.c_str());
        file = OpenFileHandle(temporary.c_str(), FileOpenMode::kCreateNew);
    }
    if (file == HFILE_ERROR) return FALSE;
    if (!WriteAll(file, bytes) || (exists && !CopyFilePermissions(target.c_str(), temporary.c_str())) ||
        !RenameFile(temporary.c_str(), target.c_str())) {
        const DWORD error = GetLastError();
        RemoveFile(temporary.c_str());
        return Fail(static_cast<int>(error));
    }
    return SyncFolder(FolderOf(target).c_str());
}

}  // namespace win
