// Cells drawn as controls: check boxes of two and three states, buttons that act only when let go
// over them, radio choices, and the colour picker; each by the mouse and by the Space key.

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "platform/ui/Prompts.h"
#include "widgets/ControlCells.h"

namespace {

using namespace tabletest;

class CountingButton : public ButtonCell {
public:
    CountingButton() : ButtonCell(ShortRect::MakeLTRB(0, 0, 80, 24), "Go", nullptr) {}
    void Pressed() override { ++presses; }
    int presses = 0;
};

class NotingCheck : public CheckCell {
public:
    NotingCheck(bool triState, std::uint16_t clearFlags = 0)
        : CheckCell(ShortRect::MakeLTRB(0, 0, 100, 20), "Check", nullptr, 7, 0, 0, triState) {
        ClearFlags(clearFlags);
    }
    void ValueChanged(std::int32_t value) override { values.push_back(value); }
    std::vector<std::int32_t> values;
};

class NotingRadio : public RadioCell {
public:
    NotingRadio(const StrList& titles, std::int16_t pitch)
        : RadioCell(ShortRect::MakeLTRB(0, 0, 150, 20), titles, pitch, nullptr) {}
    void SelectionChanged() override { ++changes; }
    int changes = 0;
};

class NotingPicker : public ColorPickerCell {
public:
    NotingPicker() : ColorPickerCell(ShortRect::MakeLTRB(0, 0, 40, 20), RGBColor(0x1000, 0x2000, 0x3000)) {}
    void ColorChanged(const RGBColor& color) override { colors.push_back(color); }
    std::vector<RGBColor> colors;
};

StrList Titles(std::initializer_list<const char*> titles) {
    StrList list;
    for (const char* title : titles) list.Append(new String(title));
    return list;
}

class ControlCellsTest : public TableTest {
protected:
    // One row holding the cell, after a text cell.
    template <typename Cell>
    Cell* Put(Cell* cell) {
        TTable* table = AddTable(0);
        auto* row = new TRow(table, 2, kRowSelectable);
        row->AddCell(new TextCell("before", 60, 20, kCellSelectable, nullptr, 0, 0));
        row->AddCell(cell);
        table->AddRow(row, false);
        Show();
        table_ = table;
        return cell;
    }
    POINT InCell(TCell* cell, int dx, int dy) { return OnCell(cell, dx, dy); }
    TTable* table_ = nullptr;
};

TEST_F(ControlCellsTest, ATwoStateCheckAlternatesAndATriStateOneCycles) {
    NotingCheck* check = Put(new NotingCheck(false));
    EXPECT_EQ(check->GetClassId(), 138);
    EXPECT_TRUE(check->IsKindOf(kCellClassId));
    for (int i = 0; i < 3; ++i) ClickWith(InCell(check, 10, 10), {}), presenter.Advance(2000);
    EXPECT_EQ(check->values, (std::vector<std::int32_t>{1, 0, 1}));
    EXPECT_EQ(table_->GetActiveCell(), check) << "a selectable check box goes on to be selected";
    NotingCheck three(true);
    std::vector<std::int32_t> cycle;
    for (int i = 0; i < 4; ++i) {
        cycle.push_back(three.NextValue());
        KeyEvent space(nullptr, WM_CHAR, ' ', 0);
        EXPECT_TRUE(three.HandleKey(space));
    }
    EXPECT_EQ(cycle, (std::vector<std::int32_t>{1, 2, 0, 1}));
    EXPECT_EQ(three.values, (std::vector<std::int32_t>{1, 2, 0, 1}));
}

TEST_F(ControlCellsTest, AClickBesideTheBoxOrOnADisabledCheckChangesNothing) {
    NotingCheck* check = Put(new NotingCheck(false, kCellSelectable));
    ClickWith(InCell(check, 80, 10), {});
    EXPECT_TRUE(check->values.empty());
    EXPECT_TRUE(Selected(*table_).empty()) << "an unselectable check box consumes its clicks";
    check->SetEnabled(false, true);
    presenter.Advance(2000);
    ClickWith(InCell(check, 10, 10), {});
    EXPECT_TRUE(check->values.empty());
    KeyEvent space(nullptr, WM_CHAR, ' ', 0);
    EXPECT_FALSE(check->HandleKey(space));
}

TEST_F(ControlCellsTest, AButtonActsOnlyWhenLetGoOverIt) {
    CountingButton* button = Put(new CountingButton);
    Script({[&] { presenter.MoveMouse(OnScreen(5, 280)); }, [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(InCell(button, 20, 10));
    presenter.ButtonDown();
    Run();
    EXPECT_EQ(button->presses, 0) << "released outside";
    EXPECT_FALSE(button->IsPressed());
    bool pressedWhileHeld = false;
    Script({[] {}, [&] { pressedWhileHeld = button->IsPressed(); }, [&] { presenter.ButtonUp(); }});
    presenter.Advance(2000);
    presenter.MoveMouse(InCell(button, 20, 10));
    presenter.ButtonDown();
    Run();
    EXPECT_TRUE(pressedWhileHeld) << "drawn pressed while the pointer is over it";
    EXPECT_EQ(button->presses, 1);
    ASSERT_EQ(table_->GetActiveCell(), button);
    Press(VK_SPACE);
    EXPECT_EQ(button->presses, 2) << "Space presses the active button";
}

TEST_F(ControlCellsTest, ARadioCellTakesTheChoiceClicked) {
    NotingRadio* radio = Put(new NotingRadio(Titles({"One", "Two", "Three"}), 50));
    EXPECT_EQ(radio->CountChoices(), 3);
    ClickWith(InCell(radio, 110, 10), {});
    EXPECT_EQ(radio->GetSelected(), 2);
    EXPECT_EQ(radio->changes, 1);
    Press(VK_SPACE);
    EXPECT_EQ(radio->GetSelected(), 0) << "Space: the next choice, round to the first";
    radio->SetChoiceState(1, true);
    EXPECT_EQ(radio->GetSelected(), 1);
    radio->SetChoiceState(2, false);
    EXPECT_EQ(radio->GetSelected(), 1) << "turning off a choice that is not selected";
    radio->SetChoiceState(1, false);
    EXPECT_EQ(radio->GetSelected(), 2);
}

TEST_F(ControlCellsTest, ARadioCellIgnoresClicksPastItsChoicesOrWithoutPitch) {
    NotingRadio* radio = Put(new NotingRadio(Titles({"One", "Two"}), 50));
    ClickWith(InCell(radio, 120, 10), {});
    EXPECT_EQ(radio->GetSelected(), 0) << "right of the last choice";
    EXPECT_EQ(radio->changes, 0);
    NotingRadio flat(Titles({"One", "Two"}), 0);
    EXPECT_EQ(flat.ChoiceAt(30, ShortRect::MakeLTRB(0, 0, 100, 20)), -1) << "no pitch: no choice, no division";
}

TEST_F(ControlCellsTest, TheColourPickerOpensTheChooserOnSpaceAndDoubleClick) {
    NotingPicker* picker = Put(new NotingPicker);
    ClickWith(InCell(picker, 10, 10), {});
    ASSERT_EQ(table_->GetActiveCell(), picker);
    presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "FF"});
    Press(VK_SPACE);
    ASSERT_EQ(picker->colors.size(), 1u);
    EXPECT_EQ(picker->GetColor(), RGBColor(0xFF00, 0, 0));
    presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{FALSE, {}});
    picker->DoubleClicked(nullptr);
    EXPECT_EQ(picker->colors.size(), 1u) << "cancelled: no change";
}

}  // namespace
