#pragma once
// The list a popup choice control opens: a popup menu of the window layer whose entries are all drawn
// by the program. The menu holds one entry per visible row, not one per item: while every item fits
// on the screen each has its row; otherwise a fixed number of rows shows the items from the first
// visible one on, between an up-arrow and a down-arrow entry, and resting the pointer on an arrow
// scrolls the rows one item per timer tick.
//
// The owner window receives the menu's measuring, drawing, timer, initialisation, selection and
// command messages and hands them to the handlers below. Row r carries command 1000 + r, so an
// item's index is the first visible index + command - 1000; the arrows carry 998 (up) and 999 (down),
// and the scroll timer is timer 997 of the owner window.
//
// The screen is the desktop less the edge the window layer draws around a popup menu, so that a
// scrolling menu with both arrows always lies wholly on the screen.

#include <cstdint>

#include "foundation/ObjList.h"
#include "foundation/TObject.h"
#include "framework/QRVTimer.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"
#include "widgets/PopUpMenuItem.h"

class ScrollingMenu : public TObject {
    TOBJECT_CLASS(ScrollingMenu, TObject, 129)

public:
    static constexpr win::UINT kUpArrowCommand = 998;
    static constexpr win::UINT kDownArrowCommand = 999;
    static constexpr win::UINT kFirstRowCommand = 1000;
    static constexpr win::UINT_PTR kScrollTimerId = 997;
    static constexpr std::int16_t kMouseScrollDelay = 50;
    static constexpr std::int16_t kKeyScrollDelay = 100;
    // Scroll directions.
    static constexpr std::int16_t kScrollUp = 0;
    static constexpr std::int16_t kScrollDown = 1;

    // Told while the pointer rests on an item: the menu, the item's index and the data word given.
    using HoverCallback = void (*)(win::HMENU menu, std::int16_t item, std::uintptr_t data);

    explicit ScrollingMenu(bool multiCheck);
    ~ScrollingMenu() override;
    ScrollingMenu(const ScrollingMenu&) = delete;
    ScrollingMenu& operator=(const ScrollingMenu&) = delete;

    // Stops scrolling, destroys the menu unless a parent menu holds it, forgets the owner and the
    // layout and deletes every item; the minimum width and the all-fit state stay.
    void Reset();
    // Takes the owner and the font, lays the rows out (with 0 initial rows), builds the menu and, given
    // a parent menu, appends it there as a popup entry carrying the entry data. 0 or -1.
    ErrCode Init(win::HWND owner, win::HMENU parentMenu, std::uintptr_t entryData, const win::LOGFONTA& font,
                 std::uint32_t minimumWidth, std::int16_t initialRows);

    // --- Items (callers give valid indexes)
    // 0, or -1 when the menu could not take a new row entry.
    ErrCode AppendItem(const char* text);
    void RemoveItem(std::int32_t index);
    void RemoveAllItems();
    const char* GetItemText(std::int32_t index) const;
    // The first item whose text equals the text exactly; -1 when none does.
    std::int32_t FindItemByText(const char* text) const;
    std::int32_t GetItemCount() const { return items_.Count(); }
    // The item's text style (the font's style bits; kKeepFont keeps the menu font); the menu widens
    // for the text in that style.
    void SetItemData(std::int32_t index, std::uint32_t style);
    std::uint32_t GetItemData(std::int32_t index) const;

    bool IsItemEnabled(std::int32_t index) const;
    void EnableItem(std::int32_t index);
    void DisableItem(std::int32_t index);
    bool IsItemChecked(std::int32_t index) const;
    // A single-choice menu moves its check to the item; a multi-check menu only sets the mark.
    void CheckItem(std::int32_t index);
    void UncheckItem(std::int32_t index);
    // CheckItem; -1 takes the check of a single-choice menu away.
    void SetChecked(std::int32_t index);
    std::int32_t GetCheckedIndex() const { return checked_; }

    // Opens the menu at the screen point (the top-left corner of the box it belongs to), moved so that
    // the checked item lies over the box, and returns when it closes.
    void Track(win::POINT point);
    bool IsTracking() const { return tracking_; }
    void SetOpenDelay(std::int16_t milliseconds) { scrollDelay_ = milliseconds; }
    std::int16_t GetOpenDelay() const { return scrollDelay_; }
    std::uint32_t GetEntryHeight() const { return entryHeight_; }
    // A null callback, or data that is 0, leaves the old value.
    void SetHoverCallback(HoverCallback callback, std::uintptr_t data);

