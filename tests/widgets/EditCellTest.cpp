// Cells edited in place: the one editor made over the active cell, typing, the commit on Return,
// Tab and the focus leaving, Escape dropping the changes, the arrow keys at the ends of the text,
// pastes folded into one line, the character and length limits, and the editor handed to the frame
// to be destroyed.

#include <gtest/gtest.h>

#include <string>

#include "TableTestSupport.h"
#include "framework/TAppl.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Styles.h"
#include "widgets/SingleLineEditCell.h"

namespace {

using namespace tabletest;

class EditCellTest : public TableTest {
protected:
    // Each row: a plain text cell, an edit cell, a cell of at most 3 characters and one of digits.
    void SetUp() override {
        TableTest::SetUp();
        table = AddTable(0);
        for (int r = 0; r < 4; ++r) {
            auto* row = new TRow(table, 4, kRowSelectable);
            row->AddCell(new TextCell(CellName(r, 0).c_str(), 60, 22, kCellSelectable, nullptr, 0, 0));
            row->AddCell(new SingleLineEditCell(r == 3 ? "locked" : "alpha", 120, 22,
                                                kCellSelectable | (r == 3 ? kCellReadOnly : 0), nullptr, 0, 0));
            row->AddCell(new MaxCharEditCell("ab", 60, 22, 3));
            row->AddCell(new LimitEditCell("12", 60, 22, "0123456789"));
            table->AddRow(row, false);
        }
        Show();
    }
    void Edit(int row, int column) {
        table->SelectCell(table->GetRow(row), Cell(table, row, column), kRevealLeave, kRevealLeave, false);
        Run();
    }
    std::string Editor() const { return SingleLineEditCell::EditorText(); }
    void TypeText(const char* text) {
        presenter.TypeText(text);
        Run();
    }

    TTable* table = nullptr;
};

TEST_F(EditCellTest, TheActiveCellGetsTheEditorWithItsTextSelected) {
    Edit(0, 1);
    auto* cell = static_cast<SingleLineEditCell*>(Cell(table, 0, 1));
    ASSERT_EQ(table->GetActiveCell(), cell);
    const HWND editor = cell->GetEditWindow();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(SingleLineEditCell::GetCurrent(), cell);
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(GetParent(editor), window->GetHWnd()) << "a child of the window the table draws in";
    EXPECT_EQ(Editor(), "alpha");
    EXPECT_TRUE(cell->HasSelection()) << "all of it selected";
    EXPECT_TRUE(cell->CanCut());
    EXPECT_TRUE(table->CanCopy()) << "the table's edit commands are the cell's";
    EXPECT_TRUE(cell->HasFlags(kCellActive));
}

TEST_F(EditCellTest, ReturnCommitsAndTheFrameDestroysTheEditor) {
    Edit(0, 1);
    const HWND editor = SingleLineEditCell::GetEditorWindow();
    TypeText("beta");
    EXPECT_EQ(Editor(), "beta");
    EXPECT_EQ(TextOf(Cell(table, 0, 1)), "alpha") << "nothing reaches the cell before the commit";
    Press(VK_RETURN);
    EXPECT_EQ(TextOf(Cell(table, 0, 1)), "beta");
    EXPECT_EQ(SingleLineEditCell::GetSavedText(), "alpha") << "the text from before the commit";
    EXPECT_EQ(table->GetActiveCell(), nullptr);
    EXPECT_EQ(SingleLineEditCell::GetCurrent(), nullptr);
    EXPECT_FALSE(IsWindow(editor)) << "handed to the frame, which destroyed it";
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"beta"})) << "the cell stays selected";
    Press(VK_RETURN);
    EXPECT_EQ(table->GetActiveCell(), Cell(table, 0, 1)) << "Return edits it again";
}

TEST_F(EditCellTest, EscapeDropsWhatWasTyped) {
    Edit(1, 1);
    TypeText("gamma");
    Press(VK_ESCAPE);
    EXPECT_EQ(TextOf(Cell(table, 1, 1)), "alpha");
    EXPECT_EQ(table->GetActiveCell(), nullptr);
}

TEST_F(EditCellTest, TabCommitsAndEditsTheNextCell) {
    Edit(0, 1);
    TypeText("delta");
    Press(VK_TAB);
    EXPECT_EQ(TextOf(Cell(table, 0, 1)), "delta");
    EXPECT_EQ(table->GetActiveCell(), Cell(table, 0, 2));
    EXPECT_EQ(Editor(), "ab");
}

TEST_F(EditCellTest, LosingTheFocusCommits) {
    const ShortRect place = ShortRect::MakeLTRB(10, 260, 200, 290);
    TTable* other = window->Add<TTable>(std::uint16_t{0}, std::uint16_t{0}, &place, std::uint16_t{0}, RGBColor(0));
    other->Open(window->list->IndexOf(other));
    Edit(2, 1);
    TypeText("epsilon");
    SetFocus(other->GetHWnd());
    Run();
    EXPECT_EQ(TextOf(Cell(table, 2, 1)), "epsilon");
    EXPECT_EQ(table->GetActiveCell(), nullptr);
}

