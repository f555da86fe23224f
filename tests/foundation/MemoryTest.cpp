#include "foundation/Memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "support/FreshProcess.h"

namespace {

std::string purgeLog;

std::uint32_t PurgeA(std::uint32_t needed) {
    purgeLog += "A" + std::to_string(needed) + " ";
    return 0;
}
std::uint32_t PurgeB(std::uint32_t needed) {
    purgeLog += "B" + std::to_string(needed) + " ";
    return 0;
}
std::uint32_t PurgeC(std::uint32_t /*needed*/) {
    purgeLog += "C ";
    return 0;
}

TEST(Memory, BlocksRecordTheirSizeAndKeepTheirBytes) {
    char* block = static_cast<char*>(MemAlloc(10));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemSize(block), 10u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
    std::memcpy(block, "abcdefghij", 10);

    block = static_cast<char*>(MemRealloc(block, 3));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemSize(block), 3u);
    EXPECT_EQ(std::string(block, 3), "abc");

    block = static_cast<char*>(MemRealloc(block, 5000));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemSize(block), 5000u);
    EXPECT_EQ(std::string(block, 3), "abc");
    MemFree(block);

    EXPECT_EQ(MemSize(nullptr), 0u);
    MemFree(nullptr);  // ignored
    void* empty = MemAlloc(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(MemSize(empty), 0u);
    MemFree(empty);
}

TEST(Memory, FillingAllocationsSetOnlyTheNewBytes) {
    auto* block = static_cast<unsigned char*>(MemAllocFill(4, 0xAB));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(block[i], 0xAB);
    block[0] = 1;
    block = static_cast<unsigned char*>(MemReallocFill(block, 8, 0));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 1);
    EXPECT_EQ(block[3], 0xAB);
    for (int i = 4; i < 8; ++i) EXPECT_EQ(block[i], 0);

    auto* copy = static_cast<unsigned char*>(MemDuplicate(block));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, block);
    EXPECT_EQ(MemSize(copy), 8u);
    EXPECT_EQ(std::memcmp(copy, block, 8), 0);
    EXPECT_EQ(MemDuplicate(nullptr), nullptr);

    // A null block is allocated anew.
    void* fresh = MemReallocFill(nullptr, 2, 7);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(static_cast<unsigned char*>(fresh)[1], 7);

    void* blocks[] = {block, copy, fresh};
    for (void* b : blocks) MemFreeAt(&b);
}

TEST(Memory, CountersFollowBlocks) {
    const MemoryCounters before = GetMemoryCounters();
    void* a = MemAlloc(1);
    void* b = MemAlloc(2);
    EXPECT_EQ(GetMemoryCounters().LiveBlocks(), before.LiveBlocks() + 2);
    MemFree(a);
    EXPECT_EQ(GetMemoryCounters().LiveBlocks(), before.LiveBlocks() + 1);
    { MemBlockPtr owned(b); }
    EXPECT_EQ(GetMemoryCounters().LiveBlocks(), before.LiveBlocks());
}

TEST(MemoryCushion, GivesBackAtMostAllButItsFloor) {
    InFreshProcess([] {
        ASSERT_EQ(SetMemoryCushion(32768), kNoErr);
        EXPECT_FALSE(IsMemoryCushionShort());
        EXPECT_EQ(PurgeMemory(100000), 28672u);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 4096u);
        EXPECT_TRUE(IsMemoryCushionShort());
        EXPECT_EQ(ShrinkMemoryCushion(100), 0u);  // the floor stays

        // Growing back happens between messages, or after the next allocation.
        EXPECT_EQ(RegrowMemoryCushion(), kNoErr);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 32768u);

        EXPECT_EQ(ShrinkMemoryCushion(1000), 1000u);
        void* block = MemAlloc(16);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 32768u);
        MemFree(block);

        // Only freeing gives up the floor; the wanted size stays, so the next allocation regrows it.
        FreeMemoryCushion();
        EXPECT_EQ(GetMemoryCounters().cushionSize, 0u);
        EXPECT_EQ(GetMemoryCounters().wantedCushionSize, 32768u);
        EXPECT_TRUE(IsMemoryCushionShort());
        block = MemAlloc(16);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 32768u);
        MemFree(block);
    });
}

TEST(MemoryCushion, SizeChoiceAndRefusals) {
    InFreshProcess([] {
        EXPECT_TRUE(IsMemoryCushionShort());  // none yet
        EXPECT_EQ(SetMemoryCushion(0, 0), -4);
        EXPECT_EQ(SetMemoryCushion(1000, 5000), kNoErr);  // the second size wins when given
        EXPECT_EQ(GetMemoryCounters().cushionSize, 5000u);
        EXPECT_EQ(SetMemoryCushion(8000), kNoErr);  // an existing cushion is resized, not leaked
        EXPECT_EQ(GetMemoryCounters().cushionSize, 8000u);

        FailNextAllocations(1);
        EXPECT_EQ(SetMemoryCushion(20000), -4);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 8000u);
        // The wanted size was recorded; the cushion is short until it regrows.
        EXPECT_TRUE(IsMemoryCushionShort());
        EXPECT_EQ(RegrowMemoryCushion(), kNoErr);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 20000u);
    });
}

