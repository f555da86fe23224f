#include "foundation/pfm/SegmentMapEntry.h"

#include <gtest/gtest.h>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/TextIO.h"
#include "foundation/pfm/PFMData.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "foundation/pfm/TestRecord.h"

namespace {

// A store file stand-in holding one raw stored form at offset 100.
std::vector<std::uint8_t> RawFileBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(100, 0xEE);
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0, static_cast<std::uint8_t>(text.size())});
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.insert(bytes.end(), 20, 0xEE);
    return bytes;
}

struct RawFile {
    explicit RawFile(const std::string& text) : stream(RawFileBytes(text)) {
        SegmentMapRecord record;
        record.Set(100, static_cast<std::int32_t>(text.size() + 6), kText, 1, 0, kRawSegment, false);
        entry = SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kFile);
    }
    ByteStream stream;
    SegmentMapEntry entry;
};

// A data object whose stored size is chosen by the test.
class SizedData : public TPFMData {
public:
    explicit SizedData(std::uint32_t size) : size_(size) {}
    std::uint32_t GetMemSize() const override { return size_; }
    std::uint32_t GetStoredSize(IWriteFile&) const override { return size_; }
    ErrCode ReadFrom(IReadFile&) override { return kNoErr; }
    ErrCode WriteTo(IWriteFile& file) override {
        std::string bytes(size_, 'd');
        std::uint32_t count = size_;
        return size_ ? file.Write(bytes.data(), count) : kNoErr;
    }

private:
    std::uint32_t size_;
};

TEST(SegmentMapEntry, PriorityZeroLoadsOnceAndLeavesAtTheLastCheckIn) {
    RawFile file("hello");
    ByteStream swap;
    SegmentMapEntry& entry = file.entry;
    ASSERT_TRUE(entry.IsValid());
    ASSERT_EQ(entry.CheckOut(&file.stream, &swap), kNoErr);
    const int readsOfOneLoad = file.stream.ReadCalls();
    for (int i = 0; i < 2; ++i) ASSERT_EQ(entry.CheckOut(&file.stream, &swap), kNoErr);
    EXPECT_EQ(file.stream.ReadCalls(), readsOfOneLoad);
    EXPECT_EQ(BlockText(entry.Data()), "hello");
    EXPECT_EQ(entry.LockCount(), 3u);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_TRUE(entry.HasData());
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_FALSE(entry.HasData());
    EXPECT_TRUE(swap.Bytes().empty());  // unchanged: nothing to swap
    EXPECT_TRUE(entry.IsValid());
}

TEST(SegmentMapEntry, ChangedPriorityZeroDataGoesThroughTheSwapFile) {
    RawFile file("hello");
    ByteStream swap;
    SegmentMapEntry& entry = file.entry;
    ASSERT_EQ(entry.CheckOut(&file.stream, &swap), kNoErr);
    std::memcpy(entry.Data(), "HELLO", 5);
    entry.SetChanged(true);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_FALSE(entry.HasData());
    EXPECT_TRUE(entry.IsInSwap());
    EXPECT_EQ(swap.Bytes().size(), 11u);
    ASSERT_TRUE(entry.IsValid());

    ASSERT_EQ(entry.CheckOut(&file.stream, &swap), kNoErr);
    EXPECT_EQ(BlockText(entry.Data()), "HELLO");
    EXPECT_FALSE(entry.IsInSwap());
    EXPECT_TRUE(entry.IsChanged());
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
}

