#pragma once
// Internal to the window layer: what an MDI client window keeps of its children, and how it
// activates, maximises, lists and arranges them.

#include <string>
#include <vector>

#include "platform/ui/Mdi.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

inline constexpr const char* kMdiClientClass = "MDICLIENT";
// The window menu lists this many children; past them one entry opens a list of them all.
inline constexpr UINT kWindowMenuLimit = 9;
// Posted to the client to work its scroll bars out again (ScheduleScrollBars).
inline constexpr UINT WM_MDICALCCHILDSCROLL = 0x003F;

class MdiClient {
public:
    MdiClient(HWND client, const CLIENTCREATESTRUCT& create, std::string frameTitle);

    HWND Active() const { return active_; }
    HWND Maximized() const { return maximized_; }
    bool IsShowingMaximized() const;  // a maximised child that is shown
    const std::vector<HWND>& Children() const { return children_; }

    HWND Create(const MDICREATESTRUCTA& create);
    // Destroys a child; when it is the active one, the next child takes over first (and with it the
    // maximised state). A child destroyed without the client being asked leaves none active.
    void Destroy(HWND child);
    // Activates a child (null: none): it comes to the top and hears WM_CHILDACTIVATE, whose default
    // handling (ChildActivated) makes it the active one.
    void Activate(HWND child);
    // Makes a child the active one: the one losing activation hears of it while the client still
    // answers it as active, then the new one takes the maximised state, hears of it and, when the
    // frame is active, takes the focus.
    void ChildActivated(HWND child);
    void ActivateNext(HWND from, bool backward);
    // WM_MDISETMENU: the frame's menu and the window menu (null: kept); answers the frame's old menu,
    // null when a menu given is no menu.
    HMENU SetMenus(HMENU frameMenu, HMENU windowMenu);

    // What children tell their client through their default handling.
    void ChildSized(HWND child);
    void ChildShownOrHidden(HWND child);
    void ChildTitleChanged(HWND child);
    void ChildGone(HWND child);

    void SetFrameTitle(std::string title);
    void FrameActivated(bool active);

    // The window menu (MdiWindowMenu.cpp).
    void RefreshWindowMenu();
    void UnlistChildren();
    bool ChooseFromWindowMenu(UINT id);

    // Arranging (MdiArrange.cpp).
    RECT DefaultChildRect(int x, int y, int width, int height) const;
    void Cascade(UINT how);
    void Tile(UINT how);
    void ArrangeIcons();
    void UpdateScrollBars();
    // Children that come, go, move or change size have the bars worked out again once the messages
    // already waiting are handled, however often they change before that: a child made off the
    // client, hidden, moved into place and shown in one go never brings bars that come and go (each
    // of which would have the whole client painted again).
    void ScheduleScrollBars();
    void ScheduledScrollBars();
    void Scroll(int bar, WORD request, int thumb);  // WM_HSCROLL and WM_VSCROLL of the client's bars

private:
    Window* ClientWindow() const { return Tree().Find(client_); }
    Window* Frame() const;
    bool Holds(HWND child) const;
    void Maximize(Window& child);
    void Restore(Window& child);
    void UpdateFrame();
    std::vector<Window*> ArrangeableChildren(UINT how) const;  // shown, not minimised, bottom first
    RECT ArrangeArea() const;
    RECT ChildrenReach() const;
    HWND NextShown(HWND from, bool backward) const;

    HWND client_;
    HMENU windowMenu_;
    UINT firstId_;
    std::vector<HWND> children_;  // in the order of their ids
    HWND active_ = nullptr;
    HWND maximized_ = nullptr;
    std::string frameTitle_;    // the frame's own title, without a maximised child's
    HWND framedChild_ = nullptr;  // the maximised child the frame showed when UpdateFrame last looked
    std::vector<UINT> listed_;  // the ids the window menu lists now
    bool updatingBars_ = false;
    bool barsScheduled_ = false;
};

LRESULT MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

MdiClient* MdiClientOf(HWND client);
bool IsMdiChild(const Window& window);
MdiClient* MdiClientOfChild(const Window& child);
// The frame's maximised child, when one is shown: its caption, system menu and buttons join the
// frame's.
Window* MergedMdiChild(const Window& frame);

}  // namespace win::detail
