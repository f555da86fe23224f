#include "foundation/pfm/PFMFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/Platform.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& bytes, std::initializer_list<std::uint8_t> more) { bytes.insert(bytes.end(), more); }

void AppendText(Bytes& bytes, const char* text) { bytes.insert(bytes.end(), text, text + std::strlen(text)); }

void AppendU32(Bytes& bytes, std::uint32_t value) {
    Append(bytes, {std::uint8_t(value >> 24), std::uint8_t(value >> 16), std::uint8_t(value >> 8),
                   std::uint8_t(value)});
}

void AppendU16(Bytes& bytes, std::uint16_t value) {
    Append(bytes, {std::uint8_t(value >> 8), std::uint8_t(value)});
}

// The identification as the format table gives it.
Bytes Identification() {
    Bytes bytes;
    AppendText(bytes, "** PFM binary file **");
    Append(bytes, {0x1A, 0x00, 0x00});
    return bytes;
}

// A header block: version 3.0 and the nine fields, all big-endian.
void AppendHeader(Bytes& bytes, std::uint32_t mapPosition, std::uint16_t saveType, std::uint32_t fullSize,
                  std::uint16_t platform = 7) {
    Append(bytes, {0x03, 0x00, 0x80, 0x00});
    AppendU32(bytes, mapPosition);
    AppendU16(bytes, saveType);
    AppendU32(bytes, fullSize);
    AppendU16(bytes, platform);
    AppendText(bytes, "Fabl");
    AppendU32(bytes, 0x01028003);
    AppendU16(bytes, platform);
    AppendText(bytes, "Fabl");
    AppendU32(bytes, 0x01028003);
}

struct RecordBytes {
    std::uint32_t position;
    std::uint32_t size;
    const char* type;
    std::uint16_t id;
    std::uint16_t flags;
};

