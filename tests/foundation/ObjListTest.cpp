#include "foundation/ObjList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/Memory.h"
#include "foundation/StrList.h"
#include "foundation/String.h"

namespace {

int liveProbes = 0;
std::string lockLog;

// Counts its instances and logs its lock hooks.
class Probe : public TObject {
    TOBJECT_CLASS(Probe, TObject, 9001)

public:
    explicit Probe(char name) : name_(name) { ++liveProbes; }
    ~Probe() override { --liveProbes; }
    void DoLock() override { lockLog += std::string("L") + name_; }
    void DoUnlock() override { lockLog += std::string("U") + name_; }

private:
    char name_;
};

std::vector<std::string> Texts(const StrList& list) {
    std::vector<std::string> texts;
    for (std::int32_t i = 0; i < list.Count(); ++i) texts.emplace_back(list.StringAt(i)->CStr());
    return texts;
}

TEST(ObjList, HoldsPointerSizedElementsAndDeletesItsObjects) {
    ObjList list;
    EXPECT_EQ(list.GetElementSize(), sizeof(TObject*));
    list.Append(new Probe('a'));
    list.Append(nullptr);
    list.Append(new Probe('b'));
    EXPECT_EQ(liveProbes, 2);
    EXPECT_EQ(list.ObjectAt(1), nullptr);

    EXPECT_TRUE(list.DeleteAt(0));
    EXPECT_EQ(liveProbes, 1);
    EXPECT_TRUE(list.DeleteAt(0));  // a null element is simply removed
    EXPECT_EQ(liveProbes, 1);

    Probe kept('k');
    list.InsertAt(&kept, 0);
    list.SetOwnsElements(false);
    EXPECT_TRUE(list.DeleteAt(0));  // not deleted: the list does not own it now
    list.SetOwnsElements(true);
    EXPECT_EQ(list.Count(), 1);
    {
        ObjList scoped;
        scoped.Append(new Probe('c'));
        scoped.SetCount(0);  // dropping elements deletes them too
        scoped.Append(new Probe('d'));
    }
    EXPECT_EQ(liveProbes, 2);  // b and kept
    list.DeleteAll();
    EXPECT_EQ(liveProbes, 1);
}

TEST(ObjList, LockingTheListLocksItsObjects) {
    ObjList list;
    list.Append(new Probe('a'));
    list.Append(nullptr);
    list.Append(new Probe('b'));
    lockLog.clear();
    {
        ObjectLocker locker(&list);
        EXPECT_TRUE(list.ObjectAt(0)->IsLocked());
        EXPECT_TRUE(list.ObjectAt(2)->IsLocked());
    }
    EXPECT_EQ(lockLog, "LaLbUaUb");
    EXPECT_FALSE(list.ObjectAt(0)->IsLocked());
}

TEST(ObjList, CopiesCloneTheirObjects) {
    StrList list;
    list.Append(new String("one"));
    list.Append(nullptr);
    list.Append(new String("two"));

    StrList copy;
    copy.Append(new String("old"));
    ASSERT_EQ(copy.CopyFrom(list), kNoErr);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_NE(copy.StringAt(0), list.StringAt(0));
    EXPECT_STREQ(copy.StringAt(0)->CStr(), "one");
    EXPECT_EQ(copy.StringAt(1), nullptr);
    EXPECT_STREQ(copy.StringAt(2)->CStr(), "two");
    EXPECT_TRUE(copy.HasSameClasses(list));

    ObjList constructed(list);
    EXPECT_EQ(constructed.Count(), 3);
    EXPECT_NE(constructed.ObjectAt(2), list.ObjectAt(2));

    // An object that cannot be cloned fails the copy and leaves the list as it was.
    ObjList probes;
    probes.Append(new Probe('p'));
    EXPECT_EQ(copy.CopyFrom(probes), -4);
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_FALSE(copy.HasSameClasses(probes));
    LList plain;
    EXPECT_EQ(copy.CopyFrom(plain), -1);

    FailNextAllocations(1000);
    EXPECT_EQ(copy.CopyFrom(list), -4);
    FailNextAllocations(0);
    EXPECT_STREQ(copy.StringAt(0)->CStr(), "one");
}

TEST(ObjList, DataSizeCountsEveryObject) {
    ObjList list;
    auto* text = new String("abcdef");
    list.Append(text);
    list.Append(nullptr);
    EXPECT_EQ(list.GetDataSize(), MemSize(list.BeginAccess()) + ObjectTotalSize(*text));
}

TEST(StrList, SortsByText) {
    StrList list;
    for (const char* text : {"pear", "apple", "Zebra", "fig"}) list.Append(new String(text));
    list.Sort(CompareStringsAscending);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Zebra", "apple", "fig", "pear"}));
    list.Sort(CompareStringsDescending);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"pear", "fig", "apple", "Zebra"}));

    String key("fig");
    const String* keyAddress = &key;
    EXPECT_EQ(list.TList::Search(&keyAddress, CompareStringsAscending), 1);
}

}  // namespace
