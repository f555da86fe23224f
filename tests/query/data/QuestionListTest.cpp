// Question lists read from the application data file: the "OR" entries, the fall-back to list 0,
// the remembered row and its clamps, open flags from the question status, list names; the list
// to open; Prev and Next across list boundaries; the page class of a topic and the page records
// that stand in for missing ones.

#include "query/data/QuestionList.h"

#include <gtest/gtest.h>

#include "QueryStoryFixture.h"
#include "foundation/pfm/PTextTypes.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/PageClasses.h"
#include "query/data/QueryNavigation.h"

namespace {

using QuestionListTest = QueryStoryTest;

TEST(QuestionListOrder, WholeTriplesOfCodeTopicAndLevel) {
    const auto entries = ParseListOrder("0,1,1,0,2,2,");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].GetTopic(), 1);
    EXPECT_EQ(entries[0].GetLevel(), 1);
    EXPECT_EQ(entries[1].GetTopic(), 2);
    EXPECT_EQ(entries[1].GetLevel(), 2);
    EXPECT_EQ(entries[1].GetContextKey(), 0) << "entries start with an empty context";

    const auto partial = ParseListOrder("5,7,1,1,8");
    ASSERT_EQ(partial.size(), 1u) << "an incomplete group at the end is left out";
    EXPECT_EQ(partial[0].GetCode(), 5);
    EXPECT_TRUE(ParseListOrder("").empty());
    EXPECT_TRUE(ParseListOrder(nullptr).empty());
}

TEST_F(QuestionListTest, AMissingListFallsBackToListZero) {
    AddList(0, "0,10,1,0,11,1,");
    AddList(4, "0,20,1,0,21,2,0,22,1,");
    FQSPageDataList list(Story());
    LoadedQuestionList loaded = LoadQuestionList(DataFile(), 4, 2, list);
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.listId, 4);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(loaded.row, 2);
    EXPECT_EQ(loaded.topic, 22);

    loaded = LoadQuestionList(DataFile(), 7, 0, list);
    EXPECT_EQ(loaded.listId, 0);
    EXPECT_EQ(loaded.topic, 10);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(QuestionListTest, WithoutListZeroTheListIsEmpty) {
    AddList(3, "0,20,1,");
    FQSPageDataList list(Story());
    list.Assign(ParseListOrder("0,1,1,"));
    const LoadedQuestionList loaded = LoadQuestionList(DataFile(), 5, 0, list);
    EXPECT_EQ(loaded.result, kPTextErrNoKey);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(loaded.topic, -1);

    PText record(DataFile(), FourCCOf("QLST"), 0);
    record.SetEntry("NA", 'c', "no entries");
    ASSERT_EQ(record.Save(), kNoErr);
    EXPECT_EQ(LoadQuestionList(DataFile(), 0, 0, list).result, kPTextErrNoKey) << "a list without OR";
}

TEST_F(QuestionListTest, TheRememberedRowIsBroughtWithinTheList) {
    std::string order;
    for (int topic = 1; topic <= 12; ++topic) order += "0," + std::to_string(topic) + ",1,";
    AddList(2, order);
    FQSPageDataList list(Story());
    StoreListPosition(responses_.get(), 2, 40);
    EXPECT_EQ(ReadListPosition(responses_.get(), 2), 40);
    EXPECT_EQ(LoadQuestionList(DataFile(), 2, -1, list).row, 11);
    StoreListPosition(responses_.get(), 2, -3);
    EXPECT_EQ(LoadQuestionList(DataFile(), 2, -1, list).row, 0);
    StoreListPosition(responses_.get(), 2, 5);
    const LoadedQuestionList loaded = LoadQuestionList(DataFile(), 2, -1, list);
    EXPECT_EQ(loaded.row, 5);
    EXPECT_EQ(loaded.topic, 6);
    EXPECT_EQ(LoadQuestionList(DataFile(), 2, 99, list).row, 11) << "a given row is clamped too";
    EXPECT_EQ(ReadListPosition(responses_.get(), 3), 0) << "no row remembered";
    EXPECT_EQ(ListPositionKey(13), "CTR13");
    EXPECT_EQ(ClampListPosition(3, 0), 0);
}

TEST_F(QuestionListTest, OpenFlagsComeFromTheQuestionStatusByContext) {
    AddCharacter("Alice");
    AddList(0, "1,30,1,0,31,2,");
    FQSPageDataList list(Story());
    LoadQuestionList(DataFile(), 0, 0, list);
    ASSERT_EQ(list.Count(), 6);
    const FQSPageData& second = *list.At(2);
    status_.SetOpenFlag(1, second.GetTopic(), second.GetContextKey());
    LoadQuestionList(DataFile(), 0, 0, list);
    for (std::int32_t i = 0; i < list.Count(); ++i) EXPECT_EQ(list.At(i)->IsOpen(), i == 2) << i;
}

TEST_F(QuestionListTest, ListIdsBelowZeroNameNoList) {
    AddList(0xFFFF, "0,1,1,");
    AddList(0, "0,1,1,");
    EXPECT_TRUE(QuestionListExists(DataFile(), 0));
    EXPECT_FALSE(QuestionListExists(DataFile(), -1));
    EXPECT_FALSE(QuestionListExists(DataFile(), 1));
    EXPECT_FALSE(QuestionListExists(nullptr, 0));
    const ListExists exists = [&](std::int32_t id) { return QuestionListExists(DataFile(), id); };
    EXPECT_EQ(PrevStep(0, 0, -1, exists).kind, QueryStep::kBeep) << "Prev on list 0 looks for no list -1";
}

