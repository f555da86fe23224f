#include "foundation/IFile.h"

#include <cstring>

#include "foundation/ByteOrder.h"
#include "foundation/FileError.h"

ErrCode ReadExactly(IReadFile& stream, void* bytes, std::uint32_t size) {
    if (size == 0) return stream.GetError();
    std::uint32_t count = size;
    ErrCode err = stream.Read(bytes, count);
    if (err == kNoErr && count != size) err = kEndOfFileErr;
    return err;
}

ErrCode WriteExactly(IWriteFile& stream, const void* bytes, std::uint32_t size) {
    if (size == 0) return stream.GetError();
    std::uint32_t count = size;
    ErrCode err = stream.Write(bytes, count);
    if (err == kNoErr && count != size) err = kWrongWriteCountErr;
    return err;
}

ErrCode IReadFile::ReadByte(std::uint8_t& value) {
    std::uint8_t byte = 0;
    ErrCode err = ReadExactly(*this, &byte, 1);
    if (err == kNoErr) value = byte;
    return err;
}

ErrCode IReadFile::ReadUShort(std::uint16_t& value) {
    std::uint8_t bytes[2];
    ErrCode err = ReadExactly(*this, bytes, sizeof bytes);
    if (err == kNoErr) value = NeedsByteSwap() ? LoadBigEndian16(bytes) : LoadLittleEndian16(bytes);
    return err;
}

ErrCode IReadFile::ReadShort(std::int16_t& value) {
    std::uint16_t raw = 0;
    ErrCode err = ReadUShort(raw);
    if (err == kNoErr) value = static_cast<std::int16_t>(raw);
    return err;
}

ErrCode IReadFile::ReadULong(std::uint32_t& value) {
    std::uint8_t bytes[4];
    ErrCode err = ReadExactly(*this, bytes, sizeof bytes);
    if (err == kNoErr) value = NeedsByteSwap() ? LoadBigEndian32(bytes) : LoadLittleEndian32(bytes);
    return err;
}

ErrCode IReadFile::ReadLong(std::int32_t& value) {
    std::uint32_t raw = 0;
    ErrCode err = ReadULong(raw);
    if (err == kNoErr) value = static_cast<std::int32_t>(raw);
    return err;
}

ErrCode IReadFile::ReadFourCC(FourCC& value) {
    std::uint8_t bytes[4];
    ErrCode err = ReadExactly(*this, bytes, sizeof bytes);
    if (err == kNoErr) value = LoadLittleEndian32(bytes);
    return err;
}

ErrCode IWriteFile::WriteByte(std::uint8_t value) { return WriteExactly(*this, &value, 1); }

ErrCode IWriteFile::WriteShort(std::int16_t value) {
    std::uint8_t bytes[2];
    const auto raw = static_cast<std::uint16_t>(value);
    if (NeedsByteSwap()) {
        StoreBigEndian16(raw, bytes);
    } else {
        StoreLittleEndian16(raw, bytes);
    }
    return WriteExactly(*this, bytes, sizeof bytes);
}

ErrCode IWriteFile::WriteLong(std::int32_t value) {
    std::uint8_t bytes[4];
    const auto raw = static_cast<std::uint32_t>(value);
    if (NeedsByteSwap()) {
        StoreBigEndian32(raw, bytes);
    } else {
        StoreLittleEndian32(raw, bytes);
    }
    return WriteExactly(*this, bytes, sizeof bytes);
}

ErrCode IWriteFile::WriteFourCC(FourCC value) {
    std::uint8_t bytes[4];
    StoreLittleEndian32(value, bytes);
    return WriteExactly(*this, bytes, sizeof bytes);
}

ErrCode IWriteFile::WriteCString(const char* text) {
    if (!text) return GetError();
    return WriteExactly(*this, text, static_cast<std::uint32_t>(std::strlen(text)));
}
