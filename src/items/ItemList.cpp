#include "items/ItemList.h"

#include <cstring>

#include "foundation/IFile.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TWindow.h"
#include "items/ItemStream.h"
#include "items/TItem.h"
#include "platform/ui/Paint.h"

namespace {

// The own-colour mark compares the six bytes of the colour with white.
bool IsWhite(const RGBColor& color) {
    const RGBColor white{0xFFFF, 0xFFFF, 0xFFFF};
    return color == white;
}

}  // namespace

ItemList::ItemList(TWindow* window) : window_(window) {}

ItemList::ItemList(IReadFile& stream, TWindow* window, ErrCode* error) : ItemList(window) {
    *error = ReadFrom(stream);
}

ItemList::~ItemList() { ItemList::DeleteAll(); }

std::uint32_t ItemList::GetDataSize() const { return ObjList::GetDataSize() + name_.GetDataSize(); }

std::int32_t ItemList::GetFlattenedSize() const {
    std::int32_t size = name_.GetFlattenedSize() + 16;
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (const TItem* item = ItemAt(i)) size += item->GetFlattenedSize();
    }
    return size;
}

void ItemList::SetBackColor(const RGBColor& color) {
    backColor_ = color;
    ChangeFlags(kOwnColor, !IsWhite(color));
}

ErrCode ItemList::ReadFrom(IReadFile& stream) {
    ErrCode error = name_.ReadFrom(stream);
    if (!error) error = ReadShortRect(stream, bounds_);
    RGBColor color = backColor_;
    if (!error) error = ReadRGBColor(stream, color);
    if (error) return error;
    SetBackColor(color);

    std::uint16_t count = 0;
    if ((error = stream.ReadUShort(count)) != kNoErr) return error;
    for (std::uint16_t i = 0; i < count && !error; ++i) {
        // The class id is peeked: the item reads it again as the first field of its record.
        std::uint32_t position = 0;
        std::uint16_t classId = 0;
        if ((error = stream.GetPosition(position)) != kNoErr) break;
        if ((error = stream.ReadUShort(classId)) != kNoErr) break;
        if ((error = stream.SetPosition(position)) != kNoErr) break;
        TObject* object =
            MakeObjectByFactory(stream, classId, &error, reinterpret_cast<std::uintptr_t>(this));
        if (!object) {
            if (!error) error = -1;
            break;
        }
        // An object that failed to read, or that is no item, is not kept.
        if (!error && !object->IsKindOf(TItem::kClassId)) error = -1;
        if (error || Append(object) < 0) {
            DeleteObject(object);
            if (!error) error = -4;
        }
    }
    return error;
}

ErrCode ItemList::WriteTo(IWriteFile& stream) {
    if (Count() > 0xFFFF) return -1;
    ErrCode error = name_.WriteTo(stream);
    if (!error) error = WriteShortRect(stream, bounds_);
    if (!error) error = WriteRGBColor(stream, backColor_);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(Count()));
    for (std::int32_t i = 0; i < Count() && !error; ++i) {
        TObject* item = ObjectAt(i);
        error = item ? item->WriteTo(stream) : ErrCode{-1};
    }
    return error;
}

void ItemList::DeleteAll() {
    CloseItems();
    ObjList::DeleteAll();
}

win::HWND ItemList::GetHWnd() const { return window_ ? window_->GetHWnd() : nullptr; }

TItem* ItemList::ItemAt(std::int32_t index) const { return static_cast<TItem*>(ObjectAt(index)); }

void ItemList::OpenItems() {
    ObjectLocker lock(this);
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        if (TItem* item = it.Current(); item && item->LacksWindow()) item->Open(it.Index());
    }
}

void ItemList::CloseItems() {
    ObjectLocker lock(this);
    for (ItemListIterator it(this, Count()); it.Prev(), it.IsValid();) {
        if (TItem* item = it.Current(); item && item->HasWindow()) item->Close();
    }
}

void ItemList::SetFocusItem(std::int32_t index, std::int16_t flag) {
    if (window_) window_->SetFocusItem(index, flag != 0);
}

void ItemList::NotifyResize() {
    ObjectLocker lock(this);
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        if (TItem* item = it.Current(); item && item->HasFlags(TItem::kFollowsWindowSize))
            item->WindowResized();
    }
}

std::int32_t ItemList::FindItemAt(ShortPoint point) {
    ObjectLocker lock(this);
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        const TItem* item = it.Current();
        if (!item || !item->ContainsPoint(point) || item->HasFlags(TItem::kHidden)) continue;
        if (item->IsKindOf(kClusterClassId)) continue;
        return it.Index();
    }
    return -1;
}

std::int32_t ItemList::IndexOf(const WindowItem* item) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (ItemAt(i) == item) return i;
    }
    return -1;
}

std::int32_t ItemList::FindIndexByClassAndId(ClassId classId, std::uint16_t itemId) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        const TItem* item = ItemAt(i);
        if (item && item->GetItemId() == itemId && item->IsKindOf(classId)) return i;
    }
    return -1;
}

TItem* ItemList::FindItemByClassAndId(ClassId classId, std::uint16_t itemId) const {
    const std::int32_t index = FindIndexByClassAndId(classId, itemId);
    return index < 0 ? nullptr : ItemAt(index);
}

std::int32_t ItemList::FindFirstTabStop() const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (const TItem* item = ItemAt(i); item && item->TakesFocus()) return i;
    }
    return -1;
}

std::int32_t ItemList::NextTabStop(std::int32_t from, bool forward) const {
    const std::int32_t count = Count();
    std::int32_t index = from;
    // Counting the visits ends the walk even when it starts outside the list.
    for (std::int32_t visits = 0; visits < count; ++visits) {
        index += forward ? 1 : -1;
        if (index < 0 || index >= count) index = forward ? 0 : count - 1;
        if (index == from) return -1;
        if (const TItem* item = ItemAt(index); item && item->TakesFocus()) return index;
    }
    return -1;
}

void ItemList::SetAllActive(bool active) {
    ObjectLocker lock(this);
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        if (TItem* item = it.Current()) item->SetActive(active);
    }
}

void ItemList::UpdateAll() {
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        if (TItem* item = it.Current(); item && item->HasWindow()) win::UpdateWindow(item->GetHWnd());
    }
}

void ItemList::SaveAllStates() {
    ObjectLocker lock(this);
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        if (TItem* item = it.Current()) item->SaveState();
    }
}

void ItemList::ForgetAllStates() {
    ObjectLocker lock(this);
    for (ItemListIterator it(this); it.Next(), it.IsValid();) {
        if (TItem* item = it.Current()) item->ForgetState();
    }
}

// --- ItemListIterator

ItemListIterator::ItemListIterator(const ItemList* list, std::int32_t start)
    : index_(start), count_(list ? list->Count() : 0), list_(list) {
    Fetch();
}

void ItemListIterator::Next() {
    if (index_ < count_) ++index_;
    Fetch();
}

void ItemListIterator::Prev() {
    if (index_ >= 0) --index_;
    Fetch();
}

void ItemListIterator::Seek(std::int32_t index) {
    index_ = index;
    Fetch();
}

void ItemListIterator::Fetch() { current_ = IsValid() ? list_->ItemAt(index_) : nullptr; }
