#include <map>

#include "UiFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"

namespace uitest {
namespace {

// Windows that paint their client area in one colour each, recording what BeginPaint gave them.
class Painting : public UiTest {
protected:
    std::map<HWND, COLORREF> colors;
    std::map<HWND, PAINTSTRUCT> lastPaint;
    std::vector<HWND> paintOrder;
    int eraseAnswer = 0;

    void SetUp() override {
        UiTest::SetUp();
        g_hook = [this](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == WM_ERASEBKGND) return eraseAnswer;
            if (message != WM_PAINT || colors.count(window) == 0) return std::nullopt;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(colors[window]);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            EndPaint(window, &paint);
            lastPaint[window] = paint;
            paintOrder.push_back(window);
            return 0;
        };
    }
    HWND Painted(HWND window, COLORREF color) {
        colors[window] = color;
        return window;
    }
    static COLORREF Pixel(int x, int y) { return GetScreenSurface().GetPixel(x, y); }
};

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kGrey = 0x808080;

TEST_F(Painting, ParentsPaintBeforeChildrenAndClippedChildrenStayIntact) {
    HWND parent = Painted(Popup(RECT{0, 0, 200, 200}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN), kGrey);
    HWND child = Painted(Child(parent, RECT{50, 50, 100, 100}), kRed);
    Pump();
    EXPECT_EQ(paintOrder, (std::vector<HWND>{parent, child}));
    EXPECT_EQ(Pixel(10, 10), kGrey);
    EXPECT_EQ(Pixel(60, 60), kRed);
    // Painting the parent again leaves the child's pixels alone.
    InvalidateRect(parent, nullptr, TRUE);
    paintOrder.clear();
    Pump();
    EXPECT_EQ(paintOrder, (std::vector<HWND>{parent}));
    EXPECT_EQ(Pixel(60, 60), kRed);
    EXPECT_EQ(Pixel(49, 49), kGrey);
}

TEST_F(Painting, WithoutClipChildrenTheParentPaintsOverAndTheChildIsInvalidatedToo) {
    HWND parent = Painted(Popup(RECT{0, 0, 200, 200}), kGrey);
    HWND child = Painted(Child(parent, RECT{50, 50, 100, 100}), kRed);
    Pump();
    paintOrder.clear();
    InvalidateRect(parent, nullptr, TRUE);
    Pump();
    EXPECT_EQ(paintOrder, (std::vector<HWND>{parent, child}));
    EXPECT_EQ(Pixel(60, 60), kRed);
}

TEST_F(Painting, UpdateRegionsAccumulateAndWmPaintWaitsForAnEmptyQueue) {
    HWND window = Painted(Popup(RECT{0, 0, 200, 200}), kGrey);
    Pump();
    RECT a{10, 10, 20, 20}, b{50, 60, 70, 80};
    InvalidateRect(window, &a, FALSE);
    InvalidateRect(window, &b, FALSE);
    ValidateRect(window, &a);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(window, region, FALSE), SIMPLEREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 50);
    EXPECT_EQ(box.bottom, 80);
    InvalidateRect(window, &a, FALSE);
    EXPECT_EQ(GetUpdateRgn(window, region, FALSE), COMPLEXREGION);
    DeleteObject(region);

    PostMessageA(window, WM_USER, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER) << "posted messages before paints";
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_PAINT);
    DispatchMessageA(&message);
    const RECT& paint = lastPaint[window].rcPaint;
    EXPECT_EQ(paint.left, 10);
    EXPECT_EQ(paint.top, 10);
    EXPECT_EQ(paint.right, 70);
    EXPECT_EQ(paint.bottom, 80);
    EXPECT_FALSE(lastPaint[window].fErase) << "invalidated without erasing";
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "BeginPaint validated everything";
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(Painting, InvalidatingPartOfAWindowAwayFromTheScreenCornerMarksExactlyThatPart) {
    // Well below the screen's top and right of its left edge, so client and screen coordinates
    // differ on both axes and by different amounts.
    HWND window = Painted(Popup(RECT{40, 300, 240, 500}), kGrey);
    Pump();
    const RECT lower{10, 150, 60, 200};
    InvalidateRect(window, &lower, FALSE);
    RECT pending;
    ASSERT_TRUE(GetUpdateRect(window, &pending, FALSE));
    EXPECT_TRUE(EqualRect(&pending, &lower));
    colors[window] = kBlue;
    Pump();
    EXPECT_TRUE(EqualRect(&lastPaint[window].rcPaint, &lower));
    EXPECT_EQ(Pixel(40 + 10, 300 + 199), kBlue) << "the bottom row of the part";
    EXPECT_EQ(Pixel(40 + 59, 300 + 150), kBlue);
    EXPECT_EQ(Pixel(40 + 60, 300 + 199), kGrey) << "beside the part";
    EXPECT_EQ(Pixel(40 + 10, 300 + 149), kGrey) << "above the part";
}

