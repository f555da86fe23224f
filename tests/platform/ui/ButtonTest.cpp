#include "ControlFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class Button : public ControlTest {
protected:
    HWND Make(DWORD kind, const char* text = "Press") {
        return Control("BUTTON", kind | WS_TABSTOP, RECT{20, 20, 120, 45}, text);
    }
    UINT State(HWND button) { return static_cast<UINT>(SendMessageA(button, BM_GETSTATE, 0, 0)); }
    UINT Check(HWND button) { return static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0)); }
    int Clicks(HWND button) {
        int count = 0;
        for (auto [code, from] : Notifications()) count += code == BN_CLICKED && from == button;
        return count;
    }
};

TEST_F(Button, AClickPressesTracksAndNotifiesTheParentAfterTheSubclassSawEachStep) {
    HWND button = Make(BS_PUSHBUTTON);
    Pump();
    g_log.clear();
    presenter.MoveMouse(At(button, 10, 10));
    presenter.ButtonDown();
    Pump();
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(State(button) & (BST_PUSHED | BST_FOCUS), BST_PUSHED | BST_FOCUS);
    presenter.ButtonUp();
    Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(State(button) & BST_PUSHED, 0u);
    EXPECT_EQ(ControlMessages(button, {WM_LBUTTONDOWN, WM_LBUTTONUP, BM_SETSTATE}),
              (std::vector<UINT>{WM_LBUTTONDOWN, BM_SETSTATE, WM_LBUTTONUP, BM_SETSTATE}));
    ASSERT_EQ(Clicks(button), 1);
    for (const Logged& e : Find(WM_COMMAND)) EXPECT_EQ(LOWORD(e.wParam), 7) << "the control id";
}

TEST_F(Button, ThePressedLookFollowsTheMouseAndAReleaseOutsideClicksNothing) {
    HWND button = Make(BS_AUTOCHECKBOX);
    Pump();
    presenter.MoveMouse(At(button, 10, 10));
    presenter.ButtonDown();
    presenter.MoveMouse(At(button, 150, 10));
    Pump();
    EXPECT_EQ(State(button) & BST_PUSHED, 0u) << "pressed, but the mouse is outside";
    presenter.MoveMouse(At(button, 99, 24));
    Pump();
    EXPECT_EQ(State(button) & BST_PUSHED, BST_PUSHED) << "back inside (its last pixel)";
    presenter.MoveMouse(At(button, 100, 24));
    presenter.ButtonUp();
    Pump();
    EXPECT_EQ(Clicks(button), 0);
    EXPECT_EQ(Check(button), BST_UNCHECKED);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Button, AutomaticKindsChangeTheirCheckOnClickAndSpacePlainOnesOnlyNotify) {
    HWND automatic = Make(BS_AUTOCHECKBOX);
    HWND plain = Control("BUTTON", BS_CHECKBOX, RECT{20, 60, 120, 80}, "Plain");
    Pump();
    presenter.Click(At(automatic, 5, 5));
    presenter.Click(At(plain, 5, 5));
    Pump();
    EXPECT_EQ(Check(automatic), BST_CHECKED);
    EXPECT_EQ(Check(plain), BST_UNCHECKED);
    EXPECT_EQ(Clicks(plain), 1);

    SetFocus(automatic);
    presenter.KeyDown(VK_SPACE);
    Pump();
    EXPECT_EQ(Check(automatic), BST_CHECKED) << "space toggles when it goes up";
    EXPECT_EQ(State(automatic) & BST_PUSHED, BST_PUSHED);
    presenter.KeyDown(VK_SPACE);  // the key repeats
    presenter.KeyUp(VK_SPACE);
    Pump();
    EXPECT_EQ(Check(automatic), BST_UNCHECKED);
    EXPECT_EQ(Clicks(automatic), 2) << "one click for the click, one for the held space bar";
}

TEST_F(Button, AnAutomaticRadioButtonChecksItselfAndLeavesItsNeighboursToItsOwner) {
    HWND first = Control("BUTTON", BS_AUTORADIOBUTTON, RECT{20, 20, 120, 40}, "One", 1);
    HWND second = Control("BUTTON", BS_AUTORADIOBUTTON, RECT{20, 50, 120, 70}, "Two", 2);
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    presenter.Click(At(second, 5, 5));
    presenter.Click(At(second, 5, 5));
    Pump();
    EXPECT_EQ(Check(second), BST_CHECKED) << "a second click leaves it checked";
    EXPECT_EQ(Check(first), BST_CHECKED);
    EXPECT_EQ(Clicks(second), 2);
}

