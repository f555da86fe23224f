#include "storywindows/CPanelDlog.h"

#include <algorithm>
#include <cstdio>

#include "app/FKDoc.h"
#include "framework/Alerts.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/Popup.h"

namespace {

constexpr int kMargin = 12;
constexpr int kRow = 26;
constexpr int kPopupHeight = Popup::kStandardHeight + 2;
constexpr int kLabelWidth = 130;
constexpr int kNameColumn = 150;
constexpr int kLockWidth = 18;
constexpr const char* kColumnNames[EngineControls::kThroughlineControls] = {"Domain", "Concern", "Issue",
                                                                            "Problem"};
constexpr const char* kThroughlineNames[4] = {"{NObje} Story", "Main Character", "{NObst} Character",
                                              "{NSubj} Story"};
constexpr const char* kLegend =
    "Each list offers the values that leave storyforms with your other choices.  A ticked box beside a "
    "list locks its choice: the panel leaves it as it is, and Clear Unlocked keeps it.";

// The name of a value of a control.
std::string ValueName(std::int16_t value) {
    if (value >= 1000) return StoryPointName(value);
    return value > 0 ? ElementName(value) : "";
}

std::int32_t Index(std::int32_t first, std::size_t i) { return first + static_cast<std::int32_t>(i); }

}  // namespace

CPanelDlog::CPanelDlog(FKDoc* story) : TDialog(0, kOkItem, kCancelItem), story_(story) {
    MakeLogFont(font_, 0, 12, 0);
    if (story_) controls_ = std::make_unique<EngineControls>(*story_);
    entries_.resize(EngineControls::kCount);
}

CPanelDlog::~CPanelDlog() = default;

ErrCode CPanelDlog::SetUpItems() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    if (!list || !controls_) return -1;
    // As large as the frame's client area, and never smaller than the controls need.
    const TAppl* application = GetApplication();
    const ShortRect frame = application ? application->GetFrameClientRect() : ShortRect{};
    const int width = std::max(kMinWidth, frame.Width() - 8);
    const int height = std::max(kMinHeight, frame.Height() - 30);
    list->SetBounds(ShortRect::MakeLTRB(0, 0, width, height));
    list->SetBackColor(GetStandardColor(8));
    list->SetName("Story Engine");
    if (list->Count() == 0) MakeItems(*list, width, height);
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    SetDefaultItem(kOkItem);
    SetCancelItem(kCancelItem);
    if (!GetHWnd()) return kNoErr;
    const ShortRect framePlace = GetFrameRect();
    const ShortRect saved = SavedPlace(PreferenceRecordOf(application, PrefRecord::kGeneral), kPlacementKey,
                                       ShortRect::MakeLTRB(0, 0, framePlace.Width(), framePlace.Height()));
    MoveTo(ShortRect::MakeLTRB(saved.left, saved.top, saved.left + framePlace.Width(),
                               saved.top + framePlace.Height()));
    ShowControls();
    SetFocusItem(kFirstPopup, false);
    return kNoErr;
}

