#include "storywindows/DictionaryWindow.h"

#include <algorithm>
#include <array>

#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemList.h"
#include "items/RichTextView.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/MultiFontDialog.h"
#include "widgets/Popup.h"

namespace {

constexpr const char* kSortNames[] = {"Alphabetical", "By Structure"};
constexpr const char* kDisplayNames[] = {"Short Definitions", "Long Definitions", "Definitions and Synonyms"};
constexpr const char* kFontSamples[] = {"Terms", "Definitions"};

template <typename Enum, std::size_t N>
Enum Bounded(std::int16_t value, const char* const (&)[N]) {
    return static_cast<Enum>(std::clamp<int>(value, 0, static_cast<int>(N) - 1));
}

ShortRect DefaultPlace(const TAppl* application) {
    return FrameInset(application, 50, 30, ShortRect::MakeLTRB(40, 30, 640, 450));
}

}  // namespace

DictionaryWindow::DictionaryWindow(TAppl* application, TheoryTexts texts)
    : ProgramWindow(application, "Dictionary", PrefRecord::kDictionary, kPlacementKey,
                    DefaultPlace(application)),
      texts_(texts) {
    PText* preferences = GetPreferences();
    listFont_ = KeptFont(preferences, kListFontKey, 5, 10);
    textFont_ = KeptFont(preferences, kTextFontKey, 5, 10);
    std::int16_t sort = static_cast<std::int16_t>(sort_);
    std::int16_t display = static_cast<std::int16_t>(display_);
    PreferencesManager::GetPrefShort(preferences, kSortKey, sort);
    PreferencesManager::GetPrefShort(preferences, kDisplayKey, display);
    PreferencesManager::GetPrefShort(preferences, kSplitKey, split_);
    sort_ = Bounded<DictionarySort>(sort, kSortNames);
    display_ = Bounded<DictionaryDisplay>(display, kDisplayNames);
}

void DictionaryWindow::BuildContents() {
    FreeItems();
    list_ = nullptr;
    splitter_ = nullptr;
    text_ = nullptr;
    auto* list = new ItemList(this);
    list->SetBackColor(GetStandardColor(8));
    const RGBColor black = GetStandardColor(0);
    const auto popup = [&](int left, int right) {
        const ShortRect bounds = ShortRect::MakeLTRB(left, 6, right, 6 + Popup::kStandardHeight);
        list->Append(new Popup(list, &bounds, nullptr, 0, black, 0, nullptr, 0, 12, 0));
    };
    popup(8, 168);
    popup(176, 396);
    const ShortRect content = GetClientRect();
    const ShortRect panes = ShortRect::MakeLTRB(0, kToolbarHeight, content.right, content.bottom);
    const ShortRect divider = SplitterPlace(false, panes, split_);
    const ShortRect left = NearPane(false, panes, divider);
    const ShortRect right = FarPane(false, panes, divider);
    list_ = new TopicListView(list, 64, this, &left, TView::kVertScrollBar, 0, RGBColor(0), &listFont_);
    list->Append(list_);
    splitter_ = new HorizontalSplitter(this, list, split_);
    splitter_->SetFlags(TItem::kFollowsWindowSize);
    splitter_->SetMinimumNear(100);
    splitter_->SetMinimumFar(120);
    list->Append(splitter_);
    text_ = new RichTextView(nullptr, nullptr, list, TView::kVertScrollBar, &right, 0, black);
    text_->SetFont(textFont_);
    list->Append(text_);
    SetItemList(list);
    SetUpItems();
    if (auto* sort = dynamic_cast<Popup*>(GetItem(kSortItem))) {
        for (const char* name : kSortNames) sort->AddItem(name);
        sort->SetValue(static_cast<std::int32_t>(sort_), false);
    }
    if (auto* display = dynamic_cast<Popup*>(GetItem(kDisplayItem))) {
        for (const char* name : kDisplayNames) display->AddItem(name);
        display->SetValue(static_cast<std::int32_t>(display_), false);
    }
    splitter_->SetBounds(divider, false);
    FillList();
    LayOut();
    SetFocusItem(kListItem, false);
}

void DictionaryWindow::LayOut() {
    if (!list_ || !splitter_ || !text_) return;
    const ShortRect content = GetClientRect();
    PlaceSplitPanes(*splitter_, false,
                    ShortRect::MakeLTRB(0, kToolbarHeight, content.right,
                                        std::max<int>(content.bottom, kToolbarHeight + 1)),
                    *list_, *text_);
}

