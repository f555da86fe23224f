#pragma once
// A writing stream into memory, big-endian like every store file. A segment whose stored size is
// only known once it is written goes here first, so that it can be placed where it fits.

#include <cstdint>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/IFile.h"

class MemoryWriteFile : public IWriteFile {
public:
    MemoryWriteFile() = default;

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes_.size()); }

    bool NeedsByteSwap() const override { return true; }
    bool IsSameFile(const IFile& other) const override { return &other == this; }
    const FileRef& GetFileRef() const override { return ref_; }
    ErrCode GetError() const override { return kNoErr; }
    ErrCode GetPosition(std::uint32_t& position) override;
    ErrCode SetPosition(std::uint32_t position) override;
    ErrCode SeekToEnd() override;
    ErrCode Flush() override { return kNoErr; }
    ErrCode Write(const void* buffer, std::uint32_t& count) override;

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t position_ = 0;
    FileRef ref_;
};
