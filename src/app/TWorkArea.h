#pragma once
// One page of settings placed into a host window (the preferences window and the windows built on
// it): the page appends its items to the host window's item list, after the items the list held
// already, and takes exactly those out again when it goes. A page fills its items from the stored
// settings (LoadValues) and writes them back (StoreValues); every page calls its own StoreValues
// from its destructor, so its values are stored whenever it goes, on a page change as when the
// window closes. It draws its captions and group frames, hears the hits on its items and may refuse
// to be left.
//
// The protocol, in the order the host runs it: construct, BuildItems (which begins with
// MarkFirstItem and ends by re-opening the list's controls), LoadValues; then Draw and ItemHit while
// the page shows; CanLeave before another page replaces it; delete.

#include <cstdint>

#include "app/ShownSettings.h"
#include "framework/graphics/ShortRect.h"

class CheckBox;
class EditView;
class FKDoc;
class ItemList;
class Popup;
class PreferencesManager;
class PushBtn;
class PText;
class RadioBtn;
class StatText;
class TAppl;
class TControl;
class TGraphEnv;
class TItem;

class TWorkArea {
public:
    // The preferences are the application's; the items go into the list, the page lies in the
    // bounds (window client coordinates).
    TWorkArea(TAppl* application, FKDoc* document, ItemList* list, const ShortRect& bounds);
    // Closes the list's controls, deletes the page's items from the last down to the first and
    // re-opens the controls that remain.
    virtual ~TWorkArea();
    TWorkArea(const TWorkArea&) = delete;
    TWorkArea& operator=(const TWorkArea&) = delete;

    // MarkFirstItem; pages add their items after it and re-open the list's controls.
    virtual void BuildItems() { MarkFirstItem(); }
    // The stored settings into the items.
    virtual void LoadValues() = 0;
    // The items' values back into the settings.
    virtual void StoreValues() = 0;
    // The page's captions and group frames.
    virtual void Draw(TGraphEnv& env) = 0;
    // An item of the window's list was hit (its index in the whole list).
    virtual void ItemHit(std::int32_t /*index*/) {}
    virtual void SetBounds(const ShortRect& rect) { bounds_ = rect; }
    // 1 when the page may be left, 0 when it stays.
    virtual std::int16_t CanLeave() { return 1; }

    ItemList* GetItemList() const { return items_; }
    const ShortRect& GetBounds() const { return bounds_; }
    FKDoc* GetDocument() const { return document_; }
    // The index of the page's first item in the list; -1 before BuildItems.
    std::int32_t GetFirstItem() const { return firstItem_; }
    // One titled group: the title (font 0 at size 12, plain, its baseline at y), a double rule from
    // the title's end to the page's right less 10, and a bevelled frame around the group, from 15
    // above the baseline to `height` below it.
    void DrawGroupTitle(TGraphEnv& env, const char* title, int y, int height) const;

    // A rectangle given in the order top, left, bottom, right.
    static ShortRect ItemRect(int top, int left, int bottom, int right) {
        return ShortRect::MakeLTRB(left, top, right, bottom);
    }

protected:
    // Records the list's count as the first item of the page and closes the list's controls.
    void MarkFirstItem();
    // Appends the item to the list; answers its index there.
    std::int32_t AddItem(TItem* item);
    // Opens the controls of the list's items that have none (after the page added its own).
    void OpenItems();

    // The items pages are made of, appended to the list: buttons and titled popups in font 0 at
    // size 12, text fields in the font given whose texts pass through the shared text converter.
    CheckBox* AddCheckBox(const char* title, const ShortRect& rect);
    RadioBtn* AddRadioButton(const char* title, const ShortRect& rect);
    PushBtn* AddPushButton(const char* title, const ShortRect& rect);
    Popup* AddPopup(const char* title, const ShortRect& rect);
    EditView* AddField(const ShortRect& rect, std::int16_t fontNumber, std::int16_t fontSize);
    StatText* AddLabel(const char* text, const ShortRect& rect);

    // A 16-bit setting of the record; the fallback when it has none.
    static std::int16_t ReadShort(PText* record, const char* key, std::int16_t fallback);
    // A button's value as a stored switch: 1 on, 0 off.
    static std::int16_t SwitchValue(const TControl& button);

    TAppl* application_;
    PreferencesManager* preferences_;
    // The application-wide settings as the page showed them (LoadValues notes them).
    ShownSettings shown_;
    FKDoc* document_;
    ItemList* items_;
    std::int32_t firstItem_ = -1;
    ShortRect bounds_;
};
