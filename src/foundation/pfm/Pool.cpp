#include "foundation/pfm/Pool.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "foundation/BlockRecord.h"
#include "foundation/FileError.h"
#include "foundation/IFile.h"
#include "foundation/Memory.h"
#include "foundation/ObjectFactory.h"
#include "foundation/Startup.h"

namespace {

// A free piece is at most this long, so that its 16-bit size can never be taken for a removed
// item's mark; longer runs of free bytes stay several pieces.
constexpr std::uint32_t kMaxPieceSize = 0xFFFE;

void RegisterPoolFactory() { RegisterObjectFactory(Pool::Factory); }

[[maybe_unused]] const bool poolFactoryRegistered = RegisterInitCallback(RegisterPoolFactory);

}  // namespace

Pool::Pool(std::uint16_t flags, std::uint16_t growthCount)
    : items_(static_cast<std::uint16_t>(growthCount * sizeof(PieceHeader))),
      freeIndexes_(static_cast<std::uint16_t>(growthCount * sizeof(std::int32_t))),
      freePieces_(static_cast<std::uint16_t>(growthCount * sizeof(PieceHeader))),
      flags_(flags | kChanged) {}

Pool::~Pool() { MemFree(block_); }

void Pool::DoLock() { items_.Lock(); }
void Pool::DoUnlock() { items_.Unlock(); }

std::uint32_t Pool::GetDataSize() const {
    return items_.GetDataSize() + freeIndexes_.GetDataSize() + freePieces_.GetDataSize() + MemSize(block_);
}

bool Pool::HasFlags(std::uint32_t mask) const { return (flags_ & mask) == mask; }

std::uint32_t Pool::BlockSize() const { return MemSize(block_); }

std::int32_t Pool::GetFlattenedSize() const {
    std::uint32_t freeBytes = 0;
    for (std::int32_t i = 0; i < freePieces_.Count(); ++i) freeBytes += freePieces_.GetAt(i).size;
    const bool compacted = HasFlags(kCompactBeforeWriting);
    const std::uint32_t pieces = compacted ? 0 : static_cast<std::uint32_t>(freePieces_.Count());
    const std::uint32_t block = compacted ? BlockSize() - freeBytes : BlockSize();
    return static_cast<std::int32_t>(1 + items_.GetFlattenedSize() + kListRecordHeaderSize +
                                     sizeof(std::int32_t) * freeIndexes_.Count() + kListRecordHeaderSize +
                                     sizeof(PieceHeader) * pieces + kBlockRecordHeaderSize + block);
}

// --- items

bool Pool::ItemExists(std::int32_t index) const {
    return index >= 0 && index < items_.Count() && items_.GetAt(index).size != kRemoved;
}

std::uint32_t Pool::ItemSize(std::int32_t index) const {
    return ItemExists(index) ? items_.GetAt(index).size : 0;
}

void* Pool::ItemPtr(std::int32_t index) {
    return ItemExists(index) ? Bytes() + items_.GetAt(index).offset : nullptr;
}

const void* Pool::ItemPtr(std::int32_t index) const {
    return ItemExists(index) ? Bytes() + items_.GetAt(index).offset : nullptr;
}

std::uint32_t Pool::GetItem(void* buffer, std::int32_t index, std::int32_t size) const {
    const std::uint32_t itemSize = ItemSize(index);
    const std::uint32_t count = size < 0 ? itemSize : std::min(itemSize, static_cast<std::uint32_t>(size));
    if (count > 0) std::memcpy(buffer, ItemPtr(index), count);
    return count;
}

void* Pool::NextItem(std::int32_t& index) {
    while (++index < items_.Count()) {
        if (ItemExists(index)) return ItemPtr(index);
    }
    return nullptr;
}

const std::uint8_t* Pool::OutsideBlock(const void* data, std::uint32_t size,
                                       std::vector<std::uint8_t>& copy) const {
    const auto* source = static_cast<const std::uint8_t*>(data);
    if (size == 0 || source < Bytes() || source >= Bytes() + BlockSize()) return source;
    copy.assign(source, source + size);
    return copy.data();
}

std::int32_t Pool::AddItem(const void* data, std::uint32_t size) {
    if (size > kMaxItemSize) return -1;
    std::vector<std::uint8_t> copy;
    const std::uint8_t* source = OutsideBlock(data, size, copy);
    const std::int64_t room = FindRoom(size);
    if (room < 0) return -1;
    if (size > 0) std::memcpy(Bytes() + room, source, size);
    const PieceHeader header{static_cast<std::uint32_t>(room), static_cast<std::uint16_t>(size)};
    std::int32_t index = -1;
    if (freeIndexes_.Count() > 0) {
        index = freeIndexes_.GetAt(freeIndexes_.Count() - 1);
        freeIndexes_.DeleteAt(freeIndexes_.Count() - 1);
        items_.SetAt(header, index);
    } else {
        index = items_.Append(header);
        if (index < 0) {
            FreePiece(header.offset, size);
            return -1;
        }
    }
    flags_ |= kChanged;
    return index;
}

