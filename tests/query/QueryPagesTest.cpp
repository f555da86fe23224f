// The question pages in the running program (headless), built from hand-written page records: each
// builder's items in their index order with their bindings, what leaving a page stores (edit
// texts, the slider and its linked keys, within the length limits) into the records it names or
// nowhere, pages without or with damaged records, the general and dynamic radio pages, the
// illustration check, and the text typed into a page kept when the story is saved and reopened.

#include <gtest/gtest.h>

#include "QueryPagesFixture.h"
#include "items/EditView.h"
#include "items/Slider.h"
#include "items/StoredTextField.h"
#include "items/TextWrap.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/Input.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Window.h"
#include "platform/ui/VirtualKeys.h"
#include "query/FQSPageControls.h"
#include "query/FQSPageFactory.h"
#include "query/FQSRadioPages.h"
#include "query/FQSTreeSelectorView.h"
#include "query/data/QuerySolver.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace querytest {
namespace {

constexpr std::int32_t kGeneralRow = 0;
constexpr std::int32_t kBuildersRow = 1;
constexpr std::int32_t kDamagedRow = 2;
constexpr std::int32_t kResolveRow = 3;
constexpr std::int32_t kIllustrationRow = 8;
constexpr std::int32_t kAlternativeRow = 9;
constexpr std::int32_t kTitleRow = 10;
constexpr std::int16_t kResolvePoint = 1000;
constexpr std::int16_t kChange = 1001;

std::string RecordTextOf(PText* record, const char* key) {
    char text[4096] = "";
    if (!record || record->GetEntry(key, 'c', text, sizeof text) < 0) return "<missing>";
    return text;
}

std::int16_t NumberOf(PText* record, const char* key) {
    std::int16_t value = -99;
    if (record) record->GetEntry(key, 's', &value);
    return value;
}

// The part of the screen that shows the rectangle of the window's client area.
std::unique_ptr<win::Surface> ScreenPart(win::HWND window, const ShortRect& rect) {
    win::POINT origin{rect.left, rect.top};
    win::ClientToScreen(window, &origin);
    const win::Surface& screen = win::GetScreenSurface();
    auto part = std::make_unique<win::Surface>(rect.Width(), rect.Height());
    for (int y = 0; y < rect.Height(); ++y) {
        for (int x = 0; x < rect.Width(); ++x) part->SetPixel(x, y, screen.GetPixel(origin.x + x, origin.y + y));
    }
    return part;
}

template <typename Item>
Item* ItemAs(FQSWindow* window, std::int32_t index) {
    return dynamic_cast<Item*>(window->GetItem(index));
}

class QueryPages : public QueryPagesTest {
protected:
    // The radio at the item index turned on and the others of the page off, then its hit.
    void ClickRadio(std::int32_t item) {
        FQSPage* page = window->GetPage();
        for (std::int32_t i = 0; i < page->GetRadioCount(); ++i)
            page->GetRadio(i)->SetValue(FQSPage::kFirstPageItem + i == item ? 1 : 0, false);
        Hit(window, item);
    }
    std::uint8_t RowStatus(std::int32_t row) const {
        return window->GetTopicTree()->NodeAt(row)->GetStatus();
    }
};

TEST_F(QueryPages, TheBuildersMakeTheirItemsInOrderBoundToTheirValues) {
    FKDoc* document = NewStory();
    document->GetInfoRecord().SetEntry("NoteOne", 'c', "stored one");
    document->GetInfoRecord().SetNumberByName("STRngSlider", 's', 3);
    OpenPages(document);
    FQSPage* page = ShowRow(kBuildersRow);
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page->GetTitle(), "The builders") << "the first letter made upper case";
    ASSERT_EQ(ItemCount(), 23);

