#pragma once
// Packing 16- and 32-bit values into bytes and back, in either byte order, independent of the
// host's own order.

#include <cstdint>

constexpr std::uint16_t LoadBigEndian16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}
constexpr std::uint16_t LoadLittleEndian16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[1] << 8 | bytes[0]);
}
constexpr std::uint32_t LoadBigEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}
constexpr std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[3]) << 24 | static_cast<std::uint32_t>(bytes[2]) << 16 |
           static_cast<std::uint32_t>(bytes[1]) << 8 | static_cast<std::uint32_t>(bytes[0]);
}

constexpr void StoreBigEndian16(std::uint16_t value, std::uint8_t* bytes) {
    bytes[0] = static_cast<std::uint8_t>(value >> 8);
    bytes[1] = static_cast<std::uint8_t>(value);
}
constexpr void StoreLittleEndian16(std::uint16_t value, std::uint8_t* bytes) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}
constexpr void StoreBigEndian32(std::uint32_t value, std::uint8_t* bytes) {
    bytes[0] = static_cast<std::uint8_t>(value >> 24);
    bytes[1] = static_cast<std::uint8_t>(value >> 16);
    bytes[2] = static_cast<std::uint8_t>(value >> 8);
    bytes[3] = static_cast<std::uint8_t>(value);
}
constexpr void StoreLittleEndian32(std::uint32_t value, std::uint8_t* bytes) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
    bytes[2] = static_cast<std::uint8_t>(value >> 16);
    bytes[3] = static_cast<std::uint8_t>(value >> 24);
}
