// Floating palettes: their window and its own caption, clicks that never take the activation from
// the frame, the close box's menu, single and double clicks on the close box, Return, the caption's
// look by its thickness, moving by the caption, and the palettes deactivated in modal phases.

#include "framework/TPalette.h"

#include "ApplicationFixture.h"
#include "framework/PaletteCaption.h"
#include "framework/WindowUtilities.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/SystemColors.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

class PaletteTest : public ApplicationTest {
protected:
    static constexpr ShortRect kPlace{60, 300, 160, 420};  // frame client coordinates

    // The application closes its palettes when it quits; the tests end it without quitting.
    void TearDown() override {
        if (application) application->CloseAllPalettes();
        ApplicationTest::TearDown();
    }

    TPalette* MakePalette(bool fillsFrame = false) {
        auto* palette = new TPalette(application, kPlace, "Tools", fillsFrame);
        ShowWindow(palette->GetHWnd(), SW_SHOWNOACTIVATE);
        presenter.DispatchPending();
        return palette;
    }
    static RECT Outline(const TPalette* palette) {
        RECT rect{};
        GetWindowRect(palette->GetHWnd(), &rect);
        return rect;
    }
    static RECT Client(const TPalette* palette) {
        RECT rect{};
        GetClientRect(palette->GetHWnd(), &rect);
        MapWindowPoints(palette->GetHWnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // A point of the palette's caption (screen coordinates), by its place in the window rectangle.
    static POINT At(const TPalette* palette, int x, int y) {
        const RECT frame = Outline(palette);
        return POINT{frame.left + x, frame.top + y};
    }
    static int HitAt(const TPalette* palette, POINT screen) {
        return static_cast<int>(
            SendMessageA(palette->GetHWnd(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)));
    }
    static void AddBoxes(TPalette* palette, DWORD boxes) {
        const HWND window = palette->GetHWnd();
        SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | static_cast<LONG_PTR>(boxes));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    static bool MenuIsOpen() {
        const HWND menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu);
    }
    int Thickness() const { return GetSystemMetrics(SM_CYCAPTION) / 2 + 3; }
};

TEST_F(PaletteTest, APaletteIsAnOwnedWindowWithACaptionOfItsOwnInsideAThinBorder) {
    TPalette* palette = MakePalette();
    const HWND window = palette->GetHWnd();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_TRUE(palette->IsKindOf(kPaletteClassId));
    EXPECT_EQ(application->GetPaletteCount(), 1);
    EXPECT_EQ(application->GetPalette(0), palette);
    EXPECT_TRUE(environment.KeepsFrameActive());
    char name[32];
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, kPaletteClassName);
    EXPECT_EQ(GetWindow(window, GW_OWNER), Frame()) << "owned by the frame";
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_TRUE(style & kPaletteCaptionTop);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_FALSE(style & WS_DLGFRAME) << "the caption bits leave a thin border";
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(GetPropA(window, kFloatSizeProperty)), Thickness());
    EXPECT_EQ(ObjectFromHWnd(window), palette);

    // Placed in the frame's client coordinates, the caption above the client area.
    POINT corner{kPlace.left, kPlace.top};
    ClientToScreen(Frame(), &corner);
    const RECT frame = Outline(palette);
    EXPECT_EQ(frame.left, corner.x);
    EXPECT_EQ(frame.top, corner.y);
    const RECT client = Client(palette);
    EXPECT_EQ(client.left, frame.left + 1);
    EXPECT_EQ(client.top, frame.top + 1 + Thickness());
    EXPECT_EQ(client.bottom, frame.bottom - 1);
    // The frame metrics are the real ones: the frame round the client is the window.
    ShortRect rect = ShortRect::FromRECT(client);
    palette->ClientToFrameRect(rect);
    EXPECT_EQ(rect, ShortRect::FromRECT(frame));

    delete palette;
    EXPECT_EQ(application->GetPaletteCount(), 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(PaletteTest, APaletteThatFillsTheFrameHasNeitherCaptionNorBorder) {
    TPalette* palette = MakePalette(true);
    RECT area{};
    GetClientRect(Frame(), &area);
    MapWindowPoints(Frame(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    const RECT frame = Outline(palette);
    const RECT client = Client(palette);
    EXPECT_TRUE(EqualRect(&frame, &area));
    EXPECT_TRUE(EqualRect(&client, &area));
    std::int16_t left = -1, top = -1, right = -1, bottom = -1;
    palette->GetFrameMetrics(left, top, right, bottom);
    EXPECT_EQ(left + top + right + bottom, 0);
    EXPECT_EQ(HitAt(palette, POINT{frame.left + 2, frame.top + 2}), HTCLIENT);
}

TEST_F(PaletteTest, TheCaptionNamesItsBoxesAndAnyOtherPointClearsTheFloatFlag) {
    TPalette* palette = MakePalette();
    const int t = Thickness();
    EXPECT_EQ(HitAt(palette, At(palette, 1 + t / 2, 1 + t / 2)), HTSYSMENU);
    EXPECT_EQ(HitAt(palette, At(palette, 60, 2)), HTCAPTION);
    EXPECT_EQ(HitAt(palette, At(palette, 60, 2 + t)), HTCLIENT);
    AddBoxes(palette, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const int width = Outline(palette).right - Outline(palette).left;
    EXPECT_EQ(HitAt(palette, At(palette, width - 2, 3)), HTMAXBUTTON) << "the maximise box last";
    EXPECT_EQ(HitAt(palette, At(palette, width - 2 - t, 3)), HTMINBUTTON);

    const HWND window = palette->GetHWnd();
    SetPropA(window, kFloatFlagProperty, reinterpret_cast<HANDLE>(1));
    HitAt(palette, At(palette, 3, 3));
    EXPECT_NE(GetPropA(window, kFloatFlagProperty), nullptr) << "the close box keeps it";
    HitAt(palette, At(palette, 60, 2));
    EXPECT_EQ(GetPropA(window, kFloatFlagProperty), nullptr);
}

TEST_F(PaletteTest, TheCaptionKeepsRoomForItselfAndItsBoxesAlongEitherEdge) {
    TPalette* palette = MakePalette();
    const HWND window = palette->GetHWnd();
    const int t = Thickness();
    auto minimum = [window] {
        MINMAXINFO info{};
        SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info.ptMinTrackSize;
    };
    // Along the top: the close box and twice the caption across, the caption and the border down.
    EXPECT_EQ(minimum().x, 3 * t);
    EXPECT_EQ(minimum().y, t + 1);
    AddBoxes(palette, WS_MINIMIZEBOX);
    EXPECT_EQ(minimum().x, 5 * t);

    // Along the left edge the caption takes the client's left side instead.
    SetWindowLongA(window, GWL_STYLE,
                   (GetWindowLongA(window, GWL_STYLE) & ~kPaletteCaptionTop) | kPaletteCaptionLeft);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const RECT frame = Outline(palette);
    const RECT client = Client(palette);
    EXPECT_EQ(client.left, frame.left + 1 + t);
    EXPECT_EQ(client.top, frame.top + 1);
    EXPECT_EQ(minimum().x, t + 1);
    EXPECT_EQ(minimum().y, 5 * t);
    EXPECT_EQ(HitAt(palette, At(palette, 3, 3)), HTSYSMENU);
    EXPECT_EQ(HitAt(palette, At(palette, 3, 2 * t)), HTCAPTION);
    EXPECT_EQ(HitAt(palette, At(palette, 3, frame.bottom - frame.top - 3)), HTMINBUTTON);
}

TEST_F(PaletteTest, AltSpaceOpensTheCloseBoxsMenu) {
    TPalette* palette = MakePalette();
    SetFocus(palette->GetHWnd());
    int opened = 0;
    presenter.SetIdleHandler([&] {
        if (!MenuIsOpen()) return false;
        ++opened;
        presenter.PressKey(VK_ESCAPE);
        return true;
    });
    presenter.KeyDown(VK_MENU);
    presenter.PressKey(VK_SPACE);
    presenter.KeyUp(VK_MENU);
    while (presenter.DispatchPending() > 0) {}
    presenter.SetIdleHandler(nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(IsWindow(palette->GetHWnd()));
}

TEST_F(PaletteTest, ClickingAPaletteNeverDeactivatesTheActiveMdiChild) {
    NewDocument();
    TWindow* front = application->GetFrontWindow();
    ASSERT_NE(front, nullptr);
    TPalette* palette = MakePalette();
    const RECT client = Client(palette);
    presenter.Click(POINT{client.left + 10, client.top + 10});
    presenter.Click(At(palette, 60, 3));
    presenter.DispatchPending();
    EXPECT_EQ(GetActiveWindow(), Frame());
    EXPECT_EQ(application->GetFrontWindow(), front);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(application->GetMDIClient(), WM_MDIGETACTIVE, 0, 0)),
              front->GetHWnd());
}

TEST_F(PaletteTest, ReturnInAPaletteGivesTheFocusBackToTheFrame) {
    TPalette* palette = MakePalette();
    SetFocus(palette->GetHWnd());
    ASSERT_EQ(GetFocus(), palette->GetHWnd());
    // The frame hands the focus on to its MDI client.
    presenter.PressKey(VK_RETURN);
    presenter.DispatchPending();
    EXPECT_EQ(GetFocus(), application->GetMDIClient());
    SetFocus(palette->GetHWnd());
    presenter.PressKey(VK_RETURN, true);  // the keypad's Enter
    presenter.DispatchPending();
    EXPECT_EQ(GetFocus(), application->GetMDIClient());
    // Other keys leave the focus where it is.
    SetFocus(palette->GetHWnd());
    presenter.PressKey(VK_SPACE);
    presenter.DispatchPending();
    EXPECT_EQ(GetFocus(), palette->GetHWnd());
}

TEST_F(PaletteTest, OneClickOnTheCloseBoxOpensItsMenuAndTheNextClosesItWithoutReopeningIt) {
    TPalette* palette = MakePalette();
    const HWND window = palette->GetHWnd();
    const POINT box = At(palette, 4, 4);
    int opened = 0;
    bool wasOpen = false;
    // Each time the menu opens, its entries are checked and the box clicked again, a while later.
    presenter.SetIdleHandler([&] {
        const bool open = MenuIsOpen();
        if (open && !wasOpen) {
            ++opened;
            const HMENU menu = GetSystemMenu(window, FALSE);
            EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED, 0u);
            EXPECT_NE(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
            EXPECT_NE(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
            EXPECT_NE(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED, 0u);
            presenter.Advance(GetDoubleClickTime() + 100);
            presenter.Click(box);
            wasOpen = true;
            return true;
        }
        wasOpen = open;
        return false;
    });
    presenter.Click(box);
    while (presenter.DispatchPending() > 0) {}
    EXPECT_EQ(opened, 1) << "the click that closed the menu did not open it again";
    EXPECT_FALSE(MenuIsOpen());
    EXPECT_EQ(GetPropA(window, kFloatFlagProperty), nullptr);
    ASSERT_TRUE(IsWindow(window));

    presenter.Advance(GetDoubleClickTime() + 100);
    presenter.Click(box);
    while (presenter.DispatchPending() > 0) {}
    presenter.SetIdleHandler(nullptr);
    EXPECT_EQ(opened, 2) << "the next click opens it again";
    EXPECT_EQ(application->GetPaletteCount(), 1);
}

TEST_F(PaletteTest, ADoubleClickOnTheCloseBoxClosesThePalette) {
    TPalette* palette = MakePalette();
    const HWND window = palette->GetHWnd();
    const POINT box = At(palette, 4, 4);
    presenter.SetIdleHandler([&] {
        if (!MenuIsOpen()) return false;
        presenter.Click(box);
        return true;
    });
    presenter.Click(box);
    while (presenter.DispatchPending() > 0) {}
    presenter.SetIdleHandler(nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(application->GetPaletteCount(), 0);
}

TEST_F(PaletteTest, ACommandPickedFromTheCloseBoxsMenuIsASystemCommand) {
    TPalette* palette = MakePalette();
    const HWND window = palette->GetHWnd();
    PostMessageA(window, WM_COMMAND, SC_CLOSE, 0);
    presenter.DispatchPending();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(application->GetPaletteCount(), 0);
}

TEST_F(PaletteTest, TheMinimiseBoxActsWhenLetGoInsideIt) {
    TPalette* palette = MakePalette();
    AddBoxes(palette, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const int width = Outline(palette).right - Outline(palette).left;
    const POINT box = At(palette, width - 4 - Thickness(), 4);
    const POINT away = At(palette, width / 2, 40);
    presenter.SetIdleHandler([&] {
        if (!GetCapture()) return false;
        InjectMouseMove(away);
        InjectMouseButton(MouseButton::Left, false, away);
        return true;
    });
    presenter.MoveMouse(box);
    presenter.ButtonDown();
    presenter.DispatchPending();
    EXPECT_FALSE(IsIconic(palette->GetHWnd())) << "let go outside the box";
    presenter.Advance(GetDoubleClickTime() + 1);
    presenter.Click(box);
    presenter.DispatchPending();
    presenter.SetIdleHandler(nullptr);
    EXPECT_TRUE(IsIconic(palette->GetHWnd()));
    EXPECT_EQ(GetActiveWindow(), Frame());
    // A palette may not be maximised, box or not.
    ShowWindow(palette->GetHWnd(), SW_RESTORE);
    presenter.Advance(GetDoubleClickTime() + 1);
    presenter.Click(At(palette, width - 4, 4));
    presenter.DispatchPending();
    EXPECT_FALSE(IsZoomed(palette->GetHWnd()));
}

TEST_F(PaletteTest, DraggingTheCaptionMovesThePaletteAndKeepsTheFocus) {
    NewDocument();
    TPalette* palette = MakePalette();
    const HWND focus = GetFocus();
    const RECT before = Outline(palette);
    const POINT grip = At(palette, 60, 3);
    const POINT to{grip.x + 25, grip.y + 15};
    presenter.SetIdleHandler([&] {
        if (!GetCapture()) return false;
        InjectMouseMove(to);
        InjectMouseButton(MouseButton::Left, false, to);
        return true;
    });
    presenter.MoveMouse(grip);
    presenter.ButtonDown();
    presenter.DispatchPending();
    presenter.SetIdleHandler(nullptr);
    const RECT after = Outline(palette);
    EXPECT_EQ(after.left - before.left, 25);
    EXPECT_EQ(after.top - before.top, 15);
    EXPECT_EQ(GetFocus(), focus);
    EXPECT_EQ(GetActiveWindow(), Frame());
}

TEST_F(PaletteTest, TheTitleIsBoldAndTheBevelsTwoPixelsWideFromACaptionOfTwentyOn) {
    for (const int thickness : {13, 19}) {
        const LOGFONTA font = PaletteCaptionFont(thickness, false);
        EXPECT_EQ(font.lfWeight, FW_NORMAL) << thickness;
        EXPECT_EQ(font.lfHeight, -(thickness - 2));
        EXPECT_STREQ(font.lfFaceName, "Arial");
    }
    EXPECT_EQ(PaletteCaptionFont(20, false).lfWeight, FW_BOLD);
    EXPECT_EQ(PaletteCaptionFont(20, true).lfEscapement, 900) << "upright along a left caption";

    TPalette* palette = MakePalette();
    const HWND window = palette->GetHWnd();
    AddBoxes(palette, WS_MAXIMIZEBOX);
    // Just inside the maximise box: the line before it, then the bevel's white rows.
    auto topRows = [&] {
        const RECT frame = Outline(palette);
        const int x = frame.right - 1 - PaletteCaptionThickness(window) / 2;
        return std::vector<COLORREF>{presenter.PixelAt(x, frame.top + 1),
                                     presenter.PixelAt(x, frame.top + 2)};
    };
    DrawPaletteCaption(window, true);
    EXPECT_EQ(topRows(), (std::vector<COLORREF>{RGB(255, 255, 255), RGB(0xC0, 0xC0, 0xC0)}));
    SetPropA(window, kFloatSizeProperty, reinterpret_cast<HANDLE>(24));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    presenter.DispatchPending();
    EXPECT_EQ(Client(palette).top, Outline(palette).top + 1 + 24);
    DrawPaletteCaption(window, true);
    EXPECT_EQ(topRows(), (std::vector<COLORREF>{RGB(255, 255, 255), RGB(255, 255, 255)}));
}

TEST_F(PaletteTest, AModalPhaseDisablesThePalettesUntilItEnds) {
    TPalette* palette = MakePalette();
    // A point of the title area clear of the title.
    const POINT title = At(palette, Thickness() + 3, 3);
    EXPECT_EQ(presenter.PixelAt(title.x, title.y), GetSysColor(COLOR_ACTIVECAPTION));
    BeginModalState();
    EXPECT_FALSE(palette->IsActive());
    EXPECT_FALSE(IsWindowEnabled(palette->GetHWnd()));
    EXPECT_EQ(presenter.PixelAt(title.x, title.y), GetSysColor(COLOR_INACTIVECAPTION));
    EndModalState();
    EXPECT_TRUE(palette->IsActive());
    EXPECT_TRUE(IsWindowEnabled(palette->GetHWnd()));
    EXPECT_EQ(presenter.PixelAt(title.x, title.y), GetSysColor(COLOR_ACTIVECAPTION));
}

}  // namespace
}  // namespace apptest
