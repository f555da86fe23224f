#pragma once
// Nested item groups: a window keeps one flat item list, its root, while items are grouped in nested
// lists (the pages of a tab panel, the panes of a browser). Every item added to a nested list also
// stands in the root list, which remembers for each of its indexes where the item really lives.
// Focus, tab order, hits and redraws all run on the root list.
//
// A MultiItem owns a nested list and stands for the group in its parent list; its window lets the
// mouse through to the items below.

#include <cstdint>
#include <map>
#include <set>

#include "items/ItemList.h"
#include "items/TItem.h"

class MultiItemList : public ItemList {
    TOBJECT_CLASS(MultiItemList, ItemList, 133)

public:
    // Where an item really lives: its list, its index there and that list's depth.
    struct Address {
        MultiItemList* list = nullptr;
        std::int32_t index = -1;
        std::int16_t depth = 0;
        friend bool operator==(const Address&, const Address&) = default;
    };

    // A list without parent is a root; one with a parent registers with the root above it.
    MultiItemList(TWindow* window, MultiItemList* parent);
    // Empties every nested list first (the deepest first), so that no item is deleted twice.
    ~MultiItemList() override;

    // A list that does not own its items only empties itself.
    void DeleteAll() override;
    bool IsNestedList() const override { return !isRoot_; }
    // A nested list's local index is turned into the root index first.
    void SetFocusItem(std::int32_t index, std::int16_t flag) override;
    // The first item under the point that is shown and no Cluster; within a MultiItem, the item of
    // its nested list under the point. Root indexes.
    std::int32_t FindItemAt(ShortPoint point) override;
    // The root index.
    std::int32_t IndexOf(const WindowItem* item) const override;

    // Appends the item here (and, in a nested list, to the root too); answers its root index.
    std::int32_t AppendItem(TItem* item);
    // Removes the entry (from the root first, in a nested list), deleting the item only when asked
    // and the list owns its items.
    void DeleteItemAt(std::int32_t index, bool deleteItem);
    // The root index of the item at the local index of the list; -1 when it is not recorded.
    std::int32_t GetRootIndex(const MultiItemList* list, std::int32_t localIndex) const;
    // On the root: takes the item out of the root list (without deleting it) and closes the gap in
    // the recorded addresses.
    void RemoveFromRoot(const MultiItemList* list, std::int32_t localIndex);
    // Makes this list a nested list of the new parent, its items standing in the parent's root.
    void SetParent(MultiItemList* parent);
    // A nested list leaves its root (closing its items' windows and taking them out of the root)
    // and becomes a root of its own.
    void Detach();
    // On a root: forgets the nested list.
    void Detach(MultiItemList* child);

    MultiItemList* GetParent() const { return parent_; }
    MultiItemList* GetRoot() const { return root_; }
    std::int16_t GetDepth() const { return depth_; }
    bool IsRoot() const { return isRoot_; }
    std::int32_t ChildListCount() const { return static_cast<std::int32_t>(childLists_.size()); }

private:
    // Joins the root above the parent (this list when there is none).
    void JoinRootOf(MultiItemList* parent);
    // Removes the entry without deleting its item.
    void TakeOut(std::int32_t index);

    std::map<std::int32_t, Address> addresses_;
    std::set<MultiItemList*> childLists_;
    MultiItemList* parent_ = nullptr;
    MultiItemList* root_ = this;
    std::int16_t depth_ = 0;
    bool isRoot_ = true;
};

class MultiItem : public TItem {
    TOBJECT_CLASS(MultiItem, TItem, 132)

public:
    // Stands in the list (the caller appends it); its nested list is a child of that list.
    MultiItem(ItemList* list, const ShortRect* bounds);
    // Not yet in a list: InstallInList puts it there.
    MultiItem(TWindow* window, ItemList* list, const ShortRect* bounds);
    ~MultiItem() override;

    // Sets the list, moves the item and its nested items by the offset, appends the item to the
    // list and makes the nested list a child of it.
    virtual void InstallInList(ItemList* list, ShortPoint offset);
    // The group's own window never takes the mouse: clicks reach the items below.
    bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT* result) override;

    MultiItemList* GetNestedList() const { return nested_; }
    bool IsInstalled() const { return installed_ != 0; }

private:
    MultiItemList* nested_;
    std::int16_t installed_;
};
