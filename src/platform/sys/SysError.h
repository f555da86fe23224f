#pragma once
// The system error number (an errno value) of the last call of this layer that failed.

#include "platform/sys/WinTypes.h"

namespace win {

// Set by every file and folder call of this layer when it fails; left alone when it succeeds.
DWORD GetLastError();
void SetLastError(DWORD errorNumber);

// The system's text for an error number.
const char* GetSystemErrorText(DWORD errorNumber);

}  // namespace win
