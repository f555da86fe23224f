// A file whose segment map lists a key twice (one damaged byte turns one key into another's): the
// store reads the first record of each key, the one a look-up answered, and says which records it
// left out; saving, reverting and resizing never bring a left-out record back in its place. A key
// added twice while the store is open keeps the look-up's segment first through a resize and a
// save.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "foundation/TypedList.h"
#include "foundation/pfm/PFMRepeatedKeys.h"
#include "foundation/pfm/StoreFileBuilder.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

// A raw segment's stored form: u16 0, u32 length, the bytes.
std::string RawForm(const std::string& text) {
    std::string form(6, '\0');
    form[5] = static_cast<char>(text.size());
    return form + text;
}

BuiltSegment RepeatedText(std::uint16_t id, const std::string& text) {
    return {kText, id, RawForm(text), 0x9000};
}

class PFMRepeatedKeysTest : public StoreTest {
protected:
    // TEXT 1 listed three times, TEXT 2 once between them.
    void WriteRepeatedKeys(const std::string& name) {
        std::ofstream(Path(name), std::ios::binary)
            << StoreFileBytes({RepeatedText(1, "first"), RepeatedText(2, "other"), RepeatedText(1, "second"),
                               RepeatedText(1, "third")});
    }
    PFMFile* Open(const std::string& name) {
        const FileRef ref = Ref(name);
        PFMFile* store = PFMOpenFile(&ref);
        EXPECT_NE(store, nullptr);
        return store;
    }
    // Replaces the segment's bytes through a resize, as a keyed record writes itself.
    void Rewrite(FourCC type, std::uint16_t id, const std::string& text) {
        void* data = PFMCheckOut(type, id);
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(PFMResizeSegment(&data, static_cast<std::uint32_t>(text.size())), kNoErr);
        std::memcpy(data, text.data(), text.size());
        PFMSetChanged(data, true);
        PFMCheckIn(data);
    }
    std::vector<std::int16_t> Ids() {
        SList ids;
        PFMGetSegmentIds(kText, ids);
        std::vector<std::int16_t> list;
        for (std::int32_t i = 0; i < ids.Count(); ++i) list.push_back(ids.GetAt(i));
        return list;
    }
};

TEST_F(PFMRepeatedKeysTest, TheFirstRecordOfAKeyIsReadAndTheOthersAreLeftOutAndNamed) {
    WriteRepeatedKeys("repeated.fsf");
    PFMFile* store = Open("repeated.fsf");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(SegmentText(kText, 1), "first");
    EXPECT_EQ(SegmentText(kText, 2), "other");
    const SegmentMap leftOut = PFMGetLeftOutRecords(store);
    ASSERT_EQ(leftOut.size(), 2u);
    EXPECT_EQ(leftOut[0].id, 1);
    EXPECT_EQ(leftOut[0].position, 58u + 2 * 11) << "the second record of TEXT 1, in map order";
    EXPECT_EQ(leftOut[1].position, 58u + 2 * 11 + 12u) << "then the third";
    // Removing the segment removes the key: no left-out record takes its place.
    EXPECT_TRUE(PFMRemoveSegment(kText, 1));
    EXPECT_FALSE(PFMSegmentExists(kText, 1));
    EXPECT_EQ(Ids(), (std::vector<std::int16_t>{2}));
    PFMCloseFile(store);
}

// The record read is changed (its new bytes in memory) while the left-out ones stay in the file:
// the save writes the story the look-up showed, and the file then opens without anything left out.
TEST_F(PFMRepeatedKeysTest, ASaveAfterAChangeWritesTheRecordTheLookUpShowed) {
    WriteRepeatedKeys("repeated.fsf");
    PFMFile* store = Open("repeated.fsf");
    Rewrite(kText, 1, "first, renamed");
    EXPECT_EQ(SegmentText(kText, 1), "first, renamed") << "the resize keeps the segment the look-up answers";
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_TRUE(PFMGetLeftOutRecords(store).empty()) << "the file holds none any more";
    PFMCloseFile(store);

    const FileLayout layout = ReadFileLayout(FileBytes("repeated.fsf"));
    ASSERT_EQ(layout.error, kNoErr);
    EXPECT_EQ(layout.map.size(), 2u);
    store = Open("repeated.fsf");
    EXPECT_EQ(SegmentText(kText, 1), "first, renamed");
    EXPECT_TRUE(PFMGetLeftOutRecords(store).empty());
    PFMCloseFile(store);
}

// Reverting reads the map again: what the open left out stays out, and a removed segment comes
// back as the record the open read.
TEST_F(PFMRepeatedKeysTest, RevertingBringsBackTheRecordReadAndNoneLeftOut) {
    WriteRepeatedKeys("repeated.fsf");
    PFMFile* store = Open("repeated.fsf");
    Rewrite(kText, 2, "changed");
    EXPECT_TRUE(PFMRemoveSegment(kText, 1));
    ASSERT_EQ(PFMRevertFile(store), kNoErr);
    EXPECT_EQ(SegmentText(kText, 1), "first");
    EXPECT_EQ(SegmentText(kText, 2), "other");
    EXPECT_TRUE(PFMRemoveSegment(kText, 1));
    EXPECT_FALSE(PFMSegmentExists(kText, 1)) << "no second record of the key came back";
    PFMCloseFile(store);
}

// A key added twice keeps both segments, the first added answering look-ups; a resize of that one
// and a save (the other's bytes then in the file, its own in memory) keep it first in the map, so
// the file opens with it and names the other as left out.
TEST_F(PFMRepeatedKeysTest, AKeyAddedTwiceKeepsTheLookUpsSegmentFirstThroughAResizeAndASave) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 5, "one"), kNoErr);
    ASSERT_EQ(AddText(kText, 5, "two"), kNoErr);
    const FileRef ref = Ref("added.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    Rewrite(kText, 5, "one, longer");
    EXPECT_EQ(SegmentText(kText, 5), "one, longer");
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    const FileLayout layout = ReadFileLayout(FileBytes("added.fsf"));
    ASSERT_EQ(layout.map.size(), 2u);
    PFMCloseFile(store);

    store = Open("added.fsf");
    EXPECT_EQ(SegmentText(kText, 5), "one, longer");
    ASSERT_EQ(PFMGetLeftOutRecords(store).size(), 1u);
    PFMCloseFile(store);
}

TEST(PFMRepeatedKeys, TakingRepeatedKeysKeepsTheMapsOrder) {
    SegmentMap map = {{100, 6, kText, 3, 0},
                      {200, 6, kText, 1, 0},
                      {300, 6, kText, 3, 0},
                      {400, 6, FourCCOf("ZZZZ"), 3, 0},
                      {500, 6, kText, 1, 0}};
    const SegmentMap taken = PFMTakeRepeatedKeys(map);
    ASSERT_EQ(map.size(), 3u);
    EXPECT_EQ(map[0].position, 100u);
    EXPECT_EQ(map[1].position, 200u);
    EXPECT_EQ(map[2].position, 400u) << "another type with the same id is another key";
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].position, 300u);
    EXPECT_EQ(taken[1].position, 500u);
    SegmentMap single = {{100, 6, kText, 3, 0}};
    EXPECT_TRUE(PFMTakeRepeatedKeys(single).empty());
    EXPECT_EQ(single.size(), 1u);
}

}  // namespace
