#pragma once
// An object that lives in one segment of a store and knows its key: it reads and writes its stored
// form, tells its size, and keeps whether it changed since it was read. Declared for objects to
// come; nothing in the program implements it yet.

#include <cstdint>

#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"

class IReadFile;
class IWriteFile;

class TPFMObj {
public:
    TPFMObj() = default;
    TPFMObj(const TPFMObj&) = delete;
    TPFMObj& operator=(const TPFMObj&) = delete;
    virtual ~TPFMObj() = default;

    virtual PFMSegmentKey GetKey() const = 0;
    virtual std::uint32_t GetStoredSize() const = 0;
    virtual ErrCode ReadFrom(IReadFile& stream) = 0;
    virtual ErrCode WriteTo(IWriteFile& stream) = 0;
    virtual bool IsChanged() const = 0;
    virtual void SetChanged(bool changed) = 0;
};
