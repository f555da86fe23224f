// The store interface: opening and closing, the tree of stores and chain search, segments by key
// and by data address.

#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/FileError.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/StoreTestSupport.h"

namespace {

constexpr FourCC kInfo = FourCCOf("INFO");

using PFMStoreTest = StoreTest;

TEST_F(PFMStoreTest, UntitledStoreSavedAndReopenedKeepsItsSegments) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(PFMGetCurrentFile(), store);
    EXPECT_FALSE(PFMIsOnDisk(store));
    ASSERT_EQ(AddText(kText, 1, "first"), kNoErr);
    ASSERT_EQ(AddText(kText, 2, std::string("with\0zero", 9)), kNoErr);
    ASSERT_EQ(AddText(kInfo, 0, ""), kNoErr);
    EXPECT_TRUE(PFMIsChanged(store));

    const FileRef ref = Ref("story.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    EXPECT_TRUE(PFMIsOnDisk(store));
    EXPECT_FALSE(PFMIsChanged(store));
    ASSERT_EQ(PFMCloseFile(store), kNoErr);
    EXPECT_EQ(PFMGetCurrentFile(), nullptr);
    EXPECT_TRUE(PFMIsPFMFile(ref));

    PFMFile* reopened = PFMOpenFile(&ref);
    ASSERT_NE(reopened, nullptr) << PFMGetError();
    EXPECT_EQ(SegmentText(kText, 1), "first");
    EXPECT_EQ(SegmentText(kText, 2), std::string("with\0zero", 9));
    EXPECT_EQ(SegmentText(kInfo, 0), "");
    EXPECT_FALSE(PFMSegmentExists(kText, 3));
}

TEST_F(PFMStoreTest, OpeningNeverEmptiesTheFile) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 1, "kept"), kNoErr);
    const FileRef ref = Ref("story.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    PFMCloseFile(nullptr);
    const FileRef asNew = Ref("story.fsf", kAccessCreate);
    ASSERT_NE(PFMOpenFile(&asNew), nullptr);
    EXPECT_EQ(SegmentText(kText, 1), "kept");
}

TEST_F(PFMStoreTest, MissingSegmentIsNoError) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    PFMSetError(-5);
    EXPECT_EQ(PFMCheckOut(kText, 7), nullptr);
    EXPECT_EQ(PFMGetError(), kNoErr);
    EXPECT_EQ(PFMGetLockCount(kText, 7), 0u);
    EXPECT_EQ(PFMGetSegmentPriority(kText, 7), -1);
}

TEST_F(PFMStoreTest, OpeningAMissingOrForeignFileLeavesNothingBehind) {
    const FileRef missing = Ref("missing.fsf", kAccessRead);
    EXPECT_EQ(PFMOpenFile(&missing), nullptr);
    EXPECT_EQ(PFMGetError(), kFileNotFoundErr);
    folder_.WriteFile("notes.txt", "These are not the bytes of a store file at all.");
    const FileRef foreign = Ref("notes.txt", kAccessRead);
    EXPECT_EQ(PFMOpenFile(&foreign), nullptr);
    EXPECT_EQ(PFMGetError(), kUnsupportedFormatErr);
    EXPECT_FALSE(PFMIsPFMFile(foreign));
    EXPECT_EQ(PFMGetCurrentFile(), nullptr);
    EXPECT_FALSE(PFMIsFileOpen(foreign));
}

TEST_F(PFMStoreTest, ChainSearchFindsParentSegmentsUnlessTurnedOff) {
    PFMFile* application = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kInfo, 1, "application"), kNoErr);
    PFMFile* document = PFMOpenFile(nullptr);
    ASSERT_EQ(PFMGetParentFile(document), application);
    ASSERT_EQ(AddText(kText, 1, "document"), kNoErr);

    EXPECT_EQ(SegmentText(kInfo, 1), "application");
    EXPECT_EQ(SegmentText(kText, 1), "document");
    {
        PFMFileScope scope(document, false);
        EXPECT_FALSE(PFMSegmentExists(kInfo, 1));
        EXPECT_TRUE(PFMSegmentExists(kText, 1));
    }
    EXPECT_TRUE(PFMSegmentExists(kInfo, 1));
    {
        PFMFileScope scope(application, true);
        EXPECT_FALSE(PFMSegmentExists(kText, 1));
    }
    EXPECT_EQ(PFMGetCurrentFile(), document);
}

