#include "platform/sys/SysError.h"

#include <cstring>

namespace win {
namespace {

DWORD& LastError() {
    static DWORD lastError = 0;
    return lastError;
}

}  // namespace

DWORD GetLastError() { return LastError(); }

void SetLastError(DWORD errorNumber) { LastError() = errorNumber; }

const char* GetSystemErrorText(DWORD errorNumber) { return std::strerror(static_cast<int>(errorNumber)); }

}  // namespace win
