#include "app/FQSPrefArea.h"

#include <array>
#include <string>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "framework/graphics/GraphEnv.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "storymodel/ExpandedTextWrap.h"
#include "widgets/MultiColorDialog.h"
#include "widgets/Popup.h"

const char* const FQSPrefArea::kThroughlineNames[5] = {"{NObje}", "Main Character", "{NObst} Character",
                                                       "{NSubj}", "Plotpilot"};

namespace {

// The advance popup's items: Return alone, or Shift and Return.
constexpr std::int32_t kEnterItem = 0;
constexpr std::int32_t kShiftEnterItem = 1;

}  // namespace

FQSPrefArea::~FQSPrefArea() { StoreValues(); }

void FQSPrefArea::BuildItems() {
    MarkFirstItem();
    const int top = bounds_.top;
    const int x = bounds_.left + 25;
    y0_ = static_cast<std::int16_t>(top + 20);
    y1_ = static_cast<std::int16_t>(top + 80);
    y2_ = static_cast<std::int16_t>(top + 140);
    y3_ = static_cast<std::int16_t>(top + 200);
    advance_ = AddPopup("Advance to next question: ", ItemRect(y0_ + 10, x, y0_ + 30, x + 255));
    throughlineColors_ = AddCheckBox("Use throughline colors", ItemRect(y1_ + 10, x, y1_ + 24, x + 175));
    setColors_ = AddPushButton("Set Colors...", ItemRect(y1_ + 7, x + 183, y1_ + 27, x + 272));
    setColorsItem_ = items_ ? items_->IndexOf(setColors_) : -1;
    helpToggle_ = AddPopup("Toggle help buttons: ", ItemRect(y2_ + 10, x, y2_ + 30, x + 255));
    autoClose_ = AddCheckBox("Auto-close items in Topic List", ItemRect(y3_ + 10, x, y3_ + 24, x + 270));
    OpenItems();
}

void FQSPrefArea::LoadValues() {
    if (!advance_ || !preferences_) return;
    PText* query = preferences_->GetFQSRecord();
    const std::int16_t returnAdvances = preferences_->GetReturnAdvances();
    advance_->AddItem("Enter");
    advance_->AddItem("Shift-Enter");
    advance_->SetValue(returnAdvances == 0 ? kShiftEnterItem : kEnterItem, true);
    helpToggle_->AddItem("Shift-click");
    helpToggle_->AddItem("Click or shift-click");
    helpToggle_->SetValue(ReadShort(query, "ClkTogHlp", 0) != 0 ? 1 : 0, true);
    throughlineColors_->SetValue(ReadShort(query, "ThrClr", 1) != 0 ? 1 : 0, true);
    autoClose_->SetValue(ReadShort(query, "AutoClose", 1) != 0 ? 1 : 0, true);
    shown_.Note(query, PreferencesManager::kReturnAdvancesKey, AdvanceValue());
    shown_.Note(query, "ClkTogHlp", HelpToggleValue());
    shown_.Note(query, "ThrClr", SwitchValue(*throughlineColors_));
    shown_.Note(query, "AutoClose", SwitchValue(*autoClose_));
}

void FQSPrefArea::StoreValues() {
    if (!advance_ || !preferences_) return;
    PText* query = preferences_->GetFQSRecord();
    if (shown_.Writes(query, PreferencesManager::kReturnAdvancesKey, AdvanceValue()))
        preferences_->SetReturnAdvances(AdvanceValue());
    shown_.Store(query, "ClkTogHlp", HelpToggleValue());
    shown_.Store(query, "ThrClr", SwitchValue(*throughlineColors_));
    shown_.Store(query, "AutoClose", SwitchValue(*autoClose_));
}

std::int16_t FQSPrefArea::AdvanceValue() const { return advance_->GetValue() == kEnterItem ? 1 : 0; }

std::int16_t FQSPrefArea::HelpToggleValue() const { return helpToggle_->GetValue() > 0 ? 1 : 0; }

void FQSPrefArea::Draw(TGraphEnv& env) {
    DrawGroupTitle(env, "Keyboard Options:", y0_, y1_ - y0_ - 20);
    DrawGroupTitle(env, "Color Options:", y1_, y2_ - y1_ - 20);
    DrawGroupTitle(env, "Help Options:", y2_, 40);
    DrawGroupTitle(env, "Navigation Options:", y3_, 40);
}

void FQSPrefArea::ItemHit(std::int32_t index) {
    if (index != setColorsItem_ || setColorsItem_ < 0 || !preferences_) return;
    std::array<std::string, PreferencesManager::kThroughlineColorCount> names;
    std::array<const char*, PreferencesManager::kThroughlineColorCount> labels{};
    std::array<RGBColor, PreferencesManager::kThroughlineColorCount> colors;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = ExpandAndDecode(document_, kThroughlineNames[i]).substr(0, kNameLength);
        labels[i] = names[i].c_str();
        preferences_->GetThroughlineColor(static_cast<int>(i), colors[i]);
    }
    (new MultiColorDialog(PreferencesManager::kThroughlineColorCount, colors.data(), labels.data()))
        ->DoModal();
    if (!preferences_->SetThroughlineColors(colors)) return;
    if (auto* fablecore = dynamic_cast<Fablecore*>(application_)) fablecore->CloseQueryAndPlot();
}
