// Keyed text records in their store segments: opening, saving, deleting, and the binding of a
// record to the store it was opened on.

#include "foundation/pfm/PText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/TextIO.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/ScrambleKeyScope.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "foundation/pfm/TestRecord.h"

namespace {

constexpr FourCC kPrefs = FourCCOf("CTNG");
constexpr FourCC kStory = FourCCOf("SDOC");

std::string NulTerminated(const std::string& text) { return text + '\0'; }

// The bytes of a raw segment of one store, without chain search.
std::string OwnSegment(PFMFile* store, FourCC type, std::uint16_t id) {
    CheckedOutHdl segment(type, id, store);
    return segment.Data() ? BlockText(segment.Data()) : std::string("<none>");
}

std::string Text(PText& record, const char* key) {
    char buffer[256] = "(default)";
    record.GetEntry(key, 'c', buffer, sizeof buffer);
    return buffer;
}

using PTextTest = StoreTest;

TEST_F(PTextTest, MissingRecordStartsEmptyAndIsMadeByItsFirstSave) {
    PFMFile* store = PFMOpenFile(nullptr);
    ErrCode err = 0;
    PText record(nullptr, kPrefs, 1, &err);
    EXPECT_EQ(err, kPTextErrNoRecord);
    EXPECT_FALSE(record.IsPresent());
    EXPECT_EQ(record.GetStore(), store);
    // Nothing changed: nothing to write.
    EXPECT_EQ(record.Save(), kNoErr);
    EXPECT_FALSE(record.WasSaved());
    EXPECT_FALSE(PFMSegmentExists(kPrefs, 1));

    record.Clear();
    EXPECT_EQ(record.Save(), kNoErr);
    EXPECT_TRUE(record.WasSaved());
    EXPECT_TRUE(record.IsPresent());
    EXPECT_EQ(OwnSegment(store, kPrefs, 1), std::string("\\\0", 2));
    EXPECT_TRUE(PFMIsRawSegment(kPrefs, 1));
    EXPECT_EQ(PFMGetSegmentPriority(kPrefs, 1), 1);
    EXPECT_EQ(PFMGetLockCount(kPrefs, 1), 0u);
    EXPECT_TRUE(PFMIsChanged(store));
}

TEST_F(PTextTest, StoredRecordIsReadAndDefaultsSurvive) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 3, NulTerminated("\\NMc:Bob\\Sexs:1\\")), kNoErr);
    ErrCode err = -1;
    PText record(store, kPrefs, 3, &err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_TRUE(record.IsPresent());
    EXPECT_EQ(Text(record, "NM"), "Bob");
    std::int16_t value = 42;
    EXPECT_EQ(record.GetEntry("NM", 's', &value), kPTextErrTypeMismatch);
    EXPECT_EQ(record.GetValue("Age", 's', &value), kPTextErrNoKey);
    EXPECT_EQ(value, 42);
    EXPECT_GE(record.GetValue("Sex", 's', &value), 0);
    EXPECT_EQ(value, 1);
    // Reading marks nothing changed and holds no lock.
    EXPECT_FALSE(record.IsChanged());
    EXPECT_EQ(PFMGetLockCount(kPrefs, 3), 0u);
}

TEST_F(PTextTest, SavedRecordHoldsItsTextInKeyOrder) {
    PFMFile* store = PFMOpenFile(nullptr);
    {
        PText record(nullptr, kStory, 128);
        const std::int16_t sex = 1;
        const double ratio = 2.5;
        record.SetValue("NM", 'c', "Bob");
        record.SetEntry("Sex", 's', &sex);
        record.SetEntry("Ratio", 'd', &ratio);
        ASSERT_EQ(record.Save(), kNoErr);
        EXPECT_FALSE(record.IsChanged());
    }
    EXPECT_EQ(OwnSegment(store, kStory, 128), NulTerminated("\\NMc:Bob\\Ratiod:2.500000\\Sexs:1\\"));

    // Untouched entries keep their bytes; a changed one is written anew in its place.
    {
        PText record(nullptr, kStory, 128);
        record.SetNumberByName("Sex", 's', 2);
        record.SetNumberByName("Count", 'l', -70000);
        EXPECT_EQ(record.SetNumberByName("NM", 'c', 1), kPTextErrBadType);
        ASSERT_EQ(record.Save(), kNoErr);
    }
    EXPECT_EQ(OwnSegment(store, kStory, 128),
              NulTerminated("\\Countl:-70000\\NMc:Bob\\Ratiod:2.500000\\Sexs:2\\"));
}

