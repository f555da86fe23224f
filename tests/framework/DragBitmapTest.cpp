// The bitmap drag: the image over an intact window wherever the mouse takes it, moved a little or a
// long way, clamped where asked, the owner told of the moves, and the window as it was at the end.

#include "framework/DragBitmap.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Surface.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

constexpr int kLeft = 40;
constexpr int kTop = 30;
constexpr int kBitmapWidth = 160;
constexpr int kBitmapHeight = 120;

// A picture in which every pixel differs from its neighbours, so that a strip out of place shows.
win::COLORREF Background(int x, int y) {
    return win::RGB((x * 7) % 256, (y * 5) % 256, ((x + 2 * y) * 3) % 256);
}
win::COLORREF ImagePixel(int x, int y) { return win::RGB(255, 20 + x * 9, 40 + y * 15); }

win::LRESULT PatternProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    if (message == win::WM_PAINT) {
        win::PAINTSTRUCT paint;
        const win::HDC dc = win::BeginPaint(window, &paint);
        for (int y = 0; y < kBitmapHeight; ++y) {
            for (int x = 0; x < kBitmapWidth; ++x) win::SetPixel(dc, x, y, Background(x, y));
        }
        win::EndPaint(window, &paint);
        return 0;
    }
    if (message == win::WM_ERASEBKGND) return 1;
    return win::DefWindowProcA(window, message, wParam, lParam);
}

// Notes what the drag tells it, and asks for a whole move at one point.
class Tracker : public IBitmapDragTracker {
public:
    std::int16_t WillMoveTo(ShortPoint point) override {
        asked.push_back(point);
        return point == changesAt ? 1 : 0;
    }
    void MovingTo(ShortPoint point) override { moving.push_back(point); }

    ShortPoint changesAt{-1, -1};
    std::vector<ShortPoint> asked;
    std::vector<ShortPoint> moving;
};

class DragBitmapTest : public ::testing::Test {
protected:
    DragBitmapTest() : image_(20, 12, 0) {
        static const bool registered = [] {
            win::WNDCLASSA pattern{};
            pattern.lpfnWndProc = PatternProc;
            pattern.lpszClassName = "PatternHost";
            return win::RegisterClassA(&pattern) != 0;
        }();
        EXPECT_TRUE(registered);
        window_ = win::CreateWindowExA(0, "PatternHost", "", win::WS_POPUP | win::WS_VISIBLE, kLeft, kTop,
                                       kBitmapWidth, kBitmapHeight, nullptr, nullptr, nullptr, nullptr);
        win::UpdateWindow(window_);
        const win::HDC dc = image_.BeginDrawing();
        for (int y = 0; y < image_.Height(); ++y) {
            for (int x = 0; x < image_.Width(); ++x) win::SetPixel(dc, x, y, ImagePixel(x, y));
        }
        image_.EndDrawing();
    }
    ~DragBitmapTest() override { win::DestroyWindow(window_); }

    // Whether the window shows its picture with the image (its part from the corner given) at the
    // place, or without it.
    static bool Shows(const ShortRect* image, ShortPoint from = {}) {
        const win::Surface& screen = win::GetScreenSurface();
        for (int y = 0; y < kBitmapHeight; ++y) {
            for (int x = 0; x < kBitmapWidth; ++x) {
                const bool inImage = image && image->Contains(ShortPoint{static_cast<std::int16_t>(x),
                                                                         static_cast<std::int16_t>(y)});
                const win::COLORREF wanted =
                    inImage ? ImagePixel(x - image->left + from.x, y - image->top + from.y)
                            : Background(x, y);
                if (screen.GetPixel(kLeft + x, kTop + y) != wanted) {
                    ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex
                                  << screen.GetPixel(kLeft + x, kTop + y) << " not " << wanted;
                    return false;
                }
            }
        }
        return true;
    }
    static ShortRect Place(ShortPoint corner, int width = 20, int height = 12) {
        return ShortRect::MakeLTRB(corner.x, corner.y, corner.x + width, corner.y + height);
    }

