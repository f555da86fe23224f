// The four pages of the preferences window: what each shows with no preferences stored, what it
// keeps when it is left (and only then), the values it brings within their ranges, the vocabulary
// switch, the report margins checked against the printer's page with the questions and refusals
// that brings, the header and footer codes, and the throughline colours set in the colour dialog.

#include <gmock/gmock.h>

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
#include "items/printing/PrintRecord.h"
#include "platform/gdi/PrinterDC.h"
#include "platform/sys/Profile.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/Vocabulary.h"
#include "widgets/MultiPaneLayout.h"
#include "widgets/Popup.h"

namespace apptest {
namespace {

using PreferencePages = PrefsWindowTest;

// --- the general page

TEST_F(PreferencePages, TheGeneralPageShowsTheDefaultsWhenNothingIsStored) {
    PrefsWindow* window = OpenPreferences();
    const GeneralPrefArea* page = PageOf<GeneralPrefArea>(window);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetFastSaveBox()->GetValue(), 0);
    EXPECT_EQ(page->GetAutoSaveBox()->GetValue(), 1);
    EXPECT_EQ(page->GetMinutesField()->GetText(), "30");
    EXPECT_EQ(page->GetMultipleStoriesBox()->GetValue(), 0);
    char text[64] = "";
    page->GetPronounPopup()->GetChosenText(text, sizeof text);
    EXPECT_STREQ(text, "She, Her, Hers, Herself");
    EXPECT_EQ(page->GetGenderPopup()->GetValue(), -1) << "no gender chosen";
    EXPECT_EQ(page->GetGenderPopup()->GetItemCount(), 3);
    EXPECT_EQ(page->GetSavePicturesBox()->GetValue(), 0);
    page->GetNotesPopup()->GetChosenText(text, sizeof text);
    EXPECT_STREQ(text, "Replace");

    // Left as it is, the page keeps no gender: new characters take their usual one.
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_FALSE(General()->HasKey("DefGender"));
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 30);
    EXPECT_FALSE(Prefs().HasPronounGender() && Prefs().GetPronounGender() != 1);
}

TEST_F(PreferencePages, TheGeneralPageKeepsItsValuesWhenLeftAndTheAutosaveTimerFollows) {
    PrefsWindow* window = OpenPreferences();
    GeneralPrefArea* page = PageOf<GeneralPrefArea>(window);
    ASSERT_NE(page, nullptr);
    page->GetFastSaveBox()->SetValue(1, true);
    page->GetAutoSaveBox()->SetValue(1, true);
    page->GetMinutesField()->SetText("45", 1);
    page->GetMultipleStoriesBox()->SetValue(1, true);
    page->GetPronounPopup()->SetValue(2, true);
    page->GetGenderPopup()->SetValue(1, true);
    page->GetSavePicturesBox()->SetValue(1, true);
    page->GetNotesPopup()->SetValue(1, true);
    // Choosing the page shown stores nothing.
    window->SelectArea(PrefsWindow::kGeneralPage);
    EXPECT_FALSE(General()->HasKey("FastSave"));

    Choose(window, PrefsWindow::kReportPage);
    EXPECT_EQ(Stored(General(), "FastSave"), 1);
    EXPECT_EQ(Stored(General(), "AutoSave"), 1);
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 45);
    EXPECT_EQ(Stored(General(), "MultiStories"), 1);
    EXPECT_FALSE(application->IsSingleDocument());
    EXPECT_EQ(Stored(General(), "PNounGen"), 2);
    EXPECT_EQ(Prefs().GetPronounGender(), 2);
    EXPECT_EQ(Stored(General(), "DefGender"), 1);
    EXPECT_EQ(Stored(General(), "savePix"), 1);
    EXPECT_EQ(Stored(General(), "NotesOpt"), 1);
    const AutoSaveManager& autoSave = *application->GetAutoSaveManager();
    EXPECT_TRUE(autoSave.IsEnabled());
    EXPECT_EQ(autoSave.GetInterval(), 45u * 3600u) << "minutes in ticks";

    // Shown again, the page shows what was kept; closing the window keeps the changes too.
    Choose(window, PrefsWindow::kGeneralPage);
    page = PageOf<GeneralPrefArea>(window);
    EXPECT_EQ(page->GetMinutesField()->GetText(), "45");
    EXPECT_EQ(page->GetGenderPopup()->GetValue(), 1);
    EXPECT_EQ(page->GetPronounPopup()->GetValue(), 2);
    page->GetAutoSaveBox()->SetValue(0, true);
    page->GetFastSaveBox()->SetValue(0, true);
    ASSERT_TRUE(application->CloseWindow(window, false));
    EXPECT_EQ(Stored(General(), "AutoSave"), 0);
    EXPECT_EQ(Stored(General(), "FastSave"), 0);
    EXPECT_FALSE(autoSave.IsEnabled());
}

