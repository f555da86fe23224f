#pragma once
// A reading stream over bytes in memory, big-endian like every store file: what a MemoryWriteFile
// wrote reads back through it. Reads past the end come up short with -10.

#include <cstdint>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/IFile.h"

class MemoryReadFile : public IReadFile {
public:
    explicit MemoryReadFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    bool NeedsByteSwap() const override { return true; }
    bool IsSameFile(const IFile& other) const override { return &other == this; }
    const FileRef& GetFileRef() const override { return ref_; }
    ErrCode GetError() const override { return kNoErr; }
    ErrCode GetPosition(std::uint32_t& position) override;
    ErrCode SetPosition(std::uint32_t position) override;
    ErrCode SeekToEnd() override;
    bool IsAtEnd() const override { return atEnd_; }
    ErrCode Read(void* buffer, std::uint32_t& count) override;

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t position_ = 0;
    bool atEnd_ = false;
    FileRef ref_;
};
