// The Reports window in the running program (headless): the Reports command opens one window per
// story; a group chosen in the list builds each report on a page of its own with form feeds
// between them on screen; the report is previewed page by page and printed to a PDF file that
// poppler's tools read back (headers, footers, page numbers, one page against a reference
// picture); the font, the switches, the placement and the writer's report sets are kept across a
// restart, a set named in the box the Save Set button opens as the writer types it; the view
// reports on its own window's story; printing one report needs no window.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "app/StoryCommands.h"
#include "foundation/ObjectFactory.h"
#include "framework/GetTextDlog.h"
#include "framework/IdleSteps.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/CheckBox.h"
#include "items/ItemClasses.h"
#include "items/ItemList.h"
#include "items/ReferencePicture.h"
#include "items/TextWrap.h"
#include "items/printing/OpenPreview.h"
#include "items/printing/PdfReading.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewDlog.h"
#include "items/printing/PrintableText.h"
#include "platform/gdi/Printers.h"
#include "platform/gdi/Surface.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"
#include "reports/FablecorePage.h"
#include "reports/FablecoreReport.h"
#include "reports/OutlineView.h"
#include "reports/PrintFablecoreReport.h"
#include "reports/RepWindow.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportText.h"
#include "reports/ReportTools.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "support/DialogObjects.h"

