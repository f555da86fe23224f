#pragma once
// Replacing a file's contents so that a crash, a full disk or a failing device leaves either the
// old file or the new one, never a mix of both.

#include <string>
#include <string_view>

#include "platform/sys/WinTypes.h"

namespace win {

// Writes the bytes to a new file beside `path` (program text), flushes and syncs it, gives it the permissions
// of the file it replaces and renames it over that file, then syncs the folder. A symbolic link is followed:
// the file it names is replaced and the link stays. On failure the file is as it was, the new file is
// removed, and GetLastError says why; a failure of the last step (the folder sync) leaves the new contents in
// place, though perhaps not yet safe from a crash.
BOOL ReplaceFileContents(const char* path, std::string_view bytes);

// The same steps for a writer that makes the new file itself. Begin finds the file `path` stands
// for (links followed), refuses a folder or a file that may not be written, and names the new file
// beside it (a file of that name was left by an earlier run). Commit gives the new file, written and
// closed, the permissions of the file it replaces, renames it over that file and syncs the folder.
// Either answers FALSE with GetLastError saying why; a failed Commit removes the new file.
struct FileReplacement {
    std::string target;   // the file replaced
    std::string newFile;  // the new contents, beside it
    bool targetExists = false;

    BOOL Begin(const char* path);
    BOOL Commit();
    // Removes the new file.
    void Discard();
};

}  // namespace win
