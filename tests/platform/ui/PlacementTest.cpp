#include "UiFixture.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"

namespace uitest {
namespace {

using Placement = UiTest;

RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}
RECT ClientRect(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

constexpr DWORD kSizable = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;

TEST_F(Placement, ClientAreasMatchTheMetrics) {
    // The layer reports the sizes the framework works with, and draws its frames with them.
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), kSizingFrame);
    EXPECT_EQ(GetSystemMetrics(SM_CYFRAME), kSizingFrame);
    EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), kDialogFrame);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), kCaption);
    HWND sizable = Popup(RECT{0, 0, 300, 200}, kSizable);
    const int frame = kSizingFrame;
    const int caption = kCaption;
    EXPECT_EQ(ClientRect(sizable).right, 300 - 2 * frame);
    EXPECT_EQ(ClientRect(sizable).bottom, 200 - 2 * frame - caption);
    HWND dialog = Popup(RECT{0, 0, 300, 200}, WS_POPUP | WS_CAPTION);
    EXPECT_EQ(ClientRect(dialog).right, 300 - 2 * kDialogFrame);
    EXPECT_EQ(ClientRect(dialog).bottom, 200 - 2 * kDialogFrame - caption);
    HWND bordered = Popup(RECT{0, 0, 300, 200}, WS_POPUP | WS_BORDER | WS_VSCROLL);
    EXPECT_EQ(ClientRect(bordered).right, 300 - 2 - GetSystemMetrics(SM_CXVSCROLL));
    // AdjustWindowRectEx makes the same frame around a client rectangle.
    RECT r{0, 0, 100, 80};
    AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, 0);
    EXPECT_EQ(r.right - r.left, 100 + 2 * frame);
    EXPECT_EQ(r.bottom - r.top, 80 + 2 * frame + caption);
}

TEST_F(Placement, EditsMadeWhilePositionIsChangingAreHonoured) {
    HWND window = Popup(RECT{0, 0, 100, 100}, kSizable);
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOSIZE)) {
                pos->cx = 250;  // as a fixed-size window forces its size
                pos->y = 40;
            }
        }
        return std::nullopt;
    };
    g_log.clear();
    MoveWindow(window, 10, 20, 120, 130, TRUE);
    const RECT r = WindowRect(window);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 250);
    EXPECT_EQ(r.bottom - r.top, 130);
    EXPECT_EQ(
        MessagesOf(window, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}),
        (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}));
    std::vector<Logged> sizes = Find(WM_SIZE);
    EXPECT_EQ(sizes.back().wParam, SIZE_RESTORED);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(sizes.back().lParam)), 250 - 2 * kSizingFrame);
    // A pure z-order change passes no size or move.
    g_log.clear();
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(Count(window, WM_SIZE), 0);
    EXPECT_EQ(Count(window, WM_MOVE), 0);
    EXPECT_EQ(WindowRect(window).left, 10);
}

TEST_F(Placement, SizeAndMoveComeFromTheDefaultHandlingOfPositionChanged) {
    HWND window = Popup(RECT{0, 0, 100, 100});
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_WINDOWPOSCHANGED) return 0;
        return std::nullopt;
    };
    g_log.clear();
    MoveWindow(window, 5, 5, 50, 50, TRUE);
    EXPECT_EQ(Count(window, WM_SIZE), 0);
    EXPECT_EQ(Count(window, WM_MOVE), 0);
}

TEST_F(Placement, TrackingLimitsBoundSizes) {
    HWND window = Popup(RECT{0, 0, 300, 300}, kSizable);
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_GETMINMAXINFO) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = POINT{150, 120};
            info->ptMaxTrackSize = POINT{400, 350};
        }
        return std::nullopt;
    };
    MoveWindow(window, 0, 0, 10, 10, TRUE);
    EXPECT_EQ(WindowRect(window).right, 150);
    EXPECT_EQ(WindowRect(window).bottom, 120);
    MoveWindow(window, 0, 0, 1000, 1000, TRUE);
    EXPECT_EQ(WindowRect(window).right, 400);
    EXPECT_EQ(WindowRect(window).bottom, 350);
}

