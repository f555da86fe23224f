#pragma once
// Files and folders by path: tests, removing and renaming, folder listings, and the program's
// places (current directory, program file, temporary folder). Paths are program text
// (SystemNames.h) with '/' separators and no drive. Each call that fails sets GetLastError to the
// system's error number, EILSEQ for a name from the system that the program cannot hold.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sys/WinTypes.h"

namespace win {

struct PathInfo {
    bool isDirectory = false;
    bool isWritable = false;  // this process may write to it
    std::uint64_t size = 0;
    std::uint64_t device = 0;  // device and inode: the file's identity, whatever the path
    std::uint64_t inode = 0;
};

// Facts about what the path names (symbolic links followed); FALSE when it names nothing. Names are
// taken literally: no character has a pattern meaning.
BOOL GetPathInfo(const char* path, PathInfo& info);

// What names a file on its device, whatever the path that reaches it.
struct PathIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend bool operator==(const PathIdentity&, const PathIdentity&) = default;
};

// The identity of what the path names (symbolic links followed), without asking for the write
// access GetPathInfo tests; FALSE when it names nothing.
BOOL GetPathIdentity(const char* path, PathIdentity& identity);

// Deletes a file (never a folder).
BOOL RemoveFile(const char* path);

// Renames a file; an existing file of the new name is replaced in one step.
BOOL RenameFile(const char* from, const char* to);

// The path of the file that a file written to `path` must replace: the path itself when it is no
// symbolic link (or names nothing), else the link's target, followed link by link (a relative target
// is taken from the folder of the link that holds it) up to a name that is no link, which need not
// exist. FALSE with ELOOP after 40 links, or with the system's error when a link cannot be read.
BOOL FollowSymbolicLinks(const char* path, std::string& target);

// Gives the file at `to` the permission bits (read, write, execute for owner, group and others) of
// the file at `from`, as a file written to replace another must keep who may read it.
BOOL CopyFilePermissions(const char* from, const char* to);

// Waits until the folder's entries (files created, renamed or removed in it) are on the disk.
BOOL SyncFolder(const char* path);

struct FolderEntry {
    std::string name;
    bool isFile = false;       // an ordinary file, or a link to one
    bool isDirectory = false;  // a folder, or a link to one
    bool isLink = false;       // a symbolic link
    bool isHeld = true;        // the name has a program form (see UnheldNames)
};

// What a listing does with the names that have no program form.
enum class UnheldNames {
    kLeftOut,  // they are not listed
    kShown,    // they are listed with isHeld false and, as their name, the system's name with '?'
               // for each character the program lacks: a name to show, never to open
};

// The entries of a folder other than "." and "..", in the byte order of the system's names.
BOOL ListFolder(const char* path, std::vector<FolderEntry>& entries,
                UnheldNames unheld = UnheldNames::kLeftOut);

// Looks for a name in a folder: the exact name when it exists, else the first entry whose name
// differs from it only in the case of ASCII letters. FALSE when neither exists.
BOOL FindNameInFolder(const char* folder, const char* name, std::string& found);

// The current directory into the buffer: answers its length, or the size the buffer needs (NUL
// included) when it does not fit, or 0 on failure (EILSEQ: the program cannot hold its name).
DWORD GetCurrentDirectoryA(DWORD size, char* buffer);
BOOL SetCurrentDirectoryA(const char* path);

// The program file's full path into the buffer: answers its length, or 0 when it cannot be found,
// cannot be held (EILSEQ) or does not fit (a cut path would name another file). The module handle
// is ignored: the program is one file. When the environment variable FABLECORE_PROGRAM_DIR names a
// folder (as the tests set it), the program file is taken to sit in that folder, under its own
// name.
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);

// The folder for temporary files: the first of $TMPDIR, $TEMP and $TMP that holds an absolute path
// to an existing folder the program can hold, else "/tmp". The environment is never changed. FALSE
// when none exists.
BOOL GetTempFolderPath(std::string& folder);

// A place the program runs from whose path the program cannot hold, so that it cannot find its
// files there: its own folder (or, when only the program file's own name is the trouble, its
// path), or the current folder. The path is the system's (UTF-8), to name it to the user.
enum class ProgramPlace { kProgram, kCurrentFolder };
struct UnheldPlace {
    ProgramPlace place = ProgramPlace::kProgram;
    std::string systemPath;
};
// The first of the two that the program cannot hold; none when it can hold both (or when either
// cannot be found, which the calls above report in their own way).
std::optional<UnheldPlace> FindUnheldPlace();

}  // namespace win
