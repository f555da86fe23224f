#pragma once
// A list of memory blocks (from MemAlloc, or null) that it owns and frees. Besides whole blocks it
// keeps byte runs: runs are packed into blocks that stay below kMaxRunBlockSize bytes, and each run
// is addressed by its block index and offset.

#include <cstdint>

#include "foundation/TypedList.h"

class HdlList : public TypedList<void*> {
    TOBJECT_CLASS(HdlList, TypedList<void*>, 4)

public:
    // A run goes into an existing block only while the block stays below this size.
    static constexpr std::uint32_t kMaxRunBlockSize = 0xFFFFC;

    explicit HdlList(std::uint16_t growth = 0, std::uint16_t flags = 0, std::int32_t initialCount = 0)
        : TypedList(growth, flags, initialCount) {}
    // Holds duplicates of the other's blocks.
    HdlList(const HdlList& other);
    ~HdlList() override;

    // The list's block plus every block it holds.
    std::uint32_t GetDataSize() const override;

    // Disposes of its own blocks and holds duplicates of the other's (null stays null). 0, or -4
    // (the list then stays as it was); -1 when the other is not an HdlList.
    ErrCode CopyFrom(const TList& other) override;
    // Equal counts, and every pair of blocks has the same size and bytes.
    bool IsEqual(const TList& other) const override;

    // Appends the bytes to the first block that stays below kMaxRunBlockSize with them, or to a new
    // block of exactly that length; reports where. 0, or -4.
    ErrCode AppendBytes(const void* bytes, std::uint32_t length, std::int32_t* index, std::uint32_t* offset);
    // Writes the bytes at the offset of block index, growing the block (zero-filled) as needed.
    // 0, -4, or -1 for a bad index.
    ErrCode WriteBytes(const void* bytes, std::uint32_t length, std::int32_t index, std::uint32_t offset);
    // Copies bytes out of block index. 0, or -1 when the range is not inside the block.
    ErrCode ReadBytes(void* destination, std::uint32_t length, std::int32_t index,
                      std::uint32_t offset) const;
    // Removes the bytes at the offset, moving the rest down and shrinking the block. 0, or -1 when
    // the range is not inside the block.
    ErrCode DeleteBytes(std::uint32_t length, std::int32_t index, std::uint32_t offset);

protected:
    void DisposeElement(void* element) override;

private:
    // Stores a block that took the place of the one at index (resized or duplicated); the sorted
    // flag stays as it is.
    void ReplaceBlock(std::int32_t index, void* block);
    // The block at index when the range lies inside it, else null.
    void* BlockFor(std::int32_t index, std::uint32_t offset, std::uint32_t length) const;
};
