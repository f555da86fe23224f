// Items in a window, driven by injected keys and clicks: the tab order and the focus, focus rings,
// item cursors, item hits, each button kind's states, keys and command ids; the program's dialogs
// read from the data file; an item whose window cannot be made; an item's dialog-template entry.

#include <cstring>

#include "AppItemsFixture.h"
#include "framework/TDialog.h"
#include "framework/graphics/CursorManager.h"
#include "items/CheckBox.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "items/StatText.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Styles.h"

namespace itemstest {
namespace {

// A drawn item that takes the focus: its ring shows around it while it has the focus.
class FocusItem : public TItem {
public:
    FocusItem(ItemList* list, const ShortRect& bounds) : TItem(list, &bounds, 0, RGBColor(0)) {}
    bool TakesFocus() const override { return IsEnabled() && !HasFlags(kHidden); }
};

ShortRect RectAt(int left, int top, int width = 80, int height = 20) {
    return ShortRect::MakeLTRB(left, top, left + width, top + height);
}

PushBtn* Push(ItemTestWindow& window, int top, const char* title, std::uint16_t flags = 0) {
    const ShortRect bounds = RectAt(10, top);
    return window.Add<PushBtn>(title, 0, &bounds, flags, RGBColor(0), 0, 0, 0, 12, 0, 0);
}

template <typename Button>
Button* Toggle(ItemTestWindow& window, int top, std::uint16_t flags = 0) {
    const ShortRect bounds = RectAt(10, top, 120);
    return window.Add<Button>("choice", 0, &bounds, flags, RGBColor(0), 0, 0, 0, 12, 0, 0);
}

StatText* LabelAt(ItemTestWindow& window, int top) {
    const ShortRect bounds = RectAt(150, top, 100);
    return window.Add<StatText>(&bounds, "label", 0, RGBColor(0), nullptr, 0);
}

bool Checked(const TItem* button) {
    return SendMessageA(button->GetHWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

using ItemWindow = AppItemsTest;

TEST_F(ItemWindow, TabWalksTheItemsThatTakeTheFocusRoundTheListAndShiftTabWalksBack) {
    LabelAt(*window, 10);
    PushBtn* first = Push(*window, 10, "First");
    Toggle<CheckBox>(*window, 40, TItem::kDisabled);
    RadioBtn* radio = Toggle<RadioBtn>(*window, 70);
    Push(*window, 100, "Hidden", TItem::kHidden);
    CheckBox* last = Toggle<CheckBox>(*window, 130);
    window->Open();
    Run();
    EXPECT_EQ(window->GetFocusItem(), 1) << "the first tab stop";
    EXPECT_EQ(Focused(), first->GetHWnd());

    Type(VK_TAB);
    EXPECT_EQ(window->GetFocusItem(), 3) << "the disabled check box is passed over";
    EXPECT_EQ(Focused(), radio->GetHWnd());
    Type(VK_TAB);
    EXPECT_EQ(Focused(), last->GetHWnd()) << "the hidden button is passed over";
    Type(VK_TAB);
    EXPECT_EQ(Focused(), first->GetHWnd()) << "round to the first";
    Type(VK_TAB, true);
    EXPECT_EQ(window->GetFocusItem(), 5);
    EXPECT_EQ(Focused(), last->GetHWnd());
    EXPECT_TRUE(window->hits.empty()) << "Tab hits nothing";
}

TEST_F(ItemWindow, ADisabledItemNeitherTakesTheFocusNorPassesItsFocusOn) {
    Push(*window, 10, "First");
    FocusItem* item = window->Add<FocusItem>(RectAt(10, 40));
    window->Open();
    Run();
    // A window procedure under the item's own, counting what reaches it.
    static int reached = 0;
    item->Unsubclass();
    SetWindowLongPtrA(item->GetHWnd(), GWL_WNDPROC,
                      reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                          if (m == WM_SETFOCUS) ++reached;
                          return DefWindowProcA(w, m, wp, lp);
                      }));
    item->Subclass();

    item->Enable(false);
    reached = 0;
    SendMessageA(item->GetHWnd(), WM_SETFOCUS, 0, 0);
    EXPECT_EQ(window->GetFocusItem(), 0);
    EXPECT_FALSE(item->HasFlags(TItem::kFocusRingShown));
    EXPECT_EQ(reached, 0) << "the previous procedure is not called";

    item->Enable(true);
    SendMessageA(item->GetHWnd(), WM_SETFOCUS, 0, 0);
    EXPECT_EQ(window->GetFocusItem(), 1);
    EXPECT_TRUE(item->HasFlags(TItem::kFocusRingShown));
    EXPECT_EQ(reached, 1);
}

TEST_F(ItemWindow, TheFocusRingShowsAroundTheFocusItemAndGoesWithTheFocus) {
    Push(*window, 10, "First");
    FocusItem* item = window->Add<FocusItem>(RectAt(40, 60));
    window->Open();
    Run();
    // The ring is drawn just outside the item, on the window's own background.
    const POINT corner = OnScreen(item->Bounds().left - 1, item->Bounds().top - 1);
    const COLORREF plain = presenter.PixelAt(corner.x, corner.y);
    Type(VK_TAB);
    ASSERT_EQ(Focused(), item->GetHWnd());
    EXPECT_TRUE(item->HasFlags(TItem::kFocusRingShown));
    EXPECT_NE(presenter.PixelAt(corner.x, corner.y), plain);
    item->ShowFocusRing();
    EXPECT_NE(presenter.PixelAt(corner.x, corner.y), plain) << "shown twice, drawn once";
    Type(VK_TAB);
    EXPECT_FALSE(item->HasFlags(TItem::kFocusRingShown));
    EXPECT_EQ(presenter.PixelAt(corner.x, corner.y), plain);
    item->HideFocusRing();
    EXPECT_EQ(presenter.PixelAt(corner.x, corner.y), plain) << "no ring, nothing to take away";
}

TEST_F(ItemWindow, AnItemShowsTheCursorOfTheRegionUnderTheMouseAndItsDefaultElsewhere) {
    FocusItem* item = window->Add<FocusItem>(RectAt(20, 20, 200, 100));
    item->AddCursorRegion(RectAt(20, 20, 50, 100), kCrossCursor);
    window->Open();
    Run();
    // The cursor is set before each move reaches the item, which then forgets the cursor it set.
    presenter.MoveMouse(Inside(item, 10, 10));
    Run();
    EXPECT_EQ(environment.GetCurrentCursorId(), kCrossCursor);
    EXPECT_EQ(item->GetCurrentCursor(), -1);
    presenter.MoveMouse(Inside(item, 120, 10));
    Run();
    EXPECT_EQ(environment.GetCurrentCursorId(), 0);
    presenter.MoveMouse(Inside(item, 12, 50));
    Run();
    EXPECT_EQ(environment.GetCurrentCursorId(), kCrossCursor);
}

TEST_F(ItemWindow, AClickOnAPushButtonOrATextIsAHitOfItsIndexAndAReleaseOutsideIsNone) {
    LabelAt(*window, 10);
    PushBtn* plain = Push(*window, 40, "Plain");
    PushBtn* command = Push(*window, 70, "Command");
    command->SetCommand(1279);
    window->Open();
    Run();

    Click(Inside(plain));
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{1});
    EXPECT_EQ(plain->GetValue(), 1) << "a hit toggles the value";
    EXPECT_TRUE(application->createdCommands.empty()) << "1000 is no command";

