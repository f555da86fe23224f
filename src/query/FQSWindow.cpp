// The query window's making and unmaking, its items and their layout, its splitters, fonts and
// title, and the road of its item hits.

#include "query/FQSWindow.h"
#include "query/keywords/PageKeywords.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "foundation/StrList.h"
#include "foundation/pfm/PText.h"
#include "framework/BusyCursor.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/BarGraph.h"
#include "items/GraphBtn.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "query/FQSHSplitter.h"
#include "query/FQSHelpPane.h"
#include "query/FQSPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/QueryDocument.h"
#include "query/data/QuestionList.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "widgets/MultiFontDialog.h"
#include "widgets/Popup.h"

namespace {

constexpr int kBlack = 0;
constexpr int kWhite = 1;
constexpr int kGrey = 8;
constexpr int kDarkGrey = 9;
constexpr int kWindowBack = 12;
// Where the horizontal splitter starts (it is placed on its band at once), and how close to the
// content's edges the splitters may come.
constexpr std::int16_t kHorizontalSplitStart = 50;
constexpr std::int16_t kPageMinimum = 50;
constexpr std::int16_t kSmallestColumnSplit = 133;
constexpr std::int16_t kLargestColumnSplit = 1000;
constexpr std::int16_t kPageRoom = 430;
constexpr std::int16_t kHelpButtonFontNumber = 3;
constexpr std::int16_t kHelpButtonFontSize = 9;

const char* const kFontSamples[] = {
    "The Query System TOPICS LIST will look like this.",
    "The Query System PROMPTS and TITLES will use this font",
    "The text you EDIT will look like this.",
    "The HELP text will use this font.",
};
const char* const kFontKeys[] = {FQSWindow::kTopicsFontKey, FQSWindow::kPromptsFontKey, FQSWindow::kEditFontKey,
                                 FQSWindow::kHelpFontKey};

PreferencesManager* PreferencesOf(TAppl* application) {
    auto* fablecore = dynamic_cast<Fablecore*>(application);
    return fablecore ? fablecore->GetPreferencesManager() : nullptr;
}

QueryStory StoryOf(FKDoc* document) { return document ? QueryStoryOf(*document) : QueryStory{}; }

}  // namespace

FQSWindow::FQSWindow(std::int16_t startList, TAppl* application, FKDoc* document, std::int32_t mode,
                     const char* title, IFQSPageFactory* pageFactory)
    : TFablecoreQuestionWindow(application, document, mode, title),
      MStoryFormListener(document ? document->GetStoryFormManager() : nullptr),
      MCharacterListener(document ? document->GetCharacterManager() : nullptr),
      MSceneListener(document ? document->GetSceneManager() : nullptr),
      story_(document),
      pageFactory_(pageFactory),
      list_(StoryOf(document)),
      textBuffer_(std::make_unique<char[]>(kTextBufferSize)),
      startList_(startList) {
    // The window's titles and pages are read through the page keywords.
    RegisterPageKeywords();
    ShortRect place = DefaultQueryPlace(kDefaultPlace, application ? application->GetFrameClientRect() : kDefaultPlace);
    ShortRect stored;
    if (PreferencesManager::GetPrefRect(Preferences(), kPlaceKey, stored) && stored.Width() > 0 &&
        stored.Height() > 0)
        place = stored;
    KeepRectInFrame(place);
    Create(place);
    if (story_) story_->SetFQSWindow(this);
    ReadPreferences();
    if (story_ && story_->GetStoryFormManager())
        solver_ = std::make_unique<StoryformSolver>(*story_->GetStoryFormManager());
}

FQSWindow::~FQSWindow() {
    closing_ = true;
    {
        const BusyCursor busy;
        PText* preferences = Preferences();
        if (horizontalSplitter_)
            PreferencesManager::SetPrefShort(
                preferences, kHorizontalSplitKey,
                static_cast<std::int16_t>(horizontalSplitter_->GetRemainingWidth()));
        KeepHelpPanePlace();
        if (tree_) SaveListPosition(listId_);
        ReleasePage();
        solver_.reset();
        if (GetHWnd()) PreferencesManager::SaveWindowRect(preferences, *this, kPlaceKey);
        PreferencesManager::SetPrefString(preferences, kHelpButtonsKey, FormatHelpButtonStates(helpButtons_).c_str());
        if (story_ && tree_) RememberListToOpen(story_->GetResponseRecord(), listId_);
    }
    MStoryFormListener::SetBroadcaster(nullptr);
    MCharacterListener::SetBroadcaster(nullptr);
    MSceneListener::SetBroadcaster(nullptr);
    if (story_ && story_->GetFQSWindow() == this) story_->SetFQSWindow(nullptr);
}

