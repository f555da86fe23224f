#include "platform/ui/MenuTable.h"

#include <cctype>

namespace win::detail {

Menu& MenuTable::Create(bool popup) {
    auto menu = std::make_unique<Menu>();
    menu->handle = reinterpret_cast<HMENU>(nextHandle_);
    nextHandle_ += 2;
    menu->popup = popup;
    Menu& created = *menu;
    menus_.emplace(created.handle, std::move(menu));
    return created;
}

Menu* MenuTable::Find(HMENU handle) const {
    auto found = menus_.find(handle);
    return found == menus_.end() ? nullptr : found->second.get();
}

void MenuTable::Destroy(HMENU handle) {
    auto found = menus_.find(handle);
    if (found == menus_.end()) return;
    std::unique_ptr<Menu> menu = std::move(found->second);
    menus_.erase(found);
    for (const MenuItem& item : menu->items) {
        if (item.submenu != nullptr) Destroy(item.submenu);
    }
}

MenuTable& Menus() {
    static MenuTable table;
    return table;
}

namespace {

MenuItemRef FindByCommand(Menu& menu, UINT_PTR id, int depth) {
    // Menus may be linked into each other in a circle; a bound on the depth keeps the search finite.
    if (depth > 32) return {};
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        if (!item.IsPopup() && item.id == id) return MenuItemRef{&menu, i};
    }
    for (const MenuItem& item : menu.items) {
        if (Menu* submenu = Menus().Find(item.submenu)) {
            if (MenuItemRef found = FindByCommand(*submenu, id, depth + 1)) return found;
        }
    }
    return {};
}

}  // namespace

MenuItemRef FindMenuItem(HMENU handle, UINT item, UINT flags) {
    Menu* menu = Menus().Find(handle);
    if (menu == nullptr) return {};
    if (flags & MF_BYPOSITION) {
        if (item >= menu->items.size()) return {};
        return MenuItemRef{menu, item};
    }
    return FindByCommand(*menu, item, 0);
}

char MnemonicOf(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

}  // namespace win::detail