    // Presses at the start and moves through the points, one at a time once the drag has taken
    // the last (the tracker hears of each), checking before each that the window shows the image
    // with its corner where expected (the start's, then the corner given for each point); then
    // lets go at the last point.
    ShortPoint Drag(ShortPoint start, const std::vector<ShortPoint>& points,
                    const std::vector<ShortPoint>& corners, Tracker& tracker, const ShortRect* part = nullptr,
                    bool saveFirst = true) {
        const int width = part ? part->Width() : image_.Width();
        const int height = part ? part->Height() : image_.Height();
        const ShortPoint from = part ? ShortPoint{part->left, part->top} : ShortPoint{};
        const ShortPoint offset{-5, -3};
        std::size_t injected = 0;
        bool released = false;
        int waits = 0;
        presenter_.SetIdleHandler([&] {
            if (released) return false;
            if (tracker.asked.size() < injected && ++waits < 100) return true;
            const ShortPoint corner = injected == 0
                                          ? ShortPoint{static_cast<std::int16_t>(start.x + offset.x),
                                                       static_cast<std::int16_t>(start.y + offset.y)}
                                          : corners[injected - 1];
            const ShortRect there = Place(corner, width, height);
            // Without saving first, the start's place is left blank as soon as the image leaves it.
            if (saveFirst) {
                EXPECT_TRUE(Shows(&there, from)) << "after move " << injected;
            }
            if (injected < points.size()) {
                win::InjectMouseMove(Screen(points[injected++]));
            } else {
                win::InjectMouseButton(win::MouseButton::Left, false, Screen(points.back()));
                released = true;
            }
            return true;
        });
        win::InjectMouseButton(win::MouseButton::Left, true, Screen(start));
        win::MSG press;
        win::PeekMessageA(&press, window_, win::WM_LBUTTONDOWN, win::WM_LBUTTONDOWN, win::PM_REMOVE);
        ShortPoint end{-1, -1};
        DragBitmapImage(end, window_, image_, start, ShortRect::MakeLTRB(0, 0, 140, 108),
                        ShortRect::MakeLTRB(0, 0, kBitmapWidth, kBitmapHeight), &offset, &tracker, part,
                        saveFirst);
        presenter_.SetIdleHandler(nullptr);
        EXPECT_TRUE(released);
        EXPECT_LT(waits, 100) << "the drag took every move";
        return end;
    }
    static win::POINT Screen(ShortPoint point) { return win::POINT{kLeft + point.x, kTop + point.y}; }

    win::HeadlessPresenter presenter_{win::SIZE{640, 480}};
    win::HWND window_ = nullptr;
    QRVBitmap image_;
};

TEST_F(DragBitmapTest, TheImageMovesOverAnIntactWindowAndLeavesItAsItWas) {
    Tracker tracker;
    tracker.changesAt = ShortPoint{77, 33};
    const ShortPoint end =
        Drag(ShortPoint{50, 40},
             {
                 ShortPoint{53, 41},    // a little right and down: shifted
                 ShortPoint{50, 41},    // back left
                 ShortPoint{50, 29},    // up by the image's height
                 ShortPoint{62, 22},    // up and right at once
                 ShortPoint{90, 22},    // further than the image is wide: drawn again whole
                 ShortPoint{77, 33},    // the owner's picture changes there: whole again
                 ShortPoint{150, 100},  // beyond the clamp: held at its edge
             },
             {ShortPoint{48, 38}, ShortPoint{45, 38}, ShortPoint{45, 26}, ShortPoint{57, 19},
              ShortPoint{85, 19}, ShortPoint{72, 30}, ShortPoint{139, 97}},
             tracker);
    EXPECT_TRUE(Shows(nullptr)) << "the image is gone at the end";
    EXPECT_EQ(end, (ShortPoint{144, 100})) << "the clamped point, without the offset";
    EXPECT_EQ(tracker.asked.size(), 7u);
    EXPECT_EQ(tracker.asked.front(), (ShortPoint{53, 41}));
    // The long move, the owner's, and the clamped jump are whole moves, each told twice.
    EXPECT_EQ(tracker.moving,
              (std::vector<ShortPoint>{ShortPoint{90, 22}, ShortPoint{90, 22}, ShortPoint{77, 33},
                                       ShortPoint{77, 33}, ShortPoint{144, 100}, ShortPoint{144, 100}}));
}

TEST_F(DragBitmapTest, APartOfTheImageMovesAsTheImageDoes) {
    Tracker tracker;
    const ShortRect part = ShortRect::MakeLTRB(4, 2, 14, 10);
    const ShortPoint end =
        Drag(ShortPoint{60, 60}, {ShortPoint{64, 57}, ShortPoint{58, 62}, ShortPoint{90, 20}},
             {ShortPoint{59, 54}, ShortPoint{53, 59}, ShortPoint{85, 17}}, tracker, &part);
    EXPECT_TRUE(Shows(nullptr));
    EXPECT_EQ(end, (ShortPoint{90, 20}));
    EXPECT_EQ(tracker.moving.size(), 2u) << "a part 10 wide moved 32 pixels is drawn again whole";
}

TEST_F(DragBitmapTest, WithoutTheButtonDownNothingIsDrawnAndTheStartIsTheEnd) {
    ShortPoint end{-1, -1};
    DragBitmapImage(end, window_, image_, ShortPoint{30, 30}, ShortRect::MakeLTRB(0, 0, 140, 108),
                    ShortRect::MakeLTRB(0, 0, kBitmapWidth, kBitmapHeight), nullptr, nullptr, nullptr, true);
    EXPECT_EQ(end, (ShortPoint{30, 30}));
    EXPECT_TRUE(Shows(nullptr));
}

TEST_F(DragBitmapTest, WithoutSavingFirstTheStartIsLeftBlank) {
    Tracker tracker;
    Drag(ShortPoint{50, 40}, {ShortPoint{80, 70}}, {ShortPoint{75, 67}}, tracker, nullptr, false);
    const win::Surface& screen = win::GetScreenSurface();
    EXPECT_EQ(screen.GetPixel(kLeft + 46, kTop + 38), win::RGB(255, 255, 255));
    EXPECT_EQ(screen.GetPixel(kLeft + 76, kTop + 68), Background(76, 68)) << "the end is put back";
}

}  // namespace
