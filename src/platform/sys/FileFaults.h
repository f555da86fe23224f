#pragma once
// Fault injection for the file calls that opening and saving depend on. A test arms a fault for the Nth call
// of one kind (counted since the last reset); that call then fails with the given error number
// without touching the disk, as a full disk or a failing device would make it fail. Calls are
// counted whether or not a fault is armed, so a test can first count the calls of a clean run and
// then fail each of them in turn.

#include <cerrno>

namespace win {

enum class FileCall {
    kWrite,   // WriteFileHandle
    kFlush,   // FlushFileHandle
    kSync,    // SyncFileHandle, SyncFolder
    kRename,  // RenameFile
    kRemove,  // RemoveFile
    kOpen,    // OpenFileHandle
    kRead,    // ReadFileHandle
    kLookUp,  // GetPathInfo, GetPathIdentity: what a path names
};

// Zeroes every count and disarms every fault.
void ResetFileCalls();

// Calls of that kind since the last reset.
unsigned long GetFileCallCount(FileCall call);

// Makes call number nth (1-based, counted since the last reset) of that kind fail with the error
// number; with keepFailing, every later call of that kind fails too. nth 0 disarms the kind.
void FailFileCall(FileCall call, unsigned long nth, int errorNumber = EIO, bool keepFailing = false);

// Counts one call of that kind; answers the error number it must fail with, or 0 to go ahead.
// Used by the file calls themselves.
int CountFileCall(FileCall call);

}  // namespace win
