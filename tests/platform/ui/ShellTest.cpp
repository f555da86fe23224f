#include "platform/ui/Shell.h"

#include "platform/ui/UiFixture.h"

namespace uitest {
namespace {

TEST_F(UiTest, TheTaskbarIsThePresentersAndHelpShowsNothing) {
    APPBARDATA data;
    data.rc = RECT{1, 2, 3, 4};
    EXPECT_EQ(SHAppBarMessage(ABM_GETTASKBARPOS, &data), FALSE);
    EXPECT_EQ(data.rc.right, 3);
    presenter.SetTaskbar(RECT{0, 560, 800, 600});
    EXPECT_EQ(SHAppBarMessage(ABM_GETTASKBARPOS, &data), TRUE);
    EXPECT_EQ(data.rc.top, 560);
    EXPECT_EQ(data.rc.right, 800);
    EXPECT_EQ(SHAppBarMessage(ABM_GETTASKBARPOS + 1, &data), FALSE);

    EXPECT_EQ(WinHelpA(nullptr, "Fablecore.hlp", HELP_FINDER, 0), FALSE);
    EXPECT_TRUE(presenter.PromptsAsked().empty());
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_NOREMOVE));
}

}  // namespace
}  // namespace uitest
