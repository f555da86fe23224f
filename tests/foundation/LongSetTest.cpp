#include "foundation/LongSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "foundation/LongSetPool.h"
#include "foundation/STLFixPool.h"

namespace {

std::vector<std::int32_t> Values(const LongSet& set) {
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < set.Size(); ++i) values.push_back(set.ValueAt(i));
    return values;
}

std::vector<std::int32_t> Values(const LongSetPool& pool, std::int32_t id) {
    return Values(*pool.GetSet(id));
}

TEST(LongSet, KeepsValuesInTheOrderAdded) {
    LongSet set(7);
    set.Add(-3);
    set.Add(12);
    EXPECT_EQ(Values(set), (std::vector<std::int32_t>{7, -3, 12}));
    EXPECT_TRUE(set.Contains(-3));
    EXPECT_FALSE(set.Contains(3));
    set.Remove(7);
    set.Remove(99);  // absent: nothing
    EXPECT_EQ(Values(set), (std::vector<std::int32_t>{-3, 12}));

    const LongSet toggledIn(set, 5);
    const LongSet toggledOut(set, -3);
    EXPECT_EQ(Values(toggledIn), (std::vector<std::int32_t>{-3, 12, 5}));
    EXPECT_EQ(Values(toggledOut), (std::vector<std::int32_t>{12}));

    LongSet reordered(12);
    reordered.Add(-3);
    EXPECT_FALSE(reordered.IsEqual(set));  // order counts
    EXPECT_TRUE(LongSet(set).IsEqual(set));

    EXPECT_EQ(set.UseCount(), 0u);
    set.AddRef();
    set.AddRef();
    set.Release();
    EXPECT_EQ(set.UseCount(), 1u);
}

TEST(STLFixPool, KeysRunOnFromTheLastKey) {
    STLFixPool pool(4);
    const std::int32_t a = 10, b = 20, c = 30;
    EXPECT_EQ(pool.Insert(&a), 0);
    EXPECT_EQ(pool.Insert(&b), 1);
    EXPECT_EQ(pool.Put(5, &c), 5);
    EXPECT_EQ(pool.Insert(&a), 6);
    EXPECT_EQ(pool.Put(2, &a), 6);  // below the last key: the last key stays
    EXPECT_EQ(pool.Count(), 5u);

    std::int32_t out = 0;
    ASSERT_TRUE(pool.Get(5, &out));
    EXPECT_EQ(out, 30);
    EXPECT_EQ(pool.Put(5, &b), 6);  // overwrites
    ASSERT_TRUE(pool.Get(5, &out));
    EXPECT_EQ(out, 20);
    out = -1;
    EXPECT_FALSE(pool.Get(4, &out));
    EXPECT_EQ(out, -1);  // untouched
    EXPECT_EQ(pool.GetData(4), nullptr);
    EXPECT_TRUE(pool.Contains(2));

    // Removing the last key steps it back by one, so its key is used again.
    pool.Remove(6);
    EXPECT_EQ(pool.LastKey(), 5);
    EXPECT_EQ(pool.Insert(&c), 6);
    pool.Remove(1);
    EXPECT_EQ(pool.LastKey(), 6);

    std::vector<std::int32_t> keys;
    std::int32_t key = -1;
    while (pool.Next(&key)) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::int32_t>{0, 2, 5, 6}));

    pool.SetBlobSize(8);  // not empty: refused
    EXPECT_EQ(pool.GetBlobSize(), 4u);
    pool.Clear();
    EXPECT_EQ(pool.Count(), 0u);
    EXPECT_EQ(pool.Insert(&a), 0);

    STLFixPool sized;
    sized.SetBlobSize(2);
    EXPECT_EQ(sized.GetBlobSize(), 2u);
    sized.SetBlobSize(3);
    EXPECT_EQ(sized.GetBlobSize(), 2u);
}

