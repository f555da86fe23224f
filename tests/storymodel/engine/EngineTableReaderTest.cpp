#include "storymodel/engine/EngineTableReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "foundation/Memory.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "storymodel/engine/StoryformNumber.h"

namespace {

// Records that satisfy every range: record 0 holds each index's dynamics, the others zeros with
// the tested byte set.
std::vector<std::vector<std::uint8_t>> PlainRecords() {
    std::vector<std::vector<std::uint8_t>> records(kEngineRecordCount,
                                                   std::vector<std::uint8_t>(kEngineRecordSize, 0));
    for (int n = 0; n < kStoryformIndexCount; ++n) {
        std::uint8_t dynamics = 0;
        for (int d = 0; d < 8; ++d) {
            if (d != kLimit)
                dynamics |=
                    static_cast<std::uint8_t>(DynamicValueIndex(static_cast<std::uint16_t>(n), d) << d);
        }
        records[0][static_cast<std::size_t>(n)] = dynamics;
    }
    return records;
}

void AddRecord(std::uint16_t id, const std::vector<std::uint8_t>& bytes) {
    void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, bytes.data(), bytes.size());
    ASSERT_EQ(PFMAddSegment(kEngineRecordType, id, block, 1, false), kNoErr);
    PFMCheckIn(block);
}

class EngineTableReaderTest : public StoreTest {
protected:
    void TearDown() override {
        SetEngineFile(nullptr);
        StoreTest::TearDown();
    }

    // An engine store in memory with the records, handed to the reader.
    void UseRecords(const std::vector<std::vector<std::uint8_t>>& records) {
        store_ = PFMOpenFile(nullptr);
        ASSERT_NE(store_, nullptr);
        for (std::uint16_t id = 0; id < records.size(); ++id) {
            if (!records[id].empty()) AddRecord(id, records[id]);
        }
        SetEngineFile(store_);
    }

    std::uint32_t LockCount(std::uint16_t id) {
        PFMFileScope scope(store_, false);
        return PFMGetLockCount(kEngineRecordType, id);
    }

    PFMFile* store_ = nullptr;
};

TEST_F(EngineTableReaderTest, RecordsAreCheckedOutOnFirstUseAndInAtRelease) {
    std::vector<std::vector<std::uint8_t>> records = PlainRecords();
    records[3][77] = 0x2B;
    UseRecords(records);
    EXPECT_EQ(LockCount(3), 0u);
    EXPECT_EQ(GetEngineField(1, 77), 2);
    EXPECT_EQ(GetEngineField(2, 77 + kStoryformIndexCount), 10);
    EXPECT_EQ(LockCount(3), 1u);
    EXPECT_EQ(LockCount(44), 1u);
    EXPECT_EQ(LockCount(1), 0u);  // never read
    ReleaseEngineTables();
    EXPECT_EQ(LockCount(3), 0u);
    EXPECT_EQ(LockCount(44), 0u);
    // A new reader loads them again.
    EXPECT_EQ(GetEngineField(3, 77), 0x2B);
    EXPECT_EQ(LockCount(3), 1u);
}

TEST_F(EngineTableReaderTest, AWellFormedFilePassesTheCheck) {
    UseRecords(PlainRecords());
    EXPECT_EQ(CheckEngineTables(), kNoErr);
}

TEST_F(EngineTableReaderTest, NoEngineFile) {
    EXPECT_EQ(CheckEngineTables(), -2);
    EXPECT_EQ(GetEngineField(3, 0), 0);
}

TEST_F(EngineTableReaderTest, AShortRecordIsNeverReadAndMakesTheFileDamaged) {
    std::vector<std::vector<std::uint8_t>> records = PlainRecords();
    records[4].assign(100, 7);
    UseRecords(records);
    EXPECT_EQ(GetEngineField(4, 50), 0);
    EXPECT_EQ(LockCount(4), 0u);
    EXPECT_EQ(CheckEngineTables(), -3);
}

TEST_F(EngineTableReaderTest, AMissingRecordReadsAsZeroAndMakesTheFileDamaged) {
    std::vector<std::vector<std::uint8_t>> records = PlainRecords();
    records[41].clear();
    records[3][9] = 0x2B;
    UseRecords(records);
    EXPECT_EQ(GetEngineField(41, 9), 8);  // the class's first type: no order stored
    EXPECT_EQ(CheckEngineTables(), -3);
}

TEST_F(EngineTableReaderTest, ValuesOutOfRangeMakeTheFileDamaged) {
    const struct {
        int record;
        std::uint8_t value;
    } cases[] = {{3, 64}, {4, 200}, {5, 16}, {7, 64}, {20, 99}, {34, 64}, {9, 0x10}};
    for (const auto& damage : cases) {
        std::vector<std::vector<std::uint8_t>> records = PlainRecords();
        records[static_cast<std::size_t>(damage.record)][5000] = damage.value;
        UseRecords(records);
        EXPECT_EQ(CheckEngineTables(), -3) << damage.record;
        SetEngineFile(nullptr);
        PFMCloseFile(store_);
    }
}

// Records are checked several indexes at a time: damage at either end of a record, and on either
// side of a group's or a run of arrangements' edge, is found as anywhere else.
TEST_F(EngineTableReaderTest, DamageIsFoundAtEveryPlaceOfARecord) {
    const struct {
        int record;
        std::uint8_t bits;  // changed in the byte
    } damages[] = {{4, 0x40}, {5, 0x10}, {40, 0x80}, {0, 0x01}, {0, 0x80}, {9, 0x10}};
    for (const auto& damage : damages) {
        for (const std::size_t index : {0, 7, 8, 127, 128, 8191, 16383}) {
            std::vector<std::vector<std::uint8_t>> records = PlainRecords();
            records[static_cast<std::size_t>(damage.record)][index] ^= damage.bits;
            UseRecords(records);
            EXPECT_EQ(CheckEngineTables(), -3) << damage.record << " at " << index;
            SetEngineFile(nullptr);
            PFMCloseFile(store_);
        }
    }
}

TEST_F(EngineTableReaderTest, DynamicsThatDisagreeWithTheIndexMakeTheFileDamaged) {
    std::vector<std::vector<std::uint8_t>> records = PlainRecords();
    records[0][0x2000] ^= 1;  // Resolve
    UseRecords(records);
    EXPECT_EQ(CheckEngineTables(), -3);
}

TEST_F(EngineTableReaderTest, LimitsBitOfTheDynamicsIsNotLookedAt) {
    std::vector<std::vector<std::uint8_t>> records = PlainRecords();
    records[0][12] |= 1 << kLimit;
    UseRecords(records);
    EXPECT_EQ(CheckEngineTables(), kNoErr);
}

}  // namespace