TEST_F(QuestionListTest, ListNames) {
    AddList(3, "0,1,1,", "The {NObst} Character");
    EXPECT_EQ(GetListName(DataFile(), 3, story_.get()).find('{'), std::string::npos);
    EXPECT_NE(GetListName(DataFile(), 3, story_.get()).find(" Character"), std::string::npos);
    EXPECT_EQ(GetListName(DataFile(), 4, story_.get()), "-");
    EXPECT_EQ(GetListName(DataFile(), -2, story_.get()), "-");
}

TEST_F(QuestionListTest, TheListToOpenIsNeverThePlotpilotList) {
    EXPECT_EQ(ListToOpen(0, responses_.get()), kDefaultList);
    RememberListToOpen(responses_.get(), 6);
    EXPECT_EQ(ListToOpen(0, responses_.get()), 6);
    EXPECT_EQ(ListToOpen(kPlotpilotList, responses_.get()), kPlotpilotList);
    RememberListToOpen(responses_.get(), kPlotpilotList);
    std::int16_t stored = 0;
    responses_->GetEntry(kListToOpenKey, 's', &stored);
    EXPECT_EQ(stored, 6);
}

TEST(QueryNavigation, PrevAndNextInsideAList) {
    const ListExists none = [](std::int32_t) { return false; };
    EXPECT_EQ(PrevStep(4, 3, 2, none), (QueryStep{QueryStep::kRow, 2, 4}));
    EXPECT_EQ(PrevStep(4, 3, -1, none).kind, QueryStep::kNothing) << "no previous selectable row";
    EXPECT_EQ(NextStep(4, 3, 10, 4, none), (QueryStep{QueryStep::kRow, 4, 4}));
    EXPECT_EQ(NextStep(4, 3, 10, 7, none), (QueryStep{QueryStep::kRow, 7, 4})) << "the next selectable row";
}

TEST(QueryNavigation, PastTheEndsToTheNeighbouringListOrABeep) {
    const ListExists fiveOnly = [](std::int32_t id) { return id == 5; };
    EXPECT_EQ(NextStep(4, 9, 10, 10, fiveOnly), (QueryStep{QueryStep::kList, 0, 5}));
    EXPECT_EQ(NextStep(5, 9, 10, 10, fiveOnly).kind, QueryStep::kBeep);
    EXPECT_EQ(NextStep(4, 3, 10, -1, fiveOnly), (QueryStep{QueryStep::kList, 0, 5}))
        << "without a next selectable row the step goes on as from the last row";
    EXPECT_EQ(PrevStep(6, 0, -1, fiveOnly), (QueryStep{QueryStep::kList, 0, 5}));
    EXPECT_EQ(PrevStep(5, 0, -1, fiveOnly).kind, QueryStep::kBeep);
    EXPECT_EQ(NextStep(5, 0, 0, 1, fiveOnly).kind, QueryStep::kBeep) << "an empty list";
}

TEST(PageFactoryTable, ClassCodesAndThePagesTheyMake) {
    EXPECT_EQ(PageKindForClass(0), FQSPageKind::kQuestion);
    EXPECT_EQ(PageKindForClass(2), FQSPageKind::kQuestion);
    EXPECT_EQ(PageKindForClass(1), FQSPageKind::kDynamicRadio);
    EXPECT_EQ(PageKindForClass(3), FQSPageKind::kGeneralRadio);
    EXPECT_EQ(PageKindForClass(4), FQSPageKind::kSceneList);
    EXPECT_EQ(PageKindForClass(5), FQSPageKind::kScene);
    EXPECT_EQ(PageKindForClass(75), FQSPageKind::kRecap);
    EXPECT_EQ(PageKindForClass(100), FQSPageKind::kStructuralFinder);
    EXPECT_EQ(PageKindForClass(999), FQSPageKind::kHome);
    for (std::int16_t code : {-1, 6, 74, 76, 99, 101, 998, 1000, 32767})
        EXPECT_FALSE(PageKindForClass(code)) << code;
}

TEST_F(QuestionListTest, PageRecordsAndTheirClasses) {
    AddPage(40, 100);
    AddPage(41);
    AddPage(50, 999);
    PageRecord page = FindPageRecord(DataFile(), 40, 50);
    EXPECT_EQ(page.classCode, 100);
    EXPECT_EQ(page.topic, 40);
    EXPECT_FALSE(page.fellBack);
    EXPECT_FALSE(page.missing);

    page = FindPageRecord(DataFile(), 41, 50);
    EXPECT_EQ(page.classCode, kDefaultPageClass) << "a page without TY";
    EXPECT_TRUE(page.record->HasKey("QT"));

    page = FindPageRecord(DataFile(), 42, 50);
    EXPECT_EQ(page.topic, 50) << "the list's first topic stands in";
    EXPECT_TRUE(page.fellBack);
    EXPECT_EQ(page.classCode, 999);
}

TEST_F(QuestionListTest, WithoutAnyPageRecordAnEmptyPage) {
    AddPage(0, 75, "TX1", "a recap");
    for (PFMFile* file : {DataFile(), static_cast<PFMFile*>(nullptr)}) {
        const PageRecord page = FindPageRecord(file, 42, 43);
        EXPECT_TRUE(page.missing);
        EXPECT_TRUE(page.fellBack) << "the window goes to the list's first row";
        EXPECT_EQ(page.topic, 43);
        EXPECT_EQ(page.classCode, kDefaultPageClass);
        ASSERT_NE(page.record, nullptr) << "pages read an empty record";
        std::int32_t cursor = 0;
        PTextEntry entry;
        EXPECT_LT(page.record->FirstEntry(cursor, entry), 0) << "it holds no key";
    }
    const PageRecord negative = FindPageRecord(DataFile(), -1, -1);
    EXPECT_TRUE(negative.missing);
    EXPECT_FALSE(negative.record->HasKey("TX1")) << "not the record of topic 0";
}

}  // namespace
