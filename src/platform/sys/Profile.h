#pragma once
// Profile (INI) files: values kept by name in named sections (ProfileText.h has the format). The
// calls without "Private" use the system profile, "win.ini" in the config folder (UserFolders.h),
// and so does a null file name; any other name without a '/' names a file in that folder. Files
// are read afresh on every call, and every change rewrites the file through ReplaceFileContents
// (SafeWrite.h), so a crash or a failing disk never leaves a half-written profile. Names and
// values are Windows-1252 text.

#include <string>

#include "platform/sys/WinTypes.h"

namespace win {

// Copies the value of the key in the section into the buffer, or the default (without its trailing
// blanks; empty when null) when the file, section or key is missing. A value that does not fit is
// cut to size - 1 characters. Answers the characters copied, the NUL not counted.
// With a null key the buffer gets the names of the section's keys, with a null section the names of
// all sections: each name ends in a NUL and the list in one more. A list that does not fit is cut
// and ends in two NULs; the answer is then size - 2.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName);

// The value as a number: decimal, or hexadecimal after "0x", with an optional sign, up to the first
// character that is no digit (0 when there is none). A negative number comes as its two's
// complement; a number beyond 32 bits is held at the largest. The default when the key is missing
// or its value empty.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);

// Sets the key's value, making the file and the section when they are missing. A null value deletes
// the key, a null key the whole section. FALSE, with the file as it was, when the file cannot be
// read or written (GetLastError has the system's error), or with EINVAL for a null section and
// for a name or value that would not read back the same (an empty name, a line break, ']' in a
// section name, '=' in a key).
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

// The system profile. Its "windows" section's "device" entry names the default printer, and is
// "PDF File,pdf,FILE:" while the file holds none.
DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size);
BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);

// The program's own profile: the program file's name with ".INI" added, in the settings folder
// (beside the program when the program may write there).
BOOL GetProgramProfilePath(std::string& path);

}  // namespace win
