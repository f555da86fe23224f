// The RICHEDIT control through its messages, keys and mouse: a styled text loaded the way a
// read-only view loads it, scrolling a long formatted text, editing, the clipboard and the limit.

#include <cstring>
#include <string>

#include "ControlFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Paint.h"
#include "platform/ui/RichEditControl.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class RichEdit : public ControlTest {
protected:
    HWND Rich(DWORD style, RECT r = RECT{10, 10, 210, 110}) {
        HWND rich = CreateWindowExA(WS_EX_CLIENTEDGE, kRichEditClass, "", WS_CHILD | WS_VISIBLE | style,
                                    r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(7)), nullptr, nullptr);
        Pump();
        g_log.clear();
        return rich;
    }
    static LRESULT Send(HWND rich, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(rich, message, wParam, lParam);
    }
    static void Select(HWND rich, int anchor, int caret) { Send(rich, EM_SETSEL, anchor, caret); }
    static std::pair<int, int> Selection(HWND rich) {
        CHARRANGE range;
        Send(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return {range.cpMin, range.cpMax};
    }
    static std::string Text(HWND rich) {
        std::string text(static_cast<std::size_t>(Send(rich, WM_GETTEXTLENGTH)) + 1, '\0');
        text.resize(static_cast<std::size_t>(
            Send(rich, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }
    // Appends at the end, as a read-only view loads its runs.
    static void Append(HWND rich, const char* run) {
        Select(rich, -1, -1);
        Send(rich, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(run));
        Select(rich, -1, -1);
    }
    static void SetEffect(HWND rich, DWORD mask, bool on, WPARAM where = SCF_SELECTION) {
        CHARFORMATA format;
        format.dwMask = mask;
        format.dwEffects = on ? mask : 0;
        Send(rich, EM_SETCHARFORMAT, where, reinterpret_cast<LPARAM>(&format));
    }
    static CHARFORMATA FormatOf(HWND rich, int start, int end) {
        Select(rich, start, end);
        CHARFORMATA format;
        Send(rich, EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    std::vector<WORD> Codes() const {
        std::vector<WORD> codes;
        for (auto [code, from] : Notifications()) codes.push_back(code);
        return codes;
    }
};

TEST_F(RichEdit, IsBuiltInWithAnIBeamAndASunkenEdge) {
    HMODULE library = LoadLibraryA("riched32.dll");
    EXPECT_NE(library, nullptr);
    EXPECT_EQ(LoadLibraryA("other.dll"), nullptr);
    EXPECT_TRUE(FreeLibrary(library));
    HWND rich = Rich(ES_MULTILINE);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(rich, GCLP_HCURSOR)),
              LoadCursorA(nullptr, IDC_IBEAM));
    RECT window, client;
    GetWindowRect(rich, &window);
    GetClientRect(rich, &client);
    EXPECT_LT(client.right, window.right - window.left) << "the client edge takes room";
}

TEST_F(RichEdit, AStyledLoadGivesRunsAndParagraphsAndTheCaretAtTheStart) {
    HWND rich = Rich(ES_MULTILINE | ES_READONLY | ES_SAVESEL | ES_AUTOVSCROLL | WS_VSCROLL);
    ShowWindow(rich, SW_HIDE);  // hidden for the load
    Send(rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Append(rich, "");
    PARAFORMAT margins;  // "M(10,30,0)"
    margins.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET;
    margins.dxStartIndent = 200;
    margins.dxOffset = 400;
    Send(rich, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&margins));
    Append(rich, "A ");
    SetEffect(rich, CFM_BOLD, true);  // "B+"
    Append(rich, "word");
    SetEffect(rich, CFM_BOLD, false);  // "B-"
    Append(rich, " and the rest\r\nNext");
    Select(rich, 0, 0);
    ShowWindow(rich, SW_SHOW);
    EXPECT_EQ(Text(rich), "A word and the rest\r\nNext");
    EXPECT_EQ(FormatOf(rich, 2, 6).dwEffects & CFE_BOLD, CFE_BOLD);
    EXPECT_EQ(FormatOf(rich, 6, 10).dwEffects & CFE_BOLD, 0u);
    EXPECT_EQ(FormatOf(rich, 0, 10).dwMask & CFM_BOLD, 0u) << "mixed";
    PARAFORMAT out;
    Select(rich, 3, 3);
    Send(rich, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&out));
    EXPECT_EQ(out.dxStartIndent, 200);
    EXPECT_EQ(out.dxOffset, 400);
    Select(rich, 22, 22);
    Send(rich, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&out));
    EXPECT_EQ(out.dxStartIndent, 200) << "the new paragraph took the format it was split from";
    // Selections: -1 is the end, (0, -1) is everything.
    Select(rich, -1, -1);
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{25, 25}));
    Select(rich, 0, -1);
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{0, 25}));
    CHARRANGE range{4, 2};
    EXPECT_EQ(Send(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range)), 4);
    GETTEXTLENGTHEX length;
    EXPECT_EQ(Send(rich, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length)), 25);
}

