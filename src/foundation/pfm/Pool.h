#pragma once
// Many variable-size items (texts, values, small records) in one memory block, each named by a
// stable index. Items can be added, replaced by longer or shorter values, removed and read; the
// space of removed and shrunk items goes to a free list and is used again (an exact fit first,
// else the lowest free piece that is larger), and with flag 8 the block is compacted before the
// pool is written. A pool is an object (class id 9) and can be kept in a segment.
//
// Stored form, big-endian: the low byte of the flags; the item headers, the free indexes and the
// free pieces, each as a list record (see PlHdrList.h); the block as u16 0, u32 length and its
// bytes.

#include <cstdint>
#include <vector>

#include "foundation/TObject.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PlHdrList.h"

class Pool : public TObject {
    TOBJECT_CLASS(Pool, TObject, 9)

public:
    // Flag bits.
    static constexpr std::uint16_t kChanged = 1;               // changed since the pool was last read
    static constexpr std::uint16_t kCompactBeforeWriting = 8;  // free pieces are squeezed out first

    static constexpr std::uint16_t kRemoved = 0xFFFF;  // the size of a removed item's header
    static constexpr std::uint32_t kMaxItemSize = 32767;

    // The lists grow by growthCount elements at a time. The changed flag is set.
    Pool(std::uint16_t flags, std::uint16_t growthCount);
    ~Pool() override;
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    void DoLock() override;
    void DoUnlock() override;
    std::uint32_t GetDataSize() const override;
    // True when every bit of the mask is set in the flags.
    bool HasFlags(std::uint32_t mask) const override;
    std::int32_t GetFlattenedSize() const override;
    // Reads the stored form and clears the changed flag: -11 when the block cannot be read; -3
    // when the headers do not describe the block (see IsConsistent). A refused pool is left empty.
    ErrCode ReadFrom(IReadFile& file) override;
    ErrCode WriteTo(IWriteFile& file) override;

    // Copies the bytes into a new item; answers its index, or -1 when memory runs out or the item
    // would be longer than kMaxItemSize.
    std::int32_t AddItem(const void* data, std::uint32_t size);
    // Replaces the item's bytes: 0; -4 when memory runs out; -1 while the pool is locked, for a
    // removed or unknown item, or for more than kMaxItemSize bytes.
    ErrCode SetItem(std::int32_t index, const void* data, std::uint32_t size);
    // Copies the smaller of size and the item's size (size -1: the whole item); answers the bytes
    // copied (0 for a removed or unknown item).
    std::uint32_t GetItem(void* buffer, std::int32_t index, std::int32_t size) const;
    // The item's bytes in the block: valid while the pool is locked or unchanged. Null for a
    // removed or unknown item.
    void* ItemPtr(std::int32_t index);
    const void* ItemPtr(std::int32_t index) const;
    // 0 for a removed or unknown item.
    std::uint32_t ItemSize(std::int32_t index) const;
    // Moves index on to the next item that is not removed (start with -1) and answers its bytes;
    // null at the end.
    void* NextItem(std::int32_t& index);
    // Headers in use, removed items included.
    std::int32_t ItemCount() const { return items_.Count(); }

    virtual bool ItemExists(std::int32_t index) const;
    // False when the item did not exist.
    virtual bool RemoveItem(std::int32_t index);
    // Empties the pool; not while it is locked.
    virtual void RemoveAll();

    bool IsUnlocked() const { return !IsLocked(); }
    std::uint16_t GetFlags() const { return flags_; }
    // Bytes of the block, free pieces included.
    std::uint32_t BlockSize() const;
    // The free pieces, in offset order.
    const PlHdrList& FreePieces() const { return freePieces_; }

    // Makes pools from segments (class id 9): flags 0, growth 4.
    static TObject* Factory(IReadFile& file, ClassId id, ErrCode* error, std::uintptr_t context);

private:
    // The bytes to copy into an item: the data itself, or a copy of it in copy when it lies in
    // the block, which may move while room is made.
    const std::uint8_t* OutsideBlock(const void* data, std::uint32_t size,
                                     std::vector<std::uint8_t>& copy) const;
    // The block at the new size (none at 0); false when it cannot grow.
    bool ResizeBlock(std::uint32_t size);
    // Room for size bytes: a free piece that fits exactly, else the lowest larger one, else the end
    // of the block, which grows. -1 when the block cannot grow.
    std::int64_t FindRoom(std::uint32_t size);
    // The piece joins the free list in offset order, merging with the pieces it touches.
    void FreePiece(std::uint32_t offset, std::uint32_t size);
    void Compact();
    // Every item and free piece lies inside the block and no byte belongs to two of them; the free
    // pieces are in offset order and none is empty; each free index names a removed item, once.
    bool IsConsistent() const;
    std::uint8_t* Bytes() const { return static_cast<std::uint8_t*>(block_); }

    PlHdrList items_;
    void* block_ = nullptr;
    LList freeIndexes_;
    PlHdrList freePieces_;
    std::uint16_t flags_;
};
