#include "foundation/Compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

template <typename T>
std::vector<T> Sorted(std::vector<T> values, CompareFunc compare) {
    std::qsort(values.data(), values.size(), sizeof(T), compare);
    return values;
}

TEST(Compare, AnswersMinusOneZeroOrOne) {
    const std::int32_t big = 2000000000, small = -2000000000;  // a subtraction would overflow
    EXPECT_EQ(CompareLongAscending(&small, &big), -1);
    EXPECT_EQ(CompareLongAscending(&big, &small), 1);
    EXPECT_EQ(CompareLongAscending(&big, &big), 0);
    EXPECT_EQ(CompareLongDescending(&small, &big), 1);

    const std::int16_t s1 = -5, s2 = 3;
    EXPECT_EQ(CompareShortAscending(&s1, &s2), -1);
    EXPECT_EQ(CompareShortDescending(&s1, &s2), 1);

    const std::uint16_t u1 = 0xFFFF, u2 = 1;  // unsigned: 0xFFFF is the larger
    EXPECT_EQ(CompareUShortAscending(&u1, &u2), 1);

    const std::int8_t c1 = -128, c2 = 127;
    EXPECT_EQ(CompareCharAscending(&c1, &c2), -1);
    EXPECT_EQ(CompareCharDescending(&c1, &c2), 1);
}

TEST(Compare, SortsLikeTheStandardOrder) {
    const std::vector<std::int32_t> longs{5, -1, 2000000000, 0, -2000000000, 5};
    auto ascending = longs;
    std::sort(ascending.begin(), ascending.end());
    EXPECT_EQ(Sorted(longs, CompareLongAscending), ascending);
    auto descending = ascending;
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(Sorted(longs, CompareLongDescending), descending);

    const std::vector<std::int16_t> shorts{3, -3, 32767, -32768};
    EXPECT_EQ(Sorted(shorts, CompareShortAscending), (std::vector<std::int16_t>{-32768, -3, 3, 32767}));
}

}  // namespace
