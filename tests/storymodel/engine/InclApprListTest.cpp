#include "storymodel/engine/InclApprList.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/pfm/KeyedText.h"

namespace {

KeyedText RecordWith(const std::string& appreciations) {
    const std::string stored =
        "\\APPRLSTc" + std::to_string(appreciations.size()) + ":" + appreciations + "\\Titlec:Story\\" + '\0';
    KeyedText record;
    EXPECT_EQ(record.Parse(stored.data(), stored.size()), kNoErr);
    return record;
}

std::string StoredText(KeyedText& record) {
    std::string text(record.GetValueSize(InclApprList::kKey) + 1, '\0');
    record.GetEntry(InclApprList::kKey, 'c', text.data(), static_cast<std::int32_t>(text.size()));
    return text.c_str();
}

TEST(IncludeableAppreciation, StartsEmptyAndKeepsTheLargerCharacterFirst) {
    IncludeableAppreciation entry;
    EXPECT_EQ(entry.GetFirstID(), -1);
    EXPECT_EQ(entry.GetSecondID(), -1);
    EXPECT_EQ(entry.GetCharacter1(), kNoCharID);
    EXPECT_EQ(entry.GetCharacter2(), kNoCharID);
    entry.SetCharacter1(3);
    entry.SetCharacter2(8);
    EXPECT_EQ(entry.GetCharacter1(), 8);
    EXPECT_EQ(entry.GetCharacter2(), 3);
    entry.SetCharacter1(1);
    EXPECT_EQ(entry.GetCharacter1(), 3);
    EXPECT_EQ(entry.GetCharacter2(), 1);
    // With one character missing nothing is swapped.
    const IncludeableAppreciation single(5, 6, kNoCharID, 4);
    EXPECT_EQ(single.GetCharacter1(), kNoCharID);
    EXPECT_EQ(single.GetCharacter2(), 4);
}

TEST(InclApprList, StoredGroupsOfFourNumbers) {
    InclApprList list(nullptr, false);
    list.ReadText("5,6,3,7,");
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0), IncludeableAppreciation(5, 6, 7, 3));
    EXPECT_EQ(list.GetAt(0).GetCharacter1(), 7);
    EXPECT_EQ(list.GetAt(0).GetCharacter2(), 3);

    InclApprList cut(nullptr, false);
    cut.ReadText("5,6,3,");
    EXPECT_EQ(cut.GetCount(), 0);
    cut.ReadText("1,2,3,4,9,9,");
    EXPECT_EQ(cut.GetCount(), 1);
}

TEST(InclApprList, EmptyPiecesAreSkippedAndOtherPiecesReadAsNumbers) {
    InclApprList list(nullptr, false);
    list.ReadText("1,,2,-1,x,");
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0), IncludeableAppreciation(1, 2, kNoCharID, 0));
    InclApprList empty(nullptr, false);
    empty.ReadText("");
    empty.ReadText(nullptr);
    EXPECT_EQ(empty.GetCount(), 0);
}

TEST(InclApprList, SortedByIdsThenCharactersDescendingWithNoneLast) {
    InclApprList list(nullptr, false);
    list.Insert(IncludeableAppreciation(1, 2, 2));
    list.Insert(IncludeableAppreciation(1, 2, 9));
    EXPECT_EQ(list.Text(), "1,2,9,-1,1,2,2,-1,");

    list.Insert(IncludeableAppreciation(1, 2));
    list.Insert(IncludeableAppreciation(0, 5, 1));
    list.Insert(IncludeableAppreciation(1, 1, 1));
    list.Insert(IncludeableAppreciation(1, 2, 9, 4));
    EXPECT_EQ(list.Text(), "0,5,1,-1,1,1,1,-1,1,2,9,4,1,2,9,-1,1,2,2,-1,1,2,-1,-1,");
}

