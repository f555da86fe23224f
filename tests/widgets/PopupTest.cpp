// The popup choice control: its geometry, its items in either holder (stored without a window, in
// the menu with one) and what survives a window's going, picks by mouse and key for single choices
// and multiple checks, typeface lists, and its record read by the item factory.

#include "widgets/Popup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "foundation/ByteStream.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"

namespace widgetstest {
namespace {

class PopupTest : public WidgetTest {
protected:
    Popup* Make(const ShortRect& bounds, std::uint16_t style = 0, const char* title = "") {
        return window->Add<Popup>(&bounds, title, 0, RGBColor(0), style);
    }
    Popup* Opened(std::uint16_t style = 0, std::vector<const char*> texts = {"Red", "Green", "Blue"}) {
        Popup* popup = Make(ShortRect::MakeLTRB(20, 30, 220, 50), style);
        for (const char* text : texts) popup->AddItem(text);
        window->Open();
        Run();
        return popup;
    }
    std::string Text(const Popup* popup, int index) const {
        char buffer[200];
        popup->GetItemText(buffer, index, sizeof buffer);
        return buffer;
    }
    // A pick of the row by mouse: the box pressed, the row clicked in the menu that opens.
    void Pick(const Popup* popup, int row) {
        Then([this, popup, row] {
            const RECT open = OpenMenuRect();
            const int height = static_cast<int>(popup->GetMenu()->GetEntryHeight());
            presenter.Click(POINT{open.left + 30, open.top + 3 + row * height + height / 2});
        });
        presenter.Click(Inside(popup, 120, 5));
        Run();
    }
    static std::vector<std::uint8_t> Flattened(Popup& popup) {
        ByteStream out;
        EXPECT_EQ(popup.WriteTo(out), kNoErr);
        EXPECT_EQ(static_cast<std::size_t>(popup.GetFlattenedSize()), out.Bytes().size());
        return out.Bytes();
    }
};

TEST_F(PopupTest, BoundsGetAStandardHeightAndTheBoxStartsAfterTheTitle) {
    EXPECT_EQ(Make(ShortRect::MakeLTRB(10, 10, 100, 20))->Bounds().bottom, 28);
    EXPECT_EQ(Make(ShortRect::MakeLTRB(10, 40, 100, 51))->Bounds().bottom, 51);
    Popup* untitled = Make(ShortRect::MakeLTRB(10, 60, 200, 80));
    Popup* titled = Make(ShortRect::MakeLTRB(10, 90, 200, 110), 0, "Colour:");
    window->Open();
    Run();
    EXPECT_EQ(untitled->GetTitleWidth(), 0);
    EXPECT_EQ(untitled->GetBoxRect(), ShortRect::MakeLTRB(10, 60, 199, 79));
    ASSERT_GT(titled->GetTitleWidth(), 3);
    EXPECT_EQ(titled->GetBoxRect().left, 10 + titled->GetTitleWidth());
    titled->SetTitle(nullptr);
    EXPECT_EQ(titled->GetTitleWidth(), 0);
    EXPECT_STREQ(titled->GetTitle().CStr(), "");
}

TEST_F(PopupTest, ItemsAreAddedAndRemovedInEitherHolder) {
    Popup* popup = Make(ShortRect::MakeLTRB(20, 30, 220, 50), Popup::kMultiCheck);
    EXPECT_EQ(popup->AddItem("One"), 0);
    EXPECT_EQ(popup->AddItem(nullptr), 0) << "nothing added";
    for (const char* text : {"Two", "Three", "Four"}) popup->AddItem(text);
    EXPECT_EQ(popup->GetItemCount(), 4);
    EXPECT_EQ(popup->GetStoredTexts().Count(), 4);
    EXPECT_EQ(popup->FindItem("Two"), -1) << "only a menu finds texts";
    popup->CheckItem(3);
    popup->DisableItem(2);
    // Items above a removed one keep their check and disabled state.
    popup->RemoveItems(1, 1);
    EXPECT_EQ(Text(popup, 1), "Three");
    EXPECT_EQ(popup->GetCheckedList().GetAt(0), 2);
    window->Open();
    Run();
    EXPECT_EQ(popup->GetItemCount(), 3);
    EXPECT_EQ(popup->GetStoredTexts().Count(), 0) << "the menu holds them now";
    EXPECT_FALSE(popup->IsItemEnabled(1));
    EXPECT_TRUE(popup->GetMenu()->IsItemChecked(2));
    EXPECT_EQ(popup->FindItem("Four"), 2);

    popup->RemoveItems(0, popup->GetItemCount() - 1);
    EXPECT_EQ(popup->GetItemCount(), 0);
    EXPECT_EQ(popup->GetValue(), -1);
    EXPECT_EQ(popup->GetMenu()->GetItemCount(), 0);
    EXPECT_EQ(popup->GetCheckedList().Count(), 0);
}

TEST_F(PopupTest, TextsDisabledItemsAndChecksSurviveTheWindow) {
    Popup* popup = Opened(Popup::kMultiCheck, {"A", "B", "C", "D"});
    popup->AddItem("E");
    popup->DisableItem(1);
    popup->SetValue(3, false);
    popup->GetMenu()->CheckItem(0);
    popup->Close();
    EXPECT_FALSE(popup->HasWindow());
    EXPECT_EQ(popup->GetItemCount(), 5);
    EXPECT_EQ(Text(popup, 4), "E");
    EXPECT_EQ(popup->GetValue(), 3);
    popup->Open(window->list->IndexOf(popup));
    ASSERT_TRUE(popup->GetMenu());
    EXPECT_EQ(popup->GetMenu()->GetItemCount(), 5);
    EXPECT_FALSE(popup->IsItemEnabled(1));
    EXPECT_TRUE(popup->IsItemEnabled(2));
    LList checked;
    ASSERT_NE(popup->GetCheckedItems(checked), nullptr);
    ASSERT_EQ(checked.Count(), 2);
    EXPECT_EQ(checked.GetAt(0), 0);
    EXPECT_EQ(checked.GetAt(1), 3);
}

TEST_F(PopupTest, APickByMouseBecomesTheValueAndIsReportedEvenWhenUnchanged) {
    Popup* popup = Opened();
    Pick(popup, 2);
    EXPECT_EQ(popup->GetValue(), 2);
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0});
    EXPECT_TRUE(popup->GetMenu()->IsItemChecked(2));
    Pick(popup, 2);
    EXPECT_EQ(popup->GetValue(), 2);
    EXPECT_EQ(window->hits.size(), 2u);
    popup->DisableItem(0);
    Pick(popup, 0);
    EXPECT_EQ(popup->GetValue(), 2) << "a disabled item is not taken";
    EXPECT_EQ(window->hits.size(), 2u);
}

