#pragma once
// The items of a window as the window framework sees them. Windows and dialogs show child items
// (buttons, texts, fields, views) held in an item list read from the application data file; the
// item classes themselves are built on top of the framework. These two bases are what a window asks
// of them: the item classes derive from WindowItem, the item list from WindowItemList, and implement
// every operation.
//
// An item's index in its list is its identity towards the window: the focus item, item hits and
// the tab order go by it.

#include <cstddef>
#include <cstdint>

#include "foundation/ObjList.h"
#include "foundation/TObject.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/Rgn.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"

class KeyEvent;
class TWindow;

// Item state flags (HasFlags).
inline constexpr std::uint32_t kItemFollowsSize = 0x0001;  // WindowResized when the window is set up
inline constexpr std::uint32_t kItemDisabled = 0x0002;
inline constexpr std::uint32_t kItemHidden = 0x0004;
inline constexpr std::uint32_t kItemHasCursorRegions = 0x0200;
// An edit field that cannot be edited.
inline constexpr std::uint32_t kItemReadOnly = 0x0040;

// Class ids the framework looks for among a window's items.
inline constexpr ClassId kItemClassId = 107;
inline constexpr ClassId kScrollerClassId = 517;

class WindowItem : public TObject {
public:
    // Empties the item's contents (the Clear command).
    virtual void Clear() = 0;
    // Whether the item takes the keyboard focus (a tab stop).
    virtual bool TakesFocus() const = 0;

    // Edit enabling, asked for the Edit menu.
    virtual bool CanSelectAll() const = 0;
    virtual bool HasSelection() const = 0;
    virtual bool CanCut() const = 0;
    virtual bool CanCopy() const = 0;
    virtual bool CanPaste() const = 0;
    virtual bool CanClear() const = 0;
    virtual bool CanUndo() const = 0;

    virtual bool IsEnabled() const = 0;
    // Whether the item has its child window.
    virtual bool IsCreated() const = 0;
    // Shown as belonging to an active or inactive window.
    virtual void SetActive(bool active) = 0;
    virtual void Enable(bool enable) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // The window was set up or resized (items with kItemFollowsSize).
    virtual void WindowResized() = 0;

    // The edit commands.
    virtual void Undo() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual void SelectAll() = 0;

    // Creates the item's window in its list's window; the index is the item's place in the list.
    virtual void Open(std::int32_t index) = 0;
    // Copies what the item's window holds into the item, before the window goes.
    virtual void SaveState() = 0;
    // A key on the window's key road; true when the item took it.
    virtual bool HandleKey(KeyEvent& event) = 0;
    // A scroll message of a scroll bar (a scroller's answer; other items leave it).
    virtual void HandleScrollMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam) = 0;
    // Shows the cursor the item's cursor regions hold now (items with kItemHasCursorRegions).
    virtual void ShowRegionCursor() = 0;

    // The item's child window; null while it has none.
    virtual win::HWND GetHWnd() const = 0;
    // Copies the bounds (client coordinates of the list's window) into the rectangle and answers it.
    virtual ShortRect& GetBounds(ShortRect& bounds) const = 0;
    virtual void SetBounds(const ShortRect& bounds, bool redraw) = 0;
    virtual std::uint16_t GetItemId() const = 0;
    virtual void SetItemId(std::uint16_t id) = 0;
    // What the item's own coming paint will cover completely (client coordinates of the list's
    // window), which the window need not erase before: none, unless the item paints every pixel of
    // what it was asked to paint again, its background too.
    virtual void GetRepaintedArea(Rgn& area) const { area.SetEmpty(); }
};

class WindowItemList : public ObjList {
public:
    // The item at the index; null outside the list.
    WindowItem* ItemAt(std::int32_t index) const {
        return index >= 0 && index < Count() ? static_cast<WindowItem*>(ObjectAt(index)) : nullptr;
    }
    // The window the items' windows are made in.
    virtual TWindow* GetWindow() const = 0;
    virtual void SetWindow(TWindow* window) = 0;
    // The title of the window the list was made for.
    virtual const char* GetName() const = 0;
    virtual void SetName(const char* name) = 0;
    // The client area the items were laid out in.
    virtual ShortRect GetBounds() const = 0;
    virtual void SetBounds(const ShortRect& bounds) = 0;
    // Whether the list carries a background colour of its own (any but white), and which.
    virtual bool HasOwnColor() const = 0;
    virtual RGBColor GetBackColor() const = 0;
    virtual void SetBackColor(const RGBColor& color) = 0;

    // Opens every item that has no window yet, with its index; closes every item that has one, from
    // the last to the first.
    virtual void OpenItems() = 0;
    virtual void CloseItems() = 0;
    // WindowResized on every item with kItemFollowsSize.
    virtual void NotifyResize() = 0;
    // The first item that takes the focus; -1 when none does.
    virtual std::int32_t FindFirstTabStop() const = 0;
    // The next item after (or before) `from` that takes the focus, round the list; never `from`
    // itself; -1 when there is none.
    virtual std::int32_t NextTabStop(std::int32_t from, bool forward) const = 0;
    virtual void SetAllActive(bool active) = 0;
    // SaveState on every item.
    virtual void SaveAllStates() = 0;
    // UpdateWindow on every item's window.
    virtual void UpdateAll() = 0;
    // The first item of the class (or a class derived from it) with the id; null when none.
    virtual WindowItem* FindItemByClassAndId(ClassId classId, std::uint16_t itemId) const = 0;
    virtual std::int32_t IndexOf(const WindowItem* item) const = 0;
};

// What the framework's own dialogs ask of three item kinds besides the above.
class IPushButtonItem {
public:
    virtual ~IPushButtonItem() = default;
    // Shows the button pressed for a moment.
    virtual void FlashPressed() = 0;
    virtual void SetDefaultButton(bool isDefault) = 0;
};

class ITextItem {
public:
    virtual ~ITextItem() = default;
    virtual void SetText(const char* text) = 0;
    // The text into the buffer, cut to size - 1 characters and ended with a NUL.
    virtual void CopyText(char* buffer, std::size_t size) const = 0;
    // The size the text needs at the item's width.
    virtual ShortPoint SizeToText() = 0;
};

class IBarGraphItem {
public:
    virtual ~IBarGraphItem() = default;
    // 0 to 100; redrawn at once when it changed and redraw is set.
    virtual void SetPercent(std::int32_t percent, bool redraw) = 0;
    virtual std::int32_t GetPercent() const = 0;
};

// Items that the framework's dialogs build in code: the item classes install a maker for their
// class id (StatText 502 with its text, PushBtn 507 with its title, EditView 513 with its text).
using ItemMaker = WindowItem* (*)(WindowItemList& list, const ShortRect& bounds, const char* text,
                                  const win::LOGFONTA& font);
// False for a class id the framework does not build items of.
bool SetItemMaker(ClassId id, ItemMaker maker);
// Makes the item and appends it to the list; null when its class has no maker or the item could
// not be made.
WindowItem* MakeItem(ClassId id, WindowItemList& list, const ShortRect& bounds, const char* text,
                     const win::LOGFONTA& font);
