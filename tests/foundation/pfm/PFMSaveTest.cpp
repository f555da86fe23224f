// Saving stores: full saves with their three groups of segments, fast saves, saves to other files
// and copies, backups, and the files a save must never harm.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>

#include "foundation/FileError.h"
#include "foundation/PathUtil.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/ProgressTracker.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "foundation/pfm/TestRecord.h"

namespace {

constexpr FourCC kPict = FourCCOf("PICT");
constexpr FourCC kItem = FourCCOf("ITM#");

class PFMSaveTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        RegisterObjectFactory(TestRecord::Factory);
    }

    // A saved store of ten raw segments and one object, closed again.
    FileRef MakeStoreFile(const std::string& name) {
        PFMFile* store = PFMOpenFile(nullptr);
        EXPECT_NE(store, nullptr);
        for (std::uint16_t id = 0; id < 10; ++id) {
            EXPECT_EQ(AddText(kText, id, "text " + std::to_string(id) + std::string(id * 10, 'x')), kNoErr);
        }
        auto* record = new TestRecord("an object");
        EXPECT_EQ(PFMAddSegment(kItem, 128, record, 2, true), kNoErr);
        PFMCheckIn(record);
        const FileRef ref = Ref(name);
        EXPECT_EQ(PFMSaveFile(&ref), kNoErr);
        PFMCloseFile(store);
        return ref;
    }

    // Brings a store's segments into all three places a save takes them from: some unchanged in
    // the file, some changed in the swap file, some changed or new in memory.
    void SpreadSegments() {
        void* loaded = PFMCheckOut(kText, 1);  // loaded, unchanged: still current in the file
        PFMCheckIn(loaded);
        PFMSetSegmentPriority(kText, 2, 0);
        void* swapped = PFMCheckOut(kText, 2);
        std::memcpy(swapped, "TEXT", 4);
        PFMSetChanged(swapped, true);
        PFMCheckIn(swapped);  // priority 0 and changed: to the swap file
        void* changed = PFMCheckOut(kText, 3);
        std::memcpy(changed, "CHANGED", 7);
        PFMSetChanged(changed, true);
        PFMCheckIn(changed);
        ASSERT_EQ(AddText(kPict, 1, "a new segment"), kNoErr);
        ASSERT_TRUE(PFMRemoveSegment(kText, 9));
    }

    // Saves story.fsf, whose backup story.bak cannot be replaced, with a backup asked for: the
    // save goes on without one, says why, and leaves story.bak as it was.
    void ExpectSavedWithoutBackup(const std::string& why) {
        const std::string backupBefore = FileBytes("story.bak");
        PFMSetCurrentFile(nullptr);
        const FileRef ref = Ref("story.fsf");
        PFMFile* store = PFMOpenFile(&ref);
        ASSERT_NE(store, nullptr);
        PFMSetKeepBackup(true, *store);
        SpreadSegments();
        Messages().clear();
        ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0],
                  "Backup file \"" + Path("story.bak") + "\" is " + why +
                      ", saving will continue without backing up the previous version of file \"" +
                      Path("story.fsf") + "\".");
        EXPECT_EQ(FileBytes("story.bak"), backupBefore);
        ExpectSpreadContents();
        PFMCloseFile(store);
    }

    static void ExpectSpreadContents() {
        EXPECT_EQ(SegmentText(kText, 1), "text 1xxxxxxxxxx");
        EXPECT_EQ(SegmentText(kText, 2).substr(0, 6), "TEXT 2");
        EXPECT_EQ(SegmentText(kText, 3).substr(0, 7), "CHANGED");
        EXPECT_EQ(SegmentText(kText, 8), "text 8" + std::string(80, 'x'));
        EXPECT_EQ(SegmentText(kPict, 1), "a new segment");
        EXPECT_FALSE(PFMSegmentExists(kText, 9));
        auto* record = static_cast<TestRecord*>(PFMCheckOut(kItem, 128));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->text, "an object");
        PFMCheckIn(record);
    }
};

TEST_F(PFMSaveTest, AnEmptyStoreSavesAsSixtyTwoBytes) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    const FileRef ref = Ref("empty.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    const FileLayout layout = ReadFileLayout(FileBytes("empty.fsf"));
    EXPECT_EQ(FileBytes("empty.fsf").size(), 62u);
    EXPECT_EQ(layout.header.mapPosition, 58u);
    EXPECT_EQ(layout.header.fullSaveSize, 62u);
    EXPECT_EQ(layout.header.creatorApp, kTestApp);
    EXPECT_EQ(layout.header.lastVersion, kTestVersion);
    EXPECT_EQ(layout.header.creatorPlatform, 7);
}

