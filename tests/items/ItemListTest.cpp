// The item list's questions about its items: the tab order, which item lies under a point, which
// has a class and id; and the control's value and title rules.

#include <gtest/gtest.h>

#include "framework/graphics/FontMapping.h"
#include "items/Cluster.h"
#include "items/ItemClasses.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "items/TControl.h"

namespace {

class ItemListQuestions : public ::testing::Test {
protected:
    ItemList list{nullptr};

    // A control takes the focus while it is enabled and shown; a static text never does.
    TItem* Control(std::uint16_t flags = 0, ShortRect bounds = {}) {
        auto* item = new TControl(&list, "", 0, &bounds, flags, RGBColor(0), 0, 0);
        list.Append(item);
        return item;
    }
    TItem* Text(ShortRect bounds = {}) {
        auto* item = new StatText(&list, &bounds, "t", 0, RGBColor(0), nullptr, 0);
        list.Append(item);
        return item;
    }
};

TEST_F(ItemListQuestions, TabStopsWrapRoundTheListAndNeverAnswerTheStart) {
    Text();
    Control();
    Control(TItem::kDisabled);
    Control();
    Text();
    EXPECT_EQ(list.FindFirstTabStop(), 1);
    EXPECT_EQ(list.NextTabStop(1, true), 3);
    EXPECT_EQ(list.NextTabStop(3, true), 1);
    EXPECT_EQ(list.NextTabStop(1, false), 3);
    EXPECT_EQ(list.NextTabStop(4, true), 1);
    EXPECT_EQ(list.NextTabStop(0, false), 3);
    // Without a focus: the first (or, backward, the last) tab stop.
    EXPECT_EQ(list.NextTabStop(-1, true), 1);
    EXPECT_EQ(list.NextTabStop(-1, false), 3);
    EXPECT_EQ(list.NextTabStop(-100, true), 1);
}

TEST_F(ItemListQuestions, TheOnlyTabStopKeepsTheFocusAndAListWithoutOneEnds) {
    EXPECT_EQ(list.NextTabStop(-1, true), -1);
    Text();
    Control();
    Text();
    EXPECT_EQ(list.NextTabStop(1, true), -1);
    EXPECT_EQ(list.NextTabStop(1, false), -1);
    list.ItemAt(1)->SetFlags(TItem::kHidden);
    EXPECT_EQ(list.FindFirstTabStop(), -1);
    // From no focus, and from an index outside the list, the walk ends after one round.
    EXPECT_EQ(list.NextTabStop(-1, true), -1);
    EXPECT_EQ(list.NextTabStop(-100, false), -1);
    EXPECT_EQ(list.NextTabStop(7, true), -1);
}

TEST_F(ItemListQuestions, ItemHitsSkipHiddenItemsAndClustersAndTheFirstOverlapWins) {
    const ShortRect all = ShortRect::MakeLTRB(0, 0, 100, 100);
    list.Append(new Cluster(&list, &all, 0, RGBColor(0), "Group", 0, 12, 0, 0, 0, 1));
    Control(TItem::kHidden, ShortRect::MakeLTRB(10, 10, 50, 50));
    Text(ShortRect::MakeLTRB(20, 20, 60, 60));
    Control(0, ShortRect::MakeLTRB(30, 30, 70, 70));
    EXPECT_EQ(list.FindItemAt(ShortPoint{15, 15}), -1);
    EXPECT_EQ(list.FindItemAt(ShortPoint{35, 35}), 2);
    EXPECT_EQ(list.FindItemAt(ShortPoint{65, 65}), 3);
    // Right and bottom lie outside.
    EXPECT_EQ(list.FindItemAt(ShortPoint{70, 50}), -1);
    EXPECT_EQ(list.FindItemAt(ShortPoint{69, 69}), 3);
}

TEST_F(ItemListQuestions, ItemsAreFoundByClassIncludingSubclassesAndId) {
    Text()->SetItemId(4);
    auto* button = new PushBtn(&list, "B", 0, nullptr, 0, RGBColor(0), 0, 0, 0, 12, 0, 0);
    button->SetItemId(4);
    list.Append(button);
    EXPECT_EQ(list.FindIndexByClassAndId(TControl::kClassId, 4), 1);
    EXPECT_EQ(list.FindItemByClassAndId(StatText::kClassId, 4), list.ItemAt(0));
    EXPECT_EQ(list.FindIndexByClassAndId(TItem::kClassId, 4), 0);
    EXPECT_EQ(list.FindIndexByClassAndId(PushBtn::kClassId, 5), -1);
    EXPECT_EQ(list.IndexOf(button), 1);
}

TEST_F(ItemListQuestions, TheIteratorWalksWithinTheCountItTook) {
    Text();
    Text();
    ItemListIterator it(&list);
    EXPECT_FALSE(it.IsValid());
    it.Next();
    EXPECT_EQ(it.Current(), list.ItemAt(0));
    it.Next();
    it.Next();
    it.Next();
    EXPECT_EQ(it.Index(), 2);
    EXPECT_EQ(it.Current(), nullptr);
    it.Prev();
    EXPECT_EQ(it.Current(), list.ItemAt(1));
    ItemListIterator other(&list, 1);
    EXPECT_TRUE(it == other);
    for (int i = 0; i < 4; ++i) it.Prev();
    EXPECT_EQ(it.Index(), -1);
}

TEST(Control, TheValueIsLimitedWhenSetAndTheLimitsAreNotReapplied) {
    TControl control(nullptr, "x", 0, nullptr, 0, RGBColor(0), 0, 0);
    control.SetValue(5, false);
    EXPECT_EQ(control.GetValue(), 1);
    control.SetValue(-3, false);
    EXPECT_EQ(control.GetValue(), 0);
    control.SetValue(1, false);
    control.SetMax(0, false);
    EXPECT_EQ(control.GetValue(), 1);
    control.SetValue(7, false);
    EXPECT_EQ(control.GetValue(), 0);
}

TEST(Control, TheFirstAmpersandMarksTheMnemonicAndSetTitleKeepsIt) {
    TControl control(nullptr, "&Save", 0, nullptr, 0, RGBColor(0), 0, 0);
    EXPECT_STREQ(control.GetTitle().CStr(), "Save");
    EXPECT_EQ(control.GetMnemonic(), 0);
    TControl late(nullptr, "Sa&ve", 0, nullptr, 0, RGBColor(0), 0, 0);
    EXPECT_EQ(late.GetMnemonic(), 2);
    late.SetTitle("&Open");
    EXPECT_STREQ(late.GetTitle().CStr(), "&Open");
    late.SetTitle(nullptr);
    EXPECT_STREQ(late.GetTitle().CStr(), "");
}

}  // namespace

