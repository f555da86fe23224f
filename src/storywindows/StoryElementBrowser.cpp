#include "storywindows/StoryElementBrowser.h"

#include <algorithm>
#include <optional>

#include "app/FKDoc.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "items/RichTextView.h"
#include "storymodel/StyledText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storywindows/ElementTreeView.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/Popup.h"

namespace {

// The switches in item order, each with its key, its title and whether it starts on.
struct SwitchInfo {
    const char* key;
    const char* title;
    bool initially;
};
constexpr SwitchInfo kSwitches[] = {
    {StoryElementBrowser::kTargetKey, "Story Choices", true},
    {StoryElementBrowser::kAllKey, "All Story Points", false},
    {StoryElementBrowser::kActKey, "Signposts", false},
    {StoryElementBrowser::kColorKey, "Colours", true},
};
constexpr std::int32_t kFirstSwitch = StoryElementBrowser::kTargetItem;

const SwitchInfo& Info(StoryElementBrowser::Item item) { return kSwitches[item - kFirstSwitch]; }

Broadcaster* ApplicationBroadcaster(TAppl* application) { return dynamic_cast<Broadcaster*>(application); }

BracketedBroadcasterNULLEvt* StoryFormOf(FKDoc* story) {
    return story ? story->GetStoryFormManager() : nullptr;
}

ShortRect DefaultPlace(const TAppl* application) {
    return FrameInset(application, 60, 30, ShortRect::MakeLTRB(40, 30, 700, 460));
}

}  // namespace

StoryElementBrowser::StoryElementBrowser(TAppl* application, FKDoc* story, TheoryTexts texts)
    : ProgramWindow(application, "Theme Browser", PrefRecord::kBrowser, kPlacementKey,
                    DefaultPlace(application)),
      MFKDocListener(ApplicationBroadcaster(application)),
      MStoryFormListener(StoryFormOf(story)),
      texts_(texts),
      story_(story),
      font_(KeptFont(GetPreferences(), kFontKey, 5, 10)) {
    PText* preferences = GetPreferences();
    std::int16_t value = 0;
    PreferencesManager::GetPrefShort(preferences, kRootKey, value);
    root_ = std::clamp<int>(value, 0, 4);
    value = 0;
    PreferencesManager::GetPrefShort(preferences, kSelectionKey, value);
    selected_ = value;
    for (std::int32_t item = kFirstSwitch; item <= kColorItem; ++item) {
        const SwitchInfo& info = Info(static_cast<Item>(item));
        value = info.initially ? 1 : 0;
        PreferencesManager::GetPrefShort(preferences, info.key, value);
        switches_[item] = value != 0;
    }
    PreferencesManager::GetPrefShort(preferences, kSplitKey, split_);
}

StoryElementBrowser::~StoryElementBrowser() {
    MStoryFormListener::SetBroadcaster(nullptr);
    MFKDocListener::SetBroadcaster(nullptr);
}

CheckBox* StoryElementBrowser::Switch(Item item) const { return dynamic_cast<CheckBox*>(GetItem(item)); }

void StoryElementBrowser::BuildContents() {
    FreeItems();
    tree_ = nullptr;
    splitter_ = nullptr;
    text_ = nullptr;
    auto* list = new ItemList(this);
    list->SetBackColor(GetStandardColor(8));
    const RGBColor black = GetStandardColor(0);
    const ShortRect popup = ShortRect::MakeLTRB(8, 6, 168, 6 + Popup::kStandardHeight);
    list->Append(new Popup(list, &popup, nullptr, 0, black, 0, nullptr, 0, 12, 0));
    for (std::int32_t item = kFirstSwitch; item <= kColorItem; ++item) {
        const int column = (item - kFirstSwitch) % 2;
        const int row = (item - kFirstSwitch) / 2;
        const ShortRect box =
            ShortRect::MakeLTRB(180 + 150 * column, 6 + 24 * row, 320 + 150 * column, 24 + 24 * row);
        list->Append(
            new CheckBox(list, Info(static_cast<Item>(item)).title, 0, &box, 0, black, 0, 0, 0, 12, 0, 0));
    }
    const ShortRect content = GetClientRect();
    const ShortRect panes = ShortRect::MakeLTRB(0, kToolbarHeight, content.right, content.bottom);
    const ShortRect divider = SplitterPlace(false, panes, split_);
    splitter_ = new HorizontalSplitter(this, list, split_);
    splitter_->SetFlags(TItem::kFollowsWindowSize);
    splitter_->SetMinimumNear(140);
    splitter_->SetMinimumFar(120);
    list->Append(splitter_);
    const ShortRect right = FarPane(false, panes, divider);
    text_ = new RichTextView(nullptr, nullptr, list, TView::kVertScrollBar, &right, 0, black);
    text_->SetFont(font_);
    list->Append(text_);
    tree_ = new ElementTreeView(list, NearPane(false, panes, divider), font_);
    list->Append(tree_);
    SetItemList(list);
    SetUpItems();
    if (auto* classes = dynamic_cast<Popup*>(GetItem(kRootItem))) {
        classes->AddItem("All Classes");
        for (int id : StructureChildren(0)) classes->AddItem(ElementName(static_cast<std::int16_t>(id)));
        classes->SetValue(root_, false);
    }
    for (std::int32_t item = kFirstSwitch; item <= kColorItem; ++item)
        if (CheckBox* box = Switch(static_cast<Item>(item))) box->SetValue(switches_[item] ? 1 : 0, false);
    splitter_->SetBounds(divider, false);
    FillTree();
    LayOut();
    SetFocusItem(kTreeItem, false);
}

