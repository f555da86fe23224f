// The story's front end: the grid its cells make in areas of several widths, the window snapping to
// whole cells and never smaller than one, its title, the entries chosen only by a click pressed and
// released on the same one (with the pressed look kept a moment), and its picture on the screen.

#include <gmock/gmock.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>

#include "FrontEndPoints.h"
#include "StoryAppFixture.h"
#include "app/PreferencesManager.h"
#include "framework/InputHelpers.h"
#include "framework/TCommand.h"
#include "framework/WindowUtilities.h"
#include "items/ItemList.h"
#include "items/ScrollBar.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/FillClient.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Window.h"

namespace apptest {
namespace {

// The story front end's entries, noting which are chosen.
class NotingView : public FrontEndView {
public:
    NotingView(ItemList* list, const ShortRect& bounds)
        : FrontEndView(nullptr, kStoryFrontEnd, list, kHorzScrollBar | kVertScrollBar, &bounds, kFollowsWindowSize,
                       RGBColor(0)) {}
    void EntryChosen(std::int32_t index) override { chosen.push_back(index); }
    std::vector<std::int32_t> chosen;
};

class PanelWindow : public TWindow {
public:
    explicit PanelWindow(TAppl* application) : TWindow(application, &kPlace, nullptr, kChildMode, 0, "panel") {
        auto* list = new ItemList(this);
        view = new NotingView(list, GetClientRect());
        list->Append(view);
        SetItemList(list);
        SetUpItems();
        Show();
    }
    static constexpr ShortRect kPlace{0, 0, 500, 780};
    NotingView* view = nullptr;
};

class FrontEnd : public StoryAppTest {
protected:
    // Steps given one at a time while the panel tracks the mouse.
    void Script(std::vector<std::function<void()>> steps) {
        script_.assign(steps.begin(), steps.end());
        presenter.SetIdleHandler([this] {
            if (script_.empty() || !GetCapture()) return false;
            const std::function<void()> step = script_.front();
            script_.pop_front();
            step();
            return true;
        });
    }
    void TearDown() override {
        presenter.SetIdleHandler(nullptr);
        StoryAppTest::TearDown();
    }

private:
    std::deque<std::function<void()>> script_;
};

TEST_F(FrontEnd, TheColumnsAreThoseThatFitAndDivideTheEntries) {
    FEWindow* window = NewStory()->GetFrontEndWindow();
    FrontEndView& view = *window->GetView();
    ASSERT_EQ(view.GetEntryCount(), 12);
    const int cell = view.GetCellWidth();
    const int high = view.GetCellHeight();
    EXPECT_EQ(cell, 216) << "the cell picture and its margins";
    view.GetGrid(cell * 9 / 2, high);
    EXPECT_EQ(view.GetColumns(), 4);
    EXPECT_EQ(view.GetRowsNeeded(), 3);
    view.GetGrid(cell * 5, high);
    EXPECT_EQ(view.GetColumns(), 4) << "5 does not divide 12";
    view.GetGrid(cell * 7, high);
    EXPECT_EQ(view.GetColumns(), 6);
    EXPECT_EQ(view.GetRowsNeeded(), 2);
    view.GetGrid(cell * 2 + cell * 2 / 3, high);
    EXPECT_EQ(view.GetColumns(), 3) << "more than half a cell left, and the frame holds one more";
    view.GetGrid(cell / 3, high);
    EXPECT_EQ(view.GetColumns(), 1);
    EXPECT_EQ(view.GetRowsNeeded(), 12);
}

TEST_F(FrontEnd, TheEntriesShowTheEntryCursorAndTheirMarginsDoNot) {
    auto* window = new PanelWindow(application);
    Run();
    NotingView& view = *window->view;
    ASSERT_TRUE(view.IsLaidOut());
    // A point of the entry's cell, in the screen's coordinates.
    const auto onCell = [&](std::int32_t index, int dx, int dy) {
        const FrontEndView::Layout& layout = view.GetLayout(index);
        ShortPoint point;
        view.DocPointToView(LongPoint{layout.inner.left + dx, layout.inner.top + dy}, point);
        POINT screen{point.x, point.y};
        ClientToScreen(view.GetParentHWnd(), &screen);
        return screen;
    };
    for (std::int32_t index : {0, 1, 2}) {
        presenter.MoveMouse(onCell(index, 20, 20));
        Run();
        EXPECT_TRUE(view.ApplyCursor()) << "on entry " << index;
        EXPECT_EQ(view.GetCurrentCursor(), FrontEndView::kEntryCursor) << "on entry " << index;
        presenter.MoveMouse(onCell(index, -1, 20));
        Run();
        EXPECT_FALSE(view.ApplyCursor()) << "left of entry " << index;
        EXPECT_NE(view.GetCurrentCursor(), FrontEndView::kEntryCursor) << "left of entry " << index;
    }
    delete window;
}

TEST_F(FrontEnd, TheWindowSnapsToWholeCellsAndKeepsOneAtLeast) {
    FEWindow* window = NewStory()->GetFrontEndWindow();
    FrontEndView& view = *window->GetView();
    const auto [left, top, right, bottom] = window->GetFrameMargins();
    const ShortPoint bars = GetScrollBarSizes();
    const int cell = view.GetCellWidth();
    const int high = view.GetCellHeight();

    WindowPosRecord record(WindowPosRecord::kNormal, 0, 0, 2 * cell + cell / 4 + left + right,
                           high + high / 3 + top + bottom);
    window->ConstrainWindowPos(record);
    EXPECT_EQ(record.width, 2 * cell + bars.x + left + right);
    EXPECT_EQ(record.height, high + bars.y + top + bottom);

    WindowPosRecord tiny(WindowPosRecord::kNormal, 0, 0, 10, 10);
    window->ConstrainWindowPos(tiny);
    EXPECT_EQ(tiny.width, cell + bars.x + left + right);
    EXPECT_EQ(tiny.height, high + bars.y + top + bottom);
    const ShortPoint minimum = window->GetMinTrackSize();
    EXPECT_EQ(minimum.x, cell + bars.x);
    EXPECT_EQ(view.GetMinSize().y, high + bars.y);

    // The window itself follows.
    window->MoveTo(ShortRect::MakeLTRB(0, 0, 2 * cell + cell / 4 + left + right, high * 2 + 5 + top + bottom));
    Run();
    EXPECT_EQ(window->GetClientRect().Width(), 2 * cell + bars.x);
    EXPECT_EQ(window->GetClientRect().Height(), 2 * high + bars.y);
    EXPECT_GT(view.VertScrollMaximum(), 0) << "rows below the window are scrolled to";
}

TEST_F(FrontEnd, TiledItScrollsToTheRowsItHidesByItsBarAndTheWheel) {
    FEWindow* window = NewStory()->GetFrontEndWindow();
    FrontEndView& view = *window->GetView();
    Run();
    ScrollBar* bar = view.GetVertScrollBar();
    ASSERT_NE(bar, nullptr) << "the rows scroll";
    ASSERT_NE(view.GetHorzScrollBar(), nullptr);
    EXPECT_FALSE(view.GetHorzScrollBar()->IsEnabled()) << "the columns always fit";
    EXPECT_EQ(view.GetVertScrollMax(), 0) << "every row in sight";

    // Tiled with another window, it shows fewer rows than it has.
    auto* other = new PanelWindow(application);
    application->HandleCommand(kCmdTile);
    Run();
    ShortRect content;
    view.GetContentRect(content);
    ASSERT_LT(content.Height() / view.GetCellHeight(), view.GetRowsNeeded() - 1);
    EXPECT_TRUE(bar->IsEnabled());
    EXPECT_GT(view.GetVertScrollMax(), 0);

    // The wheel over it brings the last row, and with it Brainstorming, into sight.
    const std::int32_t last = view.GetEntryCount() - 1;
    ShortRect cell;
    ASSERT_FALSE(view.DocRectToView(view.GetLayout(last).inner, cell) && cell.Intersect(content));
    InjectMouseWheel(-WHEEL_DELTA, OnFrontEndButton(view, 0));
    Run();
    EXPECT_EQ(view.GetVertScrollValue(), view.GetVertScrollMax());
    view.GetContentRect(content);
    EXPECT_TRUE(view.DocRectToView(view.GetLayout(last).inner, cell) && cell.Intersect(content));
    delete other;
}

TEST_F(FrontEnd, OnlyAClickPressedAndReleasedOnOneEntryChoosesIt) {
    auto* window = new PanelWindow(application);
    Run();
    NotingView& view = *window->view;
    ASSERT_TRUE(view.IsLaidOut());
    const POINT first = OnFrontEndButton(view, 0);
    const POINT second = OnFrontEndButton(view, 1);

    presenter.MoveMouse(first);
    Script({[&] { presenter.MoveMouse(second); }, [&] { presenter.ButtonUp(); }});
    presenter.ButtonDown();
    Run();
    EXPECT_TRUE(view.chosen.empty()) << "pressed on one, released on another";

    presenter.MoveMouse(first);
    Script({[&] { presenter.MoveMouse(second); }, [&] { presenter.MoveMouse(first); },
            [&] { presenter.ButtonUp(); }});
    presenter.ButtonDown();
    Run();
    EXPECT_THAT(view.chosen, testing::ElementsAre(0)) << "back on the entry before the release";

    const std::uint64_t before = TickCount();
    presenter.Click(second);
    Run();
    EXPECT_THAT(view.chosen, testing::ElementsAre(0, 1));
    EXPECT_GE(TickCount() - before, FrontEndView::kPressedTicks) << "a quick click still shows pressed";

    ShortPoint corner;
    view.DocPointToView(LongPoint{view.GetLayout(2).inner.left, view.GetLayout(2).inner.top}, corner);
    EXPECT_EQ(view.HitTest(LongPoint{view.GetLayout(2).inner.left, view.GetLayout(2).inner.top}), 2);
    EXPECT_EQ(view.HitTest(LongPoint{-5, -5}), -1);
    delete window;
}

// While the button is held, the entry is drawn pressed on it, as it was off it, pressed again back
// on it; released there, its command runs (Open Story asks for a story).
TEST_F(FrontEnd, ThePressedLookFollowsTheMouseOffTheEntryAndBackOnIt) {
    FrontEndView& view = *NewStory()->GetFrontEndWindow()->GetView();
    Run();
    ShortRect button;
    view.DocRectToView(view.GetLayout(2).button, button);
    POINT corner{button.left, button.top};
    ClientToScreen(view.GetParentHWnd(), &corner);
    const Surface& screen = GetScreenSurface();
    const auto drawn = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < button.Height(); ++y)
            for (int x = 0; x < button.Width(); ++x) pixels.push_back(screen.GetPixel(corner.x + x, corner.y + y));
        return pixels;
    };
    const POINT on = OnFrontEndButton(view, 2);
    ShortPoint margin;
    view.DocPointToView(LongPoint{view.GetLayout(2).inner.left - 1, view.GetLayout(2).inner.top + 20}, margin);
    POINT off{margin.x, margin.y};
    ClientToScreen(view.GetParentHWnd(), &off);
    presenter.MoveMouse(off);
    Run();
    const std::vector<COLORREF> raised = drawn();
    std::vector<COLORREF> pressed, movedOff, movedBack;
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{FALSE, {}});
    presenter.MoveMouse(on);
    Script({[&] { pressed = drawn(); presenter.MoveMouse(off); },
            [&] { movedOff = drawn(); presenter.MoveMouse(on); },
            [&] { movedBack = drawn(); presenter.ButtonUp(); }});
    presenter.ButtonDown();
    Run();
    EXPECT_NE(pressed, raised) << "drawn pressed";
    EXPECT_TRUE(movedOff == raised) << "off the entry, drawn as before the press";
    EXPECT_TRUE(movedBack == pressed) << "back on it, drawn pressed again";
    ASSERT_FALSE(presenter.PromptsAsked().empty());
    EXPECT_EQ(presenter.PromptsAsked().back().kind, "OpenFile");
    EXPECT_TRUE(drawn() == raised) << "released";
}

