#include "foundation/TList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/Compare.h"
#include "foundation/Memory.h"
#include "foundation/TypedList.h"

namespace {

std::vector<std::int32_t> ListValues(const LList& list) {
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < list.Count(); ++i) values.push_back(list.GetAt(i));
    return values;
}

void AppendAll(LList& list, const std::vector<std::int32_t>& values) {
    for (std::int32_t v : values) ASSERT_GE(list.Append(v), 0);
}

// A record whose key alone decides the order, so equal keys can be told apart by their tag.
struct Tagged {
    std::int32_t key;
    std::int32_t tag;
};
int CompareKeys(const void* a, const void* b) {
    return CompareLongAscending(&static_cast<const Tagged*>(a)->key, &static_cast<const Tagged*>(b)->key);
}

int compareCalls = 0;
int CountingCompare(const void* a, const void* b) {
    ++compareCalls;
    return CompareLongAscending(a, b);
}

// Answers -2 and 2 instead of -1 and 1.
int WideCompare(const void* a, const void* b) { return 2 * CompareLongAscending(a, b); }

TEST(TList, BlockGrowsInStepsAndShrinksOneDeletionBehind) {
    ArbList list(4, 16);
    for (std::int32_t i = 0; i < 5; ++i) ASSERT_EQ(list.Append(&i), i);
    EXPECT_EQ(list.GetCapacity(), 32u);
    EXPECT_EQ(list.GetDataSize(), 32u);
    ASSERT_TRUE(list.DeleteAt(0));
    EXPECT_EQ(list.GetCapacity(), 32u);
    ASSERT_TRUE(list.DeleteAt(0));
    EXPECT_EQ(list.GetCapacity(), 16u);

    ArbList spare(4, 4, TList::kSpareSlot);
    for (std::int32_t i = 0; i < 4; ++i) spare.Append(&i);
    EXPECT_EQ(spare.GetCapacity(), 20u);

    ArbList small(8, 2);  // a growth step below the element size is raised to it
    EXPECT_EQ(small.GetGrowth(), 8);
    small.SetGrowth(3);
    EXPECT_EQ(small.GetGrowth(), 8);
}

TEST(TList, StartsSortedWithZeroFilledElements) {
    LList list(0, 0, 3);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_TRUE(list.HasFlags(TList::kSorted));
    EXPECT_TRUE(list.IsSorted());
    list.SetAt(5, 1);
    EXPECT_FALSE(list.IsSorted());
    EXPECT_TRUE(list.LacksFlags(TList::kSorted));
    list.SetSorted();
    EXPECT_TRUE(list.IsSorted());

    LList one;
    one.Append(9);
    EXPECT_TRUE(one.IsSorted());  // fewer than two elements always count as sorted
    EXPECT_FALSE(one.HasFlags(TList::kSorted));
}

TEST(TList, InsertAtClampsTheIndexAndKeepsTheListOnFailure) {
    LList list;
    AppendAll(list, {1, 2, 3});
    EXPECT_EQ(list.InsertAt(9, 100), kNoErr);  // above the count: appended
    EXPECT_EQ(list.InsertAt(0, -5), kNoErr);   // negative: at the front
    EXPECT_EQ(list.InsertAt(7, 2), kNoErr);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{0, 1, 7, 2, 3, 9}));

    // An element taken from the list itself survives the block moving.
    for (int i = 0; i < 20; ++i) list.TList::InsertAt(list.ElementPtr(2), list.Count());
    EXPECT_EQ(list.Count(), 26);
    for (std::int32_t i = 6; i < 26; ++i) EXPECT_EQ(list.GetAt(i), 7);

    LList full;
    AppendAll(full, {4, 5, 6, 7});  // the block is exactly full
    FailNextAllocations(1000);
    EXPECT_EQ(full.InsertAt(1, 0), -4);
    EXPECT_EQ(full.Append(8), -1);
    FailNextAllocations(0);
    EXPECT_EQ(ListValues(full), (std::vector<std::int32_t>{4, 5, 6, 7}));

    ArbList slots(4, 4);
    slots.TList::InsertAt(nullptr, 0);  // a null element is an empty slot
    EXPECT_EQ(*static_cast<std::int32_t*>(slots.ElementPtr(0)), 0);
}

