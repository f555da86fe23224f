#include "foundation/TObject.h"

#include <gtest/gtest.h>

#include "foundation/ObjectFactory.h"
#include "support/FreshProcess.h"

namespace {

// A small class chain mirroring the list classes: TList 17 <- LList 3 <- ObjList 5 <- StrList 6,
// with ArbList 2, HdlList 4 and SList 7 as branches that must not match.
class ChainList : public TObject {
    TOBJECT_CLASS(ChainList, TObject, 17)
};
class ChainLList : public ChainList {
    TOBJECT_CLASS(ChainLList, ChainList, 3)
};
class ChainObjList : public ChainLList {
    TOBJECT_CLASS(ChainObjList, ChainLList, 5)
};
class ChainStrList : public ChainObjList {
    TOBJECT_CLASS(ChainStrList, ChainObjList, 6)
};

class HookCounter : public TObject {
    TOBJECT_CLASS(HookCounter, TObject, 900)
public:
    void DoLock() override { ++locks; }
    void DoUnlock() override { ++unlocks; }
    int locks = 0;
    int unlocks = 0;
};

class Closable : public TObject {
public:
    Closable(bool canClose, int* destroyed) : canClose_(canClose), destroyed_(destroyed) {}
    ~Closable() override { ++*destroyed_; }
    bool CanClose() override { return canClose_; }

private:
    bool canClose_;
    int* destroyed_;
};

TEST(TObject, KindTestWalksTheClassChain) {
    ChainStrList list;
    for (ClassId id : {6u, 5u, 3u, 17u, 0u}) EXPECT_TRUE(list.IsKindOf(id)) << id;
    for (ClassId id : {2u, 4u, 7u, 1u}) EXPECT_FALSE(list.IsKindOf(id)) << id;

    TObject root;
    EXPECT_TRUE(root.IsKindOf(0));
    EXPECT_FALSE(root.IsKindOf(6));
}

TEST(TObject, SameAndOtherClassCompareClassIds) {
    ChainStrList a, b;
    ChainObjList c;
    EXPECT_TRUE(a.IsSameClass(b));
    EXPECT_FALSE(a.IsOtherClass(b));
    EXPECT_TRUE(a.IsOtherClass(c));
}

TEST(TObject, TheRootCannotBeStreamedAndMayClose) {
    // Stores take -1 for an object they cannot write; ReleaseObject deletes what may close.
    TObject object;
    EXPECT_EQ(object.GetFlattenedSize(), -1);
    EXPECT_TRUE(object.CanClose());
    EXPECT_FALSE(object.HasFlags(1));
}

TEST(TObject, LockHooksFireOnFirstLockAndLastUnlockOnly) {
    HookCounter object;
    object.Lock();
    EXPECT_EQ(object.locks, 1);
    object.Lock();
    EXPECT_EQ(object.locks, 1);
    EXPECT_EQ(object.GetLockCount(), 2);
    object.Unlock();
    EXPECT_EQ(object.unlocks, 0);
    EXPECT_TRUE(object.IsLocked());
    object.Unlock();
    EXPECT_EQ(object.unlocks, 1);
    EXPECT_FALSE(object.IsLocked());
}

TEST(TObject, ObjectLockerHoldsTheLockForItsScope) {
    HookCounter object;
    {
        ObjectLocker outer(&object);
        ObjectLocker inner(&object);
        EXPECT_EQ(object.GetLockCount(), 2);
    }
    EXPECT_EQ(object.GetLockCount(), 0);
    EXPECT_EQ(object.locks, 1);
    EXPECT_EQ(object.unlocks, 1);
    ObjectLocker none(nullptr);  // a null object is allowed
}

TEST(TObject, CopiesStartUnlockedAndAssignmentKeepsTheTargetsCount) {
    HookCounter source;
    source.Lock();
    HookCounter copy(source);
    EXPECT_FALSE(copy.IsLocked());

    HookCounter target;
    target.Lock();
    target.Lock();
    target = HookCounter();
    EXPECT_EQ(target.GetLockCount(), 2);
}

TEST(TObject, DeleteObjectAtClearsThePointer) {
    int destroyed = 0;
    auto* object = new Closable(true, &destroyed);
    DeleteObjectAt(&object);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(object, nullptr);
    DeleteObject(nullptr);
    DeleteObjectAt(&object);
    EXPECT_EQ(destroyed, 1);
}

TEST(TObject, ReleaseObjectDeletesOnlyWhatCannotClose) {
    EXPECT_FALSE(ReleaseObject(nullptr));

    int destroyed = 0;
    Closable keeps(true, &destroyed);
    EXPECT_TRUE(ReleaseObject(&keeps));
    EXPECT_EQ(destroyed, 0);

    EXPECT_FALSE(ReleaseObject(new Closable(false, &destroyed)));
    EXPECT_EQ(destroyed, 1);
}

// Factories for the registry tests: each knows a set of ids and marks what it made.
class Made : public TObject {
public:
    explicit Made(int by) : by(by) {}
    int by;
};

template <int By, ClassId Known>
TObject* FactoryFor(IReadFile&, ClassId id, ErrCode* error, std::uintptr_t context) {
    if (id != Known && id != 1000) return nullptr;
    *error = static_cast<ErrCode>(context);
    return new Made(By);
}

// The factories under test never touch the stream, so any stand-in address will do.
IReadFile& NoStream() {
    alignas(std::max_align_t) static unsigned char storage[64];
    return *static_cast<IReadFile*>(static_cast<void*>(storage));
}

int MadeBy(ClassId id, ErrCode* error = nullptr, std::uintptr_t context = 0) {
    ErrCode ignored = 1;
    TObject* object = MakeObjectByFactory(NoStream(), id, error ? error : &ignored, context);
    if (!object) return 0;
    int by = static_cast<Made*>(object)->by;
    delete object;
    return by;
}

TEST(ObjectFactory, NewestFactoryIsAskedFirst) {
    InFreshProcess([] {
        EXPECT_EQ(MadeBy(1000), 0);
        RegisterObjectFactory(FactoryFor<1, 501>);
        RegisterObjectFactory(FactoryFor<2, 502>);
        EXPECT_EQ(MadeBy(1000), 2);  // both know it: the later one makes it
        EXPECT_EQ(MadeBy(501), 1);   // only the earlier one knows it
        EXPECT_EQ(MadeBy(502), 2);
        EXPECT_EQ(MadeBy(503), 0);  // nobody knows it
    });
}

TEST(ObjectFactory, ErrorAndContextPassThrough) {
    InFreshProcess([] {
        RegisterObjectFactory(FactoryFor<1, 501>);
        ErrCode error = 99;
        EXPECT_EQ(MadeBy(501, &error, 0), 1);
        EXPECT_EQ(error, 0);
        EXPECT_EQ(MadeBy(501, &error, 7), 1);
        EXPECT_EQ(error, 7);
    });
}

TEST(ObjectFactory, SixthFactoryAndDuplicatesAreRefused) {
    InFreshProcess([] {
        RegisterObjectFactory(FactoryFor<1, 501>);
        RegisterObjectFactory(FactoryFor<1, 501>);  // twice: one entry
        RegisterObjectFactory(FactoryFor<2, 502>);
        RegisterObjectFactory(FactoryFor<3, 503>);
        RegisterObjectFactory(FactoryFor<4, 504>);
        RegisterObjectFactory(FactoryFor<5, 505>);  // fifth distinct factory fills the table
        RegisterObjectFactory(FactoryFor<6, 506>);  // sixth: not registered
        EXPECT_EQ(MadeBy(505), 5);
        EXPECT_EQ(MadeBy(506), 0);
        EXPECT_EQ(MadeBy(1000), 5);
    });
}

}  // namespace
