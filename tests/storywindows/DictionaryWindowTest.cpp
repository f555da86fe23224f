// The dictionary window: every term of the theory, named from the dictionary's texts, sorted as its
// preferences say; a chosen term shows its definitions as much as the display asks for; one window
// for the program, with or without a story; its sorting, display, divider, fonts and place are kept.

#include <gtest/gtest.h>

#include <algorithm>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "foundation/pfm/PFM.h"
#include "items/RichTextView.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/TheoryTables.h"
#include "storywindows/DictionaryWindow.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/Popup.h"

namespace storywindowstest {
namespace {

std::string Text(const char* text) { return std::string(text) + '\0'; }

// What the entry pane shows.
std::string ViewText(const RichTextView& view) {
    char text[4096] = "";
    GetWindowTextA(view.GetHWnd(), text, sizeof text);
    return text;
}

// A small dictionary: a class, an element of the first class and a dynamic's value, with a name the
// structure does not give and a name that sorts first.
const StoreSegments kDictionary = {
    {{kTermNameSegment, 1}, Text("Universe")},
    {{kShortDefinitionSegment, 1}, Text("a fixed external state")},
    {{kLongDefinitionSegment, 1}, Text("The Universe is the class of situations.")},
    {{kSynonymSegment, 1}, Text("situation, circumstance")},
    {{kTermNameSegment, 85}, Text("aardvark ability")},
    {{kShortDefinitionSegment, 85}, Text("the capacity to perform")},
    {{kTermNameSegment, 1001}, Text("Change")},
};

class Dictionary : public StoryWindowsTest {
protected:
    PFMFile* store = nullptr;

