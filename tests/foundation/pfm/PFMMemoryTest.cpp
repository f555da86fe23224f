// The memory budget and purging: parked segments leave memory lowest priority and least recently
// used first, changed ones through the swap file, and come back intact.

#include <gtest/gtest.h>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

std::string Contents(std::uint16_t id, std::size_t size) {
    std::string text(size, static_cast<char>('a' + id % 26));
    text.replace(0, 4, std::to_string(1000 + id));
    return text;
}

bool InMemory(std::uint16_t id) { return PFMGetSegmentData(kText, id) != nullptr; }

using PFMMemoryTest = StoreTest;

TEST_F(PFMMemoryTest, ATinyBudgetPurgesTheLeastRecentlyUsed) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    PFMSetMemoryBudget(250);
    for (std::uint16_t id = 0; id < 10; ++id) ASSERT_EQ(AddText(kText, id, Contents(id, 100)), kNoErr);
    for (std::uint16_t id = 0; id < 8; ++id) EXPECT_FALSE(InMemory(id)) << id;
    EXPECT_TRUE(InMemory(8));
    EXPECT_TRUE(InMemory(9));
    // Every changed segment comes back from the swap file as it was.
    for (std::uint16_t id = 0; id < 10; ++id) EXPECT_EQ(SegmentText(kText, id), Contents(id, 100)) << id;
    EXPECT_TRUE(PFMIsChanged(nullptr));
}

TEST_F(PFMMemoryTest, LowerPrioritiesLeaveFirst) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    PFMSetMemoryBudget(250);
    ASSERT_EQ(AddText(kText, 1, Contents(1, 100), 5), kNoErr);
    ASSERT_EQ(AddText(kText, 2, Contents(2, 100), 1), kNoErr);
    ASSERT_EQ(AddText(kText, 3, Contents(3, 100), 5), kNoErr);
    EXPECT_TRUE(InMemory(1));
    EXPECT_FALSE(InMemory(2));  // the most recent of the first two, but the lowest priority
    EXPECT_TRUE(InMemory(3));
    EXPECT_EQ(SegmentText(kText, 2), Contents(2, 100));
}

TEST_F(PFMMemoryTest, CheckedOutSegmentsAreNeverPurged) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    PFMSetMemoryBudget(50);
    void* held = NewBlock(Contents(1, 100));
    ASSERT_EQ(PFMAddSegment(kText, 1, held, 1, false), kNoErr);
    for (std::uint16_t id = 2; id < 6; ++id) ASSERT_EQ(AddText(kText, id, Contents(id, 100)), kNoErr);
    EXPECT_EQ(PFMGetSegmentData(kText, 1), held);
    EXPECT_EQ(BlockText(held), Contents(1, 100));
    PFMCheckIn(held);
    EXPECT_FALSE(InMemory(1));
}

TEST_F(PFMMemoryTest, ReadingAWholeStoreStaysWithinTheBudget) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    for (std::uint16_t id = 0; id < 40; ++id) ASSERT_EQ(AddText(kText, id, Contents(id, 50000)), kNoErr);
    const FileRef ref = Ref("big.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(nullptr);

    PFMSetMemoryBudget(300000);
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    for (std::uint16_t id = 0; id < 40; ++id) {
        ASSERT_EQ(SegmentText(kText, id), Contents(id, 50000)) << id;
        std::size_t inMemory = 0;
        for (std::uint16_t other = 0; other < 40; ++other) inMemory += InMemory(other) ? 50000 : 0;
        EXPECT_LE(inMemory, 300000u);
    }
}

TEST_F(PFMMemoryTest, ChangedPriorityZeroSegmentsWaitInTheSwapFile) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 1, "first version", 0), kNoErr);
    EXPECT_FALSE(InMemory(1));
    void* data = PFMCheckOut(kText, 1);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(BlockText(data), "first version");
    std::memcpy(data, "FIRST", 5);
    PFMCheckIn(data);
    EXPECT_FALSE(InMemory(1));
    EXPECT_EQ(SegmentText(kText, 1), "FIRST version");
}

TEST_F(PFMMemoryTest, TheMemoryManagerCanPurgeStores) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    for (std::uint16_t id = 0; id < 5; ++id) ASSERT_EQ(AddText(kText, id, Contents(id, 1000)), kNoErr);
    for (std::uint16_t id = 0; id < 5; ++id) ASSERT_TRUE(InMemory(id));
    FailNextAllocations(1);
    void* block = MemAlloc(100);
    ASSERT_NE(block, nullptr);
    MemFree(block);
    EXPECT_FALSE(InMemory(0));  // the least recently used went first
    for (std::uint16_t id = 0; id < 5; ++id) EXPECT_EQ(SegmentText(kText, id), Contents(id, 1000));
}

TEST_F(PFMMemoryTest, PurgeAnswersTheBytesFreedAndLeavesTheLastError) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    for (std::uint16_t id = 0; id < 3; ++id) ASSERT_EQ(AddText(kText, id, Contents(id, 100)), kNoErr);
    PFMSetError(-5);
    EXPECT_EQ(PFMPurge(150), 200u);  // whole segments: two of them
    EXPECT_EQ(PFMGetError(), -5);
    EXPECT_FALSE(InMemory(0));
    EXPECT_FALSE(InMemory(1));
    EXPECT_TRUE(InMemory(2));
    EXPECT_EQ(PFMPurge(0xFFFFFFFF), 100u);
    EXPECT_EQ(PFMPurge(100), 0u);
}

TEST_F(PFMMemoryTest, OtherStoresArePurgedBeforeTheCurrentOne) {
    PFMFile* first = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 1, Contents(1, 100)), kNoErr);
    PFMSetCurrentFile(nullptr);
    PFMFile* second = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 1, Contents(2, 100)), kNoErr);
    EXPECT_EQ(PFMPurge(50), 100u);
    EXPECT_TRUE(InMemory(1));  // the current store's segment stayed
    PFMSetCurrentFile(first);
    EXPECT_FALSE(InMemory(1));
    EXPECT_EQ(SegmentText(kText, 1), Contents(1, 100));
    PFMSetCurrentFile(second);
    EXPECT_EQ(SegmentText(kText, 1), Contents(2, 100));
}

TEST_F(PFMMemoryTest, PreloadedSegmentsStartInMemory) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 1, "preloaded", 2), kNoErr);
    ASSERT_EQ(AddText(kText, 2, "on demand", 2), kNoErr);
    PFMSetSegmentPreload(kText, 1, true);
    const FileRef ref = Ref("story.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(nullptr);
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    EXPECT_TRUE(InMemory(1));
    EXPECT_FALSE(InMemory(2));
    EXPECT_EQ(PFMGetLockCount(kText, 1), 0u);
}

}  // namespace
