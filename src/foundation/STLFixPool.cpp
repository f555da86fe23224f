#include "foundation/STLFixPool.h"

#include <cstring>
#include <limits>

MemBlockPtr STLFixPool::MakeBlob(const void* data) const {
    if (!data || blobSize_ == 0) return nullptr;
    MemBlockPtr blob(MemAlloc(blobSize_));
    if (blob) std::memcpy(blob.get(), data, blobSize_);
    return blob;
}

std::int32_t STLFixPool::Insert(const void* data) {
    if (lastKey_ == std::numeric_limits<std::int32_t>::max()) return -1;
    const std::int32_t key = lastKey_ + 1;
    MemBlockPtr blob = MakeBlob(data);
    if (data && blobSize_ && !blob) return -1;
    entries_[static_cast<std::uint32_t>(key)] = std::move(blob);
    lastKey_ = key;
    return key;
}

std::int32_t STLFixPool::Put(std::uint32_t key, const void* data) {
    MemBlockPtr blob = MakeBlob(data);
    if (data && blobSize_ && !blob) return -1;
    entries_[key] = std::move(blob);
    if (static_cast<std::int64_t>(key) > lastKey_) lastKey_ = static_cast<std::int32_t>(key);
    return lastKey_;
}

bool STLFixPool::Get(std::uint32_t key, void* out) const {
    const void* blob = GetData(key);
    if (!blob) return false;
    std::memcpy(out, blob, blobSize_);
    return true;
}

void* STLFixPool::GetData(std::uint32_t key) const {
    auto entry = entries_.find(key);
    return entry == entries_.end() ? nullptr : entry->second.get();
}

void STLFixPool::Remove(std::uint32_t key) {
    entries_.erase(key);
    if (static_cast<std::int64_t>(key) == lastKey_) lastKey_ = static_cast<std::int32_t>(key) - 1;
}

void STLFixPool::Clear() {
    entries_.clear();
    lastKey_ = -1;
}

void* STLFixPool::Next(std::int32_t* key) const {
    auto entry = *key < 0 ? entries_.begin() : entries_.upper_bound(static_cast<std::uint32_t>(*key));
    if (entry == entries_.end()) return nullptr;
    *key = static_cast<std::int32_t>(entry->first);
    return entry->second.get();
}

void STLFixPool::SetBlobSize(std::uint32_t size) {
    if (blobSize_ == 0 && entries_.empty()) blobSize_ = size;
}
