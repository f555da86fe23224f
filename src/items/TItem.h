#pragma once
// The base of every element a window or dialog shows: buttons, texts, popups, views, tables, scroll
// bars. An item lives in one item list, which belongs to a window; it keeps its bounds (in the
// client coordinates of that window), its colour, state flags, item id, cursor regions and links
// to other items of the list, and owns at most one child window, made when the item is opened.
//
// Every message of that child window goes through one subclass procedure to the item's virtual
// handlers below; a handler that does not take a message passes it on to the window's previous
// procedure. The item draws through its own drawing environment (ItemGraphEnv) on the device
// context of the window that holds its list, in that window's coordinates.

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/TObject.h"
#include "framework/WindowItems.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"
#include "platform/ui/Window.h"

class CursorRegion;
class ItemGraphEnv;
class ItemList;
class KeyEvent;
class MsgEvent;
class Rgn;
class TAppl;
class TControl;
class TWindow;

// What an item's drawing environment asks of the item it draws for.
class IItemGraphEnvClient {
public:
    virtual ~IItemGraphEnvClient() = default;
    // The device context to draw on: that of the window that owns the item's list.
    virtual win::HDC GetDC() const = 0;
    virtual ShortRect& GetBounds(ShortRect& bounds) const = 0;
    virtual win::HWND GetHWnd() const = 0;
    virtual RGBColor& GetColor(RGBColor& color) const = 0;
};

class TItem : public WindowItem, public IItemGraphEnvClient {
    TOBJECT_CLASS(TItem, WindowItem, 107)

public:
    // State flags; other bits belong to subclasses and are kept as they are.
    static constexpr std::uint16_t kFollowsWindowSize = kItemFollowsSize;
    static constexpr std::uint16_t kDisabled = kItemDisabled;
    static constexpr std::uint16_t kHidden = kItemHidden;
    static constexpr std::uint16_t kInactive = 0x0010;
    static constexpr std::uint16_t kFocusRingShown = 0x0020;
    static constexpr std::uint16_t kNoErase = 0x0100;
    static constexpr std::uint16_t kHasCursorRegions = kItemHasCursorRegions;

    // Bytes of the base record without links.
    static constexpr std::int32_t kRecordSize = 22;

    // A null bounds pointer gives empty bounds.
    TItem(ItemList* list, const ShortRect* bounds, std::uint16_t flags, const RGBColor& color);
    // The reading constructor: empty bounds, flags 0, black; then, while *error is 0, the stored
    // item is read and the result left in *error.
    TItem(ItemList* list, IReadFile& stream, ErrCode* error);
    // The window must be closed already.
    ~TItem() override;
    TItem(const TItem&) = delete;
    TItem& operator=(const TItem&) = delete;

    // --- TObject
    std::uint32_t GetDataSize() const override;
    bool HasFlags(std::uint32_t mask) const override { return (state_ & mask) == mask; }
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;

    // --- IItemGraphEnvClient
    win::HDC GetDC() const override;
    ShortRect& GetBounds(ShortRect& bounds) const override;
    win::HWND GetHWnd() const override { return window_; }
    RGBColor& GetColor(RGBColor& color) const override;

    void Clear() override {}
    void SetBounds(const ShortRect& rect, bool redraw) override;
    virtual void SetItemList(ItemList* list) { list_ = list; }
    bool TakesFocus() const override { return false; }
    // Whether the item takes Tab, or Return, as input of its own instead of leaving it to the window.
    virtual bool HandlesTab() const { return false; }
    virtual bool HandlesReturn() const { return false; }

    // Edit enabling.
    bool CanSelectAll() const override { return false; }
    bool HasSelection() const override { return false; }
    bool CanCut() const override { return HasSelection(); }
    bool CanCopy() const override { return HasSelection(); }
    bool CanClear() const override { return HasSelection(); }
    bool CanPaste() const override { return false; }
    bool CanUndo() const override { return false; }

    // Right and bottom are outside.
    virtual bool ContainsPoint(ShortPoint point) const { return bounds_.Contains(point); }
    bool IsEnabled() const override { return (state_ & kDisabled) == 0; }
    virtual bool IsActive() const { return (state_ & kInactive) == 0; }
    virtual bool HasWindow() const { return window_ != nullptr; }
    virtual bool LacksWindow() const { return window_ == nullptr; }
    bool IsCreated() const override { return HasWindow(); }

    // Only while enabled: clears the inactive flag when active, sets it otherwise.
    void SetActive(bool active) override;
    // Disabling makes the item inactive first; enabling clears the flag first and then makes it
    // active. The window (when there is one) is enabled or disabled to match.
    void Enable(bool enable) override;
    void Show() override;
    void Hide() override;
    // Called by the list when the window is restored or maximised, on items with kFollowsWindowSize.
    void WindowResized() override {}
    // Draws the system focus rectangle around the bounds (an XOR: drawing it again takes it away).
    virtual void DrawFocusRing();

