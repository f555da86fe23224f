// Whole texts and numbers of keyed records, written only when they change.

#include "storymodel/RecordText.h"

#include <gtest/gtest.h>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

using RecordTextTest = StoreTest;

TEST_F(RecordTextTest, TextsAreWrittenOnlyWhenTheyChangeAndReadWhole) {
    PFMFile* store = PFMOpenFile(nullptr);
    PText record(store, FourCCOf("TEST"), 1);
    const std::string longText(30000, 'x');
    EXPECT_EQ(WriteRecordText(record, "Long", longText.c_str()), 1);
    EXPECT_EQ(RecordText(record, "Long"), longText);
    EXPECT_EQ(record.Save(), kNoErr);
    EXPECT_EQ(WriteRecordText(record, "Long", longText.c_str()), 0);
    EXPECT_FALSE(record.IsChanged());
    EXPECT_EQ(WriteRecordText(record, "Empty", nullptr), 1);
    EXPECT_TRUE(record.HasKey("Empty"));
    EXPECT_EQ(WriteRecordText(record, "Long", std::string(40000, 'y').c_str()), kPTextErrValueTooLong);
    EXPECT_EQ(RecordText(record, "Long"), longText);
    EXPECT_EQ(RecordText(record, "Absent"), "");
}

TEST_F(RecordTextTest, AValueOfAnotherTypeIsReplaced) {
    PFMFile* store = PFMOpenFile(nullptr);
    PText record(store, FourCCOf("TEST"), 1);
    record.SetEntry("Name", kPTextText, "text");
    record.SetNumberByName("Order", kPTextShort, 4);
    EXPECT_TRUE(WriteRecordNumber(record, "Name", 7));
    EXPECT_EQ(WriteRecordText(record, "Order", "now a text"), 1);
    std::int16_t value = 0;
    EXPECT_GE(record.GetEntry("Name", kPTextShort, &value), 0);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(RecordText(record, "Order"), "now a text");
    EXPECT_EQ(RecordText(record, "Name"), "");
}

}  // namespace
