#pragma once
// The program file's version block: the product version and the legal notice, compiled into the
// program from the build's one definition of them, and read the way a program reads the version
// resource of its own file. Only the program file has a block.
//
// The block holds string values under "\StringFileInfo\040904E4\" (U.S. English, Windows-1252):
// "ProductVersion" and "LegalCopyright". Value names are compared without regard to case.

#include "platform/sys/WinTypes.h"

namespace win {

// The size of the program file's version block, or 0 (with GetLastError ENOENT) for any other
// file. The handle is set to 0.
DWORD GetFileVersionInfoSizeA(const char* path, DWORD* handle);

// Copies the block into data; FALSE when the path is not the program file or size is too small.
BOOL GetFileVersionInfoA(const char* path, DWORD handle, DWORD size, void* data);

// Points *buffer at a string value inside the block and sets *length to its length in characters,
// the terminating NUL included. FALSE (and nothing set) for a path the block does not hold.
BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length);

}  // namespace win
