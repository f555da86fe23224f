// The report page's header and footer codes as the writer puts them in: the pattern typed into its
// field, a code clicked in the popup beside it. A code that fills the pattern exactly to its 99
// characters goes in; one that would go past them is refused whole; the pattern is kept as shown,
// the characters the story's texts escape included.

#include <gtest/gtest.h>

#include <string>

#include "PreferencesWindowFixture.h"
#include "app/ReportPrefArea.h"
#include "items/EditView.h"
#include "support/PopupClicks.h"
#include "widgets/Popup.h"

namespace apptest {
namespace {

// The rows of the code popups.
constexpr int kAuthorRow = 0;
constexpr int kPageNumberRow = 2;
constexpr int kRightRow = 9;

class ReportCodeClicks : public PrefsWindowTest {
protected:
    PrefsWindow* window = nullptr;
    ReportPrefArea* page = nullptr;

    void SetUp() override {
        PrefsWindowTest::SetUp();
        window = OpenPreferences(kCmdReportOptions);
        page = PageOf<ReportPrefArea>(window);
        ASSERT_NE(page, nullptr);
    }
    // The field's text replaced by the text, typed.
    void TypeInto(EditView& field, const std::string& text) {
        Click(field);
        presenter.PressKey(VK_END);
        PressWith(VK_SHIFT, VK_HOME);
        presenter.PressKey(VK_DELETE);
        presenter.TypeText(text);
        Run();
    }
    void PickCode(Popup& codes, int row) {
        ASSERT_TRUE(testsupport::ClickPopupEntry(presenter, codes, row, [this] { Run(); }));
    }
};

TEST_F(ReportCodeClicks, ACodeThatFillsThePatternExactlyGoesInAndOneThatWouldPassItDoesNot) {
    const std::string typed(ReportPrefArea::kPatternLength - 2, 'h');
    TypeInto(*page->GetHeaderField(), typed);
    ASSERT_EQ(page->GetHeaderField()->GetText(), typed);
    PickCode(*page->GetHeaderCodes(), kPageNumberRow);
    EXPECT_EQ(page->GetHeaderField()->GetText(), typed + "^P") << "99 characters: it fits";
    PickCode(*page->GetHeaderCodes(), kAuthorRow);
    EXPECT_EQ(page->GetHeaderField()->GetText(), typed + "^P") << "a 100th character is refused";

    const std::string footer(ReportPrefArea::kPatternLength - 3, 'f');
    TypeInto(*page->GetFooterField(), footer);
    PickCode(*page->GetFooterCodes(), kRightRow);
    EXPECT_EQ(page->GetFooterField()->GetText(), footer + "^>");
    PickCode(*page->GetFooterCodes(), kRightRow);
    EXPECT_EQ(page->GetFooterField()->GetText(), footer + "^>") << "no part of a code";

    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(Prefs().GetReportHeader(), typed + "^P") << "kept whole";
    EXPECT_EQ(Prefs().GetReportFooter(), footer + "^>");
}

// A header and a footer typed with the characters the story's texts keep escaped (a slash, braces,
// a backslash, a degree sign) are kept as typed, as the report pages print them, and shown again
// as typed when the page opens anew.
TEST_F(ReportCodeClicks, APatternIsKeptAsTypedWhateverItsCharacters) {
    const std::string header = "Act 1/2 {draft} ^T";
    const std::string footer = "C:\\notes 20\xB0" "1 ^P";
    TypeInto(*page->GetHeaderField(), header);
    TypeInto(*page->GetFooterField(), footer);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(Prefs().GetReportHeader(), header);
    EXPECT_EQ(Prefs().GetReportFooter(), footer);
    Choose(window, PrefsWindow::kReportPage);
    page = PageOf<ReportPrefArea>(window);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetHeaderField()->GetText(), header);
}

}  // namespace
}  // namespace apptest
