// Damaged store files: valid stores are damaged many thousands of times (bytes flipped, counts,
// sizes and positions set to bad values, files cut short or grown) and each is opened and read
// through. Every one either opens and reads, or gives an error code; none crashes or hangs. What a
// damaged map still tells (records after its end, a size its record's bytes bear out) is read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "foundation/ByteOrder.h"
#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/Pool.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "foundation/pfm/TestRecord.h"

namespace {

constexpr int kDamagedFiles = 10000;

// Thousands of files are written, opened and removed: where the system has a folder in memory,
// they go there rather than to the disk.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = "/dev/shm/fablecore-damaged-XXXXXX";
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code error;
        if (!path_.empty()) std::filesystem::remove_all(path_, error);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class PFMDamagedFileTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        RegisterObjectFactory(TestRecord::Factory);
        RegisterObjectFactory(Pool::Factory);
        MakeSamples();
        if (!scratch_.Path().empty()) environment_.Set("TMPDIR", scratch_.Path());
    }

    std::string ScratchPath(const std::string& name) const {
        return (scratch_.Path().empty() ? folder_.Path() : scratch_.Path()) + "/" + name;
    }

    // Valid stores to damage: one full-saved with raw segments, an object and a pool, and
    // the same after a fast save (dead bytes and two maps).
    void MakeSamples() {
        ASSERT_NE(PFMOpenFile(nullptr), nullptr);
        for (std::uint16_t id = 0; id < 12; ++id) {
            ASSERT_EQ(
                AddText(FourCCOf("TEXT"), id, std::string(id * 7 + 1, static_cast<char>('a' + id)), id % 8),
                kNoErr);
        }
        PFMSetSegmentPreload(FourCCOf("TEXT"), 3, true);
        auto* record = new TestRecord("a record");
        ASSERT_EQ(PFMAddSegment(FourCCOf("ITM#"), 200, record, 1, true), kNoErr);
        PFMCheckIn(record);
        auto* pool = new Pool(0, 4);
        for (const char* text : {"first", "second", "third"}) pool->AddItem(text, 6);
        pool->RemoveItem(1);
        ASSERT_EQ(PFMAddSegment(FourCCOf("POOL"), 1, pool, 1, true), kNoErr);
        PFMCheckIn(pool);
        const FileRef ref = Ref("sample.fsf");
        ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
        samples_.push_back(FileBytes("sample.fsf"));

        PFMSetFastSave(true, nullptr);
        MarkChanged(FourCCOf("TEXT"), 5);
        ASSERT_EQ(AddText(FourCCOf("NEW "), 1, "appended"), kNoErr);
        ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
        samples_.push_back(FileBytes("sample.fsf"));
        PFMCloseFile(nullptr);
    }

    std::string Damage(std::string bytes) {
        const int kind = Pick(8);
        const std::size_t size = bytes.size();
        const std::uint32_t mapPosition =
            LoadBigEndian32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 28);
        const std::size_t records = mapPosition + 4 <= size ? (size - mapPosition - 4) / 16 : 0;
        auto put32 = [&bytes](std::size_t at, std::uint32_t value) {
            if (at + 4 <= bytes.size())
                StoreBigEndian32(value, reinterpret_cast<std::uint8_t*>(bytes.data()) + at);
        };
        switch (kind) {
            case 0:  // a few random bytes anywhere
                for (int i = Pick(8) + 1; i > 0; --i) bytes[Pick(size)] = static_cast<char>(Pick(256));
                break;
            case 1:  // cut short
                bytes.resize(Pick(size));
                break;
            case 2:  // grown with noise
                for (int i = Pick(64) + 1; i > 0; --i) bytes.push_back(static_cast<char>(Pick(256)));
                break;
            case 3:  // a header field
                put32(28 + 4 * Pick(2), BadNumber(size));
                break;
            case 4:  // the map count
                put32(mapPosition, BadNumber(size));
                break;
            case 5:  // a record's position or size
                if (records > 0) put32(mapPosition + 4 + 16 * Pick(records) + 4 * Pick(2), BadNumber(size));
                break;
            case 6:  // a record's flags or type
                if (records > 0)
                    put32(mapPosition + 4 + 16 * Pick(records) + 8 + 4 * Pick(2), BadNumber(size));
                break;
            default:  // the length inside a stored form
                put32(kPFMDataOffset + 2 + Pick(size - kPFMDataOffset), BadNumber(size));
                break;
        }
        return bytes;
    }

    // Numbers near the edges that damaged files hold.
    std::uint32_t BadNumber(std::size_t size) {
        const std::uint32_t choices[] = {0,
                                         1,
                                         static_cast<std::uint32_t>(size),
                                         static_cast<std::uint32_t>(size - 1),
                                         0x7FFFFFFF,
                                         0x80000000,
                                         0xFFFFFFFF,
                                         0x8000000,
                                         static_cast<std::uint32_t>(Pick(size))};
        return choices[Pick(std::size(choices))];
    }

    std::size_t Pick(std::size_t count) { return count == 0 ? 0 : random_() % count; }

    ScratchFolder scratch_;
    std::mt19937 random_{20240611};
    std::vector<std::string> samples_;
};

