#pragma once
// Lists whose elements are values of one type, with typed element access: LList (signed 32-bit
// values) and SList (16-bit values) here; the owning pointer lists build on the same template.
// The typed operations hide the byte-copying ones of TList, which take element addresses.

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "foundation/TList.h"

template <typename T>
class TypedList : public TList {
    static_assert(std::is_trivially_copyable_v<T>, "list elements are copied bytewise");

public:
    TypedList(std::uint16_t growth, std::uint16_t flags, std::int32_t initialCount)
        : TList(sizeof(T), growth, flags, initialCount) {}

    T GetAt(std::int32_t i) const {
        T value;
        std::memcpy(&value, ElementPtr(i), sizeof value);
        return value;
    }
    // Clears sorted.
    void SetAt(T value, std::int32_t i) { TList::SetAt(&value, i); }
    // 0, or -4 when the block cannot grow; the index is clamped to 0 .. count.
    ErrCode InsertAt(T value, std::int32_t i) { return TList::InsertAt(&value, i); }
    // The new index, or -1.
    std::int32_t Append(T value) { return TList::Append(&value); }
    std::int32_t AppendBounded(T value) { return TList::AppendBounded(&value); }
    std::int32_t InsertSorted(T value, CompareFunc compare) { return TList::InsertSorted(&value, compare); }
    std::int32_t Find(T value, CompareFunc compare) const { return TList::Find(&value, compare); }

protected:
    // Replaces the list by the source's shape and flags with a copy of each of its elements, made
    // by copy(element) (null stays null). Every copy is made before anything of this list is given
    // up: when one cannot be had, the copies made are discarded, the list stays as it was and the
    // answer is -4.
    template <typename Copy, typename Discard>
    ErrCode CopyElementsFrom(const TypedList& source, Copy copy, Discard discard) {
        std::vector<T> copies;
        copies.reserve(static_cast<std::size_t>(source.Count()));
        auto fail = [&copies, discard] {
            for (T element : copies) discard(element);
            return ErrCode{-4};
        };
        for (std::int32_t i = 0; i < source.Count(); ++i) {
            const T element = source.GetAt(i);
            copies.push_back(element ? copy(element) : T{});
            if (element && !copies.back()) return fail();
        }
        return ReplaceContents(source, copies.data()) == kNoErr ? kNoErr : fail();
    }
};

class LList : public TypedList<std::int32_t> {
    TOBJECT_CLASS(LList, TypedList<std::int32_t>, 3)

public:
    explicit LList(std::uint16_t growth = 0, std::uint16_t flags = 0, std::int32_t initialCount = 0)
        : TypedList(growth, flags, initialCount) {}
};

class SList : public TypedList<std::int16_t> {
    TOBJECT_CLASS(SList, TypedList<std::int16_t>, 7)

public:
    explicit SList(std::uint16_t growth = 0, std::uint16_t flags = 0, std::int32_t initialCount = 0)
        : TypedList(growth, flags, initialCount) {}
};
