#include "storywindows/PlotViewWindow.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "framework/TAppl.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/PlotTable.h"
#include "storywindows/STellDlog.h"
#include "storywindows/StoryWindowSupport.h"

namespace {

const StoryWindow::Kind kKind{"Plot Progression", PrefRecord::kPlotProgression, PlotViewWindow::kPlacementKey,
                              &FKDoc::GetPlotViewWindow, &FKDoc::SetPlotViewWindow};

}  // namespace

PlotViewWindow::PlotViewWindow(TAppl* application, FKDoc* story)
    : StoryWindow(application, story, kKind,
                  FrameInset(application, 40, 30, ShortRect::MakeLTRB(30, 30, 830, 470))),
      MStoryFormListener(story ? story->GetStoryFormManager() : nullptr),
      StorytellingListener(application, story) {
    PText* preferences = GetPreferences();
    std::int16_t encoding = 1;
    PreferencesManager::GetPrefShort(preferences, kEncodingKey, encoding);
    encoding_ = encoding != 0;
    PreferencesManager::GetPrefShort(preferences, kColumnKey, column_);
    column_ = std::clamp(column_, kMinColumn, kMaxColumn);
}

PlotViewWindow::~PlotViewWindow() { MStoryFormListener::SetBroadcaster(nullptr); }

void PlotViewWindow::BuildContents() {
    FreeItems();
    table_ = nullptr;
    auto* list = new ItemList(this);
    list->SetBackColor(GetStandardColor(8));
    const ShortRect box = ShortRect::MakeLTRB(8, 6, 200, 24);
    list->Append(new CheckBox(list, "Show Storytelling", 0, &box, 0, GetStandardColor(0), 0, 0, 0, 12, 0, 0));
    const ShortRect client = GetClientRect();
    const ShortRect bounds = ShortRect::MakeLTRB(0, kToolbarHeight, client.right, client.bottom);
    table_ =
        new PlotTable(list, &bounds,
                      PlotTable::Owner{[this](int throughline, int step) { OpenStep(throughline, step); },
                                       [this](std::int16_t width) { SetColumnWidth(width); }});
    list->Append(table_);
    SetItemList(list);
    SetUpItems();
    if (CheckBox* encoding = GetEncodingBox()) encoding->SetValue(encoding_ ? 1 : 0, false);
    Refill();
    LayOut();
    UpdateTitle();
    SetFocusItem(kTableItem, false);
}

CheckBox* PlotViewWindow::GetEncodingBox() const { return dynamic_cast<CheckBox*>(GetItem(kEncodingItem)); }

void PlotViewWindow::LayOut() {
    if (!table_) return;
    table_->SetBounds(BelowToolbar(GetClientRect(), kToolbarHeight), true);
    table_->Resize();
}

void PlotViewWindow::Refill() {
    FKDoc* story = GetStory();
    if (!table_ || !story || !story->HasRecords()) return;
    std::array<std::string, kThroughlineCount> names;
    std::array<ThroughlineProgression, kThroughlineCount> steps;
    for (int throughline = 0; throughline < kThroughlineCount; ++throughline) {
        names[static_cast<std::size_t>(throughline)] = ThroughlineName(*story, throughline);
        steps[static_cast<std::size_t>(throughline)] = ProgressionOf(*story, throughline);
    }
    table_->Fill(names, steps, encoding_, column_);
}

void PlotViewWindow::EndModal(std::int32_t itemIndex) {
    if (itemIndex != kEncodingItem) return;
    const CheckBox* encoding = GetEncodingBox();
    SetShowsStorytelling(encoding && encoding->GetValue() != 0);
}

void PlotViewWindow::SetShowsStorytelling(bool shows) {
    if (CheckBox* encoding = GetEncodingBox()) encoding->SetValue(shows ? 1 : 0, true);
    if (shows == encoding_) return;
    encoding_ = shows;
    PreferencesManager::SetPrefShort(GetPreferences(), kEncodingKey, shows ? 1 : 0);
    Refill();
}

void PlotViewWindow::SetColumnWidth(std::int16_t width) {
    width = std::clamp(width, kMinColumn, kMaxColumn);
    if (width == column_) return;
    column_ = width;
    PreferencesManager::SetPrefShort(GetPreferences(), kColumnKey, column_);
    Refill();
}

bool PlotViewWindow::OpenStep(int throughline, int step) {
    FKDoc* story = GetStory();
    if (!story || throughline < 0 || throughline >= kThroughlineCount || step < 0 || step >= kPlotStepCount ||
        step % 2 != 0)
        return false;
    // A changed text comes back through StorytellingChanged, as it does to the story points window.
    EditStorytelling(story, ThroughlineStoryPointIndex(throughline, kSignpostOffset + step / 2));
    return true;
}

void PlotViewWindow::StoryFormChanged(const Event* /*event*/) { Refill(); }

void PlotViewWindow::StorytellingChanged() { Refill(); }

ErrCode OpenPlotViewWindow(FKDoc* story) {
    return FrontOrOpen(story, &FKDoc::GetPlotViewWindow, [](TAppl* application, FKDoc* owner) {
        return new PlotViewWindow(application, owner);
    });
}
