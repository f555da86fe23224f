#include <cstring>

#include "ControlFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

// Fields in a fixed-width font, so a character's place is its index times one width.
class Edit : public ControlTest {
protected:
    HFONT font = nullptr;
    int w = 0;  // a character's width
    int h = 0;  // a line's height

    void SetUp() override {
        ControlTest::SetUp();
        font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New");
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, font);
        SIZE size;
        GetTextExtentPoint32A(dc, "x", 1, &size);
        w = size.cx;
        h = size.cy;
        DeleteDC(dc);
    }
    void TearDown() override {
        ControlTest::TearDown();
        DeleteObject(font);
    }
    // A field `columns` characters wide and `rows` lines high, holding the focus.
    HWND Field(DWORD style, int columns, int rows, const char* text = "") {
        HWND edit = Control("EDIT", style, RECT{10, 10, 10 + columns * w, 10 + rows * h}, text);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetFocus(edit);
        Pump();
        g_log.clear();
        return edit;
    }
    static std::string Text(HWND edit) {
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    static std::pair<int, int> Selection(HWND edit) {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }
    static void Select(HWND edit, int anchor, int caret) { SendMessageA(edit, EM_SETSEL, anchor, caret); }
    static int Send(HWND edit, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return static_cast<int>(SendMessageA(edit, message, wParam, lParam));
    }
    void Keys(std::vector<UINT> keys, UINT held = 0) {
        if (held != 0) presenter.KeyDown(held);
        for (UINT key : keys) presenter.PressKey(key);
        if (held != 0) presenter.KeyUp(held);
        Pump();
    }
    std::vector<WORD> Codes() const {
        std::vector<WORD> codes;
        for (auto [code, from] : Notifications()) codes.push_back(code);
        return codes;
    }
    // The screen point at the middle of the left half of character `column` on `row`.
    POINT Char(HWND edit, int column, int row) { return At(edit, column * w + w / 4, row * h + h / 2); }
};

TEST_F(Edit, TypingInsertsAtTheCaretAndTellsTheParentBeforeAndAfterShowingIt) {
    HWND edit = Field(ES_AUTOHSCROLL, 20, 1, "Hello");
    Keys({VK_END});
    presenter.TypeText("!\r\t");
    Pump();
    EXPECT_EQ(Text(edit), "Hello!") << "one line takes neither Return nor Tab";
    EXPECT_EQ(Codes(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    EXPECT_TRUE(Send(edit, EM_GETMODIFY));
    POINT caret;
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 6 * w);
    Keys({VK_BACK, VK_HOME, VK_DELETE});
    EXPECT_EQ(Text(edit), "ello");
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"));
    EXPECT_FALSE(Send(edit, EM_GETMODIFY)) << "a text set whole is not a change of the user's";
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 0}));

    HWND upper = Field(ES_MULTILINE | ES_UPPERCASE, 20, 3);
    presenter.TypeText("caf\xE9\r");
    Pump();
    EXPECT_EQ(Text(upper), "CAF\xC9\r\n") << "Return makes CR LF; typed letters become capitals";
}

TEST_F(Edit, KeysMoveAndShiftExtendsByCharactersWordsAndLines) {
    HWND edit = Field(ES_MULTILINE, 20, 3, "alpha beta gamma\r\nxy\r\nlast line here");
    Keys({VK_RIGHT, VK_RIGHT}, VK_SHIFT);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 2}));
    presenter.KeyDown(VK_CONTROL);
    Keys({VK_RIGHT});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{6, 6})) << "the next word's start";
    Keys({VK_RIGHT}, VK_SHIFT);
    presenter.KeyUp(VK_CONTROL);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{6, 11})) << "Control and Shift: a word more";
    Select(edit, 14, 14);
    Keys({VK_DOWN});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{20, 20})) << "a short line: its end";
    Keys({VK_DOWN});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{36, 36})) << "and the column comes back";
    Keys({VK_HOME});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{22, 22}));
    Keys({VK_END});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{36, 36}));
    presenter.KeyDown(VK_CONTROL);
    Keys({VK_HOME}, VK_SHIFT);
    presenter.KeyUp(VK_CONTROL);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 36}));
    Keys({VK_LEFT});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 0}));
    Select(edit, 14, 14);
    Keys({'A'}, VK_CONTROL);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 36})) << "Control and A: the whole text";
}

