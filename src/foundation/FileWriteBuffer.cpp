#include "foundation/FileWriteBuffer.h"

#include <cstring>
#include <new>

FileWriteBuffer::FileWriteBuffer(IWriteFile& target, std::uint32_t size)
    : target_(target),
      buffer_(size > 0 ? new (std::nothrow) std::uint8_t[size] : nullptr),
      size_(buffer_ ? size : 0) {
    std::uint32_t position = 0;
    if (target_.GetPosition(position) == kNoErr) base_ = position;
}

FileWriteBuffer::~FileWriteBuffer() { Flush(); }

ErrCode FileWriteBuffer::WriteOut() {
    if (used_ == 0) return kNoErr;
    std::uint32_t written = used_;
    ErrCode err = target_.Write(buffer_.get(), written);
    const std::uint32_t logical = base_ + offset_;
    base_ += written;
    // After a move back inside the buffer, the write position is not the buffer's end.
    if (err == kNoErr && offset_ != used_) {
        err = target_.SetPosition(logical);
        if (err == kNoErr) base_ = logical;
    }
    offset_ = 0;
    used_ = 0;
    return err;
}

ErrCode FileWriteBuffer::GetPosition(std::uint32_t& position) {
    if (ErrCode err = target_.GetError()) return err;
    position = base_ + offset_;
    return kNoErr;
}

ErrCode FileWriteBuffer::SetPosition(std::uint32_t position) {
    if (ErrCode err = target_.GetError()) return err;
    if (position >= base_ && position - base_ <= used_) {
        offset_ = position - base_;
        return kNoErr;
    }
    offset_ = used_;  // the target need not come back to a position it is about to leave
    ErrCode err = WriteOut();
    if (err == kNoErr) err = target_.SetPosition(position);
    if (err == kNoErr) base_ = position;
    return err;
}

ErrCode FileWriteBuffer::SeekToEnd() {
    if (ErrCode err = target_.GetError()) return err;
    offset_ = used_;
    ErrCode err = WriteOut();
    if (err == kNoErr) err = target_.SeekToEnd();
    if (err == kNoErr) err = target_.GetPosition(base_);
    return err;
}

ErrCode FileWriteBuffer::Flush() {
    if (ErrCode err = target_.GetError()) return err;
    ErrCode err = WriteOut();
    const ErrCode flushErr = target_.Flush();
    return err != kNoErr ? err : flushErr;
}

ErrCode FileWriteBuffer::Write(const void* buffer, std::uint32_t& count) {
    const std::uint32_t wanted = count;
    count = 0;
    if (ErrCode err = target_.GetError()) return err;
    const auto* in = static_cast<const std::uint8_t*>(buffer);
    std::uint32_t left = wanted;
    ErrCode err = kNoErr;
    if (size_ == 0) {
        std::uint32_t written = wanted;
        err = target_.Write(in, written);
        base_ += written;
        count = written;
        return err;
    }
    std::uint32_t room = size_ - offset_;
    while (err == kNoErr && room <= left) {
        std::memcpy(buffer_.get() + offset_, in + (wanted - left), room);
        offset_ += room;
        if (offset_ > used_) used_ = offset_;
        err = WriteOut();
        if (err != kNoErr) break;  // the bytes of the failed write are not counted as taken
        left -= room;
        room = size_;
    }
    if (err == kNoErr && left > 0) {
        std::memcpy(buffer_.get() + offset_, in + (wanted - left), left);
        offset_ += left;
        if (offset_ > used_) used_ = offset_;
        left = 0;
    }
    count = wanted - left;
    return err;
}