TEST(SegmentMapEntry, SwapPlacesAreReusedWhenTheNewFormFits) {
    RegisterObjectFactory(TestRecord::Factory);
    ByteStream swap;
    auto* record = new TestRecord("0123456789");
    SegmentMapEntry entry = SegmentMapEntry::FromData({kText, 3}, record, 0, kObjectSegment);
    EXPECT_EQ(entry.StoredSize(), 4 + 4 + 10);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);  // 18 bytes at 0
    EXPECT_EQ(entry.SwapPosition(), 0u);
    EXPECT_EQ(entry.SwapRoom(), 18u);

    ASSERT_EQ(entry.CheckOut(nullptr, &swap), kNoErr);
    static_cast<TestRecord*>(entry.Data())->text = "0123";
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_EQ(entry.SwapPosition(), 0u);
    EXPECT_EQ(entry.SwapSize(), 12u);
    EXPECT_EQ(entry.SwapRoom(), 18u);
    EXPECT_EQ(swap.Bytes().size(), 18u);

    ASSERT_EQ(entry.CheckOut(nullptr, &swap), kNoErr);
    EXPECT_EQ(static_cast<TestRecord*>(entry.Data())->text, "0123");
    static_cast<TestRecord*>(entry.Data())->text = "a much longer text";
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_EQ(entry.SwapPosition(), 18u);
    EXPECT_EQ(entry.SwapRoom(), 26u);
    ASSERT_EQ(entry.CheckOut(nullptr, &swap), kNoErr);
    EXPECT_EQ(static_cast<TestRecord*>(entry.Data())->text, "a much longer text");
    entry.Remove();
}

TEST(SegmentMapEntry, ParkedChangedDataIsPurgedThroughTheSwapFile) {
    ByteStream swap;
    SegmentMapEntry entry = SegmentMapEntry::FromData({kText, 2}, NewBlock("parked"), 4, kRawSegment);
    ASSERT_EQ(entry.Purge(&swap), kNoErr);  // in use: nothing to do
    EXPECT_TRUE(entry.HasData());
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_TRUE(entry.IsParked());
    EXPECT_EQ(entry.ParkedBytes(), 6u);
    EXPECT_TRUE(swap.Bytes().empty());
    ASSERT_EQ(entry.Purge(&swap), kNoErr);
    EXPECT_FALSE(entry.HasData());
    EXPECT_TRUE(entry.IsInSwap());
    ASSERT_EQ(entry.CheckOut(nullptr, &swap), kNoErr);
    EXPECT_EQ(BlockText(entry.Data()), "parked");
    entry.Remove();
}

TEST(SegmentMapEntry, DataWithoutItsOwnerCannotComeBack) {
    ByteStream swap;
    SegmentMapEntry entry = SegmentMapEntry::FromData({kText, 2}, new SizedData(8), 0, kDataSegment);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    EXPECT_EQ(swap.Bytes().size(), 8u);
    EXPECT_EQ(entry.CheckOut(nullptr, &swap), kUnsupportedFormatErr);
    EXPECT_TRUE(entry.IsValid());
}

TEST(SegmentMapEntry, MapRecordsPlaceTheStoredFormInTheFileOrTheSwapFile) {
    RawFile file("hello");
    EXPECT_EQ(file.entry.ReadFromSwap(file.stream), kFileNotFoundErr);  // it has no swap place
    ASSERT_EQ(file.entry.ReadFromFile(file.stream), kNoErr);
    EXPECT_EQ(BlockText(file.entry.Data()), "hello");
    EXPECT_FALSE(file.entry.IsChanged());
    file.entry.Remove();

    // A store made from a template keeps its segments in the swap file, changed.
    SegmentMapRecord record;
    record.Set(100, 11, kText, 4, 2, kRawSegment, false);
    SegmentMapEntry swapped = SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kSwap);
    EXPECT_TRUE(swapped.IsInSwap());
    EXPECT_TRUE(swapped.IsChanged());
    EXPECT_EQ(swapped.SwapPosition(), 100u);
    EXPECT_EQ(swapped.SwapRoom(), 11u);
    EXPECT_FALSE(swapped.HasFilePlace());
    EXPECT_TRUE(swapped.IsValid());
    EXPECT_EQ(swapped.ReadFromFile(file.stream), kFileNotFoundErr);  // it has no file place
    ASSERT_EQ(swapped.ReadFromSwap(file.stream), kNoErr);
    EXPECT_EQ(BlockText(swapped.Data()), "hello");
    EXPECT_FALSE(swapped.IsInSwap());
    EXPECT_TRUE(swapped.IsChanged());
    swapped.Remove();
}