TEST_F(PTextTest, DestroyingNeverSaves) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 1, NulTerminated("\\Ac:old\\")), kNoErr);
    PFMSetChanged(PFMGetSegmentData(kPrefs, 1), false);
    {
        PText record(nullptr, kPrefs, 1);
        record.SetValue("A", 'c', "new");
        record.SetValue("B", 'c', "more");
        EXPECT_TRUE(record.IsChanged());
    }
    EXPECT_EQ(OwnSegment(store, kPrefs, 1), NulTerminated("\\Ac:old\\"));
    EXPECT_FALSE(PFMIsSegmentChanged(PFMGetSegmentData(kPrefs, 1)));
}

TEST_F(PTextTest, DeletedRecordLosesItsSegmentUnlessGivenANewKey) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 1, NulTerminated("\\Ac:one\\")), kNoErr);
    ASSERT_EQ(AddText(kPrefs, 2, NulTerminated("\\Ac:two\\")), kNoErr);
    {
        PText record(nullptr, kPrefs, 1);
        record.Delete();
        EXPECT_TRUE(record.IsDeleted());
        EXPECT_FALSE(record.HasKey("A"));
    }
    EXPECT_FALSE(PFMSegmentExists(kPrefs, 1));
    {
        PText record(nullptr, kPrefs, 2);
        record.Delete();
        record.SetValue("B", 'c', "kept");
        EXPECT_FALSE(record.IsDeleted());
        ASSERT_EQ(record.Save(), kNoErr);
    }
    EXPECT_EQ(OwnSegment(store, kPrefs, 2), NulTerminated("\\Bc:kept\\"));
}

TEST_F(PTextTest, RecordKeepsTheStoreItWasOpenedOn) {
    PFMFile* first = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 1, NulTerminated("\\Ac:first\\")), kNoErr);
    PFMSetCurrentFile(nullptr);
    PFMFile* second = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 1, NulTerminated("\\Ac:second\\")), kNoErr);
    ASSERT_EQ(PFMGetCurrentFile(), second);

    {
        PText record(first, kPrefs, 1);
        EXPECT_EQ(Text(record, "A"), "first");
        record.SetValue("A", 'c', "changed");
        // Another store is current when the record is saved and destroyed.
        ASSERT_EQ(record.Save(), kNoErr);
        EXPECT_EQ(PFMGetCurrentFile(), second);
        record.Delete();
    }
    EXPECT_EQ(PFMGetCurrentFile(), second);
    EXPECT_EQ(OwnSegment(first, kPrefs, 1), "<none>");
    EXPECT_EQ(OwnSegment(second, kPrefs, 1), NulTerminated("\\Ac:second\\"));
}

TEST_F(PTextTest, RecordReadFromAParentIsSavedIntoItsOwnStore) {
    PFMFile* application = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 1, NulTerminated("\\Ac:shared\\")), kNoErr);
    PFMSetChanged(PFMGetSegmentData(kPrefs, 1), false);
    PFMFile* document = PFMOpenFile(nullptr);
    ASSERT_EQ(PFMGetParentFile(document), application);

    {
        ErrCode err = -1;
        PText record(document, kPrefs, 1, &err);
        EXPECT_EQ(err, kNoErr);
        EXPECT_EQ(Text(record, "A"), "shared");
        record.SetValue("A", 'c', "a much longer text of the document's own");
        ASSERT_EQ(record.Save(), kNoErr);
    }
    EXPECT_EQ(OwnSegment(document, kPrefs, 1),
              NulTerminated("\\Ac:a much longer text of the document's own\\"));
    EXPECT_EQ(OwnSegment(application, kPrefs, 1), NulTerminated("\\Ac:shared\\"));
    {
        PFMFileScope scope(application, false);
        EXPECT_FALSE(PFMIsSegmentChanged(PFMGetSegmentData(kPrefs, 1)));
    }

    // Without chain search the parent's record is not seen.
    PFMFileScope scope(document, false);
    ErrCode err = 0;
    PText record(nullptr, kPrefs, 2, &err);
    EXPECT_EQ(err, kPTextErrNoRecord);
}

