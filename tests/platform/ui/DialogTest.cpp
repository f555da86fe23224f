#include <cstring>

#include "UiFixture.h"
#include "platform/sys/Bell.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Paint.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

// An in-memory template: the header, no menu, the standard class, the caption.
std::vector<WORD> Template(DWORD style, const char* caption, WORD items = 0) {
    DLGTEMPLATE header;
    header.style = style;
    header.cdit = items;
    header.cx = 160;
    header.cy = 80;
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);
    words.push_back(0);
    for (const char* c = caption; *c != '\0'; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

const DLGTEMPLATE* AsTemplate(const std::vector<WORD>& words) {
    return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

std::function<LONG_PTR(HWND, UINT, WPARAM, LPARAM)> g_dialogHook;

LONG_PTR RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    g_log.push_back(Logged{dialog, message, wParam, lParam});
    return g_dialogHook ? g_dialogHook(dialog, message, wParam, lParam) : FALSE;
}

// A control that wants every key, as an edit field of the program would.
LRESULT KeyHungryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
    return RecordingProc(window, message, wParam, lParam);
}

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

class Dialogs : public UiTest {
protected:
    HWND owner = nullptr;
    IdleScript script{presenter};

    void SetUp() override {
        UiTest::SetUp();
        g_dialogHook = nullptr;
        owner = Popup(RECT{0, 0, 600, 400}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        Pump();
        g_log.clear();
    }
    void TearDown() override {
        g_dialogHook = nullptr;
        UiTest::TearDown();
    }
    void Then(std::function<void()> step) { script.Then(std::move(step)); }
    static HWND MakeButton(HWND dialog, int id, const char* text, DWORD extra = WS_TABSTOP, int x = 10) {
        return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | extra, x, 10, 60,
                               20, dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr,
                               nullptr);
    }
    static DWORD Kind(HWND button) {
        return static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)) & BS_TYPEMASK;
    }
};

TEST_F(Dialogs, AModalLoopKeepsTimersAndPaintsGoingAndGivesTheOwnerBackAtTheEnd) {
    SetTimer(owner, 7, 100, nullptr);
    int paintsOfOwner = 0;
    bool ownerEnabledInside = true;
    bool modalInside = false;
    HWND dialog = nullptr;
    g_hook = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window != owner) return std::nullopt;
        if (message == WM_PAINT) ++paintsOfOwner;
        if (message == WM_TIMER && dialog != nullptr) {
            ownerEnabledInside = IsWindowEnabled(owner);
            modalInside = IsModalDialogUp();
            EndDialog(dialog, 42);
        }
        return std::nullopt;
    };
    g_dialogHook = [&](HWND window, UINT message, WPARAM, LPARAM lParam) -> LONG_PTR {
        if (message != WM_INITDIALOG) return FALSE;
        dialog = window;
        EXPECT_EQ(lParam, 1234) << "WM_INITDIALOG carries the parameter";
        InvalidateRect(owner, nullptr, TRUE);
        return TRUE;
    };
    Then([&] { presenter.Advance(100); });
    const std::vector<WORD> words = Template(kDialogStyle, "Modal");
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 1234), 42);
    EXPECT_GE(paintsOfOwner, 1) << "the owner painted while the dialog ran";
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(modalInside);
    EXPECT_FALSE(IsModalDialogUp());
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(Dialogs, NestedDialogsDisableEachOwnerInTurn) {
    const std::vector<WORD> words = Template(kDialogStyle, "Nested");
    HWND outer = nullptr, inner = nullptr;
    bool outerEnabledWhileInner = true, outerEnabledAfter = false;
    HWND activeWhileInner = nullptr, activeAfter = nullptr;
    LONG_PTR innerResult = 0;
    g_dialogHook = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> LONG_PTR {
        if (message == WM_INITDIALOG && outer == nullptr) {
            outer = window;
            PostMessageA(outer, WM_USER + 1, 0, 0);
        } else if (message == WM_INITDIALOG) {
            inner = window;
            Then([&] {
                outerEnabledWhileInner = IsWindowEnabled(outer);
                activeWhileInner = GetActiveWindow();
                presenter.PressKey(VK_ESCAPE);
            });
        } else if (message == WM_USER + 1) {
            // The outer dialog opens the inner one from its own message.
            innerResult = DialogBoxIndirectParamA(nullptr, AsTemplate(words), outer, RecordingDialogProc, 0);
            outerEnabledAfter = IsWindowEnabled(outer);
            activeAfter = GetActiveWindow();
            EndDialog(outer, 1);
        } else if (message == WM_COMMAND && window == inner && LOWORD(wParam) == IDCANCEL) {
            EndDialog(inner, 2);
        }
        return message == WM_INITDIALOG;
    };
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0), 1);
    EXPECT_EQ(innerResult, 2);
    EXPECT_FALSE(outerEnabledWhileInner);
    EXPECT_EQ(activeWhileInner, inner);
    EXPECT_TRUE(outerEnabledAfter);
    EXPECT_EQ(activeAfter, outer);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(Dialogs, TabWalksTheTabStopsAndAFocusedPushButtonShowsAsTheDefault) {
    HWND first = nullptr, second = nullptr, third = nullptr, skipped = nullptr, disabled = nullptr;
    std::vector<HWND> focus;
    g_dialogHook = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> LONG_PTR {
        if (message != WM_INITDIALOG) return FALSE;
        first = MakeButton(dialog, IDOK, "OK");
        skipped = MakeButton(dialog, 10, "No stop", 0, 80);
        second = MakeButton(dialog, 11, "Second", WS_TABSTOP, 150);
        disabled = MakeButton(dialog, 12, "Off", WS_TABSTOP | WS_DISABLED, 220);
        third = MakeButton(dialog, IDCANCEL, "Cancel", WS_TABSTOP, 290);
        return TRUE;
    };
    auto note = [&] { focus.push_back(GetFocus()); };
    Then(note);
    Then([&] { presenter.PressKey(VK_TAB); });
    Then([&] {
        note();
        EXPECT_EQ(Kind(second), BS_DEFPUSHBUTTON) << "the focused push button";
        EXPECT_EQ(Kind(first), BS_PUSHBUTTON);
        presenter.PressKey(VK_TAB);
    });
    Then([&] {
        note();
        presenter.PressKey(VK_TAB);
    });
    Then([&] {
        note();
        presenter.KeyDown(VK_SHIFT);
        presenter.PressKey(VK_TAB);
        presenter.KeyUp(VK_SHIFT);
    });
    Then([&] {
        note();
        presenter.PressKey(VK_ESCAPE);
    });
    g_dialogHook = [init = g_dialogHook](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND) EndDialog(dialog, LOWORD(wParam));
        return init(dialog, message, wParam, lParam);
    };
    const std::vector<WORD> words = Template(kDialogStyle, "Tabs");
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0), IDCANCEL);
    EXPECT_EQ(focus, (std::vector<HWND>{first, second, third, first, third}));
}