TEST_F(PFMStoreTest, ClosingTheRootHandsItToItsFirstDependent) {
    PFMFile* root = PFMOpenFile(nullptr);
    PFMFile* first = PFMOpenFile(nullptr);
    PFMSetCurrentFile(root);
    PFMFile* second = PFMOpenFile(nullptr);
    ASSERT_EQ(PFMGetParentFile(second), root);

    ASSERT_EQ(PFMCloseFile(root), kNoErr);
    EXPECT_EQ(PFMGetCurrentFile(), first);
    EXPECT_EQ(PFMGetParentFile(first), nullptr);
    EXPECT_EQ(PFMGetParentFile(second), nullptr);
    EXPECT_FALSE(PFMIsOpenFile(root));

    // A store opened now has no root to go under but the new root.
    PFMFile* third = PFMOpenFile(nullptr);
    EXPECT_EQ(PFMGetParentFile(third), first);
}

TEST_F(PFMStoreTest, ClosingAChildHandsItsDependentsToItsParent) {
    PFMFile* root = PFMOpenFile(nullptr);
    PFMFile* middle = PFMOpenFile(nullptr);
    PFMFile* leaf = PFMOpenFile(nullptr);
    ASSERT_EQ(PFMGetParentFile(leaf), middle);
    PFMSetCurrentFile(middle);
    ASSERT_EQ(PFMCloseFile(nullptr), kNoErr);
    EXPECT_EQ(PFMGetCurrentFile(), root);
    EXPECT_EQ(PFMGetParentFile(leaf), root);
    EXPECT_EQ(PFMCloseFile(middle), kFileNotFoundErr);
}

TEST_F(PFMStoreTest, CurrentStoresArePushedAndPopped) {
    PFMFile* a = PFMOpenFile(nullptr);
    PFMSetCurrentFile(nullptr);
    PFMFile* b = PFMOpenFile(nullptr);
    PFMSetCurrentFile(nullptr);
    PFMFile* c = PFMOpenFile(nullptr);
    PFMPushCurrentFile(a);
    PFMPushCurrentFile(b);
    EXPECT_EQ(PFMGetCurrentFile(), b);
    PFMPopCurrentFile();
    EXPECT_EQ(PFMGetCurrentFile(), a);
    PFMPushCurrentFile(b);
    ASSERT_EQ(PFMCloseFile(a), kNoErr);  // a pushed store that closes does not come back
    PFMPopCurrentFile();
    EXPECT_EQ(PFMGetCurrentFile(), nullptr);
    PFMPopCurrentFile();
    EXPECT_EQ(PFMGetCurrentFile(), c);
    PFMPopCurrentFile();  // nothing pushed: nothing happens
    EXPECT_EQ(PFMGetCurrentFile(), c);
}

TEST_F(PFMStoreTest, ParentsCanMoveButNeverUnderADescendant) {
    PFMFile* a = PFMOpenFile(nullptr);
    PFMFile* b = PFMOpenFile(nullptr);
    PFMSetCurrentFile(nullptr);
    PFMFile* c = PFMOpenFile(nullptr);
    ASSERT_EQ(PFMGetParentFile(c), nullptr);
    EXPECT_EQ(PFMSetParentFile(b, c), nullptr);
    EXPECT_EQ(PFMGetParentFile(c), b);
    EXPECT_EQ(PFMSetParentFile(c, a), nullptr);  // a would sit under its own grandchild
    EXPECT_EQ(PFMGetParentFile(a), nullptr);
}

TEST_F(PFMStoreTest, EveryOpenStoreIsFoundBeyondSixteen) {
    std::vector<FileRef> refs;
    for (int i = 0; i < 20; ++i) {
        PFMSetCurrentFile(nullptr);
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        ASSERT_EQ(AddText(kText, 1, "n"), kNoErr);
        refs.push_back(Ref("store" + std::to_string(i) + ".fsf"));
        ASSERT_EQ(PFMSaveFile(&refs.back()), kNoErr);
    }
    for (const FileRef& ref : refs) EXPECT_NE(PFMFindOpenFile(ref), nullptr);
    EXPECT_EQ(PFMFindOpenFile(refs[19]), PFMGetCurrentFile());
}

