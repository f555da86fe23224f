// The preferences window: opened by Preferences and by the report options on their pages, once per
// story; its chooser choosing the pages; a page's items put after the chooser's and taken out with
// the page, which stores its values whenever it goes and may refuse to go; its title, its place kept
// across openings, its smallest size, and its pages on the screen.

#include <gmock/gmock.h>

#include <memory>
#include <vector>

#include "PreferencesWindowFixture.h"
#include "app/FQSPrefArea.h"
#include "app/GeneralPrefArea.h"
#include "app/PrefFrontEnd.h"
#include "app/ReportPrefArea.h"
#include "app/StoryCommands.h"
#include "app/TWorkArea.h"
#include "app/TermPrefArea.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "platform/sys/Bell.h"

namespace apptest {
namespace {

// What the pages of a CountingWindow were asked.
struct Counts {
    int built = 0;
    int loaded = 0;
    int stored = 0;
    std::vector<std::int32_t> hits;
};

// A page of two items that counts what it is asked, and refuses to go while told to.
class CountingArea : public TWorkArea {
public:
    CountingArea(TAppl* application, FKDoc* story, ItemList* list, const ShortRect& bounds, Counts& counts,
                 const bool& refuse)
        : TWorkArea(application, story, list, bounds), counts_(counts), refuse_(refuse) {}
    ~CountingArea() override { StoreValues(); }
    void BuildItems() override {
        MarkFirstItem();
        AddCheckBox("one",
                    ItemRect(bounds_.top + 10, bounds_.left + 10, bounds_.top + 24, bounds_.left + 100));
        AddLabel("two", ItemRect(bounds_.top + 30, bounds_.left + 10, bounds_.top + 44, bounds_.left + 100));
        OpenItems();
        ++counts_.built;
    }
    void LoadValues() override { ++counts_.loaded; }
    void StoreValues() override { ++counts_.stored; }
    void Draw(TGraphEnv& /*env*/) override {}
    void ItemHit(std::int32_t index) override { counts_.hits.push_back(index); }
    std::int16_t CanLeave() override { return refuse_ ? 0 : 1; }

private:
    Counts& counts_;
    const bool& refuse_;
};

class CountingWindow : public PrefsWindow {
public:
    CountingWindow(TAppl* application, FKDoc* story, Counts& counts)
        : PrefsWindow(application, story, kDefaultRect, kChildMode, kTitle), counts_(counts) {}
    std::unique_ptr<TWorkArea> MakeWorkArea(std::int16_t /*page*/) override {
        return std::make_unique<CountingArea>(GetApplication(), GetStory(),
                                              static_cast<ItemList*>(GetItemList()), GetAreaBounds(), counts_,
                                              refuse);
    }
    bool refuse = false;

private:
    Counts& counts_;
};

using PreferencesWindow = PrefsWindowTest;

TEST_F(PreferencesWindow, PreferencesOpensTheGeneralPageAndReportOptionsSwitchesTheOpenWindow) {
    PrefsWindow* window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Preferences for Your Story - General Options");
    EXPECT_EQ(application->GetFrontWindow(), window);
    EXPECT_NE(PageOf<GeneralPrefArea>(window), nullptr);
    EXPECT_TRUE(window->IsRegistered());
    EXPECT_EQ(window->GetDocument(), story);

    // Another window of the story in front: the report options bring the same window forward.
    Open(story, &FKDoc::SetCLWindow, TWindow::kClassId, "characters");
    ASSERT_NE(application->GetFrontWindow(), window);
    EXPECT_EQ(OpenPreferences(kCmdReportOptions), window) << "one preferences window per story";
    EXPECT_EQ(application->GetFrontWindow(), window);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kReportPage);
    EXPECT_NE(PageOf<ReportPrefArea>(window), nullptr);
    EXPECT_EQ(window->GetTitle(), "Preferences for Your Story - Report Options");

    Choose(window, PrefsWindow::kQuerySystemPage);
    EXPECT_EQ(window->GetTitle(), "Preferences for Your Story - Query System Options");
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(window->GetTitle(), "Preferences for Your Story - Terminology Options");