TEST_F(PFMSaveTest, ResavingAFullySavedFileGivesTheSameBytes) {
    const FileRef ref = MakeStoreFile("story.fsf");
    const std::string before = FileBytes("story.fsf");
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    void* loaded = PFMCheckOut(kText, 4);  // loaded but unchanged: copied from the file as it was
    PFMCheckIn(loaded);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_EQ(FileBytes("story.fsf"), before);
}

TEST_F(PFMSaveTest, FullSaveTakesSegmentsFromFileSwapAndMemory) {
    const FileRef ref = MakeStoreFile("story.fsf");
    const FileLayout original = ReadFileLayout(FileBytes("story.fsf"));
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    SpreadSegments();
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_FALSE(PFMIsChanged(nullptr));
    ExpectSpreadContents();

    const FileLayout saved = ReadFileLayout(FileBytes("story.fsf"));
    ASSERT_EQ(saved.error, kNoErr);
    EXPECT_EQ(saved.header.saveType, kPFMFullSave);
    EXPECT_EQ(saved.header.fullSaveSize, FileBytes("story.fsf").size());
    // Unchanged segments keep their stored bytes exactly.
    for (const FileSegment& segment : original.segments) {
        if (segment.type == kText && (segment.id == 2 || segment.id == 3 || segment.id == 9)) continue;
        auto found = std::find_if(saved.segments.begin(), saved.segments.end(), [&](const FileSegment& s) {
            return s.type == segment.type && s.id == segment.id;
        });
        ASSERT_NE(found, saved.segments.end());
        EXPECT_EQ(*found, segment);
    }
    // The store works on from the new file.
    PFMCloseFile(nullptr);
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    ExpectSpreadContents();
}

TEST_F(PFMSaveTest, FastSaveThenReopeningEqualsAFullSave) {
    const FileRef fast = MakeStoreFile("fast.fsf");
    const FileRef full = MakeStoreFile("full.fsf");
    const std::uint32_t oldLength = static_cast<std::uint32_t>(FileBytes("fast.fsf").size());

    PFMFile* fastStore = PFMOpenFile(&fast);
    ASSERT_NE(fastStore, nullptr);
    EXPECT_FALSE(PFMSetFastSave(true, fastStore));
    SpreadSegments();
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    ExpectSpreadContents();
    PFMCloseFile(fastStore);

    PFMFile* fullStore = PFMOpenFile(&full);
    ASSERT_NE(fullStore, nullptr);
    SpreadSegments();
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    PFMCloseFile(fullStore);

    const FileLayout fastLayout = ReadFileLayout(FileBytes("fast.fsf"));
    const FileLayout fullLayout = ReadFileLayout(FileBytes("full.fsf"));
    ASSERT_EQ(fastLayout.error, kNoErr);
    EXPECT_EQ(fastLayout.segments, fullLayout.segments);
    EXPECT_EQ(fastLayout.header.saveType, kPFMFastSave);
    EXPECT_EQ(fastLayout.header.fullSaveSize, oldLength);
    EXPECT_GT(fastLayout.header.mapPosition, oldLength);

    ASSERT_NE(PFMOpenFile(&fast), nullptr);
    ExpectSpreadContents();
}

TEST_F(PFMSaveTest, TwoFastSavesLeaveTwoOldMapsBehind) {
    const FileRef ref = MakeStoreFile("story.fsf");
    PFMFile* store = PFMOpenFile(&ref);
    PFMSetFastSave(true, store);
    const std::uint32_t firstMap = ReadFileLayout(FileBytes("story.fsf")).header.mapPosition;
    MarkChanged(kText, 5);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    const std::uint32_t secondMap = ReadFileLayout(FileBytes("story.fsf")).header.mapPosition;
    MarkChanged(kText, 6);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    const FileLayout layout = ReadFileLayout(FileBytes("story.fsf"));
    EXPECT_LT(firstMap, secondMap);
    EXPECT_LT(secondMap, layout.header.mapPosition);
    const std::string bytes = FileBytes("story.fsf");
    // Both old maps are still there, each starting with the segment count.
    EXPECT_EQ(bytes.substr(firstMap, 4), std::string("\0\0\0\x0B", 4));
    EXPECT_EQ(bytes.substr(secondMap, 4), std::string("\0\0\0\x0B", 4));
    EXPECT_EQ(layout.map.size(), 11u);
    std::uint32_t fullSize = 0;
    std::uint32_t length = 0;
    ASSERT_EQ(PFMGetFileSizes(store, fullSize, length), kNoErr);
    EXPECT_EQ(fullSize, firstMap + 4 + 11 * 16);
    EXPECT_EQ(length, bytes.size());
}

