#include "foundation/FileIdentity.h"

#include "foundation/FileRef.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"

FileIdentity::FileIdentity(const FileRef& file) {
    if (file.IsEmpty()) return;
    empty_ = false;
    path_ = file.GetFullPath();
    win::PathIdentity identity;
    if (win::GetPathIdentity(path_.c_str(), identity)) {
        exists_ = true;
        device_ = identity.device;
        inode_ = identity.inode;
    }
}

// The same file on disk when both exist, else the same full path; an empty FileRef names no file.
bool FileIdentity::IsSameFile(const FileRef& other) const {
    if (empty_ || other.IsEmpty()) return false;
    const std::string path = other.GetFullPath();
    win::PathIdentity identity;
    if (exists_ && win::GetPathIdentity(path.c_str(), identity))
        return identity.device == device_ && identity.inode == inode_;
    return path == path_;
}

bool FileIdentity::IsSameFile(const FileRef& other, const win::OpenedFileFacts& opened) const {
    if (empty_ || other.IsEmpty()) return false;
    if (exists_) return opened.device == device_ && opened.inode == inode_;
    return other.GetFullPath() == path_;
}
