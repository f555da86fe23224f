#include <sstream>

#include "UiFixture.h"
#include "platform/ui/Menus.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

// What menu mode tells its owner, as text: "menuselect 202 0x80", "initmenupopup 0", ...
std::vector<std::string> MenuNotices(HWND window, HMENU bar, std::vector<HMENU> popups) {
    auto name = [&](LPARAM handle) -> std::string {
        if (reinterpret_cast<HMENU>(handle) == bar) return "bar";
        for (std::size_t i = 0; i < popups.size(); ++i)
            if (reinterpret_cast<HMENU>(handle) == popups[i]) return "popup" + std::to_string(i);
        return handle == 0 ? "0" : "?";
    };
    std::vector<std::string> notices;
    for (const Logged& e : g_log) {
        if (e.window != window) continue;
        std::ostringstream out;
        switch (e.message) {
            case WM_ENTERMENULOOP: out << "enter " << e.wParam; break;
            case WM_EXITMENULOOP: out << "exit " << e.wParam; break;
            case WM_INITMENU: out << "initmenu " << name(static_cast<LPARAM>(e.wParam)); break;
            case WM_INITMENUPOPUP:
                out << "initmenupopup " << name(static_cast<LPARAM>(e.wParam)) << " " << LOWORD(e.lParam)
                    << " " << HIWORD(e.lParam);
                break;
            case WM_MENUSELECT:
                out << "menuselect " << LOWORD(e.wParam) << " " << std::hex << HIWORD(e.wParam) << std::dec
                    << " " << name(e.lParam);
                break;
            case WM_COMMAND: out << "command " << e.wParam; break;
            case WM_SYSCOMMAND: out << "syscommand " << std::hex << e.wParam; break;
            default: continue;
        }
        notices.push_back(out.str());
    }
    return notices;
}

// Counts pixels of a colour in a screen rectangle.
int CountColor(const HeadlessPresenter& presenter, RECT r, COLORREF color) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) count += presenter.PixelAt(x, y) == color;
    return count;
}

RECT OpenPopupRect() {
    RECT r{};
    GetWindowRect(FindWindowA("#32768", nullptr), &r);
    return r;
}

class MenuMode : public UiTest {
protected:
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU edit = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();
    HWND frame = nullptr;
    IdleScript script{presenter};

    void SetUp() override {
        UiTest::SetUp();
        AppendMenuA(recent, MF_STRING, 301, "&One");
        AppendMenuA(file, MF_STRING, 101, "&New\tCtrl+N");
        AppendMenuA(file, MF_STRING, 102, "&Open...");
        AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING, 103, "E&xit");
        AppendMenuA(edit, MF_STRING, 201, "&Undo");
        AppendMenuA(edit, MF_STRING, 202, "&Copy");
        AppendMenuA(edit, MF_STRING, 203, "&Clear");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
        frame = CreateWindowExA(0, kPlain, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                bar, nullptr, nullptr);
        Pump();
        g_log.clear();
    }
    void Then(std::function<void()> step) { script.Then(std::move(step)); }
    void Keys(std::initializer_list<UINT> keys) {
        for (UINT key : keys) Then([this, key] { presenter.PressKey(key); });
    }
    void Alt() {
        presenter.KeyDown(VK_MENU);
        presenter.KeyUp(VK_MENU);
    }
    std::vector<std::string> Notices() { return MenuNotices(frame, bar, {file, edit, recent}); }
};

