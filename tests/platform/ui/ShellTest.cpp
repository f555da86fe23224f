#include "platform/ui/Shell.h"

#include <cerrno>
#include <fstream>

#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
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

// The help file's guide is the HTML file of its name beside it, found whatever the case of its name.
TEST_F(UiTest, HelpTopicsShowTheGuideBesideTheHelpFileWithTheDesktopsOpener) {
    TempFolder folder;
    const std::string help = folder / "Fablecore.hlp";
    EXPECT_EQ(HelpGuidePath(help.c_str()), "") << "no guide yet";
    SetLastError(0);
    EXPECT_EQ(WinHelpA(nullptr, help.c_str(), HELP_FINDER, 0), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ENOENT));

    std::ofstream(folder / "FABLECORE.HTML") << "<p>guide</p>";
    EXPECT_EQ(HelpGuidePath(help.c_str()), folder / "FABLECORE.HTML");
    EXPECT_EQ(HelpGuidePath((folder / "Fablecore").c_str()), folder / "FABLECORE.HTML")
        << "no ending: one added";
    EXPECT_EQ(HelpGuidePath((folder / "Other.hlp").c_str()), "");
    EXPECT_EQ(WinHelpA(nullptr, help.c_str(), HELP_FINDER, 0), TRUE);
    ASSERT_EQ(presenter.FilesShown().size(), 1u);
    EXPECT_EQ(presenter.FilesShown()[0], folder / "FABLECORE.HTML");

    presenter.SetDesktopOpener(false);
    EXPECT_EQ(WinHelpA(nullptr, help.c_str(), HELP_FINDER, 0), FALSE) << "no opener";
    EXPECT_EQ(presenter.FilesShown().size(), 1u);
    EXPECT_EQ(WinHelpA(nullptr, help.c_str(), HELP_QUIT, 0), TRUE) << "nothing to end";
    EXPECT_EQ(WinHelpA(nullptr, help.c_str(), HELP_CONTEXT, 7), FALSE);
    EXPECT_TRUE(presenter.PromptsAsked().empty());
}

}  // namespace
}  // namespace uitest