ErrCode Pool::SetItem(std::int32_t index, const void* data, std::uint32_t size) {
    if (IsLocked() || !ItemExists(index) || size > kMaxItemSize) return kFileErr;
    PieceHeader header = items_.GetAt(index);
    const auto* source = static_cast<const std::uint8_t*>(data);
    if (size > header.size) {
        std::vector<std::uint8_t> copy;
        source = OutsideBlock(data, size, copy);
        // Room first: when there is none, the item keeps its old bytes.
        const std::int64_t room = FindRoom(size);
        if (room < 0) return kOutOfMemoryErr;
        std::memcpy(Bytes() + room, source, size);
        FreePiece(header.offset, header.size);
        header = {static_cast<std::uint32_t>(room), static_cast<std::uint16_t>(size)};
    } else {
        if (size > 0) std::memmove(Bytes() + header.offset, source, size);
        FreePiece(header.offset + size, header.size - size);
        header.size = static_cast<std::uint16_t>(size);
        if (size == 0) header.offset = 0;
    }
    items_.SetAt(header, index);
    flags_ |= kChanged;
    return kNoErr;
}

bool Pool::RemoveItem(std::int32_t index) {
    if (!ItemExists(index)) return false;
    const PieceHeader header = items_.GetAt(index);
    // The bytes that end the block go with it; any others become a free piece.
    const bool endsBlock = header.size > 0 && header.offset + header.size == BlockSize();
    if (!endsBlock || !ResizeBlock(header.offset)) FreePiece(header.offset, header.size);
    if (index == items_.Count() - 1) {
        items_.DeleteAt(index);
    } else {
        items_.SetAt({header.offset, kRemoved}, index);
        freeIndexes_.Append(index);
    }
    flags_ |= kChanged;
    return true;
}

void Pool::RemoveAll() {
    if (IsLocked()) return;
    items_.SetCount(0);
    freeIndexes_.SetCount(0);
    freePieces_.SetCount(0);
    MemFree(block_);
    block_ = nullptr;
    flags_ |= kChanged;
}

// --- room in the block

bool Pool::ResizeBlock(std::uint32_t size) {
    if (size == 0) {
        MemFree(block_);
        block_ = nullptr;
        return true;
    }
    void* resized = MemRealloc(block_, size);
    if (resized) block_ = resized;
    return resized != nullptr;
}

std::int64_t Pool::FindRoom(std::uint32_t size) {
    if (size == 0) return 0;  // empty items all sit at offset 0
    for (std::int32_t i = 0; i < freePieces_.Count(); ++i) {
        const PieceHeader piece = freePieces_.GetAt(i);
        if (piece.size == size) {
            freePieces_.DeleteAt(i);
            return piece.offset;
        }
    }
    for (std::int32_t i = 0; i < freePieces_.Count(); ++i) {
        PieceHeader piece = freePieces_.GetAt(i);
        if (piece.size > size) {
            const std::uint32_t offset = piece.offset;
            piece.offset += size;
            piece.size = static_cast<std::uint16_t>(piece.size - size);
            freePieces_.SetAt(piece, i);
            return offset;
        }
    }
    const std::uint32_t end = BlockSize();
    if (end > UINT32_MAX - size || !ResizeBlock(end + size)) return -1;
    return end;
}

void Pool::FreePiece(std::uint32_t offset, std::uint32_t size) {
    if (size == 0) return;
    std::int32_t at = 0;
    while (at < freePieces_.Count() && freePieces_.GetAt(at).offset < offset) ++at;
    if (at > 0) {
        PieceHeader before = freePieces_.GetAt(at - 1);
        if (before.offset + before.size == offset && before.size + size <= kMaxPieceSize) {
            before.size = static_cast<std::uint16_t>(before.size + size);
            if (at < freePieces_.Count()) {
                const PieceHeader after = freePieces_.GetAt(at);
                if (before.offset + before.size == after.offset &&
                    before.size + after.size <= kMaxPieceSize) {
                    before.size = static_cast<std::uint16_t>(before.size + after.size);
                    freePieces_.DeleteAt(at);
                }
            }
            freePieces_.SetAt(before, at - 1);
            return;
        }
    }
    if (at < freePieces_.Count()) {
        PieceHeader after = freePieces_.GetAt(at);
        if (offset + size == after.offset && after.size + size <= kMaxPieceSize) {
            after.offset = offset;
            after.size = static_cast<std::uint16_t>(after.size + size);
            freePieces_.SetAt(after, at);
            return;
        }
    }
    freePieces_.InsertAt({offset, static_cast<std::uint16_t>(size)}, at);
}

