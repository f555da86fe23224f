#include "foundation/IFile.h"

#include <gtest/gtest.h>

#include "foundation/FileError.h"
#include "foundation/ByteStream.h"

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

}  // namespace
