#include <optional>

#include "UiFixture.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Paint.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

HWND g_client = nullptr;

LRESULT FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_log.push_back(Logged{window, message, wParam, lParam});
    if (g_hook) {
        if (std::optional<LRESULT> answer = g_hook(window, message, wParam, lParam)) return *answer;
    }
    return DefFrameProcA(window, g_client, message, wParam, lParam);
}

LRESULT ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_log.push_back(Logged{window, message, wParam, lParam});
    if (g_hook) {
        if (std::optional<LRESULT> answer = g_hook(window, message, wParam, lParam)) return *answer;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_OVERLAPPEDWINDOW;
constexpr UINT kFirstChild = 0x7161;

class Mdi : public UiTest {
protected:
    HMENU bar = CreateMenu();
    HMENU windowMenu = CreatePopupMenu();
    HWND frame = nullptr;
    HWND client = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        for (auto [name, proc] : {std::pair<const char*, WNDPROC>{"MdiFrame", FrameProc},
                                  std::pair<const char*, WNDPROC>{"MdiChild", ChildProc}}) {
            WNDCLASSA wc;
            wc.lpfnWndProc = proc;
            wc.lpszClassName = name;
            wc.cbWndExtra = 8;
            ASSERT_TRUE(RegisterOnce(wc)) << name;
        }
        AppendMenuA(windowMenu, MF_STRING, 500, "&Tile");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Window");
        frame = CreateWindowExA(0, "MdiFrame", "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                                0, 800, 600, nullptr, bar, nullptr, nullptr);
        CLIENTCREATESTRUCT create{windowMenu, kFirstChild};
        client = CreateWindowExA(0, "MDICLIENT", nullptr, 0x52300001, 0, 0, 0, 0, frame,
                                 reinterpret_cast<HMENU>(1), nullptr, &create);
        g_client = client;
        RECT area;
        GetClientRect(frame, &area);
        SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(area.right, area.bottom));
        Pump();
        g_log.clear();
    }

    HWND Make(const char* title, RECT r = RECT{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0},
              DWORD style = kChildStyle) {
        MDICREATESTRUCTA create;
        create.szClass = "MdiChild";
        create.szTitle = title;
        create.x = r.left;
        create.y = r.top;
        create.cx = r.left == CW_USEDEFAULT ? CW_USEDEFAULT : r.right - r.left;
        create.cy = r.left == CW_USEDEFAULT ? CW_USEDEFAULT : r.bottom - r.top;
        create.style = style;
        create.lParam = 77;
        return reinterpret_cast<HWND>(
            SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }
    HWND Active(BOOL* maximized = nullptr) {
        return reinterpret_cast<HWND>(
            SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
    }
    std::string Text(HWND window) {
        char text[128];
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    std::vector<std::string> WindowMenuEntries() {
        std::vector<std::string> entries;
        for (int i = 0; i < GetMenuItemCount(windowMenu); ++i) {
            char text[64] = {};
            GetMenuStringA(windowMenu, i, text, sizeof text, MF_BYPOSITION);
            const bool checked = GetMenuState(windowMenu, i, MF_BYPOSITION) & MF_CHECKED;
            entries.push_back(GetMenuState(windowMenu, i, MF_BYPOSITION) & MF_SEPARATOR
                                  ? "-"
                                  : text + std::string(checked ? "*" : ""));
        }
        return entries;
    }
    RECT ClientArea(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        MapWindowPoints(window, client, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST_F(Mdi, CreatingAndActivatingTellBothChildrenWhoLosesAndWhoGains) {
    // The MDI record lives only while the child is made: its parameter is kept as it is seen.
    std::optional<LPARAM> seen;
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_CREATE)
            seen = static_cast<const MDICREATESTRUCTA*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams)
                       ->lParam;
        return std::nullopt;
    };
    HWND a = Make("A");
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(*seen, 77) << "the child's creation parameter is the MDI record";
    const std::vector<UINT> watched = {WM_CREATE, WM_NCACTIVATE, WM_MDIACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};
    EXPECT_EQ(MessagesOf(a, watched),
              (std::vector<UINT>{WM_CREATE, WM_NCACTIVATE, WM_MDIACTIVATE, WM_SETFOCUS}));
    g_log.clear();
    HWND b = Make("B");
    EXPECT_EQ(MessagesOf(a, watched), (std::vector<UINT>{WM_NCACTIVATE, WM_MDIACTIVATE, WM_KILLFOCUS}));
    EXPECT_EQ(MessagesOf(b, watched),
              (std::vector<UINT>{WM_CREATE, WM_NCACTIVATE, WM_MDIACTIVATE, WM_SETFOCUS}));
    for (const Logged& e : Find(WM_MDIACTIVATE)) {
        EXPECT_EQ(reinterpret_cast<HWND>(e.wParam), a) << "wParam: the child losing activation";
        EXPECT_EQ(reinterpret_cast<HWND>(e.lParam), b) << "lParam: the child gaining it";
    }
    EXPECT_EQ(Find(WM_NCACTIVATE)[0].wParam, FALSE);
    EXPECT_EQ(GetFocus(), b);
    BOOL maximized = TRUE;
    EXPECT_EQ(Active(&maximized), b);
    EXPECT_FALSE(maximized);
    EXPECT_EQ(GetDlgCtrlID(a), static_cast<int>(kFirstChild));
    EXPECT_EQ(GetDlgCtrlID(b), static_cast<int>(kFirstChild + 1));
    EXPECT_EQ(GetTopWindow(client), b) << "the active child is on top";

    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_EQ(Active(), a);
    EXPECT_EQ(GetTopWindow(client), a);
    SendMessageA(client, WM_MDIACTIVATE, 0, 0);
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame), 0);
    EXPECT_EQ(Active(), a) << "nor nothing nor a window outside the client is activated";
    // Hiding the active child passes activation, and the focus, to the next one shown.
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(Active(), b);
    EXPECT_EQ(GetFocus(), b);
}

TEST_F(Mdi, AMaximisedChildFillsTheClientAndJoinsTheFramesCaption) {
    HWND a = Make("A", RECT{10, 10, 210, 160});
    HWND b = Make("B", RECT{40, 40, 240, 190});
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b), 0);
    RECT clientArea;
    GetClientRect(client, &clientArea);
    const RECT area = ClientArea(b);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, clientArea.right);
    EXPECT_EQ(area.bottom, clientArea.bottom);
    EXPECT_EQ(Text(frame), "Frame - [B]");
    EXPECT_EQ(presenter.FrameTitle(), "Frame - [B]");
    BOOL maximized = FALSE;
    EXPECT_EQ(Active(&maximized), b);
    EXPECT_TRUE(maximized);
    EXPECT_EQ(GetMenuItemCount(bar), 1) << "the bar's items keep their positions";
    SetWindowTextA(b, "Beta");
    EXPECT_EQ(Text(frame), "Frame - [Beta]");

    // Activation carries the maximised state over.
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_TRUE(IsZoomed(a));
    EXPECT_FALSE(IsZoomed(b));
    EXPECT_EQ(Text(frame), "Frame - [A]");
    RECT restored;
    GetWindowRect(b, &restored);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&restored), 2);
    EXPECT_EQ(restored.left, 40);
    EXPECT_EQ(restored.right, 240);

    // So a new child opens maximised.
    HWND c = Make("C", RECT{70, 70, 270, 220});
    EXPECT_TRUE(IsZoomed(c));
    EXPECT_FALSE(IsZoomed(a));
    SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(c), 0);
    EXPECT_FALSE(IsZoomed(c));
    EXPECT_EQ(Text(frame), "Frame");
    EXPECT_EQ(presenter.FrameTitle(), "Frame");
    SetWindowTextA(frame, "Renamed");
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(c), 0);
    EXPECT_EQ(Text(frame), "Renamed - [C]");
}

