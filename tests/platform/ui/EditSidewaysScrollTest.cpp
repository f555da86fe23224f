// A multi-line field scrolled only sideways by its horizontal bar: the bar moves, the parent hears of
// it, and the field is painted again, as for a scroll down.

#include <string>

#include "ControlFixture.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ScrollBars.h"

namespace uitest {
namespace {

class EditSidewaysScroll : public ControlTest {
protected:
    // Two long lines in a field far narrower than they are, with both bars.
    HWND Field() {
        const std::string line(200, 'w');
        const std::string text = line + "\r\n" + line;
        HWND edit = Control("EDIT", ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL,
                            RECT{10, 10, 160, 110}, text.c_str());
        SendMessageA(edit, EM_SETSEL, 0, 0);
        Pump();
        g_log.clear();
        g_controlLog.clear();
        return edit;
    }
    std::vector<WORD> Codes() const {
        std::vector<WORD> codes;
        for (auto [code, from] : Notifications()) codes.push_back(code);
        return codes;
    }
};

TEST_F(EditSidewaysScroll, ALineRightMovesTheBarTellsTheParentAndRepaints) {
    HWND edit = Field();
    ASSERT_EQ(GetScrollPos(edit, SB_HORZ), 0);
    SendMessageA(edit, WM_HSCROLL, SB_LINEDOWN, 0);
    Pump();
    EXPECT_GT(GetScrollPos(edit, SB_HORZ), 0);
    EXPECT_EQ(GetScrollPos(edit, SB_VERT), 0) << "sideways only";
    EXPECT_EQ(Codes(), (std::vector<WORD>{EN_HSCROLL}));
    EXPECT_EQ(ControlMessages(edit, {WM_PAINT}).size(), 1u);
}

TEST_F(EditSidewaysScroll, APageRightAndBackReturnsTheBarToTheStart) {
    HWND edit = Field();
    SendMessageA(edit, WM_HSCROLL, SB_PAGEDOWN, 0);
    const int paged = GetScrollPos(edit, SB_HORZ);
    EXPECT_GT(paged, 0);
    SendMessageA(edit, WM_HSCROLL, SB_PAGEUP, 0);
    Pump();
    EXPECT_EQ(GetScrollPos(edit, SB_HORZ), 0);
    EXPECT_EQ(Codes(), (std::vector<WORD>{EN_HSCROLL, EN_HSCROLL}));
    // At the start a line left moves nothing and says nothing.
    g_log.clear();
    g_controlLog.clear();
    SendMessageA(edit, WM_HSCROLL, SB_LINEUP, 0);
    Pump();
    EXPECT_TRUE(Codes().empty());
    EXPECT_TRUE(ControlMessages(edit, {WM_PAINT}).empty());
}

}  // namespace
}  // namespace uitest
