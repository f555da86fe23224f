#include "foundation/TmpBuffer.h"

#include <algorithm>
#include <memory>
#include <new>

#include "foundation/Startup.h"

namespace {

std::unique_ptr<TmpBufferHeap>& CurrentHeap() {
    static std::unique_ptr<TmpBufferHeap> heap;
    return heap;
}

std::uint32_t PurgeTmpBuffers(std::uint32_t needed) {
    TmpBufferHeap* heap = CurrentTmpBufferHeap();
    return heap ? heap->Purge(needed) : 0;
}

void StartTmpBufferHeap() {
    CurrentHeap() = std::make_unique<TmpBufferHeap>();
    RegisterPurgeCallback(PurgeTmpBuffers);
}

void EndTmpBufferHeap() {
    UnregisterPurgeCallback(PurgeTmpBuffers);
    if (CurrentHeap()) CurrentHeap()->Purge(TmpBufferHeap::kNoLimit);
    CurrentHeap().reset();
}

// The heap comes and goes with the program's start-up and shut-down.
[[maybe_unused]] const bool tmpBufferCallbacksRegistered =
    RegisterInitCallback(StartTmpBufferHeap) && RegisterTermCallback(EndTmpBufferHeap);

}  // namespace

bool TmpBufferHeap::InsertSorted(TmpBufferRecord&& record) {
    auto place = std::lower_bound(records_.begin(), records_.end(), record.size,
                                  [](const TmpBufferRecord& r, std::uint32_t size) { return r.size < size; });
    try {
        records_.insert(place, std::move(record));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void* TmpBufferHeap::Acquire(std::uint32_t size) {
    for (TmpBufferRecord& record : records_) {
        if (!record.inUse && record.size >= size) {
            record.inUse = true;
            freeBytes_ -= record.size;
            return record.block.get();
        }
    }
    MemBlockPtr block(MemAlloc(size));
    if (!block) return nullptr;
    void* address = block.get();
    if (!InsertSorted(TmpBufferRecord{size, true, std::move(block)})) return nullptr;
    return address;
}

void TmpBufferHeap::Release(void* address) {
    if (!address) return;
    auto record = std::find_if(records_.begin(), records_.end(),
                               [address](const TmpBufferRecord& r) { return r.block.get() == address; });
    if (record == records_.end() || !record->inUse) return;
    record->inUse = false;
    freeBytes_ += record->size;
    if (freeBytes_ > limit_) Purge(kNoLimit);
}

std::uint32_t TmpBufferHeap::Purge(std::uint32_t wanted) {
    if (purging_) return 0;
    purging_ = true;
    std::uint32_t freed = 0;
    for (auto record = records_.end(); record != records_.begin();) {
        --record;
        if (record->inUse) continue;
        if (freed >= wanted) break;
        freed += record->size;
        freeBytes_ -= record->size;
        record = records_.erase(record);
    }
    purging_ = false;
    return freed;
}

bool TmpBufferHeap::Preallocate(std::uint32_t size) {
    MemBlockPtr block(MemAlloc(size));
    if (!block) return false;
    if (!InsertSorted(TmpBufferRecord{size, false, std::move(block)})) return false;
    freeBytes_ += size;
    return true;
}

TmpBufferHeap* CurrentTmpBufferHeap() { return CurrentHeap().get(); }

void SetTmpBufferLimit(std::uint32_t bytes) {
    if (TmpBufferHeap* heap = CurrentTmpBufferHeap()) heap->SetLimit(bytes);
}

void PreallocateTmpBuffer(std::uint32_t size) {
    if (TmpBufferHeap* heap = CurrentTmpBufferHeap()) heap->Preallocate(size);
}

TmpBuffer::TmpBuffer(std::uint32_t size) : address_(nullptr), size_(size) {
    if (TmpBufferHeap* heap = CurrentTmpBufferHeap()) address_ = heap->Acquire(size);
}

TmpBuffer::~TmpBuffer() {
    if (TmpBufferHeap* heap = CurrentTmpBufferHeap()) heap->Release(address_);
}
