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

BOOL FileReplacement::Begin(const char* path) {
    if (!path || !*path) return Fail(ENOENT);
    if (!FollowSymbolicLinks(path, target)) return FALSE;
    PathInfo existing;
    targetExists = GetPathInfo(target.c_str(), existing);
    if (targetExists && existing.isDirectory) return Fail(EISDIR);
    if (targetExists && !existing.isWritable) return Fail(EACCES);
    newFile = target + "." + std::to_string(::getpid()) + ".new";
    return TRUE;
}

BOOL FileReplacement::Commit() {
    if ((targetExists && !CopyFilePermissions(target.c_str(), newFile.c_str())) ||
        !RenameFile(newFile.c_str(), target.c_str())) {
        const DWORD error = GetLastError();
        Discard();
        return Fail(static_cast<int>(error));
    }
    return SyncFolder(FolderOf(target).c_str());
}

void FileReplacement::Discard() {
    if (!newFile.empty()) RemoveFile(newFile.c_str());
}

BOOL ReplaceFileContents(const char* path, std::string_view bytes) {
    FileReplacement replacement;
    if (!replacement.Begin(path)) return FALSE;
    const char* newFile = replacement.newFile.c_str();
    HFILE file = OpenFileHandle(newFile, FileOpenMode::kCreateNew);
    if (file == HFILE_ERROR && GetLastError() == EEXIST) {
        // Left by an earlier run that ended before renaming it: not anyone's file any more.
        RemoveFile(newFile);
        file = OpenFileHandle(newFile, FileOpenMode::kCreateNew);
    }
    if (file == HFILE_ERROR) return FALSE;
    if (!WriteAll(file, bytes)) {
        const DWORD error = GetLastError();
        replacement.Discard();
        return Fail(static_cast<int>(error));
    }
    return replacement.Commit();
}

}  // namespace win