TEST(MemoryPurge, CallbacksRunInOrderThenTheCushionGivesWay) {
    InFreshProcess([] {
        ASSERT_EQ(SetMemoryCushion(32768), kNoErr);
        ASSERT_TRUE(RegisterPurgeCallback(PurgeA));
        ASSERT_TRUE(RegisterPurgeCallback(PurgeB));
        purgeLog.clear();

        const MemoryCounters before = GetMemoryCounters();
        FailNextAllocations(1);
        void* block = MemAlloc(100);
        ASSERT_NE(block, nullptr);
        // Each callback is told what is still needed (the block and its header); the first freed
        // nothing, so the second is told the same.
        const std::string aLog = purgeLog.substr(0, purgeLog.find(' '));
        ASSERT_EQ(aLog[0], 'A');
        const std::uint32_t needed = static_cast<std::uint32_t>(std::stoul(aLog.substr(1)));
        EXPECT_GE(needed, 100u);
        EXPECT_LE(needed, 100u + 64u);
        EXPECT_EQ(purgeLog, "A" + std::to_string(needed) + " B" + std::to_string(needed) + " ");
        const MemoryCounters after = GetMemoryCounters();
        EXPECT_EQ(after.refusals, before.refusals + 1);
        EXPECT_EQ(after.purges, before.purges + 1);
        // The cushion gave the bytes and was grown back once the allocation succeeded.
        EXPECT_EQ(after.cushionSize, 32768u);
        MemFree(block);
    });
}

TEST(MemoryPurge, AllocationFailsOnlyWhenNothingMoreCanBeFreed) {
    InFreshProcess([] {
        ASSERT_EQ(SetMemoryCushion(32768), kNoErr);
        ASSERT_TRUE(RegisterPurgeCallback(PurgeA));
        purgeLog.clear();

        void* block = MemAllocFill(8, 0x5A);
        ASSERT_NE(block, nullptr);
        FailNextAllocations(1000);
        // Purging runs until the cushion is down to its floor, then the request gives up; the old
        // block stays as it was.
        EXPECT_EQ(MemRealloc(block, 20000), nullptr);
        EXPECT_EQ(GetMemoryCounters().cushionSize, 4096u);
        EXPECT_EQ(MemSize(block), 8u);
        EXPECT_EQ(static_cast<unsigned char*>(block)[7], 0x5A);
        EXPECT_EQ(MemAlloc(10), nullptr);
        EXPECT_EQ(MemAllocFill(10, 0), nullptr);
        EXPECT_EQ(MemDuplicate(block), nullptr);

        // Shrinking never counts as a request that can be refused.
        void* smaller = MemRealloc(block, 4);
        ASSERT_NE(smaller, nullptr);
        EXPECT_EQ(MemSize(smaller), 4u);
        FailNextAllocations(0);
        MemFree(smaller);
    });
}

TEST(MemoryPurge, UnregisteringKeepsTheOrderOfTheRest) {
    InFreshProcess([] {
        ASSERT_TRUE(RegisterPurgeCallback(PurgeA));
        ASSERT_TRUE(RegisterPurgeCallback(PurgeB));
        ASSERT_TRUE(RegisterPurgeCallback(PurgeC));
        UnregisterPurgeCallback(PurgeB);
        purgeLog.clear();
        EXPECT_EQ(PurgeMemory(7), 0u);
        EXPECT_EQ(purgeLog, "A7 C ");

        UnregisterPurgeCallback(PurgeA);
        UnregisterPurgeCallback(PurgeC);
        for (int i = 0; i < kMaxPurgeCallbacks; ++i) EXPECT_TRUE(RegisterPurgeCallback(PurgeA));
        EXPECT_FALSE(RegisterPurgeCallback(PurgeB));  // all ten are taken
    });
}

// A callback that frees a block it was holding, and allocates while it runs.
void* hoard = nullptr;
bool cushionRegrewDuringPurge = false;
std::uint32_t FreeHoard(std::uint32_t /*needed*/) {
    EXPECT_TRUE(IsPurgingMemory());
    const std::uint32_t cushionBefore = GetMemoryCounters().cushionSize;
    void* scratch = MemAlloc(64);  // allocating inside a purge works and does not regrow the cushion
    cushionRegrewDuringPurge = GetMemoryCounters().cushionSize != cushionBefore;
    MemFree(scratch);
    const std::uint32_t freed = MemSize(hoard);
    MemFree(hoard);
    hoard = nullptr;
    return freed;
}

TEST(MemoryPurge, CallbacksMayAllocateAndTheirFreedBytesAreCounted) {
    InFreshProcess([] {
        ASSERT_EQ(SetMemoryCushion(32768), kNoErr);
        hoard = MemAlloc(50000);
        ASSERT_TRUE(RegisterPurgeCallback(FreeHoard));
        ASSERT_TRUE(RegisterPurgeCallback(PurgeA));
        purgeLog.clear();

        FailNextAllocations(1);
        void* block = MemAlloc(1000);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(hoard, nullptr);
        EXPECT_FALSE(cushionRegrewDuringPurge);
        // The first callback freed enough: neither the second nor the cushion was asked.
        EXPECT_EQ(purgeLog, "");
        EXPECT_EQ(GetMemoryCounters().cushionSize, 32768u);
        EXPECT_FALSE(IsPurgingMemory());
        MemFree(block);
    });
}

}  // namespace