TEST_F(PFMSaveTest, AStoreOpenedForReadingSavesInFull) {
    const FileRef written = MakeStoreFile("story.fsf");
    const FileRef ref = Ref("story.fsf", kAccessRead);
    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    PFMSetFastSave(true, store);
    SpreadSegments();
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_EQ(ReadFileLayout(FileBytes("story.fsf")).header.saveType, kPFMFullSave);
    ExpectSpreadContents();
    // Reopened for writing after the save, the next one appends.
    MarkChanged(kText, 4);
    ASSERT_EQ(PFMSaveFile(&written), kNoErr);
    EXPECT_EQ(ReadFileLayout(FileBytes("story.fsf")).header.saveType, kPFMFastSave);
}

TEST_F(PFMSaveTest, FastSaveNeedsAnEarlierFullSave) {
    const FileRef ref = MakeStoreFile("story.fsf");
    std::string bytes = FileBytes("story.fsf");
    std::memset(bytes.data() + 34, 0, 4);  // full-save size 0: never fully saved
    folder_.WriteFile("story.fsf", bytes);
    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    PFMSetFastSave(true, store);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    const FileLayout layout = ReadFileLayout(FileBytes("story.fsf"));
    EXPECT_EQ(layout.header.saveType, kPFMFullSave);
    EXPECT_EQ(layout.header.fullSaveSize, FileBytes("story.fsf").size());
}

TEST_F(PFMSaveTest, SegmentsSharingAKeyAreSavedEach) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 1, "older", 0), kNoErr);  // in the swap file
    ASSERT_EQ(AddText(kText, 1, "newer"), kNoErr);     // in memory
    const FileRef ref = Ref("twice.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMSetFastSave(true, store);
    ASSERT_EQ(AddText(kText, 1, "newest", 0), kNoErr);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);

    const FileLayout layout = ReadFileLayout(FileBytes("twice.fsf"));
    std::vector<std::string> texts;
    for (const FileSegment& segment : layout.segments) texts.push_back(segment.bytes.substr(6));
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"newer", "newest", "older"}));
    PFMCloseFile(store);
    // A map that lists a key more than once is read as damaged: the record listed first, the
    // segment a look-up answered before the save, is read; the others are left out and named.
    PFMFile* reopened = PFMOpenFile(&ref);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(SegmentText(kText, 1), "older");
    EXPECT_EQ(PFMGetLeftOutRecords(reopened).size(), 2u);
    EXPECT_TRUE(PFMRemoveSegment(kText, 1));
    EXPECT_FALSE(PFMSegmentExists(kText, 1));
}

TEST_F(PFMSaveTest, KindsThisProgramDoesNotKnowSurviveSaves) {
    const FileRef ref = MakeStoreFile("story.fsf");
    // Turn the object's record into an unknown kind with bits of its own.
    std::string bytes = FileBytes("story.fsf");
    const FileLayout layout = ReadFileLayout(bytes);
    const std::size_t objectRecord = std::find_if(layout.map.begin(), layout.map.end(),
                                                  [](const SegmentMapRecord& r) { return r.type == kItem; }) -
                                     layout.map.begin();
    const std::size_t flagsAt = layout.header.mapPosition + 4 + 16 * objectRecord + 14;
    bytes[flagsAt] = 0x20;
    bytes[flagsAt + 1] = static_cast<char>(0x87);
    folder_.WriteFile("story.fsf", bytes);

    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(PFMIsSegmentKind(kItem, 128, kUnknownSegment));
    EXPECT_EQ(PFMCheckOut(kItem, 128), nullptr);
    EXPECT_EQ(PFMGetError(), kUnsupportedFormatErr);
    MarkChanged(kText, 0);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    PFMSetFastSave(true, store);
    MarkChanged(kText, 0);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);

    const FileLayout saved = ReadFileLayout(FileBytes("story.fsf"));
    auto unknown = std::find_if(saved.segments.begin(), saved.segments.end(),
                                [](const FileSegment& s) { return s.type == kItem; });
    ASSERT_NE(unknown, saved.segments.end());
    EXPECT_EQ(unknown->flags, 0x2087);
    EXPECT_EQ(unknown->bytes, layout.segments.front().bytes);  // ITM# sorts before TEXT
}

