#pragma once
// The base of every file that has a path: its FileRef, its byte-order word, and the operations
// that open, close, measure and sync it. Reading and writing come from the two stream interfaces.

#include <cstdint>

#include "foundation/FileRef.h"
#include "foundation/IFile.h"

class TFile : public IReadFile, public IWriteFile {
public:
    // Byte-order word: 1 for files that keep values least significant byte first, else (stores
    // pass 0) most significant byte first. The file is not opened.
    explicit TFile(const FileRef& ref, std::uint32_t byteOrder = 0) : ref_(ref), byteOrder_(byteOrder) {}

    bool NeedsByteSwap() const override { return byteOrder_ != 1; }
    bool IsSameFile(const IFile& other) const override { return ref_.IsSameFile(other.GetFileRef()); }
    const FileRef& GetFileRef() const override { return ref_; }
    std::uint32_t GetByteOrder() const { return byteOrder_; }

    // Names another file, or sets how the next Open opens it; for a closed file.
    void SetFileRef(const FileRef& ref) { ref_ = ref; }
    void SetPermission(FileAccess access) { ref_.SetPermission(access); }

    // The file's length in bytes, whether or not it is open.
    virtual ErrCode GetLength(std::uint32_t& length) = 0;
    // Opens the file as its FileRef's access mode says.
    virtual ErrCode Open() = 0;
    virtual ErrCode Close() = 0;
    virtual bool IsOpen() const = 0;
    // Forgets the sticky error.
    virtual void ClearError() = 0;
    // Waits until everything written is on the disk.
    virtual ErrCode Sync() = 0;

    bool Exists() const { return ref_.Exists(); }
    // Removes the file from the disk (reporting a failure through DebugPrintf).
    ErrCode Delete() const { return ref_.Remove(); }
    // Renames the file within its folder and keeps the new name.
    ErrCode Rename(const char* newName) { return ref_.Rename(newName); }

protected:
    FileRef ref_;

private:
    std::uint32_t byteOrder_;
};