TEST_F(Dialogs, TheDefaultLookComesBackWhenTheFocusLeavesThePushButtons) {
    HWND save = nullptr, other = nullptr, field = nullptr;
    g_dialogHook = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> LONG_PTR {
        if (message != WM_INITDIALOG) return FALSE;
        save = MakeButton(dialog, 50, "Save", WS_TABSTOP | BS_DEFPUSHBUTTON);
        other = MakeButton(dialog, 51, "Other", WS_TABSTOP, 80);
        field = Child(dialog, RECT{10, 40, 60, 60}, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
        return FALSE;
    };
    const std::vector<WORD> words = Template(kDialogStyle | WS_VISIBLE, "Default");
    HWND dialog = CreateDialogIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(other), TRUE);
    EXPECT_EQ(Kind(other), BS_DEFPUSHBUTTON);
    EXPECT_EQ(Kind(save), BS_PUSHBUTTON);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    EXPECT_EQ(GetFocus(), field);
    EXPECT_EQ(Kind(save), BS_DEFPUSHBUTTON) << "the button that was the default before";
    EXPECT_EQ(Kind(other), BS_PUSHBUTTON);

    // Tab into an edit field selects its text.
    HWND edit = CreateWindowExA(0, "EDIT", "typed over", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 70, 100, 20,
                                dialog, nullptr, nullptr, nullptr);
    SendMessageA(dialog, WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(GetFocus(), edit);
    DWORD start = 1, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 10u);
}

