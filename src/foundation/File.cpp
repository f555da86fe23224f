#include "foundation/File.h"

#include <cerrno>
#include <cstdio>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/PathUtil.h"

ErrCode File::CreateUnique(const char* volume, const char* directory) {
    const ErrCode err = CreateUniqueNamed(volume, directory, kUniqueNamePattern);
    if (err == kNoUniqueNameErr) DebugPrintf("%s", FileErrorMessage(kNoUniqueNameErr));
    return err;
}

ErrCode File::CreateUniqueNamed(const char* volume, const char* directory, const char* pattern) {
    Close();
    ref_.SetVolume(volume);
    ref_.SetDirectory(directory);
    ref_.SetPermission(kAccessCreateNew);
    for (int number = 0; number < kUniqueNameCount; ++number) {
        char name[kMaxNameLength + 1];
        std::snprintf(name, sizeof name, pattern, number);
        ref_.SetName(name);
        win::DWORD systemError = 0;
        const ErrCode err = OpenAs(win::FileOpenMode::kCreateNew, systemError);
        if (err == kNoErr) return kNoErr;
        if (systemError != EEXIST) return err;
    }
    return kNoUniqueNameErr;
}
