#include "foundation/HdlList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/Memory.h"

namespace {

void* ListBlockOf(const std::string& bytes) {
    void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
    std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

std::string ListBlockBytes(const void* block) {
    return std::string(static_cast<const char*>(block), MemSize(block));
}

TEST(HdlList, OwnsItsBlocks) {
    const std::uint64_t liveBefore = GetMemoryCounters().LiveBlocks();
    {
        HdlList list;
        EXPECT_EQ(list.GetElementSize(), sizeof(void*));
        list.Append(ListBlockOf("abc"));
        list.Append(nullptr);
        list.Append(ListBlockOf("defgh"));
        EXPECT_EQ(list.GetDataSize(), MemSize(list.BeginAccess()) + 8u);
        EXPECT_TRUE(list.DeleteAt(0));
        EXPECT_EQ(ListBlockBytes(list.GetAt(1)), "defgh");
    }
    EXPECT_EQ(GetMemoryCounters().LiveBlocks(), liveBefore);
}

TEST(HdlList, RunsAreAppendedAndReadBack) {
    HdlList list;
    std::int32_t index = -1;
    std::uint32_t offset = 99;
    ASSERT_EQ(list.AppendBytes("hello", 5, &index, &offset), kNoErr);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(offset, 0u);
    ASSERT_EQ(list.AppendBytes("world", 5, &index, &offset), kNoErr);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(offset, 5u);

    char read[6] = {};
    ASSERT_EQ(list.ReadBytes(read, 5, 0, 5), kNoErr);
    EXPECT_STREQ(read, "world");
    EXPECT_EQ(list.ReadBytes(read, 5, 0, 6), -1);  // past the block's end
    EXPECT_EQ(list.ReadBytes(read, 1, 7, 0), -1);  // no such block
}

TEST(HdlList, ARunGoesIntoABlockOnlyWhileItStaysBelowTheLimit) {
    HdlList list;
    std::int32_t index = -1;
    std::uint32_t offset = 0;
    const std::vector<char> big(HdlList::kMaxRunBlockSize - 10, 'x');
    ASSERT_EQ(list.AppendBytes(big.data(), static_cast<std::uint32_t>(big.size()), &index, &offset), kNoErr);
    ASSERT_EQ(list.AppendBytes("123456789", 9, &index, &offset), kNoErr);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(offset, HdlList::kMaxRunBlockSize - 10);
    EXPECT_EQ(MemSize(list.GetAt(0)), HdlList::kMaxRunBlockSize - 1);
    ASSERT_EQ(list.AppendBytes("!", 1, &index, &offset), kNoErr);  // would reach the limit
    EXPECT_EQ(index, 1);
    EXPECT_EQ(offset, 0u);
    EXPECT_EQ(MemSize(list.GetAt(1)), 1u);
}

TEST(HdlList, WritesGrowBlocksAndDeletesCloseGaps) {
    HdlList list;
    list.Append(ListBlockOf("abcdef"));
    ASSERT_EQ(list.WriteBytes("XY", 2, 0, 1), kNoErr);
    EXPECT_EQ(ListBlockBytes(list.GetAt(0)), "aXYdef");
    ASSERT_EQ(list.WriteBytes("Z", 1, 0, 8), kNoErr);  // past the end: grown, the gap zero-filled
    EXPECT_EQ(ListBlockBytes(list.GetAt(0)), std::string("aXYdef\0\0Z", 9));
    EXPECT_EQ(list.WriteBytes("Z", 1, 3, 0), -1);

    ASSERT_EQ(list.DeleteBytes(3, 0, 1), kNoErr);
    EXPECT_EQ(ListBlockBytes(list.GetAt(0)), std::string("aef\0\0Z", 6));
    EXPECT_EQ(list.DeleteBytes(10, 0, 0), -1);
    EXPECT_EQ(MemSize(list.GetAt(0)), 6u);

    FailNextAllocations(1000);
    EXPECT_EQ(list.WriteBytes("Q", 1, 0, 100), -4);
    EXPECT_EQ(list.AppendBytes("Q", 1, nullptr, nullptr), -4);
    FailNextAllocations(0);
    EXPECT_EQ(MemSize(list.GetAt(0)), 6u);
}

TEST(HdlList, CopiesDuplicateTheBlocks) {
    HdlList list;
    list.Append(ListBlockOf("one"));
    list.Append(nullptr);
    list.Append(ListBlockOf("three"));

    HdlList copy(list);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_NE(copy.GetAt(0), list.GetAt(0));
    EXPECT_EQ(copy.GetAt(1), nullptr);
    EXPECT_TRUE(copy.IsEqual(list));
    copy.WriteBytes("T", 1, 2, 0);
    EXPECT_FALSE(copy.IsEqual(list));
    EXPECT_EQ(ListBlockBytes(list.GetAt(2)), "three");

    HdlList other;
    other.Append(ListBlockOf("gone"));
    ASSERT_EQ(other.CopyFrom(copy), kNoErr);
    EXPECT_EQ(ListBlockBytes(other.GetAt(2)), "Three");
    LList plain;
    EXPECT_EQ(other.CopyFrom(plain), -1);
    EXPECT_FALSE(other.IsEqual(plain));

    FailNextAllocations(1000);
    EXPECT_EQ(other.CopyFrom(list), -4);
    FailNextAllocations(0);
    EXPECT_TRUE(other.IsEqual(copy));
}

}  // namespace