TEST_F(Edit, TheMouseClicksDragsDoubleClicksAndExtends) {
    HWND edit = Field(ES_MULTILINE, 20, 3, "one two three\r\nfour five");
    presenter.Click(Char(edit, 5, 0));
    Pump();
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{5, 5}));
    Script({[&] { presenter.MoveMouse(Char(edit, 2, 0)); }, [&] { presenter.ButtonDown(); },
            [&] { presenter.MoveMouse(Char(edit, 3, 1)); }, [&] { presenter.ButtonUp(); }});
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{2, 18}));
    EXPECT_EQ(GetCapture(), nullptr);
    presenter.Click(Char(edit, 5, 1));
    presenter.Click(Char(edit, 5, 1));
    Pump();
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{20, 24})) << "a double click takes the word";
    presenter.KeyDown(VK_SHIFT);
    presenter.Click(Char(edit, 0, 0));
    presenter.KeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 20})) << "Shift extends from the anchor";
}

TEST_F(Edit, SelectingPastTheBottomScrollsOnWhileTheButtonIsHeld) {
    std::string text;
    for (int line = 0; line < 20; ++line) text += "line " + std::to_string(line) + "\r\n";
    HWND edit = Field(ES_MULTILINE | ES_AUTOVSCROLL, 20, 4, text.c_str());
    presenter.MoveMouse(Char(edit, 1, 0));
    presenter.ButtonDown();
    presenter.MoveMouse(At(edit, 10, 4 * h + 20));  // below the field
    Pump();
    const int first = Send(edit, EM_GETFIRSTVISIBLELINE);
    EXPECT_EQ(first, 2) << "the move itself brings the line under the mouse into view";
    for (int tick = 0; tick < 3; ++tick) {
        presenter.Advance(100);
        Pump();
    }
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), first + 3) << "then a line every tenth of a second";
    presenter.ButtonUp();
    presenter.Advance(500);
    Pump();
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), first + 3) << "until the button goes up";
    EXPECT_EQ(Selection(edit).first, 1);
    EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(Selection(edit).second)), 8);
}

TEST_F(Edit, SelectingBesideTheTextStepsOnlyWhereTheViewScrollsSideways) {
    std::string wide(30, 'w');
    HWND single = Field(ES_AUTOHSCROLL, 10, 1, wide.c_str());
    presenter.MoveMouse(Char(single, 2, 0));
    presenter.ButtonDown();
    presenter.MoveMouse(At(single, 10 * w + 20, h / 2));  // right of the field
    Pump();
    const int reached = Selection(single).second;
    for (int tick = 0; tick < 3; ++tick) {
        presenter.Advance(100);
        Pump();
    }
    presenter.ButtonUp();
    Pump();
    EXPECT_EQ(Selection(single), (std::pair<int, int>{2, reached + 3})) << "a character every tick";

    // A wrapped field shows every line whole: the mouse held left of a line selects to its start.
    HWND wrapped = Field(ES_MULTILINE, 10, 3, "one two three four");
    presenter.MoveMouse(Char(wrapped, 3, 1));
    presenter.ButtonDown();
    presenter.MoveMouse(At(wrapped, -20, h + h / 2));
    for (int tick = 0; tick < 3; ++tick) {
        presenter.Advance(100);
        Pump();
    }
    presenter.ButtonUp();
    Pump();
    EXPECT_EQ(Selection(wrapped), (std::pair<int, int>{8, 11})) << "not back into the line before";
}

TEST_F(Edit, UndoIsOneLevelAndRedoes) {
    HWND edit = Field(ES_AUTOHSCROLL, 20, 1, "draft");
    Keys({VK_END});
    presenter.TypeText(" one");
    Pump();
    EXPECT_TRUE(Send(edit, EM_CANUNDO));
    presenter.KeyDown(VK_CONTROL);
    Keys({'Z'});
    presenter.KeyUp(VK_CONTROL);
    EXPECT_EQ(Text(edit), "draft");
    EXPECT_TRUE(Send(edit, WM_UNDO));
    EXPECT_EQ(Text(edit), "draft one");
    Send(edit, EM_EMPTYUNDOBUFFER);
    EXPECT_FALSE(Send(edit, EM_CANUNDO));
    EXPECT_FALSE(Send(edit, WM_UNDO));
    Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("!"));
    EXPECT_TRUE(Send(edit, EM_CANUNDO));
    Send(edit, EM_SETREADONLY, TRUE);
    EXPECT_FALSE(Send(edit, EM_CANUNDO)) << "as EM_UNDO answers: a read-only field undoes nothing";
    EXPECT_FALSE(Send(edit, EM_UNDO));
    Send(edit, EM_SETREADONLY, FALSE);
    EXPECT_TRUE(Send(edit, EM_CANUNDO));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("fresh"));
    EXPECT_FALSE(Send(edit, EM_CANUNDO)) << "a new text has nothing to undo";
}