TEST(TList, InsertSortedGoesBeforeTheFirstEqualElement) {
    ArbList list(sizeof(Tagged), sizeof(Tagged) * 4);
    for (Tagged t : {Tagged{1, 0}, Tagged{3, 0}, Tagged{5, 1}, Tagged{5, 2}, Tagged{7, 0}}) {
        list.InsertSorted(&t, CompareKeys);
    }
    EXPECT_TRUE(list.HasFlags(TList::kSorted));
    const Tagged five{5, 9};
    EXPECT_EQ(list.InsertSorted(&five, CompareKeys), 2);
    EXPECT_EQ(static_cast<Tagged*>(list.ElementPtr(2))->tag, 9);
    EXPECT_EQ(static_cast<Tagged*>(list.ElementPtr(3))->tag, 2);  // itself inserted before the first 5
    EXPECT_EQ(static_cast<Tagged*>(list.ElementPtr(4))->tag, 1);
    EXPECT_TRUE(list.HasFlags(TList::kSorted));

    // Into an unsorted list it appends, and the list stays unsorted.
    LList unsorted;
    AppendAll(unsorted, {9, 1, 5});
    EXPECT_EQ(unsorted.InsertSorted(4, CompareLongAscending), 3);
    EXPECT_FALSE(unsorted.IsSorted());
}

TEST(TList, FindInsertPosAnswersTheFirstEqualOrTheInsertionPoint) {
    LList list;
    for (std::int32_t v : {1, 3, 5}) list.InsertSorted(v, CompareLongAscending);
    bool found = true;
    const std::int32_t four = 4;
    EXPECT_EQ(list.FindInsertPos(&four, &found, CompareLongAscending), 2);
    EXPECT_FALSE(found);
    const std::int32_t zero = 0, nine = 9;
    EXPECT_EQ(list.FindInsertPos(&zero, &found, CompareLongAscending), 0);
    EXPECT_EQ(list.FindInsertPos(&nine, &found, CompareLongAscending), 3);

    list.InsertSorted(3, CompareLongAscending);
    list.InsertSorted(3, CompareLongAscending);
    const std::int32_t three = 3;
    EXPECT_EQ(list.FindInsertPos(&three, &found, CompareLongAscending), 1);
    EXPECT_TRUE(found);

    // Any negative answer counts as less.
    EXPECT_EQ(list.FindInsertPos(&four, &found, WideCompare), 4);
    EXPECT_EQ(list.InsertSorted(2, WideCompare), 1);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{1, 2, 3, 3, 3, 5}));
}

TEST(TList, FindSearchesBinaryWhenSortedAndLinearlyOtherwise) {
    LList list;
    for (std::int32_t i = 0; i < 1000; ++i) list.Append(i);
    list.SetSorted();
    compareCalls = 0;
    EXPECT_EQ(list.FindValue(900, CountingCompare), 900);
    EXPECT_LE(compareCalls, 11);

    list.SetAt(900, 900);  // same value, but the list is no longer marked sorted
    compareCalls = 0;
    EXPECT_EQ(list.FindValue(900, CountingCompare), 900);
    EXPECT_EQ(compareCalls, 901);
    EXPECT_EQ(list.FindValue(5000), -1);

    LList empty;
    EXPECT_EQ(empty.FindValue(1), -1);
    EXPECT_EQ(empty.BinarySearch(&compareCalls, CompareLongAscending), -1);
}

TEST(TList, DeleteChecksAndClipsItsIndexes) {
    LList list;
    AppendAll(list, {0, 1, 2, 3, 4, 5, 6, 7});
    EXPECT_FALSE(list.DeleteAt(-1));
    EXPECT_FALSE(list.DeleteAt(8));
    list.DeleteRange(5, 2);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{0, 1, 6, 7}));
    list.DeleteRange(-3, 1);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{6, 7}));
    list.DeleteRange(5, 9);  // entirely outside: nothing
    EXPECT_EQ(list.Count(), 2);

    AppendAll(list, {6, 8, 6});
    const std::int32_t six = 6;
    EXPECT_EQ(list.RemoveAll(&six, CompareLongAscending), 3);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{7, 8}));
    const std::int32_t eight = 8;
    EXPECT_TRUE(list.Remove(&eight, CompareLongAscending));
    EXPECT_FALSE(list.Remove(&eight, CompareLongAscending));
    list.DeleteAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.GetCapacity(), 0u);
}

TEST(TList, MoveSwapFillAndSortRearrangeElements) {
    LList list;
    AppendAll(list, {10, 20, 30, 40});
    list.SetSorted();
    list.Move(0, 2);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{20, 30, 10, 40}));
    EXPECT_FALSE(list.HasFlags(TList::kSorted));
    list.Move(3, 1);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{20, 40, 30, 10}));
    list.Move(1, 99);  // past the end: last
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{20, 30, 10, 40}));

    list.Sort(CompareLongAscending);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{10, 20, 30, 40}));
    EXPECT_TRUE(list.HasFlags(TList::kSorted));
    list.Swap(0, 3);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{40, 20, 30, 10}));
    EXPECT_FALSE(list.HasFlags(TList::kSorted));
    list.Sort(CompareLongDescending);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{40, 30, 20, 10}));

    const std::int32_t seven = 7;
    list.Fill(&seven, 2, 0);
    list.Fill(&seven, 3, 10);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{7, 7, 7, 7}));
    EXPECT_TRUE(list.HasFlags(TList::kSorted));  // filling leaves the flag alone
}

