#include "datafiles/Bytes.h"

void ByteWriter::U16(std::uint32_t value) {
    U8(value >> 8);
    U8(value);
}

void ByteWriter::U32(std::uint32_t value) {
    U16(value >> 16);
    U16(value);
}

bool ByteReader::Take(std::size_t count) {
    if (!ok_ || count > size_ - position_) {
        ok_ = false;
        return false;
    }
    position_ += count;
    return true;
}

std::uint8_t ByteReader::U8() { return Take(1) ? data_[position_ - 1] : 0; }

std::uint16_t ByteReader::U16() {
    if (!Take(2)) return 0;
    return static_cast<std::uint16_t>(data_[position_ - 2] << 8 | data_[position_ - 1]);
}

std::uint32_t ByteReader::U32() {
    const std::uint32_t high = U16();
    return high << 16 | U16();
}

std::string ByteReader::Bytes(std::size_t count) {
    if (!Take(count)) return {};
    return std::string(reinterpret_cast<const char*>(data_ + position_ - count), count);
}