TEST_F(MenuMode, TheKeyboardWalksTheBarAndItsPopupsAndPicksACommand) {
    Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
    Alt();
    Pump();
    const std::vector<std::string> expected = {
        "syscommand f100",           // Alt released alone
        "enter 0",                   //
        "initmenu bar",              //
        "menuselect 0 90 bar",       // File chosen on the bar (popup, hilite)
        "initmenupopup popup0 0 0",  // Down opens it
        "menuselect 101 80 popup0",  // New
        "menuselect 102 80 popup0",  // Open...
        "menuselect 2 90 popup0",    // Recent (a popup: its position)
        "menuselect 103 80 popup0",  // Exit: the separator is passed over
        "menuselect 101 80 popup0",  // round to New
        "menuselect 1 90 bar",       // Right: on to Edit, opened
        "initmenupopup popup1 1 0",  //
        "menuselect 201 80 popup1",  //
        "menuselect 202 80 popup1",  //
        "menuselect 0 ffff 0",       // Return: the menus close
        "exit 0",                    //
        "command 202",               // and the choice arrives
    };
    EXPECT_EQ(Notices(), expected);
    EXPECT_EQ(FindWindowA("#32768", nullptr), nullptr) << "no popup left open";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuMode, TheOwnerHearsWhenTheMenuWaitsOnTheBarOrAPopup) {
    auto lastIdle = [] {
        const std::vector<Logged> idle = Find(WM_ENTERIDLE);
        return idle.empty() ? Logged{} : idle.back();
    };
    Logged onBar, onPopup;
    HWND popup = nullptr;
    Then([&] {
        onBar = lastIdle();
        presenter.PressKey(VK_DOWN);
    });
    Then([&] {
        onPopup = lastIdle();
        popup = FindWindowA("#32768", nullptr);
        presenter.PressKey(VK_ESCAPE);
        presenter.PressKey(VK_ESCAPE);
    });
    Alt();
    Pump();
    EXPECT_EQ(onBar.window, frame);
    EXPECT_EQ(onBar.wParam, MSGF_MENU);
    EXPECT_EQ(reinterpret_cast<HWND>(onBar.lParam), frame) << "the bar's window";
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(onPopup.window, frame);
    EXPECT_EQ(reinterpret_cast<HWND>(onPopup.lParam), popup) << "the popup's window";
    const std::vector<Logged> selects = Find(WM_MENUSELECT);
    ASSERT_FALSE(selects.empty());
    EXPECT_EQ(static_cast<DWORD>(selects.back().wParam), 0xFFFF0000u) << "closing: flags 0xFFFF, item 0";
    EXPECT_EQ(selects.back().lParam, 0);
}