// --- Preferences

PreferencesManager* FQSWindow::GetPreferencesManager() const { return PreferencesOf(GetApplication()); }

PText* FQSWindow::Preferences() const {
    PreferencesManager* preferences = PreferencesOf(GetApplication());
    return preferences ? preferences->GetFQSRecord() : nullptr;
}

std::int16_t FQSWindow::ReadPreference(const char* key, std::int16_t fallback) const {
    std::int16_t value = fallback;
    PreferencesManager::GetPrefShort(Preferences(), key, value);
    return value;
}

void FQSWindow::ReadPreferences() {
    PText* preferences = Preferences();
    MakeLogFont(fonts_[kTopicsFont], 3, 10, 0);
    MakeLogFont(fonts_[kPromptsFont], 5, 9, kStyleBold);
    MakeLogFont(fonts_[kEditFont], 3, 12, 0);
    MakeLogFont(fonts_[kHelpFont], 5, 10, 0);
    for (int i = 0; i < kFontCount; ++i)
        PreferencesManager::GetPrefFont(preferences, kFontKeys[i], fonts_[static_cast<std::size_t>(i)]);
    char states[64];
    const bool stored = PreferencesManager::GetPrefString(preferences, kHelpButtonsKey, states, sizeof states) >= 0;
    helpButtons_ = ParseHelpButtonStates(stored ? states : nullptr);
}

// --- Items

void FQSWindow::BuildContents() {
    const BusyCursor busy;
    FreeItems();
    auto* list = new ItemList(this);
    list->SetBackColor(GetStandardColor(kWindowBack));
    const RGBColor black = GetStandardColor(kBlack);
    ShortRect content;
    GetContentRect(content);
    const std::int16_t split = ReadPreference(kHorizontalSplitKey, DefaultHorizontalSplit(content.Width()));
    layout_ = ComputeFQSWindowLayout(content, LeftColumnForSplit(content.Width(), split),
                                     ReadPreference(kVerticalSplitKey, DefaultVerticalSplit(content.Height())));

    // The tree's two scrollers take the items 0 and 1, the tree itself 2.
    tree_ = new FQSTreeSelectorView(list, &layout_.tree);
    tree_->SetFont(fonts_[kTopicsFont]);
    list->Append(tree_);
    listChooser_ = new Popup(list, &layout_.listChooser, "", 0, black, 0, nullptr, 0, 12, 0);
    // The lists the data file holds, by their names; a missing list takes no row.
    chooserLists_.clear();
    for (std::int16_t id = 0; id < kChoosableListCount; ++id) {
        if (!QuestionListExists(GetApplication() ? GetApplication()->GetDataFile() : nullptr, id)) continue;
        chooserLists_.push_back(id);
        listChooser_->AddItem(GetListName(id).c_str());
    }
    list->Append(listChooser_);
    for (const auto& [title, bounds] : {std::pair{"Start", &layout_.start}, std::pair{"Prev", &layout_.prev},
                                        std::pair{"Close", &layout_.close}, std::pair{"Next", &layout_.next}})
        list->Append(new PushBtn(list, title, 0, bounds, 0, black, 0, 0, 0, 12, 0, 0));
    helpPane_ = new FQSHelpPane(list, &layout_.helpPane);
    helpPane_->SetFont(fonts_[kHelpFont]);
    list->Append(helpPane_);

    // Grey buttons with black labels, on or off (the bevel tells which); a button whose section has
    // no text is dimmed to dark grey, still readable on the face.
    helpButtonRow_ = new GraphBtn(list, nullptr, black, black, false, true);
    helpButtonRow_->SetColor(GetStandardColor(kDarkGrey));
    win::LOGFONTA buttonFont;
    MakeLogFont(buttonFont, kHelpButtonFontNumber, kHelpButtonFontSize, 0);
    const ShortPoint rowOrigin{layout_.helpPane.left, static_cast<std::int16_t>(layout_.helpPane.top - 20)};
    for (int i = 0; i < kHelpSectionCount; ++i) {
        const std::string label = ExpandAndDecode(story_, kHelpButtonLabels[i]);
        helpButtonRow_->AddButton(0, HelpButtonRect(i, rowOrigin), label.c_str(), &buttonFont,
                                  GraphBtn::kSunkenBevel, GraphBtn::kRaisedBevel, 1, black,
                                  GetStandardColor(kGrey));
        helpButtonRow_->SetButtonState(i, helpButtons_[static_cast<std::size_t>(i)] != 0 ? 1 : 0);
    }
    list->Append(helpButtonRow_);

    for (std::size_t i = 0; i < 2; ++i) {
        bars_[i] = new BarGraph(list, &layout_.bars[i], GetStandardColor(kDarkGrey), GetStandardColor(kWhite), 1, 0, 0, 0);
        list->Append(bars_[i]);
    }

    verticalSplitter_ = new ToggleableVSplitter(this, list, DefaultVerticalSplit(content.Height()), 0);
    verticalSplitter_->SetMinimumNear(kPageMinimum);
    verticalSplitter_->SetMinimumFar(kCollapsedSplit);
    list->Append(verticalSplitter_);
    horizontalSplitter_ = new FQSHSplitter(this, list, kHorizontalSplitStart);
    horizontalSplitter_->SetFixed(true);
    horizontalSplitter_->SetMinimumNear(kSmallestColumnSplit);
    horizontalSplitter_->SetMaximumNear(kLargestColumnSplit);
    horizontalSplitter_->SetMinimumFar(kPageRoom);
    list->Append(horizontalSplitter_);

    SetItemList(list);
    SetUpItems();
    verticalSplitter_->SetBounds(layout_.verticalSplitter, false);
    horizontalSplitter_->SetBounds(layout_.horizontalSplitter, false);
    ApplyClickMode();
    HideHelpPane();
    UpdateTitle();

    SelectQuestionList(ListToOpen(startList_, story_ ? story_->GetResponseRecord() : nullptr), false, -1);
    UpdateTopicProgressBar();
    UpdateRowStatuses();
    horizontalSplitter_->SetBounds(layout_.horizontalSplitter, true);
}