    auto* first = ItemAs<EditView>(window, 14);
    auto* second = ItemAs<EditView>(window, 15);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetText(), "stored one") << "read from the info record";
    EXPECT_EQ(second->GetText(), "default two") << "nothing stored: the default";
    EXPECT_TRUE(first->IsMultiLine());
    EXPECT_FALSE(second->IsMultiLine()) << "a label beside the view keeps it one line";
    auto* check = ItemAs<FQSCheckBox>(window, 16);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->GetValue(), 1) << "a plain binding is its own number";
    EXPECT_EQ(ItemAs<FQSCheckBox>(window, 17)->GetValue(), 0);
    auto* slider = ItemAs<Slider>(window, 18);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetValue(), 3);
    EXPECT_EQ(slider->GetMin(), -5);
    EXPECT_EQ(slider->GetMax(), 5);
    auto* popup = ItemAs<FQSPopup>(window, 19);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetItemCount(), 3);
    EXPECT_EQ(popup->GetValue(), 2) << "a value beyond the items shows the last";
    for (std::int32_t i = 20; i < 23; ++i) ASSERT_NE(ItemAs<FQSPushBtn>(window, i), nullptr) << i;
    ShortRect go;
    ShortRect longer;
    ItemAs<FQSPushBtn>(window, 20)->GetBounds(go);
    ItemAs<FQSPushBtn>(window, 21)->GetBounds(longer);
    EXPECT_EQ(go.Width(), longer.Width()) << "without \"BZ\" every button is as wide as the widest";
    EXPECT_LT(go.right, longer.left);

    // Texts: the main text, the two labels, the slider's four texts; the label beside its view.
    ASSERT_EQ(page->GetStaticTextCount(), 8) << "with the popup's label last";
    EXPECT_EQ(page->GetFixedTextIndex(), 2);
    ShortRect firstBounds;
    ShortRect secondBounds;
    first->GetBounds(firstBounds);
    second->GetBounds(secondBounds);
    EXPECT_EQ(firstBounds.top, page->GetStaticText(1).rect.bottom) << "below its label";
    EXPECT_EQ(secondBounds.top, page->GetStaticText(2).rect.top + 3) << "beside its label";
    EXPECT_GT(secondBounds.left, page->GetStaticText(2).rect.left);
    EXPECT_GT(page->GetStaticText(0).rect.bottom, page->GetStaticText(0).rect.top);
    EXPECT_EQ(page->GetFocusItem(), 14) << "the first edit view takes the focus";
    EXPECT_EQ(window->GetFocusItem(), 14);
}

TEST_F(QueryPages, StretchingGrowsTheWeightedViewAndMovesWhatFollows) {
    OpenPages(NewStory());
    FQSPage* page = ShowRow(kBuildersRow);
    auto bounds = [this](std::int32_t item) {
        ShortRect rect;
        dynamic_cast<TItem*>(window->GetItem(item))->GetBounds(rect);
        return rect;
    };
    const ShortRect first = bounds(14);
    const ShortRect second = bounds(15);
    const ShortRect popup = bounds(19);
    const ShortRect button = bounds(22);
    const ShortRect mainText = page->GetStaticText(0).rect;
    const ShortRect secondLabel = page->GetStaticText(2).rect;
    const ShortRect popupLabel = page->GetStaticText(7).rect;
    const std::int16_t cursor = page->GetLayoutCursor();
    page->Stretch(cursor);
    EXPECT_EQ(bounds(14), first) << "no room, nothing moves";
    page->Stretch(static_cast<std::int16_t>(cursor + 41));
    EXPECT_EQ(page->GetLayoutCursor(), cursor + 41);
    EXPECT_EQ(bounds(14).top, first.top);
    EXPECT_EQ(bounds(14).bottom, first.bottom + 41) << "the only weighted view takes every pixel";
    EXPECT_EQ(bounds(15).top, second.top + 41) << "the view below it moves";
    EXPECT_EQ(bounds(15).Height(), second.Height()) << "weight 0 does not grow";
    EXPECT_EQ(page->GetStaticText(2).rect.top, secondLabel.top + 41);
    EXPECT_EQ(bounds(19).top, popup.top + 41);
    EXPECT_EQ(bounds(22).top, button.top + 41);
    EXPECT_EQ(page->GetStaticText(7).rect.top, popupLabel.top + 41);
    EXPECT_EQ(page->GetStaticText(0).rect, mainText) << "the main text keeps its place";
}

