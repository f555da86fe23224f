#pragma once
// The new file of a full save, under a temporary name ("unique$$.NNN") in its target's folder until
// it takes the target's place. It stays open all that time, so that no other copy's clean-up
// (PFMRemoveLeftSaveFiles) takes it for a file left behind. And while it exists it is recorded: one
// small file in the program's configuration folder, named after the temporary file's identity on
// its device ("save-<device>-<inode>", in hexadecimal), holds its full path. A copy of the program
// ended in the middle of a save (killed, or crashed) leaves the file and its record behind, and the
// next clean-up finds it there.

#include <string>
#include <string_view>

#include "foundation/pfm/PFMDiskFile.h"

class PFMTemporaryFile : public PFMDiskFile {
public:
    using PFMDiskFile::PFMDiskFile;
    // A file that never took its place is removed; the record goes either way.
    ~PFMTemporaryFile() override;

    // Creates and opens the file under the first free name in the target's folder, and records it.
    // A record that cannot be written is left out: the save goes on without it.
    ErrCode Create(const FileRef& target);
    // Renames the file over the target (replacing it in one step) and closes it.
    ErrCode PutInPlaceOf(const FileRef& target);

private:
    void Record();

    std::string record_;  // the record's path; empty while there is none
    bool placed_ = false;
};

// A record's bytes: the temporary file's full path and a line break.
std::string EncodeSaveRecord(const std::string& path);
// The path a record holds; false for anything else (a record cut short, or none at all): an empty
// path, or one with a NUL or longer than any path.
bool DecodeSaveRecord(std::string_view bytes, std::string& path);
