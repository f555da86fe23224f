#pragma once
// The framework's one container: a dynamic array of fixed-size elements kept in a single block of
// the memory manager. The block grows and shrinks in whole growth steps; it shrinks one deletion
// behind, so that a delete followed by an insert does not resize twice. Bytes past the last element
// are always zero. Searching and sorting take plain compare functions (foundation/Compare.h) that
// are given (key or element address, element address).

#include <cstdint>

#include "foundation/Compare.h"
#include "foundation/TObject.h"
#include "foundation/Types.h"

class TList : public TObject {
    TOBJECT_CLASS(TList, TObject, 17)

public:
    // Flag bits.
    static constexpr std::uint16_t kSorted = 1;        // in the order of the last sort
    static constexpr std::uint16_t kBounded = 2;       // AppendBounded drops element 0 when full
    static constexpr std::uint16_t kKeepElements = 4;  // deleting does not dispose of elements
    static constexpr std::uint16_t kSpareSlot = 8;     // always room for one element more

    // A list starts sorted, with initialCount zero-filled elements. The growth step is raised to
    // the element size when smaller.
    TList(std::uint16_t elementSize, std::uint16_t growth, std::uint16_t flags = 0,
          std::int32_t initialCount = 0);
    // A shallow copy of the block (owning lists copy their elements; see their own copies).
    TList(const TList& other);
    TList& operator=(const TList&) = delete;
    ~TList() override;

    std::uint32_t GetDataSize() const override;
    // True when every bit of the mask is set.
    bool HasFlags(std::uint32_t mask) const override;
    bool LacksFlags(std::uint32_t mask) const { return !HasFlags(mask); }
    std::int32_t GetFlattenedSize() const override { return 0; }
    // Lists are not streamed.
    ErrCode ReadFrom(IReadFile& file) override;
    ErrCode WriteTo(IWriteFile& file) override;

    // --- Element access (no range check unless stated) ---
    std::int32_t Count() const { return count_; }
    std::uint16_t GetElementSize() const { return elementSize_; }
    std::uint16_t GetGrowth() const { return growth_; }
    // Size of the block in bytes.
    std::uint32_t GetCapacity() const { return capacity_; }

    void* ElementPtr(std::int32_t i);
    const void* ElementPtr(std::int32_t i) const;
    // Element i over another base address or element size (null or 0: the list's own).
    void* ElementAddress(std::int32_t i, void* base, std::uint16_t size);
    void GetAt(void* buffer, std::int32_t i) const;
    // Stores a copy of the element; clears sorted.
    void SetAt(const void* element, std::int32_t i);
    // Stores the element at every index from i to j (either order), clipped to the list.
    void Fill(const void* element, std::int32_t i, std::int32_t j);

    // Grows with zero-filled elements or drops (and disposes of) the last ones. 0 or -4.
    ErrCode SetCount(std::int32_t n);
    // Room for n elements (never fewer than the count). 0 or -4.
    ErrCode SetCapacity(std::int32_t n);
    void SetGrowth(std::uint16_t bytes);

    // Direct work on the block, bracketed.
    void* BeginAccess() { return data_; }
    void EndAccess() {}
    // Hands the block to the caller, who owns it from then on; the list is left empty.
    void* DetachData();

    // --- Insertion and deletion ---
    // A null element inserts a zero-filled slot. An index above the count is taken as the count,
    // a negative one as 0. 0, or -4 when the block cannot grow (the list is unchanged).
    ErrCode InsertAt(const void* element, std::int32_t i);
    // The new index, or -1.
    std::int32_t Append(const void* element);
    // With the bounded flag, drops element 0 first when the block is full.
    std::int32_t AppendBounded(const void* element);
    // At the place FindInsertPos gives (before the first equal element); the sorted flag stays as it
    // was. The index, or -1 when the block cannot grow.
    std::int32_t InsertSorted(const void* element, CompareFunc compare);
    // False for a bad index or when the block could not be resized afterwards.
    bool DeleteAt(std::int32_t i);
    bool Remove(const void* key, CompareFunc match);
    // Deletes every element Find finds; answers how many.
    std::int32_t RemoveAll(const void* key, CompareFunc compare);
    // From the smaller to the larger index inclusive, clipped to the list.
    void DeleteRange(std::int32_t i, std::int32_t j);

