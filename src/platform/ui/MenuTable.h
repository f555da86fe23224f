#pragma once
// Internal to the window layer: the menus that exist, their items, and finding an item by command
// or by position. Handles are never reused, so a destroyed menu's handle names nothing again.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/Menus.h"

namespace win::detail {

struct MenuItem {
    UINT flags = 0;  // kind (MF_SEPARATOR, MF_OWNERDRAW, MF_POPUP) and state (MF_GRAYED, ...)
    UINT_PTR id = 0;
    HMENU submenu = nullptr;
    std::string text;
    ULONG_PTR data = 0;  // an owner-drawn item's data

    bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    bool IsPopup() const { return submenu != nullptr; }
    bool IsOwnerDrawn() const { return (flags & MF_OWNERDRAW) != 0; }
    bool IsGrayed() const { return (flags & (MF_GRAYED | MF_DISABLED)) != 0; }
    bool IsChecked() const { return (flags & MF_CHECKED) != 0; }
};

struct Menu {
    HMENU handle = nullptr;
    bool popup = false;
    std::vector<MenuItem> items;
    HWND systemMenuOf = nullptr;  // the window whose system menu this is
};

// An item found by command or position: the menu holding it and its index there.
struct MenuItemRef {
    Menu* menu = nullptr;
    std::size_t index = 0;

    explicit operator bool() const { return menu != nullptr; }
    MenuItem& item() const { return menu->items[index]; }
};

class MenuTable {
public:
    Menu& Create(bool popup);
    Menu* Find(HMENU handle) const;
    // Destroys the menu and the submenus its items open.
    void Destroy(HMENU handle);

private:
    std::unordered_map<HMENU, std::unique_ptr<Menu>> menus_;
    std::uintptr_t nextHandle_ = 0x20001;
};

MenuTable& Menus();

// MF_BYPOSITION addresses the menu's own items; otherwise the first item with the command id, the
// menu's own items first and then, depth first, those of its submenus.
MenuItemRef FindMenuItem(HMENU menu, UINT item, UINT flags);

// The character after the first lone '&' of an item's text ("&&" shows one '&'), in upper case; 0 when
// the text has none.
char MnemonicOf(const std::string& text);

}  // namespace win::detail