// Opens the file and reads every segment; answers the first error met (0 when all went well).
ErrCode OpenAndReadAll(const FileRef& ref, const FileRef* copy) {
    PFMFile* store = PFMOpenFile(&ref);
    if (!store) {
        EXPECT_LT(PFMGetError(), 0);
        return PFMGetError();
    }
    ErrCode first = kNoErr;
    LList types;
    EXPECT_EQ(store->ListTypes(types), kNoErr);
    for (std::int32_t t = 0; t < types.Count(); ++t) {
        const auto type = static_cast<FourCC>(types.GetAt(t));
        SList ids;
        EXPECT_EQ(store->ListIds(type, ids), kNoErr);
        for (std::int32_t i = 0; i < ids.Count(); ++i) {
            const auto id = static_cast<std::uint16_t>(ids.GetAt(i));
            void* data = PFMCheckOut(type, id);
            if (data) {
                PFMCheckIn(data);
            } else if (first == kNoErr) {
                first = PFMGetError();
                EXPECT_LT(first, 0);
            }
        }
    }
    // What could be read can be saved elsewhere; segments that could not be read stop the copy
    // with an error, never with a bad file.
    if (copy && PFMSaveCopy(*copy) == kNoErr) {
        EXPECT_EQ(ReadFileLayout(TempFolder::ReadFile(copy->GetFullPath())).error, kNoErr);
    }
    PFMCloseFile(store);
    return first;
}

TEST_F(PFMDamagedFileTest, DamagedStoresGiveErrorCodesNeverCrashes) {
    ASSERT_EQ(samples_.size(), 2u);
    const std::string path = ScratchPath("damaged.fsf");
    const FileRef ref(path.c_str(), kAccessRead);
    const FileRef copy(ScratchPath("copy.fsf").c_str(), kAccessReadWrite);
    int refused = 0;
    int opened = 0;
    for (int i = 0; i < kDamagedFiles; ++i) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << Damage(samples_[i % samples_.size()]);
        if (PFMOpenFile(&ref) == nullptr) {
            ++refused;
            EXPECT_LT(PFMGetError(), 0);
            continue;
        }
        PFMCloseFile(nullptr);
        ++opened;
        // Saving syncs the disk, which is slow: every twentieth store that opens is copied.
        OpenAndReadAll(ref, opened % 20 == 0 ? &copy : nullptr);
    }
    // Both outcomes must have happened many times for the test to mean anything.
    EXPECT_GT(refused, kDamagedFiles / 10);
    EXPECT_GT(opened, kDamagedFiles / 10);
}

TEST_F(PFMDamagedFileTest, AskingWhetherAFileHoldsASegmentAnswersAsOpeningItWould) {
    const std::string path = ScratchPath("damaged.fsf");
    const FileRef ref(path.c_str(), kAccessRead);
    const PFMSegmentKey keys[] = {{FourCCOf("TEXT"), 3},
                                  {FourCCOf("TEXT"), 11},
                                  {FourCCOf("POOL"), 1},
                                  {FourCCOf("NEW "), 1},
                                  {FourCCOf("TEXT"), 12}};
    int held = 0;
    for (int i = 0; i < kDamagedFiles / 10; ++i) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << Damage(samples_[i % samples_.size()]);
        PFMFile* store = PFMOpenFile(&ref);
        for (const PFMSegmentKey& key : keys) {
            const bool opensHolding = store && PFMSegmentExists(key.type, key.id);
            ASSERT_EQ(PFMFileHoldsSegment(ref, key.type, key.id), opensHolding) << i;
            held += opensHolding;
        }
        if (store) PFMCloseFile(store);
    }
    EXPECT_GT(held, kDamagedFiles / 100) << "the answer was yes often enough to mean anything";
}