TEST_F(Mdi, TheFrameworksHiddenCreationOfAMaximisedChildEndsWithItMaximisedAndRestorableToItsPlace) {
    HWND a = Make("A", RECT{10, 10, 210, 160});
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
    // As the framework makes a window while the active one is maximised: far away, then hidden,
    // moved, maximised, the old one activated again, and finally shown and activated.
    HWND b = Make("B", RECT{-30000, -30000, -29700, -29800});
    ShowWindow(b, SW_HIDE);
    MoveWindow(b, 50, 60, 300, 200, TRUE);
    ShowWindow(b, SW_MAXIMIZE);
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    ShowWindow(b, SW_SHOW);
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b), 0);
    EXPECT_EQ(Active(), b);
    EXPECT_TRUE(IsZoomed(b));
    EXPECT_FALSE(IsZoomed(a));
    EXPECT_TRUE(IsWindowVisible(a));
    SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(b), 0);
    RECT r;
    GetWindowRect(b, &r);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(Mdi, TheWindowMenuListsTheChildrenAndChoosesOne) {
    HWND a = Make("Alpha");
    HWND b = Make("Beta");
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile", "-", "&1 Alpha", "&2 Beta*"}));
    SetWindowTextA(a, "First");
    SendMessageA(frame, WM_COMMAND, kFirstChild, 0);
    EXPECT_EQ(Active(), a);
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile", "-", "&1 First*", "&2 Beta"}));
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(Active(), b) << "the next child takes over";
    EXPECT_EQ(GetDlgCtrlID(b), static_cast<int>(kFirstChild)) << "the ids stay consecutive";
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile", "-", "&1 Beta*"}));
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(b), 0);
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile"}));

    for (int i = 1; i <= 11; ++i) Make(("W" + std::to_string(i)).c_str());
    const std::vector<std::string> entries = WindowMenuEntries();
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[10], "&9 W9");
    EXPECT_EQ(entries[11], "&More Windows...");
    // More Windows lists them all; the one before the last is chosen here.
    IdleScript script(presenter);
    script.Then([&] {
        EXPECT_EQ(GetMenuItemCount(GetMenu(frame)), 1);
        presenter.PressKey(VK_UP);
        presenter.PressKey(VK_UP);
        presenter.PressKey(VK_RETURN);
    });
    SendMessageA(frame, WM_COMMAND, kFirstChild + 9, 0);  // the entry after the ninth child
    EXPECT_EQ(Text(Active()), "W10");
}

