#pragma once
// Printing's error codes, their messages and the mapping of the print dialogs' failures. A code is
// signed 16-bit; 0 is success and the user's cancel is silent.

#include <string>

#include "foundation/Types.h"
#include "platform/sys/WinTypes.h"

inline constexpr ErrCode kPrintNoMemory = -4;  // no memory, or no printer context
inline constexpr ErrCode kPrintOutOfMemory = -5;
inline constexpr ErrCode kPrintStartDocFailed = -6;
inline constexpr ErrCode kPrintStartPageFailed = -7;
inline constexpr ErrCode kPrintEndPageFailed = -8;
inline constexpr ErrCode kPrintEndDocFailed = -9;
inline constexpr ErrCode kPrintDriverError = -11;
inline constexpr ErrCode kPrintCancelled = -12;
inline constexpr ErrCode kPrintDefaultDifferent = -28;
inline constexpr ErrCode kPrintPrinterNotFound = -36;
inline constexpr ErrCode kPrintTooNarrow = -39;
// The page range chosen starts past the document's last page: nothing was sent to the printer.
inline constexpr ErrCode kPrintNoPageInRange = -40;

// The message ShowPrintError shows for the code, the label standing for %s; empty for the silent
// codes (1, 0, -2, -12).
std::string PrintErrorMessage(ErrCode code, const char* label);
// The message in a modal stop alert, unless the code is silent.
void ShowPrintError(ErrCode code, const char* label);
// A print dialog's extended error as a code; the user's cancel (0) and unknown values give -12.
ErrCode MapCommDlgError(win::DWORD error);