TEST_F(Painting, BackgroundErasingIsAskedOnlyWhenPendingAndReportedWhenRefused) {
    HWND window = Painted(Popup(RECT{0, 0, 100, 100}), kGrey);
    Pump();
    g_log.clear();
    InvalidateRect(window, nullptr, FALSE);
    Pump();
    EXPECT_EQ(Count(window, WM_ERASEBKGND), 0);
    InvalidateRect(window, nullptr, TRUE);
    Pump();
    EXPECT_EQ(Count(window, WM_ERASEBKGND), 1);
    EXPECT_TRUE(lastPaint[window].fErase) << "the window answered 0: it erases itself";
    eraseAnswer = 1;
    InvalidateRect(window, nullptr, TRUE);
    Pump();
    EXPECT_FALSE(lastPaint[window].fErase);
}

TEST_F(Painting, TheDefaultEraseFillsTheClientAreaWithTheClassBrush) {
    // One class names a system colour by its index + 1, the other gives a brush of its own.
    HBRUSH green = CreateSolidBrush(kGreen);
    const std::pair<const char*, HBRUSH> classes[] = {
        {"ErasedByIndex", reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_HIGHLIGHT + 1))},
        {"ErasedByBrush", green}};
    for (const auto& [name, brush] : classes) {
        WNDCLASSA wc;
        wc.lpfnWndProc = RecordingProc;
        wc.hbrBackground = brush;
        wc.lpszClassName = name;
        ASSERT_NE(RegisterClassA(&wc), 0);
    }
    g_hook = nullptr;  // every message to the default handling
    HWND byIndex =
        Popup(RECT{10, 10, 110, 110}, WS_POPUP | WS_VISIBLE | WS_CAPTION, nullptr, "ErasedByIndex");
    HWND byBrush = Popup(RECT{200, 10, 300, 110}, WS_POPUP | WS_VISIBLE, nullptr, "ErasedByBrush");
    Pump();
    RECT client;
    GetClientRect(byIndex, &client);
    POINT corners[] = {{0, 0}, {client.right - 1, client.bottom - 1}};
    MapWindowPoints(byIndex, nullptr, corners, 2);
    for (const POINT& corner : corners) EXPECT_EQ(Pixel(corner.x, corner.y), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(Pixel(60, 12), GetSysColor(COLOR_HIGHLIGHT)) << "the caption is not the client area";
    EXPECT_EQ(Pixel(250, 60), kGreen);
    DestroyWindow(byIndex);
    DestroyWindow(byBrush);
    DeleteObject(green);
}

TEST_F(Painting, UpdateWindowPaintsAtOnceTheWindowAndThenItsChildren) {
    HWND window = Painted(Popup(RECT{0, 0, 100, 100}), kGrey);
    HWND child = Painted(Child(window, RECT{10, 10, 30, 30}), kBlue);
    UpdateWindow(window);
    EXPECT_EQ(paintOrder, (std::vector<HWND>{window, child}));
    EXPECT_EQ(Pixel(15, 15), kBlue);
    paintOrder.clear();
    UpdateWindow(window);
    EXPECT_TRUE(paintOrder.empty()) << "nothing left to paint";
}

