#include "query/FQSHomePage.h"

#include "app/FKDoc.h"
#include "framework/graphics/FontMapping.h"
#include "items/Cluster.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "query/FQSPageGeometry.h"
#include "query/FQSProgressButton.h"
#include "query/FQSWindow.h"
#include "storymodel/ExpandedTextWrap.h"

namespace {

constexpr const char* kProceed = "Proceed";
constexpr const char* kHelp = "Help";
constexpr std::uint16_t kProgressBlue = 45300;

void CloseAndHide(TItem* item) {
    if (!item) return;
    item->Hide();
    item->Close();
}

}  // namespace

const std::array<HomeEntry, 9> kHomeEntries = {{
    {"Storyforming", "Character", 0, 2},
    {"Storyforming", "Plot", 1, 3},
    {"Storyforming", "Theme", 2, 4},
    {"{NSE-Process}", "Character", 3, 5},
    {"{NSE-Process}", "Plot", 4, 6},
    {"{NSE-Process}", "Theme", 5, 7},
    {"Storyweaving", "Character", 6, 8},
    {"Storyweaving", "Plot", 8, 9},
    {"Storyweaving", "Theme", 7, 10},
}};

std::int32_t FQSHomePage::FindListIndex(std::int16_t listId) {
    for (std::size_t i = 0; i < kHomeEntries.size(); ++i)
        if (kHomeEntries[i].listId == listId) return static_cast<std::int32_t>(i);
    return -1;
}

void FQSHomePage::Build() {
    ItemList* items = Items();
    if (!items || !window_) return;
    items->CloseItems();
    const HomeLayout layout = ComputeHomeLayout(pageArea_.left, pageArea_.right, layoutCursor_);
    progress_ = new FQSProgressButton(document_, items, layout.block, RGBColor(0, 0, kProgressBlue), GetStandardColor(0));
    progressItem_ = items->Append(progress_);
    progress_->Open(progressItem_);
    win::LOGFONTA font{};
    MakeLogFont(font, 0, 12, 0);
    for (std::size_t c = 0; c < clusters_.size(); ++c) {
        const std::string caption = ExpandAndDecode(document_, kHomeEntries[3 * c].section);
        clusters_[c] = new Cluster(items, &layout.clusters[c], 0, GetStandardColor(0), caption.c_str(), 0, 12, 0, 0, 0, 1);
        clusters_[c]->Open(items->Append(clusters_[c]));
    }
    for (std::size_t e = 0; e < kHomeEntries.size(); ++e)
        progress_->AddEntry(layout.buttons[e], kHomeEntries[e].button, font, layout.bars[e], kHomeEntries[e].barCode);
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + 207);
    const std::int32_t current = FindListIndex(window_->GetCurrentListId());
    if (current >= 0) progress_->SetButtonState(current, 1);
    pushButton_ = new PushBtn(items, current >= 0 ? kProceed : kHelp, 0, &layout.pushButton, 0, GetStandardColor(0), 0, 0,
                              0, 12, 0, 0);
    pushItem_ = items->Append(pushButton_);
    pushButton_->Open(pushItem_);
    layoutCursor_ = layout.bottom;
    items->OpenItems();
}

std::int32_t FQSHomePage::HandleControl(std::int32_t itemIndex) {
    if (!window_) return 0;
    if (progress_ && itemIndex == progressItem_) {
        const std::int32_t on = progress_->FindFirstOn();
        if (on < 0) return 1;
        window_->RequestList(kHomeEntries[static_cast<std::size_t>(on)].listId);
        if (pushButton_) pushButton_->SetTitle(kProceed);
        return 1;
    }
    if (pushButton_ && itemIndex == pushItem_) {
        window_->PostItemHit(FQSWindow::kNextItem);
        return 1;
    }
    return FQSPage::HandleControl(itemIndex);
}

void FQSHomePage::Release() {
    CloseAndHide(progress_);
    for (Cluster*& cluster : clusters_) {
        CloseAndHide(cluster);
        cluster = nullptr;
    }
    CloseAndHide(pushButton_);
    progress_ = nullptr;
    pushButton_ = nullptr;
    pushItem_ = progressItem_ = -1;
}
