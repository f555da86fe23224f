#include "foundation/TList.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "foundation/Memory.h"

namespace {

// Elements that live in the list's own block are copied aside before the block can move.
class ElementCopy {
public:
    ElementCopy(const void* element, std::uint16_t size, bool needsCopy) : element_(element) {
        if (needsCopy && element) {
            const auto* bytes = static_cast<const unsigned char*>(element);
            copy_.assign(bytes, bytes + size);
            element_ = copy_.data();
        }
    }
    const void* Get() const { return element_; }

private:
    const void* element_;
    std::vector<unsigned char> copy_;
};

}  // namespace

TList::TList(std::uint16_t elementSize, std::uint16_t growth, std::uint16_t flags, std::int32_t initialCount)
    : growth_(std::max(growth, elementSize)),
      elementSize_(elementSize),
      flags_(static_cast<std::uint16_t>(flags | kSorted)) {
    assert(elementSize > 0);
    if (initialCount > 0) SetCount(initialCount);
}

TList::TList(const TList& other)
    : TObject(other), growth_(other.growth_), elementSize_(other.elementSize_), flags_(other.flags_) {
    CopyFrom(other);
}

TList::~TList() { FreeData(); }

std::uint32_t TList::GetDataSize() const { return MemSize(data_); }

bool TList::HasFlags(std::uint32_t mask) const { return (flags_ & mask) == mask; }

ErrCode TList::ReadFrom(IReadFile& /*file*/) { return -1; }
ErrCode TList::WriteTo(IWriteFile& /*file*/) { return -1; }

// --- Element access --------------------------------------------------------------------------------

void* TList::ElementPtr(std::int32_t i) {
    assert(i >= 0 && static_cast<std::uint64_t>(i) * elementSize_ <= capacity_);
    return data_ + static_cast<std::size_t>(i) * elementSize_;
}

const void* TList::ElementPtr(std::int32_t i) const { return const_cast<TList*>(this)->ElementPtr(i); }

void* TList::ElementAddress(std::int32_t i, void* base, std::uint16_t size) {
    char* start = base ? static_cast<char*>(base) : data_;
    return start + static_cast<std::size_t>(i) * (size ? size : elementSize_);
}

void TList::GetAt(void* buffer, std::int32_t i) const { std::memcpy(buffer, ElementPtr(i), elementSize_); }

void TList::SetAt(const void* element, std::int32_t i) {
    std::memmove(ElementPtr(i), element, elementSize_);
    flags_ &= ~kSorted;
}

void TList::Fill(const void* element, std::int32_t i, std::int32_t j) {
    if (i > j) std::swap(i, j);
    i = std::max(i, 0);
    j = std::min(j, count_ - 1);
    const ElementCopy source(element, elementSize_, Contains(element));
    for (std::int32_t k = i; k <= j; ++k) std::memcpy(ElementPtr(k), source.Get(), elementSize_);
}

ErrCode TList::SetCount(std::int32_t n) {
    n = std::max(n, 0);
    if (n < count_) {
        // Dropped elements are disposed of and cleared, so that growing again shows zeros.
        DisposeRange(n, count_);
        count_ = n;
        ClearTail(n);
        SetCapacity(n);
        return kNoErr;
    }
    if (SetCapacity(n) != kNoErr) return -4;
    count_ = n;
    return kNoErr;
}

ErrCode TList::SetCapacity(std::int32_t n) {
    n = std::max(n, count_);
    const std::uint64_t elements = static_cast<std::uint64_t>(n) + ((flags_ & kSpareSlot) ? 1 : 0);
    const std::uint64_t steps = (elements * elementSize_ + growth_ - 1) / growth_;
    const std::uint64_t bytes = steps * growth_;
    if (bytes > std::numeric_limits<std::uint32_t>::max()) return -4;
    if (bytes == capacity_) return kNoErr;
    void* resized = MemReallocFill(data_, static_cast<std::uint32_t>(bytes), 0);
    if (!resized) return -4;
    data_ = static_cast<char*>(resized);
    capacity_ = static_cast<std::uint32_t>(bytes);
    return kNoErr;
}

void TList::SetGrowth(std::uint16_t bytes) { growth_ = std::max(bytes, elementSize_); }

