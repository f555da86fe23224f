#pragma once
// The items of one window or dialog, in their order, owned by the list. An item's index in the list
// is its identity towards the window: the tab order, the focus index, item-hit commands and control
// ids all use it. The list is what a window's 'ITM#' segment holds:
//
//   i16 name length L, then L bytes and a NUL (nothing when L is 0)
//   4 x i16 bounds (top, left, bottom, right)
//   3 x u16 background colour (red, green, blue)
//   u16 item count N, then N item records, each beginning with its class id
//
// The list answers the window's questions about its items: which lies under a point, which takes
// the focus next on Tab, which has a given class and id.

#include <cstdint>

#include "foundation/String.h"
#include "framework/WindowItems.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "items/TItem.h"
#include "platform/sys/WinTypes.h"

class TWindow;

class ItemList : public WindowItemList {
    TOBJECT_CLASS(ItemList, WindowItemList, 106)

public:
    // The own-colour mark in the list's flags: set while the background is not white.
    static constexpr std::uint16_t kOwnColor = 0x10;

    explicit ItemList(TWindow* window);
    // Reads the list at once, leaving the result in *error.
    ItemList(IReadFile& stream, TWindow* window, ErrCode* error);
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    // Closes and deletes the items.
    ~ItemList() override;

    std::uint32_t GetDataSize() const override;
    std::int32_t GetFlattenedSize() const override;
    // Reads the record; each item is made by the object factories with this list as its owner. The
    // first error ends the read, keeping the items read so far; a class no factory makes gives -1.
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    // Closes every item, then deletes them.
    void DeleteAll() override;

    // The owning window's handle: the window into which the items' windows are made.
    virtual win::HWND GetHWnd() const;
    virtual bool IsNestedList() const { return false; }
    // Opens, with its index, every item that has no window yet.
    void OpenItems() override;
    // From the last item to the first, closes every item that has a window.
    void CloseItems() override;
    // Hands the request to the owning window.
    virtual void SetFocusItem(std::int32_t index, std::int16_t flag);
    // Calls WindowResized on every item that follows its window's size.
    void NotifyResize() override;
    // The first item that holds the point and is neither hidden nor a Cluster; -1 when none.
    virtual std::int32_t FindItemAt(ShortPoint point);
    std::int32_t IndexOf(const WindowItem* item) const override;

    TItem* ItemAt(std::int32_t index) const;
    // The first item whose id is itemId and which is of the class (or a subclass); -1 or null.
    std::int32_t FindIndexByClassAndId(ClassId classId, std::uint16_t itemId) const;
    TItem* FindItemByClassAndId(ClassId classId, std::uint16_t itemId) const override;
    // The first item that takes the focus; -1 when none.
    std::int32_t FindFirstTabStop() const override;
    // The next item after `from` (before it when not forward), wrapping round, that takes the focus;
    // never `from` itself. Each item is visited at most once; -1 when no other item takes the focus.
    // An index outside the list (-1, or -100 from older callers) stands for "no focus".
    std::int32_t NextTabStop(std::int32_t from, bool forward) const override;
    void SetAllActive(bool active) override;
    // UpdateWindow on every item's window.
    void UpdateAll() override;
    void SaveAllStates() override;
    void ForgetAllStates();

    TWindow* GetWindow() const override { return window_; }
    void SetWindow(TWindow* window) override { window_ = window; }
    const char* GetName() const override { return name_.CStr() ? name_.CStr() : ""; }
    void SetName(const char* name) override { name_.Assign(name); }
    ShortRect GetBounds() const override { return bounds_; }
    void SetBounds(const ShortRect& bounds) override { bounds_ = bounds; }
    RGBColor GetBackColor() const override { return backColor_; }
    // Stores the colour and sets or clears the own-colour mark.
    void SetBackColor(const RGBColor& color) override;
    bool HasOwnColor() const override { return HasFlags(kOwnColor); }
    std::uint16_t GetListFlags() const { return listFlags_; }

private:
    String name_;
    TWindow* window_;
    ShortRect bounds_;
    RGBColor backColor_{0xFFFF, 0xFFFF, 0xFFFF};
    std::uint16_t listFlags_ = 0;
};

// Walks a list by index: the current index, the count taken when the walk began, the list and the
// current item (null while the index lies outside 0 .. count - 1).
class ItemListIterator {
public:
    // Usually from -1, before the first item.
    ItemListIterator(const ItemList* list, std::int32_t start = -1);

    // One step on, unless already at the count; one step back, unless already below 0.
    void Next();
    void Prev();
    void Seek(std::int32_t index);
    bool IsValid() const { return index_ >= 0 && index_ < count_; }
    std::int32_t Index() const { return index_; }
    TItem* Current() const { return current_; }

    friend bool operator==(const ItemListIterator&, const ItemListIterator&) = default;

private:
    void Fetch();

    std::int32_t index_;
    std::int32_t count_;
    const ItemList* list_;
    TItem* current_ = nullptr;
};
