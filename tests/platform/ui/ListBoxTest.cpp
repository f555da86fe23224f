#include "ControlFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class ListBox : public ControlTest {
protected:
    // A list five items high (the stock GUI font's items are 13 pixels) holding the texts given.
    HWND Make(std::vector<const char*> texts, DWORD style = LBS_NOTIFY, int top = 20) {
        HWND list = Control("LISTBOX", style | WS_VSCROLL | WS_TABSTOP, RECT{20, top, 180, top + 5 * 13});
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        for (const char* text : texts) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        Pump();
        g_log.clear();
        return list;
    }
    static LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(list, message, wParam, lParam);
    }
    static LRESULT Find(HWND list, UINT message, int after, const char* text) {
        return Send(list, message, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text));
    }
    static int Selected(HWND list) { return static_cast<int>(Send(list, LB_GETCURSEL)); }
    static int Top(HWND list) { return static_cast<int>(Send(list, LB_GETTOPINDEX)); }
    std::vector<WORD> Codes(HWND list) const {
        std::vector<WORD> codes;
        for (auto [code, from] : Notifications())
            if (from == list) codes.push_back(code);
        return codes;
    }
    POINT AtItem(HWND list, int index) {
        RECT r;
        Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return At(list, r.left + 5, (r.top + r.bottom) / 2);
    }
    static std::vector<const char*> Numbered() {
        return {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09",
                "10", "11", "12", "13", "14", "15", "16", "17", "18", "19"};
    }
};

TEST_F(ListBox, ItemsKeepTheirTextsAndDataAndAreFoundByPrefixOrWholeTextInEitherCase) {
    HWND list = Make({"Alpha", "beta", "Gamma", "alphabet", "Delta"});
    EXPECT_EQ(Send(list, LB_GETCOUNT), 5);
    char text[16] = {};
    EXPECT_EQ(Send(list, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), 8);
    EXPECT_STREQ(text, "alphabet");
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 1), 4);
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 5), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 2, 77), 0);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 2), 77);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 1), 0);

    EXPECT_EQ(Find(list, LB_FINDSTRING, -1, "AL"), 0);
    EXPECT_EQ(Find(list, LB_FINDSTRING, 0, "al"), 3) << "searching after the item given";
    EXPECT_EQ(Find(list, LB_FINDSTRING, 3, "al"), 0) << "round to the start";
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, 0, "ALPHA"), 0) << "not alphabet";
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, -1, "alph"), LB_ERR);
    EXPECT_EQ(Find(list, LB_FINDSTRING, -1, "z"), LB_ERR);

    Send(list, LB_SETCURSEL, 2);
    Send(list, LB_RESETCONTENT);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 0);
    EXPECT_EQ(Selected(list), -1);
}

TEST_F(ListBox, SelectingInCodeShowsTheItemButTellsNoOne) {
    HWND list = Make(Numbered());
    EXPECT_EQ(Send(list, LB_SETCURSEL, 12), 12);
    EXPECT_EQ(Selected(list), 12);
    EXPECT_EQ(Top(list), 8) << "scrolled just far enough to show it at the bottom";
    EXPECT_EQ(Send(list, LB_SETCURSEL, 3), 3);
    EXPECT_EQ(Top(list), 3);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 20), LB_ERR);
    EXPECT_EQ(Selected(list), -1) << "a bad index selects nothing";
    EXPECT_TRUE(Codes(list).empty());

    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(list, SB_VERT, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 19);
    EXPECT_EQ(info.nPage, 5u);
    SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Top(list), 8);
    SendMessageA(list, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Top(list), 15) << "the last item at the bottom, no further";
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 15);
}

TEST_F(ListBox, KeysAndTypedLettersMoveTheSelectionAndNotifyEachChange) {
    HWND list = Make({"Alpha", "beta", "Gamma", "alphabet", "Delta", "Echo", "Foxtrot"});
    SetFocus(list);
    presenter.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(Selected(list), 0) << "from none, the first";
    presenter.PressKey(VK_END);
    Pump();
    EXPECT_EQ(Selected(list), 6);
    EXPECT_EQ(Top(list), 2);
    presenter.PressKey(VK_DOWN);  // already at the end: no change, no notification
    presenter.PressKey(VK_PRIOR);
    Pump();
    EXPECT_EQ(Selected(list), 2) << "a page is one item less than the rows shown";
    presenter.TypeText("a");
    Pump();
    EXPECT_EQ(Selected(list), 3) << "the next item with that letter";
    presenter.TypeText("A");
    Pump();
    EXPECT_EQ(Selected(list), 0) << "round to the start";
    presenter.PressKey(VK_HOME);  // already there
    Pump();
    EXPECT_EQ(Codes(list), (std::vector<WORD>(5, LBN_SELCHANGE)));
}

TEST_F(ListBox, ClicksSelectDoubleClicksNotifyAndDraggingPastTheEndScrollsOneItemAtATime) {
    HWND list = Make(Numbered());
    presenter.Click(AtItem(list, 2));
    Pump();
    EXPECT_EQ(Selected(list), 2);
    EXPECT_EQ(GetFocus(), list);
    presenter.Click(AtItem(list, 2));
    Pump();
    EXPECT_EQ(Codes(list), (std::vector<WORD>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK}))
        << "every click tells; the second is a double click";

    presenter.MoveMouse(AtItem(list, 0));
    presenter.ButtonDown();
    Pump();
    Script({[&] { presenter.MoveMouse(At(list, 5, 200)); }, [&] { presenter.MoveMouse(At(list, 5, 201)); }});
    EXPECT_EQ(Selected(list), 6) << "the last row shown, then one further";
    EXPECT_EQ(Top(list), 2);
    presenter.ButtonUp();
    Pump();
    EXPECT_EQ(GetCapture(), nullptr);

    HWND quiet = Make({"one", "two"}, 0, 120);
    presenter.Click(AtItem(quiet, 1));
    Pump();
    EXPECT_EQ(Selected(quiet), 1);
    EXPECT_TRUE(Codes(quiet).empty()) << "no LBS_NOTIFY, no notifications";
}

TEST_F(ListBox, AnOwnerDrawnListAsksItsParentForTheHeightAndToDrawEachItemShown) {
    std::vector<DRAWITEMSTRUCT> drawn;
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_MEASUREITEM) reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 20;
        if (message == WM_DRAWITEM) drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return std::nullopt;
    };
    HWND list = Make(Numbered(), LBS_NOTIFY | LBS_OWNERDRAWFIXED);
    EXPECT_EQ(Send(list, LB_GETITEMHEIGHT), 20);
    Send(list, LB_SETITEMDATA, 1, 5);
    Send(list, LB_SETCURSEL, 1);
    drawn.clear();
    InvalidateRect(list, nullptr, TRUE);
    Pump();
    ASSERT_EQ(drawn.size(), 4u) << "three whole rows of 20 and the part of a fourth in 65 pixels";
    EXPECT_EQ(drawn[1].itemID, 1u);
    EXPECT_EQ(drawn[1].itemData, 5u);
    EXPECT_EQ(drawn[1].itemState, ODS_SELECTED);
    EXPECT_EQ(drawn[1].rcItem.top, 20);
    EXPECT_EQ(drawn[2].itemState, 0u);
    EXPECT_EQ(drawn[0].CtlType, ODT_LISTBOX);
}

}  // namespace
}  // namespace uitest