TEST_F(Button, CheckAndStateMessages) {
    HWND box = Make(BS_CHECKBOX);
    HWND push = Make(BS_PUSHBUTTON);
    SendMessageA(box, BM_SETCHECK, 5, 0);
    EXPECT_EQ(Check(box), BST_CHECKED) << "any non-zero check is checked";
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Check(push), BST_UNCHECKED) << "push buttons have no check";
    SendMessageA(box, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(State(box), BST_CHECKED | BST_PUSHED);
    SendMessageA(box, BM_SETSTATE, FALSE, 0);
    SetFocus(box);
    EXPECT_EQ(State(box), BST_CHECKED | BST_FOCUS);
    EXPECT_EQ(Clicks(box), 0) << "messages from the program notify nothing";
}

TEST_F(Button, DialogCodesFollowTheKindAndSetStyleChangesIt) {
    HWND push = Make(BS_PUSHBUTTON);
    auto code = [](HWND b) { return static_cast<UINT>(SendMessageA(b, WM_GETDLGCODE, 0, 0)); };
    EXPECT_EQ(code(push), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(code(push), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrA(push, GWL_STYLE) & (WS_CHILD | WS_TABSTOP), WS_CHILD | WS_TABSTOP)
        << "only the kind changes";
    EXPECT_EQ(code(Make(BS_AUTORADIOBUTTON)), DLGC_BUTTON | DLGC_RADIOBUTTON);
    EXPECT_EQ(code(Make(BS_AUTOCHECKBOX)), DLGC_BUTTON);
    EXPECT_EQ(code(Make(BS_GROUPBOX)), DLGC_STATIC);
}

TEST_F(Button, APressEndsWithoutAClickWhenTheFocusOrTheCaptureGoes) {
    HWND button = Make(BS_PUSHBUTTON);
    HWND other = Make(BS_PUSHBUTTON);
    SetFocus(button);
    presenter.KeyDown(VK_SPACE);
    Pump();
    SetFocus(other);
    presenter.KeyUp(VK_SPACE);
    Pump();
    EXPECT_EQ(State(button) & BST_PUSHED, 0u);

    presenter.MoveMouse(At(button, 5, 5));
    presenter.ButtonDown();
    Pump();
    SetCapture(parent);
    presenter.ButtonUp();
    Pump();
    EXPECT_EQ(State(button) & BST_PUSHED, 0u);
    EXPECT_EQ(Clicks(button), 0);
    EXPECT_EQ(Clicks(other), 0);
}

TEST_F(Button, AGroupBoxLetsClicksThroughToWhatIsUnderIt) {
    HWND group = Control("BUTTON", BS_GROUPBOX, RECT{10, 10, 200, 200}, "Group");
    Pump();
    g_log.clear();
    presenter.Click(At(group, 50, 50));
    Pump();
    EXPECT_EQ(Count(parent, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(ControlMessages(group, {WM_LBUTTONDOWN}).size(), 0u);
}

TEST_F(Button, FontsAreKeptNotOwned) {
    HWND button = Make(BS_PUSHBUTTON);
    EXPECT_EQ(SendMessageA(button, WM_GETFONT, 0, 0), 0) << "the system font until told otherwise";
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), font);
    DestroyWindow(button);
    EXPECT_EQ(GetObjectType(font), OBJ_FONT) << "the font outlives its button";
    DeleteObject(font);
}

TEST_F(Button, DrawingShowsTheDefaultFrameThePressTheMarkAndTheDisabledText) {
    HWND push = Control("BUTTON", BS_DEFPUSHBUTTON, RECT{20, 20, 120, 45}, "OK");
    HWND box = Control("BUTTON", BS_CHECKBOX, RECT{20, 60, 120, 80}, "Box");
    HWND off = Control("BUTTON", BS_PUSHBUTTON, RECT{20, 90, 120, 115}, "WWWW");
    EnableWindow(off, FALSE);
    Pump();
    const POINT corner = At(push, 0, 0);
    EXPECT_EQ(presenter.PixelAt(corner.x, corner.y), GetSysColor(COLOR_3DDKSHADOW)) << "default frame";
    EXPECT_EQ(presenter.PixelAt(corner.x + 1, corner.y + 1), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised";
    SendMessageA(push, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(presenter.PixelAt(corner.x + 1, corner.y + 1), GetSysColor(COLOR_BTNSHADOW)) << "sunk";

    const int top = (20 - win::detail::kButtonMarkSize) / 2;
    const POINT mark = At(box, 3, top + 5);  // the tick's first column
    EXPECT_EQ(presenter.PixelAt(mark.x, mark.y), GetSysColor(COLOR_WINDOW));
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(presenter.PixelAt(mark.x, mark.y), GetSysColor(COLOR_WINDOWTEXT)) << "the tick";

    int grey = 0, black = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 100; ++x) {
            const POINT p = At(off, x, y);
            const COLORREF c = presenter.PixelAt(p.x, p.y);
            grey += c == GetSysColor(COLOR_GRAYTEXT);
            black += c == GetSysColor(COLOR_BTNTEXT) && x > 3 && x < 96 && y > 3 && y < 21;
        }
    }
    EXPECT_GT(grey, 20) << "disabled text is grey";
    EXPECT_EQ(black, 0);
}

}  // namespace
}  // namespace uitest
