#include <gtest/gtest.h>

#include <cstring>

#include "platform/sys/GlobalMemory.h"

namespace {

using namespace win;

TEST(GlobalMemory, BlocksAreZeroedLockCountedSizedAndFreedOnce) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 5);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GlobalSize(memory), 5u);
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::memcmp(bytes, "\0\0\0\0\0", 5), 0);
    std::memcpy(bytes, "text", 5);
    EXPECT_EQ(static_cast<char*>(GlobalLock(memory)), bytes) << "the block stays where it is";
    EXPECT_EQ(GlobalFlags(memory), 2u);
    EXPECT_TRUE(GlobalUnlock(memory)) << "still locked once";
    EXPECT_FALSE(GlobalUnlock(memory));
    EXPECT_FALSE(GlobalUnlock(memory)) << "no lock to undo";
    EXPECT_STREQ(static_cast<char*>(GlobalLock(memory)), "text");
    GlobalUnlock(memory);
    EXPECT_EQ(GlobalFree(memory), nullptr);
    EXPECT_EQ(GlobalFree(memory), memory) << "a freed handle names nothing";
    EXPECT_EQ(GlobalSize(memory), 0u);
    EXPECT_EQ(GlobalLock(memory), nullptr);
    EXPECT_EQ(GlobalFlags(memory), GMEM_INVALID_HANDLE);
}

TEST(GlobalMemory, AnEmptyBlockIsAValidObject) {
    HGLOBAL memory = GlobalAlloc(GHND, 0);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GlobalFlags(memory), 0u);
    EXPECT_EQ(GlobalSize(memory), 0u);
    EXPECT_EQ(GlobalFree(memory), nullptr);
    EXPECT_EQ(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(-1)), nullptr) << "more than can be had";
}

}  // namespace