    Click(Inside(command));
    EXPECT_EQ(window->hits, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(application->createdCommands, std::vector<std::int32_t>{1279}) << "run as a menu would";

    presenter.MoveMouse(Inside(plain));
    presenter.ButtonDown();
    presenter.MoveMouse(OnScreen(250, 300));
    presenter.ButtonUp();
    Run();
    EXPECT_EQ(window->hits.size(), 2u) << "released outside the button";
    EXPECT_EQ(plain->GetValue(), 1);

    Click(Inside(window->list->ItemAt(0)));
    EXPECT_EQ(window->hits.back(), 0) << "a click on a text is its hit";
}

TEST_F(ItemWindow, SpaceReturnAndEnterPressAPushButtonOnceWhateverTheRepeats) {
    PushBtn* button = Push(*window, 10, "Press");
    window->Open();
    Run();
    ASSERT_EQ(Focused(), button->GetHWnd());
    presenter.KeyDown(VK_SPACE);
    presenter.KeyDown(VK_SPACE);
    presenter.KeyDown(VK_SPACE);
    presenter.KeyUp(VK_SPACE);
    Run();
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0}) << "auto-repeats do nothing";
    Type(VK_RETURN);
    EXPECT_EQ(window->hits.size(), 2u);
    EXPECT_EQ(button->GetValue(), 0) << "toggled twice";
    EXPECT_EQ(SendMessageA(button->GetHWnd(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0)
        << "released after the flash";
}

TEST_F(ItemWindow, ACheckBoxTogglesOnClicksAndSpaceAndShowsItsValue) {
    CheckBox* box = Toggle<CheckBox>(*window, 10);
    box->SetValue(1, false);
    window->Open();
    Run();
    EXPECT_TRUE(Checked(box)) << "a new window shows the stored value";
    Click(Inside(box));
    EXPECT_EQ(box->GetValue(), 0);
    EXPECT_FALSE(Checked(box));
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0});
    Type(VK_SPACE);
    EXPECT_EQ(box->GetValue(), 1);
    EXPECT_TRUE(Checked(box));
    EXPECT_EQ(window->hits.size(), 2u) << "the key's release is the hit";
    presenter.KeyDown(VK_CONTROL);
    Type(VK_SPACE);
    presenter.KeyUp(VK_CONTROL);
    Run();
    EXPECT_EQ(window->hits.size(), 2u) << "not with Ctrl held";
}

