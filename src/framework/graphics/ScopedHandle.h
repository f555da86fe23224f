#pragma once
// Keeps a memory handle locked, and its block's address at hand, for the length of a scope.

#include "foundation/Memory.h"

class ScopedHandle {
public:
    explicit ScopedHandle(MemHandle handle)
        : handle_(handle), block_(handle ? MemLockHandle(handle) : nullptr) {}
    ~ScopedHandle() {
        if (handle_) MemUnlockHandle(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    void* Get() const { return block_; }

private:
    MemHandle handle_;
    void* block_;
};
