#pragma once
// A readable and writable stream over bytes in memory, for tests of code that reads or writes
// through IReadFile and IWriteFile. It behaves as the native files do: reads past the end come up
// short with -10 (not sticky), and an error set with SetError is sticky.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/FileRef.h"
#include "foundation/IFile.h"

class ByteStream : public IReadFile, public IWriteFile {
public:
    // Byte-order word 1: values least significant byte first; anything else: most significant first.
    explicit ByteStream(std::uint32_t byteOrder = 0) : byteOrder_(byteOrder) {}
    ByteStream(std::vector<std::uint8_t> bytes, std::uint32_t byteOrder = 0)
        : bytes_(std::move(bytes)), byteOrder_(byteOrder) {}

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    void SetError(ErrCode error) { error_ = error; }
    // Calls of Read, Write and Flush so far.
    int ReadCalls() const { return readCalls_; }
    int WriteCalls() const { return writeCalls_; }
    int FlushCalls() const { return flushCalls_; }

    bool NeedsByteSwap() const override { return byteOrder_ != 1; }
    bool IsSameFile(const IFile& other) const override { return &other == this; }
    const FileRef& GetFileRef() const override { return ref_; }
    ErrCode GetError() const override { return error_; }

    ErrCode GetPosition(std::uint32_t& position) override {
        if (error_) return error_;
        position = position_;
        return kNoErr;
    }
    ErrCode SetPosition(std::uint32_t position) override {
        if (error_) return error_;
        position_ = position;
        atEnd_ = false;
        return kNoErr;
    }
    ErrCode SeekToEnd() override { return SetPosition(static_cast<std::uint32_t>(bytes_.size())); }

    bool IsAtEnd() const override { return atEnd_; }
    ErrCode Read(void* buffer, std::uint32_t& count) override {
        ++readCalls_;
        if (error_) {
            count = 0;
            return error_;
        }
        const std::size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
        const std::uint32_t wanted = count;
        count = static_cast<std::uint32_t>(std::min<std::size_t>(wanted, available));
        if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        if (count < wanted) {
            atEnd_ = true;
            return kEndOfFileErr;
        }
        return kNoErr;
    }

    ErrCode Flush() override {
        ++flushCalls_;
        return error_;
    }
    ErrCode Write(const void* buffer, std::uint32_t& count) override {
        ++writeCalls_;
        if (error_) {
            count = 0;
            return error_;
        }
        if (bytes_.size() < position_ + count) bytes_.resize(position_ + count);
        if (count > 0) std::memcpy(bytes_.data() + position_, buffer, count);
        position_ += count;
        return kNoErr;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t byteOrder_;
    std::uint32_t position_ = 0;
    bool atEnd_ = false;
    ErrCode error_ = kNoErr;
    int readCalls_ = 0;
    int writeCalls_ = 0;
    int flushCalls_ = 0;
    FileRef ref_;
};