TEST(LongSetPool, InternsEachSetOnceAndDerivesSetsByOneValue) {
    LongSetPool pool;
    EXPECT_TRUE(pool.IsEmpty(0));
    EXPECT_EQ(pool.UseCount(0), 1u);
    EXPECT_EQ(pool.LastIndex(), 0);

    const std::int32_t one = pool.MakeSingleton(1);
    EXPECT_EQ(Values(pool, one), (std::vector<std::int32_t>{1}));
    const std::int32_t oneTwo = pool.WithValue(2, one);
    EXPECT_EQ(Values(pool, oneTwo), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(pool.UseCount(oneTwo), 1u);

    // The same derivation again finds the interned set and adds a use.
    EXPECT_EQ(pool.WithValue(2, one), oneTwo);
    EXPECT_EQ(pool.UseCount(oneTwo), 2u);
    // An existing superset in another order serves as well.
    const std::int32_t two = pool.MakeSingleton(2);
    EXPECT_EQ(pool.WithValue(1, two), oneTwo);

    EXPECT_EQ(pool.WithoutValue(2, oneTwo), one);
    EXPECT_EQ(pool.WithoutValue(1, one), 0);  // an empty result is the empty set
    EXPECT_EQ(pool.LastIndex(), 3);

    // From the empty set, an existing singleton is found rather than made again.
    EXPECT_EQ(pool.WithValue(1, 0), one);
    const std::int32_t nine = pool.WithValue(9, 0);
    EXPECT_EQ(Values(pool, nine), (std::vector<std::int32_t>{9}));
}

TEST(LongSetPool, DerivationsThatChangeNothingAnswerTheSameSet) {
    LongSetPool pool;
    const std::int32_t id = pool.MakeSingleton(4);
    EXPECT_EQ(pool.WithValue(4, id), id);     // already there: not removed
    EXPECT_EQ(pool.WithoutValue(8, id), id);  // not there: not added
    EXPECT_EQ(pool.UseCount(id), 3u);
    EXPECT_EQ(pool.WithValue(1, 77), LongSetPool::kNoSet);
    EXPECT_EQ(pool.WithoutValue(1, -4), LongSetPool::kNoSet);
}

TEST(LongSetPool, UnionsAndUseCounts) {
    LongSetPool pool;
    LongSet a(1);
    a.Add(2);
    a.Add(3);
    LongSet b(3);
    b.Add(4);
    const std::int32_t idA = pool.Intern(a);
    const std::int32_t idB = pool.Intern(b);
    const std::int32_t both = pool.Union(idA, idB);
    EXPECT_EQ(Values(pool, both), (std::vector<std::int32_t>{3, 4, 1, 2}));
    EXPECT_EQ(pool.Union(idA, idB), both);
    EXPECT_EQ(pool.UseCount(both), 2u);
    EXPECT_EQ(pool.FindOrIntern(a), idA);
    EXPECT_EQ(Values(pool, pool.Union(idA, 55)), (std::vector<std::int32_t>{1, 2, 3}));

    EXPECT_TRUE(pool.Release(both));
    EXPECT_TRUE(pool.Release(both));
    EXPECT_FALSE(pool.Release(both));  // no use left
    EXPECT_FALSE(pool.AddRef(404));
    EXPECT_FALSE(pool.Release(404));
    EXPECT_EQ(pool.UseCount(404), 0u);
    EXPECT_TRUE(pool.IsEmpty(404));
    EXPECT_EQ(pool.Size(idA), 3);
    EXPECT_TRUE(pool.Contains(2, idA));
    EXPECT_FALSE(pool.Contains(2, idB));
}

TEST(LongSetPool, RemovingSetsAndValues) {
    LongSetPool pool;
    const std::int32_t a = pool.MakeSingleton(1);
    const std::int32_t b = pool.WithValue(2, a);
    const std::int32_t c = pool.MakeSingleton(2);

    LList ids;
    pool.ListIds(ids);
    ASSERT_EQ(ids.Count(), 3);
    EXPECT_EQ(ids.GetAt(0), a);
    EXPECT_EQ(ids.GetAt(2), c);

    pool.RemoveValueEverywhere(2);
    EXPECT_EQ(Values(pool, b), (std::vector<std::int32_t>{1}));
    EXPECT_TRUE(pool.IsEmpty(c));

    pool.DeleteSet(b);
    EXPECT_EQ(pool.GetSet(b), nullptr);
    pool.DeleteSet(0);  // the empty set stays
    EXPECT_NE(pool.GetSet(0), nullptr);

    auto* replacement = new LongSet(42);
    ASSERT_TRUE(pool.PutSet(c, replacement));
    EXPECT_EQ(pool.GetSet(c), replacement);
    ASSERT_TRUE(pool.PutSet(20, new LongSet(43)));
    EXPECT_EQ(pool.LastIndex(), 3);  // entries 0, a, c and 20
    EXPECT_EQ(pool.MakeSingleton(44), 21);
}

}  // namespace
