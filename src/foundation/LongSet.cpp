#include "foundation/LongSet.h"

LongSet::LongSet(std::int32_t value) { Add(value); }

LongSet::LongSet(const LongSet& other, std::int32_t toggle) : LongSet(other) {
    if (Contains(toggle)) {
        Remove(toggle);
    } else {
        Add(toggle);
    }
}

LongSet::LongSet(const LongSet& other) { values_.CopyFrom(other.values_); }

void LongSet::Remove(std::int32_t value) { values_.DeleteAt(values_.FindValue(value, CompareLongAscending)); }

bool LongSet::ContainsAllOf(const LongSet& other, std::int32_t except) const {
    for (std::int32_t i = 0; i < other.Size(); ++i) {
        const std::int32_t value = other.ValueAt(i);
        if (value != except && !Contains(value)) return false;
    }
    return true;
}