TEST(TList, BoundedAppendDropsTheOldestWhenFull) {
    LList ring(16, TList::kBounded);
    for (std::int32_t i = 1; i <= 6; ++i) ring.AppendBounded(i);
    EXPECT_EQ(ListValues(ring), (std::vector<std::int32_t>{3, 4, 5, 6}));

    LList unbounded(16);
    for (std::int32_t i = 1; i <= 6; ++i) unbounded.AppendBounded(i);
    EXPECT_EQ(unbounded.Count(), 6);
}

TEST(TList, SetCountShowsZerosWhereverTheListGrows) {
    LList list;
    AppendAll(list, {1, 2, 3, 4, 5});
    ASSERT_EQ(list.SetCount(2), kNoErr);
    ASSERT_EQ(list.SetCount(4), kNoErr);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{1, 2, 0, 0}));
    list.DeleteAt(0);
    ASSERT_EQ(list.SetCount(4), kNoErr);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{2, 0, 0, 0}));
    FailNextAllocations(1000);
    EXPECT_EQ(list.SetCount(100000), -4);
    FailNextAllocations(0);
    EXPECT_EQ(list.Count(), 4);
}

TEST(TList, CopiesCompareEqualAndDetachedDataBelongsToTheCaller) {
    LList list(8, TList::kSpareSlot);
    AppendAll(list, {3, 1, 2});
    LList copy(list);
    EXPECT_TRUE(copy.IsEqual(list));
    EXPECT_EQ(copy.GetCapacity(), list.GetCapacity());
    EXPECT_TRUE(copy.HasFlags(TList::kSpareSlot));
    copy.SetAt(9, 0);
    EXPECT_FALSE(copy.IsEqual(list));

    SList other;
    other.Append(3);
    EXPECT_FALSE(other.IsEqual(list));  // other element size
    EXPECT_EQ(other.CopyFrom(list), kNoErr);
    EXPECT_EQ(other.GetElementSize(), 4);
    EXPECT_TRUE(other.IsEqual(list));

    FailNextAllocations(1000);
    EXPECT_EQ(copy.CopyFrom(list), -4);
    FailNextAllocations(0);
    EXPECT_EQ(copy.GetAt(0), 9);

    void* data = list.DetachData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(static_cast<std::int32_t*>(data)[2], 2);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Append(4), 0);
    MemFree(data);
}

TEST(TList, WalksVisitEveryElementInOrder) {
    LList list;
    AppendAll(list, {4, 7, 10, 13});
    auto isOdd = [](const void* e) { return *static_cast<const std::int32_t*>(e) % 2 != 0; };
    EXPECT_EQ(list.FindIf(isOdd), 1);
    std::vector<std::int32_t> seen;
    list.ForEach([&](void* e) { seen.push_back(*static_cast<std::int32_t*>(e)); });
    EXPECT_EQ(seen, (std::vector<std::int32_t>{4, 7, 10, 13}));
    EXPECT_EQ(list.CountIf(isOdd), 2);
    EXPECT_EQ(list.CountIf(isOdd, [](void* e) { *static_cast<std::int32_t*>(e) = 0; }), 2);
    EXPECT_EQ(ListValues(list), (std::vector<std::int32_t>{4, 0, 10, 0}));
    EXPECT_EQ(list.FindIf([](const void*) { return false; }), -1);
}

TEST(TList, IsAnObjectThatIsNotStreamed) {
    LList list;
    EXPECT_TRUE(list.IsKindOf(TList::kClassId));
    EXPECT_FALSE(list.IsKindOf(ArbList::kClassId));
    EXPECT_EQ(list.GetFlattenedSize(), 0);
    ByteStream stream;
    EXPECT_EQ(list.WriteTo(stream), -1);
    EXPECT_EQ(list.ReadFrom(stream), -1);

    SList shorts;
    shorts.Append(-2);
    shorts.Append(40000 - 65536);
    EXPECT_EQ(shorts.GetAt(1), -25536);
    EXPECT_EQ(shorts.GetElementSize(), 2);
    shorts.SetOwnsElements(false);
    EXPECT_TRUE(shorts.HasFlags(TList::kKeepElements));
    shorts.SetOwnsElements(true);
    EXPECT_TRUE(shorts.LacksFlags(TList::kKeepElements));
}

}  // namespace
