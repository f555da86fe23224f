#include "foundation/FileReadBuffer.h"

#include <cstring>
#include <new>

#include "foundation/FileError.h"

FileReadBuffer::FileReadBuffer(IReadFile& source, std::uint32_t size, std::optional<std::uint32_t> position)
    : source_(source),
      buffer_(size > 0 ? new (std::nothrow) std::uint8_t[size] : nullptr),
      size_(buffer_ ? size : 0) {
    std::uint32_t asked = 0;
    if (position) {
        base_ = *position;
    } else if (source_.GetPosition(asked) == kNoErr) {
        base_ = asked;
    }
}

void FileReadBuffer::Empty() {
    offset_ = 0;
    valid_ = 0;
}

ErrCode FileReadBuffer::GetPosition(std::uint32_t& position) {
    if (ErrCode err = source_.GetError()) return err;
    position = base_ + offset_;
    return kNoErr;
}

ErrCode FileReadBuffer::SetPosition(std::uint32_t position) {
    if (ErrCode err = source_.GetError()) return err;
    if (position >= base_ && position - base_ < valid_) {
        offset_ = position - base_;
        return kNoErr;
    }
    // An empty buffer's base is where the source stands.
    if (valid_ == 0 && position == base_ && !source_.IsAtEnd()) return kNoErr;
    Empty();
    const ErrCode err = source_.SetPosition(position);
    if (err == kNoErr) base_ = position;
    return err;
}

ErrCode FileReadBuffer::SeekToEnd() {
    if (ErrCode err = source_.GetError()) return err;
    Empty();
    ErrCode err = source_.SeekToEnd();
    if (err == kNoErr) err = source_.GetPosition(base_);
    return err;
}

ErrCode FileReadBuffer::Read(void* buffer, std::uint32_t& count) {
    const std::uint32_t wanted = count;
    count = 0;
    if (ErrCode err = source_.GetError()) return err;
    if (wanted == 0) return kNoErr;
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::uint32_t done = 0;
    ErrCode err = kNoErr;

    // 1. What the buffer holds.
    if (offset_ < valid_) {
        const std::uint32_t available = valid_ - offset_;
        const std::uint32_t take = available < wanted ? available : wanted;
        std::memcpy(out, buffer_.get() + offset_, take);
        done = take;
        if (take == available) {
            base_ += valid_;
            Empty();
        } else {
            offset_ += take;
        }
    }

    const std::uint32_t left = wanted - done;
    if (left > 0 && left < size_) {
        // 2. Refill the buffer and take from it.
        std::uint32_t got = size_;
        err = source_.Read(buffer_.get(), got);
        if (got < left) {
            std::memcpy(out + done, buffer_.get(), got);
            done += got;
            base_ += got;
            Empty();
        } else {
            std::memcpy(out + done, buffer_.get(), left);
            done += left;
            offset_ = left;
            valid_ = got;
            if (err == kEndOfFileErr && got < size_ && source_.IsAtEnd()) err = kNoErr;
        }
    } else if (left > 0) {
        // 3. Large requests bypass the buffer.
        std::uint32_t got = left;
        err = source_.Read(out + done, got);
        done += got;
        base_ += got;
    }
    count = done;
    return err;
}
