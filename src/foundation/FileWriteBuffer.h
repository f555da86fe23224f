#pragma once
// A memory buffer in front of a writing stream: small writes collect in the buffer and go to the
// target in one write when it fills, on Flush, on a move outside the buffered bytes, and when the
// buffer is destroyed. Identity, byte order and error state are the target's.

#include <cstdint>
#include <memory>

#include "foundation/IFile.h"

class FileWriteBuffer : public IWriteFile {
public:
    // The target is not owned and must outlive the buffer; writing starts at its position. When
    // the buffer cannot be had, every write goes straight to the target.
    FileWriteBuffer(IWriteFile& target, std::uint32_t size);
    // Writes out what is buffered.
    ~FileWriteBuffer() override;

    std::int16_t GetTag() const override { return target_.GetTag(); }
    bool NeedsByteSwap() const override { return target_.NeedsByteSwap(); }
    bool IsSameFile(const IFile& other) const override { return target_.IsSameFile(other); }
    const FileRef& GetFileRef() const override { return target_.GetFileRef(); }
    ErrCode GetError() const override { return target_.GetError(); }

    ErrCode GetPosition(std::uint32_t& position) override;
    // Within the buffered bytes only the write position moves (later writes overwrite buffered
    // bytes); elsewhere the buffer is written out first.
    ErrCode SetPosition(std::uint32_t position) override;
    ErrCode SeekToEnd() override;
    // Writes out the buffer, then flushes the target.
    ErrCode Flush() override;
    ErrCode Write(const void* buffer, std::uint32_t& count) override;

private:
    // Writes the buffered bytes to the target and empties the buffer; the target is left at the
    // logical write position.
    ErrCode WriteOut();

    IWriteFile& target_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint32_t size_;
    std::uint32_t base_ = 0;    // file position of the buffer's first byte
    std::uint32_t offset_ = 0;  // write position within the buffer
    std::uint32_t used_ = 0;    // bytes of the buffer holding data to write
};
