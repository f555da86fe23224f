#pragma once
// The drop-down choice control: a box showing the chosen entry of a list of texts, with an optional
// title to its left. A press of the mouse in it, or Up or Down while it has the focus, opens its
// scrolling menu at the box; the entry picked there becomes the value (its index, -1 for none) and
// the owner hears of it through the item hit. Style 8 makes every pick toggle a check mark instead
// (multi-check); style 2 fills the list with the default printer's typefaces; style 1 moves the
// text 12 pixels further right.
//
// The items live in one of two holders: while the control has no window, in its stored texts, the
// stored disabled list and the checked list; while it has one, in its scrolling menu, whose items
// carry the checked and disabled states. Attaching a window moves the stored items into the menu;
// detaching saves the menu's texts and disabled states back.
//
// Record, after the control's: u16 style, i32 value (below -1 read as -1), i16 tri-state (read back
// as its sign), the font specification (i16, i16, u8), and unless style 2 is set an i32 count and
// that many texts (i16 length, the bytes and a NUL when the length is above 0).

#include <cstdint>
#include <memory>

#include "foundation/StrList.h"
#include "foundation/TypedList.h"
#include "items/ItemStream.h"
#include "items/TControl.h"
#include "widgets/PopupAppearance.h"
#include "widgets/ScrollingMenu.h"

class Popup : public TControl, public PopupAppearance {
    TOBJECT_CLASS(Popup, TControl, 511)

public:
    // Style bits.
    static constexpr std::uint16_t kTextIndent = 1;
    static constexpr std::uint16_t kTypefaceList = 2;
    static constexpr std::uint16_t kMultiCheck = 8;
    // Bounds lower than this get the standard height.
    static constexpr std::int16_t kMinimumHeight = 11;
    static constexpr std::int16_t kStandardHeight = 18;

    // The initial texts are copied (the item count is their number); the value starts at -1.
    Popup(ItemList* list, const ShortRect* bounds, const char* title, std::uint16_t flags,
          const RGBColor& color, std::uint16_t style = 0, const StrList* items = nullptr,
          std::int16_t fontNumber = 0, std::int16_t fontSize = 12, std::uint8_t fontStyle = 0,
          std::int32_t triState = 0);
    // The reading constructor: an empty control, then the record while *error is 0.
    Popup(ItemList* list, IReadFile& stream, ErrCode* error);
    ~Popup() override;

    // --- TObject
    std::uint32_t GetDataSize() const override;
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;