TEST_F(PFMSaveTest, ASavedFileKeepsItsPermissions) {
    const FileRef ref = MakeStoreFile("private.fsf");
    ASSERT_EQ(::chmod(Path("private.fsf").c_str(), 0600), 0);
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    SpreadSegments();
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    struct stat status;
    ASSERT_EQ(::stat(Path("private.fsf").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
}

TEST_F(PFMSaveTest, SaveAsMovesTheStoreAndLeavesTheOldFile) {
    const FileRef ref = MakeStoreFile("story.fsf");
    const std::string before = FileBytes("story.fsf");
    PFMFile* store = PFMOpenFile(&ref);
    SpreadSegments();
    const FileRef other = Ref("other.fsf");
    ASSERT_EQ(PFMSaveFile(&other), kNoErr);
    EXPECT_TRUE(PFMGetFileRef(store).IsSameFile(other));
    EXPECT_EQ(FileBytes("story.fsf"), before);
    EXPECT_FALSE(PFMIsChanged(store));
    ExpectSpreadContents();
    PFMCloseFile(store);
    ASSERT_NE(PFMOpenFile(&other), nullptr);
    ExpectSpreadContents();
}

TEST_F(PFMSaveTest, SavingOntoTheStoresOwnFileIsASaveInPlace) {
    const FileRef ref = MakeStoreFile("story.fsf");
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    SpreadSegments();
    const FileRef same((folder_.Path() + "/./story.fsf").c_str(), kAccessReadWrite);
    ASSERT_EQ(PFMSaveFile(&same), kNoErr);
    ExpectSpreadContents();
    PFMCloseFile(nullptr);
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    ExpectSpreadContents();
}

TEST_F(PFMSaveTest, CopiesOntoOpenFilesAreRefused) {
    const FileRef mine = MakeStoreFile("mine.fsf");
    const FileRef theirs = MakeStoreFile("theirs.fsf");
    const std::string mineBefore = FileBytes("mine.fsf");
    const std::string theirsBefore = FileBytes("theirs.fsf");
    PFMFile* other = PFMOpenFile(&theirs);
    PFMSetCurrentFile(nullptr);
    PFMFile* store = PFMOpenFile(&mine);
    ASSERT_NE(other, nullptr);
    ASSERT_NE(store, nullptr);
    SpreadSegments();

    EXPECT_EQ(PFMSaveCopy(mine), kFileInUseErr);
    EXPECT_EQ(PFMSaveCopy(theirs), kFileInUseErr);
    EXPECT_EQ(PFMSaveFile(&theirs), kFileInUseErr);
    EXPECT_EQ(FileBytes("mine.fsf"), mineBefore);
    EXPECT_EQ(FileBytes("theirs.fsf"), theirsBefore);
    ExpectSpreadContents();
}

TEST_F(PFMSaveTest, SaveACopyLeavesTheStoreAsItWas) {
    const FileRef ref = MakeStoreFile("story.fsf");
    const std::string before = FileBytes("story.fsf");
    PFMFile* store = PFMOpenFile(&ref);
    SpreadSegments();
    const FileRef copy = Ref("copy.fsf");
    ASSERT_EQ(PFMSaveCopy(copy), kNoErr);
    EXPECT_TRUE(PFMIsChanged(store));
    EXPECT_TRUE(PFMGetFileRef(store).IsSameFile(ref));
    EXPECT_EQ(FileBytes("story.fsf"), before);
    ExpectSpreadContents();
    PFMSetCurrentFile(nullptr);
    ASSERT_NE(PFMOpenFile(&copy), nullptr);
    ExpectSpreadContents();
}

TEST_F(PFMSaveTest, KeepingABackupRenamesTheOldFile) {
    const FileRef ref = MakeStoreFile("story.fsf");
    const std::string before = FileBytes("story.fsf");
    PFMFile* store = PFMOpenFile(&ref);
    EXPECT_FALSE(PFMSetKeepBackup(true, *store));
    EXPECT_TRUE(PFMGetKeepBackup(*store));
    SpreadSegments();
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_EQ(FileBytes("story.bak"), before);
    ExpectSpreadContents();

    // Without the flag the old file is simply replaced.
    PFMSetKeepBackup(false, *store);
    std::filesystem::remove(Path("story.bak"));
    MarkChanged(kText, 5);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_FALSE(std::filesystem::exists(Path("story.bak")));
}

// A story reached through a symbolic link is saved where the link leads; the link stays a link, and
// nothing is written beside it.
TEST_F(PFMSaveTest, SavesThroughALinkReplaceTheFileItLeadsTo) {
    std::filesystem::create_directory(Path("real"));
    std::filesystem::create_directory(Path("links"));
    MakeStoreFile("real/story.fsf");
    MakeStoreFile("real/other.fsf");
    std::filesystem::create_symlink(Path("real/story.fsf"), Path("links/absolute.fsf"));
    std::filesystem::create_symlink("../real/story.fsf", Path("links/relative.fsf"));
    std::filesystem::create_symlink("../real/other.fsf", Path("links/other.fsf"));
    std::filesystem::create_symlink("../real/copy.fsf", Path("links/copy.fsf"));
    const auto expectLinks = [this] {
        const auto expectLink = [this](const char* link, const std::filesystem::path& leadsTo) {
            const std::filesystem::path path = Path(link);
            ASSERT_TRUE(std::filesystem::is_symlink(path)) << link << " is no link any more";
            EXPECT_EQ(std::filesystem::read_symlink(path), leadsTo) << link;
        };
        expectLink("links/absolute.fsf", Path("real/story.fsf"));
        expectLink("links/relative.fsf", "../real/story.fsf");
        expectLink("links/other.fsf", "../real/other.fsf");
        expectLink("links/copy.fsf", "../real/copy.fsf");
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Path("links"))) ++entries;
        EXPECT_EQ(entries, 4u) << "no temporary file or backup beside the links";
    };

    for (const char* link : {"links/absolute.fsf", "links/relative.fsf"}) {
        SCOPED_TRACE(link);
        const std::string before = FileBytes("real/story.fsf");
        const FileRef ref = Ref(link);
        PFMFile* store = PFMOpenFile(&ref);
        ASSERT_NE(store, nullptr);
        PFMSetKeepBackup(true, *store);
        SpreadSegments();
        ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
        expectLinks();
        EXPECT_EQ(FileBytes("real/story.bak"), before) << "the backup beside the file it keeps";
        EXPECT_EQ(PFMGetFileRef(store).GetFullPath(), Path(link)) << "the story keeps its name";
        PFMCloseFile(store);
        ASSERT_NE(PFMOpenFile(&ref), nullptr);
        ExpectSpreadContents();
        PFMCloseFile(nullptr);
        std::filesystem::remove(Path("real/story.fsf"));
        MakeStoreFile("real/story.fsf");
    }

    // Save As and Save a Copy onto links, one of them leading to no file yet.
    const FileRef ref = Ref("real/story.fsf");
    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    SpreadSegments();
    const FileRef copy = Ref("links/copy.fsf");
    ASSERT_EQ(PFMSaveCopy(copy), kNoErr);
    const FileRef other = Ref("links/other.fsf");
    ASSERT_EQ(PFMSaveFile(&other), kNoErr);
    EXPECT_EQ(PFMGetFileRef(store).GetFullPath(), Path("links/other.fsf"));
    expectLinks();
    PFMCloseFile(store);
    for (const char* saved : {"real/other.fsf", "real/copy.fsf"}) {
        SCOPED_TRACE(saved);
        const FileRef file = Ref(saved);
        ASSERT_NE(PFMOpenFile(&file), nullptr);
        ExpectSpreadContents();
        PFMCloseFile(nullptr);
    }
}

