#include "platform/ui/MenuTracking.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

#include "platform/sys/Bell.h"
#include "platform/ui/Activation.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/InputQueue.h"
#include "platform/ui/MdiClient.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/MenuOpeningClick.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/NonClientPaint.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/Queue.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMenu.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

// What menu mode tracks: a window's menu bar, a window's system menu alone, or a popup menu opened at
// a point.
enum class Mode { Bar, SystemMenu, Popup };

struct Pick {
    HWND target = nullptr;
    UINT message = 0;
    UINT_PTR id = 0;
};

// The Alt key press that ended menu mode (counted among the key presses taken): its release must not
// start menu mode again.
unsigned long& ConsumedAlt() {
    static unsigned long keyDown = 0;
    return keyDown;
}

RECT ScreenBounds() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// Moves a popup's rectangle onto the screen; one taller than the screen starts at its top and is cut
// to its height.
RECT FitToScreen(RECT r) {
    const RECT screen = ScreenBounds();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (height > screen.bottom) {
        r.top = 0;
        r.bottom = screen.bottom;
    } else {
        if (r.bottom > screen.bottom) OffsetRect(&r, 0, screen.bottom - r.bottom);
        if (r.top < 0) OffsetRect(&r, 0, -r.top);
    }
    if (r.right > screen.right) OffsetRect(&r, screen.right - r.right, 0);
    if (r.left < 0) OffsetRect(&r, -r.left, 0);
    r.right = r.left + width;
    return r;
}

bool IsMouseMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// The client form of a mouse message, double clicks counting as presses.
UINT ClientMouseMessage(UINT message) {
    if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK)
        message = message - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    switch (message) {
        case WM_LBUTTONDBLCLK: return WM_LBUTTONDOWN;
        case WM_RBUTTONDBLCLK: return WM_RBUTTONDOWN;
        case WM_MBUTTONDBLCLK: return WM_MBUTTONDOWN;
        default: return message;
    }
}

