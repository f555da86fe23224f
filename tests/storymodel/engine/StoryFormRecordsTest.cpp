// The storyform manager's stored records: loading the choices and the values in force, refusing
// stored values the points cannot hold, saving, a round trip through a story file on disk, and the
// lists of allowed values.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/TypedList.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryFormTestSupport.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

int RecordIndex(const char* code) { return StoryPointIndexForCode(code); }

std::vector<std::int16_t> RecordValues(const SList& list) {
    std::vector<std::int16_t> values;
    for (std::int32_t i = 0; i < list.Count(); ++i) values.push_back(list.GetAt(i));
    return values;
}

SList ListOf(std::initializer_list<std::int16_t> values) {
    SList list;
    for (std::int16_t value : values) list.Append(value);
    return list;
}

using StoryFormRecordsTest = StoryFormTest;

TEST_F(StoryFormRecordsTest, ChoicesComeFromTheResponsesAndValuesInForceFromTheirOwnRecord) {
    StoreValues(kResponsesType, {{"Resolve", 1002}, {"STDom", 3}, {"STPbm", 200}, {"MCCon", -1}});
    StoreValues(kValuesInForceType, {{"Resolve", 1002}, {"STDom", 2}, {"STCon", 7}, {"Nature", 1103}});
    document_->SetDirty();

    StoryFormManager& storyForm = MakeManager();
    EXPECT_EQ(storyForm.GetChoice(1000), 1002);
    EXPECT_EQ(storyForm.GetValue(1000), 1002);
    EXPECT_EQ(storyForm.GetChoice(12000), 3);
    EXPECT_EQ(storyForm.GetValue(12000), 2);
    EXPECT_EQ(storyForm.GetChoice(12100), 0);
    EXPECT_EQ(storyForm.GetValue(12100), 7);
    EXPECT_EQ(storyForm.GetValue(1100), 1103);
    // A key missing from the values in force leaves the loaded choice in force.
    EXPECT_EQ(storyForm.GetValue(12300), 200);
    EXPECT_EQ(storyForm.GetChoice(15100), -1);
    EXPECT_EQ(storyForm.GetValue(15100), -1);

    // The loaded choices count as changed; loading leaves the document clean.
    const StoryFormState state = *storyForm.SaveState();
    EXPECT_EQ(state[static_cast<std::size_t>(RecordIndex("Resolve"))].changed, 1);
    EXPECT_EQ(state[static_cast<std::size_t>(RecordIndex("STCon"))].changed, 0);
    EXPECT_EQ(state[static_cast<std::size_t>(RecordIndex("Direction"))].changed, 0);
    EXPECT_FALSE(document_->dirty);
    EXPECT_GT(document_->dirtyMarks, 0);
}

TEST_F(StoryFormRecordsTest, WithoutStoredValuesInForceTheChoicesAreInForce) {
    StoreValues(kResponsesType, {{"Work", 1042}, {"PLRng2", 40}});
    StoryFormManager& storyForm = MakeManager();
    EXPECT_FALSE(PFMSegmentExists(kValuesInForceType, 0));
    EXPECT_EQ(storyForm.GetValue(1040), 1042);
    EXPECT_TRUE(storyForm.IsDecision());
    EXPECT_EQ(storyForm.GetValue(22800), 40);
    for (int index = 0; index < kStoryPointCount; ++index) {
        EXPECT_EQ(storyForm.GetValueAt(index), storyForm.GetChosenValueAt(index)) << index;
    }
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormRecordsTest, AnEmptyStoryHasNothingChosenAndNothingInForce) {
    StoryFormManager& storyForm = MakeManager();
    const StoryFormState state = *storyForm.SaveState();
    for (const StoryPointState& point : state) EXPECT_EQ(point, StoryPointState{});
    EXPECT_EQ(storyForm.GetStoryformCount(), StoryFormManager::kAllStoryforms);
}