TEST_F(PreferencePages, TheMinutesAreKeptWithinTheirRange) {
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("-5"), 0);
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("12abc"), 12) << "the leading digits count";
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("abc"), 0);
    EXPECT_EQ(GeneralPrefArea::ParseMinutes(""), 0);
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("+7"), 7);
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("32767"), 32767);
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("32768"), 32767);
    EXPECT_EQ(GeneralPrefArea::ParseMinutes("99999999999999999999"), 32767) << "no overflow";

    PrefsWindow* window = OpenPreferences();
    GeneralPrefArea* page = PageOf<GeneralPrefArea>(window);
    ASSERT_NE(page, nullptr);
    page->GetMinutesField()->SetText("-5", 1);
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 0);
    EXPECT_EQ(application->GetAutoSaveManager()->GetInterval(), 0u);
    Choose(window, PrefsWindow::kGeneralPage);
    PageOf<GeneralPrefArea>(window)->GetMinutesField()->SetText("1234567", 1);
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(Stored(General(), "AutoSaveMin"), 32767);
}

TEST_F(PreferencePages, StoredChoicesOutsideTheirPopupsAreBroughtWithinThem) {
    PreferencesManager::SetPrefShort(General(), "PNounGen", 7);
    PreferencesManager::SetPrefShort(General(), "DefGender", -4);
    PrefsWindow* window = OpenPreferences();
    const GeneralPrefArea* page = PageOf<GeneralPrefArea>(window);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetPronounPopup()->GetValue(), 2) << "the last item";
    EXPECT_EQ(page->GetGenderPopup()->GetValue(), -1) << "no gender";
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(Stored(General(), "PNounGen"), 2);
    EXPECT_FALSE(General()->HasKey("DefGender")) << "new characters take their usual gender";

    // And at the other ends.
    PreferencesManager::SetPrefShort(General(), "DefGender", 9);
    Prefs().SetPronounGender(-3);
    Choose(window, PrefsWindow::kGeneralPage);
    page = PageOf<GeneralPrefArea>(window);
    EXPECT_EQ(page->GetPronounPopup()->GetValue(), 0);
    EXPECT_EQ(page->GetGenderPopup()->GetValue(), 2);
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(Stored(General(), "PNounGen"), 0);
    EXPECT_EQ(Stored(General(), "DefGender"), 2);

    // A gender chosen before stays when none is shown.
    PreferencesManager::SetPrefShort(General(), "DefGender", 1);
    Choose(window, PrefsWindow::kGeneralPage);
    PageOf<GeneralPrefArea>(window)->GetGenderPopup()->SetValue(-1, true);
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(Stored(General(), "DefGender"), 1);
}

// --- the terminology page

TEST_F(PreferencePages, TheTermSwapSwitchesTheVocabularyWhenItIsStored) {
    PrefsWindow* window = OpenPreferences();
    Choose(window, PrefsWindow::kTerminologyPage);
    TermPrefArea* page = PageOf<TermPrefArea>(window);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetLaymanButton()->GetValue(), 1);
    EXPECT_EQ(page->GetOriginalButton()->GetValue(), 0);
    EXPECT_EQ(ExpandText(story, "{NObst}"), "Impact");

    page->GetOriginalButton()->SetValue(1, true);
    page->GetLaymanButton()->SetValue(0, true);
    EXPECT_EQ(UseOriginalTerms(), 0) << "nothing changes before the page is left";
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(Stored(Query(), "OrigTerms"), 1);
    EXPECT_EQ(UseOriginalTerms(), 1);
    EXPECT_EQ(ExpandText(story, "{NObst}"), "Obstacle");

    Choose(window, PrefsWindow::kTerminologyPage);
    page = PageOf<TermPrefArea>(window);
    EXPECT_EQ(page->GetOriginalButton()->GetValue(), 1) << "the choice kept is shown";
    page->GetLaymanButton()->SetValue(1, true);
    page->GetOriginalButton()->SetValue(0, true);
    ASSERT_TRUE(application->CloseWindow(window, false));
    EXPECT_EQ(Stored(Query(), "OrigTerms"), 0);
    EXPECT_EQ(UseOriginalTerms(), 0);
    EXPECT_EQ(ExpandText(story, "{NObst}"), "Impact");
}