// The bar slot whose item has the mnemonic (upper case), -1 when none has.
int FindBarMnemonic(const Window& window, char wanted) {
    const Menu* bar = Menus().Find(MenuBarOf(window));
    const std::vector<BarSlot> slots = LayoutMenuBar(window);
    for (std::size_t i = 0; i < slots.size() && bar != nullptr; ++i) {
        if (slots[i].kind == BarSlot::Kind::ChildSystemMenu && wanted == '-') return static_cast<int>(i);
        if (slots[i].kind != BarSlot::Kind::Item) continue;
        if (MnemonicOf(bar->items[static_cast<std::size_t>(slots[i].item)].text) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

class MenuSession;
MenuSession*& ActiveSession() {
    static MenuSession* session = nullptr;
    return session;
}

class MenuSession {
public:
    MenuSession(Window& owner, Mode mode, UINT flags) : owner_(owner.handle), mode_(mode), flags_(flags) {
        ActiveSession() = this;
    }
    ~MenuSession() {
        Finish();
        ActiveSession() = nullptr;
    }
    MenuSession(const MenuSession&) = delete;
    MenuSession& operator=(const MenuSession&) = delete;

    void Begin(HMENU menu) {
        Window* owner = Owner();
        if (owner == nullptr) return;
        Send(*owner, WM_ENTERMENULOOP, mode_ == Mode::Popup, 0);
        SetCaptureTo(Owner());
        if (Notify() && Owner() != nullptr) Send(*Owner(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    }

    void Loop() {
        MSG message;
        bool idleTold = false;
        while (!ended_) {
            // Once the messages waiting are handled, the owner hears that the menu waits.
            if (!idleTold && !TakeMessage(&message, nullptr, 0, 0, false)) {
                idleTold = true;
                TellIdle();
                continue;
            }
            idleTold = false;
            if (!GetMessageA(&message, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (IsMouseMessage(message.message)) {
                OnMouse(ClientMouseMessage(message.message), message.pt, message.time);
            } else if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
                TranslateMessage(&message);
                OnKeyDown(static_cast<UINT>(message.wParam));
            } else if (message.message == WM_CHAR || message.message == WM_SYSCHAR) {
                OnCharacter(static_cast<char>(message.wParam));
            } else if (message.message != WM_KEYUP && message.message != WM_SYSKEYUP) {
                DispatchMessageA(&message);
            }
            Window* owner = Owner();
            if (owner == nullptr || CaptureWindow() != owner) End();
        }
    }

    // Leaves menu mode: the popups close, the bar shows nothing chosen, the owner hears it ended.
    void Finish() {
        if (finished_) return;
        finished_ = true;
        ended_ = true;
        CloseFrom(0);
        if (Window* window = Owner(); window != nullptr && mode_ == Mode::Bar) {
            SetTrackedBarSlot(*window, -1, false);
            DrawNonClient(*window);
        }
        if (Window* owner = Owner(); owner != nullptr && CaptureWindow() == owner) SetCaptureTo(nullptr);
        if (Window* owner = Owner(); owner != nullptr && Notify()) {
            Send(*owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        }
        if (Window* owner = Owner()) Send(*owner, WM_EXITMENULOOP, mode_ == Mode::Popup, 0);
    }

    const std::optional<Pick>& pick() const { return pick_; }
    bool HasPopups() const { return !popups_.empty(); }

    // A popup menu at a point, aligned as the flags say.
    bool OpenAtPoint(HMENU menu, POINT at) {
        const UINT horizontal = flags_ & (TPM_CENTERALIGN | TPM_RIGHTALIGN);
        const UINT vertical = flags_ & (TPM_VCENTERALIGN | TPM_BOTTOMALIGN);
        return OpenPopupMenu(menu, 0, [&](SIZE size) {
            POINT p = at;
            if (horizontal == TPM_CENTERALIGN) p.x -= size.cx / 2;
            if (horizontal == TPM_RIGHTALIGN) p.x -= size.cx;
            if (vertical == TPM_VCENTERALIGN) p.y -= size.cy / 2;
            if (vertical == TPM_BOTTOMALIGN) p.y -= size.cy;
            return FitToScreen(RECT{p.x, p.y, p.x + size.cx, p.y + size.cy});
        });
    }

    void SelectBarSlot(int slot) {
        Window* window = Owner();
        if (window == nullptr || mode_ != Mode::Bar) return;
        CloseFrom(0);
        if (slot == barSlot_) return;
        barSlot_ = slot;
        SetTrackedBarSlot(*window, slot, false);
        DrawNonClient(*window);
        const std::vector<BarSlot> slots = LayoutMenuBar(*window);
        if (slot >= 0 && static_cast<std::size_t>(slot) < slots.size() &&
            slots[slot].kind == BarSlot::Kind::Item)
            NotifySelect(MenuBarOf(*window), slots[slot].item, false);
    }

    void OpenBarSlot(int slot, bool selectFirst) {
        SelectBarSlot(slot);
        Window* window = Owner();
        if (window == nullptr || slot < 0) return;
        const std::vector<BarSlot> slots = LayoutMenuBar(*window);
        if (static_cast<std::size_t>(slot) >= slots.size()) return;
        const HMENU submenu = SlotMenu(slots[slot]);
        if (submenu == nullptr) return;
        RECT anchor = slots[slot].rect;
        const POINT origin = WindowOrigin(*window);
        OffsetRect(&anchor, origin.x, origin.y);
        const bool opened = OpenPopupMenu(submenu, std::max(slots[slot].item, 0), [&](SIZE size) {
            RECT r{anchor.left, anchor.bottom, anchor.left + size.cx, anchor.bottom + size.cy};
            // No room below: above the bar, when there is room there.
            if (r.bottom > ScreenBounds().bottom && anchor.top >= size.cy)
                OffsetRect(&r, 0, anchor.top - r.bottom);
            return FitToScreen(r);
        });
        if (opened && selectFirst) SelectNext(popups_.size() - 1, 1, false);
    }

    bool OpenSystemMenu(Window& window, POINT at) {
        const HMENU menu = SystemMenuOf(window, true);
        return OpenPopupMenu(menu, 0, [&](SIZE size) {
            return FitToScreen(RECT{at.x, at.y, at.x + size.cx, at.y + size.cy});
        });
    }

    // Menu mode started by a press of the mouse there.
    void PressAt(POINT screenPoint) { OnPress(HitTest(screenPoint)); }

    // Once the menus are open, with the message that was being handled when menu mode started: when
    // it is a press that picks and it lies on an open popup, its quick release in place is the click
    // that opened the menu, not a pick.
    void NoteOpeningPress(const MSG& handled) {
        if (!IsMouseMessage(handled.message)) return;
        const UINT message = ClientMouseMessage(handled.message);
        if (!IsButtonDownMessage(message) || !PicksWith(message)) return;
        const Hit hit = HitTest(handled.pt);
        if (hit.level < 0) return;
        // Each button's release message follows its press.
        openingClick_.Start(message + 1, handled.time, handled.pt, MenuPlace{hit.level, hit.item});
    }

private:
    Window* Owner() const { return Tree().Find(owner_); }

    // WM_ENTERIDLE names the window of the menu shown on top: the popup, or the owner's bar.
    void TellIdle() {
        Window* owner = Owner();
        if (owner == nullptr) return;
        const HWND shown = popups_.empty() ? owner_ : popups_.back()->window;
        Send(*owner, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(shown));
        if (Owner() == nullptr || CaptureWindow() != Owner()) End();
    }
    bool Notify() const { return !(flags_ & TPM_NONOTIFY); }
    void End() { ended_ = true; }

    HMENU SlotMenu(const BarSlot& slot) const {
        Window* window = Owner();
        if (window == nullptr) return nullptr;
        if (slot.kind == BarSlot::Kind::ChildSystemMenu) {
            Window* child = MergedMdiChild(*window);
            return child != nullptr ? SystemMenuOf(*child, true) : nullptr;
        }
        const Menu* bar = Menus().Find(MenuBarOf(*window));
        if (slot.kind != BarSlot::Kind::Item || bar == nullptr ||
            static_cast<std::size_t>(slot.item) >= bar->items.size())
            return nullptr;
        const HMENU submenu = bar->items[static_cast<std::size_t>(slot.item)].submenu;
        return Menus().Find(submenu) != nullptr ? submenu : nullptr;
    }

    bool IsOwnersSystemMenu(HMENU menu) const {
        Window* of = SystemMenuOwner(menu);
        return of != nullptr && of->handle == owner_;
    }

    // Opens a popup above those open: its owner prepares it, its items are measured, `place` turns its
    // size into a screen rectangle, and its window shows.
    template <typename Place>
    bool OpenPopupMenu(HMENU menu, int parentItem, Place place) {
        if (Window* of = SystemMenuOwner(menu); of != nullptr && mode_ != Mode::Popup) {
            PrepareSystemMenu(*of);
            if (of->handle != owner_ && Notify()) Send(*of, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        }
        if (Window* owner = Owner(); owner != nullptr && Notify()) {
            const bool system = SystemMenuOwner(menu) != nullptr;
            Send(*owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(static_cast<WORD>(parentItem), static_cast<WORD>(system)));
        }
        if (ended_ || Owner() == nullptr || Menus().Find(menu) == nullptr) return false;
        auto popup = std::make_unique<OpenPopup>();
        popup->menu = menu;
        popup->owner = owner_;
        popup->parentItem = parentItem;
        popup->layout = LayoutPopup(menu, owner_);
        if (popup->layout.items.empty() || ended_) return false;
        const RECT r = place(popup->layout.size);
        OpenPopup& added = *popups_.emplace_back(std::move(popup));
        if (!ShowPopupWindow(added, r)) {
            popups_.pop_back();
            return false;
        }
        return true;
    }

    void OpenSubmenu(std::size_t level, int item) {
        const Menu* menu = Menus().Find(popups_[level]->menu);
        if (menu == nullptr || item < 0 || static_cast<std::size_t>(item) >= menu->items.size()) return;
        const HMENU submenu = menu->items[static_cast<std::size_t>(item)].submenu;
        if (Menus().Find(submenu) == nullptr) return;
        CloseFrom(level + 1);
        const RECT parent = PopupScreenRect(*popups_[level]);
        RECT itemRect = ShownItemRect(*popups_[level], item);
        OffsetRect(&itemRect, parent.left, parent.top);
        OpenPopupMenu(submenu, item, [&](SIZE size) {
            RECT r{parent.right - kPopupBorder, itemRect.top - kPopupBorder, 0, 0};
            if (r.left + size.cx > ScreenBounds().right) r.left = parent.left - size.cx + kPopupBorder;
            r.right = r.left + size.cx;
            r.bottom = r.top + size.cy;
            return FitToScreen(r);
        });
    }

    void CloseFrom(std::size_t level) {
        while (popups_.size() > level) {
            SetPopupScrolling(*popups_.back(), 0);
            DestroyPopupWindow(*popups_.back());
            popups_.pop_back();
        }
    }

    const MenuItem* ItemOf(std::size_t level, int index) const {
        const Menu* menu = Menus().Find(popups_[level]->menu);
        if (menu == nullptr || index < 0 || static_cast<std::size_t>(index) >= menu->items.size())
            return nullptr;
        return &menu->items[static_cast<std::size_t>(index)];
    }

    void NotifySelect(HMENU menu, int index, bool byMouse) {
        Window* owner = Owner();
        const Menu* found = Menus().Find(menu);
        if (owner == nullptr || !Notify() || found == nullptr || index < 0 ||
            static_cast<std::size_t>(index) >= found->items.size()) {
            return;
        }
        const MenuItem& item = found->items[static_cast<std::size_t>(index)];
        UINT flags =
            (item.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_OWNERDRAW | MF_SEPARATOR)) | MF_HILITE;
        if (item.IsPopup()) flags |= MF_POPUP;
        if (SystemMenuOwner(menu) != nullptr) flags |= MF_SYSMENU;
        if (byMouse) flags |= MF_MOUSESELECT;
        const WORD first = item.IsPopup() ? static_cast<WORD>(index) : static_cast<WORD>(item.id);
        Send(*owner, WM_MENUSELECT, MAKEWPARAM(first, static_cast<WORD>(flags)),
             reinterpret_cast<LPARAM>(menu));
    }

    void Select(std::size_t level, int index, bool byMouse) {
        OpenPopup& popup = *popups_[level];
        if (index == popup.selected) return;
        const int old = popup.selected;
        popup.selected = index;
        if (old >= 0) RedrawPopupItem(popup, old, ODA_SELECT);
        if (index >= 0) {
            ScrollItemIntoView(popup, index);
            RedrawPopupItem(popup, index, ODA_SELECT);
            NotifySelect(popup.menu, index, byMouse);
        }
    }

    // Moves the selection of a popup by one item up or down, passing over separators and wrapping.
    void SelectNext(std::size_t level, int step, bool byMouse) {
        const Menu* menu = Menus().Find(popups_[level]->menu);
        if (menu == nullptr || menu->items.empty()) return;
        const int count = static_cast<int>(menu->items.size());
        int index = popups_[level]->selected;
        if (index < 0) index = step > 0 ? -1 : count;
        for (int tries = 0; tries < count; ++tries) {
            index = (index + step + count) % count;
            if (!menu->items[static_cast<std::size_t>(index)].IsSeparator()) {
                Select(level, index, byMouse);
                return;
            }
        }
    }

    // The chosen item of a popup: a submenu opens; a command is picked and ends menu mode.
    void Execute(std::size_t level, int index, bool fromKeyboard) {
        const MenuItem* item = ItemOf(level, index);
        if (item == nullptr || item->IsSeparator()) return;
        if (item->IsPopup()) {
            OpenSubmenu(level, index);
            if (fromKeyboard && popups_.size() > level + 1) SelectNext(level + 1, 1, false);
            return;
        }
        if (item->IsGrayed()) {
            if (fromKeyboard) End();
            return;
        }
        PickCommand(popups_[level]->menu, item->id);
    }

    void PickCommand(HMENU menu, UINT_PTR id) {
        const UINT message = mode_ != Mode::Popup && IsOwnersSystemMenu(menu) ? WM_SYSCOMMAND : WM_COMMAND;
        pick_ = Pick{owner_, message, id};
        End();
    }

    // Where the pointer is: the topmost popup under it and its item or strip, else a bar slot.
    struct Hit {
        int level = -1;
        int item = -1;
        int strip = 0;
        int barSlot = -1;
    };

    Hit HitTest(POINT screen) const {
        Hit hit;
        for (std::size_t level = popups_.size(); level-- > 0;) {
            if (!RectContains(PopupScreenRect(*popups_[level]), screen)) continue;
            hit.level = static_cast<int>(level);
            hit.item = PopupItemAt(*popups_[level], screen);
            hit.strip = PopupStripAt(*popups_[level], screen);
            return hit;
        }
        if (Window* window = Owner(); window != nullptr && mode_ == Mode::Bar)
            hit.barSlot = BarSlotAt(*window, screen);
        return hit;
    }

    bool PicksWith(UINT message) const {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) return true;
        return (flags_ & TPM_RIGHTBUTTON) && (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP);
    }

    void OnMouse(UINT message, POINT screen, DWORD time) {
        const Hit hit = HitTest(screen);
        const MenuPlace place{hit.level, hit.item};
        for (std::size_t level = 0; level < popups_.size(); ++level) {
            SetPopupScrolling(*popups_[level], static_cast<int>(level) == hit.level ? hit.strip : 0);
        }
        if (message == WM_MOUSEMOVE) {
            openingClick_.Moved(screen, place);
            OnMouseMove(hit);
        } else if (IsButtonDownMessage(message) && PicksWith(message)) {
            openingClick_.Forget();
            OnPress(hit);
        } else if (PicksWith(message)) {
            // The release of the click that opened the menu leaves it open for the next click, the
            // item under the pointer chosen.
            if (openingClick_.TakeRelease(message, time, screen, place)) {
                OnMouseMove(hit);
                return;
            }
            OnRelease(hit);
        }
    }

    void OnMouseMove(const Hit& hit) {
        if (pressedButton_ >= 0) {
            ShowButtonPressed(hit.barSlot == pressedButton_);
            return;
        }
        if (hit.level >= 0) {
            const auto level = static_cast<std::size_t>(hit.level);
            const bool opensAbove = popups_.size() > level + 1 && popups_[level + 1]->parentItem == hit.item;
            if (!opensAbove && hit.item >= 0) CloseFrom(level + 1);
            const MenuItem* item = ItemOf(level, hit.item);
            if (item == nullptr || item->IsSeparator()) {
                if (popups_.size() == level + 1) Select(level, -1, true);
                return;
            }
            Select(level, hit.item, true);
            if (item->IsPopup() && !opensAbove) OpenSubmenu(level, hit.item);
            return;
        }
        if (hit.barSlot >= 0) {
            if ((pressed_ || !popups_.empty()) && hit.barSlot != barSlot_) OpenBarSlot(hit.barSlot, false);
            return;
        }
        if (!popups_.empty()) Select(popups_.size() - 1, -1, true);
    }

    void OnPress(const Hit& hit) {
        pressed_ = true;
        if (hit.level >= 0) {
            const auto level = static_cast<std::size_t>(hit.level);
            const MenuItem* item = ItemOf(level, hit.item);
            if (item == nullptr || item->IsSeparator()) return;
            Select(level, hit.item, true);
            if (item->IsPopup() &&
                !(popups_.size() > level + 1 && popups_[level + 1]->parentItem == hit.item))
                OpenSubmenu(level, hit.item);
            return;
        }
        if (hit.barSlot >= 0) {
            // A second press on the open item closes the menus.
            if (hit.barSlot == barSlot_ && !popups_.empty()) {
                End();
                return;
            }
            if (IsChildButton(hit.barSlot)) {
                SelectBarSlot(hit.barSlot);
                pressedButton_ = hit.barSlot;
                ShowButtonPressed(true);
                return;
            }
            OpenBarSlot(hit.barSlot, false);
            return;
        }
        End();
    }

    bool IsChildButton(int slot) const {
        Window* window = Owner();
        if (window == nullptr || slot < 0) return false;
        const std::vector<BarSlot> slots = LayoutMenuBar(*window);
        return static_cast<std::size_t>(slot) < slots.size() &&
               slots[static_cast<std::size_t>(slot)].kind == BarSlot::Kind::ChildButton;
    }

    void ShowButtonPressed(bool pressed) {
        Window* window = Owner();
        if (window == nullptr) return;
        SetTrackedBarSlot(*window, pressedButton_, pressed);
        DrawNonClient(*window);
    }

    void OnRelease(const Hit& hit) {
        if (pressedButton_ >= 0) {
            // A maximised child's button: its command when released over it, else nothing at all.
            Window* window = Owner();
            const std::vector<BarSlot> slots =
                window != nullptr ? LayoutMenuBar(*window) : std::vector<BarSlot>{};
            if (hit.barSlot == pressedButton_ && static_cast<std::size_t>(hit.barSlot) < slots.size()) {
                PickCommand(MenuBarOf(*window), slots[static_cast<std::size_t>(hit.barSlot)].command);
            } else {
                End();
            }
            return;
        }
        if (hit.level >= 0) {
            const MenuItem* item = ItemOf(static_cast<std::size_t>(hit.level), hit.item);
            if (item != nullptr && !item->IsPopup() && !item->IsSeparator() && !item->IsGrayed())
                PickCommand(popups_[static_cast<std::size_t>(hit.level)]->menu, item->id);
            return;
        }
        // A bar item without a popup is a command of its own.
        Window* window = Owner();
        if (hit.barSlot < 0 || hit.barSlot != barSlot_ || window == nullptr) return;
        const std::vector<BarSlot> slots = LayoutMenuBar(*window);
        const Menu* bar = Menus().Find(MenuBarOf(*window));
        if (bar == nullptr || static_cast<std::size_t>(hit.barSlot) >= slots.size()) return;
        const BarSlot& slot = slots[static_cast<std::size_t>(hit.barSlot)];
        if (slot.kind != BarSlot::Kind::Item || static_cast<std::size_t>(slot.item) >= bar->items.size())
            return;
        const MenuItem& item = bar->items[static_cast<std::size_t>(slot.item)];
        if (!item.IsPopup() && !item.IsSeparator() && !item.IsGrayed()) PickCommand(bar->handle, item.id);
    }

    // The next slot along the bar that opens a menu or is an item (the child's buttons are left out).
    void MoveAlongBar(int step) {
        Window* window = Owner();
        if (window == nullptr || mode_ != Mode::Bar) return;
        const std::vector<BarSlot> slots = LayoutMenuBar(*window);
        const int count = static_cast<int>(slots.size());
        int slot = barSlot_;
        for (int tries = 0; tries < count; ++tries) {
            slot = (slot + step + count) % count;
            if (slots[static_cast<std::size_t>(slot)].kind != BarSlot::Kind::ChildButton) break;
        }
        if (count == 0 || slot == barSlot_) return;
        if (!popups_.empty()) {
            OpenBarSlot(slot, true);
        } else {
            SelectBarSlot(slot);
        }
    }

    void OnKeyDown(UINT key) {
        const std::size_t top = popups_.size();
        switch (key) {
            case VK_MENU:
            case VK_F10:
                if (key == VK_MENU) ConsumedAlt() = Input().keyDownsTaken;
                End();
                return;
            case VK_ESCAPE:
                if (top == 0 || (top == 1 && mode_ != Mode::Bar)) {
                    End();
                } else {
                    CloseFrom(top - 1);
                }
                return;
            case VK_LEFT:
                if (top > 1) {
                    CloseFrom(top - 1);
                } else {
                    MoveAlongBar(-1);
                }
                return;
            case VK_RIGHT:
                if (top > 0) {
                    const MenuItem* item = ItemOf(top - 1, popups_[top - 1]->selected);
                    if (item != nullptr && item->IsPopup() && !item->IsGrayed()) {
                        Execute(top - 1, popups_[top - 1]->selected, true);
                        return;
                    }
                }
                MoveAlongBar(1);
                return;
            case VK_UP:
            case VK_DOWN:
                if (top > 0) {
                    SelectNext(top - 1, key == VK_DOWN ? 1 : -1, false);
                } else if (barSlot_ >= 0) {
                    OpenBarSlot(barSlot_, true);
                }
                return;
            case VK_RETURN:
                if (top > 0) {
                    if (popups_[top - 1]->selected >= 0) Execute(top - 1, popups_[top - 1]->selected, true);
                } else if (barSlot_ >= 0) {
                    OpenBarSlot(barSlot_, true);
                    if (popups_.empty()) OnRelease(Hit{-1, -1, 0, barSlot_});
                }
                return;
            default: return;
        }
    }

    // A character chooses the item whose mnemonic it is: the only one at once, one of several in turn.
    void OnCharacter(char character) {
        if (static_cast<unsigned char>(character) < ' ') return;
        const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
        if (popups_.empty()) {
            Window* window = Owner();
            const int slot = window != nullptr && mode_ == Mode::Bar ? FindBarMnemonic(*window, wanted) : -1;
            if (slot < 0) {
                MessageBeep(0);
                return;
            }
            OpenBarSlot(slot, true);
            if (popups_.empty()) OnRelease(Hit{-1, -1, 0, slot});
            return;
        }
        const std::size_t level = popups_.size() - 1;
        const Menu* menu = Menus().Find(popups_[level]->menu);
        if (menu == nullptr) return;
        std::vector<int> matches;
        for (std::size_t i = 0; i < menu->items.size(); ++i) {
            if (MnemonicOf(menu->items[i].text) == wanted) matches.push_back(static_cast<int>(i));
        }
        if (matches.empty()) {
            MessageBeep(0);
            return;
        }
        if (matches.size() == 1) {
            Select(level, matches.front(), false);
            Execute(level, matches.front(), true);
            return;
        }
        const int current = popups_[level]->selected;
        int next = matches.front();
        for (int match : matches) {
            if (match > current) {
                next = match;
                break;
            }
        }
        Select(level, next, false);
    }

private:
    HWND owner_;
    Mode mode_;
    UINT flags_;
    std::vector<std::unique_ptr<OpenPopup>> popups_;
    int barSlot_ = -1;
    int pressedButton_ = -1;  // the maximised child's button pressed with the mouse
    bool pressed_ = false;    // a button went down during menu mode (or started it)
    MenuOpeningClick openingClick_;
    bool ended_ = false;
    bool finished_ = false;
    std::optional<Pick> pick_;
};

void Deliver(const std::optional<Pick>& pick) {
    if (pick) PostMessageA(pick->target, pick->message, pick->id, 0);
}

}  // namespace

void TrackMenuBarByKey(Window& window, char key) {
    if (IsInMenuMode()) return;
    if (key == ' ') {
        if (window.style & WS_SYSMENU) TrackSystemMenu(window);
        return;
    }
    const HMENU bar = MenuBarOf(window);
    if (bar == nullptr || GetMenuItemCount(bar) <= 0) return;
    // Alt alone chooses the first item of the bar (past a maximised child's system menu).
    const std::vector<BarSlot> slots = LayoutMenuBar(window);
    int slot = static_cast<int>(std::find_if(slots.begin(), slots.end(),
                                             [](const BarSlot& s) { return s.kind == BarSlot::Kind::Item; }) -
                                slots.begin());
    if (key != 0) {
        slot = FindBarMnemonic(window, static_cast<char>(std::toupper(static_cast<unsigned char>(key))));
        if (slot < 0) {
            MessageBeep(0);
            return;
        }
    }
    auto hold = Tree().Hold(window);
    std::optional<Pick> pick;
    {
        MenuSession session(window, Mode::Bar, 0);
        session.Begin(bar);
        if (key == 0) {
            session.SelectBarSlot(slot);
        } else {
            session.OpenBarSlot(slot, true);
        }
        session.Loop();
        session.Finish();
        pick = session.pick();
    }
    Deliver(pick);
}

void TrackMenuBarByMouse(Window& window, POINT screenPoint) {
    if (IsInMenuMode()) return;
    const HMENU bar = MenuBarOf(window);
    const int slot = BarSlotAt(window, screenPoint);
    if (bar == nullptr || slot < 0) return;
    const MSG handled = LastMessage();
    auto hold = Tree().Hold(window);
    std::optional<Pick> pick;
    {
        MenuSession session(window, Mode::Bar, 0);
        session.Begin(bar);
        session.PressAt(screenPoint);
        session.NoteOpeningPress(handled);
        session.Loop();
        session.Finish();
        pick = session.pick();
    }
    Deliver(pick);
}

void TrackSystemMenu(Window& window) {
    if (IsInMenuMode()) return;
    // Under the caption's system-menu box; for the frame, whose caption is the OS's, at its top-left.
    POINT at = WindowOrigin(window);
    const CaptionLayout caption = LayoutCaption(window);
    if (!IsRectEmpty(caption.systemMenu)) {
        at.x += caption.systemMenu.left;
        at.y += caption.bar.bottom + 1;
    }
    const MSG handled = LastMessage();
    auto hold = Tree().Hold(window);
    std::optional<Pick> pick;
    {
        MenuSession session(window, Mode::SystemMenu, 0);
        const HMENU menu = SystemMenuOf(window, true);
        session.Begin(menu);
        if (session.OpenSystemMenu(window, at)) {
            session.NoteOpeningPress(handled);
            session.Loop();
        }
        session.Finish();
        pick = session.pick();
    }
    Deliver(pick);
}

long TrackPopup(Window& owner, HMENU menu, UINT flags, POINT at) {
    if (IsInMenuMode() || Menus().Find(menu) == nullptr) return -1;
    const MSG handled = LastMessage();
    auto hold = Tree().Hold(owner);
    MenuSession session(owner, Mode::Popup, flags);
    session.Begin(menu);
    if (!session.OpenAtPoint(menu, at)) return -1;
    session.NoteOpeningPress(handled);
    session.Loop();
    session.Finish();
    return session.pick() ? static_cast<long>(session.pick()->id) : 0;
}

bool IsInMenuMode() { return ActiveSession() != nullptr; }

bool IsLoneAltRelease(UINT message, WPARAM key) {
    if (message != WM_SYSKEYUP || key != VK_MENU) return false;
    const MSG& last = Input().lastKeyMessage;
    return last.message == WM_SYSKEYDOWN && last.wParam == VK_MENU && Input().keyDownsTaken != ConsumedAlt();
}

}  // namespace win::detail

namespace win {

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    detail::Window* window = detail::Tree().Find(owner);
    if (window == nullptr) return FALSE;
    const long chosen = detail::TrackPopup(*window, menu, flags, POINT{x, y});
    if (chosen < 0) return FALSE;
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen != 0) PostMessageA(owner, WM_COMMAND, static_cast<WPARAM>(chosen), 0);
    return TRUE;
}

}  // namespace win