TEST_F(QueryPages, LeavingAPageStoresItsTextsAndSliderAndLeavesTheWindowsItems) {
    FKDoc* document = NewStory();
    document->GetInfoRecord().SetNumberByName("STRng2Slider", 's', 1);
    OpenPages(document);
    ShowRow(kBuildersRow);
    ItemAs<EditView>(window, 14)->SetText("typed words", 1);
    ItemAs<Slider>(window, 18)->SetValue(4);
    FQSPage* next = ShowRow(kGeneralRow);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(ItemCount(), 17) << "the window's 14 items and the next page's three radios";
    EXPECT_EQ(RecordTextOf(&document->GetInfoRecord(), "NoteOne"), "typed words");
    EXPECT_EQ(RecordTextOf(&document->GetStorytellingRecord(), "NoteTwo"), "<missing>")
        << "the default was not edited";
    EXPECT_EQ(NumberOf(&document->GetInfoRecord(), "STRngSlider"), 4);
    EXPECT_EQ(NumberOf(&document->GetInfoRecord(), "STCnftSlider"), 3) << "the linked difference";
    EXPECT_EQ(
        document->GetQuestionStatus().GetStatus(11, window->GetListEntry(kBuildersRow)->GetContextKey()),
        kQuestionAnswered);
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(QueryPages, TheStoryTitleIsStoredShort) {
    FKDoc* document = NewStory();
    OpenPages(document);
    ShowRow(kTitleRow);
    ItemAs<EditView>(window, 14)->SetText(std::string(150, 't').c_str(), 1);
    ShowRow(kGeneralRow);
    const std::string stored = RecordTextOf(&document->GetInfoRecord(), "Title");
    EXPECT_GE(stored.size(), 99u);
    EXPECT_LE(stored.size(), 100u);
}

// The title's field stops at the 99 characters its key keeps as stored (a slash taking two): a
// 5,000-character paste is cut there and the writer is told, and the title stored is what the field
// showed.
TEST_F(QueryPages, TheTitleFieldStopsAtWhatItsKeyKeepsAndSaysSoOfACutPaste) {
    FKDoc* document = NewStory();
    OpenPages(document);
    for (const char pasted : {'t', '/'}) {
        SCOPED_TRACE(pasted);
        ShowRow(kTitleRow);
        auto* field = ItemAs<EditView>(window, 14);
        ASSERT_NE(field, nullptr);
        field->SetText("", 1);
        ASSERT_TRUE(win::detail::PutClipboardText(window->GetHWnd(), std::string(5000, pasted)));
        win::SetFocus(field->GetHWnd());
        Mark();
        presenter.KeyDown(win::VK_CONTROL);
        presenter.PressKey('V');
        presenter.KeyUp(win::VK_CONTROL);
        Run();
        const std::size_t kept = pasted == '/' ? 49 : 99;
        ASSERT_EQ(Asked().size(), 1u);
        EXPECT_EQ(Asked()[0], StoredTextField::CutMessage(kept));
        ShowRow(kGeneralRow);
        EXPECT_EQ(ExpandAndDecode(document, "{SDI(Title)}"), std::string(kept, pasted));
    }
}

// A title longer than its key keeps, kept from before, is not cut by a visit to its page: only a
// change the writer makes stores the title, cut where the field stops.
TEST_F(QueryPages, ALongerTitleKeptFromBeforeStaysWholeWhenItsPageIsOnlyVisited) {
    FKDoc* document = NewStory();
    const std::string older(150, 'o');
    document->GetInfoRecord().SetEntry("Title", kPTextText, older.c_str());
    OpenPages(document);
    ShowRow(kTitleRow);
    ShowRow(kGeneralRow);
    EXPECT_EQ(RecordTextOf(&document->GetInfoRecord(), "Title"), older);
}

// A field that leaves Return to its window neither takes the line feed of Ctrl+Return nor keeps
// it from the window: the query window steps to the next row.
TEST_F(QueryPages, ControlReturnInAFieldStepsToTheNextRowAndTypesNothing) {
    FKDoc* document = NewStory();
    OpenPages(document);
    ShowRow(kTitleRow);
    auto* field = ItemAs<EditView>(window, 14);
    ASSERT_NE(field, nullptr);
    field->SetText("Title", 1);
    win::SetFocus(field->GetHWnd());
    presenter.KeyDown(win::VK_CONTROL);
    presenter.PressKey(win::VK_RETURN);
    presenter.KeyUp(win::VK_CONTROL);
    Run();
    EXPECT_EQ(window->GetCurrentRow(), kTitleRow + 1);
    EXPECT_EQ(RecordTextOf(&document->GetInfoRecord(), "Title"), "Title") << "no line feed typed into it";
}

// A modifier key alone, or a command shortcut, pressed while a field has the focus (the writer
// about to quit with Ctrl+Q) edits nothing: the story stays unchanged. A typed letter changes it.
TEST_F(QueryPages, ModifierKeysAndCommandShortcutsInAFieldLeaveTheStoryUnchanged) {
    FKDoc* document = NewStory();
    OpenPages(document);
    ShowRow(kTitleRow);
    auto* field = ItemAs<EditView>(window, 14);
    ASSERT_NE(field, nullptr);
    win::SetFocus(field->GetHWnd());
    Run();
    document->SetClean();
    for (const win::UINT modifier : {win::VK_CONTROL, win::VK_SHIFT}) {
        presenter.PressKey(modifier);
        Run();
    }
    presenter.KeyDown(win::VK_CONTROL);
    presenter.PressKey('C');
    presenter.KeyUp(win::VK_CONTROL);
    Run();
    EXPECT_FALSE(document->IsDirty());
    EXPECT_FALSE(window->GetPage()->IsChanged());

    presenter.TypeText("a");
    Run();
    EXPECT_TRUE(document->IsDirty()) << "a letter typed is an edit";
    EXPECT_TRUE(window->GetPage()->IsChanged());
    Answer(win::IDNO);
}

TEST_F(QueryPages, ADamagedRecordIsHeldToTheCapacitiesAndWritesNowhere) {
    FKDoc* document = NewStory();
    OpenPages(document);
    FQSPage* page = ShowRow(kDamagedRow);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetRadioCount(), FQSPage::kMaxRadios);
    EXPECT_EQ(page->GetEditViewCount(), FQSPage::kMaxEditViews);
    EXPECT_EQ(page->GetCheckBoxCount(), 0) << "a negative count";
    EXPECT_EQ(page->GetPopupCount(), FQSPage::kMaxPopups);
    EXPECT_EQ(page->GetButtonCount(), FQSPage::kMaxButtons);
    EXPECT_EQ(ItemCount(), 14 + 5 + 5 + 5 + 20);
    // A selector that names no record: the binding's text is the value.
    auto* view = ItemAs<EditView>(window, 19);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetText(), "Lost");
    view->SetText("nowhere", 1);
    ShowRow(kGeneralRow);
    EXPECT_EQ(ItemCount(), 17);
    EXPECT_EQ(RecordTextOf(&document->GetInfoRecord(), "Lost"), "<missing>");
}