TEST_F(Edit, TheLimitCutsInsertionsAndSaysSo) {
    HWND edit = Field(ES_AUTOHSCROLL, 20, 1);
    Send(edit, EM_LIMITTEXT, 5);
    presenter.TypeText("abcdefg");
    Pump();
    EXPECT_EQ(Text(edit), "abcde");
    std::vector<WORD> codes = Codes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_MAXTEXT), 2);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 5);
    Select(edit, 0, -1);
    presenter.TypeText("Z");
    Pump();
    EXPECT_EQ(Text(edit), "Z") << "typing over a selection has room";
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("longer than five"));
    EXPECT_EQ(Text(edit), "longer than five") << "a text set whole is not held to the limit";

    // Without sideways scrolling a field holds only what it shows.
    HWND fixed = Field(0, 4, 1);
    presenter.TypeText("abcdef");
    Pump();
    EXPECT_EQ(Text(fixed), "abcd");
}

TEST_F(Edit, SelectionMessagesFollowTheirRules) {
    HWND edit = Field(ES_MULTILINE, 20, 3, "abc\r\ndef");
    Select(edit, 0, -1);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{0, 8})) << "0, -1 is everything";
    Select(edit, 6, 1);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{1, 6}));
    Keys({VK_RIGHT}, VK_SHIFT);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{2, 6})) << "the caret was at the second index";
    Select(edit, -1, 0);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{2, 2})) << "-1 drops the selection at the caret";
    Select(edit, 4, 100);
    EXPECT_EQ(Selection(edit), (std::pair<int, int>{3, 8})) << "inside a line break, past the end";
    EXPECT_EQ(Send(edit, EM_GETSEL), MAKELONG(3, 8));
}

TEST_F(Edit, LinesAreCountedIndexedAndCopiedOutAsTheBufferAllows) {
    // Ten characters to a line: "one two three four" wraps after "two "; "three four" fills a line.
    HWND edit = Field(ES_MULTILINE, 10, 3, "one two three four\r\nx");
    EXPECT_EQ(Send(edit, EM_GETLINECOUNT), 3);
    EXPECT_EQ(Send(edit, EM_LINEINDEX, 1), 8);
    EXPECT_EQ(Send(edit, EM_LINEINDEX, 2), 20);
    EXPECT_EQ(Send(edit, EM_LINEINDEX, 3), -1);
    EXPECT_EQ(Send(edit, EM_LINELENGTH, 9), 10) << "\"three four\" and no line break";
    EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, 18), 1);
    EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, 500), 2);
    EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-2)), 2) << "past the end, taken unsigned";
    Select(edit, 2, 10);
    EXPECT_EQ(Send(edit, EM_LINELENGTH, static_cast<WPARAM>(-1)), 2 + 8)
        << "unselected on the selection's lines";
    EXPECT_EQ(Send(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 0);
    Select(edit, 10, 10);
    EXPECT_EQ(Send(edit, EM_LINEINDEX, static_cast<WPARAM>(-1)), 8) << "the caret's line";

    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    const WORD size = 5;
    std::memcpy(buffer, &size, sizeof size);
    EXPECT_EQ(Send(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_EQ(std::string(buffer, 6), "three#") << "cut to the size in the first word, no closing 0";
    const WORD roomy = 15;
    std::memcpy(buffer, &roomy, sizeof roomy);
    EXPECT_EQ(Send(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)), 8);
    EXPECT_EQ(std::string(buffer, 8), "one two ");
    EXPECT_EQ(Send(edit, EM_GETLINE, 9, reinterpret_cast<LPARAM>(buffer)), 0);

    RECT wider{0, 0, 30 * w, 3 * h};
    SendMessageA(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&wider));
    EXPECT_EQ(Send(edit, EM_GETLINECOUNT), 2) << "a wider formatting rectangle wraps less";
    RECT back;
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back.right, 30 * w);
}

