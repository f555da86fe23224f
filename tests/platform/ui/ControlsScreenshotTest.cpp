// The native controls drawn in each of their states, in a window laid out like a dialog, with the
// focus on a button and then on a field; the references are data/controls-*.png (ReferencePicture.h).

#include "ReferencePicture.h"
#include "UiFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

namespace uitest {
namespace {

class ControlsScreenshot : public UiTest {
protected:
    HWND dialog = nullptr;
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");

    void SetUp() override {
        UiTest::SetUp();
        WNDCLASSA dialogClass;
        dialogClass.lpfnWndProc = DefWindowProcA;
        dialogClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
        dialogClass.lpszClassName = "ControlsDialog";
        ASSERT_TRUE(RegisterClassA(&dialogClass));
        dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, "ControlsDialog", "Controls",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 30, 720, 520, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    void TearDown() override { DeleteObject(font); }
    HWND Add(const char* className, DWORD style, int x, int y, int width, int height, const char* text = "") {
        HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                       dialog, nullptr, nullptr, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        return control;
    }
    HWND Disabled(HWND control) {
        EnableWindow(control, FALSE);
        return control;
    }
};

TEST_F(ControlsScreenshot, EachControlInEachStateMatchesTheReferencePicture) {
    // Push buttons: default, plain, pressed, with the focus, disabled.
    Add("BUTTON", BS_DEFPUSHBUTTON, 20, 20, 90, 24, "Default");
    Add("BUTTON", BS_PUSHBUTTON, 120, 20, 90, 24, "Plain");
    SendMessageA(Add("BUTTON", BS_PUSHBUTTON, 220, 20, 90, 24, "Pressed"), BM_SETSTATE, TRUE, 0);
    HWND focused = Add("BUTTON", BS_PUSHBUTTON, 320, 20, 90, 24, "Focus");
    Disabled(Add("BUTTON", BS_PUSHBUTTON, 420, 20, 90, 24, "Disabled"));

    // Check boxes and radio buttons in a group: off, on, pressed, disabled and on.
    Add("BUTTON", BS_GROUPBOX, 20, 60, 330, 130, "Choices");
    Add("BUTTON", BS_AUTOCHECKBOX, 30, 80, 140, 20, "Check off");
    SendMessageA(Add("BUTTON", BS_AUTOCHECKBOX, 30, 105, 140, 20, "Check on"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(Add("BUTTON", BS_AUTOCHECKBOX, 30, 130, 140, 20, "Check pressed"), BM_SETSTATE, TRUE, 0);
    SendMessageA(Disabled(Add("BUTTON", BS_AUTOCHECKBOX, 30, 155, 140, 20, "Check disabled")), BM_SETCHECK,
                 BST_CHECKED, 0);
    Add("BUTTON", BS_AUTORADIOBUTTON, 190, 80, 150, 20, "Radio off");
    SendMessageA(Add("BUTTON", BS_AUTORADIOBUTTON, 190, 105, 150, 20, "Radio on"), BM_SETCHECK, BST_CHECKED,
                 0);
    SendMessageA(Add("BUTTON", BS_AUTORADIOBUTTON, 190, 130, 150, 20, "Radio pressed"), BM_SETSTATE, TRUE, 0);
    SendMessageA(Disabled(Add("BUTTON", BS_AUTORADIOBUTTON, 190, 155, 150, 20, "Radio disabled")),
                 BM_SETCHECK, BST_CHECKED, 0);

    // Scroll bars: with a page, without one, with an arrow disabled, disabled whole.
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 99;
    info.nPage = 20;
    info.nPos = 40;
    SetScrollInfo(Add("SCROLLBAR", SBS_HORZ, 370, 70, 300, 16), SB_CTL, &info, TRUE);
    HWND noPage = Add("SCROLLBAR", SBS_HORZ, 370, 100, 300, 16);
    SetScrollPos(noPage, SB_CTL, 100, TRUE);
    HWND oneArrow = Add("SCROLLBAR", SBS_HORZ, 370, 130, 300, 16);
    EnableScrollBar(oneArrow, SB_CTL, ESB_DISABLE_LEFT);
    EnableScrollBar(Add("SCROLLBAR", SBS_VERT, 680, 60, 16, 200), SB_CTL, ESB_DISABLE_BOTH);
    SetScrollInfo(Add("SCROLLBAR", SBS_VERT, 650, 160, 16, 100), SB_CTL, &info, TRUE);

    // Fields: plain, centred, right, read-only, disabled, and a wrapped multi-line one with its own
    // scroll bar, the focus and a selection.
    Add("EDIT", WS_BORDER | ES_AUTOHSCROLL, 20, 210, 200, 20, "Plain field");
    Add("EDIT", WS_BORDER | ES_CENTER, 20, 240, 200, 20, "Centred");
    Add("EDIT", WS_BORDER | ES_RIGHT, 20, 270, 200, 20, "Right");
    Add("EDIT", WS_BORDER | ES_READONLY, 20, 300, 200, 20, "Read-only");
    Disabled(Add("EDIT", WS_BORDER, 20, 330, 200, 20, "Disabled"));
    HWND notes = Add("EDIT", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 240, 210, 230, 110,
                     "A story point is one answer to one question of the structure.\r\n\r\nEvery line "
                     "here wraps at the field's width, after a run of spaces, and the scroll bar follows "
                     "the lines that do not fit.");

    SendMessageA(notes, EM_SETSEL, 2, 13);
    SetFocus(focused);
    Pump();
    CompareWithReference("controls-button-focus.png");
    SetFocus(notes);
    Pump();
    CompareWithReference("controls-field-focus.png");
}

}  // namespace
}  // namespace uitest