TEST_F(Painting, SiblingsAndOverlappingWindowsClip) {
    HWND back = Painted(Popup(RECT{0, 0, 100, 100}), kGrey);
    HWND front = Painted(Popup(RECT{50, 50, 150, 150}), kRed);
    Pump();
    EXPECT_EQ(Pixel(75, 75), kRed);
    InvalidateRect(back, nullptr, TRUE);
    Pump();
    EXPECT_EQ(Pixel(75, 75), kRed) << "the window below cannot paint over the one above";
    EXPECT_EQ(Pixel(25, 25), kGrey);
    // Moving the front window away uncovers the back window, which paints the area again.
    paintOrder.clear();
    MoveWindow(front, 300, 300, 100, 100, TRUE);
    Pump();
    EXPECT_EQ(Pixel(75, 75), kGrey);
    EXPECT_EQ(Pixel(350, 350), kRed);
    EXPECT_EQ(Pixel(125, 125), GetSysColor(COLOR_BACKGROUND)) << "the desktop shows where nothing is";
    // Children marked WS_CLIPSIBLINGS leave out the siblings above them.
    HWND parent = Painted(Popup(RECT{400, 0, 600, 200}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN), kGrey);
    HWND upper = Painted(Child(parent, RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS), kBlue);
    HWND lower =
        Painted(Child(parent, RECT{50, 50, 150, 150}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS), kGreen);
    Pump();
    InvalidateRect(lower, nullptr, TRUE);
    Pump();
    EXPECT_EQ(Pixel(475, 75), kBlue);
    EXPECT_EQ(Pixel(525, 125), kGreen);
    (void)upper;
}

TEST_F(Painting, OwnContextsKeepTheirStateAndOthersAreFresh) {
    WNDCLASSA own;
    own.style = CS_OWNDC;
    own.lpfnWndProc = RecordingProc;
    own.lpszClassName = "OwnDC";
    RegisterClassA(&own);
    HWND window = Popup(RECT{0, 0, 100, 100}, WS_POPUP | WS_VISIBLE, nullptr, "OwnDC");
    HWND plain = Popup(RECT{200, 0, 300, 100});
    Pump();
    HDC dc = GetDC(window);
    SetTextColor(dc, kRed);
    ReleaseDC(window, dc);
    HDC again = GetDC(window);
    EXPECT_EQ(again, dc);
    EXPECT_EQ(GetTextColor(again), kRed);
    PAINTSTRUCT paint;
    InvalidateRect(window, nullptr, FALSE);
    EXPECT_EQ(BeginPaint(window, &paint), dc) << "painting uses the same context";
    EndPaint(window, &paint);

    HDC fresh = GetDC(plain);
    SetTextColor(fresh, kRed);
    EXPECT_EQ(ReleaseDC(plain, fresh), 1);
    HDC next = GetDC(plain);
    EXPECT_NE(GetTextColor(next), kRed);
    ReleaseDC(plain, next);
    EXPECT_EQ(ReleaseDC(plain, next), 0) << "released already";
    // The own context follows its window when it moves.
    MoveWindow(window, 20, 20, 100, 100, TRUE);
    Pump();
    HBRUSH brush = CreateSolidBrush(kBlue);
    RECT r{0, 0, 5, 5};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EXPECT_EQ(Pixel(22, 22), kBlue);
}

TEST_F(Painting, EveryDisplayContextGoesBackWhenPaintingIsDone) {
    const long before = GetLiveGdiObjectCount(OBJ_DC);
    HWND parent =
        Painted(Popup(RECT{0, 0, 300, 200}, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME), kGrey);
    HWND child = Painted(Child(parent, RECT{10, 10, 60, 60}), kRed);
    HWND other = Popup(RECT{100, 100, 400, 300}, WS_POPUP | WS_VISIBLE | WS_CAPTION);  // default painting
    for (int round = 0; round < 3; ++round) {
        InvalidateRect(parent, nullptr, TRUE);
        InvalidateRect(other, nullptr, TRUE);
        MoveWindow(child, 10 + round, 10, 50, 50, TRUE);
        SetActiveWindow(round % 2 ? parent : other);  // captions drawn again
        ScrollWindow(parent, 0, 5, nullptr, nullptr);
        Pump();
        UpdateWindow(parent);
        HDC client = GetDC(child);
        HDC whole = GetWindowDC(parent);
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(GetLiveGdiObjectCount(OBJ_DC), before + 3);
        ReleaseDC(nullptr, screen);
        ReleaseDC(parent, whole);
        ReleaseDC(child, client);
        EXPECT_EQ(GetLiveGdiObjectCount(OBJ_DC), before) << "round " << round;
    }
    // A window with its own context keeps one for life, and gives it back when destroyed.
    Register("OwnDCCounted", CS_OWNDC);
    HWND owning = Popup(RECT{0, 0, 50, 50}, WS_POPUP | WS_VISIBLE, nullptr, "OwnDCCounted");
    Pump();
    ReleaseDC(owning, GetDC(owning));
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_DC), before + 1);
    DestroyWindow(owning);
    EXPECT_EQ(GetLiveGdiObjectCount(OBJ_DC), before);
}

