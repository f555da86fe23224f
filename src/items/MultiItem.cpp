#include "items/MultiItem.h"

#include <algorithm>
#include <vector>

#include "framework/ItemObjectFactory.h"
#include "framework/TWindow.h"
#include "platform/ui/Messages.h"

namespace {

MultiItemList* AsMultiList(ItemList* list) {
    return list && list->IsKindOf(MultiItemList::kClassId) ? static_cast<MultiItemList*>(list) : nullptr;
}

}  // namespace

// --- MultiItemList

MultiItemList::MultiItemList(TWindow* window, MultiItemList* parent) : ItemList(window) {
    JoinRootOf(parent);
}

void MultiItemList::JoinRootOf(MultiItemList* parent) {
    parent_ = parent;
    root_ = this;
    depth_ = 0;
    for (MultiItemList* up = parent; up; up = up->parent_) {
        root_ = up;
        ++depth_;
    }
    isRoot_ = root_ == this;
    if (!isRoot_) root_->childLists_.insert(this);
}

MultiItemList::~MultiItemList() {
    // The deepest lists first: their items leave the root before the lists holding their groups go.
    while (!childLists_.empty()) {
        MultiItemList* deepest = *std::max_element(
            childLists_.begin(), childLists_.end(),
            [](const MultiItemList* a, const MultiItemList* b) { return a->depth_ < b->depth_; });
        deepest->Detach();
        deepest->DeleteAll();
    }
    if (!isRoot_) Detach();
    MultiItemList::DeleteAll();
}

void MultiItemList::DeleteAll() {
    if (!HasFlags(kKeepElements)) {
        ItemList::DeleteAll();
    } else {
        TList::DeleteAll();
    }
    if (isRoot_) addresses_.clear();
}

void MultiItemList::TakeOut(std::int32_t index) {
    SetAt(nullptr, index);
    DeleteAt(index);
}

std::int32_t MultiItemList::AppendItem(TItem* item) {
    const std::int32_t local = Append(item);
    if (local < 0) return -1;
    if (isRoot_) {
        addresses_[local] = Address{this, local, 0};
        return local;
    }
    const std::int32_t rootIndex = root_->Append(item);
    if (rootIndex < 0) {
        TakeOut(local);
        return -1;
    }
    root_->addresses_[rootIndex] = Address{this, local, depth_};
    return rootIndex;
}

void MultiItemList::DeleteItemAt(std::int32_t index, bool deleteItem) {
    if (index < 0 || index >= Count()) return;
    if (!isRoot_) root_->RemoveFromRoot(this, index);
    TObject* item = ObjectAt(index);
    TakeOut(index);
    if (isRoot_) {
        // The root's own entries after it move down, as RemoveFromRoot does for nested ones.
        std::map<std::int32_t, Address> moved;
        for (auto& [key, address] : addresses_) {
            if (key == index) continue;
            Address shifted = address;
            if (shifted.list == this && shifted.index > index) --shifted.index;
            moved[key > index ? key - 1 : key] = shifted;
        }
        addresses_ = std::move(moved);
    }
    if (deleteItem && !HasFlags(kKeepElements)) DeleteObject(item);
}

std::int32_t MultiItemList::GetRootIndex(const MultiItemList* list, std::int32_t localIndex) const {
    if (!isRoot_) return root_->GetRootIndex(list, localIndex);
    if (!list) return -1;
    const Address wanted{const_cast<MultiItemList*>(list), localIndex, list->depth_};
    for (const auto& [key, address] : addresses_) {
        if (address == wanted) return key;
    }
    return -1;
}

void MultiItemList::RemoveFromRoot(const MultiItemList* list, std::int32_t localIndex) {
    const std::int32_t found = GetRootIndex(list, localIndex);
    if (found < 0) return;
    TakeOut(found);
    std::map<std::int32_t, Address> moved;
    for (auto& [key, address] : addresses_) {
        if (key == found) continue;
        Address shifted = address;
        // Later items of the same list move down in it too, and the root's own items with the root.
        if (shifted.list == list && shifted.index > localIndex) --shifted.index;
        if (shifted.list == this && shifted.index > found) --shifted.index;
        moved[key > found ? key - 1 : key] = shifted;
    }
    addresses_ = std::move(moved);
}

