#include "framework/graphics/AppFolder.h"

#include <vector>

#include "platform/sys/FileSystem.h"

ErrCode GetAppFileRef(FileRef& file) {
    std::vector<char> path(kMaxPathLength + 1);
    if (!win::GetModuleFileNameA(nullptr, path.data(), static_cast<win::DWORD>(path.size()))) return -1;
    file.SetFullPath(path.data());
    return kNoErr;
}

ErrCode GetAppDirectory(VolumePart& volume, DirectoryPart& directory) {
    FileRef program;
    if (GetAppFileRef(program) != kNoErr) return -1;
    volume = program.GetVolume();
    directory = program.GetDirectory();
    return kNoErr;
}

ErrCode EnterAppDirectory(SavedDirectory& saved) {
    VolumePart volume;
    DirectoryPart directory;
    if (GetAppDirectory(volume, directory) != kNoErr || directory.empty()) return -1;
    std::vector<char> current(256);
    win::DWORD length = win::GetCurrentDirectoryA(static_cast<win::DWORD>(current.size()), current.data());
    if (length >= current.size()) {
        current.resize(length);
        length = win::GetCurrentDirectoryA(static_cast<win::DWORD>(current.size()), current.data());
    }
    if (length == 0 || length >= current.size()) return -1;
    if (!win::SetCurrentDirectoryA((volume + directory).c_str())) return -1;
    saved.path.assign(current.data(), length);
    return kNoErr;
}

ErrCode RestoreDirectory(const SavedDirectory& saved) {
    return !saved.path.empty() && win::SetCurrentDirectoryA(saved.path.c_str()) ? kNoErr : ErrCode{-1};
}