// --- the report page

class ReportPage : public PrefsWindowTest {
protected:
    ReportPrefArea* page = nullptr;
    PrefsWindow* window = nullptr;

    // The report page of a story whose printer prints on the paper given, with a border of the
    // points given all round.
    void OpenOnPrinter(double border, double paperWidth = 612) {
        win::PrinterSetup setup;
        setup.paperWidth = paperWidth;
        setup.borderLeft = setup.borderTop = setup.borderRight = setup.borderBottom = border;
        PrintRecord* record = PrintRecord::OfApplication();
        ASSERT_NE(record, nullptr);
        record->ReplacePrinterDC(win::CreatePrinterDC(setup));
        OpenPage();
    }
    void OpenPage() {
        window = OpenPreferences(kCmdReportOptions);
        page = PageOf<ReportPrefArea>(window);
        ASSERT_NE(page, nullptr);
    }
    void SetMargins(const char* top, const char* left, const char* bottom, const char* right) {
        page->GetTopField()->SetText(top, 1);
        page->GetLeftField()->SetText(left, 1);
        page->GetBottomField()->SetText(bottom, 1);
        page->GetRightField()->SetText(right, 1);
    }
    std::vector<std::string> Fields() const {
        return {page->GetTopField()->GetText(), page->GetLeftField()->GetText(),
                page->GetBottomField()->GetText(), page->GetRightField()->GetText()};
    }
    void TearDown() override {
        if (PrintRecord* record = PrintRecord::OfApplication()) record->CreatePrinterDC();
        PrefsWindowTest::TearDown();
    }
};

TEST_F(ReportPage, WithoutAPrinterTheMarginsAreTakenAfterTheMessage) {
    ASSERT_TRUE(WriteProfileStringA("windows", "device", ""));
    if (PrintRecord* record = PrintRecord::OfApplication()) record->ReplacePrinterDC(nullptr);
    OpenPage();
    EXPECT_THAT(Fields(), testing::ElementsAre("1.00", "1.00", "1.00", "1.00"));
    char text[8] = "";
    page->GetColumnsPopup()->GetChosenText(text, sizeof text);
    EXPECT_STREQ(text, "1");
    EXPECT_EQ(page->GetHeaderField()->GetText(), "^T^<^R^>");
    EXPECT_EQ(page->GetFooterField()->GetText(), "Fablecore ^V^<- ^P -^|^D^>");
    EXPECT_FALSE(story->IsDirty());

    Mark();
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_THAT(Asked(), testing::ElementsAre(kNoPrinterText));
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kGeneralPage) << "a missing printer never blocks";
    for (const char* key : {"RepLtMar", "RepRtMar", "RepTopMar", "RepBotMar"})
        EXPECT_EQ(StoryValue(key), 72) << key;
    EXPECT_EQ(StoryValue("NumCols"), 1);
    EXPECT_TRUE(story->IsDirty()) << "the story's record changed";
}