TEST_F(MenuMode, MnemonicsOpenAPopupAndPickAnItemAndEscapeStepsBack) {
    Then([this] { presenter.TypeText("r"); });  // Recent's submenu opens with One chosen
    Keys({VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});    // submenu, popup, then the bar
    presenter.KeyDown(VK_MENU);
    presenter.PressKey('F');
    presenter.KeyUp(VK_MENU);
    Pump();
    const std::vector<std::string> notices = Notices();
    EXPECT_EQ(std::count(notices.begin(), notices.end(), "initmenupopup popup0 0 0"), 1);
    EXPECT_EQ(std::count(notices.begin(), notices.end(), "initmenupopup popup2 2 0"), 1);
    EXPECT_EQ(std::count(notices.begin(), notices.end(), "menuselect 301 80 popup2"), 1);
    EXPECT_EQ(notices.back(), "exit 0");
    EXPECT_EQ(Count(frame, WM_COMMAND), 0);
    EXPECT_EQ(Count(frame, WM_ENTERMENULOOP), 1) << "the Alt release after Alt+F starts nothing";

    // Two items share the mnemonic 'C': each press chooses the next one; Return picks it.
    g_log.clear();
    Then([this] { presenter.TypeText("cc"); });
    Keys({VK_RETURN});
    presenter.KeyDown(VK_MENU);
    presenter.PressKey('E');
    presenter.KeyUp(VK_MENU);
    Pump();
    ASSERT_EQ(Find(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Find(WM_COMMAND)[0].wParam, 203u);
}

TEST_F(MenuMode, AltPressedAgainLeavesMenuModeAndItsReleaseDoesNotComeBack) {
    Then([this] { Alt(); });
    Alt();
    Pump();
    EXPECT_EQ(Count(frame, WM_ENTERMENULOOP), 1);
    EXPECT_EQ(Count(frame, WM_EXITMENULOOP), 1);
    Alt();
    Then([this] { presenter.PressKey(VK_F10); });
    Pump();
    EXPECT_EQ(Count(frame, WM_ENTERMENULOOP), 2) << "a later Alt starts menu mode again; F10 leaves it";
}

TEST_F(MenuMode, EnableStatesSetOnInitMenuPopupAreTheOnesShown) {
    g_hook = [this](HWND window, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (window == frame && message == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(wParam) == file)
            EnableMenuItem(file, 102, MF_GRAYED);
        return std::nullopt;
    };
    int newBlack = 0, openBlack = 0, openGrey = 0;
    Then([&] {
        const RECT popup = OpenPopupRect();
        const RECT item0{popup.left + 20, popup.top + 3, popup.right - 20, popup.top + 21};
        const RECT item1{popup.left + 20, popup.top + 21, popup.right - 20, popup.top + 39};
        newBlack = CountColor(presenter, item0, GetSysColor(COLOR_MENUTEXT));
        openBlack = CountColor(presenter, item1, GetSysColor(COLOR_MENUTEXT));
        openGrey = CountColor(presenter, item1, GetSysColor(COLOR_GRAYTEXT));
        presenter.PressKey(VK_ESCAPE);
        presenter.PressKey(VK_ESCAPE);
    });
    presenter.Click(POINT{8, 10});  // on "File"
    Pump();
    EXPECT_GT(newBlack, 10);
    EXPECT_EQ(openBlack, 0) << "the item greyed by the owner shows grey";
    EXPECT_GT(openGrey, 10);
    EXPECT_EQ(GetMenuState(file, 102, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
}

TEST_F(MenuMode, TheMousePicksByClickOrByPressDragAndRelease) {
    RECT popup{};
    Then([&] {
        popup = OpenPopupRect();
        presenter.Click(POINT{popup.left + 40, popup.top + 3 + 18 + 9});  // Open...
    });
    presenter.Click(POINT{8, 10});  // opens File; its release on the bar leaves it open
    Pump();
    ASSERT_EQ(Find(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Find(WM_COMMAND)[0].wParam, 102u);

    g_log.clear();
    presenter.MoveMouse(POINT{8, 10});
    presenter.ButtonDown();
    Then([&] {
        presenter.MoveMouse(
            POINT{popup.left + 40, popup.top + 3 + 3 * 18 + 9 + 9});  // Exit, past the separator
        presenter.ButtonUp();
    });
    Pump();
    ASSERT_EQ(Find(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Find(WM_COMMAND)[0].wParam, 103u);

    // A click outside every menu closes them and chooses nothing; so does a second click on the item.
    g_log.clear();
    presenter.Advance(1000);  // no double clicks
    Then([&] { presenter.Click(POINT{500, 400}); });
    presenter.Click(POINT{8, 10});
    Pump();
    presenter.Advance(1000);
    Then([&] { presenter.Click(POINT{8, 10}); });
    presenter.Click(POINT{8, 10});
    Pump();
    EXPECT_EQ(Count(frame, WM_ENTERMENULOOP), 2);
    EXPECT_EQ(Count(frame, WM_EXITMENULOOP), 2);
    EXPECT_TRUE(Find(WM_COMMAND).empty());
}

class PopupAtPoint : public MenuMode {
protected:
    HWND owner = nullptr;
    HMENU menu = CreatePopupMenu();
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
    int itemHeight = 25;

    void SetUp() override {
        MenuMode::SetUp();
        owner = Popup(RECT{50, 50, 250, 250});
        g_hook = [this](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
            if (window != owner) return std::nullopt;
            if (message == WM_MEASUREITEM) {
                auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                measured.push_back(*measure);
                measure->itemWidth = 100;
                measure->itemHeight = static_cast<UINT>(itemHeight);
                return TRUE;
            }
            if (message == WM_DRAWITEM) {
                drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            return std::nullopt;
        };
        Pump();
        g_log.clear();
    }
    void OwnerDrawn(int count) {
        for (int i = 0; i < count; ++i)
            AppendMenuA(menu, MF_OWNERDRAW, 1000 + i,
                        reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(11 * (i + 1))));
    }
};

TEST_F(PopupAtPoint, OwnerDrawnItemsAreMeasuredThenDrawnAndRedrawnAsTheChoiceMoves) {
    OwnerDrawn(3);
    Then([&] { presenter.MoveMouse(POINT{150, 100 + 3 + 25 + 5}); });  // onto the second item
    Then([&] { presenter.MoveMouse(POINT{150, 100 + 3 + 5}); });       // onto the first
    Then([&] { presenter.Click(POINT{150, 100 + 3 + 5}); });
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
    EXPECT_EQ(chosen, 1000);

    ASSERT_EQ(measured.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(measured[i].CtlType, ODT_MENU);
        EXPECT_EQ(measured[i].itemID, 1000u + i);
        EXPECT_EQ(measured[i].itemData, 11u * (i + 1));
    }
    // (action, item, selected, top of the item rectangle in the menu window)
    std::vector<std::tuple<UINT, UINT, bool, LONG>> draws;
    for (const DRAWITEMSTRUCT& d : drawn) {
        EXPECT_EQ(reinterpret_cast<HMENU>(d.hwndItem), menu);
        EXPECT_NE(d.hDC, nullptr);
        EXPECT_EQ(d.rcItem.right - d.rcItem.left, 100);
        EXPECT_EQ(d.rcItem.bottom - d.rcItem.top, 25);
        draws.emplace_back(d.itemAction, d.itemID, (d.itemState & ODS_SELECTED) != 0, d.rcItem.top);
    }
    const std::vector<std::tuple<UINT, UINT, bool, LONG>> expected = {
        {ODA_DRAWENTIRE, 1000, false, 3},  {ODA_DRAWENTIRE, 1001, false, 28},
        {ODA_DRAWENTIRE, 1002, false, 53}, {ODA_SELECT, 1001, true, 28},
        {ODA_SELECT, 1001, false, 28},     {ODA_SELECT, 1000, true, 3},
    };
    EXPECT_EQ(draws, expected);
    EXPECT_TRUE(Find(WM_COMMAND).empty()) << "with TPM_RETURNCMD the choice is only answered";
    const std::vector<UINT> order = MessagesOf(owner, {WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM});
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(order[0], WM_INITMENUPOPUP) << "the owner prepares the menu before it is measured";
}

TEST_F(PopupAtPoint, TheChoiceArrivesAsACommandAndEscapeChoosesNothing) {
    AppendMenuA(menu, MF_STRING, 71, "&Alpha");
    AppendMenuA(menu, MF_STRING, 72, "&Beta");
    Keys({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 100, 100, 0, owner, nullptr));
    Pump();
    ASSERT_EQ(Find(WM_COMMAND).size(), 1u);
    EXPECT_EQ(Find(WM_COMMAND)[0].window, owner);
    EXPECT_EQ(Find(WM_COMMAND)[0].wParam, 72u);

    g_log.clear();
    Keys({VK_DOWN, VK_ESCAPE});
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 0);
    EXPECT_EQ(MessagesOf(owner, {WM_INITMENU, WM_INITMENUPOPUP, WM_EXITMENULOOP}),
              (std::vector<UINT>{WM_INITMENU, WM_INITMENUPOPUP, WM_EXITMENULOOP}));

    // Right-aligned and bottom-aligned against the point; kept on the screen.
    Then([&] {
        const RECT r = OpenPopupRect();
        EXPECT_EQ(r.right, 300);
        EXPECT_EQ(r.bottom, 200);
        presenter.PressKey(VK_ESCAPE);
    });
    TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 300, 200, 0, owner, nullptr);
    Then([&] {
        const RECT r = OpenPopupRect();
        EXPECT_EQ(r.right, 800);
        EXPECT_EQ(r.bottom, 600);
        presenter.PressKey(VK_ESCAPE);
    });
    TrackPopupMenu(menu, 0, 790, 590, 0, owner, nullptr);
    EXPECT_FALSE(TrackPopupMenu(CreatePopupMenu(), 0, 10, 10, 0, owner, nullptr))
        << "an empty menu shows nothing";
}

TEST_F(PopupAtPoint, APopupTallerThanTheScreenStartsAtItsTopAndScrolls) {
    itemHeight = 30;
    OwnerDrawn(30);  // 900 pixels of items on a 600-pixel screen
    Then([&] {
        const RECT r = OpenPopupRect();
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.bottom, 600);
        drawn.clear();
        presenter.PressKey(VK_UP);  // round to the last item, scrolled into view
    });
    Then([&] {
        const auto last = std::find_if(drawn.rbegin(), drawn.rend(), [](const DRAWITEMSTRUCT& d) {
            return d.itemID == 1029 && (d.itemState & ODS_SELECTED);
        });
        ASSERT_NE(last, drawn.rend());
        EXPECT_EQ(last->rcItem.bottom, 600 - 3 - 12) << "just above the bottom strip";
        drawn.clear();
        presenter.MoveMouse(POINT{150, 8});  // onto the top strip
    });
    Then([&] { presenter.Advance(61); });
    Then([&] {
        // One item scrolled back: the items shown are drawn again, one row lower.
        std::vector<DRAWITEMSTRUCT> entire;
        for (const DRAWITEMSTRUCT& d : drawn)
            if (d.itemAction == ODA_DRAWENTIRE) entire.push_back(d);
        ASSERT_FALSE(entire.empty());
        EXPECT_EQ(entire.front().itemID, 1010u);
        EXPECT_EQ(entire.front().rcItem.top, 3 + 12);
        EXPECT_EQ(entire.back().itemID, 1028u);
        EXPECT_EQ(entire.back().rcItem.bottom, 600 - 3 - 12);
        presenter.PressKey(VK_ESCAPE);
    });
    TrackPopupMenu(menu, 0, 100, 300, 0, owner, nullptr);
    ASSERT_FALSE(measured.empty());
}

TEST_F(MenuMode, AltSpaceOpensTheSystemMenuPreparedForTheWindowsState) {
    HWND window = Popup(RECT{100, 100, 400, 300}, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                                      WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    SetFocus(window);
    HMENU system = GetSystemMenu(window, FALSE);
    std::vector<UINT> statesShown;
    g_hook = [&](HWND to, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (to != window) return std::nullopt;
        if (message == WM_INITMENU)
            EnableMenuItem(system, SC_CLOSE, MF_GRAYED);  // as a window without Close does
        if (message == WM_INITMENUPOPUP) {
            for (UINT id : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
                statesShown.push_back(GetMenuState(system, id, MF_BYCOMMAND) & MF_GRAYED);
        }
        return std::nullopt;
    };
    Pump();
    g_log.clear();
    Then([this] { presenter.TypeText("n"); });  // Minimize
    presenter.KeyDown(VK_MENU);
    presenter.PressKey(VK_SPACE);
    presenter.KeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(statesShown, (std::vector<UINT>{MF_GRAYED, 0, 0, 0, 0, MF_GRAYED}));
    const std::vector<Logged> initPopup = Find(WM_INITMENUPOPUP);
    ASSERT_EQ(initPopup.size(), 1u);
    EXPECT_EQ(HIWORD(initPopup[0].lParam), 1) << "marked as a system menu";
    EXPECT_TRUE(IsIconic(window)) << "the choice arrived as WM_SYSCOMMAND";
}

}  // namespace
}  // namespace uitest
