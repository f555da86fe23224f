#include "foundation/pfm/MemoryReadFile.h"

#include <algorithm>
#include <cstring>

#include "foundation/FileError.h"

ErrCode MemoryReadFile::GetPosition(std::uint32_t& position) {
    position = position_;
    return kNoErr;
}

ErrCode MemoryReadFile::SetPosition(std::uint32_t position) {
    position_ = position;
    atEnd_ = false;
    return kNoErr;
}

ErrCode MemoryReadFile::SeekToEnd() { return SetPosition(static_cast<std::uint32_t>(bytes_.size())); }

ErrCode MemoryReadFile::Read(void* buffer, std::uint32_t& count) {
    const std::size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const std::uint32_t wanted = count;
    count = static_cast<std::uint32_t>(std::min<std::size_t>(wanted, available));
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    if (count == wanted) return kNoErr;
    atEnd_ = true;
    return kEndOfFileErr;
}