void DictionaryWindow::FillList() {
    terms_ = DictionaryTerms(texts_, sort_);
    if (!list_) return;
    list_->BeginUpdate();
    list_->RemoveAllTopics();
    for (const DictionaryTerm& term : terms_)
        list_->AddTopic(static_cast<std::int16_t>(term.id), term.name.c_str());
    list_->EndUpdate();
    const int shown = shown_;
    shown_ = -1;
    if (shown >= 0) ShowTerm(shown);
}

bool DictionaryWindow::ShowTerm(int id) {
    std::int32_t row = -1;
    if (!list_ || id <= 0 || id > INT16_MAX || !list_->FindTopic(static_cast<std::int16_t>(id), &row))
        return false;
    list_->SetSelection(row);
    shown_ = id;
    if (text_) text_->ExpandAndSetText(DictionaryEntry(texts_, id, display_).c_str());
    return true;
}

void DictionaryWindow::SetSort(DictionarySort sort) {
    if (auto* popup = dynamic_cast<Popup*>(GetItem(kSortItem)))
        popup->SetValue(static_cast<std::int32_t>(sort), true);
    if (sort == sort_) return;
    sort_ = sort;
    PreferencesManager::SetPrefShort(GetPreferences(), kSortKey, static_cast<std::int16_t>(sort));
    FillList();
}

void DictionaryWindow::SetDisplay(DictionaryDisplay display) {
    if (auto* popup = dynamic_cast<Popup*>(GetItem(kDisplayItem)))
        popup->SetValue(static_cast<std::int32_t>(display), true);
    if (display == display_) return;
    display_ = display;
    PreferencesManager::SetPrefShort(GetPreferences(), kDisplayKey, static_cast<std::int16_t>(display));
    if (shown_ >= 0) ShowTerm(shown_);
}

void DictionaryWindow::EndModal(std::int32_t itemIndex) {
    const auto* popup = dynamic_cast<const Popup*>(GetItem(itemIndex));
    if (!popup || popup->GetValue() < 0) return;
    const auto pick = static_cast<std::int16_t>(popup->GetValue());
    if (itemIndex == kSortItem) SetSort(Bounded<DictionarySort>(pick, kSortNames));
    if (itemIndex == kDisplayItem) SetDisplay(Bounded<DictionaryDisplay>(pick, kDisplayNames));
}

std::int16_t DictionaryWindow::TopicChosen(TopicListView* /*view*/, std::int32_t /*row*/,
                                           std::int16_t topicId, std::int16_t /*doubleClickOrKey*/,
                                           std::int16_t /*notify*/) {
    ShowTerm(topicId);
    return 1;
}

std::int16_t DictionaryWindow::SplitterMoved(TSplitter* splitter) {
    split_ = splitter->GetPosition();
    PreferencesManager::SetPrefShort(GetPreferences(), kSplitKey, split_);
    LayOut();
    return 1;
}

void DictionaryWindow::ChooseWindowFont() {
    std::array<win::LOGFONTA, 2> fonts = {listFont_, textFont_};
    (new MultiFontDialog(static_cast<std::int16_t>(fonts.size()), fonts.data(), kFontSamples))->DoModal();
    const bool listChanged = !LogFontsEqual(fonts[0], listFont_);
    const bool textChanged = !LogFontsEqual(fonts[1], textFont_);
    if (!listChanged && !textChanged) return;
    listFont_ = fonts[0];
    textFont_ = fonts[1];
    PText* preferences = GetPreferences();
    PreferencesManager::SetPrefFont(preferences, kListFontKey, listFont_);
    PreferencesManager::SetPrefFont(preferences, kTextFontKey, textFont_);
    // The list measures its font when it is made: the panes are made again, the term kept.
    if (list_) {
        split_ = splitter_ ? splitter_->GetPosition() : split_;
        BuildContents();
    }
}

DictionaryWindow* FindDictionaryWindow(TAppl* application) {
    return FindAppWindow<DictionaryWindow>(application);
}

ErrCode OpenDictionaryWindow(TAppl* application) {
    if (!application) return -1;
    if (DictionaryWindow* open = FindDictionaryWindow(application)) {
        application->SelectWindow(open);
        return kNoErr;
    }
    auto* window = new DictionaryWindow(application);
    window->BuildContents();
    window->Show();
    return kNoErr;
}