TEST_F(Mdi, DestroyingTheMaximisedChildMaximisesTheNext) {
    HWND a = Make("A");
    HWND b = Make("B");
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b), 0);
    SendMessageA(b, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(Active(), a);
    EXPECT_TRUE(IsZoomed(a));
    EXPECT_EQ(Text(frame), "Frame - [A]");
    DestroyWindow(a);  // without the client being asked
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(Text(frame), "Frame");
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile"}));
}

TEST_F(Mdi, TheMaximisedStateHandedOnLeavesTheChildThatHadItBehind) {
    HWND a = Make("A");
    HWND b = Make("B");
    HWND c = Make("C", RECT{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0}, kChildStyle & ~WS_MAXIMIZEBOX);
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
    // B takes the maximised state over; A, restored without activation, stays below it.
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b), 0);
    BOOL maximized = FALSE;
    EXPECT_EQ(Active(&maximized), b);
    EXPECT_TRUE(maximized);
    EXPECT_FALSE(IsZoomed(a));
    EXPECT_EQ(GetWindow(client, GW_CHILD), b) << "the child handed the state is in front";
    // C cannot be maximised: B is restored, and stays below C.
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(c), 0);
    EXPECT_EQ(Active(), c);
    EXPECT_FALSE(IsZoomed(b));
    EXPECT_EQ(GetWindow(client, GW_CHILD), c);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), b);
}