TEST_F(RichEdit, ALongFormattedTextWrapsAndScrollsByLinesAndPages) {
    HWND rich = Rich(ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    Send(rich, EM_SETEVENTMASK, 0, ENM_SCROLL);
    for (int p = 0; p < 40; ++p) {
        SetEffect(rich, CFM_BOLD, p % 2 == 0);
        Append(rich, ("Paragraph " + std::to_string(p) + " says a few words that wrap.\r\n").c_str());
    }
    Select(rich, 0, 0);
    g_log.clear();
    const auto lines = static_cast<int>(Send(rich, EM_GETLINECOUNT));
    EXPECT_EQ(lines, 81) << "every paragraph wraps once";
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(rich, SB_VERT, &info));
    RECT client;
    GetClientRect(rich, &client);
    EXPECT_EQ(info.nPage, static_cast<UINT>(client.bottom));
    EXPECT_GT(info.nMax, 10 * client.bottom);
    Send(rich, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Send(rich, EM_GETFIRSTVISIBLELINE), 1);
    const int lineHeight = GetScrollPos(rich, SB_VERT);
    EXPECT_GT(lineHeight, 5);
    Send(rich, WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(GetScrollPos(rich, SB_VERT), lineHeight + client.bottom);
    Send(rich, WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(GetScrollPos(rich, SB_VERT), info.nMax + 1 - client.bottom) << "the last page is full";
    EXPECT_EQ(Codes(), (std::vector<WORD>{EN_VSCROLL, EN_VSCROLL, EN_VSCROLL}));
    // The view draws the lines it shows: ink in the top rows, none past the text's end.
    Send(rich, WM_VSCROLL, SB_TOP);
    UpdateWindow(rich);
    POINT origin{0, 0};
    ClientToScreen(rich, &origin);
    int ink = 0;
    for (int x = 0; x < client.right; ++x)
        ink += presenter.PixelAt(origin.x + x, origin.y + lineHeight / 2) != GetSysColor(COLOR_WINDOW);
    EXPECT_GT(ink, 10);
    // The caret brought into view scrolls to it.
    SetFocus(rich);
    Select(rich, -1, -1);
    EXPECT_GT(Send(rich, EM_GETFIRSTVISIBLELINE), lines - 15);
}

TEST_F(RichEdit, KeysAndTheMouseSelectAndTheSelectionCopiesAsText) {
    HWND rich = Rich(ES_MULTILINE | ES_READONLY);
    Append(rich, "alpha beta gamma");
    SetFocus(rich);
    Select(rich, 0, 0);
    presenter.KeyDown(VK_CONTROL);
    presenter.KeyDown(VK_SHIFT);
    presenter.PressKey(VK_RIGHT);
    presenter.KeyUp(VK_SHIFT);
    presenter.KeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{0, 6}));
    EXPECT_EQ(Send(rich, WM_GETDLGCODE) & DLGC_HASSETSEL, static_cast<LRESULT>(DLGC_HASSETSEL));
    const unsigned long bells = GetBellCount();
    presenter.TypeText("x");
    Send(rich, WM_CUT);
    Send(rich, WM_CLEAR);
    Pump();
    EXPECT_EQ(Text(rich), "alpha beta gamma") << "read-only";
    EXPECT_EQ(GetBellCount(), bells + 1);
    Send(rich, WM_COPY);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto memory = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(memory)), "alpha ");
    GlobalUnlock(memory);
    CloseClipboard();
    // A double click takes the word under the mouse.
    POINT word{0, 0};
    Select(rich, 8, 8);
    GetCaretPos(&word);
    ClientToScreen(rich, &word);
    word.y += 3;
    presenter.Click(word);
    presenter.Click(word);
    Pump();
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{6, 11}));
}

TEST_F(RichEdit, TheCaretsLineAndWhereUpAndDownAimFollowWhereTheCaretShows) {
    HWND rich = Rich(ES_MULTILINE);
    Append(rich, "A paragraph long enough to wrap in the control's width at least once.\r\n");
    SetFocus(rich);
    Select(rich, 0, 0);
    presenter.PressKey(VK_END);
    Pump();
    const int wrapAt = static_cast<int>(Send(rich, EM_LINEINDEX, 1));
    ASSERT_EQ(Selection(rich), (std::pair<int, int>{wrapAt, wrapAt}));
    EXPECT_EQ(Send(rich, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 0) << "shown at the wrapped line's end";
    EXPECT_EQ(Send(rich, EM_LINEINDEX, static_cast<WPARAM>(-1)), 0);

    // Undo moves the caret; Up then aims from where it is, not from where Up aimed before.
    Send(rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abcdefgh\r\nabcdefgh\r\n"));
    Select(rich, 20, 20);
    presenter.TypeText("ab");
    presenter.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{12, 12}));
    presenter.TypeText("\x1A");  // Ctrl+Z
    Pump();
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{20, 20}));
    presenter.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(Selection(rich), (std::pair<int, int>{10, 10}));
}

TEST_F(RichEdit, TypingIsHeldToTheLimitAndTheProgramsInsertionsAreNot) {
    HWND rich = Rich(ES_MULTILINE);
    Send(rich, EM_SETEVENTMASK, 0, ENM_CHANGE);
    Send(rich, EM_EXLIMITTEXT, 0, 5);
    SetFocus(rich);
    presenter.TypeText("abcdefg");
    Pump();
    EXPECT_EQ(Text(rich), "abcde");
    std::vector<WORD> codes = Codes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 5);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_MAXTEXT), 2);
    Append(rich, "XYZ");
    EXPECT_EQ(Text(rich), "abcdeXYZ");
    Send(rich, EM_EXLIMITTEXT, 0, 0);
    // Typing takes the insertion point's format; Undo takes the typing back.
    presenter.TypeText("\x08");  // Backspace
    Pump();
    SetEffect(rich, CFM_ITALIC, true);
    presenter.TypeText("!");
    Pump();
    EXPECT_EQ(Text(rich), "abcdeXY!");
    EXPECT_EQ(FormatOf(rich, 7, 8).dwEffects & CFE_ITALIC, CFE_ITALIC);
    EXPECT_TRUE(Send(rich, WM_UNDO));
    EXPECT_EQ(Text(rich), "abcdeXY");
}

}  // namespace
}  // namespace uitest
