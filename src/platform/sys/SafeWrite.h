#pragma once
// Replacing a file's contents so that a crash, a full disk or a failing device leaves either the
// old file or the new one, never a mix of both.

#include <string_view>

#include "platform/sys/WinTypes.h"

namespace win {

// Writes the bytes to a new file beside `path` (program text), flushes and syncs it, gives it the permissions
// of the file it replaces and renames it over that file, then syncs the folder. A symbolic link is followed:
// the file it names is replaced and the link stays. On failure the file is as it was, the new file is
// removed, and GetLastError says why; a failure of the last step (the folder sync) leaves the new contents in
// place, though perhaps not yet safe from a crash.
BOOL ReplaceFileContents(const char* path, std::string_view bytes);

}  // namespace win
