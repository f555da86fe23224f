#include <gtest/gtest.h>

#include "platform/ui/EditText.h"

namespace {

using win::detail::EditText;

EditText Holding(std::string text, int anchor, int caret) {
    EditText edit;
    edit.Reset(std::move(text));
    edit.Select(anchor, caret);
    return edit;
}

TEST(EditText, PositionsNeverSplitALineBreak) {
    EditText edit = Holding("ab\r\ncd", 3, 3);
    EXPECT_EQ(edit.Caret(), 2) << "between CR and LF is before the CR";
    EXPECT_EQ(edit.After(2), 4) << "a line break is one step";
    EXPECT_EQ(edit.Before(4), 2);
    EXPECT_EQ(edit.Before(0), 0);
    EXPECT_EQ(edit.After(6), 6);
    edit.Select(-5, 99);
    EXPECT_EQ(edit.Anchor(), 0);
    EXPECT_EQ(edit.Caret(), 6);
}

TEST(EditText, WordsAreRunsBetweenBlanksAndLineBreaks) {
    const EditText edit = Holding("one  two\tthree\r\nfour", 0, 0);
    EXPECT_EQ(edit.NextWord(0), 5) << "past the word and the blanks after it";
    EXPECT_EQ(edit.NextWord(5), 9);
    EXPECT_EQ(edit.NextWord(9), 14) << "a word stops at the line break";
    EXPECT_EQ(edit.NextWord(14), 16) << "which is a step of its own";
    EXPECT_EQ(edit.PreviousWord(16), 14);
    EXPECT_EQ(edit.PreviousWord(14), 9);
    EXPECT_EQ(edit.PreviousWord(7), 5) << "inside a word: its start";
    EXPECT_EQ(edit.PreviousWord(5), 0);
    EXPECT_EQ(edit.WordAt(6), (std::pair<int, int>{5, 9})) << "the word with its blank";
    EXPECT_EQ(edit.WordAt(3), (std::pair<int, int>{3, 5})) << "on blanks: the blanks";
    EXPECT_EQ(edit.WordAt(17), (std::pair<int, int>{16, 20}));
}

TEST(EditText, TypingIsUndoneAsOneStepAndUndoingTwiceRedoes) {
    EditText edit = Holding("Hello world", 6, 11);
    for (char c : std::string("there")) edit.Replace(std::string(1, c), true, true);
    EXPECT_EQ(edit.Text(), "Hello there");
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(edit.Text(), "Hello world");
    EXPECT_EQ(edit.SelectionStart(), 6) << "what came back is selected";
    EXPECT_EQ(edit.SelectionEnd(), 11);
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(edit.Text(), "Hello there");
    edit.Select(0, 0);
    edit.Replace("X", true, true);
    edit.Select(3, 3);
    edit.Replace("Y", true, true);
    edit.Undo();
    EXPECT_EQ(edit.Text(), "XHello there") << "typing elsewhere starts a new step";
    edit.Replace("!", false);
    EXPECT_FALSE(edit.CanUndo()) << "an insertion that cannot be undone empties the undo";
}

TEST(EditText, InsertionsAreCutToTheLimitButNotWholeTexts) {
    EditText edit;
    edit.SetLimit(5);
    edit.Reset("toolongalready");
    EXPECT_EQ(edit.Length(), 14) << "a whole text is not cut";
    edit.Reset("abc");
    edit.Select(3, 3);
    EditText::Replacement result = edit.Replace("defg", true);
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(result.cut);
    EXPECT_EQ(edit.Text(), "abcde");
    result = edit.Replace("x", true);
    EXPECT_FALSE(result.changed);
    EXPECT_TRUE(result.cut);
    edit.Select(0, 5);
    edit.Replace("12\r\n45", true);
    EXPECT_EQ(edit.Text(), "12\r\n4") << "exactly at the limit";
    edit.Select(0, 5);
    edit.Replace("1234\r\n", true);
    EXPECT_EQ(edit.Text(), "1234") << "no half line break is left";
    EXPECT_TRUE(edit.Modified());
}

}  // namespace
