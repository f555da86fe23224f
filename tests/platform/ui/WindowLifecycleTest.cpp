#include <cstdint>
#include <cstring>
#include <string>

#include "UiFixture.h"

namespace uitest {
namespace {

using WindowLifecycle = UiTest;

TEST_F(WindowLifecycle, CreationSendsItsMessagesInOrder) {
    HWND window = Popup(RECT{10, 10, 200, 150}, WS_POPUP | WS_CAPTION | WS_THICKFRAME);
    ASSERT_NE(window, nullptr);
    const std::vector<UINT> expected = {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE,
                                        WM_CREATE,        WM_SIZE,     WM_MOVE};
    EXPECT_EQ(MessagesOf(window), expected);
    // A window without a sizing border is not asked for its limits.
    g_log.clear();
    HWND plain = Popup(RECT{0, 0, 50, 50}, WS_POPUP);
    EXPECT_EQ(MessagesOf(plain),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
}

TEST_F(WindowLifecycle, CreateParametersReachTheWindowAndVisibleWindowsAreShownAfterCreation) {
    int marker = 0;
    const CREATESTRUCTA* seen = nullptr;
    bool visibleDuringCreate = true;
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            seen = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            EXPECT_EQ(seen->lpCreateParams, &marker);
            EXPECT_STREQ(seen->lpszName, "Title");
            visibleDuringCreate = IsWindowVisible(window) != FALSE;
        }
        return std::nullopt;
    };
    HWND window = CreateWindowExA(0, kPlain, "Title", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                  nullptr, &marker);
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(visibleDuringCreate);
    EXPECT_TRUE(IsWindowVisible(window));
    char text[16];
    EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 5);
    EXPECT_STREQ(text, "Title");
}

