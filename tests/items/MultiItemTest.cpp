// Nested item groups: every item of a nested list stands in the root list too, at the root index
// the root records; removing, detaching and destroying keep that so (and delete nothing twice).

#include <gtest/gtest.h>

#include "items/Cluster.h"
#include "items/MultiItem.h"
#include "items/StatText.h"

namespace {

class NestedGroups : public ::testing::Test {
protected:
    MultiItemList root{nullptr, nullptr};

    TItem* Text(ItemList* list, ShortRect bounds = {}) {
        return new StatText(list, &bounds, "t", 0, RGBColor(0), nullptr, 0);
    }
    MultiItem* Group(ShortRect bounds = {}) {
        auto* group = new MultiItem(&root, &bounds);
        root.AppendItem(group);
        return group;
    }
};

TEST_F(NestedGroups, NestedItemsTakeTheNextRootIndexes) {
    root.AppendItem(Text(&root));
    root.AppendItem(Text(&root));
    MultiItemList* nested = Group()->GetNestedList();
    EXPECT_TRUE(nested->IsNestedList());
    EXPECT_EQ(nested->GetDepth(), 1);
    TItem* first = Text(nested);
    EXPECT_EQ(nested->AppendItem(first), 3);
    EXPECT_EQ(nested->AppendItem(Text(nested)), 4);
    EXPECT_EQ(nested->Count(), 2);
    EXPECT_EQ(root.Count(), 5);
    EXPECT_EQ(root.GetRootIndex(nested, 1), 4);
    EXPECT_EQ(nested->GetRootIndex(nested, 0), 3);
    EXPECT_EQ(nested->IndexOf(first), 3);
    EXPECT_EQ(root.GetRootIndex(nested, 2), -1);
    EXPECT_EQ(root.GetRootIndex(&root, 9), -1);
}

TEST_F(NestedGroups, RemovingAnItemRenumbersTheAddressesAfterIt) {
    MultiItemList* nested = Group()->GetNestedList();
    TItem* a = Text(nested);
    TItem* b = Text(nested);
    TItem* c = Text(nested);
    nested->AppendItem(a);
    nested->AppendItem(b);
    nested->AppendItem(c);
    root.AppendItem(Text(&root));
    nested->DeleteItemAt(0, true);
    EXPECT_EQ(root.Count(), 4);
    EXPECT_EQ(root.ItemAt(1), b);
    EXPECT_EQ(root.GetRootIndex(nested, 0), 1);
    EXPECT_EQ(root.GetRootIndex(nested, 1), 2);
    EXPECT_EQ(root.GetRootIndex(&root, 3), 3);
    EXPECT_EQ(nested->IndexOf(c), 2);
}

TEST_F(NestedGroups, ADetachedListLeavesTheRootWithItsItems) {
    MultiItem* group = Group();
    MultiItemList* nested = group->GetNestedList();
    nested->AppendItem(Text(nested));
    nested->AppendItem(Text(nested));
    nested->Detach();
    EXPECT_TRUE(nested->IsRoot());
    EXPECT_EQ(nested->Count(), 2);
    EXPECT_EQ(root.Count(), 1);
    EXPECT_EQ(root.ChildListCount(), 0);
    // Put back, its items stand in the root again after the group.
    nested->SetParent(&root);
    EXPECT_EQ(root.Count(), 3);
    EXPECT_EQ(root.GetRootIndex(nested, 1), 2);
}

TEST_F(NestedGroups, HitsGoThroughClustersAndIntoGroups) {
    const ShortRect all = ShortRect::MakeLTRB(0, 0, 100, 100);
    root.AppendItem(new Cluster(&root, &all, 0, RGBColor(0), "", 0, 12, 0, 0, 0, 1));
    MultiItemList* nested = Group(ShortRect::MakeLTRB(10, 10, 90, 90))->GetNestedList();
    nested->AppendItem(Text(nested, ShortRect::MakeLTRB(20, 20, 40, 40)));
    EXPECT_EQ(root.FindItemAt(ShortPoint{25, 25}), 2);
    EXPECT_EQ(root.FindItemAt(ShortPoint{50, 50}), -1);
    EXPECT_EQ(root.FindItemAt(ShortPoint{95, 95}), -1);
}

TEST_F(NestedGroups, GroupsWithinGroupsAreDestroyedOnce) {
    MultiItemList* outer = Group()->GetNestedList();
    auto* inner = new MultiItem(outer, nullptr);
    outer->AppendItem(inner);
    inner->GetNestedList()->AppendItem(Text(inner->GetNestedList()));
    outer->AppendItem(Text(outer));
    EXPECT_EQ(inner->GetNestedList()->GetDepth(), 2);
    EXPECT_EQ(root.Count(), 4);
    EXPECT_EQ(root.ChildListCount(), 2);
    // The fixture's root goes at the end of the test; the sanitizers catch a second deletion.
}

}  // namespace
