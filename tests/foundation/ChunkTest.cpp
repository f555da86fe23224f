#include "foundation/Chunk.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"

namespace {

TEST(Chunk, HeaderSizesBelowEightAndNegativeNumbersAreRefused) {
    ChunkHeader header;
    ByteStream seven({0, 0, 0, 7, 0, 1, 0, 2});
    EXPECT_EQ(header.Read(seven), kBadDataErr);
    ByteStream eight({0, 0, 0, 8, 0, 1, 0, 2});
    EXPECT_EQ(header.Read(eight), kNoErr);
    EXPECT_EQ(header.size, 8u);
    EXPECT_EQ(header.PayloadSize(), 0u);
    EXPECT_EQ(header.first, 1);
    EXPECT_EQ(header.second, 2);
    ByteStream negative({0, 0, 0, 9, 0xFF, 0xFF, 0, 2});
    EXPECT_EQ(header.Read(negative), kBadDataErr);
    ByteStream truncated({0, 0, 0, 9, 0});
    EXPECT_EQ(header.Read(truncated), kEndOfFileErr);
    EXPECT_FALSE(header.IsValid());
}

TEST(Chunk, AnEmptyHeaderIsInvalid) {
    ChunkHeader header;
    EXPECT_EQ(header.size, 0u);
    EXPECT_EQ(header.first, -1);
    EXPECT_EQ(header.second, -1);
    EXPECT_FALSE(header.IsValid());
}

TEST(Chunk, PatchingWriterFillsInTheSize) {
    ByteStream stream;
    PatchingChunkWriter writer(stream);
    ChunkHeader header;
    header.first = 3;
    header.second = 4;
    EXPECT_EQ(writer.Begin(header), kNoErr);
    std::uint32_t count = 10;
    EXPECT_EQ(stream.Write("0123456789", count), kNoErr);
    EXPECT_EQ(writer.End(), kNoErr);
    const std::vector<std::uint8_t> expectedHeader = {0, 0, 0, 18, 0, 3, 0, 4};
    EXPECT_EQ(std::vector<std::uint8_t>(stream.Bytes().begin(), stream.Bytes().begin() + 8), expectedHeader);
    std::uint32_t position = 0;
    EXPECT_EQ(stream.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 18u);
    // End without an open chunk does nothing.
    EXPECT_EQ(writer.End(), kNoErr);
    EXPECT_EQ(stream.Bytes().size(), 18u);
}

TEST(Chunk, ReaderSkipsFromChunkToChunk) {
    ByteStream stream;
    PatchingChunkWriter writer(stream);
    ChunkHeader header;
    header.first = 1;
    header.second = 0;
    ASSERT_EQ(writer.Begin(header), kNoErr);
    ASSERT_EQ(stream.WriteLong(111), kNoErr);
    ASSERT_EQ(stream.WriteLong(222), kNoErr);
    header.first = 2;
    ASSERT_EQ(writer.EndAndBegin(header), kNoErr);
    ASSERT_EQ(stream.WriteShort(333), kNoErr);
    ASSERT_EQ(writer.End(), kNoErr);
    ChunkWriter plain(stream);
    ChunkHeader last;
    last.size = 8;
    last.first = 3;
    last.second = 9;
    ASSERT_EQ(plain.Write(last), kNoErr);

    ASSERT_EQ(stream.Rewind(), kNoErr);
    ChunkReader reader(stream);
    ChunkHeader read;
    ASSERT_EQ(reader.First(read), kNoErr);
    EXPECT_EQ(read.first, 1);
    EXPECT_EQ(read.size, 16u);
    std::int32_t value = 0;
    ASSERT_EQ(stream.ReadLong(value), kNoErr);  // read only part of the first chunk
    ASSERT_EQ(reader.Next(read), kNoErr);
    EXPECT_EQ(read.first, 2);
    EXPECT_EQ(read.size, 10u);
    std::int16_t shortValue = 0;
    ASSERT_EQ(stream.ReadShort(shortValue), kNoErr);
    EXPECT_EQ(shortValue, 333);
    ASSERT_EQ(reader.Next(read), kNoErr);
    EXPECT_EQ(read.first, 3);
    EXPECT_EQ(read.second, 9);
    EXPECT_EQ(reader.Next(read), kEndOfFileErr);
}

TEST(Chunk, ReadingPastAChunksEndIsBadData) {
    ByteStream stream({0, 0, 0, 10, 0, 0, 0, 0, 'a', 'b', 'c', 'd', 0, 0, 0, 8, 0, 0, 0, 0});
    ChunkReader reader(stream);
    ChunkHeader header;
    ASSERT_EQ(reader.First(header), kNoErr);
    std::int32_t value = 0;
    ASSERT_EQ(stream.ReadLong(value), kNoErr);  // two bytes into the next chunk
    EXPECT_EQ(reader.Next(header), kBadDataErr);
    EXPECT_EQ(reader.GetError(), kBadDataErr);
    // Sticky: nothing more is done.
    EXPECT_EQ(reader.First(header), kBadDataErr);
}

TEST(Chunk, AChunkCutShortByTheEndOfTheFileIsNoticed) {
    ByteStream stream({0, 0, 0, 100, 0, 0, 0, 0, 'a', 'b'});
    ChunkReader reader(stream);
    ChunkHeader header;
    ASSERT_EQ(reader.First(header), kNoErr);
    EXPECT_EQ(reader.SkipToEnd(), kEndOfFileErr);
}

TEST(Chunk, WritersStopAfterAnError) {
    ByteStream stream;
    ChunkWriter writer(stream);
    stream.SetError(kWriteErr);
    ChunkHeader header;
    EXPECT_EQ(writer.Write(header), kWriteErr);
    stream.SetError(kNoErr);
    EXPECT_EQ(writer.Write(header), kWriteErr);
    EXPECT_TRUE(stream.Bytes().empty());
}

}  // namespace
