#include "storywindows/SPWindow.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storywindows/ExploreWindow.h"
#include "storywindows/STellDlog.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/MultiFontDialog.h"

namespace {

const StoryWindow::Kind kKind{"Story Points", PrefRecord::kStoryPoints, SPWindow::kPlacementKey,
                              &FKDoc::GetSPWindow, &FKDoc::SetSPWindow};

constexpr const char* kSamples[StoryPointsTable::kColumnCount] = {"Story Point", "Value", "Storytelling"};

}  // namespace

SPWindow::SPWindow(TAppl* application, FKDoc* story)
    : StoryWindow(application, story, kKind,
                  FrameInset(application, 30, 20, ShortRect::MakeLTRB(20, 20, 660, 420))),
      MStoryFormListener(story ? story->GetStoryFormManager() : nullptr),
      StorytellingListener(application, story) {
    PText* preferences = GetPreferences();
    for (std::size_t column = 0; column < StoryPointsTable::kColumnCount; ++column) {
        fonts_[column] = KeptFont(preferences, kFontKeys[column], 5, 10);
        std::int16_t width = widths_[column];
        const bool kept = PreferencesManager::GetPrefShort(preferences, kWidthKeys[column], width) >= 0;
        if (column == 0) nameWidthKept_ = kept;
        widths_[column] =
            std::clamp(width, StoryPointsTable::kMinColumnWidth, StoryPointsTable::kMaxColumnWidth);
    }
}

SPWindow::~SPWindow() { MStoryFormListener::SetBroadcaster(nullptr); }

void SPWindow::BuildContents() {
    FreeItems();
    table_ = nullptr;
    auto* list = new ItemList(this);
    list->SetBackColor(GetStandardColor(8));
    const RGBColor black = GetStandardColor(0);
    const auto button = [&](const char* title, int left, int right) {
        const ShortRect bounds = ShortRect::MakeLTRB(left, 5, right, 27);
        list->Append(new PushBtn(list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
    };
    button("Storytelling...", 8, 128);
    button("Explore...", 136, 236);
    const ShortRect client = GetClientRect();
    const ShortRect bounds = ShortRect::MakeLTRB(0, kToolbarHeight, client.right, client.bottom);
    table_ = new StoryPointsTable(list, &bounds, this);
    list->Append(table_);
    SetItemList(list);
    SetUpItems();
    Refill();
    LayOut();
    UpdateTitle();
    SetFocusItem(kTableItem, false);
}

void SPWindow::LayOut() {
    if (!table_) return;
    table_->SetBounds(BelowToolbar(GetClientRect(), kToolbarHeight), true);
    table_->Resize();
}

void SPWindow::Refill() {
    FKDoc* story = GetStory();
    if (!table_ || !story || !story->HasRecords()) return;
    const int selected = table_->SelectedIndex();
    const std::vector<StoryPointLine> lines = ListStoryPoints(*story);
    std::array<std::int16_t, StoryPointsTable::kColumnCount> widths = widths_;
    if (!nameWidthKept_)
        widths[0] = std::max(widths[0], StoryPointsTable::NameColumnWidth(lines, fonts_[0]));
    table_->Fill(lines, fonts_, widths, selected);
}

void SPWindow::EndModal(std::int32_t itemIndex) {
    switch (itemIndex) {
        case kStorytellingItem:
            if (table_ && table_->SelectedIndex() >= 0) StoryPointOpened(table_->SelectedIndex());
            break;
        case kExploreItem: ExploreSelected(); break;
        default: break;
    }
}

void SPWindow::StoryPointOpened(int index) {
    // A changed text comes back through StorytellingChanged, as it does to the plot progression.
    EditStorytelling(GetStory(), index);
}

void SPWindow::ExploreSelected() {
    const int index = table_ ? table_->SelectedIndex() : -1;
    OpenExploreWindow(GetStory(), index);
}

void SPWindow::ColumnWidthChanged(int column, std::int16_t width) {
    if (column < 0 || column >= StoryPointsTable::kColumnCount) return;
    widths_[static_cast<std::size_t>(column)] = width;
    if (column == 0) nameWidthKept_ = true;
    PreferencesManager::SetPrefShort(GetPreferences(), kWidthKeys[static_cast<std::size_t>(column)], width);
}

void SPWindow::StoryFormChanged(const Event* /*event*/) { Refill(); }

void SPWindow::StorytellingChanged() { Refill(); }

void SPWindow::ChooseWindowFont() {
    std::array<win::LOGFONTA, StoryPointsTable::kColumnCount> fonts = fonts_;
    (new MultiFontDialog(static_cast<std::int16_t>(fonts.size()), fonts.data(), kSamples))->DoModal();
    bool changed = false;
    PText* preferences = GetPreferences();
    for (std::size_t column = 0; column < fonts.size(); ++column) {
        if (!LogFontsEqual(fonts[column], fonts_[column])) {
            fonts_[column] = fonts[column];
            PreferencesManager::SetPrefFont(preferences, kFontKeys[column], fonts_[column]);
            changed = true;
        }
    }
    if (changed) Refill();
}

ErrCode OpenStoryPointsWindow(FKDoc* story) {
    return FrontOrOpen(story, &FKDoc::GetSPWindow,
                       [](TAppl* application, FKDoc* owner) { return new SPWindow(application, owner); });
}