TEST_F(WindowLifecycle, RefusedCreationLeavesNoWindow) {
    HWND refused = nullptr;
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            refused = window;
            return -1;
        }
        return std::nullopt;
    };
    EXPECT_EQ(Popup(RECT{0, 0, 10, 10}), nullptr);
    ASSERT_NE(refused, nullptr);
    EXPECT_FALSE(IsWindow(refused));
    EXPECT_EQ(MessagesOf(refused, {WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));

    g_log.clear();
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NCCREATE) {
            refused = window;
            return FALSE;
        }
        return std::nullopt;
    };
    EXPECT_EQ(Popup(RECT{0, 0, 10, 10}), nullptr);
    EXPECT_EQ(MessagesOf(refused), (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(Child(nullptr, RECT{0, 0, 1, 1}), nullptr);  // a child needs a parent
}

TEST_F(WindowLifecycle, DestructionReachesParentsFirstAndFreesChildrenFirst) {
    HWND parent = Popup(RECT{0, 0, 300, 300});
    HWND first = Child(parent, RECT{0, 0, 100, 100});
    HWND grandchild = Child(first, RECT{0, 0, 10, 10});
    HWND second = Child(parent, RECT{100, 0, 200, 100});
    HWND owned = Popup(RECT{50, 50, 90, 90}, WS_POPUP | WS_VISIBLE, parent);
    g_log.clear();
    ASSERT_TRUE(DestroyWindow(parent));

    std::vector<HWND> destroyed, freed;
    for (const Logged& entry : g_log) {
        if (entry.message == WM_DESTROY) destroyed.push_back(entry.window);
        if (entry.message == WM_NCDESTROY) freed.push_back(entry.window);
    }
    EXPECT_EQ(destroyed, (std::vector<HWND>{owned, parent, first, grandchild, second}));
    EXPECT_EQ(freed, (std::vector<HWND>{owned, grandchild, first, second, parent}));
    for (HWND w : {parent, first, grandchild, second, owned}) EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(WindowLifecycle, AParentHearsOfItsChildsBirthAndDeathAndAVisibleChildIsHiddenAsItGoes) {
    HWND parent = Popup(RECT{0, 0, 300, 300});
    g_log.clear();
    HWND child = Child(parent, RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, kPlain, 9);
    HWND grandchild = Child(child, RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, kPlain, 4);
    HWND quiet = CreateWindowExA(WS_EX_NOPARENTNOTIFY, kPlain, "", WS_CHILD, 0, 0, 5, 5, parent, nullptr,
                                 nullptr, nullptr);
    HWND owned = Popup(RECT{0, 0, 5, 5}, WS_POPUP, parent);
    auto notices = [](HWND to) {
        std::vector<std::pair<WPARAM, HWND>> result;
        for (const Logged& e : Find(WM_PARENTNOTIFY)) {
            if (e.window == to) result.emplace_back(e.wParam, reinterpret_cast<HWND>(e.lParam));
        }
        return result;
    };
    using Notices = std::vector<std::pair<WPARAM, HWND>>;
    EXPECT_EQ(notices(parent), (Notices{{MAKEWPARAM(WM_CREATE, 9), child}}))
        << "only the direct parent, and not of a child that asks for quiet or of an owned window";
    EXPECT_EQ(notices(child), (Notices{{MAKEWPARAM(WM_CREATE, 4), grandchild}}));
    // Told once the child is made, before it is shown.
    const std::vector<UINT> made = {WM_MOVE, WM_PARENTNOTIFY, WM_SHOWWINDOW};
    std::vector<UINT> order;
    for (const Logged& e : g_log) {
        const bool childsOwn = e.window == child && e.message != WM_PARENTNOTIFY;
        if ((childsOwn || (e.window == parent && e.message == WM_PARENTNOTIFY)) &&
            std::find(made.begin(), made.end(), e.message) != made.end()) {
            order.push_back(e.message);
        }
    }
    EXPECT_EQ(order, made);

    g_log.clear();
    ASSERT_TRUE(DestroyWindow(child));
    EXPECT_EQ(notices(parent), (Notices{{MAKEWPARAM(WM_DESTROY, 9), child}}));
    EXPECT_TRUE(notices(child).empty()) << "children going with their parent are not told of";
    EXPECT_EQ(MessagesIn(g_log, child, {WM_SHOWWINDOW, WM_DESTROY}),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_DESTROY}));
    ASSERT_FALSE(Find(WM_SHOWWINDOW).empty());
    EXPECT_EQ(Find(WM_SHOWWINDOW).front().wParam, static_cast<WPARAM>(FALSE));
    EXPECT_LT(std::find_if(g_log.begin(), g_log.end(),
                           [&](const Logged& e) { return e.message == WM_PARENTNOTIFY; }) -
                  g_log.begin(),
              std::find_if(g_log.begin(), g_log.end(),
                           [&](const Logged& e) { return e.message == WM_SHOWWINDOW; }) -
                  g_log.begin())
        << "the parent hears first";

    g_log.clear();
    DestroyWindow(quiet);
    ShowWindow(owned, SW_SHOWNA);
    DestroyWindow(owned);
    EXPECT_TRUE(Find(WM_PARENTNOTIFY).empty());
    EXPECT_EQ(Count(owned, WM_SHOWWINDOW), 1) << "shown; a visible top-level window goes without one";
}

TEST_F(WindowLifecycle, AParentMayDestroyAChildFromItsNotice) {
    HWND parent = Popup(RECT{0, 0, 300, 300});
    bool destroyOnNotice = true;
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (window == parent && message == WM_PARENTNOTIFY && destroyOnNotice)
            DestroyWindow(reinterpret_cast<HWND>(lParam));
        return std::nullopt;
    };
    EXPECT_EQ(Child(parent, RECT{0, 0, 10, 10}), nullptr) << "destroyed before CreateWindowExA answered";
    destroyOnNotice = false;
    HWND child = Child(parent, RECT{0, 0, 10, 10});
    ASSERT_NE(child, nullptr);
    destroyOnNotice = true;
    EXPECT_TRUE(DestroyWindow(child));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(Count(child, WM_NCDESTROY), 1);
}