TEST_F(ItemWindow, ARadioButtonSelectsItselfWithinItsRunOnly) {
    RadioBtn* a0 = Toggle<RadioBtn>(*window, 10);
    RadioBtn* a1 = Toggle<RadioBtn>(*window, 35);
    LabelAt(*window, 60);
    RadioBtn* b0 = Toggle<RadioBtn>(*window, 85);
    RadioBtn* b1 = Toggle<RadioBtn>(*window, 110);
    a0->SetValue(1, false);
    b1->SetValue(1, false);
    window->Open();
    Run();

    Click(Inside(a1));
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{1});
    EXPECT_EQ(a0->GetValue(), 0);
    EXPECT_FALSE(Checked(a0));
    EXPECT_TRUE(Checked(a1));
    EXPECT_EQ(b1->GetValue(), 1) << "a run ends at any other item";

    Click(Inside(a1));
    EXPECT_EQ(window->hits.size(), 1u) << "the selected button is no hit";
    EXPECT_EQ(a1->GetValue(), 1);

    Click(Inside(b0));
    EXPECT_EQ(b0->GetValue(), 1);
    EXPECT_EQ(b1->GetValue(), 0);
    EXPECT_EQ(a1->GetValue(), 1);
}

TEST_F(ItemWindow, OutsideDialogsTheArrowsMoveToTheNextEnabledRadioButtonRoundTheList) {
    RadioBtn* first = Toggle<RadioBtn>(*window, 10);
    Toggle<RadioBtn>(*window, 35, TItem::kDisabled);
    LabelAt(*window, 60);
    RadioBtn* middle = Toggle<RadioBtn>(*window, 85);
    RadioBtn* last = Toggle<RadioBtn>(*window, 110);
    last->SetValue(1, false);
    window->Open();
    Run();
    window->SetFocusItem(4, false);
    Run();

    Type(VK_RIGHT);
    EXPECT_EQ(window->GetFocusItem(), 0) << "past the end to the first, in another run";
    EXPECT_EQ(Focused(), first->GetHWnd());
    EXPECT_EQ(first->GetValue(), 1);
    EXPECT_EQ(last->GetValue(), 1) << "the other run keeps its choice";
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0});

    Type(VK_LEFT);
    EXPECT_EQ(window->GetFocusItem(), 4) << "back round the end";
    Type(VK_UP);
    EXPECT_EQ(window->GetFocusItem(), 3) << "passing the text";
    EXPECT_EQ(middle->GetValue(), 1);
    EXPECT_EQ(last->GetValue(), 0);
    Type(VK_UP);
    EXPECT_EQ(window->GetFocusItem(), 0) << "passing the disabled button";
}