    ASSERT_TRUE(application->CloseWindow(window, false));
    EXPECT_EQ(story->GetPrefsWindow(), nullptr) << "the story no longer points at it";
    // Opened by the report options first, it shows the report page.
    window = OpenPreferences(kCmdReportOptions);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(PageOf<ReportPrefArea>(window), nullptr);
}

TEST_F(PreferencesWindow, WithoutAStoryNeitherCommandOpensAnything) {
    story->SetClean();
    application->CloseAll(true);
    Run();
    EXPECT_FALSE(application->CommandEnabled(kCmdPreferences));
    EXPECT_FALSE(application->CommandEnabled(kCmdReportOptions));
    EXPECT_EQ(PREFCmd(application).Do(), -1);
    EXPECT_EQ(RepOptionsCmd(application).Do(), -1);
    EXPECT_EQ(OpenPreferencesWindow(nullptr, PrefsWindow::kGeneralPage), -1);
    EXPECT_EQ(application->GetFrontWindow(), nullptr);
}

TEST_F(PreferencesWindow, APageBringsItsItemsAfterTheChoosersAndTakesThemAwayWhenItGoes) {
    PrefsWindow* window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    const auto& items = *static_cast<ItemList*>(window->GetItemList());
    ASSERT_EQ(items.ItemAt(0), window->GetChooser());
    EXPECT_EQ(window->GetCurrentArea()->GetFirstItem(), 1);
    EXPECT_EQ(items.Count(), 1 + 9) << "the general page's nine items";
    Choose(window, PrefsWindow::kTerminologyPage);
    EXPECT_EQ(items.Count(), 1 + 2);
    EXPECT_EQ(items.ItemAt(0), window->GetChooser());
    for (std::int32_t i = 0; i < items.Count(); ++i) EXPECT_TRUE(items.ItemAt(i)->IsCreated()) << i;
    Choose(window, PrefsWindow::kReportPage);
    EXPECT_EQ(items.Count(), 1 + 9);
    Choose(window, PrefsWindow::kQuerySystemPage);
    EXPECT_EQ(items.Count(), 1 + 5);
    // The page lies right of the chooser, over the whole height.
    const ShortRect client = window->GetClientRect();
    EXPECT_EQ(window->GetAreaBounds(),
              ShortRect::MakeLTRB(PrefFrontEnd::kWidth, 0, client.right, client.bottom));
    EXPECT_EQ(window->GetCurrentArea()->GetBounds(), window->GetAreaBounds());
    EXPECT_EQ(window->GetChooser()->Bounds(), ShortRect::MakeLTRB(0, 0, PrefFrontEnd::kWidth, client.bottom));
}

TEST_F(PreferencesWindow, ChoosingThePageShownDoesNothingAndAPageThatRefusesKeepsPageAndWindow) {
    Counts counts;
    auto* window = new CountingWindow(application, story, counts);
    window->BuildContents();
    window->Show();
    Run();
    EXPECT_EQ(story->GetPrefsWindow(), window);
    EXPECT_EQ(counts.built, 1);
    EXPECT_EQ(counts.loaded, 1);
    EXPECT_EQ(window->GetItemList()->Count(), 3);

    window->SelectArea(PrefsWindow::kGeneralPage);
    EXPECT_EQ(counts.built, 1) << "the page shown is not built again";
    EXPECT_EQ(counts.stored, 0) << "nor stored";

    window->SelectArea(PrefsWindow::kQuerySystemPage);
    EXPECT_EQ(counts.stored, 1) << "the page left stored its values";
    EXPECT_EQ(counts.built, 2);
    EXPECT_EQ(counts.loaded, 2);
    EXPECT_EQ(window->GetItemList()->Count(), 3) << "the old page's items went";

    // A hit on one of the page's items goes to the page.
    window->PostItemHit(1);
    Run();
    EXPECT_THAT(counts.hits, testing::ElementsAre(1));

    window->refuse = true;
    window->SelectArea(PrefsWindow::kReportPage);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kQuerySystemPage);
    EXPECT_EQ(counts.stored, 1);
    EXPECT_FALSE(application->CloseWindow(window, false)) << "the window stays with the page";
    EXPECT_FALSE(story->CloseOtherWindows(false)) << "closing the story asks the page too";
    EXPECT_EQ(story->GetPrefsWindow(), window);

    window->refuse = false;
    EXPECT_TRUE(application->CloseWindow(window, false));
    EXPECT_EQ(counts.stored, 2) << "closing stored the page's values";
    EXPECT_EQ(story->GetPrefsWindow(), nullptr);
}