TEST_F(Placement, MaximisingAndMinimisingAChildWindow) {
    HWND parent = Popup(RECT{0, 0, 500, 400});
    HWND child = Child(parent, RECT{20, 30, 220, 180},
                       WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU);
    const int frame = kSizingFrame;
    g_log.clear();
    ShowWindow(child, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(child));
    POINT corner{0, 0};
    MapWindowPoints(child, parent, &corner, 1);
    RECT r = WindowRect(child);
    EXPECT_EQ(r.left, -frame);
    EXPECT_EQ(r.right - r.left, 500 + 2 * frame);
    EXPECT_EQ(Find(WM_SIZE).back().wParam, SIZE_MAXIMIZED);
    WINDOWPLACEMENT placement;
    GetWindowPlacement(child, &placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(placement.rcNormalPosition.left, 20);
    EXPECT_EQ(placement.rcNormalPosition.right, 220);

    ShowWindow(child, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(child));
    EXPECT_FALSE(IsZoomed(child));
    EXPECT_EQ(Find(WM_SIZE).back().wParam, SIZE_MINIMIZED);
    EXPECT_EQ(ClientRect(child).right, 0);
    EXPECT_EQ(WindowRect(child).bottom, 400) << "laid at the bottom of the parent";
    GetWindowPlacement(child, &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 20);

    ShowWindow(child, SW_RESTORE);
    EXPECT_FALSE(IsIconic(child));
    r = WindowRect(child);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.bottom - r.top, 150);
    EXPECT_EQ(Find(WM_SIZE).back().wParam, SIZE_RESTORED);
}

TEST_F(Placement, ShowAndHideReportVisibility) {
    HWND window = Popup(RECT{0, 0, 10, 10}, WS_POPUP);
    g_log.clear();
    EXPECT_FALSE(ShowWindow(window, SW_SHOW));
    EXPECT_TRUE(ShowWindow(window, SW_SHOW));
    EXPECT_TRUE(ShowWindow(window, SW_HIDE));
    EXPECT_FALSE(ShowWindow(window, SW_HIDE));
    EXPECT_EQ(MessagesOf(window, {WM_SHOWWINDOW}), (std::vector<UINT>{WM_SHOWWINDOW, WM_SHOWWINDOW}));
    HWND parent = Popup(RECT{0, 0, 10, 10}, WS_POPUP);
    HWND child = Child(parent, RECT{0, 0, 5, 5});
    EXPECT_FALSE(IsWindowVisible(child)) << "its parent is hidden";
    ShowWindow(parent, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(Placement, TheFrameWindowIsTheScreen) {
    HWND frame = CreateWindowExA(0, kPlain, "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 3, 3, 640, 480,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(frame, nullptr);
    RECT r = WindowRect(frame);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 640);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640) << "the OS window took the size the frame asked for";
    EXPECT_EQ(ClientRect(frame).bottom, 480) << "the OS draws the frame's border and caption";
    ShowWindow(frame, SW_SHOW);
    SetWindowTextA(frame, "New title");
    EXPECT_EQ(presenter.FrameTitle(), "New title");
    ShowWindow(frame, SW_MAXIMIZE);
    EXPECT_EQ(presenter.GetFrameState(), FrameState::Maximized);
    EXPECT_TRUE(IsZoomed(frame));
    SetScreenSize(SIZE{1000, 700});  // the OS window grew
    EXPECT_EQ(WindowRect(frame).right, 1000);
    EXPECT_EQ(Find(WM_SIZE).back().wParam, SIZE_MAXIMIZED);
    ShowWindow(frame, SW_RESTORE);
    EXPECT_EQ(presenter.GetFrameState(), FrameState::Normal);
    // A second overlapped window is an ordinary window inside the screen.
    HWND other = CreateWindowExA(0, kPlain, "Other", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(WindowRect(other).left, 10);
    EXPECT_LT(ClientRect(other).bottom, 150);
}

TEST_F(Placement, TheFrameIsLimitedAndToldOfMovesAndSizesByCodeLikeAnyOverlappedWindow) {
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_GETMINMAXINFO) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = POINT{300, 200};
            info->ptMaxTrackSize = POINT{900, 700};
        }
        return std::nullopt;
    };
    HWND frame = CreateWindowExA(0, kPlain, "Frame", WS_OVERLAPPEDWINDOW, 3, 3, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(MessagesOf(frame, {WM_GETMINMAXINFO, WM_NCCREATE}),
              (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE}));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 300) << "the OS window was asked for the limited size";
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 200);

    g_log.clear();
    MoveWindow(frame, 10, 20, 1000, 500, TRUE);
    EXPECT_EQ(ClientRect(frame).right, 900);
    ASSERT_EQ(Count(frame, WM_SIZE), 1);
    EXPECT_EQ(Find(WM_SIZE).back().lParam, static_cast<LPARAM>(MAKELONG(900, 500)));
    EXPECT_EQ(Count(frame, WM_MOVE), 1);

    g_log.clear();
    SetWindowPos(frame, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(Count(frame, WM_MOVE), 1);
    EXPECT_EQ(Count(frame, WM_SIZE), 0);
    g_log.clear();
    SetWindowPos(frame, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Count(frame, WM_MOVE), 0) << "neither moved nor sized";
    EXPECT_EQ(Count(frame, WM_SIZE), 0);
}