TEST_F(EditCellTest, LeftAndRightAtTheEndsOfTheTextMoveToTheNeighbours) {
    Edit(0, 1);
    Press(VK_LEFT);
    EXPECT_EQ(table->GetActiveCell(), Cell(table, 0, 1)) << "with all of it selected, Left only goes to the start";
    std::int32_t start = -1, end = -1;
    SingleLineEditCell::GetEditorSelection(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    Press(VK_RIGHT);
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c0"})) << "at the start, Left leaves for the cell before";
    Edit(0, 1);
    Press(VK_END);
    Press(VK_RIGHT);
    EXPECT_EQ(table->GetActiveCell(), Cell(table, 0, 2)) << "at the end, Right leaves for the cell after";
}

TEST_F(EditCellTest, APasteArrivesAsOneLine) {
    Edit(0, 1);
    ASSERT_TRUE(detail::PutClipboardText(window->GetHWnd(), "one\r\ntwo\nthree"));
    EXPECT_TRUE(table->CanPaste());
    table->Paste();
    Run();
    EXPECT_EQ(Editor(), "one two three") << "the pasted text replaced the selection";
    std::int32_t start = -1, end = -1;
    SingleLineEditCell::GetEditorSelection(start, end);
    EXPECT_EQ(start, 13) << "the caret after the paste";
}

TEST_F(EditCellTest, TheLengthLimitRefusesCharactersUnlessSomethingIsSelected) {
    Edit(0, 2);
    Press(VK_END);
    TypeText("c");
    EXPECT_EQ(Editor(), "abc");
    const unsigned long bells = Bells();
    TypeText("d");
    EXPECT_EQ(Editor(), "abc");
    EXPECT_EQ(Bells(), bells + 1);
    Press(VK_LEFT, {VK_SHIFT});
    TypeText("x");
    EXPECT_EQ(Editor(), "abx") << "a selected character is replaced";
    Press(VK_BACK);
    EXPECT_EQ(Editor(), "ab") << "Backspace always passes";
    ASSERT_TRUE(detail::PutClipboardText(window->GetHWnd(), "123456"));
    table->Paste();
    Run();
    EXPECT_EQ(Editor(), "ab1") << "a paste is cut to the room left";
}

TEST_F(EditCellTest, TheCharacterLimitTakesOnlyItsCharacters) {
    Edit(0, 3);
    Press(VK_END);
    const unsigned long bells = Bells();
    TypeText("a 5");
    EXPECT_EQ(Editor(), "125");
    EXPECT_EQ(Bells(), bells + 2) << "the letter and the space refused";
    TypeText("\xB1");
    EXPECT_EQ(Editor(), "125") << "an 8-bit character is no digit";
    Press(VK_LEFT);
    EXPECT_EQ(table->GetActiveCell(), Cell(table, 0, 3)) << "the arrows pass";
    ASSERT_TRUE(detail::PutClipboardText(window->GetHWnd(), "x7y8"));
    Press(VK_END);
    table->Paste();
    Run();
    EXPECT_EQ(Editor(), "12578") << "only the allowed characters of a paste";
}

TEST_F(EditCellTest, AReadOnlyCellShowsItsTextWithoutTakingChanges) {
    Edit(3, 1);
    const HWND editor = SingleLineEditCell::GetEditorWindow();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(editor, GWL_STYLE) & ES_READONLY);
    TypeText("x");
    EXPECT_EQ(Editor(), "locked");
    EXPECT_FALSE(table->CanCut());
    EXPECT_FALSE(table->CanPaste());
    EXPECT_TRUE(table->CanCopy());
}

TEST_F(EditCellTest, ALongTextIsCommittedWhole) {
    Edit(1, 1);
    const std::string text(600, 'w');
    SendMessageA(SingleLineEditCell::GetEditorWindow(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Press(VK_RETURN);
    EXPECT_EQ(TextOf(Cell(table, 1, 1)), text);
}

TEST_F(EditCellTest, WithoutAnEditorTheCellKeepsItsText) {
    // A table with no window: no editor can be made over its cells.
    TTable loose(nullptr, 0, 0, nullptr, 0, RGBColor(0));
    auto* row = new TRow(&loose, 1, kRowSelectable);
    auto* cell = new SingleLineEditCell("keep me", 80, 20, kCellSelectable, nullptr, 0, 0);
    row->AddCell(cell);
    loose.AddRow(row, false);
    loose.SelectCell(row, cell, kRevealLeave, kRevealLeave, false);
    ASSERT_EQ(loose.GetActiveCell(), cell);
    EXPECT_EQ(cell->GetEditWindow(), nullptr);
    EXPECT_FALSE(cell->HasSelection());
    EXPECT_FALSE(cell->CanCopy());
    loose.ClearSelection();
    EXPECT_EQ(TextOf(cell), "keep me");
    EXPECT_FALSE(cell->HasFlags(kCellActive));
}

TEST_F(EditCellTest, TheCellLeavesTheTablesKeysToTheTable) {
    Edit(0, 1);
    auto* cell = static_cast<SingleLineEditCell*>(Cell(table, 0, 1));
    const HWND editor = cell->GetEditWindow();
    for (UINT key : {VK_UP, VK_DOWN, VK_NEXT}) {
        KeyEvent event(editor, WM_KEYDOWN, key, 0);
        EXPECT_FALSE(cell->HandleKey(event)) << key;
    }
    for (char character : {'\x1B', '\r', '\t'}) {
        KeyEvent event(editor, WM_CHAR, static_cast<WPARAM>(character), 0);
        EXPECT_FALSE(cell->HandleKey(event)) << int{character};
    }
    KeyEvent letter(editor, WM_CHAR, 'q', 0);
    EXPECT_TRUE(cell->HandleKey(letter));
    EXPECT_EQ(Editor(), "q");
}

}  // namespace