namespace {

using namespace apptest;

using printtest::PageLines;
using printtest::Tool;

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ReportsWindow : public StoryAppTest {
protected:
    PFMFile* templates = nullptr;
    std::string pdf;
    PrintFileChooser previousChooser;

    void SetUp() override {
        // The item classes and their factory, as the program's entry registers them, for the
        // printing dialogs read from the data file.
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        StoryAppTest::SetUp();
        OpenTemplates();
        pdf = files / "reports.pdf";
        previousChooser =
            SetPrintFileChooser([this](const std::string&) { return std::optional<std::string>(pdf); });
    }
    void TearDown() override {
        SetPrintFileChooser(previousChooser);
        CloseTemplates();
        StoryAppTest::TearDown();
    }

    FKDoc* TitledStory(const char* title) {
        FKDoc* story = NewStory();
        story->GetInfoRecord().SetEntry("Title", kPTextText, title);
        story->GetInfoRecord().SetEntry("Author", kPTextText, "A. Writer");
        return story;
    }
    // The Reports window of the story, with the tests' templates.
    RepWindow* OpenReports(FKDoc* story) {
        auto* window = new RepWindow(application, story, std::make_unique<DataFileTemplates>(templates));
        window->BuildContents();
        window->Show();
        Run();
        return window;
    }
    PreferencesManager& Preferences() { return *application->GetPreferencesManager(); }
    PText& ReportOptions() { return *Preferences().GetReportOptions(); }
    // Banners without the date, so that a printed page is the same on every day.
    void DatelessBanners() {
        Preferences().SetReportHeader("^T^<^R^>");
        Preferences().SetReportFooter("^A^<- ^P -^|");
    }
    // The application stopped and started again, as a writer quits and starts the program.
    void Restart() {
        CloseTemplates();
        Stop();
        Start();
        OpenTemplates();
    }
    void OpenTemplates() {
        PFMFile* current = PFMGetCurrentFile();
        const FileRef file(REPORT_TEMPLATES, kAccessRead);
        templates = PFMOpenFile(&file);
        ASSERT_NE(templates, nullptr);
        PFMSetCurrentFile(current);
    }
    void CloseTemplates() {
        if (templates) PFMCloseFile(templates);
        templates = nullptr;
    }
    void ScriptPrintDialog() {
        presenter.ScriptPromptAnswer("PrintDlg", PromptAnswer{IDOK, "pages=all\ncopies=1"});
    }
    // A click on the window's button; when it asks for a text, the text typed and Return pressed.
    void PressAndAnswer(RepWindow::Item button, RepWindow* window, const std::string& typed) {
        bool answered = false;
        presenter.SetIdleHandler([&] {
            if (answered || !testsupport::DialogOf<GetTextDlog>(GetActiveWindow())) return false;
            answered = true;
            presenter.TypeText(typed);
            presenter.PressKey(VK_RETURN);
            return true;
        });
        Click(*window->GetItem(button));
        Run();
        presenter.SetIdleHandler(nullptr);
        EXPECT_TRUE(answered) << "nothing was asked";
    }
    void ClickChooserRow(RepWindow& window, std::int32_t row, bool twice = false) {
        ASSERT_GE(row, 0);
        window.GetChooser()->ClickRow(static_cast<std::size_t>(row), twice);
        Run();
    }
};

TEST_F(ReportsWindow, TheReportsCommandOpensOneWindowForTheStoryInFront) {
    InstallReportTools(static_cast<FablCmds*>(application)->GetStoryTools());
    EXPECT_FALSE(OutlineCmd::IsAvailable(*application));
    FKDoc* story = TitledStory("Harbour Lights");
    Run();
    ASSERT_TRUE(OutlineCmd::IsAvailable(*application));
    OutlineCmd command(application);
    EXPECT_TRUE(command.IsA(1297));
    EXPECT_EQ(command.Do(), kNoErr);
    Run();
    auto* window = dynamic_cast<RepWindow*>(story->GetRepWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Reports for Harbour Lights");
    EXPECT_EQ(window->GetView()->GetDocument(), story);
    EXPECT_EQ(OutlineCmd(application).Do(), kNoErr);
    Run();
    EXPECT_EQ(story->GetRepWindow(), window);
    EXPECT_EQ(application->GetFrontWindow(), window);
    delete window;
    EXPECT_EQ(story->GetRepWindow(), nullptr);
}

TEST_F(ReportsWindow, AGroupBuildsEachReportOnAPageOfItsOwnWithFormFeedsBetweenThemOnScreen) {
    RepWindow* window = OpenReports(TitledStory("Harbour Lights"));
    ReportChooserView& chooser = *window->GetChooser();
    ClickChooserRow(*window, chooser.FindGroupRow(kFirstGroupId));  // the story overview
    const std::vector<std::int16_t> overview = {2, 19, 3, 34, 35, 58, 20};
    EXPECT_EQ(window->GetChosenReports(), overview);
    EXPECT_EQ(chooser.GroupState(static_cast<std::size_t>(chooser.FindGroupRow(kFirstGroupId))), 1);
    EXPECT_TRUE(window->IsStale());
    window->BuildReports();
    OutlineView& view = *window->GetView();
    EXPECT_FALSE(window->IsStale());
    ASSERT_TRUE(view.CanPrint());
    // Every report of the group has words (the tests' templates, and the data file's for the
    // others), so each makes a page.
    EXPECT_EQ(view.GetReport()->GetPageCount(), overview.size());
    const std::string text = view.GetText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 6);
    EXPECT_NE(text.find("Comments on {SDI(Title)}"), std::string::npos);
    // The screen shows every report, the form feeds as page breaks.
    const TextWrap* layout = view.GetLayout();
    ASSERT_NE(layout, nullptr);
    std::uint32_t breaks = 0;
    for (std::uint32_t line = 0; line < layout->GetLineCount(); ++line)
        breaks += layout->HasPageBreakAfter(line);
    EXPECT_EQ(breaks, 6u);
    // A second click clears the group.
    ClickChooserRow(*window, chooser.FindGroupRow(kFirstGroupId));
    EXPECT_TRUE(window->GetChosenReports().empty());
}

// The view paints the reports it shows: its first lines (the report's title and text) are inked
// on the screen, and the part of the view below the text is left blank.
TEST_F(ReportsWindow, TheShownReportsArePaintedOnTheScreen) {
    RepWindow* window = OpenReports(TitledStory("Harbour Lights"));
    window->ChooseReports({3});
    window->BuildReports();
    win::UpdateWindow(window->GetHWnd());
    Run();
    const OutlineView& view = *window->GetView();
    ASSERT_NE(view.GetLayout(), nullptr);
    ASSERT_GT(view.GetLayout()->GetLineCount(), 1u);
    win::POINT corner{RepWindow::kPaneWidth, 0};
    win::ClientToScreen(window->GetHWnd(), &corner);
    const int textBottom = static_cast<int>(view.GetLayout()->GetTotalHeight());
    const win::Surface& screen = win::GetScreenSurface();
    const auto inked = [&](int top, int bottom) {
        int count = 0;
        for (int y = corner.y + top; y < corner.y + bottom; ++y) {
            for (int x = corner.x + 4; x < corner.x + 300; ++x) count += screen.GetPixel(x, y) != 0xFFFFFF;
        }
        return count;
    };
    EXPECT_GT(inked(0, std::min(textBottom, 60)), 50) << "the first lines are painted";
    EXPECT_EQ(inked(textBottom + 4, textBottom + 40), 0) << "nothing is painted below the text";
}

TEST_F(ReportsWindow, ADoubleClickShowsOneReportAloneAtOnce) {
    RepWindow* window = OpenReports(TitledStory("Harbour Lights"));
    ClickChooserRow(*window, window->GetChooser()->FindReportRow(35), true);
    EXPECT_EQ(window->GetChosenReports(), (std::vector<std::int16_t>{35}));
    EXPECT_FALSE(window->IsStale());
    const std::string text = window->GetView()->GetText();
    EXPECT_NE(text.find("Concept: Not Rated\n\n"), std::string::npos) << text;
    EXPECT_EQ(text.find('\f'), std::string::npos);
    EXPECT_STREQ(window->GetView()->GetReportTitle(), "Coverage Information");
}

TEST_F(ReportsWindow, ReportsArePreviewedPageByPageAndPrintedToPdfWithTheirBanners) {
    DatelessBanners();
    FKDoc* story = TitledStory("Harbour Lights");
    RepWindow* window = OpenReports(story);
    window->ChooseReports({3, 35});
    // The preview builds the stale report first, and shows its two pages once they are counted.
    IdleSteps idle(presenter);
    std::string pageText;
    for (int tick = 0; tick < 3; ++tick) idle.Then([&] { presenter.Advance(PrintViewDlog::kTimerPeriod); });
    idle.Then([&] { presenter.PressKey(VK_END); });
    idle.Then([&] {
        PrintViewDlog* preview = printtest::FindOpenPreview(environment);
        ASSERT_NE(preview, nullptr) << "the preview is not open";
        char text[64] = "";
        if (auto* item = dynamic_cast<ITextItem*>(preview->GetItem(PrintViewDlog::kPageTextItem)))
            item->CopyText(text, sizeof text);
        pageText = text;
        presenter.PressKey(VK_ESCAPE);
    });
    window->PrintPreview();
    EXPECT_FALSE(window->IsStale());
    EXPECT_EQ(pageText, "Page 2 of 2");

    ScriptPrintDialog();
    window->Print();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ASSERT_EQ(printtest::PageCount(pdf), 2);
    // The header names the story and the report, the footer the author and the page ("- 1 -", which
    // pdftotext reads without its blanks).
    const std::vector<std::string> first = PageLines(pdf, 1);
    for (const char* line : {"Harbour Lights", "Story Comments", "A. Writer", "-1-",
                             "Comments on Harbour Lights: what the writer noted while the story grew."})
        EXPECT_TRUE(Has(first, line)) << line << " in " << ::testing::PrintToString(first);
    const std::vector<std::string> second = PageLines(pdf, 2);
    for (const char* line :
         {"Harbour Lights", "Coverage Information", "Concept: Not Rated", "Recommendation: None"})
        EXPECT_TRUE(Has(second, line)) << line;
    // The page numbers go on from the first report to the second.
    EXPECT_TRUE(Has(second, "-2-")) << ::testing::PrintToString(second);

    const std::string prefix = files / "page";
    Tool({"pdftoppm", "-r", "72", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, prefix});
    const std::unique_ptr<Surface> page = Surface::ReadPng(prefix + ".png");
    ASSERT_NE(page, nullptr);
    itemstest::CompareWithReference(*page, "printed-reports.png");
}

// The words of a text, split at blanks and line ends; style codes and form feeds are no words.
std::vector<std::string> WordsOf(std::string text) {
    for (std::size_t open; (open = text.find('\xC7')) != std::string::npos;) {
        const std::size_t close = text.find('\xC8', open);
        text.erase(open, close == std::string::npos ? std::string::npos : close + 1 - open);
    }
    // The PDF's text may join f and i or f and l into one letter.
    for (const auto& [joined, letters] : {std::pair<std::string, std::string>{"\xEF\xAC\x81", "fi"},
                                          std::pair<std::string, std::string>{"\xEF\xAC\x82", "fl"}}) {
        for (std::size_t at; (at = text.find(joined)) != std::string::npos;)
            text.replace(at, joined.size(), letters);
    }
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// The guides, printed with the data file's own templates over a complete storyform: the PDF holds
// every word the screen shows, in the same order (the banners add words of their own).
TEST_F(ReportsWindow, TheGuidesPrintTheWordsTheScreenShows) {
    FKDoc* story = TitledStory("Harbour Lights");
    ASSERT_NE(story->GetStoryFormManager(), nullptr);
    ASSERT_TRUE(CompleteStoryform(*story->GetStoryFormManager(), 5200));
    auto* window = new RepWindow(application, story, std::make_unique<DataFileTemplates>());
    window->BuildContents();
    window->Show();
    Run();
    window->ChooseReports({19, 70, 71});
    window->BuildReports();
    SList vocabulary;
    const std::vector<std::string> shown =
        WordsOf(ExpandReportText(story, window->GetView()->GetText(), &vocabulary, true));
    ASSERT_GT(shown.size(), 600u);
    EXPECT_EQ(std::find(shown.begin(), shown.end(), "<Not"), shown.end());
    ScriptPrintDialog();
    window->Print();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GE(printtest::PageCount(pdf), 3);
    const std::vector<std::string> printed = WordsOf(Tool({"pdftotext", pdf, "-"}));
    auto next = printed.begin();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        next = std::find(next, printed.end(), shown[i]);
        ASSERT_NE(next, printed.end())
            << "word " << i << " \"" << shown[i] << "\" is not printed after the ones before it";
        ++next;
    }
    delete window;
}

TEST_F(ReportsWindow, ANamedReportSetIsFoundAfterARestart) {
    RepWindow* window = OpenReports(NewStory());
    window->ChooseReports({35, 3});
    ASSERT_TRUE(window->SaveReportSet("Notes and ratings"));
    EXPECT_GE(window->GetChooser()->FindSetRow(0), 0);
    delete window;
    Restart();
    RepWindow* again = OpenReports(NewStory());
    ASSERT_EQ(again->GetReportSets().GetSets().size(), 1u);
    EXPECT_EQ(again->GetReportSets().GetSets()[0].name, "Notes and ratings");
    // A click on the set chooses its reports; a double click shows them.
    ClickChooserRow(*again, again->GetChooser()->FindSetRow(0), true);
    EXPECT_EQ(again->GetChosenReports(), (std::vector<std::int16_t>{3, 35}));
    EXPECT_EQ(again->GetView()->GetReport()->GetPageCount(), 2u);
    ASSERT_TRUE(again->DeleteReportSet("Notes and ratings"));
    EXPECT_EQ(again->GetChooser()->FindSetRow(0), -1);
    EXPECT_FALSE(ReportOptions().HasKey("REPSETNM1"));
}

TEST_F(ReportsWindow, TheSwitchesThePlacementAndTheFontAreKept) {
    RepWindow* window = OpenReports(NewStory());
    window->SetVocabularyOption(true);
    window->SetStorytellingOption(true);
    window->SetBlankLinesOption(false);
    window->MoveTo(ShortRect::MakeLTRB(30, 20, 530, 420));
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Mono;;Italic"});
    window->ChooseFont();
    const LOGFONTA chosen = window->GetView()->GetReportFont();
    EXPECT_STREQ(chosen.lfFaceName, "Liberation Mono");
    EXPECT_TRUE(chosen.lfItalic);
    const ShortRect placed = window->GetRestoredRect();
    delete window;
    RepWindow* again = OpenReports(NewStory());
    EXPECT_EQ(again->GetVocabularyOption(), 1);
    EXPECT_TRUE(again->GetStorytellingOption());
    EXPECT_FALSE(again->GetBlankLinesOption());
    EXPECT_EQ(again->GetRestoredRect(), placed);
    EXPECT_STREQ(again->GetView()->GetReportFont().lfFaceName, "Liberation Mono");
    std::int16_t showBlankLines = -1;
    ReportOptions().GetEntry("ShwBlkLn", kPTextShort, &showBlankLines);
    EXPECT_EQ(showBlankLines, 0);
}

TEST_F(ReportsWindow, HiddenBlankLinesAndTheVocabularyListFollowTheSwitches) {
    FKDoc* story = NewStory();
    story->GetStorytellingRecord().SetEntry("STGoal", kPTextText, "To get home.");
    RepWindow* window = OpenReports(story);
    window->ChooseReports({23});
    window->SetStorytellingOption(true);
    window->SetVocabularyOption(true);
    window->SetBlankLinesOption(false);
    window->BuildReports();
    OutlineView& view = *window->GetView();
    // The storytelling text of the goal is woven in; the vocabulary follows on a page of its own.
    EXPECT_NE(std::string(view.GetLayout()->GetText()).find("To get home."), std::string::npos);
    EXPECT_NE(std::string(view.GetText()).find("\nVOCABULARY:\n\n"), std::string::npos);
    EXPECT_EQ(view.GetReport()->GetPageCount(), 2u);
    EXPECT_STREQ(view.GetReportTitle(), "Vocabulary List");
    const std::string shown = view.GetLayout()->GetText();
    EXPECT_EQ(shown.find("\n\n\n"), std::string::npos);
    window->SetBlankLinesOption(true);
    window->SetVocabularyOption(false);
    window->BuildReports();
    EXPECT_EQ(std::string(view.GetText()).find("VOCABULARY"), std::string::npos);
    EXPECT_EQ(view.GetReport()->GetPageCount(), 1u);
}

TEST_F(ReportsWindow, AResizeOrAFontChangeLaysTheTextOutAgainShowingBlankLines) {
    RepWindow* window = OpenReports(NewStory());
    window->SetBlankLinesOption(false);
    window->ChooseReports({3});
    window->BuildReports();
    OutlineView& view = *window->GetView();
    view.AppendText("a\n\n\n\nb");
    view.Relayout(true);
    EXPECT_EQ(std::string(view.GetLayout()->GetText()).find("\n\n\n"), std::string::npos);
    const int width = view.GetLayout()->GetRect().Width();
    window->MoveTo(ShortRect::MakeLTRB(10, 10, 700, 450));
    Run();
    EXPECT_NE(view.GetLayout()->GetRect().Width(), width) << "the text follows the view's width";
    EXPECT_EQ(view.Bounds().left, RepWindow::kPaneWidth);
    EXPECT_NE(std::string(view.GetLayout()->GetText()).find("a\n\n\n\nb"), std::string::npos);
    view.Relayout(true);
    LOGFONTA font;
    MakeLogFontByName(font, "Liberation Serif", 14, 0);
    view.SetFont(font);
    EXPECT_NE(std::string(view.GetLayout()->GetText()).find("a\n\n\n\nb"), std::string::npos);
}

TEST_F(ReportsWindow, PendingPrintablesMakeOnePageAndATextThatExpandsToNothingNone) {
    RepWindow* window = OpenReports(NewStory());
    OutlineView& view = *window->GetView();
    view.ResetText();
    view.BeginReport();
    const LOGFONTA font = view.GetReportFont();
    view.AddPrintable(std::make_unique<PrintableText>(nullptr, "One", font), "The {NObst} part. ");
    view.AddPrintable(std::make_unique<PrintableText>(nullptr, "Two", font), nullptr);
    EXPECT_EQ(std::string(view.GetText()).find("{NObst}"), std::string::npos) << "expanded at once";
    view.FlushReportPage(false, 0, -1);
    EXPECT_EQ(view.GetReport()->GetPageCount(), 1u);
    // The text is the screen's alone while the printables make the page.
    const std::uint32_t start = view.GetTextLength();
    view.AppendText("{SDI(NoSuchKey)}");
    view.FlushReportPage(false, static_cast<std::int32_t>(start), -1);
    EXPECT_EQ(view.GetReport()->GetPageCount(), 1u);
    view.FlushReportPage(false, 5, 5);
    EXPECT_EQ(view.GetReport()->GetPageCount(), 1u);
}

// What the writer reads changes with the storyform: the report names the story's goal once it is
// chosen, without a click.
TEST_F(ReportsWindow, AStoryformChangeShowsTheReportsAgain) {
    FKDoc* story = NewStory();
    RepWindow* window = OpenReports(story);
    window->ChooseReports({23});
    window->BuildReports();
    const auto shown = [window] { return std::string(window->GetView()->GetLayout()->GetText()); };
    const std::string unchosen = "The story's goal is " + StyleCodeText("B+") + "an unchosen item";
    const std::string chosen = "The story's goal is " + StyleCodeText("B+") + ElementName(21);
    EXPECT_NE(shown().find(unchosen), std::string::npos) << shown();
    story->GetStoryFormManager()->SetChoice(StoryPointIDForCode("STGoal"), 21);
    EXPECT_NE(shown().find(chosen), std::string::npos) << shown();
    EXPECT_EQ(shown().find(unchosen), std::string::npos);
    EXPECT_FALSE(window->IsStale());
}

TEST_F(ReportsWindow, TheViewReportsOnItsOwnWindowsStoryWhateverIsInFront) {
    Preferences().GetGeneralRecord()->SetNumberByName("MultiStories", kPTextShort, 1);
    FKDoc* first = TitledStory("First");
    FKDoc* second = TitledStory("Second");
    Run();
    ASSERT_NE(first, second);
    RepWindow* window = OpenReports(first);
    application->SelectWindow(second->GetFrontEndWindow());
    Run();
    window->ChooseReports({3});
    window->BuildReports();
    EXPECT_EQ(window->GetView()->GetDocument(), first);
    EXPECT_NE(window->GetView()->GetLayout()->GetText() + std::string(), "");
    EXPECT_NE(std::string(window->GetView()->GetLayout()->GetText()).find("Comments on First"),
              std::string::npos);
}

TEST_F(ReportsWindow, ColumnsAndMarginsReadFromTheStoryAreHeldToSensibleValues) {
    FKDoc* story = NewStory();
    RepWindow* window = OpenReports(story);
    OutlineView& view = *window->GetView();
    PText& info = story->GetInfoRecord();
    EXPECT_EQ(view.GetColumnCount(), 1);
    for (const auto& [stored, used] :
         std::vector<std::pair<int, int>>{{0, 1}, {-4, 1}, {2, 2}, {3, 3}, {99, 3}}) {
        info.SetNumberByName("NumCols", kPTextShort, stored);
        EXPECT_EQ(view.GetColumnCount(), used) << stored;
    }
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
    view.GetReportMargins(left, top, right, bottom);
    EXPECT_EQ(left + top + right + bottom, 4 * 72);
    info.SetNumberByName("RepLtMar", kPTextShort, -50);
    info.SetNumberByName("RepTopMar", kPTextShort, 36);
    view.GetReportMargins(left, top, right, bottom);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 36);
    info.SetNumberByName("RepRtMar", kPTextShort, 30000);
    view.GetReportMargins(left, top, right, bottom);
    EXPECT_EQ(left + top + right + bottom, 4 * 72) << "margins that leave no page";
}