TEST_F(Painting, ParentContextsLetChildrenDrawOverTheirParent) {
    WNDCLASSA item;
    item.style = CS_PARENTDC;
    item.lpfnWndProc = RecordingProc;
    item.lpszClassName = "Item";
    RegisterClassA(&item);
    HWND parent = Painted(Popup(RECT{0, 0, 200, 200}), kGrey);
    HWND child = Child(parent, RECT{50, 50, 60, 60}, WS_CHILD | WS_VISIBLE, "Item");
    Pump();
    HDC dc = GetDC(child);
    HBRUSH brush = CreateSolidBrush(kGreen);
    RECT outside{-20, -20, -10, -10};  // left of and above the child, inside the parent
    FillRect(dc, &outside, brush);
    DeleteObject(brush);
    ReleaseDC(child, dc);
    EXPECT_EQ(Pixel(35, 35), kGreen);
}

TEST_F(Painting, ScrollingMovesPixelsAndInvalidatesTheUncoveredStrip) {
    HWND window = Popup(RECT{0, 0, 100, 100});
    Pump();
    HDC dc = GetDC(window);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT band{0, 40, 100, 50};
    FillRect(dc, &band, red);
    DeleteObject(red);
    ReleaseDC(window, dc);
    RECT pending{0, 80, 10, 90};
    InvalidateRect(window, &pending, FALSE);

    ScrollWindow(window, 0, -20, nullptr, nullptr);
    EXPECT_EQ(Pixel(50, 25), kRed);
    EXPECT_EQ(Pixel(50, 29), kRed);
    EXPECT_NE(Pixel(50, 30), kRed) << "rows 40-49 moved to 20-29";
    EXPECT_NE(Pixel(50, 45), kRed) << "rows 40-49 now hold what rows 60-69 held";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, region, FALSE);
    EXPECT_TRUE(PtInRegion(region, 5, 85)) << "not scrolled: still pending below";
    EXPECT_TRUE(PtInRegion(region, 5, 65)) << "the pending area moved with its pixels";
    EXPECT_TRUE(PtInRegion(region, 50, 85)) << "the uncovered strip";
    EXPECT_FALSE(PtInRegion(region, 50, 30));
    DeleteObject(region);
    // A scroll rectangle limits what moves.
    ValidateRect(window, nullptr);
    RECT part{0, 0, 50, 100};
    ScrollWindow(window, 0, 10, &part, &part);
    region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, region, FALSE);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, 50);
    EXPECT_EQ(box.bottom, 10);
    DeleteObject(region);
}

TEST_F(Painting, TheFrameIsDrawnByTheLayerWithTheActiveCaption) {
    HWND window =
        Popup(RECT{10, 10, 210, 110}, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
    const int frame = kSizingFrame;
    const int caption = kCaption;
    // A window just shown is drawn once, when it is painted, not also as it becomes active.
    EXPECT_NE(Pixel(110, 10 + frame + 2), GetSysColor(COLOR_ACTIVECAPTION));
    Pump();
    EXPECT_EQ(Pixel(10, 10), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(Pixel(110, 10 + frame + 2), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(Pixel(110, 10 + frame + caption - 1), GetSysColor(COLOR_WINDOWFRAME))
        << "the line under the caption";
    // A drawn window that loses the activation shows it at once.
    HWND other = Popup(RECT{300, 300, 350, 350});
    EXPECT_EQ(Pixel(110, 10 + frame + 2), GetSysColor(COLOR_INACTIVECAPTION));
    (void)window;
    (void)other;
}

TEST_F(Painting, AGrowingScreenIsPaintedAgain) {
    HWND window = Painted(Popup(RECT{0, 0, 100, 100}), kRed);
    Pump();
    SetScreenSize(SIZE{900, 700});
    EXPECT_EQ(GetScreenSurface().Width(), 900);
    Pump();
    EXPECT_EQ(Pixel(50, 50), kRed);
    EXPECT_EQ(Pixel(850, 650), GetSysColor(COLOR_BACKGROUND));
    (void)window;
}

}  // namespace
}  // namespace uitest