TEST_F(PFMStoreTest, AddingTwiceKeepsBothAndPuttingReplaces) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 5, "one"), kNoErr);
    ASSERT_EQ(AddText(kText, 5, "two"), kNoErr);
    EXPECT_EQ(SegmentText(kText, 5), "one");
    EXPECT_TRUE(PFMRemoveSegment(kText, 5));
    EXPECT_EQ(SegmentText(kText, 5), "two");

    void* block = NewBlock("three");
    ASSERT_TRUE(PFMPutSegment(kText, 5, block, 1, false));
    PFMCheckIn(block);
    EXPECT_EQ(SegmentText(kText, 5), "three");
    EXPECT_TRUE(PFMRemoveSegment(kText, 5));
    EXPECT_FALSE(PFMSegmentExists(kText, 5));
    EXPECT_FALSE(PFMRemoveSegment(kText, 5));
    EXPECT_TRUE(PFMIsChanged(store));
}

TEST_F(PFMStoreTest, DataAlreadyHeldByASegmentIsRefused) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    void* block = NewBlock("shared");
    ASSERT_EQ(PFMAddSegment(kText, 1, block, 1, false), kNoErr);
    EXPECT_EQ(PFMAddSegment(kText, 2, block, 1, false), kFileErr);
    EXPECT_FALSE(PFMPutSegment(kText, 3, block, 1, false));
    void* other = NewBlock("x");
    EXPECT_EQ(PFMAddSegment(kText, 4, other, 9, false), kFileErr);  // no priority 9
    // A refused put leaves the segment it would have replaced.
    EXPECT_FALSE(PFMPutSegment(kText, 1, other, 9, false));
    EXPECT_EQ(PFMGetSegmentData(kText, 1), block);
    MemFree(other);
    PFMCheckIn(block);
    EXPECT_FALSE(PFMSegmentExists(kText, 2));
}

// Adds a segment under the lowest free id of the type and answers that id.
std::uint16_t AddWithNextId(FourCC type) {
    std::uint16_t id = 0xFFFF;
    void* block = NewBlock("next");
    EXPECT_EQ(PFMAddSegmentNextId(type, block, 1, false, id), kNoErr);
    PFMCheckIn(block);
    return id;
}

TEST_F(PFMStoreTest, NextFreeIdFillsTheFirstGap) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    EXPECT_EQ(AddWithNextId(kText), 0);
    ASSERT_EQ(AddText(kText, 1, "b"), kNoErr);
    ASSERT_EQ(AddText(kText, 3, "d"), kNoErr);
    EXPECT_EQ(AddWithNextId(kText), 2);
    ASSERT_EQ(AddText(kInfo, 1, "x"), kNoErr);
    ASSERT_EQ(AddText(kInfo, 2, "y"), kNoErr);
    EXPECT_EQ(AddWithNextId(kInfo), 0);
    EXPECT_EQ(AddWithNextId(FourCCOf("NONE")), 0);
}