TEST_F(ReportPage, LeavingWithNothingChangedLeavesTheStoryUnchanged) {
    for (const char* key : {"RepLtMar", "RepRtMar", "RepTopMar", "RepBotMar"})
        story->GetInfoRecord().SetNumberByName(key, 's', 36);
    story->GetInfoRecord().SetNumberByName("NumCols", 's', 2);
    story->GetInfoRecord().Save();
    story->SetClean();
    OpenOnPrinter(0);
    EXPECT_THAT(Fields(), testing::ElementsAre("0.50", "0.50", "0.50", "0.50"));
    EXPECT_EQ(page->GetColumnsPopup()->GetValue(), 1);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_FALSE(story->IsDirty());

    Choose(window, PrefsWindow::kReportPage);
    page = PageOf<ReportPrefArea>(window);
    page->GetColumnsPopup()->SetValue(2, true);
    page->GetLeftField()->SetText("1.25", 1);
    ASSERT_TRUE(application->CloseWindow(window, false));
    EXPECT_EQ(StoryValue("NumCols"), 3);
    EXPECT_EQ(StoryValue("RepLtMar"), 90);
    EXPECT_EQ(StoryValue("RepRtMar"), 36);
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(ReportPage, MarginsInsideTheUnprintableBorderAreRaisedOnlyWhenTheWriterAgrees) {
    OpenOnPrinter(18);  // a quarter inch
    SetMargins("0.00", "0.00", "1", "0.00");
    Answer(IDCANCEL);
    Answer(IDCANCEL);
    Mark();
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kReportPage) << "Cancel keeps the page";
    EXPECT_FALSE(application->CloseWindow(window, false)) << "and the window";
    EXPECT_THAT(Asked(), testing::ElementsAre(kRaiseMarginsQuestion, kRaiseMarginsQuestion));
    EXPECT_FALSE(story->GetInfoRecord().HasKey("RepLtMar"));

    Answer(IDYES);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kGeneralPage);
    EXPECT_EQ(StoryValue("RepTopMar"), 19) << "one point inside the printable area";
    EXPECT_EQ(StoryValue("RepLtMar"), 19);
    EXPECT_EQ(StoryValue("RepRtMar"), 19);
    EXPECT_EQ(StoryValue("RepBotMar"), 72) << "inside already";

    Choose(window, PrefsWindow::kReportPage);
    page = PageOf<ReportPrefArea>(window);
    EXPECT_THAT(Fields(), testing::ElementsAre("0.26", "0.26", "1.00", "0.26"));
    SetMargins("0.1", "1", "1", "1");
    Answer(IDNO);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(StoryValue("RepTopMar"), 7) << "No keeps the margin as typed";
}

TEST_F(ReportPage, MarginsThatLeaveNoRoomOnThePaperAreRefused) {
    OpenOnPrinter(0);
    // Letter is 612 points wide, 792 high; a report needs three inches across and four down.
    SetMargins("1", "3", "1", "2.5");
    Mark();
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_THAT(Asked(),
                testing::ElementsAre("Left and Right margins are too large for the current paper size.  "
                                     "Reduce margins by at least   0.02 inches, or decrease the scaling "
                                     "factor in the Print Setup dialog"));
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kReportPage);
    SetMargins("1", "2.74", "1", "2.74");
    Mark();
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_TRUE(Asked().empty()) << "394 points across leave room";
    EXPECT_EQ(StoryValue("RepLtMar"), 197);

    Choose(window, PrefsWindow::kReportPage);
    page = PageOf<ReportPrefArea>(window);
    SetMargins("4", "1", "4", "1");
    Mark();
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_THAT(Asked(),
                testing::ElementsAre("Top and Bottom margins are too large for the current paper size.\n"
                                     "Reduce margins by at least   1.02 inches."));
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kReportPage);
}

TEST_F(ReportPage, OnPaperTooNarrowForAnyMarginsTheScalingIsBlamedAndTheMarginsKept) {
    OpenOnPrinter(0, 216);
    SetMargins("1", "0.5", "1", "0.5");
    Mark();
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_THAT(Asked(), testing::ElementsAre(kScalingWarningText));
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kGeneralPage);
    EXPECT_EQ(StoryValue("RepLtMar"), 36);
}

TEST_F(ReportPage, MarginsAreReadAsInchesWithinRange) {
    EXPECT_EQ(ReportPrefArea::ParseMargin("1"), 72);
    EXPECT_EQ(ReportPrefArea::ParseMargin("0.26"), 18) << "truncated to whole points";
    EXPECT_EQ(ReportPrefArea::ParseMargin(""), 0);
    EXPECT_EQ(ReportPrefArea::ParseMargin("inch"), 0);
    EXPECT_EQ(ReportPrefArea::ParseMargin("-2"), 0) << "never negative";
    EXPECT_EQ(ReportPrefArea::ParseMargin("500"), 32767) << "within the record's 16 bits";
    EXPECT_EQ(ReportPrefArea::ParseMargin("1e300"), 32767);
    EXPECT_EQ(ReportPrefArea::ParseMargin("0.50000000001"), 36) << "ten characters are read";
    EXPECT_EQ(ReportPrefArea::FormatMargin(19), "0.26");
    EXPECT_EQ(ReportPrefArea::FormatMargin(0), "0.00");
}

TEST_F(ReportPage, ColumnsStoredOutsideOneToThreeAreShownAndKeptWithinIt) {
    story->GetInfoRecord().SetNumberByName("NumCols", 's', 9);
    OpenOnPrinter(0);
    EXPECT_EQ(page->GetColumnsPopup()->GetValue(), 2);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(StoryValue("NumCols"), 3);

    story->GetInfoRecord().SetNumberByName("NumCols", 's', 0);
    Choose(window, PrefsWindow::kReportPage);
    page = PageOf<ReportPrefArea>(window);
    EXPECT_EQ(page->GetColumnsPopup()->GetValue(), 0);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(StoryValue("NumCols"), 1);
}

