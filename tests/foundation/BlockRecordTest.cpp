#include "foundation/BlockRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"

namespace {

MemBlockPtr BlockOf(const char* bytes, std::uint32_t size) {
    MemBlockPtr block(MemAlloc(size));
    std::memcpy(block.get(), bytes, size);
    return block;
}

TEST(BlockRecord, TenBytesAreStoredAsSixteen) {
    MemBlockPtr block = BlockOf("0123456789", 10);
    EXPECT_EQ(BlockStoredSize(block.get()), 16u);
    ByteStream stream;
    EXPECT_EQ(WriteBlock(block.get(), stream), kNoErr);
    const std::vector<std::uint8_t> expected = {0,   0,   0,   0,   0,   10,  '0', '1',
                                                '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(stream.Bytes(), expected);

    ASSERT_EQ(stream.Rewind(), kNoErr);
    ErrCode err = kFileErr;
    MemBlockPtr read = ReadBlock(stream, 1000, err);
    EXPECT_EQ(err, kNoErr);
    ASSERT_TRUE(read);
    EXPECT_EQ(MemSize(read.get()), 10u);
    EXPECT_EQ(std::memcmp(read.get(), "0123456789", 10), 0);

    ASSERT_EQ(stream.Rewind(), kNoErr);
    EXPECT_EQ(ReadBlockOfSize(stream, read, 16), kNoErr);
    EXPECT_EQ(MemSize(read.get()), 10u);
}

TEST(BlockRecord, LengthsBeyondTheCallersBoundAreRefusedBeforeAllocating) {
    ByteStream stream({0, 0, 0x7F, 0xFF, 0xFF, 0xFF, 'a'});
    const std::uint64_t before = GetMemoryCounters().blocksAllocated;
    ErrCode err = kNoErr;
    EXPECT_FALSE(ReadBlock(stream, 1 << 20, err));
    EXPECT_EQ(err, kBadDataErr);
    EXPECT_EQ(GetMemoryCounters().blocksAllocated, before);
}

TEST(BlockRecord, TruncatedRecordsAndWrongSizes) {
    ByteStream truncated({0, 0, 0, 0, 0, 10, 'a', 'b'});
    ErrCode err = kNoErr;
    EXPECT_FALSE(ReadBlock(truncated, 100, err));
    EXPECT_EQ(err, kEndOfFileErr);

    ByteStream wrongSize({0, 0, 0, 0, 0, 2, 'a', 'b'});
    MemBlockPtr block = BlockOf("x", 1);
    EXPECT_EQ(ReadBlockOfSize(wrongSize, block, 9), kBadDataErr);
    EXPECT_FALSE(block);
    ASSERT_EQ(wrongSize.Rewind(), kNoErr);
    EXPECT_EQ(ReadBlockOfSize(wrongSize, block, 3), kBadDataErr);
}

TEST(BlockRecord, OutOfMemoryIsReported) {
    ByteStream stream({0, 0, 0, 0, 0, 2, 'a', 'b'});
    FailNextAllocations(1000);
    ErrCode err = kNoErr;
    EXPECT_FALSE(ReadBlock(stream, 100, err));
    FailNextAllocations(0);
    EXPECT_EQ(err, kOutOfMemoryErr);
}

TEST(BlockRecord, EmptyBlocks) {
    MemBlockPtr empty(MemAlloc(0));
    ByteStream stream;
    EXPECT_EQ(WriteBlock(empty.get(), stream), kNoErr);
    EXPECT_EQ(stream.Bytes().size(), 6u);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    ErrCode err = kFileErr;
    MemBlockPtr read = ReadBlock(stream, 0, err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_EQ(MemSize(read.get()), 0u);
}

}  // namespace