void FQSWindow::RemovePageItems() {
    auto* list = static_cast<ItemList*>(GetItemList());
    if (!list) return;
    if (GetFocusItem() >= FQSPage::kFirstPageItem) SetFocusIndex(-1);
    for (std::int32_t i = list->Count() - 1; i >= FQSPage::kFirstPageItem; --i) {
        if (TItem* item = list->ItemAt(i)) item->Close();
        list->DeleteAt(i);
    }
}

// --- Layout

std::int16_t FQSWindow::NotifyItems(std::int16_t code) {
    const std::int16_t result = TFablecoreQuestionWindow::NotifyItems(code);
    if (code != 1 && tree_) Relayout();
    return result;
}

void FQSWindow::Relayout() {
    ShortRect content;
    GetContentRect(content);
    // The splitter's centre line, where it stood before the window changed size: the tree keeps its
    // width, and the page takes what the window gained or lost.
    const ShortRect* band = horizontalSplitter_ ? &horizontalSplitter_->Bounds() : nullptr;
    const int split = band ? (band->left + band->right) / 2
                           : ReadPreference(kHorizontalSplitKey, DefaultHorizontalSplit(content.Width()));
    const int verticalSplit = verticalSplitter_ ? verticalSplitter_->GetPosition()
                                                : ReadPreference(kVerticalSplitKey, DefaultVerticalSplit(content.Height()));
    layout_ = ComputeFQSWindowLayout(content, LeftColumnForSplit(content.Width(), split), verticalSplit);
    if (!tree_) return;
    tree_->SetBounds(layout_.tree, true);
    listChooser_->SetBounds(layout_.listChooser, true);
    const ShortRect* buttons[] = {&layout_.start, &layout_.prev, &layout_.close, &layout_.next};
    for (std::int32_t i = 0; i < 4; ++i) {
        if (auto* button = dynamic_cast<TItem*>(GetItem(kStartItem + i))) button->SetBounds(*buttons[i], true);
    }
    for (std::size_t i = 0; i < 2; ++i) bars_[i]->SetBounds(layout_.bars[i], true);
    horizontalSplitter_->SetBounds(layout_.horizontalSplitter, true);
    verticalSplitter_->SetBounds(layout_.verticalSplitter, true);
    Invalidate();
    if (page_) ShowPage(row_, topic_);
}

std::int16_t FQSWindow::SplitterMoved(TSplitter* splitter) {
    if (splitter == verticalSplitter_)
        PreferencesManager::SetPrefShort(Preferences(), kVerticalSplitKey, verticalSplitter_->GetPosition());
    Relayout();
    return 1;
}

