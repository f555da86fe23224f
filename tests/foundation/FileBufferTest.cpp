#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/FileReadBuffer.h"
#include "foundation/FileWriteBuffer.h"

namespace {

std::vector<std::uint8_t> Sequence(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

TEST(FileReadBuffer, SmallReadsComeFromOneSourceRead) {
    ByteStream source(Sequence(100));
    FileReadBuffer buffer(source, 16);
    std::uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) {
        std::uint32_t count = 4;
        ASSERT_EQ(buffer.Read(bytes, count), kNoErr);
        EXPECT_EQ(count, 4u);
        EXPECT_EQ(bytes[0], i * 4);
    }
    EXPECT_EQ(source.ReadCalls(), 1);
    std::uint32_t position = 0;
    EXPECT_EQ(buffer.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 16u);
    std::uint32_t count = 4;
    ASSERT_EQ(buffer.Read(bytes, count), kNoErr);
    EXPECT_EQ(bytes[0], 16);
    EXPECT_EQ(source.ReadCalls(), 2);
}

TEST(FileReadBuffer, AnEmptyReadTakesNothingEvenWithoutABuffer) {
    ByteStream source(Sequence(10));
    FileReadBuffer buffer(source, 16);
    std::uint32_t count = 0;
    EXPECT_EQ(buffer.Read(nullptr, count), kNoErr);
    EXPECT_EQ(count, 0u);
    std::uint8_t byte = 0xFF;
    count = 1;
    ASSERT_EQ(buffer.Read(&byte, count), kNoErr);
    EXPECT_EQ(byte, 0);  // the empty read moved nothing
}

TEST(FileReadBuffer, ReadsAcrossTheBufferEndJoinUp) {
    ByteStream source(Sequence(100));
    FileReadBuffer buffer(source, 16);
    std::uint8_t bytes[12];
    std::uint32_t count = 10;
    ASSERT_EQ(buffer.Read(bytes, count), kNoErr);
    count = 12;
    ASSERT_EQ(buffer.Read(bytes, count), kNoErr);
    EXPECT_EQ(count, 12u);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(bytes[i], 10 + i);
}

TEST(FileReadBuffer, LargeReadsBypassTheBuffer) {
    ByteStream source(Sequence(100));
    FileReadBuffer buffer(source, 16);
    std::vector<std::uint8_t> bytes(40);
    std::uint32_t count = 40;
    ASSERT_EQ(buffer.Read(bytes.data(), count), kNoErr);
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(Sequence(40)));
    EXPECT_EQ(source.ReadCalls(), 1);
    std::uint32_t position = 0;
    EXPECT_EQ(buffer.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 40u);
    std::int16_t value = 0;
    EXPECT_EQ(buffer.ReadShort(value), kNoErr);
    EXPECT_EQ(value, 40 * 256 + 41);
}

TEST(FileReadBuffer, ShortFileGivesWhatThereIsAndEndOfFile) {
    ByteStream source({1, 2, 3, 4});
    FileReadBuffer buffer(source, 8);
    std::uint8_t bytes[10] = {};
    std::uint32_t count = 10;
    EXPECT_EQ(buffer.Read(bytes, count), kEndOfFileErr);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(bytes[3], 4);
}

TEST(FileReadBuffer, AShortFillAtTheEndIsNoError) {
    ByteStream source({1, 2, 3, 4, 5, 6});
    FileReadBuffer buffer(source, 16);
    std::uint8_t bytes[4];
    std::uint32_t count = 4;
    EXPECT_EQ(buffer.Read(bytes, count), kNoErr);
    EXPECT_EQ(count, 4u);
    count = 4;
    EXPECT_EQ(buffer.Read(bytes, count), kEndOfFileErr);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(bytes[1], 6);
}

TEST(FileReadBuffer, MovingInsideTheBufferKeepsIt) {
    ByteStream source(Sequence(64));
    FileReadBuffer buffer(source, 16);
    std::uint8_t byte = 0;
    ASSERT_EQ(buffer.ReadByte(byte), kNoErr);
    ASSERT_EQ(buffer.SetPosition(9), kNoErr);
    ASSERT_EQ(buffer.ReadByte(byte), kNoErr);
    EXPECT_EQ(byte, 9);
    ASSERT_EQ(buffer.SetPosition(2), kNoErr);
    ASSERT_EQ(buffer.ReadByte(byte), kNoErr);
    EXPECT_EQ(byte, 2);
    EXPECT_EQ(source.ReadCalls(), 1);

    ASSERT_EQ(buffer.SetPosition(40), kNoErr);
    ASSERT_EQ(buffer.ReadByte(byte), kNoErr);
    EXPECT_EQ(byte, 40);
    EXPECT_EQ(source.ReadCalls(), 2);
    ASSERT_EQ(buffer.Rewind(), kNoErr);
    ASSERT_EQ(buffer.ReadByte(byte), kNoErr);
    EXPECT_EQ(byte, 0);
    ASSERT_EQ(buffer.SeekToEnd(), kNoErr);
    std::uint32_t position = 0;
    EXPECT_EQ(buffer.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 64u);
}

TEST(FileReadBuffer, SourceErrorsStopEverything) {
    ByteStream source(Sequence(64));
    FileReadBuffer buffer(source, 16);
    source.SetError(kReadErr);
    std::uint8_t bytes[4];
    std::uint32_t count = 4;
    EXPECT_EQ(buffer.Read(bytes, count), kReadErr);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(buffer.SetPosition(3), kReadErr);
    EXPECT_EQ(buffer.GetError(), kReadErr);
    EXPECT_EQ(source.ReadCalls(), 0);
}

