#include "platform/sys/GlobalMemory.h"

#include <algorithm>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

namespace win {
namespace {

struct Block {
    std::vector<unsigned char> bytes;
    int locks = 0;
};

// Handles are the blocks' own addresses, kept here so a stale or foreign handle is recognised.
std::unordered_map<HGLOBAL, std::unique_ptr<Block>>& Blocks() {
    static std::unordered_map<HGLOBAL, std::unique_ptr<Block>> blocks;
    return blocks;
}

Block* Find(HGLOBAL memory) {
    auto found = Blocks().find(memory);
    return found == Blocks().end() ? nullptr : found->second.get();
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    try {
        auto block = std::make_unique<Block>();
        block->bytes.assign(bytes, 0);  // always zeroed: no block hands out stale memory
        auto handle = reinterpret_cast<HGLOBAL>(block.get());
        Blocks().emplace(handle, std::move(block));
        return handle;
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
}

LPVOID GlobalLock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (block == nullptr) return nullptr;
    ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (block == nullptr || block->locks == 0) return FALSE;
    return --block->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL memory) {
    const Block* block = Find(memory);
    return block == nullptr ? 0 : block->bytes.size();
}

UINT GlobalFlags(HGLOBAL memory) {
    const Block* block = Find(memory);
    if (block == nullptr) return GMEM_INVALID_HANDLE;
    return static_cast<UINT>(std::min(block->locks, static_cast<int>(GMEM_LOCKCOUNT)));
}

HGLOBAL GlobalFree(HGLOBAL memory) { return Blocks().erase(memory) != 0 ? nullptr : memory; }

}  // namespace win
