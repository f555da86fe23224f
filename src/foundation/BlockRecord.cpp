#include "foundation/BlockRecord.h"

#include "foundation/FileError.h"

namespace {

MemBlockPtr ReadBody(IReadFile& file, std::uint32_t length, ErrCode& err) {
    MemBlockPtr block(MemAlloc(length));
    if (!block) {
        err = kOutOfMemoryErr;
        return nullptr;
    }
    err = ReadExactly(file, block.get(), length);
    if (err != kNoErr) return nullptr;
    return block;
}

}  // namespace

ErrCode ReadBlockLength(IReadFile& file, std::uint32_t& length) {
    std::uint16_t zero = 0;
    ErrCode err = file.ReadUShort(zero);
    if (err == kNoErr) err = file.ReadULong(length);
    return err;
}

std::uint32_t BlockStoredSize(const void* block) { return MemSize(block) + kBlockRecordHeaderSize; }

ErrCode WriteBlock(const void* block, IWriteFile& file) {
    const std::uint32_t length = MemSize(block);
    ErrCode err = file.WriteShort(0);
    if (err == kNoErr) err = file.WriteLong(static_cast<std::int32_t>(length));
    if (err == kNoErr) err = WriteExactly(file, block, length);
    return err;
}

MemBlockPtr ReadBlock(IReadFile& file, std::uint32_t maxLength, ErrCode& err) {
    std::uint32_t length = 0;
    err = ReadBlockLength(file, length);
    if (err != kNoErr) return nullptr;
    if (length > maxLength) {
        err = kBadDataErr;
        return nullptr;
    }
    return ReadBody(file, length, err);
}

ErrCode ReadBlockOfSize(IReadFile& file, MemBlockPtr& block, std::uint32_t recordSize) {
    block.reset();
    std::uint32_t length = 0;
    ErrCode err = ReadBlockLength(file, length);
    if (err != kNoErr) return err;
    if (recordSize < kBlockRecordHeaderSize || length != recordSize - kBlockRecordHeaderSize)
        return kBadDataErr;
    block = ReadBody(file, length, err);
    return err;
}

ErrCode ReadBlockPassingLength(IReadFile& file, MemBlockPtr& block, std::uint32_t recordSize) {
    block.reset();
    if (recordSize < kBlockRecordHeaderSize) return kBadDataErr;
    std::uint32_t length = 0;
    ErrCode err = ReadBlockLength(file, length);
    if (err == kNoErr) block = ReadBody(file, recordSize - kBlockRecordHeaderSize, err);
    return err;
}