TEST_F(PopupTest, AMultiCheckPickTogglesTheCheckAndTheValue) {
    Popup* popup = Opened(Popup::kMultiCheck);
    Pick(popup, 1);
    EXPECT_EQ(popup->GetValue(), 1);
    EXPECT_TRUE(popup->GetMenu()->IsItemChecked(1));
    Pick(popup, 2);
    Pick(popup, 1);
    EXPECT_EQ(popup->GetValue(), -1);
    EXPECT_FALSE(popup->GetMenu()->IsItemChecked(1));
    EXPECT_EQ(window->hits.size(), 3u);
    LList checked;
    checked.Append(7);
    popup->GetCheckedItems(checked);
    ASSERT_EQ(checked.Count(), 2);
    EXPECT_EQ(checked.GetAt(1), 2) << "appended to what the list held";

    LList wanted;
    wanted.Append(0);
    wanted.Append(1);
    popup->SetCheckedItems(wanted);
    EXPECT_TRUE(popup->GetMenu()->IsItemChecked(0));
    EXPECT_FALSE(popup->GetMenu()->IsItemChecked(2));
    EXPECT_EQ(popup->ToggleChecked(0), 0);
    EXPECT_EQ(popup->ToggleChecked(0), 1);

    Popup* single = Make(ShortRect::MakeLTRB(20, 80, 220, 100));
    LList untouched;
    EXPECT_EQ(single->GetCheckedItems(untouched), nullptr);
}

