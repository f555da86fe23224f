#pragma once
// Whole reads and writes: a stream that moves fewer bytes than asked without an error of its own
// answers -10 (reading) or -9 (writing). Nothing to move is no call at all.

#include <cstdint>

#include "foundation/FileError.h"
#include "foundation/IFile.h"

inline ErrCode ReadExactly(IReadFile& stream, void* bytes, std::uint32_t size) {
    if (size == 0) return stream.GetError();
    std::uint32_t count = size;
    ErrCode err = stream.Read(bytes, count);
    if (err == kNoErr && count != size) err = kEndOfFileErr;
    return err;
}

inline ErrCode WriteExactly(IWriteFile& stream, const void* bytes, std::uint32_t size) {
    if (size == 0) return stream.GetError();
    std::uint32_t count = size;
    ErrCode err = stream.Write(bytes, count);
    if (err == kNoErr && count != size) err = kWrongWriteCountErr;
    return err;
}