TEST_F(ReportsWindow, AReportInThreeColumnsPrintsThreeColumnsOfText) {
    DatelessBanners();
    FKDoc* story = TitledStory("Harbour Lights");
    story->GetInfoRecord().SetNumberByName("NumCols", kPTextShort, 3);
    std::string told;
    for (int i = 0; i < 400; ++i) told += "word" + std::to_string(i) + " ";
    story->GetStorytellingRecord().SetEntry("STGoal", kPTextText, told.c_str());
    RepWindow* window = OpenReports(story);
    window->SetStorytellingOption(true);
    window->ChooseReports({23});
    window->BuildReports();
    ScriptPrintDialog();
    window->Print();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    // Three columns of words side by side: the layout keeps them on the same lines.
    const std::string layout = Tool({"pdftotext", "-layout", "-f", "1", "-l", "1", pdf, "-"});
    std::istringstream lines(layout);
    int widest = 0;
    for (std::string line; std::getline(lines, line);) {
        int words = 0;
        for (std::size_t at = line.find("word"); at != std::string::npos; at = line.find("word", at + 1))
            ++words;
        widest = std::max(widest, words);
    }
    EXPECT_GE(widest, 3);
}

TEST_F(ReportsWindow, APageBannerPatternIsCutAt99Characters) {
    Preferences().SetReportHeader(std::string(150, 'h').c_str());
    const ReportPagePatterns patterns;
    EXPECT_EQ(std::string(patterns.header), std::string(99, 'h'));
    EXPECT_EQ(std::string(patterns.footer), PreferencesManager::kDefaultFooter);
}

