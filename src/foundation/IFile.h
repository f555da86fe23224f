#pragma once
// The stream interfaces through which all file data passes.
//
// IFile is what every open file can do: byte order, identity, error state and position.
// IReadFile adds reading bytes and typed values, IWriteFile writing them. Every operation answers
// a file error code (foundation/FileError.h): 0, or the first failure met.
//
// Byte order: a file's byte-order word says how its 16- and 32-bit values are stored. 1 means
// least significant byte first; any other value (stores use 0) means most significant byte first,
// which is how every stored format of the program keeps its numbers. The typed operations pack
// and unpack the bytes accordingly, so callers always see plain numbers. Four-character codes are
// never reordered: their four bytes stand in the file as they stand in memory, first character
// first.
//
// A file keeps its first failure (a sticky error): once set, every later operation answers it
// without acting, and GetError reports it. Reaching the end of the file (-10) is never sticky.

#include <cstdint>

#include "foundation/Types.h"

class FileRef;

class IFile {
public:
    IFile(const IFile&) = delete;
    IFile& operator=(const IFile&) = delete;
    virtual ~IFile() = default;

    // 0 for every file class of the system.
    virtual std::int16_t GetTag() const { return 0; }
    // True when 16- and 32-bit values are stored most significant byte first (byte-order word
    // other than 1).
    virtual bool NeedsByteSwap() const = 0;
    // True when both files name the same file.
    virtual bool IsSameFile(const IFile& other) const = 0;
    virtual const FileRef& GetFileRef() const = 0;
    // The sticky error, 0 when none.
    virtual ErrCode GetError() const = 0;

    // Positions are byte offsets from the start of the file.
    virtual ErrCode GetPosition(std::uint32_t& position) = 0;
    virtual ErrCode SetPosition(std::uint32_t position) = 0;
    virtual ErrCode Rewind() { return SetPosition(0); }
    virtual ErrCode SeekToEnd() = 0;

protected:
    IFile() = default;
};

class IReadFile : public virtual IFile {
public:
    // True once a read came up short at the end of the file.
    virtual bool IsAtEnd() const = 0;

    // Reads up to count bytes; count comes back as the number really read (0 when a sticky error
    // stopped the read). A read cut short by the end of the file answers -10.
    virtual ErrCode Read(void* buffer, std::uint32_t& count) = 0;

    // The typed reads store into value only when all of its bytes were read; a short read
    // answers -10 and leaves value as it was.
    virtual ErrCode ReadByte(std::uint8_t& value);
    virtual ErrCode ReadShort(std::int16_t& value);
    virtual ErrCode ReadUShort(std::uint16_t& value);
    virtual ErrCode ReadLong(std::int32_t& value);
    virtual ErrCode ReadULong(std::uint32_t& value);
    // Four bytes as they stand, first byte in the code's lowest byte; never reordered.
    virtual ErrCode ReadFourCC(FourCC& value);
};

class IWriteFile : public virtual IFile {
public:
    // Writes out whatever is buffered.
    virtual ErrCode Flush() = 0;

    // Writes count bytes; count comes back as the number really written (0 when a sticky error
    // stopped the write).
    virtual ErrCode Write(const void* buffer, std::uint32_t& count) = 0;

    // A typed write that moves fewer bytes than its value has, without an error of its own,
    // answers -9.
    virtual ErrCode WriteByte(std::uint8_t value);
    virtual ErrCode WriteShort(std::int16_t value);
    virtual ErrCode WriteLong(std::int32_t value);
    // The code's four bytes, lowest first; never reordered.
    virtual ErrCode WriteFourCC(FourCC value);
    // The characters of a NUL-terminated text, without the NUL; nothing for null.
    virtual ErrCode WriteCString(const char* text);
};

// Whole reads and writes: a stream that moves fewer bytes than asked without an error of its own
// answers -10 (reading) or -9 (writing). Nothing to move makes no call and answers the stream's
// sticky error.
ErrCode ReadExactly(IReadFile& stream, void* bytes, std::uint32_t size);
ErrCode WriteExactly(IWriteFile& stream, const void* bytes, std::uint32_t size);