TEST_F(Mdi, TheChildComingForwardHearsItFirstAndTheOneLosingActivationIsStillActiveWhileTold) {
    HWND a = Make("A");
    HWND b = Make("B");
    std::vector<std::pair<HWND, HWND>> activeWhenTold;  // the child told, and the active one then
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_MDIACTIVATE) activeWhenTold.emplace_back(window, Active());
        return std::nullopt;
    };
    g_log.clear();
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    std::vector<std::pair<HWND, UINT>> order;
    for (const Logged& e : g_log) {
        if (e.message == WM_CHILDACTIVATE || e.message == WM_MDIACTIVATE)
            order.emplace_back(e.window, e.message);
    }
    EXPECT_EQ(order, (std::vector<std::pair<HWND, UINT>>{
                         {a, WM_CHILDACTIVATE}, {b, WM_MDIACTIVATE}, {a, WM_MDIACTIVATE}}));
    EXPECT_EQ(activeWhenTold, (std::vector<std::pair<HWND, HWND>>{{b, b}, {a, a}}));
    EXPECT_EQ(Active(), a);

    // A child whose procedure keeps WM_CHILDACTIVATE from its default handling is not activated.
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == b && message == WM_CHILDACTIVATE) return 0;
        return std::nullopt;
    };
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b), 0);
    EXPECT_EQ(Active(), a);
}

TEST_F(Mdi, DestroyingTheActiveChildWithoutTheClientLeavesNoChildActiveAndTheNextRestored) {
    HWND a = Make("A");
    HWND b = Make("B");
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b), 0);
    ASSERT_TRUE(IsZoomed(b));
    g_log.clear();
    DestroyWindow(b);
    BOOL maximized = TRUE;
    EXPECT_EQ(Active(&maximized), nullptr);
    EXPECT_FALSE(maximized);
    EXPECT_FALSE(IsZoomed(a));
    EXPECT_EQ(Count(a, WM_MDIACTIVATE), 0);
    EXPECT_EQ(Text(frame), "Frame");
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile", "-", "&1 A"}));
    // The same without a maximised child.
    HWND c = Make("C");
    ASSERT_EQ(Active(), c);
    DestroyWindow(c);
    EXPECT_EQ(Active(), nullptr);
    // Asked again, the client activates a child as ever.
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_EQ(Active(), a);
    EXPECT_FALSE(IsZoomed(a));
}

TEST_F(Mdi, NextAndPreviousGoOnFromTheChildNamed) {
    HWND a = Make("A");
    HWND b = Make("B");
    HWND c = Make("C");  // top to bottom: C B A
    SendMessageA(client, WM_MDINEXT, reinterpret_cast<WPARAM>(a), TRUE);
    EXPECT_EQ(Active(), b) << "the child above A";
    SendMessageA(client, WM_MDINEXT, 0, TRUE);  // from the active one: the bottom child
    EXPECT_EQ(Active(), a);
    // Top to bottom now: A B C. Forward from B takes C and sends B to the bottom.
    SendMessageA(client, WM_MDINEXT, reinterpret_cast<WPARAM>(b), FALSE);
    EXPECT_EQ(Active(), c);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(Mdi, SetMenuGivesTheFrameANewBarAndMovesTheChildrenToANewWindowMenu) {
    Make("A");
    Make("B");
    HMENU otherBar = CreateMenu();
    HMENU otherWindowMenu = CreatePopupMenu();
    AppendMenuA(otherWindowMenu, MF_STRING, 600, "&Cascade");
    AppendMenuA(otherBar, MF_POPUP, reinterpret_cast<UINT_PTR>(otherWindowMenu), "&Windows");
    EXPECT_EQ(SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(otherBar),
                           reinterpret_cast<LPARAM>(otherWindowMenu)),
              reinterpret_cast<LRESULT>(bar))
        << "the old frame menu";
    EXPECT_EQ(GetMenu(frame), otherBar);
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Tile"})) << "the old window menu is clear";
    windowMenu = otherWindowMenu;
    EXPECT_EQ(WindowMenuEntries(), (std::vector<std::string>{"&Cascade", "-", "&1 A", "&2 B*"}));
    Make("C");
    EXPECT_EQ(WindowMenuEntries().back(), "&3 C*");
    SendMessageA(frame, WM_COMMAND, kFirstChild, 0);
    EXPECT_EQ(Text(Active()), "A");

    // Null keeps a menu; what is no menu changes nothing.
    EXPECT_EQ(SendMessageA(client, WM_MDISETMENU, 0, 0), reinterpret_cast<LRESULT>(otherBar));
    HMENU gone = CreatePopupMenu();
    DestroyMenu(gone);
    EXPECT_EQ(SendMessageA(client, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(gone)), 0);
    EXPECT_EQ(SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(gone), 0), 0);
    EXPECT_EQ(GetMenu(frame), otherBar);
    EXPECT_EQ(WindowMenuEntries().size(), 5u);
    // Back to the first bar; the window menu stays.
    SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_EQ(GetMenu(frame), bar);
    EXPECT_EQ(WindowMenuEntries().size(), 5u);
    DestroyMenu(otherBar);
}

