#pragma once
// The status codes of every file and store operation, 0 to -23, and the message shown for each.

#include "foundation/Types.h"

inline constexpr ErrCode kFileErr = -1;  // "Error."
inline constexpr ErrCode kFileNotFoundErr = -2;
inline constexpr ErrCode kBadDataErr = -3;  // malformed stored data
inline constexpr ErrCode kOutOfMemoryErr = -4;
inline constexpr ErrCode kAbortedErr = -5;
inline constexpr ErrCode kUnsupportedFormatErr = -6;
inline constexpr ErrCode kBadSegmentMapErr = -7;
inline constexpr ErrCode kDiskFullErr = -8;
inline constexpr ErrCode kWrongWriteCountErr = -9;
inline constexpr ErrCode kEndOfFileErr = -10;
inline constexpr ErrCode kReadErr = -11;
inline constexpr ErrCode kWriteErr = -12;
inline constexpr ErrCode kNotWritableErr = -13;
inline constexpr ErrCode kOpenErr = -14;
inline constexpr ErrCode kCloseErr = -15;
inline constexpr ErrCode kFlushErr = -16;
inline constexpr ErrCode kSeekErr = -17;
inline constexpr ErrCode kPositionErr = -18;
inline constexpr ErrCode kWrongSizeErr = -19;
inline constexpr ErrCode kFileInUseErr = -20;
inline constexpr ErrCode kDocumentMissingErr = -21;      // the store's file is gone; Save As recovers
inline constexpr ErrCode kDocumentDataMissingErr = -22;  // ... and segments still live only in it
inline constexpr ErrCode kNoUniqueNameErr = -23;

// The message of a code; "Error." for any code outside 0 to -23.
const char* FileErrorMessage(ErrCode code);

// The file error code for a failed system call's error number (errno): missing files, refused
// access, a full disk, memory and files in use have codes of their own; any other number gives
// the fallback. Never positive: a fallback that is not negative becomes -1.
ErrCode FileErrorFromSystem(int errorNumber, ErrCode fallback);
