#include "platform/sys/HeapPolicy.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sys/ChildProcess.h"

namespace {

// The probe's exit status: 0 when the heap kept every byte of the freed blocks.
int HeapKeeps(const char* policy, std::size_t megabytes, int blocks) {
    const win::ProgramRun run =
        win::RunProgram({HEAP_POLICY_PROBE, policy, std::to_string(megabytes), std::to_string(blocks)}, false);
    EXPECT_TRUE(run.started);
    return run.exitCode;
}

constexpr std::size_t kMegabytes = win::kHeapBlockLimit >> 20;

TEST(HeapPolicy, AFreedReportSizedBlockStaysInTheHeapForTheNextBuild) {
    // Under the C library's defaults it goes back to the system at once.
    EXPECT_EQ(HeapKeeps("default", kMegabytes - 2, 1), 1);
    EXPECT_EQ(HeapKeeps("policy", kMegabytes - 2, 1), 0);
    EXPECT_EQ(HeapKeeps("policy", 1, 3), 0);
}

// Building every report of a story of 800 characters makes texts of 6 MB, expansions of them of
// 8 MB and more, and frees some 40 MB between two builds: all of it stays for the next build.
TEST(HeapPolicy, TheBlocksAndTheFreeMemoryOfALongReportsBuildStay) {
    EXPECT_EQ(HeapKeeps("policy", 12, 1), 0);
    EXPECT_EQ(HeapKeeps("policy", 10, 4), 0);
}

TEST(HeapPolicy, WhatIsKeptIsBounded) {
    // A block past the limit has its own mapping, returned when freed.
    EXPECT_EQ(HeapKeeps("policy", kMegabytes + 1, 1), 1);
    // Free memory past the bound at the heap's top goes back.
    const std::size_t kept = win::kHeapKeptFree >> 20;
    EXPECT_EQ(HeapKeeps("policy", kMegabytes - 2, static_cast<int>(kept / (kMegabytes - 2) + 1)), 1);
}

}  // namespace
