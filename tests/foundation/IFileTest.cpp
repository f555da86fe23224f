#include "foundation/IFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"

namespace {

TEST(IFile, TypedReadsFollowTheByteOrderWord) {
    ByteStream bigEndian({0x12, 0x34, 0x12, 0x34, 0x56, 0x78}, 0);
    std::int16_t shortValue = 0;
    std::int32_t longValue = 0;
    EXPECT_EQ(bigEndian.ReadShort(shortValue), kNoErr);
    EXPECT_EQ(shortValue, 0x1234);
    EXPECT_EQ(bigEndian.ReadLong(longValue), kNoErr);
    EXPECT_EQ(longValue, 0x12345678);

    ByteStream littleEndian({0x12, 0x34, 0x12, 0x34, 0x56, 0x78}, 1);
    EXPECT_EQ(littleEndian.ReadShort(shortValue), kNoErr);
    EXPECT_EQ(shortValue, 0x3412);
    EXPECT_EQ(littleEndian.ReadLong(longValue), kNoErr);
    EXPECT_EQ(longValue, 0x78563412);
}

TEST(IFile, UnsignedAndSignedReadsKeepTheHighBit) {
    ByteStream stream({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFE, 0x80, 0x00, 0x00, 0x01}, 0);
    std::uint16_t unsignedShort = 0;
    std::int16_t signedShort = 0;
    std::uint32_t unsignedLong = 0;
    std::int32_t signedLong = 0;
    EXPECT_EQ(stream.ReadUShort(unsignedShort), kNoErr);
    EXPECT_EQ(unsignedShort, 0xFFFE);
    EXPECT_EQ(stream.ReadLong(signedLong), kNoErr);
    EXPECT_EQ(signedLong, -2);
    EXPECT_EQ(stream.ReadULong(unsignedLong), kNoErr);
    EXPECT_EQ(unsignedLong, 0x80000001u);
    EXPECT_EQ(stream.ReadShort(signedShort), kEndOfFileErr);
}

TEST(IFile, FourCharacterCodesAreNeverReordered) {
    for (std::uint32_t byteOrder : {0u, 1u, 7u}) {
        ByteStream stream({'S', 'D', 'O', 'C'}, byteOrder);
        FourCC code = 0;
        EXPECT_EQ(stream.ReadFourCC(code), kNoErr);
        EXPECT_EQ(code, FourCCOf("SDOC"));

        ByteStream out(byteOrder);
        EXPECT_EQ(out.WriteFourCC(FourCCOf("RESP")), kNoErr);
        EXPECT_EQ(out.Bytes(), (std::vector<std::uint8_t>{'R', 'E', 'S', 'P'}));
    }
}

TEST(IFile, TypedWritesFollowTheByteOrderWord) {
    ByteStream bigEndian(0);
    EXPECT_EQ(bigEndian.WriteShort(0x1234), kNoErr);
    EXPECT_EQ(bigEndian.WriteLong(-2), kNoErr);
    EXPECT_EQ(bigEndian.WriteByte(0xAB), kNoErr);
    EXPECT_EQ(bigEndian.Bytes(), (std::vector<std::uint8_t>{0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFE, 0xAB}));

    ByteStream littleEndian(1);
    EXPECT_EQ(littleEndian.WriteShort(0x1234), kNoErr);
    EXPECT_EQ(littleEndian.WriteLong(0x12345678), kNoErr);
    EXPECT_EQ(littleEndian.Bytes(), (std::vector<std::uint8_t>{0x34, 0x12, 0x78, 0x56, 0x34, 0x12}));
}

TEST(IFile, CTextsAreWrittenWithoutTheirNul) {
    ByteStream stream;
    EXPECT_EQ(stream.WriteCString("abc"), kNoErr);
    EXPECT_EQ(stream.WriteCString(""), kNoErr);
    EXPECT_EQ(stream.WriteCString(nullptr), kNoErr);
    EXPECT_EQ(stream.Bytes(), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
}

TEST(IFile, ShortReadLeavesTheValueAndAnswersEndOfFile) {
    ByteStream stream({0x01, 0x02, 0x03});
    std::int32_t value = 77;
    EXPECT_EQ(stream.ReadLong(value), kEndOfFileErr);
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(stream.IsAtEnd());
    std::uint8_t byte = 9;
    EXPECT_EQ(stream.ReadByte(byte), kEndOfFileErr);
    EXPECT_EQ(byte, 9);
}

TEST(IFile, StickyErrorStopsTypedOperations) {
    ByteStream stream({0x01, 0x02, 0x03, 0x04});
    stream.SetError(kWriteErr);
    std::int16_t value = 5;
    EXPECT_EQ(stream.ReadShort(value), kWriteErr);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(stream.WriteLong(1), kWriteErr);
    EXPECT_EQ(stream.WriteCString(""), kWriteErr);
    EXPECT_EQ(stream.Rewind(), kWriteErr);
}

// A stream that moves at most two bytes a call and calls that no error, as a pipe or a full
// device may.
class TwoBytesAtATime : public ByteStream {
public:
    using ByteStream::ByteStream;
    ErrCode Read(void* buffer, std::uint32_t& count) override {
        count = std::min<std::uint32_t>(count, 2);
        return ByteStream::Read(buffer, count);
    }
    ErrCode Write(const void* buffer, std::uint32_t& count) override {
        count = std::min<std::uint32_t>(count, 2);
        return ByteStream::Write(buffer, count);
    }
};

TEST(IFile, WholeReadsAndWritesRefuseShortCounts) {
    TwoBytesAtATime stream({1, 2, 3, 4});
    std::uint8_t bytes[4] = {};
    EXPECT_EQ(ReadExactly(stream, bytes, 2), kNoErr);
    EXPECT_EQ(ReadExactly(stream, bytes, 2), kNoErr);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    EXPECT_EQ(ReadExactly(stream, bytes, 3), kEndOfFileErr);
    std::int32_t value = 7;
    ASSERT_EQ(stream.Rewind(), kNoErr);
    EXPECT_EQ(stream.ReadLong(value), kEndOfFileErr);
    EXPECT_EQ(value, 7);

    EXPECT_EQ(WriteExactly(stream, "ab", 2), kNoErr);
    EXPECT_EQ(WriteExactly(stream, "abc", 3), kWrongWriteCountErr);
    EXPECT_EQ(stream.WriteLong(1), kWrongWriteCountErr);
}

TEST(IFile, NothingToMoveMakesNoCallAndAnswersTheStickyError) {
    ByteStream stream({1, 2});
    EXPECT_EQ(ReadExactly(stream, nullptr, 0), kNoErr);
    EXPECT_EQ(WriteExactly(stream, nullptr, 0), kNoErr);
    stream.SetError(kReadErr);
    EXPECT_EQ(ReadExactly(stream, nullptr, 0), kReadErr);
    EXPECT_EQ(WriteExactly(stream, nullptr, 0), kReadErr);
    EXPECT_EQ(stream.ReadCalls(), 0);
    EXPECT_EQ(stream.WriteCalls(), 0);
}

}  // namespace