    // --- The owner window's messages
    win::LRESULT OnDrawItem(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnMeasureItem(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnTimer(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnInitMenuPopup(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnMenuSelect(win::WPARAM wParam, win::LPARAM lParam);
    // A row's command; with IsOwnCommand also the arrows'.
    bool IsItemCommand(win::UINT command) const;
    bool IsOwnCommand(win::UINT command) const;
    std::int32_t IndexFromCommand(win::UINT command) const;

    // Turns the parent menu's entry of the command into a popup entry holding this menu, with the
    // entry's text. 0, or -1 when there is no parent or the change fails.
    ErrCode AttachToMenuCommand(win::HMENU parentMenu, win::UINT command);
    // The menu (or submenu, depth first) that holds the command; null when none does.
    static win::HMENU FindSubMenuWithCommand(win::HMENU menu, win::UINT command);

    // --- State
    win::HMENU GetMenuHandle() const { return menu_; }
    win::HWND GetOwner() const { return owner_; }
    bool IsMultiCheck() const { return multiCheck_; }
    bool AllFit() const { return allFit_; }
    bool ArrowsShown() const { return arrowsShown_; }
    std::int16_t GetMaximumRows() const { return maximumRows_; }
    std::int16_t GetVisibleRows() const { return visibleRows_; }
    std::int16_t GetEntryCount() const { return entries_; }
    std::int32_t GetFirstVisible() const { return firstVisible_; }
    std::uint32_t GetWidth() const { return width_; }
    bool CanScrollUp() const { return firstVisible_ > 0; }
    bool CanScrollDown() const { return firstVisible_ < GetItemCount() - visibleRows_; }
    // The height the rows and arrows may take on the screen.
    std::int32_t ScreenHeight() const;
    // The entry's rectangle in the open menu's window, from the rectangles it was drawn in.
    win::RECT EntryRect(win::UINT command) const;

    // The font with the style applied: 700 weight with bit 0 (unless it is the system font, font
    // number 0, which keeps its weight), italic with bit 1, underlined with bit 2; kKeepFont changes
    // nothing.
    static void ApplyTextStyle(win::LOGFONTA& font, std::uint32_t style);

private:
    PopUpMenuItem* ItemAt(std::int32_t index) const;
    // Chooses between every item on a row of its own and a fixed number of rows between arrows.
    void UpdateLayout();
    void ShowArrows();
    void HideArrows();
    // Appends row entries until the menu holds one per visible row.
    ErrCode FillRowEntries();
    ErrCode BuildMenu();
    std::uint32_t MeasureTextWidth(const char* text, std::uint32_t style) const;
    void WidenFor(const char* text, std::uint32_t style);
    void RecomputeWidth();
    void AdjustOpenPosition(win::POINT& point);
    void StartScrolling(std::int16_t direction);
    void StopScrolling();
    void ScrollStep(std::int16_t direction);
    void RecordEntryRect(const win::RECT& rect);
    // Drawing, on the device context of the open menu's window.
    void DrawItemEntry(win::HDC dc, win::UINT command);
    void DrawArrowEntry(win::HDC dc, win::UINT command);
    void DrawCheckMark(win::HDC dc, win::UINT command, bool checked);
    void RedrawEntries(win::HDC dc);

    win::HMENU menu_ = nullptr;
    win::HMENU parentMenu_ = nullptr;
    bool ownedByParent_ = false;
    win::LOGFONTA font_{};
    ObjList items_;
    std::int32_t firstVisible_ = 0;
    std::int32_t checked_ = -1;
    bool tracking_ = false;
    bool multiCheck_;
    win::RECT screen_{};
    bool allFit_ = true;
    bool arrowsShown_ = false;
    std::int16_t maximumRows_ = 0;
    std::int16_t visibleRows_ = 0;
    std::int16_t entries_ = 0;
    std::uint32_t minimumWidth_ = 0;
    std::uint32_t width_ = 0;
    std::uint32_t entryHeight_ = 0;
    win::HDC drawingContext_ = nullptr;
    // The area the entries were drawn in; empty until the first entry is drawn.
    bool drawnAreaSeen_ = false;
    std::int32_t drawnLeft_ = 1;
    std::int32_t drawnTop_ = 1;
    std::int32_t drawnRight_ = 1;
    std::int32_t drawnBottom_ = 1;
    win::HWND owner_ = nullptr;
    QRVTimer scrollTimer_;
    std::int16_t scrollDelay_ = kMouseScrollDelay;
    std::int16_t scrollDirection_ = kScrollUp;
    HoverCallback hoverCallback_ = nullptr;
    std::uintptr_t hoverData_ = 0;
};