TEST_F(ReportsWindow, OneReportPrintsWithoutAWindowAndAnEmptyOneNotAtAll) {
    DatelessBanners();
    FKDoc* story = TitledStory("Harbour Lights");
    Run();
    ItemList* list = dynamic_cast<ItemList*>(story->GetFrontEndWindow()->GetItemList());
    ASSERT_NE(list, nullptr);
    const std::int32_t items = list->Count();
    PrintFablecoreReport printer(list, story);
    ScriptPrintDialog();
    printer.Print(35);
    EXPECT_EQ(printer.GetPrintStatus(), 0);
    EXPECT_EQ(list->Count(), items) << "the view is gone again";
    ASSERT_EQ(printtest::PageCount(pdf), 1);
    EXPECT_TRUE(Has(PageLines(pdf, 1), "Coverage Information"));
    std::filesystem::remove(pdf);
    // A section that writes nothing prints no page at all, and is no failure.
    printer.Print(9);
    EXPECT_EQ(printer.GetPrintStatus(), 0);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    // A report the catalogue lacks prints under no title.
    ScriptPrintDialog();
    printer.Print(22);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_FALSE(Has(PageLines(pdf, 1), "Coverage Information"));
}

TEST_F(ReportsWindow, WithNothingChosenPrintingSaysSoAndPrintsNothing) {
    RepWindow* window = OpenReports(NewStory());
    const std::string note = "There is no report to print: choose reports in the list and show them first.";
    Mark();
    window->Print();
    window->PrintPreview();
    EXPECT_EQ(Asked(), (std::vector<std::string>{note, note}));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportsWindow, WithoutAPrinterThePreviewSaysSo) {
    RepWindow* window = OpenReports(NewStory());
    window->ChooseReports({35});
    window->BuildReports();
    ASSERT_TRUE(WriteProfileStringA("windows", "device", ""));
    Mark();
    EXPECT_EQ(window->GetView()->PrintOrPreview(OutlineView::kPrintPreview), 0);
    EXPECT_EQ(
        Asked(),
        (std::vector<std::string>{
            "Fablecore cannot display a Print Preview due to a problem with the current printer setup."}));
    WriteProfileStringA("windows", "device", nullptr);
}

