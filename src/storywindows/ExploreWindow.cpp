#include "storywindows/ExploreWindow.h"

#include <algorithm>
#include <cstdio>

#include "app/FKDoc.h"
#include "framework/TAppl.h"
#include "items/ItemList.h"
#include "items/RichTextView.h"
#include "storymodel/StyledText.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"
#include "storywindows/StoryPointList.h"

namespace {

const StoryWindow::Kind kKind{"Explore", PrefRecord::kTheoryHelp, ExploreWindow::kPreferenceKey,
                              &FKDoc::GetExploreWindow, &FKDoc::SetExploreWindow};

std::string Bold(const std::string& text) { return std::string(kBoldOn) + text + std::string(kBoldOff); }

}  // namespace

ExploreWindow::ExploreWindow(TAppl* application, FKDoc* story, TheoryTexts texts)
    : StoryWindow(application, story, kKind,
                  FrameInset(application, 60, 40, ShortRect::MakeLTRB(40, 30, 520, 430))),
      MStoryFormListener(story ? story->GetStoryFormManager() : nullptr),
      texts_(texts),
      font_(KeptFont(GetPreferences(), kPreferenceKey, 5, 10)) {
    PreferencesManager::GetPrefShort(GetPreferences(), kSplitKey, split_);
}

ExploreWindow::~ExploreWindow() { SetBroadcaster(nullptr); }

void ExploreWindow::BuildContents() {
    FreeItems();
    list_ = nullptr;
    splitter_ = nullptr;
    text_ = nullptr;
    auto* list = new ItemList(this);
    const ShortRect content = GetClientRect();
    const ShortRect divider = SplitterPlace(true, content, split_);
    const ShortRect top = NearPane(true, content, divider);
    const ShortRect bottom = FarPane(true, content, divider);
    list_ = new TopicListView(list, 16, this, &top);
    list->Append(list_);
    splitter_ = new VerticalSplitter(this, list, split_);
    splitter_->SetFlags(TItem::kFollowsWindowSize);
    splitter_->SetMinimumNear(60);
    splitter_->SetMinimumFar(60);
    list->Append(splitter_);
    text_ = new RichTextView(nullptr, GetStory(), list, 0, &bottom, 0, GetStandardColor(0));
    text_->SetFont(font_);
    list->Append(text_);
    SetItemList(list);
    SetUpItems();
    splitter_->SetBounds(divider, false);
    FillList();
    LayOut();
    UpdateTitle();
}

void ExploreWindow::LayOut() {
    if (!list_ || !splitter_ || !text_) return;
    PlaceSplitPanes(*splitter_, true, GetClientRect(), *list_, *text_);
}

void ExploreWindow::FillList() {
    FKDoc* story = GetStory();
    if (!list_ || !story || !story->HasRecords()) return;
    list_->BeginUpdate();
    list_->RemoveAllTopics();
    for (const StoryPointLine& line : ListStoryPoints(*story)) {
        if (line.index < 0) {
            const std::int32_t row = list_->AddTopic(kHeadingTopic, line.name.c_str());
            list_->SetTopicStyle(row, 1, false);
            list_->SetTopicMark(row, 1, false);
            continue;
        }
        const std::string text = line.value.empty() ? line.name : line.name + ":  " + line.value;
        list_->AddTopic(static_cast<std::int16_t>(line.index), text.c_str());
    }
    list_->EndUpdate();
    const int shown = shown_;
    shown_ = -1;
    if (shown >= 0) ShowStoryPoint(shown);
}

std::string ExploreWindow::Explanation(int index) const {
    FKDoc* story = GetStory();
    const StoryPointRecord* row = StoryPointAt(index);
    if (!story || !row || !row->code) return "";
    const StoryPointLine line = DescribeStoryPoint(*story, index);
    const std::int16_t value = story->GetStoryPointValue(index);
    std::string text = Bold(line.name) + "\n";
    if (value == 0) {
        text += "Not chosen in this storyform yet.";
    } else if (value == -1) {
        text += "Several values are allowed in this storyform.";
    } else {
        text += "In this storyform: " + Bold(line.value);
    }
    if (const std::string description = texts_.Description(row->id); !description.empty())
        text += "\n\n" + description;
    // A position's place names no item to define; a home class's digit names its class.
    if (const std::int16_t item = value > 0 ? StoryPointValueItem(index, value) : 0; item > 0)
        text += "\n\n" + texts_.Definitions(item, true, true);
    if (const std::string storytelling = StoredStorytelling(*story, index); !storytelling.empty())
        text += "\n\n" + Bold("Your storytelling:") + "\n" + storytelling;
    return text;
}

bool ExploreWindow::ShowStoryPoint(int index) {
    std::int32_t row = -1;
    if (!list_ || index < 0 || index > INT16_MAX || !list_->FindTopic(static_cast<std::int16_t>(index), &row))
        return false;
    list_->SetSelection(row);
    shown_ = index;
    if (text_) text_->ExpandAndSetText(Explanation(index).c_str());
    return true;
}

std::int16_t ExploreWindow::TopicChosen(TopicListView* /*view*/, std::int32_t /*row*/, std::int16_t topicId,
                                        std::int16_t /*doubleClickOrKey*/, std::int16_t /*notify*/) {
    if (topicId == kHeadingTopic) return 1;
    ShowStoryPoint(topicId);
    return 1;
}

std::int16_t ExploreWindow::SplitterMoved(TSplitter* splitter) {
    split_ = splitter->GetPosition();
    PreferencesManager::SetPrefShort(GetPreferences(), kSplitKey, split_);
    LayOut();
    return 1;
}

void ExploreWindow::StoryFormChanged(const Event* /*event*/) { FillList(); }

void ExploreWindow::ChooseWindowFont() {
    if (!ChooseKeptFont(GetPreferences(), kPreferenceKey, font_) || !text_) return;
    text_->SetFont(font_);
    if (shown_ >= 0) text_->ExpandAndSetText(Explanation(shown_).c_str());
}

ErrCode OpenExploreWindow(FKDoc* story, int index) {
    const ErrCode result = FrontOrOpen(story, &FKDoc::GetExploreWindow, [](TAppl* application, FKDoc* owner) {
        return new ExploreWindow(application, owner);
    });
    if (result == kNoErr && index >= 0)
        if (auto* window = dynamic_cast<ExploreWindow*>(story->GetExploreWindow()))
            window->ShowStoryPoint(index);
    return result;
}