TEST_F(PTextTest, TwoRecordObjectsOnOneSegment) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kPrefs, 1, NulTerminated("\\Ac:a\\Bc:b\\")), kNoErr);
    PText first(store, kPrefs, 1);
    PText second(store, kPrefs, 1);
    second.SetValue("A", 'c', std::string(500, 'x').c_str());
    ASSERT_EQ(second.Save(), kNoErr);
    // The first object reads its own copy, not the segment that changed under it.
    EXPECT_EQ(Text(first, "B"), "b");
    EXPECT_EQ(Text(first, "A"), "a");
    first.SetValue("C", 'c', "c");
    ASSERT_EQ(first.Save(), kNoErr);
    EXPECT_EQ(OwnSegment(store, kPrefs, 1), NulTerminated("\\Ac:a\\Bc:b\\Cc:c\\"));
}

TEST_F(PTextTest, SaveReportsAStoreThatIsGone) {
    PFMFile* store = PFMOpenFile(nullptr);
    PText record(store, kPrefs, 1);
    record.SetValue("A", 'c', "a");
    ASSERT_EQ(PFMCloseFile(store), kNoErr);
    EXPECT_EQ(record.Save(), kFileNotFoundErr);
    EXPECT_TRUE(record.IsChanged());
    EXPECT_FALSE(record.WasSaved());
    record.Delete();  // destroying it touches no store

    PText orphan(nullptr, kPrefs, 1);
    EXPECT_EQ(orphan.GetStore(), nullptr);
    orphan.SetValue("A", 'c', "a");
    EXPECT_EQ(orphan.Save(), kFileNotFoundErr);
}

TEST_F(PTextTest, FlushedFlagTellsWhetherASaveWrote) {
    PFMOpenFile(nullptr);
    PText record(nullptr, kPrefs, 1);
    record.SetValue("A", 'c', "a");
    ASSERT_EQ(record.Save(), kNoErr);
    EXPECT_TRUE(record.WasSaved());
    record.ClearFlushedFlag();
    EXPECT_EQ(record.Save(), kNoErr);  // nothing changed since
    EXPECT_FALSE(record.WasSaved());
}

TEST_F(PTextTest, SegmentsOfOtherKindsAndDamagedTexts) {
    PFMFile* store = PFMOpenFile(nullptr);
    TestRecord* object = new TestRecord("not text");
    ASSERT_EQ(PFMAddSegment(kPrefs, 1, object, 1, true), kNoErr);
    PFMCheckIn(object);
    ErrCode err = 0;
    {
        PText record(store, kPrefs, 1, &err);
        EXPECT_EQ(err, kBadDataErr);
        record.SetValue("A", 'c', "a");
        EXPECT_EQ(record.Save(), kBadDataErr);
    }
    EXPECT_TRUE(PFMIsObjectSegment(kPrefs, 1));

    ASSERT_EQ(AddText(kPrefs, 2, NulTerminated("\\Ac:one\\Bc")), kNoErr);
    PText damaged(store, kPrefs, 2, &err);
    EXPECT_EQ(err, kPTextErrNoColon);
    EXPECT_EQ(Text(damaged, "A"), "one");
    // A segment without its final NUL reads as far as it goes.
    ASSERT_EQ(AddText(kPrefs, 3, "\\Ac:abc\\Bc:unterminated"), kNoErr);
    PText cut(store, kPrefs, 3, &err);
    EXPECT_EQ(err, kPTextErrUnterminated);
    EXPECT_EQ(Text(cut, "A"), "abc");

    // A text cut short reads without an error: the store notes the record once for its opener, but
    // not when read through a child store (a parse error is the opener's to tell).
    ASSERT_EQ(AddText(kPrefs, 4, NulTerminated("\\Ac10:xyzxyzxyzxyzxyzxyzxyzx\\Bc:b\\")), kNoErr);
    PText cutShort(store, kPrefs, 4, &err);
    EXPECT_EQ(err, kNoErr);
    PText again(store, kPrefs, 4);
    EXPECT_EQ(PFMTakeDamagedRecords(store), (std::vector<PFMSegmentKey>{{kPrefs, 4}}));
    EXPECT_TRUE(PFMTakeDamagedRecords(store).empty());
    PText inherited(PFMOpenFile(nullptr), kPrefs, 4);
    EXPECT_TRUE(PFMTakeDamagedRecords(inherited.GetStore()).empty());
}