void StoryElementBrowser::LayOut() {
    if (!tree_ || !splitter_ || !text_) return;
    const ShortRect content = GetClientRect();
    PlaceSplitPanes(*splitter_, false,
                    ShortRect::MakeLTRB(0, kToolbarHeight, content.right,
                                        std::max<int>(content.bottom, kToolbarHeight + 1)),
                    *tree_, *text_);
}

void StoryElementBrowser::FillTree() {
    if (!tree_) return;
    {
        const TreeSelectorView::UpdateGuard update(*tree_);
        tree_->DeleteAll();
        // Each item under its parent's node, the classes on top (or the one class alone).
        const auto add = [&](auto& self, int id, QRVTreeNode* parent) -> void {
            auto* node = new ElementNode(id, ElementName(static_cast<std::int16_t>(id)), parent == nullptr);
            tree_->InsertNode(node, parent, -1);
            for (int child : StructureChildren(id)) self(self, child, node);
        };
        for (int id : StructureChildren(0))
            if (root_ == 0 || id == root_) add(add, id, nullptr);
    }
    RefreshChoices();
    const int selected = selected_;
    if (!SelectItem(selected)) selected_ = 0;
}

ChoiceOptions StoryElementBrowser::Options() const { return {switches_[kAllItem], switches_[kActItem]}; }

void StoryElementBrowser::RefreshChoices() {
    if (!tree_) return;
    const PreferencesManager* preferences = PreferencesOf(GetApplication());
    FKDoc* story = switches_[kTargetItem] && story_ && story_->HasRecords() ? story_ : nullptr;
    const TreeSelectorView::UpdateGuard update(*tree_);
    for (auto* node = static_cast<ElementNode*>(tree_->FindNext(nullptr, false, nullptr, nullptr)); node;
         node = static_cast<ElementNode*>(tree_->FindNext(node, false, nullptr, nullptr))) {
        std::string shown;
        std::optional<RGBColor> fill;
        if (story) {
            for (const ElementChoice& choice : ChoicesOf(*story, node->GetID(), Options())) {
                shown += (shown.empty() ? "" : ", ") + choice.name;
                if (!fill && switches_[kColorItem] && choice.throughline >= 0 && preferences) {
                    RGBColor color;
                    preferences->GetThroughlineColor(choice.throughline, color);
                    fill = color;
                }
            }
        }
        node->SetChoices(std::move(shown), fill);
        tree_->MarkNodeForRedraw(node);
    }
    tree_->Invalidate();
    if (selected_ > 0 && text_) text_->ExpandAndSetText(Entry(selected_).c_str());
}

std::string StoryElementBrowser::Entry(int id) const {
    if (id < kFirstClassID || id >= kFirstGroupID) return "";
    std::string entry = texts_.Definitions(id, false, false);
    std::string path;
    for (int parent = StructureParent(id); parent > 0; parent = StructureParent(parent))
        path = ElementName(static_cast<std::int16_t>(parent)) + (path.empty() ? "" : " > " + path);
    if (!path.empty()) entry += "\n\nIn " + path + ".";
    if (switches_[kTargetItem] && story_ && story_->HasRecords()) {
        const std::vector<ElementChoice> choices = ChoicesOf(*story_, id, Options());
        if (choices.empty()) {
            entry += "\n\nNot chosen in this storyform.";
        } else {
            entry += "\n\n" + std::string(kBoldOn) + "Chosen as:" + std::string(kBoldOff);
            for (const ElementChoice& choice : choices) entry += "\n" + choice.name;
        }
    }
    return entry;
}

