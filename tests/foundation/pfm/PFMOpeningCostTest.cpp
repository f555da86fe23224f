// What opening a store asks of the disk: no name of a swap file the program holds is tried again, a
// file is told from the open stores' files by one look-up of its own path, and a layout read by a
// look into the file just before is not read again (unless the file changed since).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "platform/sys/FileFaults.h"

namespace {

using PFMOpeningCost = StoreTest;

// A store file holding TEXT 1 with the text, made by an untitled store saved there and closed.
void SaveTextStore(const FileRef& ref, const std::string& text) {
    PFMPushCurrentFile(nullptr);
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_NE(store, nullptr);
    ASSERT_EQ(AddText(kText, 1, text), kNoErr);
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(store);
    PFMPopCurrentFile();
}

TEST_F(PFMOpeningCost, ASwapFileNameTheProgramHoldsIsNotTriedAgain) {
    std::vector<PFMFile*> stores;
    for (int i = 0; i < 3; ++i) {
        PFMSetCurrentFile(nullptr);
        stores.push_back(PFMOpenFile(nullptr));
        ASSERT_NE(stores.back(), nullptr);
    }
    // PFM_Swap.000 to .002 are the program's own: the fourth store's swap file is made at the first try.
    win::ResetFileCalls();
    PFMSetCurrentFile(nullptr);
    PFMFile* fourth = PFMOpenFile(nullptr);
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kOpen), 1u);
    ASSERT_NE(fourth->HeldSwapFile(), nullptr);
    EXPECT_EQ(fourth->HeldSwapFile()->GetFullPath(), Path("PFM_Swap.003"));

    // A name another program took is still tried and passed over; a name the program gave back is
    // the first free one again.
    folder_.WriteFile("PFM_Swap.004", "another program's");
    PFMSetCurrentFile(nullptr);
    PFMFile* fifth = PFMOpenFile(nullptr);
    ASSERT_NE(fifth, nullptr);
    ASSERT_NE(fifth->HeldSwapFile(), nullptr);
    EXPECT_EQ(fifth->HeldSwapFile()->GetFullPath(), Path("PFM_Swap.005"));
    PFMCloseFile(stores[1]);
    EXPECT_FALSE(std::filesystem::exists(Path("PFM_Swap.001")));
    PFMSetCurrentFile(nullptr);
    PFMFile* sixth = PFMOpenFile(nullptr);
    ASSERT_NE(sixth, nullptr);
    ASSERT_NE(sixth->HeldSwapFile(), nullptr);
    EXPECT_EQ(sixth->HeldSwapFile()->GetFullPath(), Path("PFM_Swap.001"));
}

TEST_F(PFMOpeningCost, AFileIsToldFromTheOpenStoresByOneLookUpOfItsOwnPath) {
    std::vector<FileRef> refs;
    for (int i = 0; i < 5; ++i) {
        refs.push_back(Ref("store" + std::to_string(i) + ".fsf"));
        SaveTextStore(refs.back(), "store " + std::to_string(i));
    }
    for (const FileRef& ref : refs) {
        PFMSetCurrentFile(nullptr);
        ASSERT_NE(PFMOpenFile(&ref), nullptr);
    }
    const FileRef other = Ref("other.fsf");
    SaveTextStore(other, "other");
    win::ResetFileCalls();
    EXPECT_FALSE(PFMIsFileOpen(other));
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kLookUp), 1u);

    // The same file under another name is the open store's; a file that does not exist is open only
    // under the very path of a store.
    std::filesystem::create_hard_link(Path("store3.fsf"), Path("linked.fsf"));
    const FileRef linked = Ref("linked.fsf");
    EXPECT_NE(PFMFindOpenFile(linked), nullptr);
    EXPECT_EQ(PFMFindOpenFile(linked), PFMFindOpenFile(refs[3]));
    EXPECT_EQ(PFMFindOpenFile(Ref("missing.fsf")), nullptr);
}

TEST_F(PFMOpeningCost, ALayoutReadByALookIntoTheFileIsNotReadAgainUnlessTheFileChanged) {
    const FileRef ref = Ref("story.fsf");
    SaveTextStore(ref, "first");
    // The look finds no character record; the store opened next reads nothing of the file to open.
    EXPECT_FALSE(PFMFileHoldsSegment(ref, FourCCOf("FCHI"), 0));
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kRead, 1, EIO, true);
    PFMFile* store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr) << PFMGetError();
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kRead), 0u);
    win::ResetFileCalls();
    EXPECT_EQ(SegmentText(kText, 1), "first");
    PFMCloseFile(store);

    // A file saved again after the look is read afresh.
    EXPECT_FALSE(PFMFileHoldsSegment(ref, FourCCOf("FCHI"), 0));
    SaveTextStore(ref, "second, and longer");
    store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr) << PFMGetError();
    EXPECT_EQ(SegmentText(kText, 1), "second, and longer");
    PFMCloseFile(store);

    // What a look read serves one opening only, and only of its own file.
    EXPECT_FALSE(PFMFileHoldsSegment(ref, FourCCOf("FCHI"), 0));
    const FileRef other = Ref("other.fsf");
    SaveTextStore(other, "other");
    store = PFMOpenFile(&other);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(SegmentText(kText, 1), "other");
    PFMCloseFile(store);
    win::ResetFileCalls();
    store = PFMOpenFile(&ref);
    ASSERT_NE(store, nullptr);
    EXPECT_GT(win::GetFileCallCount(win::FileCall::kRead), 0u);
    EXPECT_EQ(SegmentText(kText, 1), "second, and longer");
}

}  // namespace