void* TList::DetachData() {
    void* data = data_;
    data_ = nullptr;
    capacity_ = 0;
    count_ = 0;
    return data;
}

// --- Insertion and deletion ------------------------------------------------------------------------

ErrCode TList::InsertAt(const void* element, std::int32_t i) {
    i = std::clamp(i, 0, count_);
    if (count_ == std::numeric_limits<std::int32_t>::max()) return -4;
    const ElementCopy source(element, elementSize_, Contains(element));
    if (SetCapacity(count_ + 1) != kNoErr) return -4;
    char* slot = static_cast<char*>(ElementPtr(i));
    std::memmove(slot + elementSize_, slot, static_cast<std::size_t>(count_ - i) * elementSize_);
    if (source.Get()) {
        std::memcpy(slot, source.Get(), elementSize_);
    } else {
        std::memset(slot, 0, elementSize_);
    }
    ++count_;
    flags_ &= ~kSorted;
    return kNoErr;
}

std::int32_t TList::Append(const void* element) {
    const std::int32_t index = count_;
    return InsertAt(element, index) == kNoErr ? index : -1;
}

std::int32_t TList::AppendBounded(const void* element) {
    if ((flags_ & kBounded) && static_cast<std::uint64_t>(count_) * elementSize_ >= capacity_) {
        const ElementCopy source(element, elementSize_, Contains(element));
        DeleteAt(0);
        return Append(source.Get());
    }
    return Append(element);
}

std::int32_t TList::InsertSorted(const void* element, CompareFunc compare) {
    const std::uint16_t sorted = flags_ & kSorted;
    bool found = false;
    const std::int32_t position = FindInsertPos(element, &found, compare);
    if (InsertAt(element, position) != kNoErr) return -1;
    flags_ = static_cast<std::uint16_t>((flags_ & ~kSorted) | sorted);
    return position;
}

bool TList::DeleteAt(std::int32_t i) {
    if (i < 0 || i >= count_) return false;
    return EraseRange(i, i);
}

bool TList::Remove(const void* key, CompareFunc match) { return DeleteAt(Search(key, match)); }

std::int32_t TList::RemoveAll(const void* key, CompareFunc compare) {
    std::int32_t removed = 0;
    for (std::int32_t i = Find(key, compare); i >= 0; i = Find(key, compare)) {
        DeleteAt(i);
        ++removed;
    }
    return removed;
}

void TList::DeleteRange(std::int32_t i, std::int32_t j) {
    if (i > j) std::swap(i, j);
    i = std::max(i, 0);
    j = std::min(j, count_ - 1);
    if (i > j) return;
    EraseRange(i, j);
}

void TList::SetOwnsElements(bool owns) { ChangeFlags(kKeepElements, !owns); }

// --- Searching -------------------------------------------------------------------------------------

std::int32_t TList::FindInsertPos(const void* key, bool* found, CompareFunc compare) const {
    bool isFound = false;
    std::int32_t position = count_;
    if (IsSorted() && count_ > 0) {
        // The first element that is not less than the key. Any negative answer counts as less.
        std::int32_t low = 0;
        std::int32_t high = count_;
        while (low < high) {
            const std::int32_t mid = low + (high - low) / 2;
            if (compare(key, ElementPtr(mid)) > 0) {
                low = mid + 1;
            } else {
                high = mid;
            }
        }
        position = low;
        isFound = low < count_ && compare(key, ElementPtr(low)) == 0;
    }
    if (found) *found = isFound;
    return position;
}

std::int32_t TList::Find(const void* key, CompareFunc compare) const {
    return IsSorted() ? BinarySearch(key, compare) : Search(key, compare);
}

std::int32_t TList::FindValue(std::int32_t value, CompareFunc compare) const { return Find(&value, compare); }

// --- Whole-list operations -------------------------------------------------------------------------

void TList::Move(std::int32_t from, std::int32_t to) {
    if (from == to || from < 0 || from >= count_) return;
    to = std::clamp(to, 0, count_ - 1);
    char* base = data_;
    const std::size_t size = elementSize_;
    // A rotation of the elements between the two places.
    if (from < to) {
        std::rotate(base + from * size, base + (from + 1) * size, base + (to + 1) * size);
    } else {
        std::rotate(base + to * size, base + from * size, base + (from + 1) * size);
    }
    flags_ &= ~kSorted;
}