    // Edit commands.
    void Undo() override {}
    void Cut() override {}
    void Copy() override {}
    void Paste() override {}
    void SelectAll() override {}

    // Makes the window (control id index + 100), attaches it and shows it unless hidden; nothing
    // when there is a window already, or when the window cannot be made.
    void Open(std::int32_t index) override;
    // Rebuilds the link indexes from the linked items, detaches and destroys the window.
    virtual void Close();
    virtual void Attach(win::HWND window);
    virtual void Detach();
    // Whether the item's window is of the item window class; native controls answer false.
    virtual bool UsesItemClass() const { return true; }

    virtual void UpdateCursor();
    void SaveState() override { SaveWindowState(); }
    virtual void ForgetState() { ForgetWindowState(); }

    // The item's entry of an in-memory dialog template at *cursor, which moves past it.
    virtual void WriteDialogItem(std::uint8_t** cursor, std::int32_t index);
    virtual std::int32_t DialogItemSize() const;

    // False when the key is not taken.
    bool HandleKey(KeyEvent& event) override;
    virtual void ShowFocusRing();
    virtual void HideFocusRing();
    // 0 when not taken: the window's previous procedure then gets the message.
    virtual std::int32_t HandleMouseDown(const MsgEvent& event);
    virtual std::int32_t HandleMouseUp(const MsgEvent& event);
    // Draws the item unless hidden, inside a paint pass of its drawing environment; answers 1.
    virtual std::int32_t Paint();

    virtual win::HWND CreateHWnd(std::int32_t index);
    virtual void DestroyHWnd(win::HWND window);
    // Draws the item on the device context (its window's), within the clip region.
    virtual void Draw(win::HDC dc, const Rgn& clip);
    virtual void Subclass();
    virtual void Unsubclass();
    virtual void CreateGraphEnv();
    virtual void DeleteGraphEnv();

    // Copies what the window holds into the object before the window goes, or forgets it.
    virtual void ForgetWindowState() {}
    virtual void SaveWindowState() {}

    // Has the owning window queue an item-hit command for the item's index.
    virtual void PostHit();
    virtual const char* GetClassName() const;
    virtual win::DWORD WindowStyle() const { return 0; }
    // The extended style the window is made with.
    virtual win::DWORD ExtendedWindowStyle() const { return 0; }