TEST_F(WindowLifecycle, AWindowMayDestroyItselfFromItsOwnHandler) {
    HWND window = Popup(RECT{0, 0, 100, 100});
    HWND child = Child(window, RECT{0, 0, 10, 10});
    bool stillAnsweringAfterDestroy = false;
    g_hook = [&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (w == window && message == WM_CLOSE) {
            DestroyWindow(w);
            // The window is gone, but this procedure's call is still running and may look at it.
            stillAnsweringAfterDestroy = !IsWindow(w) && GetWindowLongPtrA(w, 0) == 0;
            return 0;
        }
        if (w == child && message == WM_DESTROY) {
            DestroyWindow(window);  // again, from a child's destruction: no harm
        }
        return std::nullopt;
    };
    PostMessageA(window, WM_USER, 0, 0);
    SetTimer(window, 1, 50, nullptr);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(stillAnsweringAfterDestroy);
    EXPECT_FALSE(IsWindow(child));
    presenter.Advance(100);
    g_log.clear();
    Pump();
    EXPECT_TRUE(g_log.empty()) << "messages and timers of a destroyed window are dropped";
}

TEST_F(WindowLifecycle, DefaultCloseDestroysTheWindow) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    // Handles are not reused: a new window never answers to an old handle.
    HWND next = Popup(RECT{0, 0, 10, 10});
    EXPECT_NE(next, window);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowLifecycle, WindowLongsArePointerSizedAndBounded) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    int object = 0;
    const auto pointer = reinterpret_cast<LONG_PTR>(&object);
    EXPECT_EQ(SetWindowLongPtrA(window, 0, pointer), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, 0), pointer);
    EXPECT_EQ(GetWindowLongA(window, 0), pointer) << "the plain name is pointer-sized too";
    EXPECT_EQ(SetWindowLongPtrA(window, 8, 5), 0) << "outside the class's extra bytes";
    EXPECT_EQ(GetWindowLongPtrA(window, 8), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & WS_POPUP, static_cast<LONG_PTR>(WS_POPUP));
    SetWindowLongPtrA(window, GWLP_USERDATA, 77);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 77);
    // Style changes keep visibility, which only ShowWindow changes.
    ShowWindow(window, SW_SHOW);
    SetWindowLongPtrA(window, GWL_STYLE, WS_POPUP | 0x4000);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & 0x4000, 0x4000);
}

LRESULT SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC g_previous = nullptr;
std::vector<UINT> g_subclassSaw;
LRESULT SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_subclassSaw.push_back(message);
    if (message == WM_USER + 7) return 42;
    return CallWindowProcA(g_previous, window, message, wParam, lParam);
}

TEST_F(WindowLifecycle, SubclassedWindowsChainToThePreviousProcedure) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    EXPECT_EQ(g_previous, &RecordingProc);
    g_log.clear();
    EXPECT_EQ(SendMessageA(window, WM_USER + 7, 0, 0), 42);
    SendMessageA(window, WM_USER + 8, 0, 0);
    EXPECT_EQ(g_subclassSaw, (std::vector<UINT>{WM_USER + 7, WM_USER + 8}));
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_USER + 8}));
}