TEST_F(ReportPage, TheCodePopupsAppendTheirCodesToTheirPatterns) {
    OpenOnPrinter(0);
    EXPECT_EQ(page->GetHeaderCodes()->GetItemCount(), 10);
    char text[32] = "";
    page->GetHeaderCodes()->GetItemText(text, 6);
    EXPECT_STREQ(text, "-");
    page->GetHeaderField()->SetText("", 1);
    const auto pick = [&](Popup* popup, std::int32_t item, std::int32_t index) {
        popup->SetValue(item, true);
        window->PostItemHit(index);
        Run();
    };
    pick(page->GetHeaderCodes(), 0, page->GetHeaderCodesItem());
    EXPECT_EQ(page->GetHeaderField()->GetText(), "^A");
    EXPECT_EQ(page->GetHeaderCodes()->GetValue(), -1) << "the popup shows no choice again";
    pick(page->GetHeaderCodes(), 6, page->GetHeaderCodesItem());
    EXPECT_EQ(page->GetHeaderField()->GetText(), "^A") << "the separator inserts nothing";
    pick(page->GetHeaderCodes(), 8, page->GetHeaderCodesItem());
    pick(page->GetFooterCodes(), 9, page->GetFooterCodesItem());
    EXPECT_EQ(page->GetHeaderField()->GetText(), "^A^|");
    EXPECT_EQ(page->GetFooterField()->GetText(), "Fablecore ^V^<- ^P -^|^D^>^>");
    EXPECT_EQ(HeaderFooterCodes[3].token, std::string("{report}"));

    // Full patterns take no more codes, not even part of one.
    page->GetHeaderField()->SetText(std::string(99, 'x').c_str(), 1);
    pick(page->GetHeaderCodes(), 1, page->GetHeaderCodesItem());
    EXPECT_EQ(page->GetHeaderField()->GetText(), std::string(99, 'x'));
    page->GetHeaderField()->SetText(std::string(98, 'x').c_str(), 1);
    pick(page->GetHeaderCodes(), 1, page->GetHeaderCodesItem());
    EXPECT_EQ(page->GetHeaderField()->GetText(), std::string(98, 'x'));
    page->GetHeaderField()->SetText("^T page", 1);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(Prefs().GetReportHeader(), "^T page");
    EXPECT_EQ(Prefs().GetReportFooter(), "Fablecore ^V^<- ^P -^|^D^>^>");
}

// --- the query-system page

class QueryPage : public PrefsWindowTest {
protected:
    FQSPrefArea* page = nullptr;
    PrefsWindow* window = nullptr;

    void OpenPage() {
        window = OpenPreferences();
        Choose(window, PrefsWindow::kQuerySystemPage);
        page = PageOf<FQSPrefArea>(window);
        ASSERT_NE(page, nullptr);
    }
    // Runs the colour dialog from the page's button; `inDialog` acts once the dialog is up.
    void SetColors(const std::function<void(TDialog&)>& inDialog) {
        presenter.SetIdleHandler([&, done = false]() mutable {
            TDialog* dialog = ActiveDialog();
            if (done || !dialog || !dialog->IsSetUp()) return false;
            done = true;
            inDialog(*dialog);
            return true;
        });
        window->PostItemHit(page->GetSetColorsItem());
        Run();
        presenter.SetIdleHandler(nullptr);
    }
};

TEST_F(QueryPage, ItShowsTheDefaultsAndKeepsItsChoices) {
    OpenPage();
    char text[32] = "";
    page->GetAdvancePopup()->GetChosenText(text, sizeof text);
    EXPECT_STREQ(text, "Shift-Enter");
    page->GetHelpPopup()->GetChosenText(text, sizeof text);
    EXPECT_STREQ(text, "Shift-click");
    EXPECT_EQ(page->GetColorsBox()->GetValue(), 1);
    EXPECT_EQ(page->GetAutoCloseBox()->GetValue(), 1);

    page->GetAdvancePopup()->SetValue(0, true);
    page->GetHelpPopup()->SetValue(1, true);
    page->GetColorsBox()->SetValue(0, true);
    page->GetAutoCloseBox()->SetValue(0, true);
    Choose(window, PrefsWindow::kGeneralPage);
    EXPECT_EQ(Stored(Query(), "RetAdv"), 1) << "Enter alone advances";
    EXPECT_EQ(Prefs().GetReturnAdvances(), 1);
    EXPECT_EQ(Stored(Query(), "ClkTogHlp"), 1);
    EXPECT_EQ(Stored(Query(), "ThrClr"), 0);
    EXPECT_EQ(Stored(Query(), "AutoClose"), 0);

    Choose(window, PrefsWindow::kQuerySystemPage);
    page = PageOf<FQSPrefArea>(window);
    page->GetAdvancePopup()->GetChosenText(text, sizeof text);
    EXPECT_STREQ(text, "Enter");
    page->GetAdvancePopup()->SetValue(1, true);
    ASSERT_TRUE(application->CloseWindow(window, false));
    EXPECT_EQ(Stored(Query(), "RetAdv"), 0);
}