// A whole file: identification, header, the given segment bytes, then the map of the records.
Bytes StoreFile(const Bytes& data, std::initializer_list<RecordBytes> records, std::int32_t count = -1) {
    Bytes bytes = Identification();
    const std::uint32_t mapPosition = kPFMDataOffset + static_cast<std::uint32_t>(data.size());
    AppendHeader(bytes, mapPosition, 0, mapPosition + 4 + 16 * static_cast<std::uint32_t>(records.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    AppendU32(bytes,
              count < 0 ? static_cast<std::uint32_t>(records.size()) : static_cast<std::uint32_t>(count));
    for (const RecordBytes& record : records) {
        AppendU32(bytes, record.position);
        AppendU32(bytes, record.size);
        AppendText(bytes, record.type);
        AppendU16(bytes, record.id);
        AppendU16(bytes, record.flags);
    }
    return bytes;
}

ErrCode ReadLayout(const Bytes& file, PFMHeader& header, SegmentMap& map) {
    ByteStream stream(file);
    return PFMReadFileLayout(stream, static_cast<std::uint32_t>(file.size()), header, map);
}

ErrCode ReadLayout(const Bytes& file) {
    PFMHeader header;
    SegmentMap map;
    return ReadLayout(file, header, map);
}

class PFMFormatTest : public ::testing::Test {
protected:
    void SetUp() override { DetectPlatform(); }
};

TEST_F(PFMFormatTest, AnEmptyStoreIsSixtyTwoBytes) {
    ByteStream stream;
    ASSERT_EQ(PFMWriteFileStart(stream), kNoErr);
    EXPECT_EQ(stream.Bytes().size(), 58u);

    PFMHeader header(FourCCOf("Fabl"), 0x01028003);
    SegmentMap map;
    ASSERT_EQ(PFMWriteFileEnd(stream, map, header), kNoErr);
    EXPECT_EQ(header.mapPosition, 58u);
    EXPECT_EQ(header.fullSaveSize, 62u);

    Bytes expected = Identification();
    AppendHeader(expected, 58, 0, 62);
    AppendU32(expected, 0);
    EXPECT_EQ(stream.Bytes(), expected);
}

TEST_F(PFMFormatTest, HeaderFieldsSitWhereTheTableSaysAndReadBack) {
    PFMHeader header(FourCCOf("Fabl"), 0x01028003);
    header.mapPosition = 0x01020304;
    header.saveType = kPFMFastSave;
    header.fullSaveSize = 0xA0B0C0D0;
    header.creatorPlatform = 1;
    header.creatorApp = FourCCOf("Oldp");
    header.creatorVersion = 0x02006001;
    std::uint8_t block[kPFMHeaderBlockSize];
    header.Encode(block);

    const std::uint8_t expected[kPFMHeaderBlockSize] = {
        0x03, 0x00, 0x80, 0x00, 0x01, 0x02, 0x03, 0x04, 0x00, 0x01, 0xA0, 0xB0, 0xC0, 0xD0, 0x00, 0x01, 'O',
        'l',  'd',  'p',  0x02, 0x00, 0x60, 0x01, 0x00, 0x07, 'F',  'a',  'b',  'l',  0x01, 0x02, 0x80, 0x03};
    EXPECT_EQ(std::memcmp(block, expected, sizeof block), 0);

    PFMHeader back;
    ASSERT_EQ(back.Decode(block), kNoErr);
    EXPECT_EQ(back, header);
}

TEST_F(PFMFormatTest, PlatformIdsAreSignExtendedOnReading) {
    Bytes bytes;
    AppendHeader(bytes, 58, 0, 62, 0xFFFF);
    PFMHeader header;
    ASSERT_EQ(header.Decode(bytes.data()), kNoErr);
    EXPECT_EQ(header.creatorPlatform, -1);
    EXPECT_EQ(header.lastPlatform, -1);
}

TEST_F(PFMFormatTest, NewHeadersNameTheRunningPlatform) {
    PFMHeader header;
    EXPECT_EQ(header.creatorPlatform, 7);
    EXPECT_EQ(header.lastPlatform, 7);
    EXPECT_EQ(header.mapPosition, 0u);
    EXPECT_EQ(header.creatorApp, 0u);
}

TEST_F(PFMFormatTest, IdentificationChecksTwentyThreeBytes) {
    PFMFileId id;
    ByteStream good(Identification());
    ASSERT_EQ(id.Read(good), kNoErr);
    EXPECT_TRUE(id.valid);

    Bytes lastDiffers = Identification();
    lastDiffers[23] = 'x';
    ByteStream accepted(lastDiffers);
    ASSERT_EQ(id.Read(accepted), kNoErr);
    EXPECT_TRUE(id.valid);

    Bytes zeroDiffers = Identification();
    zeroDiffers[22] = 'x';
    ByteStream refused(zeroDiffers);
    ASSERT_EQ(id.Read(refused), kNoErr);
    EXPECT_FALSE(id.valid);

    Bytes noMark = Identification();
    noMark[21] = 0;
    ByteStream alsoRefused(noMark);
    ASSERT_EQ(id.Read(alsoRefused), kNoErr);
    EXPECT_FALSE(id.valid);
}

TEST_F(PFMFormatTest, OpeningChecksIdentificationVersionAndLength) {
    Bytes shortFile = Identification();
    shortFile.resize(20);
    EXPECT_EQ(ReadLayout(shortFile), kEndOfFileErr);

    Bytes other = StoreFile({}, {});
    other[3] = 'X';
    EXPECT_EQ(ReadLayout(other), kUnsupportedFormatErr);

    Bytes noStage = StoreFile({}, {});
    noStage[26] = 0x00;  // 03 00 00 00
    EXPECT_EQ(ReadLayout(noStage), kFileErr);

    Bytes headerCut = StoreFile({}, {});
    headerCut.resize(40);
    EXPECT_EQ(ReadLayout(headerCut), kEndOfFileErr);

    EXPECT_EQ(ReadLayout(StoreFile({}, {})), kNoErr);
}

TEST_F(PFMFormatTest, MapRecordsReadBackWithTheirKinds) {
    Bytes data(40, 0xAB);
    const Bytes file = StoreFile(data, {{58, 10, "INFO", 1, 0x8000 | 0x1000},
                                        {68, 10, "ITM#", 0x1234, 0x3000},
                                        {78, 10, "DATA", 2, 0x0020},
                                        {88, 5, "CUST", 3, 0x0040},
                                        {93, 5, "UNKN", 4, 0x0080}});
    PFMHeader header;
    SegmentMap map;
    ASSERT_EQ(ReadLayout(file, header, map), kNoErr);
    ASSERT_EQ(map.size(), 5u);
    EXPECT_EQ(map[0].type, FourCCOf("INFO"));
    EXPECT_EQ(map[0].Kind(), kRawSegment);
    EXPECT_EQ(map[0].Priority(), 1);
    EXPECT_EQ(map[1].id, 0x1234);
    EXPECT_EQ(map[1].Kind(), kObjectSegment);
    EXPECT_EQ(map[1].Priority(), 3);
    EXPECT_EQ(map[2].Kind(), kDataSegment);
    EXPECT_EQ(map[3].Kind(), kCustomSegment);
    EXPECT_EQ(map[4].Kind(), kUnknownSegment);
    EXPECT_EQ(map[4].position, 93u);
    EXPECT_EQ(map[4].size, 5);
    EXPECT_EQ(header.mapPosition, 98u);
}

TEST_F(PFMFormatTest, KindBitsDecodeInTheirOrderAndEncodeOnlyThreeKinds) {
    EXPECT_EQ(SegmentMapRecord::KindOfFlags(0x0000), kObjectSegment);
    EXPECT_EQ(SegmentMapRecord::KindOfFlags(0x0080), kUnknownSegment);
    EXPECT_EQ(SegmentMapRecord::KindOfFlags(0x80A0), kRawSegment);
    EXPECT_EQ(SegmentMapRecord::KindOfFlags(0x0060), kDataSegment);
    EXPECT_EQ(SegmentMapRecord::KindOfFlags(0x00C0), kCustomSegment);

    EXPECT_EQ(SegmentMapRecord::FlagsFor(0, kUnknownSegment, false), 0);
    EXPECT_EQ(SegmentMapRecord::FlagsFor(0, kObjectSegment, false), 0);
    EXPECT_EQ(SegmentMapRecord::FlagsFor(2, kRawSegment, true), 0x8000 | 0x2000 | 0x0800);
    EXPECT_EQ(SegmentMapRecord::FlagsFor(7, kDataSegment, false), 0x7020);
    EXPECT_EQ(SegmentMapRecord::FlagsFor(1, kCustomSegment, false), 0x1040);

    SegmentMapRecord record;
    record.Set(100, 20, FourCCOf("TEXT"), 9, 5, kRawSegment, true);
    EXPECT_EQ(record.Priority(), 5);
    EXPECT_TRUE(record.Preload());
    EXPECT_EQ(record.Kind(), kRawSegment);
}

TEST_F(PFMFormatTest, ReadFlagsKeepEverythingButPriorityAndPreload) {
    // An unknown kind with bits this program never writes keeps them all.
    EXPECT_EQ(SegmentMapRecord::WithPriorityAndPreload(0x1087, 4, true), 0x4887);
    EXPECT_EQ(SegmentMapRecord::WithPriorityAndPreload(0x7880, 0, false), 0x0080);
}

TEST_F(PFMFormatTest, RecordBytesAreBigEndianWithTheTypeInReadingOrder) {
    SegmentMapRecord record;
    record.Set(0x0A0B0C0D, 0x100, FourCCOf("SDOC"), 0x0102, 1, kRawSegment, false);
    std::uint8_t bytes[kSegmentMapRecordSize];
    record.Encode(bytes);
    const std::uint8_t expected[kSegmentMapRecordSize] = {0x0A, 0x0B, 0x0C, 0x0D, 0x00, 0x00, 0x01, 0x00,
                                                          'S',  'D',  'O',  'C',  0x01, 0x02, 0x90, 0x00};
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof bytes), 0);
    EXPECT_EQ(SegmentMapRecord::Decode(bytes), record);
}

