// The question status of a story: the sorted list and its lookups, which changes mark the story
// changed, the counts, and the stored forms: the text under "QState" of 'QST3' (read four numbers at
// a time, written without entries a missing one would give) and the raw 'QSTs' segment of older
// files, read in either byte order and removed.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/engine/IStoryFormDocument.h"

namespace {

class CountingDocument : public IStoryFormDocument {
public:
    PFMFile* GetStoryFile() override { return nullptr; }
    void SetDirty() override { ++dirtied; }
    void SetClean() override {}
    int dirtied = 0;
};

class QuestionStatusTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        status.SetOwner(&document);
    }
    void TearDown() override {
        PFMCloseFile(store);
        StoreTest::TearDown();
    }

    void StoreText(const std::string& text) {
        PText record(store, QuestionStatus::kRecordType, 0);
        record.SetEntry(QuestionStatus::kKey, 'c', text.c_str());
        ASSERT_EQ(record.Save(), kNoErr);
    }
    std::string StoredText(std::size_t size = 256) {
        PText record(store, QuestionStatus::kRecordType, 0);
        std::vector<char> text(size, '\0');
        std::snprintf(text.data(), text.size(), "<none>");
        record.GetEntry(QuestionStatus::kKey, 'c', text.data(), static_cast<std::int32_t>(text.size()));
        return text.data();
    }

    PFMFile* store = nullptr;
    CountingDocument document;
    QuestionStatus status;
};

TEST_F(QuestionStatusTest, MissingEntriesReadOpenAndClosedAndInsertsKeepTheOrder) {
    status.Load(store);
    EXPECT_TRUE(status.Entries().empty()) << "a story without a question status";
    EXPECT_EQ(status.GetStatus(5, 0), 0);
    EXPECT_EQ(status.GetOpenFlag(5, 0), 0);
    EXPECT_EQ(status.FindOrInsert(5, 0, false), nullptr);

    const QuestionState* made = status.FindOrInsert(7, -3, true);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->status, 0);
    EXPECT_EQ(made->open, 1) << "an entry made by a lookup starts open";
    status.SetStatus(1, 7, 200);
    status.SetStatus(1, -2, 0);
    status.SetStatus(1, 7, -100);
    std::vector<std::pair<int, int>> keys;
    for (const QuestionState& entry : status.Entries()) keys.emplace_back(entry.topic, entry.context);
    const std::vector<std::pair<int, int>> sorted = {{-2, 0}, {7, -100}, {7, -3}, {7, 200}};
    EXPECT_EQ(keys, sorted) << "ordered by topic, then context, both signed";
    EXPECT_EQ(status.FindOrInsert(7, -3, true), &status.Entries()[2]) << "a pair is never added twice";
}

TEST_F(QuestionStatusTest, OnlyAnAnswerGivenOrTakenBackMarksTheStoryChanged) {
    status.SetStatus(1, 10, 0);
    EXPECT_EQ(document.dirtied, 1) << "a new pair answered";
    status.SetStatus(2, 11, 0);
    EXPECT_EQ(document.dirtied, 1) << "answered by the storyform";
    status.SetStatus(4, 10, 0);
    EXPECT_EQ(status.GetStatus(10, 0), 4);
    EXPECT_EQ(document.dirtied, 1) << "1 to 4";
    status.SetStatus(1, 10, 0);
    status.SetStatus(1, 10, 0);
    EXPECT_EQ(document.dirtied, 1) << "4 to 1, then unchanged";
    status.SetStatus(0, 10, 0);
    EXPECT_EQ(document.dirtied, 2) << "1 to 0";
}

TEST_F(QuestionStatusTest, TopicWideStatusAndCounts) {
    const std::int16_t statuses[] = {1, 2, 3, 4, 0};
    for (std::int16_t i = 0; i < 5; ++i) status.SetStatus(statuses[i], 30, i);
    status.SetStatus(1, 29, 0);
    status.SetStatus(1, 31, 0);
    std::int32_t answered = 1;
    std::int32_t total = 10;
    status.CountTopic(30, answered, total);
    EXPECT_EQ(answered, 3) << "added to, not reset";
    EXPECT_EQ(total, 14);

    const int dirtied = document.dirtied;
    status.SetTopicStatus(0, 30);
    for (std::int16_t i = 0; i < 5; ++i) EXPECT_EQ(status.GetStatus(30, i), 0);
    EXPECT_EQ(status.GetStatus(29, 0), 1);
    EXPECT_EQ(status.GetStatus(31, 0), 1);
    status.SetTopicStatus(1, 40);
    EXPECT_EQ(status.FindOrInsert(40, 0, false), nullptr) << "nothing is added";
    EXPECT_EQ(document.dirtied, dirtied);
}