TEST_F(PFMStoreTest, SegmentsAreFoundByTheirData) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    void* block = NewBlock("held");
    ASSERT_EQ(PFMAddSegment(kText, 4, block, 3, false), kNoErr);
    FourCC type = 0;
    std::uint16_t id = 0;
    ASSERT_TRUE(PFMGetSegmentKey(block, type, id));
    EXPECT_EQ(type, kText);
    EXPECT_EQ(id, 4);
    EXPECT_EQ(PFMGetSegmentData(kText, 4), block);
    EXPECT_EQ(PFMGetLockCount(kText, 4), 1u);
    EXPECT_TRUE(PFMIsSegmentChanged(block));
    EXPECT_TRUE(PFMIsRawSegment(kText, 4));
    EXPECT_FALSE(PFMIsObjectSegment(kText, 4));

    ASSERT_EQ(PFMSetSegmentId(block, 9), kNoErr);
    EXPECT_FALSE(PFMSegmentExists(kText, 4));
    EXPECT_TRUE(PFMSegmentExists(kText, 9));
    void* loose = NewBlock("no store holds it");
    EXPECT_EQ(PFMSetSegmentId(loose, 10), kFileErr);
    EXPECT_EQ(PFMGetError(), kFileErr);
    EXPECT_FALSE(PFMSegmentExists(kText, 10));
    MemFree(loose);
    EXPECT_EQ(PFMSetSegmentPriority(kText, 9, 6), 3);
    EXPECT_EQ(PFMGetSegmentPriority(kText, 9), 6);
    EXPECT_FALSE(PFMSetSegmentPreload(kText, 9, true));
    EXPECT_TRUE(PFMGetSegmentPreload(kText, 9));

    int stranger = 0;
    EXPECT_EQ(PFMCheckIn(&stranger), kNoErr);  // belongs to no segment: nothing happens
    EXPECT_EQ(PFMGetLockCount(kText, 9), 1u);
    EXPECT_EQ(PFMCheckIn(block), kNoErr);
    EXPECT_EQ(PFMGetLockCount(kText, 9), 0u);
}

TEST_F(PFMStoreTest, CheckInWorksWhicheverStoreIsCurrent) {
    PFMFile* first = PFMOpenFile(nullptr);
    void* block = NewBlock("first's");
    ASSERT_EQ(PFMAddSegment(kText, 1, block, 1, false), kNoErr);
    PFMSetCurrentFile(nullptr);
    PFMFile* other = PFMOpenFile(nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(PFMCheckIn(block), kNoErr);
    PFMSetCurrentFile(first);
    EXPECT_EQ(PFMGetLockCount(kText, 1), 0u);
}

TEST_F(PFMStoreTest, RemovingACheckedOutSegmentKeepsItsDataForTheHolder) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 1, "held on to"), kNoErr);
    void* data = PFMCheckOut(kText, 1);
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(PFMRemoveSegment(kText, 1));
    EXPECT_FALSE(PFMSegmentExists(kText, 1));
    EXPECT_EQ(BlockText(data), "held on to");  // still valid for its holder
    EXPECT_EQ(PFMCheckIn(data), kNoErr);       // and freed now
    FourCC type = 0;
    std::uint16_t id = 0;
    EXPECT_FALSE(PFMGetSegmentKey(data, type, id));
}

TEST_F(PFMStoreTest, CheckedOutHandleHoldsARawSegmentOfOneStore) {
    PFMFile* parent = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kInfo, 1, "parent's"), kNoErr);
    PFMFile* child = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 1, "child's"), kNoErr);
    {
        CheckedOutHdl handle(kText, 1);
        EXPECT_EQ(BlockText(handle.Data()), "child's");
        EXPECT_EQ(PFMGetLockCount(kText, 1), 1u);
    }
    EXPECT_EQ(PFMGetLockCount(kText, 1), 0u);
    {
        CheckedOutHdl noChain(kInfo, 1, child);
        EXPECT_EQ(noChain.Data(), nullptr);
        EXPECT_EQ(noChain.Error(), kNoErr);
        CheckedOutHdl inParent(kInfo, 1, parent);
        EXPECT_EQ(BlockText(inParent.Data()), "parent's");
    }
}

TEST_F(PFMStoreTest, RemovingTheLastSegmentStartsTheStoreAfresh) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 1, "a"), kNoErr);
    ASSERT_EQ(AddText(kText, 2, "b"), kNoErr);
    EXPECT_TRUE(PFMRemoveSegment(kText, 2));
    EXPECT_TRUE(PFMRemoveSegment(kText, 1));
    ASSERT_EQ(AddText(kInfo, 1, "again"), kNoErr);
    EXPECT_EQ(SegmentText(kInfo, 1), "again");
}

