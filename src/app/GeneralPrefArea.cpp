#include "app/GeneralPrefArea.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "framework/AutoSaveManager.h"
#include "framework/TAppl.h"
#include "framework/graphics/GraphEnv.h"
#include "items/CheckBox.h"
#include "items/EditView.h"
#include "widgets/Popup.h"

namespace {

// The most characters of the minutes field that are read.
constexpr std::size_t kMinutesLength = 10;
// Ticks (sixtieths of a second) in a minute.
constexpr std::uint32_t kTicksPerMinute = 3600;

const char* const kPronouns[] = {"He, Him, His, Himself", "She, Her, Hers, Herself", "It, It, Its, Itself"};
const char* const kGenders[] = {"Male", "Female", "Neutral"};
const char* const kNotesOptions[] = {"Replace", "Append"};
// The last item of the pronoun and gender popups.
constexpr std::int16_t kLastChoice = 2;

// A popup's choice, or -1 when it shows none.
std::int16_t Choice(const Popup& popup) { return static_cast<std::int16_t>(popup.GetValue()); }

}  // namespace

GeneralPrefArea::~GeneralPrefArea() { StoreValues(); }

std::int16_t GeneralPrefArea::ParseMinutes(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    std::int32_t minutes = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        minutes = minutes * 10 + (text[at] - '0');
        if (minutes > kMaxMinutes) minutes = kMaxMinutes;
    }
    return negative ? std::int16_t{0} : static_cast<std::int16_t>(minutes);
}

void GeneralPrefArea::BuildItems() {
    MarkFirstItem();
    const int top = bounds_.top;
    const int x = bounds_.left + 25;
    y0_ = static_cast<std::int16_t>(top + 20);
    y1_ = static_cast<std::int16_t>(top + 95);
    y2_ = static_cast<std::int16_t>(top + 150);
    y3_ = static_cast<std::int16_t>(top + 235);
    fastSave_ = AddCheckBox("Fast Save Enabled", ItemRect(y0_ + 10, x, y0_ + 24, x + 160));
    autoSave_ = AddCheckBox("Auto Save Every", ItemRect(y0_ + 29, x, y0_ + 43, x + 135));
    minutes_ = AddField(ItemRect(y0_ + 28, x + 140, y0_ + 43, x + 165), 3, 9);
    AddLabel("minutes", ItemRect(y0_ + 28, x + 170, y0_ + 43, x + 255));
    multipleStories_ =
        AddCheckBox("File menu can open multiple stories", ItemRect(y1_ + 10, x, y1_ + 26, x + 270));
    pronouns_ = AddPopup("Pronouns in examples: ", ItemRect(y2_ + 10, x, y2_ + 30, x + 255));
    gender_ = AddPopup("Default Character Gender: ", ItemRect(y2_ + 38, x, y2_ + 58, x + 255));
    savePictures_ =
        AddCheckBox("Save character pictures in document", ItemRect(y3_ + 10, x, y3_ + 26, x + 270));
    notes_ = AddPopup("Characteristic notes: ", ItemRect(y3_ + 30, x, y3_ + 50, x + 255));
    OpenItems();
}

void GeneralPrefArea::LoadValues() {
    if (!fastSave_ || !preferences_) return;
    PText* general = preferences_->GetGeneralRecord();
    fastSave_->SetValue(ReadShort(general, "FastSave", 0), true);
    autoSave_->SetValue(ReadShort(general, "AutoSave", 1), true);
    minutes_->SetText(std::to_string(ReadShort(general, "AutoSaveMin", 30)).c_str(), 1);
    for (const char* pronoun : kPronouns) pronouns_->AddItem(pronoun);
    for (const char* gender : kGenders) gender_->AddItem(gender);
    multipleStories_->SetValue(ReadShort(general, "MultiStories", 0), true);
    // Stored choices beyond the popups' items show as the nearest item; a negative gender shows none.
    pronouns_->SetValue(std::clamp<std::int16_t>(preferences_->GetPronounGender(), 0, kLastChoice), true);
    gender_->SetValue(std::min<std::int16_t>(ReadShort(general, "DefGender", -1), kLastChoice), true);
    savePictures_->SetValue(ReadShort(general, "savePix", 0), true);
    for (const char* option : kNotesOptions) notes_->AddItem(option);
    notes_->SetValue(ReadShort(general, "NotesOpt", 0), true);
    shown_.Note(general, "FastSave", SwitchValue(*fastSave_));
    shown_.Note(general, "AutoSave", SwitchValue(*autoSave_));
    shown_.Note(general, "AutoSaveMin", ParseMinutes(minutes_->GetText().substr(0, kMinutesLength)));
    shown_.Note(general, "MultiStories", SwitchValue(*multipleStories_));
    shown_.Note(general, PreferencesManager::kPronounGenderKey, Choice(*pronouns_));
    shown_.Note(general, "DefGender", Choice(*gender_));
    shown_.Note(general, "savePix", SwitchValue(*savePictures_));
    shown_.Note(general, "NotesOpt", Choice(*notes_));
}

// A popup showing no choice leaves the stored value alone, but for a negative default gender (which
// no character can take): that goes, so new characters take their usual gender. A setting left as
// the page showed it is not written over another window's change (ShownSettings); the autosave timer
// follows what is stored.
void GeneralPrefArea::StoreValues() {
    if (!fastSave_ || !preferences_) return;
    PText* general = preferences_->GetGeneralRecord();
    shown_.Store(general, "FastSave", SwitchValue(*fastSave_));
    shown_.Store(general, "AutoSave", SwitchValue(*autoSave_));
    const std::string text = minutes_->GetText().substr(0, kMinutesLength);
    const std::int16_t minutes = ParseMinutes(text);
    shown_.Store(general, "AutoSaveMin", minutes);
    if (AutoSaveManager* autoSave = application_ ? application_->GetAutoSaveManager() : nullptr)
        autoSave->Configure(
            ReadShort(general, "AutoSave", SwitchValue(*autoSave_)) != 0,
            static_cast<std::uint32_t>(ReadShort(general, "AutoSaveMin", minutes)) * kTicksPerMinute);
    shown_.Store(general, "MultiStories", SwitchValue(*multipleStories_));
    if (const std::int16_t pronoun = Choice(*pronouns_);
        pronoun >= 0 && shown_.Writes(general, PreferencesManager::kPronounGenderKey, pronoun))
        preferences_->SetPronounGender(pronoun);
    if (const std::int16_t gender = Choice(*gender_); gender >= 0)
        shown_.Store(general, "DefGender", gender);
    else if (general && ReadShort(general, "DefGender", 0) < 0)
        general->Remove("DefGender");
    shown_.Store(general, "savePix", SwitchValue(*savePictures_));
    if (const std::int16_t option = Choice(*notes_); option >= 0) shown_.Store(general, "NotesOpt", option);
}

void GeneralPrefArea::Draw(TGraphEnv& env) {
    DrawGroupTitle(env, "Save Options:", y0_, y1_ - y0_ - 20);
    DrawGroupTitle(env, "Window Options:", y1_, y2_ - y1_ - 20);
    DrawGroupTitle(env, "Gender Options:", y2_, y3_ - y2_ - 20);
    DrawGroupTitle(env, "Character Options:", y3_, 56);
}
