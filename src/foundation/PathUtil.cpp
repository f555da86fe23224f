#include "foundation/PathUtil.h"

#include <cstdio>
#include <cstring>

#include "foundation/FileError.h"
#include "foundation/PlainText.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"

namespace {

// Copies text and a NUL when they fit, else writes the empty text; answers 0 or -1.
ErrCode CopyWhole(const std::string& text, char* buffer, std::size_t size) {
    if (!buffer || size == 0) return kFileErr;
    if (text.size() >= size) {
        buffer[0] = '\0';
        return kFileErr;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return kNoErr;
}

}  // namespace

bool IsValidVolume(const char* volume) { return !volume || !*volume; }

bool IsValidDirectory(const char* directory) {
    return directory && directory[0] == '/' && std::strlen(directory) <= kMaxPathLength;
}

bool IsValidFileName(const char* name) {
    if (!name) return false;
    const std::size_t length = std::strlen(name);
    return length >= 1 && length <= kMaxNameLength && !std::strchr(name, '/') &&
           std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0;
}

bool IsValidFullPath(const char* path) {
    if (!path || path[0] != '/' || std::strlen(path) > kMaxPathLength) return false;
    const char* lastSlash = std::strrchr(path, '/');
    return IsValidFileName(lastSlash + 1);
}

bool IsValidDriveRoot(const char* path) { return IsValidDirectory(path); }

bool IsValidExtension(const char* extension) {
    if (!extension || extension[0] != '.') return false;
    const std::size_t length = std::strlen(extension);
    return length <= 4 && !std::strpbrk(extension, "/ ");
}

ErrCode JoinPath(const char* folder, const char* name, char* buffer, std::size_t size) {
    const std::string folderText = folder ? folder : "";
    const std::string nameText = name ? name : "";
    if (folderText.size() + nameText.size() + 2 > size) return kFileErr;
    std::string path = folderText;
    if (!path.empty() && path.back() != '/') path += '/';
    path += nameText;
    return CopyWhole(path, buffer, size);
}

ErrCode JoinVolumeAndDirectory(const char* volume, const char* directory, char* buffer, std::size_t size) {
    return CopyWhole(std::string(volume ? volume : "") + (directory ? directory : ""), buffer, size);
}

void SplitFolderPath(const char* path, VolumePart& volume, DirectoryPart& directory) {
    volume.clear();
    directory = path ? path : "";
}

std::string GetExtension(const char* name) {
    const char* dot = name ? std::strrchr(name, '.') : nullptr;
    return dot ? std::string(dot) : std::string();
}

void ReplaceExtension(std::string& name, const char* extension) {
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    name += extension ? extension : "";
}

bool HasBakExtension(const char* name) { return StrCompareNoCase(GetExtension(name).c_str(), ".bak") == 0; }

std::string MakeBackupName(const char* name) {
    std::string backup = name ? name : "";
    if (!HasBakExtension(backup.c_str())) ReplaceExtension(backup, ".bak");
    return backup;
}

bool IsExistingDirectory(const char* path) {
    win::PathInfo info;
    return path && *path && win::GetPathInfo(path, info) && info.isDirectory;
}

ErrCode SyncFolderOf(const FileRef& file) {
    std::string folder = file.GetVolume() + file.GetDirectory();
    if (folder.empty()) folder = ".";
    return win::SyncFolder(folder.c_str()) ? kNoErr : kFlushErr;
}

ErrCode GetCurrentFolder(VolumePart& volume, DirectoryPart& directory) {
    const win::DWORD needed = win::GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return FileErrorFromSystem(static_cast<int>(win::GetLastError()), kFileErr);
    std::string path(needed, '\0');
    const win::DWORD length = win::GetCurrentDirectoryA(needed, path.data());
    if (length == 0 || length >= needed)
        return FileErrorFromSystem(static_cast<int>(win::GetLastError()), kFileErr);
    path.resize(length);
    SplitFolderPath(path.c_str(), volume, directory);
    return kNoErr;
}

ErrCode GetTempFolder(VolumePart& volume, DirectoryPart& directory) {
    std::string folder;
    if (!win::GetTempFolderPath(folder) || !IsValidDriveRoot(folder.c_str())) return kFileErr;
    SplitFolderPath(folder.c_str(), volume, directory);
    return kNoErr;
}

std::string UniqueName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, kUniqueNamePattern, number);
    return name;
}

ErrCode MakeUniqueName(FileRef& file) {
    for (int number = 0; number < kUniqueNameCount; ++number) {
        file.SetName(UniqueName(number).c_str());
        if (!file.Exists()) return kNoErr;
    }
    return kNoUniqueNameErr;
}

ErrCode FindFileInFolder(const char* volume, const char* directory, const char* folderName,
                         DirectoryPart& found) {
    const std::string folder = std::string(volume ? volume : "") + (directory ? directory : "");
    std::string name;
    if (folder.empty() || !folderName || !win::FindNameInFolder(folder.c_str(), folderName, name)) {
        return kFileNotFoundErr;
    }
    std::string result = directory ? directory : "";
    if (result.empty() || result.back() != '/') result += '/';
    result += name;
    if (!IsExistingDirectory((std::string(volume ? volume : "") + result).c_str())) return kFileNotFoundErr;
    found = result;
    return kNoErr;
}