TEST_F(QuestionStatusTest, TheStoredTextIsReadFourNumbersAtATime) {
    StoreText("5,0,1,1,5,1,0,0,");
    status.Load(store);
    EXPECT_EQ(status.Entries().size(), 2u);
    EXPECT_EQ(status.GetStatus(5, 0), 1);
    EXPECT_EQ(status.GetOpenFlag(5, 0), 1);
    EXPECT_NE(status.FindOrInsert(5, 1, false), nullptr);
    ASSERT_EQ(status.Save(store), kNoErr);
    EXPECT_EQ(StoredText(), "5,0,1,1,") << "an entry equal to a missing one is left out";

    QuestionStatus partial;
    StoreText("5,0,1,1,7,3,");
    partial.Load(store);
    EXPECT_EQ(partial.Entries().size(), 1u) << "a trailing group of two is ignored";

    QuestionStatus repeated;
    StoreText("9,-4,1,0,9,-4,2,1,-7,300,4,0,");
    repeated.Load(store);
    ASSERT_EQ(repeated.Entries().size(), 2u);
    EXPECT_EQ(repeated.GetStatus(9, -4), 2) << "the last group of a pair wins";
    EXPECT_EQ(repeated.GetOpenFlag(9, -4), 1);
    EXPECT_EQ(repeated.GetStatus(-7, 300), 4);
    ASSERT_EQ(repeated.Save(store), kNoErr);
    EXPECT_EQ(StoredText(), "-7,300,4,0,9,-4,2,1,");
}

// The text is read to its last character, the longest a record holds too.
TEST_F(QuestionStatusTest, TheStoredTextIsReadToItsLastCharacter) {
    StoreText("3,0,2,12");
    status.Load(store);
    EXPECT_EQ(status.GetOpenFlag(3, 0), 12) << "the last number has no comma after it";

    // A first piece padded with spaces makes the longest text a record holds.
    const std::string longest = std::string(kPTextMaxTextValue - 8, ' ') + "7,0,2,13";
    StoreText(longest);
    ASSERT_EQ(PText(store, QuestionStatus::kRecordType, 0).GetValueSize(QuestionStatus::kKey), longest.size());
    QuestionStatus whole;
    whole.Load(store);
    EXPECT_EQ(whole.GetStatus(7, 0), 2);
    EXPECT_EQ(whole.GetOpenFlag(7, 0), 13);
}

TEST_F(QuestionStatusTest, ALongListIsSavedInWholeEntriesOnly) {
    for (std::int16_t topic = 0; topic < 3000; ++topic) status.SetStatus(1, topic, -32000);
    const std::vector<std::string> texts = status.ToTexts();
    std::size_t commas = 0;
    for (const std::string& text : texts) {
        EXPECT_LT(text.size(), QuestionStatus::kTextLimit);
        EXPECT_EQ(text.back(), ',');
        commas += static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
    }
    ASSERT_EQ(status.Save(store), kNoErr);
    QuestionStatus loaded;
    loaded.Load(store);
    ASSERT_FALSE(loaded.Entries().empty());
    for (const QuestionState& entry : loaded.Entries()) {
        EXPECT_EQ(entry.context, -32000) << entry.topic;
        EXPECT_EQ(entry.status, 1) << entry.topic;
    }
    EXPECT_EQ(loaded.Entries().size() * 4, commas);
}

