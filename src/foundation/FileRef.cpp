#include "foundation/FileRef.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/FileIdentity.h"
#include "foundation/PathUtil.h"
#include "foundation/PlainText.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"

FileRef::FileRef(const char* name, const char* volume, const char* directory, FileAccess access)
    : volume_(volume ? volume : ""),
      directory_(directory ? directory : ""),
      name_(name ? name : ""),
      access_(access) {}

FileRef::FileRef(const char* path, FileAccess access) : access_(access) { SetFullPath(path); }

bool FileRef::IsValid() const {
    return IsValidVolume(volume_.c_str()) && IsValidDirectory(directory_.c_str()) &&
           IsValidFileName(name_.c_str()) && GetFullPath().size() <= kMaxPathLength;
}

void FileRef::Clear() {
    volume_.clear();
    directory_.clear();
    name_.clear();
    access_ = kAccessRead;
}

bool FileRef::IsSameFile(const FileRef& other) const { return FileIdentity(other).IsSameFile(*this); }

char* FileRef::GetName(char* buffer, std::size_t size) const {
    if (!buffer || size == 0) return buffer;
    const std::size_t length = std::min(name_.size(), size - 1);
    std::memcpy(buffer, name_.data(), length);
    buffer[length] = '\0';
    return buffer;
}

std::string FileRef::GetFullPath() const {
    std::string path = volume_ + directory_;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + name_;
}

char* FileRef::GetFullPath(char* buffer, std::size_t size) const {
    if (!buffer || size == 0) return buffer;
    const std::string path = GetFullPath();
    if (path.size() >= size) {
        buffer[0] = '\0';
    } else {
        std::memcpy(buffer, path.c_str(), path.size() + 1);
    }
    return buffer;
}

void FileRef::SetFullPath(const char* path) {
    const std::string text = path ? path : "";
    const std::size_t slash = text.rfind('/');
    volume_.clear();
    if (slash == std::string::npos) {
        directory_.clear();
        name_ = text;
    } else {
        directory_ = text.substr(0, slash + 1);
        name_ = text.substr(slash + 1);
    }
}

bool FileRef::Exists() const {
    win::PathIdentity identity;
    return !IsEmpty() && win::GetPathIdentity(GetFullPath().c_str(), identity);
}

bool FileRef::IsReadOnly() const {
    win::PathInfo info;
    return !IsEmpty() && win::GetPathInfo(GetFullPath().c_str(), info) && !info.isWritable;
}

ErrCode FileRef::Remove() const {
    const std::string path = GetFullPath();
    if (win::RemoveFile(path.c_str())) return kNoErr;
    const win::DWORD error = win::GetLastError();
    DebugPrintf("Unable to remove \"%s\" : %s.\n", path.c_str(), win::GetSystemErrorText(error));
    return FileErrorFromSystem(static_cast<int>(error), kFileErr);
}

FileRef FileRef::FollowLinks() const {
    std::string target;
    if (IsEmpty() || !win::FollowSymbolicLinks(GetFullPath().c_str(), target)) return *this;
    return FileRef(target.c_str(), access_);
}

ErrCode FileRef::Rename(const char* newName) {
    FileRef renamed(*this);
    renamed.SetName(newName);
    const std::string from = GetFullPath();
    const std::string to = renamed.GetFullPath();
    if (!IsValidFileName(renamed.NamePtr()) || !win::RenameFile(from.c_str(), to.c_str())) {
        const win::DWORD error = IsValidFileName(renamed.NamePtr()) ? win::GetLastError() : EINVAL;
        DebugPrintf("Unable to rename file \"%s\" to \"%s\" : %s.\n", from.c_str(), to.c_str(),
                    win::GetSystemErrorText(error));
        return FileErrorFromSystem(static_cast<int>(error), kFileErr);
    }
    name_ = renamed.name_;
    return kNoErr;
}

bool FileRef::FindNoCase() {
    std::string found;
    const std::string folder = volume_ + directory_;
    if (name_.empty() ||
        !win::FindNameInFolder(folder.empty() ? "." : folder.c_str(), name_.c_str(), found)) {
        return false;
    }
    name_ = found;
    return true;
}

FourCC FileRef::GetExtensionCode() const {
    const std::size_t dot = name_.rfind('.');
    if (dot == std::string::npos) return 0;
    char bytes[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < 4 && dot + i < name_.size(); ++i) bytes[i] = LowerChar(name_[dot + i]);
    return MakeFourCC(bytes[0], bytes[1], bytes[2], bytes[3]);
}

ErrCode FileRef::GetTypeAndCreator(FourCC& creator, FourCC& type) const {
    type = GetExtensionCode();
    creator = 0;
    return kNoErr;
}

ErrCode FileRef::MakeBackup() const {
    FileRef backup;
    MakeBackupRef(backup);
    if (backup.name_ == name_) return kNoErr;
    if (backup.Exists()) {
        if (ErrCode err = backup.Remove(); err != kNoErr) return err;
    }
    FileRef original(*this);
    return original.Rename(backup.NamePtr());
}

void FileRef::MakeBackupRef(FileRef& backup) const {
    backup = *this;
    backup.name_ = MakeBackupName(name_.c_str());
}

ErrCode SetFileTypeCodes(const FileRef&, FourCC, FourCC) { return kNoErr; }