// Three texts whose map was damaged: its count one or two lower (the records after it are read
// while they are sound and their bytes lie before the map), a text's stored length one larger (read
// by its map size), or its map size two smaller while its length ends where the map begins (read by
// its length); both sizes of a text damaged leave it unread. The store lists what it read from past
// the map, says whether bytes were left there, notes each text measured anew, and saves them whole.
TEST_F(PFMDamagedFileTest, WhatADamagedMapStillTellsIsRead) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    for (std::uint16_t id = 1; id <= 3; ++id)
        ASSERT_EQ(AddText(kText, id, std::string(id + 2u, static_cast<char>('a' + id))), kNoErr);
    const FileRef sample = Ref("texts.fsf");
    ASSERT_EQ(PFMSaveFile(&sample), kNoErr);
    PFMCloseFile(nullptr);
    const std::string whole = FileBytes("texts.fsf");
    const FileLayout layout = ReadFileLayout(whole);
    const std::uint32_t mapAt = layout.header.mapPosition, third = mapAt + 4 + 16 * 2;
    const std::size_t secondLength = layout.map[1].position + 2, thirdLength = layout.map[2].position + 2;
    const struct {
        std::vector<std::pair<std::size_t, std::uint32_t>> changes;
        std::size_t unlisted;
        bool endsShort;
        std::vector<PFMSegmentKey> remeasured;
        std::string third;
    } damages[] = {
        {{{mapAt, 2}}, 1, false, {}, "ddddd"},
        {{{mapAt, 1}}, 2, false, {}, "ddddd"},
        {{{mapAt, 1}, {third + 4, 0}}, 1, true, {}, "<null>"},
        {{{mapAt, 2}, {third, mapAt}, {third + 12, 3u << 16 | 0x1000}}, 0, true, {}, "<null>"},
        {{{secondLength, 5}}, 0, false, {{kText, 2}}, "ddddd"},
        {{{third + 4, 9}}, 0, false, {{kText, 3}}, "ddddd"},
        {{{third + 4, 5}, {thirdLength, 6}}, 0, false, {}, "<null>"},
    };
    for (const auto& damage : damages) {
        std::string bytes = whole;
        for (const auto& [at, value] : damage.changes)
            StoreBigEndian32(value, reinterpret_cast<std::uint8_t*>(bytes.data()) + at);
        folder_.WriteFile("damaged.fsf", bytes);
        const FileRef ref = Ref("damaged.fsf");
        PFMFile* store = PFMOpenFile(&ref);
        ASSERT_NE(store, nullptr);
        EXPECT_EQ(SegmentText(kText, 1) + SegmentText(kText, 2) + SegmentText(kText, 3),
                  "bbbcccc" + damage.third);
        EXPECT_EQ(PFMGetUnlistedRecords(store).size(), damage.unlisted);
        EXPECT_EQ(PFMMapEndsShort(store), damage.endsShort);
        EXPECT_EQ(PFMTakeRemeasuredRecords(store), damage.remeasured);
        const FileRef saved = Ref("saved.fsf");
        if (damage.third != "<null>") {
            ASSERT_EQ(PFMSaveFile(&saved), kNoErr);
            EXPECT_TRUE(PFMGetUnlistedRecords(store).empty());
            EXPECT_EQ(ReadFileLayout(FileBytes("saved.fsf")).segments, layout.segments);
        }
        PFMCloseFile(store);
    }
}

TEST_F(PFMDamagedFileTest, UndamagedSamplesReadWhole) {
    for (const std::string& sample : samples_) {
        folder_.WriteFile("sample.fsf", sample);
        const FileRef copy = Ref("copy.fsf");
        EXPECT_EQ(OpenAndReadAll(Ref("sample.fsf", kAccessRead), &copy), kNoErr);
        EXPECT_EQ(ReadFileLayout(FileBytes("copy.fsf")).segments, ReadFileLayout(sample).segments);
    }
}

}  // namespace
