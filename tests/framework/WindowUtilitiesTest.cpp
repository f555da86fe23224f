// Window helpers: the cascade of default places, palettes hidden and shown together, the window
// objects behind handles and the walk over them, the frame's cursor, the desktop's work area, the
// default printer, item fonts in their stored form, and pictures of the store as bitmaps.

#include "framework/WindowUtilities.h"
#include "framework/ZoomRect.h"

#include "ApplicationFixture.h"
#include "foundation/ByteStream.h"
#include "framework/FontSpec.h"
#include "framework/PictureBitmaps.h"
#include "framework/graphics/CursorManager.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"

namespace apptest {
namespace {

TEST(NextCascadePoint, StepsDownInColumnsOfFourAndStartsAgainAfterTwelve) {
    const int cx = GetSystemMetrics(SM_CXFRAME);
    const int cy = GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(NextCascadePoint(true, false), (ShortPoint{0, 0}));
    std::vector<ShortPoint> places;
    for (int i = 1; i < 12; ++i) places.push_back(NextCascadePoint(false, false));
    EXPECT_EQ(places[0], (ShortPoint{static_cast<std::int16_t>(cx), static_cast<std::int16_t>(cy)}));
    EXPECT_EQ(places[3], (ShortPoint{static_cast<std::int16_t>(8 * cx), 0})) << "the fifth starts a column";
    EXPECT_EQ(places[10],
              (ShortPoint{static_cast<std::int16_t>(19 * cx), static_cast<std::int16_t>(3 * cy)}));
    EXPECT_EQ(NextCascadePoint(false, true), (ShortPoint{0, 0})) << "the thirteenth is the first again";
    EXPECT_EQ(NextCascadePoint(false, false), (ShortPoint{0, 0})) << "keep answered the same place";
}

// A floating palette: a top-level window of the application that is no MDI child.
class Palette : public TWindow {
public:
    explicit Palette(TAppl* application) : TWindow(application, nullptr, kPaletteMode, 0, "palette") {
        AttachWindow(CreateWindowExA(0, "BUTTON", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                     nullptr, nullptr));
        SetWindowLongA(GetHWnd(), 0, reinterpret_cast<LONG_PTR>(this));
        application->AddPalette(this);
    }
    ErrCode PreparePrinter() override { return 0; }
    void Activate(bool active) override { activations.push_back(active); }

