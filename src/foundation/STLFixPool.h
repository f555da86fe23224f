#pragma once
// A map from 32-bit keys to copies of fixed-size byte records (blobs), with a running "last key"
// from which new keys are made.

#include <cstdint>
#include <map>

#include "foundation/Memory.h"

class STLFixPool {
public:
    explicit STLFixPool(std::uint32_t blobSize = 0) : blobSize_(blobSize) {}
    STLFixPool(const STLFixPool&) = delete;
    STLFixPool& operator=(const STLFixPool&) = delete;
    virtual ~STLFixPool() = default;

    // Stores a copy of the blob under the key after the last (0 for the first); answers the key,
    // or -1 when out of memory or out of keys.
    std::int32_t Insert(const void* data);
    // Stores a copy of the blob under the key, replacing what it held; a key above the last
    // becomes the last. Answers the last key, or -1 when out of memory (nothing changes).
    std::int32_t Put(std::uint32_t key, const void* data);
    // Copies the key's blob to out; false, out untouched, when the key is absent.
    bool Get(std::uint32_t key, void* out) const;
    // The key's blob, or null when the key is absent.
    void* GetData(std::uint32_t key) const;
    virtual bool Contains(std::uint32_t key) const { return entries_.count(key) != 0; }
    // Erases the key; when it was the last key, the last key becomes key - 1.
    void Remove(std::uint32_t key);
    // Erases everything; the last key becomes -1.
    void Clear();
    // Steps through the entries in ascending key order: *key -1 starts at the first entry, any
    // other key moves to the entry after it. Writes the entry's key back and answers its blob;
    // null at the end.
    void* Next(std::int32_t* key) const;

    std::uint32_t Count() const { return static_cast<std::uint32_t>(entries_.size()); }
    std::int32_t LastKey() const { return lastKey_; }
    std::uint32_t GetBlobSize() const { return blobSize_; }
    // Takes effect only while the size is 0 and the pool is empty.
    void SetBlobSize(std::uint32_t size);

private:
    // A copy of blob-size bytes, or null when no memory could be had.
    MemBlockPtr MakeBlob(const void* data) const;

    std::map<std::uint32_t, MemBlockPtr> entries_;
    std::uint32_t blobSize_;
    std::int32_t lastKey_ = -1;
};