TEST(InclApprList, TextReadsBackToTheSameList) {
    InclApprList list(nullptr, false);
    list.Insert(IncludeableAppreciation(12300, 90, 4, 2));
    list.Insert(IncludeableAppreciation(1000, 1001));
    list.Insert(IncludeableAppreciation(-7, 32767, 0));
    InclApprList copy(nullptr, false);
    copy.ReadText(list.Text().c_str());
    ASSERT_EQ(copy.GetCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(copy.GetAt(i), list.GetAt(i)) << i;
    EXPECT_EQ(InclApprList(nullptr, false).Text(), "");
}

TEST(InclApprList, RemoveTakesOneEqualEntry) {
    InclApprList list(nullptr, true);
    list.ReadText("1,2,3,-1,1,2,3,-1,4,5,-1,-1,");
    EXPECT_FALSE(list.Remove(IncludeableAppreciation(1, 2, 4)));
    EXPECT_TRUE(list.Remove(IncludeableAppreciation(1, 2, 3)));
    EXPECT_EQ(list.Text(), "1,2,3,-1,4,5,-1,-1,");
}

TEST(InclApprList, RemovingACharacterRemovesEveryEntryThatNamesIt) {
    KeyedText record = RecordWith("1,2,3,-1,4,5,6,3,7,8,6,-1,9,9,-1,-1,");
    InclApprList list(&record, true);
    EXPECT_FALSE(list.IsChanged());
    EXPECT_EQ(list.RemoveCharacter(kNoCharID), 0);
    EXPECT_EQ(list.RemoveCharacter(12), 0);
    EXPECT_FALSE(list.IsChanged());
    EXPECT_EQ(list.RemoveCharacter(3), 2);
    EXPECT_EQ(list.Text(), "7,8,6,-1,9,9,-1,-1,");
    // The removal is saved like any other change.
    EXPECT_TRUE(list.IsChanged());
    EXPECT_EQ(list.Save(), kNoErr);
    EXPECT_EQ(StoredText(record), "7,8,6,-1,9,9,-1,-1,");
}

TEST(InclApprList, LoadsFromItsRecordAndSavesOnlyWhenChanged) {
    KeyedText record = RecordWith("5,6,3,7,");
    InclApprList list(&record, true);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_FALSE(list.IsChanged());
    EXPECT_EQ(list.Save(), kNoErr);
    EXPECT_FALSE(record.IsChanged());

    list.Insert(IncludeableAppreciation(1, 1));
    EXPECT_TRUE(list.IsChanged());
    EXPECT_EQ(list.Save(), kNoErr);
    EXPECT_FALSE(list.IsChanged());
    EXPECT_EQ(StoredText(record), "1,1,-1,-1,5,6,7,3,");
}

TEST(InclApprList, NewListIsWrittenEvenWhenEmpty) {
    KeyedText record;
    InclApprList list(&record, false);
    EXPECT_TRUE(list.IsChanged());
    EXPECT_EQ(list.Save(), kNoErr);
    EXPECT_TRUE(record.HasKey(InclApprList::kKey));
    EXPECT_EQ(StoredText(record), "");
}

TEST(InclApprList, MissingKeyGivesAnEmptyList) {
    KeyedText record;
    InclApprList list(&record, true);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_FALSE(list.IsChanged());
    InclApprList withoutRecord(nullptr, true);
    EXPECT_EQ(withoutRecord.GetCount(), 0);
    EXPECT_EQ(withoutRecord.Save(), kNoErr);
}

TEST(InclApprList, LongStoredListsAreReadWhole) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += std::to_string(10000 + i) + ",12345,-1,-1,";
    ASSERT_GT(text.size(), 32768u);
    KeyedText record = RecordWith(text);
    InclApprList list(&record, true);
    ASSERT_EQ(list.GetCount(), 2000);
    EXPECT_EQ(list.GetAt(1999).GetFirstID(), 11999);
    EXPECT_EQ(list.Text(), text);
    // A list too long for its record is not written, and stays marked for a later save.
    list.Insert(IncludeableAppreciation(1, 1));
    EXPECT_LT(list.Save(), 0);
    EXPECT_TRUE(list.IsChanged());
}

}  // namespace
