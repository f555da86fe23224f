#include "widgets/MultiFontDialog.h"

#include "framework/FontAndColorChoosers.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/Cluster.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "widgets/MultiPaneLayout.h"

MultiFontDialog::MultiFontDialog(std::int16_t paneCount, win::LOGFONTA* fonts, const char* const* sampleTexts,
                                 const std::int16_t* minSizes, const std::int16_t* maxSizes)
    : TDialog(0, multipane::OkItem(paneCount), multipane::CancelItem(paneCount)),
      callerFonts_(fonts),
      workFonts_(fonts, fonts + paneCount),
      sampleTexts_(sampleTexts),
      minSizes_(minSizes),
      maxSizes_(maxSizes),
      paneCount_(paneCount) {
    for (win::LOGFONTA& font : workFonts_) SetLogFontStyle(font, 0);
}

MultiFontDialog::~MultiFontDialog() {
    if (GetResultItem() == multipane::OkItem(paneCount_))
        std::copy(workFonts_.begin(), workFonts_.end(), callerFonts_);
}

ShortPoint MultiFontDialog::GetMinTrackSize() { return multipane::MinimumSize(paneCount_); }

ErrCode MultiFontDialog::SetUpItems() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    if (!list) return TDialog::SetUpItems();
    const ShortPoint size = GetMinTrackSize();
    list->SetBounds(ShortRect::MakeLTRB(0, 0, size.x, size.y));
    list->SetBackColor(GetStandardColor(8));
    for (std::int16_t pane = 0; pane < paneCount_; ++pane) {
        multipane::AddFrame(*list, pane);
        frames_.push_back(static_cast<Cluster*>(list->ItemAt(multipane::FrameItem(pane))));
        const ShortRect text = multipane::TextRect(pane);
        samples_.push_back(new StatText(list, &text, sampleTexts_ ? sampleTexts_[pane] : "", 0, RGBColor(0),
                                        &workFonts_[static_cast<std::size_t>(pane)], 0));
        list->Append(samples_.back());
        setButtons_.push_back(multipane::AddSetButton(*list, pane));
    }
    multipane::AddCancelAndOk(*list, paneCount_, &cancelButton_, &okButton_);
    const ErrCode result = TDialog::SetUpItems();
    UpdateSamples();
    return result;
}

void MultiFontDialog::UpdateSamples() {
    GraphUser use(GetGraphEnv());
    GetGraphEnv().SaveState();
    for (std::size_t pane = 0; pane < samples_.size(); ++pane) samples_[pane]->SetFont(workFonts_[pane]);
    GetGraphEnv().RestoreState();
}

void MultiFontDialog::EndModal(std::int32_t itemIndex) {
    if (itemIndex == multipane::OkItem(paneCount_) || itemIndex == multipane::CancelItem(paneCount_)) {
        TDialog::EndModal(itemIndex);
        return;
    }
    const std::int32_t pane = multipane::PaneOfSetItem(itemIndex, paneCount_);
    if (pane < 0) return;
    const int minimum = minSizes_ ? minSizes_[pane] : 0;
    const int maximum = maxSizes_ ? maxSizes_[pane] : 0;
    if (ChooseFontDialog(workFonts_[static_cast<std::size_t>(pane)], kChooseFaceAndSize, minimum, maximum) ==
        0)
        UpdateSamples();
}