// The help pane's line as the window leaves it: a page that grows fills the page area down to the
// splitter wherever the pages before it left it, so the window opened again starts from there. A
// pane the writer collapsed keeps its collapsed mark.
void FQSWindow::KeepHelpPanePlace() {
    if (!verticalSplitter_ || ReadPreference(kVerticalSplitKey, -1) == kCollapsedSplit) return;
    const std::int16_t split = verticalSplitter_->GetPosition();
    if (split > kCollapsedSplit) PreferencesManager::SetPrefShort(Preferences(), kVerticalSplitKey, split);
}

std::int16_t FQSWindow::SplitterToggled(TSplitter* /*splitter*/) {
    ToggleHelp();
    return 1;
}

void FQSWindow::ToggleHelp() {
    if (!verticalSplitter_) return;
    // Where the splitter stands is the stored position: a page that cannot grow holds the splitter
    // below its content whatever is stored.
    const HelpPaneToggle toggle = ToggleHelpPane(ReadPreference(kVerticalSplitKey, verticalSplitter_->GetPosition()),
                                                 ReadPreference(kOpenSplitKey, -1));
    PText* preferences = Preferences();
    if (toggle.keptOpen >= 0) PreferencesManager::SetPrefShort(preferences, kOpenSplitKey, toggle.keptOpen);
    PreferencesManager::SetPrefShort(preferences, kVerticalSplitKey, toggle.split);
    ShortRect content;
    GetContentRect(content);
    const int centre = content.bottom - toggle.split;
    verticalSplitter_->SetBounds(ShortRect::MakeLTRB(layout_.page.left + 1, centre - 3, layout_.page.right - 1, centre + 3),
                                 false);
    Relayout();
}

// --- Title, activation, fonts

void FQSWindow::UpdateTitle() {
    if (!story_) return TFablecoreQuestionWindow::UpdateTitle();
    char title[256] = "";
    story_->GetTitle(kTitle, title, sizeof title);
    SharedStringConverter().DecodeInPlace(title);
    SetTitle(title);
}

void FQSWindow::ApplyClickMode() {
    // Without "ClkTogHlp" a plain click turns the other buttons off and Shift adds a button.
    if (helpButtonRow_) helpButtonRow_->SetPlainClickClears(ReadPreference(kClickTogglesKey, 0) == 0);
}

void FQSWindow::Activate(bool active) {
    ApplyClickMode();
    if (!active && page_) page_->SaveEditFocus();
    TFablecoreQuestionWindow::Activate(active);
    if (active && page_) page_->RestoreEditFocus();
}

void FQSWindow::ChooseFonts() {
    std::array<win::LOGFONTA, kFontCount> chosen = fonts_;
    (new MultiFontDialog(kFontCount, chosen.data(), kFontSamples))->DoModal();
    bool changed = false;
    for (int i = 0; i < kFontCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (LogFontsEqual(chosen[at], fonts_[at])) continue;
        fonts_[at] = chosen[at];
        PreferencesManager::SetPrefFont(Preferences(), kFontKeys[i], fonts_[at]);
        changed = true;
        if (i == kTopicsFont && tree_) tree_->SetFont(fonts_[at]);
        if (i == kHelpFont && helpPane_) helpPane_->SetFont(fonts_[at]);
    }
    if (changed && page_) ShowPage(row_, topic_);
}

// --- Item hits

void FQSWindow::HandleItemHit(std::int32_t itemIndex) {
    const WindowRef self(this);
    requests_.busy = true;
    switch (itemIndex) {
        case kTreeItem: ShowSelectedPage(); break;
        case kListChooserItem:
            if (const std::int16_t chosen = listChooser_ ? GetChooserListId(listChooser_->GetValue()) : -1;
                chosen >= 0 && chosen != listId_)
                SelectQuestionList(chosen, true, -1);
            break;
        case kStartItem: Start(); break;
        case kPrevItem: Prev(std::exchange(stepBySelectableNode_, false)); break;
        case kCloseItem: PostCommand(std::make_unique<CmdAppCloseWindow>(GetApplication(), this, false)); break;
        case kNextItem: Next(std::exchange(stepBySelectableNode_, false)); break;
        case kHelpPaneItem: ChooseFonts(); break;  // the pane posts its hit for an Alt-click only
        case kHelpButtonsItem:
            if (helpButtonRow_) helpButtonRow_->GetButtonStates(helpButtons_.data());
            ComposeHelp();
            break;
        default:
            if (itemIndex >= FQSPage::kFirstPageItem && page_) page_->HandleControl(itemIndex);
            break;
    }
    if (!self.Get()) return;
    RunPendingRequests();
    requests_.busy = false;
}
