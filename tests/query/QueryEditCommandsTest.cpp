// A query page's field tells the story of every change the writer makes to its text, whatever makes
// it: the Edit menu's Paste, Cut, Clear and Undo mark the story changed, so File > Save writes the
// text; keys that only move the caret or select, and Copy, change nothing and leave the story
// unchanged, so closing it asks nothing.

#include <gtest/gtest.h>

#include "QueryContentFixture.h"
#include "app/StoryCommandIds.h"
#include "items/EditView.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/RecordText.h"

namespace querytest {
namespace {

constexpr std::int16_t kEditedAuthorTopic = 3;
constexpr FourCC kEditedInfoRecord = FourCCOf("SDI4");

class QueryEditCommands : public QueryContentFixture {
protected:
    // A new story saved as "story.fsf", its query window on the author's page, the field focused.
    void OpenAuthorField() {
        Open(kWholeStoryformList);
        Choose("story.fsf");
        ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
        ASSERT_NE(ShowTopic(kEditedAuthorTopic), nullptr);
        ASSERT_GT(window->GetPage()->GetEditViewCount(), 0);
        field = window->GetPage()->GetEditSlot(0).view;
        win::SetFocus(field->GetHWnd());
        Run();
        ASSERT_FALSE(story->IsDirty());
    }
    // The Edit menu's command on the front window, as the menu runs it.
    void Edit(std::int32_t command) {
        ASSERT_TRUE(application->CommandEnabled(command)) << command;
        application->HandleCommand(command);
        Run();
    }
    // File > Save, then the author the file on disk holds.
    std::string SavedAuthor() {
        application->HandleCommand(kCmdSave);
        Run();
        EXPECT_FALSE(story->IsDirty());
        return TextOnDisk(Path("story.fsf"), kEditedInfoRecord, "Author");
    }
    void PressWithin(win::UINT modifier, win::UINT key) {
        if (modifier) presenter.KeyDown(modifier);
        presenter.PressKey(key);
        if (modifier) presenter.KeyUp(modifier);
        Run();
    }

    EditView* field = nullptr;
};

TEST_F(QueryEditCommands, EachEditMenuChangeMarksTheStoryAndSaveWritesIt) {
    OpenAuthorField();
    ASSERT_TRUE(win::detail::PutClipboardText(window->GetHWnd(), "Ann Writer"));
    Edit(kCmdPaste);
    EXPECT_EQ(field->GetText(), "Ann Writer");
    EXPECT_TRUE(story->IsDirty()) << "pasted";
    EXPECT_EQ(SavedAuthor(), "Ann Writer");

    Edit(kCmdSelectAll);
    Edit(kCmdCut);
    EXPECT_EQ(field->GetText(), "");
    EXPECT_TRUE(story->IsDirty()) << "cut";
    EXPECT_NE(SavedAuthor(), "Ann Writer");

    Edit(kCmdUndo);
    EXPECT_EQ(field->GetText(), "Ann Writer");
    EXPECT_TRUE(story->IsDirty()) << "undone";
    EXPECT_EQ(SavedAuthor(), "Ann Writer");

    field->SetSelection(0, 4);
    Edit(kCmdClear);
    EXPECT_EQ(field->GetText(), "Writer");
    EXPECT_TRUE(story->IsDirty()) << "cleared";
    EXPECT_EQ(SavedAuthor(), "Writer");

    // The story opened again holds what was saved last.
    ASSERT_TRUE(application->CloseAll(false));
    story = OpenStory("story.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(RecordText(story->GetInfoRecord(), "Author"), "Writer");
}

TEST_F(QueryEditCommands, MovingTheCaretSelectingAndCopyingLeaveTheStoryUnchanged) {
    OpenAuthorField();
    presenter.TypeText("Ann Writer");
    Run();
    EXPECT_EQ(SavedAuthor(), "Ann Writer");
    for (const win::UINT key : {win::VK_LEFT, win::VK_RIGHT, win::VK_HOME, win::VK_END}) {
        PressWithin(0, key);
        PressWithin(win::VK_SHIFT, key);
        EXPECT_FALSE(story->IsDirty()) << "key " << key;
    }
    Edit(kCmdSelectAll);
    PressWithin(win::VK_CONTROL, 'C');
    Edit(kCmdCopy);
    EXPECT_FALSE(story->IsDirty()) << "copied";
    // Nothing to ask when the story closes.
    Mark();
    ASSERT_TRUE(application->CloseAll(false));
    EXPECT_TRUE(Asked().empty());
}

}  // namespace
}  // namespace querytest
