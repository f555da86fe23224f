#pragma once
// A file's name the way the program passes files around: a volume part, a directory part and a
// file name, kept apart, plus the access mode in which the file is to be opened.
//
// Paths follow the system's conventions: '/' separates folders and there are no drives, so the
// volume part is always empty. A directory part is an absolute folder path that ends in '/' (as
// SetFullPath makes it; a directory without the final '/' is joined with one). Names are taken
// exactly as they are, in any case and with any characters but '/'.

#include <cstddef>
#include <string>

#include "foundation/TObject.h"
#include "foundation/Types.h"

using VolumePart = std::string;
using DirectoryPart = std::string;

// How a file is to be opened.
enum FileAccess : std::uint32_t {
    kAccessRead = 0,       // an existing file, read only
    kAccessReadWrite = 1,  // an existing file, read and write
    kAccessCreate = 2,     // a new or emptied file, read and write
    kAccessCreateNew = 3,  // a file that must not exist yet, read and write (temporary files)
};

inline constexpr std::size_t kMaxPathLength = 4095;  // bytes, without the NUL
inline constexpr std::size_t kMaxNameLength = 255;

class FileRef : public TObject {
    TOBJECT_CLASS(FileRef, TObject, 24)

public:
    FileRef() = default;
    // Texts may be null (empty).
    FileRef(const char* name, const char* volume, const char* directory, FileAccess access);
    explicit FileRef(const char* path, FileAccess access = kAccessRead);

    // Valid volume, directory and name.
    bool IsValid() const;
    bool IsEmpty() const { return volume_.empty() && directory_.empty() && name_.empty(); }
    void Clear();

    // True when both name the same file: the same file on disk when both exist (whatever links or
    // spellings lead to it), else the same full path. An empty FileRef names no file.
    bool IsSameFile(const FileRef& other) const;

    const VolumePart& GetVolume() const { return volume_; }
    void SetVolume(const char* volume) { volume_ = volume ? volume : ""; }
    const DirectoryPart& GetDirectory() const { return directory_; }
    void SetDirectory(const char* directory) { directory_ = directory ? directory : ""; }
    // Copies at most size - 1 characters of the name and a NUL; answers the buffer.
    char* GetName(char* buffer, std::size_t size) const;
    const char* NamePtr() const { return name_.c_str(); }
    void SetName(const char* name) { name_ = name ? name : ""; }
    FileAccess GetPermission() const { return access_; }
    FileRef& SetPermission(FileAccess access) {
        access_ = access;
        return *this;
    }

    // Volume, directory, a '/' when the directory does not end in one, and the name. A bare name
    // (no directory) stays as it is.
    std::string GetFullPath() const;
    // The same into a buffer; a path that does not fit gives the empty text, never a cut path
    // (which could name another file). Answers the buffer.
    char* GetFullPath(char* buffer, std::size_t size) const;
    // Splits a path: the directory is everything up to and including the last '/', the name the
    // rest. A path without '/' is a bare name.
    void SetFullPath(const char* path);

    // Tests and changes on disk. Errors are negative file error codes (foundation/FileError.h).
    bool Exists() const;
    // Exists and this process may not write it.
    bool IsReadOnly() const;
    // Deletes the file; reports a failure through DebugPrintf.
    ErrCode Remove() const;
    // The file that writing this one replaces: this file, or, when it is a symbolic link, the file
    // the link leads to (followed link by link), so that the link stays a link. The access mode is
    // kept. This file when the links cannot be followed.
    FileRef FollowLinks() const;
    // Renames the file within its folder and takes the new name; reports a failure through
    // DebugPrintf. An existing file of the new name is replaced.
    ErrCode Rename(const char* newName);
    // For the program's own data files, whose names are matched without regard to case: when no
    // file has this exact name, takes the name of one in the same folder that differs only in case.
    // Answers whether the file now exists.
    bool FindNoCase();

    // The four bytes from the name's last '.' on as a four-character code (the '.' first, ASCII
    // letters in lower case, so "STORY.FSF" gives '.fsf'); missing bytes are 0; 0 without a '.'.
    FourCC GetExtensionCode() const;
    // type = GetExtensionCode, creator = 0; answers 0.
    ErrCode GetTypeAndCreator(FourCC& creator, FourCC& type) const;

    // Renames the file to its backup name (MakeBackupName), first removing a file of that name.
    // Does nothing for a file that already has the backup extension.
    ErrCode MakeBackup() const;
    void MakeBackupRef(FileRef& backup) const;

private:
    VolumePart volume_;
    DirectoryPart directory_;
    std::string name_;
    FileAccess access_ = kAccessRead;
};

// Records the file's type and creator codes where the system keeps them; this system keeps none,
// so it does nothing and answers 0.
ErrCode SetFileTypeCodes(const FileRef& file, FourCC creator, FourCC type);
