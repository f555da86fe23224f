#include "foundation/TmpBuffer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "foundation/Memory.h"
#include "foundation/Startup.h"

namespace {

// Start-up makes the current heap; shut-down deletes it.
class TmpBufferTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp();
        heap = CurrentTmpBufferHeap();
        ASSERT_NE(heap, nullptr);
    }
    void TearDown() override { ShutDown(); }

    TmpBufferHeap* heap = nullptr;
};

TEST_F(TmpBufferTest, ReleasedBuffersAreReusedSmallestFittingFirst) {
    void* first = nullptr;
    void* second = nullptr;
    {
        TmpBuffer a(100);
        TmpBuffer b(50);
        ASSERT_NE(a.Get(), nullptr);
        ASSERT_NE(b.Get(), nullptr);
        std::memset(a.Get(), 1, 100);
        first = a.Get();
        second = b.Get();
        EXPECT_EQ(heap->GetFreeBytes(), 0u);
    }
    EXPECT_EQ(heap->GetBufferCount(), 2u);
    EXPECT_EQ(heap->GetFreeBytes(), 150u);

    TmpBuffer c(60);  // the 50-byte buffer is too small: the 100-byte one is taken
    EXPECT_EQ(c.Get(), first);
    EXPECT_EQ(heap->GetFreeBytes(), 50u);
    TmpBuffer d(10);
    EXPECT_EQ(d.Get(), second);
    TmpBuffer e(10);  // nothing free: a new buffer
    EXPECT_NE(e.Get(), nullptr);
    EXPECT_EQ(heap->GetBufferCount(), 3u);
}

TEST_F(TmpBufferTest, ReleasingPastTheBudgetFreesEveryFreeBuffer) {
    SetTmpBufferLimit(131072);
    EXPECT_EQ(heap->GetLimit(), 131072u);
    void* a = heap->Acquire(100000);
    void* b = heap->Acquire(31072);
    void* c = heap->Acquire(2000);
    TmpBuffer held(500);
    ASSERT_TRUE(a && b && c && held.Get());

    heap->Release(a);
    heap->Release(b);  // exactly at the budget: kept
    EXPECT_EQ(heap->GetFreeBytes(), 131072u);
    EXPECT_EQ(heap->GetBufferCount(), 4u);

    heap->Release(c);  // over the budget: every free buffer goes, the one in use stays
    EXPECT_EQ(heap->GetFreeBytes(), 0u);
    EXPECT_EQ(heap->GetBufferCount(), 1u);
}

TEST_F(TmpBufferTest, PurgeFreesLargestFreeBuffersFirstAndSparesBuffersInUse) {
    ASSERT_TRUE(heap->Preallocate(10));
    ASSERT_TRUE(heap->Preallocate(300));
    ASSERT_TRUE(heap->Preallocate(20));
    TmpBuffer inUse(1000);
    EXPECT_EQ(heap->GetBufferCount(), 4u);

    EXPECT_EQ(heap->Purge(250), 300u);  // the largest free one is enough
    EXPECT_EQ(heap->GetBufferCount(), 3u);
    EXPECT_EQ(heap->GetFreeBytes(), 30u);
    EXPECT_EQ(heap->Purge(TmpBufferHeap::kNoLimit), 30u);
    EXPECT_EQ(heap->GetBufferCount(), 1u);
    EXPECT_EQ(heap->GetFreeBytes(), 0u);

    heap->Release(reinterpret_cast<void*>(0x1234));  // unknown: ignored
    EXPECT_EQ(heap->GetBufferCount(), 1u);
}

TEST_F(TmpBufferTest, FreeBuffersGoWhenMemoryRunsShort) {
    PreallocateTmpBuffer(4096);
    EXPECT_EQ(heap->GetBufferCount(), 1u);
    FailNextAllocations(1);
    void* block = MemAlloc(100);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(heap->GetBufferCount(), 0u);
    MemFree(block);
}

TEST_F(TmpBufferTest, AnAcquireThatCannotBeSatisfiedAnswersNull) {
    FailNextAllocations(1);
    TmpBuffer buffer(64);
    EXPECT_EQ(buffer.Get(), nullptr);
    EXPECT_EQ(heap->GetBufferCount(), 0u);
}

TEST(TmpBufferHeapLifetime, ThereIsNoHeapOutsideStartUpAndShutDown) {
    EXPECT_EQ(CurrentTmpBufferHeap(), nullptr);
    {
        TmpBuffer none(10);
        EXPECT_EQ(none.Get(), nullptr);
    }
    SetTmpBufferLimit(5);  // no heap: nothing happens
    PreallocateTmpBuffer(5);

    const MemoryCounters before = GetMemoryCounters();
    StartUp();
    ASSERT_NE(CurrentTmpBufferHeap(), nullptr);
    PreallocateTmpBuffer(500);
    TmpBuffer survivor(100);
    ShutDown();
    EXPECT_EQ(CurrentTmpBufferHeap(), nullptr);
    // Every buffer is gone with the heap; the survivor's hand-back finds no heap and does nothing.
    EXPECT_EQ(GetMemoryCounters().LiveBlocks(), before.LiveBlocks());
}

TEST(ScopedBuffer, HoldsItsBlockForTheScope) {
    const MemoryCounters before = GetMemoryCounters();
    char* path = nullptr;
    {
        ScopedBuffer buffer(260, &path);
        ASSERT_NE(path, nullptr);
        EXPECT_EQ(MemSize(path), 260u);
        std::strcpy(path, "/tmp/x");
    }
    EXPECT_EQ(GetMemoryCounters().LiveBlocks(), before.LiveBlocks());
}

}  // namespace
