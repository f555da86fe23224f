// Reverting to the file, resizing raw segments, and data made by owners and custom handlers.

#include <gtest/gtest.h>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMData.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

constexpr FourCC kData = FourCCOf("DATA");

class PFMRevertResizeTest : public StoreTest {
protected:
    FileRef SavedStore() {
        EXPECT_NE(PFMOpenFile(nullptr), nullptr);
        EXPECT_EQ(AddText(kText, 1, "one"), kNoErr);
        EXPECT_EQ(AddText(kText, 2, "two"), kNoErr);
        EXPECT_EQ(AddText(kText, 3, "three"), kNoErr);
        const FileRef ref = Ref("story.fsf");
        EXPECT_EQ(PFMSaveFile(&ref), kNoErr);
        return ref;
    }
};

TEST_F(PFMRevertResizeTest, RevertTakesTheStoreBackToItsFile) {
    SavedStore();
    PFMFile* store = PFMGetCurrentFile();

    void* changed = PFMCheckOut(kText, 1);
    std::memcpy(changed, "ONE", 3);
    PFMSetChanged(changed, true);
    PFMCheckIn(changed);
    PFMSetSegmentPriority(kText, 2, 0);
    void* swapped = PFMCheckOut(kText, 2);
    std::memcpy(swapped, "TWO", 3);
    PFMSetChanged(swapped, true);
    PFMCheckIn(swapped);
    ASSERT_TRUE(PFMRemoveSegment(kText, 3));
    ASSERT_EQ(AddText(kText, 4, "added since the save"), kNoErr);
    void* held = PFMCheckOut(kText, 1);  // held across the revert: read again in place

    ASSERT_EQ(PFMRevertFile(store), kNoErr);
    EXPECT_FALSE(PFMIsChanged(store));
    EXPECT_EQ(PFMGetSegmentData(kText, 1), held);
    EXPECT_EQ(BlockText(held), "one");
    PFMCheckIn(held);
    EXPECT_EQ(SegmentText(kText, 2), "two");
    EXPECT_EQ(SegmentText(kText, 3), "three");
    EXPECT_FALSE(PFMSegmentExists(kText, 4));

    // Saving now writes what the file held (the priority set since is kept).
    const std::string before = FileBytes("story.fsf");
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    const FileLayout saved = ReadFileLayout(FileBytes("story.fsf"));
    const FileLayout old = ReadFileLayout(before);
    ASSERT_EQ(saved.segments.size(), old.segments.size());
    for (std::size_t i = 0; i < old.segments.size(); ++i) {
        EXPECT_EQ(saved.segments[i].id, old.segments[i].id);
        EXPECT_EQ(saved.segments[i].bytes, old.segments[i].bytes);
    }
}

TEST_F(PFMRevertResizeTest, RevertingOneSegment) {
    SavedStore();
    void* data = PFMCheckOut(kText, 1);
    std::memcpy(data, "ONE", 3);
    PFMSetChanged(data, true);
    data = PFMRevertSegment(data);
    EXPECT_EQ(BlockText(data), "one");
    EXPECT_FALSE(PFMIsSegmentChanged(data));
    PFMCheckIn(data);

    void* added = NewBlock("new");
    ASSERT_EQ(PFMAddSegment(kText, 9, added, 1, false), kNoErr);
    EXPECT_EQ(PFMRevertSegment(added), nullptr);  // never in the file: gone
    EXPECT_FALSE(PFMSegmentExists(kText, 9));
    EXPECT_EQ(BlockText(added), "new");  // still the holder's until checked in
    PFMCheckIn(added);
}

TEST_F(PFMRevertResizeTest, AnUntitledStoreHasNothingToRevertTo) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 1, "x"), kNoErr);
    EXPECT_EQ(PFMRevertFile(nullptr), kFileNotFoundErr);
    EXPECT_EQ(PFMSaveFile(nullptr), kFileNotFoundErr);
    EXPECT_EQ(SegmentText(kText, 1), "x");
}

