#pragma once
// A reference-counted set of signed 32-bit values, kept in the order in which they were added.

#include <cstdint>

#include "foundation/TypedList.h"

class LongSet {
public:
    // The empty set.
    LongSet() = default;
    // The set {value}.
    explicit LongSet(std::int32_t value);
    // The other's values, then the toggle value removed when present, else appended.
    LongSet(const LongSet& other, std::int32_t toggle);
    // The other's values (the use count starts at 0).
    LongSet(const LongSet& other);
    LongSet& operator=(const LongSet&) = delete;
    virtual ~LongSet() = default;

    // The same values in the same order.
    bool IsEqual(const LongSet& other) const { return values_.IsEqual(other.values_); }
    bool Contains(std::int32_t value) const { return values_.FindValue(value, CompareLongAscending) >= 0; }
    // Appends without a duplicate test.
    void Add(std::int32_t value) { values_.Append(value); }
    // Deletes the value when present.
    void Remove(std::int32_t value);
    std::int32_t ValueAt(std::int32_t i) const { return values_.GetAt(i); }
    std::int32_t Size() const { return values_.Count(); }
    // Whether every value of the other set is in this one, leaving out one value.
    bool ContainsAllOf(const LongSet& other, std::int32_t except) const;

    void AddRef() { ++useCount_; }
    void Release() { --useCount_; }
    std::uint32_t UseCount() const { return useCount_; }

private:
    std::uint32_t useCount_ = 0;
    LList values_;
};