void MultiItemList::SetParent(MultiItemList* parent) {
    if (!parent) return;
    if (!isRoot_) Detach();
    addresses_.clear();
    JoinRootOf(parent);
    for (std::int32_t i = 0; i < Count(); ++i) {
        const std::int32_t rootIndex = root_->Append(ItemAt(i));
        if (rootIndex >= 0) root_->addresses_[rootIndex] = Address{this, i, depth_};
    }
}

void MultiItemList::Detach() {
    if (isRoot_) return;
    root_->Detach(this);
    CloseItems();
    for (std::int32_t i = Count() - 1; i >= 0; --i) root_->RemoveFromRoot(this, i);
    parent_ = nullptr;
    root_ = this;
    depth_ = 0;
    isRoot_ = true;
}

void MultiItemList::Detach(MultiItemList* child) { childLists_.erase(child); }

void MultiItemList::SetFocusItem(std::int32_t index, std::int16_t flag) {
    const std::int32_t rootIndex = isRoot_ ? index : GetRootIndex(this, index);
    if (TWindow* window = GetWindow()) window->SetFocusItem(rootIndex, flag != 0);
}

std::int32_t MultiItemList::FindItemAt(ShortPoint point) {
    const ObjectLocker lock(this);
    for (std::int32_t i = 0; i < Count(); ++i) {
        TItem* item = ItemAt(i);
        if (!item || !item->ContainsPoint(point) || item->HasFlags(TItem::kHidden)) continue;
        if (item->IsKindOf(kClusterClassId)) continue;
        if (item->IsKindOf(MultiItem::kClassId))
            return static_cast<MultiItem*>(item)->GetNestedList()->FindItemAt(point);
        return isRoot_ ? i : GetRootIndex(this, i);
    }
    return -1;
}

std::int32_t MultiItemList::IndexOf(const WindowItem* item) const {
    return isRoot_ ? ItemList::IndexOf(item) : root_->IndexOf(item);
}

// --- MultiItem

MultiItem::MultiItem(ItemList* list, const ShortRect* bounds)
    : TItem(list, bounds, 0, RGBColor(0)),
      nested_(new MultiItemList(list ? list->GetWindow() : nullptr, AsMultiList(list))),
      installed_(1) {}

MultiItem::MultiItem(TWindow* window, ItemList* list, const ShortRect* bounds)
    : TItem(list, bounds, 0, RGBColor(0)),
      nested_(new MultiItemList(window, AsMultiList(list))),
      installed_(0) {}

MultiItem::~MultiItem() { delete nested_; }

void MultiItem::InstallInList(ItemList* list, ShortPoint offset) {
    SetItemList(list);
    ShortRect moved = Bounds();
    moved.Offset(offset.x, offset.y);
    SetBounds(moved, false);
    for (std::int32_t i = 0; i < nested_->Count(); ++i) {
        if (TItem* item = nested_->ItemAt(i)) {
            ShortRect bounds = item->Bounds();
            bounds.Offset(offset.x, offset.y);
            item->SetBounds(bounds, false);
        }
    }
    if (MultiItemList* multi = AsMultiList(list)) {
        multi->AppendItem(this);
        nested_->SetWindow(list->GetWindow());
        nested_->SetParent(multi);
    } else if (list) {
        list->Append(this);
    }
    installed_ = 1;
}

bool MultiItem::DefaultMessage(win::HWND /*window*/, win::UINT message, win::WPARAM /*wParam*/,
                               win::LPARAM /*lParam*/, win::LRESULT* result) {
    if (message != win::WM_NCHITTEST) return false;
    *result = win::HTTRANSPARENT;
    return true;
}
