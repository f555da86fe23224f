#include "platform/ui/SystemMenu.h"

#include <unordered_map>

#include "platform/ui/MenuTable.h"
#include "platform/ui/NonClient.h"

namespace win {

using namespace detail;

namespace {

std::unordered_map<HWND, HMENU>& SystemMenus() {
    static std::unordered_map<HWND, HMENU> menus;
    return menus;
}

bool IsMdiChild(const Window& window) {
    return window.IsChild() && window.parent != nullptr &&
           EqualsIgnoringCase(window.parent->windowClass->name, "MDICLIENT");
}

HMENU MakeSystemMenu(const Window& window) {
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(menu, MF_STRING, SC_MOVE, "&Move");
    AppendMenuA(menu, MF_STRING, SC_SIZE, "&Size");
    AppendMenuA(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    AppendMenuA(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (IsMdiChild(window)) {
        AppendMenuA(menu, MF_STRING, SC_CLOSE, "&Close\tCtrl+F4");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, SC_NEXTWINDOW, "Nex&t\tCtrl+F6");
    } else {
        AppendMenuA(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    }
    Menus().Find(menu)->systemMenuOf = window.handle;
    return menu;
}

}  // namespace

namespace detail {

HMENU SystemMenuOf(Window& window, bool make) {
    auto& menus = SystemMenus();
    auto found = menus.find(window.handle);
    if (found != menus.end() && Menus().Find(found->second) != nullptr) return found->second;
    if (!make) return nullptr;
    const HMENU menu = MakeSystemMenu(window);
    menus[window.handle] = menu;
    return menu;
}

Window* SystemMenuOwner(HMENU menu) {
    const Menu* found = Menus().Find(menu);
    return found != nullptr ? Tree().Find(found->systemMenuOf) : nullptr;
}

void PrepareSystemMenu(Window& window) {
    const HMENU menu = SystemMenuOf(window, true);
    const bool minimized = window.IsMinimized();
    const bool maximized = window.IsMaximized();
    // The frame is the OS window: the OS moves and sizes it, not this menu.
    const bool placeable = !IsPresentedFrame(window);
    auto enable = [&](UINT command, bool on) { EnableMenuItem(menu, command, on ? MF_ENABLED : MF_GRAYED); };
    enable(SC_RESTORE, minimized || maximized);
    enable(SC_MOVE, placeable && !maximized);
    enable(SC_SIZE, placeable && (window.style & WS_THICKFRAME) && !minimized && !maximized);
    enable(SC_MINIMIZE, (window.style & WS_MINIMIZEBOX) && !minimized);
    enable(SC_MAXIMIZE, (window.style & WS_MAXIMIZEBOX) && !maximized);
    if (window.windowClass->style & CS_NOCLOSE) enable(SC_CLOSE, false);
}

void DestroyMenusOf(Window& window) {
    auto& menus = SystemMenus();
    auto found = menus.find(window.handle);
    if (found != menus.end()) {
        Menus().Destroy(found->second);
        menus.erase(found);
    }
    if (!window.IsChild() && window.id != 0) {
        Menus().Destroy(reinterpret_cast<HMENU>(window.id));
        window.id = 0;
    }
}

}  // namespace detail

HMENU GetSystemMenu(HWND handle, BOOL revert) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return nullptr;
    if (revert) {
        auto& menus = SystemMenus();
        auto found = menus.find(handle);
        if (found != menus.end()) {
            Menus().Destroy(found->second);
            menus.erase(found);
        }
        return nullptr;
    }
    return SystemMenuOf(*window, true);
}

}  // namespace win
