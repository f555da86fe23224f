#include "foundation/Compare.h"

#include <cstdint>
#include <cstring>

namespace {

// Elements may sit at any address in a list's block, so they are read by copying.
template <typename T>
T Load(const void* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

template <typename T>
int Ascending(const void* a, const void* b) {
    const T x = Load<T>(a);
    const T y = Load<T>(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

}  // namespace

int CompareLongAscending(const void* a, const void* b) { return Ascending<std::int32_t>(a, b); }
int CompareLongDescending(const void* a, const void* b) { return Ascending<std::int32_t>(b, a); }
int CompareShortAscending(const void* a, const void* b) { return Ascending<std::int16_t>(a, b); }
int CompareShortDescending(const void* a, const void* b) { return Ascending<std::int16_t>(b, a); }
int CompareUShortAscending(const void* a, const void* b) { return Ascending<std::uint16_t>(a, b); }
int CompareCharAscending(const void* a, const void* b) { return Ascending<std::int8_t>(a, b); }
int CompareCharDescending(const void* a, const void* b) { return Ascending<std::int8_t>(b, a); }
