#pragma once
// Path and name routines around FileRef: validity tests, joining and splitting, extensions and
// backup names, the current and temporary folders, unique temporary names and folder lookup.
// Paths use '/' and have no drive (see foundation/FileRef.h).

#include <cstddef>
#include <string>

#include "foundation/FileRef.h"
#include "foundation/Types.h"

// A volume part is valid when empty: this system has no drives.
bool IsValidVolume(const char* volume);
// An absolute folder path: begins with '/', at most kMaxPathLength bytes.
bool IsValidDirectory(const char* directory);
// 1 to kMaxNameLength bytes, no '/', neither "." nor "..".
bool IsValidFileName(const char* name);
// An absolute path of a file: a valid directory up to its last '/', then a valid name.
bool IsValidFullPath(const char* path);
// An absolute folder path usable as a root for temporary files.
bool IsValidDriveRoot(const char* path);
// Begins with '.', 1 to 4 bytes, no '/' and no blank.
bool IsValidExtension(const char* extension);

// folder, a '/' when the folder does not end in one, and the name (a bare name for an empty
// folder); -1 when folder length + name length + 2 exceeds the size.
ErrCode JoinPath(const char* folder, const char* name, char* buffer, std::size_t size);
// Volume then directory; -1, and the empty text, when they do not fit (a cut folder path would
// name another folder).
ErrCode JoinVolumeAndDirectory(const char* volume, const char* directory, char* buffer, std::size_t size);
// The volume is empty; the directory is the whole path.
void SplitFolderPath(const char* path, VolumePart& volume, DirectoryPart& directory);

// From the name's last '.' on, or empty.
std::string GetExtension(const char* name);
// Overwrites the name from its last '.' with the extension (which includes its '.'), or appends
// it when the name has no '.'.
void ReplaceExtension(std::string& name, const char* extension);
// The extension is ".bak", in any case.
bool HasBakExtension(const char* name);
// The name with its extension replaced by ".bak"; unchanged when it already has ".bak".
std::string MakeBackupName(const char* name);

bool IsExistingDirectory(const char* path);

// Waits until the entries of the file's folder (files created, renamed or removed in it) are on
// the disk, as a save must after renaming its new file into place; -16 when the system cannot.
ErrCode SyncFolderOf(const FileRef& file);

// The current directory, split with SplitFolderPath; a negative file error code when it cannot be
// had.
ErrCode GetCurrentFolder(VolumePart& volume, DirectoryPart& directory);
// The folder for temporary files (see win::GetTempFolderPath), split with SplitFolderPath; -1 when
// there is none.
ErrCode GetTempFolder(VolumePart& volume, DirectoryPart& directory);

// Sets the name to "unique$$.000" .. "unique$$.998" in turn and keeps the first that does not
// exist; -23 when all exist. The name may be taken by someone else before it is used: create the
// file with kAccessCreateNew and choose again when that fails (File::CreateUnique does both).
ErrCode MakeUniqueName(FileRef& file);
// The names File::CreateUnique, MakeUniqueName and a store's full save try: this printf format at
// a number from 0 to 998.
inline constexpr const char* kUniqueNamePattern = "unique$$.%03d";
inline constexpr int kUniqueNameCount = 999;
std::string UniqueName(int number);

// The folder of that name in the given folder, its name matched without regard to case: writes
// directory, '/' when missing, and the folder's name as found on disk to found; 0, or -2 when
// there is no such folder.
ErrCode FindFileInFolder(const char* volume, const char* directory, const char* folderName,
                         DirectoryPart& found);