TEST_F(ItemWindow, TheProgramsDialogsShowRealItemsFromTheDataFile) {
    for (const std::int16_t id : {130, 133, 134, 1070}) {
        auto* dialog = new TDialog(id, -1, -1);
        ASSERT_EQ(dialog->CreateModeless(), kNoErr) << id;
        Run();
        const auto* items = dynamic_cast<ItemList*>(dialog->GetItemList());
        ASSERT_TRUE(items) << id;
        ASSERT_GT(items->Count(), 0) << id;
        for (std::int32_t i = 0; i < items->Count(); ++i) EXPECT_TRUE(items->ItemAt(i)->HasWindow()) << id;
        const auto* button = dynamic_cast<const PushBtn*>(items->ItemAt(dialog->GetDefaultItem()));
        ASSERT_TRUE(button) << id;
        EXPECT_TRUE(button->IsDefault()) << id;
        EXPECT_EQ(GetWindowLongPtrA(button->GetHWnd(), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON) << id;
        delete dialog;
    }
}

TEST_F(ItemWindow, AnItemWhoseWindowCannotBeMadeStaysUnopened) {
    struct Unmade : FocusItem {
        using FocusItem::FocusItem;
        const char* GetClassName() const override { return "NoSuchWindowClass"; }
    };
    Unmade* item = window->Add<Unmade>(RectAt(10, 10));
    PushBtn* after = Push(*window, 40, "After");
    window->Open();
    Run();
    EXPECT_FALSE(item->HasWindow());
    EXPECT_EQ(item->GetGraphEnv(), nullptr) << "not subclassed";
    EXPECT_TRUE(after->HasWindow());
}

TEST_F(ItemWindow, ADialogEntryDescribesTheItemWithItsMnemonicAndTemplateId) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 16, 50, 32);
    auto* button = window->Add<PushBtn>("&Save", 0, &bounds, 0, RGBColor(0), 0, 0, 0, 12, 0, 0);
    std::vector<std::uint8_t> entry(static_cast<std::size_t>(button->DialogItemSize()) + 16, 0xEE);
    std::uint8_t* cursor = entry.data();
    button->WriteDialogItem(&cursor, 2);
    ASSERT_EQ(cursor - entry.data(), button->DialogItemSize());
    const auto field = [&](int i) {
        std::int32_t value;
        std::memcpy(&value, entry.data() + 4 * i, 4);
        return value;
    };
    const LONG units = GetDialogBaseUnits();
    const int across = units & 0xFFFF, down = (units >> 16) & 0xFFFF;
    EXPECT_EQ(field(0), 10 * 4 / across);
    EXPECT_EQ(field(1), 16 * 8 / down);
    EXPECT_EQ(field(2), (40 * 4 + 4) / across);
    EXPECT_EQ(field(3), (16 * 8 + 8) / down);
    EXPECT_EQ(field(4), 3) << "index + 1 in a template";
    const auto style = static_cast<DWORD>(field(5));
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP), WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    const char* text = reinterpret_cast<const char*>(entry.data() + 24);
    EXPECT_STREQ(text, "BUTTON");
    text += 7;
    EXPECT_STREQ(text, "&Save") << "the mnemonic back in place";
    const std::uint8_t* data = reinterpret_cast<const std::uint8_t*>(text) + 6;
    ASSERT_EQ(data[0], sizeof(TItem*));
    TItem* described = nullptr;
    std::memcpy(&described, data + 1, sizeof described);
    EXPECT_EQ(described, button);
}

}  // namespace
}  // namespace itemstest
