#pragma once
// A memory buffer in front of a reading stream: small reads are served from one large read of the
// source. Requests at least as large as the buffer go straight to the source. Identity, byte
// order, error state and the end-of-file flag are the source's.

#include <cstdint>
#include <memory>
#include <optional>

#include "foundation/IFile.h"

class FileReadBuffer : public IReadFile {
public:
    // The source is not owned and must outlive the buffer; reading starts at its position (asked
    // of the source, or the one given when the caller knows it: a file just opened stands at 0).
    // When the buffer cannot be had, every read goes straight to the source.
    FileReadBuffer(IReadFile& source, std::uint32_t size, std::optional<std::uint32_t> position = std::nullopt);

    std::int16_t GetTag() const override { return source_.GetTag(); }
    bool NeedsByteSwap() const override { return source_.NeedsByteSwap(); }
    bool IsSameFile(const IFile& other) const override { return source_.IsSameFile(other); }
    const FileRef& GetFileRef() const override { return source_.GetFileRef(); }
    ErrCode GetError() const override { return source_.GetError(); }
    bool IsAtEnd() const override { return source_.IsAtEnd(); }

    ErrCode GetPosition(std::uint32_t& position) override;
    // Within the buffered bytes only the read position moves; elsewhere the buffer is dropped (and
    // the source is not asked to move when it stands there already).
    ErrCode SetPosition(std::uint32_t position) override;
    ErrCode SeekToEnd() override;
    ErrCode Read(void* buffer, std::uint32_t& count) override;

private:
    void Empty();

    IReadFile& source_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint32_t size_;
    std::uint32_t base_ = 0;    // file position of the buffer's first byte
    std::uint32_t offset_ = 0;  // read position within the buffer
    std::uint32_t valid_ = 0;   // bytes of the buffer that hold file data
};
