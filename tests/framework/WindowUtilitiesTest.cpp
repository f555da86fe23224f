// Window helpers: the cascade of default places, palettes hidden and shown together, the window
// objects behind handles, and the frame's cursor.

#include "framework/WindowUtilities.h"

#include "ApplicationFixture.h"
#include "framework/graphics/CursorManager.h"
#include "framework/graphics/Cursors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SystemMetrics.h"

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

}  // namespace
}  // namespace apptest
