// The writer's named report sets in the report preferences: written and read back, damaged or
// foreign values left out when read, a name saved again replacing its set, and the limits.

#include "reports/ReportSets.h"

#include <gtest/gtest.h>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "storymodel/RecordText.h"

namespace {

class ReportSetsTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        store_ = PFMOpenFile(nullptr);
        record = std::make_unique<PText>(store_, FourCCOf("REPT"), 0);
    }
    void TearDown() override {
        record.reset();
        PFMCloseFile(store_);
        StoreTest::TearDown();
    }
    void Put(const char* key, const char* text) { record->SetEntry(key, kPTextText, text); }

    std::unique_ptr<PText> record;

private:
    PFMFile* store_ = nullptr;
};

TEST_F(ReportSetsTest, SetsAreWrittenUnderTheirKeysAndReadBack) {
    ReportSets sets;
    ASSERT_TRUE(sets.Put("Themes", {15, 22, 24}));
    ASSERT_TRUE(sets.Put("Plot", {11, 31}));
    sets.Store(record.get());
    std::int16_t count = 0;
    record->GetEntry("REPSETMX", kPTextShort, &count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(RecordText(*record, "REPSETNM1"), "Themes");
    EXPECT_EQ(RecordText(*record, "REPSETIDS2"), "11,31,");

    ReportSets read;
    read.Load(record.get());
    ASSERT_EQ(read.GetSets().size(), 2u);
    EXPECT_EQ(read.GetSets()[0].name, "Themes");
    EXPECT_EQ(read.GetSets()[0].reportIds, (std::vector<std::int16_t>{15}));
    EXPECT_EQ(read.GetSets()[1].reportIds, (std::vector<std::int16_t>{11, 31}));
}

TEST_F(ReportSetsTest, OnlyCataloguedReportsAreKeptEachOnce) {
    ReportSets sets;
    // 22 and 24 are sections of report 15 that the catalogue does not list; 10000 is a group.
    EXPECT_TRUE(sets.Put("Mixed", {15, 22, 15, 10000, 3, -1, 99}));
    EXPECT_EQ(sets.Find("Mixed")->reportIds, (std::vector<std::int16_t>{15, 3}));
    EXPECT_FALSE(sets.Put("Nothing", {22, 0}));
    EXPECT_FALSE(sets.Put("", {15}));
    EXPECT_EQ(sets.GetSets().size(), 1u);
}

TEST_F(ReportSetsTest, ReadingLeavesOutWhatMakesNoSet) {
    record->SetNumberByName("REPSETMX", kPTextShort, 5);
    Put("REPSETNM1", "Good");
    Put("REPSETIDS1", "3,junk,35,3,");
    Put("REPSETIDS2", "15,");  // no name
    Put("REPSETNM3", "No reports");
    Put("REPSETIDS3", "0,22,-7,");
    Put("REPSETNM4", "Good");  // a second set of the same name
    Put("REPSETIDS4", "11,");
    Put("REPSETNM5", std::string(60, 'n').c_str());
    Put("REPSETIDS5", "40,");
    ReportSets sets;
    sets.Load(record.get());
    ASSERT_EQ(sets.GetSets().size(), 2u);
    EXPECT_EQ(sets.GetSets()[0].reportIds, (std::vector<std::int16_t>{3, 35}));
    EXPECT_EQ(sets.GetSets()[1].name, std::string(ReportSets::kNameLength, 'n'));
}

TEST_F(ReportSetsTest, ACountBeyondTheLimitOrBelowZeroIsHeldToIt) {
    record->SetNumberByName("REPSETMX", kPTextShort, -3);
    Put("REPSETNM1", "One");
    Put("REPSETIDS1", "3,");
    ReportSets sets;
    sets.Load(record.get());
    EXPECT_TRUE(sets.GetSets().empty());
    record->SetNumberByName("REPSETMX", kPTextShort, 30000);
    sets.Load(record.get());
    EXPECT_EQ(sets.GetSets().size(), 1u);
}

TEST_F(ReportSetsTest, SavingANameAgainReplacesItsSetAndRemovedSetsLeaveNoKeys) {
    ReportSets sets;
    sets.Put("A", {3});
    sets.Put("B", {35});
    sets.Put("A", {11, 31});
    ASSERT_EQ(sets.GetSets().size(), 2u);
    EXPECT_EQ(sets.Find("A")->reportIds, (std::vector<std::int16_t>{11, 31}));
    sets.Store(record.get());
    EXPECT_TRUE(sets.Remove("A"));
    EXPECT_FALSE(sets.Remove("A"));
    sets.Store(record.get());
    EXPECT_EQ(RecordText(*record, "REPSETNM1"), "B");
    EXPECT_FALSE(record->HasKey("REPSETNM2"));
    EXPECT_FALSE(record->HasKey("REPSETIDS2"));
}

TEST_F(ReportSetsTest, NoMoreThanTheMostSetsAreKept) {
    ReportSets sets;
    for (std::size_t i = 0; i < ReportSets::kMostSets; ++i)
        EXPECT_TRUE(sets.Put("Set " + std::to_string(i), {3}));
    EXPECT_FALSE(sets.Put("One more", {3}));
    EXPECT_TRUE(sets.Put("Set 0", {35}));
}

TEST_F(ReportSetsTest, NoRecordReadsNoSets) {
    ReportSets sets;
    sets.Put("A", {3});
    sets.Load(nullptr);
    EXPECT_TRUE(sets.GetSets().empty());
}

}  // namespace
