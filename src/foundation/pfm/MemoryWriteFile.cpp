#include "foundation/pfm/MemoryWriteFile.h"

#include <cstring>
#include <new>

#include "foundation/FileError.h"

ErrCode MemoryWriteFile::GetPosition(std::uint32_t& position) {
    position = position_;
    return kNoErr;
}

ErrCode MemoryWriteFile::SetPosition(std::uint32_t position) {
    position_ = position;
    return kNoErr;
}

ErrCode MemoryWriteFile::SeekToEnd() {
    position_ = Size();
    return kNoErr;
}

ErrCode MemoryWriteFile::Write(const void* buffer, std::uint32_t& count) {
    const std::uint64_t end = std::uint64_t{position_} + count;
    if (end > UINT32_MAX) {
        count = 0;
        return kDiskFullErr;
    }
    try {
        if (bytes_.size() < end) bytes_.resize(end);
    } catch (const std::bad_alloc&) {
        count = 0;
        return kOutOfMemoryErr;
    }
    if (count > 0) std::memcpy(bytes_.data() + position_, buffer, count);
    position_ = static_cast<std::uint32_t>(end);
    return kNoErr;
}
