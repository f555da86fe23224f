#pragma once
// Big-endian fields written to and read from byte vectors, as every store segment holds them. A
// reader never reads past its bytes: the first field that does not fit fails it, and every later
// read fails too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void U8(std::uint32_t value) { out_.push_back(static_cast<std::uint8_t>(value)); }
    void U16(std::uint32_t value);
    void U32(std::uint32_t value);
    void Bytes(std::string_view bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

private:
    std::vector<std::uint8_t>& out_;
};

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

    bool Ok() const { return ok_; }
    bool AtEnd() const { return ok_ && position_ == size_; }
    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return ok_ ? size_ - position_ : 0; }

    std::uint8_t U8();
    std::int8_t I8() { return static_cast<std::int8_t>(U8()); }
    std::uint16_t U16();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint32_t U32();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    // count bytes, or an empty text when they are not all there.
    std::string Bytes(std::size_t count);
    // Marks the reader failed, for a field whose value is not acceptable.
    void Fail() { ok_ = false; }

private:
    bool Take(std::size_t count);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};
