#include "storywindows/BrainsWindow.h"

#include <algorithm>
#include <string>

#include "app/FKDoc.h"
#include "framework/TAppl.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/Slider.h"
#include "items/StatText.h"
#include "widgets/Popup.h"

namespace {

const StoryWindow::Kind kKind{"Brainstorming Tools", PrefRecord::kBrainstorming, BrainsWindow::kPlacementKey,
                              &FKDoc::GetBrainsWindow, &FKDoc::SetBrainsWindow};

constexpr const char* kOptionTitles[] = {"Spin the Dynamics",    "Keep My Choices",
                                         "Spin the Problems",    "Show Story Point Names",
                                         "Group by Throughline", "Put Results into the Storyform"};
constexpr const char* kKindNames[] = {"Archetypal Characters", "Complex Characters"};
constexpr int kOptionCount = 6;
constexpr int kListTop = 150;

bool SpinOptions::*const kOptionFields[kOptionCount] = {&SpinOptions::dynamics,     &SpinOptions::honour,
                                                        &SpinOptions::problems,     &SpinOptions::names,
                                                        &SpinOptions::throughlines, &SpinOptions::assign};

}  // namespace

BrainsWindow::BrainsWindow(TAppl* application, FKDoc* story)
    : StoryWindow(application, story, kKind,
                  StoryDefaultPlace(story, ShortRect::MakeLTRB(50, 40, 560, 480))) {
    ReadOptions();
}

BrainsWindow::~BrainsWindow() = default;

void BrainsWindow::ReadOptions() {
    PText* preferences = GetPreferences();
    for (int i = 0; i < kOptionCount; ++i) {
        std::int16_t value = options_.*kOptionFields[i] ? 1 : 0;
        PreferencesManager::GetPrefShort(preferences, kOptionKeys[i], value);
        options_.*kOptionFields[i] = value != 0;
    }
    std::int16_t value = static_cast<std::int16_t>(options_.reach);
    PreferencesManager::GetPrefShort(preferences, kReachKey, value);
    options_.reach = std::clamp<int>(value, 1, SpinOptions::kMaxReach);
    value = 0;
    PreferencesManager::GetPrefShort(preferences, kKindKey, value);
    kind_ = value == 1 ? GeneratorKind::kComplex : GeneratorKind::kArchetypal;
    value = static_cast<std::int16_t>(number_);
    PreferencesManager::GetPrefShort(preferences, kNumberKey, value);
    number_ = std::clamp<int>(value, 1, kMaxProposals);
}

void BrainsWindow::StoreOptions() const {
    PText* preferences = GetPreferences();
    for (int i = 0; i < kOptionCount; ++i)
        PreferencesManager::SetPrefShort(preferences, kOptionKeys[i], options_.*kOptionFields[i] ? 1 : 0);
    PreferencesManager::SetPrefShort(preferences, kReachKey, static_cast<std::int16_t>(options_.reach));
    PreferencesManager::SetPrefShort(preferences, kKindKey, static_cast<std::int16_t>(kind_));
    PreferencesManager::SetPrefShort(preferences, kNumberKey, static_cast<std::int16_t>(number_));
}

TopicListView* BrainsWindow::GetList() const {
    return dynamic_cast<TopicListView*>(
        GetItem(page_ == kSpinnerPage ? std::int32_t{kSpinList} : std::int32_t{kProposalList}));
}

