#include "foundation/File.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/PathUtil.h"

ErrCode File::CreateUnique(const char* volume, const char* directory) {
    const ErrCode err = CreateUniqueNamed(volume, directory, kUniqueNamePattern);
    if (err == kNoUniqueNameErr) DebugPrintf("%s", FileErrorMessage(kNoUniqueNameErr));
    return err;
}

ErrCode File::CreateUniqueNamed(const char* volume, const char* directory, const char* pattern,
                                const std::vector<const FileRef*>& taken) {
    Close();
    ref_.SetVolume(volume);
    ref_.SetDirectory(directory);
    ref_.SetPermission(kAccessCreateNew);
    for (int number = 0; number < kUniqueNameCount; ++number) {
        char name[kMaxNameLength + 1];
        std::snprintf(name, sizeof name, pattern, number);
        ref_.SetName(name);
        if (std::any_of(taken.begin(), taken.end(), [this](const FileRef* held) {
                return held->GetVolume() == ref_.GetVolume() && held->GetDirectory() == ref_.GetDirectory() &&
                       std::strcmp(held->NamePtr(), ref_.NamePtr()) == 0;
            }))
            continue;
        win::DWORD systemError = 0;
        const ErrCode err = OpenAs(win::FileOpenMode::kCreateNew, systemError);
        // A file removed the moment it was made, before its lock was taken (a start sweeping away
        // swap files that no copy holds), is not this one's: the next name is tried.
        if (err == kNoErr && IsAtItsName()) return kNoErr;
        if (err == kNoErr) {
            QRVWinFile::Close();
            continue;
        }
        if (systemError != EEXIST) return err;
    }
    return kNoUniqueNameErr;
}

bool File::IsHeldElsewhere(const FileRef& ref) {
    File probe(ref);
    if (ref.GetPermission() != kAccessRead) probe.SetPermission(kAccessReadWrite);
    return probe.Open() != kNoErr && probe.GetSystemError() == EWOULDBLOCK;
}
