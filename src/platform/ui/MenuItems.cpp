// Making, changing and reading menus and their items.

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/ui/MenuTable.h"

namespace win {

using namespace detail;

namespace {

constexpr UINT kKindAndState =
    MF_SEPARATOR | MF_OWNERDRAW | MF_POPUP | MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE;

// True when `inner` is `outer` or lies somewhere below it: such a menu cannot become a submenu of
// `outer`'s items without making a circle.
bool Contains(HMENU outer, HMENU inner, int depth = 0) {
    if (outer == inner) return true;
    const Menu* menu = Menus().Find(outer);
    if (menu == nullptr || depth > 32) return false;
    return std::any_of(menu->items.begin(), menu->items.end(), [&](const MenuItem& item) {
        return item.submenu && Contains(item.submenu, inner, depth + 1);
    });
}

// The item the flags describe, or nothing when they name no usable submenu.
std::optional<MenuItem> MakeItem(HMENU into, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content) {
    MenuItem item;
    item.flags = flags & kKindAndState;
    item.id = idOrSubmenu;
    if (flags & MF_POPUP) {
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
        if (Menus().Find(item.submenu) == nullptr || Contains(item.submenu, into)) return std::nullopt;
    }
    if (flags & MF_SEPARATOR) {
        item.flags &= ~(MF_POPUP | MF_OWNERDRAW);
        item.submenu = nullptr;
    } else if (flags & MF_OWNERDRAW) {
        item.data = reinterpret_cast<ULONG_PTR>(content);
    } else if (content != nullptr) {
        item.text = content;
    }
    return item;
}

// Where an insertion by command or position goes: the menu and the index to insert before.
MenuItemRef InsertionPoint(HMENU handle, UINT position, UINT flags) {
    Menu* menu = Menus().Find(handle);
    if (menu == nullptr) return {};
    if (!(flags & MF_BYPOSITION)) return FindMenuItem(handle, position, flags);
    return MenuItemRef{menu, std::min<std::size_t>(position, menu->items.size())};
}

BOOL Remove(HMENU handle, UINT position, UINT flags, bool destroySubmenu) {
    MenuItemRef found = FindMenuItem(handle, position, flags);
    if (!found) return FALSE;
    const HMENU submenu = found.item().submenu;
    found.menu->items.erase(found.menu->items.begin() + static_cast<std::ptrdiff_t>(found.index));
    if (destroySubmenu && submenu != nullptr) Menus().Destroy(submenu);
    return TRUE;
}

}  // namespace

HMENU CreateMenu() { return Menus().Create(false).handle; }

HMENU CreatePopupMenu() { return Menus().Create(true).handle; }

BOOL DestroyMenu(HMENU menu) {
    if (Menus().Find(menu) == nullptr) return FALSE;
    Menus().Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return Menus().Find(menu) != nullptr ? TRUE : FALSE; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content) {
    return InsertMenuA(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, idOrSubmenu, content);
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content) {
    MenuItemRef at = InsertionPoint(menu, position, flags);
    if (!at) return FALSE;
    std::optional<MenuItem> item = MakeItem(at.menu->handle, flags, idOrSubmenu, content);
    if (!item) return FALSE;
    at.menu->items.insert(at.menu->items.begin() + static_cast<std::ptrdiff_t>(at.index), std::move(*item));
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR content) {
    MenuItemRef found = FindMenuItem(menu, position, flags);
    if (!found) return FALSE;
    std::optional<MenuItem> item = MakeItem(found.menu->handle, flags, idOrSubmenu, content);
    if (!item) return FALSE;
    const HMENU old = found.item().submenu;
    found.item() = std::move(*item);
    if (old != nullptr && old != found.item().submenu) Menus().Destroy(old);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) { return Remove(menu, position, flags, false); }

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) { return Remove(menu, position, flags, true); }

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    MenuItemRef found = FindMenuItem(menu, item, flags);
    if (!found) return static_cast<DWORD>(-1);
    UINT& state = found.item().flags;
    const DWORD previous = state & MF_CHECKED;
    state = (state & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    MenuItemRef found = FindMenuItem(menu, item, flags);
    if (!found) return -1;
    UINT& state = found.item().flags;
    const BOOL previous = static_cast<BOOL>(state & (MF_GRAYED | MF_DISABLED));
    state = (state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuItemRef found = FindMenuItem(menu, item, flags);
    if (!found) return static_cast<UINT>(-1);
    const MenuItem& entry = found.item();
    if (const Menu* submenu = Menus().Find(entry.submenu)) {
        return (static_cast<UINT>(submenu->items.size()) << 8) | (entry.flags & 0xFF) | MF_POPUP;
    }
    return entry.flags;
}

int GetMenuItemCount(HMENU menu) {
    const Menu* found = Menus().Find(menu);
    return found != nullptr ? static_cast<int>(found->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    MenuItemRef found = FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!found || position < 0 || found.item().IsPopup()) return static_cast<UINT>(-1);
    return static_cast<UINT>(found.item().id);
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags) {
    MenuItemRef found = FindMenuItem(menu, item, flags);
    if (!found) return 0;
    const std::string& text = found.item().text;
    if (buffer == nullptr) return static_cast<int>(text.size());
    if (max <= 0) return 0;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(max - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

HMENU GetSubMenu(HMENU menu, int position) {
    MenuItemRef found = FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return found && position >= 0 ? found.item().submenu : nullptr;
}

}  // namespace win
