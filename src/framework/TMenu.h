#pragma once
// Menus: a TMenu wraps one menu of the window layer and owns its entries, built from an 'MNU#'
// segment of the application data file or by code. Every menu belongs to the application's menu
// list. Whether an entry is enabled is asked of the application's CommandEnabled when a menu is
// about to open; choosing an entry sends its command id to the frame window.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/TObject.h"
#include "framework/TMenuItem.h"
#include "platform/sys/WinTypes.h"

class TAppl;

inline constexpr FourCC kMenuSegmentType = FourCCOf("MNU#");

class TMenu : public TObject {
    TOBJECT_CLASS(TMenu, TObject, 104)

public:
    // An empty menu bar made in code (the third argument is not used).
    TMenu(TAppl* application, std::int16_t id, const char* unused);
    // The menu stored as segment ('MNU#', id) of the application data file, as a popup or a menu bar;
    // without that segment (or with id 0) the menu has no entries and no handle.
    TMenu(TAppl* application, std::int16_t id, bool popup);
    ~TMenu() override;

    std::uint32_t GetDataSize() const override;

    // True when there is no front window or it is not a dialog.
    virtual bool IsActive() const;
    // Lets each submenu entry find its submenu.
    virtual void ResolveSubmenus();
    // Enables or greys each entry by its command's state, and updates the submenus.
    virtual void UpdateItems();
    virtual void UpdateIfStale() {}
    // Runs the entry's command when it is a command entry and enabled; else 0.
    virtual ErrCode InvokeItem(std::int32_t index);
    // Makes the entry a stored record describes (a plain or a text entry) and moves the reader past
    // it; null for a record of another class or one that runs past the end.
    virtual TMenuItem* CreateItem(const std::uint8_t*& record, const std::uint8_t* end);

    // Reads the entries of segment ('MNU#', id) into this menu; 1 when there is no such segment.
    ErrCode LoadItems(std::int16_t id);
    // Inserts the entry (which the menu then owns) at the position, clamped to 0 .. count.
    void InsertItem(TMenuItem* item, std::int32_t position);
    void AppendItem(TMenuItem* item) { InsertItem(item, GetItemCount()); }
    // Removes the entries first .. last (positions, both included).
    void RemoveItems(std::int32_t first, std::int32_t last);
    void CheckItem(std::int32_t position, bool on);
    void EnableItem(std::int32_t position, bool on);
    void SetItemTitleFromText(const char* text, std::int32_t index);
    void SetItemTitle(const String& title, std::int32_t index);
    // Shows the entry's text again (after its title changed).
    void RefreshItemText(std::int32_t index);

    win::HMENU GetHMenu() const { return menu_; }
    std::int16_t GetMenuId() const { return id_; }
    TAppl* GetApplication() const { return application_; }
    std::int32_t GetItemCount() const { return static_cast<std::int32_t>(items_.size()); }
    TMenuItem* GetItem(std::int32_t index) const;
    std::int32_t IndexOf(const TMenuItem* item) const;

protected:
    // Reads the entries of a stored menu (the bytes after its title) and shows each.
    void ParseItems(const std::uint8_t* data, const std::uint8_t* end);

private:
    TAppl* application_;
    std::vector<std::unique_ptr<TMenuItem>> items_;
    win::HMENU menu_ = nullptr;
    std::int16_t id_;
};

// The menu bar: updates its entries when the application's menus are stale.
class RootMenu : public TMenu {
    TOBJECT_CLASS(RootMenu, TMenu, 300)

public:
    using TMenu::TMenu;
    void UpdateIfStale() override;
};

// A window's system menu: an empty menu that neither updates nor runs anything.
class SysMenu : public TMenu {
    TOBJECT_CLASS(SysMenu, TMenu, 301)

public:
    SysMenu(TAppl* application, std::int16_t id, const char* unused) : TMenu(application, id, unused) {}
    void UpdateItems() override {}
    ErrCode InvokeItem(std::int32_t /*index*/) override { return 0; }
};

class FileMenu : public TMenu {
    TOBJECT_CLASS(FileMenu, TMenu, 302)

public:
    using TMenu::TMenu;
};

class EditMenu : public TMenu {
    TOBJECT_CLASS(EditMenu, TMenu, 303)

public:
    using TMenu::TMenu;
    ErrCode InvokeItem(std::int32_t /*index*/) override { return 0; }
};

// The menu whose handle the MDI client receives as its window menu.
class WindowMenu : public TMenu {
    TOBJECT_CLASS(WindowMenu, TMenu, 304)

public:
    using TMenu::TMenu;
};

class FontMenu : public TMenu {
    TOBJECT_CLASS(FontMenu, TMenu, 305)

public:
    FontMenu(TAppl* application, std::int16_t id, const char* unused);
    FontMenu(TAppl* application, std::int16_t id, bool popup);
    ErrCode InvokeItem(std::int32_t /*index*/) override { return 0; }

    // The entries present after construction: the fixed part before any list the application adds.
    std::int16_t GetFixedCount() const { return fixedCount_; }

private:
    std::int16_t fixedCount_;
};