TEST_F(QueryPage, ColoursConfirmedUnchangedWriteNothingAndCloseNothing) {
    ToolWindow* query = Open(story, &FKDoc::SetFQSWindow, TWindow::kClassId, "query");
    ToolWindow* plot = Open(story, &FKDoc::SetPlotViewWindow, TWindow::kClassId, "plot");
    ASSERT_NE(query, nullptr);
    ASSERT_NE(plot, nullptr);
    OpenPage();
    SetColors([](TDialog& dialog) { dialog.PostItemHit(multipane::OkItem(5)); });
    application->DrainQueue(kFirstQueue);
    EXPECT_TRUE(closed.empty());
    EXPECT_FALSE(General()->HasKey("ar"));
}

TEST_F(QueryPage, AColourChangedAndThenCancelledWritesNothingAndClosesNothing) {
    Open(story, &FKDoc::SetFQSWindow, TWindow::kClassId, "query");
    OpenPage();
    SetColors([&](TDialog& dialog) {
        presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "FF"});
        dialog.PostItemHit(multipane::SetItem(0));
        dialog.PostItemHit(multipane::CancelItem(5));
    });
    application->DrainQueue(kFirstQueue);
    EXPECT_TRUE(closed.empty());
    EXPECT_FALSE(General()->HasKey("ar"));
    RGBColor color;
    Prefs().GetThroughlineColor(0, color);
    EXPECT_EQ(color, PreferencesManager::DefaultThroughlineColor(0));
}

TEST_F(QueryPage, OneColourChangedWritesAllFiveAndClosesTheQueryAndPlotWindows) {
    Open(story, &FKDoc::SetFQSWindow, TWindow::kClassId, "query");
    Open(story, &FKDoc::SetPlotViewWindow, TWindow::kClassId, "plot");
    Open(story, &FKDoc::SetSPWindow, TWindow::kClassId, "points");
    OpenPage();
    std::vector<std::string> names;
    SetColors([&](TDialog& dialog) {
        for (std::int32_t pane = 0; pane < 5; ++pane) {
            auto* label = dynamic_cast<ITextItem*>(dialog.GetItem(multipane::SetItem(pane) - 1));
            char name[64] = "";
            if (label) label->CopyText(name, sizeof name);
            names.push_back(name);
        }
        presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "FF"});
        dialog.PostItemHit(multipane::SetItem(2));
        dialog.PostItemHit(multipane::OkItem(5));
    });
    EXPECT_THAT(names, testing::ElementsAre(ExpandText(story, "{NObje}"), "Main Character",
                                            "Impact Character", ExpandText(story, "{NSubj}"), "Plotpilot"));
    EXPECT_EQ(names[0].find('{'), std::string::npos) << "the names are expanded";
    RGBColor color;
    Prefs().GetThroughlineColor(2, color);
    EXPECT_EQ(color, RGBColor(0xFF00, 0, 0));
    for (const char* key :
         {"ar", "ag", "ab", "br", "bg", "bb", "cr", "cg", "cb", "dr", "dg", "db", "er", "eg", "eb"})
        EXPECT_TRUE(General()->HasKey(key)) << key;
    EXPECT_EQ(static_cast<std::uint16_t>(Stored(General(), "cr")), 0xFF00);
    EXPECT_EQ(static_cast<std::uint16_t>(Stored(General(), "ar")),
              PreferencesManager::DefaultThroughlineColor(0).red);
    application->DrainQueue(kFirstQueue);
    EXPECT_THAT(closed, testing::UnorderedElementsAre("query", "plot"));
}

}  // namespace
}  // namespace apptest