TEST_F(Placement, TheFramesPlaceIsTheOsWindowsAndMovesBothWays) {
    HWND frame = CreateWindowExA(0, kPlain, "Frame", WS_OVERLAPPEDWINDOW, 40, 30, 640, 480, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(frame, nullptr);
    ShowWindow(frame, SW_SHOW);
    auto restored = [&] {
        WINDOWPLACEMENT placement;
        GetWindowPlacement(frame, &placement);
        return placement.rcNormalPosition;
    };
    auto same = [](RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; };
    EXPECT_EQ(presenter.FramePlace().x, 40) << "the OS window went where the frame was made";
    EXPECT_EQ(presenter.FramePlace().y, 30);
    EXPECT_TRUE(same(restored(), RECT{40, 30, 680, 510}));
    EXPECT_EQ(WindowRect(frame).left, 0) << "inside, the frame still covers the screen";

    g_log.clear();
    SetWindowPos(frame, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(presenter.FramePlace().x, 70);
    EXPECT_EQ(presenter.FramePlace().y, 80);
    EXPECT_TRUE(same(restored(), RECT{70, 80, 710, 560}));
    EXPECT_EQ(Count(frame, WM_MOVE), 1);
    SetWindowPos(frame, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(Count(frame, WM_MOVE), 1) << "where it already is";

    presenter.MoveOsWindow(POINT{100, 120});  // the user dragged the OS window
    EXPECT_TRUE(same(restored(), RECT{100, 120, 740, 600}));
    EXPECT_EQ(Count(frame, WM_MOVE), 2);
    EXPECT_EQ(GetFramePlace().x, 100);

    ShowWindow(frame, SW_MAXIMIZE);
    EXPECT_EQ(presenter.FramePlace().x, 100) << "maximising does not move its place";
    presenter.MoveOsWindow(POINT{0, 0});
    EXPECT_EQ(restored().left, 100) << "a maximised window's corner is not where it is restored to";
    WINDOWPLACEMENT placement;
    GetWindowPlacement(frame, &placement);
    placement.rcNormalPosition = RECT{5, 6, 505, 406};
    SetWindowPlacement(frame, &placement);
    EXPECT_TRUE(IsZoomed(frame));
    EXPECT_TRUE(same(restored(), RECT{5, 6, 505, 406}));

    EXPECT_TRUE(same(GetFrameDesktop(), RECT{0, 0, 640, 480})) << "without an OS desktop, the screen";
    presenter.SetFrameDesktop(RECT{0, 0, 1920, 1080});
    EXPECT_TRUE(same(GetFrameDesktop(), RECT{0, 0, 1920, 1080}));
}

}  // namespace
}  // namespace uitest