TEST(SegmentMapEntry, RawSizesMustAgreeWithTheMap) {
    RawFile file("hello");
    SegmentMapRecord record;
    record.Set(100, 12, kText, 1, 1, kRawSegment, false);  // one byte more than the stored form
    SegmentMapEntry entry = SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kFile);
    EXPECT_EQ(entry.CheckOut(&file.stream, nullptr), kBadDataErr);
    EXPECT_FALSE(entry.HasData());
    EXPECT_TRUE(entry.IsValid());
}

TEST(SegmentMapEntry, ObjectsComeFromTheirFactory) {
    RegisterObjectFactory(TestRecord::Factory);
    ByteStream file(std::vector<std::uint8_t>(10, 0));
    file.SetPosition(10);
    file.WriteLong(9101);
    file.WriteLong(3);
    std::uint32_t three = 3;
    file.Write("abc", three);
    file.WriteLong(4242);  // a class no factory knows
    file.WriteLong(0);
    SegmentMapRecord known;
    known.Set(10, 11, kText, 1, 1, kObjectSegment, false);
    SegmentMapEntry entry = SegmentMapEntry::FromMap(known, SegmentMapEntry::StoredIn::kFile);
    ASSERT_EQ(entry.CheckOut(&file, nullptr), kNoErr);
    EXPECT_EQ(static_cast<TestRecord*>(entry.Data())->text, "abc");
    EXPECT_EQ(entry.MemorySize(), sizeof(TestRecord) + 3);
    entry.Remove();

    SegmentMapRecord unknown;
    unknown.Set(21, 8, kText, 2, 1, kObjectSegment, false);
    SegmentMapEntry stranger = SegmentMapEntry::FromMap(unknown, SegmentMapEntry::StoredIn::kFile);
    EXPECT_EQ(stranger.CheckOut(&file, nullptr), kFileErr);
    EXPECT_FALSE(stranger.HasData());
}

TEST(SegmentMapEntry, AnObjectThatReadsPastItsSegmentIsRefused) {
    RegisterObjectFactory(TestRecord::Factory);
    ByteStream file;
    file.WriteLong(9101);
    file.WriteLong(6);
    std::uint32_t six = 6;
    file.Write("abcdef", six);
    SegmentMapRecord record;
    record.Set(0, 10, kText, 1, 1, kObjectSegment, false);  // the map says 10 bytes, the object reads 14
    SegmentMapEntry entry = SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kFile);
    EXPECT_EQ(entry.CheckOut(&file, nullptr), kBadDataErr);
    EXPECT_FALSE(entry.HasData());
}

TEST(SegmentMapEntry, UnknownKindsAreCarriedButNeverLoaded) {
    ByteStream file(std::vector<std::uint8_t>(100, 1));
    SegmentMapRecord record;
    record.position = 60;
    record.size = 20;
    record.type = kText;
    record.flags = 0x1087;
    SegmentMapEntry entry = SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kFile);
    EXPECT_EQ(entry.Kind(), kUnknownSegment);
    EXPECT_EQ(entry.CheckOut(&file, nullptr), kUnsupportedFormatErr);
    EXPECT_EQ(entry.MapFlags(), 0x1087);
    entry.SetPriority(3);
    EXPECT_EQ(entry.MapFlags(), 0x3087);
    EXPECT_TRUE(entry.IsCurrentInFile());
}

// Notes the scrambling key it meets when written and read.
class KeyWitness : public TObject {
    TOBJECT_CLASS(KeyWitness, TObject, 9102)

public:
    ErrCode WriteTo(IWriteFile& file) override {
        keyWritten = GetScrambleKey();
        return file.WriteByte(keyWritten);
    }
    ErrCode ReadFrom(IReadFile& file) override {
        keyRead = GetScrambleKey();
        std::uint8_t stored = 0;
        return file.ReadByte(stored);
    }
    static TObject* Factory(IReadFile& file, ClassId id, ErrCode* error, std::uintptr_t) {
        if (id != kClassId) return nullptr;
        auto* witness = new KeyWitness;
        *error = witness->ReadFrom(file);
        return witness;
    }
    std::uint8_t keyWritten = 0;
    std::uint8_t keyRead = 0;
};

