#include "UiFixture.h"
#include "platform/ui/DragDrop.h"

namespace uitest {
namespace {

using DragDrop = UiTest;

TEST_F(DragDrop, DroppedFilesGoToTheNearestWindowThatAcceptsThem) {
    HWND frame = Popup(RECT{0, 0, 300, 300});
    HWND child = Child(frame, RECT{10, 10, 100, 100});
    EXPECT_FALSE(presenter.DropFiles({"/tmp/a.fsf"}, POINT{50, 50})) << "nobody accepts files yet";
    DragAcceptFiles(frame, TRUE);
    std::vector<std::string> names;
    POINT where{};
    BOOL inClient = FALSE;
    g_hook = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_DROPFILES) return std::nullopt;
        EXPECT_EQ(window, frame);
        HDROP drop = reinterpret_cast<HDROP>(wParam);
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char name[8];
            const UINT length = DragQueryFileA(drop, i, nullptr, 0);
            EXPECT_EQ(DragQueryFileA(drop, i, name, sizeof name), std::min<UINT>(length, 7));
            names.emplace_back(name);
        }
        inClient = DragQueryPoint(drop, &where);
        DragFinish(drop);
        EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 0u) << "finished drops are gone";
        return 0;
    };
    EXPECT_TRUE(presenter.DropFiles({"/b.fsf", "/tmp/long name.fsf"}, POINT{50, 60}));
    Pump();
    EXPECT_EQ(names, (std::vector<std::string>{"/b.fsf", "/tmp/lo"}));
    EXPECT_TRUE(inClient);
    EXPECT_EQ(where.x, 50);
    EXPECT_EQ(where.y, 60);
    DragAcceptFiles(frame, FALSE);
    EXPECT_FALSE(presenter.DropFiles({"/c.fsf"}, POINT{50, 60}));
    (void)child;
}

}  // namespace
}  // namespace uitest
