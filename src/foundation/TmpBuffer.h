#pragma once
// Temporary work buffers. A TmpBuffer borrows a block of at least the asked size from the current
// TmpBufferHeap for one scope and hands it back at its end; the heap keeps free buffers for reuse,
// up to a byte budget, and gives them up when memory runs short. The current heap is made by a
// start-up callback and deleted by the matching shut-down callback.

#include <cstdint>
#include <vector>

#include "foundation/Memory.h"
#include "foundation/Types.h"

struct TmpBufferRecord {
    std::uint32_t size = 0;
    bool inUse = false;
    MemBlockPtr block;
};

class TmpBufferHeap {
public:
    static constexpr std::uint32_t kNoLimit = 0xFFFFFFFF;

    TmpBufferHeap() = default;
    ~TmpBufferHeap() = default;
    TmpBufferHeap(const TmpBufferHeap&) = delete;
    TmpBufferHeap& operator=(const TmpBufferHeap&) = delete;

    // A buffer of at least that size marked in use: the smallest free one that fits, else a new
    // one of exactly that size. Null when out of memory.
    void* Acquire(std::uint32_t size);
    // Marks the buffer free; when the free bytes then exceed the budget, every free buffer goes.
    // An address the heap does not know is ignored.
    void Release(void* address);
    // Frees free buffers, largest first, until the wanted bytes are freed (kNoLimit: all of them);
    // answers the bytes freed. A purge started while one runs frees nothing.
    std::uint32_t Purge(std::uint32_t wanted);
    // Adds a free buffer of that size; false when out of memory.
    bool Preallocate(std::uint32_t size);
    // The most bytes that free buffers may hold (kNoLimit at first).
    void SetLimit(std::uint32_t bytes) { limit_ = bytes; }

    std::uint32_t GetLimit() const { return limit_; }
    std::uint32_t GetFreeBytes() const { return freeBytes_; }
    std::size_t GetBufferCount() const { return records_.size(); }

private:
    // Inserts the record at its place by size (before the first of equal size); false when out of
    // memory.
    bool InsertSorted(TmpBufferRecord&& record);

    std::vector<TmpBufferRecord> records_;  // ascending by size
    std::uint32_t freeBytes_ = 0;
    std::uint32_t limit_ = kNoLimit;
    // Set while the heap purges, so that a purge reached again from inside it frees nothing.
    bool purging_ = false;
};

// The heap that TmpBuffer uses; null before start-up and after shut-down.
TmpBufferHeap* CurrentTmpBufferHeap();

// The budget of the current heap, if any (the story application sets 131072).
void SetTmpBufferLimit(std::uint32_t bytes);
// Adds a free buffer to the current heap, if any.
void PreallocateTmpBuffer(std::uint32_t size);

// A buffer of at least the asked size for the lifetime of the object. Get() is null when there is
// no current heap or no memory.
class TmpBuffer {
public:
    explicit TmpBuffer(std::uint32_t size);
    ~TmpBuffer();
    TmpBuffer(const TmpBuffer&) = delete;
    TmpBuffer& operator=(const TmpBuffer&) = delete;

    void* Get() const { return address_; }
    char* Text() const { return static_cast<char*>(address_); }
    std::uint32_t Size() const { return size_; }

private:
    void* address_;
    std::uint32_t size_;
};

// Allocates a block, stores its address in the caller's variable and frees it at destruction (the
// variable is not touched then). The variable holds null when the block could not be had.
class ScopedBuffer {
public:
    template <typename T>
    ScopedBuffer(std::uint32_t size, T** variable) : block_(MemAlloc(size)) {
        *variable = static_cast<T*>(block_.get());
    }
    ScopedBuffer(const ScopedBuffer&) = delete;
    ScopedBuffer& operator=(const ScopedBuffer&) = delete;

private:
    MemBlockPtr block_;
};
