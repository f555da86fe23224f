// The MDI client: its children, which is active, which is maximised, and what the frame shows of it.

#include "platform/ui/MdiClient.h"

#include <algorithm>
#include <memory>

#include "platform/ui/Activation.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/InputQueue.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/NonClientPaint.h"
#include "platform/ui/Placement.h"
#include "platform/ui/ScrollBars.h"

namespace win::detail {
namespace {

void SetWindowTextQuietly(Window& window, const std::string& text) {
    DefWindowProcA(window.handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

MdiClient::MdiClient(HWND client, const CLIENTCREATESTRUCT& create, std::string frameTitle)
    : client_(client),
      windowMenu_(create.hWindowMenu),
      firstId_(create.idFirstChild),
      frameTitle_(std::move(frameTitle)) {}

Window* MdiClient::Frame() const {
    Window* client = ClientWindow();
    if (client == nullptr || client->parent == nullptr || client->parent == &Tree().Desktop()) return nullptr;
    return client->parent;
}

bool MdiClient::IsShowingMaximized() const {
    Window* child = Tree().Find(maximized_);
    return child != nullptr && child->IsMaximized() && IsVisibleOnScreen(*child);
}

HWND MdiClient::Create(const MDICREATESTRUCTA& create) {
    Window* client = ClientWindow();
    if (client == nullptr) return nullptr;
    DWORD style = create.style;
    if (!(client->style & MDIS_ALLCHILDSTYLES)) {
        style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE;
    }
    style = (style | WS_CHILD | WS_CLIPSIBLINGS) & ~WS_POPUP;
    const bool shown = (style & WS_VISIBLE) != 0;
    const DWORD state = style & (WS_MINIMIZE | WS_MAXIMIZE);
    style &= ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    const RECT r = DefaultChildRect(create.x, create.y, create.cx, create.cy);
    const UINT id = firstId_ + static_cast<UINT>(children_.size());
    const HWND child = CreateWindowExA(WS_EX_MDICHILD, create.szClass, create.szTitle, style, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, client_,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), create.hOwner,
                                       const_cast<MDICREATESTRUCTA*>(&create));
    if (child == nullptr || MdiClientOf(client_) != this) return nullptr;
    children_.push_back(child);
    if (shown) {
        const int command = (state & WS_MINIMIZE)   ? SW_SHOWMINNOACTIVE
                            : (state & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                    : SW_SHOWNOACTIVATE;
        ShowWindow(child, command);
        if (MdiClientOf(client_) != this) return IsWindow(child) ? child : nullptr;
        Activate(child);
    }
    if (MdiClientOf(client_) != this) return IsWindow(child) ? child : nullptr;
    RefreshWindowMenu();
    ScheduleScrollBars();
    return IsWindow(child) ? child : nullptr;
}

void MdiClient::Destroy(HWND child) {
    if (!Holds(child)) return;
    // The next child takes over first, so that it inherits the maximised state.
    if (active_ == child) {
        const HWND next = NextShown(child, false);
        Activate(next != child ? next : nullptr);
    }
    DestroyWindow(child);
    ChildGone(child);
}

bool MdiClient::Holds(HWND child) const {
    return std::find(children_.begin(), children_.end(), child) != children_.end();
}

void MdiClient::Activate(HWND handle) {
    if (handle == nullptr) {
        ChildActivated(nullptr);
        return;
    }
    Window* child = Tree().Find(handle);
    if (child == nullptr || !Holds(handle)) return;
    SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The child hears that it comes forward; its default handling makes it the active one.
    if (handle != active_ && Tree().Find(handle) != nullptr) Send(*child, WM_CHILDACTIVATE, 0, 0);
}

void MdiClient::ChildActivated(HWND handle) {
    Window* child = Tree().Find(handle);
    if (handle != nullptr && (child == nullptr || !Holds(handle))) return;
    if (handle == active_) return;
    // The child losing activation hears of it while it is still the active one.
    const HWND previous = active_;
    if (Window* old = Tree().Find(previous)) {
        Send(*old, WM_NCACTIVATE, FALSE, 0);
        Send(*old, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(handle));
        // It may have activated another child itself; that one stays.
        if (MdiClientOf(client_) != this || (active_ != previous && active_ != nullptr)) return;
    }
    active_ = handle;
    child = Tree().Find(handle);
    if (child == nullptr) {
        RefreshWindowMenu();
        return;
    }
    auto hold = Tree().Hold(*child);
    SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The maximised state goes with activation, to a child that can be maximised.
    if (Window* maximized = Tree().Find(maximized_); maximized != nullptr && maximized != child) {
        if (child->style & WS_MAXIMIZEBOX) {
            Maximize(*child);
        } else {
            Restore(*maximized);
        }
    }
    if (MdiClientOf(client_) != this || !child->alive) return;
    Window* frame = Frame();
    const bool frameActive = frame != nullptr && ActiveWindow() == frame;
    if (frameActive) Send(*child, WM_NCACTIVATE, TRUE, 0);
    Send(*child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(handle));
    if (MdiClientOf(client_) != this) return;
    Window* focus = FocusWindow();
    const bool focusInside = focus != nullptr && (focus == child || IsDescendant(*child, *focus));
    if (frameActive && child->alive && active_ == handle && !focusInside) SetFocusTo(child);
    if (MdiClientOf(client_) == this) RefreshWindowMenu();
}

HWND MdiClient::NextShown(HWND from, bool backward) const {
    Window* client = ClientWindow();
    if (client == nullptr) return nullptr;
    // The children in z-order, topmost first; going on from `from` and round.
    std::vector<Window*> order;
    for (Window* child : client->children) {
        if (std::find(children_.begin(), children_.end(), child->handle) != children_.end())
            order.push_back(child);
    }
    if (order.empty()) return nullptr;
    if (backward) std::reverse(order.begin(), order.end());
    auto start = std::find_if(order.begin(), order.end(), [&](Window* w) { return w->handle == from; });
    const std::size_t first = start == order.end() ? 0 : static_cast<std::size_t>(start - order.begin()) + 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        Window* candidate = order[(first + i) % order.size()];
        if (candidate->IsVisibleFlag() && !(candidate->style & WS_DISABLED)) return candidate->handle;
    }
    return nullptr;
}

void MdiClient::ActivateNext(HWND from, bool backward) {
    if (from == nullptr) from = active_;
    // Backward takes the child above `from` (from the active one: the bottom child); forward takes
    // the one below and sends `from` to the bottom, so that going on visits every child.
    const HWND next = NextShown(from, backward);
    if (next == nullptr || next == from) return;
    Activate(next);
    if (!backward && MdiClientOf(client_) == this && IsWindow(from)) {
        SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void MdiClient::Maximize(Window& child) {
    if (child.IsVisibleFlag()) {
        ShowWindowWith(child, SW_SHOWMAXIMIZED);
        return;
    }
    // A hidden child takes the state without being shown.
    if (!child.IsMinimized() && !child.IsMaximized()) child.normalRect = child.rect;
    child.style = (child.style & ~WS_MINIMIZE) | WS_MAXIMIZE;
    const MINMAXINFO info = QueryMinMaxInfo(child);
    SetWindowPosition(child, nullptr, info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxSize.x,
                      info.ptMaxSize.y, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MdiClient::Restore(Window& child) {
    if (child.IsVisibleFlag()) {
        ShowWindowWith(child, SW_SHOWNOACTIVATE);
        return;
    }
    const RECT r = child.normalRect;
    child.style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
    SetWindowPosition(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                      SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MdiClient::ChildSized(HWND handle) {
    Window* child = Tree().Find(handle);
    if (child == nullptr || !Holds(handle)) return;
    if (child->IsMaximized()) {
        // One child is maximised at a time, and a shown one is the active one.
        if (maximized_ != handle) {
            const HWND previous = maximized_;
            maximized_ = handle;
            if (Window* old = Tree().Find(previous); old != nullptr && old->IsMaximized()) Restore(*old);
        }
        if (MdiClientOf(client_) == this && active_ != handle && child->alive && child->IsVisibleFlag())
            Activate(handle);
    } else if (maximized_ == handle) {
        maximized_ = nullptr;
    }
    if (MdiClientOf(client_) != this) return;
    UpdateFrame();
    ScheduleScrollBars();
}

void MdiClient::ChildShownOrHidden(HWND handle) {
    Window* child = Tree().Find(handle);
    if (child == nullptr) return;
    if (!child->IsVisibleFlag() && active_ == handle) {
        if (child->destroying) {
            // Destroyed without the client being asked (WM_MDIDESTROY asks it): no other child takes
            // over, and the maximised state ends with this one.
            active_ = nullptr;
            if (maximized_ == handle) maximized_ = nullptr;
        } else {
            const HWND next = NextShown(handle, false);
            Activate(next != handle ? next : nullptr);
            if (MdiClientOf(client_) != this) return;
        }
    }
    UpdateFrame();
    RefreshWindowMenu();
    ScheduleScrollBars();
}

void MdiClient::ChildTitleChanged(HWND handle) {
    RefreshWindowMenu();
    if (handle == maximized_) UpdateFrame();
}

void MdiClient::ChildGone(HWND child) {
    auto found = std::find(children_.begin(), children_.end(), child);
    if (found == children_.end()) return;
    children_.erase(found);
    if (maximized_ == child) maximized_ = nullptr;
    if (active_ == child) active_ = nullptr;
    Window* client = ClientWindow();
    if (client == nullptr || client->destroying) return;
    // The children keep consecutive ids, in the order they were made.
    for (std::size_t i = 0; i < children_.size(); ++i) {
        SetWindowLongPtrA(children_[i], GWLP_ID, static_cast<LONG_PTR>(firstId_ + i));
    }
    UpdateFrame();
    RefreshWindowMenu();
    ScheduleScrollBars();
}

HMENU MdiClient::SetMenus(HMENU frameMenu, HMENU windowMenu) {
    if ((frameMenu != nullptr && !IsMenu(frameMenu)) || (windowMenu != nullptr && !IsMenu(windowMenu)))
        return nullptr;
    Window* frame = Frame();
    const HMENU old = frame != nullptr ? GetMenu(frame->handle) : nullptr;
    if (windowMenu != nullptr && windowMenu != windowMenu_) {
        // The children's entries move from the old window menu to the new one.
        UnlistChildren();
        windowMenu_ = windowMenu;
        RefreshWindowMenu();
    }
    if (frameMenu != nullptr && frame != nullptr && frameMenu != old) SetMenu(frame->handle, frameMenu);
    return old;
}

void MdiClient::SetFrameTitle(std::string title) {
    frameTitle_ = std::move(title);
    UpdateFrame();
}

void MdiClient::FrameActivated(bool active) {
    if (Window* child = Tree().Find(active_)) Send(*child, WM_NCACTIVATE, active, 0);
}

// The frame's caption and menu bar follow the maximised child: "Frame - [Child]", and the child's
// system menu and buttons on the bar. With no maximised child shown, now or the last time, the frame
// shows nothing of the children, and is drawn again only when its title changed.
void MdiClient::UpdateFrame() {
    Window* frame = Frame();
    if (frame == nullptr) return;
    std::string title = frameTitle_;
    const HWND framed = IsShowingMaximized() ? maximized_ : nullptr;
    if (framed != nullptr) {
        Window* child = Tree().Find(maximized_);
        if (!child->text.empty()) title += " - [" + child->text + "]";
    }
    const bool retitled = frame->text != title;
    if (retitled) SetWindowTextQuietly(*frame, title);
    if (!retitled && framed == nullptr && framedChild_ == nullptr) return;
    framedChild_ = framed;
    // The child's system menu and buttons on the bar may make it take another row.
    RefitMenuBar(*frame);
    if (MdiClientOf(client_) != this) return;
    if (frame->alive && IsVisibleOnScreen(*frame)) DrawNonClient(*frame);
}

MdiClient* MdiClientOf(HWND client) {
    auto& clients = ControlStates<MdiClient>();
    auto found = clients.find(client);
    return found == clients.end() ? nullptr : found->second.get();
}

bool IsMdiChild(const Window& window) {
    return window.IsChild() && window.parent != nullptr &&
           EqualsIgnoringCase(window.parent->windowClass->name, kMdiClientClass);
}

MdiClient* MdiClientOfChild(const Window& child) {
    return IsMdiChild(child) ? MdiClientOf(child.parent->handle) : nullptr;
}

Window* MergedMdiChild(const Window& frame) {
    for (Window* child : frame.children) {
        if (!EqualsIgnoringCase(child->windowClass->name, kMdiClientClass)) continue;
        MdiClient* client = MdiClientOf(child->handle);
        if (client != nullptr && client->IsShowingMaximized()) return Tree().Find(client->Maximized());
    }
    return nullptr;
}

LRESULT MdiClientProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        CLIENTCREATESTRUCT settings;
        if (create->lpCreateParams != nullptr)
            settings = *static_cast<const CLIENTCREATESTRUCT*>(create->lpCreateParams);
        char title[256] = {};
        GetWindowTextA(create->hwndParent, title, sizeof title);
        ControlStates<MdiClient>()[handle] =
            std::make_shared<MdiClient>(handle, settings, std::string(title));
    }
    // Held for the length of the message: the client may be destroyed from inside it.
    const std::shared_ptr<MdiClient> client = HoldControlState<MdiClient>(handle);
    if (message == WM_NCDESTROY) ControlStates<MdiClient>().erase(handle);
    if (client == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    switch (message) {
        case WM_MDICREATE: {
            const auto* create = reinterpret_cast<const MDICREATESTRUCTA*>(lParam);
            return create != nullptr ? reinterpret_cast<LRESULT>(client->Create(*create)) : 0;
        }
        case WM_MDIDESTROY: client->Destroy(reinterpret_cast<HWND>(wParam)); return 0;
        case WM_MDIACTIVATE:
            // Only a child of the client is activated; no message takes activation from all of them.
            if (wParam != 0) client->Activate(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_MDIGETACTIVE:
            if (auto* maximized = reinterpret_cast<BOOL*>(lParam)) {
                *maximized = client->Active() != nullptr && client->Active() == client->Maximized();
            }
            return reinterpret_cast<LRESULT>(client->Active());
        case WM_MDIRESTORE:
        case WM_MDIMAXIMIZE:
            SendMessageA(reinterpret_cast<HWND>(wParam), WM_SYSCOMMAND,
                         message == WM_MDIRESTORE ? SC_RESTORE : SC_MAXIMIZE, 0);
            return 0;
        case WM_MDINEXT: client->ActivateNext(reinterpret_cast<HWND>(wParam), lParam != 0); return 0;
        case WM_MDISETMENU:
            return reinterpret_cast<LRESULT>(
                client->SetMenus(reinterpret_cast<HMENU>(wParam), reinterpret_cast<HMENU>(lParam)));
        case WM_MDITILE: client->Tile(static_cast<UINT>(wParam)); return TRUE;
        case WM_MDICASCADE: client->Cascade(static_cast<UINT>(wParam)); return TRUE;
        case WM_MDIICONARRANGE: client->ArrangeIcons(); return 0;
        case WM_CREATE: client->UpdateScrollBars(); return 0;
        case WM_MDICALCCHILDSCROLL: client->ScheduledScrollBars(); return 0;
        case WM_NCACTIVATE: client->FrameActivated(wParam != 0); return TRUE;
        case WM_HSCROLL:
        case WM_VSCROLL:
            client->Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(static_cast<DWORD>(wParam)),
                           static_cast<SHORT>(HIWORD(static_cast<DWORD>(wParam))));
            return 0;
        case WM_SETFOCUS:
            // The focus goes on to the active child.
            if (Window* child = Tree().Find(client->Active()); child != nullptr && !child->IsMinimized()) {
                SetFocusTo(child);
            }
            return 0;
        case WM_PARENTNOTIFY:
            // A press in a child that is not active activates it first.
            if (IsButtonDownMessage(LOWORD(wParam))) {
                const POINT at = PointFromParam(lParam);
                HWND child = ChildWindowFromPoint(handle, at);
                if (child != nullptr && child != handle && child != client->Active()) client->Activate(child);
            }
            return 0;
        case WM_SIZE: {
            // A maximised child keeps filling the client.
            if (Window* child = Tree().Find(client->Maximized()); child != nullptr && child->IsMaximized()) {
                const MINMAXINFO info = QueryMinMaxInfo(*child);
                SetWindowPosition(*child, nullptr, info.ptMaxPosition.x, info.ptMaxPosition.y,
                                  info.ptMaxSize.x, info.ptMaxSize.y, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            if (MdiClientOf(handle) == client.get()) client->UpdateScrollBars();
            return DefWindowProcA(handle, message, wParam, lParam);
        }
        default: return DefWindowProcA(handle, message, wParam, lParam);
    }
}

}  // namespace win::detail
