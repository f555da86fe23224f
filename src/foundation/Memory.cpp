#include "foundation/Memory.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The header in front of every block. It is as large as the strictest alignment, so the block's
// bytes that follow it are aligned for any type.
struct alignas(std::max_align_t) BlockHeader {
    std::uint32_t size;
};
constexpr std::size_t kHeaderSize = sizeof(BlockHeader);

struct MemoryState {
    // Reserve cushion: raw system memory, never handed out.
    void* cushion = nullptr;
    std::uint32_t cushionSize = 0;
    std::uint32_t wantedCushionSize = 0;
    bool regrowing = false;
    bool purging = false;

    std::array<PurgeCallback, kMaxPurgeCallbacks> purgeTable{};

    std::uint32_t failuresToInject = 0;
    MemoryCounters counters;
};

MemoryState& State() {
    static MemoryState state;
    return state;
}

BlockHeader* HeaderOf(const void* block) {
    return reinterpret_cast<BlockHeader*>(static_cast<char*>(const_cast<void*>(block)) - kHeaderSize);
}

void* BlockOf(void* raw) { return static_cast<char*>(raw) + kHeaderSize; }

// Bytes asked of the system for a block of that size; size_t arithmetic, so it cannot wrap.
std::size_t RawSize(std::uint32_t size) { return kHeaderSize + size; }

// What PurgeMemory is asked to free for a block of that size.
std::uint32_t PurgeNeed(std::uint32_t size) {
    const std::size_t raw = RawSize(size);
    return raw > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                           : static_cast<std::uint32_t>(raw);
}

bool InjectFailure() {
    MemoryState& state = State();
    if (state.failuresToInject == 0) return false;
    --state.failuresToInject;
    return true;
}

// The one place that asks the system for memory. growing is false for a resize that shrinks.
void* SystemResize(void* raw, std::size_t bytes, bool growing) {
    MemoryState& state = State();
    void* result = nullptr;
    if (!(growing && InjectFailure())) result = raw ? std::realloc(raw, bytes) : std::malloc(bytes);
    if (!result) ++state.counters.refusals;
    return result;
}

// Asks the system, purging between attempts, until it succeeds or nothing more can be freed.
void* SystemResizeWithPurge(void* raw, std::uint32_t size, bool growing) {
    for (;;) {
        void* result = SystemResize(raw, RawSize(size), growing);
        if (result) return result;
        if (PurgeMemory(PurgeNeed(size)) == 0) return nullptr;
    }
}

// Allocates, grows or shrinks the cushion to that size; false when the system refuses.
bool ResizeCushion(MemoryState& state, std::uint32_t size) {
    void* cushion = SystemResize(state.cushion, size, size > state.cushionSize);
    if (!cushion) return false;
    state.cushion = cushion;
    state.cushionSize = size;
    return true;
}

void* FinishBlock(void* raw, std::uint32_t size) {
    HeaderOf(BlockOf(raw))->size = size;
    RegrowMemoryCushion();
    return BlockOf(raw);
}

}  // namespace

// --- Blocks ----------------------------------------------------------------------------------------

void* MemAlloc(std::uint32_t size) {
    void* raw = SystemResizeWithPurge(nullptr, size, true);
    if (!raw) return nullptr;
    ++State().counters.blocksAllocated;
    return FinishBlock(raw, size);
}

void* MemAllocFill(std::uint32_t size, std::uint8_t value) {
    void* block = MemAlloc(size);
    if (block) std::memset(block, value, size);
    return block;
}

void* MemRealloc(void* block, std::uint32_t size) {
    if (!block) return MemAlloc(size);
    const std::uint32_t oldSize = MemSize(block);
    void* raw = SystemResizeWithPurge(HeaderOf(block), size, size > oldSize);
    if (!raw) return nullptr;
    return FinishBlock(raw, size);
}

void* MemReallocFill(void* block, std::uint32_t size, std::uint8_t value) {
    const std::uint32_t oldSize = MemSize(block);
    void* result = MemRealloc(block, size);
    if (result && size > oldSize) std::memset(static_cast<char*>(result) + oldSize, value, size - oldSize);
    return result;
}

void MemFree(void* block) {
    if (!block) return;
    std::free(HeaderOf(block));
    ++State().counters.blocksFreed;
}