TEST_F(PFMRevertResizeTest, ResizingKeepsTheBytesAndMarksTheSegmentChanged) {
    SavedStore();
    void* data = PFMCheckOut(kText, 3);
    ASSERT_EQ(PFMResizeSegment(&data, 8), kNoErr);
    EXPECT_EQ(MemSize(data), 8u);
    EXPECT_EQ(BlockText(data).substr(0, 5), "three");
    std::memcpy(static_cast<char*>(data) + 5, "!!!", 3);
    EXPECT_TRUE(PFMIsSegmentChanged(data));
    EXPECT_EQ(PFMGetLockCount(kText, 3), 1u);
    ASSERT_EQ(PFMResizeSegment(&data, 2), kNoErr);
    EXPECT_EQ(BlockText(data), "th");
    PFMCheckIn(data);
    EXPECT_EQ(PFMGetLockCount(kText, 3), 0u);
    EXPECT_EQ(SegmentText(kText, 3), "th");

    int stranger = 0;
    void* notASegment = &stranger;
    EXPECT_EQ(PFMResizeSegment(&notASegment, 4), kFileErr);
    EXPECT_EQ(notASegment, &stranger);
}

TEST_F(PFMRevertResizeTest, AFailedResizeLeavesTheOldBlockCheckedOut) {
    SavedStore();
    void* data = PFMCheckOut(kText, 2);
    void* const before = data;
    FailNextAllocations(1000);
    EXPECT_EQ(PFMResizeSegment(&data, 100000), kOutOfMemoryErr);
    FailNextAllocations(0);
    EXPECT_EQ(data, before);
    EXPECT_EQ(BlockText(data), "two");
    EXPECT_EQ(PFMGetLockCount(kText, 2), 1u);
    PFMCheckIn(data);
}

TEST_F(PFMRevertResizeTest, SegmentsFoundInAParentAreResizedThere) {
    PFMFile* parent = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 1, "parent's record"), kNoErr);
    PFMFile* child = PFMOpenFile(nullptr);
    void* data = PFMCheckOut(kText, 1);  // found through the chain
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(PFMResizeSegment(&data, 30), kNoErr);
    std::memcpy(static_cast<char*>(data) + 15, " grew in place!", 15);
    PFMCheckIn(data);
    {
        PFMFileScope scope(child, false);
        EXPECT_FALSE(PFMSegmentExists(kText, 1));
    }
    PFMFileScope scope(parent, false);
    EXPECT_EQ(SegmentText(kText, 1), "parent's record grew in place!");
}

TEST_F(PFMRevertResizeTest, AnotherHolderKeepsTheOldBlockUntilItChecksIn) {
    SavedStore();
    void* reader = PFMCheckOut(kText, 1);
    void* writer = PFMCheckOut(kText, 1);
    ASSERT_EQ(reader, writer);
    ASSERT_EQ(PFMResizeSegment(&writer, 10), kNoErr);
    EXPECT_NE(writer, reader);
    EXPECT_EQ(BlockText(reader), "one");  // still readable
    EXPECT_EQ(PFMGetLockCount(kText, 1), 1u);
    PFMCheckIn(reader);
    PFMCheckIn(writer);
    EXPECT_EQ(SegmentText(kText, 1).substr(0, 3), "one");
}

// An owner that keeps its values as a counted list of numbers.
class Numbers : public TPFMData {
public:
    std::uint32_t GetMemSize() const override { return static_cast<std::uint32_t>(values.size() * 4); }
    std::uint32_t GetStoredSize(IWriteFile&) const override { return 4 + GetMemSize(); }
    ErrCode ReadFrom(IReadFile& file) override {
        std::uint32_t count = 0;
        ErrCode err = file.ReadULong(count);
        if (err != kNoErr || count > 1000) return err != kNoErr ? err : kBadDataErr;
        values.assign(count, 0);
        for (std::int32_t& value : values) {
            if ((err = file.ReadLong(value)) != kNoErr) break;
        }
        return err;
    }
    ErrCode WriteTo(IWriteFile& file) override {
        ErrCode err = file.WriteLong(static_cast<std::int32_t>(values.size()));
        for (std::int32_t value : values) {
            if (err == kNoErr) err = file.WriteLong(value);
        }
        return err;
    }
    std::vector<std::int32_t> values;
};