TEST_F(PFMSaveTest, ABackupInUseIsNotReplaced) {
    MakeStoreFile("story.bak");
    MakeStoreFile("story.fsf");
    const FileRef backup = Ref("story.bak");
    ASSERT_NE(PFMOpenFile(&backup), nullptr);
    ExpectSavedWithoutBackup("currently in use");
}

TEST_F(PFMSaveTest, AReadOnlyBackupIsNotReplaced) {
    MakeStoreFile("story.bak");
    MakeStoreFile("story.fsf");
    ASSERT_EQ(::chmod(Path("story.bak").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(Path("story.fsf").c_str(), 0666), 0);
    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    ExpectSavedWithoutBackup("read-only");
}

TEST_F(PFMSaveTest, NoFreeTemporaryNameChangesNothing) {
    const FileRef ref = MakeStoreFile("story.fsf");
    const std::string before = FileBytes("story.fsf");
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    SpreadSegments();
    for (int n = 0; n < kUniqueNameCount; ++n) folder_.WriteFile(UniqueName(n), "taken");
    EXPECT_EQ(PFMSaveFile(nullptr), kNoUniqueNameErr);
    EXPECT_EQ(FileBytes("story.fsf"), before);
    EXPECT_TRUE(PFMIsChanged(nullptr));
    ExpectSpreadContents();
}

// The store holds its file open, so a file removed or moved still reads: a save in place says to
// save elsewhere, and a save elsewhere writes every segment. Only a file cut short since holds
// segments that no save can write any more.
TEST_F(PFMSaveTest, AVanishedFileCanOnlyBeSavedElsewhere) {
    const FileRef ref = MakeStoreFile("story.fsf");
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    SpreadSegments();
    std::filesystem::remove(Path("story.fsf"));
    EXPECT_EQ(PFMSaveFile(nullptr), kDocumentMissingErr);
    const FileRef elsewhere = Ref("rescued.fsf");
    ASSERT_EQ(PFMSaveFile(&elsewhere), kNoErr);
    ExpectSpreadContents();
    std::filesystem::resize_file(Path("rescued.fsf"), 100);
    std::filesystem::remove(Path("rescued.fsf"));
    EXPECT_EQ(PFMSaveFile(nullptr), kDocumentDataMissingErr);
    PFMCloseFile(nullptr);

    // A segment larger than the bytes before it: what the file must reach is its end.
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 0, std::string(4000, 'b')), kNoErr);
    const FileRef large = Ref("large.fsf");
    ASSERT_EQ(PFMSaveFile(&large), kNoErr);
    PFMCloseFile(nullptr);
    ASSERT_NE(PFMOpenFile(&large), nullptr);
    std::filesystem::remove(Path("large.fsf"));
    EXPECT_EQ(PFMSaveFile(nullptr), kDocumentMissingErr);
}