TEST_F(FrontEnd, OpenStoryAsksForAStoryAndTheOtherEntriesHarmNothing) {
    FKDoc* story = NewStory();
    FrontEndView& view = *story->GetFrontEndWindow()->GetView();
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{FALSE, {}});
    presenter.Click(OnFrontEndButton(view, 2));
    Run();
    ASSERT_EQ(presenter.PromptsAsked().back().kind, "OpenFile");
    EXPECT_EQ(presenter.PromptsAsked().back().caption, "Open Fablecore Story File");
    for (std::int32_t index : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}) view.EntryChosen(index);
    Run();
    EXPECT_EQ(application->GetDocumentCount(), 1);
    EXPECT_EQ(story->GetWindowCount(), 1);

    // Chosen, the story opens in place of every open one, though the preferences let File > Open
    // keep several stories open; the guide says so.
    PreferencesManager::SetPrefShort(application->GetPreferencesManager()->GetGeneralRecord(), "MultiStories", 1);
    ASSERT_NE(NewStory(), nullptr);
    ASSERT_EQ(application->GetDocumentCount(), 2);
    std::filesystem::copy_file(builtFolder + "/examples/Rumpelstiltskin.fsf", Path("chosen.fsf"));
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, Path("chosen.fsf")});
    presenter.Click(OnFrontEndButton(view, 2));
    Run();
    EXPECT_EQ(application->GetDocumentCount(), 1);
    std::ifstream guide(builtFolder + "/Fablecore.html");
    std::string words, word;
    while (guide >> word) words += word + ' ';
    const std::size_t row = words.find("<td>Open Story</td>");
    ASSERT_NE(row, std::string::npos);
    EXPECT_NE(words.substr(row, words.find("</tr>", row) - row)
                  .find("every open story is closed first, whether or not the preferences"),
              std::string::npos);
}