TEST_F(QueryPages, PagesWithoutARecordAreEmpty) {
    FKDoc* document = NewStory();
    OpenPages(document);
    ASSERT_TRUE(window->SelectQuestionList(kBareList, false, 0));
    Run();
    ASSERT_NE(window->GetPage(), nullptr);
    EXPECT_STREQ(window->GetPage()->GetTitle(), "");
    EXPECT_EQ(window->GetPage()->GetStaticTextCount(), 0);
    ASSERT_EQ(ItemCount(), 14) << "the window's page has no controls";
    for (const std::int16_t pageClass : {2, 1, 3, 75, 100, 999}) {
        std::unique_ptr<FQSPage> page = ProgramPageFactory().CreatePage(pageClass);
        ASSERT_NE(page, nullptr);
        page->Setup(*window, nullptr, 0, 13);
        EXPECT_STREQ(page->GetTitle(), "") << pageClass;
        EXPECT_EQ(page->GetStaticTextCount(), 0);
        EXPECT_EQ(page->GetRadioCount() + page->GetEditViewCount() + page->GetButtonCount(), 0);
        EXPECT_EQ(page->GetHelpLine(), 1);
        EXPECT_EQ(page->GetStoryPointId(), 0);
        page->Stretch(window->GetPageArea().bottom);
        page->ShowControls();
        page->Teardown();
        page->Teardown();
        EXPECT_EQ(ItemCount(), 14) << pageClass;
    }
}