TEST_F(ReportsWindow, ASetSavedWithATypedNameIsListedKeptShownAndDeletedThroughTheButtons) {
    RepWindow* window = OpenReports(NewStory());
    ReportChooserView& chooser = *window->GetChooser();
    // Story Overview ticked with a click on its heading, and the Save Set button pressed; the name
    // typed into the box that asks for it, and Return.
    const std::int32_t overview = chooser.FindGroupRow(10000);
    ASSERT_GE(overview, 0);
    ClickChooserRow(*window, overview);
    const std::vector<std::int16_t> chosen = window->GetChosenReports();
    ASSERT_FALSE(chosen.empty());
    ASSERT_NO_FATAL_FAILURE(PressAndAnswer(RepWindow::kSaveSetItem, window, "Overview"));
    ASSERT_EQ(window->GetReportSets().GetSets().size(), 1u);
    EXPECT_EQ(window->GetReportSets().GetSets()[0].name, "Overview");
    EXPECT_GE(chooser.FindSetRow(0), 0) << "listed at once";
    char stored[64] = "";
    ReportOptions().GetEntry("REPSETNM1", kPTextText, stored, sizeof stored);
    EXPECT_STREQ(stored, "Overview");
    delete window;

    // After a restart the set is listed; a click on it chooses its reports, and Delete Set, answered
    // Yes, removes it from the list and from the preferences.
    Restart();
    RepWindow* again = OpenReports(NewStory());
    ASSERT_EQ(again->GetReportSets().GetSets().size(), 1u);
    EXPECT_EQ(again->GetReportSets().GetSets()[0].name, "Overview");
    ClickChooserRow(*again, again->GetChooser()->FindSetRow(0));
    EXPECT_EQ(again->GetChosenReports(), chosen);
    Answer(IDYES);
    Click(*again->GetItem(RepWindow::kDeleteSetItem));
    Run();
    EXPECT_TRUE(again->GetReportSets().GetSets().empty());
    EXPECT_EQ(again->GetChooser()->FindSetRow(0), -1);
    EXPECT_FALSE(ReportOptions().HasKey("REPSETNM1"));
}

