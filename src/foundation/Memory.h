#pragma once
// The program's own allocator. Every block that the framework's classes own (list data, string
// text, segment data, pictures) comes from here. Each block carries its size in a header in front
// of it. When the system refuses memory, the registered purge callbacks are asked, in the order of
// registration, to free some, and then the reserve cushion gives memory back; only when nothing
// more can be freed does an allocation answer null.

#include <cstdint>
#include <memory>

#include "foundation/Types.h"

// --- Blocks ----------------------------------------------------------------------------------------

// A new block of that many bytes, or null. The block's address is aligned for any type.
void* MemAlloc(std::uint32_t size);
// MemAlloc, then every byte set to the value.
void* MemAllocFill(std::uint32_t size, std::uint8_t value);
// The block resized (it may move), its bytes kept up to the smaller size. Null when out of memory;
// the old block then stays valid. A null block is allocated anew.
void* MemRealloc(void* block, std::uint32_t size);
// MemRealloc; when the block grew, the added bytes are set to the value.
void* MemReallocFill(void* block, std::uint32_t size, std::uint8_t value);
// Null is ignored.
void MemFree(void* block);
// Frees the block the variable holds, if any; the variable keeps its value.
template <typename T>
void MemFreeAt(T* const* variable) {
    if (variable) MemFree(*variable);
}
// The recorded size of the block; 0 for null.
std::uint32_t MemSize(const void* block);
// A new block with the same size and bytes; null for null or when out of memory.
void* MemDuplicate(const void* block);

// Owns one block and frees it when it goes.
struct MemFreeDeleter {
    void operator()(void* block) const { MemFree(block); }
};
using MemBlockPtr = std::unique_ptr<void, MemFreeDeleter>;

// Handles: blocks never move behind their owners' backs here, so a handle is the block's address.
using MemHandle = void*;
inline void* DerefHandle(MemHandle handle) { return handle; }
inline void* MemLockHandle(MemHandle handle) { return handle; }
inline void* MemUnlockHandle(MemHandle handle) { return handle; }
// No handle is ever purged, so its state is always 0.
inline std::uint16_t MemHandleState(MemHandle /*handle*/) { return 0; }

// --- Reserve cushion -------------------------------------------------------------------------------

// The cushion never shrinks below this many bytes through purging.
inline constexpr std::uint32_t kMemoryCushionFloor = 4096;

// Records the wanted size (the second size when not 0, else the first) and allocates (or resizes)
// the cushion to it. 0, or -4 when both sizes are 0 or the block cannot be had.
ErrCode SetMemoryCushion(std::uint32_t size, std::uint32_t preferredSize = 0);
// Grows the cushion back to its wanted size; does nothing while purging or already regrowing.
ErrCode RegrowMemoryCushion();
// Gives back up to that many bytes, keeping at least kMemoryCushionFloor; answers the bytes given.
std::uint32_t ShrinkMemoryCushion(std::uint32_t wanted);
// Frees the whole cushion; the wanted size stays, so a later allocation regrows it.
void FreeMemoryCushion();
// True unless the cushion exists at its full wanted size.
bool IsMemoryCushionShort();

// --- Purging ---------------------------------------------------------------------------------------

inline constexpr int kMaxPurgeCallbacks = 10;

// Takes the number of bytes still needed and answers the number it freed.
using PurgeCallback = std::uint32_t (*)(std::uint32_t needed);

// Stored in the first empty entry; false when all entries are taken.
bool RegisterPurgeCallback(PurgeCallback callback);
// Removes it; the entries after it move up one place, keeping their order.
void UnregisterPurgeCallback(PurgeCallback callback);
// True while purge callbacks run.
bool IsPurgingMemory();
// Asks the callbacks in order, then the cushion, until the bytes are freed; answers the bytes freed.
std::uint32_t PurgeMemory(std::uint32_t needed);

// --- Counters and fault injection ------------------------------------------------------------------

struct MemoryCounters {
    std::uint64_t blocksAllocated = 0;  // blocks handed out by MemAlloc and its kin
    std::uint64_t blocksFreed = 0;
    std::uint64_t refusals = 0;     // system requests that failed (injected ones included)
    std::uint64_t purges = 0;       // PurgeMemory runs
    std::uint32_t cushionSize = 0;  // current size of the cushion block
    std::uint32_t wantedCushionSize = 0;

    std::uint64_t LiveBlocks() const { return blocksAllocated - blocksFreed; }
};

MemoryCounters GetMemoryCounters();

// Makes the next count requests for memory from the system fail, as if memory had run out. A
// request is any allocation or growth of a block or of the cushion; shrinking always succeeds.
// Lets tests drive the purge callbacks, the cushion and every caller's failure path.
void FailNextAllocations(std::uint32_t count);