TEST_F(PFMStoreTest, TypesAndIdsAreListedSortedOnceWithTheChain) {
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 0x8001, "parent"), kNoErr);
    ASSERT_EQ(AddText(kInfo, 1, "parent"), kNoErr);
    ASSERT_NE(PFMOpenFile(nullptr), nullptr);
    ASSERT_EQ(AddText(kText, 2, "child"), kNoErr);
    ASSERT_EQ(AddText(kText, 0x8001, "child"), kNoErr);
    ASSERT_EQ(AddText(FourCCOf("\xF0xyz"), 1, "high first byte"), kNoErr);

    LList types;
    ASSERT_EQ(PFMGetSegmentTypes(types), kNoErr);
    ASSERT_EQ(types.Count(), 3);
    // Ascending as signed numbers of the codes in memory (first character lowest).
    std::vector<std::int32_t> expected = {static_cast<std::int32_t>(kInfo), static_cast<std::int32_t>(kText),
                                          static_cast<std::int32_t>(FourCCOf("\xF0xyz"))};
    std::sort(expected.begin(), expected.end());
    for (std::int32_t i = 0; i < 3; ++i) EXPECT_EQ(types.GetAt(i), expected[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(types.IsSorted());

    SList ids;
    ASSERT_EQ(PFMGetSegmentIds(kText, ids), kNoErr);
    ASSERT_EQ(ids.Count(), 2);
    EXPECT_EQ(static_cast<std::uint16_t>(ids.GetAt(0)), 2);
    EXPECT_EQ(static_cast<std::uint16_t>(ids.GetAt(1)), 0x8001);  // unsigned order
    EXPECT_TRUE(ids.IsSorted());

    PFMSetChainSearch(false);
    LList own;
    ASSERT_EQ(PFMGetSegmentTypes(own), kNoErr);
    EXPECT_EQ(own.Count(), 2);

    // A store adds to the list it is given, keeping it sorted and without duplicates.
    PFMFile* child = PFMGetCurrentFile();
    SList more;
    more.Append(1);
    more.Append(3);
    more.SetSorted();
    ASSERT_EQ(child->ListIds(kText, more), kNoErr);
    ASSERT_EQ(more.Count(), 4);
    EXPECT_EQ(more.GetAt(0), 1);
    EXPECT_EQ(more.GetAt(1), 2);
    EXPECT_EQ(more.GetAt(2), 3);
    EXPECT_EQ(static_cast<std::uint16_t>(more.GetAt(3)), 0x8001);
    ASSERT_EQ(child->ListTypes(own), kNoErr);
    EXPECT_EQ(own.Count(), 2);
}

TEST_F(PFMStoreTest, OneSegmentsFieldsAreReadByItsIndex) {
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_EQ(AddText(kText, 3, "abc", 5), kNoErr);
    ASSERT_EQ(AddText(kText, 4, "other", 2), kNoErr);
    PFMSetSegmentPreload(kText, 3, true);
    const PFMFile::Index index = store->FindKey({kText, 3});
    ASSERT_NE(index, PFMFile::kNone);
    EXPECT_EQ(store->GetKeyAt(index), (PFMSegmentKey{kText, 3}));
    EXPECT_EQ(store->GetPriorityAt(index), 5);
    EXPECT_EQ(store->GetKindAt(index), kRawSegment);
    EXPECT_TRUE(store->IsKindAt(index, kRawSegment));
    EXPECT_FALSE(store->IsKindAt(index, kObjectSegment));
    EXPECT_TRUE(store->GetPreloadAt(index));
    EXPECT_FALSE(store->GetPreloadAt(store->FindKey({kText, 4})));
    EXPECT_TRUE(store->IsChangedAt(index));  // never saved
    EXPECT_EQ(store->GetLockCountAt(index), 0u);

    void* first = PFMCheckOut(kText, 3);
    void* second = PFMCheckOut(kText, 3);
    EXPECT_EQ(store->GetDataAt(index), first);
    EXPECT_EQ(second, first);
    EXPECT_EQ(store->GetLockCountAt(index), 2u);
    PFMCheckIn(first);
    PFMCheckIn(second);
    const FileRef ref = Ref("fields.fsf");
    ASSERT_EQ(PFMSaveFile(&ref), kNoErr);
    EXPECT_FALSE(store->IsChangedAt(index));
}

}  // namespace
