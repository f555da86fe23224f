// Owner-drawn popup items are told how they are to look: greyed, disabled, checked and selected, as
// their menu states say, also after the states change.

#include <map>

#include "UiFixture.h"
#include "platform/ui/Menus.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class OwnerDrawnMenuState : public UiTest {
protected:
    HWND owner = nullptr;
    HMENU menu = CreatePopupMenu();
    IdleScript script{presenter};
    std::vector<DRAWITEMSTRUCT> drawn;

    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{50, 50, 250, 250});
        g_hook = [this](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
            if (window != owner) return std::nullopt;
            if (message == WM_MEASUREITEM) {
                auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                measure->itemWidth = 100;
                measure->itemHeight = 20;
                return TRUE;
            }
            if (message == WM_DRAWITEM) {
                drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            return std::nullopt;
        };
        AppendMenuA(menu, MF_OWNERDRAW, 1000, nullptr);
        AppendMenuA(menu, MF_OWNERDRAW | MF_GRAYED, 1001, nullptr);
        AppendMenuA(menu, MF_OWNERDRAW | MF_DISABLED, 1002, nullptr);
        AppendMenuA(menu, MF_OWNERDRAW | MF_CHECKED, 1003, nullptr);
        Pump();
    }
    // Opens the menu, plays the keys and leaves it with Escape; answers the state each item was
    // last drawn with, by id.
    std::map<UINT, UINT> LastStates(std::vector<UINT> keys) {
        drawn.clear();
        keys.push_back(VK_ESCAPE);
        for (UINT key : keys) script.Then([this, key] { presenter.PressKey(key); });
        TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
        std::map<UINT, UINT> states;
        for (const DRAWITEMSTRUCT& draw : drawn) states[draw.itemID] = draw.itemState;
        return states;
    }
};

TEST_F(OwnerDrawnMenuState, EachItemIsDrawnWithItsMenuState) {
    EXPECT_EQ(LastStates({}), (std::map<UINT, UINT>{
                                  {1000, 0}, {1001, ODS_GRAYED}, {1002, ODS_DISABLED}, {1003, ODS_CHECKED}}));
}

TEST_F(OwnerDrawnMenuState, AGreyedItemSelectedIsDrawnSelectedAndGreyed) {
    const std::map<UINT, UINT> states = LastStates({VK_DOWN, VK_DOWN});
    EXPECT_EQ(states.at(1001), ODS_SELECTED | ODS_GRAYED);
    EXPECT_EQ(states.at(1000), 0u) << "no longer selected";
}

TEST_F(OwnerDrawnMenuState, AStateChangedBetweenOpeningsIsTheOneDrawn) {
    EnableMenuItem(menu, 1000, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, 1001, MF_BYCOMMAND | MF_ENABLED);
    const std::map<UINT, UINT> states = LastStates({});
    EXPECT_EQ(states.at(1000), ODS_GRAYED);
    EXPECT_EQ(states.at(1001), 0u);
}

}  // namespace
}  // namespace uitest