TEST_F(QueryPages, ThePageShownAgainGetsItsEditFocusBack) {
    OpenPages(NewStory());
    ShowRow(kBuildersRow);
    auto* view = ItemAs<EditView>(window, 15);
    window->SetFocusItem(15);
    view->SetSelection(2, 40);
    window->RefreshPage();
    Run();
    EXPECT_EQ(window->GetFocusItem(), 15) << "the same page, list and context";
    std::int32_t start = -1;
    std::int32_t end = -1;
    ItemAs<EditView>(window, 15)->GetSelection(&start, &end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 11) << "held to the text's length";
    ShowRow(kDamagedRow);
    EXPECT_EQ(window->GetFocusItem(), 14) << "another page: its own first control";
}

TEST_F(QueryPages, AGeneralRadioPageKeepsTheIndexOfTheRadioThatIsOn) {
    FKDoc* document = NewStory();
    OpenPages(document);
    FQSPage* page = ShowRow(kGeneralRow);
    ASSERT_EQ(page->GetRadioCount(), 3);
    EXPECT_EQ(page->GetRadio(0)->GetValue(), 1) << "no answer stored: the first radio";
    EXPECT_EQ(page->GetFocusItem(), 14);
    ClickRadio(16);
    EXPECT_EQ(NumberOf(document->GetResponseRecord(), "PickKey"), 2) << "the third radio is 2, not \"none\"";
    ShowRow(kBuildersRow);
    page = ShowRow(kGeneralRow);
    EXPECT_EQ(page->GetRadio(2)->GetValue(), 1);
    EXPECT_EQ(page->GetRadio(0)->GetValue(), 0);
    EXPECT_EQ(page->GetFocusItem(), 16);
}

TEST_F(QueryPages, ADynamicRadioPageChoosesNarrowsAndTakesTheAnswerBack) {
    FKDoc* document = NewStory();
    OpenPages(document);
    const std::uint16_t all = document->GetStoryformCount();
    FQSPage* page = ShowRow(kResolveRow);
    ASSERT_EQ(page->GetRadioCount(), 3);
    for (std::int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(page->GetRadio(i)->GetValue(), 0) << "unchosen: no radio on";
    EXPECT_EQ(page->GetFocusItem(), 14);
    EXPECT_TRUE(page->GetRadio(0)->IsEnabled());
    EXPECT_EQ(document->GetStoryformCount(), all) << "the hidden count is not shown";

    ClickRadio(14);
    StoryFormManager* storyForm = document->GetStoryFormManager();
    EXPECT_EQ(storyForm->GetChoice(kResolvePoint), kChange);
    EXPECT_LT(document->GetStoryformCount(), all);
    EXPECT_EQ(RowStatus(kResolveRow), kQuestionAnswered);
    EXPECT_FALSE(IsConstraintFree(*FindConstraintOf(*window->GetSolver(), kResolvePoint)));
    EXPECT_TRUE(window->GetPage()->IsListening());

    ClickRadio(16);
    EXPECT_EQ(storyForm->GetChoice(kResolvePoint), 0) << "\"no choice\" takes the answer back";
    EXPECT_TRUE(IsConstraintFree(*FindConstraintOf(*window->GetSolver(), kResolvePoint)));
    EXPECT_EQ(document->GetStoryformCount(), all);
    EXPECT_EQ(RowStatus(kResolveRow), kQuestionOpen);
}

TEST_F(QueryPages, ADynamicAnswerWithControlHeldMovesToTheNextQuestion) {
    FKDoc* document = NewStory();
    OpenPages(document);
    ShowRow(kResolveRow);
    presenter.KeyDown(win::VK_CONTROL);
    Run();
    ClickRadio(15);
    presenter.KeyUp(win::VK_CONTROL);
    Run();
    EXPECT_EQ(document->GetStoryFormManager()->GetChoice(kResolvePoint), kChange + 1);
    EXPECT_EQ(window->GetCurrentRow(), kResolveRow + 1);
}

TEST_F(QueryPages, ADynamicAnswerThatLeavesNoStoryformIsNotStored) {
    FKDoc* document = NewStory();
    document->GetStoryFormManager()->SetChoice(12000, 1);
    document->SetClean();
    OpenPages(document);
    ShowRow(kResolveRow);
    // The main character's domain the overall story's too: no storyform whatever the resolve.
    FixConstraintToValue(*FindConstraintOf(*window->GetSolver(), 15000), 1);
    document->SetClean();
    Mark();
    ClickRadio(14);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].rfind("Ouch!", 0), 0u);
    EXPECT_EQ(document->GetStoryFormManager()->GetChoice(kResolvePoint), 0) << "the answer is not stored";
    EXPECT_FALSE(document->IsDirty());
    ASSERT_NE(window->GetPage(), nullptr);
    EXPECT_EQ(window->GetPage()->GetRadio(0)->GetValue(), 0) << "the page shown again from the story";
}