void BrainsWindow::BuildContents() {
    FreeItems();
    auto* list = new ItemList(this);
    list->SetBackColor(GetStandardColor(8));
    const RGBColor black = GetStandardColor(0);
    const auto button = [&](const char* title, int left, int top, int width) {
        const ShortRect bounds = ShortRect::MakeLTRB(left, top, left + width, top + 22);
        list->Append(new PushBtn(list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
    };
    button("Spin-The-Model", 8, 6, 150);
    button("Character Generator", 166, 6, 150);
    const ShortRect client = GetClientRect();
    const ShortRect rest = ShortRect::MakeLTRB(8, kListTop, std::max<int>(client.right - 8, 20),
                                               std::max<int>(client.bottom - 8, kListTop + 20));
    if (page_ == kSpinnerPage) {
        for (int i = 0; i < kOptionCount; ++i) {
            const int left = 8 + 230 * (i % 2);
            const int top = 38 + 22 * (i / 2);
            const ShortRect box = ShortRect::MakeLTRB(left, top, left + 224, top + 18);
            list->Append(new CheckBox(list, kOptionTitles[i], 0, &box, 0, black, 0, 0, 0, 12, 0, 0));
        }
        const ShortRect slider = ShortRect::MakeLTRB(8, 108, 240, 128);
        list->Append(new Slider(list, 1, SpinOptions::kMaxReach, static_cast<std::int16_t>(options_.reach), 1,
                                &slider, 0, GetStandardColor(8), 0));
        button("Spin", 250, 106, 80);
        button("Keep", 338, 106, 80);
    } else {
        // Filled and set before their windows are made: a window is painted as soon as it is made
        // (the buttons made after it paint the whole window at once), and a value set later
        // without a redraw would not show.
        const auto popup = [&](int left, int width) {
            const ShortRect bounds = ShortRect::MakeLTRB(left, 40, left + width, 40 + Popup::kStandardHeight);
            auto* control = new Popup(list, &bounds, nullptr, 0, black, 0, nullptr, 0, 12, 0);
            list->Append(control);
            return control;
        };
        Popup* kinds = popup(8, 200);
        for (const char* name : kKindNames) kinds->AddItem(name);
        kinds->SetValue(static_cast<std::int32_t>(kind_), false);
        Popup* numbers = popup(216, 60);
        for (int n = 1; n <= kMaxProposals; ++n) numbers->AddItem(std::to_string(n).c_str());
        numbers->SetValue(number_ - 1, false);
        button("Propose", 8, 76, 100);
        button("Keep Character", 116, 76, 130);
    }
    list->Append(new TopicListView(list, 16, this, &rest));
    SetItemList(list);
    SetUpItems();
    if (page_ == kSpinnerPage) {
        for (int i = 0; i < kOptionCount; ++i)
            if (auto* box = dynamic_cast<CheckBox*>(GetItem(kDynamicsBox + i)))
                box->SetValue(options_.*kOptionFields[i] ? 1 : 0, false);
        ShowSpin();
    } else {
        ShowProposals();
    }
    LayOut();
    UpdateTitle();
    // The other page's items were painted over while they went, with no items (and so no
    // background of theirs) in the window: the whole page is painted again.
    Invalidate();
}

void BrainsWindow::LayOut() {
    TopicListView* view = GetList();
    if (!view) return;
    const ShortRect client = GetClientRect();
    view->SetBounds(ShortRect::MakeLTRB(8, kListTop, std::max<int>(client.right - 8, 20),
                                        std::max<int>(client.bottom - 8, kListTop + 20)),
                    true);
}

void BrainsWindow::SetPage(int page) {
    if (page != kSpinnerPage && page != kGeneratorPage) return;
    if (page == page_ && GetItemList()) return;
    if (GetItemList()) TakeControls();
    page_ = page;
    BuildContents();
}

// The options as the page's controls show them.
void BrainsWindow::TakeControls() {
    if (page_ == kSpinnerPage) {
        for (int i = 0; i < kOptionCount; ++i)
            if (const auto* box = dynamic_cast<const CheckBox*>(GetItem(kDynamicsBox + i)))
                options_.*kOptionFields[i] = box->GetValue() != 0;
        if (const auto* slider = dynamic_cast<const Slider*>(GetItem(kReachSlider)))
            options_.reach = slider->GetValue();
    } else {
        if (const auto* kinds = dynamic_cast<const Popup*>(GetItem(kKindPopup));
            kinds && kinds->GetValue() >= 0)
            kind_ = kinds->GetValue() == 1 ? GeneratorKind::kComplex : GeneratorKind::kArchetypal;
        if (const auto* numbers = dynamic_cast<const Popup*>(GetItem(kNumberPopup));
            numbers && numbers->GetValue() >= 0)
            number_ = std::clamp(numbers->GetValue() + 1, 1, kMaxProposals);
    }
    StoreOptions();
}

void BrainsWindow::SetSpinOptions(const SpinOptions& options) {
    options_ = options;
    options_.reach = std::clamp(options_.reach, 1, SpinOptions::kMaxReach);
    StoreOptions();
    if (page_ == kSpinnerPage && GetItemList()) BuildContents();
}

void BrainsWindow::SetGenerator(GeneratorKind kind, int number) {
    kind_ = kind;
    number_ = std::clamp(number, 1, kMaxProposals);
    StoreOptions();
    if (page_ == kGeneratorPage && GetItemList()) BuildContents();
}

void BrainsWindow::SpinNow() {
    if (page_ == kSpinnerPage && GetItemList()) TakeControls();
    FKDoc* story = GetStory();
    if (!story) return;
    results_ = Spin(*story, options_, random_);
    kept_ = options_.assign;
    ShowSpin();
}

int BrainsWindow::KeepSpinResults() {
    FKDoc* story = GetStory();
    if (!story || kept_ || results_.empty()) return 0;
    const int kept = KeepSpin(*story, results_);
    kept_ = true;
    ShowSpin();
    return kept;
}

void BrainsWindow::ShowSpin() {
    TopicListView* view = page_ == kSpinnerPage ? GetList() : nullptr;
    FKDoc* story = GetStory();
    if (!view || !story) return;
    view->BeginUpdate();
    view->RemoveAllTopics();
    for (const std::string& line : DescribeSpin(*story, results_, options_)) view->AddTopic(-1, line.c_str());
    if (!results_.empty())
        view->AddTopic(-1, kept_ ? "(in your storyform)" : "(press Keep to put these into your storyform)");
    view->EndUpdate();
}

void BrainsWindow::ProposeNow() {
    if (page_ == kGeneratorPage && GetItemList()) TakeControls();
    FKDoc* story = GetStory();
    if (!story) return;
    proposals_ = ProposeCharacters(*story, kind_, number_, random_);
    ShowProposals();
}

CharID BrainsWindow::KeepProposal(int index) {
    FKDoc* story = GetStory();
    if (!story || index < 0 || index >= static_cast<int>(proposals_.size())) return kNoCharID;
    const CharID id = AddProposedCharacter(*story, proposals_[static_cast<std::size_t>(index)]);
    if (id != kNoCharID) proposals_.erase(proposals_.begin() + index);
    ShowProposals();
    return id;
}

void BrainsWindow::ShowProposals() {
    TopicListView* view = page_ == kGeneratorPage ? GetList() : nullptr;
    if (!view) return;
    view->BeginUpdate();
    view->RemoveAllTopics();
    for (std::size_t i = 0; i < proposals_.size(); ++i)
        view->AddTopic(static_cast<std::int16_t>(i), DescribeProposal(proposals_[i]).c_str());
    view->EndUpdate();
}

std::int16_t BrainsWindow::TopicChosen(TopicListView* /*view*/, std::int32_t /*row*/, std::int16_t topicId,
                                       std::int16_t doubleClickOrKey, std::int16_t /*notify*/) {
    // A double click keeps the proposal at once.
    if (page_ == kGeneratorPage && doubleClickOrKey != 0 && topicId >= 0) KeepProposal(topicId);
    return 1;
}

void BrainsWindow::EndModal(std::int32_t itemIndex) {
    if (itemIndex == kSpinnerButton) return SetPage(kSpinnerPage);
    if (itemIndex == kGeneratorButton) return SetPage(kGeneratorPage);
    if (page_ == kSpinnerPage) {
        if (itemIndex == kSpinButton) return SpinNow();
        if (itemIndex == kKeepSpinButton) {
            KeepSpinResults();
            return;
        }
        if (itemIndex >= kDynamicsBox && itemIndex < kSpinButton) {
            TakeControls();
            ShowSpin();
        }
        return;
    }
    if (itemIndex == kProposeButton) return ProposeNow();
    if (itemIndex == kKeepCharacterButton) {
        TopicListView* view = GetList();
        const std::int32_t row = view && view->IsHighlighted() ? view->GetSelectedRow() : -1;
        if (view && row >= 0) KeepProposal(view->GetTopicID(row));
        return;
    }
    if (itemIndex == kKindPopup || itemIndex == kNumberPopup) TakeControls();
}

ErrCode OpenBrainsWindow(FKDoc* story, int page) {
    const ErrCode result = FrontOrOpen(story, &FKDoc::GetBrainsWindow, [](TAppl* application, FKDoc* owner) {
        return new BrainsWindow(application, owner);
    });
    if (result == kNoErr)
        if (auto* window = dynamic_cast<BrainsWindow*>(story->GetBrainsWindow())) window->SetPage(page);
    return result;
}