void TList::Swap(std::int32_t i, std::int32_t j) {
    if (i < 0 || j < 0 || i >= count_ || j >= count_) return;
    if (i != j) {
        std::swap_ranges(static_cast<char*>(ElementPtr(i)), static_cast<char*>(ElementPtr(i)) + elementSize_,
                         static_cast<char*>(ElementPtr(j)));
    }
    flags_ &= ~kSorted;
}

void TList::DeleteAll() {
    DisposeRange(0, count_);
    count_ = 0;
    ClearTail(0);
    SetCapacity(0);
}

void TList::Sort(CompareFunc compare) {
    if (count_ < 2) return;
    std::qsort(data_, static_cast<std::size_t>(count_), elementSize_, compare);
    flags_ |= kSorted;
}

std::int32_t TList::Search(const void* key, CompareFunc match) const {
    for (std::int32_t i = 0; i < count_; ++i) {
        if (match(key, ElementPtr(i)) == 0) return i;
    }
    return -1;
}

std::int32_t TList::BinarySearch(const void* key, CompareFunc compare) const {
    if (count_ == 0) return -1;
    const void* hit = std::bsearch(key, data_, static_cast<std::size_t>(count_), elementSize_, compare);
    return hit ? static_cast<std::int32_t>((static_cast<const char*>(hit) - data_) / elementSize_) : -1;
}

ErrCode TList::CopyFrom(const TList& other) {
    if (&other == this) return kNoErr;
    return ReplaceContents(other, other.data_);
}

bool TList::IsEqual(const TList& other) const {
    if (count_ != other.count_ || elementSize_ != other.elementSize_) return false;
    return count_ == 0 ||
           std::memcmp(data_, other.data_, static_cast<std::size_t>(count_) * elementSize_) == 0;
}

// --- Helpers ---------------------------------------------------------------------------------------

void TList::ChangeFlags(std::uint16_t mask, bool on) {
    flags_ = static_cast<std::uint16_t>(on ? (flags_ | mask) : (flags_ & ~mask));
}

ErrCode TList::ReplaceContents(const TList& shape, const void* elements) {
    void* data = nullptr;
    if (shape.capacity_) {
        data = MemAllocFill(shape.capacity_, 0);
        if (!data) return -4;
        const std::size_t bytes = static_cast<std::size_t>(shape.count_) * shape.elementSize_;
        if (bytes) std::memcpy(data, elements, bytes);
    }
    DeleteAll();
    FreeData();
    AdoptData(data, shape);
    return kNoErr;
}

void TList::FreeData() {
    MemFree(data_);
    data_ = nullptr;
    capacity_ = 0;
    count_ = 0;
}

void TList::AdoptData(void* data, const TList& shape) {
    assert(!data_);
    data_ = static_cast<char*>(data);
    capacity_ = data ? shape.capacity_ : 0;
    growth_ = shape.growth_;
    elementSize_ = shape.elementSize_;
    count_ = data ? shape.count_ : 0;
    flags_ = shape.flags_;
}

bool TList::EraseRange(std::int32_t i, std::int32_t j) {
    DisposeRange(i, j + 1);
    const std::int32_t removed = j - i + 1;
    char* first = static_cast<char*>(ElementPtr(i));
    std::memmove(first, first + static_cast<std::size_t>(removed) * elementSize_,
                 static_cast<std::size_t>(count_ - j - 1) * elementSize_);
    count_ -= removed;
    ClearTail(count_);
    // The block keeps room for one element more, shrinking one deletion behind.
    return SetCapacity(count_ + 1) == kNoErr;
}

bool TList::Contains(const void* address) const {
    const char* p = static_cast<const char*>(address);
    return data_ && p >= data_ && p < data_ + capacity_;
}

void TList::DisposeRange(std::int32_t i, std::int32_t j) {
    if (flags_ & kKeepElements) return;
    for (std::int32_t k = i; k < j; ++k) DisposeElement(ElementPtr(k));
}

void TList::ClearTail(std::int32_t i) {
    const std::size_t start = static_cast<std::size_t>(i) * elementSize_;
    if (data_ && start < capacity_) std::memset(data_ + start, 0, capacity_ - start);
}