void CPanelDlog::MakeItems(ItemList& list, int width, int height) {
    const RGBColor black = GetStandardColor(0);
    const auto text = [&](const char* words, int left, int top, int right, int bottom,
                          std::int32_t justify = 0) {
        const ShortRect bounds = ShortRect::MakeLTRB(left, top, right, bottom);
        const std::string shown = ExpandAndDecode(story_, words);
        list.Append(new StatText(&list, &bounds, shown.c_str(), 0, black, &font_, justify));
    };
    // Where each control's popup goes, in control order.
    std::vector<ShortRect> popups;
    std::vector<ShortRect> locks;
    const int dynamicColumn = (width - 2 * kMargin) / 2;
    for (std::size_t d = 0; d < EngineControls::kDynamicControls; ++d) {
        const int left = kMargin + static_cast<int>(d / 4) * dynamicColumn;
        const int top = 32 + static_cast<int>(d % 4) * kRow;
        popups.push_back(ShortRect::MakeLTRB(left + kLabelWidth + 4, top,
                                             left + dynamicColumn - kLockWidth - 16, top + kPopupHeight));
        locks.push_back(ShortRect::MakeLTRB(left + dynamicColumn - kLockWidth - 8, top + 1,
                                            left + dynamicColumn - 8, top + kPopupHeight - 1));
    }
    const int gridTop = 32 + 4 * kRow + 14;
    const int cell =
        (width - 2 * kMargin - kNameColumn) / static_cast<int>(EngineControls::kThroughlineControls);
    for (int t = 0; t < 4; ++t) {
        const int top = gridTop + 24 + t * 30;
        for (int c = 0; c < static_cast<int>(EngineControls::kThroughlineControls); ++c) {
            const int left = kMargin + kNameColumn + c * cell;
            popups.push_back(
                ShortRect::MakeLTRB(left, top, left + cell - kLockWidth - 10, top + kPopupHeight));
            locks.push_back(ShortRect::MakeLTRB(left + cell - kLockWidth - 6, top + 1, left + cell - 6,
                                                top + kPopupHeight - 1));
        }
    }
    for (const ShortRect& bounds : popups)
        list.Append(new Popup(&list, &bounds, nullptr, 0, black, 0, nullptr, 0, 12, 0));
    for (const ShortRect& bounds : locks)
        list.Append(new CheckBox(&list, "", 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
    const int buttonTop = height - 34;
    const auto button = [&](const char* title, int left, int right) {
        const ShortRect bounds = ShortRect::MakeLTRB(left, buttonTop, right, buttonTop + 22);
        list.Append(new PushBtn(&list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
    };
    button("Clear Unlocked", kMargin, kMargin + 130);
    button("OK", width - kMargin - 80, width - kMargin);
    button("Cancel", width - kMargin - 172, width - kMargin - 92);
    const int countTop = gridTop + 24 + 4 * 30 + 8;
    text("", kMargin, countTop, width - kMargin, countTop + 20);
    text(kLegend, kMargin, countTop + 26, width - kMargin, countTop + 66);
    for (std::size_t d = 0; d < EngineControls::kDynamicControls; ++d) {
        const int left = kMargin + static_cast<int>(d / 4) * dynamicColumn;
        const int top = 34 + static_cast<int>(d % 4) * kRow;
        text(StoryPointName(DynamicPointID(static_cast<int>(d))), left, top, left + kLabelWidth,
             top + kPopupHeight);
    }
    text("Dynamics", kMargin, 10, kMargin + 200, 28);
    for (int c = 0; c < static_cast<int>(EngineControls::kThroughlineControls); ++c) {
        const int left = kMargin + kNameColumn + c * cell;
        text(kColumnNames[c], left, gridTop, left + cell - 8, gridTop + 20);
    }
    for (int t = 0; t < 4; ++t) {
        const int top = gridTop + 26 + t * 30;
        text(kThroughlineNames[t], kMargin, top, kMargin + kNameColumn - 6, top + kPopupHeight);
    }
}

Popup* CPanelDlog::PopupOf(std::size_t control) const {
    return control < EngineControls::kCount ? dynamic_cast<Popup*>(GetItem(Index(kFirstPopup, control)))
                                            : nullptr;
}

CheckBox* CPanelDlog::LockOf(std::size_t control) const {
    return control < EngineControls::kCount ? dynamic_cast<CheckBox*>(GetItem(Index(kFirstLock, control)))
                                            : nullptr;
}

std::string CPanelDlog::GetCountText() const {
    const auto* text = dynamic_cast<const StatText*>(GetItem(kCountText));
    return text && text->GetText().CStr() ? text->GetText().CStr() : "";
}

void CPanelDlog::ShowControls() {
    for (std::size_t i = 0; i < EngineControls::kCount; ++i) ShowControl(i);
    if (auto* text = dynamic_cast<StatText*>(GetItem(kCountText))) {
        char count[64];
        if (controls_->IsCounted()) {
            std::snprintf(count, sizeof count, "Storyforms:  %u",
                          static_cast<unsigned>(controls_->GetCount()));
        } else {
            std::snprintf(count, sizeof count, "Storyforms:  not counted (no engine data)");
        }
        text->SetText(count);
    }
}

void CPanelDlog::ShowControl(std::size_t i) {
    Popup* popup = PopupOf(i);
    CheckBox* lock = LockOf(i);
    if (!popup) return;
    const EngineControl& control = controls_->Control(i);
    std::vector<std::int16_t>& entries = entries_[i];
    entries.assign(1, 0);
    entries.insert(entries.end(), control.atHand.begin(), control.atHand.end());
    if (control.chosen > 0 && std::find(entries.begin(), entries.end(), control.chosen) == entries.end())
        entries.push_back(control.chosen);
    popup->RemoveAllItems();
    std::string none = "(any)";
    if (control.chosen == -1)
        none = "(several)";
    else if (control.settled > 0)
        none = "(" + ValueName(control.settled) + ")";
    popup->AddItem(none.c_str());
    for (std::size_t e = 1; e < entries.size(); ++e) popup->AddItem(ValueName(entries[e]).c_str());
    const auto chosen = std::find(entries.begin(), entries.end(), control.chosen > 0 ? control.chosen : 0);
    popup->SetValue(static_cast<std::int32_t>(chosen - entries.begin()), true);
    popup->Enable(!control.locked);
    if (lock) lock->SetValue(control.locked ? 1 : 0, true);
}

std::int16_t CPanelDlog::PickedValue(std::size_t control) const {
    const Popup* popup = PopupOf(control);
    if (!popup || popup->GetValue() < 0) return 0;
    const auto pick = static_cast<std::size_t>(popup->GetValue());
    return pick < entries_[control].size() ? entries_[control][pick] : 0;
}

bool CPanelDlog::Pick(std::size_t control, std::int16_t value) {
    Popup* popup = PopupOf(control);
    if (!popup) return false;
    const std::vector<std::int16_t>& entries = entries_[control];
    const auto found = std::find(entries.begin(), entries.end(), value);
    if (found == entries.end()) return false;
    popup->SetValue(static_cast<std::int32_t>(found - entries.begin()), true);
    EndModal(Index(kFirstPopup, control));
    return true;
}

void CPanelDlog::EndModal(std::int32_t itemIndex) {
    if (itemIndex >= kFirstPopup && itemIndex < kFirstLock) {
        const auto control = static_cast<std::size_t>(itemIndex - kFirstPopup);
        if (!controls_->Choose(control, PickedValue(control))) {
            ShowControl(control);
            AlertMessage(kRefusal, kAlertStop, 1);
        }
        ShowControls();
        return;
    }
    if (itemIndex >= kFirstLock && itemIndex < kClearItem) {
        const auto control = static_cast<std::size_t>(itemIndex - kFirstLock);
        const CheckBox* lock = LockOf(control);
        controls_->SetLocked(control, lock && lock->GetValue() != 0);
        ShowControl(control);
        return;
    }
    if (itemIndex == kClearItem) {
        controls_->ClearUnlocked();
        ShowControls();
        return;
    }
    TDialog::EndModal(itemIndex);
}

void CPanelDlog::BeforeEnd() {
    if (PText* general = PreferenceRecordOf(GetApplication(), PrefRecord::kGeneral); general && GetHWnd())
        PreferencesManager::SaveDialogRect(general, *this, kPlacementKey);
    if (GetResultItem() == kCancelItem && controls_) controls_->Revert();
}

ErrCode RunStoryEnginePanel(FKDoc* story) {
    if (!story || !story->HasRecords() || !story->GetStoryFormManager()) return -1;
    (new CPanelDlog(story))->DoModal();
    return kNoErr;
}