// A first Reports window, before the writer has set any switch, shows Blank Lines on and the
// vocabulary and storytelling off, and lays the reports out so.
TEST_F(ReportsWindow, AFirstWindowShowsBlankLinesOnAndTheVocabularyAndStorytellingOff) {
    RepWindow* window = OpenReports(NewStory());
    const auto shown = [&](RepWindow::Item item) { return dynamic_cast<CheckBox&>(*window->GetItem(item)).GetValue(); };
    EXPECT_EQ(shown(RepWindow::kBlankLinesItem), 1);
    EXPECT_EQ(shown(RepWindow::kVocabularyItem), 0);
    EXPECT_EQ(shown(RepWindow::kStorytellingItem), 0);
    EXPECT_TRUE(window->GetBlankLinesOption());
}

// The chooser's group box, clicked through as the writer clicks: empty while none of the group's
// reports is ticked, filled when one is, a tick when all are - each drawn differently on the screen.
TEST_F(ReportsWindow, AGroupsBoxIsDrawnEmptyFilledOrTickedAsItsReportsAreClicked) {
    RepWindow* window = OpenReports(TitledStory("Harbour Lights"));
    ReportChooserView& chooser = *window->GetChooser();
    const std::int32_t group = chooser.FindGroupRow(kFirstGroupId);
    const std::int32_t report = chooser.FindReportRow(2);
    ASSERT_GE(group, 0);
    ASSERT_GT(report, group);
    const auto rowPoint = [&](std::int32_t row, int x) {
        win::POINT point{chooser.Bounds().left + x, chooser.Bounds().top + row * ReportChooserView::kRowHeight +
                                                        ReportChooserView::kRowHeight / 2};
        win::ClientToScreen(window->GetHWnd(), &point);
        return point;
    };
    const auto click = [&](std::int32_t row) {
        presenter.Advance(800);
        presenter.Click(rowPoint(row, 60));
        Run();
    };
    // The ink in the group row's box, left of the reports' indent.
    const auto boxInk = [&] {
        win::UpdateWindow(window->GetHWnd());
        Run();
        const win::Surface& screen = win::GetScreenSurface();
        const win::POINT middle = rowPoint(group, 0);
        int count = 0;
        for (int y = middle.y - ReportChooserView::kRowHeight / 2; y < middle.y + ReportChooserView::kRowHeight / 2; ++y)
            for (int x = middle.x; x < middle.x + ReportChooserView::kIndent; ++x)
                count += screen.GetPixel(x, y) != 0xFFFFFF;
        return count;
    };
    const int none = boxInk();
    click(report);
    ASSERT_EQ(chooser.GroupState(static_cast<std::size_t>(group)), 2);
    const int some = boxInk();
    click(group);
    ASSERT_EQ(chooser.GroupState(static_cast<std::size_t>(group)), 1);
    const int all = boxInk();
    EXPECT_GT(none, 0) << "the box's frame";
    EXPECT_GT(some, none) << "filled when some are ticked";
    EXPECT_GT(all, none) << "ticked when all are";
    EXPECT_NE(all, some);
}

}  // namespace