TEST_F(Mdi, ControlF6VisitsEveryChildAndControlF4ClosesTheActiveOne) {
    HWND a = Make("A");
    HWND b = Make("B");
    HWND c = Make("C");
    auto press = [&](std::initializer_list<UINT> modifiers, UINT key) {
        for (UINT m : modifiers) presenter.KeyDown(m);
        presenter.PressKey(key);
        for (UINT m : modifiers) presenter.KeyUp(m);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (TranslateMDISysAccel(client, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return Active();
    };
    EXPECT_EQ(press({VK_CONTROL}, VK_F6), b);
    EXPECT_EQ(press({VK_CONTROL}, VK_F6), a);
    EXPECT_EQ(press({VK_CONTROL}, VK_TAB), c) << "round to the first again";
    EXPECT_EQ(press({VK_CONTROL, VK_SHIFT}, VK_F6), a) << "backward: the bottom child";
    EXPECT_EQ(press({VK_CONTROL}, VK_F4), c);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(press({}, VK_F6), c) << "without Ctrl nothing moves";
}

TEST_F(Mdi, APressInAnInactiveChildActivatesItBeforeTheClickArrives) {
    HWND a = Make("A", RECT{10, 10, 210, 160});
    Make("B", RECT{300, 10, 500, 160});
    g_log.clear();
    POINT inside{50, 50};
    ClientToScreen(a, &inside);
    presenter.Click(inside);
    Pump();
    EXPECT_EQ(Active(), a);
    const std::vector<UINT> order = MessagesOf(a, {WM_MDIACTIVATE, WM_LBUTTONDOWN});
    EXPECT_EQ(order, (std::vector<UINT>{WM_MDIACTIVATE, WM_LBUTTONDOWN}));
}

TEST_F(Mdi, ArrangingTilesCascadesAndLinesUpTheIcons) {
    HWND a = Make("A");
    HWND b = Make("B");
    HWND c = Make("C");
    RECT area;
    GetClientRect(client, &area);
    auto rectOf = [&](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0);
    // Side by side, the active child first.
    EXPECT_EQ(rectOf(c).left, 0);
    EXPECT_EQ(rectOf(b).left, area.right / 3);
    EXPECT_EQ(rectOf(a).right, area.right);
    EXPECT_EQ(rectOf(a).bottom, area.bottom);
    SendMessageA(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    EXPECT_EQ(rectOf(c).top, 0);
    EXPECT_EQ(rectOf(b).top, area.bottom / 3);
    EXPECT_EQ(rectOf(a).right, area.right);

    SendMessageA(client, WM_MDICASCADE, 0, 0);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    EXPECT_EQ(rectOf(a).left, 0);
    EXPECT_EQ(rectOf(b).left, step);
    EXPECT_EQ(rectOf(c).top, 2 * step) << "the active child in front, furthest down";
    EXPECT_EQ(rectOf(c).right - rectOf(c).left, rectOf(a).right - rectOf(a).left);
    EXPECT_EQ(GetTopWindow(client), c);

    ShowWindow(a, SW_MINIMIZE);
    ShowWindow(b, SW_MINIMIZE);
    SendMessageA(client, WM_MDIICONARRANGE, 0, 0);
    const int iconWidth = GetSystemMetrics(SM_CXMINIMIZED);
    EXPECT_EQ(rectOf(a).left, 0);
    EXPECT_EQ(rectOf(b).left, iconWidth);
    EXPECT_EQ(rectOf(a).bottom, area.bottom) << "minimised children lie along the bottom of the client";
    SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0);
    EXPECT_EQ(rectOf(c).right, area.right) << "only the child not minimised is tiled";
    EXPECT_EQ(rectOf(c).bottom, area.bottom - GetSystemMetrics(SM_CYMINIMIZED)) << "above the icons";
}

TEST_F(Mdi, ScrollBarsShowWhileAChildLiesOutsideTheClient) {
    HWND a = Make("A", RECT{10, 10, 210, 160});
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    MoveWindow(a, 700, 10, 200, 150, TRUE);
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL),
              static_cast<LONG_PTR>(WS_HSCROLL));
    // Scrolling moves the children; once they all lie inside, the bar goes.
    SendMessageA(client, WM_HSCROLL, SB_PAGERIGHT, 0);
    RECT r;
    GetWindowRect(a, &r);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    MoveWindow(a, 10, 500, 200, 150, TRUE);
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL),
              static_cast<LONG_PTR>(WS_VSCROLL));
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0)
        << "a maximised child lies inside";
}

