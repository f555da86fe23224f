#include "widgets/MultiColorDialog.h"

#include <algorithm>

#include "framework/FontAndColorChoosers.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/Cluster.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "widgets/MultiPaneLayout.h"

MultiColorDialog::MultiColorDialog(std::int16_t paneCount, RGBColor* colors, const char* const* labels)
    : TDialog(0, multipane::OkItem(paneCount), multipane::CancelItem(paneCount)),
      callerColors_(colors),
      workColors_(colors, colors + paneCount),
      labels_(labels),
      paneCount_(paneCount) {}

MultiColorDialog::~MultiColorDialog() {
    if (GetResultItem() == multipane::OkItem(paneCount_))
        std::copy(workColors_.begin(), workColors_.end(), callerColors_);
}

ShortPoint MultiColorDialog::GetMinTrackSize() { return multipane::MinimumSize(paneCount_); }

ShortRect MultiColorDialog::SwatchRect(std::int16_t pane) {
    ShortRect rect = multipane::TextRect(pane);
    rect.left = static_cast<std::int16_t>(rect.left + 200);
    return rect;
}

ErrCode MultiColorDialog::SetUpItems() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    if (!list) return TDialog::SetUpItems();
    const ShortPoint size = GetMinTrackSize();
    list->SetBounds(ShortRect::MakeLTRB(0, 0, size.x, size.y));
    list->SetBackColor(GetStandardColor(8));
    win::LOGFONTA font{};
    MakeLogFont(font, 0, 12, 0);
    for (std::int16_t pane = 0; pane < paneCount_; ++pane) {
        multipane::AddFrame(*list, pane);
        frames_.push_back(static_cast<Cluster*>(list->ItemAt(multipane::FrameItem(pane))));
        ShortRect text = multipane::TextRect(pane);
        text.right = static_cast<std::int16_t>(text.left + 180);
        labelItems_.push_back(
            new StatText(list, &text, labels_ ? labels_[pane] : "", 0, RGBColor(0), &font, 0));
        list->Append(labelItems_.back());
        setButtons_.push_back(multipane::AddSetButton(*list, pane));
    }
    multipane::AddCancelAndOk(*list, paneCount_, &cancelButton_, &okButton_);
    const ErrCode result = TDialog::SetUpItems();
    SetTitle("Set Colors");
    Invalidate();
    return result;
}

void MultiColorDialog::Draw(win::HDC dc) {
    TDialog::Draw(dc);
    TGraphEnv& env = GetGraphEnv();
    GraphUser use(env);
    const std::int16_t nearest = env.SetUseNearestColor(0);
    env.SaveState();
    for (std::int16_t pane = 0; pane < paneCount_; ++pane) {
        env.SetForeColor(workColors_[static_cast<std::size_t>(pane)]);
        env.FillRect(SwatchRect(pane));
    }
    env.RestoreState();
    env.SetUseNearestColor(nearest);
}

void MultiColorDialog::EndModal(std::int32_t itemIndex) {
    if (itemIndex == multipane::OkItem(paneCount_) || itemIndex == multipane::CancelItem(paneCount_)) {
        TDialog::EndModal(itemIndex);
        return;
    }
    const std::int32_t pane = multipane::PaneOfSetItem(itemIndex, paneCount_);
    if (pane >= 0 && ChooseColorDialog(workColors_[static_cast<std::size_t>(pane)], true) == 0) Invalidate();
}