TEST(SegmentMapEntry, SegmentsAreReadAndWrittenUnderTheirOwnScramblingKey) {
    RegisterObjectFactory(KeyWitness::Factory);
    ByteStream swap;
    auto* witness = new KeyWitness;
    SegmentMapEntry entry = SegmentMapEntry::FromData({FourCCOf("ABCD"), 0x1234}, witness, 0, kObjectSegment);
    const std::uint8_t expected = 'A' ^ 'B' ^ 'C' ^ 'D' ^ 0x12 ^ 0x34;
    ByteStream out;
    std::uint32_t position = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(entry.Write(out, position, size), kNoErr);
    EXPECT_EQ(witness->keyWritten, expected);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    ASSERT_EQ(entry.CheckOut(nullptr, &swap), kNoErr);
    EXPECT_EQ(static_cast<KeyWitness*>(entry.Data())->keyRead, expected);
    EXPECT_EQ(GetScrambleKey(), 0);
    entry.Remove();
}

TEST(SegmentMapEntry, WritingNothingIsAnError) {
    ByteStream out;
    SegmentMapEntry entry = SegmentMapEntry::FromData({kText, 1}, new SizedData(0), 1, kDataSegment);
    std::uint32_t position = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(entry.Write(out, position, size), kWrongWriteCountErr);
    entry.Remove();
}

TEST(SegmentMapEntry, ValidityRules) {
    RawFile file("abc");
    SegmentMapEntry& entry = file.entry;
    EXPECT_TRUE(entry.IsValid());
    entry.SetPriority(8);
    EXPECT_FALSE(entry.IsValid());
    entry.SetPriority(1);
    ASSERT_EQ(entry.CheckOut(&file.stream, nullptr), kNoErr);
    EXPECT_TRUE(entry.IsValid());
    ASSERT_EQ(entry.CheckIn(nullptr), kNoErr);
    EXPECT_TRUE(entry.IsParked());
    EXPECT_TRUE(entry.IsValid());
    entry.Remove();
    EXPECT_FALSE(entry.IsValid());  // empty: no stored form anywhere
    EXPECT_EQ(entry.Type(), FourCCOf("????"));
}

TEST(SegmentMapEntry, SavingForgetsTheSwapCopy) {
    ByteStream swap;
    SegmentMapEntry entry = SegmentMapEntry::FromData({kText, 1}, NewBlock("new"), 0, kRawSegment);
    ASSERT_EQ(entry.CheckIn(&swap), kNoErr);
    ASSERT_TRUE(entry.IsInSwap());
    entry.SetSaved(500, 9);
    EXPECT_FALSE(entry.IsInSwap());
    EXPECT_FALSE(entry.IsChanged());
    EXPECT_EQ(entry.SwapPosition(), SegmentMapEntry::kNoPlace);
    EXPECT_EQ(entry.FilePosition(), 500u);
    EXPECT_TRUE(entry.IsValid());
}

TEST(SegmentMapEntry, RevertReadsLockedDataAgainAndDropsTheRest) {
    RawFile file("fresh");
    SegmentMapEntry& entry = file.entry;
    ASSERT_EQ(entry.CheckOut(&file.stream, nullptr), kNoErr);
    std::memcpy(entry.Data(), "STALE", 5);
    entry.SetChanged(true);
    ASSERT_EQ(entry.Revert(&file.stream), kNoErr);
    EXPECT_EQ(BlockText(entry.Data()), "fresh");
    EXPECT_FALSE(entry.IsChanged());
    entry.SetPriority(2);
    ASSERT_EQ(entry.CheckIn(nullptr), kNoErr);
    entry.SetChanged(true);
    ASSERT_EQ(entry.Revert(&file.stream), kNoErr);
    EXPECT_FALSE(entry.HasData());
    EXPECT_FALSE(entry.IsParked());
    EXPECT_TRUE(entry.IsValid());
}

}  // namespace