TEST_F(Edit, TheClipboardCarriesTextBetweenFieldsAndAReadOnlyFieldOnlyGivesIt) {
    HWND source = Field(ES_MULTILINE | ES_READONLY, 20, 3, "first\r\nsecond");
    HWND target = Field(ES_AUTOHSCROLL, 20, 1, "[]");
    Select(source, 3, 9);
    const unsigned long bells = GetBellCount();
    SetFocus(source);
    presenter.TypeText("x");
    Send(source, WM_CUT);
    Send(source, WM_PASTE);
    Pump();
    EXPECT_EQ(Text(source), "first\r\nsecond") << "read-only";
    EXPECT_EQ(GetBellCount(), bells + 1) << "typing is refused with the bell";
    SetFocus(source);
    presenter.KeyDown(VK_CONTROL);
    Keys({'C'});
    presenter.KeyUp(VK_CONTROL);
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    Select(target, 1, 1);
    Send(target, WM_PASTE);
    EXPECT_EQ(Text(target), "[st]") << "one line takes what is pasted up to its first line break";
    Select(target, 1, 3);
    Send(target, WM_CUT);
    EXPECT_EQ(Text(target), "[]");
    Select(target, 0, 0);
    Send(target, WM_PASTE);
    EXPECT_EQ(Text(target), "st[]");
    Select(target, 0, 2);
    Send(target, WM_CLEAR);
    EXPECT_EQ(Text(target), "[]");
    Send(source, EM_SETREADONLY, FALSE);
    Select(source, 0, 0);
    Send(source, WM_PASTE);
    EXPECT_EQ(Text(source), "stfirst\r\nsecond") << "no longer read-only";
}

TEST_F(Edit, PastedLinesAreCutToTheFirstInOneLineAndTheKeysPasteThroughTheMessage) {
    HWND single = Field(ES_AUTOHSCROLL, 20, 1, "<>");
    HWND multi = Field(ES_MULTILINE, 20, 3, "<>");
    ASSERT_TRUE(win::detail::PutClipboardText(parent, "one\r\ntwo"));
    for (HWND edit : {single, multi}) {
        SetFocus(edit);
        Select(edit, 1, 1);
        presenter.KeyDown(VK_CONTROL);
        Keys({'V'});
        presenter.KeyUp(VK_CONTROL);
        EXPECT_EQ(ControlMessages(edit, {WM_PASTE}), (std::vector<UINT>{WM_PASTE})) << "a subclass sees it";
    }
    EXPECT_EQ(Text(single), "<one>");
    EXPECT_EQ(Text(multi), "<one\r\ntwo>");

    ASSERT_TRUE(win::detail::PutClipboardText(parent, "\nlater"));
    Select(single, 0, 1);
    Send(single, WM_PASTE);
    EXPECT_EQ(Text(single), "one>") << "an empty first line replaces the selection";
    SetFocus(single);
    Keys({VK_INSERT}, VK_SHIFT);
    EXPECT_EQ(ControlMessages(single, {WM_PASTE}).size(), 3u);
}

TEST_F(Edit, OnlyTheUsersChangesAndASingleLinesNewTextAreToldOf) {
    HWND made = Control("EDIT", ES_AUTOHSCROLL, RECT{0, 0, 100, 20}, "given");
    HWND madeMulti = Control("EDIT", ES_MULTILINE, RECT{0, 30, 100, 90}, "given\r\ntoo");
    EXPECT_EQ(Codes(), (std::vector<WORD>{})) << "text given at creation";
    SendMessageA(madeMulti, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new\r\ntext"));
    EXPECT_EQ(Codes(), (std::vector<WORD>{})) << "a multi-line field's new text";
    EXPECT_EQ(Text(madeMulti), "new\r\ntext");
    SendMessageA(made, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"));
    EXPECT_EQ(Notifications(), (std::vector<std::pair<WORD, HWND>>{{EN_UPDATE, made}, {EN_CHANGE, made}}));
}

TEST_F(Edit, TheLimitIsReadBackAndWmCharAnswersOne) {
    HWND edit = Field(ES_AUTOHSCROLL, 20, 1);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 30000) << "before any is set";
    Send(edit, EM_LIMITTEXT, 5);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 5);
    Send(edit, EM_LIMITTEXT, 0);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 0x7FFFFFFE) << "0 is as much as there can be";
    EXPECT_EQ(Send(edit, WM_CHAR, 'a'), 1);
    EXPECT_EQ(Text(edit), "a");
}

TEST_F(Edit, EmScrollMovesAMultiLineFieldByLinesAndPagesAndSaysHowFar) {
    std::string text;
    for (int line = 0; line < 30; ++line) text += std::to_string(line) + "\r\n";
    HWND edit = Field(ES_MULTILINE | ES_AUTOVSCROLL, 20, 5, text.c_str());
    auto scroll = [&](WORD request) { return static_cast<DWORD>(Send(edit, EM_SCROLL, request)); };
    EXPECT_EQ(scroll(SB_LINEUP), MAKELONG(0, TRUE)) << "already at the top";
    EXPECT_EQ(scroll(SB_LINEDOWN), MAKELONG(1, TRUE));
    EXPECT_EQ(scroll(SB_PAGEDOWN), MAKELONG(5, TRUE));
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 6);
    EXPECT_EQ(scroll(SB_PAGEUP), MAKELONG(static_cast<WORD>(-5), TRUE));
    for (int i = 0; i < 5; ++i) scroll(SB_PAGEDOWN);
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 26) << "the last page is full";
    EXPECT_EQ(scroll(SB_PAGEDOWN), MAKELONG(0, TRUE));
    EXPECT_EQ(scroll(SB_TOP), static_cast<DWORD>(FALSE)) << "only lines and pages";
    EXPECT_EQ(Codes(), (std::vector<WORD>{})) << "the program's scrolling is not told of";
    HWND single = Field(ES_AUTOHSCROLL, 20, 1, "one line");
    EXPECT_EQ(Send(single, EM_SCROLL, SB_LINEDOWN), FALSE);
}