class NumbersOwner : public TPFMDataOwner {
public:
    explicit NumbersOwner(PFMFile* store) : store_(store) {}
    ErrCode CreateData(FourCC, std::uint16_t, TPFMData** data) override {
        *data = new Numbers;
        return kNoErr;
    }
    ErrCode ReadData(IReadFile& stream, FourCC, std::uint16_t, TPFMData** data) override {
        auto* numbers = new Numbers;
        const ErrCode err = numbers->ReadFrom(stream);
        *data = numbers;
        return err;
    }
    PFMFile* GetPFMFile() override { return store_; }

private:
    PFMFile* store_;
};

TEST_F(PFMRevertResizeTest, OwnersMakeAndReadTheirData) {
    PFMFile* store = PFMOpenFile(nullptr);
    NumbersOwner owner(store);
    EXPECT_FALSE(owner.IsAttached());
    TPFMData* data = nullptr;
    ASSERT_EQ(owner.Attach(kData, 1, 0, &data), kNoErr);
    EXPECT_TRUE(owner.IsAttached());
    EXPECT_TRUE(owner.IsChanged());  // new: the next save writes it
    EXPECT_TRUE(PFMIsSegmentKind(kData, 1, kDataSegment));
    static_cast<Numbers*>(data)->values = {4, -5, 6};
    TPFMData* second = nullptr;
    ASSERT_EQ(owner.CheckOut(&second), kNoErr);
    ASSERT_EQ(owner.CheckIn(&second), kNoErr);
    EXPECT_EQ(second, data);  // two locks: the pointer stays
    ASSERT_EQ(owner.CheckIn(&data), kNoErr);
    EXPECT_EQ(data, nullptr);  // the last lock: the data may leave memory (priority 0: it did)

    ASSERT_EQ(owner.CheckOut(&data), kNoErr);
    EXPECT_EQ(static_cast<Numbers*>(data)->values, (std::vector<std::int32_t>{4, -5, 6}));
    ASSERT_EQ(owner.CheckIn(&data), kNoErr);

    const FileRef ref = Ref("numbers.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    EXPECT_FALSE(owner.IsChanged());
    owner.Detach();
    EXPECT_FALSE(owner.IsAttached());
    PFMCloseFile(store);

    PFMFile* reopened = PFMOpenFile(&ref);
    const PFMFile::Index index = reopened->FindKey({kData, 1});
    EXPECT_FALSE(reopened->IsOwnedAt(index));  // a data segment read from a file has no owner yet
    EXPECT_EQ(PFMCheckOut(kData, 1), nullptr);
    EXPECT_EQ(PFMGetError(), kUnsupportedFormatErr);
    NumbersOwner reader(reopened);
    EXPECT_EQ(reopened->AttachOwner({kData, 2}, &reader), PFMFile::kNone);
    ASSERT_EQ(reader.Attach(kData, 1, 0, &data), kNoErr);
    EXPECT_TRUE(reopened->IsOwnedAt(index));
    EXPECT_FALSE(reader.IsChanged());
    EXPECT_EQ(static_cast<Numbers*>(data)->values, (std::vector<std::int32_t>{4, -5, 6}));
    reader.SetChanged();
    ASSERT_EQ(reader.CheckIn(&data), kNoErr);
    reader.Remove();
    EXPECT_FALSE(PFMSegmentExists(kData, 1));
}

// A custom segment: a text the handler keeps and releases itself, stored as a length byte and the
// characters.
class TextHandler : public PFMSegmentHandler {
public:
    std::uint32_t GetMemSize() const override { return static_cast<std::uint32_t>(text.size()); }
    std::uint32_t GetStoredSize() const override { return static_cast<std::uint32_t>(text.size() + 1); }
    ErrCode ReadFrom(IReadFile& file) override {
        if (readError != kNoErr) return readError;
        std::uint8_t length = 0;
        ErrCode err = file.ReadByte(length);
        std::string read(length, '\0');
        if (err == kNoErr) err = ReadExactly(file, read.data(), length);
        if (err == kNoErr) text = read;
        ++reads;
        return err;
    }
    ErrCode WriteTo(IWriteFile& file) override {
        ErrCode err = file.WriteByte(static_cast<std::uint8_t>(text.size()));
        return err == kNoErr ? WriteExactly(file, text.data(), static_cast<std::uint32_t>(text.size())) : err;
    }
    void Release() override {
        text.clear();
        ++releases;
    }
    std::string text;
    int reads = 0;
    int releases = 0;
    ErrCode readError = kNoErr;  // what every read answers, when set
};

TEST_F(PFMRevertResizeTest, CustomHandlersReadWriteAndReleaseTheirData) {
    PFMFile* store = PFMOpenFile(nullptr);
    TextHandler handler;
    handler.text = "custom bytes";
    const PFMFile::Index index = store->AddHandlerSegment({kData, 7}, 0, &handler);
    ASSERT_NE(index, PFMFile::kNone);
    EXPECT_TRUE(store->IsHandledAt(index));
    ASSERT_EQ(PFMCheckIn(&handler), kNoErr);  // priority 0 and changed: to the swap file, released
    EXPECT_EQ(handler.releases, 1);
    EXPECT_EQ(PFMCheckOut(kData, 7), &handler);
    EXPECT_EQ(handler.text, "custom bytes");
    ASSERT_EQ(PFMCheckIn(&handler), kNoErr);
    const FileRef ref = Ref("custom.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(store);

    const FileLayout layout = ReadFileLayout(FileBytes("custom.fsf"));
    ASSERT_EQ(layout.segments.size(), 1u);
    EXPECT_EQ(layout.segments[0].bytes,
              "\x0c"
              "custom bytes");
    EXPECT_EQ(SegmentMapRecord::KindOfFlags(layout.segments[0].flags), kCustomSegment);

    // Read again, the segment is loaded by the handler recorded for it.
    PFMFile* reopened = PFMOpenFile(&ref);
    ASSERT_EQ(AddText(kText, 1, "raw"), kNoErr);
    const PFMFile::Index custom = reopened->FindKey({kData, 7});
    EXPECT_FALSE(reopened->IsHandledAt(custom));
    TextHandler reader;
    reopened->SetHandlerAt(custom, &reader);
    EXPECT_TRUE(reopened->IsHandledAt(custom));
    PFMSetSegmentPriority(kData, 7, 1);  // stays in memory when checked in
    EXPECT_EQ(PFMCheckOut(kData, 7), &reader);
    EXPECT_EQ(reader.text, "custom bytes");
    ASSERT_EQ(PFMCheckIn(&reader), kNoErr);
    EXPECT_EQ(reader.releases, 0);

    // A revert whose reading fails says so, and the changed data stays changed.
    ASSERT_EQ(PFMCheckOut(kData, 7), &reader);
    reader.text = "edited";
    PFMSetChanged(&reader, true);
    reader.readError = kReadErr;
    EXPECT_EQ(PFMRevertSegment(&reader), &reader);
    EXPECT_EQ(PFMGetError(), kReadErr);
    EXPECT_TRUE(PFMIsSegmentChanged(&reader));
    EXPECT_EQ(PFMRevertFile(reopened), kReadErr);
    reader.readError = kNoErr;
    EXPECT_EQ(PFMRevertSegment(&reader), &reader);
    EXPECT_EQ(PFMGetError(), kNoErr);
    EXPECT_EQ(reader.text, "custom bytes");
    ASSERT_EQ(PFMCheckIn(&reader), kNoErr);

    reopened->RemoveHandlerSegment(reopened->FindKey({kText, 1}));  // not a custom segment: stays
    EXPECT_TRUE(PFMSegmentExists(kText, 1));
    reopened->RemoveHandlerSegment(custom);
    EXPECT_FALSE(PFMSegmentExists(kData, 7));
    EXPECT_EQ(reader.releases, 1);
}

}  // namespace
