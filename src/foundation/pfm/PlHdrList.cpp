#include "foundation/pfm/PlHdrList.h"

#include "foundation/FileError.h"
#include "foundation/IFile.h"

namespace {

constexpr std::uint8_t kStoredSorted = 1;
constexpr std::uint8_t kStoredKeepsElements = 4;

}  // namespace

ErrCode BytesLeftIn(IReadFile& file, std::uint32_t& left) {
    std::uint32_t position = 0;
    std::uint32_t end = 0;
    ErrCode err = file.GetPosition(position);
    if (err == kNoErr) err = file.SeekToEnd();
    if (err == kNoErr) err = file.GetPosition(end);
    if (err == kNoErr) err = file.SetPosition(position);
    left = err == kNoErr && end > position ? end - position : 0;
    return err;
}

ErrCode WriteListRecordHeader(IWriteFile& file, const TList& list) {
    std::uint8_t flags = 0;
    if (list.HasFlags(TList::kSorted)) flags |= kStoredSorted;
    if (list.HasFlags(TList::kKeepElements)) flags |= kStoredKeepsElements;
    ErrCode err = file.WriteShort(static_cast<std::int16_t>(list.GetGrowth()));
    if (err == kNoErr) err = file.WriteShort(static_cast<std::int16_t>(list.GetElementSize()));
    if (err == kNoErr) err = file.WriteLong(list.Count());
    if (err == kNoErr) err = file.WriteByte(flags);
    return err;
}

ErrCode ReadListRecordHeader(IReadFile& file, TList& list, std::uint16_t elementSize, std::uint32_t& count,
                             bool& sorted) {
    std::uint16_t growth = 0;
    std::uint16_t storedSize = 0;
    std::uint8_t flags = 0;
    ErrCode err = file.ReadUShort(growth);
    if (err == kNoErr) err = file.ReadUShort(storedSize);
    if (err == kNoErr) err = file.ReadULong(count);
    if (err == kNoErr) err = file.ReadByte(flags);
    std::uint32_t left = 0;
    if (err == kNoErr) err = BytesLeftIn(file, left);
    if (err != kNoErr) return err;
    if (storedSize != elementSize || count > left / elementSize) return kBadDataErr;
    list.SetGrowth(growth);
    list.SetOwnsElements((flags & kStoredKeepsElements) == 0);
    sorted = (flags & kStoredSorted) != 0;
    return kNoErr;
}

std::int32_t PlHdrList::GetFlattenedSize() const {
    return static_cast<std::int32_t>(kListRecordHeaderSize + sizeof(PieceHeader) * Count());
}

ErrCode PlHdrList::WriteTo(IWriteFile& file) {
    ErrCode err = WriteListRecordHeader(file, *this);
    for (std::int32_t i = 0; i < Count() && err == kNoErr; ++i) {
        const PieceHeader header = GetAt(i);
        err = file.WriteLong(static_cast<std::int32_t>(header.offset));
        if (err == kNoErr) err = file.WriteShort(static_cast<std::int16_t>(header.size));
    }
    return err;
}

ErrCode PlHdrList::ReadFrom(IReadFile& file) {
    std::uint32_t count = 0;
    bool sorted = false;
    ErrCode err = ReadListRecordHeader(file, *this, sizeof(PieceHeader), count, sorted);
    if (err == kNoErr) err = SetCount(0);
    if (err == kNoErr) err = SetCapacity(static_cast<std::int32_t>(count));
    for (std::uint32_t i = 0; i < count && err == kNoErr; ++i) {
        PieceHeader header;
        std::uint32_t offset = 0;
        std::uint16_t size = 0;
        err = file.ReadULong(offset);
        if (err == kNoErr) err = file.ReadUShort(size);
        header.offset = offset;
        header.size = size;
        if (err == kNoErr && Append(header) < 0) err = kOutOfMemoryErr;
    }
    if (err == kNoErr && sorted) SetSorted();
    return err;
}
