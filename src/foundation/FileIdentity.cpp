#include "foundation/FileIdentity.h"

#include "foundation/FileRef.h"
#include "platform/sys/FileSystem.h"

FileIdentity::FileIdentity(const FileRef& file) {
    if (file.IsEmpty()) return;
    empty_ = false;
    path_ = file.GetFullPath();
    win::PathInfo info;
    if (win::GetPathInfo(path_.c_str(), info)) {
        exists_ = true;
        device_ = info.device;
        inode_ = info.inode;
    }
}

// The same file on disk when both exist, else the same full path; an empty FileRef names no file.
bool FileIdentity::IsSameFile(const FileRef& other) const {
    if (empty_ || other.IsEmpty()) return false;
    const std::string path = other.GetFullPath();
    win::PathInfo info;
    if (exists_ && win::GetPathInfo(path.c_str(), info))
        return info.device == device_ && info.inode == inode_;
    return path == path_;
}
