// The window layer's own drawing compared with reference pictures: a frame with a menu bar and two
// MDI children under a message box, then with one child maximised (its system menu and buttons on
// the bar), and that system menu's place on its own; the references are data/mdi-*.png
// (ReferencePicture.h).

#include "ReferencePicture.h"
#include "UiFixture.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

HWND g_screenshotClient = nullptr;

LRESULT ShotFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(window, g_screenshotClient, message, wParam, lParam);
}

class Screenshot : public UiTest {
protected:
    HWND frame = nullptr;
    HWND one = nullptr;
    HWND two = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        WNDCLASSA frameClass;
        frameClass.lpfnWndProc = ShotFrameProc;
        frameClass.lpszClassName = "ShotFrame";
        WNDCLASSA childClass;
        childClass.lpfnWndProc = DefMDIChildProcA;
        childClass.lpszClassName = "ShotChild";
        childClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_WINDOW + 1));
        ASSERT_TRUE(RegisterOnce(frameClass) && RegisterOnce(childClass));
        HMENU bar = CreateMenu();
        HMENU window = CreatePopupMenu();
        AppendMenuA(bar, MF_STRING, 1, "&File");
        AppendMenuA(bar, MF_STRING, 2, "&Edit");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window), "&Window");
        frame =
            CreateWindowExA(0, "ShotFrame", "Fablecore", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                            0, 0, 800, 600, nullptr, bar, nullptr, nullptr);
        CLIENTCREATESTRUCT create{window, 0x7161};
        g_screenshotClient = CreateWindowExA(0, "MDICLIENT", nullptr, 0x52300001, 0, 0, 0, 0, frame,
                                             reinterpret_cast<HMENU>(1), nullptr, &create);
        RECT area;
        GetClientRect(frame, &area);
        SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(area.right, area.bottom));
        one = Child("Story One", 20, 20);
        two = Child("Story Two", 200, 120);
        Pump();
    }
    HWND Child(const char* title, int x, int y) {
        MDICREATESTRUCTA create;
        create.szClass = "ShotChild";
        create.szTitle = title;
        create.x = x;
        create.y = y;
        create.cx = 360;
        create.cy = 240;
        create.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_OVERLAPPEDWINDOW;
        return reinterpret_cast<HWND>(
            SendMessageA(g_screenshotClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }
};

TEST_F(Screenshot, FrameMenuBarChildrenAndAMessageBoxMatchTheReferencePictures) {
    IdleScript script(presenter);
    script.Then([&] {
        CompareWithReference("mdi-message-box.png");
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(
        MessageBoxA(frame, "Save the changes to Story Two before closing?\nThe story has not been saved yet.",
                    "Fablecore", MB_YESNOCANCEL | MB_ICONQUESTION),
        IDCANCEL);
    SendMessageA(g_screenshotClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
    Pump();
    CompareWithReference("mdi-maximised.png");
}

TEST_F(Screenshot, AMaximisedChildsSystemMenuSitsInTheMenuBarsLeftEnd) {
    SendMessageA(g_screenshotClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(one), 0);
    Pump();
    // The frame's corner: its caption, the menu bar's left end and the top of the client under it.
    CompareAreaWithReference(RECT{0, 0, 64, 96}, "mdi-maximised-system-menu.png");
}

}  // namespace
}  // namespace uitest
