#pragma once
// The folders the program keeps its own files in, after the desktop's conventions. Each answers
// the folder's path (program text) without a final '/', making the folder (mode 0700) when it is
// missing; FALSE with GetLastError set when it cannot be found or made, EILSEQ when the program
// cannot hold its path. The environment is read on every call.

#include <string>

#include "platform/sys/WinTypes.h"

namespace win {

// The user's home folder: $HOME when it holds an absolute path, else the user's own entry in the
// system's user list. It is never made.
BOOL GetHomeFolder(std::string& folder);

// Settings: $XDG_CONFIG_HOME/fablecore, by default ~/.config/fablecore.
BOOL GetConfigFolder(std::string& folder);

// Files that last only while the user is logged in (the single-instance socket):
// $XDG_RUNTIME_DIR/fablecore, or the config folder when there is no runtime folder.
BOOL GetRuntimeFolder(std::string& folder);

// Where the program writes files of its own (its profile and preferences): the program file's
// folder when the program may write to it, else the config folder.
BOOL GetSettingsFolder(std::string& folder);

}  // namespace win