TEST_F(PFMFormatTest, UnsoundRecordsMakeTheFileUnreadable) {
    const Bytes data(20, 0);
    // Priority 0 with preload.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 10, "AAAA", 1, 0x8800}})), kBadSegmentMapErr);
    // Position 0, and a position inside the header.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{0, 10, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    EXPECT_EQ(ReadLayout(StoreFile(data, {{30, 10, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    // Size 0, and a negative size.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 0, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 0xFFFFFFF0, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    // Past the end of the file, and a position that wraps when the size is added.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{70, 1000, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    EXPECT_EQ(ReadLayout(StoreFile(data, {{0xFFFFFFF0, 0x7FFFFFFF, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    // Over the map itself.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{70, 12, "AAAA", 1, 0x9000}})), kBadSegmentMapErr);
    // Two segments sharing bytes.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 10, "AAAA", 1, 0x9000}, {62, 10, "BBBB", 1, 0x9000}})),
              kBadSegmentMapErr);
    // Touching segments are fine.
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 10, "AAAA", 1, 0x9000}, {68, 10, "BBBB", 1, 0x9000}})),
              kNoErr);
}

TEST_F(PFMFormatTest, MapCountsAreCheckedAgainstTheLimitAndTheFile) {
    const Bytes data(10, 0);
    EXPECT_EQ(ReadLayout(StoreFile(data, {}, -1 & 0x7FFFFFFF)), kBadDataErr);
    Bytes negative = StoreFile(data, {});
    negative[58 + 10] = 0xFF;
    EXPECT_EQ(ReadLayout(negative), kBadDataErr);
    EXPECT_EQ(ReadLayout(StoreFile(data, {}, kMaxSegmentMapCount - 1)), kBadSegmentMapErr);
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 10, "AAAA", 1, 0x9000}}, 2)), kBadSegmentMapErr);

    PFMHeader header;
    SegmentMap map;
    // A count one bit off the records the file holds after it is read as that number; two bits off,
    // it is not guessed at.
    for (const std::uint32_t count : {3u, 5u, 0x81u, 0x80000001u}) {
        EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 10, "AAAA", 1, 0x9000}}, static_cast<std::int32_t>(count)),
                             header, map),
                  kNoErr)
            << count;
        EXPECT_EQ(map.size(), 1u) << count;
    }
    EXPECT_EQ(ReadLayout(StoreFile(data, {{58, 10, "AAAA", 1, 0x9000}}, 7)), kBadSegmentMapErr);
    Bytes cut = StoreFile(data, {{58, 10, "AAAA", 1, 0x9000}});
    cut.pop_back();
    EXPECT_EQ(ReadLayout(cut, header, map), kBadSegmentMapErr);
    EXPECT_TRUE(map.empty());
}

