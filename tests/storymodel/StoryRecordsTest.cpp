// What the story's readers take from a record that damage in the file may have left holding entries
// no write puts down: each such entry under a key is taken out and noted, and the next is read.

#include "storymodel/StoryRecords.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

constexpr FourCC kKeptRecordType = FourCCOf("CHAR");

using StoryRecordsTest = StoreTest;

TEST_F(StoryRecordsTest, ANumberOrATextIsReadOnlyFromAnEntryAWriteCouldHavePutDown) {
    PFMFile* store = PFMOpenFile(nullptr);
    // Under "Subj" a role held as a text, one no character is given, then one a write puts down.
    ASSERT_EQ(AddText(kKeptRecordType, 1,
                      std::string("\\NMs:4\\NMc:Ann\\Subjc:2\\Subjs:3\\Subjs:1\\Xs:-5\\") + '\0'),
              kNoErr);
    PText record(store, kKeptRecordType, 1);
    ASSERT_EQ(record.Count(), 6);
    EXPECT_FALSE(WasDamaged(record));

    EXPECT_EQ(ReadKeptNumber(record, "X", -5, -5), -5) << "the least and the most may be read";
    EXPECT_FALSE(WasDamaged(record));
    EXPECT_EQ(ReadKeptNumber(record, "Subj", 0, 2), 1);
    EXPECT_TRUE(WasDamaged(record)) << "what was taken out is noted";
    EXPECT_EQ(record.Count(), 4);

    // The last entry under the key taken out too: none is left.
    EXPECT_EQ(ReadKeptNumber(record, "Subj", 2, 2), std::nullopt);
    EXPECT_EQ(record.TypeOf("Subj"), '\0');
    EXPECT_EQ(ReadKeptNumber(record, "Subj", 0, 2), std::nullopt);

    EXPECT_EQ(record.TypeOf("NM"), 's');
    EXPECT_TRUE(LeaveOutMistyped(record, "NM", 'c'));
    EXPECT_EQ(record.TypeOf("NM"), 'c');
    EXPECT_FALSE(LeaveOutMistyped(record, "NM", 'c')) << "the text that follows is read";
    EXPECT_FALSE(LeaveOutMistyped(record, "Absent", 'c'));
    EXPECT_EQ(record.Count(), 2);
}

}  // namespace