    // Message handlers of the subclass procedure; each answers the message's result.
    // DefaultMessage answers whether it took the message, leaving the result in *result.
    virtual bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                                win::LRESULT* result);
    virtual win::LRESULT HandleActivate(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam);
    virtual win::LRESULT HandleChar(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);
    virtual win::LRESULT HandleEraseBkgnd(win::HWND window, win::UINT message, win::WPARAM wParam,
                                          win::LPARAM lParam);
    virtual win::LRESULT HandleGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam,
                                          win::LPARAM lParam);
    virtual win::LRESULT HandleKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam);
    virtual win::LRESULT HandleKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam);
    virtual win::LRESULT HandleLButtonDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                           win::LPARAM lParam);
    virtual win::LRESULT HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam);
    virtual win::LRESULT HandleMouseMove(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam);
    virtual win::LRESULT HandlePaint(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);
    virtual win::LRESULT HandleSetCursor(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam);
    virtual win::LRESULT HandleSetFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam);
    virtual win::LRESULT HandleSysKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                          win::LPARAM lParam);
    virtual win::LRESULT HandleSysKeyUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam);
    // The wheel turns the item's scroll control for its direction (sideways with Shift held) by
    // whole lines; an item without one, or whose control cannot move, passes it on to the window's
    // previous procedure (and so to the parent window).
    virtual win::LRESULT HandleMouseWheel(win::HWND window, win::UINT message, win::WPARAM wParam,
                                          win::LPARAM lParam);
    // The scroll bar or scroller the wheel turns over the item: none by default.
    virtual TControl* GetWheelScroller(bool /*sideways*/) { return nullptr; }
    // A native scroll code and thumb position (scroll bars and scrollers).
    virtual void HandleScroll(std::int32_t /*code*/, std::int32_t /*position*/) {}
    // A scroll message of a scroll bar: its code and thumb position to HandleScroll.
    void HandleScrollMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                             win::LPARAM lParam) override;

    // --- Non-virtual operations
    TAppl* GetAppl() const;
    ItemList* GetItemList() const { return list_; }
    // The window that owns the list, and its handle.
    TWindow* GetWindow() const;
    win::HWND GetParentHWnd() const;
    bool IsNotCreated() const { return window_ == nullptr; }
    bool LacksFlags(std::uint16_t mask) const { return (state_ & mask) != mask; }
    void SetFlags(std::uint16_t mask) { state_ |= mask; }
    void ClearFlags(std::uint16_t mask) { state_ &= static_cast<std::uint16_t>(~mask); }
    std::uint16_t GetFlags() const { return state_; }
    // Invalidates the bounds (with erase) where the item's window lies: in its parent when that is
    // not the list's window, else in the list's window.
    void Invalidate();
    void Update();
    void InvertBounds();
    // Moves the bounds so that their centre meets the rectangle's, invalidating both places.
    void CentreOn(const ShortRect& rect);
    void CopyBounds(ShortRect& bounds) const { bounds = bounds_; }
    const ShortRect& Bounds() const { return bounds_; }
    // Shows the cursor the item wants where the mouse is; true when a region's cursor was set.
    bool ApplyCursor();
    // The new link's position, or -1.
    std::int32_t AddLinkedItem(TItem* item);
    // 0, or -4 when there is no memory for the list; the position is clamped to the count.
    ErrCode InsertLinkedItem(TItem* item, std::int32_t position);
    // The linked item at the position (null when absent), and how many there are.
    TItem* GetLinkedItem(std::int32_t position) const;
    std::int32_t LinkedItemCount() const;
    // The stored link indexes, and the linked items rebuilt from them through the owning list
    // (null for an index the list does not have).
    std::int32_t LinkIndexCount() const;
    std::uint16_t GetLinkIndex(std::int32_t position) const;
    ErrCode ResolveLinkedItems();
    void SetCursor(std::int32_t id) { defaultCursor_ = currentCursor_ = id; }
    std::int32_t GetDefaultCursor() const { return defaultCursor_; }
    std::int32_t GetCurrentCursor() const { return currentCursor_; }
    void AddCursorRegion(const ShortRect& rect, std::int32_t id);
    void AddCursorRegion(const Rgn& region, std::int32_t id);
    void RemoveCursorRegions();
    // Every cursor region narrowed to the rectangle.
    void ClipCursorRegions(const ShortRect& rect);
    void ShowRegionCursor() override;
    // In mouse-tracking loops: while the item's window holds the capture, takes the next mouse
    // message between WM_MOUSEMOVE and WM_LBUTTONUP and sets *down to whether it was not the
    // release (unchanged when none waits); without the capture, *down becomes false. Answers *down.
    bool StillDown(bool* down);

    std::uint16_t GetItemId() const override { return itemId_; }
    void SetItemId(std::uint16_t id) override { itemId_ = id; }
    void SetColor(const RGBColor& color) { color_ = color; }
    const RGBColor& Color() const { return color_; }
    ItemGraphEnv* GetGraphEnv() const { return graphEnv_; }
    win::WNDPROC GetSavedProc() const { return savedProc_; }

    // The window-to-item lookup of the subclass procedure.
    static TItem* ItemFromHWnd(win::HWND window);
    // CallWindowProcA with the saved procedure, DefWindowProcA when none is saved.
    win::LRESULT CallPreviousProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam);
    // Passes the event to the previous procedure; answers that it was handled.
    bool DefaultHandling(const MsgEvent* event);

protected:
    // The bounds without redraw or window changes (for subclasses that keep their own geometry).
    void StoreBounds(const ShortRect& rect) { bounds_ = rect; }
    // Writes the dialog-template entry with the given text.
    void WriteDialogEntry(std::uint8_t** cursor, std::int32_t index, const char* text);

private:
    // Rebuilds the index list from the linked items.
    void RebuildLinkIndexes();
    // The item's area on its parent window's coordinates, invalidated with erase.
    void InvalidateRect(const ShortRect& rect) const;

    ItemList* list_;
    win::HWND window_ = nullptr;
    ItemGraphEnv* graphEnv_ = nullptr;
    // Absent (empty) until the first link; the items are not owned.
    std::vector<std::uint16_t> linkIndexes_;
    std::vector<TItem*> linkedItems_;
    ShortRect bounds_;
    RGBColor color_;
    std::uint16_t state_;
    std::uint16_t itemId_ = 0;
    std::unique_ptr<CursorRegion> cursorRegions_;
    std::int32_t defaultCursor_ = 0;
    std::int32_t currentCursor_ = 0;
    win::WNDPROC savedProc_ = nullptr;
};

// Hides the item's window (unless the item is hidden) for the life of the scope, then shows it
// again.
class ItemHideScope {
public:
    explicit ItemHideScope(TItem* item);
    ~ItemHideScope();
    ItemHideScope(const ItemHideScope&) = delete;
    ItemHideScope& operator=(const ItemHideScope&) = delete;

private:
    TItem* item_;
};