    void SetUp() override {
        StoryWindowsTest::SetUp();
        WriteStore("dictionary.qrv", kDictionary);
        OpenStore();
    }
    // The dictionary window goes as the program's quitting closes it, before its texts.
    void TearDown() override {
        if (application) application->CloseAllAppWindows();
        CloseStore();
        StoryWindowsTest::TearDown();
    }
    void OpenStore() {
        const FileRef file(Path("dictionary.qrv").c_str(), kAccessRead);
        store = PFMOpenFile(&file);
        ASSERT_NE(store, nullptr);
    }
    void CloseStore() {
        if (store) PFMCloseFile(store);
        store = nullptr;
    }
    DictionaryWindow* Make() {
        auto* window = new DictionaryWindow(application, TheoryTexts(store));
        window->BuildContents();
        window->Show();
        Run();
        return window;
    }
    static int Position(const std::vector<DictionaryTerm>& terms, int id) {
        const auto found =
            std::find_if(terms.begin(), terms.end(), [&](const DictionaryTerm& t) { return t.id == id; });
        return found == terms.end() ? -1 : static_cast<int>(found - terms.begin());
    }
};

TEST_F(Dictionary, EveryTermIsListedOnceUnderItsDictionaryNameInEitherOrder) {
    const TheoryTexts texts(store);
    const std::vector<DictionaryTerm> structure = DictionaryTerms(texts, DictionarySort::kStructure);
    // Four classes, sixteen types, sixty-four variations, the first class's sixty-four elements and
    // the dynamics' block.
    ASSERT_EQ(structure.size(), static_cast<std::size_t>(4 + 16 + 64 + 64 + kThroughlineFirstIndex[0]));
    EXPECT_EQ(structure.front().id, 1);
    EXPECT_EQ(structure.front().name, "Universe");
    EXPECT_EQ(Position(structure, 85), 84);
    EXPECT_EQ(structure[84].name, "aardvark ability") << "the dictionary's name comes first";
    EXPECT_EQ(structure[1].name, ElementName(2)) << "without one, the structure's name";
    EXPECT_EQ(Position(structure, kFirstElementID + kElementsPerClass), -1)
        << "elements of other classes are not repeated";
    EXPECT_NE(Position(structure, 1000), -1);

    const std::vector<DictionaryTerm> sorted = DictionaryTerms(texts, DictionarySort::kAlphabetical);
    ASSERT_EQ(sorted.size(), structure.size());
    EXPECT_EQ(sorted.front().id, 85) << "a small letter sorts with the capitals";
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        std::string a = sorted[i - 1].name;
        std::string b = sorted[i].name;
        std::transform(a.begin(), a.end(), a.begin(), ::tolower);
        std::transform(b.begin(), b.end(), b.begin(), ::tolower);
        EXPECT_LE(a, b) << i;
    }
}

TEST_F(Dictionary, AnEntryShowsWhatTheDisplayAsksFor) {
    const TheoryTexts texts(store);
    const std::string brief = DictionaryEntry(texts, 1, DictionaryDisplay::kShort);
    EXPECT_NE(brief.find("Universe"), std::string::npos);
    EXPECT_NE(brief.find("a fixed external state"), std::string::npos);
    EXPECT_EQ(brief.find("class of situations"), std::string::npos);
    EXPECT_EQ(brief.find("circumstance"), std::string::npos);
    const std::string longer = DictionaryEntry(texts, 1, DictionaryDisplay::kLong);
    EXPECT_NE(longer.find("class of situations"), std::string::npos);
    EXPECT_EQ(longer.find("circumstance"), std::string::npos);
    const std::string all = DictionaryEntry(texts, 1, DictionaryDisplay::kEverything);
    EXPECT_NE(all.find("circumstance"), std::string::npos);
    // An element of another class reads its first-class twin's texts.
    EXPECT_NE(
        DictionaryEntry(texts, 85 + kElementsPerClass, DictionaryDisplay::kShort).find("capacity to perform"),
        std::string::npos);
    EXPECT_EQ(TheoryTexts(nullptr).Text(kShortDefinitionSegment, 1), "");
}

TEST_F(Dictionary, TheWindowShowsTheChosenTermAndKeepsItAcrossSorting) {
    DictionaryWindow* window = Make();
    EXPECT_EQ(FindDictionaryWindow(application), window);
    EXPECT_EQ(window->GetList()->GetTopicCount(), static_cast<std::int32_t>(window->GetTerms().size()));
    EXPECT_EQ(window->GetSort(), DictionarySort::kAlphabetical);
    ASSERT_TRUE(window->ShowTerm(1));
    EXPECT_NE(ViewText(*window->GetTextView()).find("class of situations"), std::string::npos);
    EXPECT_FALSE(window->ShowTerm(9999));
    EXPECT_EQ(window->GetShownTerm(), 1);

    auto* sort = dynamic_cast<Popup*>(window->GetItem(DictionaryWindow::kSortItem));
    ASSERT_NE(sort, nullptr);
    sort->SetValue(1, true);
    window->EndModal(DictionaryWindow::kSortItem);
    EXPECT_EQ(window->GetSort(), DictionarySort::kStructure);
    EXPECT_EQ(window->GetTerms().front().id, 1);
    EXPECT_EQ(window->GetList()->GetTopicID(0), 1);
    EXPECT_EQ(window->GetShownTerm(), 1) << "the term stays chosen";

    auto* display = dynamic_cast<Popup*>(window->GetItem(DictionaryWindow::kDisplayItem));
    ASSERT_NE(display, nullptr);
    display->SetValue(2, true);
    window->EndModal(DictionaryWindow::kDisplayItem);
    EXPECT_EQ(window->GetDisplay(), DictionaryDisplay::kEverything);
    EXPECT_NE(ViewText(*window->GetTextView()).find("circumstance"), std::string::npos);
}

TEST_F(Dictionary, TheCommandOpensOneWindowWithOrWithoutAStoryAndSetFontIsOfferedForIt) {
    EXPECT_TRUE(application->CommandEnabled(kCmdDictionary));
    application->HandleCommand(kCmdDictionary);
    Run();
    DictionaryWindow* window = FindDictionaryWindow(application);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Dictionary");
    EXPECT_EQ(application->GetFrontWindow(), window);
    EXPECT_TRUE(application->CommandEnabled(kCmdSetFont)) << "the dictionary keeps a font without a story";
    FKDoc* story = NewStory();
    Run();
    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    application->HandleCommand(kCmdDictionary);
    Run();
    EXPECT_EQ(FindDictionaryWindow(application), window) << "brought to the front, not made again";
    EXPECT_EQ(application->GetFrontWindow(), window);
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    EXPECT_EQ(FindDictionaryWindow(application), nullptr);
}

TEST_F(Dictionary, ItsSortingDisplayDividerAndPlaceAreKeptAcrossARestart) {
    DictionaryWindow* window = Make();
    window->SetSort(DictionarySort::kStructure);
    window->SetDisplay(DictionaryDisplay::kShort);
    window->MoveTo(ShortRect::MakeLTRB(20, 20, 620, 420));
    const ShortRect place = window->GetRestoredRect();
    // The divider dragged to 200 pixels from the right edge.
    HorizontalSplitter& splitter = *window->GetSplitter();
    const ShortRect content = window->GetClientRect();
    splitter.SetBounds(
        ShortRect::MakeLTRB(content.right - 203, content.top, content.right - 197, content.bottom), true);
    window->SplitterMoved(&splitter);
    const std::int16_t split = splitter.GetPosition();
    EXPECT_EQ(split, 200);
    EXPECT_EQ(window->GetTextView()->Bounds().Width(), 200 - kSplitterThickness / 2);
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    CloseStore();
    Restart();
    OpenStore();
    window = Make();
    EXPECT_EQ(window->GetSort(), DictionarySort::kStructure);
    EXPECT_EQ(window->GetDisplay(), DictionaryDisplay::kShort);
    EXPECT_EQ(window->GetRestoredRect(), place);
    EXPECT_EQ(window->GetSplitter()->GetPosition(), split);
    // Stored values out of range are read as the nearest choice.
    PreferencesManager::SetPrefShort(&Record(PrefRecord::kDictionary), DictionaryWindow::kSortKey, 7);
    PreferencesManager::SetPrefShort(&Record(PrefRecord::kDictionary), DictionaryWindow::kDisplayKey, -3);
    DictionaryWindow second(application, TheoryTexts(store));
    EXPECT_EQ(second.GetSort(), DictionarySort::kStructure);
    EXPECT_EQ(second.GetDisplay(), DictionaryDisplay::kShort);
}

// The application data file's dictionary: every term has its name and definitions, and every entry
// reads without a macro left over, with or without a story open.
TEST_F(Dictionary, TheApplicationsDictionaryHoldsEveryTermsTexts) {
    const TheoryTexts texts = ApplicationTheoryTexts();
    ASSERT_NE(texts.GetStore(), nullptr);
    EXPECT_EQ(texts.Text(kTermNameSegment, 85), "Ability");
    EXPECT_EQ(texts.Name(12), ElementName(12)) << "a name that is a term of the vocabulary";
    EXPECT_EQ(texts.Name(12).find('{'), std::string::npos);
    auto* window = new DictionaryWindow(application);
    window->BuildContents();
    window->Show();
    Run();
    window->SetDisplay(DictionaryDisplay::kEverything);
    for (const DictionaryTerm& term : window->GetTerms()) {
        if (term.id >= 1000 && texts.Text(kShortDefinitionSegment, term.id).empty())
            continue;  // a point, no term
        EXPECT_FALSE(texts.Text(kShortDefinitionSegment, term.id).empty()) << term.id << " " << term.name;
        ASSERT_TRUE(window->ShowTerm(term.id));
        const std::string shown = ViewText(*window->GetTextView());
        EXPECT_NE(shown.find(term.name), std::string::npos) << term.id;
        EXPECT_EQ(shown.find('{'), std::string::npos) << term.id << ": " << shown;
    }
}

}  // namespace
}  // namespace storywindowstest