TEST_F(Dialogs, ReturnPressesTheDefaultButtonEscapeCancelsAndMnemonicsPress) {
    std::vector<WPARAM> commands;
    HWND hungry = nullptr, plain = nullptr;
    WNDCLASSA wc;
    wc.lpfnWndProc = KeyHungryProc;
    wc.lpszClassName = "KeyHungry";
    RegisterClassA(&wc);
    g_dialogHook = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> LONG_PTR {
        if (message == WM_INITDIALOG) {
            plain = Child(dialog, RECT{10, 40, 60, 60}, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
            MakeButton(dialog, 20, "&Apply", WS_TABSTOP, 80);
            MakeButton(dialog, 21, "Disabled", WS_TABSTOP | WS_DISABLED, 150);
            hungry = CreateWindowExA(0, "KeyHungry", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 70, 50, 20,
                                     dialog, nullptr, nullptr, nullptr);
            return FALSE;
        }
        if (message == WM_COMMAND) {
            commands.push_back(wParam);
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    };
    HWND dialog = nullptr;
    Then([&] {
        dialog = GetActiveWindow();
        SetFocus(plain);
        presenter.PressKey(VK_RETURN);  // no default named: IDOK
    });
    Then([&] {
        SendMessageA(dialog, DM_SETDEFID, 21, 0);
        EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(21, DC_HASDEFID));
        presenter.PressKey(VK_RETURN);  // the default is disabled: a beep, no command
    });
    Then([&] {
        SendMessageA(dialog, DM_SETDEFID, 20, 0);
        presenter.PressKey(VK_RETURN);
        presenter.TypeText("a");  // Apply's mnemonic
    });
    Then([&] {
        SetFocus(hungry);
        presenter.PressKey(VK_RETURN);  // both taken by the control
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] {
        SetFocus(plain);
        presenter.PressKey(VK_ESCAPE);
    });
    const unsigned long bells = GetBellCount();
    const std::vector<WORD> words = Template(kDialogStyle, "Keys");
    DialogBoxIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0);
    EXPECT_EQ(commands, (std::vector<WPARAM>{IDOK, 20, 20, IDCANCEL}));
    EXPECT_EQ(GetBellCount(), bells + 1);
    EXPECT_GE(Count(hungry, WM_KEYDOWN), 2) << "Return and Escape reached the control that wants them";
}

// A key held down presses once. Escape held at an alert over a dialog answers the alert, and its
// repeats neither cancel the dialog once the alert is gone nor press anything in it; a Return held
// down from before an alert came up answers nothing with its repeats.
TEST_F(Dialogs, AHeldKeyAnswersTheAlertItWentDownInAndNothingUnderIt) {
    std::vector<WPARAM> commands;
    int answer = 0;
    g_dialogHook = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> LONG_PTR {
        if (message == WM_INITDIALOG) {
            PostMessageA(dialog, WM_USER + 1, 0, 0);
            return TRUE;
        }
        if (message == WM_USER + 1) {
            Then([&] {
                for (int repeats = 0; repeats < 4; ++repeats) presenter.KeyDown(VK_ESCAPE);
                presenter.KeyUp(VK_ESCAPE);
            });
            answer = MessageBoxA(dialog, "Not found.", "Story", MB_OK);
            Then([&] { presenter.PressKey(VK_RETURN); });
            return TRUE;
        }
        if (message == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    };
    const std::vector<WORD> words = Template(kDialogStyle, "Find");
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0), IDOK);
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(commands, (std::vector<WPARAM>{IDOK})) << "only the Return pressed at the dialog itself";

    presenter.KeyDown(VK_RETURN);
    Pump();
    Then([&] { presenter.KeyDown(VK_RETURN); });  // the same Return, still down
    Then([&] {
        EXPECT_NE(FindWindowA("#32770", nullptr), nullptr) << "a repeat answered the alert";
        presenter.KeyUp(VK_RETURN);
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(MessageBoxA(owner, "Replace it?", "Story", MB_OKCANCEL), IDCANCEL);
}

TEST_F(Dialogs, TheDefaultIdIsTheOneLastSetWhateverControlHasIt) {
    std::vector<WPARAM> commands;
    g_dialogHook = [&](HWND, UINT message, WPARAM wParam, LPARAM) -> LONG_PTR {
        if (message == WM_COMMAND) commands.push_back(wParam);
        return message == WM_COMMAND;
    };
    const std::vector<WORD> words = Template(kDialogStyle | WS_VISIBLE, "Default");
    HWND dialog = CreateDialogIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID)) << "with no button";
    HWND field = Child(dialog, RECT{10, 40, 60, 60}, WS_CHILD | WS_VISIBLE | WS_TABSTOP, kPlain, 30);
    SendMessageA(dialog, DM_SETDEFID, 30, 0);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(30, DC_HASDEFID)) << "not a push button";
    SetFocus(field);
    MSG returnKey{};
    returnKey.hwnd = field;
    returnKey.message = WM_KEYDOWN;
    returnKey.wParam = VK_RETURN;
    EXPECT_TRUE(IsDialogMessageA(dialog, &returnKey));
    SendMessageA(dialog, DM_SETDEFID, 77, 0);  // no control at all
    EXPECT_TRUE(IsDialogMessageA(dialog, &returnKey));
    EXPECT_EQ(commands, (std::vector<WPARAM>{30, 77}));
    DestroyWindow(dialog);
}