void Pool::Compact() {
    for (std::int32_t i = freePieces_.Count() - 1; i >= 0; --i) {
        const PieceHeader piece = freePieces_.GetAt(i);
        const std::uint32_t end = piece.offset + piece.size;
        const std::uint32_t size = BlockSize();
        // Reading refuses pools whose pieces overlap or leave the block; should one ever get here,
        // it is left where it is rather than moving bytes from beyond the block.
        if (end > size) continue;
        std::memmove(Bytes() + piece.offset, Bytes() + end, size - end);
        ResizeBlock(size - piece.size);  // shrinking a block always succeeds
        for (std::int32_t item = 0; item < items_.Count(); ++item) {
            PieceHeader header = items_.GetAt(item);
            if (header.size == kRemoved || header.offset <= piece.offset) continue;
            header.offset = header.offset >= end ? header.offset - piece.size : piece.offset;
            items_.SetAt(header, item);
        }
    }
    freePieces_.SetCount(0);
}

// --- stored form

ErrCode Pool::WriteTo(IWriteFile& file) {
    if (HasFlags(kCompactBeforeWriting)) Compact();
    ErrCode err = file.WriteByte(static_cast<std::uint8_t>(flags_));
    if (err == kNoErr) err = items_.WriteTo(file);
    if (err == kNoErr) err = WriteListRecordHeader(file, freeIndexes_);
    for (std::int32_t i = 0; i < freeIndexes_.Count() && err == kNoErr; ++i)
        err = file.WriteLong(freeIndexes_.GetAt(i));
    if (err == kNoErr) err = freePieces_.WriteTo(file);
    if (err == kNoErr) err = WriteBlock(block_, file);
    return err;
}

ErrCode Pool::ReadFrom(IReadFile& file) {
    if (IsLocked()) return kFileErr;
    RemoveAll();
    std::uint8_t flags = 0;
    ErrCode err = file.ReadByte(flags);
    if (err == kNoErr) flags_ = static_cast<std::uint16_t>((flags_ & 0xFF00) | flags);
    if (err == kNoErr) err = items_.ReadFrom(file);
    std::uint32_t count = 0;
    bool sorted = false;
    if (err == kNoErr) err = ReadListRecordHeader(file, freeIndexes_, sizeof(std::int32_t), count, sorted);
    for (std::uint32_t i = 0; i < count && err == kNoErr; ++i) {
        std::int32_t index = 0;
        err = file.ReadLong(index);
        if (err == kNoErr && freeIndexes_.Append(index) < 0) err = kOutOfMemoryErr;
    }
    if (err == kNoErr && sorted) freeIndexes_.SetSorted();
    if (err == kNoErr) err = freePieces_.ReadFrom(file);
    std::uint32_t left = 0;
    if (err == kNoErr) err = BytesLeftIn(file, left);
    if (err == kNoErr) {
        MemBlockPtr block = ReadBlock(file, left, err);
        if (err == kNoErr) {
            block_ = block.release();
        } else if (err != kOutOfMemoryErr) {
            err = kReadErr;
        }
    }
    if (err == kNoErr && !IsConsistent()) err = kBadDataErr;
    if (err != kNoErr) {
        RemoveAll();
        return err;
    }
    flags_ &= ~kChanged;
    return kNoErr;
}

bool Pool::IsConsistent() const {
    const std::uint64_t size = BlockSize();
    // Items with bytes and free pieces: no byte of the block may belong to two of them, or
    // compaction would move bytes it has already moved and run past the block.
    std::vector<PieceHeader> claimed;
    for (std::int32_t i = 0; i < items_.Count(); ++i) {
        const PieceHeader header = items_.GetAt(i);
        if (header.size == kRemoved) continue;
        if (header.size > kMaxItemSize || std::uint64_t{header.offset} + header.size > size) return false;
        if (header.size > 0) claimed.push_back(header);
    }
    std::uint64_t previousEnd = 0;
    for (std::int32_t i = 0; i < freePieces_.Count(); ++i) {
        const PieceHeader piece = freePieces_.GetAt(i);
        const std::uint64_t end = std::uint64_t{piece.offset} + piece.size;
        if (piece.size == 0 || piece.size > kMaxPieceSize || end > size) return false;
        if (piece.offset < previousEnd) return false;  // out of offset order, or overlapping
        previousEnd = end;
        claimed.push_back(piece);
    }
    std::sort(claimed.begin(), claimed.end(),
              [](const PieceHeader& a, const PieceHeader& b) { return a.offset < b.offset; });
    for (std::size_t i = 1; i < claimed.size(); ++i) {
        if (std::uint64_t{claimed[i - 1].offset} + claimed[i - 1].size > claimed[i].offset) return false;
    }
    // Each free index names a removed item, once.
    std::vector<bool> named(static_cast<std::size_t>(items_.Count()), false);
    for (std::int32_t i = 0; i < freeIndexes_.Count(); ++i) {
        const std::int32_t index = freeIndexes_.GetAt(i);
        if (index < 0 || index >= items_.Count() || items_.GetAt(index).size != kRemoved) return false;
        if (named[static_cast<std::size_t>(index)]) return false;
        named[static_cast<std::size_t>(index)] = true;
    }
    return true;
}

TObject* Pool::Factory(IReadFile& file, ClassId id, ErrCode* error, std::uintptr_t /*context*/) {
    if (id != kClassId) return nullptr;
    auto* pool = new Pool(0, 4);
    *error = pool->ReadFrom(file);
    return pool;
}
