#include "UiFixture.h"
#include "platform/ui/Menus.h"

namespace uitest {
namespace {

std::string StringOf(HMENU menu, UINT item, UINT flags) {
    char buffer[64];
    GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
    return buffer;
}

class MenuModel : public UiTest {
protected:
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();

    void SetUp() override {
        UiTest::SetUp();
        AppendMenuA(recent, MF_STRING, 301, "One");
        AppendMenuA(recent, MF_STRING, 302, "Two");
        AppendMenuA(file, MF_STRING, 101, "&New\tCtrl+N");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    }
};

TEST_F(MenuModel, ItemsAreFoundByPositionAndByCommandInSubmenusToo) {
    EXPECT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(GetMenuItemID(file, 0), 101u);
    EXPECT_EQ(GetMenuItemID(file, 2), static_cast<UINT>(-1)) << "a popup item has no id";
    EXPECT_EQ(GetMenuItemID(file, 3), static_cast<UINT>(-1));
    EXPECT_EQ(GetSubMenu(file, 2), recent);
    EXPECT_EQ(GetSubMenu(file, 0), nullptr);
    EXPECT_EQ(StringOf(file, 0, MF_BYPOSITION), "&New\tCtrl+N");
    EXPECT_EQ(StringOf(bar, 302, MF_BYCOMMAND), "Two") << "two levels down";

    // Inserting by command goes before that item, in the submenu that holds it.
    ASSERT_TRUE(InsertMenuA(bar, 302, MF_BYCOMMAND | MF_STRING, 310, "Between"));
    EXPECT_EQ(GetMenuItemCount(recent), 3);
    EXPECT_EQ(GetMenuItemID(recent, 1), 310u);
    // By position: past the end appends, -1 appends.
    ASSERT_TRUE(InsertMenuA(file, 99, MF_BYPOSITION | MF_STRING, 104, "Last"));
    EXPECT_EQ(GetMenuItemID(file, 3), 104u);
    ASSERT_TRUE(InsertMenuA(file, 0, MF_BYPOSITION | MF_STRING, 100, "First"));
    EXPECT_EQ(GetMenuItemID(file, 0), 100u);
    EXPECT_FALSE(InsertMenuA(file, 999, MF_BYCOMMAND, 1, "x")) << "no item with that command";
}

TEST_F(MenuModel, StatesAnswerWhatTheyWereAndMinusOneForNoItem) {
    EXPECT_EQ(EnableMenuItem(bar, 301, MF_GRAYED), static_cast<BOOL>(MF_ENABLED));
    EXPECT_EQ(EnableMenuItem(bar, 301, MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(file, 0, MF_BYPOSITION | MF_DISABLED | MF_GRAYED),
              static_cast<BOOL>(MF_ENABLED));
    EXPECT_EQ(GetMenuState(file, 101, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), MF_GRAYED | MF_DISABLED);
    EXPECT_EQ(EnableMenuItem(file, 555, MF_GRAYED), -1);

    EXPECT_EQ(CheckMenuItem(file, 0, MF_BYPOSITION | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(CheckMenuItem(file, 101, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(file, 7, MF_BYPOSITION), static_cast<DWORD>(-1));
    EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), (2u << 8) | MF_POPUP) << "a popup: its item count";
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), MF_SEPARATOR);
}

TEST_F(MenuModel, SubmenusGoWithTheirItemUnlessRemoved) {
    ASSERT_TRUE(RemoveMenu(file, 2, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(recent)) << "RemoveMenu keeps the submenu";
    ASSERT_TRUE(AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "Recent"));
    ASSERT_TRUE(DeleteMenu(file, 2, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(recent)) << "DeleteMenu destroys it";

    HMENU other = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(other), "Other"));
    ASSERT_TRUE(ModifyMenuA(file, 2, MF_BYPOSITION | MF_STRING, 105, "Plain now"));
    EXPECT_FALSE(IsMenu(other)) << "a submenu its item no longer opens is destroyed";
    EXPECT_EQ(GetMenuItemID(file, 2), 105u);
    ASSERT_TRUE(ModifyMenuA(file, 101, MF_BYCOMMAND | MF_STRING, 106, "Renamed"));
    EXPECT_EQ(StringOf(file, 106, MF_BYCOMMAND), "Renamed");

    ASSERT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(file)) << "destroying a menu destroys its submenus";
    EXPECT_FALSE(DestroyMenu(bar));
    EXPECT_EQ(GetMenuItemCount(bar), -1);
    EXPECT_NE(CreateMenu(), bar) << "handles are not reused";
}

TEST_F(MenuModel, AMenuCannotOpenItselfOrAMenuAboveIt) {
    EXPECT_FALSE(AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "Self"));
    EXPECT_FALSE(AppendMenuA(recent, MF_POPUP, reinterpret_cast<UINT_PTR>(bar), "Loop"));
    EXPECT_FALSE(ModifyMenuA(recent, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(file), "Loop"));
    EXPECT_FALSE(AppendMenuA(file, MF_POPUP, 0x1234, "Not a menu"));
    EXPECT_EQ(GetMenuItemCount(recent), 2);
}

TEST_F(MenuModel, TextIsCutToTheBufferAndItsLengthAnsweredWithoutOne) {
    char small[5];
    EXPECT_EQ(GetMenuStringA(file, 101, small, sizeof small, MF_BYCOMMAND), 4);
    EXPECT_STREQ(small, "&New");
    EXPECT_EQ(GetMenuStringA(file, 101, nullptr, 0, MF_BYCOMMAND), 11);
    EXPECT_EQ(GetMenuStringA(file, 1, small, sizeof small, MF_BYPOSITION), 0) << "a separator";
}

TEST_F(MenuModel, AWindowsSystemMenuAndBarGoWithIt) {
    HWND window = Popup(RECT{10, 10, 300, 200}, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU);
    HMENU system = GetSystemMenu(window, FALSE);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(GetSystemMenu(window, FALSE), system) << "one copy per window";
    const std::vector<UINT> ids = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
    ASSERT_EQ(GetMenuItemCount(system), static_cast<int>(ids.size()));
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(GetMenuItemID(system, static_cast<int>(i)), ids[i]);
    EXPECT_EQ(GetSystemMenu(window, TRUE), nullptr);
    EXPECT_FALSE(IsMenu(system)) << "reverting throws the copy away";

    HWND framed = CreateWindowExA(0, kPlain, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                  nullptr, bar, nullptr, nullptr);
    ASSERT_EQ(GetMenu(framed), bar);
    system = GetSystemMenu(framed, FALSE);
    DestroyWindow(framed);
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));
    EXPECT_FALSE(IsMenu(system));
}

TEST_F(MenuModel, DrawingTheBarFailsOnlyForAWindowThatIsGone) {
    HWND framed = CreateWindowExA(0, kPlain, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                  nullptr, bar, nullptr, nullptr);
    EXPECT_TRUE(DrawMenuBar(framed));
    ASSERT_TRUE(DestroyMenu(bar));
    EXPECT_TRUE(DrawMenuBar(framed)) << "its menu destroyed";
    HWND plain = Popup(RECT{10, 10, 100, 100});
    EXPECT_TRUE(DrawMenuBar(plain)) << "no menu at all";
    EXPECT_TRUE(DrawMenuBar(Child(plain, RECT{0, 0, 10, 10}))) << "a child, which has none";
    DestroyWindow(plain);
    EXPECT_FALSE(DrawMenuBar(plain));
    DestroyWindow(framed);
}

}  // namespace
}  // namespace uitest