    // --- Searching ---
    // Sorted flag set, or fewer than 2 elements.
    bool IsSorted() const { return count_ < 2 || (flags_ & kSorted) != 0; }
    void SetSorted() { flags_ |= kSorted; }
    // When sorted and not empty: the first element equal to the key (found) or the insertion point
    // (not found). Otherwise not found and the count.
    std::int32_t FindInsertPos(const void* key, bool* found, CompareFunc compare) const;
    // Binary search when sorted, else linear; the index or -1.
    std::int32_t Find(const void* key, CompareFunc compare) const;
    std::int32_t FindValue(std::int32_t value, CompareFunc compare = CompareLongAscending) const;

    // First index whose element (address) the predicate accepts, else -1.
    template <typename Predicate>
    std::int32_t FindIf(Predicate predicate) const {
        for (std::int32_t i = 0; i < count_; ++i) {
            if (predicate(ElementPtr(i))) return i;
        }
        return -1;
    }
    // Calls the function with each element's address in index order.
    template <typename Function>
    void ForEach(Function function) {
        for (std::int32_t i = 0; i < count_; ++i) function(ElementPtr(i));
    }
    // Calls the action with each element the predicate accepts; answers how many it accepted.
    template <typename Predicate, typename Action>
    std::int32_t CountIf(Predicate predicate, Action action) {
        std::int32_t accepted = 0;
        for (std::int32_t i = 0; i < count_; ++i) {
            if (!predicate(ElementPtr(i))) continue;
            ++accepted;
            action(ElementPtr(i));
        }
        return accepted;
    }
    template <typename Predicate>
    std::int32_t CountIf(Predicate predicate) {
        return CountIf(predicate, [](void*) {});
    }

    // With false, deleted elements are no longer disposed of.
    void SetOwnsElements(bool owns);

    // --- Whole-list operations ---
    // Takes element from out and inserts it at to (counted after taking it out); clears sorted.
    virtual void Move(std::int32_t from, std::int32_t to);
    // Exchanges two elements; clears sorted.
    virtual void Swap(std::int32_t i, std::int32_t j);
    // Disposes of every element (unless kept) and empties the list.
    virtual void DeleteAll();
    // With 2 or more elements, sorts (quicksort) and sets sorted.
    virtual void Sort(CompareFunc compare);
    // Linear: the first index whose element the match function pairs with the key (answers 0).
    virtual std::int32_t Search(const void* key, CompareFunc match) const;
    // A matching index (not necessarily the first of equal ones), or -1.
    virtual std::int32_t BinarySearch(const void* key, CompareFunc compare) const;
    // Takes over the other's sizes, flags and elements; 0, or -4 (the list then stays as it was).
    virtual ErrCode CopyFrom(const TList& other);
    // Same element size and count, and the same bytes.
    virtual bool IsEqual(const TList& other) const;

protected:
    // Called with the element's address when an element is deleted while the list owns its
    // elements. The base list owns nothing.
    virtual void DisposeElement(void* /*element*/) {}

    // Sets or clears flag bits (for subclasses with flags of their own).
    void ChangeFlags(std::uint16_t mask, bool on);
    std::uint16_t GetFlags() const { return flags_; }

    // Disposes of every element and takes over the other's sizes, flags and capacity, with the
    // given elements (the other's count of them) in place of the other's. 0, or -4 when the block
    // cannot be had (the list then stays as it was).
    ErrCode ReplaceContents(const TList& shape, const void* elements);

private:
    // Whether the address points into the list's block.
    bool Contains(const void* address) const;
    // Disposes of the elements from i to j - 1 unless elements are kept.
    void DisposeRange(std::int32_t i, std::int32_t j);
    // Disposes of and removes the elements from i to j inclusive (a range inside the list); false
    // when the block could not be resized afterwards.
    bool EraseRange(std::int32_t i, std::int32_t j);
    // Zeroes the bytes of the elements from i to the end of the block.
    void ClearTail(std::int32_t i);
    // Releases the block without disposing of elements; the list is left empty.
    void FreeData();
    // Installs a block, with the other's sizes, flags and count, in place of the freed one.
    void AdoptData(void* data, const TList& shape);

    char* data_ = nullptr;
    std::uint32_t capacity_ = 0;
    std::uint16_t growth_;
    std::uint16_t elementSize_;
    std::int32_t count_ = 0;
    std::uint16_t flags_;
};

// A list of elements of any fixed size.
class ArbList : public TList {
    TOBJECT_CLASS(ArbList, TList, 2)

public:
    ArbList(std::uint16_t elementSize, std::uint16_t growth, std::uint16_t flags = 0,
            std::int32_t initialCount = 0)
        : TList(elementSize, growth, flags, initialCount) {}
};