TEST_F(PopupTest, UpAndDownOpenTheMenuOnceAndAKeyPicks) {
    Popup* popup = Opened();
    popup->SetValue(0, true);
    SetFocus(popup->GetHWnd());
    Run();
    bool secondOpened = true;
    Then([&] {
        KeyEvent again(popup->GetHWnd(), WM_KEYDOWN, VK_DOWN, 0);
        secondOpened = popup->HandleKey(again);
        EXPECT_TRUE(popup->IsMenuShowing());
        EXPECT_EQ(popup->GetMenu()->GetOpenDelay(), ScrollingMenu::kKeyScrollDelay);
        presenter.PressKey(VK_DOWN);
        presenter.PressKey(VK_DOWN);
    });
    Then([&] { presenter.PressKey(VK_RETURN); });
    Type(VK_DOWN);
    EXPECT_FALSE(secondOpened);
    EXPECT_FALSE(popup->IsMenuShowing());
    EXPECT_EQ(popup->GetValue(), 1);
    KeyEvent other(popup->GetHWnd(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_FALSE(popup->HandleKey(other));
}

TEST_F(PopupTest, ValuesOutsideTheItemsAreRefused) {
    Popup* popup = Opened();
    popup->SetValue(1, false);
    popup->SetValue(3, false);
    popup->SetValue(-2, false);
    EXPECT_EQ(popup->GetValue(), 1);
    popup->SelectByText("Blue", false);
    EXPECT_EQ(popup->GetValue(), 2);
    popup->SelectByText("Purple", false);
    EXPECT_EQ(popup->GetValue(), 2);
    popup->SetValue(-1, false);
    EXPECT_EQ(popup->GetMenu()->GetCheckedIndex(), -1);
}

TEST_F(PopupTest, TheDisplayTextIsCutTo127Characters) {
    Popup* popup = Opened();
    const std::string longText(200, 'x');
    popup->SetDisplayText(longText.c_str());
    EXPECT_EQ(std::strlen(popup->GetDisplayText()), 127u);
    popup->SetDisplayText(nullptr);
    EXPECT_EQ(popup->GetDisplayText(), nullptr);
}

TEST_F(PopupTest, ATypefaceListHoldsThePrintersFacesAndStoresNone) {
    Popup* popup = Opened(Popup::kTypefaceList, {});
    EXPECT_GT(popup->GetItemCount(), 0);
    char first[128];
    popup->GetItemText(first, 0);
    EXPECT_GT(std::strlen(first), 0u);
    const std::vector<std::uint8_t> bytes = Flattened(*popup);
    Popup plain(window->list, nullptr, "", 0, RGBColor(0), Popup::kTypefaceList);
    EXPECT_EQ(bytes.size(), Flattened(plain).size()) << "no count and no texts";
    EXPECT_EQ(plain.GetFlattenedSize(),
              TControl(window->list, "", 0, nullptr, 0, RGBColor(0), 0, 0).GetFlattenedSize() + 13);
}

TEST_F(PopupTest, RecordsReadBackAsWrittenAndOutOfRangeFieldsAreMended) {
    const ShortRect bounds = ShortRect::MakeLTRB(5, 6, 150, 26);
    StrList texts;
    for (const char* text : {"North", "South"}) texts.Append(new String(text));
    Popup original(window->list, &bounds, "Way:", 0, RGBColor(0), Popup::kTextIndent, &texts, 3, 10, 1, -7);
    original.SetValue(1, false);
    std::vector<std::uint8_t> bytes = Flattened(original);
    ErrCode error = kNoErr;
    {
        ByteStream in(bytes);
        Popup copy(window->list, in, &error);
        EXPECT_EQ(error, kNoErr);
        EXPECT_EQ(copy.GetItemCount(), 2);
        EXPECT_EQ(copy.GetValue(), 1);
        EXPECT_EQ(copy.GetTriState(), -1);
        EXPECT_EQ(copy.GetStyle(), Popup::kTextIndent);
        EXPECT_EQ(Flattened(copy).size(), bytes.size());
    }
    // The value and the count follow the control's part; a value below -1 reads as -1 and a negative
    // count as 0.
    // Each text is its length, five characters and a NUL.
    const std::size_t valueAt = bytes.size() - 2 * (2 + 6) - 4 - 5 - 2 - 4;
    auto patched = [&](std::size_t at, std::int32_t value) {
        std::vector<std::uint8_t> changed = bytes;
        for (int i = 0; i < 4; ++i) changed[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
        return changed;
    };
    {
        ByteStream in(patched(valueAt, -5));
        Popup copy(window->list, in, &error);
        EXPECT_EQ(copy.GetValue(), -1);
    }
    {
        std::vector<std::uint8_t> negative = patched(valueAt + 4 + 2 + 5, -3);
        negative.resize(valueAt + 4 + 2 + 5 + 4);
        ByteStream in(negative);
        Popup copy(window->list, in, &error);
        EXPECT_EQ(error, kNoErr);
        EXPECT_EQ(copy.GetItemCount(), 0);
        EXPECT_EQ(copy.GetValue(), -1);
    }
    {
        // A text without characters is left out, and the value must still name an item.
        Popup withEmpty(window->list, &bounds, "", 0, RGBColor(0));
        withEmpty.AddItem("Only");
        withEmpty.AddItem("");
        withEmpty.SetValue(1, false);
        ByteStream in(Flattened(withEmpty));
        Popup copy(window->list, in, &error);
        EXPECT_EQ(copy.GetItemCount(), 1);
        EXPECT_EQ(copy.GetValue(), -1);
    }
    {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 3);
        ByteStream in(cut);
        Popup copy(window->list, in, &error);
        EXPECT_NE(error, kNoErr);
        EXPECT_EQ(copy.GetItemCount(), 0) << "a failed read leaves the control empty";
    }
}

TEST_F(PopupTest, TheItemFactoryMakesPopupsOfItemLists) {
    StrList texts;
    texts.Append(new String("Male"));
    texts.Append(new String("Female"));
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 100, 20);
    Popup original(window->list, &bounds, "Gender", 0, RGBColor(0), 0, &texts);
    original.SetValue(1, false);
    ByteStream stream;
    ASSERT_EQ(stream.WriteLong(Popup::kClassId), kNoErr);
    ASSERT_EQ(original.WriteTo(stream), kNoErr);
    ByteStream in(stream.Bytes());
    std::int32_t id = 0;
    ASSERT_EQ(in.ReadLong(id), kNoErr);
    ErrCode error = -1;
    std::unique_ptr<TObject> made(
        ItemObjectFactory(in, id, &error, reinterpret_cast<std::uintptr_t>(window->list)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(error, kNoErr);
    ASSERT_TRUE(made->IsKindOf(Popup::kClassId));
    auto* popup = static_cast<Popup*>(made.get());
    EXPECT_EQ(popup->GetValue(), 1);
    EXPECT_STREQ(popup->GetTitle().CStr(), "Gender");
}

}  // namespace
}  // namespace widgetstest