// The tree's tick of a text topic follows its status when the writer leaves the page with Next: the
// row shows the tick at once, as it does when the whole tree is painted again.
TEST_F(QueryPages, LeavingATextPageWithNextTicksItsRowAtOnce) {
    OpenPages(NewStory());
    ShowRow(kTitleRow);
    ItemAs<EditView>(window, 14)->SetText("A title", 1);
    Hit(window, FQSWindow::kNextItem);
    FQSTreeSelectorView* tree = window->GetTopicTree();
    EXPECT_EQ(tree->NodeAt(kTitleRow)->GetStatus(), kQuestionAnswered);
    const auto shown = ScreenPart(window->GetHWnd(), tree->Bounds());
    tree->Invalidate();
    Run();
    EXPECT_EQ(gditest::DifferingPixels(*shown, *ScreenPart(window->GetHWnd(), tree->Bounds())), 0)
        << "the tick was drawn when the page was left";
}

// The answer that left no storyform is put back, so the story is consistent again: what the writer
// types afterwards is stored when the page is left, and the window follows the story's changes.
TEST_F(QueryPages, AfterAnAnswerPutBackTextIsStoredAndChangesAreFollowed) {
    FKDoc* document = NewStory();
    document->GetStoryFormManager()->SetChoice(12000, 1);
    OpenPages(document);
    ShowRow(kResolveRow);
    FixConstraintToValue(*FindConstraintOf(*window->GetSolver(), 15000), 1);
    Mark();
    ClickRadio(14);
    ASSERT_EQ(Asked().size(), 1u);
    ASSERT_EQ(Asked()[0].rfind("Ouch!", 0), 0u);

    ShowRow(kTitleRow);
    ItemAs<EditView>(window, 14)->SetText("Typed after the warning", 1);
    Hit(window, FQSWindow::kNextItem);
    EXPECT_EQ(RecordTextOf(&document->GetInfoRecord(), "Title"), "Typed after the warning");

    const std::uint16_t count = document->GetStoryformCount();
    document->GetStoryFormManager()->SetChoice(kResolvePoint, kChange);
    Run();
    EXPECT_LT(document->GetStoryformCount(), count) << "the window recounted after the change";
    EXPECT_EQ(window->GetCurrentRow(), kTitleRow + 1);
}

TEST_F(QueryPages, AnIllustrationOfAnUnchosenPointSaysSo) {
    FKDoc* document = NewStory();
    OpenPages(document);
    FQSPage* page = ShowRow(kIllustrationRow);
    ASSERT_GE(page->GetStaticTextCount(), 1);
    const std::string shown = page->GetStaticText(0).wrap->GetText();
    EXPECT_EQ(shown.rfind("You cannot illustrate  ", 0), 0u) << shown;
    EXPECT_NE(shown.find(StoryPointName(kResolvePoint)), std::string::npos);
    page = ShowRow(kAlternativeRow);
    EXPECT_STREQ(page->GetStaticText(0).wrap->GetText(), "Choose first.");
    EXPECT_EQ(page->GetAnswerValue(), 0);

    document->GetStoryFormManager()->SetChoice(kResolvePoint, kChange);
    Run();
    page = ShowRow(kIllustrationRow);
    EXPECT_STREQ(page->GetStaticText(0).wrap->GetText(), "Illustrate the resolve.");
    EXPECT_EQ(page->GetAnswerValue(), kChange);
}