TEST_F(PFMFormatTest, MapPositionMustLeaveRoomForTheCount) {
    Bytes file = StoreFile(Bytes(10, 0), {});
    Bytes beyond = file;
    beyond[28] = 0x7F;  // map position far past the end
    EXPECT_EQ(ReadLayout(beyond), kEndOfFileErr);
    Bytes inHeader = file;
    inHeader[31] = 20;  // map position 20
    EXPECT_EQ(ReadLayout(inHeader), kBadSegmentMapErr);
}

TEST_F(PFMFormatTest, FastSaveEndKeepsTheFullSaveSize) {
    ByteStream stream(StoreFile(Bytes(10, 1), {{58, 10, "AAAA", 1, 0x9000}}));
    PFMHeader header;
    SegmentMap map;
    ASSERT_EQ(PFMReadFileLayout(stream, static_cast<std::uint32_t>(stream.Bytes().size()), header, map),
              kNoErr);
    const std::uint32_t fullSize = header.fullSaveSize;
    const std::uint32_t oldEnd = static_cast<std::uint32_t>(stream.Bytes().size());

    header.saveType = kPFMFastSave;
    ASSERT_EQ(PFMWriteFileEnd(stream, map, header), kNoErr);
    EXPECT_EQ(header.fullSaveSize, fullSize);
    EXPECT_EQ(header.mapPosition, oldEnd);

    PFMHeader reread;
    SegmentMap rereadMap;
    ASSERT_EQ(ReadLayout(stream.Bytes(), reread, rereadMap), kNoErr);
    EXPECT_EQ(reread.saveType, kPFMFastSave);
    EXPECT_EQ(reread.mapPosition, oldEnd);
    EXPECT_EQ(rereadMap, map);
}

TEST_F(PFMFormatTest, CopyBytesMovesLongRunsInPieces) {
    Bytes source(100000);
    for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    ByteStream from(source);
    ByteStream to;
    ASSERT_EQ(PFMCopyBytes(from, 1000, 90000, to), kNoErr);
    EXPECT_EQ(to.Bytes(), Bytes(source.begin() + 1000, source.begin() + 91000));

    ByteStream more;
    EXPECT_EQ(PFMCopyBytes(from, 99000, 2000, more), kEndOfFileErr);
}

TEST_F(PFMFormatTest, StreamErrorsPassThrough) {
    ByteStream failing;
    failing.SetError(kWriteErr);
    EXPECT_EQ(PFMWriteFileStart(failing), kWriteErr);
    PFMHeader header;
    EXPECT_EQ(PFMWriteFileEnd(failing, SegmentMap{}, header), kWriteErr);
}

TEST_F(PFMFormatTest, NothingIsPlacedPastTheSizeLimit) {
    EXPECT_TRUE(PFMFitsInFile(kPFMMaxFileSize, 0));
    EXPECT_TRUE(PFMFitsInFile(kPFMDataOffset, kPFMMaxFileSize - kPFMDataOffset));
    EXPECT_FALSE(PFMFitsInFile(kPFMMaxFileSize, 1));
    EXPECT_FALSE(PFMFitsInFile(0xFFFFFFFF, 0xFFFFFFFF));  // no wrap-around
    EXPECT_EQ(PFMSegmentMapEnd(kPFMDataOffset, 0), kPFMDataOffset + 4u);
    EXPECT_EQ(PFMSegmentMapEnd(0xFFFFFFFF, 2), 0xFFFFFFFFull + 4 + 32);

    // A stream that reports its end just below the limit: a map of two records would cross it.
    class NearTheLimit : public ByteStream {
    public:
        ErrCode GetPosition(std::uint32_t& position) override {
            const ErrCode err = ByteStream::GetPosition(position);
            position += kPFMMaxFileSize - 30;
            return err;
        }
    };
    SegmentMapRecord record;
    record.Set(kPFMDataOffset, 1, FourCCOf("AAAA"), 1, 1, kRawSegment, false);
    PFMHeader header;
    NearTheLimit fits;
    EXPECT_EQ(PFMWriteFileEnd(fits, SegmentMap{record}, header), kNoErr);
    EXPECT_EQ(header.mapPosition, kPFMMaxFileSize - 30);
    NearTheLimit crosses;
    EXPECT_EQ(PFMWriteFileEnd(crosses, SegmentMap{record, record}, header), kDiskFullErr);
    EXPECT_TRUE(crosses.Bytes().empty());
}

}  // namespace
