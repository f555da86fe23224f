// A window's content rectangle: its client rectangle whenever the window is at least its smallest
// size, as the frame's tracking limits make it.

#include "ApplicationFixture.h"

namespace apptest {
namespace {

// An MDI child without items whose smallest size the test chooses.
class SizedWindow : public TWindow {
public:
    SizedWindow(TAppl* application, std::uint16_t kind, ShortPoint minimum)
        : TWindow(application, &kPlace, nullptr, kChildMode, kind, "sized"), minimum_(minimum) {
        SetItemList(new fakes::FakeItemList);
        SetUpItems();
        Show();
    }
    ErrCode PreparePrinter() override { return 0; }
    ShortPoint GetMinTrackSize() override { return minimum_; }

    ShortRect Content() {
        ShortRect rect;
        GetContentRect(rect);
        return rect;
    }
    // Asks for a size far below the smallest; the window keeps to its limits.
    void ShrinkToTheLimit() { MoveWindow(GetHWnd(), 5, 5, 10, 10, TRUE); }

    static constexpr ShortRect kPlace{20, 30, 320, 330};

private:
    ShortPoint minimum_;
};

class ContentRectTest : public ApplicationTest {};

TEST_F(ContentRectTest, AtTheSmallestSizeTheContentIsTheClientRectangle) {
    struct Case {
        std::uint16_t kind;
        ShortPoint minimum;
    };
    for (const Case c : {Case{0, ShortPoint{kMinTrackSize, kMinTrackSize}}, Case{0, ShortPoint{200, 150}},
                         Case{kWindowFixedSize, ShortPoint{kMinTrackSize, kMinTrackSize}},
                         Case{kWindowFixedSize, ShortPoint{180, 90}}}) {
        auto* window = new SizedWindow(application, c.kind, c.minimum);
        window->ShrinkToTheLimit();
        const ShortRect client = window->GetClientRect();
        ASSERT_EQ(client.Width(), c.minimum.x) << c.kind << " " << c.minimum.x;
        EXPECT_EQ(window->Content(), client) << c.kind << " " << c.minimum.x;
        delete window;
    }
}

TEST_F(ContentRectTest, AboveTheSmallestSizeTheContentIsTheClientRectangle) {
    auto* window = new SizedWindow(application, 0, ShortPoint{kMinTrackSize, kMinTrackSize});
    MoveWindow(window->GetHWnd(), 5, 5, 300, 200, TRUE);
    EXPECT_EQ(window->Content(), window->GetClientRect());
    delete window;
}

}  // namespace
}  // namespace apptest