TEST_F(PreferencesWindow, TheChoosersEntriesChooseThePagesAndTheEmptyCellsOnlyBeep) {
    PrefsWindow* window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    PrefFrontEnd& chooser = *window->GetChooser();
    EXPECT_EQ(chooser.GetEntryCount(), 7);
    ASSERT_TRUE(chooser.IsLaidOut());
    EXPECT_EQ(chooser.GetColumns(), 1);

    // A click on the Term Swap button.
    const FrontEndView::Layout& terms = chooser.GetLayout(3);
    ShortPoint point;
    chooser.DocPointToView(LongPoint{terms.button.left + 10, terms.button.top + 10}, point);
    POINT screen{point.x, point.y};
    ClientToScreen(chooser.GetParentHWnd(), &screen);
    presenter.Click(screen);
    Run();
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kTerminologyPage);
    EXPECT_NE(PageOf<TermPrefArea>(window), nullptr);

    chooser.EntryChosen(1);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kReportPage);
    chooser.EntryChosen(0);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kGeneralPage);
    const unsigned long bells = GetBellCount();
    for (std::int32_t index : {4, 5, 6, -1}) chooser.EntryChosen(index);
    EXPECT_EQ(GetBellCount(), bells + 4);
    EXPECT_EQ(window->GetCurrentPage(), PrefsWindow::kGeneralPage);
    EXPECT_EQ(window->MakeWorkArea(5), nullptr);
    EXPECT_EQ(window->MakeWorkArea(0), nullptr);
    EXPECT_EQ(GetBellCount(), bells + 6);
}

TEST_F(PreferencesWindow, TheWindowKeepsItsPlaceAndItsSize) {
    PrefsWindow* window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetMinTrackSize(), (ShortPoint{510, 325}));
    const auto [left, top, right, bottom] = window->GetFrameMargins();
    EXPECT_EQ(window->GetFrameRect().left, PrefsWindow::kDefaultRect.left);
    EXPECT_EQ(window->GetFrameRect().top, PrefsWindow::kDefaultRect.top);
    EXPECT_EQ(window->GetFrameRect().Width(), 510 + left + right);

    // Neither smaller nor larger.
    window->MoveTo(ShortRect::MakeLTRB(40, 50, 140, 100));
    Run();
    EXPECT_EQ(window->GetClientRect().Width(), 510);
    EXPECT_EQ(window->GetClientRect().Height(), 325 - 20) << "the height counts 20 for the caption";
    window->MoveTo(ShortRect::MakeLTRB(40, 50, 900, 700));
    Run();
    EXPECT_EQ(window->GetClientRect().Width(), 510);
    const ShortRect place = window->GetFrameRect();
    EXPECT_EQ(place.left, 40);
    EXPECT_EQ(place.top, 50);

    ASSERT_TRUE(application->CloseWindow(window, false));
    ShortRect kept;
    ASSERT_TRUE(PreferencesManager::GetPrefRect(General(), "PRFW", kept));
    EXPECT_EQ(kept, place);
    window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetFrameRect(), place) << "opened where it was closed";
}

TEST_F(PreferencesWindow, AWindowBuiltOnItNeitherRegistersWithTheStoryNorTakesTheSavedPlace) {
    const ShortRect kept = ShortRect::MakeLTRB(60, 70, 600, 420);
    PreferencesManager::SetPrefRect(General(), kept, "PRFW");
    PrefsWindow* preferences = OpenPreferences();
    ASSERT_NE(preferences, nullptr);
    const ShortRect rect = ShortRect::MakeLTRB(10, 30, 560, 400);
    auto* other = new PrefsWindow(application, story, rect, kChildMode, kWindowNoMaximize, "Other");
    EXPECT_FALSE(other->IsRegistered());
    EXPECT_EQ(story->GetPrefsWindow(), preferences) << "the story's preferences window stays";
    EXPECT_EQ(other->GetFrameRect().left, rect.left);
    EXPECT_EQ(other->GetFrameRect().top, rect.top);
    EXPECT_EQ(other->GetCurrentPage(), PrefsWindow::kGeneralPage);
    ASSERT_TRUE(application->CloseWindow(other, false));
    EXPECT_EQ(story->GetPrefsWindow(), preferences);
    ShortRect place;
    ASSERT_TRUE(PreferencesManager::GetPrefRect(General(), "PRFW", place));
    EXPECT_EQ(place, kept) << "the preferences window's place is not the other's to keep";
}

TEST_F(PreferencesWindow, EachPageOnTheScreen) {
    PrefsWindow* window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    const std::pair<std::int16_t, const char*> pages[] = {
        {PrefsWindow::kGeneralPage, "preferences-general.png"},
        {PrefsWindow::kReportPage, "preferences-report.png"},
        {PrefsWindow::kQuerySystemPage, "preferences-query.png"},
        {PrefsWindow::kTerminologyPage, "preferences-terms.png"}};
    for (const auto& [page, picture] : pages) {
        Choose(window, page);
        UpdateWindow(window->GetHWnd());
        Run();
        CompareWindow(*window, picture);
    }
}

}  // namespace
}  // namespace apptest