    std::vector<bool> activations;
};

TEST_F(ApplicationTest, PalettesHideTogetherAndOnlyTheVisibleOnesComeBack) {
    auto* shown = new Palette(application);
    auto* hidden = new Palette(application);
    ShowWindow(hidden->GetHWnd(), SW_HIDE);
    SendMessageA(Frame(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(IsWindowVisible(shown->GetHWnd()));
    EXPECT_TRUE(environment.IsInBackground());
    SendMessageA(Frame(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(IsWindowVisible(shown->GetHWnd()));
    EXPECT_FALSE(IsWindowVisible(hidden->GetHWnd()));

    BeginModalState();
    EndModalState();
    EXPECT_EQ(shown->activations, (std::vector<bool>{false, true})) << "a modal phase deactivates palettes";
    application->CloseAllPalettes();
    EXPECT_EQ(application->GetPaletteCount(), 0);
}

TEST_F(ApplicationTest, OnlyFrameworkWindowsOfTheMdiClientAreFrontWindows) {
    EXPECT_EQ(ObjectFromHWnd(Frame()), nullptr);
    EXPECT_EQ(ObjectFromHWnd(application->GetMDIClient()), nullptr);
    EXPECT_EQ(ObjectFromHWnd(nullptr), nullptr);
    CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, application->GetMDIClient(),
                    nullptr, nullptr, nullptr);
    EXPECT_EQ(application->GetFrontWindow(), nullptr) << "a child of another class is passed over";
    NewDocument();
    TWindow* front = application->GetFrontWindow();
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(ObjectFromHWnd(front->GetHWnd()), front);
    EXPECT_TRUE(front->IsFrontWindow());
}

TEST_F(ApplicationTest, TheFrameShowsTheArrowUnlessTheBusyCursorShows) {
    SetCursorById(kWaitCursor);
    EXPECT_TRUE(SendMessageA(Frame(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Frame()), HTCLIENT));
    EXPECT_EQ(environment.GetCurrentCursorId(), 0);
    // A busy cursor that does not hold itself against other cursors: the frame leaves it alone.
    DefineCursor(400, 7, 0, 12);
    PushCursor(400);
    ASSERT_TRUE(IsBusyCursorShowing());
    EXPECT_TRUE(SendMessageA(Frame(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Frame()), HTCLIENT));
    SendMessageA(Frame(), WM_MOUSEMOVE, 0, 0);
    EXPECT_TRUE(IsBusyCursorShowing()) << "the busy cursor stays";
    PopCursor();
    SetCursorById(kWaitCursor);
    SendMessageA(Frame(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(environment.GetCurrentCursorId(), 0);
}

TEST_F(ApplicationTest, AWindowObjectTakesItsWindowWithItWhateverItsMode) {
    class Dialog : public TWindow {
    public:
        explicit Dialog(TAppl* application) : TWindow(application, nullptr, kDialogMode, 0, "dialog") {}
        ErrCode PreparePrinter() override { return 0; }
    };
    auto* dialog = new Dialog(application);
    const HWND window = CreateWindowExA(0, "BUTTON", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, Frame(),
                                        nullptr, nullptr, nullptr);
    dialog->AttachWindow(window);
    delete dialog;
    EXPECT_FALSE(IsWindow(window)) << "a dialog is no child of the MDI client: it is destroyed itself";
    NewDocument();
    const HWND child = application->GetFrontWindow()->GetHWnd();
    delete application->GetFrontWindow();
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(ApplicationTest, TheWorkAreaIsTheDesktopLessTheEdgeTheTaskbarSitsOn) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    ShortRect area;
    GetDesktopWorkArea(area);
    EXPECT_EQ(area, ShortRect::FromRECT(desktop)) << "no taskbar";
    struct Case {
        RECT taskbar;
        ShortRect expected;
    };
    const int w = desktop.right;
    const int h = desktop.bottom;
    const Case cases[] = {
        {RECT{-2, h - 30, w + 2, h + 2}, ShortRect::MakeLTRB(0, 0, w, h - 31)},  // bottom
        {RECT{-2, -2, w + 2, 30}, ShortRect::MakeLTRB(0, 31, w, h)},             // top
        {RECT{w - 40, -2, w + 2, h + 2}, ShortRect::MakeLTRB(0, 0, w - 41, h)},  // right
        {RECT{-2, -2, 40, h + 2}, ShortRect::MakeLTRB(41, 0, w, h)},             // left
    };
    for (const Case& c : cases) {
        presenter.SetTaskbar(c.taskbar);
        GetDesktopWorkArea(area);
        EXPECT_EQ(area, c.expected) << c.taskbar.left << "," << c.taskbar.top;
    }
    presenter.SetTaskbar(std::nullopt);
}

TEST_F(ApplicationTest, TheDefaultPrinterNeedsDeviceDriverAndPort) {
    WriteProfileStringA("windows", "device", "PDF File,pdf,FILE:");
    const HDC printer = CreateDefaultPrinterDC();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(GetDeviceCaps(printer, TECHNOLOGY), DT_RASPRINTER);
    DeleteDC(printer);
    for (const char* entry : {"PDF File,pdf", "PDF File", ""}) {
        WriteProfileStringA("windows", "device", entry);
        EXPECT_EQ(CreateDefaultPrinterDC(), nullptr) << entry;
    }
}

TEST(FontSpec, AnItemFontTravelsAsNumberSizeAndStyleInFiveBytes) {
    win::LOGFONTA font;
    MakeLogFont(font, 3, 14, kStyleBold | kStyleItalic);
    ByteStream stream;
    ASSERT_EQ(WriteFontSpec(font, stream), kNoErr);
    EXPECT_EQ(stream.Bytes(), (std::vector<std::uint8_t>{0, 3, 0, 14, 3}));
    stream.Rewind();
    win::LOGFONTA read;
    MakeLogFont(read, 0, 12, 0);
    ASSERT_EQ(ReadFontSpec(read, stream), kNoErr);
    EXPECT_TRUE(LogFontsEqual(read, font));

    ByteStream cut({0, 3, 0});
    win::LOGFONTA kept = read;
    EXPECT_NE(ReadFontSpec(kept, cut), kNoErr);
    EXPECT_TRUE(LogFontsEqual(kept, read)) << "a short record leaves the font";
}

TEST_F(ApplicationTest, TheDefaultItemFontIsMadeOnceAndKeptByTheEnvironment) {
    const HFONT font = GetDefaultItemFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetDefaultItemFont(), font);
    EXPECT_EQ(environment.GetSharedObject(), font);
}

TEST_F(ApplicationTest, ABitmapStoredAsAPictureComesBackTheSame) {
    QRVBitmap drawn(40, 30, 0);
    const HDC dc = drawn.BeginDrawing();
    const RECT all{0, 0, 40, 30};
    const RECT part{10, 5, 30, 25};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &part, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    drawn.EndDrawing();

    // A store of the test's own, over the data file, takes the picture.
    PFMFile* store = PFMOpenFile(nullptr);
    ASSERT_NE(store, nullptr);
    const ShortRect right = ShortRect::MakeLTRB(20, 0, 40, 30);
    ASSERT_EQ(StorePictureBitmap(FourCCOf("BITM"), 900, &right, drawn), kNoErr);
    QRVBitmap read;
    ShortRect bounds;
    LoadPictureBitmap(FourCCOf("BITM"), 900, &bounds, read, false);
    EXPECT_EQ(read.Width(), 20);
    EXPECT_EQ(read.Height(), 30);
    EXPECT_EQ(bounds.Width(), 20);
    const HDC readDc = read.BeginDrawing();
    EXPECT_EQ(GetPixel(readDc, 5, 10), RGB(0, 0, 0)) << "the stored part starts at x 20";
    EXPECT_EQ(GetPixel(readDc, 15, 10), RGB(255, 255, 255));
    read.EndDrawing();

    QRVBitmap untouched;
    LoadPictureBitmap(FourCCOf("BITM"), 901, nullptr, untouched, false);
    EXPECT_EQ(untouched.Width(), 1) << "a missing picture leaves the bitmap";
    LoadPictureBitmap(FourCCOf("BITM"), 900, nullptr, untouched, true);
    EXPECT_EQ(untouched.Width(), 1) << "nor is it in the data file";
    PFMCloseFile(store);
}

TEST_F(ApplicationTest, TheWalkOverWindowObjectsGoesFrontToBackPassingOverWhatTheTestSkips) {
    EXPECT_EQ(FindWindowObject(nullptr), nullptr);
    TestDoc* first = NewDocument();
    TestDoc* second = NewDocument();
    TWindow* back = first->GetWindow(0);
    TWindow* front = second->GetWindow(0);
    ASSERT_EQ(application->GetFrontWindow(), front);
    EXPECT_EQ(FindWindowObject(nullptr), front);
    EXPECT_EQ(FindWindowObject([front](TWindow& w) { return &w == front; }), back);
    EXPECT_EQ(FindWindowObject([](TWindow&) { return true; }), nullptr);
    EXPECT_EQ(NextSibling(back->GetHWnd()), nullptr) << "the last child";
    ShowWindow(back->GetHWnd(), SW_HIDE);
    EXPECT_EQ(NextVisibleSibling(front->GetHWnd()), nullptr);
    EXPECT_FALSE(IsPaletteWindow(front->GetHWnd()));
}

TEST_F(ApplicationTest, PointsMapBetweenAWindowAndTheMdiClient) {
    TWindow* window = NewDocument()->GetWindow(0);
    const ShortPoint inClient = WindowToMDIClientPoint(window->GetHWnd(), ShortPoint{0, 0});
    const ShortRect frame = window->GetFrameRect();
    EXPECT_GT(inClient.x, frame.left);
    EXPECT_LT(inClient.x, frame.left + 10);
    EXPECT_EQ(MDIClientToWindowPoint(window->GetHWnd(), inClient), (ShortPoint{0, 0}));
}

// The MDI client's pixels, row by row.
std::vector<COLORREF> ClientPixels(const HeadlessPresenter& presenter, HWND client) {
    RECT area;
    GetClientRect(client, &area);
    POINT origin{0, 0};
    ClientToScreen(client, &origin);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < area.bottom; ++y) {
        for (int x = 0; x < area.right; ++x) pixels.push_back(presenter.PixelAt(origin.x + x, origin.y + y));
    }
    return pixels;
}

TEST_F(ApplicationTest, ZoomingRectanglesComeAndGoLeavingTheClientAsItWas) {
    TWindow* window = NewDocument()->GetWindow(0);
    presenter.DispatchPending();
    const HWND client = application->GetMDIClient();
    const std::vector<COLORREF> before = ClientPixels(presenter, client);
    const ShortRect small = ShortRect::MakeLTRB(0, 0, 10, 10);
    const ShortPoint corner = WindowToMDIClientPoint(window->GetHWnd(), ShortPoint{0, 0});

    // From the window's corner to a rectangle 60 pixels further on: 20 steps, each outline kept for
    // 6 more, a pause every 6th step.
    DWORD start = GetTickCount();
    ZoomRect(window->GetHWnd(), small,
             ShortRect::MakeLTRB(corner.x + 60, corner.y + 60, corner.x + 160, corner.y + 100));
    EXPECT_EQ(GetTickCount() - start, 4u * 55u);
    EXPECT_EQ(ClientPixels(presenter, client), before);

    // Towards the top left, every side moving back 30 pixels: the trail runs all the same.
    start = GetTickCount();
    ZoomRect(window->GetHWnd(), ShortRect::MakeLTRB(40, 40, 60, 60),
             ShortRect::MakeLTRB(corner.x + 10, corner.y + 10, corner.x + 30, corner.y + 30));
    EXPECT_EQ(GetTickCount() - start, 4u * 55u);
    EXPECT_EQ(ClientPixels(presenter, client), before);

    // Where no side moves there is nothing to show.
    start = GetTickCount();
    ZoomRect(window->GetHWnd(), small, ShortRect::MakeLTRB(corner.x, corner.y, corner.x + 10, corner.y + 10));
    EXPECT_LT(GetTickCount() - start, 55u);
    EXPECT_EQ(ClientPixels(presenter, client), before);
}

}  // namespace
}  // namespace apptest
