// What the story windows and the frame show in the running program: a maximised Story Points window
// shows its scroll bars at once, every story point's name shows whole in its column, the comments
// keep their text clear of the window's left edge, and a frame too narrow for its menu bar wraps the
// bar onto a second row, the windows below it.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "app/FKDoc.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"
#include "storywindows/CommentWindow.h"
#include "storywindows/SPWindow.h"
#include "storywindows/StoryPointList.h"
#include "widgets/TableColumns.h"

namespace apptest {
namespace {

// The windows of a class under the window, at any depth.
std::vector<HWND> Descendants(HWND window, const std::string& className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = "";
        GetClassNameA(child, name, sizeof name);
        if (className == name) found.push_back(child);
        for (HWND deeper : Descendants(child, className)) found.push_back(deeper);
    }
    return found;
}

// A pixel of the screen in a window's client coordinates.
COLORREF ClientPixel(HeadlessPresenter& presenter, HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return presenter.PixelAt(at.x, at.y);
}

class WindowsShownWhole : public ProgramTest {
protected:
    // The program started on a new story; the steps played, then the program closed.
    void RunWith(std::vector<std::function<void()>> steps) {
        InstallBuiltDataFiles();
        Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
        Then([&] { story = static_cast<FKDoc*>(GetAppl()->GetDocument(0)); });
        for (std::function<void()>& step : steps) Then(std::move(step));
        Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
        EXPECT_EQ(RunProgram(), 0);
    }
    FKDoc* story = nullptr;
};

TEST_F(WindowsShownWhole, AMaximisedStoryPointsWindowShowsItsScrollBarsAtOnce) {
    std::vector<HWND> bars;
    std::vector<std::unique_ptr<Surface>> shown;
    RunWith({[&] { Shortcut(presenter, 'Y'); },
             [&] {
                 ASSERT_NE(story->GetSPWindow(), nullptr);
                 SendMessageA(GetAppl()->GetMDIClient(), WM_MDIMAXIMIZE,
                              reinterpret_cast<WPARAM>(story->GetSPWindow()->GetHWnd()), 0);
             },
             [&] {
                 bars = Descendants(story->GetSPWindow()->GetHWnd(), "SCROLLBAR");
                 ASSERT_EQ(bars.size(), 2u);
                 // What the bars draw when they are asked to draw themselves again.
                 for (HWND bar : bars) {
                     shown.push_back(WindowPicture(bar));
                     InvalidateRect(bar, nullptr, TRUE);
                 }
             },
             [&] {
                 for (std::size_t i = 0; i < bars.size(); ++i)
                     EXPECT_EQ(gditest::DifferingPixels(*WindowPicture(bars[i]), *shown[i]), 0) << "bar " << i;
             }});
}

// The names in both vocabularies, measured here in the column's font: the column leaves the cell's
// padding (4 pixels a side) around the longest.
TEST_F(WindowsShownWhole, EveryStoryPointsNameShowsWholeInItsColumn) {
    RunWith({[&] { Shortcut(presenter, 'Y'); },
             [&] {
                 auto* window = static_cast<SPWindow*>(story->GetSPWindow());
                 ASSERT_NE(window, nullptr);
                 const int column = window->GetTable()->GetColumns().GetWidth(0);
                 HDC dc = CreateMeasuringDC();
                 HFONT font = CreateFontIndirectA(&window->GetFonts()[0]);
                 SelectObject(dc, font);
                 for (const StoryPointLine& line : ListStoryPoints(*story)) {
                     if (line.index < 0) continue;
                     SIZE size{};
                     GetTextExtentPoint32A(dc, line.name.c_str(), static_cast<int>(line.name.size()), &size);
                     EXPECT_LE(size.cx + 8, column) << line.name;
                 }
                 DeleteDC(dc);
                 DeleteObject(font);
             }});
}

TEST_F(WindowsShownWhole, TheCommentsKeepTheirTextClearOfTheWindowsLeftEdge) {
    RunWith({[&] { Shortcut(presenter, '4'); },
             [&] { presenter.TypeText("WWW"); },
             [&] {
                 const HWND window = story->GetCommentWindow()->GetHWnd();
                 const COLORREF paper = ClientPixel(presenter, window, 0, 0);
                 bool inked = false;
                 for (int y = 0; y < 20; ++y) {
                     for (int x = 0; x < 16; ++x) {
                         const bool ink = ClientPixel(presenter, window, x, y) != paper;
                         if (x < CommentWindow::kTextMargin) {
                             EXPECT_FALSE(ink) << x << ", " << y;
                         }
                         inked = inked || ink;
                     }
                 }
                 EXPECT_TRUE(inked) << "the first letter shows near the left edge";
                 // Closed without the question whether to save the notes.
                 story->SetClean();
             }});
}

TEST_F(WindowsShownWhole, AMenuBarTooWideForTheFrameWrapsOntoASecondRow) {
    RunWith({[&] { SetScreenSize(SIZE{300, 400}); },
             [&] {
                 // The windows begin below both rows.
                 POINT clientTop{0, 0};
                 ClientToScreen(GetAppl()->GetMDIClient(), &clientTop);
                 EXPECT_EQ(clientTop.y, 2 * GetSystemMetrics(SM_CYMENU));
                 RECT bar{0, 0, 300, 2 * GetSystemMetrics(SM_CYMENU)};
                 auto picture = std::make_unique<Surface>(bar.right, bar.bottom);
                 for (int y = 0; y < bar.bottom; ++y) {
                     for (int x = 0; x < bar.right; ++x) picture->SetPixel(x, y, presenter.PixelAt(x, y));
                 }
                 gditest::ExpectMatchesReference(*picture,
                                                 std::filesystem::path(APP_TEST_DATA) / "menu-bar-wrapped.png");
             }});
}

}  // namespace
}  // namespace apptest