TEST_F(WindowLifecycle, PropertiesAndTextAndClassNames) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    int value = 0;
    EXPECT_TRUE(SetPropA(window, "FloatSize", &value));
    EXPECT_EQ(GetPropA(window, "floatsize"), &value);
    EXPECT_EQ(GetPropA(window, "FloatFlag"), nullptr);
    EXPECT_EQ(RemovePropA(window, "FLOATSIZE"), &value);
    EXPECT_EQ(GetPropA(window, "FloatSize"), nullptr);

    EXPECT_TRUE(SetWindowTextA(window, "A longer caption"));
    EXPECT_EQ(GetWindowTextLengthA(window), 16);
    char text[6];
    EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 5);
    EXPECT_STREQ(text, "A lon");

    char name[5];
    EXPECT_EQ(GetClassNameA(window, name, sizeof name), 4);
    EXPECT_STREQ(name, "Reco");
    // A buffer of no size is not written at all; one of size 1 gets the terminating 0 only.
    std::memset(name, 'x', sizeof name);
    EXPECT_EQ(GetClassNameA(window, name, 0), 0);
    EXPECT_EQ(GetWindowTextA(window, name, 0), 0);
    EXPECT_EQ(std::string(name, sizeof name), "xxxxx");
    EXPECT_EQ(GetClassNameA(window, name, 1), 0);
    EXPECT_EQ(std::string(name, 2), std::string("\0x", 2));
    DestroyWindow(window);
    EXPECT_EQ(GetClassNameA(window, name, sizeof name), 0);
}

TEST_F(WindowLifecycle, ClassesAreNamedWithoutRegardToCaseAndStayWhileInUse) {
    WNDCLASSA wc;
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = "recorder";
    EXPECT_EQ(RegisterClassA(&wc), 0) << "already registered under another case";
    HWND window = Popup(RECT{0, 0, 10, 10});
    EXPECT_FALSE(UnregisterClassA(kPlain, nullptr));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA("RECORDER", nullptr));
    WNDCLASSA info;
    EXPECT_FALSE(GetClassInfoA(nullptr, kPlain, &info));
    EXPECT_TRUE(GetClassInfoA(nullptr, kDoubleClicks, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
}

TEST_F(WindowLifecycle, RelationsAndStacking) {
    HWND owner = Popup(RECT{0, 0, 300, 300});
    HWND first = Child(owner, RECT{0, 0, 50, 50}, WS_CHILD | WS_VISIBLE, kPlain, 11);
    HWND second = Child(owner, RECT{0, 0, 50, 50});
    HWND popup = Popup(RECT{0, 0, 20, 20}, WS_POPUP | WS_VISIBLE, first);
    // Children are added below their siblings, so creation order is z-order; top-level windows
    // arrive on top.
    EXPECT_EQ(GetWindow(owner, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(first, GW_HWNDLAST), second);
    EXPECT_EQ(GetTopWindow(nullptr), popup);
    EXPECT_EQ(GetParent(first), owner);
    EXPECT_EQ(GetParent(popup), owner) << "a popup's parent is its owner's top-level window";
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owner), nullptr);
    EXPECT_TRUE(IsChild(owner, first));
    EXPECT_FALSE(IsChild(owner, popup));
    EXPECT_EQ(GetDlgCtrlID(first), 11);
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(owner, GW_CHILD), second);
    SetWindowPos(second, first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(owner, GW_CHILD), first);
    EXPECT_EQ(FindWindowA("RECORDER", nullptr), popup);
    EXPECT_EQ(FindWindowA(nullptr, "no such title"), nullptr);
}

TEST_F(WindowLifecycle, CoordinatesMapThroughTheTree) {
    HWND top = Popup(RECT{100, 50, 400, 350}, WS_POPUP | WS_VISIBLE | WS_BORDER);
    HWND child = Child(top, RECT{10, 20, 110, 120});
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 111);  // 100 + 1 pixel border + 10
    EXPECT_EQ(r.top, 71);
    POINT p{5, 5};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 116);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 15);
    EXPECT_EQ(p.y, 25);
    POINT q{0, 0};
    MapWindowPoints(child, top, &q, 1);
    EXPECT_EQ(q.x, 10);
    EXPECT_EQ(q.y, 20);
    EXPECT_EQ(WindowFromPoint(POINT{120, 80}), child);
    EXPECT_EQ(WindowFromPoint(POINT{300, 300}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{15, 25}), child);
    GetWindowRect(GetDesktopWindow(), &r);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(r.bottom, 600);
}

}  // namespace
}  // namespace uitest