TEST_F(QueryPages, EditsToACharacterDeletedMeanwhileGoNowhere) {
    FKDoc* document = NewStory();
    OpenPages(document);
    FQSPage* page = ShowRow(kBuildersRow);
    // The first view's record is looked up again when the page is left; one bound to a character that
    // is no longer there finds none.
    FQSPage::EditSlot& slot = const_cast<FQSPage::EditSlot&>(page->GetEditSlot(0));
    CharacterManager* characters = document->GetCharacterManager();
    slot.selector = 3;
    slot.character = characters->GetMainCharacter();
    ASSERT_NE(page->RecordForSelector(3), nullptr);
    const CharID main = characters->GetMainCharacter();
    characters->DeleteCharacter(main, false);
    ItemAs<EditView>(window, 14)->SetText("for nobody", 1);
    window->ShowPage(kGeneralRow, 10);
    Run();
    EXPECT_EQ(RecordTextOf(&document->GetInfoRecord(), "NoteOne"), "<missing>");
    const CharID now = characters->GetMainCharacter();
    if (now != kNoCharID && characters->GetCharacter(now)) {
        EXPECT_EQ(RecordTextOf(characters->GetCharacter(now)->Record(), "NoteOne"), "<missing>")
            << "nothing written into the character now in the role";
    }
}

TEST_F(QueryPages, TextTypedIntoAPageIsKeptWithTheStory) {
    FKDoc* document = NewStory();
    apptest::StoryAppTest::Choose("pages.fsf");
    ASSERT_EQ(document->SaveAs(nullptr), kNoErr);
    OpenPages(document);
    ShowRow(kBuildersRow);
    ItemAs<EditView>(window, 14)->SetText("kept words", 1);
    ShowRow(kGeneralRow);
    ASSERT_EQ(document->Save(nullptr), kNoErr);
    ASSERT_TRUE(application->CloseAll(true));

    document = OpenStory("pages.fsf");
    ASSERT_NE(document, nullptr);
    OpenPages(document);
    ShowRow(kBuildersRow);
    EXPECT_EQ(ItemAs<EditView>(window, 14)->GetText(), "kept words");
}

// Tab in a field of a page moves the keyboard focus to the page's next field, and what is typed
// then lands there; Shift+Tab goes back. Neither key is typed into a field or counts as a change.
TEST_F(QueryPages, TabAndShiftTabMoveBetweenThePagesFields) {
    FKDoc* document = NewStory();
    OpenPages(document);
    ShowRow(kBuildersRow);
    auto* first = ItemAs<EditView>(window, 14);
    auto* second = ItemAs<EditView>(window, 15);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    first->SetText("", 1);
    second->SetText("", 1);
    win::SetFocus(first->GetHWnd());
    Run();
    document->SetClean();
    window->GetPage()->SetChanged(false);

    presenter.PressKey(win::VK_TAB);
    Run();
    EXPECT_EQ(window->GetFocusItem(), 15);
    EXPECT_EQ(win::GetFocus(), second->GetHWnd());
    EXPECT_EQ(first->GetText(), "") << "Tab is not typed";
    EXPECT_FALSE(document->IsDirty()) << "moving on changes nothing";
    presenter.TypeText("after Tab");
    Run();
    EXPECT_EQ(second->GetText(), "after Tab");
    EXPECT_EQ(first->GetText(), "");

    presenter.KeyDown(win::VK_SHIFT);
    presenter.PressKey(win::VK_TAB);
    presenter.KeyUp(win::VK_SHIFT);
    Run();
    EXPECT_EQ(window->GetFocusItem(), 14);
    EXPECT_EQ(win::GetFocus(), first->GetHWnd());
    presenter.TypeText("back");
    Run();
    EXPECT_EQ(first->GetText(), "back");
    EXPECT_EQ(second->GetText(), "after Tab");
    Answer(win::IDNO);
}

}  // namespace
}  // namespace querytest