    // --- TItem and TControl
    void SetBounds(const ShortRect& rect, bool redraw) override;
    bool HandlesReturn() const override { return IsMenuShowing(); }
    void SetActive(bool active) override;
    // A focus rectangle around the text, 20 pixels wider to the right; nothing while inactive.
    void DrawFocusRing() override;
    void Open(std::int32_t index) override;
    void Close() override;
    void Attach(win::HWND window) override;
    void Detach() override;
    bool HandleKey(KeyEvent& event) override;
    void ShowFocusRing() override;
    void HideFocusRing() override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    // The item window, then the scrolling menu it owns.
    win::HWND CreateHWnd(std::int32_t index) override;
    void DestroyHWnd(win::HWND window) override;
    void Draw(win::HDC dc, const Rgn& clip) override;
    // The item's subclassing, then the stored items moved into the menu (once per window).
    void Subclass() override;
    void ForgetWindowState() override;
    void SaveWindowState() override;
    // The menu's messages, and the commands of its rows.
    bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT* result) override;
    // The arrow keys are the control's own.
    win::LRESULT HandleGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam) override;
    // The index must be -1 or an item's; others are ignored. A single choice equal to the value
    // changes nothing.
    void SetValue(std::int32_t index, bool redraw) override;
    // The minimum stays 0 and the maximum holds the item count.
    void SetMin(std::int32_t /*value*/, bool /*redraw*/) override {}
    void SetMax(std::int32_t /*value*/, bool /*redraw*/) override {}
    // Null is the empty title; the title width follows, nothing is redrawn.
    void SetTitle(const char* text) override;

    // --- PopupAppearance
    std::uint32_t GetChosenItemStyle() const override;
    bool HasTextIndent() const override { return HasStyle(kTextIndent); }
    bool IsActive() const override { return TControl::IsActive(); }
    void GetChosenText(char* buffer, std::size_t size) const override;
    std::int32_t GetTextHeight() const override;
    const win::LOGFONTA& GetLogFont() const override { return font_.LogFont(); }
    ShortRect& GetBounds(ShortRect& bounds) const override { return TControl::GetBounds(bounds); }
    win::HWND GetHWnd() const override { return TControl::GetHWnd(); }
    bool HasFocusRing() const override { return HasFlags(kFocusRingShown); }
    bool IsMenuShowing() const override { return menu_ && menu_->IsTracking(); }
    ShortRect GetTextRect() const override;
    TGraphEnv* GetDrawingEnv() const override;

    // --- New operations
    virtual void SetStyle(std::uint16_t bits) { style_ |= bits; }
    virtual void ClearStyle(std::uint16_t bits) { style_ &= static_cast<std::uint16_t>(~bits); }
    virtual bool HasStyle(std::uint16_t bits) const { return (style_ & bits) == bits; }
    virtual bool LacksStyle(std::uint16_t bits) const { return (style_ & bits) != bits; }
    // FindItem, then SetValue with what it found; nothing when the text is not an item's.
    virtual void SelectByText(const char* text, bool redraw);
    virtual void InvertTitle() { PopupAppearance::InvertTitle(); }
    virtual void EraseText() { PopupAppearance::EraseText(); }
    virtual void RedrawContents() { DrawContents(); }

    // --- Items, in whichever holder is in use
    // Null does nothing; answers the count - 1.
    std::int32_t AddItem(const char* text);
    void AddItems(const StrList& texts);
    // From last down to first; the whole range is RemoveAllItems. Checked and disabled indexes above
    // the range move down with their items.
    void RemoveItems(std::int32_t first, std::int32_t last);
    void RemoveAllItems();
    // At most size - 1 characters (127 by default) and a NUL; "" for an index there is not.
    void GetItemText(char* buffer, std::int32_t index,
                     std::size_t size = PopupAppearance::kMaxText + 1) const;
    // The first menu item whose text is the text, byte for byte; -1 when none or without a menu.
    std::int32_t FindItem(const char* text) const;
    // The item's text style (font style bits; 0x80 keeps the font) in the menu.
    void SetItemData(std::int32_t index, std::uint32_t data);
    void EnableItem(std::int32_t index);
    void DisableItem(std::int32_t index);
    // Only with a window and its menu; false otherwise.
    bool IsItemEnabled(std::int32_t index) const;
    // With a window: one item per typeface of the default printer, in the order they are listed.
    void FillWithPrinterFonts();
    std::int32_t GetItemCount() const { return GetMax(); }
    // SetValue with redraw.
    void SetSelection(std::int32_t index) { SetValue(index, true); }

    // --- Checks of a multi-check control
    // Appends the checked indexes to the list (not cleared first) and answers it; null, with the list
    // untouched, for a single-choice control.
    LList* GetCheckedItems(LList& list);
    void SetCheckedItems(const LList& list);
    // The checked list only; whether it changed.
    bool CheckItem(std::int32_t index);
    bool UncheckItem(std::int32_t index);
    // Removes the index when present (0) or appends it (1).
    std::int32_t ToggleChecked(std::int32_t index);

    // The menu calls the callback while the pointer rests on an entry; data 0 stands for the control.
    // Only the menu of the present window gets it.
    void SetMenuHoverCallback(ScrollingMenu::HoverCallback callback, std::uintptr_t data);

    std::uint16_t GetStyle() const { return style_; }
    std::int32_t GetTriState() const { return triState_; }
    ScrollingMenu* GetMenu() const { return menu_.get(); }
    const StrList& GetStoredTexts() const { return storedTexts_; }
    const LList& GetCheckedList() const { return checked_; }
    bool ItemsLoaded() const { return itemsLoaded_; }

private:
    void SetCount(std::int32_t count) { TControl::SetMax(count, false); }
    void ApplyMinimumHeight(ShortRect& bounds) const;
    // Moves the stored texts, checks and disabled states into the menu, once per window.
    void LoadItems();
    void OpenMenu();
    // A pick in the menu.
    void ItemPicked(std::int32_t index);
    // The checked list from the menu's marks, in item order.
    void RebuildCheckedList();
    // Index adjustments in the lists when an item goes.
    void ItemRemoved(std::int32_t index);

    StrList storedTexts_;
    std::int16_t menuMinimumWidth_ = 0;
    std::int16_t menuInitialRows_ = 0;
    ScrollingMenu::HoverCallback hoverCallback_ = nullptr;
    std::uintptr_t hoverData_ = 0;
    LList checked_;
    std::uint16_t style_ = 0;
    ItemFont font_;
    std::int32_t triState_ = 0;
    bool itemsLoaded_ = false;
    std::unique_ptr<ScrollingMenu> menu_;
    std::unique_ptr<SList> storedDisabled_;
};