namespace {

TEST(ItemMakers, TheFrameworksDialogsMakeRealTextsAndButtonsWithTheirTextAndFont) {
    InstallItemClasses();
    ItemList list(nullptr);
    win::LOGFONTA serif;
    MakeLogFont(serif, 2, 14, kStyleItalic);
    const ShortRect bounds = ShortRect::MakeLTRB(5, 6, 105, 26);
    auto* text = dynamic_cast<StatText*>(MakeItem(StatText::kClassId, list, bounds, "Saving", serif));
    auto* button = dynamic_cast<PushBtn*>(MakeItem(PushBtn::kClassId, list, bounds, "&Stop", serif));
    ASSERT_TRUE(text && button);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemAt(1), button);
    EXPECT_EQ(text->GetItemList(), &list);
    EXPECT_EQ(text->Bounds(), bounds);
    char copied[4];
    text->CopyText(copied, sizeof copied);
    EXPECT_STREQ(copied, "Sav") << "cut to the buffer";
    win::LOGFONTA font;
    text->GetFont(font);
    EXPECT_TRUE(LogFontsEqual(font, serif));
    EXPECT_STREQ(button->GetTitle().CStr(), "Stop");
    EXPECT_EQ(button->GetMnemonic(), 0);
    EXPECT_TRUE(LogFontsEqual(button->GetLogFont(), serif));
    EXPECT_EQ(button->GetCommand(), PushBtn::kNoCommand);
}

}  // namespace