TEST(FileReadBuffer, ByteOrderIsTheSources) {
    ByteStream source({0x12, 0x34}, 1);
    FileReadBuffer buffer(source, 8);
    EXPECT_FALSE(buffer.NeedsByteSwap());
    std::int16_t value = 0;
    EXPECT_EQ(buffer.ReadShort(value), kNoErr);
    EXPECT_EQ(value, 0x3412);
}

TEST(FileWriteBuffer, EightBytesIntoAnEightByteBufferGoOutAtOnce) {
    ByteStream target;
    FileWriteBuffer buffer(target, 8);
    std::uint32_t count = 8;
    EXPECT_EQ(buffer.Write("12345678", count), kNoErr);
    EXPECT_EQ(count, 8u);
    EXPECT_EQ(target.WriteCalls(), 1);
    EXPECT_EQ(target.Bytes().size(), 8u);
}

TEST(FileWriteBuffer, SevenBytesWaitForFlush) {
    ByteStream target;
    {
        FileWriteBuffer buffer(target, 8);
        std::uint32_t count = 7;
        EXPECT_EQ(buffer.Write("1234567", count), kNoErr);
        EXPECT_EQ(target.WriteCalls(), 0);
        EXPECT_EQ(buffer.Flush(), kNoErr);
        EXPECT_EQ(target.WriteCalls(), 1);
        EXPECT_EQ(target.FlushCalls(), 1);
        count = 3;
        EXPECT_EQ(buffer.Write("abc", count), kNoErr);
        EXPECT_EQ(target.Bytes().size(), 7u);
    }
    // Destroying the buffer writes the rest.
    EXPECT_EQ(std::string(target.Bytes().begin(), target.Bytes().end()), "1234567abc");
}

TEST(FileWriteBuffer, SeekOutsideTheBufferWritesItOut) {
    ByteStream target;
    FileWriteBuffer buffer(target, 8);
    EXPECT_EQ(buffer.WriteLong(0x61626364), kNoErr);
    EXPECT_EQ(buffer.SetPosition(20), kNoErr);
    EXPECT_EQ(target.Bytes().size(), 4u);
    EXPECT_EQ(buffer.WriteByte('z'), kNoErr);
    std::uint32_t position = 0;
    EXPECT_EQ(buffer.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 21u);
    EXPECT_EQ(buffer.Flush(), kNoErr);
    ASSERT_EQ(target.Bytes().size(), 21u);
    EXPECT_EQ(target.Bytes()[20], 'z');
}

TEST(FileWriteBuffer, MovingBackInsideTheBufferOverwritesOnlyBufferedBytes) {
    ByteStream target({'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'});
    FileWriteBuffer buffer(target, 8);
    std::uint32_t count = 6;
    EXPECT_EQ(buffer.Write("abcdef", count), kNoErr);
    EXPECT_EQ(buffer.SetPosition(2), kNoErr);
    count = 2;
    EXPECT_EQ(buffer.Write("ZZ", count), kNoErr);
    EXPECT_EQ(target.WriteCalls(), 0);
    EXPECT_EQ(std::string(target.Bytes().begin(), target.Bytes().end()), "xxxxxxxxxx");
    // After the flush, writing goes on where the caller was, not at the end of the buffered bytes.
    EXPECT_EQ(buffer.Flush(), kNoErr);
    std::uint32_t position = 0;
    EXPECT_EQ(buffer.GetPosition(position), kNoErr);
    EXPECT_EQ(position, 4u);
    EXPECT_EQ(buffer.WriteByte('!'), kNoErr);
    EXPECT_EQ(buffer.Flush(), kNoErr);
    EXPECT_EQ(std::string(target.Bytes().begin(), target.Bytes().end()), "abZZ!fxxxx");
}

TEST(FileWriteBuffer, LongWritesFillAndEmptyTheBufferInTurn) {
    ByteStream target;
    FileWriteBuffer buffer(target, 8);
    const std::vector<std::uint8_t> bytes = Sequence(30);
    std::uint32_t count = 30;
    EXPECT_EQ(buffer.Write(bytes.data(), count), kNoErr);
    EXPECT_EQ(count, 30u);
    EXPECT_EQ(target.WriteCalls(), 3);
    EXPECT_EQ(buffer.SeekToEnd(), kNoErr);
    EXPECT_EQ(target.Bytes(), bytes);
}

TEST(FileWriteBuffer, TargetErrorsStopEverything) {
    ByteStream target;
    FileWriteBuffer buffer(target, 8);
    std::uint32_t count = 4;
    EXPECT_EQ(buffer.Write("abcd", count), kNoErr);
    target.SetError(kDiskFullErr);
    count = 8;
    EXPECT_EQ(buffer.Write("efghijkl", count), kDiskFullErr);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(buffer.Flush(), kDiskFullErr);
    EXPECT_EQ(buffer.GetError(), kDiskFullErr);
}

TEST(FileWriteBuffer, AFailingWriteOutIsReportedAndNotCounted) {
    // A target that takes the first write and fails the second.
    class FailingSecondWrite : public ByteStream {
    public:
        ErrCode Write(const void* buffer, std::uint32_t& count) override {
            if (WriteCalls() == 1) {
                SetError(kWriteErr);
            }
            return ByteStream::Write(buffer, count);
        }
    } target;
    FileWriteBuffer buffer(target, 4);
    const std::vector<std::uint8_t> bytes = Sequence(10);
    std::uint32_t count = 10;
    EXPECT_EQ(buffer.Write(bytes.data(), count), kWriteErr);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(target.Bytes().size(), 4u);
}

}  // namespace