TEST_F(Mdi, TheBarsFollowTheChildrenOnceTheWaitingMessagesAreHandled) {
    HWND a = Make("A", RECT{10, 10, 210, 160});
    Pump();
    // Made far off the client, hidden, moved into place and shown, in one go: the bars never come,
    // so the client (which clips its children) has nothing to paint again.
    ValidateRect(client, nullptr);
    HWND b = Make("B", RECT{-30000, -30000, -29800, -29850});
    ShowWindow(b, SW_HIDE);
    MoveWindow(b, 300, 40, 200, 150, TRUE);
    ShowWindow(b, SW_SHOW);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(client, &update, FALSE));
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_FALSE(GetUpdateRect(client, &update, FALSE));

    // Left outside, the child brings its bar with the next messages; every later change follows.
    MoveWindow(a, 10, 10, 900, 150, TRUE);
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0) << "not yet";
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), static_cast<LONG_PTR>(WS_HSCROLL));
    MoveWindow(a, 10, 10, 200, 150, TRUE);
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(b), 0);
    MoveWindow(a, 10, 10, 200, 700, TRUE);
    Pump();
    EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), static_cast<LONG_PTR>(WS_VSCROLL));
}

TEST_F(Mdi, TheMaximisedChildsSystemMenuAndButtonsSitOnTheFramesBar) {
    HWND a = Make("A");
    HWND b = Make("B");
    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b), 0);
    Pump();
    g_log.clear();
    // Its close button at the right end of the bar.
    const int size = GetSystemMetrics(SM_CXSIZE);
    presenter.Click(POINT{800 - 1 - size / 2, GetSystemMetrics(SM_CYMENU) / 2});
    Pump();
    const std::vector<Logged> commands = Find(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, frame);
    EXPECT_EQ(commands[0].wParam, SC_CLOSE);
    EXPECT_FALSE(IsWindow(b));
    EXPECT_TRUE(IsZoomed(a)) << "the next child took the maximised state";

    // Alt and '-' opens its system menu from the bar; Restore is there to choose.
    IdleScript script(presenter);
    script.Then([&] { presenter.TypeText("r"); });
    g_log.clear();
    presenter.KeyDown(VK_MENU);
    presenter.PressKey(VK_OEM_MINUS);
    presenter.KeyUp(VK_MENU);
    Pump();
    const std::vector<Logged> popups = Find(WM_INITMENUPOPUP);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HMENU>(popups[0].wParam), GetSystemMenu(a, FALSE));
    EXPECT_EQ(HIWORD(popups[0].lParam), 1);
    EXPECT_FALSE(IsZoomed(a));
    EXPECT_EQ(Text(frame), "Frame");
}

}  // namespace
}  // namespace uitest