// Runs the action at each segment a save writes.
template <typename Action>
struct AtEachSegmentSaved final : TProgressTracker {
    explicit AtEachSegmentSaved(Action run) : action(run) {}
    void Begin(std::uint32_t) override {}
    void Step() override { action(); }
    void End() override {}
    Action action;
};

// A save killed outright leaves its temporary file, which the next save removes; but never the one
// of a save under way, nor a file of that name the program did not make.
TEST_F(PFMSaveTest, TheTemporaryFileOfAKilledSaveGoesAtTheNextSave) {
    const FileRef ref = MakeStoreFile("story.fsf");
    // Another copy of the program, killed while its save writes the new file.
    const auto killMidSave = [&ref] {
        const pid_t copy = ::fork();
        if (copy == 0) {
            AtEachSegmentSaved killed([] { ::raise(SIGKILL); });
            if (PFMOpenFile(&ref)) {
                MarkChanged(kText, 3);
                PFMSetProgressTracker(nullptr, &killed);
                PFMSaveFile(nullptr);
            }
            ::_exit(1);
        }
        ::waitpid(copy, nullptr, 0);
    };
    folder_.WriteFile(UniqueName(0), "the writer's");
    killMidSave();
    ASSERT_TRUE(std::filesystem::exists(Path(UniqueName(1))));
    std::filesystem::rename(folder_.WriteFile("mine.txt", "the writer's too"), Path(UniqueName(1)));
    killMidSave();
    ASSERT_TRUE(std::filesystem::exists(Path(UniqueName(2))));

    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    MarkChanged(kText, 3);
    AtEachSegmentSaved underWay([] { EXPECT_EQ(PFMRemoveLeftSaveFiles(), 0); });
    PFMSetProgressTracker(nullptr, &underWay);
    ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
    EXPECT_FALSE(std::filesystem::exists(Path(UniqueName(2))));
    EXPECT_EQ(FileBytes(UniqueName(0)), "the writer's");
    EXPECT_EQ(FileBytes(UniqueName(1)), "the writer's too");
}