// 3,000 marks of about 16 characters each need more than one text: the first, which earlier readers
// read alone, is whole entries within the longest text a record holds, and the rest follows under
// keys of their own; the first damaged in the file takes none of the others along. A shorter list
// saved later leaves none of the longer one's parts behind.
TEST_F(QuestionStatusTest, EveryMarkOfAListLongerThanOneTextIsKeptAndAShorterOneLeavesNoPartBehind) {
    for (std::int16_t topic = 0; topic < 3000; ++topic) status.SetStatus(1, topic, -32000);
    ASSERT_EQ(status.Save(store), kNoErr);
    {
        PText record(store, QuestionStatus::kRecordType, 0);
        const std::uint32_t first = record.GetValueSize(QuestionStatus::kKey);
        EXPECT_LE(first, kPTextMaxTextValue);
        EXPECT_GT(first, kPTextMaxTextValue - 20) << "the first text is filled before the next begins";
        EXPECT_TRUE(record.HasKey("QState2"));
        EXPECT_FALSE(record.HasKey("QState3"));
        const std::string text = StoredText(kPTextMaxTextValue + 1);
        EXPECT_EQ(text.back(), ',') << "whole entries only";
        QuestionStatus earlier;
        earlier.AddFromText(text.c_str());
        EXPECT_EQ(earlier.Entries().size() * 4,
                  static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')));
        for (const QuestionState& entry : earlier.Entries()) EXPECT_EQ(entry.context, -32000) << entry.topic;
    }
    QuestionStatus loaded;
    loaded.Load(store);
    ASSERT_EQ(loaded.Entries().size(), 3000u);
    EXPECT_EQ(loaded.GetStatus(2999, -32000), 1) << "the highest topic too";
    EXPECT_EQ(loaded.GetOpenFlag(2999, -32000), 1);

    PFMSetCurrentFile(store);
    std::string damaged = SegmentText(QuestionStatus::kRecordType, 0);
    damaged[std::string("\\QState").size()] = '#';  // the first part's type letter
    PFMRemoveSegment(QuestionStatus::kRecordType, 0);
    ASSERT_EQ(AddText(QuestionStatus::kRecordType, 0, damaged), kNoErr);
    QuestionStatus spared;
    EXPECT_TRUE(spared.Load(store));
    EXPECT_EQ(spared.GetStatus(0, -32000), 0) << "a mark of the first part";
    EXPECT_EQ(spared.GetStatus(2999, -32000), 1) << "a mark of the second part";

    QuestionStatus shorter;
    shorter.SetStatus(1, 3, 0);
    ASSERT_EQ(shorter.Save(store), kNoErr);
    EXPECT_FALSE(PText(store, QuestionStatus::kRecordType, 0).HasKey("QState2"));
    QuestionStatus reloaded;
    reloaded.Load(store);
    ASSERT_EQ(reloaded.Entries().size(), 1u);
    EXPECT_EQ(reloaded.GetStatus(3, 0), 1);
}

TEST_F(QuestionStatusTest, TheRawListOfOlderFilesIsReadInEitherByteOrderAndRemoved) {
    PFMSetCurrentFile(store);
    // Stored as written on the machine that made it: low byte first.
    ASSERT_EQ(AddText(QuestionStatus::kRawType, 0, std::string("\x0C\x00\x02\x00\x01\x00\x01\x00", 8) + "xyz"),
              kNoErr);
    StoreText("99,0,1,1,");
    status.Load(store);
    ASSERT_EQ(status.Entries().size(), 1u) << "'QST3' is not read when the raw list is there";
    EXPECT_EQ(status.GetStatus(12, 2), 1);
    EXPECT_EQ(status.GetOpenFlag(12, 2), 1);
    EXPECT_FALSE(PFMSegmentExists(QuestionStatus::kRawType, 0));

    QuestionStatus swapped;
    ASSERT_EQ(AddText(QuestionStatus::kRawType, 0,
                      std::string("\x00\x0C\xFF\xFE\x00\x02\x00\x01" "\x01\x00\x00\x03\x00\x01\x00\x00", 16)),
              kNoErr);
    swapped.Load(store);
    EXPECT_EQ(swapped.GetStatus(12, -2), 2) << "an open flag reading 256 means high byte first";
    EXPECT_EQ(swapped.GetOpenFlag(12, -2), 1);
    EXPECT_EQ(swapped.GetStatus(256, 3), 1);
    EXPECT_FALSE(PFMSegmentExists(QuestionStatus::kRawType, 0));
}

// Any entry's open flag may show the byte order, and the order found holds for every entry: here
// only the middle one of three is open.
TEST_F(QuestionStatusTest, TheByteOrderFoundInOneEntryIsReadForEveryEntry) {
    PFMSetCurrentFile(store);
    ASSERT_EQ(AddText(QuestionStatus::kRawType, 0,
                      std::string("\x00\x05\x00\x01\x00\x02\x00\x00"
                                  "\x00\x07\xFF\xFF\x00\x01\x00\x01"
                                  "\x01\x02\x00\x04\x00\x03\x00\x00",
                                  24)),
              kNoErr);
    status.Load(store);
    ASSERT_EQ(status.Entries().size(), 3u);
    EXPECT_EQ(status.GetStatus(5, 1), 2) << "the first entry, before the open one";
    EXPECT_EQ(status.GetOpenFlag(5, 1), 0);
    EXPECT_EQ(status.GetStatus(7, -1), 1);
    EXPECT_EQ(status.GetOpenFlag(7, -1), 1);
    EXPECT_EQ(status.GetStatus(258, 4), 3) << "the last entry, after the open one";
    EXPECT_EQ(status.GetOpenFlag(258, 4), 0);
}

TEST_F(QuestionStatusTest, SavingAnUnchangedListLeavesTheRecordAlone) {
    StoreText("5,0,1,1,");
    status.Load(store);
    PFMSetCurrentFile(store);
    PFMSaveFile(&static_cast<const FileRef&>(Ref("status.fsf", kAccessCreate)));
    EXPECT_FALSE(PFMIsChanged(store));
    ASSERT_EQ(status.Save(store), kNoErr);
    EXPECT_FALSE(PFMIsChanged(store));
    status.SetStatus(1, 6, 0);
    ASSERT_EQ(status.Save(store), kNoErr);
    EXPECT_TRUE(PFMIsChanged(store));

    // A list of two texts, saved and saved again unchanged.
    for (std::int16_t topic = 0; topic < 3000; ++topic) status.SetStatus(1, topic, -32000);
    ASSERT_EQ(status.Save(store), kNoErr);
    PFMSaveFile(&static_cast<const FileRef&>(Ref("status.fsf", kAccessCreate)));
    ASSERT_FALSE(PFMIsChanged(store));
    ASSERT_EQ(status.Save(store), kNoErr);
    EXPECT_FALSE(PFMIsChanged(store));
}

}  // namespace
