#include "foundation/HdlList.h"

#include <cstring>

#include "foundation/Memory.h"

namespace {

void CopyBytes(void* destination, const void* source, std::uint32_t length) {
    if (length) std::memcpy(destination, source, length);
}

}  // namespace

HdlList::HdlList(const HdlList& other) : TypedList(other.GetGrowth(), 0, 0) { CopyFrom(other); }

HdlList::~HdlList() { DeleteAll(); }

void HdlList::DisposeElement(void* element) { MemFreeAt(static_cast<void**>(element)); }

std::uint32_t HdlList::GetDataSize() const {
    std::uint32_t size = TList::GetDataSize();
    for (std::int32_t i = 0; i < Count(); ++i) size += MemSize(GetAt(i));
    return size;
}

ErrCode HdlList::CopyFrom(const TList& other) {
    if (&other == this) return kNoErr;
    if (!other.IsKindOf(kClassId)) return -1;
    return CopyElementsFrom(static_cast<const HdlList&>(other), MemDuplicate, MemFree);
}

bool HdlList::IsEqual(const TList& other) const {
    if (!other.IsKindOf(kClassId) || Count() != other.Count()) return false;
    const auto& list = static_cast<const HdlList&>(other);
    for (std::int32_t i = 0; i < Count(); ++i) {
        const void* a = GetAt(i);
        const void* b = list.GetAt(i);
        if (MemSize(a) != MemSize(b) || (a == nullptr) != (b == nullptr)) return false;
        if (a && std::memcmp(a, b, MemSize(a)) != 0) return false;
    }
    return true;
}

ErrCode HdlList::AppendBytes(const void* bytes, std::uint32_t length, std::int32_t* index,
                             std::uint32_t* offset) {
    for (std::int32_t i = 0; i < Count(); ++i) {
        void* block = GetAt(i);
        const std::uint32_t size = MemSize(block);
        if (!block || static_cast<std::uint64_t>(size) + length >= kMaxRunBlockSize) continue;
        void* grown = MemRealloc(block, size + length);
        if (!grown) return -4;
        ReplaceBlock(i, grown);
        CopyBytes(static_cast<char*>(grown) + size, bytes, length);
        if (index) *index = i;
        if (offset) *offset = size;
        return kNoErr;
    }
    MemBlockPtr block(MemAlloc(length));
    if (!block) return -4;
    CopyBytes(block.get(), bytes, length);
    const std::int32_t i = Append(block.get());
    if (i < 0) return -4;
    block.release();
    if (index) *index = i;
    if (offset) *offset = 0;
    return kNoErr;
}

ErrCode HdlList::WriteBytes(const void* bytes, std::uint32_t length, std::int32_t index,
                            std::uint32_t offset) {
    if (index < 0 || index >= Count()) return -1;
    const std::uint64_t end = static_cast<std::uint64_t>(offset) + length;
    if (end > 0xFFFFFFFFu) return -4;
    void* block = GetAt(index);
    if (end > MemSize(block)) {
        block = MemReallocFill(block, static_cast<std::uint32_t>(end), 0);
        if (!block) return -4;
        ReplaceBlock(index, block);
    }
    CopyBytes(static_cast<char*>(block) + offset, bytes, length);
    return kNoErr;
}

void HdlList::ReplaceBlock(std::int32_t index, void* block) {
    std::memcpy(ElementPtr(index), &block, sizeof block);
}

void* HdlList::BlockFor(std::int32_t index, std::uint32_t offset, std::uint32_t length) const {
    if (index < 0 || index >= Count()) return nullptr;
    void* block = GetAt(index);
    if (static_cast<std::uint64_t>(offset) + length > MemSize(block)) return nullptr;
    return block;
}

ErrCode HdlList::ReadBytes(void* destination, std::uint32_t length, std::int32_t index,
                           std::uint32_t offset) const {
    const void* block = BlockFor(index, offset, length);
    if (!block) return -1;
    CopyBytes(destination, static_cast<const char*>(block) + offset, length);
    return kNoErr;
}

ErrCode HdlList::DeleteBytes(std::uint32_t length, std::int32_t index, std::uint32_t offset) {
    void* block = BlockFor(index, offset, length);
    if (!block) return -1;
    const std::uint32_t size = MemSize(block);
    char* start = static_cast<char*>(block) + offset;
    std::memmove(start, start + length, size - offset - length);
    // Shrinking cannot fail for want of memory; should it fail anyway, the block keeps its size.
    if (void* shrunk = MemRealloc(block, size - length)) ReplaceBlock(index, shrunk);
    return kNoErr;
}