TEST_F(Edit, TheFieldsOwnScrollBarsFollowItsLinesAndMoveIt) {
    std::string text;
    for (int line = 0; line < 30; ++line) text += std::to_string(line) + "\r\n";
    HWND edit = Field(ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 20, 5, text.c_str());
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(edit, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 30) << "31 lines";
    EXPECT_EQ(info.nPage, 5u);
    SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageA(edit, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 6);
    EXPECT_EQ(GetScrollPos(edit, SB_VERT), 6);
    EXPECT_EQ(Codes(), (std::vector<WORD>{EN_VSCROLL, EN_VSCROLL}));
    SendMessageA(edit, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 26) << "the last page is full";
    Select(edit, 0, 0);
    EXPECT_EQ(Send(edit, EM_GETFIRSTVISIBLELINE), 0) << "the caret is brought into view";

    std::string wide(100, 'w');
    HWND single = Field(ES_AUTOHSCROLL, 10, 1, wide.c_str());
    Keys({VK_END});
    EXPECT_GT(Send(single, EM_GETFIRSTVISIBLELINE), 90) << "a single line scrolls sideways to its caret";
}

TEST_F(Edit, FocusDialogCodesAndASubclassSeeingKeysFirst) {
    HWND first = Field(ES_MULTILINE | ES_WANTRETURN, 10, 3);
    HWND second = Field(ES_AUTOHSCROLL, 10, 1);
    EXPECT_EQ(Codes(), (std::vector<WORD>{}));
    SetFocus(first);
    EXPECT_EQ(Notifications(),
              (std::vector<std::pair<WORD, HWND>>{{EN_KILLFOCUS, second}, {EN_SETFOCUS, first}}));
    MSG returnKey;
    returnKey.message = WM_KEYDOWN;
    returnKey.wParam = VK_RETURN;
    const UINT typing = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    EXPECT_EQ(Send(first, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&returnKey)), typing | DLGC_WANTMESSAGE);
    EXPECT_EQ(Send(second, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&returnKey)), typing);
    HWND leaving = Field(ES_MULTILINE, 10, 3);
    EXPECT_EQ(Send(leaving, WM_GETDLGCODE), typing | DLGC_WANTALLKEYS)
        << "a multi-line field wants every key, and does a dialog's work with them itself";
    SetFocus(first);

    g_hook = [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return std::nullopt; };
    SetWindowLongPtrA(
        first, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_CHAR && wParam == 'x') return 0;  // swallowed before the field sees it
            return CallWindowProcA(g_controlProcs[window], window, message, wParam, lParam);
        }));
    presenter.TypeText("axb");
    Pump();
    EXPECT_EQ(Text(first), "ab");
}

TEST_F(Edit, TheSelectionShowsOnlyWhileTheFieldHasTheFocus) {
    HWND edit = Field(ES_AUTOHSCROLL, 20, 1, "WWWW");
    HWND other = Field(ES_AUTOHSCROLL, 5, 1);
    Select(edit, 0, 2);
    const POINT inside = Char(edit, 0, 0);
    const POINT after = Char(edit, 3, 0);
    auto highlighted = [&](POINT p) {  // highlight pixels in the character's cell
        int count = 0;
        for (int dy = 0; dy < h; ++dy) {
            for (int dx = 0; dx < w; ++dx) {
                count +=
                    presenter.PixelAt(p.x - w / 4 + dx, p.y - h / 2 + dy) == GetSysColor(COLOR_HIGHLIGHT);
            }
        }
        return count;
    };
    Pump();
    EXPECT_EQ(highlighted(inside), 0) << "no focus";
    SetFocus(edit);
    Pump();
    EXPECT_GT(highlighted(inside), 0);
    EXPECT_EQ(highlighted(after), 0);
    SetFocus(other);
    Pump();
    EXPECT_EQ(highlighted(inside), 0);
}

}  // namespace
}  // namespace uitest
