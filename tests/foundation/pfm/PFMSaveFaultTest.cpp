// Nothing is lost when a save fails: every write, flush, sync and rename of a full save and of a
// fast save is made to fail in turn, and after each the file on disk is either the old store or
// the new one, whole, and the open store still reads and saves.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "platform/sys/FileFaults.h"

namespace {

constexpr FourCC kNote = FourCCOf("NOTE");

class PFMSaveFaultTest : public StoreTest {
protected:
    // A saved store, opened again, with changes of every kind a save must write: a segment changed
    // in memory, one in the swap file, a new one, a removed one.
    void OpenChangedStore(bool fastSave) {
        PFMCloseFile(PFMFindOpenFile(Ref("story.fsf")));
        std::filesystem::remove(Path("story.fsf"));
        ASSERT_NE(PFMOpenFile(nullptr), nullptr);
        for (std::uint16_t id = 0; id < 6; ++id) ASSERT_EQ(AddText(kText, id, Original(id)), kNoErr);
        const FileRef ref = Ref("story.fsf");
        ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
        PFMCloseFile(nullptr);

        PFMFile* store = PFMOpenFile(&ref);
        ASSERT_NE(store, nullptr);
        PFMSetFastSave(fastSave, store);
        Change(1, 2);
        PFMSetSegmentPriority(kText, 2, 0);
        Change(2, 0);
        ASSERT_EQ(AddText(kNote, 1, "added"), kNoErr);
        ASSERT_TRUE(PFMRemoveSegment(kText, 5));
        oldFile_ = ReadFileLayout(FileBytes("story.fsf"));
        ASSERT_EQ(oldFile_.error, kNoErr);
    }

    static std::string Original(std::uint16_t id) {
        return "segment " + std::to_string(id) + std::string(200, 'o');
    }
    static std::string Changed(std::uint16_t id) {
        return "CHANGED " + std::to_string(id) + std::string(300, 'c');
    }

    static void Change(std::uint16_t id, int priority) {
        void* data = PFMCheckOut(kText, id);
        ASSERT_NE(data, nullptr);
        ASSERT_EQ(PFMResizeSegment(&data, static_cast<std::uint32_t>(Changed(id).size())), kNoErr);
        std::memcpy(data, Changed(id).data(), Changed(id).size());
        PFMSetSegmentPriority(kText, id, priority);
        PFMCheckIn(data);
    }

    // The store as it stands in memory.
    static void ExpectChangedContents() {
        EXPECT_EQ(SegmentText(kText, 0), Original(0));
        EXPECT_EQ(SegmentText(kText, 1), Changed(1));
        EXPECT_EQ(SegmentText(kText, 2), Changed(2));
        EXPECT_EQ(SegmentText(kText, 4), Original(4));
        EXPECT_EQ(SegmentText(kNote, 1), "added");
        EXPECT_FALSE(PFMSegmentExists(kText, 5));
    }

    // Counts the calls of a clean save of the same changes, and keeps the file it writes.
    void CountCalls(bool fastSave) {
        OpenChangedStore(fastSave);
        win::ResetFileCalls();
        ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
        for (win::FileCall call : kCalls) counts_.push_back(win::GetFileCallCount(call));
        newFile_ = ReadFileLayout(FileBytes("story.fsf"));
        ASSERT_EQ(newFile_.error, kNoErr);
        ASSERT_NE(newFile_.segments, oldFile_.segments);
    }

    void FailEachCallInTurn(bool fastSave) {
        CountCalls(fastSave);
        int failures = 0;
        for (std::size_t kind = 0; kind < kCalls.size(); ++kind) {
            for (unsigned long nth = 1; nth <= counts_[kind]; ++nth) {
                SCOPED_TRACE(testing::Message() << "call kind " << kind << ", call " << nth);
                OpenChangedStore(fastSave);
                win::ResetFileCalls();
                win::FailFileCall(kCalls[kind], nth);
                const ErrCode err = PFMSaveFile(nullptr);
                win::ResetFileCalls();
                failures += err != kNoErr;

                const FileLayout onDisk = ReadFileLayout(FileBytes("story.fsf"));
                ASSERT_EQ(onDisk.error, kNoErr);
                EXPECT_TRUE(onDisk.segments == oldFile_.segments || onDisk.segments == newFile_.segments);
                if (err != kNoErr) {
                    EXPECT_TRUE(PFMIsChanged(nullptr));
                }
                ExpectChangedContents();
                for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
                    EXPECT_EQ(entry.path().filename().string().rfind("unique$$", 0), std::string::npos);
                }
                // The store saves again, and what it saved reads back.
                ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
                EXPECT_EQ(ReadFileLayout(FileBytes("story.fsf")).segments, newFile_.segments);
                PFMCloseFile(nullptr);
                const FileRef ref = Ref("story.fsf");
                ASSERT_NE(PFMOpenFile(&ref), nullptr);
                ExpectChangedContents();
            }
        }
        EXPECT_GT(failures, 0);
    }

    static constexpr std::array<win::FileCall, 4> kCalls = {win::FileCall::kWrite, win::FileCall::kFlush,
                                                            win::FileCall::kSync, win::FileCall::kRename};
    std::vector<unsigned long> counts_;
    FileLayout oldFile_;
    FileLayout newFile_;
};

TEST_F(PFMSaveFaultTest, EveryFailingCallOfAFullSaveLeavesAWholeFile) {
    FailEachCallInTurn(false);
    EXPECT_GT(counts_[0], 0u);  // writes
    EXPECT_GT(counts_[2], 0u);  // syncs
    EXPECT_GT(counts_[3], 0u);  // renames
}

TEST_F(PFMSaveFaultTest, EveryFailingCallOfAFastSaveLeavesAWholeFile) {
    FailEachCallInTurn(true);
    EXPECT_GT(counts_[0], 0u);
    EXPECT_GT(counts_[2], 0u);
    EXPECT_EQ(counts_[3], 0u);  // a fast save renames nothing
}

TEST_F(PFMSaveFaultTest, FailuresAreReportedInTheirOwnWords) {
    OpenChangedStore(false);
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kRename, 1, EACCES);
    Messages().clear();
    EXPECT_NE(PFMSaveFile(nullptr), kNoErr);
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back().rfind("Error ", 0), 0u);
    EXPECT_NE(Messages().back().find("renaming temp file \"" + Path("unique$$.000") + "\" to \"" +
                                     Path("story.fsf")),
              std::string::npos);
}

}  // namespace
