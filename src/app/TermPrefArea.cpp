#include "app/TermPrefArea.h"

#include "app/PreferencesManager.h"
#include "framework/graphics/GraphEnv.h"
#include "items/RadioBtn.h"
#include "storymodel/engine/Vocabulary.h"

TermPrefArea::~TermPrefArea() { StoreValues(); }

void TermPrefArea::BuildItems() {
    MarkFirstItem();
    const int x = bounds_.left + 25;
    y0_ = static_cast<std::int16_t>(bounds_.top + 20);
    layman_ = AddRadioButton("Use layman's terms", ItemRect(y0_ + 10, x, y0_ + 24, x + 220));
    original_ = AddRadioButton("Use original Fablecore terms", ItemRect(y0_ + 30, x, y0_ + 44, x + 220));
    OpenItems();
}

void TermPrefArea::LoadValues() {
    if (!layman_ || !preferences_) return;
    const bool original = ReadShort(preferences_->GetFQSRecord(), "OrigTerms", 0) != 0;
    layman_->SetValue(original ? 0 : 1, true);
    original_->SetValue(original ? 1 : 0, true);
    shown_.Note(preferences_->GetFQSRecord(), "OrigTerms", SwitchValue(*original_));
}

void TermPrefArea::StoreValues() {
    if (!original_ || !preferences_) return;
    PText* query = preferences_->GetFQSRecord();
    const std::int16_t original = SwitchValue(*original_);
    if (!shown_.Writes(query, "OrigTerms", original)) return;
    PreferencesManager::SetPrefShort(query, "OrigTerms", original);
    SetOriginalTerms(static_cast<std::uint16_t>(original));
}

void TermPrefArea::Draw(TGraphEnv& env) {
    DrawGroupTitle(env, "Fablecore Term Options:", y0_, 90);
    const int x = bounds_.left + 25;
    env.MoveTo(x, bounds_.top + 83);
    env.DrawText("Some terms may not be updated until", 0, 0);
    env.MoveTo(x, bounds_.top + 98);
    env.DrawText("your story is closed and reopened.", 0, 0);
}