TEST_F(PFMSaveTest, ReadOnlyFilesAreNotReplaced) {
    const FileRef ref = MakeStoreFile("story.fsf");
    ASSERT_NE(PFMOpenFile(&ref), nullptr);
    SpreadSegments();
    ASSERT_EQ(::chmod(Path("story.fsf").c_str(), 0444), 0);
    ScopedUnprivileged unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    const std::string before = FileBytes("story.fsf");
    EXPECT_EQ(PFMSaveFile(nullptr), kNotWritableErr);
    EXPECT_EQ(FileBytes("story.fsf"), before);
}

TEST_F(PFMSaveTest, EachSaveStartsAFreshSwapFile) {
    folder_.WriteFile("PFM_Swap.000", "taken");
    folder_.WriteFile("PFM_Swap.001", "taken");
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    EXPECT_TRUE(std::filesystem::exists(Path("PFM_Swap.002")));
    PFMSetCurrentFile(nullptr);
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    EXPECT_TRUE(std::filesystem::exists(Path("PFM_Swap.003")));
    ASSERT_EQ(AddText(kText, 1, "x", 0), kNoErr);
    const FileRef ref = Ref("story.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    // The second store's old swap file went; it has a new one.
    EXPECT_FALSE(std::filesystem::exists(Path("PFM_Swap.003")));
    EXPECT_TRUE(std::filesystem::exists(Path("PFM_Swap.004")));
    PFMCloseFile(nullptr);
    EXPECT_FALSE(std::filesystem::exists(Path("PFM_Swap.004")));
    EXPECT_TRUE(std::filesystem::exists(Path("PFM_Swap.002")));
}

TEST_F(PFMSaveTest, ASaveThatCannotStartANewSwapFileSaysWhereTheDataIs) {
    const FileRef ref = MakeStoreFile("story.fsf");
    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    SpreadSegments();
    for (int n = 0; n < kUniqueNameCount; ++n) {
        char name[24];
        std::snprintf(name, sizeof name, "PFM_Swap.%03d", n);
        if (!std::filesystem::exists(Path(name))) folder_.WriteFile(name, "taken");
    }
    const std::string message =
        "Error -23 opening swap file.\nCould not find a unique filename.\nSaved data "
        "remains in file \"" +
        Path("story.fsf") + "\".";
    // A fast save first, then a full one: both write the file whole and leave the store working.
    for (bool fastSave : {true, false}) {
        PFMSetFastSave(fastSave, store);
        Messages().clear();
        EXPECT_EQ(PFMSaveFile(nullptr), kNoUniqueNameErr);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().back(), message);
        const FileLayout saved = ReadFileLayout(FileBytes("story.fsf"));
        EXPECT_EQ(saved.error, kNoErr);
        EXPECT_EQ(saved.header.saveType, fastSave ? kPFMFastSave : kPFMFullSave);
        ExpectSpreadContents();
    }
}

TEST_F(PFMSaveTest, TemplatesCopyEverySegmentIntoTheSwapFile) {
    const FileRef ref = MakeStoreFile("template.fsf");
    PFMFile* store = PFMNewFileFromTemplate(ref);
    ASSERT_NE(store, nullptr);
    EXPECT_FALSE(PFMIsOnDisk(store));
    EXPECT_TRUE(PFMIsChanged(store));
    std::filesystem::remove(Path("template.fsf"));
    EXPECT_EQ(SegmentText(kText, 9), "text 9" + std::string(90, 'x'));
    const FileRef saved = Ref("new.fsf");
    ASSERT_EQ(PFMSaveFile(&saved), kNoErr);
    PFMCloseFile(store);
    ASSERT_NE(PFMOpenFile(&saved), nullptr);
    EXPECT_EQ(SegmentText(kText, 0), "text 0");
    auto* record = static_cast<TestRecord*>(PFMCheckOut(kItem, 128));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text, "an object");
    PFMCheckIn(record);

    folder_.WriteFile("plain.txt", "no store here, just a line of text");
    EXPECT_EQ(PFMNewFileFromTemplate(Ref("plain.txt", kAccessRead)), nullptr);
    EXPECT_EQ(PFMGetError(), kBadDataErr);
}

}  // namespace