bool StoryElementBrowser::SelectItem(int id) {
    ElementNode* node = tree_ && id > 0 ? tree_->FindItem(id) : nullptr;
    if (!node) return false;
    tree_->SelectNode(node, true);
    if (selected_ != id)
        PreferencesManager::SetPrefShort(GetPreferences(), kSelectionKey, static_cast<std::int16_t>(id));
    selected_ = id;
    if (text_) text_->ExpandAndSetText(Entry(id).c_str());
    return true;
}

void StoryElementBrowser::SetRoot(int root) {
    root = std::clamp(root, 0, 4);
    if (auto* classes = dynamic_cast<Popup*>(GetItem(kRootItem))) classes->SetValue(root, true);
    if (root == root_) return;
    root_ = root;
    PreferencesManager::SetPrefShort(GetPreferences(), kRootKey, static_cast<std::int16_t>(root));
    FillTree();
}

void StoryElementBrowser::SetSwitch(Item item, bool on) {
    if (item < kFirstSwitch || item > kColorItem) return;
    if (CheckBox* box = Switch(item)) box->SetValue(on ? 1 : 0, true);
    if (switches_[item] == on) return;
    switches_[item] = on;
    PreferencesManager::SetPrefShort(GetPreferences(), Info(item).key, on ? 1 : 0);
    RefreshChoices();
}

bool StoryElementBrowser::GetSwitch(Item item) const {
    return item >= kFirstSwitch && item <= kColorItem && switches_[item];
}

void StoryElementBrowser::SetStory(FKDoc* story) {
    if (story == story_) return;
    story_ = story;
    MStoryFormListener::SetBroadcaster(StoryFormOf(story));
    RefreshChoices();
}

void StoryElementBrowser::EndModal(std::int32_t itemIndex) {
    if (itemIndex == kRootItem) {
        const auto* classes = dynamic_cast<const Popup*>(GetItem(kRootItem));
        if (classes && classes->GetValue() >= 0) SetRoot(classes->GetValue());
    } else if (itemIndex >= kFirstSwitch && itemIndex <= kColorItem) {
        const CheckBox* box = Switch(static_cast<Item>(itemIndex));
        SetSwitch(static_cast<Item>(itemIndex), box && box->GetValue() != 0);
    } else if (itemIndex == kTreeItem && tree_) {
        if (const int id = tree_->SelectedItem(); id > 0 && id != selected_) SelectItem(id);
    }
}

std::int16_t StoryElementBrowser::SplitterMoved(TSplitter* splitter) {
    split_ = splitter->GetPosition();
    PreferencesManager::SetPrefShort(GetPreferences(), kSplitKey, split_);
    LayOut();
    return 1;
}

void StoryElementBrowser::ChooseWindowFont() {
    if (!ChooseKeptFont(GetPreferences(), kFontKey, font_)) return;
    if (splitter_) split_ = splitter_->GetPosition();
    if (tree_) BuildContents();
}

void StoryElementBrowser::DocumentChanged(const FKDocEvent* event) {
    if (!event || event->GetCode() != FKDocEvent::kClosing || event->GetDocument() != story_) return;
    SetStory(nullptr);
}

void StoryElementBrowser::StoryFormChanged(const Event* /*event*/) { RefreshChoices(); }

StoryElementBrowser* FindStoryElementBrowser(TAppl* application) {
    return FindAppWindow<StoryElementBrowser>(application);
}

ErrCode OpenStoryElementBrowser(TAppl* application) {
    if (!application) return -1;
    auto* story = dynamic_cast<FKDoc*>(application->GetFrontDocument());
    if (StoryElementBrowser* open = FindStoryElementBrowser(application)) {
        if (story) open->SetStory(story);
        application->SelectWindow(open);
        return kNoErr;
    }
    auto* browser = new StoryElementBrowser(application, story);
    browser->BuildContents();
    browser->Show();
    return kNoErr;
}
