#pragma once
// A folder to scan for files of one type, optionally with its subfolders.

#include <cstdint>

#include "foundation/FileRef.h"
#include "foundation/ObjList.h"

class FolderRef {
public:
    // With recursive set, scans descend into subfolders.
    FolderRef(const char* volume, const char* directory, bool recursive);

    // Appends to the list a new FileRef (access kAccessRead) for every file of the folder whose
    // name ends in the type's characters, compared without regard to case (so '.fsf' selects the
    // story files, whatever case their names are in); type 0 selects every file. Only files are
    // listed, in name order. A recursive scan then descends, depth first and in name order, into
    // each subfolder whose name does not begin with '.', never through a symbolic link (which
    // could lead round in a circle). A folder without matches is no failure. -1 when a folder
    // cannot be read, a path is longer than kMaxPathLength or the list cannot grow; the first
    // failure ends the scan, and what was found so far stays in the list.
    ErrCode FindFiles(FourCC type, ObjList& list) const;

    const VolumePart& GetVolume() const { return volume_; }
    const DirectoryPart& GetDirectory() const { return directory_; }
    bool IsRecursive() const { return recursive_; }

private:
    VolumePart volume_;
    DirectoryPart directory_;
    bool recursive_;
};