TEST_F(Dialogs, AMultiLineFieldTakesEveryKeyAndDoesTheDialogsWorkWithThem) {
    std::vector<WORD> commands;
    HWND field = nullptr, other = nullptr, ok = nullptr;
    auto edit = [](HWND dialog, DWORD style, int id, int y) {
        return CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, y, 100, 40,
                               dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    };
    g_dialogHook = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> LONG_PTR {
        if (message == WM_INITDIALOG) {
            field = edit(dialog, ES_MULTILINE, 50, 40);
            other = edit(dialog, ES_MULTILINE | ES_WANTRETURN, 51, 90);
            ok = MakeButton(dialog, IDOK, "OK", WS_TABSTOP, 150);
            return FALSE;
        }
        if (message != WM_COMMAND || HIWORD(wParam) != 0) return FALSE;  // the fields' notices
        commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    };
    auto text = [](HWND window) {
        char buffer[32] = {};
        GetWindowTextA(window, buffer, sizeof buffer);
        return std::string(buffer);
    };
    Then([&] {
        SetFocus(field);
        presenter.TypeText("ab");
        presenter.PressKey(VK_RETURN);  // the default button
    });
    Then([&] {
        EXPECT_EQ(text(field), "ab");
        EXPECT_EQ(GetFocus(), ok) << "the default button took the focus and the Return";
        SetFocus(field);
        presenter.KeyDown(VK_CONTROL);
        presenter.PressKey(VK_RETURN);  // a line break
        presenter.KeyUp(VK_CONTROL);
        presenter.PressKey(VK_TAB);
    });
    Then([&] {
        EXPECT_EQ(text(field), "ab\r\n");
        EXPECT_EQ(GetFocus(), other) << "Tab moved on";
        presenter.TypeText("x");
        presenter.PressKey(VK_RETURN);  // this field takes Return
    });
    Then([&] {
        EXPECT_EQ(text(other), "x\r\n");
        SetFocus(field);
        presenter.PressKey(VK_ESCAPE);
    });
    const std::vector<WORD> words = Template(kDialogStyle, "Fields");
    DialogBoxIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0);
    EXPECT_EQ(commands, (std::vector<WORD>{IDOK, IDCANCEL}));
}

TEST_F(Dialogs, ClosingIsCancellingAndTheResultOfAHandledMessageIsTheDialogsAnswer) {
    g_dialogHook = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> LONG_PTR {
        if (message == WM_USER + 7) {
            SetWindowLongPtrA(dialog, DWL_MSGRESULT, 99);
            return TRUE;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 5);
        return FALSE;
    };
    const std::vector<WORD> words = Template(kDialogStyle | WS_VISIBLE, "Modeless");
    HWND dialog = CreateDialogIndirectParamA(nullptr, AsTemplate(words), owner, RecordingDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetActiveWindow(), dialog);
    // The template's 160 by 80 dialog units are quarters and eighths of the base units.
    const auto units = static_cast<DWORD>(GetDialogBaseUnits());
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 160 * LOWORD(units) / 4);
    EXPECT_EQ(client.bottom, 80 * HIWORD(units) / 8);
    EXPECT_EQ(SendMessageA(dialog, WM_USER + 7, 0, 0), 99);
    EXPECT_EQ(SendMessageA(dialog, WM_USER + 8, 0, 0), 0) << "left to the default handling";
    MakeButton(dialog, 30, "Item");
    EXPECT_TRUE(SetDlgItemTextA(dialog, 30, "Renamed"));
    char text[16];
    EXPECT_EQ(GetDlgItemTextA(dialog, 30, text, sizeof text), 7u);
    EXPECT_STREQ(text, "Renamed");
    EXPECT_EQ(SendDlgItemMessageA(dialog, 30, WM_GETTEXTLENGTH, 0, 0), 7);
    EXPECT_EQ(GetDlgItem(dialog, 31), nullptr);

    g_log.clear();
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    const std::vector<Logged> commands = Find(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), IDCANCEL);
    DestroyWindow(dialog);

    const std::vector<WORD> hidden = Template(kDialogStyle, "Hidden");
    dialog = CreateDialogIndirectParamA(nullptr, AsTemplate(hidden), owner, RecordingDialogProc, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "shown only when the template says so";
    const std::vector<WORD> withItems = Template(kDialogStyle, "Items", 2);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, AsTemplate(withItems), owner, RecordingDialogProc, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

}  // namespace
}  // namespace uitest