// A record whose stored form in the file is damaged answers the store's error, and leaves none
// behind to fail whatever the store is asked next.
TEST_F(PTextTest, ADamagedStoredFormIsTheRecordsErrorAlone) {
    const FileRef ref = Ref("story.fsf");
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kStory, 1, NulTerminated("\\Titlec:A Tale")), kNoErr);
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(store);
    std::string bytes = FileBytes("story.fsf");
    const FileLayout layout = ReadFileLayout(bytes);
    ASSERT_EQ(layout.map.size(), 1u);
    // The block's length no longer matches the map's size, which leaves no room for it: neither
    // bears the record out.
    ++bytes[layout.map[0].position + 5];
    bytes[layout.header.mapPosition + 4 + 4 + 3] = 5;
    folder_.WriteFile("story.fsf", bytes);

    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    ErrCode err = kNoErr;
    PText damaged(nullptr, kStory, 1, &err);
    EXPECT_EQ(err, kBadDataErr);
    EXPECT_FALSE(damaged.HasKey("Title"));
    EXPECT_EQ(PFMGetError(), kNoErr);
    PText missing(nullptr, kStory, 2, &err);
    EXPECT_EQ(err, kPTextErrNoRecord) << "not the damaged record's error";
}

TEST_F(PTextTest, RecordsSurviveTheStoreFile) {
    const FileRef ref = Ref("story.fsf");
    PFMFile* store = PFMOpenFile(nullptr);
    {
        PText record(store, kStory, 128);
        const float f = 0.1f;
        record.SetValue("Title", 'c', "A Tale");
        record.SetEntry("F", 'f', &f);
        ASSERT_EQ(record.Save(), kNoErr);
    }
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    ASSERT_EQ(PFMCloseFile(store), kNoErr);

    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    ErrCode err = -1;
    PText record(nullptr, kStory, 128, &err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_EQ(Text(record, "Title"), "A Tale");
    float f = 0;
    EXPECT_GE(record.GetEntry("F", 'f', &f), 0);
    EXPECT_FLOAT_EQ(f, 0.1f);
}

TEST_F(PTextTest, ScrambledRecordsAreKeyedByTheirAddress) {
    PFMFile* store = PFMOpenFile(nullptr);
    const std::string plain = NulTerminated("\\Secretc:hidden words\\");
    {
        PText record(store, kPrefs, 7, nullptr, false, true);
        record.SetValue("Secret", 'c', "hidden words");
        ASSERT_EQ(record.Save(), kNoErr);
    }
    EXPECT_EQ(PFMGetSegmentPriority(kPrefs, 7), 0);
    std::string stored = OwnSegment(store, kPrefs, 7);
    ASSERT_EQ(stored.size(), plain.size());
    EXPECT_NE(stored, plain);
    {
        ScrambleKeyScope key(kPrefs, 7);
        ScrambleText(static_cast<std::uint32_t>(stored.size()), stored.data());
    }
    EXPECT_EQ(stored, plain);
    EXPECT_EQ(GetScrambleKey(), 0);

    ErrCode err = -1;
    PText reread(store, kPrefs, 7, &err, false, true);
    EXPECT_EQ(err, kNoErr);
    EXPECT_EQ(Text(reread, "Secret"), "hidden words");
}

TEST(ScrambleKeyScope, KeyIsTheXorOfTheAddressBytes) {
    EXPECT_EQ(ScrambleKeyScope::CurrentType(), 0u);
    EXPECT_EQ(ScrambleKeyScope::CurrentId(), 0xFFFF);
    {
        ScrambleKeyScope key(MakeFourCC('\x01', '\x02', '\x04', '\x08'), 0x2010);
        EXPECT_EQ(GetScrambleKey(), 0x3F);
        EXPECT_EQ(ScrambleKeyScope::CurrentId(), 0x2010);
        {
            ScrambleKeyScope inner(FourCCOf("AAAA"), 0x4141);
            EXPECT_EQ(GetScrambleKey(), 0);
            EXPECT_EQ(ScrambleKeyScope::CurrentType(), FourCCOf("AAAA"));
        }
        EXPECT_EQ(GetScrambleKey(), 0x3F);
    }
    EXPECT_EQ(GetScrambleKey(), 0);
    EXPECT_EQ(ScrambleKeyScope::CurrentType(), 0u);
    EXPECT_EQ(ScrambleKeyScope::CurrentId(), 0xFFFF);
}

}  // namespace