TEST_F(StoryFormRecordsTest, StoredValuesThePointsCannotHoldAreRefused) {
    StoreValues(kResponsesType, {
                                    {"Resolve", 1003},    // no value of Resolve
                                    {"Direction", 1001},  // a value of another dynamic
                                    {"Approach", 1022},   // Be-er: kept
                                    {"ResOC", 1002},      // Resolve's values: kept
                                    {"STDom", 5},         // a type, not a class
                                    {"STCon", 12},        // kept
                                    {"STRng", 90},        // an element, not a variation
                                    {"STPbm", 30},        // a variation, not an element
                                    {"MCPbm", 345},       // a group node
                                    {"OCPbm", 340},       // the last element: kept
                                    {"STHmCl", '2'},      // kept
                                    {"MCHmCl", 2},        // a class id, not its digit
                                    {"Nature", 1101},     // kept
                                    {"Essence", 1121},    // Tendency's value
                                    {"PLDom", -2},
                                });
    StoreValues(kValuesInForceType, {{"STCon", 400}, {"OCPbm", 85}, {"Approach", 1000}});
    StoryFormManager& storyForm = MakeManager();

    const std::vector<const char*> refused = {"Resolve", "Direction", "STDom",   "STRng", "STPbm",
                                              "MCPbm",   "MCHmCl",    "Essence", "PLDom"};
    for (const char* code : refused) {
        SCOPED_TRACE(code);
        EXPECT_EQ(storyForm.GetChosenValueAt(RecordIndex(code)), 0);
        EXPECT_EQ(storyForm.GetValueAt(RecordIndex(code)), 0);
    }
    EXPECT_EQ(storyForm.GetChoice(1020), 1022);
    EXPECT_EQ(storyForm.GetValue(1020), 1022);  // 1000 refused as a value in force
    EXPECT_EQ(storyForm.GetChoice(1005), 1002);
    EXPECT_EQ(storyForm.GetChoice(12100), 12);
    EXPECT_EQ(storyForm.GetValue(12100), 12);  // 400 refused
    EXPECT_EQ(storyForm.GetChoice(18300), 340);
    EXPECT_EQ(storyForm.GetValue(18300), 85);
    EXPECT_EQ(storyForm.GetChoice(13700), '2');
    EXPECT_EQ(storyForm.GetChoice(1100), 1101);

    // Saving keeps what was refused: the stored choice stays as it was.
    storyForm.SetChoice(1010, 1012);
    ASSERT_EQ(storyForm.SaveChoices(), kNoErr);
    EXPECT_EQ(StoredValue(kResponsesType, "Resolve"), 1003);
    EXPECT_EQ(StoredValue(kResponsesType, "STPbm"), 30);
    EXPECT_EQ(StoredValue(kResponsesType, "Direction"), 1012);
}

TEST_F(StoryFormRecordsTest, AChoiceStoredAsTextReadsAsNone) {
    responses_->SetEntry("STDom", 'c', "3");
    ASSERT_EQ(responses_->Save(), kNoErr);
    StoryFormManager& storyForm = MakeManager();
    EXPECT_EQ(storyForm.GetChoice(12000), 0);
}

TEST_F(StoryFormRecordsTest, SavingWritesChangedChoicesAndEveryValueInForce) {
    StoreValues(kResponsesType, {{"Outcome", 1061}});
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1000, 1001);
    storyForm.SetChoice(12000, 4);
    storyForm.SetChoice(12000, 0);  // changed, back to none
    storyForm.SetValue(12100, 9);
    // A choice edited in the record behind the manager's back is not overwritten unless it changed.
    responses_->SetNumberByName("Limit", 's', 1052);

    ASSERT_EQ(storyForm.SaveChoices(), kNoErr);
    EXPECT_EQ(StoredValue(kResponsesType, "Resolve"), 1001);
    EXPECT_EQ(StoredValue(kResponsesType, "STDom"), 0);
    EXPECT_EQ(StoredValue(kResponsesType, "Outcome"), 1061);
    EXPECT_EQ(StoredValue(kResponsesType, "Limit"), 1052);
    EXPECT_EQ(StoredValue(kResponsesType, "STCon"), -999);
    EXPECT_EQ(StoredValue(kResponsesType, "Direction"), -999);

    // Every story point's value in force, none of the value rows'.
    PText valuesInForce(store_, kValuesInForceType, 0);
    ASSERT_TRUE(valuesInForce.IsPresent());
    int points = 0;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        if (row.kind >= kValueRow) continue;
        ++points;
        std::int16_t value = -999;
        EXPECT_GE(valuesInForce.GetEntry(row.code, 's', &value), 0) << row.code;
        EXPECT_EQ(value, storyForm.GetValueAt(index)) << row.code;
    }
    PTextEntry entry;
    std::int32_t cursor = 0;
    int entries = 0;
    for (std::int32_t err = valuesInForce.FirstEntry(cursor, entry); err >= 0;
         err = valuesInForce.NextEntry(cursor, entry)) {
        ++entries;
    }
    EXPECT_EQ(entries, points);
    EXPECT_EQ(StoredValue(kValuesInForceType, "STCon"), 9);
    EXPECT_EQ(StoredValue(kValuesInForceType, "Outcome"), 1061);
}