std::uint32_t MemSize(const void* block) { return block ? HeaderOf(block)->size : 0; }

void* MemDuplicate(const void* block) {
    if (!block) return nullptr;
    const std::uint32_t size = MemSize(block);
    void* copy = MemAlloc(size);
    if (copy) std::memcpy(copy, block, size);
    return copy;
}

// --- Reserve cushion -------------------------------------------------------------------------------

ErrCode SetMemoryCushion(std::uint32_t size, std::uint32_t preferredSize) {
    MemoryState& state = State();
    const std::uint32_t wanted = preferredSize != 0 ? preferredSize : size;
    if (wanted == 0) return -4;
    state.wantedCushionSize = wanted;
    if (state.cushion && state.cushionSize == wanted) return kNoErr;
    return ResizeCushion(state, wanted) ? kNoErr : -4;
}

ErrCode RegrowMemoryCushion() {
    MemoryState& state = State();
    if (state.regrowing || state.purging) return kNoErr;
    state.regrowing = true;
    ErrCode result = kNoErr;
    if (state.cushion && state.cushionSize < state.wantedCushionSize) {
        // Failing here is harmless: the cushion simply stays short until the next try.
        ResizeCushion(state, state.wantedCushionSize);
    } else if (!state.cushion && state.wantedCushionSize > 0) {
        result = SetMemoryCushion(state.wantedCushionSize);
    }
    state.regrowing = false;
    return result;
}

std::uint32_t ShrinkMemoryCushion(std::uint32_t wanted) {
    MemoryState& state = State();
    if (state.regrowing || !state.cushion || state.cushionSize <= kMemoryCushionFloor) return 0;
    const std::uint32_t available = state.cushionSize - kMemoryCushionFloor;
    const std::uint32_t newSize = state.cushionSize - std::min(wanted, available);
    if (newSize == state.cushionSize) return 0;
    const std::uint32_t oldSize = state.cushionSize;
    return ResizeCushion(state, newSize) ? oldSize - newSize : 0;
}

void FreeMemoryCushion() {
    MemoryState& state = State();
    std::free(state.cushion);
    state.cushion = nullptr;
    state.cushionSize = 0;
}

bool IsMemoryCushionShort() {
    const MemoryState& state = State();
    return !state.cushion || state.cushionSize < state.wantedCushionSize;
}

// --- Purging ---------------------------------------------------------------------------------------

bool RegisterPurgeCallback(PurgeCallback callback) {
    auto& table = State().purgeTable;
    if (!callback) return false;
    auto empty = std::find(table.begin(), table.end(), nullptr);
    if (empty == table.end()) return false;
    *empty = callback;
    return true;
}

void UnregisterPurgeCallback(PurgeCallback callback) {
    auto& table = State().purgeTable;
    if (!callback) return;
    auto entry = std::find(table.begin(), table.end(), callback);
    if (entry == table.end()) return;
    std::move(entry + 1, table.end(), entry);
    table.back() = nullptr;
}

bool IsPurgingMemory() { return State().purging; }

std::uint32_t PurgeMemory(std::uint32_t needed) {
    MemoryState& state = State();
    ++state.counters.purges;
    // A callback may allocate, and so purge again inside this purge; the flag is restored, not
    // cleared, when such an inner purge ends.
    const bool wasPurging = state.purging;
    state.purging = true;
    std::uint32_t freed = 0;
    for (PurgeCallback callback : state.purgeTable) {
        if (!callback || freed >= needed) break;
        const std::uint32_t given = callback(needed - freed);
        freed = given > std::numeric_limits<std::uint32_t>::max() - freed
                    ? std::numeric_limits<std::uint32_t>::max()
                    : freed + given;
    }
    if (freed < needed) freed += ShrinkMemoryCushion(needed - freed);
    state.purging = wasPurging;
    return freed;
}

// --- Counters and fault injection ------------------------------------------------------------------

MemoryCounters GetMemoryCounters() {
    const MemoryState& state = State();
    MemoryCounters counters = state.counters;
    counters.cushionSize = state.cushionSize;
    counters.wantedCushionSize = state.wantedCushionSize;
    return counters;
}

void FailNextAllocations(std::uint32_t count) { State().failuresToInject = count; }
