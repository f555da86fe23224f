// Two stories open, each with its preferences window, both showing the program's own settings: what
// the writer changes in one window is kept when the other, left as it was, is closed after it, on
// each page that holds such settings; a change made in the second window is kept beside it, and the
// report columns stay each story's own.

#include <gtest/gtest.h>

#include <string>

#include "PreferencesWindowFixture.h"
#include "app/FQSPrefArea.h"
#include "app/GeneralPrefArea.h"
#include "app/ReportPrefArea.h"
#include "app/TermPrefArea.h"
#include "foundation/pfm/PText.h"
#include "framework/AutoSaveManager.h"
#include "items/CheckBox.h"
#include "items/EditView.h"
#include "items/RadioBtn.h"
#include "storymodel/engine/Vocabulary.h"
#include "widgets/Popup.h"

namespace apptest {
namespace {

class TwoPreferencesWindows : public PrefsWindowTest {
protected:
    FKDoc* other = nullptr;
    PrefsWindow* first = nullptr;
    PrefsWindow* second = nullptr;

    void SetUp() override {
        PrefsWindowTest::SetUp();
        PreferencesManager::SetPrefShort(General(), "MultiStories", 1);
        other = NewStory();
        Run();
        ASSERT_EQ(application->GetDocumentCount(), 2);
    }
    // The preferences window of each story, opened by the command with the story in front, both at
    // the page.
    void OpenBoth(std::int16_t page) {
        first = OpenFor(story);
        second = OpenFor(other);
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        ASSERT_NE(first, second);
        Choose(first, page);
        Choose(second, page);
    }
    PrefsWindow* OpenFor(FKDoc* owner) {
        application->SelectWindow(owner->GetFrontEndWindow());
        Run();
        EXPECT_EQ(application->HandleCommand(kCmdPreferences), kNoErr);
        Run();
        return dynamic_cast<PrefsWindow*>(owner->GetPrefsWindow());
    }
    void Close(PrefsWindow* window) {
        ASSERT_TRUE(application->CloseWindow(window, false));
        Run();
    }
    static std::int16_t ColumnsOf(FKDoc* owner) {
        std::int16_t value = kAbsent;
        owner->GetInfoRecord().GetEntry("NumCols", 's', &value);
        return value;
    }
};

TEST_F(TwoPreferencesWindows, GeneralOptionsChangedInOneAreKeptWhenTheOtherCloses) {
    OpenBoth(PrefsWindow::kGeneralPage);
    GeneralPrefArea* changed = PageOf<GeneralPrefArea>(first);
    ASSERT_NE(changed, nullptr);
    changed->GetFastSaveBox()->SetValue(1, true);
    changed->GetMinutesField()->SetText("5", 1);
    changed->GetGenderPopup()->SetValue(2, true);
    Close(first);
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 5);

    // The other window still shows what it was opened with; the writer changes only the notes.
    GeneralPrefArea* left = PageOf<GeneralPrefArea>(second);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->GetMinutesField()->GetText(), "30");
    left->GetNotesPopup()->SetValue(1, true);
    Close(second);
    EXPECT_EQ(Stored(General(), "FastSave"), 1);
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 5);
    EXPECT_EQ(Stored(General(), "DefGender"), 2);
    EXPECT_EQ(Stored(General(), "NotesOpt"), 1) << "the second window's own change is kept too";
    EXPECT_EQ(application->GetAutoSaveManager()->GetInterval(), 5u * 3600u)
        << "the timer follows what is kept";

    // Opened again, a page shows what is kept and stores a change made there as before.
    first = OpenFor(story);
    GeneralPrefArea* again = PageOf<GeneralPrefArea>(first);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetMinutesField()->GetText(), "5");
    again->GetMinutesField()->SetText("30", 1);
    Close(first);
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 30);
}

TEST_F(TwoPreferencesWindows, QueryAndTermOptionsChangedInOneAreKeptWhenTheOtherCloses) {
    OpenBoth(PrefsWindow::kQuerySystemPage);
    FQSPrefArea* query = PageOf<FQSPrefArea>(first);
    ASSERT_NE(query, nullptr);
    query->GetAdvancePopup()->SetValue(0, true);
    query->GetAutoCloseBox()->SetValue(0, true);
    Close(first);
    Close(second);
    EXPECT_EQ(Stored(Query(), "RetAdv"), 1);
    EXPECT_EQ(Stored(Query(), "AutoClose"), 0);

    OpenBoth(PrefsWindow::kTerminologyPage);
    TermPrefArea* terms = PageOf<TermPrefArea>(second);
    ASSERT_NE(terms, nullptr);
    terms->GetOriginalButton()->SetValue(1, true);
    terms->GetLaymanButton()->SetValue(0, true);
    Close(second);
    ASSERT_EQ(UseOriginalTerms(), 1);
    Close(first);
    EXPECT_EQ(Stored(Query(), "OrigTerms"), 1);
    EXPECT_EQ(UseOriginalTerms(), 1) << "the vocabulary stays as chosen";
}

TEST_F(TwoPreferencesWindows, TheHeaderIsKeptAndTheColumnsStayEachStorysOwn) {
    OpenBoth(PrefsWindow::kReportPage);
    ReportPrefArea* changed = PageOf<ReportPrefArea>(first);
    ASSERT_NE(changed, nullptr);
    changed->GetHeaderField()->SetText("^T draft", 1);
    changed->GetColumnsPopup()->SetValue(2, true);
    Close(first);
    Close(second);
    EXPECT_EQ(Prefs().GetReportHeader(), "^T draft");
    EXPECT_EQ(ColumnsOf(story), 3);
    EXPECT_EQ(ColumnsOf(other), 1);
}

}  // namespace
}  // namespace apptest