TEST_F(StoryFormRecordsTest, AStoryformSavedToDiskComesBackWhole) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1000, 1002);
    storyForm.SetChoice(1030, 1031);
    storyForm.SetChoice(15300, -1);
    storyForm.SetMultipleChoices(RecordIndex("MCPbm"), ListOf({100, 120, 101}));
    storyForm.SetValue(12000, 3);
    storyForm.SetValue(12100, 14);
    storyForm.SetValue(13700, '3');
    storyForm.UpdateDynamicAppreciations();
    const StoryFormState saved = *storyForm.SaveState();
    ASSERT_EQ(storyForm.SaveChoices(), kNoErr);
    ASSERT_EQ(responses_->Save(), kNoErr);

    const FileRef ref = Ref("Story.fsf");
    PFMSetCurrentFile(store_);
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    manager_.reset();
    responses_.reset();
    ASSERT_EQ(PFMCloseFile(store_), kNoErr);
    store_ = PFMOpenFile(&ref);
    ASSERT_NE(store_, nullptr);
    OpenRecords();

    StoryFormManager& loaded = MakeManager();
    const StoryFormState state = *loaded.SaveState();
    for (int index = 0; index < kStoryPointCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(state[static_cast<std::size_t>(index)].chosen,
                  saved[static_cast<std::size_t>(index)].chosen);
        EXPECT_EQ(state[static_cast<std::size_t>(index)].effective,
                  saved[static_cast<std::size_t>(index)].effective);
    }
    SList list;
    loaded.GetMultipleChoices(RecordIndex("MCPbm"), list);
    EXPECT_EQ(RecordValues(list), (std::vector<std::int16_t>{100, 120, 101}));
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormRecordsTest, AllowedValuesAreKeptAsTextAndComparedWithoutRegardToOrder) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    const int problem = RecordIndex("STPbm");

    storyForm.SetMultipleChoices(problem, ListOf({90, 100, 120}));
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_TRUE(document_->dirty);
    char text[64] = "";
    responses_->GetEntry("STPbmm", 'c', text, sizeof text);
    EXPECT_STREQ(text, "90,100,120,");
    SList list = ListOf({1, 2, 3, 4, 5});
    storyForm.GetMultipleChoices(problem, list);
    EXPECT_EQ(RecordValues(list), (std::vector<std::int16_t>{90, 100, 120}));

    // The same numbers in another order change nothing.
    document_->SetClean();
    storyForm.SetMultipleChoices(problem, ListOf({120, 90, 100}));
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_FALSE(document_->dirty);
    responses_->GetEntry("STPbmm", 'c', text, sizeof text);
    EXPECT_STREQ(text, "90,100,120,");

    // Same length, one other number.
    storyForm.SetMultipleChoices(problem, ListOf({120, 90, 101}));
    EXPECT_EQ(watcher.heard, 2);
    storyForm.SetMultipleChoices(problem, ListOf({90, 100}));
    EXPECT_EQ(watcher.heard, 3);
    storyForm.GetMultipleChoices(problem, list);
    EXPECT_EQ(RecordValues(list), (std::vector<std::int16_t>{90, 100}));

    // Going from two numbers to one removes the stored list.
    storyForm.SetMultipleChoices(problem, ListOf({90}));
    EXPECT_EQ(watcher.heard, 4);
    EXPECT_FALSE(responses_->HasKey("STPbmm"));
    storyForm.GetMultipleChoices(problem, list);
    EXPECT_EQ(list.Count(), 0);

    // Nothing stored and nothing given: equal.
    storyForm.SetMultipleChoices(problem, SList());
    EXPECT_EQ(watcher.heard, 4);
    // Other lists of other points are separate.
    storyForm.SetMultipleChoices(RecordIndex("MCPbm"), ListOf({85, 86}));
    EXPECT_FALSE(responses_->HasKey("STPbmm"));
    EXPECT_TRUE(responses_->HasKey("MCPbmm"));
}

TEST_F(StoryFormRecordsTest, RepeatsAndValuesAPointCannotHoldAreLeftOutOfItsList) {
    responses_->SetEntry("STRngm", 'c', "30,,5,30,x,84,21,90,-1,0,");
    responses_->SetEntry("Resolvem", 'c', "1002,1001,1003,");
    responses_->SetNumberByName("STConm", 's', 7);
    ASSERT_EQ(responses_->Save(), kNoErr);
    StoryFormManager& storyForm = MakeManager();

    SList list;
    storyForm.GetMultipleChoices(RecordIndex("STRng"), list);
    EXPECT_EQ(RecordValues(list), (std::vector<std::int16_t>{30, 84, 21}));
    storyForm.GetMultipleChoices(RecordIndex("Resolve"), list);
    EXPECT_EQ(RecordValues(list), (std::vector<std::int16_t>{1002, 1001}));
    // Stored as a number, not as text.
    storyForm.GetMultipleChoices(RecordIndex("STCon"), list);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(StoryFormRecordsTest, RowsWithoutACodeHaveNoList) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    for (const int index : {1, -1, kStoryPointCount}) {
        storyForm.SetMultipleChoices(index, ListOf({1001, 1002}));
        SList list = ListOf({9});
        storyForm.GetMultipleChoices(index, list);
        EXPECT_EQ(list.Count(), 0);
    }
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormRecordsTest, AListLongerThanAnyPointHoldsIsReadWhole) {
    // RecordValues and repeats beyond what fits a short buffer: none of the numbers is cut.
    std::string text;
    for (int i = 0; i < 80; ++i) text += "-32000,";
    text += "150,";
    responses_->SetEntry("STPbmm", 'c', text.c_str());
    ASSERT_EQ(responses_->Save(), kNoErr);
    StoryFormManager& storyForm = MakeManager();
    SList list;
    storyForm.GetMultipleChoices(RecordIndex("STPbm"), list);
    EXPECT_EQ(RecordValues(list), (std::vector<std::int16_t>{150}));
}

}  // namespace