// The guide calls new stories by the names the program gives them.
TEST_F(FrontEnd, TheGuideCallsNewStoriesByTheNamesTheyAreGiven) {
    std::ifstream guide(builtFolder + "/Fablecore.html");
    const std::string text((std::istreambuf_iterator<char>(guide)), std::istreambuf_iterator<char>());
    for (int i = 0; i < 2; ++i) {
        const FKDoc* story = NewStory();
        ASSERT_NE(story, nullptr);
        EXPECT_NE(text.find("<em>" + story->GetFileName() + "</em>"), std::string::npos) << story->GetFileName();
    }
}

// Painted again over other pixels, the window shows none of them: the cells' pictures cover what
// the erase leaves, and the erase the rest.
TEST_F(FrontEnd, PaintingItAgainLeavesNothingOfWhatWasThereBefore) {
    const COLORREF green = RGB(0, 255, 0);
    const Surface& screen = GetScreenSurface();
    const auto greenLeft = [&](HWND handle) {
        const RECT client = uitest::FillClient(handle, green);
        POINT origin{0, 0};
        ClientToScreen(handle, &origin);
        EXPECT_EQ(screen.GetPixel(origin.x + client.right / 2, origin.y + client.bottom / 2), green);
        InvalidateRect(handle, nullptr, TRUE);
        Run();
        int left = 0;
        for (int y = origin.y; y < origin.y + client.bottom; ++y) {
            for (int x = origin.x; x < origin.x + client.right; ++x) left += screen.GetPixel(x, y) == green;
        }
        return left;
    };
    FEWindow* frontEnd = NewStory()->GetFrontEndWindow();
    Run();
    EXPECT_EQ(greenLeft(frontEnd->GetHWnd()), 0);
}

