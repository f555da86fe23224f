#pragma once
// The program file and the folder it sits in (where the program's data files are).

#include <string>

#include "foundation/FileRef.h"
#include "foundation/Types.h"

// The program file's full path; 0, or -1 when it cannot be found.
ErrCode GetAppFileRef(FileRef& file);
// The volume and directory parts of the program file's path; 0, or -1.
ErrCode GetAppDirectory(VolumePart& volume, DirectoryPart& directory);

// The current directory, to go back to.
struct SavedDirectory {
    std::string path;
};

// Makes the program's folder the current directory, keeping the one before in `saved`; 0, or -1
// when the program's folder or the current directory cannot be had (nothing then changes).
ErrCode EnterAppDirectory(SavedDirectory& saved);
// Back to the saved directory; 0, or -1 when it cannot be entered.
ErrCode RestoreDirectory(const SavedDirectory& saved);