TEST_F(FrontEnd, ItsWindowLeavesThePanelsPartToThePanelWhichPaintsItAll) {
    FEWindow* frontEnd = NewStory()->GetFrontEndWindow();
    Run();
    const HWND handle = frontEnd->GetHWnd();
    const COLORREF green = RGB(0, 255, 0);
    const RECT client = uitest::FillClient(handle, green);
    InvalidateRect(handle, nullptr, TRUE);

    const FrontEndView* panel = frontEnd->GetView();
    ASSERT_NE(panel, nullptr);
    Rgn repainted;
    panel->GetRepaintedArea(repainted);
    const ShortRect bounds = panel->Bounds();
    EXPECT_TRUE(repainted.IntersectsRect(bounds)) << "the panel will paint its bounds";
    Rgn outside(bounds);
    outside.Subtract(repainted);
    EXPECT_TRUE(outside.IsEmpty()) << "all of them";

    const Surface& screen = GetScreenSurface();
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(handle, &middle);
    SendMessageA(handle, WM_PAINT, 0, 0);
    EXPECT_EQ(screen.GetPixel(middle.x, middle.y), green) << "the window alone erased nothing under the panel";
    Run();
    EXPECT_NE(screen.GetPixel(middle.x, middle.y), green);

    ShowWindow(panel->GetHWnd(), SW_HIDE);
    panel->GetRepaintedArea(repainted);
    EXPECT_TRUE(repainted.IsEmpty()) << "a hidden panel paints nothing";
}

TEST_F(FrontEnd, TheFrontEndOnTheScreen) {
    NewStory();
    Run();
    const Surface& screen = GetScreenSurface();
    const std::filesystem::path reference = std::filesystem::path(APP_TEST_DATA) / "front-end.png";
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(screen.WritePng(reference.string()));
        return;
    }
    const std::unique_ptr<Surface> expected = Surface::ReadPng(reference.string());
    ASSERT_NE(expected, nullptr) << reference;
    ASSERT_EQ(expected->Width(), screen.Width());
    EXPECT_LE(gditest::DifferingPixels(screen, *expected), screen.Width() * screen.Height() / 500);
}

}  // namespace
}  // namespace apptest
